#pragma once

// A complete program folder in a temporary directory, filled with the shipped data
// files, and an error presenter that records messages instead of showing them; and
// a look at the side windows as the user sees them.

#include "BoxText.h"
#include "DataFileKinds.h"
#include "Die.h"
#include "ErrorReporter.h"
#include "ProgramFolder.h"
#include "Startup.h"
#include "frmText.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>

class TestProgram
{
public:
    TestProgram()
    {
        const QDir data(QStringLiteral(TESSARION_SOURCE_DIR "/data"));
        for (const QString &name : data.entryList({QStringLiteral("*.txt")}, QDir::Files))
            QFile::copy(data.filePath(name), m_folder.filePath(name));
        MainBas::SetProgramFolder(m_folder.path());
        MainBas::SetErrorPresenter([this](const QString &message) { m_errors.append(message); });
    }

    ~TestProgram()
    {
        MainBas::DestroyMainWindow();
        MainBas::SetErrorPresenter({});
        MainBas::SetProgramFolder({});
    }

    // Starts the program on this folder; the shown main window, or null if it failed.
    MainBas::Die *startWindow() const
    {
        if (!MainBas::StartProgram() || !QTest::qWaitForWindowExposed(MainBas::MainWindow()))
            return nullptr;
        return MainBas::MainWindow();
    }

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
inline QString Boxes(const MainBas::Die *die)
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
