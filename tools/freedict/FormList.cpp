#include "FormList.h"

#include <algorithm>

namespace ortelia {

void FormList::add(const QString &form, const QString &base, FormKind kind)
{
    const QString lowerForm = form.toLower();
    const QString lowerBase = base.toLower();
    if (lowerForm.isEmpty() || lowerBase.isEmpty() || lowerForm == lowerBase)
        return;
    std::vector<int> &indexes = m_byForm[lowerForm];
    for (int i : indexes) {
        WordForm &known = m_forms[size_t(i)];
        if (known.base == lowerBase) {
            known.kind = std::min(known.kind, kind);
            return;
        }
    }
    indexes.push_back(int(m_forms.size()));
    m_forms.push_back({lowerForm, lowerBase, kind});
}

std::vector<WordForm> FormList::entriesOf(const QString &form) const
{
    std::vector<WordForm> entries;
    for (int i : m_byForm.value(form.toLower()))
        entries.push_back(m_forms[size_t(i)]);
    return entries;
}

QStringList FormList::basesOf(const QString &form) const
{
    QStringList bases;
    for (int i : m_byForm.value(form.toLower()))
        bases << m_forms[size_t(i)].base;
    return bases;
}

} // namespace ortelia
