#pragma once
// The main window on screen (object name "FrmMain"): a QMainWindow whose every control, key and
// menu entry is made from the window description. It shows what the engine and the layout tell it
// (option buttons, the timer, the Undo key and entry, key faces, focus) and reports clicks, menu
// choices, timer ticks and size changes as signals; it holds no calculator logic of its own.

#include <QButtonGroup>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <map>
#include <string>
#include <string_view>

#include "ControlDescription.h"
#include "KeyButton.h"
#include "KeyCommand.h"
#include "MenuTable.h"
#include "TapeWidget.h"
#include "TwipScale.h"

class QAction;
class QRadioButton;

namespace reckora {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // twipsPerPixel turns the description's twips into pixels; decimalSeparator is the legend
    // of the decimal key.
    MainWindow(double twipsPerPixel, const QString& decimalSeparator);

    const TwipScale& Scale() const { return scale_; }
    double TwipsPerPixel() const { return scale_.TwipsPerPixel(); }

    // The widget of a control; nullptr for controls that are not widgets (timer, menu entries).
    QWidget* Control(ControlId id) const;
    KeyButton* Key(int index) const;
    QLabel* Label(std::string_view name) const;
    QRadioButton* OptionButton(int index) const;
    QAction* MenuEntry(MenuId id) const;
    TapeWidget& Tape() const { return *tape_; }
    QWidget* ClientArea() const { return centralWidget(); }

    // The client area's height: the window less its menu bar.
    int ClientHeightPixels() const;

    // A key's face with its pressed border, or resting (mouse and keyboard feedback).
    void ShowKeyFace(reckora::Key face, bool pressed);

    // The business keys and the grand-total label below the keypad, shown or hidden.
    void ShowBusinessRow(bool shown);
    // The option button of this rounding/input option checked, the others not.
    void ShowSelectedOption(RoundingOption option);
    // Starts the display's one-shot blink timer, or stops it for 0.
    void SetBlinkInterval(int milliseconds);
    // The Undo key's face and enabled state and the Undo menu entry.
    void ShowUndoAvailable(bool available);
    // The title: the window's caption, then the current tape's name when it has one.
    void ShowSheetName(const std::string& name);
    void GiveFocusToMainWindow();
    // The keyboard focus starts on the selected option button; it is shown from the first show.
    void FocusSelectedOption();

signals:
    void keyClicked(int number);
    void keyMouseDown(int number);
    void keyMouseUp(int number);
    void optionButtonClicked(int index);  // the button's index in the window's table
    void blinkTimeout();
    // A menu entry was chosen, by its object name.
    void menuTriggered(reckora::MenuId id);
    void resized();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    using Id = std::pair<std::string, int>;

    QWidget* CreateControl(const ControlDescription& control, QWidget* parent);
    QLabel* CreateLabel(const ControlDescription& control, QWidget* parent);
    void CreateMenus();
    void SetTabOrder();
    void Place(QWidget* widget, const Geometry& geometry) const;

    TwipScale scale_;
    QString decimalSeparator_;
    std::map<Id, QWidget*> controls_;
    std::array<QAction*, MenuEntryCount> menuEntries_{};
    QButtonGroup* optionButtons_ = nullptr;
    TapeWidget* tape_ = nullptr;
    QTimer* blinkTimer_ = nullptr;
};

}  // namespace reckora
