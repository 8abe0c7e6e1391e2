#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QString>
#include <QStringList>

#include <optional>

namespace ortelia::web {

// The frames the window program and its page host exchange over their pipes: a 4-byte length,
// then a QDataStream payload whose first byte says what it is. Both sides read what the other
// sends as untrusted: every length is checked against the bytes that are actually there.
namespace HostWire {

// A frame larger than this ends the exchange: a page whose state does not fit is no page the
// window shows.
inline constexpr qint64 kMaxFrameBytes = qint64(64) * 1024 * 1024;

enum class Kind : quint8 {
    // window to host; each but ObjectState is answered by one Answer
    Navigate = 1,
    SetValue,
    ClickNode,
    SetBodyHtml,
    Evaluate,
    ObjectState, // the window-side page objects' properties, unanswered
    // host to window
    Answer = 32, // the page's state after a request, and the request's result
    State,       // the page's state after a timer changed it
    Stopped,     // page code was stopped and the host goes on (ScriptWatchdog::Stop)
    ObjectCall,  // a call of a stand-in, for the window-side object of that class
};

QByteArray frame(Kind kind, const QByteArray &body);

// Gives a stream over a payload the version both sides use.
void prepare(QDataStream &stream);

void writeString(QDataStream &out, const QString &text);
// False (and the stream failed) where the length is beyond what the payload holds.
bool readString(QDataStream &in, QString &text);
void writeStrings(QDataStream &out, const QStringList &texts);
bool readStrings(QDataStream &in, QStringList &texts);
// A count read before that many items of at least minItemBytes each: false where they cannot fit.
bool readCount(QDataStream &in, quint32 &count, qint64 minItemBytes);

// Collects bytes as they come and hands out whole frames.
class FrameReader {
public:
    void append(const QByteArray &bytes) { m_buffer += bytes; }
    // The next whole frame's payload (kind first); nullopt until one is complete.
    std::optional<QByteArray> next();
    // A length beyond kMaxFrameBytes came: nothing that follows can be trusted.
    bool failed() const { return m_failed; }

private:
    QByteArray m_buffer;
    bool m_failed = false;
};

} // namespace HostWire
} // namespace ortelia::web
