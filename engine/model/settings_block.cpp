#include "engine/model/settings_block.h"

#include "engine/base/text_utils.h"
#include "platform/core/paths.h"

namespace engine {

SettingsBlock::SettingsBlock() { m_strings.fill(Spaces(kLength)); }

int SettingsBlock::Locate(int position, int& inner) {
    if (position >= kNoField) return kNoString;
    int index = 0;
    inner = position;
    if (position >= kThirdStart) {
        index = 2;
        inner = position - kThirdStart;
    } else if (position >= kSecondStart) {
        index = 1;
        inner = position - kSecondStart;
    }
    return inner >= 1 ? index : kNoString;
}

void SettingsBlock::SetField(int position, int width, std::string_view value) {
    int inner = 0;
    const int index = Locate(position, inner);
    if (index == kNoString) return;
    std::string& text = m_strings[static_cast<std::size_t>(index)];
    // Past the end of the third string (751-999) a field would land at its end instead.
    if (static_cast<std::size_t>(inner - 1) > text.size()) text.resize(static_cast<std::size_t>(inner - 1), ' ');
    text = ReplaceSpan(text, inner, width, PadRight(TrimLeftSpaces(value), width));
}

std::string SettingsBlock::GetField(int position, int width) const {
    int inner = 0;
    const int index = Locate(position, inner);
    if (index == kNoString || width <= 0) return {};
    const std::string_view text = m_strings[static_cast<std::size_t>(index)];
    if (static_cast<std::size_t>(inner) > text.size()) return {};
    return TrimRightSpaces(text.substr(static_cast<std::size_t>(inner - 1), static_cast<std::size_t>(width)));
}

void SettingsBlock::ResetSettingsBlock(bool fill, std::string_view programFolderText) {
    if (!fill) return;
    m_strings.fill(Spaces(kLength));
    SetField(fields::kProgramFolder.position, fields::kProgramFolder.width, programFolderText);
    SetField(fields::kPreferenceFile.position, fields::kPreferenceFile.width, kPreferenceFileName);
}

void SettingsBlock::ResetSessionCounters() {
    SetField(fields::kSessionCounterA.position, fields::kSessionCounterA.width, kSessionCounterStart);
    SetField(fields::kSessionCounterB.position, fields::kSessionCounterB.width, kSessionCounterStart);
}

std::string SettingsBlock::PreferenceFileName() const {
    return GetField(fields::kProgramFolder.position, fields::kProgramFolder.width) +
           GetField(fields::kPreferenceFile.position, fields::kPreferenceFile.width);
}

std::filesystem::path PreferenceFilePath(const SettingsBlock& settings, const platform::PathResolver& paths) {
    return paths.Resolve(settings.GetField(fields::kPreferenceFile.position, fields::kPreferenceFile.width));
}

}  // namespace engine
