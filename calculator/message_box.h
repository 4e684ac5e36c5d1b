#pragma once

#include <string>

// The platform's modal message box, kept behind an interface so the calculator
// needs no GUI toolkit and tests can record what would have been shown.
class MessageBox {
public:
    // Style values of the boxes this program shows.
    static constexpr int kCritical = 16;     // critical-stop icon, OK button
    static constexpr int kInformation = 64;  // information icon, OK button

    virtual ~MessageBox() = default;

    // Shows the box and returns once the user has closed it; the answer is not needed.
    virtual void show(const std::string& prompt, int style, const std::string& title) = 0;
};
