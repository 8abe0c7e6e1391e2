#include "VoiceMarkup.h"

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
            next.echoDelayMs = int(std::lround(std::clamp(*number, 0.0, 500.0)));
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

namespace VoiceMarkup {

bool applyTag(QStringView tag, VoiceSettings &settings)
{
    const qsizetype eq = tag.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    const QStringView key = tag.left(eq).trimmed();
    const QStringView value = tag.mid(eq + 1);
    const auto is = [&](const char *name) {
        return key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    const auto set = [&](int &field, std::optional<int> parsed) {
        if (!parsed)
            return false;
        field = *parsed;
        return true;
    };
    if (is("voice")) {
        QStringView alias = value.trimmed();
        if (alias.startsWith(QLatin1String("name:"), Qt::CaseInsensitive))
            alias = alias.mid(5);
        const int voice = VoiceTable::find(alias.toString());
        if (voice < 0)
            return false;
        settings.voice = voice;
        return true;
    }
    if (is("spd"))
        return set(settings.speedPercent, parseValue(value, QLatin1String("%"), 20, 250));
    if (is("bpit"))
        return set(settings.basePitchHz, parseValue(value, QLatin1String("Hz"), 15, 400));
    if (is("pit"))
        return set(settings.intonationHz, parseValue(value, QLatin1String("Hz"), 10, 300));
    if (is("VOL"))
        return set(settings.volumePercent, parseValue(value, QLatin1String("%dB"), 0, 500));
    if (is("BINT"))
        return set(settings.roughnessPercent, parseValue(value, QLatin1String("%"), 0, 250));
    if (is("AFX"))
        return applyEcho(value, settings);
    return false;
}

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
                const qsizetype close = text.indexOf(QLatin1Char('#'), i + 1);
                if (close < 0 || close >= end)
                    break;
                VoiceSettings next = current.settings;
                if (applyTag(QStringView(text).mid(i + 1, close - i - 1), next))
                    changeSettings(next);
                i = close;
                continue;
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
