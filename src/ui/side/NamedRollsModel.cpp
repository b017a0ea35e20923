#include "NamedRollsModel.h"

#include <array>

namespace MainBas {

namespace {

using Sheet::NamedRoll;

constexpr std::array<const char *, NamedRollsModel::ColumnCount> Headers
    = {"Name", "Step", "Karma", "Target", "Note", "Chance"};

// A whole number in the range, or none.
std::optional<int> numberIn(const QVariant &value, int lowest, int highest)
{
    if (value.toString().trimmed().isEmpty())
        return std::nullopt;
    bool number = false;
    const int read = value.toInt(&number);
    if (!number || read < lowest || read > highest)
        return std::nullopt;
    return read;
}

bool isNumberColumn(int column)
{
    return column == NamedRollsModel::StepColumn || column == NamedRollsModel::KarmaColumn
        || column == NamedRollsModel::TargetColumn || column == NamedRollsModel::ChanceColumn;
}

} // namespace

NamedRollsModel::NamedRollsModel(std::vector<NamedRoll> &rolls, ChanceOf chance, QObject *parent)
    : QAbstractTableModel(parent)
    , m_rolls(rolls)
    , m_chance(std::move(chance))
    , m_chances(rolls.size())
{ }

int NamedRollsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rolls.size());
}

int NamedRollsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant NamedRollsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const NamedRoll &roll = m_rolls.at(static_cast<std::size_t>(index.row()));
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return cell(roll, index.column(), index.row());
    case Qt::EditRole:
        if (index.column() == TargetColumn)
            return roll.target.value_or(0);
        return cell(roll, index.column(), index.row());
    case Qt::TextAlignmentRole:
        if (isNumberColumn(index.column()))
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant NamedRollsModel::cell(const NamedRoll &roll, int column, int row) const
{
    switch (column) {
    case NameColumn:
        return roll.name;
    case StepColumn:
        return roll.step;
    case KarmaColumn:
        return roll.karmaPoints;
    case TargetColumn:
        return roll.target ? QVariant(*roll.target) : QVariant(QString());
    case NoteColumn:
        return roll.note;
    default:
        break;
    }
    std::optional<QString> &chance = m_chances.at(static_cast<std::size_t>(row));
    if (!chance)
        chance = m_chance(roll);
    return *chance;
}

bool NamedRollsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount())
        return false;
    NamedRoll &roll = m_rolls.at(static_cast<std::size_t>(index.row()));
    if (!store(roll, index.column(), value))
        return false;
    m_chances.at(static_cast<std::size_t>(index.row())).reset();
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
    emit edited();
    return true;
}

// A value the roll cannot take is refused, and the roll keeps what it had.
bool NamedRollsModel::store(NamedRoll &roll, int column, const QVariant &value)
{
    switch (column) {
    case NameColumn:
        roll.name = value.toString();
        return true;
    case NoteColumn:
        roll.note = value.toString();
        return true;
    case StepColumn:
        if (const auto step = numberIn(value, Sheet::LowestStep, Sheet::HighestStep)) {
            roll.step = *step;
            return true;
        }
        return false;
    case KarmaColumn:
        if (const auto points = numberIn(value, 0, Sheet::MostKarmaPointsPerRoll)) {
            roll.karmaPoints = *points;
            return true;
        }
        return false;
    case TargetColumn: {
        const QString text = value.toString().trimmed();
        const auto target = numberIn(value, 0, Sheet::HighestTarget);
        if (!text.isEmpty() && !target)
            return false;
        roll.target = target && *target > 0 ? target : std::nullopt;
        return true;
    }
    default:
        return false;
    }
}

Qt::ItemFlags NamedRollsModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == ChanceColumn ? flags : flags | Qt::ItemIsEditable;
}

QVariant NamedRollsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0
        || section >= ColumnCount)
        return {};
    return QLatin1String(Headers.at(static_cast<std::size_t>(section)));
}

void NamedRollsModel::reload()
{
    beginResetModel();
    forgetChances();
    endResetModel();
}

int NamedRollsModel::addRoll()
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    Sheet::NamedRoll added;
    added.name = QStringLiteral("New roll");
    added.step = 10;
    m_rolls.push_back(added);
    m_chances.emplace_back();
    endInsertRows();
    emit edited();
    return row;
}

void NamedRollsModel::removeRoll(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    m_rolls.erase(m_rolls.begin() + row);
    m_chances.erase(m_chances.begin() + row);
    endRemoveRows();
    emit edited();
}

int NamedRollsModel::moveRoll(int row, int by)
{
    const int to = row + (by > 0 ? 1 : -1);
    if (row < 0 || to < 0 || to >= rowCount() || by == 0)
        return row;
    // Qt names the row a moved row goes before: one further down when moving down.
    beginMoveRows({}, row, row, {}, by > 0 ? to + 1 : to);
    std::swap(m_rolls.at(static_cast<std::size_t>(row)), m_rolls.at(static_cast<std::size_t>(to)));
    std::swap(m_chances.at(static_cast<std::size_t>(row)),
              m_chances.at(static_cast<std::size_t>(to)));
    endMoveRows();
    emit edited();
    return to;
}

void NamedRollsModel::refreshChances()
{
    forgetChances();
    if (rowCount() > 0)
        emit dataChanged(index(0, ChanceColumn), index(rowCount() - 1, ChanceColumn));
}

void NamedRollsModel::forgetChances()
{
    m_chances.assign(m_rolls.size(), std::nullopt);
}

} // namespace MainBas
