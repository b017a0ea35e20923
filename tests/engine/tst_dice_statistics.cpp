// Statistical checks of the real generator and the step pools against exact
// distributions computed here independently. Fixed seeds make a failure reproduce.
// Decisions and action draws take their faces from the same generator by the same rule.
#include "ChiSquare.h"
#include "Dice.h"
#include "Edition.h"
#include "PoolRoll.h"

#include <QTest>

using namespace MainBas;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MainBas::Edition)

namespace {

constexpr int Cap = 1200; // totals beyond this are lumped into one tail bin

// Exact distribution of a pool's total before the subtraction, indexed by total: one
// exploding n-sided die at a time, k maxima then a face f below n.
std::vector<double> poolDistribution(const QList<int> &dice)
{
    std::vector<double> dist(Cap + 1, 0.0);
    dist[0] = 1.0;
    for (const int n : dice) {
        std::vector<double> next(Cap + 1, 0.0);
        for (int t = 0; t <= Cap; ++t) {
            double chain = 1.0 / n;
            for (int k = 0; dist[t] != 0 && t + k * n < Cap; ++k, chain /= n) {
                for (int f = 1; f < n && t + k * n + f <= Cap; ++f)
                    next[t + k * n + f] += dist[t] * chain;
            }
        }
        dist = next;
    }
    return dist;
}

} // namespace

class TestDiceStatistics : public QObject
{
    Q_OBJECT

private slots:
    // The reports' path draws whole generator words and keeps the counter to itself; its
    // totals must follow the pool, and the count it hands back must make the fumbles.
    void stepRollsFollowTheirPools_data()
    {
        QTest::addColumn<Edition>("edition");
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<int>>("dice");
        QTest::addColumn<int>("subtraction");
        QTest::addColumn<double>("fumbleRate");

        const Edition first = Edition::First;
        QTest::newRow("step 1: d4-2") << first << 1 << QList<int> {4} << 2 << 0.75;
        QTest::newRow("step 2: d4-1") << first << 2 << QList<int> {4} << 1 << 0.5;
        QTest::newRow("step 3: d4") << first << 3 << QList<int> {4} << 0 << 0.25;
        QTest::newRow("step 8: 2d6") << first << 8 << QList<int> {6, 6} << 0 << 1.0 / 36;
        QTest::newRow("step 100: 4d20+6d10+4d8")
            << first << 100 << QList<int> {20, 20, 20, 20, 10, 10, 10, 10, 10, 10, 8, 8, 8, 8} << 0
            << 0.0;
        // The Rule of One: every die showing 1; in 4th edition only with two dice or more.
        QTest::newRow("3rd edition step 1: d6-3")
            << Edition::Third << 1 << QList<int> {6} << 3 << 1.0 / 6;
        QTest::newRow("3rd edition step 22: 2d12+2d6")
            << Edition::Third << 22 << QList<int> {12, 12, 6, 6} << 0 << 1.0 / (144 * 36);
        QTest::newRow("4th edition step 5: d8, one die")
            << Edition::Fourth << 5 << QList<int> {8} << 0 << 0.0;
        QTest::newRow("4th edition step 9: d8+d6")
            << Edition::Fourth << 9 << QList<int> {8, 6} << 0 << 1.0 / 48;
        QTest::newRow("4th edition step 30: 2d20+2d6")
            << Edition::Fourth << 30 << QList<int> {20, 20, 6, 6} << 0 << 1.0 / (400 * 36);
    }

    void stepRollsFollowTheirPools()
    {
        QFETCH(Edition, edition);
        QFETCH(int, step);
        QFETCH(QList<int>, dice);
        QFETCH(int, subtraction);
        QFETCH(double, fumbleRate);

        const int samples = 200000;
        std::vector<double> observed(Cap + 1, 0.0);
        int fumbles = 0;
        RandomSource source;
        source.seed(77 + static_cast<std::uint64_t>(step));
        const StepTable &table = StepTableOf(edition);
        const DicePool &pool = table.pool(step);
        for (int i = 0; i < samples; ++i) {
            const RollSummary roll = RollPoolSummary(pool, source, table.failureRule());
            ++observed[static_cast<std::size_t>(std::min(roll.total + subtraction, Cap))];
            fumbles += roll.fumble;
        }
        const std::vector<double> exact = poolDistribution(dice);
        std::vector<double> expected(Cap + 1);
        double mass = 0;
        for (int t = 0; t < Cap; ++t) {
            expected[t] = exact[t] * samples;
            mass += exact[t];
        }
        expected[Cap] = (1.0 - mass) * samples;
        const ChiSquare test = ChiSquareOf(expected, observed);
        QVERIFY2(test.degreesOfFreedom >= 3, "too few cells to judge the distribution");
        QVERIFY2(!test.rejects(),
                 qPrintable(
                     u"chi-square %1 with %2 df"_s.arg(test.statistic).arg(test.degreesOfFreedom)));

        const double sigma = std::sqrt(fumbleRate * (1 - fumbleRate) / samples);
        QVERIFY2(std::abs(double(fumbles) / samples - fumbleRate) <= 5 * sigma,
                 qPrintable(u"%1 fumbles"_s.arg(fumbles)));
    }
};

QTEST_GUILESS_MAIN(TestDiceStatistics)
#include "tst_dice_statistics.moc"
