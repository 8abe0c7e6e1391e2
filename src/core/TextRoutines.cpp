#include "TextRoutines.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <array>
#include <utility>

namespace ortelia {

QString &ZeichenErsetzen(QString &text, const QString &oldText, const QString &newText)
{
    // Matching left to right and going on past each inserted text, into a new string: replacing in
    // place (also QString::replace, which moves the rest of the text every 1,024 matches) takes
    // quadratic time when a text is mostly matches.
    qsizetype at = oldText.isEmpty() ? -1 : text.indexOf(oldText);
    if (at < 0)
        return text;
    QString result;
    result.reserve(text.size());
    qsizetype from = 0;
    for (; at >= 0; at = text.indexOf(oldText, from)) {
        result.append(QStringView(text).sliced(from, at - from)).append(newText);
        from = at + oldText.size();
    }
    result.append(QStringView(text).sliced(from));
    text = std::move(result);
    return text;
}

QString lineBreakMarker()
{
    return QStringLiteral(" `\u00B4 ");
}

QString normalizeForTranslation(const QString &text, TextDirection direction)
{
    const QString hyphenReplacement =
        direction == TextDirection::German ? QStringLiteral(" - ") : QStringLiteral(" ");
    // The typographic quotes go where their plain kinds go: the double ones with '"', the single
    // ones with "'"; text without them is normalised exactly as by the 23 steps alone.
    const std::array<std::pair<QString, QString>, 33> steps = {{
        {QStringLiteral("\n"), lineBreakMarker()},
        {QStringLiteral("\""), QStringLiteral("\n")},
        {QStringLiteral("\u201E"), QStringLiteral("\n")}, // „
        {QStringLiteral("\u201C"), QStringLiteral("\n")}, // “
        {QStringLiteral("\u201D"), QStringLiteral("\n")}, // ”
        {QStringLiteral("\u00AB"), QStringLiteral("\n")}, // «
        {QStringLiteral("\u00BB"), QStringLiteral("\n")}, // »
        {QStringLiteral("."), QStringLiteral(" . ")},
        {QStringLiteral(","), QStringLiteral(" , ")},
        {QStringLiteral("-"), hyphenReplacement},
        {QStringLiteral("!"), QStringLiteral(" ! ")},
        {QStringLiteral("("), QStringLiteral(" ( ")},
        {QStringLiteral(")"), QStringLiteral(" ) ")},
        {QStringLiteral("["), QStringLiteral(" [ ")},
        {QStringLiteral("]"), QStringLiteral(" ] ")},
        {QStringLiteral("{"), QStringLiteral(" { ")},
        {QStringLiteral("}"), QStringLiteral(" } ")},
        {QStringLiteral("="), QStringLiteral(" = ")},
        {QStringLiteral("?"), QStringLiteral(" ? ")},
        {QStringLiteral("&"), QStringLiteral(" & ")},
        {QStringLiteral("/"), QStringLiteral(" / ")},
        {QStringLiteral("\\"), QStringLiteral(" \\ ")},
        {QStringLiteral("'"), QStringLiteral(" ' ")},
        {QStringLiteral("\u201A"), QStringLiteral(" \u201A ")}, // ‚
        {QStringLiteral("\u2018"), QStringLiteral(" \u2018 ")}, // ‘
        {QStringLiteral("\u2019"), QStringLiteral(" \u2019 ")}, // ’
        {QStringLiteral("\u2039"), QStringLiteral(" \u2039 ")}, // ‹
        {QStringLiteral("\u203A"), QStringLiteral(" \u203A ")}, // ›
        {QStringLiteral(";"), QStringLiteral(" : ")},
        {QStringLiteral("\u00B0"), QStringLiteral(" \u00B0 ")},
        {QStringLiteral("  "), QStringLiteral(" ")},
        {QStringLiteral("+"), QStringLiteral(" + ")},
        {QStringLiteral("_"), QStringLiteral(" _ ")},
    }};
    QString result = text;
    for (const auto &[from, to] : steps)
        ZeichenErsetzen(result, from, to);
    return result;
}

std::optional<QStringList> splitWords(const QString &text, QChar separator)
{
    const qsizetype length = std::min<qsizetype>(text.size(), kMaxSplitLength);
    QStringList words(1);
    for (qsizetype p = 0; p < length; ++p) {
        const QChar c = text[p];
        if (c != separator) {
            words.last() += c;
            continue;
        }
        const bool last = p == length - 1;
        if (last || text[p + 1] == separator)
            continue;
        if (words.size() >= kMaxWords)
            return std::nullopt;
        words.append(QString());
    }
    return words;
}

void pause(double seconds)
{
    const int ms = seconds > 0 ? int(seconds * 1000.0 + 0.5) : 0;
    if (!QCoreApplication::instance()) {
        QThread::msleep(ms);
        return;
    }
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QCoreApplication::processEvents();
    // A timer may fire a little early on some platforms; wait again for the rest.
    while (clock.elapsed() < ms) {
        timer.start(int(ms - clock.elapsed()));
        loop.exec();
    }
}

} // namespace ortelia
