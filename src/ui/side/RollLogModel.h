#pragma once

#include <QAbstractTableModel>

namespace MainBas {

namespace Log {
class RollLog;
}

// The roll log as a table of time, what and result, for a view. It reads the log's
// entries when a row is shown, so a session of any length costs the view nothing
// until it is scrolled to, and follows the log as it grows and is cleared.
class RollLogModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit RollLogModel(const Log::RollLog &log, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void entriesAppended();
    void logCleared();
    int entryCount() const;

    const Log::RollLog &m_log;
    // The rows the view has been told of; the log may be ahead until its signal arrives.
    int m_rows = 0;
};

} // namespace MainBas
