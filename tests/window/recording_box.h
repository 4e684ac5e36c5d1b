#pragma once

#include <string>
#include <vector>

#include "message_box.h"

// Records the boxes the window or the calculator would show, instead of blocking.
class RecordingBox : public MessageBox {
public:
    struct Shown {
        std::string prompt;
        int style;
        std::string title;
    };

    void show(const std::string& prompt, int style, const std::string& title) override {
        shown.push_back({prompt, style, title});
    }

    std::vector<Shown> shown;
};
