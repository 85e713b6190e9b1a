#pragma once

#include "platform/core/message_queue.h"

#include <deque>

namespace platform {

// The message queue over Qt's event loop: taking mouse or paint messages lets Qt deliver its
// pending events of that kind; posted messages wait here and reach their window's handler
// from the event loop; a quit ends the main loop (QCoreApplication::exit) once the event loop
// gets to it, unless a pump took it first.
class QtMessageQueue : public IMessageQueue {
public:
    QtMessageQueue();
    ~QtMessageQueue() override;
    QtMessageQueue(const QtMessageQueue&) = delete;
    QtMessageQueue& operator=(const QtMessageQueue&) = delete;

    std::optional<WindowMessage> Take(unsigned first, unsigned last) override;
    void Dispatch(const WindowMessage& message) override;
    void Post(const WindowMessage& message) override;
    void PostQuit(int exitCode) override;

    // Delivers the posted messages that are waiting (the event loop calls it).
    void DeliverPosted();

private:
    void Schedule();

    std::deque<WindowMessage> m_posted;
    bool m_scheduled = false;
};

// The message queue in use: the installed one, else a process-wide QtMessageQueue.
IMessageQueue& MessageQueue();

}  // namespace platform
