// The action buttons and the action editor, driven through the real windows on real
// action files in a temporary program folder.
#include "ActionFiles.h"
#include "BoxText.h"
#include "CodePage.h"
#include "Dice.h"
#include "Die.h"
#include "EditAction.h"
#include "ScriptedRandom.h"
#include "Startup.h"
#include "TestProgram.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
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

using Draws = std::vector<double>;
Q_DECLARE_METATYPE(Draws)

namespace {

const double LargestBelowOne = std::nextafter(1.0, 0.0);

// A caption line and entries "E1" to "E<entries>", each line ended by CR LF.
QByteArray numberedFile(int entries)
{
    QByteArray bytes = "Many\r\n";
    for (int entry = 1; entry <= entries; ++entry)
        bytes += "E" + QByteArray::number(entry) + "\r\n";
    return bytes;
}

const QByteArray Tavern = "Tavern\r\nA brawl breaks out\r\nA bard sings\r\n";

// Bytes above 0x7F, the five unused ones and no-break spaces among them.
const QByteArray HighBytes = "\x80 \xA0X\xA0\r\n\x81\x8D\x8F\x90\x9D\xFF\r\n \xA0"
                             "blanks\xA0 \r\n";

EditAction *openEditor()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *editor = qobject_cast<EditAction *>(widget);
        if (editor && editor->isVisible())
            return editor;
    }
    return nullptr;
}

} // namespace

class TestActions : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_program;
    Die *m_die = nullptr;

    void start()
    {
        QVERIFY(StartProgram());
        m_die = MainWindow();
    }

    // Starts the program with one action file of the given content and opens its editor.
    EditAction *editFile(int button, const QByteArray &bytes)
    {
        m_program->write(fileName(button), bytes);
        start();
        pressF7(button);
        return openEditor();
    }

    static QString fileName(int button) { return QStringLiteral("Action%1.txt").arg(button + 1); }
    QByteArray file(int button) const { return m_program->read(fileName(button)); }

    void pressF7(int button, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(m_die->cmdAction[static_cast<std::size_t>(button)], Qt::Key_F7, modifiers);
    }

    static void clickOk(EditAction *editor, int index)
    {
        QTest::mouseClick(editor->cmdOK[static_cast<std::size_t>(index)], Qt::LeftButton);
    }

    // Checks that a refused Ok left everything as it was, the user's text included.
    void compareUnsaved(EditAction *editor, const QByteArray &before, const QString &entries)
    {
        QCOMPARE(openEditor(), editor);
        QCOMPARE(BoxText(editor->txtEntries), entries);
        QCOMPARE(file(0), before);
        QCOMPARE(m_die->cmdAction[0]->text(), QStringLiteral("Tavern"));
        QCOMPARE(ActionEntryCounts[0], QStringLiteral("2"));
    }

private slots:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        EditedActionIndex = -1;
    }
    void cleanup()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<EditAction *>(widget))
                delete widget;
        }
        m_program.reset();
    }

    void editorWindow()
    {
        EditAction *editor = editFile(0, Tavern);
        QVERIFY(editor);
        QCOMPARE(editor->objectName(), QStringLiteral("EditAction"));
        QCOMPARE(editor->windowTitle(), QStringLiteral("Edit Action Button"));
        QCOMPARE(editor->size(), QSize(631, 500));
        QCOMPARE(editor->minimumSize(), editor->maximumSize());
        QVERIFY(!(editor->windowFlags()
                  & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(!editor->windowIcon().isNull());
        QCOMPARE(editor->font().pointSizeF(), 8.0);
        QVERIFY(editor->testAttribute(Qt::WA_QuitOnClose));
        QCOMPARE(
            editor->findChild<QLabel *>(QStringLiteral("lblEntries"))->text(),
            QStringLiteral(
                "Entries, each line represents an entry from which Tessarion will choose action"));
        QCOMPARE(editor->findChild<QLineEdit *>(QStringLiteral("txtActionButton"))->geometry(),
                 QRect(88, 8, 137, 19));
        QCOMPARE(editor->txtEntries->geometry(), QRect(8, 48, 617, 417));
        QCOMPARE(editor->txtEntries->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(editor->txtEntries->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(editor->findChild<QPushButton *>(QStringLiteral("cmdOK(1)"))->text(),
                 QStringLiteral("Cancel"));
        QCOMPARE(editor->cmdOK[0]->geometry(), QRect(8, 472, 105, 25));

        QApplication::setActiveWindow(editor);
        QVERIFY(QTest::qWaitForWindowActive(editor));
        QCOMPARE(QApplication::focusWidget(), editor->txtActionButton);
        QStringList visited;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(
            visited,
            QStringList({u"txtEntries"_s, u"cmdOK(0)"_s, u"cmdOK(1)"_s, u"txtActionButton"_s}));
    }

    void draw_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("dice");
        QTest::addColumn<QString>("result");

        const QByteArray three = "Three\r\nA\r\nB\r\nC\r\n";
        const QString drawn = QStringLiteral("Action: Three");
        // clang-format off
        QTest::newRow("no entries: nothing")
            << QByteArray("Empty\r\n") << Draws{} << "old info" << "old dice" << " 9";
        QTest::newRow("one entry: no draw, only the information")
            << QByteArray("One\r\nThe only one\r\n") << Draws{} << "The only one" << "old dice" << " 9";
        QTest::newRow("one empty entry: empties the information")
            << QByteArray("One\r\n\r\n") << Draws{} << "" << "old dice" << " 9";
        QTest::newRow("three entries, u = 0") << three << Draws{0.0} << "A" << drawn << "";
        QTest::newRow("three entries, u = 0.5") << three << Draws{0.5} << "B" << drawn << "";
        QTest::newRow("three entries, largest u") << three << Draws{LargestBelowOne} << "C" << drawn << "";
        QTest::newRow("caption with blanks")
            << QByteArray(" Tavern \r\nA\r\nB\r\n") << Draws{0.0} << "A" << "Action:  Tavern " << "";
        QTest::newRow("310 entries, u = 0") << numberedFile(310) << Draws{0.0} << "E1" << "Action: Many" << "";
        QTest::newRow("310 entries, largest u: entry 300")
            << numberedFile(310) << Draws{LargestBelowOne} << "E300" << "Action: Many" << "";
        // clang-format on
    }

    void draw()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Draws, draws);
        QFETCH(QString, info);
        QFETCH(QString, dice);
        QFETCH(QString, result);

        m_program->write(fileName(4), bytes);
        start();
        m_die->txtDices->setText(QStringLiteral("old dice"));
        m_die->txtErgebnis->setText(QStringLiteral(" 9"));
        SetBoxText(m_die->txtInfo, QStringLiteral("old info"));
        RollCount = 3;
        ScriptedRandom script;
        for (const double u : draws)
            script.add(u);
        QTest::mouseClick(m_die->cmdAction[4], Qt::LeftButton);
        QCOMPARE(BoxText(m_die->txtInfo), info);
        QCOMPARE(m_die->txtDices->text(), dice);
        QCOMPARE(m_die->txtErgebnis->text(), result);
        QCOMPARE(script.draws(), draws.size());
        QCOMPARE(RollCount, std::int16_t {3});
        QVERIFY(m_program->takeErrors().isEmpty());
    }

    void f7Fills_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("entries");

        // clang-format off
        QTest::newRow("two entries") << Tavern << "Tavern" << "A brawl breaks out\r\nA bard sings";
        QTest::newRow("caption alone") << QByteArray("Alone") << "Alone" << "";
        QTest::newRow("one one-letter entry") << QByteArray("X\r\nQ\r\n") << "X" << "Q";
        QTest::newRow("only entry empty: one break") << QByteArray("X\r\n\r\n") << "X" << "\r\n";
        QTest::newRow("last entry empty: ends with a break") << QByteArray("X\r\nA\r\n\r\n") << "X" << "A\r\n";
        // clang-format on
    }

    void f7Fills()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, caption);
        QFETCH(QString, entries);

        EditAction *editor = editFile(7, bytes);
        QVERIFY(editor);
        QCOMPARE(EditedActionIndex, std::int16_t {7});
        QCOMPARE(editor->txtActionButton->text(), caption);
        QCOMPARE(BoxText(editor->txtEntries), entries);
    }

    void f7Keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("opens");

        QTest::newRow("F7") << int(Qt::Key_F7) << int(Qt::NoModifier) << true;
        QTest::newRow("Shift+F7") << int(Qt::Key_F7) << int(Qt::ShiftModifier) << true;
        QTest::newRow("Ctrl+F7") << int(Qt::Key_F7) << int(Qt::ControlModifier) << true;
        QTest::newRow("Alt+F7") << int(Qt::Key_F7) << int(Qt::AltModifier) << true;
        QTest::newRow("F6") << int(Qt::Key_F6) << int(Qt::NoModifier) << false;
        QTest::newRow("F8") << int(Qt::Key_F8) << int(Qt::NoModifier) << false;
    }

    void f7Keys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, opens);

        start();
        QTest::keyClick(m_die->cmdAction[2], Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(openEditor() != nullptr, opens);
        QCOMPARE(EditedActionIndex, std::int16_t(opens ? 2 : -1));
    }

    void ok_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("caption"); // null: left as F7 filled it
        QTest::addColumn<QString>("entries"); // null: left as F7 filled it
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("count");

        // clang-format off
        QTest::newRow("unchanged: two entries") << Tavern << QString() << QString() << Tavern << "2";
        QTest::newRow("unchanged: last line without its end")
            << QByteArray("X\r\nA\r\nB") << QString() << QString() << QByteArray("X\r\nA\r\nB\r\n") << "2";
        QTest::newRow("unchanged: last entry empty")
            << QByteArray("X\r\nA\r\n\r\n") << QString() << QString() << QByteArray("X\r\nA\r\n\r\n") << "2";
        QTest::newRow("unchanged: only entry empty becomes two")
            << QByteArray("X\r\n\r\n") << QString() << QString() << QByteArray("X\r\n\r\n\r\n") << "2";
        QTest::newRow("unchanged: caption alone gains an empty entry")
            << QByteArray("X\r\n") << QString() << QString() << QByteArray("X\r\n\r\n") << "1";
        QTest::newRow("unchanged: high bytes and no-break spaces")
            << HighBytes << QString() << QString() << HighBytes << "2";
        QTest::newRow("empty entries box") << Tavern << QString() << "" << QByteArray("Tavern\r\n\r\n") << "1";
        QTest::newRow("entries ending with a break")
            << Tavern << QString() << "A\nB\n" << QByteArray("Tavern\r\nA\r\nB\r\n\r\n") << "3";
        QTest::newRow("empty caption") << Tavern << "" << "A" << QByteArray("\r\nA\r\n") << "1";
        // clang-format on
        QStringList lines;
        for (int line = 1; line <= 301; ++line)
            lines << QStringLiteral("L%1").arg(line);
        const QByteArray written
            = "Tavern\r\n" + lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
        QTest::newRow("301 lines written, 300 read")
            << Tavern << QString() << lines.join(u'\n') << written << "300";
    }

    void ok()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, caption);
        QFETCH(QString, entries);
        QFETCH(QByteArray, after);
        QFETCH(QString, count);

        QPointer<EditAction> editor = editFile(4, before);
        QVERIFY(editor);
        if (!caption.isNull())
            editor->txtActionButton->setText(caption);
        if (!entries.isNull())
            editor->txtEntries->setPlainText(entries);
        clickOk(editor, 0);

        QVERIFY(m_program->takeErrors().isEmpty());
        QCOMPARE(file(4), after);
        QCOMPARE(ActionEntryCounts[4], count);
        QCOMPARE(m_die->cmdAction[4]->text(), ActionEntries[4][0]);
        QCOMPARE(ActionEntries[4][0],
                 QString::fromStdU16String(
                     DecodeSingleByte(after.left(after.indexOf('\r')).toStdString())));
        QVERIFY(!openEditor());
        QTRY_VERIFY(!editor);
    }

    void typedEntryIsDrawnNext()
    {
        EditAction *editor = editFile(0, Tavern);
        QTest::mouseClick(editor->txtEntries->viewport(), Qt::LeftButton);
        QTest::keyClick(editor->txtEntries, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(editor->txtEntries, Qt::Key_Return);
        QTest::keyClicks(editor->txtEntries, QStringLiteral("A ghost"));
        QTest::keyClick(editor->txtEntries, Qt::Key_Escape);
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(openEditor(), editor);
        clickOk(editor, 0);

        QCOMPARE(file(0), Tavern + "A ghost\r\n");
        ScriptedRandom script {LargestBelowOne};
        QTest::mouseClick(m_die->cmdAction[0], Qt::LeftButton);
        QCOMPARE(BoxText(m_die->txtInfo), QStringLiteral("A ghost"));
    }

    void closingWritesNothing_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Cancel") << false;
        QTest::newRow("close box") << true;
    }

    void closingWritesNothing()
    {
        QFETCH(bool, closeBox);
        QPointer<EditAction> editor = editFile(0, Tavern);
        editor->txtActionButton->setText(QStringLiteral("Changed"));
        editor->txtEntries->setPlainText(QStringLiteral("Changed"));
        if (closeBox)
            editor->close();
        else
            clickOk(editor, 1);
        QVERIFY(!openEditor());
        QTRY_VERIFY(!editor);
        QCOMPARE(file(0), Tavern);
        QCOMPARE(m_die->cmdAction[0]->text(), QStringLiteral("Tavern"));
        QCOMPARE(ActionEntries[0][1], QStringLiteral("A brawl breaks out"));
    }

    void failedSave_data()
    {
        QTest::addColumn<bool>("removeFolder");
        QTest::newRow("a folder where Action1.txt should be") << false;
        QTest::newRow("the program folder was removed") << true;
    }

    void failedSave()
    {
        QFETCH(bool, removeFolder);
        EditAction *editor = editFile(0, Tavern);
        editor->txtEntries->setPlainText(QStringLiteral("Kept"));
        const QString path = m_program->path(fileName(0));
        QDir folder = QFileInfo(path).dir();
        if (removeFolder) {
            QVERIFY(folder.removeRecursively());
        } else {
            QVERIFY(QFile::remove(path));
            QVERIFY(folder.mkdir(fileName(0)));
        }
        const QStringList filesBefore = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        clickOk(editor, 0);

        const QStringList errors = m_program->takeErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(QStringLiteral("Path/File access error")),
                 qPrintable(errors[0]));
        QVERIFY2(errors[0].contains(fileName(0)), qPrintable(errors[0]));
        compareUnsaved(editor, QByteArray(), QStringLiteral("Kept"));
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), filesBefore);
        if (removeFolder)
            return;
        // The text survived, so Ok works once the folder is gone.
        QVERIFY(folder.rmdir(fileName(0)));
        clickOk(editor, 0);
        QCOMPARE(file(0), QByteArray("Tavern\r\nKept\r\n"));
    }

    void unencodableCharacter()
    {
        EditAction *editor = editFile(0, Tavern);
        editor->txtEntries->setPlainText(QStringLiteral("Snow \u2603"));
        clickOk(editor, 0);

        const QStringList errors = m_program->takeErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(QStringLiteral("U+2603")), qPrintable(errors[0]));
        compareUnsaved(editor, Tavern, QStringLiteral("Snow \u2603"));
    }

    void f7RefillsTheOpenEditor()
    {
        m_program->write(fileName(2), "Market\r\nFish\r\n");
        EditAction *editor = editFile(0, Tavern);
        editor->txtEntries->setPlainText(QStringLiteral("unsaved"));
        pressF7(2);
        QCOMPARE(openEditor(), editor);
        QCOMPARE(EditedActionIndex, std::int16_t {2});
        QCOMPARE(editor->txtActionButton->text(), QStringLiteral("Market"));
        QCOMPARE(BoxText(editor->txtEntries), QStringLiteral("Fish"));
        editor->txtEntries->setPlainText(QStringLiteral("Bread"));
        clickOk(editor, 0);
        QCOMPARE(file(2), QByteArray("Market\r\nBread\r\n"));
        QCOMPARE(file(0), Tavern);
    }

    void closedEditorIsNeverShownAgain()
    {
        QPointer<EditAction> closed = editFile(0, Tavern);
        clickOk(closed, 1);
        // F7 before the closed editor's deferred deletion has run.
        pressF7(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!closed);
        QVERIFY(openEditor());
    }

    // Runs in the real event loop, which alone decides about the last window.
    void okAfterMainWindowClosedEndsTheProgram()
    {
        QPointer<EditAction> editor = editFile(1, Tavern);
        editor->txtActionButton->setText(QStringLiteral("Inn"));
        QVERIFY(QApplication::quitOnLastWindowClosed());
        QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
        bool editorKeptProgramRunning = false;
        QTimer::singleShot(0, editor, [&] {
            m_die->close();
            QCoreApplication::processEvents();
            editorKeptProgramRunning = lastWindowClosed.isEmpty() && openEditor() == editor;
            clickOk(editor, 0);
        });
        QTimer timeout;
        timeout.setSingleShot(true);
        connect(&timeout, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        timeout.start(5000);

        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(editorKeptProgramRunning);
        QCOMPARE(lastWindowClosed.size(), 1);
        QVERIFY(m_program->takeErrors().isEmpty());
        QCOMPARE(file(1), QByteArray("Inn\r\nA brawl breaks out\r\nA bard sings\r\n"));
        QCOMPARE(m_die->cmdAction[1]->text(), QStringLiteral("Inn"));
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
    }
};

QTEST_MAIN(TestActions)
#include "tst_actions.moc"
