#pragma once

#include <string>

namespace platform {

// Opening files and addresses through the desktop.
class IShellOpen {
public:
    virtual ~IShellOpen() = default;
    // Opens a file or an address (http:, mailto:) with its default handler.
    // Returns a result code; above 32 means success.
    virtual int Open(const std::string& file, const std::string& parameters,
                     const std::string& folder, int showMode) = 0;
};

}  // namespace platform
