// The Roll Sheet's character: name, karma and wounds in their boxes, and the named rolls'
// buttons. Every change marks the sheet as changed.
#include "RollSheetWindow.h"

#include "CharacterRoll.h"
#include "NamedRollsModel.h"
#include "NumberBox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace MainBas {

void RollSheetWindow::connectCharacter()
{
    connect(txtName, &QLineEdit::textEdited, this, &RollSheetWindow::characterChanged);
    connect(spnKarmaMaximum, &QSpinBox::valueChanged, this, [this](int maximum) {
        // The points left follow a lower maximum down.
        spnKarmaLeft->setMaximum(maximum);
        characterChanged();
    });
    for (NumberBox *box : {spnKarmaLeft, spnWounds})
        connect(box, &QSpinBox::valueChanged, this, &RollSheetWindow::characterChanged);
    connect(cmdRefresh, &QPushButton::clicked, this, &RollSheetWindow::refreshKarma);
}

// The boxes as the sheet has them, without counting that as a change.
void RollSheetWindow::showCharacter()
{
    const QSignalBlocker quietName(txtName);
    const QSignalBlocker quietWounds(spnWounds);
    txtName->setText(m_sheet.name);
    spnWounds->setValue(m_sheet.wounds);
    showKarma();
    refreshChances();
}

void RollSheetWindow::showKarma()
{
    const QSignalBlocker quietLeft(spnKarmaLeft);
    const QSignalBlocker quietMaximum(spnKarmaMaximum);
    spnKarmaMaximum->setValue(m_sheet.karmaMaximum);
    spnKarmaLeft->setMaximum(m_sheet.karmaMaximum);
    spnKarmaLeft->setValue(m_sheet.karmaLeft);
    spnKarmaLeft->setEnabled(Sheet::CountsKarma(m_sheet));
    cmdRefresh->setEnabled(Sheet::CountsKarma(m_sheet));
}

void RollSheetWindow::characterChanged()
{
    const bool woundsChanged = m_sheet.wounds != spnWounds->value();
    m_sheet.name = txtName->text();
    m_sheet.karmaMaximum = spnKarmaMaximum->value();
    m_sheet.karmaLeft = spnKarmaLeft->value();
    m_sheet.wounds = spnWounds->value();
    spnKarmaLeft->setEnabled(Sheet::CountsKarma(m_sheet));
    cmdRefresh->setEnabled(Sheet::CountsKarma(m_sheet));
    if (woundsChanged)
        refreshChances();
    setUnsaved(true);
}

void RollSheetWindow::refreshKarma()
{
    if (m_sheet.karmaLeft == m_sheet.karmaMaximum)
        return;
    Sheet::RefreshKarma(m_sheet);
    showKarma();
    setUnsaved(true);
}

int RollSheetWindow::currentRow() const
{
    const QModelIndex current = tblRolls->currentIndex();
    return current.isValid() ? current.row() : -1;
}

// A new roll at the end, its name ready to be typed over.
void RollSheetWindow::addRoll()
{
    const int row = m_model->addRoll();
    startEditing(m_model->index(row, NamedRollsModel::NameColumn));
}

void RollSheetWindow::editRoll()
{
    const int row = currentRow();
    if (row < 0)
        return;
    QModelIndex cell = tblRolls->currentIndex();
    if (cell.column() == NamedRollsModel::ChanceColumn)
        cell = m_model->index(row, NamedRollsModel::NameColumn);
    startEditing(cell);
}

void RollSheetWindow::startEditing(const QModelIndex &cell)
{
    tblRolls->setFocus();
    tblRolls->setCurrentIndex(cell);
    tblRolls->edit(cell);
}

void RollSheetWindow::deleteRoll()
{
    const int row = currentRow();
    if (row < 0)
        return;
    m_model->removeRoll(row);
    if (m_model->rowCount() > 0)
        tblRolls->setCurrentIndex(m_model->index(std::min(row, m_model->rowCount() - 1), 0));
}

void RollSheetWindow::moveRoll(int by)
{
    const int row = currentRow();
    if (row < 0)
        return;
    const int column = tblRolls->currentIndex().column();
    tblRolls->setCurrentIndex(m_model->index(m_model->moveRoll(row, by), column));
}

} // namespace MainBas
