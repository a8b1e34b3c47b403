// Number entry: the typed entry, the display of entries and results, the clipboard.

#include "Calculator.h"
#include "Failure.h"
#include "KeyCommand.h"
#include "NumberFormat.h"
#include "NumberParse.h"

namespace reckora {
namespace {

constexpr int ResultBlinkMs = 100;

double ParseOrFail(std::string_view text, const NumberLocale& locale) {
    const std::optional<double> value = ReadNumber(text, NumberForm::Entry, locale);
    if (!value) {
        throw Failure(FailureKind::NotANumber, "the entry does not parse");
    }
    return *value;
}

std::string TrimBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

void Calculator::AddToEntry(std::string_view text) {
    try {
        const bool isSeparator = text == locale_.decimalSep;
        if (isSeparator && GetRoundingOption() == RoundingOption::AutoAdd2) {
            throw Failure(FailureKind::Refused, "no decimal separator while typing hundredths");
        }
        std::string candidate;
        if (text.empty()) {
            candidate = state_.entryText;
        } else if (isSeparator || state_.entryText != "0") {
            candidate = state_.entryText + std::string(text);
        } else {
            candidate = text == "00" ? "0" : std::string(text);
        }
        const double value = ShowEntry(candidate);
        state_.entryText = std::move(candidate);
        state_.entryValue = value;
        state_.lastValue = value;
    } catch (const Failure&) {
        ErrorBeep();
    }
}

void Calculator::DropLastChar() {
    // Removes one whole character, also a separator of several bytes.
    std::string& entry = state_.entryText;
    if (entry.ends_with(locale_.decimalSep) && entry.size() > locale_.decimalSep.size()) {
        entry.resize(entry.size() - locale_.decimalSep.size());
    } else if (entry.size() > 1) {
        entry.pop_back();
    } else {
        entry = "0";
    }
}

double Calculator::ShowEntry(const std::string& text) {
    const std::size_t separatorAt = text.find(locale_.decimalSep);
    const bool hasSeparator = separatorAt != std::string::npos;
    const std::size_t characters =
        hasSeparator ? text.size() - locale_.decimalSep.size() + 1 : text.size();
    const std::size_t limit = hasSeparator ? 16 : 15;
    if (characters > limit) {
        throw Failure(FailureKind::TooManyDigits, "the entry is too long");
    }
    const std::size_t typedDecimals =
        hasSeparator ? text.size() - separatorAt - locale_.decimalSep.size() : 0;

    const bool hundredths = GetRoundingOption() == RoundingOption::AutoAdd2;
    const double value = ParseOrFail(text, locale_) / (hundredths ? 100 : 1);
    const std::string caption = FormatPattern(
        value, hundredths ? std::string("#,##0.00") : "#,##0." + std::string(typedDecimals, '0'),
        locale_);
    // An entry shown now wins over a result still waiting for the timer.
    StopTimer();
    state_.pendingCaption.clear();
    ports_.display.SetForeColor(DisplayBlack);
    ports_.display.SetCaption(caption + " ");
    return value;
}

void Calculator::PasteNumber(std::string_view text) {
    try {
        const std::optional<double> value = ReadNumber(text, NumberForm::Pasted, locale_);
        if (!value) {
            throw Failure(FailureKind::NotANumber, "the pasted text is no number");
        }
        ShowResult(*value);
        state_.entryValue = *value;
        state_.lastValue = *value;
        state_.entryText = "0";
        NoteValuesBeforeTyping();
    } catch (const Failure&) {
        ErrorBeep();
    }
}

void Calculator::ShowResult(double value) {
    std::string text = FormatNumber(value, false, false, GetRoundingOption(), locale_) + " ";
    state_.pendingCaption = std::move(text);
    ports_.display.SetCaption("");
    ports_.display.RepaintNow();
    ports_.display.SetForeColor(value < 0 ? DisplayRed : DisplayBlack);
    state_.timerArmed = true;
    ports_.setBlinkInterval(ResultBlinkMs);
}

void Calculator::OnBlinkTimeout() {
    if (!state_.timerArmed) {
        return;  // a tick that was already on its way when the timer stopped
    }
    ports_.display.SetCaption(state_.pendingCaption);
    StopTimer();
}

void Calculator::StopTimer() {
    state_.timerArmed = false;
    ports_.setBlinkInterval(0);
}

void Calculator::CopyDisplay() {
    // During a result's blank phase the display is about to show the waiting result.
    const std::string shown = state_.timerArmed ? state_.pendingCaption : ports_.display.Caption();
    ports_.clipboard.Clear();
    ports_.clipboard.SetText(TrimBlanks(shown));
}

void Calculator::ReshowEntry() {
    ShowEntry(state_.entryText);
}

}  // namespace reckora
