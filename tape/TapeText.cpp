#include "TapeText.h"

#include <cstring>
#include <utility>

namespace reckora {

TapeText::TapeText(std::string_view text) {
    if (text.size() <= InlineCapacity) {
        std::memcpy(inline_, text.data(), text.size());
        inline_[text.size()] = '\0';
        inline_[HeapTag] = static_cast<char>(text.size());
        return;
    }
    HeapText heap{new char[text.size()], text.size()};
    std::memcpy(heap.data, text.data(), text.size());
    std::memcpy(inline_, &heap, sizeof heap);
    inline_[HeapTag] = OnHeap;
}

TapeText::TapeText(TapeText&& other) noexcept {
    std::memcpy(inline_, other.inline_, StorageSize);
    other.inline_[HeapTag] = 0;
}

TapeText& TapeText::operator=(const TapeText& other) {
    if (this != &other) {
        TapeText copy(other);
        *this = std::move(copy);
    }
    return *this;
}

TapeText& TapeText::operator=(TapeText&& other) noexcept {
    if (this != &other) {
        Release();
        std::memcpy(inline_, other.inline_, StorageSize);
        other.inline_[HeapTag] = 0;
    }
    return *this;
}

std::string_view TapeText::View() const noexcept {
    if (IsInline()) {
        return {inline_, static_cast<unsigned char>(inline_[HeapTag])};
    }
    const HeapText heap = Heap();
    return {heap.data, heap.size};
}

TapeText::HeapText TapeText::Heap() const noexcept {
    HeapText heap;
    std::memcpy(&heap, inline_, sizeof heap);
    return heap;
}

void TapeText::Release() noexcept {
    if (!IsInline()) {
        delete[] Heap().data;
        inline_[HeapTag] = 0;
    }
}

}  // namespace reckora
