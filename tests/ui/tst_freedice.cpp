// The free dice pool, Clear and the decision buttons, clicked on the real main window
// with scripted dice and, for fairness, the real generator.
#include "BoxText.h"
#include "Dice.h"
#include "Die.h"
#include "ScriptedRandom.h"
#include "Startup.h"
#include "TestProgram.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>

using namespace MainBas;

Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(std::vector<double>)

namespace {

const double LargestBelowOne = std::nextafter(1.0, 0.0);

} // namespace

class TestFreeDice : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_program;
    Die *m_die = nullptr;

    void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    void addDie(int index) { click(m_die->cmdAddDice[static_cast<std::size_t>(index)]); }

    void setBoxes(const QString &dice, const QString &result, const QString &info)
    {
        m_die->txtDices->setText(dice);
        m_die->txtErgebnis->setText(result);
        SetBoxText(m_die->txtInfo, info);
    }

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
        QVERIFY(StartProgram());
        m_die = MainWindow();
    }
    void cleanup()
    {
        QVERIFY(m_program->takeErrors().isEmpty());
        m_program.reset();
    }

    void workedExample()
    {
        ScriptedRandom script {Face(6, 4), Face(20, 20), Face(20, 7)};
        addDie(1);
        compareBoxes(QStringLiteral("+D6"), QStringLiteral(" 4"),
                     QStringLiteral("Information Window\r\n\r\nD6 added."));
        addDie(5);
        compareBoxes(QStringLiteral("+D6+D20"), QStringLiteral(" 31"),
                     QStringLiteral("Information Window\r\n\r\nD6 added.\r\nD20 added."));
        QCOMPARE(script.remaining(), std::size_t {0});
    }

    void addOneDie_data()
    {
        QTest::addColumn<QString>("dice");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("button");
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("newDice");
        QTest::addColumn<QString>("newResult");
        QTest::addColumn<QString>("newLine");

        // clang-format off
        // Reading the sum back from the result box.
        QTest::newRow("sum: empty box reads 0") << "" << "" << 2 << Face(8, 5) << "+D8" << " 5" << "D8";
        QTest::newRow("sum: 12.5 rounds down to even") << "" << "12.5" << 0 << Face(4, 1) << "+D4" << " 13" << "D4";
        QTest::newRow("sum: 13.5 rounds up to even") << "" << "13.5" << 0 << Face(4, 1) << "+D4" << " 15" << "D4";
        QTest::newRow("sum: number then text") << "" << "7 apples" << 3 << Face(10, 2) << "+D10" << " 9" << "D10";
        QTest::newRow("sum: text alone reads 0") << "" << "abc" << 4 << Face(12, 5) << "+D12" << " 5" << "D12";
        QTest::newRow("sum: negative") << "" << "-10" << 0 << Face(4, 2) << "+D4" << "-8" << "D4";
        QTest::newRow("sum: -32768.5 rounds to -32768")
            << "" << "-32768.5" << 0 << Face(4, 1) << "+D4" << "-32767" << "D4";
        QTest::newRow("sum: 32767 plus 3 is written")
            << "" << "32767" << 0 << Face(4, 3) << "+D4" << " 32770" << "D4";
        // The dice list.
        QTest::newRow("list: outer blanks go, inner stay")
            << "  2D6 + D4  " << "" << 1 << Face(6, 1) << "2D6 + D4+D6" << " 1" << "D6";
        QTest::newRow("list: tabs stay") << "\t2D6\t" << "" << 1 << Face(6, 1) << "\t2D6\t+D6" << " 1" << "D6";
        QTest::newRow("list: after a decision")
            << "Decision: 5" << " 3" << 1 << Face(6, 2) << "Decision: 5+D6" << " 5" << "D6";
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
        QFETCH(QString, newLine);

        setBoxes(dice, result, QStringLiteral("before"));
        ScriptedRandom script {draw};
        addDie(button);
        compareBoxes(newDice, newResult,
                     QStringLiteral("before\r\n") + newLine + QStringLiteral(" added."));
    }

    void stepRollThenD4()
    {
        ScriptedRandom script {Face(10, 4), Face(10, 5), Face(4, 3)};
        click(m_die->cmdStep[11]);
        QCOMPARE(m_die->txtErgebnis->text(), QStringLiteral(" 9"));
        addDie(0);
        QCOMPARE(m_die->txtErgebnis->text(), QStringLiteral(" 12"));
        QCOMPARE(m_die->txtDices->text(), QStringLiteral("2D10+D4"));
        // The free die counts on top of the step roll's two dice.
        QCOMPARE(RollCount, std::int16_t {3});
    }

    void threeD20AfterClear()
    {
        ScriptedRandom script {Face(20, 1), Face(20, 2), Face(20, 3)};
        click(m_die->cmdClean);
        for (int i = 0; i < 3; ++i)
            addDie(5);
        compareBoxes(QStringLiteral("+D20+D20+D20"), QStringLiteral(" 6"),
                     QStringLiteral("\r\nD20 added.\r\nD20 added.\r\nD20 added."));
    }

    void unreadableSum_data()
    {
        QTest::addColumn<QString>("result");
        QTest::newRow("written sum past 32767") << " 32770";
        QTest::newRow("typed 40000") << "40000";
        QTest::newRow("32767.5 rounds to 32768") << "32767.5";
        QTest::newRow("typed -32769") << "-32769";
        QTest::newRow("too large for any number") << QStringLiteral("9").repeated(400);
    }

    void unreadableSum()
    {
        QFETCH(QString, result);
        setBoxes(QStringLiteral("+D4"), result, QStringLiteral("before"));
        RollCount = 5;
        ScriptedRandom script {Face(6, 2)};
        addDie(1);

        const QStringList errors = m_program->takeErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(QStringLiteral("Overflow")), qPrintable(errors[0]));
        compareBoxes(QStringLiteral("+D4"), result, QStringLiteral("before"));
        QCOMPARE(RollCount, std::int16_t {6});
        // The program carries on.
        m_die->txtErgebnis->setText(QStringLiteral("1"));
        script.add(Face(6, 2));
        addDie(1);
        QCOMPARE(m_die->txtErgebnis->text(), QStringLiteral(" 3"));
    }

    void clear()
    {
        setBoxes(QStringLiteral("+D6"), QStringLiteral(" 4"),
                 QStringLiteral("Information Window\r\n\r\nD6 added."));
        m_die->txtProbeCount->setText(QStringLiteral("250"));
        RollCount = 4;
        click(m_die->cmdClean);
        compareBoxes({}, {}, {});
        QCOMPARE(m_die->txtProbeCount->text(), QStringLiteral("250"));
        QCOMPARE(RollCount, std::int16_t {4});
        click(m_die->cmdClean);
        compareBoxes({}, {}, {});
    }

    void decision_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("result");

        QTest::newRow("2 with u = 0") << 0 << 0.0 << " 1";
        QTest::newRow("2 with the largest u below 1") << 0 << LargestBelowOne << " 2";
        QTest::newRow("5 with u = 0.5") << 3 << 0.5 << " 3";
        QTest::newRow("51 with u = 0") << 49 << 0.0 << " 1";
        QTest::newRow("51 with the largest u below 1") << 49 << LargestBelowOne << " 51";
    }

    void decision()
    {
        QFETCH(int, button);
        QFETCH(double, draw);
        QFETCH(QString, result);

        SetBoxText(m_die->txtInfo, QStringLiteral("earlier\r\nlines"));
        RollCount = 9;
        ScriptedRandom script {draw};
        click(m_die->cmdDecision[static_cast<std::size_t>(button)]);
        const QString n = QStringLiteral(" %1").arg(button + 2);
        compareBoxes(QStringLiteral("Decision:") + n, result,
                     QStringLiteral("A decision was made between") + n
                         + QStringLiteral(" possibilities. The result was") + result
                         + QStringLiteral("."));
        QCOMPARE(script.draws(), std::size_t {1});
        QCOMPARE(RollCount, std::int16_t {9});
    }

    void decisionIsFair()
    {
        Random().seed(20240611);
        constexpr int Clicks = 3000;
        std::array<int, 3> seen {};
        for (int i = 0; i < Clicks; ++i) {
            click(m_die->cmdDecision[1]);
            const int result = m_die->txtErgebnis->text().toInt();
            QVERIFY2(result >= 1 && result <= 3, qPrintable(m_die->txtErgebnis->text()));
            ++seen[static_cast<std::size_t>(result - 1)];
        }
        double chiSquare = 0;
        for (const int count : seen)
            chiSquare += std::pow(count - Clicks / 3.0, 2) / (Clicks / 3.0);
        // Two degrees of freedom: 13.82 is exceeded by chance once in a thousand runs.
        QVERIFY2(chiSquare < 13.82, qPrintable(QString::number(chiSquare)));
    }
};

QTEST_MAIN(TestFreeDice)
#include "tst_freedice.moc"
