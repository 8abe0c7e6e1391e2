#pragma once

#include <QRectF>
#include <QString>
#include <QStringView>

#include <span>

namespace ortelia {

// What a key area of the Arabic keyboard does.
enum class KeyRole {
    Character,    // inserts its character
    DeleteBefore, // "*del"
    DeleteAfter,  // "del*"
    Clear,        // "DeL*.*"
    SendGerman,   // the German-direction label
    SendForeign,  // the foreign-direction label
    Close,        // " Exit"
};

// One key area over the keyboard picture. A character key inserts the Arabic letter that the key
// carries on the standard Arabic PC layout; where the key has a second character, the right
// mouse button inserts it.
struct ArabicKey {
    const char *label; // the area's name, Label1 to Label66
    KeyRole role;
    // Place on the picture in key widths: row (0 at the top), left edge, width.
    int row;
    double column;
    double width;
    const char16_t *left = u"";
    const char16_t *right = u"";
    const char16_t *caption = u""; // the area's own caption, for areas that show one
};

namespace ArabicKeys {

// Every key area, row by row, left to right as on the picture.
std::span<const ArabicKey> all();
const ArabicKey *find(QStringView label);

// The character a click with the button inserts (the right button gives the left character
// where the key has only one).
QString character(const ArabicKey &key, Qt::MouseButton button);

// What a screen reader says for the key: the name of its letter or sign, or the caption of a
// key that acts.
QString spokenName(const ArabicKey &key);

// The area of the key on a picture whose key width is `unit` pixels.
QRectF area(const ArabicKey &key, double unit);
// The picture's size in key widths: columns and rows.
inline constexpr double kColumns = 17;
inline constexpr int kRows = 5;

} // namespace ArabicKeys
} // namespace ortelia
