// The main window as a user meets it: start-up, captions, focus order, and a start
// that fails.
#include "TestProgram.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace MainBas;
using namespace Qt::StringLiterals;

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;
    Die *m_die = nullptr;

private slots:
    void init() { m_program = std::make_unique<TestProgram>(); }
    void cleanup() { m_program.reset(); }

    // Captions come from the step and decision numbers and the action files, and
    // nothing moves when the window grows.
    void startUp()
    {
        QVERIFY((m_die = m_program->startWindow()));
        QCOMPARE(BoxText(m_die->txtInfo), u"Information Window\r\n"_s);
        QCOMPARE(m_die->txtProbeCount->text(), u"1000"_s);
        QCOMPARE(m_die->cmdStep[99]->text() + u'/' + m_die->cmdDecision[49]->text(), u"100/51"_s);
        const QByteArray action1 = m_program->read(u"Action1.txt"_s);
        QCOMPARE(m_die->cmdAction[0]->text().toLatin1(), action1.left(action1.indexOf('\r')));
        const QRect step58 = m_die->cmdStep[57]->geometry();
        m_die->resize(1000, 800);
        QCOMPARE(m_die->cmdStep[57]->geometry(), step58);
        QVERIFY(m_program->takeErrors().isEmpty());
    }

    // Tab starts in the dice box and walks the window in the order players work.
    void tabOrder()
    {
        QVERIFY((m_die = m_program->startWindow()));
        QApplication::setActiveWindow(m_die);
        QVERIFY(QTest::qWaitForWindowActive(m_die));
        QStringList expected = {u"txtDices"_s, u"txtErgebnis"_s, u"txtInfo"_s, u"cmdStatistic"_s,
                                u"txtProbeCount"_s};
        const std::pair<const char *, int> arrays[]
            = {{"cmdAction", 20}, {"cmdStep", 100}, {"cmdAddDice", 6}, {"cmdDecision", 50}};
        for (const auto &[name, members] : arrays) {
            for (int i = 0; i < members; ++i)
                expected << u"%1(%2)"_s.arg(QLatin1String(name)).arg(i);
        }
        expected << u"cmdSteps"_s << u"cmdHelp"_s << u"cmdClean"_s << u"cmdAbout"_s << u"cmdExit"_s
                 << u"txtDices"_s;

        QStringList visited = {QApplication::focusWidget()->objectName()};
        while (visited.size() < expected.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    // A start that fails after the main window was made shows no window at all, and one
    // message naming the file: a link to an endless device, refused rather than read.
    void startUpFailure()
    {
        QVERIFY(m_program->put(u"Action20.txt"_s, QVariant::fromValue(FileKind::LinkToZero)));
        QVERIFY(!StartProgram());
        QVERIFY(!MainWindow());
        QVERIFY(!ShownWindow<QWidget>());
        const QStringList errors = m_program->takeErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(u"Action20.txt"_s)
                     && errors[0].endsWith(RefusalOf(FileKind::LinkToZero)),
                 qPrintable(errors[0]));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
