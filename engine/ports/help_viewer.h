#pragma once

#include <string>

namespace engine {

// The application's help: a help file, named with its window after ">" as in
// "...quendrix.hlp>rules", whose pages open by context number.
class IHelpViewer {
public:
    virtual ~IHelpViewer() = default;
    virtual std::string HelpFile() const = 0;
    virtual void SetHelpFile(const std::string& file) = 0;
    // Opens the page of a context number in the current help file.
    virtual void ShowHelpContext(int context) = 0;
};

}  // namespace engine
