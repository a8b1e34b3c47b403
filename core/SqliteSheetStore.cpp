// The sheet store of the program: the SQLite tape store, with its notices worded for the user.

#include <array>
#include <string_view>

#include "SheetStore.h"
#include "StoreNotices.h"
#include "TapeStore.h"

namespace reckora {
namespace {

struct NoticeText {
    store::StoreNotice::Kind kind;
    std::string_view text;
    bool withDetail;
};

constexpr std::array<NoticeText, 4> kNoticeTexts{{
    {store::StoreNotice::Kind::MovedAside, StoreMovedAsideText, true},
    {store::StoreNotice::Kind::CannotKeep, CannotKeepText, true},
    {store::StoreNotice::Kind::Resumed, KeepingResumedText, false},
    {store::StoreNotice::Kind::SheetRestarted, SheetRestartedText, false},
}};

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

    std::optional<std::string> TakeNotice() override {
        const std::optional<store::StoreNotice> notice = store_.TakeNotice();
        if (!notice) {
            return std::nullopt;
        }
        for (const NoticeText& row : kNoticeTexts) {
            if (row.kind == notice->kind) {
                std::string text(row.text);
                if (row.withDetail) {
                    text += "\n" + notice->detail;
                }
                return text;
            }
        }
        return notice->detail;
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
