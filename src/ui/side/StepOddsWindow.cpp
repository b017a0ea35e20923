#include "StepOddsWindow.h"

#include "OddsHistogram.h"
#include "OddsText.h"
#include "StepChances.h"
#include "StepTable.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <set>

namespace MainBas {

namespace {

constexpr int ClientWidth = 10800;
constexpr int ClientHeight = 8400;
constexpr int HighestTarget = 999;

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

Odds::KarmaDie karmaOf(const QComboBox *box)
{
    return Odds::KarmaDice.at(static_cast<std::size_t>(std::max(0, box->currentIndex())));
}

QLabel *buddyLabel(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

// The user's locale, whatever the C library's is set to.
Odds::NumberStyle localeNumberStyle()
{
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
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
    refresh();
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
    spnStep = Named(new QSpinBox, "spnStep", "Step");
    spnStep->setRange(1, StepCount);
    cboKarma = Named(new QComboBox, "cboKarma", "Karma die");
    for (const Odds::KarmaDie karma : Odds::KarmaDice) {
        const std::string text = Odds::KarmaDieText(karma);
        cboKarma->addItem(text.empty() ? QStringLiteral("none") : fromStd(text));
    }
    spnTarget = Named(new QSpinBox, "spnTarget", "Target number");
    spnTarget->setRange(1, HighestTarget);
    watchKeysOf(spnStep);
    watchKeysOf(spnTarget);
    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(0);
    connect(m_refreshTimer, &QTimer::timeout, this, &StepOddsWindow::refresh);

    auto *controls = new QWidget;
    auto *row = new QHBoxLayout(controls);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(buddyLabel(QStringLiteral("S&tep:"), spnStep));
    row->addWidget(spnStep);
    row->addSpacing(12);
    row->addWidget(buddyLabel(QStringLiteral("&Karma die:"), cboKarma));
    row->addWidget(cboKarma);
    row->addSpacing(12);
    row->addWidget(buddyLabel(QStringLiteral("Ta&rget number:"), spnTarget));
    row->addWidget(spnTarget);
    row->addStretch();

    connect(spnStep, &QSpinBox::valueChanged, this, &StepOddsWindow::scheduleRefresh);
    connect(cboKarma, &QComboBox::currentIndexChanged, this, &StepOddsWindow::scheduleRefresh);
    connect(spnTarget, &QSpinBox::valueChanged, this, &StepOddsWindow::scheduleRefresh);
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
        tblSteps->setItem(row, 1, new QTableWidgetItem(fromStd(FirstEditionTable().text(row + 1))));
        for (int column = 2; column < headers.size(); ++column) {
            auto *figure = new QTableWidgetItem;
            figure->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tblSteps->setItem(row, column, figure);
        }
    }
    tblSteps->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    // The chances as wide as the longest, "less than 0.1% (1 in 5.16 × 10¹⁸)", at any scale.
    tblSteps->horizontalHeader()->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    tblSteps->horizontalHeader()->setSectionResizeMode(4, QHeaderView::ResizeToContents);
}

void StepOddsWindow::showStep(int step)
{
    const double mean = Odds::ClosedFormMean(step, karmaOf(cboKarma));
    const QSignalBlocker quietStep(spnStep);
    const QSignalBlocker quietTarget(spnTarget);
    spnStep->setValue(step);
    spnTarget->setValue(std::clamp(static_cast<int>(std::lround(mean)), 1, HighestTarget));
    refresh();
    show();
    raise();
    activateWindow();
}

void StepOddsWindow::refresh()
{
    const int step = spnStep->value();
    const int target = spnTarget->value();
    const Odds::KarmaDie karma = karmaOf(cboKarma);
    const Odds::StepOdds odds = Odds::ComputeStepOdds(step, karma);
    const Odds::NumberStyle style = localeNumberStyle();

    m_refreshTimer->stop();
    QStringList lines;
    for (const std::string &line : Odds::SummaryLines(step, karma, target, odds, style))
        lines << fromStd(line);
    lblSummary->setText(lines.join(QLatin1Char('\n')));
    histogram->setOdds(odds, target, style);
    refreshStepsTable(style);
    emit figuresShown();
}

void StepOddsWindow::refreshStepsTable(const Odds::NumberStyle &style)
{
    const auto rows = Odds::ChancesOfAllSteps(spnTarget->value(), karmaOf(cboKarma));
    for (const Odds::StepChances &row : rows) {
        const int at = row.step - 1;
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
