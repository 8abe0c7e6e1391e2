#include "LookupKey.h"

namespace ortelia::LookupKey {

namespace {

bool isInvisible(char16_t c)
{
    return (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x2069) ||
           c == 0xFEFF;
}

// Below the first combining mark, text is composed already.
constexpr char16_t kFirstCombining = 0x0300;

} // namespace

QString cleaned(const QString &text)
{
    bool invisible = false;
    bool maybeDecomposed = false;
    for (QChar c : text) {
        invisible = invisible || isInvisible(c.unicode());
        maybeDecomposed = maybeDecomposed || c.unicode() >= kFirstCombining;
    }
    if (!maybeDecomposed)
        return text;
    QString visible = text;
    if (invisible)
        visible.removeIf([](QChar c) { return isInvisible(c.unicode()); });
    return visible.normalized(QString::NormalizationForm_C);
}

bool isEdgeMark(QChar c)
{
    static const QString marks = QStringLiteral(":;,.!?\"'()[]{}<>\u00AB\u00BB\u2039\u203A\u201A\u201E\u2018\u2019"
                                                "\u201C\u201D\u2026-\u2010\u2011\u2012\u2013\u2014\u2015\u00BF\u00A1");
    return marks.contains(c);
}

QStringView core(QStringView word)
{
    qsizetype begin = 0;
    qsizetype end = word.size();
    while (begin < end && isEdgeMark(word[begin]))
        ++begin;
    while (end > begin && isEdgeMark(word[end - 1]))
        --end;
    return word.sliced(begin, end - begin);
}

} // namespace ortelia::LookupKey
