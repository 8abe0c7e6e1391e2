#pragma once

#include "SpeechRequest.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace ortelia {

class SpeechEngine;

// The program's one way to speak. Each request is written to its request file in the program
// folder first (hilfe.txt for help and texts, erkennung.txt for translations: the record of what
// the program speaks) and then handed to the engine as it stands; a request that could not be
// written is not spoken.
class Speaker : public QObject {
    Q_OBJECT
public:
    explicit Speaker(SpeechEngine &engine, QObject *parent = nullptr);

    // True when written and handed to the engine.
    bool speakText(QStringList &lines, AfterWriting after = AfterWriting::EmptyList);
    bool speakTranslation(QStringList &lines, AfterWriting after = AfterWriting::EmptyList);
    // The same for a text in a language (a code, "en", or a name as the dictionaries answer it,
    // "Englisch"): the request is written and spoken as inLanguage() makes it.
    bool speakText(QStringList &lines, const QString &language, AfterWriting after = AfterWriting::EmptyList);
    bool speakTranslation(QStringList &lines, const QString &language,
                          AfterWriting after = AfterWriting::EmptyList);
    // A request that carries the voice profile, as this speaker says it in that language: every
    // voice is the same speaker in the text's language (VoiceChoice::inLanguage). An unknown
    // language leaves the lines as they are.
    QStringList inLanguage(const QStringList &lines, const QString &language);
    // A list read aloud in its language: its standard speaker is the profile in that language, a
    // voice picked for it stays (VoiceChoice::forList).
    QStringList listInLanguage(const QStringList &lines, const QString &language);
    // The lines of the voice profile stimm2.txt in the program folder, in file order, up to its
    // voice line and six tags (a sentence a voice test once stored behind them is not part of the
    // voice); none when the file is missing. A profile that is not a regular text file of settings size (a
    // FIFO, a device, a folder, binary junk, a huge file) gives the first-run voice line and a message.
    QStringList voiceProfile();
    // The same without a record: for requests already written where the caller keeps them.
    void speak(const QStringList &lines);
    void stop();
    void pause();
    void resume();
    bool paused() const;
    void repeat();

    SpeechEngine &engine() { return m_engine; }

signals:
    // A request replaces whatever was spoken; word positions refer to its text from now on.
    void started(const QString &request);
    // A word is heard: its start and length in the request as speak() joined it.
    void wordSpoken(int start, int length);
    void finished();
    // A German line for the user: the sound card failed, a voice cannot be loaded.
    void message(const QString &text);

private:
    bool speakRequest(const QString &fileName, QStringList &lines, AfterWriting after);
    bool speakRequest(const QString &fileName, QStringList &lines, const QString &language,
                      AfterWriting after);

    SpeechEngine &m_engine;
};

} // namespace ortelia
