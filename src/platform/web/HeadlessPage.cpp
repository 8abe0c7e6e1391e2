#include "HeadlessPage.h"

#include "DataSource.h"
#include "FileRead.h"
#include "HostPageState.h"
#include "HtmlDocument.h"
#include "PageFile.h"
#include "PageHostClient.h"
#include "PageScript.h"
#include "ProgramFolder.h"
#include "TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMetaMethod>
#include <QMetaProperty>
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
    // A page in the host: what its state says, and the objects that carry out its stand-ins' calls.
    bool inHost = false;
    bool refusedData = false;
    std::vector<std::pair<QString, std::unique_ptr<TableRows>>> tables; // by data object id
    QList<QPair<QString, QPointer<QObject>>> windowObjects;             // one per class id

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

struct ObjectType {
    HeadlessPage::ObjectFactory factory;
    HeadlessPage::Side side = HeadlessPage::Side::Page;
};

QHash<QString, ObjectType> &factories()
{
    static QHash<QString, ObjectType> map;
    return map;
}

HeadlessPage::PageHost &pageHost()
{
    static HeadlessPage::PageHost host;
    return host;
}

bool belongsInHost(const QString &path, const QByteArray &bytes)
{
    const HeadlessPage::PageHost &host = pageHost();
    return !host.program.isEmpty() && !(host.ownPage && host.ownPage(path, bytes));
}

QMap<QString, QString> paramsOf(const Node *object)
{
    QMap<QString, QString> params;
    for (const auto &child : object->children) {
        if (child->is("param"))
            params.insert(child->attribute(QStringLiteral("name")), child->attribute(QStringLiteral("value")));
    }
    return params;
}

QString idOf(const Node *object)
{
    const QString id = object->attribute(QStringLiteral("id"));
    return id.isEmpty() ? object->attribute(QStringLiteral("name")) : id;
}

void put(QDataStream &out, qint32 number)
{
    out << number;
}

void put(QDataStream &out, const QString &text)
{
    web::HostWire::writeString(out, text);
}

// The body of a request to the page host, its parts in order.
template <typename... Parts> QByteArray hostRequest(const Parts &...parts)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    web::HostWire::prepare(out);
    (put(out, parts), ...);
    return body;
}

// A call handed on by a stand-in: one of the object's own public methods, with its arguments.
void invokeOwnMethod(QObject *object, const QString &name, const QStringList &args)
{
    const QMetaObject *meta = object->metaObject();
    const QByteArray wanted = name.toUtf8();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.name() != wanted || method.access() != QMetaMethod::Public ||
            method.methodType() == QMetaMethod::Signal || method.parameterCount() != args.size())
            continue;
        if (args.isEmpty())
            method.invoke(object);
        else if (args.size() == 1 && method.parameterType(0) == QMetaType::QString)
            method.invoke(object, Q_ARG(QString, args.first()));
        return;
    }
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
        } else if (html && belongsInHost(m_location, bytes)) {
            page->document = Document::parse(QString());
            page->inHost = true;
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

    if (!page->inHost)
        m_host.reset();
    emit changed();
    if (page->script)
        page->script->runPage(page->dir);
    if (page->inHost)
        loadInHost();
    emit loaded();
}

void HeadlessPage::createPageObjects()
{
    LoadedPage *page = m_page;
    for (Node *element : page->document->elementsByTag(nullptr, QStringLiteral("object"))) {
        const auto type = factories().find(normalizedClassId(element->attribute(QStringLiteral("classid"))));
        if (type == factories().end())
            continue;
        QObject *object = type->factory(paramsOf(element), page->dir, page);
        if (!object)
            continue;
        const QString id = idOf(element);
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
    if (m_page->inHost) {
        if (member(*m_page->document, form, name))
            askHost(int(web::HostWire::Kind::SetValue), hostRequest(qint32(form), name, value));
        return;
    }
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
    if (m_page->inHost)
        askHost(int(web::HostWire::Kind::ClickNode), hostRequest(qint32(nodeId)));
    else if (m_page->script)
        m_page->script->click(nodeId);
}

QString HeadlessPage::bodyHtml() const
{
    return m_page->document->innerHtml(m_page->document->body());
}

void HeadlessPage::setBodyHtml(const QString &html)
{
    if (m_page->inHost) {
        askHost(int(web::HostWire::Kind::SetBodyHtml), hostRequest(html));
        return;
    }
    m_page->document->setInnerHtml(m_page->document->body(), html);
    if (m_page->script)
        m_page->script->refreshNames();
    emit changed();
}

void HeadlessPage::registerObjectType(const QString &classId, ObjectFactory factory, Side side)
{
    factories().insert(normalizedClassId(classId), {std::move(factory), side});
}

QString HeadlessPage::normalizedClassId(const QString &classId)
{
    QString id = classId.trimmed().toLower();
    if (id.startsWith(QLatin1String("clsid:")))
        id.remove(0, 6);
    return id;
}

void HeadlessPage::setPageHost(PageHost host)
{
    pageHost() = std::move(host);
}

bool HeadlessPage::runsInHost() const
{
    return m_page->inHost;
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
    for (const auto &[source, rows] : m_page->tables) {
        if (source.compare(id, Qt::CaseInsensitive) == 0)
            return rows.get();
    }
    return qobject_cast<web::DataSource *>(m_page->object(id));
}

bool HeadlessPage::takeRefusedData()
{
    if (m_page->refusalTaken)
        return false;
    if (m_page->inHost) {
        m_page->refusalTaken = m_page->refusedData;
        return m_page->refusedData;
    }
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
    if (m_page->inHost)
        return askHost(int(web::HostWire::Kind::Evaluate), hostRequest(code));
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

void HeadlessPage::loadInHost()
{
    if (!m_host) {
        m_host = std::make_unique<web::PageHostClient>(
            pageHost().program,
            web::PageHostClient::Handlers{[this](web::HostPageState &&state) {
                                              if (m_page->inHost)
                                                  takeHostState(std::move(state));
                                          },
                                          [this](const QString &classId, const QString &method,
                                                 const QStringList &args) { carryOut(classId, method, args); },
                                          [this] { hostEnded(); }});
    }
    askHost(int(web::HostWire::Kind::Navigate), hostRequest(ProgramFolder::root(), m_location));
    createWindowObjects();
}

QVariant HeadlessPage::askHost(int kind, const QByteArray &body)
{
    sendWindowObjects();
    std::optional<web::PageHostClient::Answer> answer = m_host->request(web::HostWire::Kind(kind), body);
    if (!answer) {
        hostEnded();
        return QVariant();
    }
    if (m_page->inHost)
        takeHostState(std::move(answer->state));
    return answer->result;
}

void HeadlessPage::takeHostState(web::HostPageState &&state)
{
    m_page->document = std::move(state.document);
    m_page->refusedData = state.refusedData;
    m_page->tables = std::move(state.tables);
    emit changed();
}

void HeadlessPage::hostEnded()
{
    if (!m_page->inHost)
        return;
    m_page->inHost = false;
    m_page->document = Document::parse(QString());
    m_page->tables.clear();
    m_page->refusedData = false;
    emit changed();
}

void HeadlessPage::createWindowObjects()
{
    if (!m_page->inHost)
        return;
    for (const Node *element : m_page->document->elementsByTag(nullptr, QStringLiteral("object"))) {
        const QString classId = normalizedClassId(element->attribute(QStringLiteral("classid")));
        if (QObject *object = windowObject(classId, paramsOf(element)))
            m_page->objects.append({idOf(element), object});
    }
}

// One object per class: a page's load scripts may call it before the window has the page's
// document.
QObject *HeadlessPage::windowObject(const QString &classId, const QMap<QString, QString> &params)
{
    for (const auto &[id, object] : m_page->windowObjects) {
        if (id == classId)
            return object;
    }
    const auto type = factories().find(classId);
    if (type == factories().end() || type->side != Side::Window)
        return nullptr;
    QObject *object = type->factory(params, m_page->dir, m_page);
    if (object)
        m_page->windowObjects.append({classId, object});
    return object;
}

// What the stand-ins in the host read of the window-side objects: their own properties.
void HeadlessPage::sendWindowObjects()
{
    for (const auto &[classId, object] : m_page->windowObjects) {
        if (!object)
            continue;
        QVariantMap properties;
        const QMetaObject *meta = object->metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
            properties.insert(QString::fromUtf8(meta->property(i).name()), meta->property(i).read(object));
        QByteArray body;
        QDataStream out(&body, QIODevice::WriteOnly);
        web::HostWire::prepare(out);
        web::HostWire::writeString(out, classId);
        out << properties;
        m_host->send(web::HostWire::Kind::ObjectState, body);
    }
}

void HeadlessPage::carryOut(const QString &classId, const QString &method, const QStringList &args)
{
    if (!m_page->inHost)
        return;
    if (QObject *object = windowObject(normalizedClassId(classId), {})) {
        invokeOwnMethod(object, method, args);
        sendWindowObjects();
    }
}

} // namespace ortelia
