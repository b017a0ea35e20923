// The free dice pool, Clear and the decision buttons, clicked on the real main window
// with scripted dice and, for fairness, the real generator.
#include "BoxText.h"
#include "Dice.h"
#include "Die.h"
#include "ScriptedRandom.h"
#include "TestProgram.h"

#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTest>

#include <cmath>

using namespace MainBas;
using namespace Qt::StringLiterals;

class TestFreeDice : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;
    Die *m_die = nullptr;
    const QString m_initialInfo = u"Information Window\r\n"_s;

    void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    void addDie(int index) { click(m_die->cmdAddDice[static_cast<std::size_t>(index)]); }

    void compareBoxes(const QString &dice, const QString &result, const QString &info)
    {
        QCOMPARE(m_die->txtDices->text(), dice);
        QCOMPARE(m_die->txtErgebnis->text(), result);
        QCOMPARE(BoxText(m_die->txtInfo), info);
    }

private slots:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        QVERIFY((m_die = m_program->startWindow()));
    }
    void cleanup()
    {
        QVERIFY(m_program->takeErrors().isEmpty());
        m_program.reset();
    }

    void addOneDie_data()
    {
        QTest::addColumn<QString>("dice");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("button");
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("newDice");
        QTest::addColumn<QString>("newResult");

        // clang-format off
        QTest::newRow("sum: empty box reads 0") << "" << "" << 2 << Face(8, 5) << "+D8" << " 5";
        QTest::newRow("sum: 12.5 reads 12") << "" << "12.5" << 0 << Face(4, 1) << "+D4" << " 13";
        QTest::newRow("sum: 13.5 reads 14") << "" << "13.5" << 0 << Face(4, 1) << "+D4" << " 15";
        QTest::newRow("sum: number then text") << "" << "7 apples" << 4 << Face(12, 5) << "+D12" << " 12";
        QTest::newRow("list: outer blanks go, inner stay") << "  2D6 + D4  " << "" << 3 << Face(10, 2) << "2D6 + D4+D10" << " 2";
        QTest::newRow("list: tabs stay") << "\t2D6\t" << "" << 1 << Face(6, 1) << "\t2D6\t+D6" << " 1";
        QTest::newRow("list: after a decision") << "Decision: 5" << " 3" << 5 << Face(20, 2) << "Decision: 5+D20" << " 5";
        // clang-format on
    }

    void addOneDie()
    {
        QFETCH(QString, dice);
        QFETCH(QString, result);
        QFETCH(int, button);
        QFETCH(double, draw);
        QFETCH(QString, newDice);
        QFETCH(QString, newResult);

        m_die->txtDices->setText(dice);
        m_die->txtErgebnis->setText(result);
        SetBoxText(m_die->txtInfo, u"before"_s);
        ScriptedRandom script {draw};
        addDie(button);
        const QString line = newDice.mid(newDice.lastIndexOf(u'D')) + u" added."_s;
        compareBoxes(newDice, newResult, u"before\r\n"_s + line);
    }

    void stepRollThenD4()
    {
        ScriptedRandom script {Face(10, 4), Face(10, 5), Face(4, 3)};
        click(m_die->cmdStep[11]); // 4 + 5
        addDie(0);
        QCOMPARE(m_die->txtErgebnis->text(), u" 12"_s);
        QCOMPARE(m_die->txtDices->text(), u"2D10+D4"_s);
        QCOMPARE(RollCount, std::int16_t {3}); // on top of the step roll's two dice
    }

    // A sum past 32767 is written; reading it back fails after the die was rolled and
    // counted, and leaves every box as it was.
    void sumPast32767IsWrittenThenOverflows()
    {
        m_die->txtErgebnis->setText(u"32767"_s);
        ScriptedRandom script {Face(4, 3), Face(6, 2)};
        addDie(0);
        const QString info = m_initialInfo + u"\r\nD4 added."_s;
        compareBoxes(u"+D4"_s, u" 32770"_s, info);
        const auto rolls = RollCount;
        addDie(1);
        QCOMPARE(m_program->takeErrors(), QStringList {u"Run-time error 6: Overflow"_s});
        compareBoxes(u"+D4"_s, u" 32770"_s, info);
        QCOMPARE(RollCount, std::int16_t(rolls + 1));
    }

    // The worked example from a fresh start; Clear then empties the three boxes and
    // nothing else, and dice added afterwards start afresh.
    void workedExampleThenClear()
    {
        ScriptedRandom script {Face(6, 4), Face(20, 20), Face(20, 7)};
        addDie(1);
        compareBoxes(u"+D6"_s, u" 4"_s, m_initialInfo + u"\r\nD6 added."_s);
        addDie(5);
        compareBoxes(u"+D6+D20"_s, u" 31"_s, m_initialInfo + u"\r\nD6 added.\r\nD20 added."_s);
        m_die->txtProbeCount->setText(u"250"_s);
        const std::int16_t rolls = RollCount;
        for (int clicks = 0; clicks < 2; ++clicks) { // the second on empty boxes
            click(m_die->cmdClean);
            compareBoxes({}, {}, {});
        }
        QCOMPARE(m_die->txtProbeCount->text(), u"250"_s);
        QCOMPARE(RollCount, rolls);
        for (const int face : {1, 2, 3}) {
            script.add(Face(20, face));
            addDie(5);
        }
        compareBoxes(u"+D20+D20+D20"_s, u" 6"_s, u"\r\nD20 added.\r\nD20 added.\r\nD20 added."_s);
    }

    void decision_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("result");

        const double largestBelowOne = std::nextafter(1.0, 0.0);
        QTest::newRow("2 with u = 0") << 0 << 0.0 << " 1";
        QTest::newRow("2 with the largest u below 1") << 0 << largestBelowOne << " 2";
        QTest::newRow("5 with u = 0.5") << 3 << 0.5 << " 3";
        QTest::newRow("51 with u = 0") << 49 << 0.0 << " 1";
        QTest::newRow("51 with the largest u below 1") << 49 << largestBelowOne << " 51";
    }

    void decision()
    {
        QFETCH(int, button);
        QFETCH(double, draw);
        QFETCH(QString, result);

        RollCount = 9;
        ScriptedRandom script {draw};
        click(m_die->cmdDecision[static_cast<std::size_t>(button)]);
        const QString n = u" "_s + QString::number(button + 2);
        compareBoxes(u"Decision:"_s + n, result,
                     u"A decision was made between"_s + n + u" possibilities. The result was"_s
                         + result + u"."_s);
        QCOMPARE(RollCount, std::int16_t {9});
    }

    void decisionIsFair()
    {
        Random().seed(20240611);
        QMap<QString, int> seen;
        for (int i = 0; i < 3000; ++i) {
            click(m_die->cmdDecision[1]);
            ++seen[m_die->txtErgebnis->text()];
        }
        QCOMPARE(seen.keys(), QStringList({u" 1"_s, u" 2"_s, u" 3"_s}));
        double chiSquare = 0;
        for (const int count : seen)
            chiSquare += std::pow(count - 1000, 2) / 1000;
        // Two degrees of freedom: 13.82 is exceeded by chance once in a thousand runs.
        QVERIFY2(chiSquare < 13.82, qPrintable(QString::number(chiSquare)));
    }
};

QTEST_MAIN(TestFreeDice)
#include "tst_freedice.moc"
