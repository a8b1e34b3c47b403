#include "UnavailablePrintService.h"

#include <QMessageBox>

namespace reckora {

namespace {
QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), text.size());
}
}  // namespace

std::unique_ptr<Printer> UnavailablePrintService::DefaultPrinter() {
    throw Failure(FailureKind::NoPrinter, "No printer is available.");
}

void UnavailablePrintService::ShowInformation(std::string_view text, std::string_view title) {
    QMessageBox::information(parent_, Text(title), Text(text));
}

std::unique_ptr<Printer> UnavailablePrintService::PrintFailed(const Failure& failure) {
    QMessageBox::warning(parent_, Text(kPrintMessageTitle),
                         QStringLiteral("The tape was not printed: %1").arg(failure.what()));
    return nullptr;
}

}  // namespace reckora
