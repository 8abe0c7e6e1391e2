#include "ArabicKeys.h"

#include <array>

namespace ortelia::ArabicKeys {

namespace {

using R = KeyRole;

// The standard Arabic PC layout (101): the letters on the Latin keys, the digits as Arabic-Indic
// digits, the second characters as the layout's shift level.
constexpr std::array kKeys = {
    // Row 1: the digits.
    ArabicKey{"Label59", R::Character, 0, 0, 1, u"\u0630"},
    ArabicKey{"Label1", R::Character, 0, 1, 1, u"\u0661"},
    ArabicKey{"Label28", R::Character, 0, 2, 1, u"\u0662", u"@"},
    ArabicKey{"Label29", R::Character, 0, 3, 1, u"\u0663", u"#"},
    ArabicKey{"Label30", R::Character, 0, 4, 1, u"\u0664", u"$"},
    ArabicKey{"Label31", R::Character, 0, 5, 1, u"\u0665", u"%"},
    ArabicKey{"Label32", R::Character, 0, 6, 1, u"\u0666", u"^"},
    ArabicKey{"Label33", R::Character, 0, 7, 1, u"\u0667", u"&"},
    ArabicKey{"Label34", R::Character, 0, 8, 1, u"\u0668"},
    ArabicKey{"Label35", R::Character, 0, 9, 1, u"\u0669", u")"},
    ArabicKey{"Label36", R::Character, 0, 10, 1, u"\u0660", u"("},
    ArabicKey{"Label37", R::Character, 0, 11, 1, u"-"},
    ArabicKey{"Label38", R::Character, 0, 12, 1, u"="},
    ArabicKey{"Label65", R::Character, 0, 13, 1, u"_"},
    ArabicKey{"Label58", R::Character, 0, 14, 1, u"*"},
    ArabicKey{"Label61", R::Character, 0, 15, 1, u"@"},
    ArabicKey{"Label39", R::Character, 0, 16, 1, u"+"},
    // Row 2.
    ArabicKey{"Label14", R::Character, 1, 0.5, 1, u"\u0636"},
    ArabicKey{"Label2", R::Character, 1, 1.5, 1, u"\u0635"},
    ArabicKey{"Label3", R::Character, 1, 2.5, 1, u"\u062B"},
    ArabicKey{"Label4", R::Character, 1, 3.5, 1, u"\u0642"},
    ArabicKey{"Label5", R::Character, 1, 4.5, 1, u"\u0641"},
    ArabicKey{"Label6", R::Character, 1, 5.5, 1, u"\u063A"},
    ArabicKey{"Label7", R::Character, 1, 6.5, 1, u"\u0639"},
    ArabicKey{"Label8", R::Character, 1, 7.5, 1, u"\u0647"},
    ArabicKey{"Label9", R::Character, 1, 8.5, 1, u"\u062E"},
    ArabicKey{"Label10", R::Character, 1, 9.5, 1, u"\u062D"},
    ArabicKey{"Label11", R::Character, 1, 10.5, 1, u"\u062C", u">"},
    ArabicKey{"Label12", R::Character, 1, 11.5, 1, u"\u062F", u"<"},
    ArabicKey{"Label13", R::Character, 1, 12.5, 1, u"\\"},
    ArabicKey{"Label27", R::Character, 1, 13.5, 1, u"\u20AC"},
    ArabicKey{"Label41", R::DeleteBefore, 1, 14.5, 1.25, u"", u"", u"*del"},
    ArabicKey{"Label42", R::DeleteAfter, 1, 15.75, 1.25, u"", u"", u"del*"},
    // Row 3.
    ArabicKey{"Label15", R::Character, 2, 0.75, 1, u"\u0634"},
    ArabicKey{"Label16", R::Character, 2, 1.75, 1, u"\u0633"},
    ArabicKey{"Label17", R::Character, 2, 2.75, 1, u"\u064A", u"]"},
    ArabicKey{"Label18", R::Character, 2, 3.75, 1, u"\u0628", u"["},
    ArabicKey{"Label19", R::Character, 2, 4.75, 1, u"\u0644"},
    ArabicKey{"Label20", R::Character, 2, 5.75, 1, u"\u0627"},
    ArabicKey{"Label21", R::Character, 2, 6.75, 1, u"\u062A"},
    ArabicKey{"Label22", R::Character, 2, 7.75, 1, u"\u0646"},
    ArabicKey{"Label23", R::Character, 2, 8.75, 1, u"\u0645"},
    ArabicKey{"Label24", R::Character, 2, 9.75, 1, u"\u0643", u":"},
    ArabicKey{"Label25", R::Character, 2, 10.75, 1, u"\u0637", u"\""},
    ArabicKey{"Label60", R::Character, 2, 11.75, 1, u":", u"."},
    ArabicKey{"Label66", R::Character, 2, 12.75, 1, u":", u"."},
    ArabicKey{"Label40", R::Clear, 2, 14.5, 2.5, u"", u"", u"DeL*.*"},
    // Row 4.
    ArabicKey{"Label43", R::Character, 3, 1.25, 1, u"\u0626", u"~"},
    ArabicKey{"Label44", R::Character, 3, 2.25, 1, u"\u0621", u"\u0652"},
    ArabicKey{"Label45", R::Character, 3, 3.25, 1, u"\u0624", u"}"},
    ArabicKey{"Label46", R::Character, 3, 4.25, 1, u"\u0631", u"{"},
    ArabicKey{"Label47", R::Character, 3, 5.25, 1, u"\u0644\u0627"},
    ArabicKey{"Label48", R::Character, 3, 6.25, 1, u"\u0649"},
    ArabicKey{"Label49", R::Character, 3, 7.25, 1, u"\u0629"},
    ArabicKey{"Label50", R::Character, 3, 8.25, 1, u"\u0648"},
    ArabicKey{"Label51", R::Character, 3, 9.25, 1, u"\u0632"},
    ArabicKey{"Label52", R::Character, 3, 10.25, 1, u"\u0638"},
    ArabicKey{"Label55", R::SendGerman, 3, 11.5, 2.75, u"", u"", u"Deutsch"},
    ArabicKey{"Label56", R::SendForeign, 3, 14.25, 2.75, u"", u"", u"Englisch"},
    // Row 5: the space bar, the alifs with hamza and madda, the signs.
    ArabicKey{"Label26", R::Character, 4, 3, 6, u" "},
    ArabicKey{"Label62", R::Character, 4, 9.25, 1, u"\u0623"},
    ArabicKey{"Label63", R::Character, 4, 10.25, 1, u"\u0625"},
    ArabicKey{"Label64", R::Character, 4, 11.25, 1, u"\u0622"},
    ArabicKey{"Label54", R::Character, 4, 12.25, 1, u"\u061F"},
    ArabicKey{"Label53", R::Character, 4, 13.25, 1, u"!"},
    ArabicKey{"Label57", R::Close, 4, 14.5, 2.5, u"", u"", u" Exit"},
};

struct SpokenName {
    const char16_t *character;
    const char *name;
};

constexpr std::array kNames = {
    SpokenName{u"\u0621", "Hamza"},
    SpokenName{u"\u0622", "Alif mit Madda"},
    SpokenName{u"\u0623", "Alif mit Hamza oben"},
    SpokenName{u"\u0624", "Waw mit Hamza"},
    SpokenName{u"\u0625", "Alif mit Hamza unten"},
    SpokenName{u"\u0626", "Ya mit Hamza"},
    SpokenName{u"\u0627", "Alif"},
    SpokenName{u"\u0628", "Ba"},
    SpokenName{u"\u0629", "Ta marbuta"},
    SpokenName{u"\u062A", "Ta"},
    SpokenName{u"\u062B", "Tha"},
    SpokenName{u"\u062C", "Dschim"},
    SpokenName{u"\u062D", "Hha"},
    SpokenName{u"\u062E", "Cha"},
    SpokenName{u"\u062F", "Dal"},
    SpokenName{u"\u0630", "Dhal"},
    SpokenName{u"\u0631", "Ra"},
    SpokenName{u"\u0632", "Zai"},
    SpokenName{u"\u0633", "Sin"},
    SpokenName{u"\u0634", "Schin"},
    SpokenName{u"\u0635", "Sad"},
    SpokenName{u"\u0636", "Dad"},
    SpokenName{u"\u0637", "Tta"},
    SpokenName{u"\u0638", "Dha"},
    SpokenName{u"\u0639", "Ain"},
    SpokenName{u"\u063A", "Ghain"},
    SpokenName{u"\u0641", "Fa"},
    SpokenName{u"\u0642", "Qaf"},
    SpokenName{u"\u0643", "Kaf"},
    SpokenName{u"\u0644", "Lam"},
    SpokenName{u"\u0644\u0627", "Lam-Alif"},
    SpokenName{u"\u0645", "Mim"},
    SpokenName{u"\u0646", "Nun"},
    SpokenName{u"\u0647", "Ha"},
    SpokenName{u"\u0648", "Waw"},
    SpokenName{u"\u0649", "Alif maqsura"},
    SpokenName{u"\u064A", "Ya"},
    SpokenName{u"\u061F", "Arabisches Fragezeichen"},
    SpokenName{u"\u0660", "Arabische Null"},
    SpokenName{u"\u0661", "Arabische Eins"},
    SpokenName{u"\u0662", "Arabische Zwei"},
    SpokenName{u"\u0663", "Arabische Drei"},
    SpokenName{u"\u0664", "Arabische Vier"},
    SpokenName{u"\u0665", "Arabische Fünf"},
    SpokenName{u"\u0666", "Arabische Sechs"},
    SpokenName{u"\u0667", "Arabische Sieben"},
    SpokenName{u"\u0668", "Arabische Acht"},
    SpokenName{u"\u0669", "Arabische Neun"},
    SpokenName{u"-", "Minus"},
    SpokenName{u"=", "Gleich"},
    SpokenName{u"_", "Unterstrich"},
    SpokenName{u"*", "Stern"},
    SpokenName{u"@", "At-Zeichen"},
    SpokenName{u"+", "Plus"},
    SpokenName{u"\\", "Rückstrich"},
    SpokenName{u"\u20AC", "Euro"},
    SpokenName{u":", "Doppelpunkt"},
    SpokenName{u" ", "Leerzeichen"},
    SpokenName{u"!", "Ausrufezeichen"},
};

} // namespace

QString spokenName(const ArabicKey &key)
{
    if (key.role != KeyRole::Character)
        return QString::fromUtf16(key.caption).trimmed();
    const QStringView character(key.left);
    for (const SpokenName &entry : kNames) {
        if (character == QStringView(entry.character))
            return QString::fromUtf8(entry.name);
    }
    return character.toString();
}

std::span<const ArabicKey> all()
{
    return kKeys;
}

const ArabicKey *find(QStringView label)
{
    for (const ArabicKey &key : kKeys) {
        if (label == QLatin1String(key.label))
            return &key;
    }
    return nullptr;
}

QString character(const ArabicKey &key, Qt::MouseButton button)
{
    const char16_t *chosen = button == Qt::RightButton && *key.right ? key.right : key.left;
    return QString::fromUtf16(chosen);
}

QRectF area(const ArabicKey &key, double unit)
{
    return {key.column * unit, key.row * unit, key.width * unit, unit};
}

} // namespace ortelia::ArabicKeys
