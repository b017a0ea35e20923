// Exact dice cases with scripted random values: the exploding die, the roll counter,
// the step pools, the fumble rule and what a roll says it rolled.
#include "Dice.h"
#include "RuntimeErrors.h"
#include "ScriptedRandom.h"
#include "StepRoller.h"
#include "StepTable.h"

#include <QTest>

#include <vector>

using namespace MainBas;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// The u values that make the pool's dice show these faces, die after die: a face equal
// to a die's size explodes it, so the next face belongs to the same die.
ScriptedRandom scriptFor(const DicePool &pool, const std::vector<int> &faces)
{
    ScriptedRandom script;
    std::size_t die = 0;
    for (const int face : faces) {
        const int size = pool.dice().at(die).size;
        script.add(Face(size, face));
        die += face != size ? 1 : 0;
    }
    return script;
}

// "6+6+2 8:1" for a roll's dice: each die's rolls, then its size.
QString diceOf(const PoolRoll &roll)
{
    QStringList dice;
    for (const RolledDie &die : roll.dice) {
        QStringList rolls;
        for (const std::int16_t face : die.rolls)
            rolls << QString::number(face);
        const char *role = die.role == DieRole::Karma ? "k" : "";
        dice << QStringLiteral("%1%2:%3")
                    .arg(QLatin1String(role))
                    .arg(die.size)
                    .arg(rolls.join(u'+'));
    }
    return dice.join(u' ');
}

} // namespace

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
            RandomSource ends = ScriptedRandom {0.0, LargestBelowOne, 1.0}.source();
            QCOMPARE(DrawFace(ends, n), 1);
            QCOMPARE(DrawFace(ends, n), size);
            QCOMPARE(DrawFace(ends, n), size);
            const double edge = static_cast<double>(size - 1) / size;
            if (size == 32767)
                break; // its explosion would overflow the total
            for (const double u : {std::nextafter(edge, 0.0), edge, std::nextafter(edge, 1.0)}) {
                RandomSource source = ScriptedRandom {u, u, Face(size, 1)}.source();
                const int shown = DrawFace(source, n);
                RollCount = 0;
                QCOMPARE(RollDie(source, n), shown == size ? size + 1 : shown);
            }
        }
    }

    // The roll that would be the 32768th is refused before it is drawn; a total that
    // leaves 16 bits is refused, too, and a failed step roll leaves the flag as it was.
    void overflows()
    {
        ScriptedRandom script {Face(6, 2), Face(6, 5)};
        RandomSource source = script.source();
        RollCount = 32766;
        QCOMPARE(RollDie(source, 6), 2);
        QCOMPARE(ErrorNumberOf([&] { RollDie(source, 6); }), int(Overflow));
        QCOMPARE(RollCount, 32767);
        QCOMPARE(script.draws(), std::size_t {1});

        RandomSource twenties = ScriptedRandom::repeating(Face(20, 20)).source();
        RollCount = 0;
        QCOMPARE(ErrorNumberOf([&] { RollDie(twenties, 20); }), int(Overflow));
        QCOMPARE(RollCount, 1639); // 1638 twenties still fit in 16 bits
        FumbleFlag = 7;
        RollCount = 5;
        QCOMPARE(ErrorNumberOf([&] { RollStep(FirstEditionTable(), 14, twenties); }),
                 int(Overflow));
        QCOMPARE(FumbleFlag, 7);
        QCOMPARE(RollCount, 1639); // counted from 0, as far as the d20 came
    }

    // Faces in the order the pool rolls its dice, each die rolled out before the next; the
    // roll tells each die's rolls, and RollStep's program-wide values agree with it.
    void stepRoll_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<std::vector<int>>("faces");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("fumble");
        QTest::addColumn<QString>("dice");

        using Faces = std::vector<int>;
        QTest::newRow("step 8 shows 1 and 1") << 8 << Faces {1, 1} << 2 << 2 << true << "6:1 6:1";
        QTest::newRow("step 8 shows 1 and 2") << 8 << Faces {1, 2} << 3 << 2 << false << "6:1 6:2";
        QTest::newRow("step 12, first die explodes")
            << 12 << Faces {10, 3, 3} << 16 << 3 << false << "10:10+3 10:3";
        QTest::newRow("step 19, both explode, one twice")
            << 19 << Faces {20, 5, 6, 6, 2, 6, 1} << 46 << 7 << false << "20:20+5 6:6+6+2 6:6+1";
        QTest::newRow("step 1 shows 2, total 0") << 1 << Faces {2} << 0 << 1 << true << "4:2";
        QTest::newRow("step 1 shows 4 then 1, total 3")
            << 1 << Faces {4, 1} << 3 << 2 << false << "4:4+1";
        QTest::newRow("step 2 shows 2, total 1") << 2 << Faces {2} << 1 << 1 << true << "4:2";
        QTest::newRow("step 100 all ones") << 100 << Faces(14, 1) << 14 << 14 << true
                                           << "20:1 20:1 20:1 20:1 10:1 10:1 10:1 10:1 10:1 "
                                              "10:1 8:1 8:1 8:1 8:1";
        QTest::newRow("step 100, highest faces short of exploding")
            << 100 << Faces {19, 19, 19, 19, 9, 9, 9, 9, 9, 9, 7, 7, 7, 7} << 158 << 14 << false
            << "20:19 20:19 20:19 20:19 10:9 10:9 10:9 10:9 10:9 10:9 8:7 8:7 8:7 8:7";
        // Steps without a pool roll nothing and return 1, flagged.
        QTest::newRow("step 0") << 0 << Faces {} << 1 << 0 << true << "";
        QTest::newRow("step 101") << 101 << Faces {} << 1 << 0 << true << "";
    }

    void stepRoll()
    {
        QFETCH(int, step);
        QFETCH(std::vector<int>, faces);
        QFETCH(int, total);
        QFETCH(int, count);
        QFETCH(bool, fumble);
        QFETCH(QString, dice);

        const bool inTable = step >= 1 && step <= StepCount;
        ScriptedRandom script
            = inTable ? scriptFor(FirstEditionTable().pool(step), faces) : ScriptedRandom();
        RandomSource source = script.source();
        RollCount = 999;
        FumbleFlag = fumble ? 0 : -1; // the verdict of an earlier roll never stays
        const PoolRoll roll
            = RollStep(FirstEditionTable(), static_cast<std::int16_t>(step), source);
        QCOMPARE(roll.total, total);
        QCOMPARE(roll.singleRolls, count);
        QCOMPARE(roll.fumble, fumble);
        QCOMPARE(diceOf(roll), dice);
        QCOMPARE(RollCount, count);
        QCOMPARE(FumbleFlag, fumble ? -1 : 0);
        QCOMPARE(script.remaining(), std::size_t {0});
    }

    // Any pool rolls the same way: a step's dice with a karma die, and a single free die.
    void anyPool()
    {
        DicePool pool = FirstEditionTable().pool(11);
        pool.add(6, 1, DieRole::Karma);
        RandomSource source
            = ScriptedRandom {Face(10, 10), Face(10, 7), Face(8, 3), Face(6, 6), Face(6, 4)}
                  .source();
        std::int16_t count = 0;
        PoolRoll roll = RollPool(pool, source, count);
        QCOMPARE(diceOf(roll), QStringLiteral("10:10+7 8:3 k6:6+4"));
        QCOMPARE(roll.total, 30);
        QCOMPARE(roll.dice[2].total, 10);
        QCOMPARE(count, 5);

        RandomSource once = ScriptedRandom {Face(20, 1)}.source();
        roll = RollPool(DicePool().add(20), once, count);
        QCOMPARE(roll.total, 1);
        QVERIFY(roll.fumble);
        QCOMPARE(count, 6); // counted on top of what the counter held
    }

    // The table's pools against the notation players read, and as the windows write them.
    void firstEditionTable()
    {
        const StepTable &table = FirstEditionTable();
        for (int step = 1; step <= StepCount; ++step) {
            QString notation = QString::fromLatin1(FirstEditionNotation[step - 1]);
            QCOMPARE(QString::fromStdString(table.text(step)), notation.replace(u'd', u'D'));
        }
        QCOMPARE(table.pool(91).dice().size(), std::size_t {13});
        QCOMPARE(table.pool(1).adjustment(), -2);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, table.pool(101));
    }
};

QTEST_GUILESS_MAIN(TestDice)
#include "tst_dice.moc"
