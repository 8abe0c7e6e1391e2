#include "VoiceTable.h"

#include <array>

namespace ortelia::VoiceTable {

namespace {
// The German speakers come first; every dictionary language has a male and a female voice, and
// the voices after them give each language every speaker's variant, so that a speaker can say a
// text of any of these languages.
constexpr std::array<VoiceInfo, 35> kVoices = {{
    {"lgx.de.bill", "de", "m3"},    {"lgx.de.martin", "de", "m6"},   {"lgx.de.silke", "de", "f2"},
    {"lgx.de.johanna", "de", "f3"}, {"lgx.de.silkrvlg", "de", "f5"}, {"lgx.en.bill", "en", "m3"},
    {"lgx.en.kate", "en", "f2"},    {"lgx.fr.pierre", "fr", "m3"},   {"lgx.fr.claire", "fr", "f2"},
    {"lgx.it.marco", "it", "m3"},   {"lgx.it.giulia", "it", "f2"},   {"lgx.es.carlos", "es", "m3"},
    {"lgx.es.lucia", "es", "f2"},   {"lgx.el.nikos", "el", "m3"},    {"lgx.el.eleni", "el", "f2"},
    {"lgx.ar.karim", "ar", "m3"},   {"lgx.ar.layla", "ar", "f2"},    {"lgx.en.martin", "en", "m6"},
    {"lgx.en.johanna", "en", "f3"}, {"lgx.en.silkrvlg", "en", "f5"}, {"lgx.fr.martin", "fr", "m6"},
    {"lgx.fr.johanna", "fr", "f3"}, {"lgx.fr.silkrvlg", "fr", "f5"}, {"lgx.it.martin", "it", "m6"},
    {"lgx.it.johanna", "it", "f3"}, {"lgx.it.silkrvlg", "it", "f5"}, {"lgx.es.martin", "es", "m6"},
    {"lgx.es.johanna", "es", "f3"}, {"lgx.es.silkrvlg", "es", "f5"}, {"lgx.el.martin", "el", "m6"},
    {"lgx.el.johanna", "el", "f3"}, {"lgx.el.silkrvlg", "el", "f5"}, {"lgx.ar.martin", "ar", "m6"},
    {"lgx.ar.johanna", "ar", "f3"}, {"lgx.ar.silkrvlg", "ar", "f5"},
}};
} // namespace

int count()
{
    return int(kVoices.size());
}

const VoiceInfo &at(int index)
{
    return kVoices.at(size_t(index));
}

QString alias(int index)
{
    if (index < 0 || index >= count())
        return QString();
    return QLatin1String(kVoices[size_t(index)].alias);
}

int find(const QString &alias)
{
    const QString wanted = alias.trimmed();
    for (int i = 0; i < count(); ++i) {
        if (wanted.compare(QLatin1String(kVoices[size_t(i)].alias), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int inLanguage(int voice, QStringView language)
{
    if (voice < 0 || voice >= count())
        return -1;
    const QLatin1String variant(kVoices[size_t(voice)].variant);
    for (int i = 0; i < count(); ++i) {
        const VoiceInfo &other = kVoices[size_t(i)];
        if (language == QLatin1String(other.language) && variant == QLatin1String(other.variant))
            return i;
    }
    return -1;
}

} // namespace ortelia::VoiceTable
