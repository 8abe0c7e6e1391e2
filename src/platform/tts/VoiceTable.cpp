#include "VoiceTable.h"

#include <array>

namespace ortelia::VoiceTable {

namespace {
// The German speakers come first; every dictionary language has a male and a female voice.
constexpr std::array<VoiceInfo, 17> kVoices = {{
    {"lgx.de.bill", "de", "m3"},
    {"lgx.de.martin", "de", "m6"},
    {"lgx.de.silke", "de", "f2"},
    {"lgx.de.johanna", "de", "f3"},
    {"lgx.de.silkrvlg", "de", "f5"},
    {"lgx.en.bill", "en", "m3"},
    {"lgx.en.kate", "en", "f2"},
    {"lgx.fr.pierre", "fr", "m3"},
    {"lgx.fr.claire", "fr", "f2"},
    {"lgx.it.marco", "it", "m3"},
    {"lgx.it.giulia", "it", "f2"},
    {"lgx.es.carlos", "es", "m3"},
    {"lgx.es.lucia", "es", "f2"},
    {"lgx.el.nikos", "el", "m3"},
    {"lgx.el.eleni", "el", "f2"},
    {"lgx.ar.karim", "ar", "m3"},
    {"lgx.ar.layla", "ar", "f2"},
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

} // namespace ortelia::VoiceTable
