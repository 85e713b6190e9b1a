#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {
class PathResolver;
}

namespace engine {

// Every option and a little run state, as fixed-position text fields in three strings
// of 250 characters, addressed by absolute position and width (e.g. 141/1).
class SettingsBlock {
public:
    static constexpr int kLength = 250;
    static constexpr int kSecondStart = 250;  // positions from here on lie in the second string
    static constexpr int kThirdStart = 500;   // positions from here on lie in the third string
    static constexpr int kNoField = 1000;     // positions from here on do not exist

    SettingsBlock();

    // Stores the value without leading blanks, blank-padded or cut to the width.
    // Positions that fall before the first character of a string (below 1, 250, 500)
    // and positions from 1000 on are ignored: writing there would shift every later field.
    // A field past the end of its string (751-999) lengthens the string with blanks.
    void SetField(int position, int width, std::string_view value);
    // The field without trailing blanks; empty for positions that hold no field.
    std::string GetField(int position, int width) const;

    // Blank-fills the block and writes the two path fields; does nothing when fill is false.
    void ResetSettingsBlock(bool fill, std::string_view programFolderText);
    void InitSettingsBlock(std::string_view programFolderText) { ResetSettingsBlock(true, programFolderText); }
    void DoneSettingsBlock() { ResetSettingsBlock(false, {}); }
    void ResetSessionCounters();

    // Field 501/200 followed by field 1/20: the preference file's full name as stored.
    std::string PreferenceFileName() const;

private:
    static constexpr int kNoString = -1;
    // Which of the three strings holds a position (kNoString for none) and where inside it.
    static int Locate(int position, int& inner);

    std::array<std::string, 3> m_strings;  // S1, S2, S3
};

// The real path of the preference file: its relative name (field 1/20) resolved in the
// program folder that the resolver holds, never the possibly cut field 501/200.
std::filesystem::path PreferenceFilePath(const SettingsBlock& settings, const platform::PathResolver& paths);

// Named fields written by the program itself.
namespace fields {
struct Field {
    int position;
    int width;
};
inline constexpr Field kPreferenceFile{1, 20};
// The program folder as text for readers and display only. The field is 200 characters
// wide, so a deeper folder would be cut: file access goes through platform::PathResolver,
// which keeps the real folder.
inline constexpr Field kProgramFolder{501, 200};
inline constexpr Field kSessionCounterA{112, 4};
inline constexpr Field kSessionCounterB{116, 4};
inline constexpr Field kScoringMode{120, 2};
inline constexpr Field kScore{122, 6};
inline constexpr Field kGameNumber{153, 15};
}  // namespace fields

inline constexpr std::string_view kPreferenceFileName = "DATA\\CFG.DAT";
inline constexpr std::string_view kSessionCounterStart = "0000";

}  // namespace engine
