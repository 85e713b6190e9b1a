#pragma once

#include <string_view>

#include "engine/model/settings_block.h"

namespace table {

// The settings the card animations read.

// Speed_Move_Card: milliseconds per animation frame; 0 when the field holds no number.
int SpeedMoveCard(const engine::SettingsBlock& settings);

// The field is not "N" (Cards_Animate, Cards_Shadowed, Piles_TT read so).
bool FieldNotNo(const engine::SettingsBlock& settings, engine::fields::Field field);
// The field is "Y" (the sound switches read so).
bool FieldIsYes(const engine::SettingsBlock& settings, engine::fields::Field field);

// Sets a field for as long as the object lives, then puts its old value back.
class ScopedField {
public:
    ScopedField(engine::SettingsBlock& settings, engine::fields::Field field, std::string_view value);
    ~ScopedField();
    ScopedField(const ScopedField&) = delete;
    ScopedField& operator=(const ScopedField&) = delete;

private:
    engine::SettingsBlock& m_settings;
    engine::fields::Field m_field;
    std::string m_saved;
};

}  // namespace table
