#include "TapeModel.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <set>
#include <utility>

#include "Failure.h"

namespace reckora {

namespace {

TapeLine LineOf(const TapeEntry& entry) {
    return TapeLine{TapeText(entry.text), entry.itemCount, entry.mark, entry.ink};
}

bool SameLine(const TapeLine& line, const TapeEntry& entry) {
    return line.text.View() == entry.text && line.mark == entry.mark &&
           line.itemCount == entry.itemCount && line.ink == entry.ink;
}

}  // namespace

TapeModel::ListenerId TapeModel::Listen(Listener listener) {
    listeners_.emplace_back(nextListener_, std::move(listener));
    return nextListener_++;
}

void TapeModel::StopListening(ListenerId id) {
    std::erase_if(listeners_, [id](const auto& listener) { return listener.first == id; });
}

void TapeModel::Announce(TapeChangeKind kind, LineChanges lines) {
    const TapeChange change{kind, std::move(lines)};
    // Every listener hears of the change even when one fails (a drawing that cannot be made
    // must not keep the keeper from writing the line); the first failure is passed on after.
    std::exception_ptr failure;
    // By index: a listener may add another.
    for (std::size_t index = 0; index < listeners_.size(); ++index) {
        try {
            listeners_[index].second(change);
        } catch (...) {
            if (!failure) {
                failure = std::current_exception();
            }
        }
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

void TapeModel::AddLine(const TapeEntry& entry) {
    if (currentLine_ == std::numeric_limits<std::int32_t>::max()) {
        throw Failure(FailureKind::Overflow, "The tape cannot take more lines");
    }
    const std::int32_t before = currentLine_;
    lines_.resize(static_cast<std::size_t>(currentLine_));
    ForgetAfter(currentLine_);
    lines_.push_back(LineOf(entry));
    ++currentLine_;
    Announce(TapeChangeKind::Added, {before, std::nullopt});
}

void TapeModel::ClearAll() {
    currentLine_ = 0;
    lines_.clear();
    lines_.shrink_to_fit();
    ForgetAfter(0);
    Announce(TapeChangeKind::Cleared, {0, std::nullopt});
}

void TapeModel::SetCurrentLine(std::int32_t lines) {
    if (lines < 0 || lines > StoredLines()) {
        throw Failure(FailureKind::OutOfRange, "The tape does not hold that many lines");
    }
    if (lines == currentLine_) {
        return;
    }
    const std::int32_t before = std::exchange(currentLine_, lines);
    ForgetAfter(lines);
    Announce(TapeChangeKind::CurrentMoved, {std::min(before, lines), std::nullopt});
}

void TapeModel::LoadLines(const std::vector<TapeEntry>& entries,
                          const std::map<std::int32_t, LineExtras>& extras) {
    if (entries.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        throw Failure(FailureKind::Overflow, "The tape cannot take more lines");
    }
    lines_.clear();
    ForgetAfter(0);
    for (const TapeEntry& entry : entries) {
        lines_.push_back(LineOf(entry));
    }
    currentLine_ = static_cast<std::int32_t>(lines_.size());
    std::optional<std::vector<std::int32_t>> rewritten;
    TakeExtrasFrom(1, extras, rewritten);
    Announce(TapeChangeKind::Loaded, {0, std::nullopt});
}

void TapeModel::ReplaceLinesFrom(std::int32_t position, const std::vector<TapeEntry>& entries,
                                 const std::map<std::int32_t, LineExtras>& extras) {
    const std::int32_t keep = std::clamp(position - 1, 0, currentLine_);
    if (entries.size() >
        static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() - keep)) {
        throw Failure(FailureKind::Overflow, "The tape cannot take more lines");
    }
    // Only a replacement by as many lines is a rewrite in place.
    std::optional<std::vector<std::int32_t>> rewritten;
    if (entries.size() == static_cast<std::size_t>(currentLine_ - keep)) {
        rewritten.emplace();
        for (std::int32_t at = keep + 1; const TapeEntry& entry : entries) {
            if (!SameLine(Line(at), entry)) {
                rewritten->push_back(at);
            }
            ++at;
        }
    }
    lines_.resize(static_cast<std::size_t>(keep));
    for (const TapeEntry& entry : entries) {
        lines_.push_back(LineOf(entry));
    }
    currentLine_ = static_cast<std::int32_t>(lines_.size());
    ForgetAfter(currentLine_);
    TakeExtrasFrom(position, extras, rewritten);
    Announce(TapeChangeKind::Replaced, {keep, std::move(rewritten)});
}

void TapeModel::TakeExtrasFrom(std::int32_t position,
                               const std::map<std::int32_t, LineExtras>& extras,
                               std::optional<std::vector<std::int32_t>>& rewritten) {
    if (rewritten) {
        std::set<std::int32_t> differ(rewritten->begin(), rewritten->end());
        // Extras beyond the lines in force are dropped, so they change nothing.
        const auto compare = [this, &differ](const auto& one,
                                             const std::map<std::int32_t, LineExtras>& other) {
            if (one.first > currentLine_ || one.second.Empty()) {
                return;
            }
            const auto found = other.find(one.first);
            if (found == other.end() || found->second != one.second) {
                differ.insert(one.first);
            }
        };
        for (auto it = extras.lower_bound(position); it != extras.end(); ++it) {
            compare(*it, extras_);
        }
        for (auto it = extras_.lower_bound(position); it != extras_.end(); ++it) {
            compare(*it, extras);
        }
        rewritten->assign(differ.begin(), differ.end());
    }
    extras_.erase(extras_.lower_bound(position), extras_.end());
    for (auto it = extras.lower_bound(position); it != extras.end() && it->first <= currentLine_;
         ++it) {
        if (!it->second.Empty()) {
            extras_.insert(*it);
        }
    }
}

void TapeModel::SetExtras(std::int32_t position, LineExtras extras) {
    if (position < 1 || position > currentLine_) {
        return;
    }
    const LineExtras* before = Extras(position);
    if ((before == nullptr && extras.Empty()) || (before != nullptr && *before == extras)) {
        return;
    }
    if (extras.Empty()) {
        extras_.erase(position);
    } else {
        extras_[position] = std::move(extras);
    }
    Announce(TapeChangeKind::ExtrasSet, {position - 1, std::vector<std::int32_t>{position}});
}

std::vector<TapeEntry> TapeModel::EntriesFrom(std::int32_t position) const {
    std::vector<TapeEntry> entries;
    for (std::int32_t at = std::max(position, 1); at <= currentLine_; ++at) {
        const TapeLine& line = Line(at);
        entries.push_back(
            TapeEntry{std::string(line.text.View()), line.mark, line.itemCount, line.ink});
    }
    return entries;
}

const LineExtras* TapeModel::Extras(std::int32_t position) const {
    const auto found = extras_.find(position);
    return found == extras_.end() ? nullptr : &found->second;
}

void TapeModel::ForgetAfter(std::int32_t lines) {
    extras_.erase(extras_.upper_bound(lines), extras_.end());
}

}  // namespace reckora
