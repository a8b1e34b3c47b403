// Saving as PDF through the cairo writer.

#include "Failure.h"
#include "PdfFile.h"
#include "TapePdf.h"

namespace reckora {

bool WriteTapePdf(const std::filesystem::path& path, const TapeLines& lines, std::int32_t count,
                  const PrintExtras& with, std::string& error) {
    try {
        pdf::SaveTapeAsPdf(path, lines, count, with);
        return true;
    } catch (const Failure& failure) {
        error = failure.Kind() == FailureKind::Cancelled ? std::string() : failure.what();
        return false;
    }
}

}  // namespace reckora
