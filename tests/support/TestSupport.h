#pragma once

#include "Dialogs.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

namespace ortelia::test {

// Answers every box instead of a user and records what was asked. Installed while it lives.
class RecordingResponder : public DialogResponder {
public:
    RecordingResponder();
    ~RecordingResponder() override;

    DialogAnswer answer(const DialogRequest &request) override;
    QString fileName(const DialogRequest &request) override;

    QList<DialogRequest> requests;
    // Answers handed out in order; when empty, a box is answered OK or Yes.
    QList<DialogAnswer> answers;
    // File names handed out in order; when empty, a file dialog is cancelled.
    QStringList fileNames;

    QStringList texts() const;

private:
    DialogResponder *m_previous;
};

// A fresh program folder made from the assembled one, as the current directory while it lives.
// The dictionary folder holds the small test dictionaries; with realDictionaries the dictionaries
// built from FreeDict take the place of the small ones of the same name.
class TempProgramFolder {
public:
    explicit TempProgramFolder(bool realDictionaries = false);
    ~TempProgramFolder();

    QString path() const;
    QString file(const QString &relativeName) const;
    QByteArray readBytes(const QString &relativeName) const;
    void writeBytes(const QString &relativeName, const QByteArray &bytes) const;

private:
    QTemporaryDir m_dir;
    QString m_previousCurrent;
};

// The speech engine's log (one line per utterance), in a temporary folder, for the whole test
// program; no sound card is used. Make it before the first thing is spoken.
class SpeechLog {
public:
    SpeechLog();
    QString path() const;
    QStringList lines() const;
    // The lines added since the last call.
    QStringList newLines();

private:
    QTemporaryDir m_dir;
    qsizetype m_seen = 0;
};

// A small file system of its own (tmpfs) that a test can fill up, to see what a full disk does.
// Needs root, as CI and the development machines run the tests; otherwise mounted() is false
// and the test skips.
class SmallDisk {
public:
    SmallDisk();
    ~SmallDisk();
    bool mounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    // Takes every free byte, so that the next write fails.
    void fill() const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

// Stands in for the desktop's programs while it lives: every file, web address and mail address the
// program hands to the desktop is recorded instead of opened.
class DesktopRecorder : public QObject {
    Q_OBJECT
public:
    DesktopRecorder();
    ~DesktopRecorder() override;
    QStringList opened;

private slots:
    void open(const QUrl &url);
};

// The assembled program folder of the build and the test fixtures of the source tree.
QString assembledProgramFolder();
QString fixturesFolder();
// A device node at path, inside the test's own folder, that reads as /dev/zero does: made with
// mknod, which needs root (as CI has); false without. Tests plant links to this, never to /dev.
bool makeZeroDevice(const QString &path);

} // namespace ortelia::test
