#pragma once

#include <QPointer>
#include <QString>

#include <filesystem>
#include <string>

#include "platform/qt/form.h"

class QPushButton;
class QTextBrowser;

namespace platform {

// Help commands by the numbers the program sends.
inline constexpr int kHelpContextCommand = 1;
inline constexpr int kHelpFinderCommand = 11;
// The contents page lists every page of the bundle; it has no file of its own.
inline constexpr int kContentsContext = 0;

// The help window over a help bundle: a folder of HTML pages, each named by its context
// number ("3001.html"). A context opens its page, the finder a contents page listing every
// page by its title; links between pages open in the same window, and Back and Forward
// walk the pages shown. The window stands on its own: while a modal window is up, it
// belongs to that window, so it stays above it and takes the keyboard and mouse, and it
// stays open when that window closes.
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
    QPushButton& BackButton() { return *m_back; }
    QPushButton& ForwardButton() { return *m_forward; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Esc closes the window, as it closes every other window of the program.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Open(const QUrl& page);
    void Shown(const QUrl& page);
    void ClearLinkFrame();
    void Present();
    void Followed(const QUrl& url);
    // The modal window that asked, or none; the window follows it while it is up.
    void BelongTo(QWidget* asker);

    std::filesystem::path m_bundle;
    QTextBrowser* m_browser;
    QPushButton* m_back;
    QPushButton* m_forward;
    int m_context = -1;
    QPointer<QWidget> m_asker;
};

}  // namespace platform
