#pragma once

#include "platform/core/message_queue.h"

#include <deque>
#include <memory>
#include <optional>

class QObject;

namespace platform {

// The message queue over Qt's event loop. Qt's own queue cannot be searched by kind, so taking
// mouse messages lets Qt deliver what it has waiting (mouse and the rest) and taking paint
// messages lets it deliver its pending repaints; messages posted here wait in this queue and
// reach their window's handler from the event loop. A quit ends the main loop
// (QCoreApplication::exit) once the event loop gets to it, unless a pump took it first.
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
    bool m_taking = false;
    std::optional<int> m_quit;  // the exit code of a quit not yet taken
    unsigned m_quitSerial = 0;  // a quit's event only acts when no later quit replaced it
    std::unique_ptr<QObject> m_context;
};

// The message queue in use: the installed one, else a process-wide QtMessageQueue.
IMessageQueue& MessageQueue();

}  // namespace platform
