#pragma once

#include "platform/core/canvas.h"

#include <QImage>

#include <vector>

namespace platform {

class Canvas;

// Images of one size (toolbar glyphs), each with its mask: pixels of the mask colour they
// were added with are transparent.
class ImageList {
public:
    // Runs from every image list's destructor, while its images are still there, so that
    // whatever shows the list lets go of it first; none by default.
    using FreedHandler = void (*)(const ImageList* list);
    static void SetFreedHandler(FreedHandler handler) { s_freedHandler = handler; }

    ImageList(int width, int height);
    ImageList(const ImageList&) = default;
    ImageList& operator=(const ImageList&) = default;
    ~ImageList();

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Count() const { return static_cast<int>(m_images.size()); }

    // Cuts the strip into images from the left (a last partial image is left out); returns the
    // index of the first one added, -1 when none was.
    int AddStrip(const QImage& strip, Colour maskColour);
    void Clear() { m_images.clear(); }

    // The image with transparent pixels of alpha 0; a null image for a bad index.
    const QImage& Image(int index) const;
    // True where the image's pixel is transparent.
    bool IsTransparent(int index, int x, int y) const;

    // Draws the image at (x, y); disabled, its shape is drawn embossed: in the button
    // highlight offset by (1, 1), then in the button shadow in place. A bad index draws nothing.
    void Draw(Canvas& canvas, int x, int y, int index, bool enabled = true) const;

private:
    // A plain pointer: lists that outlive every other static may still call it safely.
    inline static FreedHandler s_freedHandler = nullptr;

    int m_width;
    int m_height;
    std::vector<QImage> m_images;
};

}  // namespace platform
