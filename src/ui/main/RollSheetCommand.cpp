// The Roll Sheet: Ctrl+R anywhere in the main window, or "Roll Sheet..." in the context
// menus of the information box and the step buttons, opens it. It rolls from the session's
// random source into its roll log, by the edition and dice chosen in Settings, and follows
// a new choice at once.
#include "Die.h"

#include "ErrorReporter.h"
#include "RollSheetWindow.h"
#include "Session.h"
#include "SideWindows.h"

#include <QShortcut>

namespace MainBas {

namespace {

// Where the settings keep the sheet last used.
const QString SheetSetting = QStringLiteral("sheet");

} // namespace

void Die::offerRollSheet()
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &Die::openRollSheet);
}

void Die::openRollSheet()
{
    RunCommand([&] {
        const SheetSession session {
            m_session.random,
            m_session.log,
            [this] { return m_session.edition(); },
            [this] { return m_session.karmaDie(); },
            [this] { return m_session.devotionDie(); },
            [this] { return m_session.setting(SheetSetting).value_or(QString()).toString(); },
            [this](const QString &path) { m_session.keepQuietly(SheetSetting, path); },
        };
        RollSheetWindow *window = RollSheetWindowCreatedOnDemand(session);
        connect(&m_session, &Session::editionChanged, window, &RollSheetWindow::followRules,
                Qt::UniqueConnection);
        connect(&m_session, &Session::extraDiceChanged, window, &RollSheetWindow::followRules,
                Qt::UniqueConnection);
        window->showSheet();
    });
}

} // namespace MainBas
