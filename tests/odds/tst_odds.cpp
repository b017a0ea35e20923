// The exact odds against closed forms worked out by hand and against the program's own dice.
#include "ChiSquare.h"
#include "Dice.h"
#include "ExplodingSum.h"
#include "FumbleOdds.h"
#include "OddsText.h"
#include "StepChances.h"
#include "StepOdds.h"
#include "StepRoller.h"

#include <QTest>

#include <cmath>
#include <numeric>

using namespace MainBas;
using namespace MainBas::Odds;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MainBas::Odds::KarmaDie)

namespace {

bool closeTo(double actual, double expected, double relative)
{
    return std::abs(actual - expected) <= relative * std::abs(expected);
}

} // namespace

class TestOdds : public QObject
{
    Q_OBJECT

private slots:
    void singleDie_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {4, 6, 8, 10, 12, 20})
            QTest::addRow("d%d", size) << size;
    }

    // k highest faces, then a face f below n: k n + f with chance n^-(k + 1); k n never.
    void singleDie()
    {
        QFETCH(int, size);
        ExplodingSum die({size});
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(die.probability(k * size), 0.0);
            for (int face = 1; face < size; ++face)
                QVERIFY(closeTo(die.probability(k * size + face), std::pow(size, -k - 1), 1e-12));
        }
    }

    void pools_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<KarmaDie>("karma");
        QTest::addColumn<QList<int>>("dice");
        QTest::addColumn<int>("subtraction");
        QTest::addColumn<QList<int>>("summary"); // most likely, middle 90% from, to

        const KarmaDie none = KarmaDie::None;
        QTest::newRow("step 1: d4-2, -1 to 1 tie")
            << 1 << none << QList<int> {4} << 2 << QList<int> {-1, -1, 7};
        QTest::newRow("step 2 + D6: d4-1, d6")
            << 2 << KarmaDie::D6 << QList<int> {4, 6} << 1 << QList<int> {5, 2, 15};
        QTest::newRow("step 13 + D20: P(total <= 10) is exactly 0.05")
            << 13 << KarmaDie::D20 << QList<int> {12, 10, 20} << 0 << QList<int> {22, 10, 42};
        QTest::newRow("step 20 + D20")
            << 20 << KarmaDie::D20 << QList<int> {20, 8, 6, 20} << 0 << QList<int> {28, 15, 52};
        QTest::newRow("step 100 + D8: 4d20+6d10+5d8")
            << 100 << KarmaDie::D8
            << QList<int> {20, 20, 20, 20, 10, 10, 10, 10, 10, 10, 8, 8, 8, 8, 8} << 0
            << QList<int> {103, 76, 141};
    }

    // An exploding die is a face below n plus n for each of a geometric number of explosions;
    // the listing keeps every chance.
    void pools()
    {
        QFETCH(int, step);
        QFETCH(KarmaDie, karma);
        QFETCH(QList<int>, dice);
        QFETCH(int, subtraction);

        double mean = -subtraction;
        double variance = 0;
        for (const double n : dice) {
            mean += n * (n + 1) / (2 * (n - 1));
            variance += ((n - 1) * (n - 1) - 1) / 12 + n * n * n / ((n - 1) * (n - 1));
        }
        const StepOdds odds = ComputeStepOdds(step, karma);
        QCOMPARE(odds.lowest, dice.size() - subtraction);
        QVERIFY(closeTo(ClosedFormMean(step, karma), mean, 1e-12));
        QVERIFY(closeTo(odds.mean, mean, 1e-9));
        QVERIFY(closeTo(odds.standardDeviation, std::sqrt(variance), 1e-9));
        QTEST(QList<int>({odds.mostLikely, odds.middle90Low, odds.middle90High}), "summary");

        QCOMPARE(odds.atLeast(odds.lowest), 1.0);
        for (int total = odds.lowest; total <= odds.highestListed(); ++total)
            QVERIFY(odds.atLeast(total + 1) <= odds.atLeast(total));
        QVERIFY(odds.tailRemainder >= 0 && odds.tailRemainder < OddsAccuracy);
        const auto &listing = odds.probabilities;
        const double listed = std::accumulate(listing.begin(), listing.end(), 0.0);
        QVERIFY(std::abs(listed + odds.tailRemainder - 1) <= OddsAccuracy);
    }

    void chances_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<KarmaDie>("karma");
        QTest::addColumn<int>("target");
        QTest::addColumn<double>("atLeast");
        QTest::addColumn<double>("fumble");

        // Steps 1 and 2 (s = 2, 1): the d4 (a) and the karma die (b) show faces below their
        // highest with a + b <= s + 1 (total at most 1) or a + b == s + 2 (total == rolls).
        const KarmaDie none = KarmaDie::None;
        QTest::newRow("step 1: d4-2, a 3 or 4 reaches 1") << 1 << none << 1 << 0.5 << 3.0 / 4;
        QTest::newRow("step 2: d4-1, only a 4 reaches 3") << 2 << none << 3 << 0.25 << 2.0 / 4;
        QTest::newRow("step 1 + D4: a + b <= 4") << 1 << KarmaDie::D4 << 3 << 5.0 / 8 << 6.0 / 16;
        QTest::newRow("step 2 + D6: a + b <= 3") << 2 << KarmaDie::D6 << 5 << 5.0 / 8 << 3.0 / 24;
        QTest::newRow("step 3 + D4: both show 1")
            << 3 << KarmaDie::D4 << 8 << 11.0 / 32 << 1.0 / 16;
        QTest::newRow("step 11: d10+d8") << 11 << none << 10 << 9.0 / 16 << 1.0 / 80;
        QTest::newRow("step 11 + D6") << 11 << KarmaDie::D6 << 13 << 1813.0 / 2880 << 1.0 / 480;
        QTest::newRow("step 20: d20+d8+d6") << 20 << none << 25 << 2273707.0 / 8294400 << 1.0 / 960;
        QTest::newRow("step 100 + D20 from its lowest total")
            << 100 << KarmaDie::D20 << 15 << 1.0
            << std::pow(20, -5) * std::pow(10, -6) * std::pow(8, -4);
    }

    // The summary, the quick figure and the table of all steps agree with the closed forms.
    void chances()
    {
        QFETCH(int, step);
        QFETCH(KarmaDie, karma);
        QFETCH(int, target);
        QFETCH(double, atLeast);
        QFETCH(double, fumble);

        QVERIFY(closeTo(ComputeStepOdds(step, karma).atLeast(target), atLeast, 1e-12));
        QVERIFY(closeTo(ChanceOfAtLeast(step, karma, target), atLeast, 1e-12));
        const StepChances row = ChancesOfAllSteps(target, karma)[step - 1];
        QVERIFY(closeTo(row.success, atLeast, 1e-12));
        QVERIFY(closeTo(row.fumble, fumble, 1e-12));
    }

    void matchesTheRoller_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<KarmaDie>("karma");

        QTest::newRow("step 1: d4-2") << 1 << KarmaDie::None;
        QTest::newRow("step 2 + D4") << 2 << KarmaDie::D4;
        QTest::newRow("step 11 + D6") << 11 << KarmaDie::D6;
        QTest::newRow("step 20") << 20 << KarmaDie::None;
        QTest::newRow("step 37 + D20") << 37 << KarmaDie::D20;
    }

    // Rolls the step, then the karma die, which counts in the same RollCount.
    void matchesTheRoller()
    {
        QFETCH(int, step);
        QFETCH(KarmaDie, karma);

        const StepOdds odds = ComputeStepOdds(step, karma);
        const int samples = 100000;
        std::vector<double> observed(odds.probabilities.size(), 0.0);
        std::vector<double> expected;
        for (const double p : odds.probabilities)
            expected.push_back(p * samples);
        int fumbles = 0;
        Random().seed(500 + static_cast<std::uint64_t>(step));
        for (int i = 0; i < samples; ++i) {
            int total = RollStep(static_cast<std::int16_t>(step));
            if (karma != KarmaDie::None)
                total += RollDie(static_cast<std::int16_t>(SizeOf(karma)));
            fumbles += total == RollCount || total <= 1;
            ++observed[std::clamp(total - odds.lowest, 0, int(observed.size()) - 1)];
        }
        const ChiSquare test = ChiSquareOf(expected, observed);
        QVERIFY2(!test.rejects(), qPrintable(QString::number(test.statistic)));
        const double sigma = std::sqrt(odds.fumble * (1 - odds.fumble) / samples);
        QVERIFY2(std::abs(double(fumbles) / samples - odds.fumble) < 5 * sigma,
                 qPrintable(QString::number(fumbles)));
    }

    void chanceTexts_data()
    {
        QTest::addColumn<double>("chance");
        QTest::addColumn<QString>("text");
        QTest::newRow("impossible") << 0.0 << u"0%"_s;
        QTest::newRow("tiny but possible: never 0.0%")
            << 4.9e-4 << u"less than 0.1% (1 in 2,041)"_s;
        QTest::newRow("rounds up to 0.1%") << 5e-4 << u"0.1% (1 in 2,000)"_s;
        QTest::newRow("below 1%: one in N") << 1.0 / 480 << u"0.2% (1 in 480)"_s;
        QTest::newRow("from 1% on: the percentage alone") << 0.01 << u"1.0%"_s;
        QTest::newRow("a half, one decimal") << 0.5 << u"50.0%"_s;
        QTest::newRow("almost sure: never 100.0%") << 0.99951 << u"more than 99.9%"_s;
        QTest::newRow("certain") << 1.0 << u"100%"_s;
        QTest::newRow("a million to one, grouped") << 1e-6 << u"less than 0.1% (1 in 1,000,000)"_s;
    }

    void chanceTexts()
    {
        QFETCH(double, chance);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(ChanceText(chance)), text);
    }

    // What a player reads for step 11 with a D6 karma die against 13.
    void summary()
    {
        const std::vector<std::string> lines
            = SummaryLines(11, KarmaDie::D6, 13, ComputeStepOdds(11, KarmaDie::D6));
        QStringList text;
        for (const std::string &line : lines)
            text << QString::fromStdString(line);
        QCOMPARE(text,
                 QStringList({u"Step 11: D10+D8, karma D6"_s, u"Mean 15.5, most likely total 13"_s,
                              u"Middle 90% of rolls: 7 to 28"_s, u"Success (13 or more): 63.0%"_s,
                              u"Beating it by 5 or more (18 or more): 30.8%"_s,
                              u"Beating it by 10 or more (23 or more): 13.9%"_s,
                              u"Beating it by 15 or more (28 or more): 5.4%"_s,
                              u"Fumble: 0.2% (1 in 480)"_s}));
    }
};

QTEST_GUILESS_MAIN(TestOdds)
#include "tst_odds.moc"
