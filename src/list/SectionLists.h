#pragma once

#include "DictionaryModel.h"

#include <QObject>

#include <array>

class QListView;

namespace ortelia {

// The list translator's four lists, one for each section of the loaded dictionary: found by the
// first letters of a line, walked with the keys, hidden until a line in them is chosen.
class SectionLists : public QObject {
    Q_OBJECT
public:
    using Views = std::array<QListView *, DictionaryModel::kSections>;

    SectionLists(DictionaryModel *model, const Views &views, QObject *parent);

    // After a dictionary was loaded: each list shows its section.
    void showSections();
    // Selects in every list the first line that begins with prefix and scrolls it to the top; the
    // last list with a hit gives the chosen line. False when no list has one; an empty prefix
    // finds nothing rather than the first line of every list.
    bool find(const QString &prefix);
    void hideAll();
    // The lists take the focus in turn; it ends on the last visible one, which is returned.
    QListView *focusVisible();
    // Moves the selection of the list that ends with the focus, within its lines.
    void moveSelection(int rows);
    const Views &views() const { return m_views; }

signals:
    // A line was chosen, by a search or in a list; its list is shown on top.
    void lineChosen(const QString &line);
    void doubleClicked();

private:
    void choose(int section, int row);

    DictionaryModel *m_model;
    Views m_views;
    bool m_searching = false;
};

} // namespace ortelia
