// The exact odds against closed forms worked out by hand and against the program's own dice.
#include "ChiSquare.h"
#include "Dice.h"
#include "ExplodingSum.h"
#include "FumbleOdds.h"
#include "OddsText.h"
#include "StepChances.h"
#include "StepOdds.h"
#include "PoolRoll.h"
#include "StepTable.h"
#include "SuccessChances.h"

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
    // At least k n + f, for f from 1 to n: n^-(k + 1) (n - f + 1), to the last digits however
    // far out, and its complement below.
    void singleDie()
    {
        QFETCH(int, size);
        ExplodingSum exactly({size});
        ExplodingSum atLeast({size}, Tally::AtLeast);
        ExplodingSum below({size}, Tally::Below);
        for (const int k : {0, 1, 2, 3, 4, 60}) {
            QCOMPARE(exactly.chance(k * size), 0.0);
            for (int face = 1; face < size; ++face)
                QVERIFY(closeTo(exactly.chance(k * size + face), std::pow(size, -k - 1), 1e-12));
            for (int face = 1; face <= size; ++face) {
                const double tail = std::pow(size, -k - 1) * (size - face + 1);
                QVERIFY(closeTo(atLeast.chance(k * size + face), tail, 1e-12));
                QVERIFY(closeTo(below.chance(k * size + face), 1 - tail, 1e-12));
            }
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
        QTest::newRow("step 100 + D20: the longest listing")
            << 100 << KarmaDie::D20
            << QList<int> {20, 20, 20, 20, 10, 10, 10, 10, 10, 10, 8, 8, 8, 8, 20} << 0
            << QList<int> {108, 81, 149};
    }

    // An exploding die is a face below n plus n for each of a geometric number of explosions,
    // so the mean and the spread follow in closed form to the last digit; the listing keeps
    // every chance.
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
        QVERIFY(closeTo(ClosedFormMean(step, karma), mean, 1e-14));
        QVERIFY(closeTo(odds.mean, mean, 1e-14));
        QVERIFY(closeTo(odds.standardDeviation, std::sqrt(variance), 1e-14));
        QTEST(QList<int>({odds.mostLikely, odds.middle90Low, odds.middle90High}), "summary");

        QCOMPARE(odds.success(odds.lowest).value, 1 - odds.fumble);
        for (int total = odds.lowest; total < odds.highestListed(); ++total)
            QVERIFY(odds.success(total + 1).value <= odds.success(total).value);
        const auto &listing = odds.probabilities;
        const double listed = std::accumulate(listing.begin(), listing.end(), 0.0);
        QVERIFY(listed >= ListedShare && listed <= 1 + 1e-15);
    }

    void chances_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<KarmaDie>("karma");
        QTest::addColumn<int>("target");
        QTest::addColumn<double>("success");
        QTest::addColumn<double>("failure");
        QTest::addColumn<double>("fumble");

        // Steps 1 and 2 (s = 2, 1): the d4 (a) and the karma die (b) show faces below their
        // highest with a + b <= s + 1 (total at most 1) or a + b == s + 2 (total == rolls).
        // Either is a fumble, never a success, whatever the target number.
        const KarmaDie none = KarmaDie::None;
        QTest::newRow("step 1 against 1: a 3 totals 1, a fumble")
            << 1 << none << 1 << 0.25 << 0.75 << 3.0 / 4;
        QTest::newRow("step 3 against 1: a 1 is a fumble")
            << 3 << none << 1 << 0.75 << 0.25 << 0.25;
        QTest::newRow("step 2: d4-1, only a 4 reaches 3")
            << 2 << none << 3 << 0.25 << 0.75 << 2.0 / 4;
        QTest::newRow("step 1 + D4: a + b <= 4")
            << 1 << KarmaDie::D4 << 3 << 5.0 / 8 << 3.0 / 8 << 6.0 / 16;
        QTest::newRow("step 1 + D4 against 2: a + b == 4 totals 2, a fumble")
            << 1 << KarmaDie::D4 << 2 << 5.0 / 8 << 3.0 / 8 << 6.0 / 16;
        QTest::newRow("step 2 + D6: a + b <= 3")
            << 2 << KarmaDie::D6 << 5 << 5.0 / 8 << 3.0 / 8 << 3.0 / 24;
        QTest::newRow("step 3 + D4: both show 1")
            << 3 << KarmaDie::D4 << 8 << 11.0 / 32 << 21.0 / 32 << 1.0 / 16;
        QTest::newRow("step 8 + D4 against its lowest total: all three show 1")
            << 8 << KarmaDie::D4 << 3 << 143.0 / 144 << 1.0 / 144 << 1.0 / 144;
        QTest::newRow("step 11: d10+d8") << 11 << none << 10 << 9.0 / 16 << 7.0 / 16 << 1.0 / 80;
        QTest::newRow("step 11 + D6")
            << 11 << KarmaDie::D6 << 13 << 1813.0 / 2880 << 1067.0 / 2880 << 1.0 / 480;
        QTest::newRow("step 20: d20+d8+d6")
            << 20 << none << 25 << 2273707.0 / 8294400 << 6020693.0 / 8294400 << 1.0 / 960;
        // Every die showing 1 is the one failure: 1 in 1.3 x 10^16, below a double's
        // resolution next to 1.
        const double allOnes = std::pow(20, -5) * std::pow(10, -6) * std::pow(8, -4);
        QTest::newRow("step 100 + D20 from its lowest total")
            << 100 << KarmaDie::D20 << 15 << 1 - allOnes << allOnes << allOnes;
        // Far tails, worked out with exact fractions apart from this program.
        QTest::newRow("step 11 against 200: 1 in 5.16 x 10^18")
            << 11 << none << 200 << 1.9376737569482313e-19 << 1.0 << 1.0 / 80;
        QTest::newRow("step 1 against 999: 1 in 3.27 x 10^150")
            << 1 << none << 999 << 3.0549363634996047e-151 << 1.0 << 3.0 / 4;
        QTest::newRow("step 100 + D20 against 300")
            << 100 << KarmaDie::D20 << 300 << 2.7627144999274869e-09 << 0.9999999972372855
            << allOnes;
    }

    // The summary, the histogram and the table of all steps agree with the closed forms and
    // exact fractions, to twelve significant digits however small the chance; the smaller of
    // success and failure is never 1 minus the other.
    void chances()
    {
        QFETCH(int, step);
        QFETCH(KarmaDie, karma);
        QFETCH(int, target);
        QFETCH(double, success);
        QFETCH(double, failure);
        QFETCH(double, fumble);

        const auto check = [&](Chance chance) {
            return closeTo(chance.value, success, 1e-12)
                && closeTo(chance.complement, failure, 1e-12);
        };
        QVERIFY(check(SuccessChances(step, karma).against(target)));
        const StepOdds odds = ComputeStepOdds(step, karma);
        if (target <= odds.highestListed())
            QVERIFY(check(odds.success(target)));
        const StepChances row = ChancesOfAllSteps(target, karma)[step - 1];
        QVERIFY(check(row.success));
        QVERIFY(closeTo(row.fumble, fumble, 1e-12));
        QVERIFY(closeTo(odds.fumble, fumble, 1e-12));
    }

    // Every target number can be met and can be missed: no "0%" and no "100%".
    void successIsNeverCertainNorImpossible()
    {
        for (const KarmaDie karma : {KarmaDie::None, KarmaDie::D4, KarmaDie::D20}) {
            for (const int target : {1, 60, 999}) {
                for (const StepChances &row : ChancesOfAllSteps(target, karma)) {
                    QVERIFY2(row.success.value > 0 && row.success.complement > 0,
                             qPrintable(u"step %1 against %2"_s.arg(row.step).arg(target)));
                    QVERIFY(closeTo(row.success.value + row.success.complement, 1, 1e-15));
                }
            }
        }
    }

    void matchesTheRoller_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<KarmaDie>("karma");
        QTest::addColumn<int>("target");

        QTest::newRow("step 1: d4-2 against 1") << 1 << KarmaDie::None << 1;
        QTest::newRow("step 2 + D4 against 2") << 2 << KarmaDie::D4 << 2;
        QTest::newRow("step 3 against 1") << 3 << KarmaDie::None << 1;
        QTest::newRow("step 11 + D6 against 13") << 11 << KarmaDie::D6 << 13;
        QTest::newRow("step 20 against 20") << 20 << KarmaDie::None << 20;
        QTest::newRow("step 37 + D20 against 40") << 37 << KarmaDie::D20 << 40;
    }

    // Rolls the step's dice and the karma die as one pool; the engine's own rule says what
    // fumbles.
    void matchesTheRoller()
    {
        QFETCH(int, step);
        QFETCH(KarmaDie, karma);
        QFETCH(int, target);

        const StepOdds odds = ComputeStepOdds(step, karma);
        const int samples = 100000;
        std::vector<double> observed(odds.probabilities.size(), 0.0);
        std::vector<double> expected;
        for (const double p : odds.probabilities)
            expected.push_back(p * samples);
        int fumbles = 0;
        int successes = 0;
        RandomSource source;
        source.seed(500 + static_cast<std::uint64_t>(step));
        DicePool pool = FirstEditionTable().pool(step);
        if (karma != KarmaDie::None)
            pool.add(static_cast<std::int16_t>(SizeOf(karma)), 1, DieRole::Karma);
        for (int i = 0; i < samples; ++i) {
            const RollSummary roll = RollPoolSummary(pool, source);
            fumbles += roll.fumble;
            successes += roll.total >= target && !roll.fumble;
            ++observed[std::clamp(roll.total - odds.lowest, 0, int(observed.size()) - 1)];
        }
        const ChiSquare test = ChiSquareOf(expected, observed);
        QVERIFY2(!test.rejects(), qPrintable(QString::number(test.statistic)));
        const auto agrees = [samples](int count, double chance) {
            return std::abs(double(count) / samples - chance)
                < 5 * std::sqrt(chance * (1 - chance) / samples);
        };
        QVERIFY2(agrees(fumbles, odds.fumble), qPrintable(QString::number(fumbles)));
        QVERIFY2(agrees(successes, odds.success(target).value),
                 qPrintable(QString::number(successes)));
    }

    void chanceTexts_data()
    {
        QTest::addColumn<double>("chance");
        QTest::addColumn<double>("complement");
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("text");

        const auto newRow = [](const char *name, double chance, const QString &text) {
            QTest::newRow(name) << chance << 1 - chance << false << text;
        };
        newRow("impossible", 0.0, u"0%"_s);
        newRow("tiny but possible: never 0.0%", 4.9e-4, u"less than 0.1% (1 in 2,040)"_s);
        newRow("rounds up to 0.1%", 5e-4, u"0.1% (1 in 2,000)"_s);
        newRow("below 1%: one in N", 1.0 / 480, u"0.2% (1 in 480)"_s);
        newRow("from 1% on: the percentage alone", 0.01, u"1.0%"_s);
        newRow("a half, one decimal", 0.5, u"50.0%"_s);
        newRow("almost sure: never 100.0%", 0.99951, u"more than 99.9%"_s);
        newRow("a million to one, grouped", 1e-6, u"less than 0.1% (1 in 1,000,000)"_s);
        newRow("three significant figures", 1 / 123456789.0,
               u"less than 0.1% (1 in 123,000,000)"_s);
        newRow("a billion on: a power of ten", 1 / 999.6e6, u"less than 0.1% (1 in 1.00 × 10⁹)"_s);
        newRow("no junk digits", 1 / 13107200000000000.0, u"less than 0.1% (1 in 1.31 × 10¹⁶)"_s);
        newRow("no junk digits either", 1 / 3932160000000000.0,
               u"less than 0.1% (1 in 3.93 × 10¹⁵)"_s);
        newRow("far below a trillion", 3.0549363634996047e-151,
               u"less than 0.1% (1 in 3.27 × 10¹⁵⁰)"_s);
        QTest::newRow("certain") << 1.0 << 0.0 << false << u"100%"_s;
        QTest::newRow("a hair below certain") << 1.0 << 7.6e-17 << false << u"more than 99.9%"_s;
        QTest::newRow("German: decimal comma") << 0.5 << 0.5 << true << u"50,0%"_s;
        QTest::newRow("German: grouped with points")
            << 1e-6 << 1.0 << true << u"less than 0,1% (1 in 1.000.000)"_s;
        QTest::newRow("German: power of ten")
            << 1 / 13107200000000000.0 << 1.0 << true << u"less than 0,1% (1 in 1,31 × 10¹⁶)"_s;
    }

    void chanceTexts()
    {
        QFETCH(double, chance);
        QFETCH(double, complement);
        QFETCH(bool, german);
        const NumberStyle style = german ? NumberStyle {",", "."} : NumberStyle {};
        QTEST(QString::fromStdString(ChanceText({chance, complement}, style)), "text");
    }

    void summary_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<KarmaDie>("karma");
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("german");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("step 11 + D6 against 13")
            << 11 << KarmaDie::D6 << 13 << false
            << QStringList({u"Step 11: D10+D8, karma D6"_s, u"Mean 15.5, most likely total 13"_s,
                            u"Middle 90% of rolls: 7 to 28"_s, u"Success (13 or more): 63.0%"_s,
                            u"Beating it by 5 or more (18 or more): 30.8%"_s,
                            u"Beating it by 10 or more (23 or more): 13.9%"_s,
                            u"Beating it by 15 or more (28 or more): 5.4%"_s,
                            u"Fumble: 0.2% (1 in 480)"_s});
        QTest::newRow("step 1 against 1: the 1 is a fumble")
            << 1 << KarmaDie::None << 1 << false
            << QStringList({u"Step 1: D4-2"_s, u"Mean 1.3, most likely total -1"_s,
                            u"Middle 90% of rolls: -1 to 7"_s, u"Success (1 or more): 25.0%"_s,
                            u"Beating it by 5 or more (6 or more): 6.3%"_s,
                            u"Beating it by 10 or more (11 or more): 1.6%"_s,
                            u"Beating it by 15 or more (16 or more): 0.3% (1 in 341)"_s,
                            u"Fumble: 75.0%"_s});
        QTest::newRow("step 11 against 200: every tail its own")
            << 11 << KarmaDie::None << 200 << false
            << QStringList(
                   {u"Step 11: D10+D8"_s, u"Mean 11.3, most likely total 10"_s,
                    u"Middle 90% of rolls: 4 to 22"_s,
                    u"Success (200 or more): less than 0.1% (1 in 5.16 × 10¹⁸)"_s,
                    u"Beating it by 5 or more (205 or more): less than 0.1% (1 in 1.72 × 10¹⁹)"_s,
                    u"Beating it by 10 or more (210 or more): less than 0.1% (1 in 5.16 × 10¹⁹)"_s,
                    u"Beating it by 15 or more (215 or more): less than 0.1% (1 in 1.72 × 10²⁰)"_s,
                    u"Fumble: 1.3%"_s});
        QTest::newRow("step 100 + D20 against 15: only a fumble fails, in German")
            << 100 << KarmaDie::D20 << 15 << true
            << QStringList(
                   {u"Step 100: 4D20+6D10+4D8, karma D20"_s, u"Mean 112,5, most likely total 108"_s,
                    u"Middle 90% of rolls: 81 to 149"_s, u"Success (15 or more): more than 99,9%"_s,
                    u"Beating it by 5 or more (20 or more): more than 99,9%"_s,
                    u"Beating it by 10 or more (25 or more): more than 99,9%"_s,
                    u"Beating it by 15 or more (30 or more): more than 99,9%"_s,
                    u"Fumble: less than 0,1% (1 in 1,31 × 10¹⁶)"_s});
    }

    // What a player reads.
    void summary()
    {
        QFETCH(int, step);
        QFETCH(KarmaDie, karma);
        QFETCH(int, target);
        QFETCH(bool, german);

        const NumberStyle style = german ? NumberStyle {",", "."} : NumberStyle {};
        QStringList text;
        for (const std::string &line :
             SummaryLines(step, karma, target, ComputeStepOdds(step, karma), style))
            text << QString::fromStdString(line);
        QTEST(text, "lines");
    }
};

QTEST_GUILESS_MAIN(TestOdds)
#include "tst_odds.moc"
