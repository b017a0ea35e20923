// The main window as a user meets it: start-up, captions, focus order, context menus
// opened from the keyboard, how the information window wraps, what a screen reader
// finds, and a start that fails.
#include "EditAction.h"
#include "SideWindows.h"
#include "StepOddsWindow.h"
#include "TestProgram.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSpinBox>

using namespace MainBas;
using namespace Qt::StringLiterals;

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;
    MainControls *m_main = nullptr;

private slots:
    void init() { m_program = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        DestroySideWindows();
        m_program.reset();
    }

    // Captions come from the step and decision numbers and the action files, and
    // nothing moves when the window grows.
    void startUp()
    {
        QVERIFY((m_main = m_program->startWindow()));
        QCOMPARE(BoxText(m_main->txtInfo), u"Information Window\r\n"_s);
        QCOMPARE(m_main->txtProbeCount->text(), u"1000"_s);
        QCOMPARE(m_main->cmdStep[99]->text() + u'/' + m_main->cmdDecision[49]->text(), u"100/51"_s);
        const QByteArray action1 = m_program->read(u"Action1.txt"_s);
        QCOMPARE(m_main->cmdAction[0]->text().toLatin1(), action1.left(action1.indexOf('\r')));
        const QRect step58 = m_main->cmdStep[57]->geometry();
        m_main->window->resize(1000, 800);
        QCOMPARE(m_main->cmdStep[57]->geometry(), step58);
        QVERIFY(m_program->takeErrors().isEmpty());
    }

    // Tab starts in the dice box and walks the window in the order players work.
    void tabOrder()
    {
        QVERIFY((m_main = m_program->startWindow()));
        QApplication::setActiveWindow(m_main->window);
        QVERIFY(QTest::qWaitForWindowActive(m_main->window));
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

    // A context menu opened from the keyboard, by the Menu key (which the window system
    // turns into a request from the keyboard) or Shift+F10, highlights its first entry
    // that can be chosen, so Enter chooses it; one opened by a right click highlights none.
    void keyboardMenusHighlightTheirFirstEntry_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("how");
        for (const char *control : {"cmdStep(4)", "txtInfo"}) {
            for (const char *how : {"Menu key", "Shift+F10", "right click"})
                QTest::addRow("%s: %s", control, how)
                    << QString::fromLatin1(control) << QString::fromLatin1(how);
        }
    }

    void keyboardMenusHighlightTheirFirstEntry()
    {
        QFETCH(QString, control);
        QFETCH(QString, how);
        QVERIFY((m_main = m_program->startWindow()));
        auto *widget = m_main->window->findChild<QWidget *>(control);
        QVERIFY(widget);
        const bool fromKeyboard = how != u"right click"_s;
        if (how == u"Shift+F10"_s) {
            QTest::keyClick(widget, Qt::Key_F10, Qt::ShiftModifier);
        } else {
            // A right click on a text box lands on its viewport.
            auto *box = qobject_cast<QPlainTextEdit *>(widget);
            QWidget *target = box && !fromKeyboard ? box->viewport() : widget;
            const QPoint centre = target->rect().center();
            QContextMenuEvent request(fromKeyboard ? QContextMenuEvent::Keyboard
                                                   : QContextMenuEvent::Mouse,
                                      centre, target->mapToGlobal(centre));
            QApplication::sendEvent(target, &request);
        }
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const QList<QAction *> entries = menu->actions();
        const auto first = std::find_if(entries.begin(), entries.end(), [](const QAction *entry) {
            return !entry->isSeparator() && entry->isEnabled();
        });
        QVERIFY(first != entries.end());
        if (!fromKeyboard) {
            QCOMPARE(menu->activeAction(), nullptr);
            menu->close();
            return;
        }
        QCOMPARE(menu->activeAction(), *first);
        QSignalSpy chosen(*first, &QAction::triggered);
        QTest::keyClick(menu, Qt::Key_Return);
        QCOMPARE(chosen.size(), 1);
        if (control.startsWith(u"cmdStep"_s))
            QVERIFY(OddsWindow() && OddsWindow()->spnStep->value() == 5);
    }

    // A run of more than a thousand characters without a blank wraps anywhere: wrapping
    // at words, every row searched the rest of the run, and an entry of a few MiB froze
    // the window for minutes. Ordinary text keeps wrapping at words, also after such a
    // run, and every text shows whole.
    void longRunsWrapAnywhere_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pasted"); // else drawn from an action button
        QTest::addColumn<bool>("anywhere");
        const QString run(1000, u'x');
        QTest::newRow("drawn: words") << u"A brawl breaks out"_s << false << false;
        QTest::newRow("drawn: a run of 1000 among words")
            << u"a "_s + run + u"\tb"_s << false << false;
        QTest::newRow("drawn: a run of 1001") << run + u'y' << false << true;
        QTest::newRow("drawn: 64 KiB glued by no-break spaces")
            << u"x\u00a0"_s.repeated(32768) << false << true;
        QTest::newRow("pasted: 64 KiB without a blank") << QString(65536, u'x') << true << true;
    }

    void longRunsWrapAnywhere()
    {
        QFETCH(QString, text);
        QFETCH(bool, pasted);
        QFETCH(bool, anywhere);
        m_program->write(u"Action1.txt"_s, "Long\r\n" + text.toLatin1() + "\r\n");
        m_program->write(u"Action2.txt"_s, "Short\r\nA bard sings\r\n");
        QVERIFY((m_main = m_program->startWindow()));
        if (pasted) {
            QApplication::clipboard()->setText(text);
            SetBoxText(m_main->txtInfo, QString());
            QTest::keyClick(m_main->txtInfo, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::mouseClick(m_main->cmdAction[0], Qt::LeftButton);
        }
        QVERIFY(BoxText(m_main->txtInfo) == text);
        QCOMPARE(m_main->txtInfo->wordWrapMode(),
                 anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);

        QTest::mouseClick(m_main->cmdAction[1], Qt::LeftButton);
        QCOMPARE(BoxText(m_main->txtInfo), u"A bard sings"_s);
        QCOMPARE(m_main->txtInfo->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    }

    // What a screen reader finds: the windows as windows, every child of the main window
    // named, the panels, the picture and the PAD and TXT labels not at all, so a point
    // on a step button finds the button rather than the panel behind it; the decision
    // buttons say what they do; the editor's boxes are named.
    void screenReaderView()
    {
        QVERIFY((m_main = m_program->startWindow()));
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_main->window);
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
        const QPoint onStep = m_main->cmdStep[0]->mapToGlobal(m_main->cmdStep[0]->rect().center());
        QCOMPARE(window->childAt(onStep.x(), onStep.y())->object(), m_main->cmdStep[0]);
        QCOMPARE(QAccessible::queryAccessibleInterface(m_main->cmdDecision[49])
                     ->text(QAccessible::Description),
                 u"Decide between 1 and 51"_s);

        QTest::keyClick(m_main->cmdAction[0], Qt::Key_F7);
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
        QVERIFY(!m_program->startWindow());
        QVERIFY(!m_program->window());
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
