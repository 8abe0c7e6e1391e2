#pragma once

#include <QJSValue>
#include <QLoggingCategory>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QJSEngine;

// Where page code's errors (debug) and stops (warning) are told.
Q_DECLARE_LOGGING_CATEGORY(lcPageScript)

namespace ortelia::web {

class Document;
class DomBridge;
struct Node;

// The scripts of one loaded page: a QJSEngine that sees the page's document (forms, elements by
// id and name, values, styles, text, HTML, clicks, focus, timers) and its page objects, and
// nothing else: no files, no network. A script error ends that script or handler only (set
// QT_LOGGING_RULES=ortelia.web.script.debug=true to see it). Page code that runs longer than
// ScriptWatchdog::kLimit, or that grows the program too much, is stopped with a German warning; the
// page stays usable.
class PageScript {
public:
    // Timers a page may have waiting at once.
    static constexpr int kMaxTimers = 1000;
    // Script files (src=) larger than this are not run.
    static constexpr qint64 kMaxScriptBytes = 8 * 1024 * 1024;

    PageScript(Document &document, std::function<void()> changed);
    ~PageScript();
    PageScript(const PageScript &) = delete;
    PageScript &operator=(const PageScript &) = delete;

    // A page object: reachable as the global `name` and as the object element's DOM object.
    void addObject(int nodeId, const QString &name, QObject *object);
    // Runs the page's scripts in document order (inline and src= files below pageDir), then its
    // load handler.
    void runPage(const QString &pageDir);
    // Runs the element's onclick, then its default action (a reset button resets its form).
    void click(int nodeId);
    // The page's names (ids, forms) after its shape was changed from outside.
    void refreshNames();
    // Runs code in the page; the value of the last expression, invalid on an error.
    QJSValue evaluate(const QString &code);
    // True while page code is running (a new page must then not pull the engine away).
    bool running() const { return m_depth > 0; }

private:
    friend class DomBridge;
    QJSValue call(QJSValue &function, const QJSValueList &args);
    // Runs page code under the watchdog.
    template <typename Run> QJSValue guarded(Run &&run);
    // Stops the running page code for asking more memory than the engine grants.
    void stopTooLarge();
    static void noteError(const QJSValue &result);

    Document &m_document;
    std::unique_ptr<QJSEngine> m_engine;
    std::unique_ptr<DomBridge> m_bridge;
    QJSValue m_click;
    QJSValue m_refresh;
    QJSValue m_load;
    int m_depth = 0;
    int m_namesGeneration = -1;
    bool m_tooLarge = false;
};

} // namespace ortelia::web
