#include "MarkupBounds.h"

#include <cctype>

namespace ortelia::web::MarkupBounds {

// Counts what a tag looks like without parsing: "<" and a letter begin a tag, its words outside
// quotes that begin with neither "=" nor a quote are (at most) its attributes, ">" ends it.
bool withinBounds(QByteArrayView markup)
{
    if (markup.size() > kMaxMarkupBytes)
        return false;
    qsizetype tags = 0;
    qint64 pairs = 0;
    const qsizetype size = markup.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (markup[i] != '<' || i + 1 >= size || !std::isalpha(uchar(markup[i + 1])))
            continue;
        if (++tags > kMaxTags)
            return false;
        qint64 words = 0;
        bool blank = false;
        for (++i; i < size && markup[i] != '>'; ++i) {
            const char c = markup[i];
            if (c == '"' || c == '\'') {
                const qsizetype close = markup.indexOf(c, i + 1);
                i = close < 0 ? size : close;
            } else if (std::isspace(uchar(c))) {
                blank = true;
                continue;
            } else if (blank && c != '=' && ++words > kMaxAttributes) {
                return false;
            }
            blank = false;
        }
        pairs += words * words;
        if (pairs > kMaxAttributePairs)
            return false;
    }
    return true;
}

} // namespace ortelia::web::MarkupBounds
