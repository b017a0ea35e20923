// The exact odds against closed forms worked out by hand and against the program's own dice,
// rolled both ways, in every edition.
#include "ChiSquare.h"
#include "Dice.h"
#include "ExplodingSum.h"
#include "FumbleOdds.h"
#include "OddsText.h"
#include "PoolRoll.h"
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

// Step 10 with two karma D6 and a devotion D8 against 20.
const Sheet::StepTest Devoted {
    .step = 10, .karmaPoints = 2, .devotionPoints = 1, .devotionDie = 8, .target = 20};

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
        QTest::addColumn<QList<int>>("summary"); // lowest, most likely, middle 90% from, to

        const auto row = [](const char *name, Edition edition, int step, const QList<int> &added,
                            const QList<int> &summary) {
            QTest::newRow(name) << edition << step << added << summary;
        };
        const Edition first = Edition::First;
        row("step 1: d4-2, -1 to 1 tie", first, 1, {}, {-1, -1, -1, 7});
        row("step 13 + D20: P(total <= 10) is exactly 0.05", first, 13, {20}, {3, 22, 10, 42});
        row("step 100 + D20", first, 100, {20}, {15, 108, 81, 149});
        row("3rd edition step 1: d6-3 from -2", Edition::Third, 1, {}, {-2, -2, -2, 8});
        row("4th edition step 100 + 10 D20: the longest listing", Edition::Fourth, 100,
            QList<int>(10, 20), {20, 207, 163, 265});
    }

    // The summary of the listing, which keeps every chance.
    void pools()
    {
        QFETCH(Edition, edition);
        QFETCH(int, step);
        QFETCH(QList<int>, added);

        const StepOdds odds = ComputeStepOdds(diceOf(edition, step, added));
        QTEST(QList<int>({odds.lowest, odds.mostLikely, odds.middle90Low, odds.middle90High}),
              "summary");
        QCOMPARE(odds.success(odds.lowest).value, 1 - odds.fumble);
        for (int total = odds.lowest; total < odds.highestListed(); ++total)
            QVERIFY(odds.success(total + 1).value <= odds.success(total).value);
        const auto &listing = odds.probabilities;
        const double listed = std::accumulate(listing.begin(), listing.end(), 0.0);
        QVERIFY(listed >= ListedShare && listed <= 1 + 1e-15);
    }

    // Step 100 with a D20 karma die, 5d20 + 6d10 + 4d8, worked out by hand with exact
    // fractions: the listing stops short of the tail, and figures summed from it were off
    // by up to 2e-9.
    void meanAndSpreadOfTheLongestListing()
    {
        const RolledDice dice = diceOf(Edition::First, 100, {20});
        const StepOdds odds = ComputeStepOdds(dice);
        QVERIFY(closeTo(odds.mean, 44888.0 / 399, 1e-12));
        QVERIFY(closeTo(odds.standardDeviation, std::sqrt(206646074.0 / 477603), 1e-12));
        const auto diceOfStep = [&](int step) { return diceOf(Edition::First, step, {20}); };
        QVERIFY(closeTo(ChancesOfAllSteps(1, diceOfStep).back().mean, 44888.0 / 399, 1e-12));
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
        QTest::addColumn<QList<double>>("extras"); // exactly 0, 1, 2, then 3 or more extra

        const auto row
            = [](const char *name, Edition edition, int step, const QList<int> &added, int target,
                 double success, double failure, double fumble, const QList<double> &extras = {}) {
                  QTest::newRow(name) << edition << step << added << target << success << failure
                                      << fumble << extras;
              };
        // Steps 1 and 2 (s = 2, 1): the d4 (a) and the karma die (b) show faces below their
        // highest with a + b <= s + 1 (total at most 1) or a + b == s + 2 (total == rolls).
        // Either is a fumble, never a success, whatever the target number.
        const Edition first = Edition::First;
        row("step 1 against 1: a 3 totals 1, a fumble", first, 1, {}, 1, 0.25, 0.75, 3.0 / 4);
        row("step 3 against 1: a 1 is a fumble", first, 3, {}, 1, 0.75, 0.25, 0.25);
        row("step 2: d4-1, only a 4 reaches 3", first, 2, {}, 3, 0.25, 0.75, 2.0 / 4);
        row("step 1 + D4: a + b <= 4", first, 1, {4}, 3, 5.0 / 8, 3.0 / 8, 6.0 / 16);
        row("step 1 + D4 against 2: a + b == 4 totals 2, a fumble", first, 1, {4}, 2, 5.0 / 8,
            3.0 / 8, 6.0 / 16);
        row("step 2 + D6: a + b <= 3", first, 2, {6}, 5, 5.0 / 8, 3.0 / 8, 3.0 / 24);
        row("step 3 + D4: both show 1", first, 3, {4}, 8, 11.0 / 32, 21.0 / 32, 1.0 / 16);
        row("step 8 + D4 against its lowest total: all three show 1", first, 8, {4}, 3, 143.0 / 144,
            1.0 / 144, 1.0 / 144);
        row("step 11 + D6", first, 11, {6}, 13, 1813.0 / 2880, 1067.0 / 2880, 1.0 / 480);
        row("step 20: d20+d8+d6", first, 20, {}, 25, 2273707.0 / 8294400, 6020693.0 / 8294400,
            1.0 / 960);
        // Every die showing 1 is the one failure: 1 in 1.3 x 10^16, below a double's
        // resolution next to 1.
        const double allOnes = std::pow(20, -5) * std::pow(10, -6) * std::pow(8, -4);
        row("step 100 + D20 from its lowest total", first, 100, {20}, 15, 1 - allOnes, allOnes,
            allOnes);
        // Far tails, worked out with exact fractions apart from this program.
        row("step 11 against 200: 1 in 5.16 x 10^18", first, 11, {}, 200, 1.9376737569482313e-19,
            1.0, 1.0 / 80);
        row("step 1 against 999: 1 in 3.27 x 10^150", first, 1, {}, 999, 3.0549363634996047e-151,
            1.0, 3.0 / 4);
        row("step 100 + D20 against 300", first, 100, {20}, 300, 2.7627144999274869e-09,
            0.9999999972372855, allOnes);

        // Classic keeps the program's rule; only its step 14 differs: 2D12, both showing 1.
        row("Classic step 14: 2d12", Edition::Classic, 14, {}, 2, 143.0 / 144, 1.0 / 144,
            1.0 / 144);
        // The Rule of One: every die rolled, karma and devotion dice included, shows 1 at
        // once, at their lowest total; no low total fails otherwise. In 4th edition only with
        // two dice or more.
        const Edition third = Edition::Third;
        const Edition fourth = Edition::Fourth;
        row("3rd step 1: d6-3, a 1 totals -2", third, 1, {}, 1, 0.5, 0.5, 1.0 / 6);
        row("3rd step 5: a lone d8 showing 1", third, 5, {}, 1, 7.0 / 8, 1.0 / 8, 1.0 / 8);
        row("3rd step 8 + 2 D6: four dice showing 1", third, 8, {6, 6}, 4, 1295.0 / 1296,
            1.0 / 1296, 1.0 / 1296);
        row("4th step 5: a lone d8 never fails so", fourth, 5, {}, 5, 0.5, 0.5, 0.0);
        // Extra successes: a d6 shows 6k + f with chance 6^-(k + 1): totals 1-5, 7-10, 11 and
        // 13-15, then 16 or more 3 in 216.
        row("4th step 4: d6 against 1", fourth, 4, {}, 1, 1.0, 0.0, 0.0,
            {5.0 / 6, 1.0 / 9, 1.0 / 24, 1.0 / 72});
        // d4-2: 1 (a 3) and 3-5, then 7-9, then 11-13 and 15 (4 + 4 + 4 + 4 + 1 - 2).
        row("4th step 1: d4-2 against 1", fourth, 1, {}, 1, 0.5, 0.5, 0.0,
            {7.0 / 16, 3.0 / 64, 13.0 / 1024, 3.0 / 1024});
        // The rest worked out with exact fractions apart from this program.
        row("4th step 5 + D6 against 2: the karma die counts, also in the first band", fourth, 5,
            {6}, 2, 47.0 / 48, 1.0 / 48, 1.0 / 48,
            {7.0 / 24, 505.0 / 1152, 365.0 / 2304, 209.0 / 2304});
        row("4th step 10 + 2 karma D6 + devotion D8 against 20", fourth, 10, {6, 6, 8}, 20,
            0.6712623878761574, 1 - 0.6712623878761574, 1.0 / 18432,
            {351593.0 / 1327104, 73709045.0 / 382205952, 14348899.0 / 127401984,
             19272977.0 / 191102976});
        row("4th step 11 against 200: every band its own", fourth, 11, {}, 200,
            1.9376737569482313e-19, 1.0, 1.0 / 80,
            {1.3555123219971757e-19, 3.882716365255745e-20, 1.3564015411556704e-20,
             5.824964430991394e-21});
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
        QFETCH(QList<double>, extras);

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
        // Each number of extra successes to twelve digits however small, together making up
        // success; no edition but the 4th counts them.
        if (!extras.isEmpty() || edition != Edition::Fourth)
            QCOMPARE(test.extraSuccesses.size(), static_cast<std::size_t>(extras.size()));
        double sum = 0;
        for (qsizetype extra = 0; extra < extras.size(); ++extra) {
            const double band = test.extraSuccesses[static_cast<std::size_t>(extra)].value;
            QVERIFY2(closeTo(band, extras[extra], 1e-12), qPrintable(QString::number(extra)));
            sum += band;
        }
        QVERIFY(extras.isEmpty() || closeTo(sum, success, 1e-12));
    }

    // Without a target number a test has no success to tell, only its automatic failure.
    void withoutATargetNumber()
    {
        const TestOdds odds = OddsOfTest(poolOf(Edition::Fourth, 9, {}), Edition::Fourth, {});
        QVERIFY(!odds.success && odds.extraSuccesses.empty());
        QVERIFY(closeTo(odds.automaticFailure, 1.0 / 48, 1e-12));
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

    // One row per kind of pool and rule: the fumble rule with a subtraction, with a karma die,
    // in a bigger pool and in the largest; the Rule of One with a subtraction, with karma and
    // on a lone die, where the 4th edition never applies it; extra successes with karma and
    // devotion dice.
    void matchesTheRoller_data()
    {
        QTest::addColumn<Edition>("edition");
        QTest::addColumn<Sheet::StepTest>("test");

        using Sheet::StepTest;
        const Edition first = Edition::First;
        const Edition third = Edition::Third;
        const Edition fourth = Edition::Fourth;
        QTest::newRow("step 1: d4-2 against 1") << first << StepTest {.step = 1, .target = 1};
        QTest::newRow("step 2 + D4 against 2")
            << first << StepTest {.step = 2, .karmaPoints = 1, .karmaDie = 4, .target = 2};
        QTest::newRow("step 37 + D20 against 40")
            << first << StepTest {.step = 37, .karmaPoints = 1, .karmaDie = 20, .target = 40};
        QTest::newRow("step 100: 4d20+6d10+4d8 against 110")
            << first << StepTest {.step = 100, .target = 110};
        QTest::newRow("3rd step 1: d6-3 against 1") << third << StepTest {.step = 1, .target = 1};
        QTest::newRow("3rd step 22 + D6: 2d12+2d6 against 30")
            << third << StepTest {.step = 22, .karmaPoints = 1, .target = 30};
        QTest::newRow("4th step 5: a lone d8 against 5")
            << fourth << StepTest {.step = 5, .target = 5};
        QTest::newRow("4th step 5 + D6 against 2: the karma die counts for the Rule of One")
            << fourth << StepTest {.step = 5, .karmaPoints = 1, .target = 2};
        QTest::newRow("4th step 10 + 2 karma D6 + devotion D8 against 20") << fourth << Devoted;
    }

    // Tests rolled as a player rolls them, the engine's own rule saying what fails whatever
    // the total, fall as the exact odds say: every total, and the verdicts (failed so, failed
    // short of the target, succeeded, or with each number of extra successes). So do the
    // totals and automatic failures of the reports' path, which draws whole generator words
    // and keeps the roll counter to itself.
    void matchesTheRoller()
    {
        QFETCH(Edition, edition);
        QFETCH(Sheet::StepTest, test);

        const DicePool pool = Sheet::PoolOf(test, edition);
        const FailureRule rule = StepTableOf(edition).failureRule();
        const StepOdds odds = ComputeStepOdds(DiceOf(pool, rule));
        const TestOdds verdicts = OddsOfTest(pool, edition, test.target);
        const int samples = 100000;
        std::vector<double> expected;
        for (const double p : odds.probabilities)
            expected.push_back(p * samples);
        std::vector<double> rolled(expected.size(), 0.0);
        std::vector<double> summarised(expected.size(), 0.0);
        std::vector<double> expectedVerdicts {
            verdicts.automaticFailure, verdicts.success->complement - verdicts.automaticFailure};
        for (const Chance band : verdicts.extraSuccesses)
            expectedVerdicts.push_back(band.value);
        if (verdicts.extraSuccesses.empty())
            expectedVerdicts.push_back(verdicts.success->value);
        for (double &chance : expectedVerdicts)
            chance *= samples;
        std::vector<double> observedVerdicts(expectedVerdicts.size(), 0.0);
        double summaryFailures = 0;

        RandomSource source;
        source.seed(500 + static_cast<std::uint64_t>(test.step));
        const auto cell = [&](int total) {
            return std::clamp(total - odds.lowest, 0, int(expected.size()) - 1);
        };
        for (int i = 0; i < samples; ++i) {
            const Sheet::TestResult roll = Sheet::RollTest(test, edition, source);
            ++rolled[cell(roll.roll.total)];
            ++observedVerdicts[outcomeOf(roll.verdict)];
            const RollSummary summary = RollPoolSummary(pool, source, rule);
            ++summarised[cell(summary.total)];
            summaryFailures += summary.fumble ? 1 : 0;
        }
        for (const std::vector<double> &observed : {rolled, summarised}) {
            const ChiSquare totals = ChiSquareOf(expected, observed);
            QVERIFY2(totals.degreesOfFreedom >= 3 && !totals.rejects(),
                     qPrintable(QString::number(totals.statistic)));
        }
        const ChiSquare outcomes = ChiSquareOf(expectedVerdicts, observedVerdicts);
        QVERIFY2(!outcomes.rejects(), qPrintable(QString::number(outcomes.statistic)));
        // Cells merged for the test above may hide a rare verdict: each share on its own.
        const auto agrees = [samples](double count, double chance) {
            return std::abs(count / samples - chance)
                <= 5 * std::sqrt(chance * (1 - chance) / samples);
        };
        const double successes
            = std::accumulate(observedVerdicts.begin() + 2, observedVerdicts.end(), 0.0);
        QVERIFY2(agrees(observedVerdicts[0], verdicts.automaticFailure),
                 qPrintable(QString::number(observedVerdicts[0])));
        QVERIFY2(agrees(summaryFailures, verdicts.automaticFailure),
                 qPrintable(QString::number(summaryFailures)));
        QVERIFY2(agrees(successes, verdicts.success->value),
                 qPrintable(QString::number(successes)));
    }

    void chanceTexts_data()
    {
        QTest::addColumn<double>("chance");
        QTest::addColumn<double>("complement");
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("text");

        const auto row = [](const char *name, double chance, const QString &text,
                            bool german = false, double complement = -1) {
            QTest::newRow(name) << chance << (complement < 0 ? 1 - chance : complement) << german
                                << text;
        };
        row("impossible", 0.0, u"0%"_s);
        row("tiny but possible: never 0.0%", 4.9e-4, u"less than 0.1% (1 in 2,040)"_s);
        row("rounds up to 0.1%", 5e-4, u"0.1% (1 in 2,000)"_s);
        row("below 1%: one in N", 1.0 / 480, u"0.2% (1 in 480)"_s);
        row("from 1% on: the percentage alone", 0.01, u"1.0%"_s);
        row("a half, one decimal", 0.5, u"50.0%"_s);
        row("almost sure: never 100.0%", 0.99951, u"more than 99.9%"_s);
        row("a million to one, grouped", 1e-6, u"less than 0.1% (1 in 1,000,000)"_s);
        row("three significant figures", 1 / 123456789.0, u"less than 0.1% (1 in 123,000,000)"_s);
        row("a billion on: a power of ten", 1 / 999.6e6, u"less than 0.1% (1 in 1.00 × 10⁹)"_s);
        row("no junk digits", 1 / 13107200000000000.0, u"less than 0.1% (1 in 1.31 × 10¹⁶)"_s);
        row("certain", 1.0, u"100%"_s, false, 0.0);
        row("a hair below certain", 1.0, u"more than 99.9%"_s, false, 7.6e-17);
        row("German: decimal comma", 0.5, u"50,0%"_s, true);
        row("German: almost sure", 0.99951, u"more than 99,9%"_s, true);
        row("German: grouped with points", 1e-6, u"less than 0,1% (1 in 1.000.000)"_s, true);
        row("German: power of ten", 1 / 13107200000000000.0, u"less than 0,1% (1 in 1,31 × 10¹⁶)"_s,
            true);
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
        QTest::addColumn<QStringList>("lines");

        using Sheet::StepTest;
        const Edition first = Edition::First;

        QTest::newRow("step 11 + D6 against 13")
            << first << StepTest {.step = 11, .karmaPoints = 1, .target = 13}
            << QStringList({u"Step 11: D10+D8, karma D6"_s, u"Mean 15.5, most likely total 13"_s,
                            u"Middle 90% of rolls: 7 to 28"_s, u"Success (13 or more): 63.0%"_s,
                            u"Beating it by 5 or more (18 or more): 30.8%"_s,
                            u"Beating it by 10 or more (23 or more): 13.9%"_s,
                            u"Beating it by 15 or more (28 or more): 5.4%"_s,
                            u"Fumble: 0.2% (1 in 480)"_s});
        QTest::newRow("4th step 10 + 2 karma D6 + devotion D8 against 20: extra successes")
            << Edition::Fourth << Devoted
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

        const DicePool pool = Sheet::PoolOf(test, edition);
        const StepOdds odds = ComputeStepOdds(DiceOf(pool, StepTableOf(edition).failureRule()));
        QStringList text;
        for (const std::string &line :
             SummaryLines(test.step, pool, edition, *test.target, odds, {}))
            text << QString::fromStdString(line);
        QTEST(text, "lines");
    }
};

QTEST_GUILESS_MAIN(TestExactOdds)
#include "tst_odds.moc"
