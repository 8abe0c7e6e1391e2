#pragma once

#include <QMap>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <functional>

class QTextBrowser;
class QUrl;

namespace ortelia {

namespace web {
class LoadedPage;
}

// The program's browser control. It loads a file synchronously: an HTML page is parsed into a
// document, its scripts and on... handlers run in a QJSEngine, and it is drawn from its current
// document in a QTextBrowser; a folder shows as a listing whose entries open with the system's
// handler; a text file shows as plain text; a missing file leaves an empty document.
class WebBrowser : public QWidget {
    Q_OBJECT
public:
    explicit WebBrowser(QWidget *parent = nullptr);
    ~WebBrowser() override;

    // The full path (or a name relative to the program folder), resolved without regard to case,
    // "/" and "\" alike. Any extension or none may hold a page ("sp", "T2", "sysx").
    void navigate(const QString &path);
    QString location() const;

    // Forms(i) and their members by name (name attribute, else id).
    int formCount() const;
    bool hasMember(int form, const QString &name) const;
    QString value(int form, const QString &name) const;                  // "" when missing
    void setValue(int form, const QString &name, const QString &value);  // fires no onchange
    // Runs the member's onclick, then its default action (a reset button resets its form);
    // false when there is no such member.
    bool click(int form, const QString &name);
    QString bodyHtml() const;
    void setBodyHtml(const QString &html);
    void focusDocument();

    // Page objects: an <object id="X" classid="clsid:..."> whose class id is registered gets a
    // QObject from the factory (params = its <param name value> pairs, pageDir = the page's
    // folder). Scripts reach it as the global X and as document.getElementById("X"); its
    // invokable methods, slots, signals and properties are the page's to use. The browser owns
    // the object and deletes it on the next navigate.
    using ObjectFactory = std::function<QObject *(const QMap<QString, QString> &params, const QString &pageDir,
                                                  QObject *parent)>;
    static void registerObjectType(const QString &classId, ObjectFactory factory);
    // The created page object of the given id (nullptr when none).
    QObject *pageObject(const QString &id) const;

    // Runs code in the loaded page (as a page script would) and returns its value.
    QVariant evaluateScript(const QString &code);
    // The page title.
    QString title() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void scheduleRender();
    void render();
    void openLink(const QUrl &url);
    void createPageObjects();
    void bindData(const QString &sourceId);

    QTextBrowser *m_view;
    web::LoadedPage *m_page = nullptr;
    QString m_location;
    bool m_renderPending = false;
    bool m_renderQueued = false;
};

} // namespace ortelia
