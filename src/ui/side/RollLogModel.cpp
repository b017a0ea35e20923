#include "RollLogModel.h"

#include "LogText.h"
#include "RollLog.h"

namespace MainBas {

namespace {

enum Column { TimeColumn, WhatColumn, ResultColumn, ColumnCount };

// No cell shows more, and eliding an action entry of megabytes on every repaint
// would stall the window; copy and export keep the whole text.
constexpr qsizetype ShownLength = 1000;

QString cellText(const Log::Entry &entry, int column)
{
    switch (column) {
    case TimeColumn:
        return Log::TimeText(entry);
    case WhatColumn:
        return Log::WhatText(entry.roll).left(ShownLength);
    default:
        return Log::ResultText(entry.roll).left(ShownLength);
    }
}

} // namespace

RollLogModel::RollLogModel(const Log::RollLog &log, QObject *parent)
    : QAbstractTableModel(parent)
    , m_log(log)
    , m_rows(entryCount())
{
    connect(&log, &Log::RollLog::appended, this, &RollLogModel::entriesAppended);
    connect(&log, &Log::RollLog::cleared, this, &RollLogModel::logCleared);
}

int RollLogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int RollLogModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RollLogModel::data(const QModelIndex &index, int role) const
{
    // The tooltip shows what a narrow column cuts short.
    const bool shown = role == Qt::DisplayRole || role == Qt::ToolTipRole;
    if (!shown || !index.isValid() || index.row() >= m_rows)
        return {};
    return cellText(m_log.entries().at(static_cast<std::size_t>(index.row())), index.column());
}

QVariant RollLogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case TimeColumn:
        return QStringLiteral("Time");
    case WhatColumn:
        return QStringLiteral("What");
    default:
        return QStringLiteral("Result");
    }
}

void RollLogModel::entriesAppended()
{
    const int count = entryCount();
    if (count <= m_rows)
        return;
    beginInsertRows({}, m_rows, count - 1);
    m_rows = count;
    endInsertRows();
}

void RollLogModel::logCleared()
{
    beginResetModel();
    m_rows = entryCount();
    endResetModel();
}

int RollLogModel::entryCount() const
{
    return static_cast<int>(m_log.entries().size());
}

} // namespace MainBas
