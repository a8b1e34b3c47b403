#include "KeptSheetFile.h"

#include <utility>

#include "TapeExport.h"
#include "TapePdf.h"
#include "TapeTitle.h"
#include "WholeFile.h"

namespace reckora {
TapeLines KeptSheetLines(const SheetToExport& sheet) {
    TapeLines lines;
    for (const TapeEntry& entry : sheet.shown.lines) {
        lines.push_back({TapeText(entry.text), entry.itemCount, entry.mark, entry.ink});
    }
    return lines;
}

ExtrasOfLine KeptSheetExtras(const SheetToExport& sheet) {
    return [&extras = sheet.shown.extras](std::int32_t line) {
        const auto found = extras.find(line);
        return found != extras.end() ? &found->second : nullptr;
    };
}

bool WriteKeptSheet(const SheetToExport& sheet, TapeFormat format,
                    const std::filesystem::path& path, const KeptSheetWriting& how,
                    std::string& error) {
    std::string content;
    switch (format) {
        case TapeFormat::Text:
            content = store::TapeAsText(sheet.keptLines, how.locale, how.originalWords, sheet.name);
            break;
        case TapeFormat::Csv:
            content = store::TapeAsCsv(sheet.keptLines, how.locale, sheet.name);
            break;
        case TapeFormat::Pdf: {
            const TapeLines lines = KeptSheetLines(sheet);
            return WriteTapePdf(
                path, lines, static_cast<std::int32_t>(lines.size()),
                {KeptSheetExtras(sheet), TapeTitle(sheet.name, sheet.startedMs), how.progress},
                error);
        }
    }
    return WriteWholeFile(path, content, error);
}

KeptTapeExport ExportKeptTape(const std::filesystem::path& store, TapeFormat format,
                              const std::filesystem::path& path, const KeptSheetWriting& how,
                              const std::function<void(const TapeNotice&)>& tell,
                              std::string& error) {
    SheetStore opened = OpenSheetStore(store, StoreFileMade::WithFirstChange);
    if (!opened.keeping) {
        return KeptTapeExport::NoKeptTape;
    }
    TapeKeeper keeper(std::move(opened), how.locale, tell);
    const std::optional<store::SheetId> current = keeper.History().LastCurrentSheet();
    const std::optional<SheetToExport> sheet =
        current ? keeper.LoadToExport(*current) : std::nullopt;
    if (!sheet || sheet->keptLines.empty()) {
        return KeptTapeExport::NoKeptTape;
    }
    return WriteKeptSheet(*sheet, format, path, how, error) ? KeptTapeExport::Written
                                                            : KeptTapeExport::Failed;
}

}  // namespace reckora
