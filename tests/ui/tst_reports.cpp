// The distribution report (F7 on a step button) and the statistics report, driven
// through the real main window with scripted and with real dice.
#include "BoxText.h"
#include "ScriptedRandom.h"
#include "TestProgram.h"
#include "frmText.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>

using namespace MainBas;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::vector<double>)

namespace {

QString viewerText()
{
    return TextViewer() ? BoxText(TextViewer()->txtFeld) : QString();
}

// The viewer's title, visibility and text in one string, to compare them at once.
QString viewerState()
{
    if (!TextViewer())
        return u"no viewer"_s;
    return TextViewer()->windowTitle()
        + (TextViewer()->isVisible() ? u" (shown): "_s : u" (hidden): "_s) + viewerText();
}

// Every line of a report, each of which must end with CR LF.
QStringList reportLines(const QString &report)
{
    if (!report.endsWith(u"\r\n"_s))
        return {};
    return report.chopped(2).split(u"\r\n"_s);
}

} // namespace

class TestReports : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_program;
    Die *m_die = nullptr;

    void runReport(bool statistics, int stepIndex)
    {
        if (statistics)
            QTest::mouseClick(m_die->cmdStatistic, Qt::LeftButton);
        else
            QTest::keyClick(m_die->cmdStep[static_cast<std::size_t>(stepIndex)], Qt::Key_F7);
    }

    // Exactly one error, an overflow, and the normal cursor back.
    void expectOneOverflow()
    {
        const QStringList errors = m_program->takeErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(u"Overflow"_s), qPrintable(errors[0]));
        QVERIFY(!QApplication::overrideCursor());
    }

private slots:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        QVERIFY((m_die = m_program->startWindow()));
    }

    void cleanup()
    {
        Random().setOverride({});
        delete TextViewer();
        m_program.reset();
    }

    // ---- distribution report ----

    void distributionExact_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("count");
        QTest::addColumn<std::vector<double>>("draws");
        QTest::addColumn<QString>("report");

        // The count text is shown trimmed with its letters; 2.5 rolls twice, divides by 2.5.
        QTest::newRow("step 3: a lone 4 never stands, its line shows 0")
            << 2 << u"  2.5 dice  "_s << std::vector<double> {Face(4, 2), Face(4, 4), Face(4, 1)}
            << u"Distribution for step 3   (N=2.5 dice samples).\nDice(s): D4\n\nSum of rolls: 7\n"
               "Range: 2 to 5\nMean: 2\n\n\nDistribution:\n\n 2 :    1\n 3 :    0\n 4 :    0\n"
               " 5 :    1\n"_s;
        QTest::newRow("step 1: negative totals, mean cut down below zero")
            << 0 << u"3"_s << std::vector<double> {Face(4, 1), Face(4, 1), Face(4, 2)}
            << u"Distribution for step 1   (N=3 samples).\nDice(s): D4-2\n\nSum of rolls:-2\n"
               "Range:-1 to 0\nMean:-1\n\n\nDistribution:\n\n-1 :    2\n 0 :    1\n"_s;
    }

    void distributionExact()
    {
        QFETCH(int, index);
        QFETCH(QString, count);
        QFETCH(std::vector<double>, draws);
        QFETCH(QString, report);
        ScriptedRandom script;
        for (const double u : draws)
            script.add(u);
        m_die->txtProbeCount->setText(count);
        SetBoxText(m_die->txtInfo, u"untouched"_s);
        runReport(false, index);

        QCOMPARE(viewerState(),
                 u"Step result distribution (shown): "_s + report.replace(u'\n', u"\r\n"_s));
        QCOMPARE(script.remaining(), std::size_t {0});
        QCOMPARE(BoxText(m_die->txtInfo), u"untouched"_s);
    }

    void distributionListsTotalsAbove600()
    {
        ScriptedRandom script;
        for (int i = 0; i < 150; ++i)
            script.add(Face(4, 4));
        script.add(Face(4, 1)); // 150 fours and a 1: 601
        script.add(Face(4, 1));
        m_die->txtProbeCount->setText(u"2"_s);
        runReport(false, 2);

        const QStringList lines = reportLines(viewerText());
        QCOMPARE(lines.size(), 10 + 601);
        QCOMPARE(lines[4], u"Range: 1 to 601"_s);
        QCOMPARE(lines[10 + 599], u" 600 :    0"_s);
        QCOMPARE(lines.last(), u" 601 :    1"_s);
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
        auto *widget = m_die->findChild<QWidget *>(control);
        QVERIFY(widget);
        m_die->txtProbeCount->setText(u"2"_s);
        QTest::keyClick(widget, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(
            viewerText().startsWith(
                u"Distribution for step 57   (N=2 samples).\r\nDice(s): 2D20+D12+3D10+2D8\r\n"_s),
            acts);
    }

    // Two exploding d10: each averages 5.5 * 10 / 9, so the pair 110 / 9.
    void distributionOfManyRealRolls()
    {
        const int samples = 20000;
        m_die->txtProbeCount->setText(QString::number(samples));
        runReport(false, 11);

        const QStringList lines = reportLines(viewerText());
        const QRegularExpression listing(u"^ (\\d+) :    (\\d+)$"_s);
        qint64 counted = 0;
        qint64 sum = 0;
        for (const QString &line : lines.mid(10)) {
            const QRegularExpressionMatch match = listing.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line));
            counted += match.captured(2).toLongLong();
            sum += match.captured(1).toLongLong() * match.captured(2).toLongLong();
        }
        QCOMPARE(counted, qint64 {samples});
        QCOMPARE(lines[3], u"Sum of rolls: %1"_s.arg(sum));
        QCOMPARE(lines[5], u"Mean: 12"_s);
        // Standard error of the mean is about 0.044; allow more than four of them.
        QVERIFY2(qAbs(double(sum) / samples - 110.0 / 9) < 0.2, qPrintable(lines[3]));
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
        m_die->txtProbeCount->setText(count);
        SetViewerTitle(u"Earlier"_s);
        SetViewerText(u"earlier text\r\n"_s);
        ScriptedRandom script; // any draw would fail the test
        runReport(statistics, 11);
        QCOMPARE(viewerState(),
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
        QTest::mouseClick(m_die->cmdSteps, Qt::LeftButton);
        const QString before = viewerState();
        m_die->txtProbeCount->setText(count);
        // Without explosions any draw fails the test.
        ScriptedRandom script = explode ? ScriptedRandom::repeating(Face(4, 4)) : ScriptedRandom();
        runReport(statistics, 2);

        QCOMPARE(m_program->takeErrors(), QStringList {message});
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(viewerState(), before);
        QCOMPARE(script.draws() > 0, explode);
    }

    // ---- statistics report ----

    void statisticsOverflowKeepsTheReportSoFar()
    {
        m_die->txtProbeCount->setText(u"3"_s);
        // Step 1 rolls three 1s; step 2's d4 then explodes until the total overflows.
        int cursorWhileRolling = -1;
        Random().setOverride([&cursorWhileRolling, draws = 0]() mutable {
            if (const QCursor *cursor = QApplication::overrideCursor())
                cursorWhileRolling = cursor->shape();
            return ++draws <= 3 ? Face(4, 1) : Face(4, 4);
        });
        runReport(true, 0);
        QCOMPARE(cursorWhileRolling, int(Qt::WaitCursor));
        expectOneOverflow();
        QCOMPARE(viewerState(),
                 u"Step Statistics (hidden): Step Statistics / Number of Samples N =3\r\n\r\n"
                 "Step:  1   Mean:-1     \\  Range: (-1 --1)     \\  Mean Rolls: 1     "
                 "\\  Fumbles: 3\r\n"_s);
    }

    void statisticsStructureWithRealRolls()
    {
        runReport(true, 0); // the default 1000 samples
        QVERIFY(viewerState().startsWith(u"Step Statistics (shown): "_s));
        const QStringList lines = reportLines(viewerText());
        QCOMPARE(lines.size(), 102);
        QCOMPARE(lines[0], u"Step Statistics / Number of Samples N =1000"_s);
        const QRegularExpression stepLine(
            u"^Step:  (\\d+)   Mean:(-\\d+| \\d+)     \\\\  Range: \\((-1| \\d+) -(-1| \\d+)\\)"
            "     \\\\  Mean Rolls: (\\d+)     \\\\  Fumbles: (\\d+)$"_s);
        for (int step = 1; step <= 100; ++step) {
            const QRegularExpressionMatch match = stepLine.match(lines[step + 1]);
            QVERIFY2(match.hasMatch(), qPrintable(lines[step + 1]));
            QCOMPARE(match.captured(1).toInt(), step);
            QVERIFY(match.captured(3).trimmed().toInt() <= match.captured(4).trimmed().toInt());
            QVERIFY(match.captured(5).toInt() >= 1);
            QVERIFY(match.captured(6).toInt() <= 1000);
        }
    }

    // Every die showing 1, two samples: both means divide by 2.5 and are cut down;
    // N is written with the decimal separator of the user's locale.
    void statisticsFractionalCountWithAllOnes()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        m_die->txtProbeCount->setText(u"2.5"_s);
        auto script = ScriptedRandom::repeating(Face(20, 1));
        runReport(true, 0);
        QLocale::setDefault(saved);

        const QStringList lines = reportLines(viewerText());
        QCOMPARE(lines.value(0), u"Step Statistics / Number of Samples N =2,5"_s);
        QCOMPARE(lines.value(2),
                 u"Step:  1   Mean:-1     \\  Range: (-1 --1)     \\  Mean Rolls: 0     "
                 "\\  Fumbles: 2"_s);
        QCOMPARE(lines.value(101),
                 u"Step:  100   Mean: 11     \\  Range: ( 14 - 14)     \\  Mean Rolls: "
                 "11     \\  Fumbles: 2"_s);
    }
};

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
