// The roll log: Ctrl+L anywhere in the main window, or "Roll Log..." at the end of the
// information box's context menu, opens the Roll Log window.
#include "Die.h"

#include "ContextMenus.h"
#include "ErrorReporter.h"
#include "RollLogWindow.h"
#include "Session.h"
#include "SideWindows.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcut>

namespace MainBas {

void Die::offerRollLog()
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &Die::openRollLog);
    connect(new TextBoxMenuRequests(txtInfo), &TextBoxMenuRequests::requested, this,
            &Die::txtInfo_ContextMenu);
}

// The box's usual edit entries stay, with the roll log after them.
void Die::txtInfo_ContextMenu(const QPoint &globalPosition, bool fromKeyboard)
{
    RunCommand([&] {
        QMenu *menu = txtInfo->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addSeparator();
        connect(menu->addAction(QStringLiteral("Roll Log...")), &QAction::triggered, this,
                &Die::openRollLog);
        connect(menu->addAction(QStringLiteral("Roll Sheet...")), &QAction::triggered, this,
                &Die::openRollSheet);
        connect(menu->addAction(QStringLiteral("Settings...")), &QAction::triggered, this,
                &Die::openSettings);
        PopUpContextMenu(menu, {globalPosition, fromKeyboard});
    });
}

void Die::openRollLog()
{
    RunCommand([&] { LogWindowCreatedOnDemand(m_session.log)->showLog(); });
}

} // namespace MainBas
