#pragma once

#include <string_view>

// The product's addresses on the web and by mail.
namespace shell {

// The one web site: its home page (About's "Web site:" and the Home Page command), and
// the pages on it.
inline constexpr std::string_view kProductWebSite = "www.corvanet.example";
inline constexpr std::string_view kProductNewsPage = "www.corvanet.example/news.html";
inline constexpr std::string_view kDownloadPage = "www.corvanet.example/download.html";
inline constexpr std::string_view kNewsletterWebPage = "www.corvanet.example/newsletter";
inline constexpr std::string_view kInformationMail = "info@corvanet.example";
inline constexpr std::string_view kSalesMail = "sales@corvanet.example";
inline constexpr std::string_view kSupportMail = "support@corvanet.example";
inline constexpr std::string_view kNewsletterMail = "news@corvanet.example";

}  // namespace shell
