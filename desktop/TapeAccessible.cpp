#include "TapeAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QRect>
#include <QWindow>
#include <map>

#include "TapeWidget.h"

namespace reckora {

namespace {

const TapeReading* ReadingOf(const QPointer<TapeWidget>& tape) {
    if (tape.isNull() || !tape->Reading().lines) {
        return nullptr;
    }
    return &tape->Reading();
}

std::int32_t LinesOf(const QPointer<TapeWidget>& tape) {
    const TapeReading* reading = ReadingOf(tape);
    return reading != nullptr ? reading->lines() : 0;
}

// One line of the tape, by its position.
class TapeLineAccessible final : public QAccessibleInterface {
public:
    TapeLineAccessible(TapeWidget* tape, std::int32_t line) : tape_(tape), line_(line) {}

    bool isValid() const override { return line_ >= 1 && line_ <= LinesOf(tape_); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return tape_.isNull() ? nullptr : tape_->window()->windowHandle();
    }
    QAccessibleInterface* parent() const override {
        return tape_.isNull() ? nullptr : QAccessible::queryAccessibleInterface(tape_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        const TapeReading* reading = ReadingOf(tape_);
        if (reading == nullptr || !isValid()) {
            return {};
        }
        switch (kind) {
            case QAccessible::Name:
                return reading->spoken(line_);
            case QAccessible::Description:
                return reading->note ? reading->note(line_) : QString();
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        const TapeReading* reading = ReadingOf(tape_);
        if (reading == nullptr || !reading->area || !isValid()) {
            return {};
        }
        const QRect area = reading->area(line_);
        return area.isEmpty() ? QRect() : QRect(tape_->mapToGlobal(area.topLeft()), area.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        state.focusable = true;
        const TapeReading* reading = ReadingOf(tape_);
        if (reading != nullptr && reading->selected() == line_) {
            state.selected = true;
            state.focused = true;
        }
        state.invisible = rect().isEmpty();
        state.readOnly = true;
        return state;
    }

    std::int32_t Line() const { return line_; }

private:
    QPointer<TapeWidget> tape_;
    std::int32_t line_;
};

class TapeListAccessible final : public QAccessibleWidget {
public:
    explicit TapeListAccessible(TapeWidget* tape)
        : QAccessibleWidget(tape, QAccessible::List), tape_(tape) {}
    ~TapeListAccessible() override {
        for (const auto& [line, id] : lines_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    TapeListAccessible(const TapeListAccessible&) = delete;
    TapeListAccessible& operator=(const TapeListAccessible&) = delete;

    int childCount() const override { return LinesOf(tape_); }

    QAccessibleInterface* child(int index) const override {
        const std::int32_t line = index + 1;
        if (index < 0 || line > LinesOf(tape_)) {
            return nullptr;
        }
        const auto found = lines_.find(line);
        if (found != lines_.end()) {
            return QAccessible::accessibleInterface(found->second);
        }
        auto* item = new TapeLineAccessible(tape_.data(), line);
        lines_[line] = QAccessible::registerAccessibleInterface(item);
        return item;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* item = dynamic_cast<const TapeLineAccessible*>(child);
        return item != nullptr && item->isValid() ? item->Line() - 1 : -1;
    }

    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QAccessibleInterface* focusChild() const override {
        const TapeReading* reading = ReadingOf(tape_);
        const std::int32_t selected = reading != nullptr ? reading->selected() : 0;
        return selected > 0 ? child(selected - 1) : nullptr;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return TapeWidget::tr("Tape");
        }
        // The newest line, for readers that speak the list's description when it changes.
        const std::int32_t lines = LinesOf(tape_);
        if (kind == QAccessible::Description && lines > 0) {
            return ReadingOf(tape_)->spoken(lines);
        }
        return QAccessibleWidget::text(kind);
    }

private:
    QPointer<TapeWidget> tape_;
    mutable std::map<std::int32_t, QAccessible::Id> lines_;
};

QAccessibleInterface* TapeAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("reckora::TapeWidget")) {
        if (auto* tape = qobject_cast<TapeWidget*>(object)) {
            return new TapeListAccessible(tape);
        }
    }
    return nullptr;
}

}  // namespace

void InstallTapeAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&TapeAccessibleFactory);
        return true;
    }();
    static_cast<void>(installed);
}

void AnnounceTapeLine(QWidget& tape, std::int32_t line, bool selected) {
    // Without a reader no line is made accessible: a long session would keep them all.
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&tape);
    QAccessibleInterface* item = list != nullptr ? list->child(line - 1) : nullptr;
    if (item == nullptr) {
        return;
    }
    if (selected) {
        QAccessibleEvent focus(item, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
        QAccessibleEvent selection(item, QAccessible::Selection);
        QAccessible::updateAccessibility(&selection);
        return;
    }
    QAccessibleEvent created(item, QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&created);
    QAccessibleEvent description(list, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
}

}  // namespace reckora
