#include "TextWalk.h"

#include "Dictionary.h"
#include "TextTranslation.h"

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

// The words of a text with single blanks, as the splitter finds them: a leading blank gives an
// empty first word, a trailing one gives none.
QList<Span> wordSpans(const QString &text)
{
    QList<Span> spans;
    qsizetype start = 0;
    for (qsizetype p = 0; p < text.size(); ++p) {
        if (text[p] == kSeparator) {
            spans.append({start, p});
            start = p + 1;
        }
    }
    if (start < text.size() || spans.isEmpty())
        spans.append({start, text.size()});
    return spans;
}

bool endsSentence(QStringView word)
{
    return word == u"." || word == u"!" || word == u"?";
}

// Cuts a text with single blanks into pieces the splitter takes whole. A piece begins at a word
// (the first also at a leading blank) and ends after the last whole sentence that fits.
QStringList pieces(const QString &text)
{
    const QList<Span> spans = wordSpans(text);
    QStringList result;
    qsizetype first = 0;
    qsizetype start = 0;
    while (first < spans.size()) {
        qsizetype end = first;
        qsizetype sentencesEnd = first;
        while (end < spans.size() && end - first < kMaxWords && spans[end].end - start <= kMaxSplitLength) {
            if (endsSentence(QStringView(text).sliced(spans[end].start, spans[end].end - spans[end].start)))
                sentencesEnd = end + 1;
            ++end;
        }
        if (end == first) {
            // A word longer than the splitter reads is taken as one word, cut to that length.
            result << text.sliced(start, kMaxSplitLength);
            if (++first < spans.size())
                start = spans[first].start;
            continue;
        }
        if (end < spans.size() && sentencesEnd > first)
            end = sentencesEnd;
        result << text.sliced(start, spans[end - 1].end - start);
        first = end;
        if (first < spans.size())
            start = spans[first].start;
    }
    return result;
}

} // namespace

QString normalised(const QString &text, TextDirection direction)
{
    return normalizeForTranslation(normalizeForTranslation(text, direction), direction);
}

QStringList words(const QString &text, TextDirection direction)
{
    QStringList result;
    for (const QString &piece : pieces(collapseBlanks(normalised(text, direction))))
        result += *splitWords(piece, kSeparator); // never refused: pieces are within its limits
    return result;
}

Pair lookUp(Dictionary &dictionary, const QString &word, TextDirection direction)
{
    const QString lowered = word.toLower();
    return {lowered, dictionary.answer(lowered, direction).value_or(LookupAnswer{})};
}

QList<Pair> lookUpAll(Dictionary &dictionary, const QStringList &words, TextDirection direction)
{
    QStringList lowered;
    lowered.reserve(words.size());
    for (const QString &word : words)
        lowered << word.toLower();
    TextTranslation translation(dictionary, direction, lowered);
    QList<Pair> pairs;
    pairs.reserve(words.size());
    for (qsizetype n = 0; n < lowered.size(); ++n)
        pairs << Pair{lowered[n], translation.answerAt(n).value_or(LookupAnswer{})};
    return pairs;
}

} // namespace ortelia::TextWalk
