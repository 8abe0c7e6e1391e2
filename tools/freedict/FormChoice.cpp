#include "FormChoice.h"

#include <QHash>

#include <algorithm>

namespace ortelia {

QStringList chooseFormLines(const FormList &hand, const FormList &source,
                            const std::function<BaseUse(const QString &)> &useOf,
                            const std::function<bool(const QString &, const QString &)> &ownWord)
{
    struct Choice {
        const WordForm *form;
        BaseUse use;
    };
    QHash<QString, std::vector<Choice>> byForm;
    QStringList order; // forms in the order first met
    const auto collect = [&](const FormList &list, bool ours) {
        for (const WordForm &form : list.all()) {
            const BaseUse use = ours ? BaseUse::General : useOf(form.base);
            if (use == BaseUse::None)
                continue;
            std::vector<Choice> &choices = byForm[form.form];
            if (choices.empty())
                order << form.form;
            if (std::none_of(choices.begin(), choices.end(),
                             [&form](const Choice &c) { return c.form->base == form.base; }))
                choices.push_back({&form, use});
        }
    };
    collect(hand, true);
    collect(source, false);

    QStringList lines;
    for (const QString &form : order) {
        std::vector<Choice> &choices = byForm[form];
        std::stable_sort(choices.begin(), choices.end(), [](const Choice &a, const Choice &b) {
            return a.form->kind != b.form->kind ? a.form->kind < b.form->kind : a.use > b.use;
        });
        const bool general = std::any_of(choices.begin(), choices.end(),
                                         [](const Choice &c) { return c.use == BaseUse::General; });
        for (const Choice &c : choices) {
            if (general && c.use != BaseUse::General)
                continue;
            const QString &base = c.form->base;
            const bool plural = c.form->kind == FormKind::Plural && !(ownWord && ownWord(form, base));
            lines << form + QLatin1Char(';') + (plural ? base.left(1).toUpper() + base.mid(1) : base);
        }
    }
    return lines;
}

} // namespace ortelia
