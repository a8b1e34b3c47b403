#include "MemoryWindowModel.h"

#include "ControlOrder.h"
#include "Failure.h"

namespace reckora {

namespace {

bool IsGeometry(ControlProperty property) {
    return property != ControlProperty::FontSize;
}

bool IsSize(ControlProperty property) {
    return property == ControlProperty::Width || property == ControlProperty::Height;
}

}  // namespace

MemoryWindowModel::MemoryWindowModel(double twipsPerPixel, float nonClientWidth,
                                     float nonClientHeight)
    : twipsPerPixel_(twipsPerPixel),
      nonClientWidth_(nonClientWidth),
      nonClientHeight_(nonClientHeight),
      clientWidth_(MainWindowDescription.clientWidth),
      clientHeight_(MainWindowDescription.clientHeight) {
    for (const ControlDescription& control : AllControls) {
        order_.push_back({control.name, control.index});
        ControlState state;
        state.hasGeometry = control.hasGeometry;
        state.hasFont = control.hasFont;
        state.values[static_cast<int>(ControlProperty::FontSize)] = control.font.size;
        state.values[static_cast<int>(ControlProperty::Left)] = control.geometry.left;
        state.values[static_cast<int>(ControlProperty::Top)] = control.geometry.top;
        state.values[static_cast<int>(ControlProperty::Width)] = control.geometry.width;
        state.values[static_cast<int>(ControlProperty::Height)] = control.geometry.height;
        state.fontName = std::string(control.font.name);
        controls_[KeyOf(order_.back())] = state;
    }
    for (const MenuEntry& entry : MenuTree) {
        if (entry.checkable) {
            menuChecked_[entry.id] = entry.checked;
        }
    }
}

std::vector<ControlId> MemoryWindowModel::Controls() const {
    return order_;
}

const MemoryWindowModel::ControlState& MemoryWindowModel::StateOf(ControlId control,
                                                                  ControlProperty property) const {
    const auto found = controls_.find(KeyOf(control));
    if (found == controls_.end()) {
        throw Failure(FailureKind::Refused, "no such control: " + std::string(control.name));
    }
    const ControlState& state = found->second;
    const bool has = IsGeometry(property) ? state.hasGeometry : state.hasFont;
    if (!has || failing_.contains({std::string(control.name), control.index, property})) {
        throw Failure(FailureKind::Refused,
                      std::string(control.name) + " does not have that property");
    }
    return state;
}

float MemoryWindowModel::Property(ControlId control, ControlProperty property) const {
    return StateOf(control, property).values[static_cast<int>(property)];
}

void MemoryWindowModel::SetProperty(ControlId control, ControlProperty property, float value) {
    StateOf(control, property);
    if ((IsSize(property) || property == ControlProperty::FontSize) && value < 0) {
        throw Failure(FailureKind::OutOfRange, "invalid property value");
    }
    controls_[KeyOf(control)].values[static_cast<int>(property)] = value;
}

void MemoryWindowModel::SetFontName(ControlId control, std::string_view face) {
    StateOf(control, ControlProperty::FontSize);
    controls_[KeyOf(control)].fontName = std::string(face);
}

std::string MemoryWindowModel::FontName(ControlId control) const {
    return StateOf(control, ControlProperty::FontSize).fontName;
}

float MemoryWindowModel::Width() const {
    return clientWidth_ + nonClientWidth_;
}
float MemoryWindowModel::Height() const {
    return clientHeight_ + nonClientHeight_;
}

void MemoryWindowModel::SetWidth(float twips) {
    if (windowSizeFails_ || twips < nonClientWidth_) {
        throw Failure(FailureKind::OutOfRange, "the window cannot take that width");
    }
    clientWidth_ = twips - nonClientWidth_;
    ++widthChanges_;
}

void MemoryWindowModel::SetHeight(float twips) {
    if (windowSizeFails_ || twips < nonClientHeight_) {
        throw Failure(FailureKind::OutOfRange, "the window cannot take that height");
    }
    clientHeight_ = twips - nonClientHeight_;
}

void MemoryWindowModel::SetMenuChecked(MenuId entry, bool checked) {
    const auto found = menuChecked_.find(entry);
    if (found == menuChecked_.end()) {
        throw Failure(FailureKind::Refused,
                      "no tick on menu entry " + std::string(MenuRow(entry).name));
    }
    found->second = checked;
}

bool MemoryWindowModel::MenuChecked(MenuId entry) const {
    const auto found = menuChecked_.find(entry);
    return found != menuChecked_.end() && found->second;
}

std::string MemoryWindowModel::MenuCaption(MenuId entry) const {
    const auto found = menuCaptions_.find(entry);
    return found != menuCaptions_.end() ? found->second : std::string(MenuRow(entry).caption);
}

void MemoryWindowModel::FailProperty(ControlId control, ControlProperty property) {
    failing_.insert({std::string(control.name), control.index, property});
}

}  // namespace reckora
