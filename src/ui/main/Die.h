#pragma once

// The main window. Every command of the program is a button here and reports
// through four shared boxes:
//
//   click or key on a control
//     -> a named handler slot (cmdStep_Click, ...), each command in its own file
//     -> the dice engine (RollStep, RollDie) with the session's random source and step
//        table, the action tables
//     -> an Outcome: whole texts for the dice box, the result box and the information
//        window, or a text for the shared text viewer, and the roll log's entry
//     -> present(), the one place that shows an outcome and logs it.
//
// The layout comes from DieLayout.h; the controls keep their layout names as
// objectNames ("cmdStep(34)"), and control arrays report their index through a
// QButtonGroup. Nothing moves when the window is resized.

#include "Edition.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace MainBas {

struct Outcome;
class Session;
struct WorkView;

class Die : public QWidget
{
    Q_OBJECT

public:
    explicit Die(Session &session);
    ~Die() override;

    // Start-up: the keyboard focus order of every control, and the captions of the step,
    // decision and action buttons.
    void setFocusOrder();
    void captionNumberedButtons();
    void setActionCaption(int index, const QString &caption);

public slots:
    void cmdStep_Click(int Index);
    void cmdStep_KeyDown(int Index, int KeyCode, int Shift);
    void cmdStep_ContextMenu(int Index, const QPoint &globalPosition, bool fromKeyboard);
    void cmdStatistic_Click();
    void cmdSteps_Click();
    void cmdHelp_Click();
    void cmdAbout_Click();
    void cmdExit_Click();
    void cmdAddDice_Click(int Index);
    void cmdClean_Click();
    void cmdDecision_Click(int Index);
    void cmdAction_Click(int Index);
    void cmdAction_KeyDown(int Index, int KeyCode, int Shift);
    void txtInfo_ContextMenu(const QPoint &globalPosition, bool fromKeyboard);
    void openRollLog();
    void openRollSheet();
    void openSettings();

private:
    void createPanels();
    void createBoxes();
    void createButtons();
    void createLabels();
    void createPicture();
    void connectEvents();
    void offerStepOdds();
    void offerRollLog();
    void offerRollSheet();
    void offerSettings();

    // The main window after the edition changed: its title and the step buttons' tooltips.
    void followEdition();
    void followExtraDice();
    void describeStepButtons();
    void chooseEdition(Edition edition);
    void chooseKarmaDie(int size);
    void chooseDevotionDie(int size);
    // Says once per run that a choice could not be kept in the settings file.
    void reportUnkept(const std::optional<QString> &failure);
    // The step's dice as the windows show them: 1st edition the step description from
    // steps.txt, any other the edition's pool.
    QString diceTextOf(std::int16_t step) const;

    // Shows what a command came to, in the boxes and the viewer, and logs it.
    void present(const Outcome &outcome);

    // Rolls a report here when it is quick, else on a thread of its own behind a progress
    // dialog; then shows it with finish(). A cancelled report shows nothing.
    void runReport(double dieRolls, const WorkView &view,
                   std::function<void(unsigned threads)> roll, std::function<void()> finish);

    Session &m_session;

    // The shared boxes.
    QLineEdit *txtDices = nullptr;
    QLineEdit *txtErgebnis = nullptr;
    QPlainTextEdit *txtInfo = nullptr;
    QLineEdit *txtProbeCount = nullptr;

    QPushButton *cmdStatistic = nullptr;
    QPushButton *cmdSteps = nullptr;
    QPushButton *cmdHelp = nullptr;
    QPushButton *cmdClean = nullptr;
    QPushButton *cmdAbout = nullptr;
    QPushButton *cmdExit = nullptr;

    std::array<QPushButton *, 100> cmdStep {};
    std::array<QPushButton *, 50> cmdDecision {};
    std::array<QPushButton *, 6> cmdAddDice {};
    std::array<QPushButton *, 20> cmdAction {};

    QLabel *Image1 = nullptr;

    QButtonGroup *m_stepGroup = nullptr;
    QButtonGroup *m_decisionGroup = nullptr;
    QButtonGroup *m_addDiceGroup = nullptr;
    QButtonGroup *m_actionGroup = nullptr;
    bool m_settingsFailureShown = false;
};

} // namespace MainBas
