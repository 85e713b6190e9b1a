#pragma once

#include "bars/core/bar_types.h"
#include "platform/core/canvas.h"
#include "platform/qt/canvas.h"

#include <QImage>
#include <QWidget>

#include <string>
#include <vector>

namespace bars {

// The one small window that shows a toolbar button's hint: the text word-wrapped on the
// info colour inside a raised edge, placed near a point and kept inside the work area.
// It never takes the focus or the activation.
class TcbBarHintWindow : public QWidget {
public:
    static constexpr int kExtra = 6;  // frame and margins around the text
    static constexpr int kRaiseAboveBottom = 50;

    TcbBarHintWindow();

    // Sets the text and font, measures, places the window at the point (or above it near the
    // bottom, or left of it near the right edge) and shows it without activation.
    void ActivateHint(platform::Point point, const std::string& text, const TcbBarManager& manager);
    const std::string& Text() const { return m_text; }
    const QImage& Surface() const { return m_surface; }

    // The lines of a text word-wrapped to a width in the font.
    static std::vector<std::string> WrapLines(const std::string& text, const platform::CanvasFont& font, int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Paint();

    std::string m_text;
    platform::CanvasFont m_font;
    std::vector<std::string> m_lines;
    QImage m_surface;
};

}  // namespace bars
