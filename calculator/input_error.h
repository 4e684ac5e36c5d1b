#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// Bad input from a reader (an expression, a clause, a date in a year style): one
// line in Dutch saying what is wrong, fit to show as it is, and the kind of fault,
// so that a list of refusals can be sorted by it.
class InputError : public std::runtime_error {
public:
    enum class Cause {
        Form,         // not written as a date: no day, no year, two days, a number that does not add up
        UnknownWord,  // a word in the date that the reader does not know
        Check,        // understood, but a weekday, month or year's number the scribe wrote does not fit
        OutOfRange,   // understood, but outside the years, before the feast was kept, or skipped
        Ambiguous,    // understood, but it names more than one thing and nothing tells them apart
    };

    explicit InputError(const std::string& what, Cause cause = Cause::Form)
        : std::runtime_error(what), cause_(cause) {}
    explicit InputError(const char* what, Cause cause = Cause::Form)
        : std::runtime_error(what), cause_(cause) {}

    Cause cause() const noexcept { return cause_; }

private:
    Cause cause_;
};

// The cause in one word, as the batch's column `oorzaak` writes it.
constexpr std::string_view causeKey(InputError::Cause cause) {
    switch (cause) {
        case InputError::Cause::Form:
            return "vorm";
        case InputError::Cause::UnknownWord:
            return "onbekend-woord";
        case InputError::Cause::Check:
            return "controle";
        case InputError::Cause::OutOfRange:
            return "buiten-bereik";
        case InputError::Cause::Ambiguous:
            return "dubbelzinnig";
    }
    return "vorm";
}
