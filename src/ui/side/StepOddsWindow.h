#pragma once

// The Step Odds window: the exact chances of one step roll against a target number, with
// or without a karma die, as a summary in words and a histogram, and a second view with
// every step against the same target. One instance, modeless; opened from a step button's
// context menu, and switched to another step when opened again.

#include "LaidOutWindow.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;

namespace MainBas {

class OddsHistogram;

class StepOddsWindow : public LaidOutWindow
{
    Q_OBJECT

public:
    StepOddsWindow();

    // Switches to the step, with the target number at its rounded mean, and brings the
    // window to the front.
    void showStep(int step);

    // The text Ctrl+C copies: the summary, or in the second view the selected rows.
    QString copiedText() const override;

    QSpinBox *spnStep = nullptr;
    QComboBox *cboKarma = nullptr;
    QSpinBox *spnTarget = nullptr;
    QTabWidget *tabViews = nullptr;
    QLabel *lblSummary = nullptr;
    OddsHistogram *histogram = nullptr;
    QTableWidget *tblSteps = nullptr;
    QPushButton *cmdClose = nullptr;

private:
    QWidget *createControls();
    QWidget *createSummaryView();
    void createStepsTable();
    void refresh();
    void refreshStepsTable();
};

} // namespace MainBas
