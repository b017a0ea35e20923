// The action editor and the captions of the action buttons, driven through the real
// windows on real action files in a temporary program folder.
#include "ActionFiles.h"
#include "CodePage.h"
#include "EditAction.h"
#include "Questions.h"
#include "TestProgram.h"

#include <QPointer>
#include <QPushButton>

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

class TestActions : public QObject
{
    Q_OBJECT

    enum Closing { Cancel, CloseBox, Unencodable };

    std::unique_ptr<TestProgram> m_program;
    MainControls *m_main = nullptr;
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

    void cleanup()
    {
        delete ShownWindow<EditAction>();
        SetYesNoAnswerer({});
        const QStringList errors = m_program->takeErrors();
        m_program.reset(); // first, so that a failure below cannot leave the program behind
        QCOMPARE(errors, QStringList());
        QCOMPARE(std::exchange(m_questions, {}), QStringList());
    }

    // Enter breaks the line, and Esc, in the entries or the window, closes nothing.
    void editorKeys()
    {
        EditAction *editor = editFile(0, Tavern);
        QVERIFY(editor);
        QTest::keyClick(editor->txtEntries, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(editor->txtEntries, Qt::Key_Return);
        QTest::keyClicks(editor->txtEntries, u"A ghost"_s);
        QTest::keyClick(editor->txtEntries, Qt::Key_Escape);
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(ShownWindow<EditAction>(), editor);
        QCOMPARE(BoxText(editor->txtEntries), u"A brawl breaks out\r\nA bard sings\r\nA ghost"_s);
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
        QFETCH(QByteArray, after);
        QFETCH(QString, count);

        QPointer<EditAction> editor = editFile(4, before);
        QVERIFY(editor);
        const QString caption
            = QString::fromStdU16String(DecodeSingleByte(before.split('\r').first().toStdString()));
        QCOMPARE(editor->txtActionButton->text(), caption);
        clickOk(editor, 0);
        QCOMPARE(file(4), after);
        QCOMPARE(ActionEntryCounts[4], count);
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

    // F7 with any shift state refills an open editor from another button; F8 leaves it.
    void refillWithF7()
    {
        m_program->write(fileName(2), "Market\r\nFish\r\n");
        EditAction *editor = editFile(0, Tavern);
        QVERIFY(editor);
        editor->txtEntries->setPlainText(u"unsaved"_s);
        QTest::keyClick(m_main->cmdAction[2], Qt::Key_F8);
        QCOMPARE(BoxText(editor->txtEntries), u"unsaved"_s);
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
};

QTEST_MAIN(TestActions)
#include "tst_actions.moc"
