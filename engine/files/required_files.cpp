#include "engine/files/required_files.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <system_error>

#include "engine/ports/services.h"
#include "engine/base/text_utils.h"
#include "platform/core/messages.h"
#include "platform/core/process.h"

namespace engine {

namespace {

constexpr std::string_view kErrorTitle = "Error";
constexpr std::string_view kMissingFile = "Cannot find file:";
constexpr std::string_view kMissingImageFile = "Cannot find images file:";
constexpr std::string_view kImagesConsequence = "Some program components cannot be shown correctly.";
constexpr std::string_view kCopyAdvice = "Copy the file into the directory that above is specified";
constexpr std::string_view kReinstallAdvice = "or reinstall the program.";

bool FileExists(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (const std::string_view line : lines) {
        if (!text.empty()) text += kLineBreak;
        text += line;
    }
    return text;
}

bool Require(const Services& services, const std::filesystem::path& file, const std::string& message) {
    if (FileExists(file)) return true;
    if (services.messages != nullptr) services.messages->ShowError(std::string(kErrorTitle), message);
    if (services.process != nullptr) services.process->Terminate(kMissingFileExitCode);
    return false;
}

}  // namespace

bool RequireFile(const Services& services, const std::filesystem::path& file) {
    return Require(services, file, Lines({kMissingFile, file.string(), kCopyAdvice, kReinstallAdvice}));
}

bool RequireImageFile(const Services& services, const std::filesystem::path& file) {
    return Require(services, file,
                   Lines({kMissingImageFile, file.string(), kImagesConsequence, kCopyAdvice, kReinstallAdvice}));
}

}  // namespace engine
