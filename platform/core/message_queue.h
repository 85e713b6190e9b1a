#pragma once

#include "platform/core/window_messages.h"

#include <deque>
#include <optional>

namespace platform {

// The thread's queue of waiting messages, as far as the framework's short pumps look at it.
class IMessageQueue {
public:
    virtual ~IMessageQueue() = default;
    // Removes and returns the first waiting message whose number is in first..last. A waiting
    // quit message is always taken first, whatever the range.
    virtual std::optional<WindowMessage> Take(unsigned first, unsigned last) = 0;
    // Hands a taken message to its window.
    virtual void Dispatch(const WindowMessage& message) = 0;
    virtual void Post(const WindowMessage& message) = 0;
    // Asks the main loop to end with the exit code (the quit message's wParam).
    virtual void PostQuit(int exitCode) = 0;
};

// A queue that tests fill; dispatching hands the message to the router.
class VirtualMessageQueue : public IMessageQueue {
public:
    std::optional<WindowMessage> Take(unsigned first, unsigned last) override;
    void Dispatch(const WindowMessage& message) override;
    void Post(const WindowMessage& message) override { m_messages.push_back(message); }
    void PostQuit(int exitCode) override;

    const std::deque<WindowMessage>& Messages() const { return m_messages; }
    std::size_t DispatchedCount() const { return m_dispatched; }

private:
    std::deque<WindowMessage> m_messages;
    std::size_t m_dispatched = 0;
};

// The process-wide queue (the Qt side installs its own); none until installed.
IMessageQueue* InstalledMessageQueue();
IMessageQueue* InstallMessageQueue(IMessageQueue* queue);

}  // namespace platform
