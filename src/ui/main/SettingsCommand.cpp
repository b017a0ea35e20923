// Settings: Ctrl+, or "Settings..." in a context menu opens the Settings window. The
// edition chosen there applies at once: to the next roll, the main window's title and
// tooltips, and every open window that shows a step's dice.
#include "Die.h"

#include "ErrorReporter.h"
#include "Session.h"
#include "SettingsWindow.h"
#include "SideWindows.h"
#include "StepDescriptions.h"
#include "StepOddsWindow.h"
#include "WindowLook.h"

#include <QDir>
#include <QShortcut>

namespace MainBas {

void Die::offerSettings()
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &Die::openSettings);
    connect(&m_session, &Session::editionChanged, this, &Die::followEdition);
    connect(&m_session, &Session::extraDiceChanged, this, &Die::followExtraDice);
}

void Die::openSettings()
{
    RunCommand([&] {
        SettingsWindow *window = SettingsWindowCreatedOnDemand();
        window->showEdition(m_session.edition());
        window->showExtraDice(m_session.karmaDie(), m_session.devotionDie());
        connect(window, &SettingsWindow::editionChosen, this, &Die::chooseEdition,
                Qt::UniqueConnection);
        connect(window, &SettingsWindow::karmaDieChosen, this, &Die::chooseKarmaDie,
                Qt::UniqueConnection);
        connect(window, &SettingsWindow::devotionDieChosen, this, &Die::chooseDevotionDie,
                Qt::UniqueConnection);
        window->show();
        window->raise();
        window->activateWindow();
    });
}

void Die::chooseEdition(Edition edition)
{
    RunCommand([&] { reportUnkept(m_session.chooseEdition(edition)); });
}

void Die::chooseKarmaDie(int size)
{
    RunCommand([&] { reportUnkept(m_session.chooseKarmaDie(size)); });
}

void Die::chooseDevotionDie(int size)
{
    RunCommand([&] { reportUnkept(m_session.chooseDevotionDie(size)); });
}

// A choice that cannot be kept holds for this run; the first such failure says so.
void Die::reportUnkept(const std::optional<QString> &failure)
{
    if (!failure || m_settingsFailureShown)
        return;
    m_settingsFailureShown = true;
    ReportError(QStringLiteral("Could not keep the settings in %1: %2. The choice holds until "
                               "the program ends.")
                    .arg(QDir::toNativeSeparators(m_session.settingsPath()), *failure));
}

// In the 1st edition the title is the program's alone, as it has always been.
void Die::followEdition()
{
    const Edition edition = m_session.edition();
    const std::string_view name = EditionName(edition);
    setWindowTitle(edition == Edition::First ? ProgramTitle()
                                             : ProgramTitle() + QStringLiteral(" - ")
                           + QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    describeStepButtons();
    if (SettingsWindow *settings = SettingsWindowIfOpen())
        settings->showEdition(edition);
    if (StepOddsWindow *odds = OddsWindow())
        odds->setEdition(edition);
}

void Die::followExtraDice()
{
    if (StepOddsWindow *odds = OddsWindow())
        odds->setDieSizes(m_session.karmaDie(), m_session.devotionDie());
}

QString Die::diceTextOf(std::int16_t step) const
{
    if (m_session.edition() == Edition::First)
        return StepDescriptions[static_cast<std::size_t>(step)];
    return QString::fromStdString(m_session.steps().text(step));
}

} // namespace MainBas
