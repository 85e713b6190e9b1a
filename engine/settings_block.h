#pragma once

#include <string>
#include <string_view>

namespace engine {

// Every option and a little run state, as fixed-position text fields in three strings
// of 250 characters, addressed by absolute position and width (e.g. 141/1).
class SettingsBlock {
public:
    static constexpr int kLength = 250;
    static constexpr int kNoField = 1000;  // positions from here on do not exist

    SettingsBlock();

    void SetField(int position, int width, std::string_view value);
    std::string GetField(int position, int width) const;

    // Blank-fills the block and writes the two path fields; does nothing when fill is false.
    void ResetSettingsBlock(bool fill, std::string_view programFolderText);
    void InitSettingsBlock(std::string_view programFolderText) { ResetSettingsBlock(true, programFolderText); }
    void DoneSettingsBlock() { ResetSettingsBlock(false, {}); }
    void ResetSessionCounters();

    // Field 501/200 followed by field 1/20: the preference file's full name as stored.
    std::string PreferenceFileName() const;

private:
    std::string m_s1, m_s2, m_s3;
};

// Named fields written by the program itself.
namespace fields {
struct Field {
    int position;
    int width;
};
inline constexpr Field kPreferenceFile{1, 20};
inline constexpr Field kProgramFolder{501, 200};
inline constexpr Field kSessionCounterA{112, 4};
inline constexpr Field kSessionCounterB{116, 4};
inline constexpr Field kScoringMode{120, 2};
inline constexpr Field kScore{122, 6};
inline constexpr Field kGameNumber{153, 15};
}  // namespace fields

}  // namespace engine
