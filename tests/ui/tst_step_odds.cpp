// The Step Odds window, opened from the step buttons of the real main window; and the
// edition as a setting: chosen in the Settings window with the keyboard, followed by every
// roll and text of the main window and by Step Odds, kept in the settings file with the
// windows' places and choices, and a bad settings file passed over with a warning.
#include "LogText.h"
#include "OddsHistogram.h"
#include "RollLogWindow.h"
#include "SettingsWindow.h"
#include "StepOddsWindow.h"
#include "TestProgram.h"

#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryFile>

#include <clocale>
#include <cstdio>
#include <unistd.h>

using namespace MainBas;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MainBas::Edition)

namespace {

// Chooses the entry with the keyboard, as a user without a mouse would.
void choose(QComboBox *box, const QString &entry)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < box->count() && box->currentText() != entry; ++i)
        QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->currentText(), entry);
}

// Karma points and devotion dice with their sizes (0 points: none).
void addDice(StepOddsWindow *window, int karma, int karmaDie, int devotion = 0, int devotionDie = 4)
{
    window->spnKarma->setValue(karma);
    choose(window->cboKarma, u"D%1"_s.arg(karmaDie));
    window->spnDevotion->setValue(devotion);
    choose(window->cboDevotion, u"D%1"_s.arg(devotionDie));
}

// Every text the window shows its figures in: the summary, the histogram's bars, the table.
QStringList textsOf(const StepOddsWindow *window)
{
    QStringList texts {window->lblSummary->text()};
    for (int total = window->histogram->firstTotal(); total <= window->histogram->lastTotal();
         ++total)
        texts << window->histogram->barText(total);
    const QTableWidget *table = window->tblSteps;
    for (int column = 0; column < table->columnCount(); ++column)
        texts << table->horizontalHeaderItem(column)->text();
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column)
            texts << table->item(row, column)->text();
    }
    return texts;
}

// The settings file of the test's program.
QString settingsPath()
{
    return SettingsFile::standardPath();
}

// What the program writes to stderr while the call runs, caught in a file.
template<typename Call> QString stderrOf(Call call)
{
    QTemporaryFile caught;
    caught.open();
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(caught.handle(), STDERR_FILENO);
    call();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    caught.seek(0);
    return QString::fromLocal8Bit(caught.readAll());
}

} // namespace

class TestStepOdds : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;
    MainControls *m_main = nullptr;

    QColor colourOfBar(int total) const
    {
        return OddsWindow()->histogram->grab().toImage().pixelColor(
            OddsWindow()->histogram->barRect(total).bottomLeft() + QPoint(1, -1));
    }

    // The Step Odds window for a step, opened by Shift+F10 on its button and Return on the
    // first entry of its context menu.
    StepOddsWindow *openOdds(int index)
    {
        QTest::keyClick(m_main->cmdStep[static_cast<std::size_t>(index)], Qt::Key_F10,
                        Qt::ShiftModifier);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || menu->actions()[0]->text() != u"Odds for step %1..."_s.arg(index + 1))
            return nullptr;
        QTest::keyClick(menu, Qt::Key_Return);
        return OddsWindow();
    }

    // Ctrl+, in the main window, in front of any other.
    SettingsWindow *openSettings()
    {
        QApplication::setActiveWindow(m_main->window);
        QTest::keyClick(m_main->window, Qt::Key_Comma, Qt::ControlModifier);
        return SettingsWindowIfOpen();
    }

    // Ctrl+, in the main window, then the edition picked from the list by its row.
    void chooseEdition(int row)
    {
        openSettings();
        SettingsWindow *settings = SettingsWindowIfOpen();
        QVERIFY(settings && settings->isVisible());
        QTest::keyClick(settings->lstEdition, Qt::Key_Home);
        for (int down = 0; down < row; ++down)
            QTest::keyClick(settings->lstEdition, Qt::Key_Down);
        QTest::keyClick(settings->lstEdition, Qt::Key_Escape);
        QVERIFY(!SettingsWindowIfOpen());
    }

    // What a user sees of a step: its roll's dice box, its button's tooltip, its line in
    // the Step Table, the Dice(s) line of its distribution report and its roll log row.
    QString whatShows(int step)
    {
        const auto button = m_main->cmdStep[static_cast<std::size_t>(step - 1)];
        QTest::mouseClick(button, Qt::LeftButton);
        QStringList seen {m_main->window->windowTitle(), m_main->txtDices->text(),
                          button->toolTip().section(u'\n', 0, 0)};
        QTest::mouseClick(m_main->cmdSteps, Qt::LeftButton);
        seen << BoxText(TextViewer()->txtFeld).split(u"\r\n"_s).at(3 + step);
        m_main->txtProbeCount->setText(u"2"_s);
        QTest::keyClick(button, Qt::Key_F7);
        seen << BoxText(TextViewer()->txtFeld).split(u"\r\n"_s).at(1);
        const Log::Entry &rolled
            = m_program->session().log.entries().at(m_program->session().log.entries().size() - 2);
        seen << Log::WhatText(rolled.roll);
        return seen.join(u" | "_s);
    }

private slots:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        QVERIFY((m_main = m_program->startWindow()));
    }

    void cleanup() { m_program.reset(); } // and every side window with it

    // A right click and Shift+F10 open one window, switched to the step asked for last (the
    // Menu key opens it too: see the main window's test).
    void openedFromAStepButton()
    {
        QPushButton *step20 = m_main->cmdStep[19];
        QCOMPARE(step20->toolTip(), u"Step 20: D20+D8+D6\nRight-click for the odds."_s);
        // The window system turns a right click into this request; QTest's click does not.
        const QPoint centre20 = step20->rect().center();
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, centre20,
                                     step20->mapToGlobal(centre20));
        QApplication::sendEvent(step20, &rightClick);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->actions()[0]->text(), u"Odds for step 20..."_s);
        menu->actions()[0]->trigger();
        menu->close();
        StepOddsWindow *window = OddsWindow();
        QVERIFY(window && QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->spnStep->value(), 20);
        QCOMPARE(window->spnTarget->value(), 20); // the rounded mean, 20.4

        QCOMPARE(openOdds(10), window);
        QCOMPARE(window->spnStep->value(), 11);
        QVERIFY(m_program->takeErrors().isEmpty());
    }

    // The target number moves the success line, the coloured bars and the mark. A total the
    // program calls a fumble never succeeds: step 1 (D4-2) against 1 succeeds only on a 4
    // (totals from 3 on); a 3 totals 1, a fumble. (The table of all steps agrees with the
    // summary in the tests below; the texts of tiny chances: see the odds' own test.)
    void targetNumberChangesTheSummaryAndTheBars()
    {
        OddsWindowCreatedOnDemand()->showStep(11, Edition::First);
        StepOddsWindow *window = OddsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        addDice(window, 1, 6);
        window->spnTarget->setValue(13);
        QTRY_VERIFY(window->lblSummary->text().contains(u"Success (13 or more): 63.0%"_s));
        QCOMPARE(colourOfBar(12), OddsHistogram::Fails);
        QCOMPARE(colourOfBar(13), OddsHistogram::Succeeds);

        window->spnTarget->setFocus();
        QTest::keyClick(window->spnTarget, Qt::Key_Up);
        QTRY_VERIFY(window->lblSummary->text().contains(u"Success (14 or more): "_s));
        QCOMPARE(colourOfBar(13), OddsHistogram::Fails);
        QCOMPARE(window->histogram->barText(13), u"Total 13: 7.4%\nSuccess against 13: 63.0%"_s);

        addDice(window, 0, 6);
        window->showStep(1, Edition::First);
        window->spnTarget->setValue(1);
        QTRY_VERIFY(window->lblSummary->text().contains(u"Success (1 or more): 25.0%"_s));
        QCOMPARE(colourOfBar(1), OddsHistogram::Fails);
        QCOMPARE(colourOfBar(3), OddsHistogram::Succeeds);
    }

    // Opened from a step button, the window shows the step in the edition asked for, and the
    // target number starts at the rounded mean of the dice rolled, karma and devotion dice
    // included: step 11 (D10+D8) averages 11.25, a D6 adds 4.2, a D8 5.14 and a D20 11.05.
    // (Without added dice: see the step buttons' test above.)
    void targetStartsAtTheMeanOfWhatIsRolled_data()
    {
        QTest::addColumn<Edition>("edition");
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<int>>("added"); // karma points and die, devotion dice and die
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("dice");

        const Edition first = Edition::First;
        QTest::newRow("D20") << first << 11 << QList<int> {1, 20, 0, 4} << 22
                             << u"Step 11: D10+D8, karma D20"_s;
        QTest::newRow("two karma D6 and a devotion D8")
            << first << 11 << QList<int> {2, 6, 1, 8} << 25
            << u"Step 11: D10+D8, karma 2D6, devotion D8"_s;
        QTest::newRow("4th edition step 19 and five devotion D20")
            << Edition::Fourth << 19 << QList<int> {0, 6, 5, 20} << 75
            << u"Step 19: D20+2D6, devotion 5D20"_s;
    }

    void targetStartsAtTheMeanOfWhatIsRolled()
    {
        QFETCH(Edition, edition);
        QFETCH(int, step);
        QFETCH(QList<int>, added);
        StepOddsWindow *window = OddsWindowCreatedOnDemand();
        addDice(window, added[0], added[1], added[2], added[3]);
        window->showStep(step, edition);
        QTEST(window->spnTarget->value(), "target");
        QCOMPARE(window->cboEdition->currentText(),
                 QString::fromUtf8(EditionName(edition).data(),
                                   static_cast<qsizetype>(EditionName(edition).size())));
        QTEST(window->lblSummary->text().section(u'\n', 0, 0), "dice");
    }

    // Choosing an edition changes every figure it concerns, and choosing the first again
    // brings back every text exactly. (The edition set from the Settings window: see its test.)
    void editionsChangeTheFigures_data()
    {
        QTest::addColumn<QString>("edition");
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("lines"); // in the summary
        QTest::addColumn<QStringList>("row"); // the failure column's heading, the step's row
        QTest::addColumn<QString>("lowestBar"); // what the mouse over it tells

        QTest::newRow("Classic: step 14 rolls 2D12, the fumble rule stays")
            << u"Classic"_s << 14 << QStringList {u"Step 14: 2D12"_s, u"Fumble: 0.7% (1 in 144)"_s}
            << QStringList {u"Fumble"_s, u"14"_s,    u"2D12"_s,
                            u"14.2"_s,   u"47.2%"_s, u"0.7% (1 in 144)"_s}
            << u"Total 2: 0.7% (1 in 144), always a fumble\nSuccess against 2: 99.3%"_s;
        QTest::newRow("3rd edition: step 19 rolls D12+2D10, the Rule of One")
            << u"3rd edition"_s << 19
            << QStringList {u"Step 19: D12+2D10"_s, u"Rule of One: 0.1% (1 in 1,200)"_s}
            << QStringList {u"Rule of One"_s, u"19"_s,    u"D12+2D10"_s,
                            u"19.3"_s,        u"47.8%"_s, u"0.1% (1 in 1,200)"_s}
            << u"Total 3: 0.1% (1 in 1,200), always a Rule of One failure\n"
               u"Success against 3: 99.9%"_s;
        QTest::newRow("4th edition: same dice as 1st, but extra successes and the Rule of One")
            << u"4th edition"_s << 19
            << QStringList {u"Step 19: D20+2D6"_s, u"No extra success (19 to 23): 23.8%"_s,
                            u"3 or more extra successes (34 or more): 6.0%"_s,
                            u"Rule of One: 0.1% (1 in 720)"_s}
            << QStringList {u"Rule of One"_s, u"19"_s,    u"D20+2D6"_s,
                            u"19.5"_s,        u"51.2%"_s, u"0.1% (1 in 720)"_s}
            << u"Total 3: 0.1% (1 in 720), always a Rule of One failure\nSuccess against 3: 99.9%"_s;
    }

    void editionsChangeTheFigures()
    {
        QFETCH(QString, edition);
        QFETCH(int, step);
        QFETCH(QStringList, lines);

        StepOddsWindow *window = OddsWindowCreatedOnDemand();
        window->showStep(step, Edition::First);
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QStringList firstEdition = textsOf(window);
        const int target = window->spnTarget->value();

        QTest::keyClick(window, Qt::Key_E, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), window->cboEdition);
        choose(window->cboEdition, edition);
        QTRY_VERIFY(textsOf(window) != firstEdition);
        const QStringList summary = window->lblSummary->text().split(u'\n');
        for (const QString &line : lines)
            QVERIFY2(summary.contains(line), qPrintable(summary.join(u'\n')));
        QStringList cells {window->tblSteps->horizontalHeaderItem(4)->text()};
        for (int column = 0; column < window->tblSteps->columnCount(); ++column)
            cells << window->tblSteps->item(step - 1, column)->text();
        QTEST(cells, "row");
        QTEST(window->histogram->barText(window->histogram->firstTotal()), "lowestBar");
        QCOMPARE(window->spnTarget->value(), target);

        choose(window->cboEdition, u"1st edition"_s);
        QTRY_COMPARE(textsOf(window), firstEdition);
    }

    // Without a mouse: Tab goes through the boxes row by row, then the views and Close;
    // every label's Alt key reaches its box, no two alike (nor like the views' tabs); every
    // control has a name a screen reader can say.
    void keyboardOnly()
    {
        StepOddsWindow *window = OddsWindowCreatedOnDemand();
        window->showStep(11, Edition::First);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTRY_COMPARE(QApplication::focusWidget(), window->spnStep);
        const QList<QWidget *> chain
            = {window->spnTarget,          window->cboEdition,  window->spnKarma,
               window->cboKarma,           window->spnDevotion, window->cboDevotion,
               window->tabViews->tabBar(), window->cmdClose,    window->spnStep};
        for (QWidget *next : chain) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }

        QSet<Qt::Key> keys;
        for (int tab = 0; tab < window->tabViews->count(); ++tab)
            keys << QKeySequence::mnemonic(window->tabViews->tabText(tab))[0].key();
        for (const QLabel *label : window->findChildren<QLabel *>()) {
            if (!label->buddy())
                continue;
            const QKeyCombination key = QKeySequence::mnemonic(label->text())[0];
            QVERIFY2(!keys.contains(key.key()), qPrintable(label->text()));
            keys << key.key();
            QTest::keyClick(QApplication::focusWidget(), key.key(), Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), label->buddy());
            QVERIFY(!label->buddy()->accessibleName().isEmpty());
        }
        QCOMPARE(keys.size(), 9);
        for (const QWidget *control : std::as_const(chain))
            QVERIFY(!control->accessibleName().isEmpty() || control == window->tabViews->tabBar());
        QVERIFY(!window->tabViews->accessibleName().isEmpty());
    }

    // A held arrow key, and presses too quick for X to tell from one, arrive as repeats, a
    // key's repeat interval apart: each is one step, never more from the box's own timer.
    // Keys typed ahead or held down queue up while the figures are worked out: each moves
    // the box by one, and the figures follow once, for the value they end on.
    void keysStepTheTargetOncePerPress()
    {
        StepOddsWindow *window = OddsWindowCreatedOnDemand();
        window->showStep(11, Edition::First);
        QSpinBox *box = window->spnTarget;
        box->setValue(100);
        const auto send = [box](QEvent::Type type, bool repeat) {
            QKeyEvent key(type, Qt::Key_Up, Qt::NoModifier, QString(), repeat);
            QApplication::sendEvent(box, &key);
        };
        send(QEvent::KeyPress, false);
        for (int press = 1; press < 100; ++press) {
            QTest::qWait(10); // the key's repeat interval, not a wait for the program
            send(QEvent::KeyRelease, true);
            send(QEvent::KeyPress, true);
        }
        send(QEvent::KeyRelease, false);
        QCOMPARE(box->value(), 200);
        QTRY_VERIFY(window->lblSummary->text().contains(u"Success (200 or more)"_s));

        addDice(window, 1, 20);
        window->showStep(100, Edition::First);
        box->setValue(100);
        QTRY_VERIFY(window->lblSummary->text().contains(u"Success (100 or more)"_s));
        const QSignalSpy computed(window, &StepOddsWindow::figuresShown);
        for (int i = 0; i < 100; ++i) {
            QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyPress, Qt::Key_Up, {}));
            QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Up, {}));
        }
        QTRY_COMPARE(computed.count(), 1);
        QCOMPARE(box->value(), 200);
        QVERIFY(window->lblSummary->text().contains(u"Success (200 or more)"_s));
        QCOMPARE(window->tblSteps->item(99, 3)->text(),
                 window->lblSummary->text().section(u'\n', 3, 3).section(u": "_s, 1));
    }

    // Ctrl+C copies the summary wherever the focus is, the step box that has it when the
    // window opens and the target box with its number selected included.
    void copyingFromAnyControl_data()
    {
        // None: as the window opens; the target box's line edit: clicked; else focused.
        QTest::addColumn<QString>("control");
        QTest::newRow("as the window opens") << QString();
        for (const char *control : {"spnStep", "spnTarget", "qt_spinbox_lineedit", "spnKarma",
                                    "cboKarma", "spnDevotion", "cmdClose"})
            QTest::newRow(control) << QString::fromLatin1(control);
    }

    void copyingFromAnyControl()
    {
        QFETCH(QString, control);
        StepOddsWindow *window = OddsWindowCreatedOnDemand();
        window->showStep(11, Edition::First);
        QVERIFY(QTest::qWaitForWindowActive(window));
        if (control == u"qt_spinbox_lineedit"_s) {
            auto *edit = window->spnTarget->findChild<QWidget *>(control);
            QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
        } else if (!control.isEmpty()) {
            window->findChild<QWidget *>(control)->setFocus(Qt::TabFocusReason);
        }
        QTRY_VERIFY(QApplication::focusWidget()
                    && window->isAncestorOf(QApplication::focusWidget()));
        QApplication::clipboard()->setText(u"before"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), window->lblSummary->text());
    }

    // Every figure follows the user's locale, whatever the C library's numbers are set to.
    void figuresFollowTheLocale()
    {
        std::setlocale(LC_NUMERIC, "C");
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
        StepOddsWindow *window = OddsWindowCreatedOnDemand();
        addDice(window, 1, 6);
        window->showStep(11, Edition::First);
        window->spnTarget->setValue(13);
        QTRY_VERIFY(window->lblSummary->text().contains(u"Success (13 or more): 63,0%"_s));
        QVERIFY(window->lblSummary->text().contains(u"Mean 15,5, most likely total 13"_s));
        QVERIFY(window->lblSummary->text().contains(u"Fumble: 0,2% (1 in 480)"_s));
        QCOMPARE(window->histogram->barText(13), u"Total 13: 7,4%\nSuccess against 13: 63,0%"_s);
        QCOMPARE(window->tblSteps->item(10, 2)->text(), u"15,5"_s); // step 11's mean
        // A point with one or two digits after it is a decimal point; in German it groups
        // thousands.
        const QRegularExpression decimalPoint(u"\\d\\.\\d\\d?(?!\\d)"_s);
        QCOMPARE(textsOf(window).filter(decimalPoint), QStringList());
        window->spnKarma->setValue(0);
        window->spnTarget->setValue(999);
        QTRY_VERIFY(window->tblSteps->item(0, 3)->text().contains(u"1 in 3,27 × 10¹⁵⁰"_s));
        window->spnTarget->setValue(40);
        QTRY_COMPARE(window->tblSteps->item(0, 3)->text(), u"less than 0,1% (1 in 1.400.000)"_s);
    }

    // The second view lists every step; Ctrl+C copies the selected rows with tabs, or the
    // summary in the first view. Esc closes the window.
    void allStepsAndCopying()
    {
        OddsWindowCreatedOnDemand()->showStep(11, Edition::First);
        StepOddsWindow *window = OddsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::keyClick(window->tblSteps, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), window->lblSummary->text());

        window->tabViews->setCurrentWidget(window->tblSteps);
        QCOMPARE(window->tblSteps->rowCount(), 100);
        QTest::keyClick(window->tblSteps, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), u"11\tD10+D8\t11.3\t47.3%\t1.3%"_s);
        window->tblSteps->selectAll();
        QTest::keyClick(window->tblSteps, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text().split(u'\n').size(), 100);

        // A new step selects its row alone, even with Ctrl held (Ctrl+wheel on a box).
        QTest::keyPress(window->spnStep, Qt::Key_Control, Qt::ControlModifier);
        window->spnStep->setValue(20);
        QTRY_VERIFY(window->lblSummary->text().startsWith(u"Step 20:"_s));
        QTest::keyRelease(window->spnStep, Qt::Key_Control);
        QTest::keyClick(window->tblSteps, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QApplication::clipboard()->text().startsWith(u"20\tD20+D8+D6\t"_s));
        QCOMPARE(QApplication::clipboard()->text().count(u'\n'), 0);

        QTest::keyClick(window->spnTarget, Qt::Key_Escape);
        QVERIFY(!OddsWindow());
    }

    // 4th edition from the Settings window: step 19 rolls a D20 and two D6 and says so
    // everywhere, an open Step Odds window included, which follows the karma die chosen in
    // Settings too; back to the 1st edition every text is as it was, and the choice is kept.
    void editionFollowedEverywhere()
    {
        const QString first = whatShows(19);
        QCOMPARE(first,
                 u"Tessarion 1.0 | D20+2D6 | Step 19: D20+2D6 | 19        D20+2D6 | "
                 "Dice(s): D20+2D6 | Step 19 (D20+2D6)"_s);
        const QString firstAt14 = whatShows(14);
        StepOddsWindow *odds = openOdds(10);
        QVERIFY(odds);
        const QString oddsInFirst = odds->lblSummary->text();

        chooseEdition(3);
        QCOMPARE(whatShows(19),
                 u"Tessarion 1.0 - 4th edition | D20+2D6 | Step 19: D20+2D6 | 19        "
                 "D20+2D6 | Dice(s): D20+2D6 | Step 19 (D20+2D6)"_s);
        QCOMPARE(whatShows(14),
                 u"Tessarion 1.0 - 4th edition | 2D12 | Step 14: 2D12 | 14        2D12 | "
                 "Dice(s): 2D12 | Step 14 (2D12)"_s);
        QSettings kept(settingsPath(), QSettings::IniFormat);
        QCOMPARE(kept.value(u"edition"_s).toString(), u"fourth"_s);
        QCOMPARE(odds->cboEdition->currentText(), u"4th edition"_s);
        QTRY_VERIFY(odds->lblSummary->text() != oddsInFirst);
        SettingsWindow *settings = openSettings();
        QVERIFY(settings);
        settings->cboKarmaDie->setCurrentIndex(2);
        emit settings->cboKarmaDie->activated(2); // D8, as a user's choice
        QCOMPARE(odds->cboKarma->currentText(), u"D8"_s);
        QCOMPARE(m_program->session().karmaDie(), 8);

        chooseEdition(2);
        m_program->use(ScriptedRandom::repeating(Face(12, 6)));
        QTest::mouseClick(m_main->cmdStep[99], Qt::LeftButton);
        QCOMPARE(m_main->txtDices->text(), u"13D12+D8+D6"_s);
        QCOMPARE(m_main->txtErgebnis->text(), u" 85"_s); // 13 sixes on D12, 4 on D8, 3 on D6
        m_program->session().random = RandomSource();

        chooseEdition(0);
        QCOMPARE(whatShows(14), firstAt14);
        QCOMPARE(whatShows(19), first);
        QCOMPARE(QSettings(settingsPath(), QSettings::IniFormat).value(u"edition"_s).toString(),
                 u"first"_s);
        QTRY_COMPARE(odds->lblSummary->text(), oddsInFirst);
        QVERIFY(m_program->takeErrors().isEmpty());
    }

    // The settings file round-trips; a bad one starts the program on the 1st edition and
    // says so once, and nothing stops it from starting.
    void settingsFileAtStart_data()
    {
        QTest::addColumn<QVariant>("file");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("warning"); // the one line on stderr; "any" for no check
        QTest::newRow("none") << QVariant() << u"Tessarion 1.0"_s << QString();
        QTest::newRow("classic, other keys around")
            << QVariant(QByteArray("[General]\nfoo=1\nedition=classic\n[Other]\nx=y\n"))
            << u"Tessarion 1.0 - Classic"_s << QString();
        QTest::newRow("an unknown edition")
            << QVariant(QByteArray("[General]\nedition=fifth\n")) << u"Tessarion 1.0"_s
            << u"the edition \"fifth\" is unknown, so the 1st edition is used."_s;
        QTest::newRow("garbage") << QVariant(QByteArray("\x01\xff[[[\0\nedition\n", 15))
                                 << u"Tessarion 1.0"_s << u"any"_s;
        QTest::newRow("a named pipe") << QVariant::fromValue(FileKind::NamedPipe)
                                      << u"Tessarion 1.0"_s << u"it is a named pipe, not a file."_s;
        QTest::newRow("a folder") << QVariant::fromValue(FileKind::Folder) << u"Tessarion 1.0"_s
                                  << u"it is a folder, not a file."_s;
    }

    void settingsFileAtStart()
    {
        QFETCH(QVariant, file);
        QFETCH(QString, warning);
        m_program->closeWindow(); // the settings are read at the start
        QDir().mkpath(QFileInfo(settingsPath()).absolutePath());
        QVERIFY(PutFile(settingsPath(), file));
        const QByteArray before = file.metaType() == QMetaType::fromType<QByteArray>()
            ? file.toByteArray()
            : QByteArray();

        const QString printed = stderrOf([this] { m_main = m_program->startWindow(); });
        QVERIFY(m_main);
        QTEST(m_main->window->windowTitle(), "title");
        QCOMPARE(m_program->session().settingsPath(), settingsPath());
        QVERIFY(m_program->takeErrors().isEmpty());
        if (!before.isEmpty())
            QCOMPARE(ReadFile(settingsPath()), before); // reading never rewrites it
        if (warning != u"any"_s) {
            const QString expected = warning.isEmpty()
                ? QString()
                : u"Tessarion: the settings file %1 was passed over: %2\n"_s.arg(settingsPath(),
                                                                                 warning);
            QCOMPARE(printed, expected);
        }
    }

    // In the next run a laid-out window comes back as large as it was, and Step Odds with
    // its karma points, and its target number for the same step; the specified windows keep
    // their sizes.
    void windowsKeepTheirPlaceAndChoices()
    {
        QTest::keyClick(m_main->window, Qt::Key_L, Qt::ControlModifier);
        QWidget *log = LogWindow();
        QVERIFY(log && QTest::qWaitForWindowExposed(log));
        const QSize wider = log->size() + QSize(120, 60);
        log->resize(wider);
        QTRY_COMPARE(log->size(), wider);
        log->close();
        StepOddsWindow *odds = openOdds(10);
        QVERIFY(odds);
        odds->spnKarma->setValue(2);
        odds->spnTarget->setValue(17);
        odds->close();
        QTRY_VERIFY(!LogWindow() && !OddsWindow());

        m_program->closeWindow();
        QVERIFY((m_main = m_program->startWindow()));
        QTest::keyClick(m_main->window, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(LogWindow() && QTest::qWaitForWindowExposed(LogWindow()));
        QCOMPARE(LogWindow()->size(), wider);
        QCOMPARE(m_main->window->size(), QSize(711, 521));
        odds = openOdds(10);
        QVERIFY(odds);
        QCOMPARE(odds->spnKarma->value(), 2);
        QCOMPARE(odds->spnTarget->value(), 17);
        odds = openOdds(11); // another step: the target number at its mean again
        QCOMPARE(odds->spnTarget->value(), 21); // step 12 (2D10) with 2 karma D6: 12.2 + 8.4
        QCOMPARE(odds->spnKarma->value(), 2);
    }

    // A choice that cannot be kept holds for the run and is reported once.
    void failedSaveReportedOnce()
    {
        QDir().mkpath(settingsPath()); // a folder where the file should be
        chooseEdition(3);
        chooseEdition(2);
        QCOMPARE(m_main->window->windowTitle(), u"Tessarion 1.0 - 3rd edition"_s);
        const QStringList errors = m_program->takeErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(u"it is a folder, not a file"_s), qPrintable(errors[0]));
    }
};

QTEST_MAIN(TestStepOdds)
#include "tst_step_odds.moc"
