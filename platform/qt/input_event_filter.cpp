#include "platform/qt/input_event_filter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace platform {

InputEventFilter& InputEventFilter::Instance() {
    static InputEventFilter* filter = new InputEventFilter;  // lives as long as the application
    return *filter;
}

void InputEventFilter::Connect() {}
void InputEventFilter::Acquire() {}
void InputEventFilter::Release() {}
void InputEventFilter::Update() {}

bool InputEventFilter::eventFilter(QObject* watched, QEvent* event) { return QObject::eventFilter(watched, event); }

bool InputEventFilter::HandleKey(QWidget*, QEvent*) { return false; }
bool InputEventFilter::HandleMouse(QWidget*, QEvent*) { return false; }
void InputEventFilter::HandleTopLevel(QWidget*, QEvent*) {}

std::optional<MouseHookMessage> MouseMessageOf(QWidget*, const QEvent&) { return std::nullopt; }
std::optional<CallWindowMessage> CallWindowMessageOf(QWidget*, const QEvent&) { return std::nullopt; }

}  // namespace platform
