// Statistical checks of the real generator and the step pools against exact
// distributions computed here independently. Fixed seeds make a failure reproduce.
#include "ChiSquare.h"
#include "Dice.h"
#include "StepPools.h"
#include "StepRoller.h"

#include <QTest>

#include <cmath>
#include <vector>

using namespace MainBas;

namespace {

constexpr int Cap = 1200; // totals beyond this are lumped into one tail bin

// Distribution of one exploding n-sided die: k maxima then a face f below n.
std::vector<double> explodingDie(int n)
{
    std::vector<double> p(Cap + 1, 0.0);
    double chain = 1.0 / n;
    for (int k = 0; k * n < Cap; ++k, chain /= n) {
        for (int f = 1; f < n && k * n + f <= Cap; ++f)
            p[k * n + f] = chain;
    }
    return p;
}

std::vector<double> convolve(const std::vector<double> &a, const std::vector<double> &b)
{
    std::vector<double> c(Cap + 1, 0.0);
    for (int i = 0; i <= Cap; ++i) {
        if (a[i] == 0)
            continue;
        for (int j = 0; i + j <= Cap; ++j)
            c[i + j] += a[i] * b[j];
    }
    return c;
}

// Exact distribution of a pool's total before the subtraction, indexed by total.
std::vector<double> poolDistribution(const std::vector<int> &dice)
{
    std::vector<double> dist(Cap + 1, 0.0);
    dist[0] = 1.0;
    for (const int n : dice)
        dist = convolve(dist, explodingDie(n));
    return dist;
}

} // namespace

class TestDiceStatistics : public QObject
{
    Q_OBJECT

private slots:
    void facesAreUniform_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {4, 6, 8, 10, 12, 20})
            QTest::addRow("d%d", size) << size;
    }

    void facesAreUniform()
    {
        QFETCH(int, size);
        Random().seed(1000 + static_cast<std::uint64_t>(size));
        const int draws = 60000;
        std::vector<double> observed(static_cast<std::size_t>(size), 0.0);
        for (int i = 0; i < draws; ++i)
            ++observed[static_cast<std::size_t>(DrawFace(static_cast<std::int16_t>(size)) - 1)];
        const std::vector<double> expected(static_cast<std::size_t>(size),
                                           static_cast<double>(draws) / size);
        const ChiSquare test = chiSquare(expected, observed);
        QVERIFY2(test.passes(), qPrintable(test.describe()));
    }

    void stepTotalsFollowTheirPools_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<int>>("dice");
        QTest::addColumn<int>("subtraction");

        QTest::newRow("step 1: d4-2") << 1 << QList<int> {4} << 2;
        QTest::newRow("step 2: d4-1") << 2 << QList<int> {4} << 1;
        QTest::newRow("step 3: d4") << 3 << QList<int> {4} << 0;
        QTest::newRow("step 12: 2d10") << 12 << QList<int> {10, 10} << 0;
        QTest::newRow("step 100: 4d20+6d10+4d8")
            << 100 << QList<int> {20, 20, 20, 20, 10, 10, 10, 10, 10, 10, 8, 8, 8, 8} << 0;
    }

    void stepTotalsFollowTheirPools()
    {
        QFETCH(int, step);
        QFETCH(QList<int>, dice);
        QFETCH(int, subtraction);

        const std::vector<double> exact = poolDistribution({dice.begin(), dice.end()});
        const int samples = 200000;
        std::vector<double> observed(Cap + 1, 0.0);
        Random().seed(77 + static_cast<std::uint64_t>(step));
        for (int i = 0; i < samples; ++i) {
            const int poolTotal = RollStep(static_cast<std::int16_t>(step)) + subtraction;
            ++observed[static_cast<std::size_t>(std::min(poolTotal, Cap))];
        }
        std::vector<double> expected(Cap + 1);
        double mass = 0;
        for (int t = 0; t < Cap; ++t) {
            expected[t] = exact[t] * samples;
            mass += exact[t];
        }
        expected[Cap] = (1.0 - mass) * samples;
        const ChiSquare test = chiSquare(expected, observed);
        QVERIFY2(test.degreesOfFreedom >= 3, "too few cells to judge the distribution");
        QVERIFY2(test.passes(), qPrintable(test.describe()));
    }

    void fumbleRates_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<double>("rate");

        QTest::newRow("step 1: three in four") << 1 << 0.75;
        QTest::newRow("step 2: one in two") << 2 << 0.5;
        QTest::newRow("step 4: one in six") << 4 << 1.0 / 6;
        QTest::newRow("step 8: one in 36") << 8 << 1.0 / 36;
    }

    void fumbleRates()
    {
        QFETCH(int, step);
        QFETCH(double, rate);

        Random().seed(4242);
        const int samples = 200000;
        int fumbles = 0;
        for (int i = 0; i < samples; ++i) {
            RollStep(static_cast<std::int16_t>(step));
            fumbles += FumbleFlag != 0;
        }
        const double sigma = std::sqrt(rate * (1 - rate) / samples);
        QVERIFY2(std::abs(double(fumbles) / samples - rate) < 5 * sigma,
                 qPrintable(QStringLiteral("%1 fumbles in %2").arg(fumbles).arg(samples)));
    }
};

QTEST_GUILESS_MAIN(TestDiceStatistics)
#include "tst_dice_statistics.moc"
