// The functions of printing calculators beyond the designed keys: the grand total, the subtotal,
// the non-add number, tax on a stored rate, and cost, selling price and margin.

#include <array>
#include <cstdint>
#include <limits>

#include "Calculator.h"
#include "Failure.h"
#include "KeyCommand.h"

namespace reckora {
namespace {

struct Prices {
    double cost = 0;
    double sell = 0;
    double margin = 0;  // percent of the selling price
};

// Which figure each pricing key enters, the line it writes and where the figure goes.
struct PriceRow {
    Operation operation;
    PriceFigure figure;
    TapeMark mark;
    double Prices::*value;
};

constexpr std::array<PriceRow, 3> PriceRows{{
    {Operation::Cost, PriceFigure::Cost, TapeMark::Cost, &Prices::cost},
    {Operation::Sell, PriceFigure::Sell, TapeMark::Sell, &Prices::sell},
    {Operation::Margin, PriceFigure::Margin, TapeMark::Margin, &Prices::margin},
}};

constexpr const PriceRow& PriceRowOf(PriceFigure figure) {
    for (const PriceRow& row : PriceRows) {
        if (row.figure == figure) {
            return row;
        }
    }
    return PriceRows.back();
}

// The third figure from two: the margin is a share of the selling price, so cost 80 at 20 %
// sells at 100. A selling price of 0, or a margin of 100 %, divides by zero.
double ThirdFigure(PriceFigure third, const Prices& p) {
    switch (third) {
        case PriceFigure::Sell:
            return Checked(p.cost / (1 - p.margin / 100), p.margin == 100);
        case PriceFigure::Margin:
            return Checked((p.sell - p.cost) / p.sell * 100, p.sell == 0);
        case PriceFigure::Cost:
        case PriceFigure::None:
            break;
    }
    return Checked(p.sell * (1 - p.margin / 100));
}

// The figure neither of two is.
PriceFigure Third(PriceFigure a, PriceFigure b) {
    for (const PriceRow& row : PriceRows) {
        if (row.figure != a && row.figure != b) {
            return row.figure;
        }
    }
    return PriceFigure::None;
}

}  // namespace

std::optional<Refusal> Calculator::BusinessRefusal(Operation operation) const {
    const EngineState& s = state_;
    if (s.errorState) {
        return Refusal::ErrorLock;
    }
    const bool typed = s.entryText != "0";
    switch (operation) {
        case Operation::NonAdd:
            return typed ? std::nullopt : std::optional(Refusal::NothingTyped);
        case Operation::GrandTotal:
        case Operation::Subtotal:
            if (s.chainOp) {
                return Refusal::ChainPending;
            }
            return typed ? std::optional(Refusal::NumberTyped) : std::nullopt;
        case Operation::TaxPlus:
        case Operation::TaxMinus:
            if (s.chainOp) {
                return Refusal::ChainPending;
            }
            return s.taxRate == 0 ? std::optional(Refusal::NoTaxRate) : std::nullopt;
        default:
            return s.chainOp ? std::optional(Refusal::ChainPending) : std::nullopt;
    }
}

void Calculator::Refuse(Refusal reason) {
    ErrorBeep();
    if (ports_.explain) {
        ports_.explain(reason);
    }
}

// What the display shows: the entry being typed, or the last result.
double Calculator::ShownValue() const {
    return state_.lastValue;
}

void Calculator::RunBusinessOperation(Operation operation) {
    EngineState& s = state_;
    switch (operation) {
        case Operation::GrandTotal: {
            const double grand = Rounded(s.grandTotal);
            AddTapeLine(grand, TapeMark::GrandTotal, s.grandTotalCount);
            s.grandTotal = 0;
            s.grandTotalCount = 0;
            s.entryValue = grand;
            s.lastValue = grand;
            ShowResult(grand);
            return;
        }
        case Operation::Subtotal:
            AddTapeLine(s.runningTotal, TapeMark::Subtotal);
            s.lastValue = Rounded(s.runningTotal);
            ShowResult(s.lastValue);
            return;
        case Operation::NonAdd:
            ports_.tape.AddLine({s.entryText, TapeMark::NonAdd, 0, Ink::Dark});
            s.entryValue = s.entryValueBeforeTyping;
            s.lastValue = s.lastValueBeforeTyping;
            ShowResult(s.lastValue);
            return;
        case Operation::TaxPlus:
        case Operation::TaxMinus:
            RunTax(operation == Operation::TaxPlus);
            return;
        default:
            for (const PriceRow& row : PriceRows) {
                if (row.operation == operation) {
                    RunPrice(row.figure);
                }
            }
            return;
    }
}

// Tax+ adds the tax at the stored rate to the amount shown; Tax- takes it out of a gross amount.
// The rounded tax and the result always add up to the gross amount.
void Calculator::RunTax(bool add) {
    EngineState& s = state_;
    const double amount = Rounded(ShownValue());
    const double rate = s.taxRate / 100;
    AddTapeLine(amount, add ? TapeMark::TaxPlus : TapeMark::TaxMinus);
    double tax = 0;
    double result = 0;
    if (add) {
        tax = RoundedResult(Checked(amount * rate));
        result = RoundedResult(Checked(amount + tax));
    } else {
        result = RoundedResult(Checked(amount / (1 + rate), rate == -1));
        tax = RoundedResult(Checked(amount - result));
    }
    AddTapeLine(tax, TapeMark::Tax);
    AddTapeLine(result, TapeMark::AfterTax);
    s.entryValue = result;
    s.lastValue = result;
    ShowResult(result);
}

// A cost, selling price or margin goes into the pricing register; with another figure there, the
// third is worked out and the margin amount with it. The register keeps its figure, so several
// margins can be tried on one cost; the same figure again takes its place.
void Calculator::RunPrice(PriceFigure figure) {
    EngineState& s = state_;
    const double value = Rounded(ShownValue());
    AddTapeLine(value, PriceRowOf(figure).mark);
    s.entryValue = value;
    s.lastValue = value;
    if (s.priceFigure == PriceFigure::None || s.priceFigure == figure) {
        s.priceFigure = figure;
        s.priceValue = value;
        ShowResult(value);
        return;
    }
    Prices prices;
    prices.*PriceRowOf(s.priceFigure).value = s.priceValue;
    prices.*PriceRowOf(figure).value = value;
    const PriceFigure third = Third(s.priceFigure, figure);
    const double worked = RoundedResult(ThirdFigure(third, prices));
    prices.*PriceRowOf(third).value = worked;
    const double marginAmount = RoundedResult(Checked(prices.sell - prices.cost));
    AddTapeLine(worked, PriceRowOf(third).mark);
    AddTapeLine(marginAmount, TapeMark::MarginAmount);
    s.entryValue = worked;
    s.lastValue = worked;
    ShowResult(worked);
}

void Calculator::SetTaxRate(double percent) {
    state_.taxRate = percent;
}

void Calculator::SetRoundingDirection(RoundingDirection direction) {
    state_.roundingDirection = direction;
}

}  // namespace reckora
