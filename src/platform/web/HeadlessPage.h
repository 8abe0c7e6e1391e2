#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

namespace ortelia {

namespace web {
class Document;
class DataSource;
class LoadedPage;
class PageHostClient;
struct HostPageState;
} // namespace web

// A page without a window: its document, scripts, page objects and data binding. It loads a
// file synchronously: an HTML page is parsed into a document and its scripts and on... handlers
// run in a QJSEngine; a folder becomes a listing; a text file plain text; a missing file, one that
// is no regular file (a FIFO) or one over 64 MB (8 MB for a page) an empty document. The
// commands use it as it is; WebBrowser shows one.
// Where a page host is set (the window program), every page that is not the program's own runs in
// a page host process of its own, bounded as a whole; this page then holds a copy of its document
// that the host sends after every request and after a timer changed it, and the same calls reach
// it. A host that ends leaves the page empty; the next page starts a new one.
class HeadlessPage : public QObject {
    Q_OBJECT
public:
    explicit HeadlessPage(QObject *parent = nullptr);
    ~HeadlessPage() override;

    struct PageHost {
        QString program; // the page host executable
        // Whether the page at path, whose bytes these are, is one of the program's own.
        std::function<bool(const QString &path, const QByteArray &bytes)> ownPage;
    };
    // From now on the pages that are not the program's own run in the host. Without it (the
    // commands, which run bounded as a whole) every page runs in this process.
    static void setPageHost(PageHost host);
    // Whether the loaded page runs in a page host.
    bool runsInHost() const;

    // The full path (or a name relative to the program folder), resolved without regard to case,
    // "/" and "\" alike. Any extension or none may hold a page ("sp", "T2", "sysx").
    // The program's own choice: a page of the user's own outside the program folder reaches its
    // own folder besides the program folder.
    void navigate(const QString &path);
    QString location() const { return m_location; }
    // Whether the loaded page may lead to path or read it (links resolved): the program folder,
    // and the folder of a page of the user's own. Links to anything else are not followed.
    bool reaches(const QString &path) const;

    // Forms(i) and their members by name (name attribute, else id).
    int formCount() const;
    bool hasMember(int form, const QString &name) const;
    QString value(int form, const QString &name) const;                 // "" when missing
    void setValue(int form, const QString &name, const QString &value); // fires no onchange
    // Runs the member's onclick, then its default action (a reset button resets its form);
    // false when there is no such member.
    bool click(int form, const QString &name);
    // Runs the element's click as a link to it would ("ortelia-click:<node>").
    void clickNode(int nodeId);
    QString bodyHtml() const;
    void setBodyHtml(const QString &html);

    // Page objects: an <object id="X" classid="clsid:..."> whose class id is registered gets a
    // QObject from the factory (params = its <param name value> pairs, pageDir = the page's
    // folder). Scripts reach it as the global X and as document.getElementById("X"); its
    // invokable methods, slots, signals and properties are the page's to use. The page owns the
    // object and deletes it on the next navigate.
    using ObjectFactory = std::function<QObject *(const QMap<QString, QString> &params,
                                                  const QString &pageDir, QObject *parent)>;
    // Where an object's calls are carried out for a page in the host: in the host (a data
    // object), or in this process, the host's stand-in handing them on (the speech engine).
    enum class Side { Page, Window };
    static void registerObjectType(const QString &classId, ObjectFactory factory, Side side = Side::Page);
    // A class id as the registry knows it: lower case, without "clsid:".
    static QString normalizedClassId(const QString &classId);
    // The created page object of the given id (nullptr when none).
    QObject *pageObject(const QString &id) const;
    // The page object of the given id when it is a data source (nullptr otherwise).
    web::DataSource *dataObject(const QString &id) const;
    // Whether a data object of the page was refused its file (not a regular file, too large,
    // unreadable); a missing file is no refusal. True once per loaded page, so that a window
    // that looks up word after word says so once.
    bool takeRefusedData();

    // Runs code in the loaded page (as a page script would) and returns its value.
    QVariant evaluateScript(const QString &code);
    QString title() const;

    const web::Document &document() const;
    // The folder that relative names of the page start from.
    QString dir() const;
    // True for a folder listing, whose entries open with the system's handler.
    bool isListing() const;

signals:
    // The document or a value shown in it changed.
    void changed();
    // navigate() has loaded a page (and run its load scripts).
    void loaded();

private:
    void createPageObjects();
    void bindData(const QString &sourceId);
    // The page runs in the host: the request goes there and its answer becomes the page's state.
    void loadInHost();
    QVariant askHost(int kind, const QByteArray &body);
    void takeHostState(web::HostPageState &&state);
    void createWindowObjects();
    QObject *windowObject(const QString &classId, const QMap<QString, QString> &params);
    void sendWindowObjects();
    void carryOut(const QString &classId, const QString &method, const QStringList &args);
    void hostEnded();

    web::LoadedPage *m_page = nullptr;
    QString m_location;
    std::unique_ptr<web::PageHostClient> m_host;
};

} // namespace ortelia
