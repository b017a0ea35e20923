// The exact odds against closed forms worked out by hand and against the program's own dice,
// in every edition.
#include "ChiSquare.h"
#include "Dice.h"
#include "ExplodingSum.h"
#include "FumbleOdds.h"
#include "OddsText.h"
#include "StepChances.h"
#include "StepOdds.h"
#include "StepTable.h"
#include "StepTest.h"
#include "SuccessChances.h"
#include "TestOdds.h"

#include <QTest>

#include <cmath>
#include <numeric>

using namespace MainBas;
using namespace MainBas::Odds;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MainBas::Edition)
Q_DECLARE_METATYPE(MainBas::Sheet::StepTest)

namespace {

bool closeTo(double actual, double expected, double relative)
{
    return std::abs(actual - expected) <= relative * std::abs(expected);
}

// A step of the edition with dice added to it (karma or devotion, alike to the odds).
DicePool poolOf(Edition edition, int step, const QList<int> &added)
{
    DicePool pool = StepTableOf(edition).pool(step);
    for (const int size : added)
        pool.add(static_cast<std::int16_t>(size), 1, DieRole::Karma);
    return pool;
}

// Failed whatever the total, short of the target, then succeeded with 0 .. 3 or more extra
// successes.
std::size_t outcomeOf(const Sheet::TestVerdict &verdict)
{
    if (verdict.automaticFailure)
        return 0;
    if (!verdict.success)
        return 1;
    return 2 + static_cast<std::size_t>(std::min(verdict.extraSuccesses, ExtraSuccessesTold));
}

RolledDice diceOf(Edition edition, int step, const QList<int> &added)
{
    return DiceOf(poolOf(edition, step, added), StepTableOf(edition).failureRule());
}

} // namespace

class TestExactOdds : public QObject
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
        QTest::addColumn<Edition>("edition");
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<int>>("added");
        QTest::addColumn<QList<int>>("dice");
        QTest::addColumn<int>("subtraction");
        QTest::addColumn<QList<int>>("summary"); // most likely, middle 90% from, to

        const Edition first = Edition::First;
        QTest::newRow("step 1: d4-2, -1 to 1 tie")
            << first << 1 << QList<int> {} << QList<int> {4} << 2 << QList<int> {-1, -1, 7};
        QTest::newRow("step 2 + D6: d4-1, d6")
            << first << 2 << QList<int> {6} << QList<int> {4, 6} << 1 << QList<int> {5, 2, 15};
        QTest::newRow("step 13 + D20: P(total <= 10) is exactly 0.05")
            << first << 13 << QList<int> {20} << QList<int> {12, 10, 20} << 0
            << QList<int> {22, 10, 42};
        QTest::newRow("step 20 + D20") << first << 20 << QList<int> {20}
                                       << QList<int> {20, 8, 6, 20} << 0 << QList<int> {28, 15, 52};
        QTest::newRow("step 100 + D8: 4d20+6d10+5d8")
            << first << 100 << QList<int> {8}
            << QList<int> {20, 20, 20, 20, 10, 10, 10, 10, 10, 10, 8, 8, 8, 8, 8} << 0
            << QList<int> {103, 76, 141};
        QTest::newRow("step 100 + D20")
            << first << 100 << QList<int> {20}
            << QList<int> {20, 20, 20, 20, 10, 10, 10, 10, 10, 10, 8, 8, 8, 8, 20} << 0
            << QList<int> {108, 81, 149};
        QTest::newRow("3rd edition step 1: d6-3 from -2")
            << Edition::Third << 1 << QList<int> {} << QList<int> {6} << 3
            << QList<int> {-2, -2, 8};
        const QList<int> tenD20(10, 20);
        QTest::newRow("4th edition step 100 + 10 D20: the longest listing")
            << Edition::Fourth << 100 << tenD20 << QList<int>(8, 20) + QList<int> {10, 10} + tenD20
            << 0 << QList<int> {207, 163, 265};
    }

    // An exploding die is a face below n plus n for each of a geometric number of explosions,
    // so the mean and the spread follow in closed form to the last digit; the listing keeps
    // every chance.
    void pools()
    {
        QFETCH(Edition, edition);
        QFETCH(int, step);
        QFETCH(QList<int>, added);
        QFETCH(QList<int>, dice);
        QFETCH(int, subtraction);

        double mean = -subtraction;
        double variance = 0;
        for (const double n : dice) {
            mean += n * (n + 1) / (2 * (n - 1));
            variance += ((n - 1) * (n - 1) - 1) / 12 + n * n * n / ((n - 1) * (n - 1));
        }
        const StepOdds odds = ComputeStepOdds(diceOf(edition, step, added));
        QCOMPARE(odds.lowest, dice.size() - subtraction);
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
        QTest::addColumn<Edition>("edition");
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<int>>("added");
        QTest::addColumn<int>("target");
        QTest::addColumn<double>("success");
        QTest::addColumn<double>("failure");
        QTest::addColumn<double>("fumble");

        // Steps 1 and 2 (s = 2, 1): the d4 (a) and the karma die (b) show faces below their
        // highest with a + b <= s + 1 (total at most 1) or a + b == s + 2 (total == rolls).
        // Either is a fumble, never a success, whatever the target number.
        const Edition first = Edition::First;
        const QList<int> none;
        const QList<int> d4 {4};
        const QList<int> d6 {6};
        QTest::newRow("step 1 against 1: a 3 totals 1, a fumble")
            << first << 1 << none << 1 << 0.25 << 0.75 << 3.0 / 4;
        QTest::newRow("step 3 against 1: a 1 is a fumble")
            << first << 3 << none << 1 << 0.75 << 0.25 << 0.25;
        QTest::newRow("step 2: d4-1, only a 4 reaches 3")
            << first << 2 << none << 3 << 0.25 << 0.75 << 2.0 / 4;
        QTest::newRow("step 1 + D4: a + b <= 4")
            << first << 1 << d4 << 3 << 5.0 / 8 << 3.0 / 8 << 6.0 / 16;
        QTest::newRow("step 1 + D4 against 2: a + b == 4 totals 2, a fumble")
            << first << 1 << d4 << 2 << 5.0 / 8 << 3.0 / 8 << 6.0 / 16;
        QTest::newRow("step 2 + D6: a + b <= 3")
            << first << 2 << d6 << 5 << 5.0 / 8 << 3.0 / 8 << 3.0 / 24;
        QTest::newRow("step 3 + D4: both show 1")
            << first << 3 << d4 << 8 << 11.0 / 32 << 21.0 / 32 << 1.0 / 16;
        QTest::newRow("step 8 + D4 against its lowest total: all three show 1")
            << first << 8 << d4 << 3 << 143.0 / 144 << 1.0 / 144 << 1.0 / 144;
        QTest::newRow("step 11: d10+d8")
            << first << 11 << none << 10 << 9.0 / 16 << 7.0 / 16 << 1.0 / 80;
        QTest::newRow("step 11 + D6")
            << first << 11 << d6 << 13 << 1813.0 / 2880 << 1067.0 / 2880 << 1.0 / 480;
        QTest::newRow("step 20: d20+d8+d6")
            << first << 20 << none << 25 << 2273707.0 / 8294400 << 6020693.0 / 8294400 << 1.0 / 960;
        // Every die showing 1 is the one failure: 1 in 1.3 x 10^16, below a double's
        // resolution next to 1.
        const double allOnes = std::pow(20, -5) * std::pow(10, -6) * std::pow(8, -4);
        QTest::newRow("step 100 + D20 from its lowest total")
            << first << 100 << QList<int> {20} << 15 << 1 - allOnes << allOnes << allOnes;
        // Far tails, worked out with exact fractions apart from this program.
        QTest::newRow("step 11 against 200: 1 in 5.16 x 10^18")
            << first << 11 << none << 200 << 1.9376737569482313e-19 << 1.0 << 1.0 / 80;
        QTest::newRow("step 1 against 999: 1 in 3.27 x 10^150")
            << first << 1 << none << 999 << 3.0549363634996047e-151 << 1.0 << 3.0 / 4;
        QTest::newRow("step 100 + D20 against 300")
            << first << 100 << QList<int> {20} << 300 << 2.7627144999274869e-09
            << 0.9999999972372855 << allOnes;

        // Classic keeps the program's rule; only its step 14 differs: 2D12, both showing 1.
        QTest::newRow("Classic step 14: 2d12")
            << Edition::Classic << 14 << none << 2 << 143.0 / 144 << 1.0 / 144 << 1.0 / 144;
        // The Rule of One: every die rolled, karma and devotion dice included, shows 1 at
        // once, at their lowest total; no low total fails otherwise. In 4th edition only with
        // two dice or more.
        const Edition third = Edition::Third;
        const Edition fourth = Edition::Fourth;
        QTest::newRow("3rd step 1: d6-3, a 1 totals -2")
            << third << 1 << none << 1 << 0.5 << 0.5 << 1.0 / 6;
        QTest::newRow("3rd step 5: a lone d8 showing 1")
            << third << 5 << none << 1 << 7.0 / 8 << 1.0 / 8 << 1.0 / 8;
        QTest::newRow("3rd step 8 + 2 D6: four dice showing 1")
            << third << 8 << QList<int> {6, 6} << 4 << 1295.0 / 1296 << 1.0 / 1296 << 1.0 / 1296;
        QTest::newRow("4th step 5: a lone d8 never fails so")
            << fourth << 5 << none << 5 << 0.5 << 0.5 << 0.0;
        QTest::newRow("4th step 5 + D6: the karma die counts")
            << fourth << 5 << d6 << 2 << 47.0 / 48 << 1.0 / 48 << 1.0 / 48;
        QTest::newRow("4th step 9: d8+d6")
            << fourth << 9 << none << 2 << 47.0 / 48 << 1.0 / 48 << 1.0 / 48;
        QTest::newRow("4th step 11 against 200: 1 in 5.16 x 10^18")
            << fourth << 11 << none << 200 << 1.9376737569482313e-19 << 1.0 << 1.0 / 80;
    }

    // The summary, the histogram and the table of all steps agree with the closed forms and
    // exact fractions, to twelve significant digits however small the chance; the smaller of
    // success and failure is never 1 minus the other.
    void chances()
    {
        QFETCH(Edition, edition);
        QFETCH(int, step);
        QFETCH(QList<int>, added);
        QFETCH(int, target);
        QFETCH(double, success);
        QFETCH(double, failure);
        QFETCH(double, fumble);

        const auto check = [&](Chance chance) {
            return closeTo(chance.value, success, 1e-12)
                && closeTo(chance.complement, failure, 1e-12);
        };
        const RolledDice dice = diceOf(edition, step, added);
        QVERIFY(check(SuccessChances(dice).against(target)));
        const StepOdds odds = ComputeStepOdds(dice);
        if (target <= odds.highestListed())
            QVERIFY(check(odds.success(target)));
        const StepChances row = ChancesOfAllSteps(target, [&](int each) {
            return diceOf(edition, each, added);
        })[static_cast<std::size_t>(step - 1)];
        QVERIFY(check(row.success));
        QVERIFY(closeTo(row.fumble, fumble, 1e-12));
        QVERIFY(closeTo(odds.fumble, fumble, 1e-12));
        const TestOdds test = OddsOfTest(poolOf(edition, step, added), edition, target);
        QVERIFY(test.success && check(*test.success));
        QVERIFY(closeTo(test.automaticFailure, fumble, 1e-12));
    }

    void extraSuccesses_data()
    {
        QTest::addColumn<Edition>("edition");
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<int>>("added");
        QTest::addColumn<int>("target"); // 0 for none
        QTest::addColumn<double>("success");
        QTest::addColumn<double>("automaticFailure");
        QTest::addColumn<QList<double>>("extras"); // exactly 0, 1, 2, then 3 or more

        // A d6 shows 6k + f with chance 6^-(k + 1): totals 1-5, 7-10, 11 and 13-15, then 16
        // or more 3 in 216.
        const Edition fourth = Edition::Fourth;
        QTest::newRow("4th step 4: d6 against 1")
            << fourth << 4 << QList<int> {} << 1 << 1.0 << 0.0
            << QList<double> {5.0 / 6, 1.0 / 9, 1.0 / 24, 1.0 / 72};
        // d4-2: 1 (a 3) and 3-5, then 7-9, then 11-13 and 15 (4 + 4 + 4 + 4 + 1 - 2).
        QTest::newRow("4th step 1: d4-2 against 1")
            << fourth << 1 << QList<int> {} << 1 << 0.5 << 0.0
            << QList<double> {7.0 / 16, 3.0 / 64, 13.0 / 1024, 3.0 / 1024};
        // The rest worked out with exact fractions apart from this program.
        QTest::newRow("4th step 5 + D6 against 2: the Rule of One in the first band")
            << fourth << 5 << QList<int> {6} << 2 << 47.0 / 48 << 1.0 / 48
            << QList<double> {7.0 / 24, 505.0 / 1152, 365.0 / 2304, 209.0 / 2304};
        QTest::newRow("4th step 10 + 2 karma D6 + devotion D8 against 20")
            << fourth << 10 << QList<int> {6, 6, 8} << 20 << 0.6712623878761574 << 1.0 / 18432
            << QList<double> {351593.0 / 1327104, 73709045.0 / 382205952, 14348899.0 / 127401984,
                              19272977.0 / 191102976};
        QTest::newRow("4th step 11 against 200: every band its own")
            << fourth << 11 << QList<int> {} << 200 << 1.9376737569482313e-19 << 1.0 / 80
            << QList<double> {1.3555123219971757e-19, 3.882716365255745e-20, 1.3564015411556704e-20,
                              5.824964430991394e-21};
        QTest::newRow("4th step 9 without a target number")
            << fourth << 9 << QList<int> {} << 0 << 0.0 << 1.0 / 48 << QList<double> {};
        QTest::newRow("3rd edition counts none")
            << Edition::Third << 5 << QList<int> {} << 1 << 7.0 / 8 << 1.0 / 8 << QList<double> {};
    }

    // The odds of a test: each number of extra successes to twelve digits however small, and
    // together they make up success.
    void extraSuccesses()
    {
        QFETCH(Edition, edition);
        QFETCH(int, step);
        QFETCH(QList<int>, added);
        QFETCH(int, target);
        QFETCH(double, success);
        QFETCH(double, automaticFailure);
        QFETCH(QList<double>, extras);

        const TestOdds odds = OddsOfTest(poolOf(edition, step, added), edition,
                                         target == 0 ? std::nullopt : std::optional(target));
        QVERIFY(closeTo(odds.automaticFailure, automaticFailure, 1e-12));
        QCOMPARE(odds.success.has_value(), target != 0);
        QCOMPARE(odds.extraSuccesses.size(), static_cast<std::size_t>(extras.size()));
        double sum = 0;
        for (qsizetype extra = 0; extra < extras.size(); ++extra) {
            const double band = odds.extraSuccesses[static_cast<std::size_t>(extra)].value;
            QVERIFY2(closeTo(band, extras[extra], 1e-12), qPrintable(QString::number(extra)));
            sum += band;
        }
        if (odds.success) {
            QVERIFY(closeTo(odds.success->value, success, 1e-12));
            QVERIFY(extras.isEmpty() || closeTo(sum, success, 1e-12));
        }
    }

    // Every target number can be met and can be missed: no "0%" and no "100%".
    void successIsNeverCertainNorImpossible()
    {
        for (const QList<int> &added : {QList<int> {}, QList<int> {4}, QList<int> {20}}) {
            for (const int target : {1, 60, 999}) {
                const auto diceOfStep
                    = [&](int step) { return diceOf(Edition::First, step, added); };
                for (const StepChances &row : ChancesOfAllSteps(target, diceOfStep)) {
                    QVERIFY2(row.success.value > 0 && row.success.complement > 0,
                             qPrintable(u"step %1 against %2"_s.arg(row.step).arg(target)));
                    QVERIFY(closeTo(row.success.value + row.success.complement, 1, 1e-15));
                }
            }
        }
    }

    void matchesTheRoller_data()
    {
        QTest::addColumn<Edition>("edition");
        QTest::addColumn<Sheet::StepTest>("test");

        using Sheet::StepTest;
        const Edition first = Edition::First;
        const Edition fourth = Edition::Fourth;
        QTest::newRow("step 1: d4-2 against 1") << first << StepTest {.step = 1, .target = 1};
        QTest::newRow("step 2 + D4 against 2")
            << first << StepTest {.step = 2, .karmaPoints = 1, .karmaDie = 4, .target = 2};
        QTest::newRow("step 3 against 1") << first << StepTest {.step = 3, .target = 1};
        QTest::newRow("step 11 + D6 against 13")
            << first << StepTest {.step = 11, .karmaPoints = 1, .target = 13};
        QTest::newRow("step 20 against 20") << first << StepTest {.step = 20, .target = 20};
        QTest::newRow("step 37 + D20 against 40")
            << first << StepTest {.step = 37, .karmaPoints = 1, .karmaDie = 20, .target = 40};
        QTest::newRow("Classic step 14: 2d12 against 14")
            << Edition::Classic << StepTest {.step = 14, .target = 14};
        QTest::newRow("3rd step 1: d6-3 against 1")
            << Edition::Third << StepTest {.step = 1, .target = 1};
        QTest::newRow("3rd step 22 + D6: 2d12+2d6 against 30")
            << Edition::Third << StepTest {.step = 22, .karmaPoints = 1, .target = 30};
        QTest::newRow("4th step 5 + D6 against 2: the karma die counts for the Rule of One")
            << fourth << StepTest {.step = 5, .karmaPoints = 1, .target = 2};
        QTest::newRow("4th step 19: d20+2d6 against 15")
            << fourth << StepTest {.step = 19, .target = 15};
        QTest::newRow("4th step 10 + 2 karma D6 + devotion D8 against 20")
            << fourth
            << StepTest {.step = 10,
                         .karmaPoints = 2,
                         .devotionPoints = 1,
                         .devotionDie = 8,
                         .target = 20};
    }

    // Tests rolled as a player rolls them, the engine's own rule saying what fails whatever
    // the total, fall as the exact odds say: every total, and the verdicts (failed so, failed
    // short of the target, succeeded, or with each number of extra successes).
    void matchesTheRoller()
    {
        QFETCH(Edition, edition);
        QFETCH(Sheet::StepTest, test);

        const DicePool pool = Sheet::PoolOf(test, edition);
        const StepOdds odds = ComputeStepOdds(DiceOf(pool, StepTableOf(edition).failureRule()));
        const TestOdds verdicts = OddsOfTest(pool, edition, test.target);
        const int samples = 100000;
        std::vector<double> expected;
        for (const double p : odds.probabilities)
            expected.push_back(p * samples);
        std::vector<double> observed(expected.size(), 0.0);
        std::vector<double> expectedVerdicts {
            verdicts.automaticFailure, verdicts.success->complement - verdicts.automaticFailure};
        for (const Chance band : verdicts.extraSuccesses)
            expectedVerdicts.push_back(band.value);
        if (verdicts.extraSuccesses.empty())
            expectedVerdicts.push_back(verdicts.success->value);
        for (double &chance : expectedVerdicts)
            chance *= samples;
        std::vector<double> observedVerdicts(expectedVerdicts.size(), 0.0);

        RandomSource source;
        source.seed(500 + static_cast<std::uint64_t>(test.step));
        for (int i = 0; i < samples; ++i) {
            const Sheet::TestResult roll = Sheet::RollTest(test, edition, source);
            ++observed[std::clamp(roll.roll.total - odds.lowest, 0, int(observed.size()) - 1)];
            ++observedVerdicts[outcomeOf(roll.verdict)];
        }
        const ChiSquare totals = ChiSquareOf(expected, observed);
        QVERIFY2(!totals.rejects(), qPrintable(QString::number(totals.statistic)));
        const ChiSquare outcomes = ChiSquareOf(expectedVerdicts, observedVerdicts);
        QVERIFY2(!outcomes.rejects(), qPrintable(QString::number(outcomes.statistic)));
        // Cells merged for the test above may hide a rare verdict: each share on its own.
        const auto agrees = [samples](double count, double chance) {
            return std::abs(count / samples - chance)
                < 5 * std::sqrt(chance * (1 - chance) / samples);
        };
        const double successes
            = std::accumulate(observedVerdicts.begin() + 2, observedVerdicts.end(), 0.0);
        QVERIFY2(agrees(observedVerdicts[0], verdicts.automaticFailure),
                 qPrintable(QString::number(observedVerdicts[0])));
        QVERIFY2(agrees(successes, verdicts.success->value),
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
        QTest::addColumn<Edition>("edition");
        QTest::addColumn<Sheet::StepTest>("test");
        QTest::addColumn<bool>("german");
        QTest::addColumn<QStringList>("lines");

        using Sheet::StepTest;
        const Edition first = Edition::First;

        QTest::newRow("step 11 + D6 against 13")
            << first << StepTest {.step = 11, .karmaPoints = 1, .target = 13} << false
            << QStringList({u"Step 11: D10+D8, karma D6"_s, u"Mean 15.5, most likely total 13"_s,
                            u"Middle 90% of rolls: 7 to 28"_s, u"Success (13 or more): 63.0%"_s,
                            u"Beating it by 5 or more (18 or more): 30.8%"_s,
                            u"Beating it by 10 or more (23 or more): 13.9%"_s,
                            u"Beating it by 15 or more (28 or more): 5.4%"_s,
                            u"Fumble: 0.2% (1 in 480)"_s});
        QTest::newRow("step 1 against 1: the 1 is a fumble")
            << first << StepTest {.step = 1, .target = 1} << false
            << QStringList({u"Step 1: D4-2"_s, u"Mean 1.3, most likely total -1"_s,
                            u"Middle 90% of rolls: -1 to 7"_s, u"Success (1 or more): 25.0%"_s,
                            u"Beating it by 5 or more (6 or more): 6.3%"_s,
                            u"Beating it by 10 or more (11 or more): 1.6%"_s,
                            u"Beating it by 15 or more (16 or more): 0.3% (1 in 341)"_s,
                            u"Fumble: 75.0%"_s});
        QTest::newRow("step 11 against 200: every tail its own")
            << first << StepTest {.step = 11, .target = 200} << false
            << QStringList(
                   {u"Step 11: D10+D8"_s, u"Mean 11.3, most likely total 10"_s,
                    u"Middle 90% of rolls: 4 to 22"_s,
                    u"Success (200 or more): less than 0.1% (1 in 5.16 × 10¹⁸)"_s,
                    u"Beating it by 5 or more (205 or more): less than 0.1% (1 in 1.72 × 10¹⁹)"_s,
                    u"Beating it by 10 or more (210 or more): less than 0.1% (1 in 5.16 × 10¹⁹)"_s,
                    u"Beating it by 15 or more (215 or more): less than 0.1% (1 in 1.72 × 10²⁰)"_s,
                    u"Fumble: 1.3%"_s});
        QTest::newRow("step 100 + D20 against 15: only a fumble fails, in German")
            << first << StepTest {.step = 100, .karmaPoints = 1, .karmaDie = 20, .target = 15}
            << true
            << QStringList(
                   {u"Step 100: 4D20+6D10+4D8, karma D20"_s, u"Mean 112,5, most likely total 108"_s,
                    u"Middle 90% of rolls: 81 to 149"_s, u"Success (15 or more): more than 99,9%"_s,
                    u"Beating it by 5 or more (20 or more): more than 99,9%"_s,
                    u"Beating it by 10 or more (25 or more): more than 99,9%"_s,
                    u"Beating it by 15 or more (30 or more): more than 99,9%"_s,
                    u"Fumble: less than 0,1% (1 in 1,31 × 10¹⁶)"_s});
        QTest::newRow("3rd step 1 against 1: only a 1 fails so")
            << Edition::Third << StepTest {.step = 1, .target = 1} << false
            << QStringList({u"Step 1: D6-3"_s, u"Mean 1.2, most likely total -2"_s,
                            u"Middle 90% of rolls: -2 to 8"_s, u"Success (1 or more): 50.0%"_s,
                            u"Beating it by 5 or more (6 or more): 11.1%"_s,
                            u"Beating it by 10 or more (11 or more): 2.3%"_s,
                            u"Beating it by 15 or more (16 or more): 0.5% (1 in 216)"_s,
                            u"Rule of One: 16.7%"_s});
        QTest::newRow("4th step 10 + 2 karma D6 + devotion D8 against 20: extra successes")
            << Edition::Fourth
            << StepTest {.step = 10,
                         .karmaPoints = 2,
                         .devotionPoints = 1,
                         .devotionDie = 8,
                         .target = 20}
            << false
            << QStringList(
                   {u"Step 10: 2D8, karma 2D6, devotion D8"_s, u"Mean 23.8, most likely total 20"_s,
                    u"Middle 90% of rolls: 13 to 39"_s, u"Success (20 or more): 67.1%"_s,
                    u"No extra success (20 to 24): 26.5%"_s, u"1 extra success (25 to 29): 19.3%"_s,
                    u"2 extra successes (30 to 34): 11.3%"_s,
                    u"3 or more extra successes (35 or more): 10.1%"_s,
                    u"Rule of One: less than 0.1% (1 in 18,400)"_s});
    }

    // What a player reads.
    void summary()
    {
        QFETCH(Edition, edition);
        QFETCH(Sheet::StepTest, test);
        QFETCH(bool, german);

        const NumberStyle style = german ? NumberStyle {",", "."} : NumberStyle {};
        const DicePool pool = Sheet::PoolOf(test, edition);
        const StepOdds odds = ComputeStepOdds(DiceOf(pool, StepTableOf(edition).failureRule()));
        QStringList text;
        for (const std::string &line :
             SummaryLines(test.step, pool, edition, *test.target, odds, style))
            text << QString::fromStdString(line);
        QTEST(text, "lines");
    }
};

QTEST_GUILESS_MAIN(TestExactOdds)
#include "tst_odds.moc"
