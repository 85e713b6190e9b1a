#include "tests/support/fake_services.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace test_support {

namespace fs = std::filesystem;

void ScriptedMessages::ShowInfo(const std::string& text) {
    m_events.push_back({MessageEvent::Kind::Info, text, {}, 0});
}

bool ScriptedMessages::Confirm(const std::string& text, const std::string& caption) {
    m_events.push_back({MessageEvent::Kind::Confirm, text, caption, 0});
    if (m_answers.empty()) {
        return true;
    }
    const bool answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void ScriptedMessages::ShowError(const std::string& title, const std::string& text) {
    m_events.push_back({MessageEvent::Kind::Error, text, title, 0});
}

void ScriptedMessages::Beep(unsigned type) {
    m_events.push_back({MessageEvent::Kind::Beep, {}, {}, type});
}

std::size_t ScriptedMessages::Count(MessageEvent::Kind kind) const {
    std::size_t count = 0;
    for (const MessageEvent& event : m_events) {
        count += event.kind == kind ? 1 : 0;
    }
    return count;
}

std::vector<std::string> ScriptedMessages::Texts(MessageEvent::Kind kind) const {
    std::vector<std::string> texts;
    for (const MessageEvent& event : m_events) {
        if (event.kind == kind) {
            texts.push_back(event.text);
        }
    }
    return texts;
}

int RecordingShellOpen::Open(const std::string& file, const std::string& parameters, const std::string& folder,
                             int showMode) {
    m_calls.push_back({file, parameters, folder, showMode});
    if (onOpen) onOpen();
    return m_result;
}

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "corvanet-test-XXXXXX").native();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    m_path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    // A test may have made parts read-only; give the owner back full access first.
    for (auto it = fs::recursive_directory_iterator(m_path, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (it->is_directory(ec)) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        }
    }
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

fs::path TempFolder::WriteFile(std::string_view relativePath, std::string_view content) const {
    const fs::path path = m_path / fs::path(std::string(relativePath));
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.native());
    }
    return path;
}

std::string TempFolder::ReadFile(std::string_view relativePath) const {
    std::ifstream in(m_path / fs::path(std::string(relativePath)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

FakeServices::FakeServices() : m_paths(m_folder.Path()) {}

engine::Services FakeServices::Services() {
    engine::Services services;
    services.clock = &m_clock;
    services.random = &m_random;
    services.messages = &m_messages;
    services.shell = &m_shell;
    services.process = &m_process;
    services.paths = &m_paths;
    return services;
}

}  // namespace test_support
