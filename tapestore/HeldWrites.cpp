#include "HeldWrites.h"

#include <algorithm>
#include <type_traits>

namespace reckora::store {

namespace {

// While held commands are written, the log is copied into the file after this many of them.
constexpr int CatchUpCheckpointEvery = 8;

}  // namespace

void HeldWrites::StopKeeping(const Cause& cause) {
    if (!stopNoticeGiven_) {
        notices_.push_back({StoreNotice::Kind::CannotKeep, cause.detail, cause.code});
        stopNoticeGiven_ = true;
    }
    keeping_ = false;
}

void HeldWrites::StartReadOnly() {
    readOnly_ = true;
    keeping_ = false;
    stopNoticeGiven_ = true;  // this notice says why nothing is kept
    notices_.push_back({StoreNotice::Kind::ReadOnly, file_.Native()});
}

WriteResult HeldWrites::Submit(HeldChange change) {
    held_.push_back(std::move(change));
    return Flush();
}

WriteResult HeldWrites::NewSheet() {
    if (!claims_.Current() && held_.empty()) {
        return WriteResult::Stored;  // no sheet yet: the first change starts one
    }
    return Submit(StartSheet{});
}

bool HeldWrites::WriteHeld() {
    if (!held_.empty()) {
        Flush();
    }
    return held_.empty();
}

// Writes what is held, oldest first. Stored when everything is written, Refused when the
// only change does not fit, Held when the file cannot be written now.
WriteResult HeldWrites::Flush() {
    const bool onlyNew = held_.size() == 1;
    const bool wasRestarted = restarted_;
    bool logGivenBack = false;
    int written = 0;
    while (!held_.empty()) {
        // A change undone by a rollback leaves the sheet it would have made unmade.
        const std::optional<SheetId> before = claims_.Current();
        try {
            if (readOnly_) {
                if (!file_.WritableNow()) {
                    return WriteResult::Held;
                }
                // The file can be written now: it is opened again to keep, as after a loss.
                readOnly_ = false;
                file_.Close();
            }
            if (file_.IsOpen() && file_.HasMoved()) {
                file_.Close();
                StopKeeping({NoticeCause::FileVanished, {}});
            }
            if (!file_.IsOpen()) {
                Reopen();
                if (readOnly_) {
                    return WriteResult::Held;  // opened, but still only for reading
                }
                continue;
            }
            file_.LimitPages();
            file_.Transaction([&] { Apply(held_.front()); });
            held_.pop_front();
            if (++written % CatchUpCheckpointEvery == 0 && !held_.empty()) {
                // Catching up on many held commands: the log is copied into the file now and
                // then so that it is reused, not grown (on a nearly full disk it would fill
                // it).
                file_.CopyLogIntoFile();
            }
        } catch (const Misfit&) {
            claims_.SetCurrent(before);
            held_.pop_front();
            if (onlyNew) {
                return WriteResult::Refused;
            }
        } catch (const std::exception& error) {
            claims_.SetCurrent(before);
            const auto* sqlite = dynamic_cast<const SqliteError*>(&error);
            // Each command held adds its pages to the log until the next checkpoint, so on a
            // small disk the log itself can fill what was freed: its space is given back
            // once and the writing goes on.
            if (sqlite != nullptr && sqlite->Code() == SQLITE_FULL && !logGivenBack) {
                logGivenBack = true;
                file_.GiveBackLog();
                continue;
            }
            StopKeeping(CauseOf(error));
            if (sqlite == nullptr) {
                file_.Close();
            }
            return WriteResult::Held;
        }
    }
    file_.MarkUnsynced();
    file_.SyncIfDue();
    const bool lost = restarted_ && !wasRestarted;
    if (!keeping_) {
        keeping_ = true;
        if (!restarted_) {
            notices_.push_back({StoreNotice::Kind::Resumed, ""});
        }
        stopNoticeGiven_ = false;
    }
    restarted_ = false;
    return lost ? WriteResult::Lost : WriteResult::Stored;
}

// Opens the store again after it could not be reached. If the current sheet is no longer in
// it, a new sheet is started; held changes that continued the lost one are dropped.
void HeldWrites::Reopen() {
    try {
        ReopenFile();
    } catch (...) {
        file_.Close();
        throw;
    }
}

void HeldWrites::ReopenFile() {
    const OpenedAs opened = file_.Open();
    if (opened == OpenedAs::ReadOnly) {
        if (!stopNoticeGiven_) {
            StartReadOnly();
        }
        readOnly_ = true;
        keeping_ = false;
        return;  // the changes stay held; the file stays open to be read
    }
    if (openedAs_ == OpenedAs::Unavailable || openedAs_ == OpenedAs::NotMadeYet) {
        openedAs_ = opened;
    }
    claims_.TakeSlot();
    bool continues = false;
    file_.Transaction([&] {
        const std::optional<std::int64_t> owner =
            claims_.Current() ? claims_.OwnerOf(*claims_.Current()) : std::optional<std::int64_t>{};
        continues = owner && claims_.IsFreeForMe(*owner);
        if (continues) {
            claims_.Claim(*claims_.Current());
        } else {
            claims_.SetCurrent(claims_.InsertSheet());
        }
    });
    if (continues) {
        return;
    }
    const auto isFreshStart = [](const HeldChange& change) {
        const auto* sheetChange = std::get_if<SheetChange>(&change);
        return std::holds_alternative<StartSheet>(change) ||
               (sheetChange && sheetChange->keepLines == 0);
    };
    const auto fresh = std::find_if(held_.begin(), held_.end(), isFreshStart);
    if (fresh != held_.begin() || held_.empty()) {
        held_.erase(held_.begin(), fresh);
        if (!keeping_) {
            notices_.push_back({StoreNotice::Kind::SheetRestarted, ""});
            restarted_ = true;
        }
    }
    if (!held_.empty() && std::holds_alternative<StartSheet>(held_.front())) {
        held_.pop_front();  // the new sheet is already started
    }
}

void HeldWrites::Apply(const HeldChange& change) {
    const auto apply = [this](const auto& each) {
        using Kind = std::decay_t<decltype(each)>;
        if constexpr (std::is_same_v<Kind, StartSheet>) {
            claims_.LetGo();
        } else if constexpr (std::is_same_v<Kind, NoteChange>) {
            if (!claims_.Current()) {
                throw Misfit{};  // a sheet not made yet has no lines
            }
            rows_.SetNote(*claims_.Current(), each.line, each.note);
        } else if constexpr (std::is_same_v<Kind, NameChange>) {
            if (!each.sheet && !claims_.Current()) {
                throw Misfit{};
            }
            rows_.SetName(each.sheet.value_or(*claims_.Current()), each.name);
        } else {
            if (!claims_.Current()) {
                claims_.SetCurrent(claims_.InsertSheet());
            }
            rows_.Apply(*claims_.Current(), each);
        }
    };
    std::visit(apply, change);
}

}  // namespace reckora::store
