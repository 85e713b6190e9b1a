#pragma once

#include <QAbstractButton>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

#include <functional>
#include <string>
#include <string_view>

#include "platform/qt/form.h"

namespace platform {

class PopupMenu;

QString ToQString(std::string_view text);

// Where a control sits in its parent: top- and bottom-aligned panels take the parent's
// whole width and stack from that edge in the order they were made.
enum class Align { kNone, kTop, kBottom };

// Gives the widget a font family, leaving its size and style alone.
void SetFontFamily(QWidget& widget, std::string_view family);

// A glyph as the library's glyphs are drawn: its bottom-left pixel's colour is transparent
// wherever it appears. Scaled by a whole factor.
QPixmap KeyedGlyph(const QImage& image, int scale = 1);

// A panel: a plain, optionally raised, box that holds other controls and may carry a
// pop-up menu for right-clicks.
class Panel : public QFrame {
    Q_OBJECT
public:
    Panel(QWidget* parent, std::string_view name);

    Align Alignment() const { return m_align; }
    void SetAlignment(Align align) { m_align = align; }
    void SetBevel(bool raised);
    void SetPopupMenu(PopupMenu* menu) { m_popup = menu; }
    PopupMenu* Popup() const { return m_popup; }

    std::function<void(int x, int y)> onMouseMove;

protected:
    // A press on a panel is the panel's: it never reaches the window under it.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    Align m_align = Align::kNone;
    PopupMenu* m_popup = nullptr;
};

// A static text.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget* parent, std::string_view name, std::string_view caption = {});

    std::string Caption() const { return text().toStdString(); }
    void SetCaption(std::string_view caption) { setText(ToQString(caption)); }
    // Right-aligned text keeps its right edge where the label ends.
    void SetRightAligned(bool right);
};

// A push button.
class Button : public QPushButton {
    Q_OBJECT
public:
    Button(QWidget* parent, std::string_view name, std::string_view caption);
};

// A captioned frame around other controls.
class GroupBox : public QGroupBox {
    Q_OBJECT
public:
    GroupBox(QWidget* parent, std::string_view name, std::string_view caption);
};

// Pages behind tabs; the tab captions have a font of their own.
class Notebook : public QTabWidget {
    Q_OBJECT
public:
    Notebook(QWidget* parent, std::string_view name);
    QFont TabFont() const;
    void SetTabFont(const QFont& font);
};

// A vertical scroll bar.
class ScrollBar : public QScrollBar {
    Q_OBJECT
public:
    ScrollBar(QWidget* parent, std::string_view name);
};

// A toolbar button: a glyph, a hint, flat or raised, and optionally latching in a group.
// Buttons of one group index (above 0) in one parent act as radio buttons; with
// AllowAllUp a group's single button toggles. A click runs onClick after the down state
// has changed.
class SpeedButton : public QAbstractButton {
    Q_OBJECT
public:
    SpeedButton(QWidget* parent, std::string_view name);

    void SetGlyph(const QPixmap& glyph) { m_glyph = glyph; update(); }
    // A glyph whose bottom-left pixel's colour is transparent wherever it appears, as the
    // library's glyphs are drawn; scaled by a whole factor.
    void SetKeyedGlyph(const QImage& image, int scale = 1);
    // A caption shows under the glyph.
    void SetCaption(std::string_view caption) { setText(ToQString(caption)); }
    const QPixmap& Glyph() const { return m_glyph; }
    bool IsFlat() const { return m_flat; }
    void SetFlat(bool flat) { m_flat = flat; update(); }
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int index) { m_groupIndex = index; }
    void SetAllowAllUp(bool allow) { m_allowAllUp = allow; }
    bool IsDown() const { return m_down; }
    // Setting Down does not run onClick; in a group it releases the others.
    void SetDown(bool down);
    std::string Hint() const { return toolTip().toStdString(); }
    void SetHint(std::string_view hint) { setToolTip(ToQString(hint)); }
    void SetShowHint(bool show) { m_showHint = show; }
    bool ShowsHint() const { return m_showHint; }

    // A press and release of the left button, as the player makes it.
    void Click();

    std::function<void()> onClick;

    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Latch();

    QPixmap m_glyph;
    bool m_flat = false;
    int m_groupIndex = 0;
    bool m_allowAllUp = false;
    bool m_down = false;
    bool m_hover = false;
    bool m_showHint = true;
};

}  // namespace platform
