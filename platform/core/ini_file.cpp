#include "platform/core/ini_file.h"

#include "platform/core/ascii_case.h"
#include "platform/core/paths.h"

#include <charconv>
#include <optional>
#include <system_error>
#include <unordered_set>
#include <utility>

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kLf = "\n";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kLineBreaks = "\r\n";
constexpr char kCommentMark = ';';
constexpr char kSectionOpen = '[';
constexpr char kSectionClose = ']';
constexpr char kAssign = '=';
constexpr std::string_view kYes = "Y";
constexpr std::string_view kNo = "N";
constexpr std::string_view kUnwritableText = "a name or value would break the lines of the file";

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool IsBlankLine(std::string_view line) { return Trim(line).empty(); }

// The file as lines without their line ends, and the line end it uses.
struct IniText {
    std::vector<std::string> lines;
    std::string_view lineEnd = kCrLf;
};

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;   // section or key name, trimmed
    std::string_view value;  // text after the first "=", without the blanks around it
};

ParsedLine Parse(std::string_view line) {
    if (line.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        line.remove_prefix(kUtf8Bom.size());
    }
    const std::size_t first = line.find_first_not_of(kBlanks);
    if (first == std::string_view::npos || line[first] == kCommentMark) {
        return {};
    }
    line.remove_prefix(first);
    if (line.front() == kSectionOpen) {
        const std::size_t close = line.find(kSectionClose);
        if (close == std::string_view::npos) {
            return {};
        }
        return {LineKind::Section, Trim(line.substr(1, close - 1)), {}};
    }
    const std::size_t assign = line.find(kAssign);
    if (assign == std::string_view::npos) {
        return {};
    }
    const std::string_view key = Trim(line.substr(0, assign));
    if (key.empty()) {
        return {};
    }
    return {LineKind::Key, key, Trim(line.substr(assign + 1))};
}

// A line of the file without its line end, and which line end it had.
struct Line {
    std::string_view text;
    bool terminated = false;
    bool crlf = false;
};

// Takes the first line off the content (which must not be empty).
Line NextLine(std::string_view& content) {
    std::size_t end = content.find('\n');
    Line line;
    line.terminated = end != std::string_view::npos;
    if (!line.terminated) {
        end = content.size();
    }
    line.text = content.substr(0, end);
    line.crlf = !line.text.empty() && line.text.back() == '\r';
    if (line.crlf) {
        line.text.remove_suffix(1);
    }
    content.remove_prefix(line.terminated ? end + 1 : end);
    return line;
}

void SplitLines(std::string_view content, IniText& text) {
    bool lineEndKnown = false;
    while (!content.empty()) {
        const Line line = NextLine(content);
        // The first line end decides how the whole file is written back.
        if (line.terminated && !lineEndKnown) {
            text.lineEnd = line.crlf ? kCrLf : kLf;
            lineEndKnown = true;
        }
        text.lines.emplace_back(line.text);
    }
}

// The file's text: a missing file, or a link to none, is an empty one; false, with the
// reason, only when something in the file's place cannot be read (a folder, a loop of
// links, no permission, a FIFO).
bool ReadText(const fs::path& path, std::string& content, std::string& why) {
    why.clear();
    if (ReadFile(path, content, why)) {
        return true;
    }
    content.clear();
    std::error_code ec;
    if (fs::status(path, ec).type() != fs::file_type::not_found) {
        return false;
    }
    why.clear();
    return true;
}

bool Load(const fs::path& path, IniText& text, std::string& why) {
    std::string content;
    if (!ReadText(path, content, why)) {
        return false;
    }
    SplitLines(content, text);
    return true;
}

bool Save(const fs::path& path, const IniText& text, std::string& why) {
    std::string content;
    for (const std::string& line : text.lines) {
        content += line;
        content += text.lineEnd;
    }
    return WriteFileAtomically(path, content, why);
}

IniText LoadOrEmpty(const fs::path& path, std::string& why) {
    IniText text;
    if (!Load(path, text, why)) {
        text.lines.clear();
    }
    return text;
}

// Lines of one section: the header and the end (the next header or the end of the file).
struct SectionSpan {
    std::size_t header = 0;
    std::size_t end = 0;
};

std::optional<SectionSpan> FindSection(const std::vector<std::string>& lines, std::string_view section,
                                       std::size_t from = 0) {
    for (std::size_t i = from; i < lines.size(); ++i) {
        const ParsedLine parsed = Parse(lines[i]);
        if (parsed.kind != LineKind::Section || !EqualsIgnoreCase(parsed.name, section)) {
            continue;
        }
        std::size_t end = i + 1;
        while (end < lines.size() && Parse(lines[end]).kind != LineKind::Section) {
            ++end;
        }
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<std::string>& lines, const SectionSpan& span,
                                   std::string_view key) {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        const ParsedLine parsed = Parse(lines[i]);
        if (parsed.kind == LineKind::Key && EqualsIgnoreCase(parsed.name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

bool HasLineBreak(std::string_view text) { return text.find_first_of(kLineBreaks) != std::string_view::npos; }

// Names that would read back differently, or values that would split into several lines,
// must not reach the file: they would corrupt the lines around them.
bool IsWritableSection(std::string_view section) {
    return !section.empty() && Trim(section) == section && !HasLineBreak(section) &&
           section.find(kSectionClose) == std::string_view::npos;
}

bool IsWritableKey(std::string_view key) {
    return !key.empty() && Trim(key) == key && !HasLineBreak(key) &&
           key.find(kAssign) == std::string_view::npos && key.front() != kCommentMark &&
           key.front() != kSectionOpen;
}

// FNV-1a over the lower-case bytes.
std::size_t FoldedHash(std::string_view text, std::size_t hash) {
    constexpr std::size_t kPrime = 1099511628211ULL;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(AsciiLower(c))) * kPrime;
    }
    return hash;
}

}  // namespace

std::size_t IniValues::NameHash::operator()(const Name& name) const {
    constexpr std::size_t kOffset = 14695981039346656037ULL;
    return FoldedHash(name.key, FoldedHash(name.section, kOffset) * 31 + 1);
}

bool IniValues::NameEqual::operator()(const Name& a, const Name& b) const {
    return EqualsIgnoreCase(a.section, b.section) && EqualsIgnoreCase(a.key, b.key);
}

IniValues::IniValues(const fs::path& path) {
    auto text = std::make_unique<std::string>();
    if (!ReadText(path, *text, m_error)) {
        text->clear();
    }
    m_text = std::move(text);
    // Only the first section of a name counts.
    std::unordered_set<Name, NameHash, NameEqual> sections;
    bool inFirstOfName = false;
    std::string_view section;
    std::string_view content = *m_text;
    // The lines are gone through where they lie, without copying them.
    while (!content.empty()) {
        const ParsedLine parsed = Parse(NextLine(content).text);
        if (parsed.kind == LineKind::Section) {
            inFirstOfName = sections.insert(Name{parsed.name, {}}).second;
            section = parsed.name;
        } else if (parsed.kind == LineKind::Key && inFirstOfName) {
            m_values.emplace(Name{section, parsed.name}, parsed.value);
        }
    }
}

std::optional<std::string> IniValues::Find(std::string_view section, std::string_view key) const {
    const auto found = m_values.find(Name{section, key});
    if (found == m_values.end()) return std::nullopt;
    return std::string(found->second);
}

std::string IniValues::ReadString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
    auto value = Find(section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

std::optional<int> ParseIniInteger(std::string_view text) {
    std::string_view digits = Trim(text);
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
    }
    int result = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), result);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty()) {
        return std::nullopt;
    }
    return result;
}

int IniValues::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const auto value = Find(section, key);
    return value ? ParseIniInteger(*value).value_or(defaultValue) : defaultValue;
}

bool IniValues::ReadYesNo(std::string_view section, std::string_view key, bool defaultValue) const {
    const auto value = Find(section, key);
    if (!value) {
        return defaultValue;
    }
    // Values are read without the blanks around them.
    if (*value == kYes) {
        return true;
    }
    if (*value == kNo) {
        return false;
    }
    return defaultValue;
}

IniFile::IniFile(fs::path path) : m_path(std::move(path)) {}

IniValues IniFile::Values() const {
    IniValues values(m_path);
    m_error = values.Error();
    return values;
}

bool IniFile::Failed(std::string_view why) {
    m_error = why;
    return false;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    return Values().ReadString(section, key, defaultValue);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    return Values().ReadInteger(section, key, defaultValue);
}

bool IniFile::ReadYesNo(std::string_view section, std::string_view key, bool defaultValue) const {
    return Values().ReadYesNo(section, key, defaultValue);
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (!IsWritableSection(section) || !IsWritableKey(key) || HasLineBreak(value)) {
        return Failed(kUnwritableText);
    }
    IniText text;
    if (!Load(m_path, text, m_error)) {
        return false;
    }
    std::vector<std::string>& lines = text.lines;
    const std::string newLine = std::string(key) + kAssign + std::string(value);
    const auto span = FindSection(lines, section);
    if (!span) {
        if (!lines.empty() && !IsBlankLine(lines.back())) {
            lines.emplace_back();
        }
        lines.push_back(kSectionOpen + std::string(section) + kSectionClose);
        lines.push_back(newLine);
        return Save(m_path, text, m_error);
    }
    if (const auto line = FindKey(lines, *span, key)) {
        std::string& old = lines[*line];
        // Only the value changes; the key keeps its spelling and spacing.
        std::string updated = old.substr(0, old.find(kAssign) + 1) + std::string(value);
        if (updated == old) {
            return true;
        }
        old = std::move(updated);
        return Save(m_path, text, m_error);
    }
    std::size_t insertAt = span->end;
    while (insertAt > span->header + 1 && IsBlankLine(lines[insertAt - 1])) {
        --insertAt;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), newLine);
    return Save(m_path, text, m_error);
}

bool IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteYesNo(std::string_view section, std::string_view key, bool value) {
    return WriteString(section, key, value ? kYes : kNo);
}

bool IniFile::EraseSection(std::string_view section) {
    IniText text;
    if (!Load(m_path, text, m_error)) {
        return false;
    }
    std::vector<std::string>& lines = text.lines;
    bool changed = false;
    // Every section of the name goes, so a later duplicate does not surface in its place.
    std::optional<SectionSpan> span = FindSection(lines, section);
    while (span) {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(span->header),
                    lines.begin() + static_cast<std::ptrdiff_t>(span->end));
        changed = true;
        span = FindSection(lines, section, span->header);
    }
    return !changed || Save(m_path, text, m_error);
}

bool IniFile::DeleteKey(std::string_view section, std::string_view key) {
    IniText text;
    if (!Load(m_path, text, m_error)) {
        return false;
    }
    std::vector<std::string>& lines = text.lines;
    const auto span = FindSection(lines, section);
    if (!span) {
        return true;
    }
    bool changed = false;
    // Every line of the key goes, so a later duplicate does not surface in its place.
    std::optional<std::size_t> line = FindKey(lines, *span, key);
    SectionSpan remaining = *span;
    while (line) {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*line));
        --remaining.end;
        changed = true;
        line = FindKey(lines, remaining, key);
    }
    return !changed || Save(m_path, text, m_error);
}

bool IniFile::ReplaceSections(std::string_view prefix, const std::vector<Section>& sections) {
    IniText text;
    if (!Load(m_path, text, m_error)) {
        return false;
    }
    std::vector<std::string> kept;
    bool erasing = false;
    for (std::string& line : text.lines) {
        const ParsedLine parsed = Parse(line);
        if (parsed.kind == LineKind::Section) {
            erasing = parsed.name.size() >= prefix.size() &&
                      EqualsIgnoreCase(parsed.name.substr(0, prefix.size()), prefix);
        }
        if (!erasing) {
            kept.push_back(std::move(line));
        }
    }
    for (const Section& section : sections) {
        if (!IsWritableSection(section.name)) {
            return Failed(kUnwritableText);
        }
        if (!kept.empty() && !IsBlankLine(kept.back())) {
            kept.emplace_back();
        }
        kept.push_back(kSectionOpen + section.name + kSectionClose);
        for (const auto& [key, value] : section.values) {
            if (!IsWritableKey(key) || HasLineBreak(value)) {
                return Failed(kUnwritableText);
            }
            kept.push_back(key + kAssign + value);
        }
    }
    text.lines = std::move(kept);
    return Save(m_path, text, m_error);
}

bool IniFile::SectionExists(std::string_view section) const {
    return FindSection(LoadOrEmpty(m_path, m_error).lines, section).has_value();
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
    return Values().ValueExists(section, key);
}

std::vector<std::string> IniFile::ReadSections() const {
    std::vector<std::string> sections;
    std::unordered_set<std::string> seen;  // folded names
    for (const std::string& line : LoadOrEmpty(m_path, m_error).lines) {
        const ParsedLine parsed = Parse(line);
        if (parsed.kind == LineKind::Section && seen.insert(AsciiFolded(parsed.name)).second) {
            sections.emplace_back(parsed.name);
        }
    }
    return sections;
}

std::vector<std::string> IniFile::ReadSection(std::string_view section) const {
    std::vector<std::string> keys;
    for (std::string& entry : ReadSectionValues(section)) {
        entry.resize(entry.find(kAssign));
        keys.push_back(std::move(entry));
    }
    return keys;
}

std::vector<std::string> IniFile::ReadSectionValues(std::string_view section) const {
    const IniText text = LoadOrEmpty(m_path, m_error);
    std::vector<std::string> entries;
    const auto span = FindSection(text.lines, section);
    if (!span) {
        return entries;
    }
    std::unordered_set<std::string> seen;  // folded names
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        const ParsedLine parsed = Parse(text.lines[i]);
        if (parsed.kind == LineKind::Key && seen.insert(AsciiFolded(parsed.name)).second) {
            entries.push_back(std::string(parsed.name) + kAssign + std::string(parsed.value));
        }
    }
    return entries;
}

}  // namespace platform
