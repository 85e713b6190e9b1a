#include "platform/qt/help_window.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <map>

namespace platform {

namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 460;
const QString kPageSuffix = QStringLiteral(".html");

QString TitleOf(const QString& file) {
    QFile page(file);
    if (!page.open(QIODevice::ReadOnly)) return {};
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = title.match(QString::fromUtf8(page.readAll()));
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

// The pages of the bundle by context number: every file named by a number.
std::map<int, QString> Pages(const std::filesystem::path& bundle) {
    std::map<int, QString> pages;
    const QDir dir(QString::fromStdString(bundle.string()));
    for (const QString& name : dir.entryList({QStringLiteral("*") + kPageSuffix}, QDir::Files)) {
        bool ok = false;
        const int context = name.chopped(kPageSuffix.size()).toInt(&ok);
        if (ok && context > 0) pages.emplace(context, dir.filePath(name));
    }
    return pages;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* owner) : Form(owner), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    SetCaption("Help");
    SetClientSize(kWidth, kHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::Followed);
}

void HelpWindow::SetBundle(const std::filesystem::path& folder) {
    m_bundle = folder;
    m_browser->setSearchPaths({QString::fromStdString(folder.string())});
}

bool HelpWindow::Command(int command, int data) {
    if (command == kHelpFinderCommand) {
        ShowContents();
        return true;
    }
    return command == kHelpContextCommand && ShowContext(data);
}

bool HelpWindow::ShowContext(int context) {
    const std::map<int, QString> pages = Pages(m_bundle);
    const auto page = pages.find(context);
    if (page == pages.end()) {
        m_context = -1;
        m_browser->setHtml(QStringLiteral("<html><head><title>Help</title></head><body><p>There is no help topic %1."
                                          "</p><p><a href=\"contents\">Contents</a></p></body></html>")
                               .arg(context));
        Present();
        return false;
    }
    m_context = context;
    m_browser->setSource(QUrl::fromLocalFile(page->second));
    Present();
    return true;
}

void HelpWindow::ShowContents() {
    QString html = QStringLiteral("<html><head><title>Contents</title></head><body><h1>Contents</h1><ul>");
    for (const auto& [context, file] : Pages(m_bundle)) {
        QString title = TitleOf(file);
        if (title.isEmpty()) title = QStringLiteral("Topic %1").arg(context);
        html += QStringLiteral("<li><a href=\"%1%2\">%3</a></li>").arg(context).arg(kPageSuffix, title.toHtmlEscaped());
    }
    html += QStringLiteral("</ul></body></html>");
    m_context = kContentsContext;
    m_browser->setHtml(html);
    Present();
}

QString HelpWindow::CurrentTitle() const { return m_browser->documentTitle(); }

void HelpWindow::Present() {
    SetCaption(CurrentTitle().isEmpty() ? std::string("Help") : "Help - " + CurrentTitle().toStdString());
    Show();
}

// Pages link to each other by file name ("3002.html") or to the contents; other
// addresses are not pages of the bundle.
void HelpWindow::Followed(const QUrl& url) {
    const QString name = url.fileName().isEmpty() ? url.toString() : url.fileName();
    if (name == QLatin1String("contents")) {
        ShowContents();
        return;
    }
    bool ok = false;
    const int context = QString(name).remove(kPageSuffix).toInt(&ok);
    if (ok) ShowContext(context);
}

}  // namespace platform
