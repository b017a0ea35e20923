// The main window as a user meets it: start-up, layout, focus order and step rolls,
// driven through the real widgets with scripted dice.
#include "BoxText.h"
#include "Die.h"
#include "ScriptedRandom.h"
#include "Startup.h"
#include "TestProgram.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace MainBas;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::vector<double>)

namespace {

// The first lines of a well-formed steps.txt whose descriptions read "D<step>".
QByteArray stepsFile(int lines)
{
    QByteArray bytes;
    for (int line = 0; line < lines; ++line) {
        const int step = line / 2 + 1;
        bytes
            += (line % 2 == 0 ? QByteArray::number(step) : "D" + QByteArray::number(step)) + "\r\n";
    }
    return bytes;
}

bool anyWindowVisible()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            return true;
    }
    return false;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_program;
    Die *m_die = nullptr;

private slots:
    void init() { m_program = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        m_program.reset();
        m_die = nullptr;
    }

    void startUpState()
    {
        QVERIFY((m_die = m_program->startWindow()));
        QCOMPARE(BoxText(m_die->txtInfo), QStringLiteral("Information Window\r\n"));
        QCOMPARE(m_die->txtProbeCount->text(), QStringLiteral("1000"));
        QVERIFY(m_die->txtDices->text().isEmpty());
        QVERIFY(m_die->txtErgebnis->text().isEmpty());
        QCOMPARE(m_die->focusWidget(), m_die->txtDices);
        QCOMPARE(m_die->windowTitle(), QStringLiteral("Tessarion 1.0"));
        QCOMPARE(m_die->size(), QSize(711, 521));
        QVERIFY(!m_die->windowIcon().isNull());
        QVERIFY(!m_die->Image1->pixmap().isNull());
        QCOMPARE(m_die->Image1->pixmap().size(), QSize(140, 160));
        QVERIFY(m_program->takeErrors().isEmpty());
    }

    void captionsAndGeometry()
    {
        QVERIFY((m_die = m_program->startWindow()));
        auto *step35 = m_die->findChild<QPushButton *>(QStringLiteral("cmdStep(34)"));
        QVERIFY(step35);
        QCOMPARE(step35->text(), QStringLiteral("35"));
        QCOMPARE(step35->geometry(), QRect((240 + 480 * 3) / 15, (4080 + 360 * 4) / 15, 25, 17));
        QCOMPARE(m_die->cmdStep[99]->text(), QStringLiteral("100"));
        QCOMPARE(m_die->cmdStep[99]->width(), 495 / 15);
        QCOMPARE(m_die->cmdStep[98]->width(), 375 / 15);
        QCOMPARE(m_die->cmdDecision[0]->text(), QStringLiteral("2"));
        QCOMPARE(m_die->cmdDecision[9]->text(), QStringLiteral("11"));
        QCOMPARE(m_die->cmdDecision[49]->text(), QStringLiteral("51"));
        QCOMPARE(m_die->cmdAddDice[3]->text(), QStringLiteral("+D10"));
        QCOMPARE(m_die->cmdAction[5]->geometry(),
                 QRect((120 + 1920) / 15, (1440 + 480) / 15, 121, 25));
        QCOMPARE(m_die->txtInfo->geometry(), QRect(208, 8, 497, 73));
        QCOMPARE(m_die->txtErgebnis->font().pointSizeF(), 13.5);
        QCOMPARE(m_die->txtProbeCount->accessibleName(), QStringLiteral("Samples"));
        QCOMPARE(m_die->findChild<QLabel *>(QStringLiteral("lblPad(2)"))->text(),
                 QStringLiteral("Decisions"));
        const QByteArray action1 = m_program->read(QStringLiteral("Action1.txt"));
        QCOMPARE(m_die->cmdAction[0]->text().toLatin1(), action1.left(action1.indexOf('\r')));
    }

    void nothingMovesOnResize()
    {
        QVERIFY((m_die = m_program->startWindow()));
        const QRect before = m_die->cmdStep[57]->geometry();
        const QRect infoBefore = m_die->txtInfo->geometry();
        m_die->resize(1000, 800);
        QCOMPARE(m_die->cmdStep[57]->geometry(), before);
        QCOMPARE(m_die->txtInfo->geometry(), infoBefore);
    }

    void tabOrder()
    {
        QVERIFY((m_die = m_program->startWindow()));
        QApplication::setActiveWindow(m_die);
        QVERIFY(QTest::qWaitForWindowActive(m_die));
        QStringList expected
            = {QStringLiteral("txtDices"), QStringLiteral("txtErgebnis"), QStringLiteral("txtInfo"),
               QStringLiteral("cmdStatistic"), QStringLiteral("txtProbeCount")};
        const auto addArray = [&expected](const char *name, int count) {
            for (int i = 0; i < count; ++i)
                expected << QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
        };
        addArray("cmdAction", 20);
        addArray("cmdStep", 100);
        addArray("cmdAddDice", 6);
        addArray("cmdDecision", 50);
        expected << QStringLiteral("cmdSteps") << QStringLiteral("cmdHelp")
                 << QStringLiteral("cmdClean") << QStringLiteral("cmdAbout")
                 << QStringLiteral("cmdExit") << QStringLiteral("txtDices");

        QStringList visited = {QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 186; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void startUpFailures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QVariant>("content"); // bytes, a FileKind, or null: no file
        QTest::addColumn<QString>("error");

        const auto row = [](const char *name, const char *file, const QVariant &content,
                            const QString &error) {
            QTest::newRow(name) << QString::fromLatin1(file) << content << error;
        };
        row("steps.txt missing", "steps.txt", {}, u"File not found"_s);
        row("steps.txt of 199 lines", "steps.txt", stepsFile(199), u"Input past end of file"_s);
        row("step number 0", "steps.txt", QByteArray("0\r\nX\r\n") + stepsFile(200),
            u"Subscript out of range"_s);
        row("step number 101", "steps.txt", QByteArray("101\r\nX\r\n") + stepsFile(200),
            u"Subscript out of range"_s);
        row("action file missing", "Action7.txt", {}, u"File not found"_s);
        row("action file empty", "Action20.txt", QByteArray(""), u"Input past end of file"_s);
        // Nothing that is not a regular file is opened: a pipe would wait for ever.
        row("steps.txt a named pipe", "steps.txt", QVariant::fromValue(FileKind::NamedPipe),
            RefusalOf(FileKind::NamedPipe));
        row("action file a link to /dev/zero", "Action7.txt",
            QVariant::fromValue(FileKind::LinkToZero), RefusalOf(FileKind::LinkToZero));
        row("action file over 16 MiB", "Action20.txt", QVariant::fromValue(FileKind::OverTheLimit),
            RefusalOf(FileKind::OverTheLimit));
    }

    void startUpFailures()
    {
        QFETCH(QString, file);
        QFETCH(QVariant, content);
        QFETCH(QString, error);

        QVERIFY(m_program->put(file, content));
        QVERIFY(!StartProgram());
        QVERIFY(!MainWindow());
        QVERIFY(!anyWindowVisible());
        const QStringList errors = m_program->takeErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(error), qPrintable(errors[0]));
        QVERIFY2(errors[0].contains(file), qPrintable(errors[0]));
    }

    void stepRoll_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<std::vector<double>>("draws");
        QTest::addColumn<QString>("dice");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("message");

        const QString fumble = QStringLiteral("\r\n\r\nThis this an automatic failure (fumble).");
        QTest::newRow("step 12, a plain roll")
            << 11 << std::vector<double> {Face(10, 3), Face(10, 4)} << "2D10"
            << " 7"
            << "You rolled with step 12 an the result was 7.\r\n(2) Dice(s) have been rolled.";
        QTest::newRow("step 12, one die explodes")
            << 11 << std::vector<double> {Face(10, 10), Face(10, 3), Face(10, 3)} << "2D10"
            << " 16"
            << "You rolled with step 12 an the result was 16.\r\n(3) Dice(s) have been rolled.";
        QTest::newRow("step 8, a fumble")
            << 7 << std::vector<double> {Face(6, 1), Face(6, 1)} << "2D6"
            << " 2"
            << QStringLiteral(
                   "You rolled with step 8 an the result was 2.\r\n(2) Dice(s) have been rolled.")
                + fumble;
        QTest::newRow("step 1, total -1")
            << 0 << std::vector<double> {Face(4, 1)} << "D4-2"
            << "-1"
            << QStringLiteral(
                   "You rolled with step 1 an the result was-1.\r\n(1) Dice(s) have been rolled.")
                + fumble;
        QTest::newRow("step 1, total 0")
            << 0 << std::vector<double> {Face(4, 2)} << "D4-2"
            << " 0"
            << QStringLiteral(
                   "You rolled with step 1 an the result was 0.\r\n(1) Dice(s) have been rolled.")
                + fumble;
    }

    void stepRoll()
    {
        QFETCH(int, index);
        QFETCH(std::vector<double>, draws);
        QFETCH(QString, dice);
        QFETCH(QString, result);
        QFETCH(QString, message);

        QVERIFY((m_die = m_program->startWindow()));
        ScriptedRandom script;
        for (const double u : draws)
            script.add(u);
        m_die->txtDices->setText(QStringLiteral("old dice"));
        QTest::mouseClick(m_die->cmdStep[static_cast<std::size_t>(index)], Qt::LeftButton);
        QCOMPARE(m_die->txtDices->text(), dice);
        QCOMPARE(m_die->txtErgebnis->text(), result);
        QCOMPARE(BoxText(m_die->txtInfo), message);
        QCOMPARE(script.remaining(), std::size_t {0});
        QVERIFY(m_program->takeErrors().isEmpty());
    }

    void emptyDescriptionEmptiesDiceBox()
    {
        QByteArray steps = stepsFile(200);
        steps.replace("5\r\nD5\r\n", "5\r\n\r\n");
        m_program->write(QStringLiteral("steps.txt"), steps);
        QVERIFY((m_die = m_program->startWindow()));
        m_die->txtDices->setText(QStringLiteral("old dice"));
        ScriptedRandom script {Face(8, 3)};
        QTest::mouseClick(m_die->cmdStep[4], Qt::LeftButton);
        QVERIFY(m_die->txtDices->text().isEmpty());
        QCOMPARE(m_die->txtErgebnis->text(), QStringLiteral(" 3"));
    }

    void overflowAbandonsTheRoll()
    {
        QVERIFY((m_die = m_program->startWindow()));
        m_die->txtErgebnis->setText(QStringLiteral("before"));
        SetBoxText(m_die->txtInfo, QStringLiteral("earlier message"));
        auto script = ScriptedRandom::repeating(Face(4, 4));
        QTest::mouseClick(m_die->cmdStep[2], Qt::LeftButton);

        const QStringList errors = m_program->takeErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(QStringLiteral("Overflow")), qPrintable(errors[0]));
        QCOMPARE(m_die->txtDices->text(), QStringLiteral("D4"));
        QCOMPARE(m_die->txtErgebnis->text(), QStringLiteral("before"));
        QCOMPARE(BoxText(m_die->txtInfo), QStringLiteral("earlier message"));

        // The program carries on: the next roll works.
        MainBas::Random().setOverride({});
        ScriptedRandom next {Face(4, 2)};
        QTest::mouseClick(m_die->cmdStep[2], Qt::LeftButton);
        QCOMPARE(m_die->txtErgebnis->text(), QStringLiteral(" 2"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
