#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>

namespace ortelia {

namespace web {
class Document;
class DataSource;
class LoadedPage;
} // namespace web

// A page without a window: its document, scripts, page objects and data binding. It loads a
// file synchronously: an HTML page is parsed into a document and its scripts and on... handlers
// run in a QJSEngine; a folder becomes a listing; a text file plain text; a missing file, one that
// is no regular file (a FIFO) or one over 64 MB (8 MB for a page) an empty document. The
// commands use it as it is; WebBrowser shows one.
class HeadlessPage : public QObject {
    Q_OBJECT
public:
    explicit HeadlessPage(QObject *parent = nullptr);
    ~HeadlessPage() override;

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
    static void registerObjectType(const QString &classId, ObjectFactory factory);
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

    web::LoadedPage *m_page = nullptr;
    QString m_location;
};

} // namespace ortelia
