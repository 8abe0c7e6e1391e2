#include "HunspellSpeller.h"

#include <QFile>
#include <QFileInfo>

#include <hunspell.hxx>

namespace ortelia {

namespace {

// Hunspell's suggestions take long on long words; no word of the dictionaries is this long.
constexpr qsizetype kLongestWord = 40;

QString hunspellFolder()
{
    const QString dir = qEnvironmentVariable("ORTELIA_HUNSPELL_DIR");
    return dir.isEmpty() ? QStringLiteral("/usr/share/hunspell") : dir;
}

} // namespace

HunspellSpeller::HunspellSpeller(const QString &aff, const QString &dic) : m_aff(aff), m_dic(dic)
{
}

HunspellSpeller::~HunspellSpeller() = default;

std::unique_ptr<HunspellSpeller> HunspellSpeller::open(const QStringList &languages)
{
    const QString dir = hunspellFolder();
    for (const QString &language : languages) {
        const QString aff = dir + QLatin1Char('/') + language + QLatin1String(".aff");
        const QString dic = dir + QLatin1Char('/') + language + QLatin1String(".dic");
        if (QFileInfo(aff).isFile() && QFileInfo(dic).isFile())
            return std::unique_ptr<HunspellSpeller>(new HunspellSpeller(aff, dic));
    }
    return nullptr;
}

QStringList HunspellSpeller::suggestions(const QString &word)
{
    QStringList result;
    if (word.isEmpty() || word.size() > kLongestWord)
        return result;
    if (!m_hunspell) {
        m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(m_aff).constData(),
                                                QFile::encodeName(m_dic).constData());
        m_utf8 = QByteArray(m_hunspell->get_dic_encoding()).toUpper() == "UTF-8";
    }
    suggestFor(word, result);
    if (word[0].isLower())
        suggestFor(word.left(1).toUpper() + word.mid(1), result);
    return result;
}

void HunspellSpeller::suggestFor(const QString &spelling, QStringList &into)
{
    const QByteArray bytes = m_utf8 ? spelling.toUtf8() : spelling.toLatin1();
    if (!m_utf8 && QString::fromLatin1(bytes) != spelling)
        return; // not in the dictionary's character set
    for (const std::string &suggestion : m_hunspell->suggest(bytes.toStdString())) {
        const QByteArray raw = QByteArray::fromStdString(suggestion);
        const QString text = (m_utf8 ? QString::fromUtf8(raw) : QString::fromLatin1(raw)).toLower();
        if (!into.contains(text))
            into << text;
    }
}

} // namespace ortelia
