#pragma once

#include <QString>

#include <filesystem>
#include <string>

#include "platform/qt/form.h"

class QTextBrowser;

namespace platform {

// Help commands by the numbers the program sends.
inline constexpr int kHelpContextCommand = 1;
inline constexpr int kHelpFinderCommand = 11;
// The contents page lists every page of the bundle; it has no file of its own.
inline constexpr int kContentsContext = 0;

// The help window over a help bundle: a folder of HTML pages, each named by its context
// number ("3001.html"). A context opens its page, the finder a contents page listing every
// page by its title; links between pages open in the same window.
class HelpWindow : public Form {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner = nullptr);

    void SetBundle(const std::filesystem::path& folder);
    const std::filesystem::path& Bundle() const { return m_bundle; }

    // Runs a help command: kHelpContextCommand opens the page of data, kHelpFinderCommand
    // the contents. False when there is no such page (the window then says so).
    bool Command(int command, int data);
    bool ShowContext(int context);
    void ShowContents();

    // The page shown: its context number (kContentsContext for the contents), -1 for none.
    int CurrentContext() const { return m_context; }
    QString CurrentTitle() const;
    QTextBrowser& Browser() { return *m_browser; }

private:
    void Present();
    void Followed(const QUrl& url);

    std::filesystem::path m_bundle;
    QTextBrowser* m_browser;
    int m_context = -1;
};

}  // namespace platform
