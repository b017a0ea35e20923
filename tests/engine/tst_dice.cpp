// Exact dice cases with scripted random values: the exploding die, the roll counter,
// the step pools and the fumble rule.
#include "Dice.h"
#include "RuntimeErrors.h"
#include "ScriptedRandom.h"
#include "StepPools.h"
#include "StepRoller.h"

#include <QTest>

#include <vector>

using namespace MainBas;

Q_DECLARE_METATYPE(std::vector<int>)

class TestDice : public QObject
{
    Q_OBJECT

private slots:
    // Faces run from 1 to n, even from a faulty source that yields 1, and a die explodes
    // exactly when it shows n, also for the draws right beside the edge of that face.
    void facesAndExplosions()
    {
        for (int size = 2; size <= 32767; ++size) {
            const auto n = static_cast<std::int16_t>(size);
            ScriptedRandom ends {0.0, LargestBelowOne, 1.0};
            QCOMPARE(DrawFace(n), 1);
            QCOMPARE(DrawFace(n), size);
            QCOMPARE(DrawFace(n), size);
            const double edge = static_cast<double>(size - 1) / size;
            if (size == 32767)
                break; // its explosion would overflow the total
            for (const double u : {std::nextafter(edge, 0.0), edge, std::nextafter(edge, 1.0)}) {
                ScriptedRandom script {u, u, Face(size, 1)};
                const int shown = DrawFace(n);
                RollCount = 0;
                QCOMPARE(RollDie(n), shown == size ? size + 1 : shown);
            }
        }
    }

    // The roll that would be the 32768th is refused before it is drawn; a total that
    // leaves 16 bits is refused, too, and a failed step roll leaves the flag as it was.
    void overflows()
    {
        ScriptedRandom script {Face(6, 2), Face(6, 5)};
        RollCount = 32766;
        QCOMPARE(RollDie(6), 2);
        QCOMPARE(ErrorNumberOf([] { RollDie(6); }), int(Overflow));
        QCOMPARE(RollCount, 32767);
        QCOMPARE(script.draws(), std::size_t {1});

        auto twenties = ScriptedRandom::repeating(Face(20, 20));
        RollCount = 0;
        QCOMPARE(ErrorNumberOf([] { RollDie(20); }), int(Overflow));
        QCOMPARE(RollCount, 1639); // 1638 twenties still fit in 16 bits
        FumbleFlag = 7;
        QCOMPARE(ErrorNumberOf([] { RollStep(14); }), int(Overflow));
        QCOMPARE(FumbleFlag, 7);
    }

    // Faces in the order the pool rolls its dice, each die rolled out before the next.
    void stepRoll_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<std::vector<int>>("faces");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("fumble");

        using Faces = std::vector<int>;
        QTest::newRow("step 8 shows 1 and 1") << 8 << Faces {1, 1} << 2 << 2 << true;
        QTest::newRow("step 8 shows 1 and 2") << 8 << Faces {1, 2} << 3 << 2 << false;
        QTest::newRow("step 12, first die explodes") << 12 << Faces {10, 3, 3} << 16 << 3 << false;
        QTest::newRow("step 1 shows 2, total 0") << 1 << Faces {2} << 0 << 1 << true;
        QTest::newRow("step 2 shows 2, total 1") << 2 << Faces {2} << 1 << 1 << true;
        QTest::newRow("step 100 all ones") << 100 << Faces(14, 1) << 14 << 14 << true;
        QTest::newRow("step 100, highest faces short of exploding")
            << 100 << Faces {19, 19, 19, 19, 9, 9, 9, 9, 9, 9, 7, 7, 7, 7} << 158 << 14 << false;
        // Steps without a pool roll nothing and return 1, flagged.
        QTest::newRow("step 0") << 0 << Faces {} << 1 << 0 << true;
        QTest::newRow("step 101") << 101 << Faces {} << 1 << 0 << true;
    }

    void stepRoll()
    {
        QFETCH(int, step);
        QFETCH(std::vector<int>, faces);
        QFETCH(int, total);
        QFETCH(int, count);
        QFETCH(bool, fumble);

        ScriptedRandom script;
        std::size_t die = 0;
        for (const int face : faces) {
            const int size = PoolOfStep(step).dice[die];
            script.add(Face(size, face));
            die += face != size ? 1 : 0;
        }
        RollCount = 999;
        FumbleFlag = fumble ? 0 : -1; // the verdict of an earlier roll never stays
        QCOMPARE(RollStep(static_cast<std::int16_t>(step)), total);
        QCOMPARE(RollCount, count);
        QCOMPARE(FumbleFlag, fumble ? -1 : 0);
        QCOMPARE(script.remaining(), std::size_t {0});
    }
};

QTEST_GUILESS_MAIN(TestDice)
#include "tst_dice.moc"
