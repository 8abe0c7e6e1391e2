#include "LetterFile.h"

#include "TextFile.h"

namespace ortelia {

QString letterFileText(const QString &letter)
{
    QString text = letter;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return QLatin1Char('"') + text + QStringLiteral("\"\r\n");
}

bool saveLetter(const QString &path, const QString &letter)
{
    return !path.isEmpty() && TextFile::write(path, letterFileText(letter)).ok();
}

} // namespace ortelia
