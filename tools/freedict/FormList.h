#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace ortelia {

// Whose form a form is, in the order a form table gives a form's bases: our hand-kept table first,
// then a verb's (a "ge-...-t" form is a participle before anything else), a separable verb's without
// its particle ("bringt" of "bringt um": bringen before umbringen), an adjective's, a noun's.
enum class FormKind { Hand, Verb, SeparatedVerb, Adjective, Plural };

struct WordForm {
    QString form; // lower case
    QString base; // lower case
    FormKind kind = FormKind::Hand;
};

// The forms a source lists for its headwords ("getötet": töten, "häuser": haus), each pair once.
class FormList {
public:
    void add(const QString &form, const QString &base, FormKind kind);
    const std::vector<WordForm> &all() const { return m_forms; }
    // The bases the list gives the form (any case), in the order they were added.
    QStringList basesOf(const QString &form) const;
    // The same with the kind of each.
    std::vector<WordForm> entriesOf(const QString &form) const;

private:
    std::vector<WordForm> m_forms;
    QHash<QString, std::vector<int>> m_byForm;
};

} // namespace ortelia
