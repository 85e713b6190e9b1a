#include "shell/splash_form.h"

#include <QPixmap>

#include <string>

#include "platform/core/resource_library.h"
#include "platform/qt/controls.h"
#include "platform/qt/image_data.h"

namespace shell {

namespace {

constexpr int kWidth = 393;
constexpr int kHeight = 309;
constexpr int kBandHeight = 26;

struct SplashPicture {
    std::string_view control;
    std::string_view bitmap;
    int left, top, width, height;
};

constexpr SplashPicture kPictures[] = {
    {"imgTitle", "PIC_SPLASH_TITLE", 0, 0, 393, 48},
    {"imgPicture", "PIC_SPLASH_PICTURE", 10, 52, 250, 200},
    {"imgLogo", "PIC_SPLASH_LOGO", 271, 96, 112, 112},
    {"imgName", "PIC_SPLASH_NAME", 0, 255, 393, 28},
};

constexpr std::string_view kNotice1 = "Copyright (c) the Corvanet Solitaire authors. All rights reserved.";
constexpr std::string_view kNotice2 = "Freeware: you may copy and give it away, but not sell it.";

QPixmap Picture(const platform::IResourceLibrary* library, std::string_view name) {
    if (library == nullptr) return QPixmap();
    const QImage picture = platform::DecodeImage(library->BitmapData(name));
    return picture.isNull() ? QPixmap() : QPixmap::fromImage(picture);
}

}  // namespace

TfrmSplashForm::TfrmSplashForm(QWidget* owner, const platform::IResourceLibrary* library, FontFallback* fallback)
    : C_TAdvancedForm(owner, fallback) {
    setObjectName(QStringLiteral("frmSplashForm"));
    SetBorderStyle(platform::BorderStyle::kNone);
    SetStayOnTop(true);
    SetPosition(platform::FormPosition::kScreenCenter);
    SetClientSize(kWidth, kHeight);

    auto* inner = new platform::Panel(this, "Panel1");
    inner->setGeometry(0, 0, kWidth, kHeight);
    QPalette white = inner->palette();
    white.setColor(QPalette::Window, Qt::white);
    inner->setPalette(white);
    for (const SplashPicture& p : kPictures) {
        auto* image = new platform::Label(inner, p.control);
        image->setGeometry(p.left, p.top, p.width, p.height);
        image->setPixmap(Picture(library, p.bitmap));
    }
    auto* band = new platform::Panel(inner, "pnlNotice");
    band->setGeometry(0, kHeight - kBandHeight, kWidth, kBandHeight);
    QPalette black = band->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, Qt::white);
    band->setPalette(black);
    int top = 1;
    for (const auto& [name, text] : {std::pair{"lblNotice1", kNotice1}, std::pair{"lblNotice2", kNotice2}}) {
        auto* line = new platform::Label(band, name, text);
        line->setGeometry(6, top, kWidth - 12, 12);
        line->setPalette(black);
        QFont small = line->font();
        small.setPixelSize(9);
        line->setFont(small);
        top += 12;
    }
    events.onShow = [this] { FormShow(); };
    events.onActivate = [this] { FormActivate(); };
    Created();
}

}  // namespace shell
