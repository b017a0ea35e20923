#include "Die.h"

#include "Accessibility.h"
#include "ActionFiles.h"
#include "BoxText.h"
#include "BusyCursor.h"
#include "ButtonArrayKeys.h"
#include "DieLayout.h"
#include "ErrorReporter.h"
#include "FittedCaption.h"
#include "LongWork.h"
#include "Outcome.h"
#include "Session.h"
#include "TextBox.h"
#include "TextForms.h"
#include "WindowLook.h"
#include "WindowMemory.h"
#include "WorkerThreads.h"
#include "frmText.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <vector>

namespace MainBas {

namespace {

QString indexedName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

template<typename Widget> Widget *place(Widget *widget, const QString &name, const Placement &at)
{
    widget->setObjectName(name);
    widget->setGeometry(at.toPixels());
    return widget;
}

QLineEdit *createLineEdit(QWidget *parent, const DieLayout::Box &box)
{
    auto *edit = place(new QLineEdit(parent), QLatin1String(box.name), box.at);
    edit->setAccessibleName(QLatin1String(box.accessibleName));
    return edit;
}

QPushButton *createButton(QWidget *parent, const DieLayout::Button &button)
{
    auto *created = place(new QPushButton(QLatin1String(button.caption), parent),
                          QLatin1String(button.name), button.at);
    created->setAutoDefault(false);
    return created;
}

template<std::size_t N>
QButtonGroup *createButtonArray(QWidget *parent, const DieLayout::ButtonArray &layout,
                                std::array<QPushButton *, N> &buttons,
                                const std::function<QString(int)> &caption)
{
    auto *group = new QButtonGroup(parent);
    for (int i = 0; i < layout.members; ++i) {
        auto *button = place(new QPushButton(caption(i), parent), indexedName(layout.name, i),
                             layout.placementOf(i));
        button->setAutoDefault(false);
        group->addButton(button, i);
        buttons[static_cast<std::size_t>(i)] = button;
    }
    return group;
}

// A label grows to fit its text where the fallback font is wider than the one the
// layout was made for. "Samples:" grows to the left, towards the free space beside
// Statistics, since the sample count box stands right against it.
void fitToText(QLabel *label)
{
    const bool growsLeft = label->objectName() == QLatin1String("lblN");
    label->setAlignment((growsLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    const int extra = label->sizeHint().width() - label->width();
    if (extra <= 0)
        return;
    QRect area = label->geometry();
    if (growsLeft)
        area.setLeft(area.left() - extra);
    else
        area.setRight(area.right() + extra);
    area.setHeight(std::max(area.height(), label->sizeHint().height()));
    label->setGeometry(area);
}

} // namespace

Die::Die(Session &session)
    : m_session(session)
{
    setObjectName(QStringLiteral("Die"));
    ApplyWindowLook(this);
    resize(Px(DieLayout::ClientWidth), Px(DieLayout::ClientHeight));

    createPanels();
    createPicture();
    createLabels();
    createBoxes();
    createButtons();
    connectEvents();
    offerStepOdds();
    offerRollLog();
    offerRollSheet();
    offerSettings();
    followEdition();
}

// The caption sink, the windows' memory and a report still running go with the window.
Die::~Die()
{
    SetActionCaptionSink({});
    SetWindowMemory({});
}

// Tab visits the boxes, the action buttons, the steps, the dice, the decisions and the
// remaining buttons, in the order players work through the window.
void Die::setFocusOrder()
{
    std::vector<QWidget *> order = {txtDices, txtErgebnis, txtInfo, cmdStatistic, txtProbeCount};
    order.insert(order.end(), cmdAction.begin(), cmdAction.end());
    order.insert(order.end(), cmdStep.begin(), cmdStep.end());
    order.insert(order.end(), cmdAddDice.begin(), cmdAddDice.end());
    order.insert(order.end(), cmdDecision.begin(), cmdDecision.end());
    order.insert(order.end(), {cmdSteps, cmdHelp, cmdClean, cmdAbout, cmdExit});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    txtDices->setFocus();
}

void Die::captionNumberedButtons()
{
    for (std::size_t i = 0; i < cmdStep.size(); ++i)
        cmdStep[i]->setText(QString::number(i + 1));
    for (std::size_t j = 0; j < cmdDecision.size(); ++j)
        cmdDecision[j]->setText(QString::number(j + 2));
}

void Die::setActionCaption(int index, const QString &caption)
{
    SetFittedCaption(cmdAction.at(static_cast<std::size_t>(index)), caption);
}

void Die::present(const Outcome &outcome)
{
    if (outcome.dices)
        txtDices->setText(*outcome.dices);
    if (outcome.result)
        txtErgebnis->setText(*outcome.result);
    if (outcome.info)
        ShowBoxText(txtInfo, *outcome.info);
    if (outcome.infoLine)
        AppendBoxText(txtInfo, CrLf + *outcome.infoLine);
    if (const std::optional<ViewerUpdate> &viewer = outcome.viewer) {
        if (viewer->title)
            SetViewerTitle(*viewer->title);
        if (viewer->text)
            SetViewerText(*viewer->text);
        if (viewer->show)
            ShowViewer();
    }
    if (outcome.logged)
        m_session.log.append(*outcome.logged);
}

void Die::runReport(double dieRolls, const WorkView &view,
                    std::function<void(unsigned threads)> roll, std::function<void()> finish)
{
    // About as much as a tenth of a second's rolling on one core.
    constexpr double QuickDieRolls = 2e6;
    if (dieRolls <= QuickDieRolls) {
        const BusyCursor busy;
        roll(1);
        finish();
        return;
    }
    StartLongWork(
        this, view, [roll = std::move(roll)] { roll(WorkerThreads()); },
        [finish = std::move(finish)](std::exception_ptr failure) {
            RunCommand([&] {
                if (failure)
                    std::rethrow_exception(failure);
                finish();
            });
        });
}

void Die::createPanels()
{
    for (const DieLayout::Panel &panel : DieLayout::Panels) {
        auto *frame = place(new QWidget(this), QLatin1String(panel.name), panel.at);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, panel.fill);
        frame->setPalette(palette);
        frame->setAutoFillBackground(true);
        HideFromAssistiveTechnology(frame);
    }
}

void Die::createPicture()
{
    Image1 = place(new QLabel(this), QStringLiteral("Image1"), DieLayout::Picture);
    Image1->setPixmap(QPixmap(QStringLiteral(":/picture.gif")));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    HideFromAssistiveTechnology(Image1);
}

void Die::createLabels()
{
    for (const DieLayout::Label &layout : DieLayout::Labels) {
        auto *label = place(new QLabel(QLatin1String(layout.caption), this),
                            QLatin1String(layout.name), layout.at);
        label->setFont(DialogFont(layout.pointSize, layout.bold));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, layout.colour);
        label->setPalette(palette);
        fitToText(label);
        if (layout.decorative)
            HideFromAssistiveTechnology(label);
    }
}

void Die::createBoxes()
{
    txtDices = createLineEdit(this, DieLayout::Dices);
    txtErgebnis = createLineEdit(this, DieLayout::Result);
    txtErgebnis->setFont(DialogFont(13.5));

    txtInfo = place(new TextBox(this), QLatin1String(DieLayout::Info.name), DieLayout::Info.at);
    txtInfo->setAccessibleName(QLatin1String(DieLayout::Info.accessibleName));
    txtInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtInfo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtInfo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtInfo->setTabChangesFocus(true);
    SetBoxText(txtInfo, QStringLiteral("Information Window\r\n"));

    txtProbeCount = createLineEdit(this, DieLayout::Samples);
    txtProbeCount->setText(QStringLiteral("1000"));
}

void Die::createButtons()
{
    cmdStatistic = createButton(this, DieLayout::Statistic);
    cmdSteps = createButton(this, DieLayout::Steps);
    cmdHelp = createButton(this, DieLayout::Help);
    cmdClean = createButton(this, DieLayout::Clean);
    cmdAbout = createButton(this, DieLayout::About);
    cmdExit = createButton(this, DieLayout::Exit);

    m_stepGroup = createButtonArray(this, DieLayout::StepButtons, cmdStep, [](int) {
        return QLatin1String(DieLayout::StepDesignCaption);
    });
    cmdStep[99]->resize(Px(DieLayout::WideStepButtonWidth), cmdStep[99]->height());
    m_decisionGroup = createButtonArray(this, DieLayout::DecisionButtons, cmdDecision, [](int) {
        return QLatin1String(DieLayout::DecisionDesignCaption);
    });
    // Their captions are bare numbers; a screen reader says what they are for.
    for (std::size_t i = 0; i < cmdDecision.size(); ++i)
        cmdDecision[i]->setAccessibleDescription(
            QStringLiteral("Decide between 1 and %1").arg(i + 2));
    m_addDiceGroup = createButtonArray(this, DieLayout::AddDiceButtons, cmdAddDice, [](int i) {
        return QLatin1String(DieLayout::AddDiceCaptions[static_cast<std::size_t>(i)]);
    });
    m_actionGroup = createButtonArray(this, DieLayout::ActionButtons, cmdAction, [](int) {
        return QLatin1String(DieLayout::ActionDesignCaption);
    });
}

void Die::connectEvents()
{
    connect(m_stepGroup, &QButtonGroup::idClicked, this, &Die::cmdStep_Click);
    auto *stepKeys = new ButtonArrayKeys(m_stepGroup);
    connect(stepKeys, &ButtonArrayKeys::keyDown, this, &Die::cmdStep_KeyDown);
    connect(stepKeys, &ButtonArrayKeys::contextMenu, this, &Die::cmdStep_ContextMenu);
    connect(cmdStatistic, &QPushButton::clicked, this, &Die::cmdStatistic_Click);
    connect(cmdSteps, &QPushButton::clicked, this, &Die::cmdSteps_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &Die::cmdHelp_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &Die::cmdAbout_Click);
    connect(cmdExit, &QPushButton::clicked, this, &Die::cmdExit_Click);
    connect(m_addDiceGroup, &QButtonGroup::idClicked, this, &Die::cmdAddDice_Click);
    connect(cmdClean, &QPushButton::clicked, this, &Die::cmdClean_Click);
    connect(m_decisionGroup, &QButtonGroup::idClicked, this, &Die::cmdDecision_Click);
    connect(m_actionGroup, &QButtonGroup::idClicked, this, &Die::cmdAction_Click);
    connect(new ButtonArrayKeys(m_actionGroup), &ButtonArrayKeys::keyDown, this,
            &Die::cmdAction_KeyDown);
}

} // namespace MainBas
