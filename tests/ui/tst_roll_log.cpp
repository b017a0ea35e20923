// The roll log as the real main window fills it, with scripted dice, and the Roll Log
// window that shows it: opening, following rolls, copying, clearing and saving. And the log
// itself: its summary as entries come and go, the CSV export read back by a strict reader,
// and the tab-separated copy.
#include "ActionFiles.h"
#include "EditAction.h"
#include "LaidOutWindow.h"
#include "LogExport.h"
#include "LogText.h"
#include "Questions.h"
#include "RollLog.h"
#include "RollLogWindow.h"
#include "TestProgram.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>

#include <optional>

using namespace MainBas;
using namespace Qt::StringLiterals;

namespace {

using Records = QList<QStringList>;

// A summer day in the test's time zone, Central European Time.
std::int64_t at(int hour, int minute, int second, QDate day = QDate(2024, 6, 1))
{
    return QDateTime(day, QTime(hour, minute, second)).toSecsSinceEpoch();
}

const QByteArray ByteOrderMark = "\xEF\xBB\xBF";

// Reads RFC 4180 records, refusing what a writer that forgot to quote would produce: a
// quote inside a bare field, or a CR or LF outside quotes that does not end a record.
// The text must begin with a UTF-8 byte-order mark.
std::optional<Records> readCsv(const QByteArray &bytes)
{
    if (!bytes.startsWith(ByteOrderMark))
        return std::nullopt;
    const QString text = QString::fromUtf8(bytes.sliced(ByteOrderMark.size()));
    Records records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (text.mid(i + 1, 1) == u"\""_s)
                field += text[++i];
            else
                quoted = false;
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else if (c == u',') {
            record << std::exchange(field, {});
        } else if (text.mid(i, 2) == u"\r\n"_s) {
            record << std::exchange(field, {});
            records << std::exchange(record, {});
            ++i;
        } else if (c == u'"' || c == u'\r' || c == u'\n') {
            return std::nullopt;
        } else {
            field += c;
        }
    }
    if (quoted || !field.isEmpty() || !record.isEmpty())
        return std::nullopt;
    return records;
}

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
    void initTestCase()
    {
        // Central European Time with its summer time, written out so no zone data is needed.
        qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    }

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
                 QStringList({u"Step 20 (D20+D8+D6) | 17, 4 die rolls"_s, u"+D6 | 2, sum 19"_s,
                              u"Step 5 (D8) | 1, 1 die roll, fumble"_s, u"Decision | 1-12: 7"_s,
                              u"Action: Tavern | A bard sings"_s, u"Action: Well | Dry"_s,
                              u"+D4 | 3, sum 32770"_s, u"Statistics report | 3 samples"_s,
                              u"Distribution report, step 3 | 5 samples"_s}));
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

    // Copy takes the selected rows, or all when none is; Ctrl+A selects every row. Save As
    // writes the CSV text. Clear asks first.
    void copyClearAndSave()
    {
        m_program->session().log.append(Log::DecisionMade {12, 7}, at(20, 0, 1));
        m_program->session().log.append(Log::FreeDieAdded {4, 3, 3}, at(20, 0, 2));
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

        QString saveTo = m_program->path(u"session.csv"_s);
        SetSavePathAnswerer([&](const QString &) { return saveTo; });
        click(window->cmdSaveAs);
        QCOMPARE(ReadFile(saveTo), Log::CsvText(m_program->session().log.entries()));
        // Save As refuses to replace anything but a regular file, and says why in plain
        // words; what stood there stays as it was. (Saves refuse every other kind the same
        // way: see the files' test.)
        QVERIFY(PlaceFileOfKind(saveTo = m_program->path(u"taken.csv"_s), FileKind::LinkToPipe));
        click(window->cmdSaveAs);
        QCOMPARE(m_program->takeErrors(),
                 QStringList {u"Could not save taken.csv: it is a link to a named pipe, not a "
                              "regular file."_s});
        QVERIFY(QFileInfo(saveTo).isSymLink() && !QFileInfo(saveTo).isFile()); // still to the pipe

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

    // Every entry is a roll; fumbles and the mean come from step rolls only. Each change
    // is signalled, and clearing starts the figures afresh.
    void summaryFollowsTheLog()
    {
        Log::RollLog log;
        QSignalSpy appended(&log, &Log::RollLog::appended);
        QSignalSpy cleared(&log, &Log::RollLog::cleared);
        QCOMPARE(Log::SummaryText(log.summary()),
                 u"Rolls: 0   Step rolls: 0   Fumbles: 0   Mean step total: -"_s);
        log.append(Log::StepRolled {5, 2, 2, true});
        log.append(Log::FreeDieAdded {6, 6, 8});
        log.append(Log::StepRolled {20, 21, 3, false});
        log.append(Log::StepRolled {1, -1, 1, true});
        log.append(Log::DecisionMade {12, 7});
        QCOMPARE(Log::SummaryText(log.summary()),
                 u"Rolls: 5   Step rolls: 3   Fumbles: 2   Mean step total: 7.3"_s);
        QCOMPARE(appended.size(), 5);

        log.clear();
        QCOMPARE(cleared.size(), 1);
        QVERIFY(log.entries().empty());
        QCOMPARE(log.summary().rolls, 0);
        QCOMPARE(log.summary().meanStepTotal(), std::nullopt);
    }

    // Commas, quotes, CR LF and characters beyond ASCII, also beyond 16 bits, come back
    // exactly after a byte-order mark and the header; every record ends with CR LF. The
    // time is the date and local time with its offset from UTC. (The saved file holds the
    // same bytes: see the Roll Log window's Save As.)
    void csvRoundTrip()
    {
        Log::RollLog log;
        log.append(Log::ActionDrawn {u"Inn, The Boar"_s, u"A fight\r\nbreaks out"_s},
                   at(21, 7, 45));
        log.append(Log::ActionDrawn {u"\"Quoted\""_s, u"LF\nalone"_s}, at(9, 0, 5));
        log.append(Log::ActionDrawn {u"Café Ærø"_s, u"CR\ralone 𝄞 café €"_s}, at(12, 30, 0));
        log.append(Log::StepRolled {20, 23, 3, false}, at(23, 59, 59, QDate(2024, 12, 7)));
        const QByteArray csv = Log::CsvText(log.entries());

        const Records expected = {
            {u"Time"_s, u"What"_s, u"Result"_s},
            {u"2024-06-01T21:07:45+02:00"_s, u"Action: Inn, The Boar"_s,
             u"A fight\r\nbreaks out"_s},
            {u"2024-06-01T09:00:05+02:00"_s, u"Action: \"Quoted\""_s, u"LF\nalone"_s},
            {u"2024-06-01T12:30:00+02:00"_s, u"Action: Café Ærø"_s, u"CR\ralone 𝄞 café €"_s},
            {u"2024-12-07T23:59:59+01:00"_s, u"Step 20 (D20+D8+D6)"_s, u"23, 3 die rolls"_s},
        };
        QCOMPARE(readCsv(csv), std::optional(expected));
        QVERIFY(csv.startsWith(ByteOrderMark + "Time,What,Result\r\n"));
        QVERIFY(csv.endsWith("\"23, 3 die rolls\"\r\n"));
    }

    // A field that a spreadsheet would take for a formula (it begins with =, +, -, @, a
    // tab or CR) is exported with a leading apostrophe, inside quotes; others as they are.
    void csvCarriesNoFormulas()
    {
        const QStringList formulas = {u"=HYPERLINK(\"http://example.com\",\"Click\")"_s,
                                      u"=cmd|' /C calc'!A0"_s,
                                      u"@SUM(1,2)"_s,
                                      u"-2+3"_s,
                                      u"\tTabbed"_s,
                                      u"\rCR first"_s};
        const QString plain = u"A = B, not a formula"_s;
        Log::RollLog log;
        for (const QString &entry : formulas + QStringList {plain})
            log.append(Log::ActionDrawn {u"Traps"_s, entry}, at(10, 0, 0));
        log.append(Log::FreeDieAdded {4, 3, 3}, at(10, 0, 1));
        log.append(Log::StepRolled {1, -1, 1, true}, at(10, 0, 2));
        const QByteArray csv = Log::CsvText(log.entries());

        const std::optional<Records> records = readCsv(csv);
        QVERIFY(records);
        QStringList results;
        for (const QStringList &record : records->sliced(1, formulas.size() + 1))
            results << record[2];
        QStringList expected;
        for (const QString &formula : formulas)
            expected << u"'"_s + formula;
        QCOMPARE(results, expected << plain);
        QCOMPARE(records->at(formulas.size() + 2).sliced(1),
                 (QStringList {u"'+D4"_s, u"3, sum 3"_s}));
        QCOMPARE(records->last().sliced(1),
                 (QStringList {u"Step 1 (D4-2)"_s, u"'-1, 1 die roll, fumble"_s}));
        for (const char *quoted : {",\"'@SUM(1,2)\"\r\n", ",\"'-2+3\"\r\n", ",\"'+D4\","})
            QVERIFY2(csv.contains(quoted), quoted);
    }

    // The texts follow the user's locale in every figure, the window's too; the CSV keeps
    // the plain, machine-readable figures whatever the locale.
    void figuresFollowTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Log::RollLog &log = m_program->session().log;
        log.append(Log::StepRolled {20, 23, 3, false}, at(10, 0, 0));
        log.append(Log::StepRolled {5, 2, 1, false}, at(10, 0, 1));
        log.append(Log::FreeDieAdded {4, 3, 32770}, at(10, 0, 2));
        log.append(Log::StatisticsReported {100000}, at(10, 0, 3));
        log.append(Log::DistributionReported {3, 2.5}, at(10, 0, 4));
        for (int decision = 0; decision < 1000; ++decision)
            log.append(Log::DecisionMade {12, 7});
        RollLogWindow *window = pressCtrlL();
        QVERIFY(window);
        QCOMPARE(window->lblSummary->text(),
                 u"Rolls: 1.005   Step rolls: 2   Fumbles: 0   Mean step total: 12,5"_s);
        QCOMPARE(cell(window, 2, 2), u"3, sum 32.770"_s);
        QStringList results;
        for (std::size_t row = 2; row < 5; ++row)
            results << Log::ResultText(log.entries()[row].roll);
        QCOMPARE(results,
                 (QStringList {u"3, sum 32.770"_s, u"100.000 samples"_s, u"2,5 samples"_s}));

        const std::optional<Records> records = readCsv(Log::CsvText(log.entries()));
        QVERIFY(records);
        QCOMPARE(records->at(3)[2], u"3, sum 32770"_s);
        QCOMPARE(records->at(4)[2], u"100000 samples"_s);
        QCOMPARE(records->at(5)[2], u"2.5 samples"_s);
    }

    // The chosen rows in the given order; a tab or line break inside a field becomes a
    // blank, so every row stays one line of three columns.
    void tabSeparatedRows()
    {
        Log::RollLog log;
        log.append(Log::DecisionMade {12, 7}, at(10, 0, 0));
        log.append(Log::FreeDieAdded {4, 5, 9}, at(10, 0, 1));
        log.append(Log::ActionDrawn {u"A\tB"_s, u"one\r\ntwo"_s}, at(10, 0, 2));
        QCOMPARE(Log::TabSeparatedText(log.entries(), {0, 2}),
                 u"10:00:00\tDecision\t1-12: 7\n10:00:02\tAction: A B\tone  two"_s);
    }
};

QTEST_MAIN(TestRollLog)
#include "tst_roll_log.moc"
