#include "TextWalk.h"

#include "Dictionary.h"
#include "LookupKey.h"
#include "TextTranslation.h"

#include <optional>

namespace ortelia::TextWalk {

namespace {

constexpr QChar kSeparator = u' ';

// Only the last blank of a run ends a word, so one blank per run splits alike; with single
// blanks a piece is measured by its words alone.
QString collapseBlanks(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        if (c != kSeparator || result.isEmpty() || result.back() != kSeparator)
            result += c;
    }
    return result;
}

struct Span {
    qsizetype start;
    qsizetype end;
};

// The words of a text with single blanks, one after the other, as the splitter finds them: a leading
// blank gives an empty first word, a trailing one gives none.
class SpanReader {
public:
    explicit SpanReader(QStringView text) : m_text(text) {}

    std::optional<Span> next()
    {
        if (m_done)
            return std::nullopt;
        const qsizetype blank = m_text.indexOf(kSeparator, m_start);
        if (blank >= 0) {
            const Span span{m_start, blank};
            m_start = blank + 1;
            m_any = true;
            return span;
        }
        m_done = true;
        if (m_start < m_text.size() || !m_any)
            return Span{m_start, m_text.size()};
        return std::nullopt;
    }

private:
    QStringView m_text;
    qsizetype m_start = 0;
    bool m_any = false;
    bool m_done = false;
};

bool endsSentence(QStringView word)
{
    return word == u"." || word == u"!" || word == u"?";
}

// Cuts a text with single blanks into pieces the splitter takes whole, handing each to piece in
// order, and reading only as far ahead as one piece. A piece begins at a word (the first also at a
// leading blank) and ends after the last whole sentence that fits. False from piece stops.
bool forEachPiece(QStringView text, const std::function<bool(const QString &)> &piece)
{
    SpanReader reader(text);
    // The words read ahead, from the piece's first on.
    QList<Span> ahead;
    bool more = true;
    const auto readAhead = [&] {
        const std::optional<Span> span = more ? reader.next() : std::nullopt;
        more = span.has_value();
        if (span)
            ahead.append(*span);
        return more;
    };
    while (!ahead.isEmpty() || readAhead()) {
        const qsizetype start = ahead.front().start;
        qsizetype end = 0;
        qsizetype sentencesEnd = 0;
        while ((end < ahead.size() || readAhead()) && end < kMaxWords &&
               ahead[end].end - start <= kMaxSplitLength) {
            if (endsSentence(text.sliced(ahead[end].start, ahead[end].end - ahead[end].start)))
                sentencesEnd = end + 1;
            ++end;
        }
        if (end == 0) {
            // A word longer than the splitter reads is taken as one word, cut to that length.
            if (!piece(text.sliced(start, kMaxSplitLength).toString()))
                return false;
            ahead.removeFirst();
            continue;
        }
        if (end < ahead.size() && sentencesEnd > 0)
            end = sentencesEnd;
        if (!piece(text.sliced(start, ahead[end - 1].end - start).toString()))
            return false;
        ahead.remove(0, end);
    }
    return true;
}

// The words of a text for the direction, a piece at a time: each gets the words of one piece.
bool forEachPieceOfWords(const QString &text, TextDirection direction,
                         const std::function<bool(const QStringList &)> &each)
{
    return forEachPiece(collapseBlanks(normalised(text, direction)), [&](const QString &piece) {
        return each(*splitWords(piece, kSeparator)); // never refused: pieces are within its limits
    });
}

} // namespace

QString normalised(const QString &text, TextDirection direction)
{
    return normalizeForTranslation(normalizeForTranslation(LookupKey::cleaned(text), direction), direction);
}

QStringList words(const QString &text, TextDirection direction)
{
    QStringList result;
    forEachPieceOfWords(text, direction, [&result](const QStringList &words) {
        result += words;
        return true;
    });
    return result;
}

Pair lookUp(Dictionary &dictionary, const QString &word, TextDirection direction)
{
    const QString lowered = word.toLower();
    return {lowered, dictionary.answer(lowered, direction).value_or(LookupAnswer{})};
}

namespace {

// Appends one pair per word to each, false when each stopped.
bool pairUp(TextTranslation &translation, const QStringList &words, const std::function<bool(const Pair &)> &each)
{
    translation.setWords(words);
    for (qsizetype n = 0; n < words.size(); ++n) {
        if (!each(Pair{words[n].toLower(), translation.answerAt(n).value_or(LookupAnswer{})}))
            return false;
    }
    return true;
}

} // namespace

QList<Pair> lookUpAll(Dictionary &dictionary, const QStringList &words, TextDirection direction)
{
    TextTranslation translation(dictionary, direction);
    QList<Pair> pairs;
    pairs.reserve(words.size());
    pairUp(translation, words, [&pairs](const Pair &pair) {
        pairs << pair;
        return true;
    });
    return pairs;
}

bool translate(Dictionary &dictionary, const QString &text, TextDirection direction,
               const std::function<bool(const Pair &)> &each)
{
    TextTranslation translation(dictionary, direction);
    return forEachPieceOfWords(text, direction, [&](QStringList words) {
        words.removeAll(QString());
        return pairUp(translation, words, each);
    });
}

} // namespace ortelia::TextWalk
