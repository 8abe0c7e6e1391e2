#include "HeadlessPage.h"

#include "DataSource.h"
#include "FileRead.h"
#include "HtmlDocument.h"
#include "PageFile.h"
#include "PageScript.h"
#include "ProgramFolder.h"
#include "TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QUrl>

namespace ortelia {

namespace web {

// Everything that belongs to the loaded page: its document, scripts and page objects.
class LoadedPage : public QObject {
public:
    explicit LoadedPage(QObject *parent) : QObject(parent) {}
    ~LoadedPage() override
    {
        script.reset();
        for (const auto &object : objects)
            delete object.second.data();
    }

    std::unique_ptr<Document> document;
    std::unique_ptr<PageScript> script;
    QString dir;
    bool listing = false;
    QList<QPair<QString, QPointer<QObject>>> objects; // by element id
    bool refusalTaken = false;
    int boundGeneration = -1;
    QHash<QString, QList<int>> bound; // data object id (lower case) -> bound elements

    QObject *object(const QString &id) const
    {
        for (const auto &o : objects) {
            if (o.first.compare(id, Qt::CaseInsensitive) == 0)
                return o.second.data();
        }
        return nullptr;
    }
};

} // namespace web

using web::Document;
using web::LoadedPage;
using web::Node;

namespace {

// Files larger than this are not read; HTML is held to less, as every byte of it may be a node.
constexpr qint64 kMaxPageBytes = 64 * 1024 * 1024;
constexpr qint64 kMaxHtmlBytes = 8 * 1024 * 1024;

QString normalizedClassId(const QString &classId)
{
    QString id = classId.trimmed().toLower();
    if (id.startsWith(QLatin1String("clsid:")))
        id.remove(0, 6);
    return id;
}

QHash<QString, HeadlessPage::ObjectFactory> &factories()
{
    static QHash<QString, HeadlessPage::ObjectFactory> map;
    return map;
}

QString folderListing(const QString &dir)
{
    QString html = QStringLiteral("<html><head><title>") + Document::escapeText(dir) +
                   QStringLiteral("</title></head><body><h3>") + Document::escapeText(dir) +
                   QStringLiteral("</h3><ul>");
    const QFileInfoList entries = QDir(dir).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot,
                                                          QDir::DirsFirst | QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName() + (entry.isDir() ? QStringLiteral("/") : QString());
        html += QStringLiteral("<li><a href=\"") +
                Document::escapeAttribute(QUrl::fromLocalFile(entry.absoluteFilePath()).toString()) +
                QStringLiteral("\">") + Document::escapeText(name) + QStringLiteral("</a></li>");
    }
    return html + QStringLiteral("</ul></body></html>");
}

} // namespace

HeadlessPage::HeadlessPage(QObject *parent) : QObject(parent)
{
    navigate(QString());
}

HeadlessPage::~HeadlessPage()
{
    delete m_page;
}

void HeadlessPage::navigate(const QString &path)
{
    if (LoadedPage *old = m_page) {
        m_page = nullptr;
        // A page whose own code asked for the new page is let go once that code has returned.
        if (old->script && old->script->running())
            old->deleteLater();
        else
            delete old;
    }
    auto *page = new LoadedPage(this);
    m_page = page;
    m_location = path.isEmpty() ? QString() : ProgramFolder::resolve(ProgramFolder::root(), path);
    const QFileInfo info(m_location);
    page->dir = info.absolutePath();

    if (!m_location.isEmpty() && info.isDir()) {
        page->dir = info.absoluteFilePath();
        page->listing = true;
        page->document = Document::parse(folderListing(page->dir));
    } else if (const std::optional<QByteArray> read =
                   m_location.isEmpty() ? std::nullopt : FileRead::regularFile(m_location, kMaxPageBytes)) {
        const QByteArray &bytes = *read;
        const bool html = web::PageFile::looksLikeHtml(m_location, bytes);
        if (html && bytes.size() > kMaxHtmlBytes) {
            page->document = Document::parse(QString());
        } else if (html) {
            page->document = Document::parse(web::PageFile::decode(bytes));
            page->script = std::make_unique<web::PageScript>(*page->document, [this, page] {
                if (page == m_page)
                    emit changed();
            });
            createPageObjects();
        } else {
            page->document =
                Document::parse(QStringLiteral("<pre>") + Document::escapeText(TextFile::decode(bytes)) +
                                QStringLiteral("</pre>"));
        }
    } else {
        page->document = Document::parse(QString());
    }

    emit changed();
    if (page->script)
        page->script->runPage(page->dir);
    emit loaded();
}

void HeadlessPage::createPageObjects()
{
    LoadedPage *page = m_page;
    for (Node *element : page->document->elementsByTag(nullptr, QStringLiteral("object"))) {
        const auto factory =
            factories().find(normalizedClassId(element->attribute(QStringLiteral("classid"))));
        if (factory == factories().end())
            continue;
        QMap<QString, QString> params;
        for (const auto &child : element->children) {
            if (child->is("param"))
                params.insert(child->attribute(QStringLiteral("name")),
                              child->attribute(QStringLiteral("value")));
        }
        QObject *object = (*factory)(params, page->dir, page);
        if (!object)
            continue;
        QString id = element->attribute(QStringLiteral("id"));
        if (id.isEmpty())
            id = element->attribute(QStringLiteral("name"));
        page->objects.append({id, object});
        page->script->addObject(element->id, id, object);
        if (auto *data = qobject_cast<web::DataSource *>(object)) {
            connect(data, &web::DataSource::recordChanged, this, [this, page, id] {
                if (page == m_page)
                    bindData(id);
            });
            bindData(id);
        }
    }
}

void HeadlessPage::bindData(const QString &sourceId)
{
    web::DataSource *data = dataObject(sourceId);
    if (!data)
        return;
    Document &document = *m_page->document;
    if (m_page->boundGeneration != document.generation()) {
        m_page->bound.clear();
        for (Node *n : document.elementsByTag(nullptr, QStringLiteral("*"))) {
            if (!n->bound)
                continue;
            QString source = n->attribute(QStringLiteral("datasrc"));
            if (source.startsWith(QLatin1Char('#')))
                source.remove(0, 1);
            m_page->bound[source.toLower()] << n->id;
        }
        m_page->boundGeneration = document.generation();
    }
    for (int id : m_page->bound.value(sourceId.toLower())) {
        if (Node *n = document.node(id))
            n->value = data->field(n->attribute(QStringLiteral("datafld")));
    }
    emit changed();
}

int HeadlessPage::formCount() const
{
    return int(m_page->document->forms().size());
}

namespace {
Node *member(const Document &document, int form, const QString &name)
{
    const QList<Node *> forms = document.forms();
    if (form < 0 || form >= forms.size())
        return nullptr;
    return document.formMember(forms[form], name);
}
} // namespace

bool HeadlessPage::hasMember(int form, const QString &name) const
{
    return member(*m_page->document, form, name) != nullptr;
}

QString HeadlessPage::value(int form, const QString &name) const
{
    const Node *n = member(*m_page->document, form, name);
    return n ? n->value : QString();
}

void HeadlessPage::setValue(int form, const QString &name, const QString &value)
{
    if (Node *n = member(*m_page->document, form, name)) {
        n->value = value;
        emit changed();
    }
}

bool HeadlessPage::click(int form, const QString &name)
{
    const Node *n = member(*m_page->document, form, name);
    if (!n)
        return false;
    clickNode(n->id);
    return true;
}

void HeadlessPage::clickNode(int nodeId)
{
    if (m_page->script)
        m_page->script->click(nodeId);
}

QString HeadlessPage::bodyHtml() const
{
    return m_page->document->innerHtml(m_page->document->body());
}

void HeadlessPage::setBodyHtml(const QString &html)
{
    m_page->document->setInnerHtml(m_page->document->body(), html);
    if (m_page->script)
        m_page->script->refreshNames();
    emit changed();
}

void HeadlessPage::registerObjectType(const QString &classId, ObjectFactory factory)
{
    factories().insert(normalizedClassId(classId), std::move(factory));
}

bool HeadlessPage::reaches(const QString &path) const
{
    return web::PageFile::withinReach(m_page->dir, path);
}

QObject *HeadlessPage::pageObject(const QString &id) const
{
    return m_page->object(id);
}

web::DataSource *HeadlessPage::dataObject(const QString &id) const
{
    return qobject_cast<web::DataSource *>(m_page->object(id));
}

bool HeadlessPage::takeRefusedData()
{
    if (m_page->refusalTaken)
        return false;
    for (const auto &[id, object] : m_page->objects) {
        const auto *data = qobject_cast<web::DataSource *>(object.data());
        if (data && data->refused()) {
            m_page->refusalTaken = true;
            return true;
        }
    }
    return false;
}

QVariant HeadlessPage::evaluateScript(const QString &code)
{
    if (!m_page->script)
        return QVariant();
    return m_page->script->evaluate(code).toVariant();
}

QString HeadlessPage::title() const
{
    return m_page->document->title();
}

const Document &HeadlessPage::document() const
{
    return *m_page->document;
}

QString HeadlessPage::dir() const
{
    return m_page->dir;
}

bool HeadlessPage::isListing() const
{
    return m_page->listing;
}

} // namespace ortelia
