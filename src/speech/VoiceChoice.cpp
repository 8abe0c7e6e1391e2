#include "VoiceChoice.h"

#include "VoiceTable.h"
#include "VoiceTagTable.h"

#include <QRegularExpression>

#include <array>
#include <optional>

namespace ortelia::VoiceChoice {

namespace {

struct Language {
    const char *code;
    // Beginnings of its German and English names, lower case ("frazösisch" is how DeFr names it).
    std::array<const char *, 3> names;
};
constexpr std::array<Language, 7> kLanguages = {{
    {"de", {"deutsch", "german", nullptr}},
    {"en", {"engl", nullptr, nullptr}},
    {"fr", {"fra", "french", nullptr}},
    {"it", {"ital", nullptr, nullptr}},
    {"es", {"span", "esp", nullptr}},
    {"el", {"griech", "greek", nullptr}},
    {"ar", {"arab", nullptr, nullptr}},
}};

const QRegularExpression &voiceTag()
{
    static const QRegularExpression tag(QStringLiteral("#[ \\t]*voice[ \\t]*=([^#]*)#"),
                                        QRegularExpression::CaseInsensitiveOption);
    return tag;
}

// The voice a tag's value names, as the markup reads it; -1 when none is installed by that alias.
int voiceOf(QStringView value)
{
    QStringView alias = value.trimmed();
    if (alias.startsWith(QLatin1String("name:"), Qt::CaseInsensitive))
        alias = alias.mid(5);
    return VoiceTable::find(alias.toString());
}

// Markup ahead of the request's first line; inside a line's opening quote, which the markup
// leaves out of what is spoken only when it stands first.
void putAhead(QStringList &lines, const QString &markup)
{
    if (lines.isEmpty())
        lines << QString();
    QString &first = lines.first();
    first.insert(first.startsWith(QLatin1Char('"')) ? 1 : 0, markup);
}

} // namespace

QString languageOf(const QString &name)
{
    const QString wanted = name.trimmed().toLower();
    if (wanted.isEmpty())
        return QString();
    for (const Language &language : kLanguages) {
        if (wanted == QLatin1String(language.code))
            return QLatin1String(language.code);
        for (const char *start : language.names) {
            if (start && wanted.startsWith(QString::fromUtf8(start)))
                return QLatin1String(language.code);
        }
    }
    return QString();
}

int namedVoice(const QStringList &lines)
{
    for (const QString &line : lines) {
        for (auto it = voiceTag().globalMatch(line); it.hasNext();) {
            if (const int voice = voiceOf(it.next().capturedView(1)); voice >= 0)
                return voice;
        }
    }
    return -1;
}

QString answerLanguage(const QString &first, const QString &second, TextDirection direction)
{
    return languageOf(direction == TextDirection::German ? second : first);
}

QStringList inLanguage(const QStringList &lines, const QString &language, int fallbackVoice)
{
    if (language.isEmpty())
        return lines;
    QStringList result;
    bool named = false;
    for (const QString &line : lines) {
        QString moved;
        qsizetype from = 0;
        for (auto it = voiceTag().globalMatch(line); it.hasNext();) {
            const QRegularExpressionMatch tag = it.next();
            moved += QStringView(line).mid(from, tag.capturedStart() - from);
            from = tag.capturedEnd();
            const int voice = voiceOf(tag.capturedView(1));
            const int there = VoiceTable::inLanguage(voice, language);
            named = named || voice >= 0;
            moved += there >= 0 && there != voice ? VoiceTagTable::writeVoice(VoiceTable::alias(there))
                                                  : tag.captured(0);
        }
        result << moved.append(QStringView(line).mid(from));
    }
    const int speaker = VoiceTable::inLanguage(fallbackVoice, language);
    if (!named && speaker >= 0)
        putAhead(result, VoiceTagTable::writeVoice(VoiceTable::alias(speaker)));
    return result;
}

QStringList forList(const QStringList &lines, const std::function<QStringList()> &profile)
{
    static const QRegularExpression standard(QStringLiteral("#Standard? Sprecher#"),
                                             QRegularExpression::CaseInsensitiveOption);
    std::optional<QString> voice;
    const auto profileMarkup = [&] {
        if (!voice) {
            QStringList markup = profile();
            markup.removeAll(QString());
            voice = markup.join(QLatin1Char(' '));
        }
        return *voice;
    };
    QStringList result;
    for (const QString &line : lines)
        result << (line.contains(standard) ? QString(line).replace(standard, profileMarkup()) : line);
    if (namedVoice(result) < 0)
        putAhead(result, profileMarkup());
    return result;
}

} // namespace ortelia::VoiceChoice
