#pragma once

#include "TabularData.h"

#include <QHash>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace ortelia {
class BaseFormFinder;
class FormTable;
class GermanVerbs;
} // namespace ortelia

namespace ortelia::web {

// A dictionary page's answer for a word its file does not hold: the record of the word's base
// form, or for a compound the parts' translations. Pages ask for it with the data object's param
// BaseForms ("form table, relative to the page[ foreign language]").
class BaseFormStandIn {
public:
    struct Answer {
        int record = -1;                // the record whose other columns show
        QHash<QString, QString> fields; // lower-case column name -> value shown instead
    };

    BaseFormStandIn(const QString &param, const QString &pageDir);

    // The answer for a filter "oberestextfeld = word" (German) or "unterestextfeld = word"
    // (foreign, with a foreign language) that found nothing. dataPath is the dictionary's file,
    // beside which its table of parts of speech lies.
    std::optional<Answer> answer(const TabularData &data, const QString &filter,
                                 const QString &dataPath = QString()) const;
    // The answer for a German word the filter found as it is (record), read by its capital, where
    // that changes it: "Männer" is the plural of "Mann" (the key "männer" is menfolk); "Fragen" the
    // noun and "sucht" the verb where the table of parts of speech beside dataPath tells them apart.
    // A foreign word found as it is answers with the everyday German word for it ("toujours": immer,
    // not "alleweil", the first record that has it; ownerAnswer).
    std::optional<Answer> caseReading(const TabularData &data, const QString &filter, int record,
                                      const QString &dataPath) const;
    // The base form of a foreign word that known holds ("saw": see, "reading": read), also where
    // the dictionary holds the word itself; empty when there is none or no foreign language.
    QString foreignBase(const QString &word, const std::function<bool(const QString &)> &known) const;

private:
    std::optional<Answer> german(const TabularData &data, const QString &word, const QString &dataPath) const;
    std::optional<Answer> foreign(const TabularData &data, const QString &word, const QString &dataPath) const;
    // A foreign word (or its base form) that no record has as its first translation but one lists
    // among its further ones ("city": Stadt, whose first is "town"); the earliest in its list wins.
    std::optional<Answer> furtherTranslation(const TabularData &data, const QString &word) const;
    // The record of the everyday German word for a foreign word, where the dictionary's table of
    // them (foreignOwnersName) names another than the file's first record for it.
    std::optional<Answer> ownerAnswer(const TabularData &data, const QString &word, const QString &dataPath) const;
    // The table of parts of speech beside the dictionary, read on the first foreign form.
    const GermanVerbs &verbsOf(const QString &dataPath) const;
    // The table of the everyday German words for foreign words beside the dictionary, searched in place.
    const FormTable &ownersOf(const QString &dataPath) const;


    // Read on the first word the file lacks: a page of known words costs nothing.
    const BaseFormFinder &finder() const;

    QString m_tablePath; // empty: no base forms
    QString m_foreignLanguage;
    mutable QString m_verbsPath;
    mutable std::shared_ptr<const GermanVerbs> m_verbs;
    mutable QString m_ownersPath;
    mutable std::shared_ptr<const FormTable> m_owners;
    // Every further translation (case-folded) and its record, read on the first foreign word missed.
    mutable const TabularData *m_itemsOf = nullptr;
    mutable int m_itemsCount = -1;
    mutable QHash<QString, int> m_items;

};

} // namespace ortelia::web
