#include "engine/files/preferences.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string>

#include "engine/base/decimal_text.h"
#include "engine/base/text_utils.h"
#include "engine/files/preference_file.h"
#include "engine/files/preference_keys.h"
#include "engine/model/settings_block.h"
#include "engine/ports/shell_port.h"

namespace engine {

namespace {

constexpr std::string_view kYes = "Y";
constexpr std::string_view kNo = "N";
constexpr std::string_view kStartScoringMode = "01";
constexpr int kLowColourCardSet = 3;
constexpr int kCardBackZero = 0;
constexpr int kFirstCardBack = 1;
constexpr auto kCardSizes = std::to_array<std::string_view>({"B", "M", "L"});
constexpr char kNumberTooWide = '*';

constexpr std::string_view kKeyRunExe = "Run_Exe";
constexpr std::string_view kKeyUserDefault = "UserDefault";
constexpr std::string_view kUserKeyPrefix = "User";
constexpr int kUserKeyDigits = 3;
constexpr auto kDefaultPlayers = std::to_array<std::string_view>({"Player 1", "Player 2", "Player 3"});
// Cursor names the table's cursor; "10" means the platform's arrow.
constexpr int kCursorMeansArrow = 10;

int ParseDefault(std::string_view text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string DefaultText(const PreferenceKey& row, const SettingsBlock& settings, const PreferenceReading& reading) {
    switch (row.defaultRule) {
    case DefaultRule::CardSetForScreen:
        return reading.lowColourScreen ? std::to_string(kLowColourCardSet) : std::string(row.defaultValue);
    case DefaultRule::SameAsCardsAnimate:
        return settings.GetField(fields::kCardsAnimate.position, fields::kCardsAnimate.width);
    case DefaultRule::Fixed:
        break;
    }
    return std::string(row.defaultValue);
}

// The key's value as the text kept, or as a number for the values outside the block.
struct ReadValue {
    std::string text;
    int number = 0;
};

std::string NumberText(ReadAs readAs, int number, int width) {
    return readAs == ReadAs::Digits ? IntToZeroPad(number, width) : std::to_string(number);
}

// A number that its field cannot hold would be kept as "***" or silently cut to another
// number; the default serves better.
bool FitsField(const std::string& text, const PreferenceKey& row) {
    return row.target != Target::Field ||
           (text.size() <= static_cast<std::size_t>(row.field.width) && text.find(kNumberTooWide) == std::string::npos);
}

ReadValue ReadKey(const PreferenceKey& row, const PreferenceFile& file, const std::string& defaultText) {
    ReadValue value;
    switch (row.readAs) {
    case ReadAs::Text:
        value.text = file.ReadString(row.section, row.key, defaultText);
        break;
    case ReadAs::AnyTextIsYes:
        value.text = file.ReadString(row.section, row.key, defaultText).empty() ? kNo : kYes;
        break;
    case ReadAs::Number:
    case ReadAs::Digits:
        value.number = file.ReadInteger(row.section, row.key, ParseDefault(defaultText));
        value.text = NumberText(row.readAs, value.number, row.field.width);
        if (!FitsField(value.text, row)) {
            value.number = ParseDefault(defaultText);
            value.text = NumberText(row.readAs, value.number, row.field.width);
        }
        break;
    }
    return value;
}

void RepairField(const PreferenceKey& row, SettingsBlock& settings) {
    const auto [position, width] = row.field;
    const std::string stored = settings.GetField(position, width);
    switch (row.repair) {
    case Repair::ZeroBackToFirst:
        if (stored == IntToZeroPad(kCardBackZero, width)) {
            settings.SetField(position, width, IntToZeroPad(kFirstCardBack, width));
        }
        break;
    case Repair::ZeroColourToButtonFace:
        if (stored == "0") {
            settings.SetField(position, width, std::to_string(kButtonFaceColour));
        }
        break;
    case Repair::EmptyToZero:
        if (stored.empty()) {
            settings.SetField(position, width, "0");
        }
        break;
    case Repair::UnknownCardSize:
        if (std::ranges::find(kCardSizes, stored) == kCardSizes.end()) {
            settings.SetField(position, width, row.defaultValue);
        }
        break;
    case Repair::None:
        break;
    }
}

void StoreOutside(Target target, const ReadValue& value, StartupPreferences& result) {
    switch (target) {
    case Target::ToolbarLarge:
        result.toolbarLarge = value.text == kYes;
        break;
    case Target::ToolbarFlat:
        result.toolbarFlat = value.text == kYes;
        break;
    case Target::FastSearchType:
        result.fastSearchType = value.number;
        break;
    case Target::FoundationMarkStyle:
        result.foundationMarkStyle = value.number;
        break;
    case Target::RandomGameType:
        result.randomGameType = value.number;
        break;
    case Target::AutoplaySaveMode:
        result.autoplaySaveMode = value.number;
        break;
    case Target::AutoPlay:
        result.autoPlay = value.text == kYes;
        break;
    case Target::Field:
        break;
    }
}

}  // namespace

StartupPreferences ReadPreferences(SettingsBlock& settings, const PreferenceFile& file,
                                   const PreferenceReading& reading) {
    StartupPreferences result;
    for (const PreferenceKey& row : PreferenceKeys()) {
        if (row.target == Target::AutoPlay && result.autoplaySaveMode != kAutoplayAllGames) {
            continue;  // the per-game switches apply instead
        }
        const ReadValue value = ReadKey(row, file, DefaultText(row, settings, reading));
        if (row.target == Target::Field) {
            settings.SetField(row.field.position, row.field.width, value.text);
            RepairField(row, settings);
        } else {
            StoreOutside(row.target, value, result);
        }
        if (row.target == Target::ToolbarFlat) {
            if (reading.applyToolbar) {
                reading.applyToolbar(result.toolbarLarge, result.toolbarFlat);
            }
            if (reading.lowColourScreen && reading.showLowColourAdvice) {
                reading.showLowColourAdvice();
            }
        }
    }
    settings.SetField(fields::kScoringMode.position, fields::kScoringMode.width, kStartScoringMode);
    return result;
}

bool CreateDefaultPlayers(SettingsBlock& settings, PreferenceFile& file) {
    if (!settings.GetField(fields::kUserDefault.position, fields::kUserDefault.width).empty()) {
        return false;
    }
    // Only the current player's line may be lost: the names [Users] holds are kept, and
    // the first of them stays the first player.
    std::array<std::string, kDefaultPlayers.size()> keys;
    std::array<std::string, kDefaultPlayers.size()> names;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        keys[i] = std::string(kUserKeyPrefix) + IntToZeroPad(static_cast<int>(i) + 1, kUserKeyDigits);
        names[i] = file.ReadString(kSectionUsers, keys[i], "");
    }
    const std::string current = names.front().empty() ? std::string(kDefaultPlayers.front()) : names.front();
    file.WriteString(kSectionPreference, kKeyUserDefault, current);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (names[i].empty()) file.WriteString(kSectionUsers, keys[i], kDefaultPlayers[i]);
    }
    settings.SetField(fields::kUserDefault.position, fields::kUserDefault.width, current);
    return true;
}

int ReadRunCount(const PreferenceFile& file) {
    return file.ReadInteger(kSectionParameters, kKeyRunExe, 0);
}

int AdvanceRunCount(PreferenceFile& file) {
    const int count = ReadRunCount(file);
    if (count >= kRunCountLimit) {
        return count;
    }
    return file.WriteInteger(kSectionParameters, kKeyRunExe, count + 1) ? count + 1 : count;
}

int TableCursor(const SettingsBlock& settings) {
    const std::optional<int> cursor = ReadDecimal(settings.GetField(fields::kCursor.position, fields::kCursor.width));
    return !cursor || *cursor == kCursorMeansArrow ? kDefaultCursor : *cursor;
}

int CardShadowOffset(const SettingsBlock& settings) {
    return settings.GetField(fields::kCardsShadowed.position, fields::kCardsShadowed.width) == kNo ? 0
                                                                                                 : kCardShadowPixels;
}

}  // namespace engine
