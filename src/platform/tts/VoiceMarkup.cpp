#include "VoiceMarkup.h"

#include "VoiceTagTable.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <optional>

namespace ortelia {

namespace {

// A decimal number with optional sign and fraction, blanks around it allowed.
std::optional<double> parseNumber(QStringView text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?\\d+(\\.\\d*)?\\s*$"));
    if (!number.match(text.toString()).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The value of "number + unit" (unit compared without regard to case), clamped and rounded.
std::optional<int> parseValue(QStringView value, QLatin1String unit, int low, int high)
{
    const QStringView trimmed = value.trimmed();
    if (!trimmed.endsWith(unit, Qt::CaseInsensitive))
        return std::nullopt;
    const std::optional<double> number = parseNumber(trimmed.chopped(unit.size()));
    if (!number)
        return std::nullopt;
    return int(std::lround(std::clamp(*number, double(low), double(high))));
}

// "DL122=1:$123=200.0,$124=0.4,$125=0.0;": delay in ms, gain and feedback of the echo.
bool applyEcho(QStringView value, VoiceSettings &settings)
{
    static const QRegularExpression effect(QStringLiteral("^\\s*DL122\\s*=\\s*(\\d+)\\s*:([^;]*);?\\s*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = effect.match(value.toString());
    if (!match.hasMatch())
        return false;
    const VoiceTagInfo &echo = VoiceTagTable::info(VoiceTag::Echo);
    VoiceSettings next = settings;
    const QStringList parameters = match.captured(2).split(QLatin1Char(','));
    for (const QString &parameter : parameters) {
        const qsizetype eq = parameter.indexOf(QLatin1Char('='));
        if (eq < 0)
            return false;
        const QString name = parameter.left(eq).trimmed();
        const std::optional<double> number = parseNumber(QStringView(parameter).mid(eq + 1));
        if (!number)
            return false;
        if (name == QLatin1String("$123"))
            next.echoDelayMs =
                int(std::lround(std::clamp(*number, double(echo.minimum), double(echo.maximum))));
        else if (name == QLatin1String("$124"))
            next.echoGain = std::clamp(*number, 0.0, 1.0);
        else if (name == QLatin1String("$125"))
            next.echoFeedback = std::clamp(*number, 0.0, 0.9);
        else
            return false;
    }
    if (match.captured(1).toInt() == 0)
        next.echoDelayMs = 0;
    settings = next;
    return true;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0xFEFF);
}

} // namespace

QString VoiceSettings::describe() const
{
    return QStringLiteral("%1\tspd=%2%\tbpit=%3Hz\tpit=%4Hz\tvol=%5%\tbint=%6%\techo=%7ms,%8,%9")
        .arg(VoiceTable::alias(voice))
        .arg(speedPercent)
        .arg(basePitchHz)
        .arg(intonationHz)
        .arg(volumePercent)
        .arg(roughnessPercent)
        .arg(echoDelayMs)
        .arg(echoGain)
        .arg(echoFeedback);
}

QString Utterance::text() const
{
    QStringList parts;
    for (const SpokenLine &line : lines)
        parts << line.text;
    return parts.join(QLatin1Char(' ')).simplified();
}

SpokenLine Utterance::speech() const
{
    static const QString closing = QStringLiteral(".,;:!?");
    SpokenLine speech;
    for (const SpokenLine &line : lines) {
        const QStringView before = QStringView(speech.text).trimmed();
        if (!before.isEmpty()) {
            // The joint belongs to the end of the line before it.
            const QString joint =
                closing.contains(before.back()) ? QStringLiteral(" ") : QStringLiteral(", ");
            speech.text += joint;
            speech.sourcePositions.insert(speech.sourcePositions.size(), joint.size(),
                                          speech.sourcePositions.last());
        }
        speech.text += line.text;
        speech.sourcePositions += line.sourcePositions;
    }
    return speech;
}

namespace VoiceMarkup {

namespace {

// Applies a tag's value to settings. False when the value is malformed, leaving settings unchanged.
bool applyTag(const VoiceTagInfo &tag, QStringView value, VoiceSettings &settings)
{
    const auto set = [&](int &field) {
        const std::optional<int> parsed =
            parseValue(value, QLatin1String(tag.unit), tag.minimum, tag.maximum);
        if (!parsed)
            return false;
        field = *parsed;
        return true;
    };
    switch (tag.tag) {
    case VoiceTag::Voice: {
        QStringView alias = value.trimmed();
        if (alias.startsWith(QLatin1String("name:"), Qt::CaseInsensitive))
            alias = alias.mid(5);
        const int voice = VoiceTable::find(alias.toString());
        if (voice < 0)
            return false;
        settings.voice = voice;
        return true;
    }
    case VoiceTag::Speed:
        return set(settings.speedPercent);
    case VoiceTag::BasePitch:
        return set(settings.basePitchHz);
    case VoiceTag::Intonation:
        return set(settings.intonationHz);
    case VoiceTag::Volume:
        return set(settings.volumePercent);
    case VoiceTag::Roughness:
        return set(settings.roughnessPercent);
    case VoiceTag::Echo:
        return applyEcho(value, settings);
    }
    return false;
}

// The tag that starts with the "#" at text[hash]: a known key, "=", a value and the closing "#",
// all before end. nullopt when that "#" starts no tag.
struct FoundTag {
    const VoiceTagInfo *info;
    QStringView value;
    qsizetype close;
};
std::optional<FoundTag> tagAt(const QString &text, qsizetype hash, qsizetype end)
{
    // Blanks may stand around a key ("#AFX =..."); a few more characters than the longest key.
    const qsizetype reach = std::min(end, hash + 1 + VoiceTagTable::kLongestKey + 4);
    qsizetype eq = hash + 1;
    while (eq < reach && text[eq] != QLatin1Char('=') && text[eq] != QLatin1Char('#'))
        ++eq;
    if (eq >= reach || text[eq] != QLatin1Char('='))
        return std::nullopt;
    const VoiceTagInfo *info = VoiceTagTable::find(QStringView(text).mid(hash + 1, eq - hash - 1));
    if (!info)
        return std::nullopt;
    const qsizetype close = text.indexOf(QLatin1Char('#'), eq + 1);
    if (close < 0 || close >= end)
        return std::nullopt;
    return FoundTag{info, QStringView(text).mid(eq + 1, close - eq - 1), close};
}

} // namespace

QList<Utterance> interpret(const QString &request, const VoiceSettings &start)
{
    const QString text = request.left(kMaxRequestLength);
    QList<Utterance> result;
    Utterance current{start, {}};
    SpokenLine line;

    const auto endLine = [&] {
        if (!line.text.trimmed().isEmpty())
            current.lines << line;
        line = SpokenLine();
    };
    const auto changeSettings = [&](const VoiceSettings &next) {
        if (next == current.settings)
            return;
        endLine();
        if (!current.lines.isEmpty())
            result << current;
        current = Utterance{next, {}};
    };
    const auto speakLine = [&](qsizetype begin, qsizetype end) {
        qsizetype first = begin;
        qsizetype last = end;
        while (first < last && isBlank(text[first]))
            ++first;
        while (last > first && isBlank(text[last - 1]))
            --last;
        if (last - first >= 2 && text[first] == QLatin1Char('"') && text[last - 1] == QLatin1Char('"')) {
            begin = first + 1;
            end = last - 1;
        }
        for (qsizetype i = begin; i < end; ++i) {
            const QChar c = text[i];
            if (c == QLatin1Char('#')) {
                const qsizetype standard = VoiceTagTable::kStandardSpeaker.size();
                if (i + standard <= end &&
                    QStringView(text).mid(i, standard).compare(VoiceTagTable::kStandardSpeaker, Qt::CaseInsensitive) == 0) {
                    i += standard - 1;
                    continue;
                }
                if (const std::optional<FoundTag> tag = tagAt(text, i, end)) {
                    VoiceSettings next = current.settings;
                    if (applyTag(*tag->info, tag->value, next))
                        changeSettings(next);
                    i = tag->close;
                    continue;
                }
            }
            if (c == QChar(0xFEFF))
                continue;
            line.text += c.unicode() < 0x20 ? QChar(u' ') : c;
            line.sourcePositions << i;
        }
        endLine();
    };

    qsizetype begin = 0;
    while (begin < text.size()) {
        qsizetype end = begin;
        while (end < text.size() && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
            ++end;
        speakLine(begin, end);
        begin = end;
        if (begin < text.size() && text[begin] == QLatin1Char('\r'))
            ++begin;
        if (begin < text.size() && text[begin] == QLatin1Char('\n'))
            ++begin;
    }
    if (!current.lines.isEmpty())
        result << current;
    return result;
}

} // namespace VoiceMarkup
} // namespace ortelia
