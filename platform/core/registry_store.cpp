#include "platform/core/registry_store.h"

#include "platform/core/ascii_case.h"
#include "platform/core/paths.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <sstream>
#include <unordered_map>

namespace platform {

// The file is text, one record a line, every name and string escaped so that it holds no
// space or line break:
//   CORVANET-REGISTRY 1
//   key @Software\Corvanet
//   string @Name @text
//   integer @Count 42
//   binary @Data 0a0b
namespace {

constexpr std::string_view kHeader = "CORVANET-REGISTRY 1";
constexpr std::string_view kKeyRecord = "key";
constexpr std::string_view kStringRecord = "string";
constexpr std::string_view kIntegerRecord = "integer";
constexpr std::string_view kBinaryRecord = "binary";
constexpr char kPathSeparator = '\\';
constexpr std::string_view kHexDigits = "0123456789abcdef";

std::string Escape(std::string_view text) {
    std::string out = "@";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte == '%' || byte >= 0x7F) {
            out += '%';
            out += kHexDigits[byte >> 4];
            out += kHexDigits[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::string> Unescape(std::string_view token) {
    if (token.empty() || token[0] != '@') return std::nullopt;
    std::string out;
    for (std::size_t i = 1; i < token.size(); ++i) {
        if (token[i] != '%') {
            out += token[i];
            continue;
        }
        if (i + 2 >= token.size()) return std::nullopt;
        const int high = HexValue(token[i + 1]);
        const int low = HexValue(token[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::optional<RegistryStore::Binary> FromHex(std::string_view hex) {
    if (hex.size() % 2 != 0) return std::nullopt;
    RegistryStore::Binary bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexValue(hex[i]);
        const int low = HexValue(hex[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return bytes;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

// The non-empty components of a key path.
std::vector<std::string_view> PathParts(std::string_view path) {
    std::vector<std::string_view> parts = Split(path, kPathSeparator);
    std::erase_if(parts, [](std::string_view part) { return part.empty(); });
    return parts;
}

std::filesystem::path TemporaryFolder() {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
    return ec ? std::filesystem::path("/tmp") : folder;
}

}  // namespace

struct RegistryStore::Key {
    std::string name;
    std::vector<std::unique_ptr<Key>> children;  // in the order they were made
    // A key may hold thousands of subkeys (a link each): they are found by name at once.
    std::unordered_map<std::string, Key*> byName;  // folded name -> child
    std::vector<std::pair<std::string, Value>> values;

    Key* Child(std::string_view childName) const {
        const auto found = byName.find(AsciiFolded(childName));
        return found == byName.end() ? nullptr : found->second;
    }
    Key* AddChild(std::string_view childName) {
        children.push_back(std::make_unique<Key>());
        Key* child = children.back().get();
        child->name = std::string(childName);
        byName.emplace(AsciiFolded(childName), child);
        return child;
    }
    bool RemoveChild(std::string_view childName) {
        const auto found = byName.find(AsciiFolded(childName));
        if (found == byName.end()) return false;
        const Key* child = found->second;
        byName.erase(found);
        std::erase_if(children, [child](const auto& owned) { return owned.get() == child; });
        return true;
    }
    std::pair<std::string, Value>* FindValue(std::string_view valueName) {
        for (auto& value : values)
            if (EqualsIgnoreCase(value.first, valueName)) return &value;
        return nullptr;
    }
};

RegistryStore::RegistryStore(std::filesystem::path file) : m_file(std::move(file)), m_root(std::make_unique<Key>()) {}

RegistryStore::~RegistryStore() = default;

std::filesystem::path RegistryStore::DefaultFile(const std::filesystem::path& root) {
    std::filesystem::path folder = root;
    if (folder.empty()) {
        if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != '\0')
            folder = config;
        else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
            folder = std::filesystem::path(home) / ".config";
        else
            folder = TemporaryFolder();
    }
    return folder / "corvanet-solitaire" / "registry.txt";
}

RegistryStore::Key* RegistryStore::Find(std::string_view path) const {
    Key* key = m_root.get();
    for (std::string_view part : PathParts(path)) {
        key = key->Child(part);
        if (key == nullptr) return nullptr;
    }
    return key;
}

RegistryStore::Key* RegistryStore::Make(std::string_view path) {
    Key* key = m_root.get();
    for (std::string_view part : PathParts(path)) {
        Key* child = key->Child(part);
        key = child != nullptr ? child : key->AddChild(part);
    }
    return key;
}

bool RegistryStore::KeyExists(std::string_view path) const { return !PathParts(path).empty() && Find(path) != nullptr; }

bool RegistryStore::CreateKey(std::string_view path) {
    if (PathParts(path).empty()) return false;
    Make(path);
    return true;
}

bool RegistryStore::DeleteKey(std::string_view path) {
    std::vector<std::string_view> parts = PathParts(path);
    if (parts.empty()) return false;
    Key* parent = m_root.get();
    for (std::size_t i = 0; i + 1 < parts.size() && parent != nullptr; ++i) parent = parent->Child(parts[i]);
    if (parent == nullptr) return false;
    return parent->RemoveChild(parts.back());
}

std::vector<std::string> RegistryStore::SubKeys(std::string_view path) const {
    std::vector<std::string> names;
    if (const Key* key = Find(path))
        for (const auto& child : key->children) names.push_back(child->name);
    return names;
}

std::vector<std::string> RegistryStore::ValueNames(std::string_view path) const {
    std::vector<std::string> names;
    if (const Key* key = Find(path))
        for (const auto& value : key->values) names.push_back(value.first);
    return names;
}

void RegistryStore::SetValue(std::string_view path, std::string_view name, Value value) {
    Key* key = Make(path);
    if (auto* existing = key->FindValue(name))
        existing->second = std::move(value);
    else
        key->values.emplace_back(std::string(name), std::move(value));
}

void RegistryStore::SetString(std::string_view path, std::string_view name, std::string_view value) {
    SetValue(path, name, std::string(value));
}

void RegistryStore::SetInteger(std::string_view path, std::string_view name, std::int32_t value) {
    SetValue(path, name, value);
}

void RegistryStore::SetBinary(std::string_view path, std::string_view name, const Binary& value) {
    SetValue(path, name, value);
}

bool RegistryStore::DeleteValue(std::string_view path, std::string_view name) {
    Key* key = Find(path);
    if (key == nullptr) return false;
    return std::erase_if(key->values, [name](const auto& value) { return EqualsIgnoreCase(value.first, name); }) > 0;
}

std::optional<RegistryStore::Value> RegistryStore::ReadValue(std::string_view path, std::string_view name) const {
    Key* key = Find(path);
    if (key == nullptr) return std::nullopt;
    const auto* value = key->FindValue(name);
    if (value == nullptr) return std::nullopt;
    return value->second;
}

namespace {

template <class T>
std::optional<T> As(const std::optional<RegistryStore::Value>& value) {
    if (!value) return std::nullopt;
    if (const T* typed = std::get_if<T>(&*value)) return *typed;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> RegistryStore::ReadString(std::string_view path, std::string_view name) const {
    return As<std::string>(ReadValue(path, name));
}

std::optional<std::int32_t> RegistryStore::ReadInteger(std::string_view path, std::string_view name) const {
    return As<std::int32_t>(ReadValue(path, name));
}

std::optional<RegistryStore::Binary> RegistryStore::ReadBinary(std::string_view path, std::string_view name) const {
    return As<Binary>(ReadValue(path, name));
}

namespace {

// Writes the key's records and those of the keys below it; the root has no record of its own.
void WriteKey(std::ostringstream& out, const RegistryStore::Key& key, const std::string& path);

}  // namespace

bool RegistryStore::Save() {
    std::ostringstream out;
    out << kHeader << '\n';
    for (const auto& child : m_root->children) WriteKey(out, *child, child->name);
    std::error_code ignored;
    if (m_file.has_parent_path()) std::filesystem::create_directories(m_file.parent_path(), ignored);
    if (std::string why; !WriteFileAtomically(m_file, out.str(), why)) {
        m_error = "The settings file " + m_file.string() + " could not be written (" + why + ").";
        return false;
    }
    m_error.clear();
    return true;
}

namespace {

void WriteKey(std::ostringstream& out, const RegistryStore::Key& key, const std::string& path) {
    out << kKeyRecord << ' ' << Escape(path) << '\n';
    for (const auto& [name, value] : key.values) {
        if (const auto* text = std::get_if<std::string>(&value)) {
            out << kStringRecord << ' ' << Escape(name) << ' ' << Escape(*text) << '\n';
        } else if (const auto* number = std::get_if<std::int32_t>(&value)) {
            out << kIntegerRecord << ' ' << Escape(name) << ' ' << *number << '\n';
        } else {
            out << kBinaryRecord << ' ' << Escape(name) << ' ';
            for (const std::uint8_t byte : std::get<RegistryStore::Binary>(value))
                out << kHexDigits[byte >> 4] << kHexDigits[byte & 0xF];
            out << '\n';
        }
    }
    for (const auto& child : key.children) WriteKey(out, *child, path + kPathSeparator + child->name);
}

}  // namespace

bool RegistryStore::Load() {
    m_root = std::make_unique<Key>();
    m_error.clear();
    std::string content;
    if (std::string why; !ReadFile(m_file, content, why)) {
        // Nothing there, or a link to nothing: no settings yet.
        std::error_code ec;
        if (std::filesystem::status(m_file, ec).type() == std::filesystem::file_type::not_found) return true;
        m_error = "The settings file " + m_file.string() + " could not be read (" + why + ").";
        return false;
    }
    const auto fail = [&](std::size_t line, std::string_view why) {
        m_root = std::make_unique<Key>();
        m_error = "The settings file " + m_file.string() + " is damaged (line " + std::to_string(line) + ": " +
                  std::string(why) + ").";
        return false;
    };
    std::vector<std::string_view> lines = Split(content, '\n');
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    if (lines.empty() || lines[0] != kHeader) return fail(1, "not a settings file");
    Key* key = nullptr;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t lineNumber = i + 1;
        std::string_view line = lines[i];
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::vector<std::string_view> fields = Split(line, ' ');
        if (fields[0] == kKeyRecord && fields.size() == 2) {
            const std::optional<std::string> path = Unescape(fields[1]);
            if (!path || PathParts(*path).empty()) return fail(lineNumber, "bad key name");
            key = Make(*path);
            continue;
        }
        if (fields.size() != 3) return fail(lineNumber, "unknown record");
        if (key == nullptr) return fail(lineNumber, "value outside a key");
        const std::optional<std::string> name = Unescape(fields[1]);
        if (!name) return fail(lineNumber, "bad value name");
        Value value;
        if (fields[0] == kStringRecord) {
            const std::optional<std::string> text = Unescape(fields[2]);
            if (!text) return fail(lineNumber, "bad text");
            value = *text;
        } else if (fields[0] == kIntegerRecord) {
            std::int32_t number = 0;
            const auto [end, error] = std::from_chars(fields[2].data(), fields[2].data() + fields[2].size(), number);
            if (error != std::errc() || end != fields[2].data() + fields[2].size()) return fail(lineNumber, "bad number");
            value = number;
        } else if (fields[0] == kBinaryRecord) {
            const std::optional<Binary> bytes = FromHex(fields[2]);
            if (!bytes) return fail(lineNumber, "bad binary data");
            value = *bytes;
        } else {
            return fail(lineNumber, "unknown record");
        }
        if (auto* existing = key->FindValue(*name))
            existing->second = std::move(value);
        else
            key->values.emplace_back(*name, std::move(value));
    }
    return true;
}

}  // namespace platform
