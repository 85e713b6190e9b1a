#pragma once

#include <QWidget>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class BorderStyle {
    kNone,      // no caption, no frame, no border icons
    kSingle,    // fixed size while it shows; caption, close and help buttons
    kDialog,    // the same, as the platform's dialogs draw it
    kSizeable,  // the ordinary resizable window
};

// Where a form first appears.
enum class FormPosition { kDefault, kScreenCenter, kOwnerCenter };

enum class FormWindowState { kNormal, kMinimized, kMaximized };

// What a close leaves of the form once the close handler has run.
enum class CloseAction { kNone, kHide, kFree };

// The results a modal form ends with; 0 keeps the modal loop running.
inline constexpr int kModalNone = 0;
inline constexpr int kModalOk = 1;
inline constexpr int kModalCancel = 2;

enum class FormMouseButton { kLeft, kRight, kMiddle };

struct FormShift {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// The form's events, as handlers bound by the window that designs the form. Each runs only
// when set. Order: create, show, activate (then paint and resize as the window system
// asks), close query, close, hide.
struct FormEvents {
    std::function<void()> onCreate;
    std::function<void()> onShow;
    std::function<void()> onActivate;
    std::function<void()> onDeactivate;
    std::function<void()> onHide;
    std::function<void()> onPaint;
    std::function<void()> onResize;
    std::function<void(FormMouseButton, FormShift, int x, int y)> onMouseDown;
    std::function<void(FormShift, int x, int y)> onMouseMove;
    std::function<void(FormMouseButton, FormShift, int x, int y)> onMouseUp;
    std::function<void()> onDblClick;
    std::function<void(char& key)> onKeyPress;
    std::function<void(bool& canClose)> onCloseQuery;
    std::function<void(CloseAction& action)> onClose;
};

// A window of the program: a top-level widget with a caption, a client size, a border
// style, a font and a help context, shown plainly or modally. Its controls are child
// widgets named as the form names them; panels aligned to the top or bottom are placed
// on every resize. The owner (when given) keeps the form above it and frees it with it.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* owner = nullptr);
    ~Form() override;

    FormEvents events;

    // Runs onCreate; the window that designs the form calls it once its controls exist.
    virtual void Created();

    std::string Caption() const;
    void SetCaption(std::string_view caption);
    void SetClientSize(int width, int height) { resize(width, height); }
    void SetBorderStyle(BorderStyle style);
    BorderStyle Border() const { return m_border; }
    bool HasFixedBorder() const { return m_border == BorderStyle::kSingle || m_border == BorderStyle::kDialog; }
    void SetStayOnTop(bool onTop);
    // Gives the form another owner (none: a window on its own), keeping its place and
    // whether it shows.
    void SetOwner(QWidget* owner);
    void SetPosition(FormPosition position) { m_position = position; }
    std::string FontName() const;
    void SetFontName(std::string_view name);
    void SetFontPixelHeight(int pixels);
    int HelpContext() const { return m_helpContext; }
    void SetHelpContext(int context) { m_helpContext = context; }

    FormWindowState WindowState() const;
    void SetWindowState(FormWindowState state);

    // Shows the form and brings it to the front (the first show places it first).
    void Show();
    void Hide() { hide(); }
    // Paints the pending invalid areas now.
    void Update() { repaint(); }
    // Shows the form until it is closed or given a modal result; returns that result
    // (kModalCancel for a plain close). The application's show hook may answer instead.
    int ShowModal();
    int ModalResult() const { return m_modalResult; }
    // A result other than kModalNone ends a modal show.
    void SetModalResult(int result);
    // Asks the close query, then runs the close handler; false when the close was refused.
    bool Close() { return close(); }
    bool IsModal() const { return m_modalDepth > 0; }

    // The named components below the form, in the order they were made.
    std::vector<QObject*> Components() const;
    // The control of that name, or none.
    template <typename T>
    T* Control(std::string_view name) const {
        return findChild<T*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }

signals:
    // After a close that was allowed.
    void Closed();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // Places the aligned panels; a subclass may lay out more after it.
    virtual void AlignControls();
    // The part of the client area the aligned panels share; a form with dock areas of its
    // own leaves them out.
    virtual QRect AlignArea() const { return rect(); }

private:
    void PlaceFirstTime();
    void ApplyFlags();

    BorderStyle m_border = BorderStyle::kSizeable;
    bool m_stayOnTop = false;
    FormPosition m_position = FormPosition::kDefault;
    int m_helpContext = 0;
    int m_modalResult = kModalNone;
    int m_modalDepth = 0;
    bool m_placed = false;
};

}  // namespace platform
