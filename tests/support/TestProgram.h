#pragma once

// A complete program folder in a temporary directory, filled with the shipped data
// files, and an error presenter that records messages instead of showing them.

#include "Die.h"
#include "ErrorReporter.h"
#include "ProgramFolder.h"
#include "SpecialFiles.h"
#include "Startup.h"

#include <QDir>
#include <QFile>
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

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
    }

    QByteArray read(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void remove(const QString &name) const { QFile::remove(path(name)); }

    // Puts content in place of the file: bytes, a special kind of file, or nothing at all
    // for a null variant.
    bool put(const QString &name, const QVariant &content) const
    {
        remove(name);
        if (content.metaType() == QMetaType::fromType<FileKind>())
            return PlaceSpecialFile(path(name), content.value<FileKind>());
        if (!content.isNull())
            write(name, content.toByteArray());
        return true;
    }

    // The messages reported so far, oldest first; taking them clears the list.
    QStringList takeErrors() { return std::exchange(m_errors, {}); }

private:
    QTemporaryDir m_folder;
    QStringList m_errors;
};
