#pragma once
// The one failure type of the calculator's logic. A failing step throws it; it is caught only
// where the program decides what a failure means (a refusal with beeps, the error state, the
// retry of undo, a skipped layout step, a printing message).

#include <stdexcept>
#include <string>

namespace reckora {

enum class FailureKind {
    DivisionByZero,
    Overflow,
    InvalidResult,
    TooManyDigits,
    NotANumber,
    OutOfRange,
    Refused,
    NoPrinter,
    PrinterFailure,
    Cancelled,  // the user stopped a long print or export
};

class Failure : public std::runtime_error {
public:
    Failure(FailureKind kind, const std::string& what) : std::runtime_error(what), kind_(kind) {}
    FailureKind Kind() const { return kind_; }

private:
    FailureKind kind_;
};

// A computed value, or the failure that makes it no number: a division by zero, a result that is
// not a number, one beyond the double's range.
inline double Checked(double result, bool dividedByZero = false) {
    if (dividedByZero) {
        throw Failure(FailureKind::DivisionByZero, "division by zero");
    }
    if (result != result) {
        throw Failure(FailureKind::InvalidResult, "invalid result");
    }
    if (result - result != 0) {
        throw Failure(FailureKind::Overflow, "overflow");
    }
    return result;
}

}  // namespace reckora
