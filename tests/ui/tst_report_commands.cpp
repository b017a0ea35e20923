// The two reports as commands of the real main window: which keys start them, what
// the viewer shows, the busy cursor, errors reported, and the progress dialog of a long
// one with its estimate of the time left. Their texts are tested without a window,
// beside the reports themselves.
#include "BoxText.h"
#include "LongWork.h"
#include "ProgressShare.h"
#include "RollLog.h"
#include "ScriptedRandom.h"
#include "StepTable.h"
#include "TestProgram.h"
#include "frmText.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTimer>

using namespace MainBas;
using namespace Qt::StringLiterals;

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

    void cleanup()
    {
        delete TextViewer();
        m_program.reset();
    }

    // ---- distribution report ----

    // F7 shows the report in the viewer and leaves the main window's boxes alone.
    void distributionGoesToTheViewer()
    {
        ScriptedRandom script {Face(4, 1), Face(4, 1), Face(4, 2)};
        m_program->use(script);
        m_main->txtProbeCount->setText(u"3"_s);
        SetBoxText(m_main->txtInfo, u"untouched"_s);
        runReport(false, 0);

        QVERIFY2(ViewerState().startsWith(u"Step result distribution (shown): Distribution for "
                                          "step 1   (N=3 samples).\r\nDice(s): D4-2\r\n"_s),
                 qPrintable(ViewerState()));
        QCOMPARE(script.remaining(), std::size_t {0});
        QCOMPARE(BoxText(m_main->txtInfo), u"untouched"_s);
    }

    void distributionOnlyOnF7OnAStepButton_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("acts");
        const QString step = u"cmdStep(56)"_s;
        QTest::newRow("F7") << step << int(Qt::Key_F7) << int(Qt::NoModifier) << true;
        QTest::newRow("Shift+F7") << step << int(Qt::Key_F7) << int(Qt::ShiftModifier) << true;
        QTest::newRow("Ctrl+F7") << step << int(Qt::Key_F7) << int(Qt::ControlModifier) << true;
        QTest::newRow("Alt+F7") << step << int(Qt::Key_F7) << int(Qt::AltModifier) << true;
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
        m_main->txtProbeCount->setText(u"2"_s);
        QTest::keyClick(widget, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(ViewerState().startsWith(u"Step result distribution (shown): Distribution for "
                                          "step 57   (N=2 samples).\r\n"_s),
                 acts);
    }

    // ---- both reports ----

    // Too few samples roll nothing: statistics shows the viewer as it is, the
    // distribution report leaves it alone.
    void tooFewSamplesRollNothing_data()
    {
        QTest::addColumn<bool>("statistics");
        QTest::addColumn<QString>("count");
        QTest::newRow("distribution: 1") << false << u"1"_s;
        QTest::newRow("distribution: no leading number") << false << u"many"_s;
        QTest::newRow("statistics: 2") << true << u"2"_s;
        QTest::newRow("statistics: no leading number") << true << u"lots"_s;
    }

    void tooFewSamplesRollNothing()
    {
        QFETCH(bool, statistics);
        QFETCH(QString, count);
        m_main->txtProbeCount->setText(count);
        SetViewerTitle(u"Earlier"_s);
        SetViewerText(u"earlier text\r\n"_s);
        ScriptedRandom script;
        m_program->use(script); // any draw would fail the test
        runReport(statistics, 11);
        QCOMPARE(ViewerState(),
                 (statistics ? u"Earlier (shown): "_s : u"Earlier (hidden): "_s)
                     + u"earlier text\r\n"_s);
        QCOMPARE(script.draws(), std::size_t {0});
        QVERIFY(m_program->takeErrors().isEmpty());
    }

    void overflowLeavesTheViewerAlone_data()
    {
        QTest::addColumn<bool>("statistics");
        QTest::addColumn<QString>("count");
        QTest::addColumn<bool>("explode");
        QTest::addColumn<QString>("message");
        const QString huge(10000, u'9');
        const QString tooLarge = u"Run-time error 6: Overflow\nThe sample count is too large."_s;
        QTest::newRow("distribution: a d4 exploding for ever")
            << false << u"2"_s << true << u"Run-time error 6: Overflow"_s;
        QTest::newRow("distribution: count beyond a double") << false << huge << false << tooLarge;
        QTest::newRow("statistics: count beyond a double") << true << huge << false << tooLarge;
    }

    void overflowLeavesTheViewerAlone()
    {
        QFETCH(bool, statistics);
        QFETCH(QString, count);
        QFETCH(bool, explode);
        QFETCH(QString, message);
        QTest::mouseClick(m_main->cmdSteps, Qt::LeftButton);
        const QString before = ViewerState();
        m_main->txtProbeCount->setText(count);
        // Without explosions any draw fails the test.
        ScriptedRandom script = explode ? ScriptedRandom::repeating(Face(4, 4)) : ScriptedRandom();
        m_program->use(script);
        runReport(statistics, 2);

        QCOMPARE(m_program->takeErrors(), QStringList {message});
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(ViewerState(), before);
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
    // Clicks and keys meant for the main window meanwhile are dropped, never replayed.
    void longReportEndsOnRequest_data()
    {
        QTest::addColumn<bool>("statistics");
        QTest::addColumn<QString>("how");
        for (const bool statistics : {true, false}) {
            const char *report = statistics ? "statistics" : "distribution";
            QTest::addRow("%s: Esc in the progress dialog", report) << statistics << u"Esc"_s;
            QTest::addRow("%s: main window closed", report) << statistics << u"close"_s;
        }
    }

    void longReportEndsOnRequest()
    {
        QFETCH(bool, statistics);
        QFETCH(QString, how);
        QTest::mouseClick(m_main->cmdSteps, Qt::LeftButton);
        const QString before = ViewerState();
        m_main->txtProbeCount->setText(u"1000000000000000"_s);
        const std::size_t logged = m_program->session().log.entries().size();
        runReport(statistics, 99);
        QTest::keyClicks(m_main->txtDices, u"typed"_s);
        QTest::mouseClick(m_main->cmdStep[11], Qt::LeftButton);
        QTRY_VERIFY(progressDialog() && progressDialog()->isVisible());
        QVERIFY(progressDialog()->labelText().startsWith(statistics ? u"Step "_s
                                                                    : u"Rolling step 100: "_s));
        if (how == u"Esc"_s)
            QTest::keyClick(progressDialog(), Qt::Key_Escape);
        else
            m_main->window->close();
        QTRY_VERIFY(!progressDialog());

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

    // The progress dialog's figures follow the user's locale, and it shows the sample
    // count as typed, not the double it was read into (10^30 would end in ...838,656).
    void progressDialogFigures_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("English") << QLocale(QLocale::English);
        QTest::newRow("German, dots between thousands") << QLocale(QLocale::German);
    }

    void progressDialogFigures()
    {
        QFETCH(QLocale, locale);
        const QLocale before;
        QLocale::setDefault(locale);
        const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
        const QString typed = u"1000000000000000000000000000000"_s;
        m_main->txtProbeCount->setText(u"  "_s + typed + u" "_s);
        // Read once a thousand samples are done, so the count has a separator.
        const QRegularExpression done(u": \\S{5,} of "_s);
        runReport(false, 99);
        QTRY_VERIFY_WITH_TIMEOUT(progressDialog() && progressDialog()->isVisible()
                                     && progressDialog()->labelText().contains(done),
                                 20000);
        const QString label = progressDialog()->labelText();
        QTest::keyClick(progressDialog(), Qt::Key_Escape);
        QTRY_VERIFY(!progressDialog());

        const QString thousands = QRegularExpression::escape(locale.groupSeparator());
        const QRegularExpression expected(
            u"^Rolling step 100: [1-9][0-9]{0,2}(%1[0-9]{3})+ of "
            "%2 samples\nMore than 99 h left$"_s.arg(thousands, typed));
        QVERIFY2(label.contains(expected), qPrintable(label));
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
        QTest::newRow("N = 10^17") << 8.0e10 << u"More than 99 h left"_s;
        QTest::newRow("for ever") << qInf() << u"More than 99 h left"_s;
    }

    void timeLeftTexts()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(TimeLeftText(seconds < 0 ? std::nullopt : std::optional(seconds)), text);
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

    // Exit during a report stops it and ends the program as it always does.
    void exitDuringALongReport()
    {
        m_main->txtProbeCount->setText(u"1000000000000000"_s);
        QTimer watchdog;
        connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
        watchdog.start(10000);
        QTimer::singleShot(0, m_main->window, [this] { runReport(true, 0); });
        QTimer::singleShot(400, m_main->window, [this] { m_main->cmdExit->click(); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!TextViewer());
    }
};

QTEST_MAIN(TestReportCommands)
#include "tst_report_commands.moc"
