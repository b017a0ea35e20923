// The two reports' texts, exactly, from scripted dice; no window involved.
#include "DistributionReport.h"
#include "ProgramFolder.h"
#include "RuntimeErrors.h"
#include "SampleCount.h"
#include "ScriptedRandom.h"
#include "StatisticsReport.h"
#include "StepDescriptions.h"
#include "StepOdds.h"
#include "WorkProgress.h"

#include <QLocale>
#include <QSet>
#include <QTest>

#include <cmath>

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

// The report of a step rolled from the source on two threads.
QString distributionReport(std::int16_t step, const QString &typedCount, RandomSource source)
{
    const double samples = ReadSampleCount(typedCount);
    WorkProgress progress;
    const DistributionRun run
        = RollDistribution(FirstEditionTable().pool(step), samples, source, progress, 2);
    return DistributionReport(step, StepDescriptions[static_cast<std::size_t>(step)], typedCount,
                              run.distribution, samples);
}

StatisticsRun rollStatistics(double samples, RandomSource source, unsigned threads)
{
    WorkProgress progress;
    return RollStatistics(samples, FirstEditionTable(), source, progress, threads);
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
        QCOMPARE(distributionReport(static_cast<std::int16_t>(step), count, script.source()),
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

        const QStringList lines = reportLines(distributionReport(3, u"2"_s, script.source()));
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
        const StatisticsRun run = rollStatistics(2.5, script.source(), 2);
        const QStringList lines = reportLines(StatisticsText(2.5, run.steps));
        QLocale::setDefault(saved);

        QCOMPARE(script.draws(), std::size_t {2 * 713}); // all from the script: 713 dice a round
        QCOMPARE(lines.size(), 102);
        QCOMPARE(lines[0], u"Step Statistics / Number of Samples N =2,5"_s);
        QCOMPARE(lines[2],
                 u"Step:  1   Mean:-1     \\  Range: (-1 --1)     \\  Mean Rolls: 0     "
                 "\\  Fumbles: 2"_s);
        QCOMPARE(lines[101],
                 u"Step:  100   Mean: 11     \\  Range: ( 14 - 14)     \\  Mean Rolls: "
                 "11     \\  Fumbles: 2"_s);
    }

    // Rolled on several threads from streams of their own, every step's mean and fumble
    // rate agree with the exact odds. (A distribution split among threads counts every
    // sample and gives the figures of one thread: see below.)
    void parallelRollsAgreeWithTheExactOdds()
    {
        RandomSource source;
        source.seed(2027);
        const double samples = 20000;
        WorkProgress progress;
        const StatisticsRun run = RollStatistics(samples, FirstEditionTable(), source, progress, 3);
        QCOMPARE(run.steps.size(), std::size_t {100});
        QCOMPARE(progress.samplesDone(), std::int64_t {2000000});
        for (int step = 1; step <= 100; ++step) {
            const StepStatistics &s = run.steps[static_cast<std::size_t>(step - 1)];
            const Odds::StepOdds odds
                = Odds::ComputeStepOdds(Odds::DiceOf(FirstEditionTable(), step));
            const double meanError = odds.standardDeviation / std::sqrt(samples);
            QVERIFY2(std::abs(double(s.sumOfTotals) / samples - odds.mean) < 5 * meanError,
                     qPrintable(u"step %1"_s.arg(step)));
            const double fumbleError = std::sqrt(odds.fumble * (1 - odds.fumble) / samples);
            QVERIFY(std::abs(double(s.fumbles) / samples - odds.fumble) <= 5 * fumbleError);
        }
    }

    // Streams start 2^128 draws apart, never where another began, and the source moves
    // past them, so two reports never roll the same draws.
    void streamsNeverShareDraws()
    {
        Xoshiro256 a {{1, 2, 3, 4}};
        Xoshiro256 b = a;
        a.jump();
        a.next();
        b.next();
        b.jump();
        QCOMPARE(a.next(), b.next()); // a jump is a fixed distance along the same sequence

        RandomSource source;
        QSet<double> seen;
        for (int report = 0; report < 2; ++report) {
            for (RandomSource stream : source.split(3)) {
                for (int i = 0; i < 1000; ++i)
                    seen.insert(stream.next());
            }
        }
        for (int i = 0; i < 1000; ++i)
            seen.insert(source.next());
        QCOMPARE(seen.size(), 7000);
    }

    // The samples go to streams by their number alone, so the same source gives the very
    // same figures on one thread or several; and every stream's samples are there.
    void sameFiguresOnAnyNumberOfThreads()
    {
        RandomSource one;
        RandomSource several;
        one.seed(99);
        several.seed(99);
        const StatisticsRun alone = rollStatistics(50, one, 1);
        const StatisticsRun shared = rollStatistics(50, several, 3);
        QCOMPARE(StatisticsText(50, alone.steps), StatisticsText(50, shared.steps));

        const QString report = distributionReport(37, u"300000"_s, one);
        QCOMPARE(distributionReport(37, u"300000"_s, several), report);

        // Every die showing 1 on every stream: each sample counts.
        QCOMPARE(DistributionStreams(300000), SplitStreams);
        auto ones = ScriptedRandom::repeating(Face(4, 1));
        QCOMPARE(reportLines(distributionReport(3, u"300001.5"_s, ones.source())).mid(3, 3),
                 QStringList({u"Sum of rolls: 300001"_s, u"Range: 1 to 1"_s, u"Mean: 0"_s}));
        QCOMPARE(ones.draws(), std::size_t {300001});
    }

    // The first failure in step order wins, whatever thread met it; the steps before it
    // are all there, and nothing after it.
    void failureInAWorkerKeepsTheStepsBefore()
    {
        for (const unsigned threads : {1U, 4U}) {
            auto ones = ScriptedRandom::repeating(Face(20, 1));
            auto highest = ScriptedRandom::repeating(LargestBelowOne); // explodes until overflow
            for (std::size_t stream = 36; stream < 100; ++stream)
                ones.setStream(stream, highest);
            const StatisticsRun run = rollStatistics(3, ones.source(), threads);
            QCOMPARE(run.steps.size(), std::size_t {36});
            QCOMPARE(run.steps.back().fumbles, std::int64_t {3});
            QCOMPARE(ErrorNumberOf([&] { std::rethrow_exception(run.error); }), int(Overflow));
            QVERIFY(!run.cancelled);
        }
    }
};

QTEST_GUILESS_MAIN(TestReports)
#include "tst_reports.moc"
