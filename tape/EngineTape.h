#pragma once
// The engine's paper tape: the lines it reports go into the tape model, which the drawing follows;
// redrawing and printing are the drawing's.

#include <cstdint>

#include "CalcTape.h"
#include "EnginePorts.h"
#include "TapeModel.h"

namespace reckora {

class EngineTape final : public PaperTape {
public:
    EngineTape(TapeModel& model, CalcTape& view) : model_(model), view_(view) {}

    void AddLine(const TapeEntry& entry) override { model_.AddLine(entry); }
    void ClearAll() override { model_.ClearAll(); }
    void Redraw() override { view_.Redraw(); }
    void PrintContent() override { view_.PrintContent(); }
    std::int32_t CurrentLine() const override { return model_.CurrentLine(); }
    void SetCurrentLine(std::int32_t lines) override { model_.SetCurrentLine(lines); }

private:
    TapeModel& model_;
    CalcTape& view_;
};

}  // namespace reckora
