// The Step Odds window, opened from the step buttons of the real main window.
#include "Die.h"
#include "OddsHistogram.h"
#include "SideWindows.h"
#include "StepOddsWindow.h"
#include "TestProgram.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include <clocale>
#include <string>

using namespace MainBas;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MainBas::Edition)

namespace {

// Sets the program's locale, with the C library's numbers left as plain C, for one test.
class LocaleForTheTest
{
public:
    explicit LocaleForTheTest(const QLocale &locale)
        : m_numbers(std::setlocale(LC_NUMERIC, nullptr))
    {
        QLocale::setDefault(locale);
        std::setlocale(LC_NUMERIC, "C");
    }
    ~LocaleForTheTest()
    {
        QLocale::setDefault(m_locale);
        std::setlocale(LC_NUMERIC, m_numbers.c_str());
    }
    LocaleForTheTest(const LocaleForTheTest &) = delete;
    LocaleForTheTest &operator=(const LocaleForTheTest &) = delete;

private:
    QLocale m_locale;
    std::string m_numbers;
};

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

} // namespace

class TestStepOdds : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;
    MainControls *m_main = nullptr;

    // Chooses the one entry of the step button's open context menu.
    static StepOddsWindow *chooseOdds(const QString &entry)
    {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || menu->actions().isEmpty() || menu->actions()[0]->text() != entry)
            return nullptr;
        menu->actions()[0]->trigger();
        menu->close();
        return OddsWindow();
    }

    QColor colourOfBar(int total) const
    {
        return OddsWindow()->histogram->grab().toImage().pixelColor(
            OddsWindow()->histogram->barRect(total).bottomLeft() + QPoint(1, -1));
    }

private slots:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        QVERIFY((m_main = m_program->startWindow()));
    }

    void cleanup()
    {
        DestroySideWindows();
        m_program.reset();
    }

    // A right click, Shift+F10 and the Menu key (which X11 turns into a context menu
    // request) all open one window, switched to the step asked for last.
    void openedFromAStepButton()
    {
        QPushButton *step20 = m_main->cmdStep[19];
        QCOMPARE(step20->toolTip(), u"Step 20: D20+D8+D6\nRight-click for the odds."_s);
        // The window system turns a right click into this request; QTest's click does not.
        const QPoint centre20 = step20->rect().center();
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, centre20,
                                     step20->mapToGlobal(centre20));
        QApplication::sendEvent(step20, &rightClick);
        StepOddsWindow *window = chooseOdds(u"Odds for step 20..."_s);
        QVERIFY(window && QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->spnStep->value(), 20);
        QCOMPARE(window->spnTarget->value(), 20); // the rounded mean, 20.4

        QTest::keyClick(m_main->cmdStep[10], Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(chooseOdds(u"Odds for step 11..."_s), window);
        QCOMPARE(window->spnStep->value(), 11);

        const QPoint centre = m_main->cmdStep[2]->rect().center();
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, centre,
                                  m_main->cmdStep[2]->mapToGlobal(centre));
        QApplication::sendEvent(m_main->cmdStep[2], &menuKey);
        QCOMPARE(chooseOdds(u"Odds for step 3..."_s), window);
        QCOMPARE(window->spnStep->value(), 3);
        QVERIFY(m_program->takeErrors().isEmpty());
    }

    // The target number moves the success line, the coloured bars and the mark.
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
    }

    // A total the program calls a fumble never succeeds: step 1 (D4-2) against 1 succeeds
    // only on a 4 (totals from 3 on); a 3 totals 1, a fumble. The summary, the bars, their
    // tooltips and the table of all steps agree.
    void aFumbleNeverSucceeds()
    {
        StepOddsWindow *window = OddsWindowCreatedOnDemand();
        window->showStep(1, Edition::First);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->spnTarget->setValue(1);
        QTRY_VERIFY(window->lblSummary->text().contains(u"Success (1 or more): 25.0%"_s));
        QVERIFY(window->lblSummary->text().contains(u"Fumble: 75.0%"_s));
        QCOMPARE(colourOfBar(0), OddsHistogram::Fails);
        QCOMPARE(colourOfBar(1), OddsHistogram::Fails);
        QCOMPARE(colourOfBar(3), OddsHistogram::Succeeds);
        QCOMPARE(window->histogram->barText(1),
                 u"Total 1: 25.0%, always a fumble\nSuccess against 1: 25.0%"_s);
        QCOMPARE(window->tblSteps->item(0, 3)->text(), u"25.0%"_s);
        QCOMPARE(window->tblSteps->item(2, 3)->text(), u"75.0%"_s); // step 3: a 1 fumbles
    }

    // The table of all steps says what the summary says, in every edition and with any dice
    // added, tiny chances and near certainties included: one text for both, "0%" only for
    // the impossible.
    void allStepsAgreeWithTheSummary_data()
    {
        QTest::addColumn<Edition>("edition");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("karmaDie"); // 0 for none
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("success");

        const Edition first = Edition::First;
        QTest::newRow("step 11 against 200")
            << first << 11 << 0 << 200 << u"less than 0.1% (1 in 5.16 × 10¹⁸)"_s;
        QTest::newRow("step 1 against 999")
            << first << 1 << 0 << 999 << u"less than 0.1% (1 in 3.27 × 10¹⁵⁰)"_s;
        QTest::newRow("step 100 + D20 against 15")
            << first << 100 << 20 << 15 << u"more than 99.9%"_s;
        QTest::newRow("step 20 + D8 against 30") << first << 20 << 8 << 30 << u"29.3%"_s;
        QTest::newRow("3rd step 1 against 1: a 1 totals -2")
            << Edition::Third << 1 << 0 << 1 << u"50.0%"_s;
        QTest::newRow("4th step 5 + D6 against 2: both showing 1 fail")
            << Edition::Fourth << 5 << 6 << 2 << u"97.9%"_s;
    }

    void allStepsAgreeWithTheSummary()
    {
        QFETCH(Edition, edition);
        QFETCH(int, step);
        QFETCH(int, karmaDie);
        QFETCH(int, target);
        QFETCH(QString, success);

        StepOddsWindow *window = OddsWindowCreatedOnDemand();
        window->showStep(step, edition);
        addDice(window, karmaDie == 0 ? 0 : 1, karmaDie == 0 ? 6 : karmaDie);
        window->spnTarget->setValue(target);
        const QString line = u"Success (%1 or more): %2"_s.arg(target).arg(success);
        QTRY_VERIFY2(window->lblSummary->text().contains(line),
                     qPrintable(window->lblSummary->text()));
        QCOMPARE(window->tblSteps->item(step - 1, 3)->text(), success);
        const QString failure = window->lblSummary->text().section(u'\n', -1);
        QCOMPARE(window->tblSteps->horizontalHeaderItem(4)->text() + u": "_s
                     + window->tblSteps->item(step - 1, 4)->text(),
                 failure);
    }

    // Opened from a step button, the window shows the step in the edition asked for, and the
    // target number starts at the rounded mean of the dice rolled, karma and devotion dice
    // included: step 11 (D10+D8) averages 11.25, a D6 adds 4.2, a D8 5.14 and a D20 11.05.
    void targetStartsAtTheMeanOfWhatIsRolled_data()
    {
        QTest::addColumn<Edition>("edition");
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<int>>("added"); // karma points and die, devotion dice and die
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("dice");

        const Edition first = Edition::First;
        QTest::newRow("no karma die")
            << first << 11 << QList<int> {0, 6, 0, 4} << 11 << u"Step 11: D10+D8"_s;
        QTest::newRow("D6") << first << 11 << QList<int> {1, 6, 0, 4} << 15
                            << u"Step 11: D10+D8, karma D6"_s;
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
    // brings back every text exactly; so does the edition set from outside (the setting)
    // and a step opened in an edition.
    void editionsChangeTheFigures_data()
    {
        QTest::addColumn<QString>("edition");
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("lines"); // in the summary
        QTest::addColumn<QStringList>("row"); // the step's row of the table
        QTest::addColumn<QString>("lowestBar"); // what the mouse over it tells

        QTest::newRow("Classic: step 14 rolls 2D12, the fumble rule stays")
            << u"Classic"_s << 14 << QStringList {u"Step 14: 2D12"_s, u"Fumble: 0.7% (1 in 144)"_s}
            << QStringList {u"14"_s, u"2D12"_s, u"14.2"_s, u"47.2%"_s, u"0.7% (1 in 144)"_s}
            << u"Total 2: 0.7% (1 in 144), always a fumble\nSuccess against 2: 99.3%"_s;
        QTest::newRow("3rd edition: step 19 rolls D12+2D10, the Rule of One")
            << u"3rd edition"_s << 19
            << QStringList {u"Step 19: D12+2D10"_s, u"Rule of One: 0.1% (1 in 1,200)"_s}
            << QStringList {u"19"_s, u"D12+2D10"_s, u"19.3"_s, u"47.8%"_s, u"0.1% (1 in 1,200)"_s}
            << u"Total 3: 0.1% (1 in 1,200), always a Rule of One failure\n"
               u"Success against 3: 99.9%"_s;
        QTest::newRow("4th edition: same dice as 1st, but extra successes and the Rule of One")
            << u"4th edition"_s << 19
            << QStringList {u"Step 19: D20+2D6"_s, u"No extra success (19 to 23): 23.8%"_s,
                            u"3 or more extra successes (34 or more): 6.0%"_s,
                            u"Rule of One: 0.1% (1 in 720)"_s}
            << QStringList {u"19"_s, u"D20+2D6"_s, u"19.5"_s, u"51.2%"_s, u"0.1% (1 in 720)"_s}
            << u"Total 3: 0.1% (1 in 720), always a Rule of One failure\nSuccess against 3: 99.9%"_s;
    }

    void editionsChangeTheFigures()
    {
        QFETCH(QString, edition);
        QFETCH(int, step);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, row);

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
        QStringList cells;
        for (int column = 0; column < window->tblSteps->columnCount(); ++column)
            cells << window->tblSteps->item(step - 1, column)->text();
        QCOMPARE(cells, row);
        QTEST(window->histogram->barText(window->histogram->firstTotal()), "lowestBar");
        QCOMPARE(window->spnTarget->value(), target);

        choose(window->cboEdition, u"1st edition"_s);
        QTRY_COMPARE(textsOf(window), firstEdition);

        window->setEdition(Edition::Fourth);
        QTRY_VERIFY(window->lblSummary->text().contains(u"Rule of One: "_s));
        QCOMPARE(window->cboEdition->currentText(), u"4th edition"_s);
        window->showStep(step, Edition::First);
        QCOMPARE(textsOf(window), firstEdition);
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

    // Keys typed ahead or held down queue up while the figures are worked out: each moves
    // the box by one, and the figures follow once, for the value they end on.
    void queuedKeysAreComputedOnce()
    {
        StepOddsWindow *window = OddsWindowCreatedOnDemand();
        addDice(window, 1, 20);
        window->showStep(100, Edition::First);
        window->spnTarget->setValue(100);
        QTRY_VERIFY(window->lblSummary->text().contains(u"Success (100 or more)"_s));
        const QSignalSpy computed(window, &StepOddsWindow::figuresShown);
        for (int i = 0; i < 100; ++i) {
            QCoreApplication::postEvent(
                window->spnTarget, new QKeyEvent(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier));
            QCoreApplication::postEvent(
                window->spnTarget, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier));
        }
        QTRY_COMPARE(computed.count(), 1);
        QCOMPARE(window->spnTarget->value(), 200);
        QVERIFY(window->lblSummary->text().contains(u"Success (200 or more)"_s));
        QCOMPARE(window->tblSteps->item(99, 3)->text(),
                 window->lblSummary->text().section(u'\n', 3, 3).section(u": "_s, 1));
    }

    // A held arrow key, and presses too quick for X to tell from one, arrive as repeats, a
    // key's repeat interval apart: each is one step, never more from the box's own timer.
    void heldKeyStepsOncePerPress()
    {
        StepOddsWindow *window = OddsWindowCreatedOnDemand();
        window->showStep(11, Edition::First);
        window->spnTarget->setValue(100);
        QSpinBox *box = window->spnTarget;
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
    }

    // Ctrl+C copies the summary wherever the focus is, the step box that has it when the
    // window opens and the target box with its number selected included.
    void copyingFromAnyControl_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("as the window opens") << QString();
        QTest::newRow("step box") << u"spnStep"_s;
        QTest::newRow("target box, number selected") << u"spnTarget"_s;
        QTest::newRow("target box, clicked") << u"qt_spinbox_lineedit"_s;
        QTest::newRow("karma points box") << u"spnKarma"_s;
        QTest::newRow("karma die box") << u"cboKarma"_s;
        QTest::newRow("devotion box") << u"spnDevotion"_s;
        QTest::newRow("close button") << u"cmdClose"_s;
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
        const LocaleForTheTest german(QLocale(QLocale::German, QLocale::Germany));
        StepOddsWindow *window = OddsWindowCreatedOnDemand();
        addDice(window, 1, 6);
        window->showStep(11, Edition::First);
        window->spnTarget->setValue(13);
        QTRY_VERIFY(window->lblSummary->text().contains(u"Success (13 or more): 63,0%"_s));
        QVERIFY(window->lblSummary->text().contains(u"Mean 15,5, most likely total 13"_s));
        QVERIFY(window->lblSummary->text().contains(u"Fumble: 0,2% (1 in 480)"_s));
        QCOMPARE(window->histogram->barText(13), u"Total 13: 7,4%\nSuccess against 13: 63,0%"_s);
        QStringList figures {window->lblSummary->text()};
        for (int row = 0; row < window->tblSteps->rowCount(); ++row) {
            for (int column = 2; column < window->tblSteps->columnCount(); ++column)
                figures << window->tblSteps->item(row, column)->text();
        }
        QCOMPARE(figures[11 * 3 - 2], u"15,5"_s); // step 11's mean
        // A point with one or two digits after it is a decimal point; in German it groups
        // thousands.
        const QRegularExpression decimalPoint(u"\\d\\.\\d\\d?(?!\\d)"_s);
        QCOMPARE(figures.filter(decimalPoint), QStringList());
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
};

QTEST_MAIN(TestStepOdds)
#include "tst_step_odds.moc"
