#pragma once

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

namespace platform {

class Component;

// A method reference of the form library: fired only when set, copied by reference, and
// two copies of one handler compare equal (an item tells its own click handler from the
// one its action lent it).
template <class... Args>
class Event {
public:
    Event() = default;
    template <class F>
        requires(!std::is_same_v<std::decay_t<F>, Event> && std::is_invocable_v<F&, Args...>)
    Event(F handler)  // NOLINT: handlers convert implicitly, as method references do
        : m_handler(std::make_shared<const std::function<void(Args...)>>(std::move(handler))) {}

    explicit operator bool() const { return m_handler != nullptr; }
    void operator()(Args... args) const {
        // Held for the call: a handler may free the component that owns this event.
        if (const auto handler = m_handler) {
            (*handler)(args...);
        }
    }
    bool operator==(const Event& other) const { return m_handler == other.m_handler; }

private:
    std::shared_ptr<const std::function<void(Args...)>> m_handler;
};

// The sender is the component that fires the event.
using NotifyEvent = Event<Component*>;

}  // namespace platform
