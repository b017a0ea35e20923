#pragma once

// The Step Odds window: the exact chances of one step roll against a target number, with
// or without a karma die, as a summary in words and a histogram, and a second view with
// every step against the same target. One instance, modeless; opened from a step button's
// context menu, and switched to another step when opened again.

#include "LaidOutWindow.h"
#include "OddsText.h"

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

    // Switches to the step, with the target number at the rounded mean of what is rolled,
    // the karma die included, and brings the window to the front.
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

signals:
    // The figures now show the step, karma die and target number in the boxes.
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

    QTimer *m_refreshTimer = nullptr;
};

} // namespace MainBas
