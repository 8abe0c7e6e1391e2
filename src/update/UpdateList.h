#pragma once

#include "DictionaryFormat.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace ortelia {

// The rules of the update list: one entry a line, fields separated by "#" (label, file name,
// description, date yyyymmdd, address). The stored copy is written quoted, so the entry whose
// file name is a lone double quote marks the end of the list.
namespace UpdateList {

inline constexpr qint64 kMaxListBytes = 50000;
// A download no reader of the program would take is not fetched.
inline constexpr qint64 kMaxDictionaryBytes = ortelia::kMaxDictionaryBytes;
inline constexpr int kMaxFileNameLength = 100;
// Where the server keeps the list, below its base address.
inline constexpr const char *kListPath = "ortelia-translator/update/1/update1.txt";

struct Entry {
    QStringList fields;

    QString field(int index) const { return fields.value(index); }
    QString fileName() const { return field(1); }
    QString date() const { return field(3); }
    QString address() const { return field(4); }
    QString summary() const;
    bool isEndMarker() const { return fileName() == QLatin1String("\""); }
};

// Splits a line into fields: a run of separators counts as one, a trailing one adds no field.
// nullopt for more than 1,501 fields (the window says "Zu viele Worte!").
std::optional<Entry> parse(const QString &line);

// New: its date is eight digits and later than the stored eight-digit date.
bool isNewer(const QString &entryDate, const QString &storedDate);

// Why a name from the server is no plain file name for TranslateDeGb; empty when it is one:
// 1 to 100 characters of A-Z, a-z, 0-9, "-", "_" and ".", not starting with "." (no hidden
// files, no ".." and no path of any kind).
QString fileNameRefusal(const QString &name);

// Why the server's entry must not be fetched or written; empty when it is sound. The file name
// (saved as <name>.chk) must be a plain file name and not the list's own "update", the
// address http or https.
QString refusal(const Entry &entry);

// Why a text must not be stored by address under name (second "speichern"); empty when it may.
// Only a plain file name ending in ".txt" or ".chk" inside TranslateDeGb, never the stored list
// update.chk nor a dictionary of a built-in page; what lands there is taken for a dictionary.
QString storeNameRefusal(const QString &name);

// Why bytes are not a dictionary, as a download or a stored text is judged before it replaces
// anything; empty when they load as one. Text without control bytes, ending in a line break (a
// body cut short ends inside a line), and split by the separators as a loaded dictionary is.
QString dictionaryRefusal(const QByteArray &bytes);

// Whether a list text holds at least one entry with an eight-digit date; an empty answer (HTTP
// 204), an error page or a cut header never replaces the stored list.
bool hasEntries(const QString &text);

// Why a fetched list text must not replace the stored list, as the words after "Die
// Update-Liste" ("ist leer", "ist keine Textdatei" for a picture or unpacked zeros, "ist eine
// HTML-Seite", "hat keinen Eintrag"); empty when it may.
QString listRefusal(const QString &text);

// The list address below a base address ("http://host/" or "http://host/prefix").
QString listAddress(const QString &baseAddress);

// The stored copy TranslateDeGb/update.chk: the text between two double quotes.
QString storedCopy(const QString &text);

} // namespace UpdateList
} // namespace ortelia
