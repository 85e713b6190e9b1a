#pragma once

#include <string_view>

// The product's addresses on the web and by mail.
namespace shell {

inline constexpr std::string_view kProductWebSite = "www.corvanet.example";
inline constexpr std::string_view kNewsletterWebPage = "www.corvanet.example/newsletter";
inline constexpr std::string_view kInformationMail = "info@corvanet.example";
inline constexpr std::string_view kSalesMail = "sales@corvanet.example";
inline constexpr std::string_view kSupportMail = "support@corvanet.example";
inline constexpr std::string_view kNewsletterMail = "news@corvanet.example";

}  // namespace shell
