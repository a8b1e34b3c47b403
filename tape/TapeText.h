#pragma once
// The text of a tape line, held in 24 bytes: texts of up to 22 bytes (every number the
// calculator formats) live inside the object, longer ones on the heap. A million stored lines
// then cost no allocation per line.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace reckora {

class TapeText {
public:
    TapeText() noexcept { inline_[HeapTag] = 0; }
    explicit TapeText(std::string_view text);
    TapeText(const TapeText& other) : TapeText(other.View()) {}
    TapeText(TapeText&& other) noexcept;
    TapeText& operator=(const TapeText& other);
    TapeText& operator=(TapeText&& other) noexcept;
    ~TapeText() { Release(); }

    std::string_view View() const noexcept;
    bool IsInline() const noexcept { return inline_[HeapTag] != OnHeap; }

    friend bool operator==(const TapeText& a, const TapeText& b) noexcept {
        return a.View() == b.View();
    }

private:
    static constexpr std::size_t StorageSize = 24;
    static constexpr std::size_t HeapTag = StorageSize - 1;  // last byte: inline length or OnHeap
    static constexpr std::size_t InlineCapacity = StorageSize - 2;  // leaves room for a final NUL
    static constexpr char OnHeap = static_cast<char>(0xFF);

    struct HeapText {
        char* data;
        std::size_t size;
    };

    HeapText Heap() const noexcept;
    void Release() noexcept;

    char inline_[StorageSize];
};

static_assert(sizeof(TapeText) == 24);

}  // namespace reckora
