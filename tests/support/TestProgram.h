#pragma once

// A complete program folder in a temporary directory, filled with the shipped data
// files, a session of its own, and an error presenter that records messages instead of
// showing them; the main window's controls found by their names, as a user's tools find
// them; and a look at the side windows as the user sees them.

#include "BoxText.h"
#include "DataFileKinds.h"
#include "Die.h"
#include "ErrorReporter.h"
#include "ProgramFolder.h"
#include "ScriptedRandom.h"
#include "Session.h"
#include "SideWindows.h"
#include "Startup.h"
#include "frmText.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>

#include <array>
#include <memory>

// The main window's controls, each found by its name ("cmdStep(34)").
struct MainControls
{
    explicit MainControls(MainBas::Die *die)
        : window(die)
    {
        fill(cmdStep, "cmdStep");
        fill(cmdDecision, "cmdDecision");
        fill(cmdAddDice, "cmdAddDice");
        fill(cmdAction, "cmdAction");
    }

    template<typename Widget> Widget *find(const char *name) const
    {
        return window->findChild<Widget *>(QLatin1String(name));
    }

    MainBas::Die *window;
    QLineEdit *txtDices = find<QLineEdit>("txtDices");
    QLineEdit *txtErgebnis = find<QLineEdit>("txtErgebnis");
    QPlainTextEdit *txtInfo = find<QPlainTextEdit>("txtInfo");
    QLineEdit *txtProbeCount = find<QLineEdit>("txtProbeCount");
    QPushButton *cmdStatistic = find<QPushButton>("cmdStatistic");
    QPushButton *cmdSteps = find<QPushButton>("cmdSteps");
    QPushButton *cmdHelp = find<QPushButton>("cmdHelp");
    QPushButton *cmdClean = find<QPushButton>("cmdClean");
    QPushButton *cmdAbout = find<QPushButton>("cmdAbout");
    QPushButton *cmdExit = find<QPushButton>("cmdExit");
    std::array<QPushButton *, 100> cmdStep {};
    std::array<QPushButton *, 50> cmdDecision {};
    std::array<QPushButton *, 6> cmdAddDice {};
    std::array<QPushButton *, 20> cmdAction {};

private:
    template<std::size_t N> void fill(std::array<QPushButton *, N> &buttons, const char *name)
    {
        for (std::size_t i = 0; i < N; ++i)
            buttons[i] = window->findChild<QPushButton *>(
                QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i));
    }
};

class TestProgram
{
public:
    TestProgram()
    {
        const QDir data(QStringLiteral(TESSARION_SOURCE_DIR "/data"));
        for (const QString &name : data.entryList({QStringLiteral("*.txt")}, QDir::Files))
            QFile::copy(data.filePath(name), m_folder.filePath(name));
        MainBas::SetProgramFolder(m_folder.path());
        // The user's own settings and data stay untouched.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_folder.filePath(QStringLiteral("config"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_folder.filePath(QStringLiteral("data"))));
        MainBas::SetErrorPresenter([this](const QString &message) { m_errors.append(message); });
    }

    ~TestProgram()
    {
        closeWindow();
        MainBas::DestroySideWindows();
        MainBas::SetErrorPresenter({});
        MainBas::SetProgramFolder({});
    }

    // Starts the program on this folder; the shown main window's controls, or null if it
    // failed.
    MainControls *startWindow()
    {
        m_window = MainBas::StartProgram(m_session);
        if (!m_window || !QTest::qWaitForWindowExposed(m_window.get()))
            return nullptr;
        m_controls = std::make_unique<MainControls>(m_window.get());
        return m_controls.get();
    }

    // Destroys the main window, as the program's end does.
    void closeWindow()
    {
        m_controls.reset();
        m_window.reset();
    }

    MainBas::Die *window() const { return m_window.get(); }
    MainBas::Session &session() { return m_session; }

    // Rolls, decisions and draws take their values from the script from now on.
    void use(const ScriptedRandom &script) { m_session.random = script.source(); }

    QString path(const QString &name) const { return m_folder.filePath(name); }

    void write(const QString &name, const QByteArray &bytes) const { WriteFile(path(name), bytes); }
    QByteArray read(const QString &name) const { return ReadFile(path(name)); }

    void remove(const QString &name) const { QFile::remove(path(name)); }

    // Puts content in place of the file: bytes, an unusual kind of file, or nothing at all
    // for a null variant.
    bool put(const QString &name, const QVariant &content) const
    {
        return PutFile(path(name), content);
    }

    // The messages reported so far, oldest first; taking them clears the list.
    QStringList takeErrors() { return std::exchange(m_errors, {}); }

private:
    QTemporaryDir m_folder;
    QStringList m_errors;
    MainBas::Session m_session;
    std::unique_ptr<MainBas::Die> m_window;
    std::unique_ptr<MainControls> m_controls;
};

// The text viewer's title, visibility and text in one string, to compare them at once.
inline QString ViewerState()
{
    const MainBas::frmText *viewer = MainBas::TextViewer();
    if (!viewer)
        return QStringLiteral("no viewer");
    return viewer->windowTitle()
        + (viewer->isVisible() ? QStringLiteral(" (shown): ") : QStringLiteral(" (hidden): "))
        + MainBas::BoxText(viewer->txtFeld);
}

// The main window's dice box, result box and information window as one string,
// "dice|result|information", to compare them at once.
inline QString Boxes(const MainControls *die)
{
    return die->txtDices->text() + QLatin1Char('|') + die->txtErgebnis->text() + QLatin1Char('|')
        + MainBas::BoxText(die->txtInfo);
}

// The shown top-level window of that class, if there is one.
template<typename Window> Window *ShownWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}
