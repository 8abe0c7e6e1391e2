#include "PageScript.h"

#include "FileRead.h"
#include "HtmlDocument.h"
#include "PageFile.h"
#include "ProgramFolder.h"
#include "ScriptWatchdog.h"
#include "TextFile.h"

#include <QHash>
#include <QJSEngine>
#include <QLoggingCategory>
#include <QTimer>
#include <QUrl>
#include <QVariantList>

Q_LOGGING_CATEGORY(lcPageScript, "ortelia.web.script", QtWarningMsg)

// Registers the prelude's byte code, made by the build, with the engine's module loader. Outside
// any namespace, as Q_INIT_RESOURCE needs.
static void registerPreludeByteCode()
{
    Q_INIT_RESOURCE(qmlcache_page_prelude);
}

namespace ortelia::web {

// What the page's scripts reach of the native document: node handles in, plain values out. It
// is handed to the prelude only and never becomes a global of the page.
class DomBridge : public QObject {
    Q_OBJECT
public:
    DomBridge(PageScript &script, Document &document, std::function<void()> changed)
        : m_script(script), m_document(document), m_changed(std::move(changed))
    {
    }

    QHash<int, QJSValue> objects;

    Q_INVOKABLE QString tag(int id) const
    {
        const Node *n = element(id);
        return n ? n->tag : QString();
    }
    Q_INVOKABLE QString type(int id) const
    {
        const Node *n = element(id);
        if (!n)
            return QString();
        if (n->is("input"))
            return n->inputType();
        const QString type = n->attribute(QStringLiteral("type")).toLower();
        return type.isEmpty() && n->is("button") ? QStringLiteral("submit") : type;
    }
    // What a click does besides its onclick: "reset", "submit", "checkbox", "radio" or "".
    Q_INVOKABLE QString clickAction(int id) const
    {
        const Node *n = element(id);
        if (!n || !(n->is("input") || n->is("button")))
            return QString();
        const QString kind = type(id);
        static const QStringList actions = {QStringLiteral("reset"), QStringLiteral("submit"),
                                            QStringLiteral("checkbox"), QStringLiteral("radio")};
        return actions.contains(kind) ? kind : QString();
    }
    Q_INVOKABLE QJSValue object(int id) const { return objects.value(id); }
    Q_INVOKABLE int generation() const { return m_document.generation(); }
    Q_INVOKABLE int body() const { return idOf(m_document.body()); }
    Q_INVOKABLE QString title() const { return m_document.title(); }
    Q_INVOKABLE int byId(const QString &id) const { return idOf(m_document.elementById(id)); }
    Q_INVOKABLE QVariantList byName(const QString &name) const
    {
        return ids(m_document.elementsByName(name));
    }
    Q_INVOKABLE QVariantList byTag(int scope, const QString &tag) const
    {
        if (scope >= 0 && !element(scope))
            return {};
        return ids(m_document.elementsByTag(scope >= 0 ? element(scope) : nullptr, tag));
    }
    Q_INVOKABLE QVariantList forms() const { return ids(m_document.forms()); }
    Q_INVOKABLE QVariantList formControls(int id) const
    {
        const Node *form = element(id);
        return form ? ids(m_document.formControls(form)) : QVariantList();
    }
    // Name, node, name, node... of a form's members: by name, and by id where it has no name.
    Q_INVOKABLE QVariantList formNames(int id) const
    {
        QVariantList result;
        for (const Node *n : m_document.formControls(element(id))) {
            QString name = n->attribute(QStringLiteral("name"));
            if (name.isEmpty())
                name = n->attribute(QStringLiteral("id"));
            if (!name.isEmpty())
                result << name << n->id;
        }
        return result;
    }
    // Id, node, id, node... of every element with an id.
    Q_INVOKABLE QVariantList ids() const
    {
        QVariantList result;
        for (const Node *n : m_document.elementsWithId())
            result << n->attribute(QStringLiteral("id")) << n->id;
        return result;
    }
    Q_INVOKABLE QVariantList children(int id) const
    {
        QVariantList result;
        if (const Node *n = element(id)) {
            for (const auto &child : n->children) {
                if (child->isElement())
                    result << child->id;
            }
        }
        return result;
    }
    Q_INVOKABLE int parent(int id) const
    {
        const Node *n = element(id);
        return n ? idOf(n->parent) : -1;
    }
    Q_INVOKABLE int formOf(int id) const { return idOf(m_document.formOf(element(id))); }
    Q_INVOKABLE int activeElement() const { return element(m_focus) ? m_focus : body(); }

    Q_INVOKABLE bool hasAttr(int id, const QString &name) const
    {
        const Node *n = element(id);
        return n && n->hasAttribute(name);
    }
    Q_INVOKABLE QString attr(int id, const QString &name) const
    {
        const Node *n = element(id);
        return n ? n->attribute(name) : QString();
    }
    Q_INVOKABLE void setAttr(int id, const QString &name, const QString &value)
    {
        if (Node *n = element(id)) {
            if (n->is("input") && name == QLatin1String("value"))
                n->value = value;
            n->setAttribute(name, value);
            m_changed();
        }
    }
    Q_INVOKABLE void removeAttr(int id, const QString &name)
    {
        if (Node *n = element(id)) {
            n->removeAttribute(name);
            m_changed();
        }
    }
    Q_INVOKABLE QString value(int id) const
    {
        const Node *n = element(id);
        if (!n)
            return QString();
        return n->isFormControl() || n->bound ? n->value : n->attribute(QStringLiteral("value"));
    }
    Q_INVOKABLE QString defaultValue(int id) const
    {
        const Node *n = element(id);
        return n ? n->defaultValue : QString();
    }
    Q_INVOKABLE void setValue(int id, const QString &value)
    {
        if (Node *n = element(id)) {
            if (n->isFormControl() || n->bound)
                n->value = value;
            else
                n->setAttribute(QStringLiteral("value"), value);
            m_changed();
        }
    }
    Q_INVOKABLE bool checked(int id) const
    {
        const Node *n = element(id);
        return n && n->checked;
    }
    Q_INVOKABLE void setChecked(int id, bool checked)
    {
        if (Node *n = element(id)) {
            n->checked = checked;
            m_changed();
        }
    }
    Q_INVOKABLE QString text(int id) const
    {
        const Node *n = element(id);
        return n && n->is("textarea") ? n->value : Document::textContent(n);
    }
    // Returns the tree's generation afterwards (the page's names follow a change of shape).
    Q_INVOKABLE int setText(int id, const QString &text)
    {
        if (Node *n = element(id)) {
            m_document.setTextContent(n, text);
            m_changed();
        }
        return m_document.generation();
    }
    Q_INVOKABLE QString innerHTML(int id) const { return m_document.innerHtml(element(id)); }
    Q_INVOKABLE QString outerHTML(int id) const { return m_document.outerHtml(element(id)); }
    Q_INVOKABLE int setInnerHTML(int id, const QString &html)
    {
        if (Node *n = element(id)) {
            m_document.setInnerHtml(n, html);
            m_changed();
        }
        return m_document.generation();
    }
    Q_INVOKABLE QString style(int id, const QString &property) const
    {
        return Document::styleValue(element(id), property);
    }
    Q_INVOKABLE void setStyle(int id, const QString &property, const QString &value)
    {
        if (Node *n = element(id)) {
            Document::setStyleValue(n, property, value);
            m_changed();
        }
    }
    Q_INVOKABLE void resetForm(int id)
    {
        if (Node *n = element(id)) {
            m_document.resetForm(n);
            m_changed();
        }
    }
    Q_INVOKABLE void focus(int id)
    {
        if (element(id))
            m_focus = id;
    }
    // 0, and no timer, once the page has kMaxTimers of them.
    Q_INVOKABLE int setTimer(QJSValue function, int ms, bool repeat)
    {
        if (m_timers.size() >= PageScript::kMaxTimers) {
            qCDebug(lcPageScript) << "too many timers";
            return 0;
        }
        const int id = ++m_lastTimer;
        auto *timer = new QTimer(this);
        timer->setSingleShot(!repeat);
        m_timers.insert(id, timer);
        connect(timer, &QTimer::timeout, this, [this, id, function, repeat]() mutable {
            if (!repeat)
                clearTimer(id);
            m_script.call(function, {});
        });
        timer->start(qMax(0, ms));
        return id;
    }
    Q_INVOKABLE void clearTimer(int id)
    {
        if (QTimer *timer = m_timers.take(id)) {
            timer->stop();
            timer->deleteLater();
        }
    }
    Q_INVOKABLE void error(const QString &message) { qCDebug(lcPageScript) << message; }
    // The page asked for an array or a string beyond the engine's bounds: it is stopped.
    Q_INVOKABLE void tooLarge() { m_script.stopTooLarge(); }

private:
    Node *element(int id) const
    {
        Node *n = m_document.node(id);
        return n && n->isElement() ? n : nullptr;
    }
    static int idOf(const Node *n) { return n ? n->id : -1; }
    static QVariantList ids(const QList<Node *> &nodes)
    {
        QVariantList result;
        result.reserve(nodes.size());
        for (const Node *n : nodes)
            result << n->id;
        return result;
    }

    PageScript &m_script;
    Document &m_document;
    std::function<void()> m_changed;
    int m_focus = -1;
    int m_lastTimer = 0;
    QHash<int, QTimer *> m_timers;
};

namespace {

bool isJavaScript(const Node *script)
{
    for (const QString &name : {QStringLiteral("language"), QStringLiteral("type")}) {
        const QString kind = script->attribute(name).toLower();
        if (!kind.isEmpty() && !kind.contains(QLatin1String("javascript")) &&
            !kind.contains(QLatin1String("jscript")) && !kind.contains(QLatin1String("ecmascript")))
            return false;
    }
    return true;
}

// The text of a script file beside the page; remote addresses and files out of the page's reach
// are never read.
QString scriptFile(const QString &pageDir, const QString &src)
{
    QString path = src;
    const QUrl url(src);
    if (url.isLocalFile())
        path = url.toLocalFile();
    else if (src.contains(QLatin1String("://")))
        return QString();
    const QString resolved = ProgramFolder::resolve(pageDir, path);
    if (!PageFile::withinReach(pageDir, resolved))
        return QString();
    const std::optional<QByteArray> bytes = FileRead::regularFile(resolved, PageScript::kMaxScriptBytes);
    return bytes ? TextFile::decode(*bytes) : QString();
}

} // namespace

PageScript::PageScript(Document &document, std::function<void()> changed)
    : m_document(document), m_engine(std::make_unique<QJSEngine>())
{
    m_bridge = std::make_unique<DomBridge>(*this, document, std::move(changed));
    QJSEngine::setObjectOwnership(m_bridge.get(), QJSEngine::CppOwnership);
    static const bool registered = (registerPreludeByteCode(), true);
    Q_UNUSED(registered);
    const QJSValue builder =
        m_engine->importModule(QStringLiteral(":/web/prelude.mjs")).property(QStringLiteral("default"));
    const QJSValue entry = builder.call({m_engine->newQObject(m_bridge.get()), m_engine->globalObject()});
    m_click = entry.property(QStringLiteral("click"));
    m_refresh = entry.property(QStringLiteral("refresh"));
    m_load = entry.property(QStringLiteral("load"));
    noteError(entry);
}

PageScript::~PageScript()
{
    // The engine goes first, while the bridge it calls still exists.
    m_click = m_refresh = m_load = QJSValue();
    m_bridge->objects.clear();
    m_engine.reset();
}

void PageScript::addObject(int nodeId, const QString &name, QObject *object)
{
    QJSEngine::setObjectOwnership(object, QJSEngine::CppOwnership);
    const QJSValue wrapper = m_engine->newQObject(object);
    m_bridge->objects.insert(nodeId, wrapper);
    if (!name.isEmpty())
        m_engine->globalObject().setProperty(name, wrapper);
}

void PageScript::runPage(const QString &pageDir)
{
    refreshNames();
    QList<int> scripts;
    for (const Node *n : m_document.elementsByTag(nullptr, QStringLiteral("script")))
        scripts << n->id;
    for (int id : scripts) {
        const Node *script = m_document.node(id);
        if (!script || !isJavaScript(script))
            continue;
        const QString src = script->attribute(QStringLiteral("src"));
        const QString code = src.isEmpty() ? Document::textContent(script) : scriptFile(pageDir, src);
        if (!code.trimmed().isEmpty())
            evaluate(code);
        if (m_document.generation() != m_namesGeneration)
            refreshNames();
    }
    call(m_load, {});
}

void PageScript::click(int nodeId)
{
    call(m_click, {nodeId});
}

void PageScript::refreshNames()
{
    m_namesGeneration = m_document.generation();
    call(m_refresh, {});
}

QJSValue PageScript::evaluate(const QString &code)
{
    QStringList trace;
    QJSValue result = guarded([&] { return m_engine->evaluate(code, QStringLiteral("page"), 1, &trace); });
    if (!trace.isEmpty() || result.isError()) {
        qCDebug(lcPageScript) << result.toString();
        return QJSValue();
    }
    return result;
}

QJSValue PageScript::call(QJSValue &function, const QJSValueList &args)
{
    if (!function.isCallable())
        return QJSValue();
    QJSValue result = guarded([&] { return function.call(args); });
    noteError(result);
    return result;
}

template <typename Run> QJSValue PageScript::guarded(Run &&run)
{
    // Page code entered again from within (a timer in a nested event loop) runs on the outer
    // entry's time.
    if (m_depth > 0) {
        ++m_depth;
        QJSValue result = run();
        --m_depth;
        return result;
    }
    ++m_depth;
    ScriptWatchdog::Running running([engine = m_engine.get()] { engine->setInterrupted(true); });
    QJSValue result = run();
    ScriptWatchdog::Stop stop = running.end();
    --m_depth;
    if (std::exchange(m_tooLarge, false))
        stop = ScriptWatchdog::Stop::Memory;
    if (stop == ScriptWatchdog::Stop::None)
        return result;
    m_engine->setInterrupted(false);
    if (stop == ScriptWatchdog::Stop::Memory)
        m_engine->collectGarbage();
    qCWarning(lcPageScript).noquote() << QString::fromUtf8(ScriptWatchdog::warning(stop));
    return QJSValue();
}

void PageScript::stopTooLarge()
{
    m_tooLarge = true;
    m_engine->setInterrupted(true);
}

void PageScript::noteError(const QJSValue &result)
{
    if (result.isError())
        qCDebug(lcPageScript) << result.toString();
}

} // namespace ortelia::web

#include "PageScript.moc"
