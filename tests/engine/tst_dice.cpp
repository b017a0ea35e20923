// Exact dice cases with scripted random values: the exploding die, the roll counter,
// the step pools and the fumble rule.
#include "Dice.h"
#include "ScriptedRandom.h"
#include "StepPools.h"
#include "StepRoller.h"

#include <QTest>

#include <cmath>
#include <set>
#include <vector>

using namespace MainBas;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// Scripts a step roll: the faces are given in the order the pool rolls its dice.
ScriptedRandom scriptStep(int step, const std::vector<int> &faces)
{
    ScriptedRandom script;
    const StepPool &pool = PoolOfStep(step);
    int die = 0;
    for (const int face : faces) {
        const int size = pool.dice[die];
        script.add(Face(size, face));
        if (face != size)
            ++die;
    }
    return script;
}

ErrorNumber errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const RuntimeError &error) {
        return error.number();
    }
    return ErrorNumber {0};
}

} // namespace

class TestDice : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        RollCount = 0;
        FumbleFlag = 0;
    }

    void explodingDie_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<std::vector<int>>("faces");
        QTest::addColumn<int>("result");

        QTest::newRow("d4 shows 1") << 4 << std::vector<int> {1} << 1;
        QTest::newRow("d4 shows 3") << 4 << std::vector<int> {3} << 3;
        QTest::newRow("d4 shows 4 then 3") << 4 << std::vector<int> {4, 3} << 7;
        QTest::newRow("d4 shows 4, 4, 1") << 4 << std::vector<int> {4, 4, 1} << 9;
        QTest::newRow("d6 shows 6, 6, 2") << 6 << std::vector<int> {6, 6, 2} << 14;
        QTest::newRow("d20 shows 20 then 19") << 20 << std::vector<int> {20, 19} << 39;
        QTest::newRow("d2 shows 2, 2, 2, 1") << 2 << std::vector<int> {2, 2, 2, 1} << 7;
    }

    void explodingDie()
    {
        QFETCH(int, size);
        QFETCH(std::vector<int>, faces);
        QFETCH(int, result);

        ScriptedRandom script;
        for (const int face : faces)
            script.add(Face(size, face));
        RollCount = 5;
        QCOMPARE(RollDie(static_cast<std::int16_t>(size)), result);
        QCOMPARE(RollCount, 5 + static_cast<int>(faces.size()));
        QCOMPARE(script.remaining(), std::size_t {0});
    }

    void counterCountsBeforeDrawing()
    {
        ScriptedRandom script {Face(6, 2), Face(6, 5)};
        RollCount = 32766;
        QCOMPARE(RollDie(6), 2);
        QCOMPARE(RollCount, 32767);

        QCOMPARE(errorOf([] { RollDie(6); }), Overflow);
        QCOMPARE(RollCount, 32767);
        QCOMPARE(script.draws(), std::size_t {1});
    }

    void runawayExplosionOverflows()
    {
        auto script = ScriptedRandom::repeating(Face(20, 20));
        QCOMPARE(errorOf([] { RollDie(20); }), Overflow);
        // 1638 twenties still fit in 16 bits; the 1639th cannot be added.
        QCOMPARE(RollCount, 1639);
    }

    void freeDiceAccumulateInCounter()
    {
        ScriptedRandom script {Face(20, 20), Face(20, 5), Face(8, 3)};
        QCOMPARE(RollDie(20), 25);
        QCOMPARE(RollDie(8), 3);
        QCOMPARE(RollCount, 3);
    }

    void sizesBelowTwoAreRefused()
    {
        ScriptedRandom script;
        QCOMPARE(errorOf([] { RollDie(1); }), InvalidArgument);
        QCOMPARE(errorOf([] { RollDie(0); }), InvalidArgument);
        QCOMPARE(errorOf([] { RollDie(-4); }), InvalidArgument);
        QCOMPARE(script.draws(), std::size_t {0});
    }

    void facesStayWithinTheDie()
    {
        const double largestBelowOne = std::nextafter(1.0, 0.0);
        for (int size = 2; size <= 32767; ++size) {
            const auto n = static_cast<std::int16_t>(size);
            ScriptedRandom script {0.0, largestBelowOne, 1.0};
            QCOMPARE(DrawFace(n), 1);
            QCOMPARE(DrawFace(n), size);
            QCOMPARE(DrawFace(n), size); // even a faulty source never yields n + 1
        }
    }

    void stepRoll_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<std::vector<int>>("faces");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("fumble");

        QTest::newRow("step 3 shows 1") << 3 << std::vector<int> {1} << 1 << 1 << true;
        QTest::newRow("step 8 shows 1 and 1") << 8 << std::vector<int> {1, 1} << 2 << 2 << true;
        QTest::newRow("step 8 shows 1 and 2") << 8 << std::vector<int> {1, 2} << 3 << 2 << false;
        QTest::newRow("step 4 explodes") << 4 << std::vector<int> {6, 1} << 7 << 2 << false;
        QTest::newRow("step 1 shows 3") << 1 << std::vector<int> {3} << 1 << 1 << true;
        QTest::newRow("step 1 shows 2") << 1 << std::vector<int> {2} << 0 << 1 << true;
        QTest::newRow("step 1 shows 1") << 1 << std::vector<int> {1} << -1 << 1 << true;
        QTest::newRow("step 1 explodes") << 1 << std::vector<int> {4, 1} << 3 << 2 << false;
        QTest::newRow("step 2 shows 3") << 2 << std::vector<int> {3} << 2 << 1 << false;
        QTest::newRow("step 2 shows 2") << 2 << std::vector<int> {2} << 1 << 1 << true;
        QTest::newRow("step 2 explodes") << 2 << std::vector<int> {4, 1} << 4 << 2 << false;
        QTest::newRow("step 12 one die explodes")
            << 12 << std::vector<int> {10, 3, 3} << 16 << 3 << false;
        QTest::newRow("step 100 all ones") << 100 << std::vector<int>(14, 1) << 14 << 14 << true;
        QTest::newRow("step 100 highest faces without exploding")
            << 100 << std::vector<int> {19, 19, 19, 19, 9, 9, 9, 9, 9, 9, 7, 7, 7, 7} << 158 << 14
            << false;
        QTest::newRow("step 91 all ones") << 91 << std::vector<int>(13, 1) << 13 << 13 << true;
    }

    void stepRoll()
    {
        QFETCH(int, step);
        QFETCH(std::vector<int>, faces);
        QFETCH(int, total);
        QFETCH(int, count);
        QFETCH(bool, fumble);

        RollCount = 999;
        ScriptedRandom script = scriptStep(step, faces);
        QCOMPARE(RollStep(static_cast<std::int16_t>(step)), total);
        QCOMPARE(RollCount, count);
        QCOMPARE(FumbleFlag, fumble ? -1 : 0);
        QCOMPARE(script.remaining(), std::size_t {0});
    }

    void stepsWithoutPoolRollNothing()
    {
        for (const std::int16_t step : {std::int16_t {0}, std::int16_t {101}, std::int16_t {-5}}) {
            ScriptedRandom script;
            FumbleFlag = 0;
            RollCount = 7;
            QCOMPARE(RollStep(step), 1);
            QCOMPARE(RollCount, 0);
            QCOMPARE(FumbleFlag, -1);
            QCOMPARE(script.draws(), std::size_t {0});
        }
    }

    void fumbleFlagIsResetByNextRoll()
    {
        ScriptedRandom script {Face(4, 1), Face(4, 3)};
        RollStep(3);
        QCOMPARE(FumbleFlag, -1);
        RollStep(3);
        QCOMPARE(FumbleFlag, 0);
    }

    void overflowInStepLeavesFlagUnwritten()
    {
        auto script = ScriptedRandom::repeating(Face(4, 4));
        FumbleFlag = 0;
        QCOMPARE(errorOf([] { RollStep(3); }), Overflow);
        QCOMPARE(FumbleFlag, 0);
        QVERIFY(RollCount > 8000);
    }

    void poolTable()
    {
        // The number of dice per step, as players know the table.
        const int diceCounts[StepCount] = {
            1,  1,  1,  1,  1,  1,  1,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  2,  3,  3,
            3,  3,  3,  3,  4,  4,  4,  4,  4,  5,  5,  5,  5,  5,  5,  5,  5,  5,  5,  5,
            6,  6,  6,  6,  6,  6,  7,  7,  7,  7,  7,  8,  8,  8,  8,  8,  8,  8,  8,  8,
            8,  8,  9,  9,  9,  9,  9,  9,  10, 10, 10, 10, 10, 11, 11, 11, 11, 11, 11, 11,
            11, 11, 11, 11, 12, 12, 12, 12, 12, 12, 13, 13, 13, 13, 13, 14, 14, 14, 14, 14,
        };
        for (int step = 1; step <= StepCount; ++step) {
            const StepPool &pool = PoolOfStep(step);
            QCOMPARE(pool.diceCount, diceCounts[step - 1]);
            QCOMPARE(pool.subtraction, step == 1 ? 2 : step == 2 ? 1 : 0);
            for (int i = 0; i < pool.diceCount; ++i)
                QVERIFY(std::set<int>({4, 6, 8, 10, 12, 20}).contains(pool.dice[i]));
        }
        const StepPool &step91 = PoolOfStep(91);
        const std::vector<int> dice91(step91.dice.begin(), step91.dice.begin() + step91.diceCount);
        QCOMPARE(dice91, (std::vector<int> {20, 20, 20, 20, 10, 10, 10, 10, 8, 8, 8, 6, 6}));
        QCOMPARE(PoolNotation(91), std::string_view("4d20+4d10+3d8+2d6"));
    }
};

QTEST_GUILESS_MAIN(TestDice)
#include "tst_dice.moc"
