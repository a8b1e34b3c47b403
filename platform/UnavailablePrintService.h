#pragma once
// Printing as it stands until the window has a printer behind it: every print reports that no
// printer is available, in a message box; the tape and the calculator stay as they were.

#include <QPointer>
#include <QWidget>

#include "PrintService.h"

namespace reckora {

class UnavailablePrintService : public PrintService {
public:
    explicit UnavailablePrintService(QWidget* parent) : parent_(parent) {}

    std::unique_ptr<Printer> DefaultPrinter() override;
    void ShowInformation(std::string_view text, std::string_view title) override;
    std::unique_ptr<Printer> PrintFailed(const Failure& failure) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace reckora
