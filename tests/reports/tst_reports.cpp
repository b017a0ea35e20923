// The two reports' texts, exactly, from scripted dice; no window involved.
#include "DistributionReport.h"
#include "ProgramFolder.h"
#include "SampleCount.h"
#include "ScriptedRandom.h"
#include "StatisticsReport.h"
#include "StepDescriptions.h"

#include <QLocale>
#include <QTest>

using namespace MainBas;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::vector<double>)

namespace {

// Every line of a report, each of which must end with CR LF.
QStringList reportLines(const QString &report)
{
    if (!report.endsWith(u"\r\n"_s))
        return {};
    return report.chopped(2).split(u"\r\n"_s);
}

QString distributionReport(std::int16_t step, const QString &typedCount)
{
    const double samples = ReadSampleCount(typedCount);
    return DistributionReport(step, typedCount, RollDistribution(step, samples), samples);
}

} // namespace

class TestReports : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        SetProgramFolder(QStringLiteral(TESSARION_SOURCE_DIR "/data"));
        LoadStepDescriptions();
    }

    void distributionExact_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("count");
        QTest::addColumn<std::vector<double>>("draws");
        QTest::addColumn<QString>("report");

        // The count text is shown trimmed with its letters; 2.5 rolls twice, divides by 2.5.
        QTest::newRow("step 3: a lone 4 never stands, its line shows 0")
            << 3 << u"  2.5 dice  "_s << std::vector<double> {Face(4, 2), Face(4, 4), Face(4, 1)}
            << u"Distribution for step 3   (N=2.5 dice samples).\nDice(s): D4\n\nSum of rolls: 7\n"
               "Range: 2 to 5\nMean: 2\n\n\nDistribution:\n\n 2 :    1\n 3 :    0\n 4 :    0\n"
               " 5 :    1\n"_s;
        QTest::newRow("step 1: negative totals, mean cut down below zero")
            << 1 << u"3"_s << std::vector<double> {Face(4, 1), Face(4, 1), Face(4, 2)}
            << u"Distribution for step 1   (N=3 samples).\nDice(s): D4-2\n\nSum of rolls:-2\n"
               "Range:-1 to 0\nMean:-1\n\n\nDistribution:\n\n-1 :    2\n 0 :    1\n"_s;
    }

    void distributionExact()
    {
        QFETCH(int, step);
        QFETCH(QString, count);
        QFETCH(std::vector<double>, draws);
        QFETCH(QString, report);
        ScriptedRandom script;
        for (const double u : draws)
            script.add(u);
        QCOMPARE(distributionReport(static_cast<std::int16_t>(step), count),
                 report.replace(u'\n', u"\r\n"_s));
        QCOMPARE(script.remaining(), std::size_t {0});
    }

    // The listing goes on past 600, the end of the table the report was first made with.
    void distributionListsTotalsAbove600()
    {
        ScriptedRandom script;
        for (int i = 0; i < 150; ++i)
            script.add(Face(4, 4));
        script.add(Face(4, 1)); // 150 fours and a 1: 601
        script.add(Face(4, 1));

        const QStringList lines = reportLines(distributionReport(3, u"2"_s));
        QCOMPARE(lines.size(), 10 + 601);
        QCOMPARE(lines[4], u"Range: 1 to 601"_s);
        QCOMPARE(lines[10 + 599], u" 600 :    0"_s);
        QCOMPARE(lines.last(), u" 601 :    1"_s);
    }

    // Every die showing 1, two samples: both means divide by 2.5 and are cut down;
    // N is written with the decimal separator of the user's locale.
    void statisticsFractionalCountWithAllOnes()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        auto script = ScriptedRandom::repeating(Face(20, 1));
        QStringList reports;
        StatisticsReport(2.5, [&](const QString &report) { reports << report; });
        QLocale::setDefault(saved);

        QCOMPARE(reports.size(), 101); // the heading, then once per step
        QCOMPARE(reports[0], u"Step Statistics / Number of Samples N =2,5\r\n\r\n"_s);
        const QStringList lines = reportLines(reports.last());
        QCOMPARE(lines.size(), 102);
        QCOMPARE(lines[2],
                 u"Step:  1   Mean:-1     \\  Range: (-1 --1)     \\  Mean Rolls: 0     "
                 "\\  Fumbles: 2"_s);
        QCOMPARE(lines[101],
                 u"Step:  100   Mean: 11     \\  Range: ( 14 - 14)     \\  Mean Rolls: "
                 "11     \\  Fumbles: 2"_s);
    }
};

QTEST_GUILESS_MAIN(TestReports)
#include "tst_reports.moc"
