#include "WorkProgress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>
#include <memory>

namespace reckora {

namespace {

constexpr qint64 QuietMilliseconds = 1000;

struct Watch {
    QPointer<QWidget> parent;
    QString label;
    QElapsedTimer clock;
    std::unique_ptr<QProgressDialog> dialog;
    bool cancelled = false;
};

}  // namespace

PrintProgress ProgressAfterASecond(QWidget* parent, const QString& label) {
    auto watch = std::make_shared<Watch>();
    watch->parent = parent;
    watch->label = label;
    watch->clock.start();
    return [watch](std::int32_t done, std::int32_t total) {
        // A window that is not shown (an export from the command line) gets no dialog either.
        if (!watch->dialog && (watch->clock.elapsed() < QuietMilliseconds || !watch->parent ||
                               !watch->parent->isVisible())) {
            return true;
        }
        if (!watch->dialog) {
            watch->dialog = std::make_unique<QProgressDialog>(
                watch->label, QCoreApplication::translate("reckora", "Cancel"), 0, total,
                watch->parent);
            watch->dialog->setWindowModality(Qt::WindowModal);
            watch->dialog->setMinimumDuration(0);
            watch->dialog->setAutoClose(false);
            watch->dialog->setAutoReset(false);
            QObject::connect(watch->dialog.get(), &QProgressDialog::canceled,
                             [raw = watch.get()] { raw->cancelled = true; });
            watch->dialog->show();
        }
        watch->dialog->setValue(done);
        // The Cancel button and the window's repaint are handled between two steps.
        QCoreApplication::processEvents();
        if (watch->cancelled || done >= total) {
            watch->dialog.reset();
        }
        return !watch->cancelled;
    };
}

}  // namespace reckora
