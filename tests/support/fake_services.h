#pragma once

#include "engine/ports/services.h"
#include "platform/core/clock.h"
#include "platform/core/messages.h"
#include "platform/core/paths.h"
#include "platform/core/process.h"
#include "platform/core/random.h"
#include "platform/core/shell_open.h"

#include <cstddef>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace test_support {

// One message box (or beep) as the player would have seen it.
struct MessageEvent {
    enum class Kind { Info, Error, Confirm, Beep };
    Kind kind = Kind::Info;
    std::string text;
    std::string caption;  // the error title or the confirmation caption
    unsigned beepType = 0;
};

// Records every message in order; confirmations answer from a script, OK once it runs out.
class ScriptedMessages : public platform::IMessages {
public:
    void ShowInfo(const std::string& text) override;
    bool Confirm(const std::string& text, const std::string& caption) override;
    void ShowError(const std::string& title, const std::string& text) override;
    void Beep(unsigned type) override;

    void QueueConfirmAnswer(bool ok) { m_answers.push_back(ok); }
    const std::vector<MessageEvent>& Events() const { return m_events; }
    std::size_t Count(MessageEvent::Kind kind) const;
    // The texts of every event of a kind, in order.
    std::vector<std::string> Texts(MessageEvent::Kind kind) const;
    void Clear() { m_events.clear(); }

private:
    std::vector<MessageEvent> m_events;
    std::deque<bool> m_answers;
};

struct ShellOpenCall {
    std::string file;
    std::string parameters;
    std::string folder;
    int showMode = 0;
};

class RecordingShellOpen : public platform::IShellOpen {
public:
    // Above 32, so callers see success unless a test says otherwise.
    static constexpr int kDefaultResult = 42;

    int Open(const std::string& file, const std::string& parameters, const std::string& folder,
             int showMode) override;

    void SetResult(int code) { m_result = code; }
    const std::vector<ShellOpenCall>& Calls() const { return m_calls; }
    // Runs inside each Open, while the desktop would be opening the file.
    std::function<void()> onOpen;

private:
    int m_result = kDefaultResult;
    std::vector<ShellOpenCall> m_calls;
};

// Records the requests to end the program; the test keeps running.
class RecordingProcess : public platform::IProcess {
public:
    void Terminate(int exitCode) override { m_exitCodes.push_back(exitCode); }

    bool Terminated() const { return !m_exitCodes.empty(); }
    const std::vector<int>& ExitCodes() const { return m_exitCodes; }

private:
    std::vector<int> m_exitCodes;
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // Writes a file at a "/"-separated path below the folder, creating its folders.
    std::filesystem::path WriteFile(std::string_view relativePath, std::string_view content) const;
    // The whole content of a file below the folder; empty when it cannot be read.
    std::string ReadFile(std::string_view relativePath) const;

private:
    std::filesystem::path m_path;
};

// Every platform service the engine needs, as doubles over a private temporary program folder.
class FakeServices {
public:
    FakeServices();
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    engine::Services Services();

    platform::VirtualClock& Clock() { return m_clock; }
    platform::RandomGenerator& Random() { return m_random; }
    ScriptedMessages& Messages() { return m_messages; }
    RecordingShellOpen& Shell() { return m_shell; }
    RecordingProcess& Process() { return m_process; }
    const TempFolder& Folder() const { return m_folder; }
    const platform::PathResolver& Paths() const { return m_paths; }

private:
    platform::VirtualClock m_clock;
    platform::RandomGenerator m_random{0};
    ScriptedMessages m_messages;
    RecordingShellOpen m_shell;
    RecordingProcess m_process;
    TempFolder m_folder;
    platform::PathResolver m_paths;
};

}  // namespace test_support
