#pragma once

#include <string>

namespace platform {

// A named part of a form: items, actions and the bar manager. The name is how forms and
// their descriptions refer to it.
class Component {
public:
    Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;
    virtual ~Component() = default;

    const std::string& Name() const { return m_name; }
    virtual void SetName(const std::string& name) { m_name = name; }

private:
    std::string m_name;
};

}  // namespace platform
