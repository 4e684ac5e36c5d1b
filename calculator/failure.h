#pragma once

#include <stdexcept>
#include <string>

// The one failure type of the calculator: an error number and its description,
// numbered as the users' error reports have always numbered them.
class Failure : public std::runtime_error {
public:
    static constexpr int kInvalidCall = 5;  // a date the date service cannot compose
    static constexpr int kOverflow = 6;     // a 16-bit sum out of range
    // Numbers the error report gives to what is not a Failure.
    static constexpr int kOutOfMemory = 7;
    static constexpr int kOtherError = 51;

    Failure(int number, const std::string& description) : std::runtime_error(description), number_(number) {}

    int number() const noexcept { return number_; }
    std::string description() const { return what(); }

    static Failure overflow() { return {kOverflow, "Overflow"}; }
    static Failure invalidCall() { return {kInvalidCall, "Invalid procedure call or argument"}; }

private:
    int number_;
};
