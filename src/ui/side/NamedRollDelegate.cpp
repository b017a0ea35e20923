#include "NamedRollDelegate.h"

#include "CharacterSheet.h"
#include "NamedRollsModel.h"
#include "NumberBox.h"

namespace MainBas {

QWidget *NamedRollDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                         const QModelIndex &index) const
{
    NumberBox *box = nullptr;
    switch (index.column()) {
    case NamedRollsModel::StepColumn:
        box = new NumberBox(Sheet::LowestStep, Sheet::HighestStep, parent);
        break;
    case NamedRollsModel::KarmaColumn:
        box = new NumberBox(0, Sheet::MostKarmaPointsPerRoll, parent);
        break;
    case NamedRollsModel::TargetColumn:
        box = new NumberBox(0, Sheet::HighestTarget, parent);
        box->setEmptyMeansLowest(true);
        break;
    default:
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
    box->setFrame(false);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    return box;
}

} // namespace MainBas
