#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace ortelia {

// The bytes of a text file of the program's kind (Windows-1252, or UTF-8 after a byte-order
// mark), kept as they are in the file: only the pieces asked for are decoded. UTF-16 after a
// byte-order mark is turned into UTF-8 once, so that separators and line breaks stay single
// bytes for every reader; such a text's offsets are not the file's. The bytes are
// owned, never mapped, so a file changed or cut short on disk cannot touch a text already read.
// Copies share the bytes.
class EncodedText {
public:
    // Text in the file's encoding.
    static EncodedText of(QByteArray bytes);

    // The text's bytes without the byte-order mark.
    QByteArrayView bytes() const;
    bool isUtf8() const { return m_utf8; }
    // True when bytes() are the file's own bytes (no UTF-16 file turned into UTF-8), so that an
    // offset into them, plus the byte-order mark, is one into the file.
    bool keepsFileBytes() const { return !m_fromUtf16; }
    QString decode(QByteArrayView piece) const;
    // The piece decoded as decode() does, into buffer, whose memory a Windows-1252 text reuses:
    // comparing many fields allocates once.
    QStringView decode(QByteArrayView piece, QString &buffer) const;
    // How a character is written in this text; empty when the encoding has no byte for it.
    QByteArray encode(QChar c) const;

private:
    EncodedText() = default;

    QByteArray m_bytes;
    bool m_utf8 = false;
    bool m_fromUtf16 = false;
};

} // namespace ortelia
