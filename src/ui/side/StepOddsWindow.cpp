#include "StepOddsWindow.h"

#include "LocaleNumberStyle.h"
#include "OddsHistogram.h"
#include "OddsText.h"
#include "StepChances.h"
#include "StepOdds.h"
#include "StepTable.h"
#include "WindowMemory.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

namespace MainBas {

namespace {

constexpr int ClientWidth = 10800;
constexpr int ClientHeight = 8400;
constexpr int HighestTarget = 999;
// Karma points, and devotion dice, a test may add.
constexpr int MostAddedDice = 5;
constexpr std::array<int, 6> DieSizes = {4, 6, 8, 10, 12, 20};

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

// The number of dice a spin box asks for, "none" for 0.
QSpinBox *addedDiceBox()
{
    auto *box = new QSpinBox;
    box->setRange(0, MostAddedDice);
    box->setSpecialValueText(QStringLiteral("none"));
    return box;
}

QComboBox *dieSizeBox(int chosen)
{
    auto *box = new QComboBox;
    for (const int size : DieSizes)
        box->addItem(QStringLiteral("D%1").arg(size), size);
    box->setCurrentIndex(box->findData(chosen));
    return box;
}

int indexOf(Edition edition)
{
    return static_cast<int>(std::find(Editions.begin(), Editions.end(), edition)
                            - Editions.begin());
}

int sizeIn(const QComboBox *box)
{
    return box->currentData().toInt();
}

QLabel *buddyLabel(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

// A control and its label, the label's mnemonic reaching the control; pairs in columns, a
// wide control over as many grid columns as it takes.
void addControl(QGridLayout *grid, int row, int column, const QString &label, QWidget *control,
                int columns = 1)
{
    grid->addWidget(buddyLabel(label, control), row, 2 * column);
    grid->addWidget(control, row, 2 * column + 1, 1, columns, Qt::AlignLeft);
}

} // namespace

StepOddsWindow::StepOddsWindow()
    : LaidOutWindow(QStringLiteral("StepOddsWindow"), QStringLiteral("Step Odds"), ClientWidth,
                    ClientHeight)
{
    tabViews = Named(new QTabWidget, "tabViews", "Views");
    tabViews->addTab(createSummaryView(), QStringLiteral("&Summary"));
    createStepsTable();
    tabViews->addTab(tblSteps, QStringLiteral("&All steps"));
    cmdClose = Named(new QPushButton(QStringLiteral("Close")), "cmdClose", "Close");
    cmdClose->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createControls());
    layout->addWidget(tabViews, 1);
    layout->addWidget(cmdClose, 0, Qt::AlignRight);

    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    recallChoices();
    refresh();
}

// The karma points come back as they were left; the target number too, for the same step.
void StepOddsWindow::recallChoices()
{
    const auto recalled = [](const char *key) {
        return RecallForWindow(QStringLiteral("StepOddsWindow/") + QLatin1String(key))
            .value_or(QVariant())
            .toInt();
    };
    const QSignalBlocker quiet(spnKarma);
    spnKarma->setValue(recalled("karmaPoints"));
    m_recalledStep = recalled("step");
    m_recalledTarget = recalled("target");
}

StepOddsWindow::~StepOddsWindow()
{
    KeepForWindow(QStringLiteral("StepOddsWindow/step"), spnStep->value());
    KeepForWindow(QStringLiteral("StepOddsWindow/karmaPoints"), spnKarma->value());
    KeepForWindow(QStringLiteral("StepOddsWindow/target"), spnTarget->value());
}

// Keys held down or typed ahead queue up faster than the figures can follow: every change
// only restarts this timer, and the figures are worked out once, for the last values, when
// the event loop has nothing else queued.
void StepOddsWindow::scheduleRefresh()
{
    m_refreshTimer->start();
}

// A spin box's line edit claims Ctrl+C for its own text; in this window it copies the odds.
// And a spin box steps on a timer of its own while an arrow key repeats, however many
// presses arrive (X reports fast presses as repeats too): here every press is one step.
void StepOddsWindow::watchKeysOf(QAbstractSpinBox *box)
{
    box->installEventFilter(this);
}

bool StepOddsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return LaidOutWindow::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (event->type() == QEvent::ShortcutOverride && key->matches(QKeySequence::Copy)) {
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress && key->isAutoRepeat()
        && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
        QKeyEvent press(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
        QCoreApplication::sendEvent(watched, &press);
        return true;
    }
    return LaidOutWindow::eventFilter(watched, event);
}

QWidget *StepOddsWindow::createControls()
{
    const Sheet::StepTest usual;
    spnStep = Named(new QSpinBox, "spnStep", "Step");
    spnStep->setRange(1, StepCount);
    spnTarget = Named(new QSpinBox, "spnTarget", "Target number");
    spnTarget->setRange(1, HighestTarget);
    cboEdition = Named(new QComboBox, "cboEdition", "Edition");
    for (const Edition edition : Editions)
        cboEdition->addItem(fromStd(std::string(EditionName(edition))));
    spnKarma = Named(addedDiceBox(), "spnKarma", "Karma points");
    cboKarma = Named(dieSizeBox(usual.karmaDie), "cboKarma", "Karma die");
    spnDevotion = Named(addedDiceBox(), "spnDevotion", "Devotion dice");
    cboDevotion = Named(dieSizeBox(usual.devotionDie), "cboDevotion", "Devotion die");
    for (QSpinBox *box : {spnStep, spnTarget, spnKarma, spnDevotion}) {
        watchKeysOf(box);
        connect(box, &QSpinBox::valueChanged, this, &StepOddsWindow::scheduleRefresh);
    }
    for (QComboBox *box : {cboEdition, cboKarma, cboDevotion})
        connect(box, &QComboBox::currentIndexChanged, this, &StepOddsWindow::scheduleRefresh);
    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(0);
    connect(m_refreshTimer, &QTimer::timeout, this, &StepOddsWindow::refresh);

    auto *controls = new QWidget;
    auto *grid = new QGridLayout(controls);
    grid->setContentsMargins(0, 0, 0, 0);
    addControl(grid, 0, 0, QStringLiteral("S&tep:"), spnStep);
    addControl(grid, 0, 1, QStringLiteral("Ta&rget number:"), spnTarget);
    addControl(grid, 0, 2, QStringLiteral("&Edition:"), cboEdition, 3);
    addControl(grid, 1, 0, QStringLiteral("&Karma points:"), spnKarma);
    addControl(grid, 1, 1, QStringLiteral("Karma &die:"), cboKarma);
    addControl(grid, 1, 2, QStringLiteral("De&votion dice:"), spnDevotion);
    addControl(grid, 1, 3, QStringLiteral("Devoti&on die:"), cboDevotion);
    grid->setColumnStretch(8, 1);
    return controls;
}

QWidget *StepOddsWindow::createSummaryView()
{
    lblSummary = Named(new QLabel, "lblSummary", "Summary");
    lblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblSummary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    histogram = new OddsHistogram;

    auto *view = new QWidget;
    auto *layout = new QVBoxLayout(view);
    layout->addWidget(lblSummary);
    layout->addWidget(histogram, 1);
    return view;
}

void StepOddsWindow::createStepsTable()
{
    const QStringList headers
        = {QStringLiteral("Step"), QStringLiteral("Dice"), QStringLiteral("Mean"),
           QStringLiteral("Success"), QStringLiteral("Fumble")};
    tblSteps = Named(new QTableWidget(StepCount, static_cast<int>(headers.size())), "tblSteps",
                     "All steps");
    tblSteps->setHorizontalHeaderLabels(headers);
    tblSteps->verticalHeader()->hide();
    tblSteps->verticalHeader()->setDefaultSectionSize(tblSteps->fontMetrics().height() + 6);
    tblSteps->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblSteps->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblSteps->setTabKeyNavigation(false);
    for (int row = 0; row < StepCount; ++row) {
        tblSteps->setItem(row, 0, new QTableWidgetItem(QString::number(row + 1)));
        for (int column = 1; column < headers.size(); ++column) {
            auto *cell = new QTableWidgetItem;
            if (column > 1)
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tblSteps->setItem(row, column, cell);
        }
    }
    tblSteps->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    // The chances as wide as the longest, "less than 0.1% (1 in 5.16 × 10¹⁸)", at any scale.
    tblSteps->horizontalHeader()->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    tblSteps->horizontalHeader()->setSectionResizeMode(4, QHeaderView::ResizeToContents);
}

void StepOddsWindow::showStep(int step, Edition edition)
{
    const QSignalBlocker quietEdition(cboEdition);
    const QSignalBlocker quietStep(spnStep);
    const QSignalBlocker quietTarget(spnTarget);
    cboEdition->setCurrentIndex(indexOf(edition));
    spnStep->setValue(step);
    const double mean = Odds::ClosedFormMean(diceAt(step));
    const int target = step == m_recalledStep && m_recalledTarget > 0
        ? m_recalledTarget
        : static_cast<int>(std::lround(mean));
    spnTarget->setValue(std::clamp(target, 1, HighestTarget));
    m_recalledStep = 0; // from here on the boxes say it
    refresh();
    show();
    raise();
    activateWindow();
}

void StepOddsWindow::setEdition(Edition edition)
{
    cboEdition->setCurrentIndex(indexOf(edition));
}

void StepOddsWindow::setDieSizes(int karmaDie, int devotionDie)
{
    cboKarma->setCurrentIndex(std::max(0, cboKarma->findData(karmaDie)));
    cboDevotion->setCurrentIndex(std::max(0, cboDevotion->findData(devotionDie)));
}

Edition StepOddsWindow::edition() const
{
    return Editions.at(static_cast<std::size_t>(std::max(0, cboEdition->currentIndex())));
}

Sheet::StepTest StepOddsWindow::testAt(int step) const
{
    Sheet::StepTest test;
    test.step = step;
    test.karmaPoints = spnKarma->value();
    test.karmaDie = sizeIn(cboKarma);
    test.devotionPoints = spnDevotion->value();
    test.devotionDie = sizeIn(cboDevotion);
    test.target = spnTarget->value();
    return test;
}

Odds::RolledDice StepOddsWindow::diceAt(int step) const
{
    const Edition chosen = edition();
    return Odds::DiceOf(Sheet::PoolOf(testAt(step), chosen), StepTableOf(chosen).failureRule());
}

void StepOddsWindow::refresh()
{
    const int step = spnStep->value();
    const int target = spnTarget->value();
    const Edition chosen = edition();
    const DicePool pool = Sheet::PoolOf(testAt(step), chosen);
    const Odds::StepOdds odds = Odds::ComputeStepOdds(diceAt(step));
    const Odds::NumberStyle style = LocaleNumberStyle();

    m_refreshTimer->stop();
    QStringList lines;
    for (const std::string &line : Odds::SummaryLines(step, pool, chosen, target, odds, style))
        lines << fromStd(line);
    lblSummary->setText(lines.join(QLatin1Char('\n')));
    histogram->setOdds(odds, target, style);
    refreshStepsTable(style);
    emit figuresShown();
}

void StepOddsWindow::refreshStepsTable(const Odds::NumberStyle &style)
{
    const StepTable &table = StepTableOf(edition());
    tblSteps->horizontalHeaderItem(4)->setText(
        fromStd(Odds::FailureWordsOf(table.failureRule()).label));
    const auto rows
        = Odds::ChancesOfAllSteps(spnTarget->value(), [this](int step) { return diceAt(step); });
    for (const Odds::StepChances &row : rows) {
        const int at = row.step - 1;
        tblSteps->item(at, 1)->setText(fromStd(table.text(row.step)));
        tblSteps->item(at, 2)->setText(fromStd(Odds::DecimalText(row.mean, 1, style)));
        tblSteps->item(at, 3)->setText(fromStd(Odds::ChanceText(row.success, style)));
        tblSteps->item(at, 4)->setText(
            fromStd(Odds::ChanceText(Odds::ChanceOf(row.fumble), style)));
    }
    // Not selectRow(), which adds to the selection while Ctrl is held (Ctrl+wheel on a box).
    tblSteps->selectionModel()->setCurrentIndex(tblSteps->model()->index(spnStep->value() - 1, 0),
                                                QItemSelectionModel::ClearAndSelect
                                                    | QItemSelectionModel::Rows);
}

QString StepOddsWindow::copiedText() const
{
    if (tabViews->currentWidget() != tblSteps)
        return lblSummary->text();
    std::set<int> rows;
    for (const QModelIndex &index : tblSteps->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    QStringList lines;
    for (const int row : rows) {
        QStringList cells;
        for (int column = 0; column < tblSteps->columnCount(); ++column)
            cells << tblSteps->item(row, column)->text();
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace MainBas
