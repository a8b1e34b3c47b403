#pragma once
// Edit, Find: a small window beside the calculator with a search field. Enter selects the next
// line that matches (a number, or words of a note), Shift+Enter the one before, wrapping around
// the tape; the calculator selects the line and scrolls it into view.

#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;

namespace reckora {

class FindDialog : public QDialog {
    Q_OBJECT
public:
    struct Actions {
        std::function<std::vector<std::int32_t>(const std::string& text)> find;  // oldest first
        std::function<std::int32_t()> selected;                                  // 0: none
        std::function<void(std::int32_t line)> select;
    };

    FindDialog(QWidget* parent, Actions actions);

    // Shows the window (again) with the search text selected for typing over.
    void Open();
    // Selects the next (+1) or previous (-1) hit from the selected line, searching the tape as it
    // is now.
    void Step(int direction);

    QLineEdit& Field() { return *field_; }
    QString Status() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Actions actions_;
    QLineEdit* field_;
    QLabel* status_;
};

}  // namespace reckora
