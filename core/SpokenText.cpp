#include "SpokenText.h"

#include <array>

namespace reckora {
namespace {

struct SpokenPattern {
    TapeMark mark;
    const char* pattern;
};

// A character array each, so that lupdate files them under the context "reckora".
inline constexpr std::array<SpokenPattern, 25> SpokenPatterns{{
    {TapeMark::PendingResult, RECKORA_USER_TEXT("result %1")},
    {TapeMark::Error, RECKORA_USER_TEXT("error")},
    {TapeMark::ClearAll, RECKORA_USER_TEXT("clear all")},
    {TapeMark::Subtract, RECKORA_USER_TEXT("minus %1")},
    {TapeMark::Add, RECKORA_USER_TEXT("plus %1")},
    {TapeMark::Divide, RECKORA_USER_TEXT("%1 divided by")},
    {TapeMark::Multiply, RECKORA_USER_TEXT("%1 times")},
    {TapeMark::MemorySubtract, RECKORA_USER_TEXT("memory minus %1")},
    {TapeMark::MemoryAdd, RECKORA_USER_TEXT("memory plus %1")},
    {TapeMark::MemoryRecall, RECKORA_USER_TEXT("memory recall %1")},
    {TapeMark::Equals, RECKORA_USER_TEXT("%1 equals")},
    {TapeMark::Percent, RECKORA_USER_TEXT("%1 percent of")},
    {TapeMark::MemoryClear, RECKORA_USER_TEXT("memory clear")},
    {TapeMark::Subtotal, RECKORA_USER_TEXT("subtotal %1")},
    {TapeMark::NonAdd, RECKORA_USER_TEXT("number %1, not added")},
    {TapeMark::Tax, RECKORA_USER_TEXT("tax %1")},
    {TapeMark::TaxPlus, RECKORA_USER_TEXT("%1 plus tax")},
    {TapeMark::TaxMinus, RECKORA_USER_TEXT("%1 less tax")},
    {TapeMark::AfterTax, RECKORA_USER_TEXT("after tax %1")},
    {TapeMark::Cost, RECKORA_USER_TEXT("cost %1")},
    {TapeMark::Sell, RECKORA_USER_TEXT("selling price %1")},
    {TapeMark::Margin, RECKORA_USER_TEXT("margin %1 percent")},
    {TapeMark::MarginAmount, RECKORA_USER_TEXT("margin amount %1")},
    {TapeMark::GrandTotal, RECKORA_USER_TEXT("grand total %1, %2 totals")},
    {TapeMark::Total, RECKORA_USER_TEXT("total %1, %2 items")},
}};
static_assert([] {
    for (std::size_t i = 0; i < SpokenPatterns.size(); ++i) {
        if (static_cast<std::size_t>(SpokenPatterns[i].mark) != i) {
            return false;
        }
    }
    return true;
}());
inline constexpr char OneItemTotal[] = RECKORA_USER_TEXT("total %1, 1 item");
inline constexpr char OneTotalGrandTotal[] = RECKORA_USER_TEXT("grand total %1, 1 total");
inline constexpr char Corrected[] = RECKORA_USER_TEXT("%1, corrected, was %2");
inline constexpr char ChangedText[] = RECKORA_USER_TEXT("%1, changed by a correction");

void ReplaceAll(std::string& text, std::string_view placeholder, std::string_view value) {
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size())) {
        text.replace(at, placeholder.size(), value);
    }
}

}  // namespace

std::string SpokenText(std::string_view text, TapeMark mark, std::int32_t itemCount,
                       const TranslateText& translate) {
    const char* pattern = SpokenPatterns[static_cast<std::size_t>(mark)].pattern;
    if (IsCounted(mark) && itemCount == 1) {
        pattern = mark == TapeMark::Total ? OneItemTotal : OneTotalGrandTotal;
    }
    std::string spoken = translate ? translate(pattern) : std::string(pattern);
    ReplaceAll(spoken, "%1", text);
    ReplaceAll(spoken, "%2", std::to_string(itemCount));
    return spoken;
}

std::string SpokenLine(std::string_view text, TapeMark mark, std::int32_t itemCount,
                       const LineExtras* extras, const TranslateText& translate) {
    std::string spoken = SpokenText(text, mark, itemCount, translate);
    if (extras == nullptr || (extras->original.empty() && !extras->changed)) {
        return spoken;
    }
    const char* pattern = extras->original.empty() ? ChangedText : Corrected;
    std::string said = translate ? translate(pattern) : std::string(pattern);
    // The original first: a line's spoken text could itself hold "%2".
    ReplaceAll(said, "%2", extras->original);
    ReplaceAll(said, "%1", spoken);
    return said;
}

}  // namespace reckora
