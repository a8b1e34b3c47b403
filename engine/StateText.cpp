#include "StateText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <map>

#include "KeyCommand.h"

namespace reckora {
namespace {

// The writers append to the text in place: the core compares the state before and after most
// keys by this text, so building it must cost no allocation per field.
template <class Value>
void AppendNumber(std::string& out, Value value) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(error == std::errc{} ? std::string_view(buffer.data(), end) : "nan");
}

// The shortest text that reads back to the value, as std::to_chars writes it. A whole value
// below 10^15 (a count, a typed entry, most totals) is written as an integer where to_chars's own
// choice is its fixed form: no longer than the scientific one. That is the same text at a small
// part of the cost, and the state is written twice on many keys.
void AppendNumber(std::string& out, double value) {
    if (std::abs(value) < 1e15 && value == std::trunc(value) &&
        !(value == 0 && std::signbit(value))) {
        std::array<char, 24> buffer{};
        const char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                        static_cast<std::int64_t>(value))
                              .ptr;
        const std::string_view whole(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
        const std::size_t sign = value < 0 ? 1 : 0;
        const std::size_t digits = whole.size() - sign;
        const std::size_t lastNonZero = whole.find_last_not_of('0');  // none for 0 only
        const std::size_t significant =
            lastNonZero == std::string_view::npos ? 1 : lastNonZero + 1 - sign;
        // "d" or "d.ddd", then "e+dd" (the exponent is below 15).
        const std::size_t scientific = (significant == 1 ? 1 : significant + 1) + 4;
        if (digits <= scientific) {
            out.append(whole);
            return;
        }
    }
    AppendNumber<double>(out, value);
}

bool HoldsLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

void AppendText(std::string& out, std::string_view text) {
    if (!HoldsLineBreak(text)) {
        out.append(text);  // no caption holds one; a line break would break the form
    }
}

bool ReadNumber(std::string_view text, double& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() && std::isfinite(value);
}

template <class Integer>
bool ReadInteger(std::string_view text, Integer& value, Integer lowest, Integer highest) {
    Integer read{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
    if (error != std::errc{} || end != text.data() + text.size() || read < lowest ||
        read > highest) {
        return false;
    }
    value = read;
    return true;
}

bool ReadBoolean(std::string_view text, bool& value) {
    if (text != "0" && text != "1") {
        return false;
    }
    value = text == "1";
    return true;
}

bool ReadOperation(std::string_view text, std::optional<Operation>& value) {
    int code = 0;
    if (!ReadInteger(text, code, -1, static_cast<int>(Operation::Clear))) {
        return false;
    }
    value = code < 0 ? std::nullopt : std::optional(static_cast<Operation>(code));
    return true;
}

void AppendOperation(std::string& out, const std::optional<Operation>& operation) {
    AppendNumber(out, operation ? static_cast<int>(*operation) : -1);
}

struct Field {
    std::string_view name;
    std::function<void(const SavedState&, std::string&)> write;
    std::function<bool(SavedState&, std::string_view)> read;
    bool sinceVersion3 = false;  // a version 2 text does not hold it
};

// A field that version 3 added.
Field Added(Field field) {
    field.sinceVersion3 = true;
    return field;
}

template <class Member>
Field PriceFigureField(std::string_view name, Member member) {
    return {name,
            [member](const SavedState& s, std::string& out) {
                AppendNumber(out, static_cast<int>(member(s)));
            },
            [member](SavedState& s, std::string_view text) {
                int code = 0;
                if (!ReadInteger(text, code, 0, static_cast<int>(PriceFigure::Margin))) {
                    return false;
                }
                member(s) = static_cast<PriceFigure>(code);
                return true;
            }};
}

template <class Member>
Field NumberField(std::string_view name, Member member) {
    return {name, [member](const SavedState& s, std::string& out) { AppendNumber(out, member(s)); },
            [member](SavedState& s, std::string_view text) { return ReadNumber(text, member(s)); }};
}

template <class Member>
Field TextField(std::string_view name, Member member) {
    return {name, [member](const SavedState& s, std::string& out) { AppendText(out, member(s)); },
            [member](SavedState& s, std::string_view text) {
                member(s) = std::string(text);
                return true;
            }};
}

template <class Member>
Field BooleanField(std::string_view name, Member member) {
    return {
        name, [member](const SavedState& s, std::string& out) { out += member(s) ? '1' : '0'; },
        [member](SavedState& s, std::string_view text) { return ReadBoolean(text, member(s)); }};
}

template <class Member>
Field CountField(std::string_view name, Member member, std::int32_t lowest) {
    return {name, [member](const SavedState& s, std::string& out) { AppendNumber(out, member(s)); },
            [member, lowest](SavedState& s, std::string_view text) {
                return ReadInteger<std::int32_t>(text, member(s), lowest, INT32_MAX);
            }};
}

template <class Member>
Field OperationField(std::string_view name, Member member) {
    return {
        name, [member](const SavedState& s, std::string& out) { AppendOperation(out, member(s)); },
        [member](SavedState& s, std::string_view text) { return ReadOperation(text, member(s)); }};
}

// Every field, in the order they are written.
const std::vector<Field>& Fields() {
    static const std::vector<Field> fields{
        TextField(
            "entry", [](auto& s) -> auto& { return s.engine.entryText; }),
        NumberField(
            "entryValue", [](auto& s) -> auto& { return s.engine.entryValue; }),
        NumberField(
            "lastValue", [](auto& s) -> auto& { return s.engine.lastValue; }),
        NumberField(
            "total", [](auto& s) -> auto& { return s.engine.runningTotal; }),
        NumberField(
            "chainValue", [](auto& s) -> auto& { return s.engine.chainValue; }),
        CountField(
            "items", [](auto& s) -> auto& { return s.engine.itemCount; }, INT32_MIN),
        OperationField(
            "chainOp", [](auto& s) -> auto& { return s.engine.chainOp; }),
        NumberField(
            "memoryValue", [](auto& s) -> auto& { return s.engine.memoryValue; }),
        BooleanField(
            "error", [](auto& s) -> auto& { return s.engine.errorState; }),
        TextField(
            "pending", [](auto& s) -> auto& { return s.engine.pendingCaption; }),
        BooleanField(
            "timer", [](auto& s) -> auto& { return s.engine.timerArmed; }),
        {"option",
         [](const SavedState& s, std::string& out) {
             AppendNumber(out, OptionIndex(s.engine.selectedOption));
         },
         [](SavedState& s, std::string_view text) {
             int index = 0;
             if (!ReadInteger(text, index, -1, RoundingOptionCount - 1)) {
                 return false;
             }
             s.engine.selectedOption = RoundingOptionAt(index);
             return true;
         }},
        BooleanField(
            "undo", [](auto& s) -> auto& { return s.engine.undoAvailable; }),
        CountField(
            "undoLines", [](auto& s) -> auto& { return s.engine.undoTapeLines; }, 0),
        NumberField(
            "undoEntryValue", [](auto& s) -> auto& { return s.engine.undoSnapshot.entryValue; }),
        NumberField(
            "undoLastValue", [](auto& s) -> auto& { return s.engine.undoSnapshot.lastValue; }),
        NumberField(
            "undoTotal", [](auto& s) -> auto& { return s.engine.undoSnapshot.runningTotal; }),
        NumberField(
            "undoChainValue", [](auto& s) -> auto& { return s.engine.undoSnapshot.chainValue; }),
        CountField(
            "undoItems", [](auto& s) -> auto& { return s.engine.undoSnapshot.itemCount; },
            INT32_MIN),
        OperationField(
            "undoChainOp", [](auto& s) -> auto& { return s.engine.undoSnapshot.chainOp; }),
        NumberField(
            "undoMemoryValue", [](auto& s) -> auto& { return s.engine.undoSnapshot.memoryValue; }),
        TextField(
            "display", [](auto& s) -> auto& { return s.shown.display; }),
        {"displayColor",
         [](const SavedState& s, std::string& out) {
             AppendNumber(out, ColourNumber(s.shown.displayColor));
         },
         [](SavedState& s, std::string_view text) {
             std::uint32_t number = 0;
             if (!ReadInteger<std::uint32_t>(text, number, 0, 0xFFFFFFu)) {
                 return false;
             }
             s.shown.displayColor = FromColourNumber(number);
             return true;
         }},
        TextField(
            "memory", [](auto& s) -> auto& { return s.shown.memory; }),
        TextField(
            "counter", [](auto& s) -> auto& { return s.shown.counter; }),
        Added(NumberField(
            "grandTotal", [](auto& s) -> auto& { return s.engine.grandTotal; })),
        Added(CountField(
            "grandTotalCount", [](auto& s) -> auto& { return s.engine.grandTotalCount; }, 0)),
        Added(PriceFigureField(
            "priceFigure", [](auto& s) -> auto& { return s.engine.priceFigure; })),
        Added(NumberField(
            "priceValue", [](auto& s) -> auto& { return s.engine.priceValue; })),
        Added(NumberField(
            "entryValueBeforeTyping",
            [](auto& s) -> auto& { return s.engine.entryValueBeforeTyping; })),
        Added(NumberField(
            "lastValueBeforeTyping",
            [](auto& s) -> auto& { return s.engine.lastValueBeforeTyping; })),
        Added(NumberField(
            "taxRate", [](auto& s) -> auto& { return s.engine.taxRate; })),
        Added({"roundingDirection",
               [](const SavedState& s, std::string& out) {
                   out.append(NameOf(s.engine.roundingDirection));
               },
               [](SavedState& s, std::string_view text) {
                   const std::optional<RoundingDirection> read = RoundingDirectionNamed(text);
                   s.engine.roundingDirection = read.value_or(RoundingDirection::Designed);
                   return read.has_value();
               }}),
        Added(NumberField(
            "undoGrandTotal", [](auto& s) -> auto& { return s.engine.undoSnapshot.grandTotal; })),
        Added(CountField(
            "undoGrandTotalCount",
            [](auto& s) -> auto& { return s.engine.undoSnapshot.grandTotalCount; }, 0)),
        Added(PriceFigureField(
            "undoPriceFigure", [](auto& s) -> auto& { return s.engine.undoSnapshot.priceFigure; })),
        Added(NumberField(
            "undoPriceValue", [](auto& s) -> auto& { return s.engine.undoSnapshot.priceValue; })),
    };
    return fields;
}

bool SameNumber(double a, double b) {
    return std::signbit(a) == std::signbit(b) && (a == b || (std::isnan(a) && std::isnan(b)));
}

bool SameValues(const SavedValues& a, const SavedValues& b) {
    return SameNumber(a.entryValue, b.entryValue) && SameNumber(a.lastValue, b.lastValue) &&
           SameNumber(a.runningTotal, b.runningTotal) && SameNumber(a.chainValue, b.chainValue) &&
           a.itemCount == b.itemCount && a.chainOp == b.chainOp &&
           SameNumber(a.memoryValue, b.memoryValue) && SameNumber(a.grandTotal, b.grandTotal) &&
           a.grandTotalCount == b.grandTotalCount && a.priceFigure == b.priceFigure &&
           SameNumber(a.priceValue, b.priceValue);
}

SavedValues ValuesOf(const EngineState& s) {
    return {s.entryValue,  s.lastValue,  s.runningTotal,    s.chainValue,  s.itemCount, s.chainOp,
            s.memoryValue, s.grandTotal, s.grandTotalCount, s.priceFigure, s.priceValue};
}

}  // namespace

bool operator==(const SavedState& a, const SavedState& b) {
    const EngineState& x = a.engine;
    const EngineState& y = b.engine;
    return x.entryText == y.entryText && SameValues(ValuesOf(x), ValuesOf(y)) &&
           SameNumber(x.entryValueBeforeTyping, y.entryValueBeforeTyping) &&
           SameNumber(x.lastValueBeforeTyping, y.lastValueBeforeTyping) &&
           SameNumber(x.taxRate, y.taxRate) && x.roundingDirection == y.roundingDirection &&
           x.errorState == y.errorState && x.pendingCaption == y.pendingCaption &&
           x.timerArmed == y.timerArmed && x.selectedOption == y.selectedOption &&
           x.undoAvailable == y.undoAvailable && x.undoTapeLines == y.undoTapeLines &&
           SameValues(x.undoSnapshot, y.undoSnapshot) && a.shown == b.shown;
}

std::string StateAsText(const SavedState& state) {
    std::string text;
    text.reserve(512);  // a usual state takes about 400 bytes
    text.append(StateFormatLine) += '\n';
    for (const Field& field : Fields()) {
        text.append(field.name) += '=';
        field.write(state, text);
        text += '\n';
    }
    return text;
}

std::optional<SavedState> StateFromText(std::string_view text) {
    std::map<std::string_view, std::string_view> values;
    bool first = true;
    bool version2 = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (first) {
            version2 = line == StateFormatLineVersion2;
            if (line != StateFormatLine && !version2) {
                return std::nullopt;
            }
            first = false;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos ||
            !values.emplace(line.substr(0, equals), line.substr(equals + 1)).second) {
            return std::nullopt;
        }
    }
    SavedState state;
    for (const Field& field : Fields()) {
        if (version2 && field.sinceVersion3) {
            continue;
        }
        const auto found = values.find(field.name);
        if (found == values.end() || !field.read(state, found->second)) {
            return std::nullopt;
        }
    }
    return state;
}

}  // namespace reckora
