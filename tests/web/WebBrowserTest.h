#pragma once

#include <QMap>
#include <QObject>
#include <QStringList>

// A page object as the speech engine will be one: an invokable method, a property, a signal.
class SpeakerObject : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString voice READ voice WRITE setVoice)
public:
    using QObject::QObject;
    QString voice() const { return m_voice; }
    void setVoice(const QString &voice) { m_voice = voice; }
    Q_INVOKABLE int speak(const QString &text)
    {
        spoken << text;
        emit word(text);
        return int(spoken.size());
    }

    QStringList spoken;
    QMap<QString, QString> params;
    QString pageDir;

signals:
    void word(const QString &text);

private:
    QString m_voice;
};

class WebBrowserTest : public QObject {
    Q_OBJECT
private slots:
    void missingFileLeavesAnEmptyDocument();
    void formsMembersValuesAndClicks();
    void resetButtonResetsAfterItsOnclick();
    void scriptsRunInOrderAndSurviveErrors();
    void brokenAndDeepMarkupIsRead();
    void pageObjectsAreCreatedReachableAndDeleted();
    void pageMayNavigateFromItsOwnHandler();
    void pathsTextFilesAndFolders();
    void bodyHtmlRoundTrip();
    void scriptsSeeTheDocument();
    void timersRunLaterAndCanBeCleared();
    void scriptsHaveNoFileOrNetworkAccess();
    void dataBindingShowsTheCurrentRecord();
    void recordsNeverBecomeMarkup();
    void drawingHonoursHiddenElements();
    void pagesReachOnlyTheirFolders();
};
