#include "bars/store/registry_layout.h"

#include "bars/store/layout_names.h"

namespace bars {

RegistryLayout::RegistryLayout(platform::RegistryStore& store, std::string path)
    : m_store(store), m_path(std::move(path)) {}

void RegistryLayout::DeleteOldArrangement() {
    for (const std::string& subKey : m_store.SubKeys(m_path)) m_store.DeleteKey(m_path + '\\' + subKey);
}

std::string RegistryLayout::LinkContainer(const std::string& container, int index) const {
    return container + '\\' + layout_names::kItemLinkPrefix + std::to_string(index);
}

void RegistryLayout::WriteBoolean(const std::string& container, const char* name, bool value) {
    m_store.SetInteger(container, name, value ? 1 : 0);
}

void RegistryLayout::WriteInteger(const std::string& container, const char* name, int value) {
    m_store.SetInteger(container, name, value);
}

void RegistryLayout::WriteString(const std::string& container, const char* name, const std::string& value) {
    m_store.SetString(container, name, value);
}

void RegistryLayout::WriteUserDefine(const std::string& container, std::uint8_t value) {
    m_store.SetBinary(container, layout_names::kUserDefine, {value});
}

void RegistryLayout::WriteUserGlyph(const std::string& container, const platform::Bitmap& glyph) {
    const std::string data = EncodeUserGlyph(glyph);
    m_store.SetBinary(container, layout_names::kUserGlyph, platform::RegistryStore::Binary(data.begin(), data.end()));
}

std::optional<bool> RegistryLayout::ReadBoolean(const std::string& container, const char* name) const {
    const auto value = m_store.ReadInteger(container, name);
    if (!value) return std::nullopt;
    return *value != 0;
}

std::optional<int> RegistryLayout::ReadInteger(const std::string& container, const char* name) const {
    return m_store.ReadInteger(container, name);
}

std::optional<std::string> RegistryLayout::ReadString(const std::string& container, const char* name) const {
    return m_store.ReadString(container, name);
}

std::optional<std::uint8_t> RegistryLayout::ReadUserDefine(const std::string& container) const {
    const auto value = m_store.ReadBinary(container, layout_names::kUserDefine);
    if (!value || value->empty()) return std::nullopt;
    return value->front();
}

std::optional<platform::Bitmap> RegistryLayout::ReadUserGlyph(const std::string& container) const {
    const auto value = m_store.ReadBinary(container, layout_names::kUserGlyph);
    if (!value || value->size() > kMaxGlyphBytes) return std::nullopt;
    return DecodeUserGlyph(std::string(value->begin(), value->end()));
}

}  // namespace bars
