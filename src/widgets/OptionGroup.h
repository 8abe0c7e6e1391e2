#pragma once

#include <QList>
#include <QObject>
#include <QRadioButton>

namespace ortelia {

// An indexed group of option buttons (Option1(0..1), Option3(0..2)). Choosing one clears the
// others; a group may also have none chosen, as after reading a settings file of "False" lines.
class OptionGroup : public QObject {
    Q_OBJECT
public:
    OptionGroup(QList<QRadioButton *> buttons, QObject *parent);

    int count() const { return int(m_buttons.size()); }
    bool value(int index) const;
    // Setting true clears the others and reports the choice (as the user's click does); setting
    // false only clears that button.
    void setValue(int index, bool value);
    // The index of the first chosen button, 0 when none is.
    int SelectedOptionIndex() const;

signals:
    // A button became chosen, by the user or by setValue.
    void chosen(int index);

private:
    QList<QRadioButton *> m_buttons;
};

} // namespace ortelia
