#pragma once
// Printing for the tape on this desktop: a job on the system's default printer (CUPS on Linux)
// for each print, and the messages about it. When no printer is installed, the user is offered
// to save the tape as a PDF file instead, printed exactly as on paper; any other failure is
// shown with its cause. All boxes are modal over the main window. The jobs come from the print
// module, opened at the first print; a module that cannot be opened is such a failure.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "PrintJobs.h"
#include "PrintService.h"

namespace reckora {

class QtPrintService : public PrintService {
public:
    using OpenJobs = std::function<std::unique_ptr<PrintJobs>()>;

    // `open` makes the jobs at the first print (throwing Failure when it cannot); the print
    // module's by default.
    explicit QtPrintService(QWidget* parent, OpenJobs open = DefaultJobs());
    static OpenJobs DefaultJobs();

    std::unique_ptr<Printer> DefaultPrinter() override;
    void ShowInformation(std::string_view text, std::string_view title) override;
    std::unique_ptr<Printer> PrintFailed(const Failure& failure) override;
    PrintProgress FollowProgress(LongWork work) override;

    // A job writing a PDF file at `path`.
    std::unique_ptr<Printer> PdfPrinter(const QString& path);

private:
    std::unique_ptr<Printer> OfferPdf();
    PrintJobs& Jobs();

    QPointer<QWidget> parent_;
    OpenJobs open_;
    std::unique_ptr<PrintJobs> jobs_;
};

}  // namespace reckora
