#include "QtWindowModel.h"

#include <QAction>

#include "BusinessKeyTable.h"
#include "ControlOrder.h"
#include "Failure.h"
#include "QtText.h"

namespace reckora {

namespace {

int Slot(ControlProperty property) {
    return static_cast<int>(property);
}

[[noreturn]] void Refuse(ControlId control) {
    throw Failure(FailureKind::Refused, std::string(control.name) + " has no such property");
}

}  // namespace

QtWindowModel::QtWindowModel(MainWindow& window) : window_(window) {
    for (const ControlDescription& control : AllControls) {
        const ControlId id{control.name, control.index};
        order_.push_back(id);
        ControlState state;
        state.hasGeometry = control.hasGeometry;
        state.hasFont = control.hasFont;
        state.values[Slot(ControlProperty::FontSize)] = control.font.size;
        state.values[Slot(ControlProperty::Left)] = control.geometry.left;
        state.values[Slot(ControlProperty::Top)] = control.geometry.top;
        state.values[Slot(ControlProperty::Width)] = control.geometry.width;
        state.values[Slot(ControlProperty::Height)] = control.geometry.height;
        controls_[{std::string(control.name), control.index}] = state;
    }
}

const QtWindowModel::ControlState& QtWindowModel::StateOf(ControlId control,
                                                          ControlProperty property) const {
    const auto found = controls_.find({std::string(control.name), control.index});
    if (found == controls_.end()) {
        Refuse(control);
    }
    const bool has =
        property == ControlProperty::FontSize ? found->second.hasFont : found->second.hasGeometry;
    if (!has) {
        Refuse(control);
    }
    return found->second;
}

QWidget& QtWindowModel::WidgetOf(ControlId control) const {
    QWidget* widget = window_.Control(control);
    if (widget == nullptr) {
        Refuse(control);
    }
    return *widget;
}

float QtWindowModel::Property(ControlId control, ControlProperty property) const {
    const ControlState& state = StateOf(control, property);
    return state.values[Slot(property)];
}

void QtWindowModel::SetProperty(ControlId control, ControlProperty property, float value) {
    StateOf(control, property);
    QWidget& widget = WidgetOf(control);
    if (property == ControlProperty::FontSize) {
        if (!(value > 0)) {
            throw Failure(FailureKind::OutOfRange, "invalid font size");
        }
        QFont font = widget.font();
        font.setPointSizeF(value);
        widget.setFont(font);
    } else if ((property == ControlProperty::Width || property == ControlProperty::Height) &&
               value < 0) {
        throw Failure(FailureKind::OutOfRange, "invalid size");
    }
    ControlState& state = controls_[{std::string(control.name), control.index}];
    state.values[Slot(property)] = value;
    if (property != ControlProperty::FontSize) {
        const float* v = state.values;
        widget.setGeometry(window_.Scale().WholePixels(v[Slot(ControlProperty::Left)]),
                           window_.Scale().WholePixels(v[Slot(ControlProperty::Top)]),
                           window_.Scale().WholePixels(v[Slot(ControlProperty::Width)]),
                           window_.Scale().WholePixels(v[Slot(ControlProperty::Height)]));
    }
}

void QtWindowModel::SetFontName(ControlId control, std::string_view face) {
    StateOf(control, ControlProperty::FontSize);
    QWidget& widget = WidgetOf(control);
    QFont font = widget.font();
    font.setFamily(QtText(face));
    widget.setFont(font);
}

float QtWindowModel::Width() const {
    return Twips(window_.frameGeometry().width());
}

float QtWindowModel::Height() const {
    return Twips(window_.frameGeometry().height());
}

void QtWindowModel::SetWidth(float twips) {
    const int frame = window_.frameGeometry().width() - window_.width();
    const int width = window_.Scale().WholePixels(twips) - frame;
    if (window_.isMinimized() || width <= 0) {
        throw Failure(FailureKind::OutOfRange, "the window cannot take that width");
    }
    // A fixed width: the window system does not let the user drag it either.
    window_.setMaximumWidth(QWIDGETSIZE_MAX);
    window_.setMinimumWidth(width);
    window_.setMaximumWidth(width);
    window_.resize(width, window_.height());
}

void QtWindowModel::SetHeight(float twips) {
    const int frame = window_.frameGeometry().height() - window_.height();
    const int height = window_.Scale().WholePixels(twips) - frame;
    if (window_.isMinimized() || height <= 0) {
        throw Failure(FailureKind::OutOfRange, "the window cannot take that height");
    }
    window_.resize(window_.width(), height);
}

float QtWindowModel::ClientWidth() const {
    return Twips(window_.width());
}

float QtWindowModel::ClientHeight() const {
    return Twips(window_.ClientHeightPixels());
}

void QtWindowModel::SetTapeVisible(bool visible) {
    window_.Tape().setVisible(visible);
}

void QtWindowModel::SetBusinessRowVisible(bool visible) {
    window_.ShowBusinessRow(visible);
}

void QtWindowModel::SetMenuChecked(MenuId entry, bool checked) {
    window_.MenuEntry(entry)->setChecked(checked);
}

void QtWindowModel::SetMenuCaption(MenuId entry, const std::string& caption) {
    window_.MenuEntry(entry)->setText(QtText(caption));
}

void QtWindowModel::SetGrandTotalLabel(const std::string& text) {
    window_.Label(GrandTotalLabelName)->setText(QtText(text));
}

}  // namespace reckora
