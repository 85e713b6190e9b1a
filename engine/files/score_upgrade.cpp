#include "engine/files/score_upgrade.h"

#include <array>
#include <cassert>
#include <string>
#include <system_error>
#include <vector>

#include "engine/base/ini_section.h"
#include "engine/files/preference_file.h"
#include "engine/files/preference_keys.h"
#include "engine/base/system_utils.h"
#include "engine/base/text_utils.h"
#include "platform/core/paths.h"

namespace engine {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kVersionSection = "Version";
constexpr std::string_view kVersionKey = "Version";
constexpr std::string_view kNoVersion = "0000";
constexpr std::string_view kVersionHeaderLine = "[Version]";
constexpr std::string_view kVersionLinePrefix = "Version=";
constexpr std::string_view kTempPrefix = "rpl";

// Record lines of the old format start with "0" and get padded, then marked.
constexpr char kRecordLead = '0';
constexpr int kRecordWidth = 89;
constexpr std::string_view kRecordMark = " x";

constexpr std::string_view kErrorTempFile = "Error creating temp file.";
constexpr std::string_view kErrorDeleting = "Error in deleting the file: ";
constexpr std::string_view kErrorRenaming = "Error in renaming the file: ";

// Older versions stored these switches as "S"; "Y" is what they meant.
constexpr std::string_view kOldSwitchValue = "S";
constexpr std::string_view kRepairedSwitchValue = "Y";
constexpr auto kRepairedKeys = std::to_array<std::string_view>({"Cards_Animate", "ConfirmQuit"});

std::string ReadVersion(const fs::path& path) {
    std::vector<std::string> values;
    ReadIniSection(path, kVersionSection, {std::string(kVersionKey)}, values, {std::string(kNoVersion)});
    return values.front();
}

std::string UpgradedContent(std::string_view oldContent) {
    // Keep the file's own line ending.
    const std::string_view ending = oldContent.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
    std::string out;
    out.append(kVersionHeaderLine).append(ending);
    out.append(kVersionLinePrefix).append(kScoreFileVersion).append(ending);
    out.append(ending);
    for (const std::string& line : SplitTextLines(oldContent)) {
        if (line.starts_with(kVersionHeaderLine) || line.starts_with(kVersionLinePrefix)) {
            continue;
        }
        if (line.starts_with(kRecordLead)) {
            // Padded, never cut: a long record keeps all of its text.
            std::string record = line;
            if (record.size() < static_cast<std::size_t>(kRecordWidth)) {
                record = PadRight(record, kRecordWidth);
            }
            out.append(record).append(kRecordMark);
        } else {
            out.append(line);
        }
        out.append(ending);
    }
    return out;
}

// A file the system would refuse to delete: write-protected for its owner.
bool IsDeletable(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    return !ec && fs::is_regular_file(status) && (status.permissions() & fs::perms::owner_write) != fs::perms::none;
}

// Only a temporary file that cannot be made stops the preference repairs that follow.
enum class Outcome { Upgraded, Unchanged, NotReplaced, NoTempFile };

Outcome RewriteScoreFile(const fs::path& path, platform::IMessages& messages, const ScoreFileOps& ops) {
    std::string oldContent;
    if (!ops.readFile(path, oldContent)) {
        return Outcome::Unchanged;  // nothing we could rewrite, so nothing is touched
    }
    fs::path temp;
    if (!ops.makeTempFileName(path.parent_path(), kTempPrefix, temp)) {
        ShowInfo(messages, std::string(kErrorTempFile));
        return Outcome::NoTempFile;
    }
    // A temporary that cannot be filled is as good as none: remove it rather than
    // put a short file in the place of the scores.
    if (!platform::WriteFileAtomically(temp, UpgradedContent(oldContent))) {
        std::error_code ec;
        fs::remove(temp, ec);
        ShowInfo(messages, std::string(kErrorTempFile));
        return Outcome::NoTempFile;
    }
    // The upgraded file keeps the old one's permissions.
    std::error_code ec;
    const fs::perms oldPermissions = fs::status(path, ec).permissions();
    if (!ec) {
        fs::permissions(temp, oldPermissions, ec);
    }
    // One rename replaces the old file, so a failure leaves it whole and the temporary
    // holds nothing that is not in it.
    if (!IsDeletable(path)) {
        fs::remove(temp, ec);
        ShowInfo(messages, std::string(kErrorDeleting) + path.string());
        return Outcome::NotReplaced;
    }
    if (!ops.replaceFile(temp, path)) {
        fs::remove(temp, ec);
        ShowInfo(messages, std::string(kErrorRenaming) + temp.string() + std::string(kLineBreak) + "to: " +
                               path.string());
        return Outcome::NotReplaced;
    }
    return Outcome::Upgraded;
}

void RepairOldSwitches(const platform::PathResolver& paths) {
    PreferenceFile preferences(paths);
    for (const std::string_view key : kRepairedKeys) {
        if (preferences.ReadString(kSectionPreference, key, "") == kOldSwitchValue) {
            preferences.WriteString(kSectionPreference, key, kRepairedSwitchValue);
        }
    }
}

}  // namespace

ScoreFileOps ScoreFileOps::System() {
    ScoreFileOps ops;
    ops.readFile = [](const fs::path& file, std::string& content) { return platform::ReadFile(file, content); };
    ops.makeTempFileName = [](const fs::path& folder, std::string_view prefix, fs::path& name) {
        return MakeTempFileName(folder, prefix, name);
    };
    ops.replaceFile = [](const fs::path& from, const fs::path& to) {
        std::error_code ec;
        fs::rename(from, to, ec);
        return !ec;
    };
    return ops;
}

void UpgradeScoreFile(const Services& services, const ScoreFileOps& ops) {
    assert(services.paths != nullptr && services.messages != nullptr);
    // Through a link the target is upgraded, never the link.
    const fs::path path = platform::LinkTarget(services.paths->Resolve(kScoreFileName));
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return;
    }
    if (ReadVersion(path) < kScoreFileVersion &&
        RewriteScoreFile(path, *services.messages, ops) == Outcome::NoTempFile) {
        return;
    }
    RepairOldSwitches(*services.paths);
}

}  // namespace engine
