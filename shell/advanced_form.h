#pragma once

#include <functional>
#include <string_view>

#include "platform/qt/form.h"

namespace shell {

// The designed font and its stand-in where it is not installed.
inline constexpr std::string_view kDesignFont = "Tahoma";
inline constexpr std::string_view kFallbackFont = "MS Sans Serif";

// Whether the design font is installed, asked once per process by the first window made.
class FontFallback {
public:
    enum class State { kUntested = 0, kInstalled = 10, kMissing = 11 };
    using FontTest = std::function<bool(std::string_view family)>;

    explicit FontFallback(FontTest test = {}) : m_test(std::move(test)) {}

    void SetFontTest(FontTest test) { m_test = std::move(test); }
    State Current() const { return m_state; }
    // Tests the font at the first call; without it, switches the form and those of its
    // text-bearing controls that use it to the stand-in.
    void Apply(platform::Form& form);

private:
    FontTest m_test;
    State m_state = State::kUntested;
};

// The one the program's windows use.
FontFallback& ProcessFontFallback();

// The base of every window of the program: a form whose design font falls back to the
// stand-in when it is missing. A window calls Created() once its controls exist.
class C_TAdvancedForm : public platform::Form {
    Q_OBJECT
public:
    explicit C_TAdvancedForm(QWidget* owner = nullptr, FontFallback* fallback = nullptr);

    // The font check, then the window's creation handler.
    void Created() override;

protected:
    // F1 opens the window's help page, when it has one.
    void keyPressEvent(QKeyEvent* event) override;

private:
    FontFallback& m_fallback;
};

}  // namespace shell
