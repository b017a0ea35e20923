// The two reports as commands of the real main window: which keys start them, what
// the viewer shows, the busy cursor, errors reported, and the progress dialog of a long
// one with its estimate of the time left. Their texts are tested without a window,
// beside the reports themselves. And the text viewer with the other commands around it:
// its life cycle, the step table, Help, Exit during a report, and how the program ends
// while a side window is open.
#include "EditAction.h"
#include "LongWork.h"
#include "ProgressShare.h"
#include "RollLog.h"
#include "StepTable.h"
#include "TestProgram.h"

#include <QCloseEvent>
#include <QLocale>
#include <QPointer>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTimer>

#include <functional>

using namespace MainBas;
using namespace Qt::StringLiterals;

namespace {

// Runs the application's event loop as the program does, with the first steps queued;
// returns its exit code. A watchdog ends a loop that would otherwise never end.
int runEventLoop(const std::function<void()> &firstSteps)
{
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    watchdog.start(10000);
    QTimer::singleShot(0, qApp, firstSteps);
    return QApplication::exec();
}

// A window that objects to being closed, as an editor asking to save would.
struct ObjectingWindow : QWidget
{
    int closeRequests = 0;
    void closeEvent(QCloseEvent *event) override
    {
        ++closeRequests;
        event->ignore();
    }
};

} // namespace

class TestReportCommands : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_program;
    MainControls *m_main = nullptr;

    // The progress dialog of a long report while the report runs.
    QProgressDialog *progressDialog() const
    {
        return m_main->window->findChild<QProgressDialog *>();
    }

    // The step table in the viewer.
    frmText *showStepTable() const
    {
        QTest::mouseClick(m_main->cmdSteps, Qt::LeftButton);
        return QTest::qWaitForWindowExposed(TextViewer()) ? TextViewer() : nullptr;
    }

    void runReport(bool statistics, int stepIndex)
    {
        if (statistics)
            QTest::mouseClick(m_main->cmdStatistic, Qt::LeftButton);
        else
            QTest::keyClick(m_main->cmdStep[static_cast<std::size_t>(stepIndex)], Qt::Key_F7);
    }

private slots:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        QVERIFY((m_main = m_program->startWindow()));
    }

    void cleanup() { m_program.reset(); } // and every side window with it

    // F7 on a step button, whatever the shift state (the state is not looked at: one row
    // with it), shows the report in the viewer and leaves the main window's boxes alone;
    // another key or button rolls nothing.
    void distributionOnlyOnF7OnAStepButton_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("acts");
        const QString step = u"cmdStep(0)"_s;
        QTest::newRow("F7") << step << int(Qt::Key_F7) << int(Qt::NoModifier) << true;
        QTest::newRow("Ctrl+F7") << step << int(Qt::Key_F7) << int(Qt::ControlModifier) << true;
        QTest::newRow("F6 on a step button") << step << int(Qt::Key_F6) << 0 << false;
        QTest::newRow("F7 on a decision button")
            << u"cmdDecision(4)"_s << int(Qt::Key_F7) << 0 << false;
    }

    void distributionOnlyOnF7OnAStepButton()
    {
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, acts);
        auto *widget = m_main->window->findChild<QWidget *>(control);
        QVERIFY(widget);
        ScriptedRandom script {Face(4, 1), Face(4, 1), Face(4, 2)};
        m_program->use(script);
        m_main->txtProbeCount->setText(u"3"_s);
        SetBoxText(m_main->txtInfo, u"untouched"_s);
        QTest::keyClick(widget, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(ViewerState().startsWith(u"Step result distribution (shown): Distribution for "
                                          "step 1   (N=3 samples).\r\nDice(s): D4-2\r\n"_s),
                 acts);
        QCOMPARE(script.remaining(), std::size_t {acts ? 0U : 3U});
        QCOMPARE(BoxText(m_main->txtInfo), u"untouched"_s);
    }

    // Too few samples roll nothing: statistics shows the viewer as it is, the distribution
    // report leaves it alone. An overflow is reported and leaves the viewer alone.
    void nothingRolled_data()
    {
        QTest::addColumn<bool>("statistics");
        QTest::addColumn<QString>("count");
        QTest::addColumn<bool>("explode"); // else any draw fails the test
        QTest::addColumn<QString>("error");
        const QString huge(10000, u'9');
        const QString tooLarge = u"Run-time error 6: Overflow\nThe sample count is too large."_s;
        QTest::newRow("distribution: 1") << false << u"1"_s << false << QString();
        QTest::newRow("distribution: no leading number")
            << false << u"many"_s << false << QString();
        QTest::newRow("statistics: 2") << true << u"2"_s << false << QString();
        QTest::newRow("statistics: no leading number") << true << u"lots"_s << false << QString();
        QTest::newRow("distribution: a d4 exploding for ever")
            << false << u"2"_s << true << u"Run-time error 6: Overflow"_s;
        QTest::newRow("distribution: count beyond a double") << false << huge << false << tooLarge;
        QTest::newRow("statistics: count beyond a double") << true << huge << false << tooLarge;
    }

    void nothingRolled()
    {
        QFETCH(bool, statistics);
        QFETCH(QString, count);
        QFETCH(bool, explode);
        QFETCH(QString, error);
        m_main->txtProbeCount->setText(count);
        SetViewerTitle(u"Earlier"_s);
        SetViewerText(u"earlier text\r\n"_s);
        ScriptedRandom script = explode ? ScriptedRandom::repeating(Face(4, 4)) : ScriptedRandom();
        m_program->use(script);
        runReport(statistics, 2);
        const bool shown = statistics && error.isEmpty();
        QCOMPARE(ViewerState(),
                 (shown ? u"Earlier (shown): "_s : u"Earlier (hidden): "_s)
                     + u"earlier text\r\n"_s);
        QCOMPARE(m_program->takeErrors(), error.isEmpty() ? QStringList() : QStringList {error});
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(script.draws() > 0, explode);
    }

    // ---- statistics report ----

    // The busy cursor shows while the steps roll; an overflow leaves the report so far in
    // the viewer without showing it.
    void statisticsOverflowKeepsTheReportSoFar()
    {
        m_main->txtProbeCount->setText(u"3"_s);
        // Step 1 rolls three 1s; step 2's d4 then explodes until the total overflows.
        int cursorWhileRolling = -1;
        auto script = ScriptedRandom::from([&cursorWhileRolling] {
            if (const QCursor *cursor = QApplication::overrideCursor())
                cursorWhileRolling = cursor->shape();
            return Face(4, 1);
        });
        script.setStream(1, ScriptedRandom::repeating(Face(4, 4)));
        m_program->use(script);
        runReport(true, 0);
        QCOMPARE(cursorWhileRolling, int(Qt::WaitCursor));
        QCOMPARE(m_program->takeErrors(), QStringList {u"Run-time error 6: Overflow"_s});
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(ViewerState(),
                 u"Step Statistics (hidden): Step Statistics / Number of Samples N =3\r\n\r\n"
                 "Step:  1   Mean:-1     \\  Range: (-1 --1)     \\  Mean Rolls: 1     "
                 "\\  Fumbles: 3\r\n"_s);
    }

    // ---- long reports ----

    // A count no one would wait for: the progress dialog comes up, and Esc (or closing the
    // main window, or Exit) ends the report, leaving the viewer and the boxes as they were.
    // Clicks and keys meant for the main window meanwhile are dropped, never replayed. The
    // dialog's figures follow the user's locale, and it shows the sample count as typed,
    // not the double it was read into (10^30 would end in ...838,656).
    void longReportEndsOnRequest_data()
    {
        QTest::addColumn<bool>("statistics");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QLocale>("locale");
        for (const bool statistics : {true, false}) {
            const char *report = statistics ? "statistics" : "distribution";
            QTest::addRow("%s: Esc in the progress dialog", report)
                << statistics << u"Esc"_s << QLocale(QLocale::English);
            QTest::addRow("%s: main window closed, in German", report)
                << statistics << u"close"_s << QLocale(QLocale::German);
        }
    }

    void longReportEndsOnRequest()
    {
        QFETCH(bool, statistics);
        QFETCH(QString, how);
        QFETCH(QLocale, locale);
        const QLocale usual;
        QLocale::setDefault(locale);
        const auto restore = qScopeGuard([&usual] { QLocale::setDefault(usual); });
        QTest::mouseClick(m_main->cmdSteps, Qt::LeftButton);
        const QString before = ViewerState();
        const QString typed = u"1000000000000000000000000000000"_s;
        m_main->txtProbeCount->setText(u"  "_s + typed + u" "_s);
        const std::size_t logged = m_program->session().log.entries().size();
        runReport(statistics, 99);
        QTest::keyClicks(m_main->txtDices, u"typed"_s);
        QTest::mouseClick(m_main->cmdStep[11], Qt::LeftButton);
        // Read once a thousand samples are done, so the count has a separator.
        const QRegularExpression done(statistics ? u"^Step "_s : u": \\S{5,} of "_s);
        QTRY_VERIFY_WITH_TIMEOUT(progressDialog() && progressDialog()->isVisible()
                                     && progressDialog()->labelText().contains(done),
                                 20000);
        const QString label = progressDialog()->labelText();
        if (how == u"Esc"_s)
            QTest::keyClick(progressDialog(), Qt::Key_Escape);
        else
            m_main->window->close();
        QTRY_VERIFY(!progressDialog());

        const QString thousands = QRegularExpression::escape(locale.groupSeparator());
        QVERIFY2(statistics
                     || label.contains(QRegularExpression(
                         u"^Rolling step 100: [1-9][0-9]{0,2}(%1[0-9]{3})+ of "
                         "%2 samples\nMore than 99 h left$"_s.arg(thousands, typed))),
                 qPrintable(label));
        QCOMPARE(ViewerState(), before);
        QCOMPARE(m_main->txtDices->text(), QString());
        QCOMPARE(BoxText(m_main->txtInfo), u"Information Window\r\n"_s);
        QCOMPARE(m_main->window->isVisible(), how == u"Esc"_s);
        QVERIFY(m_program->takeErrors().isEmpty());
        // A cancelled report logs nothing.
        QCOMPARE(m_program->session().log.entries().size(), logged);
        m_main->window->show();
        QTest::mouseClick(m_main->cmdStep[11], Qt::LeftButton);
        QVERIFY(BoxText(m_main->txtInfo).startsWith(u"You rolled with step 12 "_s));
    }

    // The time left comes from the rate of the last few seconds, so a run that slows down
    // or speeds up is soon told right; a stalled run gives no estimate.
    void timeLeftFollowsTheRecentRate_data()
    {
        QTest::addColumn<QList<QPointF>>("moments"); // seconds, fraction done
        QTest::addColumn<double>("secondsLeft"); // negative: none
        const auto run = [](std::initializer_list<std::pair<double, double>> ratesAndSeconds) {
            QList<QPointF> moments;
            QPointF at(0, 0);
            for (const auto &[rate, seconds] : ratesAndSeconds) {
                for (int second = 0; second < seconds; ++second)
                    moments << (at += QPointF(1, rate));
            }
            return moments;
        };
        QTest::newRow("nothing done yet") << QList<QPointF> {{0.3, 0}} << -1.0;
        QTest::newRow("steady") << run({{0.1, 3}}) << 7.0;
        QTest::newRow("slowed down") << run({{0.06, 10}, {0.02, 6}}) << 14.0;
        QTest::newRow("sped up") << run({{0.01, 10}, {0.05, 6}}) << 12.0;
        QTest::newRow("stalled") << run({{0.1, 2}, {0, 6}}) << -1.0;
    }

    void timeLeftFollowsTheRecentRate()
    {
        QFETCH(QList<QPointF>, moments);
        QFETCH(double, secondsLeft);
        TimeLeftEstimate estimate;
        for (const QPointF &moment : moments)
            estimate.record(moment.x(), moment.y());
        const std::optional<double> left = estimate.secondsLeft();
        QCOMPARE(left.has_value(), secondsLeft >= 0);
        if (left)
            QVERIFY2(qAbs(*left - secondsLeft) < 1e-6, qPrintable(QString::number(*left)));
    }

    void timeLeftTexts_data()
    {
        QTest::addColumn<double>("seconds"); // negative: no estimate
        QTest::addColumn<QString>("text");
        QTest::newRow("no estimate") << -1.0 << u"Estimating the time left..."_s;
        QTest::newRow("a moment") << 0.2 << u"About 1 s left"_s;
        QTest::newRow("59.5 s") << 59.5 << u"About 60 s left"_s;
        QTest::newRow("61 s") << 61.0 << u"About 2 min left"_s;
        QTest::newRow("one second short of an hour") << 3599.0 << u"About 60 min left"_s;
        QTest::newRow("just over an hour") << 3601.0 << u"About 2 h left"_s;
        QTest::newRow("99 h") << 99 * 3600.0 << u"About 99 h left"_s;
        QTest::newRow("a second more") << 99 * 3600.0 + 1 << u"More than 99 h left"_s;
        QTest::newRow("for ever") << qInf() << u"More than 99 h left"_s;
    }

    void timeLeftTexts()
    {
        QFETCH(double, seconds);
        QTEST(TimeLeftText(seconds < 0 ? std::nullopt : std::optional(seconds)), "text");
    }

    // A sample of a big step rolls many dice and takes longer than one of step 1: the
    // statistics report's share done weighs each step by what it costs, so the bar and
    // the time left move evenly instead of rushing through the small steps.
    void statisticsShareWeighsTheDice_data()
    {
        QTest::addColumn<int>("steps"); // finished, of 1000 samples each
        QTest::addColumn<int>("samples"); // rolled in all
        QTest::addColumn<double>("lowest");
        QTest::addColumn<double>("highest");
        QTest::newRow("nothing rolled") << 0 << 0 << 0.0 << 0.0;
        QTest::newRow("step 1, a single small die") << 1 << 1000 << 0.002 << 0.005;
        QTest::newRow("steps 1 to 50") << 50 << 50000 << 0.25 << 0.4;
        QTest::newRow("half of step 100 to go") << 99 << 99500 << 0.99 << 0.995;
        QTest::newRow("every step") << 100 << 100000 << 1.0 << 1.0;
    }

    void statisticsShareWeighsTheDice()
    {
        QFETCH(int, steps);
        QFETCH(int, samples);
        QFETCH(double, lowest);
        QFETCH(double, highest);
        const double share = StatisticsShareDone(FirstEditionTable(), samples, steps, 1000);
        QVERIFY2(share >= lowest && share <= highest, qPrintable(QString::number(share)));
    }

    // One viewer, its whole text replaced in place by every command, whatever the user
    // typed into it. OK and the close box destroy it, and the next use, even before the
    // closed one is gone, starts from a fresh one.
    void lifeCycle()
    {
        m_program->write(u"help.txt"_s, "Help line\r\n");
        QPointer<frmText> viewer = showStepTable();
        QVERIFY(viewer);
        const QString table = ViewerState();
        viewer->txtFeld->moveCursor(QTextCursor::End);
        QTest::keyClicks(viewer->txtFeld, u"typed"_s);
        QTest::mouseClick(m_main->cmdSteps, Qt::LeftButton);
        QCOMPARE(TextViewer(), viewer.data());
        QCOMPARE(ViewerState(), table);
        QTest::mouseClick(m_main->cmdHelp, Qt::LeftButton);
        QCOMPARE(TextViewer(), viewer.data());
        QCOMPARE(ViewerState(), u"Tessarion 1.0 - Help (shown): Help line\r\n"_s);

        m_main->txtProbeCount->setText(u"2"_s); // Statistics skips its report, shows the viewer
        QTest::mouseClick(viewer->cmdOK, Qt::LeftButton);
        QCOMPARE(ViewerState(), u"no viewer"_s);
        QTest::mouseClick(m_main->cmdStatistic, Qt::LeftButton);
        QCOMPARE(ViewerState(), u"Textfeld (shown): Text1"_s);
        QTRY_VERIFY(!viewer);

        viewer = TextViewer();
        viewer->close(); // as the close box does
        QCOMPARE(ViewerState(), u"no viewer"_s);
        QTest::mouseClick(m_main->cmdStatistic, Qt::LeftButton);
        QCOMPARE(ViewerState(), u"Textfeld (shown): Text1"_s);
        QTRY_VERIFY(!viewer);
    }

    // Runs in the real event loop, which alone decides about the last window: with the
    // main window closed, the program lives until the viewer and the editor are closed.
    void programLivesUntilTheLastSideWindowCloses()
    {
        QPointer<QWidget> viewer = showStepTable();
        QTest::keyClick(m_main->cmdAction[1], Qt::Key_F7);
        QPointer<QWidget> editor = ShownWindow<EditAction>();
        QVERIFY(viewer && editor && QTest::qWaitForWindowExposed(editor));
        QList<int> shown; // how many side windows are still shown before each close
        QObject later; // ends the steps below with this test
        const auto closeNext = [&] {
            shown << (viewer && viewer->isVisible()) + (editor && editor->isVisible());
            if (QWidget *next = viewer && viewer->isVisible() ? viewer.data() : editor.data())
                next->close();
        };
        const int exitCode = runEventLoop([&] {
            m_main->window->close();
            QTimer::singleShot(100, &later, [&] {
                closeNext();
                QTimer::singleShot(100, &later, closeNext);
            });
        });
        QCOMPARE(shown, QList<int>({2, 1}));
        QCOMPARE(exitCode, 0);
    }

    // Exit, even during a long report, ends the program as it always does: it stops the
    // report and closes every window without asking. (A real click on Exit: see the
    // end-to-end session.)
    void exitClosesEveryWindowWithoutAsking()
    {
        QPointer<frmText> viewer = showStepTable();
        QVERIFY(viewer);
        ObjectingWindow other;
        other.show();
        m_main->txtProbeCount->setText(u"1000000000000000"_s);
        QTimer::singleShot(400, m_main->window, [this] { m_main->cmdExit->click(); });
        QCOMPARE(runEventLoop([this] { runReport(true, 0); }), 0);
        QVERIFY(!viewer);
        QVERIFY(!m_main->window->isVisible());
        QVERIFY(!other.isVisible());
        QCOMPARE(other.closeRequests, 0);
    }

    // Every step with its description in the eleventh column, even an empty one.
    void stepTable()
    {
        m_program->closeWindow(); // the descriptions are read at the start
        m_program->write(u"steps.txt"_s, StepsFile("D").replace("\n5\r\nD5\r\n", "\n5\r\n\r\n"));
        QVERIFY((m_main = m_program->startWindow()));
        SetBoxText(m_main->txtInfo, u"kept"_s);
        QTest::mouseClick(m_main->cmdSteps, Qt::LeftButton);

        const QStringList lines = ViewerState().split(u"\r\n"_s);
        QCOMPARE(lines.size(), 104 + 1); // the last line ends, too
        QCOMPARE(
            QStringList({lines[0], lines[2], lines[4], lines[8], lines[103], lines[104]}),
            QStringList({u"Extended Earthdawn Step Table (shown): Extended Earthdawn Step Table"_s,
                         u"Step   Dices"_s, u"1         D1"_s, u"5         "_s, u"100       D100"_s,
                         QString()}));
        QCOMPARE(BoxText(m_main->txtInfo), u"kept"_s);
    }

    // A failed read leaves the information window as it was and the viewer shut (help.txt is
    // read as the other data files are, which refuse what is not a regular file: see the
    // files' test). The viewer wraps as the information window does (see the main window's
    // test): a line of more than a thousand characters without a blank wraps anywhere.
    void help_data()
    {
        QTest::addColumn<QVariant>("file"); // bytes, a FileKind, or null: no file
        QTest::addColumn<QString>("viewer");
        QTest::addColumn<QString>("error");
        const QString title = u"Tessarion 1.0 - Help (shown): "_s;
        QTest::newRow("code page, the last line unended")
            << QVariant(QByteArray("a\r\ncaf\xe9 \x80\r\nc")) << title + u"a\r\ncafé €\r\nc\r\n"_s
            << QString();
        QTest::newRow("empty file") << QVariant(QByteArray("")) << title << QString();
        const QByteArray longLine(65536, 'x');
        QTest::newRow("a line of 64 KiB without a blank")
            << QVariant(longLine) << title + QString::fromLatin1(longLine) + u"\r\n"_s << QString();
        QTest::newRow("missing") << QVariant() << u"no viewer"_s << u"File not found"_s;
    }

    void help()
    {
        QFETCH(QVariant, file);
        QFETCH(QString, viewer);
        QFETCH(QString, error);
        QVERIFY(m_program->put(u"help.txt"_s, file));
        QTest::mouseClick(m_main->cmdHelp, Qt::LeftButton);

        QVERIFY(ViewerState() == viewer); // no listing of 64 KiB on a failure
        if (TextViewer()) {
            QCOMPARE(TextViewer()->txtFeld->wordWrapMode() == QTextOption::WrapAnywhere,
                     viewer.size() > 1000);
        }
        QCOMPARE(Boxes(m_main),
                 u"Tessarion 1.0|Help|"_s
                     + (TextViewer() ? QString() : u"Information Window\r\n"_s));
        const QString errors = m_program->takeErrors().join(u'\n');
        QVERIFY2(error.isEmpty() ? errors.isEmpty()
                                 : errors.contains(error) && errors.contains(u"help.txt"_s),
                 qPrintable(errors));
    }
};

QTEST_MAIN(TestReportCommands)
#include "tst_report_commands.moc"
