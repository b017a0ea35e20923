#include "RollLogWindow.h"

#include "ErrorReporter.h"
#include "FileAccess.h"
#include "LogExport.h"
#include "Questions.h"
#include "RollLog.h"
#include "RollLogModel.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include <algorithm>
#include <new>
#include <numeric>

namespace MainBas {

namespace {

constexpr int ClientWidth = 9000;
constexpr int ClientHeight = 6750;
const QString Title = QStringLiteral("Roll Log");

QPushButton *button(const QString &caption, const char *name, const char *accessible)
{
    auto *created = Named(new QPushButton(caption), name, accessible);
    created->setAutoDefault(false);
    return created;
}

void reportUnsaved(const QString &path, const QString &reason)
{
    ReportError(QStringLiteral("Could not save %1: %2.").arg(QFileInfo(path).fileName(), reason));
}

} // namespace

RollLogWindow::RollLogWindow(Log::RollLog &log)
    : LaidOutWindow(QStringLiteral("RollLogWindow"), Title, ClientWidth, ClientHeight)
    , m_log(log)
    , m_model(new RollLogModel(log, this))
{
    lblSummary = Named(new QLabel, "lblSummary", "Summary");
    lblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    tblLog = createTable();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblSummary);
    layout->addWidget(tblLog, 1);
    layout->addWidget(createButtons());

    connect(m_model, &QAbstractItemModel::rowsInserted, this, &RollLogWindow::showNewest);
    connect(m_model, &QAbstractItemModel::modelReset, this, &RollLogWindow::refreshSummary);
    refreshSummary();
}

QTableView *RollLogWindow::createTable()
{
    auto *table = Named(new QTableView, "tblLog", "Roll log entries");
    table->setModel(m_model);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    // Widths from the font rather than the rows: measuring a long log would be slow.
    const QFontMetrics metrics = table->fontMetrics();
    QHeaderView *header = table->horizontalHeader();
    header->resizeSection(0, metrics.horizontalAdvance(QStringLiteral("00:00:00")) + 16);
    header->resizeSection(
        1, metrics.horizontalAdvance(QStringLiteral("Step 100 (4D20+6D10+4D8)")) + 16);
    header->setStretchLastSection(true);
    return table;
}

QWidget *RollLogWindow::createButtons()
{
    cmdSaveAs = button(QStringLiteral("&Save As..."), "cmdSaveAs", "Save As");
    cmdCopy = button(QStringLiteral("&Copy"), "cmdCopy", "Copy");
    cmdClear = button(QStringLiteral("C&lear"), "cmdClear", "Clear");
    cmdClose = button(QStringLiteral("Close"), "cmdClose", "Close");

    auto *buttons = new QWidget;
    auto *row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    for (QPushButton *each : {cmdSaveAs, cmdCopy, cmdClear})
        row->addWidget(each);
    row->addStretch();
    row->addWidget(cmdClose);

    connect(cmdSaveAs, &QPushButton::clicked, this, &RollLogWindow::saveAs);
    connect(cmdCopy, &QPushButton::clicked, this, &RollLogWindow::copyToClipboard);
    connect(cmdClear, &QPushButton::clicked, this, &RollLogWindow::clearLog);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    return buttons;
}

void RollLogWindow::showLog()
{
    show();
    raise();
    activateWindow();
    tblLog->setFocus();
    tblLog->scrollToBottom();
}

void RollLogWindow::refreshSummary()
{
    lblSummary->setText(Log::SummaryText(m_log.summary()));
}

void RollLogWindow::showNewest()
{
    refreshSummary();
    tblLog->scrollToBottom();
}

std::vector<int> RollLogWindow::chosenRows() const
{
    std::vector<int> rows;
    for (const QModelIndex &index : tblLog->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    if (rows.empty()) {
        rows.resize(static_cast<std::size_t>(m_model->rowCount()));
        std::iota(rows.begin(), rows.end(), 0);
    }
    return rows;
}

// Rows too long for the clipboard are refused before their text is built: a log of
// long action entries would otherwise take gigabytes at once.
QString RollLogWindow::copiedText() const
{
    const std::vector<Log::Entry> &entries = m_log.entries();
    const std::vector<int> rows = chosenRows();
    const qsizetype length = Log::TabSeparatedLength(entries, rows);
    if (length > MaxCopiedLength) {
        const QLocale locale;
        throw CopyRefused(QStringLiteral("Could not copy the rows: they hold %1 characters, and "
                                         "at most %2 are copied. Select fewer rows, or use Save "
                                         "As... to write the log to a file.")
                              .arg(locale.toString(length), locale.toString(MaxCopiedLength)));
    }
    return Log::TabSeparatedText(entries, rows);
}

// A failed save names the file and the reason; the log stays as it was.
void RollLogWindow::saveAs()
{
    const QString path = AskSavePath(this, QStringLiteral("Save Roll Log"),
                                     QDir::home().filePath(QStringLiteral("roll-log.csv")),
                                     QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    RunCommand([&] {
        try {
            Log::SaveCsv(path, m_log.entries());
        } catch (const WriteError &error) {
            reportUnsaved(path, error.reason());
        } catch (const std::bad_alloc &) {
            reportUnsaved(path, QStringLiteral("there is not enough memory"));
        }
    });
}

void RollLogWindow::clearLog()
{
    const std::size_t count = m_log.entries().size();
    if (count == 0)
        return;
    const QString question = QStringLiteral("Clear every entry of the roll log (%1 in all)?\n"
                                            "Save them first if you want to keep them.")
                                 .arg(count);
    if (AskYesNo(this, Title, question))
        m_log.clear();
}

} // namespace MainBas
