#include "Startup.h"

#include "ActionFiles.h"
#include "Die.h"
#include "ErrorReporter.h"
#include "FittedCaption.h"
#include "RandomSource.h"
#include "StepDescriptions.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>
#include <vector>

namespace MainBas {

namespace {

std::unique_ptr<Die> &mainWindowHolder()
{
    static std::unique_ptr<Die> window;
    return window;
}

// Tab visits the boxes, the action buttons, the steps, the dice, the decisions and
// the remaining buttons, in the order players work through the window.
std::vector<QWidget *> focusOrder(Die *die)
{
    std::vector<QWidget *> order
        = {die->txtDices, die->txtErgebnis, die->txtInfo, die->cmdStatistic, die->txtProbeCount};
    order.insert(order.end(), die->cmdAction.begin(), die->cmdAction.end());
    order.insert(order.end(), die->cmdStep.begin(), die->cmdStep.end());
    order.insert(order.end(), die->cmdAddDice.begin(), die->cmdAddDice.end());
    order.insert(order.end(), die->cmdDecision.begin(), die->cmdDecision.end());
    order.insert(order.end(),
                 {die->cmdSteps, die->cmdHelp, die->cmdClean, die->cmdAbout, die->cmdExit});
    return order;
}

void captionButtons(Die *die)
{
    for (int i = 0; i < static_cast<int>(die->cmdStep.size()); ++i)
        die->cmdStep[static_cast<std::size_t>(i)]->setText(QString::number(i + 1));
    for (int j = 0; j < static_cast<int>(die->cmdDecision.size()); ++j)
        die->cmdDecision[static_cast<std::size_t>(j)]->setText(QString::number(j + 2));
}

} // namespace

void InitMainWindow()
{
    auto &window = mainWindowHolder();
    window = std::make_unique<Die>();
    const std::vector<QWidget *> order = focusOrder(window.get());
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    window->txtDices->setFocus();
}

Die *MainWindow()
{
    return mainWindowHolder().get();
}

void Main()
{
    Random().seedFromTimer();
    LoadStepDescriptions();
    InitMainWindow();
    captionButtons(MainWindow());
    SetActionCaptionSink([](int index, const QString &caption) {
        if (Die *window = MainWindow())
            SetFittedCaption(window->cmdAction[static_cast<std::size_t>(index)], caption);
    });
    for (std::int16_t index = 0; index < ActionButtonCount; ++index)
        LoadActionFile(index);
    MainWindow()->show();
}

bool StartProgram()
{
    try {
        Main();
        return true;
    } catch (const RuntimeError &error) {
        DestroyMainWindow();
        ReportError(error);
        return false;
    }
}

void DestroyMainWindow()
{
    SetActionCaptionSink({});
    mainWindowHolder().reset();
}

} // namespace MainBas
