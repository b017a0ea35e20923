// A test as a player rolls it: the modified step, the dice with karma and devotion, and the
// verdict against a target number, from scripted dice.
#include "ScriptedRandom.h"
#include "StepTest.h"

#include <QTest>

using namespace MainBas;
using namespace MainBas::Sheet;

Q_DECLARE_METATYPE(MainBas::Edition)

namespace {

// Draws that make each die of the pool show the face given for it, no explosions.
RandomSource showing(const DicePool &pool, const QList<int> &faces)
{
    ScriptedRandom script;
    for (qsizetype i = 0; i < faces.size(); ++i)
        script.add(Face(pool.dice().at(static_cast<std::size_t>(i)).size, faces[i]));
    return script.source();
}

} // namespace

class TestSheet : public QObject
{
    Q_OBJECT

private slots:
    void modifiedStep_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("wounds");
        QTest::addColumn<int>("modifier");
        QTest::addColumn<int>("modified");
        QTest::addColumn<bool>("clamped");
        QTest::newRow("two wounds") << 11 << 2 << 0 << 9 << false;
        QTest::newRow("wounds and a bonus") << 11 << 2 << 3 << 12 << false;
        QTest::newRow("down to step 1") << 3 << 2 << 0 << 1 << false;
        QTest::newRow("below step 1") << 3 << 5 << 0 << 1 << true;
        QTest::newRow("above step 100") << 99 << 0 << 5 << 100 << true;
        QTest::newRow("no overflow on extremes")
            << 2147483647 << -2147483647 << 2147483647 << 100 << true;
    }

    void modifiedStep()
    {
        QFETCH(int, step);
        QFETCH(int, wounds);
        QFETCH(int, modifier);
        QFETCH(int, modified);
        QFETCH(bool, clamped);
        const ModifiedStep result
            = ModifiedStepOf({.step = step, .wounds = wounds, .modifier = modifier});
        QCOMPARE(result.step, modified);
        QCOMPARE(result.clamped, clamped);
    }

    // Step 11 (D10+D8) with a karma D6 against 13 (3rd edition: no extra successes), and
    // the same dice in 4th edition, where every full 5 above the target is one more.
    void verdicts_data()
    {
        QTest::addColumn<Edition>("edition");
        QTest::addColumn<QList<int>>("faces");
        QTest::addColumn<bool>("success");
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("extra");
        QTest::addColumn<bool>("automatic");

        const Edition third = Edition::Third;
        const Edition fourth = Edition::Fourth;
        QTest::newRow("short by 1") << third << QList<int> {5, 4, 3} << false << -1 << 0 << false;
        QTest::newRow("exactly the target")
            << third << QList<int> {6, 4, 3} << true << 0 << 0 << false;
        QTest::newRow("3rd: TN+5, no extras")
            << third << QList<int> {9, 6, 3} << true << 5 << 0 << false;
        QTest::newRow("4th: TN+4") << fourth << QList<int> {9, 5, 3} << true << 4 << 0 << false;
        QTest::newRow("4th: TN+5") << fourth << QList<int> {9, 6, 3} << true << 5 << 1 << false;
        QTest::newRow("4th: TN+9, a devotion D4")
            << fourth << QList<int> {9, 7, 5, 1} << true << 9 << 1 << false;
        QTest::newRow("4th: TN+10")
            << fourth << QList<int> {9, 7, 5, 2} << true << 10 << 2 << false;
        QTest::newRow("4th: every die 1, karma too")
            << fourth << QList<int> {1, 1, 1} << false << -10 << 0 << true;
        QTest::newRow("1st: every die 1 is the fumble")
            << Edition::First << QList<int> {1, 1, 1} << false << -10 << 0 << true;
    }

    void verdicts()
    {
        QFETCH(Edition, edition);
        QFETCH(QList<int>, faces);
        QFETCH(bool, success);
        QFETCH(int, margin);
        QFETCH(int, extra);
        QFETCH(bool, automatic);

        const StepTest test {
            .step = 11, .karmaPoints = 1, .devotionPoints = faces.size() > 3 ? 1 : 0, .target = 13};
        RandomSource source = showing(PoolOf(test, edition), faces);
        const TestResult result = RollTest(test, edition, source);
        QCOMPARE(result.verdict.success, success);
        QCOMPARE(result.verdict.margin, margin);
        QCOMPARE(result.verdict.extraSuccesses, extra);
        QCOMPARE(result.verdict.automaticFailure, automatic);
        QCOMPARE(result.roll.dice.back().role,
                 faces.size() > 3 ? DieRole::Devotion : DieRole::Karma);
    }

    // The Rule of One fails a test that reaches its target: a devotion die of 1 and two
    // more dice of 1 can total enough only if the target is low.
    void ruleOfOneBeatsTheTotal()
    {
        // 4th edition step 3: D4, karma D6.
        const StepTest test {.step = 3, .karmaPoints = 1, .target = 2};
        RandomSource source = showing(PoolOf(test, Edition::Fourth), {1, 1});
        const TestResult result = RollTest(test, Edition::Fourth, source);
        QCOMPARE(result.roll.total, 2);
        QVERIFY(result.verdict.automaticFailure);
        QVERIFY(!result.verdict.success);
        QVERIFY(result.verdict.hasTarget);
    }

    void noTargetNoVerdict()
    {
        const StepTest test {.step = 8};
        RandomSource source = showing(PoolOf(test, Edition::First), {4, 5});
        const TestResult result = RollTest(test, Edition::First, source);
        QCOMPARE(result.roll.total, 9);
        QVERIFY(!result.verdict.hasTarget);
        QVERIFY(!result.verdict.success);
    }
};

QTEST_GUILESS_MAIN(TestSheet)
#include "tst_sheet.moc"
