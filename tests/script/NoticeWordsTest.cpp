// The store's notices as the user reads them: which lines, in which order, and how grave.

#include <gtest/gtest.h>

#include <string>

#include "NoticeWords.h"

namespace reckora {
namespace {

using Kind = store::StoreNotice::Kind;
using Cause = store::NoticeCause;

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (const std::string_view line : lines) {
        text.append(text.empty() ? "" : "\n").append(line);
    }
    return text;
}

TEST(NoticeWords, PutsTheCauseWhereItsTextAsksForIt) {
    struct Row {
        store::StoreNotice notice;
        NoticeSeverity severity;
        std::string text;
    };
    const Row rows[] = {
        // The moved file's path follows the text that ends in a colon; the cause comes last.
        {{Kind::MovedAside, "/t/tapes.sqlite.unusable-1", Cause::NewerVersion},
         NoticeSeverity::Warning,
         Lines({StoreMovedAsideText, "/t/tapes.sqlite.unusable-1", NewerVersionText})},
        // A cause that ends in a colon introduces the system's words.
        {{Kind::CannotKeep, "disk I/O error", Cause::CannotWrite},
         NoticeSeverity::Warning,
         Lines({CannotKeepText, CannotWriteText, "disk I/O error"})},
        // No empty line for a detail there is not, nor for a cause without words.
        {{Kind::CannotKeep, "", Cause::DiskFull},
         NoticeSeverity::Warning,
         Lines({CannotKeepText, DiskFullText})},
        {{Kind::CannotKeep, "", Cause::None}, NoticeSeverity::Warning, CannotKeepText},
        {{Kind::Resumed, "", Cause::None}, NoticeSeverity::Information, KeepingResumedText},
        {{Kind::SheetTaken, "", Cause::None}, NoticeSeverity::Information, SheetTakenText},
        {{Kind::SheetRestarted, "", Cause::None}, NoticeSeverity::Warning, SheetRestartedText},
        {{Kind::ReadOnly, "/t/tapes.sqlite", Cause::None},
         NoticeSeverity::Warning,
         Lines({ReadOnlyStoreText, "/t/tapes.sqlite"})},
    };
    for (const Row& row : rows) {
        const TapeNotice worded = WordedNotice(row.notice);
        EXPECT_EQ(worded.text, row.text);
        EXPECT_EQ(worded.severity, row.severity) << row.text;
    }
}

}  // namespace
}  // namespace reckora
