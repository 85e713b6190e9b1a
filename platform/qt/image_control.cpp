#include "platform/qt/image_control.h"

#include <QPainter>

#include "platform/qt/controls.h"

namespace platform {

Image::Image(QWidget* parent, std::string_view name) : QWidget(parent) { setObjectName(ToQString(name)); }

void Image::paintEvent(QPaintEvent*) {
    if (m_picture.IsEmpty()) return;
    QPainter painter(this);
    if (m_stretch)
        painter.drawImage(rect(), m_picture.Image());
    else
        painter.drawImage(0, 0, m_picture.Image());
}

PageBook::PageBook(QWidget* parent, std::string_view name) : QStackedWidget(parent) { setObjectName(ToQString(name)); }

QWidget* PageBook::AddPage(std::string_view name) {
    auto* page = new QWidget(this);
    page->setObjectName(ToQString(name));
    addWidget(page);
    return page;
}

void PageBook::SetPageIndex(int index) {
    if (index >= 0 && index < count()) setCurrentIndex(index);
}

}  // namespace platform
