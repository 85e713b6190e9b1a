// Appends the checksum table to a resource library that rcc wrote:
//   seal_resources LIBRARY
// The library is replaced in one atomic step; a malformed one is left as it is, exit 1.

#include <iostream>
#include <optional>
#include <string>

#include "platform/core/paths.h"
#include "platform/qt/resource_bundle_check.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: seal_resources LIBRARY\n";
        return 1;
    }
    std::string bundle;
    if (!platform::ReadFile(argv[1], bundle)) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    const std::optional<std::string> sealed = platform::SealResourceBundle(bundle);
    if (!sealed) {
        std::cerr << argv[1] << ": is no well-formed resource bundle\n";
        return 1;
    }
    if (!platform::WriteFileAtomically(argv[1], *sealed)) {
        std::cerr << argv[1] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
