// The exact odds of a step: each step button names its dice in a tooltip, and its context
// menu (right click, the Menu key, Shift+F10) opens the Step Odds window for it.
#include "Die.h"

#include "ContextMenus.h"
#include "ErrorReporter.h"
#include "Session.h"
#include "SideWindows.h"
#include "StepOddsWindow.h"

#include <QMenu>
#include <QPushButton>

namespace MainBas {

void Die::offerStepOdds()
{
    describeStepButtons();
}

void Die::describeStepButtons()
{
    for (int i = 0; i < StepCount; ++i) {
        cmdStep[static_cast<std::size_t>(i)]->setToolTip(
            QStringLiteral("Step %1: %2\nRight-click for the odds.")
                .arg(i + 1)
                .arg(QString::fromStdString(m_session.steps().text(i + 1))));
    }
}

void Die::cmdStep_ContextMenu(int Index, const QPoint &globalPosition, bool fromKeyboard)
{
    RunCommand([&] {
        const int step = Index + 1;
        auto *menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        QAction *odds = menu->addAction(QStringLiteral("Odds for step %1...").arg(step));
        connect(odds, &QAction::triggered, this, [this, step] {
            RunCommand([&] {
                StepOddsWindow *window = OddsWindowCreatedOnDemand();
                window->setDieSizes(m_session.karmaDie(), m_session.devotionDie());
                window->showStep(step, m_session.edition());
            });
        });
        connect(menu->addAction(QStringLiteral("Roll Sheet...")), &QAction::triggered, this,
                &Die::openRollSheet);
        connect(menu->addAction(QStringLiteral("Settings...")), &QAction::triggered, this,
                &Die::openSettings);
        PopUpContextMenu(menu, {globalPosition, fromKeyboard});
    });
}

} // namespace MainBas
