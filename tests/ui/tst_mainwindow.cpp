// The main window as a user meets it: start-up, captions, focus order, context menus
// opened from the keyboard, how the information window wraps, what a screen reader
// finds, the commands that write its three boxes (step rolls, the free dice pool,
// decisions, action draws, Clear and About, clicked with scripted dice), the action
// editor and the captions of the action buttons on real action files, and a start that
// fails.
#include "ActionFiles.h"
#include "CodePage.h"
#include "Dice.h"
#include "EditAction.h"
#include "Questions.h"
#include "StepOddsWindow.h"
#include "TestProgram.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTextBlock>

using namespace MainBas;
using namespace Qt::StringLiterals;

namespace {

const QByteArray Tavern = "Tavern\r\nA brawl breaks out\r\nA bard sings\r\n";

QString fileName(int button)
{
    return u"Action%1.txt"_s.arg(button + 1);
}

void clickOk(EditAction *editor, int index)
{
    QTest::mouseClick(editor->cmdOK[static_cast<std::size_t>(index)], Qt::LeftButton);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;
    MainControls *m_main = nullptr;
    enum Closing { Cancel, CloseBox, Unencodable };

    QStringList m_questions; // asked so far; a test takes those it expects
    bool m_answer = false;

    // Starts the program with one action file of the given content and opens its editor.
    EditAction *editFile(int button, const QByteArray &bytes)
    {
        m_program->write(fileName(button), bytes);
        if (!(m_main = m_program->startWindow()))
            return nullptr;
        QTest::keyClick(m_main->cmdAction[static_cast<std::size_t>(button)], Qt::Key_F7);
        return ShownWindow<EditAction>();
    }

    QByteArray file(int button) const { return m_program->read(fileName(button)); }

private slots:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        m_answer = false;
        SetYesNoAnswerer([this](const QString &question) {
            m_questions << question;
            return m_answer;
        });
    }

    // No test leaves a message or a question it did not expect.
    void cleanup()
    {
        SetYesNoAnswerer({});
        const QStringList errors = m_program->takeErrors();
        m_program.reset(); // and every side window with it, before a check below can fail
        QCOMPARE(errors, QStringList());
        QCOMPARE(std::exchange(m_questions, {}), QStringList());
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

        // Tab starts in the dice box and walks the window in the order players work.
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
        for (const QString &control : {u"cmdStep(4)"_s, u"txtInfo"_s}) {
            for (const QString &how : {u"Menu key"_s, u"Shift+F10"_s, u"right click"_s})
                QTest::addRow("%s: %s", qPrintable(control), qPrintable(how)) << control << how;
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

    // A long paragraph shows at once only if the box can lay out just what is in view, so
    // it is held in pieces; a piece of words ends after a blank, none begins inside a
    // character, and reading or copying the box gives the text back whole.
    void longParagraphsShowInPieces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("drawn"); // else shown as a viewer text would be
        QTest::newRow("drawn: 1 MiB without a blank") << QString(1 << 20, u'x') << true;
        QTest::newRow("drawn: 1 MiB of words") << u"word "_s.repeated((1 << 20) / 5) << true;
        QTest::newRow("shown: pairs and marks, then a line")
            << u"\U0001F3B2\u0301"_s.repeated(1 << 15) + u"\r\nlast"_s << false;
    }

    void longParagraphsShowInPieces()
    {
        QFETCH(QString, text);
        QFETCH(bool, drawn);
        m_program->write(u"Action1.txt"_s, "Long\r\n" + text.toLatin1() + "\r\n");
        QVERIFY((m_main = m_program->startWindow()));
        if (drawn)
            QTest::mouseClick(m_main->cmdAction[0], Qt::LeftButton);
        else
            ShowBoxText(m_main->txtInfo, text);

        const QTextDocument *shown = m_main->txtInfo->document();
        QVERIFY(shown->blockCount() > text.size() / 8192);
        for (QTextBlock block = shown->begin().next(); block.isValid(); block = block.next()) {
            const QString piece = block.text();
            QVERIFY(!piece.startsWith(u' ') && !piece.front().isLowSurrogate()
                    && !piece.front().isMark());
        }
        QVERIFY(BoxText(m_main->txtInfo) == text);
        QTest::keyClick(m_main->txtInfo, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(m_main->txtInfo, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QApplication::clipboard()->text() == QString(text).replace(u"\r\n"_s, u"\n"_s));
    }

    // What a screen reader finds: the windows as windows, every child of the main window
    // named, the panels, the picture and the PAD and TXT labels not at all, so a point
    // on a step button finds the button rather than the panel behind it; the decision
    // buttons say what they do. (The editor: see its keys' test.)
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
    }

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
        QFETCH(bool, overflow);
        QFETCH(QByteArray, action5);

        QVERIFY((m_main = m_program->startWindow()));
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
        QTEST(Boxes(m_main), "after");
        QTEST(int(RollCount), "rolls");
        QCOMPARE(script.remaining(), std::size_t {0});
        QCOMPARE(m_main->txtProbeCount->text(), u"1000"_s);
        QCOMPARE(m_program->takeErrors(),
                 overflow ? QStringList {u"Run-time error 6: Overflow"_s} : QStringList());
    }

    // F7 fills the editor, and Ok on it unchanged writes the same entries back, reloads
    // the button and closes the editor.
    void ok_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("count");

        // Bytes above 0x7F, the five unused ones and no-break spaces among them.
        const QByteArray high = "\x80 \xA0X\xA0\r\n\x81\x8D\x8F\x90\x9D\xFF\r\n \xA0"
                                "blanks\xA0 \r\n";
        const auto row
            = [](const char *name, const QByteArray &before, const QByteArray &after,
                 const QString &count) { QTest::newRow(name) << before << after << count; };
        row("two entries", Tavern, Tavern, u"2"_s);
        row("last entry empty", "X\r\nA\r\n\r\n", "X\r\nA\r\n\r\n", u"2"_s);
        row("only entry empty becomes two", "X\r\n\r\n", "X\r\n\r\n\r\n", u"2"_s);
        row("caption alone gains an empty entry", "Alone", "Alone\r\n\r\n", u"1"_s);
        row("high bytes and no-break spaces", high, high, u"2"_s);
    }

    void ok()
    {
        QFETCH(QByteArray, before);

        QPointer<EditAction> editor = editFile(4, before);
        QVERIFY(editor);
        const QString caption
            = QString::fromStdU16String(DecodeSingleByte(before.split('\r').first().toStdString()));
        QCOMPARE(editor->txtActionButton->text(), caption);
        clickOk(editor, 0);
        QTEST(file(4), "after");
        QTEST(ActionEntryCounts[4], "count");
        QCOMPARE(m_main->cmdAction[4]->text(), caption);
        QTRY_VERIFY(!editor);
    }

    // Cancel and the close box write nothing, and F7 then shows a fresh editor, even
    // before the closed one is gone. A refused save reports the error and keeps the
    // editor open with the user's text. Either way the file, tables and button stay.
    void nothingSaved_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Cancel") << int(Cancel);
        QTest::newRow("close box") << int(CloseBox);
        QTest::newRow("unencodable character") << int(Unencodable);
    }

    void nothingSaved()
    {
        QFETCH(int, how);

        QPointer<EditAction> editor = editFile(0, Tavern);
        QVERIFY(editor);
        editor->txtActionButton->setText(u"Changed"_s);
        editor->txtEntries->setPlainText(u"Snow \u2603"_s);
        if (how == CloseBox)
            editor->close();
        else
            clickOk(editor, how == Cancel ? 1 : 0);

        if (how == Unencodable) {
            const QStringList errors = m_program->takeErrors();
            QVERIFY2(errors.size() == 1 && errors[0].contains(u"U+2603"_s),
                     qPrintable(errors.join(u'\n')));
            QCOMPARE(ShownWindow<EditAction>(), editor);
            QCOMPARE(BoxText(editor->txtEntries), u"Snow \u2603"_s);
        } else {
            QTest::keyClick(m_main->cmdAction[0], Qt::Key_F7);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!editor);
            QVERIFY(ShownWindow<EditAction>());
        }
        QCOMPARE(file(0), Tavern);
        QCOMPARE(m_main->cmdAction[0]->text(), u"Tavern"_s);
        QCOMPARE(ActionEntryCounts[0], u"2"_s);
    }

    // Another program changed or removed the file after it was loaded: Ok asks before
    // overwriting it. No keeps their file and the editor open with the user's text; Yes
    // saves. (An unchanged file saves without a question: see ok().)
    void changedByAnotherProgram_data()
    {
        QTest::addColumn<QVariant>("theirs"); // null: removed
        QTest::newRow("entry added") << QVariant(Tavern + "A ghost\r\n");
        QTest::newRow("same size, other bytes")
            << QVariant(QByteArray(Tavern).replace("bard", "BARD"));
        QTest::newRow("removed") << QVariant();
    }

    void changedByAnotherProgram()
    {
        QFETCH(QVariant, theirs);

        QPointer<EditAction> editor = editFile(2, Tavern);
        QVERIFY(editor);
        editor->txtActionButton->setText(u"Inn"_s);
        QVERIFY(m_program->put(fileName(2), theirs));
        clickOk(editor, 0);
        const QString question = u"Action3.txt was changed by another program since you opened "
                                 "it. Overwrite it?"_s;
        QCOMPARE(std::exchange(m_questions, {}), QStringList {question});
        QCOMPARE(file(2), theirs.toByteArray());
        QCOMPARE(ShownWindow<EditAction>(), editor);
        QCOMPARE(editor->txtActionButton->text(), u"Inn"_s);
        QCOMPARE(m_main->cmdAction[2]->text(), u"Tavern"_s);

        m_answer = true;
        clickOk(editor, 0);
        QCOMPARE(std::exchange(m_questions, {}), QStringList {question});
        QCOMPARE(file(2), QByteArray(Tavern).replace("Tavern", "Inn"));
        QCOMPARE(m_main->cmdAction[2]->text(), u"Inn"_s);
        QTRY_VERIFY(!editor);
    }

    // The editor is a window to a screen reader, its boxes named. Enter breaks the line, and
    // Esc, in the entries or the window, closes nothing. F7 with any shift state refills an
    // open editor from another button; F8 leaves it.
    void editorKeys()
    {
        m_program->write(fileName(2), "Market\r\nFish\r\n");
        EditAction *editor = editFile(0, Tavern);
        QVERIFY(editor);
        QCOMPARE(QAccessible::queryAccessibleInterface(editor)->role(), QAccessible::Window);
        for (QWidget *box : {static_cast<QWidget *>(editor->txtActionButton),
                             static_cast<QWidget *>(editor->txtEntries)})
            QVERIFY(!QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name).isEmpty());
        QTest::keyClick(editor->txtEntries, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(editor->txtEntries, Qt::Key_Return);
        QTest::keyClicks(editor->txtEntries, u"A ghost"_s);
        QTest::keyClick(editor->txtEntries, Qt::Key_Escape);
        QTest::keyClick(editor, Qt::Key_Escape);
        QTest::keyClick(m_main->cmdAction[2], Qt::Key_F8);
        QCOMPARE(ShownWindow<EditAction>(), editor);
        QCOMPARE(BoxText(editor->txtEntries), u"A brawl breaks out\r\nA bard sings\r\nA ghost"_s);
        QTest::keyClick(m_main->cmdAction[2], Qt::Key_F7,
                        Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(ShownWindow<EditAction>(), editor);
        QCOMPARE(editor->txtActionButton->text(), u"Market"_s);
        QCOMPARE(BoxText(editor->txtEntries), u"Fish"_s);
        editor->txtEntries->setPlainText(u"Bread"_s);
        clickOk(editor, 0);
        QCOMPARE(file(2), QByteArray("Market\r\nBread\r\n"));
        QCOMPARE(file(0), Tavern);
    }

    // A caption too wide for its button shows cut short there; the tables, the editor
    // and the file keep it whole, even beyond a line edit's usual 32,767 characters.
    void longCaptionIsCutOnlyOnItsButton()
    {
        const QString caption = u"Long caption "_s.repeated(3000);
        const QByteArray bytes = caption.toLatin1() + "\r\nEntry\r\n";
        EditAction *editor = editFile(0, bytes);
        QVERIFY(editor);
        const QString shown = m_main->cmdAction[0]->text();
        QVERIFY2(shown.endsWith(u'\u2026') && shown.size() < 40, qPrintable(shown));
        clickOk(editor, 0);
        QCOMPARE(file(0), bytes);
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
