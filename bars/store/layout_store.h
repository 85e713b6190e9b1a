#pragma once

#include "bars/core/bar_types.h"

#include <filesystem>
#include <string>

namespace bars {

// The user's arrangement of a manager's bars kept between runs: the manager-wide switches,
// each bar's place and visibility, and the links of the bars and of the named sub items,
// in a key of the registry store or in sections of an INI file. A stored layout is read as
// untrusted input: out-of-range counts, rows and ordinals are ignored, and a damaged value
// costs only the bar or link it belongs to.
//
// An empty path or file name does nothing. Saving answers whether the store was written;
// when it was not, the store holds what it held before.
bool SaveToRegistry(TcbBarManager& manager, const std::string& path);
void LoadFromRegistry(TcbBarManager& manager, const std::string& path);
bool SaveToIniFile(TcbBarManager& manager, const std::string& fileName);
void LoadFromIniFile(TcbBarManager& manager, const std::string& fileName);

// The registry path as stored: a leading backslash, no trailing one.
std::string NormalizedRegistryPath(const std::string& path);
// The start of every INI section of the manager: the owner form's name, ".", the
// manager's name, ".".
std::string IniSectionPrefix(const TcbBarManager& manager);

// The stores switched on for the manager: read registry first, then the INI file (at the end
// of the manager's loading); written in the same order when its form goes. Writing never
// throws: a failure leaves the old store whole.
void ReadLayoutStores(TcbBarManager& manager);
bool WriteLayoutStores(TcbBarManager& manager) noexcept;
bool WriteLayoutStore(TcbBarManager& manager, bool registry) noexcept;
// Writes the stores once when the manager's form is destroyed (not when the manager alone
// goes). Called once per manager, at the end of its loading.
void WriteLayoutStoresWithForm(TcbBarManager& manager);

// The file that holds the registry store; tests point it elsewhere. Empty: the default file
// under the user's configuration folder.
void SetLayoutRegistryFile(const std::filesystem::path& file);
std::filesystem::path LayoutRegistryFile();

// Limits on what a stored layout may ask for.
inline constexpr int kMaxStoredBars = 256;
inline constexpr int kMaxStoredLinks = 4096;
inline constexpr int kMaxStoredRow = 255;

}  // namespace bars
