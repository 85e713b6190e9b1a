#include "platform/qt/form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <optional>

#include "platform/qt/application.h"
#include "platform/qt/controls.h"

namespace platform {

namespace {

std::optional<FormMouseButton> ButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return FormMouseButton::kLeft;
    case Qt::RightButton:
        return FormMouseButton::kRight;
    case Qt::MiddleButton:
        return FormMouseButton::kMiddle;
    default:
        return std::nullopt;
    }
}

FormShift ShiftOf(Qt::KeyboardModifiers modifiers) {
    return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier),
            modifiers.testFlag(Qt::AltModifier)};
}

void Run(const std::function<void()>& handler) {
    if (handler) handler();
}

}  // namespace

Form::Form(QWidget* owner) : QWidget(owner, Qt::Window) { ApplyFlags(); }

Form::~Form() = default;

void Form::Created() { Run(events.onCreate); }

std::string Form::Caption() const { return windowTitle().toStdString(); }

void Form::SetCaption(std::string_view caption) {
    setWindowTitle(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

void Form::SetBorderStyle(BorderStyle style) {
    m_border = style;
    ApplyFlags();
}

void Form::SetStayOnTop(bool onTop) {
    m_stayOnTop = onTop;
    ApplyFlags();
}

void Form::SetOwner(QWidget* owner) {
    if (owner == parentWidget()) return;
    const bool shown = isVisible();
    const QPoint place = pos();
    setParent(owner, Qt::Window);
    ApplyFlags();
    if (shown) {
        move(place);
        show();
    }
}

void Form::ApplyFlags() {
    // The window manager keeps a window above the window that owns it only when it is a
    // dialog; a plain window with an owner could be buried under it by a click.
    const bool owned = parentWidget() != nullptr;
    Qt::WindowFlags flags = owned ? Qt::Dialog : Qt::Window;
    switch (m_border) {
    case BorderStyle::kNone:
        flags |= Qt::FramelessWindowHint;
        break;
    case BorderStyle::kSingle:
    case BorderStyle::kDialog:
        // Only the caption, the close button and the help button: no minimising, and with
        // the size fixed while it shows, no resizing or maximising either.
        flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint;
        break;
    case BorderStyle::kSizeable:
        if (owned)
            flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                     Qt::WindowCloseButtonHint;
        break;
    }
    if (m_stayOnTop) flags |= Qt::WindowStaysOnTopHint;
    const bool shown = isVisible();
    setWindowFlags(flags);
    if (shown) show();
}

std::string Form::FontName() const { return font().family().toStdString(); }

void Form::SetFontName(std::string_view name) {
    QFont f = font();
    f.setFamily(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    setFont(f);
}

void Form::SetFontPixelHeight(int pixels) {
    QFont f = font();
    f.setPixelSize(pixels);
    setFont(f);
}

FormWindowState Form::WindowState() const {
    if (isMinimized()) return FormWindowState::kMinimized;
    if (isMaximized()) return FormWindowState::kMaximized;
    return FormWindowState::kNormal;
}

void Form::SetWindowState(FormWindowState state) {
    switch (state) {
    case FormWindowState::kNormal:
        setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
        break;
    case FormWindowState::kMinimized:
        setWindowState(windowState() | Qt::WindowMinimized);
        break;
    case FormWindowState::kMaximized:
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        break;
    }
}

void Form::PlaceFirstTime() {
    if (m_placed) return;
    m_placed = true;
    const QWidget* owner = parentWidget();
    QRect area;
    if (m_position == FormPosition::kOwnerCenter && owner != nullptr) {
        area = owner->frameGeometry();
    } else if (m_position != FormPosition::kDefault) {
        const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
        if (s != nullptr) area = s->availableGeometry();
    }
    if (!area.isEmpty()) move(area.center() - QPoint(width() / 2, height() / 2));
}

void Form::Show() {
    PlaceFirstTime();
    show();
    // The offscreen platform of the tests has no stacking order and says so on every raise.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) raise();
    activateWindow();
}

void Form::SetModalResult(int result) {
    m_modalResult = result;
    if (result != kModalNone && m_modalDepth > 0) hide();
}

int Form::ShowModal() {
    m_modalResult = kModalNone;
    if (Application* app = Application::Instance(); app != nullptr && app->ShowHook()) {
        // Tests answer here: the form was made and set up as for a real show.
        Run(events.onShow);
        const int answer = app->ShowHook()(*this);
        m_modalResult = answer == kModalNone ? kModalCancel : answer;
        return m_modalResult;
    }
    setWindowModality(Qt::ApplicationModal);
    ++m_modalDepth;
    QPointer<Form> self(this);
    QEventLoop loop;
    connect(this, &Form::Closed, &loop, &QEventLoop::quit);
    Show();
    while (self && isVisible() && m_modalResult == kModalNone) loop.processEvents(QEventLoop::WaitForMoreEvents);
    if (!self) return kModalCancel;
    --m_modalDepth;
    hide();
    setWindowModality(Qt::NonModal);
    if (m_modalResult == kModalNone) m_modalResult = kModalCancel;
    return m_modalResult;
}

std::vector<QObject*> Form::Components() const {
    std::vector<QObject*> found;
    for (QObject* child : findChildren<QObject*>())
        if (!child->objectName().isEmpty() && !child->objectName().startsWith(QLatin1String("qt_")))
            found.push_back(child);
    return found;
}

bool Form::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowActivate:
        Run(events.onActivate);
        break;
    case QEvent::WindowDeactivate:
        Run(events.onDeactivate);
        break;
    case QEvent::WindowStateChange:
        // A fixed border offers no minimising; a window manager that minimises the form
        // anyway (it may draw the button regardless) sees it come straight back.
        if (HasFixedBorder() && windowState().testFlag(Qt::WindowMinimized))
            QTimer::singleShot(0, this, [this] {
                if (!isVisible() || !windowState().testFlag(Qt::WindowMinimized)) return;
                setWindowState(windowState() & ~Qt::WindowMinimized);
                activateWindow();
            });
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void Form::showEvent(QShowEvent* event) {
    // A fixed border keeps the size the form has when it shows, after its last layout step;
    // this comes before the window is on the screen.
    if (!event->spontaneous() && HasFixedBorder()) setFixedSize(size());
    QWidget::showEvent(event);
    if (!event->spontaneous()) Run(events.onShow);
}

void Form::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Hidden, the form may be laid out anew (a longer text, a taller box) before it shows again.
    if (!event->spontaneous() && HasFixedBorder()) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    if (!event->spontaneous()) Run(events.onHide);
}

void Form::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    Run(events.onPaint);
}

void Form::AlignControls() {
    const QRect area = AlignArea();
    int top = area.top();
    int bottom = area.top() + area.height();
    for (QObject* child : children()) {
        auto* panel = qobject_cast<Panel*>(child);
        if (panel == nullptr || panel->isHidden()) continue;
        if (panel->Alignment() == Align::kTop) {
            panel->setGeometry(area.left(), top, area.width(), panel->height());
            top += panel->height();
        } else if (panel->Alignment() == Align::kBottom) {
            bottom -= panel->height();
            panel->setGeometry(area.left(), bottom, area.width(), panel->height());
        }
    }
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    AlignControls();
    Run(events.onResize);
}

void Form::mousePressEvent(QMouseEvent* event) {
    const std::optional<FormMouseButton> button = ButtonOf(event->button());
    if (!button || !events.onMouseDown) return;
    const QPoint p = event->position().toPoint();
    events.onMouseDown(*button, ShiftOf(event->modifiers()), p.x(), p.y());
}

void Form::mouseMoveEvent(QMouseEvent* event) {
    if (!events.onMouseMove) return;
    const QPoint p = event->position().toPoint();
    events.onMouseMove(ShiftOf(event->modifiers()), p.x(), p.y());
}

void Form::mouseReleaseEvent(QMouseEvent* event) {
    const std::optional<FormMouseButton> button = ButtonOf(event->button());
    if (!button || !events.onMouseUp) return;
    const QPoint p = event->position().toPoint();
    events.onMouseUp(*button, ShiftOf(event->modifiers()), p.x(), p.y());
}

// The second press of a double click: the double-click event first, then the press, as
// the platform the forms are modelled on delivers them.
void Form::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Run(events.onDblClick);
    mousePressEvent(event);
}

void Form::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (events.onKeyPress && text.size() == 1 && text.front().unicode() < 0x80) {
        char key = static_cast<char>(text.front().unicode());
        events.onKeyPress(key);
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    if (events.onCloseQuery) events.onCloseQuery(canClose);
    if (!canClose) {
        event->ignore();
        return;
    }
    CloseAction action = CloseAction::kHide;
    if (events.onClose) events.onClose(action);
    if (action == CloseAction::kNone) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_modalDepth > 0 && m_modalResult == kModalNone) m_modalResult = kModalCancel;
    emit Closed();
    if (action == CloseAction::kFree) deleteLater();
}

}  // namespace platform
