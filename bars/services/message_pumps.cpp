#include "bars/services/message_pumps.h"

#include "platform/qt/message_queue_qt.h"

namespace bars {

namespace {

bool Pump(unsigned first, unsigned last) {
    platform::IMessageQueue& queue = platform::MessageQueue();
    while (std::optional<platform::WindowMessage> message = queue.Take(first, last)) {
        if (message->message == platform::WM_QUIT) {
            // Handed back, so the main loop still ends.
            queue.PostQuit(static_cast<int>(message->wParam));
            return false;
        }
        queue.Dispatch(*message);
    }
    return true;
}

}  // namespace

bool PumpMouseMessages() { return Pump(platform::WM_MOUSEFIRST, platform::WM_MOUSELAST); }

bool PumpPaintMessages() { return Pump(platform::WM_PAINT, platform::WM_PAINT); }

}  // namespace bars
