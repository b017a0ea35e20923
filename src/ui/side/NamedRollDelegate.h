#pragma once

#include <QStyledItemDelegate>

namespace MainBas {

// Edits a named roll's cells: its numbers in boxes that take only what the roll can hold
// (a step from 1 to 100, up to 20 karma points, a target number that may be left empty),
// its name and note as text.
class NamedRollDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
};

} // namespace MainBas
