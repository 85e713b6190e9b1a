#include "shell/dialogs/mail_link.h"

#include "engine/base/text_utils.h"

namespace shell {

namespace {

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

}  // namespace

std::string PercentEncode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsUnreserved(byte)) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0x0F];
        }
    }
    return encoded;
}

std::string NewsletterMailTarget(std::string_view address, std::string_view downloadedFrom) {
    std::string subject = "News";
    if (!downloadedFrom.empty()) subject += " (" + engine::TrimRightSpaces(downloadedFrom) + ")";
    return std::string(address) + "?subject=" + PercentEncode(subject);
}

}  // namespace shell
