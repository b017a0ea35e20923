// The action buttons and the action editor, driven through the real windows on real
// action files in a temporary program folder.
#include "ActionFiles.h"
#include "BoxText.h"
#include "CodePage.h"
#include "Dice.h"
#include "Die.h"
#include "EditAction.h"
#include "ScriptedRandom.h"
#include "TestProgram.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cmath>

using namespace MainBas;
using namespace Qt::StringLiterals;

namespace {

const QByteArray Tavern = "Tavern\r\nA brawl breaks out\r\nA bard sings\r\n";

EditAction *openEditor()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *editor = qobject_cast<EditAction *>(widget); editor && editor->isVisible())
            return editor;
    }
    return nullptr;
}

} // namespace

class TestActions : public QObject
{
    Q_OBJECT

    enum Closing { Cancel, CloseBox, FolderInPlace, Unencodable };

    std::unique_ptr<TestProgram> m_program;
    Die *m_die = nullptr;

    // Starts the program with one action file of the given content and opens its editor.
    EditAction *editFile(int button, const QByteArray &bytes)
    {
        m_program->write(fileName(button), bytes);
        if (!(m_die = m_program->startWindow()))
            return nullptr;
        QTest::keyClick(m_die->cmdAction[static_cast<std::size_t>(button)], Qt::Key_F7);
        return openEditor();
    }

    static QString fileName(int button) { return u"Action%1.txt"_s.arg(button + 1); }
    QByteArray file(int button) const { return m_program->read(fileName(button)); }

    static void clickOk(EditAction *editor, int index)
    {
        QTest::mouseClick(editor->cmdOK[static_cast<std::size_t>(index)], Qt::LeftButton);
    }

private slots:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        EditedActionIndex = -1;
    }
    void cleanup()
    {
        QVERIFY(m_program->takeErrors().isEmpty());
        delete openEditor();
        m_program.reset();
    }

    // Tab walks caption, entries, Ok, Cancel; Enter breaks the line and Esc does nothing.
    void editorKeys()
    {
        EditAction *editor = editFile(0, Tavern);
        QVERIFY(editor);
        QCOMPARE(editor->txtEntries->lineWrapMode(), QPlainTextEdit::NoWrap);
        QApplication::setActiveWindow(editor);
        QVERIFY(QTest::qWaitForWindowActive(editor));
        QCOMPARE(QApplication::focusWidget(), editor->txtActionButton);
        for (const QString &next :
             {u"txtEntries"_s, u"cmdOK(0)"_s, u"cmdOK(1)"_s, u"txtActionButton"_s}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }

        // A typed entry is saved and is the next one drawn.
        QTest::mouseClick(editor->txtEntries->viewport(), Qt::LeftButton);
        QTest::keyClick(editor->txtEntries, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(editor->txtEntries, Qt::Key_Return);
        QTest::keyClicks(editor->txtEntries, u"A ghost"_s);
        QTest::keyClick(editor->txtEntries, Qt::Key_Escape);
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(openEditor(), editor);
        clickOk(editor, 0);
        QCOMPARE(file(0), Tavern + "A ghost\r\n");
        ScriptedRandom script {LargestBelowOne};
        QTest::mouseClick(m_die->cmdAction[0], Qt::LeftButton);
        QCOMPARE(BoxText(m_die->txtInfo), u"A ghost"_s);
    }

    void draw_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<double>("u");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("dice"); // set, with the result box emptied, by a draw

        const QByteArray three = "Three\r\nA\r\nB\r\nC\r\n";
        QByteArray many = "Many\r\n";
        for (int entry = 1; entry <= 310; ++entry)
            many += "E" + QByteArray::number(entry) + "\r\n";
        // clang-format off
        QTest::newRow("no entries: nothing") << QByteArray("Empty\r\n") << 0.0 << "old info" << "old dice";
        QTest::newRow("one entry: no draw") << QByteArray("One\r\nThe only one\r\n") << 0.0 << "The only one" << "old dice";
        QTest::newRow("three entries, u = 0") << three << 0.0 << "A" << "Action: Three";
        QTest::newRow("three entries, largest u") << three << LargestBelowOne << "C" << "Action: Three";
        QTest::newRow("310 entries, u = 0.5") << many << 0.5 << "E151" << "Action: Many";
        QTest::newRow("310 entries, largest u: entry 300") << many << LargestBelowOne << "E300" << "Action: Many";
        // clang-format on
    }

    void draw()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(double, u);
        QFETCH(QString, info);
        QFETCH(QString, dice);
        const bool drawn = dice != u"old dice"_s;

        m_program->write(fileName(4), bytes);
        QVERIFY((m_die = m_program->startWindow()));
        m_die->txtDices->setText(u"old dice"_s);
        m_die->txtErgebnis->setText(u" 9"_s);
        SetBoxText(m_die->txtInfo, u"old info"_s);
        RollCount = 3;
        ScriptedRandom script {u};
        QTest::mouseClick(m_die->cmdAction[4], Qt::LeftButton);
        QCOMPARE(BoxText(m_die->txtInfo), info);
        QCOMPARE(m_die->txtDices->text(), dice);
        QCOMPARE(m_die->txtErgebnis->text(), drawn ? QString() : u" 9"_s);
        QCOMPARE(script.draws(), std::size_t(drawn ? 1 : 0));
        QCOMPARE(RollCount, std::int16_t {3});
    }

    // F7 fills the editor, Ok writes the file and reloads the button. A null entries
    // text leaves the box as F7 filled it; a null shown text is not compared.
    void ok_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("count");

        // Bytes above 0x7F, the five unused ones and no-break spaces among them.
        const QByteArray high = "\x80 \xA0X\xA0\r\n\x81\x8D\x8F\x90\x9D\xFF\r\n \xA0"
                                "blanks\xA0 \r\n";
        QStringList lines;
        for (int line = 1; line <= 301; ++line)
            lines << u"L%1"_s.arg(line);
        const QByteArray written = "Tavern\r\n" + lines.join(u"\r\n"_s).toLatin1() + "\r\n";
        // clang-format off
        QTest::newRow("unchanged") << Tavern << "A brawl breaks out\r\nA bard sings" << QString() << Tavern << "2";
        QTest::newRow("unchanged: one entry, no last line end")
            << QByteArray("X\r\nQ") << "Q" << QString() << QByteArray("X\r\nQ\r\n") << "1";
        QTest::newRow("unchanged: last entry empty")
            << QByteArray("X\r\nA\r\n\r\n") << "A\r\n" << QString() << QByteArray("X\r\nA\r\n\r\n") << "2";
        QTest::newRow("unchanged: only entry empty becomes two")
            << QByteArray("X\r\n\r\n") << "\r\n" << QString() << QByteArray("X\r\n\r\n\r\n") << "2";
        QTest::newRow("unchanged: caption alone gains an empty entry")
            << QByteArray("Alone") << "" << QString() << QByteArray("Alone\r\n\r\n") << "1";
        QTest::newRow("unchanged: high bytes and no-break spaces") << high << QString() << QString() << high << "2";
        QTest::newRow("empty entries box") << Tavern << QString() << "" << QByteArray("Tavern\r\n\r\n") << "1";
        QTest::newRow("entries ending with a break")
            << Tavern << QString() << "A\nB\n" << QByteArray("Tavern\r\nA\r\nB\r\n\r\n") << "3";
        QTest::newRow("301 lines written, 300 read") << Tavern << QString() << lines.join(u'\n') << written << "300";
        // clang-format on
    }

    void ok()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, shown);
        QFETCH(QString, entries);
        QFETCH(QByteArray, after);
        QFETCH(QString, count);

        QPointer<EditAction> editor = editFile(4, before);
        QVERIFY(editor);
        const QString caption
            = QString::fromStdU16String(DecodeSingleByte(before.split('\r').first().toStdString()));
        QCOMPARE(editor->txtActionButton->text(), caption);
        if (!shown.isNull())
            QCOMPARE(BoxText(editor->txtEntries), shown);
        if (!entries.isNull())
            editor->txtEntries->setPlainText(entries);
        clickOk(editor, 0);

        QCOMPARE(file(4), after);
        QCOMPARE(ActionEntryCounts[4], count);
        QCOMPARE(m_die->cmdAction[4]->text(), caption);
        QTRY_VERIFY(!editor);
    }

    // Cancel and the close box write nothing, and the closed editor is not shown again. A refused
    // save reports the error, and the editor stays open with the user's text. Either way the file's
    // place, the tables and the button stay as they were.
    void nothingSaved_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("message");

        QTest::newRow("Cancel") << int(Cancel) << "";
        QTest::newRow("close box") << int(CloseBox) << "";
        QTest::newRow("a folder where the file goes")
            << int(FolderInPlace) << "Path/File access error";
        QTest::newRow("unencodable character") << int(Unencodable) << "U+2603";
    }

    void nothingSaved()
    {
        QFETCH(int, how);
        QFETCH(QString, message);

        QPointer<EditAction> editor = editFile(0, Tavern);
        QVERIFY(editor);
        const QString entries = how == Unencodable ? u"Snow \u2603"_s : u"Changed"_s;
        editor->txtActionButton->setText(u"Changed"_s);
        editor->txtEntries->setPlainText(entries);
        QDir folder(m_program->path({}));
        if (how == FolderInPlace)
            QVERIFY(folder.remove(fileName(0)) && folder.mkdir(fileName(0)));
        const QStringList filesBefore = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        if (how == CloseBox)
            editor->close();
        else
            clickOk(editor, how == Cancel ? 1 : 0);

        if (message.isEmpty()) {
            // F7 before the closed editor's deferred deletion shows a new one.
            QTest::keyClick(m_die->cmdAction[0], Qt::Key_F7);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!editor);
            QVERIFY(openEditor());
        } else {
            const QStringList errors = m_program->takeErrors();
            QCOMPARE(errors.size(), 1);
            QVERIFY2(errors[0].contains(message) && errors[0].contains(fileName(0)),
                     qPrintable(errors[0]));
            QCOMPARE(openEditor(), editor);
            QCOMPARE(BoxText(editor->txtEntries), entries);
        }
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), filesBefore);
        QCOMPARE(file(0), how == FolderInPlace ? QByteArray() : Tavern);
        QCOMPARE(m_die->cmdAction[0]->text(), u"Tavern"_s);
        QCOMPARE(ActionEntryCounts[0], u"2"_s);
    }

    // A caption too wide for its button shows cut short there; the tables, the editor
    // and the file keep it whole, even beyond a line edit's usual 32,767 characters.
    void longCaptionIsCutOnlyOnItsButton()
    {
        const QString caption = u"Long caption "_s.repeated(3000);
        const QByteArray bytes = caption.toLatin1() + "\r\nEntry\r\n";
        EditAction *editor = editFile(0, bytes);
        QVERIFY(editor);
        const QString shown = m_die->cmdAction[0]->text();
        QVERIFY2(shown.startsWith(u"Long"_s) && shown.endsWith(u'\u2026') && shown.size() < 40,
                 qPrintable(shown));
        QCOMPARE(ActionEntries[0][0], caption);
        QCOMPARE(editor->txtActionButton->text(), caption);
        clickOk(editor, 0);
        QCOMPARE(file(0), bytes);
    }

    void f7Keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");

        QTest::newRow("F7") << int(Qt::Key_F7) << int(Qt::NoModifier);
        QTest::newRow("Shift+F7") << int(Qt::Key_F7) << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+F7") << int(Qt::Key_F7) << int(Qt::ControlModifier);
        QTest::newRow("Alt+F7") << int(Qt::Key_F7) << int(Qt::AltModifier);
        QTest::newRow("F6") << int(Qt::Key_F6) << int(Qt::NoModifier);
        QTest::newRow("F8") << int(Qt::Key_F8) << int(Qt::NoModifier);
    }

    // F7 with any shift state refills an open editor from another button; F6 and F8
    // leave it alone.
    void f7Keys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        const bool refills = key == Qt::Key_F7;

        m_program->write(fileName(2), "Market\r\nFish\r\n");
        EditAction *editor = editFile(0, Tavern);
        QVERIFY(editor);
        editor->txtEntries->setPlainText(u"unsaved"_s);
        QTest::keyClick(m_die->cmdAction[2], Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(openEditor(), editor);
        QCOMPARE(editor->txtActionButton->text(), refills ? u"Market"_s : u"Tavern"_s);
        QCOMPARE(BoxText(editor->txtEntries), refills ? u"Fish"_s : u"unsaved"_s);
        editor->txtEntries->setPlainText(u"Bread"_s);
        clickOk(editor, 0);
        QCOMPARE(file(2),
                 refills ? QByteArray("Market\r\nBread\r\n") : QByteArray("Market\r\nFish\r\n"));
        QCOMPARE(file(0), refills ? Tavern : QByteArray("Tavern\r\nBread\r\n"));
    }

    // Runs in the real event loop, which alone decides about the last window.
    void okAfterMainWindowClosedEndsTheProgram()
    {
        QPointer<EditAction> editor = editFile(1, Tavern);
        QVERIFY(editor);
        editor->txtActionButton->setText(u"Inn"_s);
        QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
        bool editorKeptProgramRunning = false;
        QTimer::singleShot(0, editor, [&] {
            m_die->close();
            QCoreApplication::processEvents();
            editorKeptProgramRunning = lastWindowClosed.isEmpty() && openEditor() == editor;
            clickOk(editor, 0);
        });
        QTimer::singleShot(5000, &lastWindowClosed, [] { QCoreApplication::exit(1); });

        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(editorKeptProgramRunning);
        QCOMPARE(lastWindowClosed.size(), 1);
        QCOMPARE(file(1), QByteArray("Inn\r\nA brawl breaks out\r\nA bard sings\r\n"));
        QCOMPARE(m_die->cmdAction[1]->text(), u"Inn"_s);
    }
};

QTEST_MAIN(TestActions)
#include "tst_actions.moc"
