#pragma once
// The system clipboard as plain UTF-8 text, reached afresh for each use.

#include "EnginePorts.h"

namespace reckora {

class QtClipboard : public Clipboard {
public:
    void Clear() override;
    void SetText(const std::string& text) override;
    std::string Text() override;
};

}  // namespace reckora
