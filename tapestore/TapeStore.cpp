#include "TapeStore.h"

#include <algorithm>
#include <deque>

#include "HeldWrites.h"
#include "SheetClaims.h"
#include "SheetRows.h"
#include "StoreFile.h"
#include "StoreTrouble.h"
#include "StoredRows.h"

namespace reckora::store {

// The store's parts, and what needs more than one of them: opening, restoring the current sheet
// and making another one current.
class TapeStore::Impl {
public:
    explicit Impl(StoreOptions options)
        : file(std::move(options), notices),
          rows(file),
          claims(file, rows),
          writes(file, rows, claims, notices, openedAs) {}

    ~Impl() {
        if (!writes.IsReadOnly()) {
            claims.ReleaseAtClose();
        }
    }

    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    void Open(bool makeFileLater) {
        std::error_code missing;
        if (makeFileLater && !std::filesystem::exists(file.Path(), missing) && !missing) {
            // The first write opens the store as after a lost file: a new sheet, then the change.
            openedAs = OpenedAs::NotMadeYet;
            writes.StartKeeping();
            return;
        }
        try {
            openedAs = file.Open();
            if (openedAs == OpenedAs::ReadOnly) {
                writes.StartReadOnly();
                claims.SetCurrent(claims.LastCurrent());
                return;
            }
            claims.TakeSlot();
            bool taken = false;
            file.Transaction([&] { claims.SetCurrent(claims.TakeUpSheet(&taken)); });
            writes.StartKeeping();
            if (taken) {
                notices.push_back({StoreNotice::Kind::SheetTaken, {}});
            }
        } catch (const std::exception& error) {
            openedAs = OpenedAs::Unavailable;
            file.Close();
            writes.StopKeeping(CauseOf(error));
        }
    }

    std::optional<StoreNotice> TakeNotice() {
        if (notices.empty()) {
            return std::nullopt;
        }
        StoreNotice notice = std::move(notices.front());
        notices.pop_front();
        return notice;
    }

    std::optional<LoadedSheet> LoadCurrent() {
        const bool readOnly = writes.IsReadOnly();
        if (!claims.Current() || !file.IsOpen() || (!writes.IsKeeping() && !readOnly)) {
            return std::nullopt;
        }
        bool damaged = false;
        std::optional<LoadedSheet> loaded = rows.Load(*claims.Current(), &damaged);
        if (damaged && !readOnly) {
            // Opening checks only the small tables; damage among the lines shows here. A file
            // that is only read stays as it is.
            StartAfresh();
            return std::nullopt;
        }
        if (!loaded) {
            // What cannot be used stays in the history as it is; the tape starts on a new sheet.
            writes.Submit(StartSheet{});
        }
        return loaded;
    }

    OpenSheetResult OpenSheet(SheetId id, LoadedSheet& loaded) {
        if (writes.IsReadOnly()) {
            return ShowReadOnly(id, loaded);
        }
        if (!file.IsOpen() || !writes.IsKeeping() || writes.HasHeld()) {
            return OpenSheetResult::NotKeeping;
        }
        if (id == claims.Current()) {
            std::optional<LoadedSheet> same = rows.Load(id);
            return same ? (loaded = std::move(*same), OpenSheetResult::Opened)
                        : OpenSheetResult::Damaged;
        }
        std::optional<LoadedSheet> sheet = rows.Load(id);
        try {
            std::optional<OpenSheetResult> refusal;
            file.Transaction([&] {
                const std::optional<std::int64_t> owner = claims.OwnerOf(id);
                if (!owner) {
                    refusal = OpenSheetResult::Missing;
                } else if (!claims.IsFreeForMe(*owner)) {
                    refusal = OpenSheetResult::InUse;
                } else if (!sheet) {
                    refusal = OpenSheetResult::Damaged;
                } else {
                    claims.MakeCurrent(id);
                }
            });
            if (refusal) {
                return *refusal;
            }
        } catch (const std::exception& error) {
            writes.StopKeeping(CauseOf(error));
            return OpenSheetResult::NotKeeping;
        }
        loaded = std::move(*sheet);
        return OpenSheetResult::Opened;
    }

    WriteResult DeleteSheet(SheetId id) {
        if (!file.IsOpen() || !writes.IsKeeping() || id == claims.Current()) {
            return WriteResult::Refused;
        }
        bool deleted = false;
        try {
            file.Transaction([&] {
                const std::optional<std::int64_t> owner = claims.OwnerOf(id);
                if (!owner || !claims.IsFreeForMe(*owner)) {
                    return;
                }
                rows.Delete(id);
                deleted = true;
            });
        } catch (const std::exception& error) {
            writes.StopKeeping(CauseOf(error));
            return WriteResult::Refused;
        }
        return deleted ? WriteResult::Stored : WriteResult::Refused;
    }

    // Only what is written is kept beside it: with changes held in memory the sheet on the file
    // is behind the log.
    bool KeepEntryLog(const std::string& log) {
        if (!file.IsOpen() || !writes.IsKeeping() || writes.HasHeld() || !claims.Current()) {
            return false;
        }
        try {
            file.Transaction([&] { rows.KeepEntryLog(*claims.Current(), log); });
        } catch (const std::exception&) {
            return false;
        }
        return true;
    }

    std::optional<std::string> KeptEntryLog(SheetId id) {
        try {
            return file.IsOpen() ? rows.KeptEntryLog(id) : std::nullopt;
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }

    std::deque<StoreNotice> notices;
    OpenedAs openedAs = OpenedAs::Unavailable;
    StoreFile file;
    SheetRows rows;
    SheetClaims claims;
    HeldWrites writes;

private:
    OpenSheetResult ShowReadOnly(SheetId id, LoadedSheet& loaded) {
        std::optional<LoadedSheet> sheet = rows.Load(id);
        if (!sheet) {
            return OpenSheetResult::Missing;  // or unusable: there is nothing to show either way
        }
        // What was held for the sheet shown before could not be kept, as the user was told; it
        // must not be written into this one should the file become writable.
        writes.DropHeld();
        claims.SetCurrent(id);
        loaded = std::move(*sheet);
        return OpenSheetResult::Opened;
    }

    // The open file turned out damaged: it is moved aside whole and a fresh store started, as at
    // opening.
    void StartAfresh() {
        try {
            file.MoveAsideDamaged();
            openedAs = OpenedAs::MovedAside;
            file.OpenFresh();
            file.Transaction([&] { claims.SetCurrent(claims.TakeUpSheet()); });
        } catch (const std::exception& error) {
            file.Close();
            writes.StopKeeping(CauseOf(error));
        }
    }
};

TapeStore::TapeStore(StoreOptions options) {
    const bool makeFileLater = options.makeFileWhenFirstWritten;
    impl_ = std::make_unique<Impl>(std::move(options));
    impl_->Open(makeFileLater);
}
TapeStore::~TapeStore() = default;

OpenedAs TapeStore::HowOpened() const {
    return impl_->openedAs;
}
bool TapeStore::IsKeeping() const {
    return impl_->writes.IsKeeping();
}
std::optional<StoreNotice> TapeStore::TakeNotice() {
    return impl_->TakeNotice();
}
std::optional<SheetId> TapeStore::CurrentSheet() const {
    return impl_->claims.Current();
}
std::optional<LoadedSheet> TapeStore::LoadCurrent() {
    return impl_->LoadCurrent();
}
WriteResult TapeStore::Record(const SheetChange& change) {
    const auto storableUpdate = [](const LineUpdate& update) {
        return update.position >= 1 && IsStorable(update.line);
    };
    if (!IsStorable(change.command) || change.keepLines < 0 ||
        !std::all_of(change.lines.begin(), change.lines.end(),
                     [](const StoredLine& line) { return IsStorable(line); }) ||
        !std::all_of(change.updates.begin(), change.updates.end(), storableUpdate)) {
        return WriteResult::Refused;
    }
    return impl_->writes.Submit(change);
}

WriteResult TapeStore::SetNote(std::int64_t line, const std::optional<std::string>& note) {
    if (line < 1 || (note && (note->size() > MaxStoredText || !IsValidUtf8(*note)))) {
        return WriteResult::Refused;
    }
    return impl_->writes.Submit(NoteChange{line, note});
}

WriteResult TapeStore::NameSheet(std::optional<SheetId> sheet,
                                 const std::optional<std::string>& name) {
    if (name && (name->size() > MaxStoredText || !IsValidUtf8(*name))) {
        return WriteResult::Refused;
    }
    return impl_->writes.Submit(NameChange{sheet, name && !name->empty() ? name : std::nullopt});
}

void TapeStore::SyncIfDue() {
    impl_->file.SyncIfDue();
}

bool TapeStore::WriteHeld() {
    return impl_->writes.WriteHeld();
}

WriteResult TapeStore::NewSheet() {
    return impl_->writes.NewSheet();
}

OpenSheetResult TapeStore::OpenSheet(SheetId id, LoadedSheet& loaded) {
    return impl_->OpenSheet(id, loaded);
}

std::vector<SheetSummary> TapeStore::ListSheets() {
    return impl_->rows.List();
}
std::vector<SheetSummary> TapeStore::FindSheetsByAmount(double amount) {
    return impl_->rows.FindByAmount(amount);
}
std::vector<SheetSummary> TapeStore::FindSheetsByNote(const std::string& words) {
    return impl_->rows.FindByNote(words);
}
WriteResult TapeStore::DeleteSheet(SheetId id) {
    return impl_->DeleteSheet(id);
}
std::optional<LoadedSheet> TapeStore::LoadSheet(SheetId id) {
    return impl_->rows.Load(id);
}
std::optional<SheetId> TapeStore::LastCurrentSheet() {
    return impl_->claims.LastCurrent();
}
bool TapeStore::ReadCommands(SheetId id, const std::function<void(const CommandRecord&)>& take) {
    return impl_->rows.ReadCommands(id, take);
}
bool TapeStore::KeepEntryLog(const std::string& log) {
    return impl_->KeepEntryLog(log);
}
std::optional<std::string> TapeStore::KeptEntryLog(SheetId id) {
    return impl_->KeptEntryLog(id);
}
const std::filesystem::path& TapeStore::Path() const {
    return impl_->file.Path();
}

}  // namespace reckora::store
