#include "platform/core/message_queue.h"

#include <utility>

namespace platform {

namespace {

IMessageQueue* g_installed = nullptr;

}  // namespace

IMessageQueue* InstalledMessageQueue() { return g_installed; }

IMessageQueue* InstallMessageQueue(IMessageQueue* queue) { return std::exchange(g_installed, queue); }

std::optional<WindowMessage> VirtualMessageQueue::Take(unsigned first, unsigned last) {
    for (auto it = m_messages.begin(); it != m_messages.end(); ++it) {
        if (it->message != WM_QUIT) continue;
        const WindowMessage quit = *it;
        m_messages.erase(it);
        return quit;
    }
    for (auto it = m_messages.begin(); it != m_messages.end(); ++it) {
        if (it->message < first || it->message > last) continue;
        const WindowMessage message = *it;
        m_messages.erase(it);
        return message;
    }
    return std::nullopt;
}

void VirtualMessageQueue::Dispatch(const WindowMessage& message) {
    ++m_dispatched;
    MessageRouter::Instance().Send(message);
}

void VirtualMessageQueue::PostQuit(int exitCode) { m_messages.push_back({kNoWindow, WM_QUIT, exitCode, 0}); }

}  // namespace platform
