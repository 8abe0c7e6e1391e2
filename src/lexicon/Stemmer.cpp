#include "Stemmer.h"

#include <QFileInfo>

#include <hunspell.hxx>

namespace ortelia {

Stemmer::Stemmer(std::unique_ptr<Hunspell> hunspell, bool utf8)
    : m_hunspell(std::move(hunspell)), m_utf8(utf8)
{
}

Stemmer::~Stemmer() = default;

std::unique_ptr<Stemmer> Stemmer::open(const QString &dir, const QString &language, QString &error)
{
    const QString aff = dir + QLatin1Char('/') + language + QLatin1String(".aff");
    const QString dic = dir + QLatin1Char('/') + language + QLatin1String(".dic");
    if (!QFileInfo(aff).isFile() || !QFileInfo(dic).isFile()) {
        error = QStringLiteral("Hunspell-Wörterbuch %1 fehlt in %2: Grundformen ohne Wortstämme.")
                    .arg(language, dir);
        return nullptr;
    }
    auto hunspell =
        std::make_unique<Hunspell>(QFile::encodeName(aff).constData(), QFile::encodeName(dic).constData());
    const bool utf8 = QByteArray(hunspell->get_dic_encoding()).toUpper() == "UTF-8";
    return std::unique_ptr<Stemmer>(new Stemmer(std::move(hunspell), utf8));
}

QStringList Stemmer::stems(const QString &word) const
{
    QStringList spellings{word};
    if (!word.isEmpty() && word[0].isLower())
        spellings << word.left(1).toUpper() + word.mid(1);
    QStringList result;
    for (const QString &spelling : spellings) {
        const QByteArray bytes = m_utf8 ? spelling.toUtf8() : spelling.toLatin1();
        if (!m_utf8 && QString::fromLatin1(bytes) != spelling)
            continue; // not in the dictionary's character set
        for (const std::string &stem : m_hunspell->stem(bytes.toStdString())) {
            const QByteArray raw = QByteArray::fromStdString(stem);
            const QString text = (m_utf8 ? QString::fromUtf8(raw) : QString::fromLatin1(raw)).toLower();
            if (!result.contains(text))
                result << text;
        }
    }
    return result;
}

} // namespace ortelia
