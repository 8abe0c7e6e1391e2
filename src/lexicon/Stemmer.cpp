#include "Stemmer.h"

#include <QFileInfo>

#include <hunspell.hxx>

namespace ortelia {

Stemmer::Stemmer(const QString &aff, const QString &dic) : m_aff(aff), m_dic(dic)
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
    return std::unique_ptr<Stemmer>(new Stemmer(aff, dic));
}

Hunspell &Stemmer::hunspell() const
{
    std::call_once(m_loaded, [this] {
        m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(m_aff).constData(),
                                                QFile::encodeName(m_dic).constData());
        m_utf8 = QByteArray(m_hunspell->get_dic_encoding()).toUpper() == "UTF-8";
    });
    return *m_hunspell;
}

QStringList Stemmer::stems(const QString &word) const
{
    QStringList spellings{word};
    if (!word.isEmpty() && word[0].isLower())
        spellings << word.left(1).toUpper() + word.mid(1);
    Hunspell &dictionary = hunspell();
    QStringList result;
    for (const QString &spelling : spellings) {
        const QByteArray bytes = m_utf8 ? spelling.toUtf8() : spelling.toLatin1();
        if (!m_utf8 && QString::fromLatin1(bytes) != spelling)
            continue; // not in the dictionary's character set
        for (const std::string &stem : dictionary.stem(bytes.toStdString())) {
            const QByteArray raw = QByteArray::fromStdString(stem);
            const QString text = (m_utf8 ? QString::fromUtf8(raw) : QString::fromLatin1(raw)).toLower();
            if (!result.contains(text))
                result << text;
        }
    }
    return result;
}

} // namespace ortelia
