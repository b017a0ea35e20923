#include "RollSheetWindow.h"

#include "NamedRollDelegate.h"
#include "NamedRollsModel.h"
#include "NumberBox.h"
#include "SheetChances.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace MainBas {

namespace {

constexpr int ClientWidth = 10500;
constexpr int ClientHeight = 8400;

QPushButton *button(const QString &caption, const char *name, const char *accessible)
{
    auto *created = Named(new QPushButton(caption), name, accessible);
    created->setAutoDefault(false);
    return created;
}

NumberBox *numberBox(int lowest, int highest, const char *name, const char *accessible)
{
    auto *box = Named(new NumberBox(lowest, highest), name, accessible);
    box->setAlignment(Qt::AlignRight);
    return box;
}

// A caption whose mnemonic moves the focus to its box.
QLabel *captionOf(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

QLabel *resultLine(const char *name, const char *accessible)
{
    auto *label = Named(new QLabel, name, accessible);
    label->setWordWrap(true);
    return label;
}

} // namespace

RollSheetWindow::RollSheetWindow(const SheetSession &session)
    : LaidOutWindow(QStringLiteral("RollSheetWindow"), QStringLiteral("Roll Sheet"), ClientWidth,
                    ClientHeight)
    , m_session(session)
    , m_model(new NamedRollsModel(
          m_sheet.rolls,
          [this](const Sheet::NamedRoll &roll) {
              return ChanceOfSuccessText(testOf(roll), m_session.edition());
          },
          this))
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createCharacter());
    layout->addWidget(createQuickRoll());
    layout->addWidget(createResult());
    layout->addWidget(createNamedRolls(), 1);
    layout->addWidget(createFileButtons());
    setFocusOrder();
    connectCharacter();
    connect(m_model, &NamedRollsModel::edited, this, [this] { setUnsaved(true); });
    showResult();
    openLastSheet();
}

// The table and its model work on the sheet's rolls, and an edit still open would be
// committed to them as the table goes: both go before the sheet does.
RollSheetWindow::~RollSheetWindow()
{
    delete tblRolls;
    delete m_model;
}

QWidget *RollSheetWindow::createCharacter()
{
    txtName = Named(new QLineEdit, "txtName", "Character");
    spnKarmaLeft = numberBox(0, 0, "spnKarmaLeft", "Karma points left");
    spnKarmaMaximum = numberBox(0, Sheet::HighestKarma, "spnKarmaMaximum", "Karma maximum");
    spnKarmaMaximum->setSpecialValueText(QStringLiteral("not counted"));
    // A maximum takes effect once it is typed whole, not at its first digit.
    spnKarmaMaximum->setKeyboardTracking(false);
    spnKarmaMaximum->setToolTip(
        QStringLiteral("Karma points at most. With none, karma is not counted."));
    cmdRefresh = button(QStringLiteral("Re&fresh"), "cmdRefresh", "Refresh karma");
    cmdRefresh->setToolTip(QStringLiteral("Karma points back to the maximum."));

    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(captionOf(QStringLiteral("C&haracter:"), txtName));
    layout->addWidget(txtName, 1);
    layout->addWidget(captionOf(QStringLiteral("Karma &left:"), spnKarmaLeft));
    layout->addWidget(spnKarmaLeft);
    layout->addWidget(captionOf(QStringLiteral("of ma&ximum"), spnKarmaMaximum));
    layout->addWidget(spnKarmaMaximum);
    layout->addWidget(cmdRefresh);
    return row;
}

QWidget *RollSheetWindow::createQuickRoll()
{
    spnStep = numberBox(Sheet::LowestStep, Sheet::HighestStep, "spnStep", "Step");
    spnStep->setValue(10);
    spnKarma = numberBox(0, Sheet::MostKarmaPointsPerRoll, "spnKarma", "Karma points");
    spnDevotion = numberBox(0, Sheet::MostKarmaPointsPerRoll, "spnDevotion", "Devotion points");
    spnWounds = numberBox(0, Sheet::MostWounds, "spnWounds", "Wounds");
    spnModifier
        = numberBox(1 - Sheet::HighestStep, Sheet::HighestStep - 1, "spnModifier", "Step modifier");
    spnModifier->setToolTip(QStringLiteral("Steps added (or, below 0, taken) for this moment; "
                                           "named rolls take it too."));
    spnTarget = numberBox(0, Sheet::HighestTarget, "spnTarget", "Target number");
    spnTarget->setEmptyMeansLowest(true);
    spnTarget->setToolTip(QStringLiteral("Empty or 0: no target number."));
    cmdRoll = button(QStringLiteral("&Roll"), "cmdRoll", "Roll");
    lblChance = Named(new QLabel, "lblChance", "Chance of success");

    auto *group = new QGroupBox(QStringLiteral("Quick roll"));
    auto *grid = new QGridLayout(group);
    const std::array<std::pair<QString, NumberBox *>, 6> boxes = {{
        {QStringLiteral("S&tep:"), spnStep},
        {QStringLiteral("&Karma points:"), spnKarma},
        {QStringLiteral("De&votion points:"), spnDevotion},
        {QStringLiteral("&Wounds:"), spnWounds},
        {QStringLiteral("Step mod&ifier:"), spnModifier},
        {QStringLiteral("Tar&get number:"), spnTarget},
    }};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto row = static_cast<int>(i / 3);
        const auto column = static_cast<int>(i % 3) * 2;
        grid->addWidget(captionOf(boxes[i].first, boxes[i].second), row, column);
        grid->addWidget(boxes[i].second, row, column + 1);
        connect(boxes[i].second, &NumberBox::entered, this, &RollSheetWindow::rollQuick);
    }
    for (NumberBox *each : {spnStep, spnKarma, spnDevotion, spnTarget})
        connect(each, &QSpinBox::valueChanged, this, &RollSheetWindow::refreshQuickChance);
    // Wounds (a change to the character) and the modifier count for the named rolls too.
    connect(spnModifier, &QSpinBox::valueChanged, this, &RollSheetWindow::refreshChances);
    grid->addWidget(cmdRoll, 0, 6);
    grid->addWidget(lblChance, 1, 6);
    grid->setColumnStretch(7, 1);
    connect(cmdRoll, &QPushButton::clicked, this, &RollSheetWindow::rollQuick);
    return group;
}

QWidget *RollSheetWindow::createResult()
{
    lblRolled = resultLine("lblRolled", "Rolled");
    lblTotal = Named(new QLabel, "lblTotal", "Total");
    QFont large = lblTotal->font();
    large.setPointSizeF(large.pointSizeF() * 2.5);
    large.setBold(true);
    lblTotal->setFont(large);
    lblDice = resultLine("lblDice", "Dice");
    lblVerdict = resultLine("lblVerdict", "Verdict");
    QFont bold = lblVerdict->font();
    bold.setBold(true);
    lblVerdict->setFont(bold);
    cmdCopy = button(QStringLiteral("&Copy result"), "cmdCopy", "Copy result");
    cmdCopy->setToolTip(QStringLiteral("One line for the group's chat (Ctrl+C)."));

    auto *group = new QGroupBox(QStringLiteral("Result"));
    auto *grid = new QGridLayout(group);
    grid->addWidget(lblRolled, 0, 0, 1, 2);
    grid->addWidget(lblTotal, 1, 0, 2, 1);
    grid->addWidget(lblDice, 1, 1);
    grid->addWidget(lblVerdict, 2, 1);
    grid->addWidget(cmdCopy, 0, 2, 3, 1, Qt::AlignBottom);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(0,
                                lblTotal->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    connect(cmdCopy, &QPushButton::clicked, this, &RollSheetWindow::copyToClipboard);
    return group;
}

QWidget *RollSheetWindow::createNamedRolls()
{
    tblRolls = Named(new QTableView, "tblRolls", "Named rolls");
    tblRolls->setModel(m_model);
    tblRolls->setItemDelegate(new NamedRollDelegate(tblRolls));
    tblRolls->verticalHeader()->hide();
    tblRolls->verticalHeader()->setDefaultSectionSize(tblRolls->fontMetrics().height() + 6);
    tblRolls->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblRolls->setSelectionMode(QAbstractItemView::SingleSelection);
    // A double click rolls; F2 or typing edits.
    tblRolls->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    tblRolls->setTabKeyNavigation(false);
    tblRolls->installEventFilter(this);
    tblRolls->setToolTip(QStringLiteral("Enter or a double click rolls a row with the wounds and "
                                        "the step modifier; F2 or typing edits a cell."));
    const QFontMetrics metrics = tblRolls->fontMetrics();
    QHeaderView *header = tblRolls->horizontalHeader();
    header->resizeSection(NamedRollsModel::NameColumn,
                          metrics.horizontalAdvance(QStringLiteral("Melee Weapons (sword)")));
    for (const int column :
         {NamedRollsModel::StepColumn, NamedRollsModel::KarmaColumn, NamedRollsModel::TargetColumn})
        header->resizeSection(column, metrics.horizontalAdvance(QStringLiteral("Target")) + 16);
    header->resizeSection(NamedRollsModel::NoteColumn,
                          metrics.horizontalAdvance(QStringLiteral("Two-handed, reach 2 yards")));
    header->setStretchLastSection(true);
    connect(tblRolls, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { rollRow(index.row()); });

    cmdAdd = button(QStringLiteral("&Add"), "cmdAdd", "Add a roll");
    cmdEdit = button(QStringLiteral("&Edit"), "cmdEdit", "Edit the roll");
    cmdDelete = button(QStringLiteral("&Delete"), "cmdDelete", "Delete the roll");
    cmdUp = button(QStringLiteral("Move &Up"), "cmdUp", "Move the roll up");
    cmdDown = button(QStringLiteral("Move Dow&n"), "cmdDown", "Move the roll down");
    connect(cmdAdd, &QPushButton::clicked, this, &RollSheetWindow::addRoll);
    connect(cmdEdit, &QPushButton::clicked, this, &RollSheetWindow::editRoll);
    connect(cmdDelete, &QPushButton::clicked, this, &RollSheetWindow::deleteRoll);
    connect(cmdUp, &QPushButton::clicked, this, [this] { moveRoll(-1); });
    connect(cmdDown, &QPushButton::clicked, this, [this] { moveRoll(1); });

    auto *group = new QGroupBox(QStringLiteral("Named rolls"));
    auto *layout = new QHBoxLayout(group);
    layout->addWidget(tblRolls, 1);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *each : {cmdAdd, cmdEdit, cmdDelete, cmdUp, cmdDown})
        buttons->addWidget(each);
    buttons->addStretch();
    layout->addLayout(buttons);
    return group;
}

QWidget *RollSheetWindow::createFileButtons()
{
    lblFile = Named(new QLabel, "lblFile", "Sheet file");
    cmdNew = button(QStringLiteral("New"), "cmdNew", "New sheet");
    cmdOpen = button(QStringLiteral("&Open..."), "cmdOpen", "Open a sheet");
    cmdSave = button(QStringLiteral("&Save"), "cmdSave", "Save the sheet");
    cmdSaveAs = button(QStringLiteral("Save As..."), "cmdSaveAs", "Save the sheet as");
    cmdClose = button(QStringLiteral("Close"), "cmdClose", "Close");
    const std::array<std::pair<QPushButton *, QKeySequence::StandardKey>, 4> keys = {{
        {cmdNew, QKeySequence::New},
        {cmdOpen, QKeySequence::Open},
        {cmdSave, QKeySequence::Save},
        {cmdSaveAs, QKeySequence::SaveAs},
    }};
    // The usual keys act at once, beside the buttons' own mnemonics.
    for (const auto &[each, key] : keys) {
        each->setToolTip(QKeySequence(key).toString(QKeySequence::NativeText));
        connect(new QShortcut(key, this), &QShortcut::activated, each, &QPushButton::click);
    }
    connect(cmdNew, &QPushButton::clicked, this, &RollSheetWindow::newSheet);
    connect(cmdOpen, &QPushButton::clicked, this, &RollSheetWindow::openSheet);
    connect(cmdSave, &QPushButton::clicked, this, &RollSheetWindow::save);
    connect(cmdSaveAs, &QPushButton::clicked, this, &RollSheetWindow::saveAs);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton *each : {cmdNew, cmdOpen, cmdSave, cmdSaveAs})
        layout->addWidget(each);
    layout->addWidget(lblFile, 1);
    layout->addWidget(cmdClose);
    return row;
}

// Tab runs from the quick roll down the window, then round to the character at the top.
void RollSheetWindow::setFocusOrder()
{
    const std::vector<QWidget *> order
        = {spnStep,  spnKarma, spnDevotion,  spnWounds,       spnModifier, spnTarget,
           cmdRoll,  cmdCopy,  tblRolls,     cmdAdd,          cmdEdit,     cmdDelete,
           cmdUp,    cmdDown,  cmdNew,       cmdOpen,         cmdSave,     cmdSaveAs,
           cmdClose, txtName,  spnKarmaLeft, spnKarmaMaximum, cmdRefresh};
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void RollSheetWindow::showSheet()
{
    show();
    raise();
    activateWindow();
    spnStep->setFocus();
    spnStep->selectAll();
}

void RollSheetWindow::closeEvent(QCloseEvent *event)
{
    if (!mayDropChanges()) {
        event->ignore();
        return;
    }
    LaidOutWindow::closeEvent(event);
}

// Enter on a named roll rolls it, Delete deletes it. The Enter that ends an edit passes on
// from the editor to the table too: only keys pressed on the table itself count.
bool RollSheetWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == tblRolls && event->type() == QEvent::KeyPress
        && QApplication::focusWidget() == tblRolls) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            rollRow(currentRow());
            return true;
        }
        if (key->matches(QKeySequence::Delete)) {
            deleteRoll();
            return true;
        }
    }
    return LaidOutWindow::eventFilter(watched, event);
}

} // namespace MainBas
