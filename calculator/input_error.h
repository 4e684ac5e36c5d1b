#pragma once

#include <stdexcept>

// Bad input from a reader (an expression, a clause, a date in a year style): one
// line in Dutch saying what is wrong, fit to show as it is.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
