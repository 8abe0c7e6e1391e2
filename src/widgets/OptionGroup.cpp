#include "OptionGroup.h"

namespace ortelia {

OptionGroup::OptionGroup(QList<QRadioButton *> buttons, QObject *parent)
    : QObject(parent), m_buttons(std::move(buttons))
{
    for (int i = 0; i < count(); ++i) {
        QRadioButton *button = m_buttons[i];
        button->setAutoExclusive(false);
        // A click on the chosen button keeps it chosen, as with any option button.
        connect(button, &QRadioButton::clicked, this, [this, i] { setValue(i, true); });
    }
}

bool OptionGroup::value(int index) const
{
    return index >= 0 && index < count() && m_buttons[index]->isChecked();
}

void OptionGroup::setValue(int index, bool value)
{
    if (index < 0 || index >= count())
        return;
    if (!value) {
        m_buttons[index]->setChecked(false);
        return;
    }
    for (int i = 0; i < count(); ++i)
        m_buttons[i]->setChecked(i == index);
    emit chosen(index);
}

int OptionGroup::SelectedOptionIndex() const
{
    for (int i = 0; i < count(); ++i) {
        if (m_buttons[i]->isChecked())
            return i;
    }
    return 0;
}

} // namespace ortelia
