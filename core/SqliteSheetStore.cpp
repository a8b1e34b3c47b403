// The sheet store of the program: the SQLite tape store, with its notices worded for the user.

#include <algorithm>
#include <array>
#include <string_view>

#include "SheetStore.h"
#include "StoreNotices.h"
#include "TapeStore.h"

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

constexpr std::array<KindWords, 6> kKindWords{{
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

constexpr std::array<CauseWords, 9> kCauseWords{{
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
    const auto row = std::find_if(kCauseWords.begin(), kCauseWords.end(),
                                  [cause](const CauseWords& each) { return each.cause == cause; });
    return row != kCauseWords.end() ? row->text : std::string_view();
}

// Each marked text on a line of its own; the detail (a path, the system's words) too.
TapeNotice Worded(const store::StoreNotice& notice) {
    const auto row =
        std::find_if(kKindWords.begin(), kKindWords.end(),
                     [&notice](const KindWords& each) { return each.kind == notice.kind; });
    if (row == kKindWords.end()) {
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

store::StoreOptions OptionsFor(const std::filesystem::path& path, StoreFileMade made) {
    store::StoreOptions options;
    options.path = path;
    options.makeFileWhenFirstWritten = made == StoreFileMade::WithFirstChange;
    return options;
}

class SqliteSheetStore final : public SheetStore {
public:
    SqliteSheetStore(const std::filesystem::path& path, StoreFileMade made)
        : store_(OptionsFor(path, made)) {}

    std::optional<TapeNotice> TakeNotice() override {
        const std::optional<store::StoreNotice> notice = store_.TakeNotice();
        if (!notice) {
            return std::nullopt;
        }
        return Worded(*notice);
    }
    std::optional<store::SheetId> CurrentSheet() const override { return store_.CurrentSheet(); }
    std::optional<store::LoadedSheet> LoadCurrent() override { return store_.LoadCurrent(); }
    store::WriteResult Record(const store::SheetChange& change) override {
        return store_.Record(change);
    }
    store::WriteResult SetNote(std::int64_t line, const std::optional<std::string>& note) override {
        return store_.SetNote(line, note);
    }
    void SyncIfDue() override { store_.SyncIfDue(); }
    bool WriteHeld() override { return store_.WriteHeld(); }
    void NewSheet() override { store_.NewSheet(); }
    std::optional<store::LoadedSheet> OpenSheet(store::SheetId id) override {
        store::LoadedSheet loaded;
        if (store_.OpenSheet(id, loaded) != store::OpenSheetResult::Opened) {
            return std::nullopt;
        }
        return loaded;
    }
    bool DeleteSheet(store::SheetId id) override {
        const store::WriteResult result = store_.DeleteSheet(id);
        return result == store::WriteResult::Stored || result == store::WriteResult::Held;
    }
    std::vector<store::SheetSummary> ListSheets() override { return store_.ListSheets(); }
    std::vector<store::SheetSummary> FindSheetsByAmount(double amount) override {
        return store_.FindSheetsByAmount(amount);
    }
    std::vector<store::SheetSummary> FindSheetsByNote(const std::string& words) override {
        return store_.FindSheetsByNote(words);
    }
    std::optional<std::vector<store::CommandRecord>> LoadCommands(store::SheetId id) override {
        return store_.LoadCommands(id);
    }
    bool NameSheet(std::optional<store::SheetId> sheet, const std::string& name) override {
        const store::WriteResult result = store_.NameSheet(sheet, name);
        return result == store::WriteResult::Stored || result == store::WriteResult::Held;
    }
    std::optional<store::LoadedSheet> LoadSheet(store::SheetId id) override {
        return store_.LoadSheet(id);
    }

private:
    store::TapeStore store_;
};

}  // namespace

std::unique_ptr<SheetStore> OpenSheetStore(const std::filesystem::path& path, StoreFileMade made) {
    return std::make_unique<SqliteSheetStore>(path, made);
}

}  // namespace reckora
