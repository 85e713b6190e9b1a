#pragma once

#include "shell/advanced_form.h"

namespace platform {
class IResourceLibrary;
}

namespace shell {

// The splash window of the start-up: the product's pictures from the card resource library
// (none when it cannot be read) and two lines of notices on a black band.
class TfrmSplashForm : public C_TAdvancedForm {
    Q_OBJECT
public:
    TfrmSplashForm(QWidget* owner, const platform::IResourceLibrary* library, FontFallback* fallback = nullptr);

    void FormShow() { Update(); }
    void FormActivate() { Update(); }
};

}  // namespace shell
