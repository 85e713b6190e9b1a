#include "bars/store/ini_layout.h"

#include "bars/store/layout_names.h"

#include <algorithm>

namespace bars {

namespace {

constexpr int kAbsentRow = -1000;

}  // namespace

IniLayout::IniLayout(std::filesystem::path file, std::string prefix)
    : m_file(std::move(file)), m_prefix(std::move(prefix)) {}

bool IniLayout::Commit() { return m_file.ReplaceSections(m_prefix, m_written); }

const platform::IniValues& IniLayout::Values() const {
    if (!m_values) m_values.emplace(m_file.Path());
    return *m_values;
}

std::string IniLayout::LinkContainer(const std::string& container, int index) const {
    return container + '.' + layout_names::kItemLinkPrefix + std::to_string(index);
}

void IniLayout::Write(const std::string& container, const char* name, std::string value) {
    // Values come container by container, so the section is nearly always the last one.
    auto section = std::find_if(m_written.rbegin(), m_written.rend(),
                                [&](const auto& written) { return written.name == container; });
    if (section == m_written.rend()) {
        m_written.push_back({container, {}});
        section = m_written.rbegin();
    }
    section->values.emplace_back(name, std::move(value));
}

void IniLayout::WriteBoolean(const std::string& container, const char* name, bool value) {
    Write(container, name, value ? "1" : "0");
}

void IniLayout::WriteInteger(const std::string& container, const char* name, int value) {
    Write(container, name, std::to_string(value));
}

void IniLayout::WriteString(const std::string& container, const char* name, const std::string& value) {
    Write(container, name, value);
}

void IniLayout::WriteUserDefine(const std::string& container, std::uint8_t value) {
    Write(container, layout_names::kUserDefine, std::to_string(value));
}

std::optional<std::string> IniLayout::ReadString(const std::string& container, const char* name) const {
    auto value = Values().Find(container, name);
    if (!value) return std::nullopt;
    // A stray carriage return of a damaged line could never be written back.
    std::erase_if(*value, [](char c) { return c == '\r' || c == '\n'; });
    return value;
}

std::optional<int> IniLayout::ReadInteger(const std::string& container, const char* name) const {
    const auto text = ReadString(container, name);
    return text ? platform::ParseIniInteger(*text) : std::nullopt;
}

std::optional<bool> IniLayout::ReadBoolean(const std::string& container, const char* name) const {
    const auto value = ReadInteger(container, name);
    if (!value) return std::nullopt;
    return *value != 0;
}

std::optional<std::uint8_t> IniLayout::ReadUserDefine(const std::string& container) const {
    const auto value = ReadInteger(container, layout_names::kUserDefine);
    if (!value) return std::nullopt;
    return static_cast<std::uint8_t>(*value & 0xFF);
}

bool IniLayout::BarPresent(const std::string& container) const {
    return ReadInteger(container, layout_names::kRow).value_or(kAbsentRow) > kAbsentRow;
}

bool IniLayout::LinkPresent(const std::string& container) const {
    return !ReadString(container, layout_names::kItemName).value_or(std::string()).empty();
}

bool IniLayout::SubItemLinksPresent(const std::string& container) const {
    return ReadInteger(container, layout_names::kItemLinkCount).value_or(-1) >= 0;
}

}  // namespace bars
