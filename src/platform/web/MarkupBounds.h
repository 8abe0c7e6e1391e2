#pragma once

#include "HtmlDocument.h"

#include <QByteArrayView>

namespace ortelia::web {

// Markup beyond these bounds is refused before it is parsed, as the parser's time grows with the
// square of an element's attributes (kMaxAttributePairs is the sum of those squares over the
// markup: 16 elements of 1,000 attributes) and its memory with the tags: the document then stays
// empty.
namespace MarkupBounds {

inline constexpr qsizetype kMaxMarkupBytes = 24 * 1024 * 1024;
inline constexpr qsizetype kMaxTags = 4 * qsizetype(Document::kMaxNodes);
inline constexpr int kMaxAttributes = 1000;
inline constexpr qint64 kMaxAttributePairs = 16 * 1000 * 1000;

// Whether UTF-8 markup keeps within those bounds.
bool withinBounds(QByteArrayView markup);

} // namespace MarkupBounds
} // namespace ortelia::web
