#include "NoticeWords.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace reckora {
namespace {

using Kind = store::StoreNotice::Kind;
using Cause = store::NoticeCause;

// Where a notice's cause goes: after the text (the text asks for it), or after the detail (the
// text ends in the detail, the moved file's path).
enum class CausePlace { None, AfterText, AfterDetail };

struct KindWords {
    Kind kind;
    std::string_view text;
    NoticeSeverity severity;
    CausePlace cause;
};

constexpr std::array<KindWords, 6> KindTexts{{
    {Kind::MovedAside, StoreMovedAsideText, NoticeSeverity::Warning, CausePlace::AfterDetail},
    {Kind::CannotKeep, CannotKeepText, NoticeSeverity::Warning, CausePlace::AfterText},
    {Kind::Resumed, KeepingResumedText, NoticeSeverity::Information, CausePlace::None},
    {Kind::SheetRestarted, SheetRestartedText, NoticeSeverity::Warning, CausePlace::None},
    {Kind::SheetTaken, SheetTakenText, NoticeSeverity::Information, CausePlace::None},
    {Kind::ReadOnly, ReadOnlyStoreText, NoticeSeverity::Warning, CausePlace::None},
}};

struct CauseWords {
    Cause cause;
    std::string_view text;
};

constexpr std::array<CauseWords, 9> CauseTexts{{
    {Cause::DiskFull, DiskFullText},
    {Cause::ReadOnly, ReadOnlyText},
    {Cause::Locked, LockedText},
    {Cause::CannotOpen, CannotOpenText},
    {Cause::CannotWrite, CannotWriteText},
    {Cause::FileVanished, FileVanishedText},
    {Cause::FolderNotMade, FolderNotMadeText},
    {Cause::Damaged, DamagedText},
    {Cause::NewerVersion, NewerVersionText},
}};

std::string_view CauseText(Cause cause) {
    const auto row = std::find_if(CauseTexts.begin(), CauseTexts.end(),
                                  [cause](const CauseWords& each) { return each.cause == cause; });
    return row != CauseTexts.end() ? row->text : std::string_view();
}

}  // namespace

// Each marked text on a line of its own; the detail (a path, the system's words) too.
TapeNotice WordedNotice(const store::StoreNotice& notice) {
    const auto row =
        std::find_if(KindTexts.begin(), KindTexts.end(),
                     [&notice](const KindWords& each) { return each.kind == notice.kind; });
    if (row == KindTexts.end()) {
        return {NoticeSeverity::Warning, notice.detail};
    }
    std::string text(row->text);
    const auto addLine = [&text](std::string_view line) {
        if (!line.empty()) {
            text.append("\n").append(line);
        }
    };
    const std::string_view cause = CauseText(notice.cause);
    if (row->cause == CausePlace::AfterDetail) {
        addLine(notice.detail);
        addLine(cause);
    } else if (row->cause == CausePlace::AfterText) {
        // A cause that ends in a colon introduces the detail.
        addLine(cause);
        addLine(notice.detail);
    } else {
        addLine(notice.detail);
    }
    return {row->severity, text};
}

}  // namespace reckora
