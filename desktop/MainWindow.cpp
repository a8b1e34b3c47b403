#include "MainWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <cmath>

#include "BorderedLabel.h"
#include "BusinessKeyTable.h"
#include "Colours.h"
#include "ControlOrder.h"
#include "FontSubstitutions.h"
#include "KeyFacePainter.h"
#include "QtText.h"
#include "SheetNameTexts.h"
#include "Translations.h"

namespace reckora {

namespace {

// The family is resolved through the substitution table here, so the design names that map to
// the same face share one font: each distinct family costs a font lookup at start-up.
QFont FontOf(const FontDescription& description) {
    QFont font(QFont::substitute(QtText(description.name)));
    font.setPointSizeF(description.size);
    font.setBold(description.bold);
    return font;
}

Qt::Alignment AlignmentOf(Alignment alignment) {
    switch (alignment) {
        case Alignment::Centre:
            return Qt::AlignCenter;
        case Alignment::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Alignment::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

constexpr Qt::WindowFlags MainWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

}  // namespace

MainWindow::MainWindow(double twipsPerPixel, const QString& decimalSeparator)
    : scale_(twipsPerPixel), decimalSeparator_(decimalSeparator) {
    InstallFontSubstitutions();
    setObjectName("FrmMain");
    setWindowTitle(UserText(MainWindowDescription.caption));
    setWindowFlags(MainWindowFlags);
    setFont(FontOf(DefaultFont));

    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    // Takes the focus back from the tape, but is no Tab stop.
    client->setFocusPolicy(Qt::ClickFocus);
    setCentralWidget(client);

    blinkTimer_ = new QTimer(this);
    blinkTimer_->setObjectName("Timer1");
    connect(blinkTimer_, &QTimer::timeout, this, &MainWindow::blinkTimeout);

    optionButtons_ = new QButtonGroup(this);
    optionButtons_->setExclusive(true);
    connect(optionButtons_, &QButtonGroup::idClicked, this, &MainWindow::optionButtonClicked);

    for (const ControlDescription& control : AllControls) {
        if (control.kind == ControlKind::Timer || control.kind == ControlKind::MenuEntry) {
            continue;
        }
        QWidget* parent = control.container.empty() ? client : Control({control.container, -1});
        QWidget* widget = CreateControl(control, parent);
        widget->setObjectName(
            control.index < 0
                ? QtText(control.name)
                : QStringLiteral("%1_%2").arg(QtText(control.name)).arg(control.index));
        Place(widget, control.geometry);
        if (!control.tooltip.empty() && widget->toolTip().isEmpty()) {
            widget->setToolTip(UserText(control.tooltip));
        }
        widget->setEnabled(control.enabled);
        widget->setVisible(control.visible);
        controls_[{std::string(control.name), control.index}] = widget;
    }
    CreateMenus();
    SetTabOrder();

    resize(scale_.WholePixels(MainWindowDescription.clientWidth),
           scale_.WholePixels(MainWindowDescription.clientHeight) + menuBar()->sizeHint().height());
}

void MainWindow::Place(QWidget* widget, const Geometry& geometry) const {
    widget->setGeometry(scale_.WholePixels(geometry.left), scale_.WholePixels(geometry.top),
                        scale_.WholePixels(geometry.width), scale_.WholePixels(geometry.height));
}

QLabel* MainWindow::CreateLabel(const ControlDescription& control, QWidget* parent) {
    const QColor foreColour = ToQColor(control.foreColour, parent->palette());
    // The single-line border is drawn in the label's first text colour and keeps it.
    auto* label = control.border == Border::SingleLine ? new BorderedLabel(foreColour, parent)
                                                       : new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(QtText(control.caption));
    label->setAlignment(AlignmentOf(control.alignment));
    label->setFont(FontOf(control.font));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, foreColour);
    palette.setColor(QPalette::Window, ToQColor(control.backColour, palette));
    label->setPalette(palette);
    label->setAutoFillBackground(!control.transparent);
    return label;
}

QWidget* MainWindow::CreateControl(const ControlDescription& control, QWidget* parent) {
    switch (control.kind) {
        case ControlKind::Label:
            return CreateLabel(control, parent);
        case ControlKind::Frame: {
            auto* frame = new QWidget(parent);
            frame->setFont(FontOf(control.font));
            return frame;
        }
        case ControlKind::OptionButton: {
            // The box is only as wide as the round button, so the caption never shows; the
            // tooltip says what the option is.
            auto* button = new QRadioButton(parent);
            button->setFocusPolicy(Qt::TabFocus);
            button->setAccessibleName(UserText(control.tooltip));
            optionButtons_->addButton(button, control.index);
            return button;
        }
        case ControlKind::PictureBox: {
            auto* holder = new QLabel(parent);
            const KeyDescription& undo = Keys[UndoKey];
            holder->setPixmap(PaintKeyFace(
                undo.group, UndoFaceLegend(control.index == ActiveUndoFaceHolder),
                undo.pictureWidth, undo.pictureHeight, decimalSeparator_, devicePixelRatioF()));
            return holder;
        }
        case ControlKind::Key: {
            const KeyDescription& key = *KeyDescriptionAt(control.index);
            auto* button = new KeyButton(key, ToQColor(control.backColour, palette()), parent);
            button->SetDecimalSeparator(decimalSeparator_);
            connect(button, &KeyButton::clicked, this,
                    [this, index = key.index] { emit keyClicked(index); });
            connect(button, &KeyButton::mouseDown, this, &MainWindow::keyMouseDown);
            connect(button, &KeyButton::mouseUp, this, &MainWindow::keyMouseUp);
            return button;
        }
        case ControlKind::Tape: {
            tape_ = new TapeWidget(scale_.TwipsPerPixel(), FontOf(control.font), parent);
            return tape_;
        }
        case ControlKind::Timer:
        case ControlKind::MenuEntry:
            break;
    }
    return nullptr;
}

void MainWindow::CreateMenus() {
    std::map<MenuId, QMenu*> menus;
    for (const reckora::MenuEntry& entry : MenuTree) {
        if (!entry.parent) {
            QMenu* menu = menuBar()->addMenu(UserText(entry.caption));
            menu->setObjectName(QtText(entry.name));
            menus[entry.id] = menu;
            menuEntries_[static_cast<std::size_t>(entry.id)] = menu->menuAction();
            continue;
        }
        QMenu* menu = menus.at(*entry.parent);
        if (entry.submenu) {
            QMenu* submenu = menu->addMenu(UserText(entry.caption));
            submenu->setObjectName(QtText(entry.name));
            menus[entry.id] = submenu;
            menuEntries_[static_cast<std::size_t>(entry.id)] = submenu->menuAction();
            continue;
        }
        QAction* action =
            entry.IsSeparator() ? menu->addSeparator() : menu->addAction(UserText(entry.caption));
        action->setObjectName(QtText(entry.name));
        action->setCheckable(entry.checkable);
        action->setChecked(entry.checked);
        action->setEnabled(entry.enabled);
        menuEntries_[static_cast<std::size_t>(entry.id)] = action;
        if (entry.IsSeparator()) {
            continue;
        }
        connect(action, &QAction::triggered, this, [this, action, id = entry.id] {
            // Ticks follow the program's state, not the click: the handlers set them.
            if (action->isCheckable()) {
                action->setChecked(!action->isChecked());
            }
            emit menuTriggered(id);
        });
    }
}

void MainWindow::SetTabOrder() {
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    };
    for (const auto& column : RoundSelector) {
        chain(OptionButton(column.option));
    }
    for (const auto& key : Keys) {
        chain(Key(key.index));
    }
    for (const auto& key : BusinessKeyFaces) {
        chain(Key(key.index));
    }
}

QWidget* MainWindow::Control(ControlId id) const {
    const auto found = controls_.find({std::string(id.name), id.index});
    return found == controls_.end() ? nullptr : found->second;
}

KeyButton* MainWindow::Key(int index) const {
    return static_cast<KeyButton*>(Control({KeyArrayName, index}));
}

QLabel* MainWindow::Label(std::string_view name) const {
    return qobject_cast<QLabel*>(Control({name, -1}));
}

QRadioButton* MainWindow::OptionButton(int index) const {
    return qobject_cast<QRadioButton*>(Control({"RoundOpt", index}));
}

QAction* MainWindow::MenuEntry(MenuId id) const {
    return menuEntries_[static_cast<std::size_t>(id)];
}

int MainWindow::ClientHeightPixels() const {
    const int menuHeight = menuBar()->isHidden() ? 0 : menuBar()->heightForWidth(width());
    return height() - (menuHeight > 0 ? menuHeight : menuBar()->sizeHint().height());
}

void MainWindow::ShowKeyFace(reckora::Key face, bool pressed) {
    if (KeyButton* key = Key(KeyNumber(face))) {
        key->SetFacePressed(pressed);
    }
}

void MainWindow::ShowBusinessRow(bool shown) {
    for (const KeyDescription& key : BusinessKeyFaces) {
        Key(key.index)->setVisible(shown);
    }
    Label(GrandTotalLabelName)->setVisible(shown);
}

void MainWindow::ShowSelectedOption(RoundingOption option) {
    const QSignalBlocker blocker(optionButtons_);
    if (QAbstractButton* button = optionButtons_->button(OptionIndex(option))) {
        button->setChecked(true);
        return;
    }
    optionButtons_->setExclusive(false);
    for (QAbstractButton* button : optionButtons_->buttons()) {
        button->setChecked(false);
    }
    optionButtons_->setExclusive(true);
}

void MainWindow::SetBlinkInterval(int milliseconds) {
    if (milliseconds <= 0) {
        blinkTimer_->stop();
    } else {
        blinkTimer_->start(milliseconds);
    }
}

void MainWindow::ShowSheetName(const std::string& name) {
    const QString caption = UserText(MainWindowDescription.caption);
    setWindowTitle(name.empty() ? caption
                                : caption + QString::fromUtf8(TitleNameSeparator) +
                                      QString::fromStdString(name));
}

void MainWindow::ShowUndoAvailable(bool available) {
    KeyButton* undo = Key(UndoKey);
    undo->SetLegend(UndoFaceLegend(available));
    undo->setEnabled(available);
    MenuEntry(MenuId::Undo)->setEnabled(available);
}

void MainWindow::GiveFocusToMainWindow() {
    centralWidget()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::FocusSelectedOption() {
    if (QAbstractButton* selected = optionButtons_->checkedButton()) {
        selected->setFocus(Qt::TabFocusReason);
    }
}

// Showing the window forgets that the focus is the keyboard's; it is shown from the start.
void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    emit resized();
}

}  // namespace reckora
