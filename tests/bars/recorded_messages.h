#pragma once

#include "platform/core/messages.h"

#include <string>
#include <vector>

namespace bars::testing {

// The customizing questions and messages, written down; every confirmation gets `answer`.
class RecordedMessages : public platform::IMessages {
public:
    void ShowInfo(const std::string& text) override { shown.push_back(text); }
    bool Confirm(const std::string& text, const std::string&) override {
        shown.push_back(text);
        return answer;
    }
    bool AskYesNo(const std::string& text, const std::string& caption) override {
        asked.push_back(text);
        captions.push_back(caption);
        return answer;
    }
    void ShowError(const std::string&, const std::string& text) override { shown.push_back(text); }
    void Beep(unsigned) override {}

    std::vector<std::string> shown;
    // The yes/no warnings and their captions.
    std::vector<std::string> asked, captions;
    bool answer = true;
};

}  // namespace bars::testing
