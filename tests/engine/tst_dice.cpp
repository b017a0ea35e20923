// Exact dice cases with scripted random values: the exploding die, the roll counter,
// the step pools, the fumble rule and what a roll says it rolled.
#include "Dice.h"
#include "Edition.h"
#include "RuntimeErrors.h"
#include "ScriptedRandom.h"
#include "StepRoller.h"
#include "StepTable.h"

#include <QTest>

#include <vector>

using namespace MainBas;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(MainBas::Edition)

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

        const auto row = [](const char *name, int step, const std::vector<int> &faces, int total,
                            int count, bool fumble, const char *dice) {
            QTest::newRow(name) << step << faces << total << count << fumble
                                << QString::fromLatin1(dice);
        };
        row("step 8 shows 1 and 1", 8, {1, 1}, 2, 2, true, "6:1 6:1");
        row("step 8 shows 1 and 2", 8, {1, 2}, 3, 2, false, "6:1 6:2");
        row("step 12, first die explodes", 12, {10, 3, 3}, 16, 3, false, "10:10+3 10:3");
        row("step 19, both explode, one twice", 19, {20, 5, 6, 6, 2, 6, 1}, 46, 7, false,
            "20:20+5 6:6+6+2 6:6+1");
        row("step 1 shows 2, total 0", 1, {2}, 0, 1, true, "4:2");
        row("step 1 shows 4 then 1, total 3", 1, {4, 1}, 3, 2, false, "4:4+1");
        row("step 2 shows 2, total 1", 2, {2}, 1, 1, true, "4:2");
        row("step 100 all ones", 100, std::vector<int>(14, 1), 14, 14, true,
            "20:1 20:1 20:1 20:1 10:1 10:1 10:1 10:1 10:1 10:1 8:1 8:1 8:1 8:1");
        row("step 100, highest faces short of exploding", 100,
            {19, 19, 19, 19, 9, 9, 9, 9, 9, 9, 7, 7, 7, 7}, 158, 14, false,
            "20:19 20:19 20:19 20:19 10:9 10:9 10:9 10:9 10:9 10:9 8:7 8:7 8:7 8:7");
        // Steps without a pool roll nothing and return 1, flagged.
        row("step 0", 0, {}, 1, 0, true, "");
        row("step 101", 101, {}, 1, 0, true, "");
    }

    void stepRoll()
    {
        QFETCH(int, step);
        QFETCH(std::vector<int>, faces);
        QFETCH(int, total);
        QFETCH(int, count);
        QFETCH(bool, fumble);

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
        QTEST(diceOf(roll), "dice");
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

    // Every other edition's table against rows written out by hand: the first and last steps
    // and every edge of the patterns, as the windows write the pools. (The program's own
    // table: see below.)
    void editionTables_data()
    {
        QTest::addColumn<Edition>("edition");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("pool");
        const auto rows = [](Edition edition, const QString &pools) { // "step:pool ..."
            for (const QString &row : pools.split(u' ')) {
                const int step = row.section(u':', 0, 0).toInt();
                QTest::addRow("%s, step %d", EditionKey(edition).data(), step)
                    << edition << step << row.section(u':', 1);
            }
        };
        rows(Edition::Classic,
             u"1:D4-2 13:D12+D10 14:2D12 15:D20+D6 91:4D20+4D10+3D8+2D6 100:4D20+6D10+4D8"_s);
        rows(Edition::Third,
             u"1:D6-3 3:D6-1 7:D12 8:2D6 14:2D12 15:D12+2D6 20:2D12+D10 21:3D12 "
             "22:2D12+2D6 99:13D12+2D6 100:13D12+D8+D6"_s);
        rows(Edition::Fourth,
             u"1:D4-2 7:D12 8:2D6 10:2D8 14:2D12 18:D12+D10+D8 19:D20+2D6 "
             "29:D20+D12+D10+D8 30:2D20+2D6 91:7D20+2D12 100:8D20+2D10"_s);
    }

    void editionTables()
    {
        QFETCH(Edition, edition);
        QFETCH(int, step);
        QTEST(QString::fromStdString(StepTableOf(edition).text(step)), "pool");
    }

    // The Rule of One by edition: every die, karma dice included, showing 1 at once; in 4th
    // edition only with two dice or more. 1st edition keeps the program's fumble rule.
    void ruleOfOne_data()
    {
        QTest::addColumn<Edition>("edition");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("karma"); // a karma die's size, or 0
        QTest::addColumn<std::vector<int>>("faces");
        QTest::addColumn<bool>("fails");

        const auto row = [](const char *name, Edition edition, int step, int karma,
                            const std::vector<int> &faces, bool fails) {
            QTest::newRow(name) << edition << step << karma << faces << fails;
        };
        const Edition third = Edition::Third;
        const Edition fourth = Edition::Fourth;
        row("3rd, step 1 shows 1 (total -2)", third, 1, 0, {1}, true);
        row("3rd, step 4 shows 1", third, 4, 0, {1}, true);
        row("3rd, step 4 shows 2", third, 4, 0, {2}, false);
        row("3rd, step 4 and karma D6 both 1", third, 4, 6, {1, 1}, true);
        row("3rd, step 4 shows 1, karma 2", third, 4, 6, {1, 2}, false);
        row("4th, one die showing 1 is not", fourth, 4, 0, {1}, false);
        row("4th, step 3 (D4) showing 1 and karma 1", fourth, 3, 6, {1, 1}, true);
        row("4th, two dice showing 1", fourth, 8, 0, {1, 1}, true);
        row("4th, step 1 showing 2 (total 0) is not", fourth, 1, 0, {2}, false);
        row("4th, an exploded die is no 1", fourth, 8, 0, {6, 1, 1}, false);
        row("1st, step 1 showing 2 (total 0) fumbles", Edition::First, 1, 0, {2}, true);
        row("1st, one die showing 1 fumbles", Edition::First, 4, 0, {1}, true);
        row("classic, step 14 both 1", Edition::Classic, 14, 0, {1, 1}, true);
    }

    void ruleOfOne()
    {
        QFETCH(Edition, edition);
        QFETCH(int, step);
        QFETCH(int, karma);
        QFETCH(std::vector<int>, faces);
        QFETCH(bool, fails);

        const StepTable &table = StepTableOf(edition);
        DicePool pool = table.pool(step);
        if (karma != 0)
            pool.add(static_cast<std::int16_t>(karma), 1, DieRole::Karma);
        ScriptedRandom script = scriptFor(pool, faces);
        RandomSource source = script.source();
        std::int16_t count = 0;
        QCOMPARE(RollPool(pool, source, count, table.failureRule()).fumble, fails);
        RandomSource again = scriptFor(pool, faces).source();
        QCOMPARE(RollPoolSummary(pool, again, table.failureRule()).fumble, fails);
    }

    void editionKeys()
    {
        for (const Edition edition : Editions)
            QCOMPARE(EditionOfKey(EditionKey(edition)), edition);
        QCOMPARE(EditionOfKey("fifth"), std::nullopt);
        QCOMPARE(EditionOfKey(""), std::nullopt);
    }

    // The table's pools against the notation players read, and as the windows write them.
    void firstEditionTable()
    {
        const StepTable &table = FirstEditionTable();
        for (int step = 1; step <= StepCount; ++step) {
            QString notation = QString::fromLatin1(FirstEditionNotation[step - 1]);
            QCOMPARE(QString::fromStdString(table.text(step)), notation.replace(u'd', u'D'));
        }
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, table.pool(101));
    }
};

QTEST_GUILESS_MAIN(TestDice)
#include "tst_dice.moc"
