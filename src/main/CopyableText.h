#pragma once

#include <QObject>

class QLabel;

namespace ortelia {

// A label whose text can be selected with the mouse and copied: the context menu "Kopieren" and
// Ctrl+C copy the selection, or the whole text when none is selected. The label takes the focus
// only once text is selected in it, so a click on it leaves the typing where it was.
class CopyableText : public QObject {
    Q_OBJECT
public:
    static void attach(QLabel *label);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit CopyableText(QLabel *label);
    void copy() const;

    QLabel *m_label;
};

} // namespace ortelia
