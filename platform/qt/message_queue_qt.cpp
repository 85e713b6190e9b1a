#include "platform/qt/message_queue_qt.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace platform {

namespace {

bool Overlaps(unsigned first, unsigned last, unsigned low, unsigned high) { return first <= high && low <= last; }

}  // namespace

QtMessageQueue::QtMessageQueue() : m_context(std::make_unique<QObject>()) {}

QtMessageQueue::~QtMessageQueue() = default;

std::optional<WindowMessage> QtMessageQueue::Take(unsigned first, unsigned last) {
    // A quit that arrives meanwhile stays waiting here, for this pump to take.
    m_taking = true;
    if (Overlaps(first, last, WM_MOUSEFIRST, WM_MOUSELAST) || Overlaps(first, last, WM_NCMOUSEMOVE, WM_NCMBUTTONDBLCLK))
        QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
    if (Overlaps(first, last, WM_PAINT, WM_PAINT)) QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    m_taking = false;
    if (m_quit) {
        const int code = *m_quit;
        m_quit.reset();
        return WindowMessage{kNoWindow, WM_QUIT, code, 0};
    }
    for (auto it = m_posted.begin(); it != m_posted.end(); ++it) {
        if (it->message < first || it->message > last) continue;
        const WindowMessage message = *it;
        m_posted.erase(it);
        return message;
    }
    return std::nullopt;
}

void QtMessageQueue::Dispatch(const WindowMessage& message) { MessageRouter::Instance().Send(message); }

void QtMessageQueue::Post(const WindowMessage& message) {
    m_posted.push_back(message);
    Schedule();
}

void QtMessageQueue::PostQuit(int exitCode) {
    m_quit = exitCode;
    const unsigned serial = ++m_quitSerial;
    QMetaObject::invokeMethod(
        m_context.get(),
        [this, serial] {
            if (serial != m_quitSerial || !m_quit || m_taking) return;
            const int code = *m_quit;
            m_quit.reset();
            QCoreApplication::exit(code);
        },
        Qt::QueuedConnection);
}

void QtMessageQueue::DeliverPosted() {
    m_scheduled = false;
    // Messages posted while these are handled wait for the next round.
    std::deque<WindowMessage> waiting;
    waiting.swap(m_posted);
    for (const WindowMessage& message : waiting) Dispatch(message);
}

void QtMessageQueue::Schedule() {
    if (m_scheduled) return;
    m_scheduled = true;
    QMetaObject::invokeMethod(m_context.get(), [this] { DeliverPosted(); }, Qt::QueuedConnection);
}

IMessageQueue& MessageQueue() {
    if (IMessageQueue* installed = InstalledMessageQueue()) return *installed;
    static QtMessageQueue queue;
    return queue;
}

}  // namespace platform
