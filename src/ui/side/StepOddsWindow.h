#pragma once

// The Step Odds window: the exact chances of one step roll against a target number, in an
// edition, with karma and devotion dice or without, as a summary in words and a histogram,
// and a second view with every step against the same target. One instance, modeless; opened
// from a step button's context menu, and switched to another step when opened again.

#include "Edition.h"
#include "LaidOutWindow.h"
#include "OddsText.h"
#include "RolledDice.h"
#include "StepTest.h"

class QAbstractSpinBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QTimer;

namespace MainBas {

class OddsHistogram;

class StepOddsWindow : public LaidOutWindow
{
    Q_OBJECT

public:
    StepOddsWindow();
    ~StepOddsWindow() override;

    // Switches to the step in the edition, with the target number at the rounded mean of
    // what is rolled, karma and devotion dice included, and brings the window to the front.
    void showStep(int step, Edition edition);

    // Shows the figures of the edition; the step, the dice added and the target stay.
    void setEdition(Edition edition);

    // The dice a karma point and a devotion point add, as the settings choose them.
    void setDieSizes(int karmaDie, int devotionDie);

    // The text Ctrl+C copies: the summary, or in the second view the selected rows.
    QString copiedText() const override;

    QComboBox *cboEdition = nullptr;
    QSpinBox *spnStep = nullptr;
    QSpinBox *spnTarget = nullptr;
    QSpinBox *spnKarma = nullptr;
    QComboBox *cboKarma = nullptr;
    QSpinBox *spnDevotion = nullptr;
    QComboBox *cboDevotion = nullptr;
    QTabWidget *tabViews = nullptr;
    QLabel *lblSummary = nullptr;
    OddsHistogram *histogram = nullptr;
    QTableWidget *tblSteps = nullptr;
    QPushButton *cmdClose = nullptr;

signals:
    // The figures now show what the boxes ask for.
    void figuresShown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createControls();
    QWidget *createSummaryView();
    void createStepsTable();
    void watchKeysOf(QAbstractSpinBox *box);
    void scheduleRefresh();
    void refresh();
    void refreshStepsTable(const Odds::NumberStyle &style);

    Edition edition() const;
    // The test the boxes ask for, at the step given.
    Sheet::StepTest testAt(int step) const;
    Odds::RolledDice diceAt(int step) const;

    void recallChoices();

    QTimer *m_refreshTimer = nullptr;
    // The step and target number the window was left at in an earlier run, if any.
    int m_recalledStep = 0;
    int m_recalledTarget = 0;
};

} // namespace MainBas
