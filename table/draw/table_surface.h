#pragma once

#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"

namespace table {

// The main window's client area as the table draws on it: a persistent image that can be
// drawn on at any time, between events too (the table draws between the frames of a wait),
// and the vertical scroll position from which the window shows the off-screen table.
// The window presents the image when it repaints; the table says when through the
// window's invalidate and update calls.
class ISurface {
public:
    virtual ~ISurface() = default;

    virtual platform::Canvas& Canvas() = 0;
    // S: the first row of the off-screen table the window shows (scrBarMain's position).
    virtual int ScrollPosition() const = 0;
    virtual void SetScrollPosition(int position) = 0;
    virtual bool IsScrollBarVisible() const = 0;
};

// A surface over an image of its own: for tests, the table image tool and the benchmarks,
// and for a window that presents it.
class ImageSurface : public ISurface {
public:
    ImageSurface(int width, int height);

    void SetSize(int width, int height) { m_image.SetSize(width, height); }
    const platform::Bitmap& Image() const { return m_image; }

    platform::Canvas& Canvas() override { return m_canvas; }
    int ScrollPosition() const override { return m_scrollPosition; }
    void SetScrollPosition(int position) override { m_scrollPosition = position; }
    bool IsScrollBarVisible() const override { return m_scrollBarVisible; }
    void SetScrollBarVisible(bool visible) { m_scrollBarVisible = visible; }

private:
    platform::Bitmap m_image;
    platform::Canvas m_canvas;
    int m_scrollPosition = 0;
    bool m_scrollBarVisible = false;
};

}  // namespace table
