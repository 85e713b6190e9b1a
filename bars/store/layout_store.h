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
// when it was not, the store holds what it held before and why says what went wrong. A
// store that cannot be read at all is told to the user (the customizing messages) and
// reads as empty: the manager keeps what it has.
bool SaveToRegistry(TcbBarManager& manager, const std::string& path);
bool SaveToRegistry(TcbBarManager& manager, const std::string& path, std::string& why);
void LoadFromRegistry(TcbBarManager& manager, const std::string& path);
bool SaveToIniFile(TcbBarManager& manager, const std::string& fileName);
bool SaveToIniFile(TcbBarManager& manager, const std::string& fileName, std::string& why);
void LoadFromIniFile(TcbBarManager& manager, const std::string& fileName);

// The registry path as stored: a leading backslash, no trailing one.
std::string NormalizedRegistryPath(const std::string& path);
// The start of every INI section of the manager: the owner form's name, ".", the
// manager's name, ".".
std::string IniSectionPrefix(const TcbBarManager& manager);

// The stores switched on for the manager: read registry first, then the INI file (at the end
// of the manager's loading); answers whether one of them held a layout of the manager.
bool ReadLayoutStores(TcbBarManager& manager);
// Written in the same order; never throws. False when a store could not be written, which
// then holds what it held before; why gets a sentence for each such store.
bool WriteLayoutStores(TcbBarManager& manager) noexcept;
bool WriteLayoutStores(TcbBarManager& manager, std::string& why) noexcept;
// As the manager's form goes: the stores are written, and a layout that could not be saved
// is told to the user once, with why.
void WriteLayoutStoresAsFormGoes(TcbBarManager& manager) noexcept;

// The file that holds the registry store; tests point it elsewhere. Empty: the default file
// under the user's configuration folder.
void SetLayoutRegistryFile(const std::filesystem::path& file);
std::filesystem::path LayoutRegistryFile();

// Limits on what a stored layout may ask for.
inline constexpr int kMaxStoredBars = 256;
inline constexpr int kMaxStoredLinks = 4096;
inline constexpr int kMaxStoredRow = 255;

}  // namespace bars
