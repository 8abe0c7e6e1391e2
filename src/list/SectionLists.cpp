#include "SectionLists.h"

#include <QListView>

namespace ortelia {

SectionLists::SectionLists(DictionaryModel *model, const Views &views, QObject *parent)
    : QObject(parent), m_model(model), m_views(views)
{
    for (int s = 0; s < DictionaryModel::kSections; ++s) {
        QListView *list = m_views[s];
        list->setUniformItemSizes(true);
        list->setModel(m_model);
        list->setRootIndex(m_model->sectionIndex(s));
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this, s](const QModelIndex &current) {
                    if (!m_searching && current.isValid())
                        choose(s, current.row());
                });
        connect(list, &QListView::doubleClicked, this, &SectionLists::doubleClicked);
    }
}

void SectionLists::showSections()
{
    for (int s = 0; s < DictionaryModel::kSections; ++s)
        m_views[s]->setRootIndex(m_model->sectionIndex(s));
}

bool SectionLists::find(const QString &prefix)
{
    bool hit = false;
    for (int s = 0; s < DictionaryModel::kSections; ++s) {
        QListView *list = m_views[s];
        const int row = prefix.isEmpty() ? -1 : m_model->findPrefix(s, prefix);
        m_searching = true;
        if (row < 0) {
            list->selectionModel()->clear();
        } else {
            const QModelIndex index = m_model->index(row, 0, m_model->sectionIndex(s));
            list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
            list->scrollTo(index, QAbstractItemView::PositionAtTop);
        }
        m_searching = false;
        if (row >= 0) {
            hit = true;
            choose(s, row);
        }
    }
    return hit;
}

void SectionLists::hideAll()
{
    for (QListView *list : m_views)
        list->hide();
}

QListView *SectionLists::focusVisible()
{
    QListView *focused = nullptr;
    for (QListView *list : m_views) {
        if (list->isVisible()) {
            list->setFocus();
            focused = list;
        }
    }
    return focused;
}

void SectionLists::moveSelection(int rows)
{
    QListView *list = focusVisible();
    if (!list)
        return;
    const int count = m_model->rowCount(list->rootIndex());
    if (count == 0)
        return;
    const int row = std::clamp(list->currentIndex().row() + rows, 0, count - 1);
    list->setCurrentIndex(m_model->index(row, 0, list->rootIndex()));
}

void SectionLists::choose(int section, int row)
{
    m_views[section]->show();
    m_views[section]->raise();
    emit lineChosen(m_model->section(section)[row]);
}

} // namespace ortelia
