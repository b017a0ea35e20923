#pragma once

// The Roll Log window: every result of the session in a table, newest at the bottom and
// kept in view as rolls arrive, under a summary line; it saves the log as CSV, copies
// rows with tabs and clears the log after asking. One instance, modeless; opened with
// Ctrl+L in the main window or from the information box's context menu.

#include "LaidOutWindow.h"

#include <vector>

class QLabel;
class QPushButton;
class QTableView;

namespace MainBas {

class RollLogModel;

namespace Log {
class RollLog;
}

class RollLogWindow : public LaidOutWindow
{
    Q_OBJECT

public:
    explicit RollLogWindow(Log::RollLog &log);

    // Shows the window in front, at the newest entry, with the focus on the table.
    void showLog();

    // The text Copy and Ctrl+C put on the clipboard: the selected rows, or every row
    // when none is selected, with tabs between the columns.
    QString copiedText() const override;

    QLabel *lblSummary = nullptr;
    QTableView *tblLog = nullptr;
    QPushButton *cmdSaveAs = nullptr;
    QPushButton *cmdCopy = nullptr;
    QPushButton *cmdClear = nullptr;
    QPushButton *cmdClose = nullptr;

private:
    QTableView *createTable();
    QWidget *createButtons();
    void refreshSummary();
    void showNewest();
    std::vector<int> chosenRows() const;
    void saveAs();
    void clearLog();

    Log::RollLog &m_log;
    RollLogModel *m_model;
};

} // namespace MainBas
