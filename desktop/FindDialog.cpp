#include "FindDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace reckora {

FindDialog::FindDialog(QWidget* parent, Actions actions)
    : QDialog(parent),
      actions_(std::move(actions)),
      field_(new QLineEdit(this)),
      status_(new QLabel(this)) {
    setObjectName(QStringLiteral("FindDialog"));
    setWindowTitle(tr("Find"));
    field_->setObjectName(QStringLiteral("FindText"));
    field_->setPlaceholderText(tr("An amount or words of a note"));
    status_->setObjectName(QStringLiteral("FindStatus"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* previous = buttons->addButton(tr("Previous"), QDialogButtonBox::ActionRole);
    QPushButton* next = buttons->addButton(tr("Next"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    // Enter is the dialog's own: no button takes it as the default.
    for (QAbstractButton* button : buttons->buttons()) {
        if (auto* push = qobject_cast<QPushButton*>(button)) {
            push->setAutoDefault(false);
        }
    }
    connect(previous, &QPushButton::clicked, this, [this] { Step(-1); });
    connect(next, &QPushButton::clicked, this, [this] { Step(1); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(field_, &QLineEdit::textEdited, status_, &QLabel::clear);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Find:"), this));
    row->addWidget(field_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(status_);
    layout->addWidget(buttons);
}

void FindDialog::Open() {
    show();
    raise();
    activateWindow();
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
}

void FindDialog::Step(int direction) {
    const std::string text = field_->text().trimmed().toStdString();
    if (text.empty()) {
        return;
    }
    const std::vector<std::int32_t> hits = actions_.find(text);
    if (hits.empty()) {
        status_->setText(tr("Not found"));
        return;
    }
    const std::int32_t from = actions_.selected();
    // The hit after (or before) the selected line, wrapping around at either end.
    auto hit = hits.end();
    if (direction > 0) {
        hit = std::upper_bound(hits.begin(), hits.end(), from);
        if (hit == hits.end()) {
            hit = hits.begin();
        }
    } else {
        hit = std::lower_bound(hits.begin(), hits.end(), from);
        hit = from == 0 || hit == hits.begin() ? hits.end() - 1 : hit - 1;
    }
    actions_.select(*hit);
    status_->setText(tr("%1 of %2").arg(hit - hits.begin() + 1).arg(hits.size()));
}

QString FindDialog::Status() const {
    return status_->text();
}

void FindDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Step(event->modifiers().testFlag(Qt::ShiftModifier) ? -1 : 1);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace reckora
