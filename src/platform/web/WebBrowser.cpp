#include "WebBrowser.h"

#include "FileRead.h"
#include "HtmlDocument.h"
#include "PageRenderer.h"

#include <QDesktopServices>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace ortelia {

namespace {

// Images and other resources of a page larger than this are not shown.
constexpr qint64 kMaxResourceBytes = 16 * 1024 * 1024;

// Draws a page and loads its images from files the page reaches only, never more than a bound.
class PageView : public QTextBrowser {
public:
    PageView(const HeadlessPage &page, QWidget *parent) : QTextBrowser(parent), m_page(page) {}

    QVariant loadResource(int, const QUrl &name) override
    {
        if (!name.isLocalFile() || !m_page.reaches(name.toLocalFile()))
            return QVariant();
        const std::optional<QByteArray> bytes = FileRead::regularFile(name.toLocalFile(), kMaxResourceBytes);
        return bytes ? QVariant(*bytes) : QVariant();
    }

private:
    const HeadlessPage &m_page;
};

} // namespace

WebBrowser::WebBrowser(QWidget *parent) : QWidget(parent), m_view(new PageView(m_page, this))
{
    m_view->setObjectName(QStringLiteral("view"));
    m_view->setOpenLinks(false);
    m_view->setOpenExternalLinks(false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    connect(m_view, &QTextBrowser::anchorClicked, this, &WebBrowser::openLink);
    connect(&m_page, &HeadlessPage::changed, this, &WebBrowser::scheduleRender);
}

WebBrowser::~WebBrowser() = default;

void WebBrowser::navigate(const QString &path)
{
    m_page.navigate(path);
    const bool noMenu =
        m_page.document().body()->attribute(QStringLiteral("oncontextmenu")).contains(QLatin1String("false"));
    m_view->setContextMenuPolicy(noMenu ? Qt::NoContextMenu : Qt::DefaultContextMenu);
}

QString WebBrowser::location() const
{
    return m_page.location();
}

int WebBrowser::formCount() const
{
    return m_page.formCount();
}

bool WebBrowser::hasMember(int form, const QString &name) const
{
    return m_page.hasMember(form, name);
}

QString WebBrowser::value(int form, const QString &name) const
{
    return m_page.value(form, name);
}

void WebBrowser::setValue(int form, const QString &name, const QString &value)
{
    m_page.setValue(form, name, value);
}

bool WebBrowser::click(int form, const QString &name)
{
    return m_page.click(form, name);
}

QString WebBrowser::bodyHtml() const
{
    return m_page.bodyHtml();
}

void WebBrowser::setBodyHtml(const QString &html)
{
    m_page.setBodyHtml(html);
}

void WebBrowser::focusDocument()
{
    m_view->setFocus(Qt::OtherFocusReason);
}

void WebBrowser::registerObjectType(const QString &classId, ObjectFactory factory)
{
    HeadlessPage::registerObjectType(classId, std::move(factory));
}

QObject *WebBrowser::pageObject(const QString &id) const
{
    return m_page.pageObject(id);
}

QVariant WebBrowser::evaluateScript(const QString &code)
{
    return m_page.evaluateScript(code);
}

QString WebBrowser::title() const
{
    return m_page.title();
}

void WebBrowser::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_renderPending)
        render();
}

// Drawing waits until the control is visible and then happens once per burst of changes, so
// lookups in a hidden page cost no drawing at all.
void WebBrowser::scheduleRender()
{
    m_renderPending = true;
    if (!isVisible() || m_renderQueued)
        return;
    m_renderQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_renderQueued = false;
        if (isVisible())
            render();
    });
}

void WebBrowser::render()
{
    if (!m_renderPending)
        return;
    m_renderPending = false;
    m_view->setHtml(web::PageRenderer::toHtml(m_page.document(), m_page.dir(),
                                              [this](const QString &id) { return m_page.dataObject(id); }));
}

void WebBrowser::openLink(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("ortelia-click")) {
        m_page.clickNode(url.path().toInt());
    } else if (url.isLocalFile()) {
        if (m_page.isListing())
            QDesktopServices::openUrl(url);
        else if (m_page.reaches(url.toLocalFile()))
            navigate(url.toLocalFile());
    } else if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
               scheme == QLatin1String("mailto")) {
        QDesktopServices::openUrl(url);
    }
}

} // namespace ortelia
