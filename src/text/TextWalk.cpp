#include "TextWalk.h"

#include "Dictionary.h"
#include "LookupKey.h"
#include "TextTranslation.h"

#include <algorithm>
#include <optional>

namespace ortelia::TextWalk {

namespace {

constexpr QChar kSeparator = u' ';
// The text is normalised this many characters at a time (a little more, up to a place to cut).
constexpr qsizetype kStretchLength = 1 << 14;
// Text already split is dropped once this much of it has gathered.
constexpr qsizetype kDropLength = 1 << 16;

// Where a text may be cut so that each side is normalised as it would be within the whole: before
// a character that never composes with what precedes it and is never removed as invisible (Latin
// up to the first combining mark, and the marks of punctuation, the typographic quotes among them).
bool mayCutBefore(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x0300 || (u >= 0x2010 && u <= 0x2027) || (u >= 0x2030 && u <= 0x205E);
}

// A text normalised for the direction a stretch at a time, with one blank for each run of blanks
// (only the last blank of a run ends a word, so one per run splits alike, and a piece is measured
// by its words alone). Normalising a text of 16 MB whole held it many times over. Every step of
// the normalisation but one replaces single characters; that one, two blanks to one, is the
// collapse's, so stretches normalised one by one join to the whole text normalised.
class NormalisedStretches {
public:
    NormalisedStretches(QStringView text, TextDirection direction) : m_text(text), m_direction(direction) {}

    // Appends the next stretch to out; false when the text is used up.
    bool appendNext(QString &out)
    {
        if (m_at >= m_text.size())
            return false;
        qsizetype end = std::min(m_text.size(), m_at + kStretchLength);
        while (end < m_text.size() && !mayCutBefore(m_text[end]))
            ++end;
        const QString stretch = normalised(m_text.sliced(m_at, end - m_at).toString(), m_direction);
        m_at = end;
        out.reserve(out.size() + stretch.size());
        for (QChar c : stretch) {
            if (c == kSeparator && m_afterBlank)
                continue;
            m_afterBlank = c == kSeparator;
            out += c;
        }
        return true;
    }

private:
    QStringView m_text;
    TextDirection m_direction;
    qsizetype m_at = 0;
    bool m_afterBlank = false;
};

// A word's place in the normalised text, counted from its start.
struct Span {
    qsizetype start;
    qsizetype end;
};

// The words of the normalised text one after the other, as the splitter finds them: a leading
// blank gives an empty first word, a trailing one gives none. It normalises only as far as it is
// asked to read, and keeps the text from the first word still wanted on.
class WordReader {
public:
    explicit WordReader(NormalisedStretches &source) : m_source(source) {}

    std::optional<Span> next()
    {
        if (m_done)
            return std::nullopt;
        for (;;) {
            const qsizetype blank = m_text.indexOf(kSeparator, m_scanned - m_base);
            if (blank >= 0) {
                const Span span{m_start, m_base + blank};
                m_start = m_scanned = span.end + 1;
                m_any = true;
                return span;
            }
            // Of a word longer than the splitter reads, one character more than that tells it so.
            m_text.truncate(std::min(m_text.size(), m_start - m_base + kMaxSplitLength + 1));
            m_scanned = m_base + m_text.size();
            if (!m_source.appendNext(m_text))
                break;
        }
        m_done = true;
        const qsizetype end = m_base + m_text.size();
        if (m_start < end || !m_any)
            return Span{m_start, end};
        return std::nullopt;
    }

    QStringView text(qsizetype start, qsizetype end) const
    {
        return QStringView(m_text).sliced(start - m_base, end - start);
    }
    QStringView text(Span span) const { return text(span.start, span.end); }

    // Forgets the text before start: no word before it is wanted again.
    void dropBefore(qsizetype start)
    {
        if (start - m_base < kDropLength)
            return;
        m_text.remove(0, start - m_base);
        m_base = start;
    }
    // Where the word that next() gives next begins.
    qsizetype unread() const { return m_start; }

private:
    NormalisedStretches &m_source;
    QString m_text;
    qsizetype m_base = 0;    // the place of m_text's first character
    qsizetype m_start = 0;   // the next word's
    qsizetype m_scanned = 0; // no blank from m_start up to here
    bool m_any = false;
    bool m_done = false;
};

bool endsSentence(QStringView word)
{
    return word == u"." || word == u"!" || word == u"?";
}

// Cuts the normalised text into pieces the splitter takes whole, handing each to piece in order,
// and reading only as far ahead as one piece. A piece begins at a word (the first also at a
// leading blank) and ends after the last whole sentence that fits. False from piece stops.
bool forEachPiece(WordReader &reader, const std::function<bool(const QString &)> &piece)
{
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
            if (endsSentence(reader.text(ahead[end])))
                sentencesEnd = end + 1;
            ++end;
        }
        if (end == 0) {
            // A word longer than the splitter reads is taken as one word, cut to that length.
            if (!piece(reader.text(start, start + kMaxSplitLength).toString()))
                return false;
            ahead.removeFirst();
        } else {
            if (end < ahead.size() && sentencesEnd > 0)
                end = sentencesEnd;
            if (!piece(reader.text(start, ahead[end - 1].end).toString()))
                return false;
            ahead.remove(0, end);
        }
        reader.dropBefore(ahead.isEmpty() ? reader.unread() : ahead.front().start);
    }
    return true;
}

// The words of a text for the direction, a piece at a time: each gets the words of one piece.
bool forEachPieceOfWords(const QString &text, TextDirection direction,
                         const std::function<bool(const QStringList &)> &each)
{
    NormalisedStretches stretches(text, direction);
    WordReader reader(stretches);
    return forEachPiece(reader, [&](const QString &piece) {
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
