#pragma once

#include <QStackedWidget>
#include <QWidget>

#include <string_view>

#include "platform/qt/bitmap.h"

namespace platform {

// A picture on a window: a bitmap of its own that code draws on through a canvas and
// then repaints, shown at its size from the top-left or stretched over the control.
class Image : public QWidget {
    Q_OBJECT
public:
    Image(QWidget* parent, std::string_view name);

    Bitmap& Picture() { return m_picture; }
    const Bitmap& Picture() const { return m_picture; }
    bool IsStretched() const { return m_stretch; }
    void SetStretch(bool stretch) { m_stretch = stretch; update(); }
    // The picture becomes the control's size (white where it grew).
    void SizePictureToControl() { m_picture.SetSize(width(), height()); }
    // Shows the picture as it is now.
    void Repaint() { repaint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bitmap m_picture;
    bool m_stretch = false;
};

// Pages of which one shows at a time, switched by code (no tabs).
class PageBook : public QStackedWidget {
    Q_OBJECT
public:
    PageBook(QWidget* parent, std::string_view name);

    // A new page at the end; its controls are made on it.
    QWidget* AddPage(std::string_view name);
    int PageIndex() const { return currentIndex(); }
    // An index that is no page is ignored.
    void SetPageIndex(int index);
};

}  // namespace platform
