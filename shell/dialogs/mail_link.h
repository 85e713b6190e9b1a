#pragma once

#include <string>
#include <string_view>

namespace shell {

// Every byte but the unreserved characters of an address (letters, digits, "-._~") as
// "%" and two hexadecimal digits, so that no text can end or extend the address it is put in.
std::string PercentEncode(std::string_view text);

// The newsletter sign-up mail: the address with the subject "News", followed by the
// place the program was downloaded from in parentheses (its trailing blanks left out)
// when one is given.
std::string NewsletterMailTarget(std::string_view address, std::string_view downloadedFrom);

}  // namespace shell
