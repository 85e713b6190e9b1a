#include "platform/qt/help_window.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>

#include <map>

namespace platform {

namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 460;
constexpr int kButtonMargin = 4;
const QString kPageSuffix = QStringLiteral(".html");
// The contents page's name among the pages: links reach it as "contents".
const QString kContentsName = QStringLiteral("contents");

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

// The context a page's file name stands for: its number, or 0 for none.
int NumberOfPage(const QString& fileName) {
    if (!fileName.endsWith(kPageSuffix)) return 0;
    bool ok = false;
    const int context = fileName.chopped(kPageSuffix.size()).toInt(&ok);
    return ok && context > 0 ? context : 0;
}

QString ContentsHtml(const std::filesystem::path& bundle) {
    QString html = QStringLiteral("<html><head><title>Contents</title></head><body><h1>Contents</h1><ul>");
    for (const auto& [context, file] : Pages(bundle)) {
        QString title = TitleOf(file);
        if (title.isEmpty()) title = QStringLiteral("Topic %1").arg(context);
        html += QStringLiteral("<li><a href=\"%1%2\">%3</a></li>").arg(context).arg(kPageSuffix, title.toHtmlEscaped());
    }
    return html + QStringLiteral("</ul></body></html>");
}

QString MissingHtml(int context) {
    return QStringLiteral("<html><head><title>Help</title></head><body><p>There is no help topic %1.</p>"
                          "<p><a href=\"contents\">Contents</a></p></body></html>")
        .arg(context);
}

// The bundle's pages as the browser loads them; the contents and the page that says a
// topic is missing are made when they are shown, so Back and Forward reach them too.
class HelpBrowser : public QTextBrowser {
public:
    explicit HelpBrowser(QWidget* parent) : QTextBrowser(parent) {}

    std::filesystem::path bundle;

    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::HtmlResource && name.isLocalFile()) {
            const QString file = name.fileName();
            if (file == kContentsName) return ContentsHtml(bundle);
            if (const int context = NumberOfPage(file); context > 0 && !QFile::exists(name.toLocalFile()))
                return MissingHtml(context);
        }
        return QTextBrowser::loadResource(type, name);
    }
};

}  // namespace

HelpWindow::HelpWindow(QWidget* owner)
    : Form(owner),
      m_browser(new HelpBrowser(this)),
      m_back(new QPushButton(QStringLiteral("< &Back"), this)),
      m_forward(new QPushButton(QStringLiteral("&Forward >"), this)) {
    setObjectName(QStringLiteral("frmHelp"));
    SetCaption("Help");
    SetClientSize(kWidth, kHeight);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(kButtonMargin, kButtonMargin, kButtonMargin, 0);
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
    // The keyboard stays with the text: the buttons take no focus, so no key goes to them
    // by surprise and the text keeps its scrolling keys.
    for (QPushButton* button : {m_back, m_forward}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setEnabled(false);
    }
    setFocusProxy(m_browser);
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::Followed);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::Shown);
    connect(m_browser, &QTextBrowser::historyChanged, this, &HelpWindow::ClearLinkFrame);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
}

void HelpWindow::SetBundle(const std::filesystem::path& folder) {
    m_bundle = folder;
    static_cast<HelpBrowser*>(m_browser)->bundle = folder;
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
    const bool found = Pages(m_bundle).count(context) > 0;
    Open(QUrl::fromLocalFile(QDir(QString::fromStdString(m_bundle.string()))
                                 .filePath(QString::number(context) + kPageSuffix)));
    return found;
}

void HelpWindow::ShowContents() {
    Open(QUrl::fromLocalFile(QDir(QString::fromStdString(m_bundle.string())).filePath(kContentsName)));
}

void HelpWindow::Open(const QUrl& page) {
    if (m_browser->source() == page)
        m_browser->reload();
    else
        m_browser->setSource(page);
    Present();
}

// Every way to a page ends here (a context, a link, Back, Forward): the caption and the
// context follow the page.
void HelpWindow::Shown(const QUrl& page) {
    const QString file = page.fileName();
    if (file == kContentsName)
        m_context = kContentsContext;
    else if (const int context = NumberOfPage(file); context > 0 && QFile::exists(page.toLocalFile()))
        m_context = context;
    else
        m_context = -1;
    SetCaption(CurrentTitle().isEmpty() ? std::string("Help") : "Help - " + CurrentTitle().toStdString());
}

// A page left by a link and shown again by Back keeps that link framed as the keyboard's
// place; the frame goes, the page stays where it was scrolled to.
void HelpWindow::ClearLinkFrame() {
    QTextCursor cursor = m_browser->textCursor();
    if (!cursor.hasSelection()) return;
    QScrollBar& down = *m_browser->verticalScrollBar();
    QScrollBar& across = *m_browser->horizontalScrollBar();
    const int top = down.value();
    const int left = across.value();
    cursor.clearSelection();
    m_browser->setTextCursor(cursor);
    down.setValue(top);
    across.setValue(left);
}

QString HelpWindow::CurrentTitle() const { return m_browser->documentTitle(); }

void HelpWindow::Present() {
    BelongTo(QApplication::activeModalWidget());
    Show();
}

// Pages link to each other by file name ("3002.html") or to the contents; other
// addresses are not pages of the bundle.
void HelpWindow::Followed(const QUrl& url) {
    const QString name = url.fileName().isEmpty() ? url.toString() : url.fileName();
    if (name == kContentsName) {
        ShowContents();
        return;
    }
    if (const int context = NumberOfPage(name.endsWith(kPageSuffix) ? name : name + kPageSuffix); context > 0)
        ShowContext(context);
}

// A modal window blocks every window but its own: the help it asks for becomes one of its
// windows while it is up, and a window on its own again after. Window managers keep a
// modal window above its own windows, so meanwhile the help stays above all windows.
void HelpWindow::BelongTo(QWidget* asker) {
    if (asker == this || asker == parentWidget()) return;
    if (m_asker) m_asker->removeEventFilter(this);
    m_asker = asker;
    SetStayOnTop(asker != nullptr);
    SetOwner(asker);
    if (asker != nullptr) asker->installEventFilter(this);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Close();
        return;
    }
    Form::keyPressEvent(event);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_asker && event->type() == QEvent::Hide)
        BelongTo(nullptr);
    return Form::eventFilter(watched, event);
}

}  // namespace platform
