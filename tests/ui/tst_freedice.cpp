// The commands that write the main window's three boxes: step rolls, the free dice
// pool, decisions, action draws, Clear and About, clicked on the real window with
// scripted dice.
#include "ActionFiles.h"
#include "Dice.h"
#include "ScriptedRandom.h"
#include "TestProgram.h"

#include <QPushButton>

using namespace MainBas;
using namespace Qt::StringLiterals;

class TestFreeDice : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;
    MainControls *m_main = nullptr;

private slots:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        QVERIFY((m_main = m_program->startWindow()));
    }

    void cleanup() { m_program.reset(); }

    // One click with every scripted draw used; the boxes as "dice|result|information".
    // An overflow abandons the command where it happens: a sum past 32767 is written, and
    // refused only when the next die, already rolled and counted, reads it back.
    // A free die reads the sum as the result box's leading number rounded half to even,
    // and keeps the dice box but its outer blanks, so it adds onto any command's result.
    void click_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("rolls"); // the roll counter afterwards, from 9
        QTest::addColumn<bool>("overflow"); // reported, the command abandoned
        QTest::addColumn<QByteArray>("action5"); // the file of action button 5, if given

        const auto row = [](const char *name, const char *button, const QList<double> &draws,
                            const QString &before, const QString &after, int rolls,
                            bool overflow = false, const QByteArray &action5 = {}) {
            QTest::newRow(name) << QString::fromLatin1(button) << draws << before << after << rolls
                                << overflow << action5;
        };
        const QString rolled = u"You rolled with step %1 an the result was%2.\r\n(%3) Dice(s) have "
                               "been rolled."_s;
        const QString fumble = u"\r\n\r\nThis this an automatic failure (fumble)."_s;
        row("step 12, one die explodes", "cmdStep(11)", {Face(10, 10), Face(10, 3), Face(10, 3)},
            u"a|b|c"_s, u"2D10| 16|"_s + rolled.arg(u"12"_s, u" 16"_s, u"3"_s), 3);
        row("step 8, a fumble", "cmdStep(7)", {Face(6, 1), Face(6, 1)}, u"||"_s,
            u"2D6| 2|"_s + rolled.arg(u"8"_s, u" 2"_s, u"2"_s) + fumble, 2);
        row("step 1, total -1", "cmdStep(0)", {Face(4, 1)}, u"||"_s,
            u"D4-2|-1|"_s + rolled.arg(u"1"_s, u"-1"_s, u"1"_s) + fumble, 1);
        row("step 3 explodes past 16 bits, its description shown", "cmdStep(2)",
            QList<double>(8192, Face(4, 4)), u"a|b|c"_s, u"D4|b|c"_s, 8192, true);

        row("die: empty sum reads 0", "cmdAddDice(2)", {Face(8, 5)}, u"||"_s,
            u"+D8| 5|\r\nD8 added."_s, 10);
        row("die: 12.5 reads 12", "cmdAddDice(0)", {Face(4, 1)}, u"|12.5|"_s,
            u"+D4| 13|\r\nD4 added."_s, 10);
        row("die: 13.5 apples reads 14", "cmdAddDice(0)", {Face(4, 1)}, u"|13.5 apples|"_s,
            u"+D4| 15|\r\nD4 added."_s, 10);
        row("die: a sum past 32767 is written", "cmdAddDice(0)", {Face(4, 3)}, u"|32767|"_s,
            u"+D4| 32770|\r\nD4 added."_s, 10);
        row("die: a sum past 32767 read back, the die counted", "cmdAddDice(1)", {Face(6, 2)},
            u"a|32770|c"_s, u"a|32770|c"_s, 10, true);
        row("die: outer blanks go, tabs and inner blanks stay", "cmdAddDice(3)", {Face(10, 2)},
            u" \t2D6 + D4\t |x|"_s, u"\t2D6 + D4\t+D10| 2|\r\nD10 added."_s, 10);

        // A decision is a plain draw, even at the ends of its range, and rolls no die.
        const QString decided
            = u"Decision:%1|%2|A decision was made between%1 possibilities. The result was%2."_s;
        row("decision of 51, largest u", "cmdDecision(49)", {LargestBelowOne}, u"||"_s,
            decided.arg(u" 51"_s, u" 51"_s), 9);

        // An action draw shows an entry from 1 to the count, even for the largest u, and
        // rolls no die; a single entry needs no draw, and no entries do nothing.
        const auto draw = [&row](const char *name, const QByteArray &file,
                                 const QList<double> &draws, const QString &after) {
            row(name, "cmdAction(4)", draws, u"d|9|i"_s, after, 9, false, file);
        };
        const QByteArray three = "Three\r\nA\r\nB\r\nC\r\n";
        QByteArray many = "Many\r\n";
        for (int entry = 1; entry <= 310; ++entry)
            many += "E" + QByteArray::number(entry) + "\r\n";
        draw("action: no entries", "Empty\r\n", {}, u"d|9|i"_s);
        draw("action: one entry", "One\r\nOnly\r\n", {}, u"d|9|Only"_s);
        draw("action: three entries, u = 0", three, {0.0}, u"Action: Three||A"_s);
        draw("action: three entries, largest u", three, {LargestBelowOne}, u"Action: Three||C"_s);
        draw("action: 310 entries, largest u", many, {LargestBelowOne}, u"Action: Many||E300"_s);

        row("Clear", "cmdClean", {}, u"a|b|c"_s, u"||"_s, 9);
        row("About", "cmdAbout", {}, u"a|b|c"_s,
            u"Version 1.0|TESSARION|Tessarion is written by the Tessarion project.\r\nTessarion is "
            "freeware: you may use, copy and share it free of charge."_s,
            9);
    }

    void click()
    {
        QFETCH(QString, button);
        QFETCH(QList<double>, draws);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, rolls);
        QFETCH(bool, overflow);
        QFETCH(QByteArray, action5);

        if (!action5.isNull()) {
            m_program->write(u"Action5.txt"_s, action5);
            LoadActionFile(4);
        }
        const QStringList shown = before.split(u'|');
        m_main->txtDices->setText(shown[0]);
        m_main->txtErgebnis->setText(shown[1]);
        SetBoxText(m_main->txtInfo, shown[2]);
        RollCount = 9;
        ScriptedRandom script;
        m_program->use(script);
        for (const double u : draws)
            script.add(u);
        QTest::mouseClick(m_main->window->findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(Boxes(m_main), after);
        QCOMPARE(RollCount, rolls);
        QCOMPARE(script.remaining(), std::size_t {0});
        QCOMPARE(m_main->txtProbeCount->text(), u"1000"_s);
        QCOMPARE(m_program->takeErrors(),
                 overflow ? QStringList {u"Run-time error 6: Overflow"_s} : QStringList());
    }
};

QTEST_MAIN(TestFreeDice)
#include "tst_freedice.moc"
