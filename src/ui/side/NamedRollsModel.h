#pragma once

#include "CharacterSheet.h"

#include <QAbstractTableModel>

#include <functional>
#include <optional>
#include <vector>

namespace MainBas {

// A character's named rolls as a table a user edits in place: name, step, karma points,
// target number (empty for none), note, and the chance of success, which is worked out
// when a row is first shown and again after refreshChances(). The rolls themselves live
// in the sheet; the model reads and changes them there.
class NamedRollsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        NameColumn,
        StepColumn,
        KarmaColumn,
        TargetColumn,
        NoteColumn,
        ChanceColumn,
        ColumnCount
    };

    using ChanceOf = std::function<QString(const Sheet::NamedRoll &roll)>;

    NamedRollsModel(std::vector<Sheet::NamedRoll> &rolls, ChanceOf chance,
                    QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The sheet's rolls were replaced as a whole.
    void reload();
    // Adds a roll at the end; its row.
    int addRoll();
    void removeRoll(int row);
    // Moves the roll one row up (-1) or down (+1); its new row, the same at either end.
    int moveRoll(int row, int by);
    // The chances again, for new modifiers or rules.
    void refreshChances();

signals:
    // The user changed the rolls: an edit, an added, removed or moved row.
    void edited();

private:
    QVariant cell(const Sheet::NamedRoll &roll, int column, int row) const;
    bool store(Sheet::NamedRoll &roll, int column, const QVariant &value);
    void forgetChances();

    std::vector<Sheet::NamedRoll> &m_rolls;
    ChanceOf m_chance;
    mutable std::vector<std::optional<QString>> m_chances;
};

} // namespace MainBas
