#pragma once

#include <iostream>
#include <string>

#include "platform/core/messages.h"

namespace platform {

// Message boxes for the maintainers' command-line tools: every text goes to the error
// stream, and a confirmation is declined, since nobody is there to answer it.
class ConsoleMessages : public IMessages {
public:
    void ShowInfo(const std::string& text) override { std::cerr << text << '\n'; }
    bool Confirm(const std::string& text, const std::string&) override {
        std::cerr << text << '\n';
        return false;
    }
    void ShowError(const std::string& title, const std::string& text) override {
        std::cerr << title << ": " << text << '\n';
    }
    void Beep(unsigned) override {}
};

}  // namespace platform
