// The roll log as the real main window fills it, with scripted dice, and the Roll Log
// window that shows it: opening, following rolls, copying, clearing and saving.
#include "ActionFiles.h"
#include "EditAction.h"
#include "LaidOutWindow.h"
#include "LogExport.h"
#include "LogText.h"
#include "Questions.h"
#include "RollLog.h"
#include "RollLogWindow.h"
#include "ScriptedRandom.h"
#include "SideWindows.h"
#include "TestProgram.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

using namespace MainBas;
using namespace Qt::StringLiterals;

namespace {

// "what | result" of every entry, oldest first.
QStringList logged(const Log::RollLog &log)
{
    QStringList rows;
    for (const Log::Entry &entry : log.entries())
        rows << Log::WhatText(entry.roll) + u" | "_s + Log::ResultText(entry.roll);
    return rows;
}

QString cell(const RollLogWindow *window, int row, int column)
{
    return window->tblLog->model()->index(row, column).data().toString();
}

// A window whose text to copy cannot be built: memory runs out.
class Exhausted : public LaidOutWindow
{
public:
    Exhausted()
        : LaidOutWindow(u"Exhausted"_s, u"Exhausted"_s, 3000, 2000)
    { }

    QString copiedText() const override { throw std::bad_alloc(); }
};

} // namespace

class TestRollLog : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;
    MainControls *m_main = nullptr;

    static void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    RollLogWindow *pressCtrlL() const
    {
        QApplication::setActiveWindow(m_main->window);
        QTest::keyClick(m_main->txtDices, Qt::Key_L, Qt::ControlModifier);
        RollLogWindow *window = LogWindow();
        return window && QTest::qWaitForWindowExposed(window) ? window : nullptr;
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        m_program = std::make_unique<TestProgram>();
        m_program->write(u"Action1.txt"_s, "Tavern\r\nA brawl\r\nA bard sings\r\n");
        m_program->write(u"Action2.txt"_s, "Well\r\nDry\r\n");
        m_program->write(u"Action3.txt"_s, "Empty\r\n");
        QVERIFY((m_main = m_program->startWindow()));
        m_program->session().log.clear();
    }

    void cleanup()
    {
        SetYesNoAnswerer({});
        SetSavePathAnswerer({});
        DestroySideWindows();
        m_program->session().log.clear();
        m_program.reset();
        QLocale::setDefault(QLocale::c());
    }

    // Each command that shows a result logs it once, when it is shown; a command with
    // no result or a failed one logs nothing.
    void everyResultAndNothingElse()
    {
        const std::int64_t start = QDateTime::currentSecsSinceEpoch();
        {
            ScriptedRandom script {Face(20, 5), Face(8, 8),  Face(8, 1), Face(6, 3), Face(6, 2),
                                   Face(8, 1),  Face(12, 7), Face(2, 2), Face(4, 3), Face(6, 2)};
            m_program->use(script);
            click(m_main->cmdStep[19]);
            click(m_main->cmdAddDice[1]);
            click(m_main->cmdStep[4]);
            click(m_main->cmdDecision[10]);
            click(m_main->cmdAction[0]);
            click(m_main->cmdAction[1]); // a single entry: shown without a draw
            click(m_main->cmdAction[2]); // no entries: nothing shown
            click(m_main->cmdClean);
            m_main->txtErgebnis->setText(u"32767"_s);
            click(m_main->cmdAddDice[0]); // 32770 is written ...
            click(m_main->cmdAddDice[1]); // ... and overflows when read back
            QCOMPARE(m_program->takeErrors(), QStringList {u"Run-time error 6: Overflow"_s});
        }
        m_program->session().random = RandomSource(); // the dice roll freely again
        for (const char *samples : {"2", "3"}) {
            m_main->txtProbeCount->setText(QLatin1String(samples));
            click(m_main->cmdStatistic);
        }
        for (const char *samples : {"1", "5"}) {
            m_main->txtProbeCount->setText(QLatin1String(samples));
            QTest::keyClick(m_main->cmdStep[2], Qt::Key_F7);
        }

        QCOMPARE(logged(m_program->session().log),
                 QStringList({
                     u"Step 20 (D20+D8+D6) | 17, 4 die rolls"_s,
                     u"+D6 | 2, sum 19"_s,
                     u"Step 5 (D8) | 1, 1 die roll, fumble"_s,
                     u"Decision | 1-12: 7"_s,
                     u"Action: Tavern | A bard sings"_s,
                     u"Action: Well | Dry"_s,
                     u"+D4 | 3, sum 32770"_s,
                     u"Statistics report | 3 samples"_s,
                     u"Distribution report, step 3 | 5 samples"_s,
                 }));
        for (const Log::Entry &entry : m_program->session().log.entries())
            QVERIFY(entry.time >= start && entry.time <= QDateTime::currentSecsSinceEpoch());
        QVERIFY(m_program->takeErrors().isEmpty());
    }

    // Ctrl+L opens one window; rolls made while it is open appear at the bottom, kept in
    // view, and the summary follows. The information box's context menu keeps its edit
    // entries and opens the same window; Esc closes it.
    void openedFromTheMainWindowAndFollowsRolls()
    {
        ScriptedRandom script = ScriptedRandom::repeating(Face(4, 2));
        m_program->use(script);
        click(m_main->cmdStep[2]);
        RollLogWindow *window = pressCtrlL();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), u"Roll Log"_s);
        for (int roll = 0; roll < 40; ++roll)
            click(m_main->cmdStep[2]);
        QApplication::processEvents(); // lets the view lay out its rows, as it would between clicks
        const QTableView *table = window->tblLog;
        QCOMPARE(table->model()->rowCount(), 41);
        QCOMPARE(cell(window, 40, 1), u"Step 3 (D4)"_s);
        QCOMPARE(cell(window, 40, 2), u"2, 1 die roll"_s);
        QVERIFY(table->verticalScrollBar()->maximum() > 0);
        QVERIFY(
            table->viewport()->rect().contains(table->visualRect(table->model()->index(40, 2))));
        QCOMPARE(window->lblSummary->text(),
                 u"Rolls: 41   Step rolls: 41   Fumbles: 0   Mean step total: 2.0"_s);
        QCOMPARE(pressCtrlL(), window);

        const QPoint inside = m_main->txtInfo->viewport()->rect().center();
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, inside,
                                     m_main->txtInfo->viewport()->mapToGlobal(inside));
        QApplication::sendEvent(m_main->txtInfo->viewport(), &rightClick);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const QList<QAction *> entries = menu->actions();
        QVERIFY(menu->findChild<QAction *>(u"select-all"_s));
        QVERIFY(entries.size() > 5 && entries[entries.size() - 4]->isSeparator());
        QCOMPARE(entries[entries.size() - 3]->text(), u"Roll Log..."_s);
        QCOMPARE(entries.last()->text(), u"Settings..."_s);
        entries[entries.size() - 3]->trigger();
        menu->close();
        QCOMPARE(LogWindow(), window);

        QTest::keyClick(window->tblLog, Qt::Key_Escape);
        QVERIFY(!LogWindow());
    }

    // Copy takes the selected rows, or all when none is; Ctrl+A selects every row. Clear
    // asks first; Save As writes the CSV text.
    void copyClearAndSave()
    {
        const auto at = [](int second) {
            return QDateTime(QDate(2024, 6, 1), QTime(20, 0, second)).toSecsSinceEpoch();
        };
        m_program->session().log.append(Log::DecisionMade {12, 7}, at(1));
        m_program->session().log.append(Log::FreeDieAdded {4, 3, 3}, at(2));
        RollLogWindow *window = pressCtrlL();
        QVERIFY(window);
        const QString both = u"20:00:01\tDecision\t1-12: 7\n20:00:02\t+D4\t3, sum 3"_s;
        click(window->cmdCopy);
        QCOMPARE(QApplication::clipboard()->text(), both);
        window->tblLog->selectRow(1);
        QTest::keyClick(window->tblLog, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), u"20:00:02\t+D4\t3, sum 3"_s);
        QTest::keyClick(window->tblLog, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(window->tblLog->selectionModel()->selectedRows().size(), 2);

        const QString name = u"session.csv"_s;
        SetSavePathAnswerer([&](const QString &) { return m_program->path(name); });
        click(window->cmdSaveAs);
        QCOMPARE(m_program->read(name), Log::CsvText(m_program->session().log.entries()));

        QStringList questions;
        bool answer = false;
        SetYesNoAnswerer([&](const QString &question) { return questions << question, answer; });
        click(window->cmdClear);
        QCOMPARE(window->tblLog->model()->rowCount(), 2);
        answer = true;
        click(window->cmdClear);
        QCOMPARE(questions.size(), 2);
        QVERIFY(questions[0].contains(u"(2 in all)"_s));
        QCOMPARE(window->tblLog->model()->rowCount(), 0);
        QVERIFY(m_program->session().log.entries().empty());
        QCOMPARE(window->lblSummary->text(),
                 u"Rolls: 0   Step rolls: 0   Fumbles: 0   Mean step total: -"_s);
        QVERIFY(m_program->takeErrors().isEmpty());
    }

    // Save As refuses to replace anything but a regular file, and says why in plain words;
    // the log and what stood there stay as they were.
    void saveAsRefuses_data()
    {
        QTest::addColumn<FileKind>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << FileKind::Folder << u"it is a folder"_s;
        QTest::newRow("named pipe") << FileKind::NamedPipe << u"it is a named pipe"_s;
        QTest::newRow("link to a named pipe")
            << FileKind::LinkToPipe << u"it is a link to a named pipe"_s;
        QTest::newRow("device") << FileKind::Device << u"it is a character device"_s;
    }

    void saveAsRefuses()
    {
        QFETCH(FileKind, kind);
        QFETCH(QString, reason);

        const QString path = m_program->path(u"taken.csv"_s);
        if (!PlaceFileOfKind(path, kind))
            QSKIP("This kind of file cannot be made here (a device node needs root).");
        const QFileInfo before(path);
        m_program->session().log.append(Log::DecisionMade {12, 7});
        RollLogWindow *window = pressCtrlL();
        QVERIFY(window);
        SetSavePathAnswerer([&](const QString &) { return path; });
        click(window->cmdSaveAs);
        QCOMPARE(m_program->takeErrors(),
                 QStringList {u"Could not save taken.csv: %1, not a regular file."_s.arg(reason)});
        const QFileInfo after(path);
        QCOMPARE(after.isSymLink(), before.isSymLink());
        QCOMPARE(after.isFile(), before.isFile());
        QCOMPARE(after.isDir(), before.isDir());
        QCOMPARE(m_program->session().log.entries().size(), std::size_t {1});
    }

    // Copy leaves the clipboard alone when there is nothing to copy, and when the rows
    // hold more than a clipboard sensibly takes: then a plain message points to Save As.
    void copyLeavesTheClipboardAlone()
    {
        RollLogWindow *window = pressCtrlL();
        QVERIFY(window);
        QApplication::clipboard()->setText(u"kept"_s);
        click(window->cmdCopy);
        QCOMPARE(QApplication::clipboard()->text(), u"kept"_s);

        // Five rows of 4 Mi characters each, all sharing one text.
        const QString huge(4 * 1024 * 1024, u'x');
        for (int row = 0; row < 5; ++row)
            m_program->session().log.append(Log::ActionDrawn {u"Hoard"_s, huge});
        click(window->cmdCopy);
        QCOMPARE(QApplication::clipboard()->text(), u"kept"_s);
        const qsizetype length = 5 * (8 + 1 + 13 + 1 + huge.size()) + 4;
        QCOMPARE(m_program->takeErrors(),
                 QStringList {u"Could not copy the rows: they hold %1 characters, and at most "
                              "16777216 are copied. Select fewer rows, or use Save As... to "
                              "write the log to a file."_s.arg(length)});
        window->tblLog->selectRow(4);
        QTest::keyClick(window->tblLog, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text().size(), length / 5);
        QVERIFY(m_program->takeErrors().isEmpty());
    }

    // A copy that runs out of memory is reported; the program goes on.
    void copyOutOfMemoryIsReported()
    {
        Exhausted window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::clipboard()->setText(u"kept"_s);
        QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(m_program->takeErrors(),
                 QStringList {u"Could not copy: there is not enough memory."_s});
        QCOMPARE(QApplication::clipboard()->text(), u"kept"_s);
    }

    // An entry drawn again and again is kept once: every row holds the table's own text,
    // also after the editor saved the file and reloaded it with that entry unchanged.
    void drawnEntriesShareTheirText()
    {
        ScriptedRandom script = ScriptedRandom::repeating(Face(2, 1));
        m_program->use(script);
        for (int draw = 0; draw < 3; ++draw)
            click(m_main->cmdAction[0]);
        QTest::keyClick(m_main->cmdAction[0], Qt::Key_F7);
        EditAction *editor = ShownWindow<EditAction>();
        QVERIFY(editor);
        editor->txtEntries->appendPlainText(u"A ghost"_s);
        click(editor->cmdOK[0]);
        QCOMPARE(ActionEntryCounts[0], u"3"_s);
        for (int draw = 0; draw < 3; ++draw)
            click(m_main->cmdAction[0]);

        QCOMPARE(m_program->session().log.entries().size(), std::size_t {6});
        for (const Log::Entry &entry : m_program->session().log.entries()) {
            const auto &drawn = std::get<Log::ActionDrawn>(entry.roll);
            QCOMPARE(drawn.entry, u"A brawl"_s);
            QCOMPARE(drawn.entry.constData(), ActionEntries[0][1].constData());
            QCOMPARE(drawn.caption.constData(), ActionEntries[0][0].constData());
        }
    }

    // The window's figures follow the user's locale.
    void figuresFollowTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        m_program->session().log.append(Log::StepRolled {20, 23, 3, false});
        m_program->session().log.append(Log::StepRolled {5, 2, 1, false});
        m_program->session().log.append(Log::FreeDieAdded {4, 3, 32770});
        RollLogWindow *window = pressCtrlL();
        QVERIFY(window);
        QCOMPARE(window->lblSummary->text(),
                 u"Rolls: 3   Step rolls: 2   Fumbles: 0   Mean step total: 12,5"_s);
        QCOMPARE(cell(window, 2, 2), u"3, sum 32.770"_s);
    }
};

QTEST_MAIN(TestRollLog)
#include "tst_roll_log.moc"
