// The main window as a user meets it: start-up, captions, focus order, what a screen
// reader finds, and a start that fails.
#include "EditAction.h"
#include "SideWindows.h"
#include "TestProgram.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>

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

    // What a screen reader finds: the windows as windows, every child of the main window
    // named, the panels, the picture and the PAD and TXT labels not at all, so a point
    // on a step button finds the button rather than the panel behind it; the decision
    // buttons say what they do; the editor's boxes are named.
    void screenReaderView()
    {
        QVERIFY((m_die = m_program->startWindow()));
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_die);
        QCOMPARE(window->role(), QAccessible::Window);
        QStringList unnamed;
        QStringList decorative;
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface *child = window->child(i);
            QCOMPARE(window->indexOfChild(child), i);
            const QString name = child->object()->objectName();
            if (child->text(QAccessible::Name).isEmpty())
                unnamed << name;
            if (name == u"lblPad(3)"_s || name == u"lblPad(4)"_s)
                decorative << name;
        }
        QCOMPARE(unnamed, QStringList());
        QCOMPARE(decorative, QStringList());
        const QPoint onStep = m_die->cmdStep[0]->mapToGlobal(m_die->cmdStep[0]->rect().center());
        QCOMPARE(window->childAt(onStep.x(), onStep.y())->object(), m_die->cmdStep[0]);
        QCOMPARE(QAccessible::queryAccessibleInterface(m_die->cmdDecision[49])
                     ->text(QAccessible::Description),
                 u"Decide between 1 and 51"_s);

        QTest::keyClick(m_die->cmdAction[0], Qt::Key_F7);
        EditAction *editor = ActionEditor();
        const auto closeEditor = qScopeGuard([editor] { editor->close(); });
        QAccessibleInterface *editorWindow = QAccessible::queryAccessibleInterface(editor);
        QCOMPARE(editorWindow->role(), QAccessible::Window);
        for (QWidget *box : {static_cast<QWidget *>(editor->txtActionButton),
                             static_cast<QWidget *>(editor->txtEntries)})
            QVERIFY(!QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name).isEmpty());
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
