#pragma once
// The tape's lines: every line the engine reported, how many of them are in force (CurrentLine,
// which Undo lowers and Redo raises again), and the extras of the lines in force. It is the one
// holder of them: the drawing, the command runner and the keeper follow the changes it announces.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "EnginePorts.h"
#include "LineChanges.h"
#include "LineExtras.h"
#include "TapeLine.h"

namespace reckora {

enum class TapeChangeKind {
    Added,         // one line after those in force; lines hidden above CurrentLine were dropped
    Cleared,       // every line went
    CurrentMoved,  // CurrentLine was lowered or raised; the stored lines stay
    Loaded,        // every line was replaced (a stored tape brought back)
    Replaced,      // the lines from one on were replaced (a correction, or its undo)
    ExtrasSet,     // one line's extras changed
};

// One change, announced as it happens.
struct TapeChange {
    TapeChangeKind kind = TapeChangeKind::Added;
    LineChanges lines;
};

class TapeModel {
public:
    using Listener = std::function<void(const TapeChange&)>;
    using ListenerId = std::size_t;

    TapeModel() = default;
    TapeModel(const TapeModel&) = delete;
    TapeModel& operator=(const TapeModel&) = delete;

    // Listeners hear every change after it was made, in the order they were added.
    ListenerId Listen(Listener listener);
    void StopListening(ListenerId id);

    // Stores the line as line CurrentLine + 1, discarding lines hidden by a lowered CurrentLine.
    // Throws Failure Overflow, changing nothing, when CurrentLine is the largest 32-bit value.
    void AddLine(const TapeEntry& entry);
    void ClearAll();
    // Lowering hides the lines above and drops their extras; raising brings lines back without
    // them. Throws Failure OutOfRange, changing nothing, outside 0..StoredLines().
    void SetCurrentLine(std::int32_t lines);
    // Replaces every line by `entries` and their extras (a stored tape brought back).
    void LoadLines(const std::vector<TapeEntry>& entries,
                   const std::map<std::int32_t, LineExtras>& extras = {});
    // Replaces lines position.. by `entries` and their extras by `extras` (a correction).
    void ReplaceLinesFrom(std::int32_t position, const std::vector<TapeEntry>& entries,
                          const std::map<std::int32_t, LineExtras>& extras);
    // Empty extras remove the line's. Positions outside 1..CurrentLine, and extras the line has
    // already, change nothing.
    void SetExtras(std::int32_t position, LineExtras extras);

    std::int32_t CurrentLine() const { return currentLine_; }
    // Also the lines hidden above CurrentLine.
    std::int32_t StoredLines() const { return static_cast<std::int32_t>(lines_.size()); }
    // Positions count from 1.
    const TapeLine& Line(std::int32_t position) const {
        return lines_.at(static_cast<std::size_t>(position) - 1);
    }
    const TapeLines& Lines() const { return lines_; }
    // Lines position..CurrentLine as the engine gave them.
    std::vector<TapeEntry> EntriesFrom(std::int32_t position) const;
    // The note, original and change mark of a line in force; nullptr when it has none.
    const LineExtras* Extras(std::int32_t position) const;
    const std::map<std::int32_t, LineExtras>& AllExtras() const { return extras_; }

private:
    void Announce(TapeChangeKind kind, LineChanges lines);
    // Lines after `lines` were cut back: their extras go.
    void ForgetAfter(std::int32_t lines);
    // The extras of lines position.. become `extras` (those of lines in force); the positions
    // whose extras differ go into `rewritten` when it is set.
    void TakeExtrasFrom(std::int32_t position, const std::map<std::int32_t, LineExtras>& extras,
                        std::optional<std::vector<std::int32_t>>& rewritten);

    TapeLines lines_;
    std::int32_t currentLine_ = 0;
    std::map<std::int32_t, LineExtras> extras_;
    std::vector<std::pair<ListenerId, Listener>> listeners_;
    ListenerId nextListener_ = 0;
};

}  // namespace reckora
