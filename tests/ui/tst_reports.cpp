// The distribution report (F7 on a step button) and the statistics report, driven
// through the real main window with scripted and with real dice.
#include "BoxText.h"
#include "Die.h"
#include "RandomSource.h"
#include "ScriptedRandom.h"
#include "Startup.h"
#include "TestProgram.h"
#include "frmText.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace MainBas;

Q_DECLARE_METATYPE(std::vector<double>)

namespace {

QStringList textLines(std::initializer_list<const char *> lines)
{
    QStringList list;
    for (const char *line : lines)
        list << QString::fromUtf8(line);
    return list;
}

QString crlfLines(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString viewerText()
{
    return TextViewer() ? BoxText(TextViewer()->txtFeld) : QString();
}

// Every line of a report, each of which must end with CR LF.
QStringList reportLines(const QString &report)
{
    if (!report.endsWith(QStringLiteral("\r\n")))
        return {};
    return report.chopped(2).split(QStringLiteral("\r\n"));
}

// Draws the first values in order, then one value for ever.
void scriptThenRepeat(std::vector<double> first, double then)
{
    Random().setOverride([first = std::move(first), then, next = std::size_t {0}]() mutable {
        return next < first.size() ? first[next++] : then;
    });
}

} // namespace

class TestReports : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_program;
    Die *m_die = nullptr;

    void start()
    {
        QVERIFY(StartProgram());
        m_die = MainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(m_die));
    }

    void pressF7OnStep(int index, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(m_die->cmdStep[static_cast<std::size_t>(index)], Qt::Key_F7, modifiers);
    }

    void openViewerWithStepTable()
    {
        QTest::mouseClick(m_die->cmdSteps, Qt::LeftButton);
        QVERIFY(TextViewer());
    }

private slots:
    void init() { m_program = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        Random().setOverride({});
        delete TextViewer();
        m_program.reset();
        m_die = nullptr;
    }

    // ---- distribution report ----

    void distributionExact_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("count");
        QTest::addColumn<std::vector<double>>("draws");
        QTest::addColumn<QStringList>("report");

        QTest::newRow("step 3: a lone 4 never stands, its line shows 0")
            << 2 << "2" << std::vector<double> {Face(4, 2), Face(4, 4), Face(4, 1)}
            << textLines({"Distribution for step 3   (N=2 samples).", "Dice(s): D4", "",
                          "Sum of rolls: 7", "Range: 2 to 5", "Mean: 3", "", "",
                          "Distribution:", "", " 2 :    1", " 3 :    0", " 4 :    0", " 5 :    1"});
        QTest::newRow("step 1: negative totals, mean cut down below zero")
            << 0 << "3" << std::vector<double> {Face(4, 1), Face(4, 1), Face(4, 2)}
            << textLines({"Distribution for step 1   (N=3 samples).", "Dice(s): D4-2", "",
                          "Sum of rolls:-2", "Range:-1 to 0", "Mean:-1", "", "",
                          "Distribution:", "", "-1 :    2", " 0 :    1"});
        QTest::newRow("count text keeps its letters but loses its outer blanks")
            << 2 << "  2 dice  " << std::vector<double> {Face(4, 3), Face(4, 3)}
            << textLines({"Distribution for step 3   (N=2 dice samples).", "Dice(s): D4", "",
                          "Sum of rolls: 6", "Range: 3 to 3", "Mean: 3", "", "",
                          "Distribution:", "", " 3 :    2"});
        QTest::newRow("count 2.5 rolls twice and divides by 2.5")
            << 3 << "2.5" << std::vector<double> {Face(6, 5), Face(6, 5)}
            << textLines({"Distribution for step 4   (N=2.5 samples).", "Dice(s): D6", "",
                          "Sum of rolls: 10", "Range: 5 to 5", "Mean: 4", "", "",
                          "Distribution:", "", " 5 :    2"});
    }

    void distributionExact()
    {
        QFETCH(int, index);
        QFETCH(QString, count);
        QFETCH(std::vector<double>, draws);
        QFETCH(QStringList, report);

        start();
        ScriptedRandom script;
        for (const double u : draws)
            script.add(u);
        m_die->txtProbeCount->setText(count);
        SetBoxText(m_die->txtInfo, QStringLiteral("untouched"));
        pressF7OnStep(index);

        QVERIFY(TextViewer());
        QVERIFY(TextViewer()->isVisible());
        QCOMPARE(TextViewer()->windowTitle(), QStringLiteral("Step result distribution"));
        QCOMPARE(viewerText(), crlfLines(report));
        QCOMPARE(script.remaining(), std::size_t {0});
        QCOMPARE(BoxText(m_die->txtInfo), QStringLiteral("untouched"));
        QVERIFY(m_program->takeErrors().isEmpty());
    }

    void distributionListsTotalsAbove600()
    {
        start();
        ScriptedRandom script;
        for (int i = 0; i < 150; ++i)
            script.add(Face(4, 4));
        script.add(Face(4, 1)); // 150 fours and a 1: 601
        script.add(Face(4, 1));
        m_die->txtProbeCount->setText(QStringLiteral("2"));
        pressF7OnStep(2);

        QVERIFY(m_program->takeErrors().isEmpty());
        const QStringList lines = reportLines(viewerText());
        QCOMPARE(lines.size(), 10 + 601);
        QCOMPARE(lines[3], QStringLiteral("Sum of rolls: 602"));
        QCOMPARE(lines[4], QStringLiteral("Range: 1 to 601"));
        QCOMPARE(lines[5], QStringLiteral("Mean: 301"));
        QCOMPARE(lines[10], QStringLiteral(" 1 :    1"));
        QCOMPARE(lines[10 + 599], QStringLiteral(" 600 :    0"));
        QCOMPARE(lines.last(), QStringLiteral(" 601 :    1"));
    }

    void distributionF7WithAnyShiftState_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("F7") << Qt::KeyboardModifiers(Qt::NoModifier);
        QTest::newRow("Shift+F7") << Qt::KeyboardModifiers(Qt::ShiftModifier);
        QTest::newRow("Ctrl+F7") << Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::newRow("Alt+F7") << Qt::KeyboardModifiers(Qt::AltModifier);
    }

    void distributionF7WithAnyShiftState()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        start();
        pressF7OnStep(56, modifiers);
        QVERIFY(TextViewer());
        QVERIFY(viewerText().startsWith(QStringLiteral(
            "Distribution for step 57   (N=1000 samples).\r\nDice(s): 2D20+D12+3D10+2D8\r\n")));
    }

    void distributionIgnoresOtherKeysAndControls_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::newRow("F6 on a step button") << "cmdStep(4)" << int(Qt::Key_F6);
        QTest::newRow("F8 on a step button") << "cmdStep(4)" << int(Qt::Key_F8);
        QTest::newRow("letter on a step button") << "cmdStep(4)" << int(Qt::Key_V);
        QTest::newRow("F7 on a decision button") << "cmdDecision(4)" << int(Qt::Key_F7);
        QTest::newRow("F7 on Statistics") << "cmdStatistic" << int(Qt::Key_F7);
        QTest::newRow("F7 on the sample count") << "txtProbeCount" << int(Qt::Key_F7);
    }

    void distributionIgnoresOtherKeysAndControls()
    {
        QFETCH(QString, control);
        QFETCH(int, key);
        start();
        auto *widget = m_die->findChild<QWidget *>(control);
        QVERIFY(widget);
        QTest::keyClick(widget, static_cast<Qt::Key>(key));
        QVERIFY(!TextViewer());
    }

    void distributionNeedsMoreThanOneSample_data()
    {
        QTest::addColumn<QString>("count");
        QTest::newRow("1") << "1";
        QTest::newRow("1.0") << "1.0";
        QTest::newRow("0") << "0";
        QTest::newRow("negative") << "-5";
        QTest::newRow("empty") << "";
        QTest::newRow("no leading number") << "many";
    }

    void distributionNeedsMoreThanOneSample()
    {
        QFETCH(QString, count);
        start();
        m_die->txtProbeCount->setText(count);
        ScriptedRandom script; // any draw would fail the test
        pressF7OnStep(11);
        QVERIFY(!TextViewer());

        openViewerWithStepTable();
        const QString before = viewerText();
        pressF7OnStep(11);
        QCOMPARE(TextViewer()->windowTitle(), QStringLiteral("Extended Earthdawn Step Table"));
        QCOMPARE(viewerText(), before);
        QCOMPARE(script.draws(), std::size_t {0});
        QVERIFY(m_program->takeErrors().isEmpty());
    }

    // Two exploding d10: each averages 5.5 * 10 / 9, so the pair 110 / 9.
    void distributionOfManyRealRolls()
    {
        start();
        const int samples = 20000;
        m_die->txtProbeCount->setText(QString::number(samples));
        pressF7OnStep(11);

        const QStringList lines = reportLines(viewerText());
        QVERIFY(lines.size() > 10);
        const QRegularExpression listing(QStringLiteral("^ (\\d+) :    (\\d+)$"));
        qint64 counted = 0;
        qint64 sum = 0;
        int expectedTotal = 2;
        for (const QString &line : lines.mid(10)) {
            const QRegularExpressionMatch match = listing.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line));
            QCOMPARE(match.captured(1).toInt(), expectedTotal++);
            counted += match.captured(2).toLongLong();
            sum += match.captured(1).toLongLong() * match.captured(2).toLongLong();
        }
        QCOMPARE(counted, qint64 {samples});
        QCOMPARE(lines[3], QStringLiteral("Sum of rolls: %1").arg(sum));
        QCOMPARE(lines[4], QStringLiteral("Range: 2 to %1").arg(expectedTotal - 1));
        QCOMPARE(lines[5], QStringLiteral("Mean: 12"));
        // Standard error of the mean is about 0.044; allow more than four of them.
        QVERIFY2(qAbs(double(sum) / samples - 110.0 / 9) < 0.2, qPrintable(lines[3]));
    }

    void distributionOverflowLeavesViewerAlone()
    {
        start();
        openViewerWithStepTable();
        const QString before = viewerText();
        m_die->txtProbeCount->setText(QStringLiteral("2"));
        auto script = ScriptedRandom::repeating(Face(4, 4));
        pressF7OnStep(2);

        const QStringList errors = m_program->takeErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(QStringLiteral("Overflow")), qPrintable(errors[0]));
        QCOMPARE(TextViewer()->windowTitle(), QStringLiteral("Extended Earthdawn Step Table"));
        QCOMPARE(viewerText(), before);
        QVERIFY(!QApplication::overrideCursor());
    }

    // ---- statistics report ----

    void statisticsStructure_data()
    {
        QTest::addColumn<QString>("count");
        QTest::newRow("3 samples") << "3";
        QTest::newRow("default 1000 samples") << "1000";
    }

    void statisticsStructure()
    {
        QFETCH(QString, count);
        start();
        m_die->txtProbeCount->setText(count);
        QTest::mouseClick(m_die->cmdStatistic, Qt::LeftButton);

        QVERIFY(TextViewer() && TextViewer()->isVisible());
        QCOMPARE(TextViewer()->windowTitle(), QStringLiteral("Step Statistics"));
        const QStringList lines = reportLines(viewerText());
        QCOMPARE(lines.size(), 102);
        QCOMPARE(lines[0], QStringLiteral("Step Statistics / Number of Samples N =") + count);
        QCOMPARE(lines[1], QString());
        const QRegularExpression stepLine(QStringLiteral(
            "^Step:  (\\d+)   Mean:(-\\d+| \\d+)     \\\\  Range: \\((-1| \\d+) -(-1| \\d+)\\)"
            "     \\\\  Mean Rolls: (\\d+)     \\\\  Fumbles: (\\d+)$"));
        for (int step = 1; step <= 100; ++step) {
            const QRegularExpressionMatch match = stepLine.match(lines[step + 1]);
            QVERIFY2(match.hasMatch(), qPrintable(lines[step + 1]));
            QCOMPARE(match.captured(1).toInt(), step);
            QVERIFY(match.captured(3).trimmed().toInt() <= match.captured(4).trimmed().toInt());
            QVERIFY(match.captured(5).toInt() >= 1);
            QVERIFY(match.captured(6).toInt() <= count.toInt());
        }
    }

    // Every die showing 1: each step's total is its number of dice less its subtraction.
    void statisticsExactLinesWithAllOnes()
    {
        start();
        m_die->txtProbeCount->setText(QStringLiteral("3"));
        auto script = ScriptedRandom::repeating(Face(20, 1));
        QTest::mouseClick(m_die->cmdStatistic, Qt::LeftButton);

        const QStringList lines = reportLines(viewerText());
        QCOMPARE(lines.size(), 102);
        QCOMPARE(lines[2],
                 QStringLiteral("Step:  1   Mean:-1     \\  Range: (-1 --1)     \\  Mean Rolls: 1  "
                                "   \\  Fumbles: 3"));
        QCOMPARE(lines[3],
                 QStringLiteral("Step:  2   Mean: 0     \\  Range: ( 0 - 0)     \\  Mean Rolls: 1  "
                                "   \\  Fumbles: 3"));
        QCOMPARE(lines[14],
                 QStringLiteral("Step:  13   Mean: 2     \\  Range: ( 2 - 2)     \\  Mean Rolls: 2 "
                                "    \\  Fumbles: 3"));
        QCOMPARE(lines[101],
                 QStringLiteral("Step:  100   Mean: 14     \\  Range: ( 14 - 14)     \\  Mean "
                                "Rolls: 14     \\  Fumbles: 3"));
    }

    void statisticsFractionalCountInTheUsersLocale()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        start();
        m_die->txtProbeCount->setText(QStringLiteral("2.5"));
        auto script = ScriptedRandom::repeating(Face(20, 1));
        QTest::mouseClick(m_die->cmdStatistic, Qt::LeftButton);
        QLocale::setDefault(saved);

        const QStringList lines = reportLines(viewerText());
        QCOMPARE(lines.size(), 102);
        QCOMPARE(lines[0], QStringLiteral("Step Statistics / Number of Samples N =2,5"));
        // Two samples of step 1, each -1 from one roll; both means divide by 2.5.
        QCOMPARE(lines[2],
                 QStringLiteral("Step:  1   Mean:-1     \\  Range: (-1 --1)     \\  Mean Rolls: 0  "
                                "   \\  Fumbles: 2"));
    }

    void statisticsTwoOrLessShowsViewerAsItIs_data()
    {
        QTest::addColumn<QString>("count");
        QTest::newRow("2") << "2";
        QTest::newRow("1") << "1";
        QTest::newRow("0") << "0";
        QTest::newRow("empty") << "";
        QTest::newRow("no leading number") << "lots";
    }

    void statisticsTwoOrLessShowsViewerAsItIs()
    {
        QFETCH(QString, count);
        start();
        m_die->txtProbeCount->setText(count);
        ScriptedRandom script; // any draw would fail the test
        QTest::mouseClick(m_die->cmdStatistic, Qt::LeftButton);
        QVERIFY(TextViewer() && TextViewer()->isVisible());
        QCOMPARE(TextViewer()->windowTitle(), QStringLiteral("Textfeld"));
        QCOMPARE(viewerText(), QStringLiteral("Text1"));

        SetViewerTitle(QStringLiteral("Earlier"));
        SetViewerText(QStringLiteral("earlier text\r\n"));
        QTest::mouseClick(m_die->cmdStatistic, Qt::LeftButton);
        QCOMPARE(TextViewer()->windowTitle(), QStringLiteral("Earlier"));
        QCOMPARE(viewerText(), QStringLiteral("earlier text\r\n"));
        QCOMPARE(script.draws(), std::size_t {0});
    }

    void statisticsOverflowKeepsTheReportSoFar()
    {
        start();
        m_die->txtProbeCount->setText(QStringLiteral("3"));
        // Step 1 rolls three 1s; step 2's d4 then explodes until the total overflows.
        scriptThenRepeat({Face(4, 1), Face(4, 1), Face(4, 1)}, Face(4, 4));
        QTest::mouseClick(m_die->cmdStatistic, Qt::LeftButton);

        const QStringList errors = m_program->takeErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(QStringLiteral("Overflow")), qPrintable(errors[0]));
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(TextViewer());
        QVERIFY(!TextViewer()->isVisible());
        QCOMPARE(TextViewer()->windowTitle(), QStringLiteral("Step Statistics"));
        const QString soFar = crlfLines(textLines({"Step Statistics / Number of Samples N =3", "",
                                                   "Step:  1   Mean:-1     \\  Range: (-1 --1)     "
                                                   "\\  Mean Rolls: 1     \\  Fumbles: 3"}));
        QCOMPARE(viewerText(), soFar);

        // The program carries on: a report-less click shows what the viewer holds.
        m_die->txtProbeCount->setText(QStringLiteral("2"));
        QTest::mouseClick(m_die->cmdStatistic, Qt::LeftButton);
        QVERIFY(TextViewer()->isVisible());
        QCOMPARE(viewerText(), soFar);
    }

    // ---- both ----

    void countTooLargeForADoubleIsAnOverflow_data()
    {
        QTest::addColumn<bool>("statistics");
        QTest::newRow("distribution") << false;
        QTest::newRow("statistics") << true;
    }

    void countTooLargeForADoubleIsAnOverflow()
    {
        QFETCH(bool, statistics);
        start();
        m_die->txtProbeCount->setText(QString(400, QLatin1Char('9')));
        ScriptedRandom script; // any draw would fail the test
        if (statistics)
            QTest::mouseClick(m_die->cmdStatistic, Qt::LeftButton);
        else
            pressF7OnStep(20);

        const QStringList errors = m_program->takeErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(QStringLiteral("Overflow")), qPrintable(errors[0]));
        QVERIFY(!TextViewer());
    }

    void reportsShowTheBusyCursorWhileRolling_data()
    {
        QTest::addColumn<bool>("statistics");
        QTest::newRow("distribution") << false;
        QTest::newRow("statistics") << true;
    }

    void reportsShowTheBusyCursorWhileRolling()
    {
        QFETCH(bool, statistics);
        start();
        m_die->txtProbeCount->setText(QStringLiteral("3"));
        int shapeWhileRolling = -1;
        Random().setOverride([&shapeWhileRolling] {
            if (const QCursor *cursor = QApplication::overrideCursor())
                shapeWhileRolling = cursor->shape();
            return Face(20, 2);
        });
        if (statistics)
            QTest::mouseClick(m_die->cmdStatistic, Qt::LeftButton);
        else
            pressF7OnStep(20);
        QCOMPARE(shapeWhileRolling, int(Qt::WaitCursor));
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(m_program->takeErrors().isEmpty());
    }
};

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
