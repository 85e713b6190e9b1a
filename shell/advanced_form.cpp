#include "shell/advanced_form.h"

#include <QKeyEvent>

#include "bars/manager/bar_manager.h"
#include "bars/manager/manager_list.h"
#include "platform/qt/application.h"
#include "platform/qt/controls.h"

namespace shell {

namespace {

bool UsesDesignFont(const QFont& font) { return font.family() == platform::ToQString(kDesignFont); }

void SwitchFont(QWidget& widget) {
    if (UsesDesignFont(widget.font())) platform::SetFontFamily(widget, kFallbackFont);
}

// The kinds whose fonts change, each decided on its own font but the notebook, which is
// decided on its tab font and then changes both.
void SwitchComponent(QObject& component) {
    if (auto* notebook = qobject_cast<platform::Notebook*>(&component)) {
        if (!UsesDesignFont(notebook->TabFont())) return;
        QFont tabs = notebook->TabFont();
        tabs.setFamily(platform::ToQString(kFallbackFont));
        notebook->SetTabFont(tabs);
        platform::SetFontFamily(*notebook, kFallbackFont);
        return;
    }
    if (qobject_cast<platform::Label*>(&component) != nullptr || qobject_cast<platform::GroupBox*>(&component) != nullptr ||
        qobject_cast<platform::Button*>(&component) != nullptr || qobject_cast<platform::Panel*>(&component) != nullptr ||
        component.property("fontFallback").toBool())
        SwitchFont(static_cast<QWidget&>(component));
}

}  // namespace

void FontFallback::Apply(platform::Form& form) {
    if (m_state == State::kUntested) m_state = !m_test || m_test(kDesignFont) ? State::kInstalled : State::kMissing;
    if (m_state != State::kMissing) return;
    form.SetFontName(kFallbackFont);
    for (QObject* component : form.Components())
        if (component->isWidgetType()) SwitchComponent(*component);
    // The menu manager is no window: it draws its bars with a font of its own.
    if (bars::TcbBarManager* manager = bars::BarManagers().ManagerOfForm(&form);
        manager != nullptr && manager->Font().name == kDesignFont) {
        platform::CanvasFont font = manager->Font();
        font.name = std::string(kFallbackFont);
        manager->SetFont(font);
    }
}

FontFallback& ProcessFontFallback() {
    static FontFallback fallback;
    return fallback;
}

C_TAdvancedForm::C_TAdvancedForm(QWidget* owner, FontFallback* fallback)
    : platform::Form(owner), m_fallback(fallback != nullptr ? *fallback : ProcessFontFallback()) {
    platform::SetFontFamily(*this, kDesignFont);
}

void C_TAdvancedForm::Created() {
    m_fallback.Apply(*this);
    platform::Form::Created();
}

void C_TAdvancedForm::keyPressEvent(QKeyEvent* event) {
    platform::Application* app = platform::Application::Instance();
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier && app != nullptr &&
        app->ShowHelpContext(HelpContext()))
        return;
    platform::Form::keyPressEvent(event);
}

}  // namespace shell
