// The Roll Sheet driven by its keys as a player uses it, with scripted dice: Ctrl+R, the
// Tab order, Enter in every box, bad input, the named rolls, karma running out, the roll
// log's rows, Ctrl+C's line, the sheet's file and the question before changes go.
#include "LogText.h"
#include "NamedRollsModel.h"
#include "NumberBox.h"
#include "Questions.h"
#include "RollLog.h"
#include "RollSheetWindow.h"
#include "SideWindows.h"
#include "TestProgram.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>

using namespace MainBas;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MainBas::UnsavedChoice)

namespace {

// Keys as the user types them, to whatever has the focus.
void type(const QString &text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// A box made empty and given the text, as a user selects all and types.
void retype(QWidget *box, const QString &text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

QString shownResult(const RollSheetWindow *sheet)
{
    return QStringList {sheet->lblRolled->text(), sheet->lblTotal->text(), sheet->lblDice->text(),
                        sheet->lblVerdict->text()}
        .join(u" | "_s);
}

QString row(const RollSheetWindow *sheet, int at)
{
    QStringList cells;
    for (int column = 0; column < NamedRollsModel::ColumnCount; ++column)
        cells << sheet->tblRolls->model()->index(at, column).data().toString();
    return cells.join(u'|');
}

} // namespace

class TestRollSheet : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;
    MainControls *m_main = nullptr;
    QStringList m_questions;
    UnsavedChoice m_answer = UnsavedChoice::Cancel;
    QString m_openPath;

    const Log::RollLog &log() { return m_program->session().log; }

    QString lastLogged()
    {
        if (log().entries().empty())
            return {};
        const Log::Entry &entry = log().entries().back();
        return Log::WhatText(entry.roll) + u" | "_s + Log::ResultText(entry.roll);
    }

    RollSheetWindow *pressCtrlR() const
    {
        QApplication::setActiveWindow(m_main->window);
        QTest::keyClick(m_main->txtDices, Qt::Key_R, Qt::ControlModifier);
        RollSheetWindow *sheet = RollSheetWindowIfOpen();
        return sheet && QTest::qWaitForWindowActive(sheet) ? sheet : nullptr;
    }

    QString sheetsFolder() const
    {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }

    // A sheet named Kethra, saved where the window suggests.
    RollSheetWindow *savedKethra()
    {
        RollSheetWindow *sheet = pressCtrlR();
        if (!sheet)
            return nullptr;
        retype(sheet->txtName, u"Kethra"_s);
        QTest::mouseClick(sheet->cmdSave, Qt::LeftButton);
        return sheet;
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        m_program = std::make_unique<TestProgram>();
        QVERIFY((m_main = m_program->startWindow()));
        m_program->session().log.clear();
        m_questions.clear();
        SetUnsavedAnswerer([this](const QString &question) {
            m_questions << question;
            return m_answer;
        });
        SetSavePathAnswerer([](const QString &suggested) { return suggested; });
        SetOpenPathAnswerer([this](const QString & /*folder*/) { return m_openPath; });
    }

    void cleanup()
    {
        DestroySideWindows();
        SetUnsavedAnswerer({});
        SetSavePathAnswerer({});
        SetOpenPathAnswerer({});
        m_program.reset();
        QLocale::setDefault(QLocale::c());
    }

    // Ctrl+R, "11", Tab, "1", Tab x4, "13", Enter: step 11 with a karma die against 13,
    // its verdict shown and logged; Ctrl+C puts one line for the group on the clipboard.
    void typedRollAgainstATarget()
    {
        const ScriptedRandom script {Face(10, 10), Face(10, 7), Face(8, 3), Face(6, 4)};
        m_program->use(script);
        RollSheetWindow *sheet = pressCtrlR();
        QVERIFY(sheet);
        QCOMPARE(sheet->windowTitle(), u"Roll Sheet"_s);
        QStringList visited {QApplication::focusWidget()->objectName()};
        type(u"11"_s);
        press(Qt::Key_Tab);
        type(u"1"_s);
        for (int tab = 0; tab < 4; ++tab) {
            visited << QApplication::focusWidget()->objectName();
            press(Qt::Key_Tab);
        }
        visited << QApplication::focusWidget()->objectName();
        type(u"13"_s);
        press(Qt::Key_Return);

        QCOMPARE(shownResult(sheet),
                 u"step 11 + karma D6 vs 13 | 24 | D10: 10+7, D8: 3, karma "
                 "D6: 4 | Success (by 11)"_s);
        QCOMPARE(lastLogged(),
                 u"step 11 + karma D6 vs 13 | 24, success (D10: 10+7, D8: 3, karma D6: 4)"_s);
        QCOMPARE(log().entries().size(), std::size_t {1});
        press(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 u"Rolled step 11 + karma D6 vs 13: D10: 10+7, D8: 3, karma D6: 4 = 24. Success "
                 "(by 11)."_s);
        press(Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
        QCOMPARE(visited,
                 QStringList({u"spnStep"_s, u"spnKarma"_s, u"spnDevotion"_s, u"spnWounds"_s,
                              u"spnModifier"_s, u"spnTarget"_s, u"cmdRoll"_s}));
        QCOMPARE(script.remaining(), std::size_t {0});
        QVERIFY(m_program->takeErrors().isEmpty());
    }

    // Every box keeps its last good value against what it cannot take, and Enter in any
    // of them rolls exactly once.
    void boxesTakeOnlyGoodValuesAndEnterRolls_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("rolled");
        QTest::newRow("step 57") << u"spnStep"_s << u"57"_s << u"57"_s << u"step 57"_s;
        QTest::newRow("step 0 keeps the last good step")
            << u"spnStep"_s << u"0"_s << u"10"_s << u"step 10"_s;
        QTest::newRow("no step past 100") << u"spnStep"_s << u"1001"_s << u"100"_s << u"step 100"_s;
        QTest::newRow("letters refused") << u"spnStep"_s << u"x7y"_s << u"7"_s << u"step 7"_s;
        QTest::newRow("no negative karma")
            << u"spnKarma"_s << u"-2"_s << u"2"_s << u"step 10 + 2 karma D6"_s;
        QTest::newRow("devotion") << u"spnDevotion"_s << u"3"_s << u"3"_s
                                  << u"step 10 + 3 devotion D4"_s;
        QTest::newRow("wounds") << u"spnWounds"_s << u"2"_s << u"2"_s << u"step 10 - 2 wounds"_s;
        QTest::newRow("a step taken")
            << u"spnModifier"_s << u"-3"_s << u"-3"_s << u"step 10 - 3 steps"_s;
        QTest::newRow("a target") << u"spnTarget"_s << u"13"_s << u"13"_s << u"step 10 vs 13"_s;
        QTest::newRow("an empty target")
            << u"spnTarget"_s << QString() << QString() << u"step 10"_s;
        QTest::newRow("target 0 is none") << u"spnTarget"_s << u"0"_s << QString() << u"step 10"_s;
    }

    void boxesTakeOnlyGoodValuesAndEnterRolls()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, rolled);
        m_program->use(ScriptedRandom::repeating(Face(20, 2)));
        RollSheetWindow *sheet = pressCtrlR();
        QVERIFY(sheet);
        sheet->spnTarget->setValue(20);
        auto *number = sheet->findChild<NumberBox *>(box);
        retype(number, typed);
        press(Qt::Key_Return);
        QCOMPARE(number->text(), shown);
        QCOMPARE(log().entries().size(), std::size_t {1});
        const QString expected = box == u"spnTarget"_s ? rolled : rolled + u" vs 20"_s;
        QCOMPARE(lastLogged().section(u" | "_s, 0, 0), expected);
    }

    // Rows are added and edited with the keyboard; each shows its chance with the wounds,
    // and Enter or a double click rolls it, its karma taken until none is left.
    void namedRollsSpendKarma()
    {
        const ScriptedRandom script {Face(8, 5), Face(6, 3), Face(6, 4)};
        m_program->use(script);
        RollSheetWindow *sheet = pressCtrlR();
        QVERIFY(sheet);
        retype(sheet->spnKarmaMaximum, u"1"_s);
        press(Qt::Key_Return);
        QTest::mouseClick(sheet->cmdRefresh, Qt::LeftButton);
        QCOMPARE(sheet->spnKarmaLeft->value(), 1);

        QTest::mouseClick(sheet->cmdAdd, Qt::LeftButton);
        for (const QString &cell : {u"Melee Weapons"_s, u"11"_s, u"1"_s, u"13"_s}) {
            type(cell);
            press(Qt::Key_Tab);
        }
        press(Qt::Key_Escape);
        QVERIFY(sheet->isVisible());
        const QString unhurt = row(sheet, 0);
        QVERIFY2(unhurt.startsWith(u"Melee Weapons|11|1|13||"_s), qPrintable(unhurt));
        retype(sheet->spnWounds, u"2"_s);
        press(Qt::Key_Tab);
        QVERIFY(row(sheet, 0) != unhurt);

        sheet->tblRolls->setFocus();
        press(Qt::Key_Return);
        QCOMPARE(lastLogged(),
                 u"Melee Weapons: step 11 + karma D6 - 2 wounds vs 13 | 12, failure "
                 "(D8: 5, D6: 3, karma D6: 4)"_s);
        QCOMPARE(sheet->spnKarmaLeft->value(), 0);
        const QRect cell = sheet->tblRolls->visualRect(sheet->tblRolls->model()->index(0, 0));
        QTest::mouseClick(sheet->tblRolls->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(sheet->tblRolls->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(m_program->takeErrors(),
                 QStringList {u"This roll takes 1 karma point, but none is left. Nothing was "
                              "rolled."_s});
        QCOMPARE(log().entries().size(), std::size_t {1});
        QCOMPARE(script.draws(), std::size_t {3});

        QTest::mouseClick(sheet->cmdAdd, Qt::LeftButton);
        press(Qt::Key_Return); // ends the edit, and rolls nothing
        QVERIFY(m_program->takeErrors().isEmpty());
        QCOMPARE(log().entries().size(), std::size_t {1});
        QTest::mouseClick(sheet->cmdUp, Qt::LeftButton);
        QCOMPARE(row(sheet, 1).section(u'|', 0, 0), u"Melee Weapons"_s);
        QTest::mouseClick(sheet->cmdDelete, Qt::LeftButton);
        QCOMPARE(sheet->tblRolls->model()->rowCount(), 1);
        QCOMPARE(row(sheet, 0).section(u'|', 0, 0), u"Melee Weapons"_s);
    }

    // Saved where the user's data go, reopened with the window; a bad file leaves the sheet
    // on screen as it was; keys of a newer version stay in the file.
    void sheetFiles()
    {
        RollSheetWindow *sheet = savedKethra();
        QVERIFY(sheet);
        const QString saved = sheetsFolder() + u"/Kethra.json"_s;
        QCOMPARE(sheet->sheetPath(), saved);
        QCOMPARE(sheet->lblFile->text(), u"Kethra.json"_s);
        QTest::keyClick(sheet->spnStep, Qt::Key_Escape);
        QVERIFY(!RollSheetWindowIfOpen());
        QVERIFY((sheet = pressCtrlR()));
        QCOMPARE(sheet->txtName->text(), u"Kethra"_s);

        m_openPath = m_program->path(u"Broken.json"_s);
        m_program->write(u"Broken.json"_s,
                         ReadFile(saved).replace("\"wounds\": 0", "\"wounds\": -1"));
        QTest::mouseClick(sheet->cmdOpen, Qt::LeftButton);
        QCOMPARE(m_program->takeErrors(),
                 QStringList {u"Could not open Broken.json: the sheet's \"wounds\" is -1; it must "
                              "lie from 0 to 99."_s});
        QCOMPARE(sheet->sheetPath(), saved);

        m_openPath = m_program->path(u"Later.json"_s);
        m_program->write(u"Later.json"_s,
                         ReadFile(saved).replace("{", "{\"portrait\": \"k.png\","));
        QTest::mouseClick(sheet->cmdOpen, Qt::LeftButton);
        QCOMPARE(sheet->sheetPath(), m_openPath);
        retype(sheet->txtName, u"Kethra Ash"_s);
        press(Qt::Key_S, Qt::ControlModifier);
        const QByteArray written = ReadFile(m_openPath);
        QVERIFY(written.contains("\"portrait\": \"k.png\"") && written.contains("Kethra Ash"));
        QCOMPARE(m_program->session().setting(u"sheet"_s).value_or(QString()).toString(),
                 m_openPath);
        QVERIFY(m_program->takeErrors().isEmpty());
    }

    // Closing with changes asks; Cancel keeps the window and the changes, Discard drops
    // them, Save writes them. The program's Exit asks nothing, even in the middle of an edit.
    void closingWithChanges_data()
    {
        QTest::addColumn<UnsavedChoice>("answer");
        QTest::addColumn<bool>("exit");
        QTest::addColumn<bool>("stillOpen");
        QTest::addColumn<bool>("written");
        QTest::newRow("cancel") << UnsavedChoice::Cancel << false << true << false;
        QTest::newRow("discard") << UnsavedChoice::Discard << false << false << false;
        QTest::newRow("save") << UnsavedChoice::Save << false << false << true;
        QTest::newRow("exit") << UnsavedChoice::Save << true << false << false;
    }

    void closingWithChanges()
    {
        QFETCH(UnsavedChoice, answer);
        QFETCH(bool, exit);
        QFETCH(bool, stillOpen);
        QFETCH(bool, written);
        RollSheetWindow *sheet = savedKethra();
        QVERIFY(sheet);
        retype(sheet->txtName, u"Kethra Ash"_s);
        m_answer = answer;
        if (exit) {
            QTest::mouseClick(sheet->cmdAdd, Qt::LeftButton); // an edit still open goes too
            type(u"Half-typed"_s);
            DestroySideWindows();
        } else {
            press(Qt::Key_Escape);
        }
        QCOMPARE(m_questions,
                 exit ? QStringList() : QStringList {u"Save the changes to Kethra.json?"_s});
        QCOMPARE(RollSheetWindowIfOpen() != nullptr, stillOpen);
        QCOMPARE(ReadFile(sheetsFolder() + u"/Kethra.json"_s).contains("Kethra Ash"), written);
    }

    // A new karma die or edition applies at once: the chance (in the user's figures), the
    // next roll. A roll that overflows says so and changes nothing.
    void followsSettingsAndOverflows()
    {
        QLocale::setDefault(QLocale(QLocale::German));
        RollSheetWindow *sheet = pressCtrlR();
        QVERIFY(sheet);
        retype(sheet->spnKarma, u"1"_s);
        retype(sheet->spnTarget, u"13"_s);
        const QString withD6 = sheet->lblChance->text();
        QVERIFY2(withD6.startsWith(u"Chance of success: "_s) && withD6.contains(u','),
                 qPrintable(withD6));
        QVERIFY(!m_program->session().chooseKarmaDie(8));
        QVERIFY(sheet->lblChance->text() != withD6);

        m_program->use(ScriptedRandom::repeating(LargestBelowOne));
        const QString before = shownResult(sheet);
        press(Qt::Key_Return);
        QCOMPARE(m_program->takeErrors(), QStringList {u"Run-time error 6: Overflow"_s});
        QCOMPARE(shownResult(sheet), before);
        QVERIFY(log().entries().empty());

        m_program->use(ScriptedRandom::repeating(Face(20, 2)));
        QVERIFY(!m_program->session().chooseEdition(Edition::Fourth));
        press(Qt::Key_Return);
        QCOMPARE(lastLogged(),
                 u"step 10 + karma D8 vs 13 | 3, Rule of One (D8: 1, D8: 1, karma D8: 1)"_s);
    }

    // "Roll Sheet..." in the context menus of the information box and the step buttons.
    void openedFromContextMenus_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("information box") << u"txtInfo"_s;
        QTest::newRow("step button") << u"cmdStep(4)"_s;
    }

    void openedFromContextMenus()
    {
        QFETCH(QString, control);
        auto *widget = m_main->window->findChild<QWidget *>(control);
        QVERIFY(widget);
        const QPoint centre = widget->rect().center();
        QContextMenuEvent request(QContextMenuEvent::Keyboard, centre, widget->mapToGlobal(centre));
        QApplication::sendEvent(widget, &request);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction *entry = nullptr;
        for (QAction *each : menu->actions())
            entry = each->text() == u"Roll Sheet..."_s ? each : entry;
        QVERIFY(entry);
        entry->trigger();
        menu->close();
        QVERIFY(RollSheetWindowIfOpen() && RollSheetWindowIfOpen()->isVisible());
    }
};

QTEST_MAIN(TestRollSheet)
#include "tst_roll_sheet.moc"
