#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <optional>

class QFile;

namespace ortelia {

// The bytes of a text file of the program's kind (Windows-1252, or UTF-8 after a byte-order
// mark), kept as they are on disk: a large file is mapped, not copied, and only the pieces asked
// for are decoded. Copies share the bytes.
class MappedText {
public:
    // Text already in memory, in the file's encoding.
    static MappedText of(QByteArray bytes);
    // The file mapped into memory; nullopt when it cannot be opened or mapped.
    static std::optional<MappedText> map(const QString &path);

    // The text's bytes without the byte-order mark.
    QByteArrayView bytes() const;
    bool isUtf8() const { return m_utf8; }
    QString decode(QByteArrayView piece) const;
    // The piece decoded as decode() does, into buffer, whose memory a Windows-1252 text reuses:
    // comparing many fields allocates once.
    QStringView decode(QByteArrayView piece, QString &buffer) const;
    // How a character is written in this text; empty when the encoding has no byte for it.
    QByteArray encode(QChar c) const;

private:
    MappedText() = default;
    void detectEncoding();

    std::shared_ptr<QFile> m_file;
    const char *m_mapped = nullptr;
    qsizetype m_size = 0;
    QByteArray m_owned;
    bool m_utf8 = false;
};

} // namespace ortelia
