#include "platform/qt/message_queue_qt.h"

#include <QCoreApplication>

namespace platform {

QtMessageQueue::QtMessageQueue() = default;
QtMessageQueue::~QtMessageQueue() = default;

std::optional<WindowMessage> QtMessageQueue::Take(unsigned, unsigned) { return std::nullopt; }

void QtMessageQueue::Dispatch(const WindowMessage& message) { MessageRouter::Instance().Send(message); }

void QtMessageQueue::Post(const WindowMessage& message) { m_posted.push_back(message); }

void QtMessageQueue::PostQuit(int exitCode) { QCoreApplication::exit(exitCode); }

void QtMessageQueue::DeliverPosted() {}

void QtMessageQueue::Schedule() {}

IMessageQueue& MessageQueue() {
    if (IMessageQueue* installed = InstalledMessageQueue()) return *installed;
    static QtMessageQueue queue;
    return queue;
}

}  // namespace platform
