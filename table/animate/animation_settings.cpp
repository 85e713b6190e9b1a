#include "table/animate/animation_settings.h"

#include "engine/model/card_codes.h"
#include "engine/model/preference_fields.h"

namespace table {

namespace {

std::string Read(const engine::SettingsBlock& settings, engine::fields::Field field) {
    return settings.GetField(field.position, field.width);
}

}  // namespace

int SpeedMoveCard(const engine::SettingsBlock& settings) {
    return engine::ReadCardNumber(Read(settings, engine::fields::kSpeedMoveCard)).value_or(0);
}

bool FieldNotNo(const engine::SettingsBlock& settings, engine::fields::Field field) {
    return Read(settings, field) != "N";
}

bool FieldIsYes(const engine::SettingsBlock& settings, engine::fields::Field field) {
    return Read(settings, field) == "Y";
}

ScopedField::ScopedField(engine::SettingsBlock& settings, engine::fields::Field field, std::string_view value)
    : m_settings(settings), m_field(field), m_saved(Read(settings, field)) {
    m_settings.SetField(field.position, field.width, value);
}

ScopedField::~ScopedField() { m_settings.SetField(m_field.position, m_field.width, m_saved); }

}  // namespace table
