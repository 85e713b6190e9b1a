#include "platform/core/window_messages.h"

namespace platform {

MessageRouter& MessageRouter::Instance() {
    static MessageRouter router;
    return router;
}

void MessageRouter::Register(WindowHandle window, MessageHandler handler) {
    if (window == kNoWindow) return;
    m_handlers[window] = std::make_shared<MessageHandler>(std::move(handler));
}

void MessageRouter::Unregister(WindowHandle window) { m_handlers.erase(window); }

std::intptr_t MessageRouter::Send(const WindowMessage& message) {
    const auto found = m_handlers.find(message.window);
    if (found == m_handlers.end()) return 0;
    // Held while it runs, so a handler that unregisters its window does not free itself.
    const std::shared_ptr<MessageHandler> handler = found->second;
    return (*handler) ? (*handler)(message) : 0;
}

}  // namespace platform
