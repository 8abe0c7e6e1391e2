#pragma once

#include "HeadlessPage.h"

#include <QString>
#include <QVariant>
#include <QWidget>

class QTextBrowser;
class QUrl;

namespace ortelia {

// The program's browser control: a HeadlessPage drawn in a QTextBrowser from its current
// document. Entries of a folder listing open with the system's handler.
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

    // Page objects: see HeadlessPage.
    using ObjectFactory = HeadlessPage::ObjectFactory;
    static void registerObjectType(const QString &classId, ObjectFactory factory);
    // The created page object of the given id (nullptr when none).
    QObject *pageObject(const QString &id) const;

    // Runs code in the loaded page (as a page script would) and returns its value.
    QVariant evaluateScript(const QString &code);
    // The page title.
    QString title() const;

    // The page shown, for code that works on pages with or without a window.
    HeadlessPage &page() { return m_page; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void scheduleRender();
    void render();
    void openLink(const QUrl &url);

    HeadlessPage m_page;
    QTextBrowser *m_view;
    bool m_renderPending = false;
    bool m_renderQueued = false;
};

} // namespace ortelia
