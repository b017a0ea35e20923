#include "DataFolders.h"

#include "ActionFiles.h"
#include "FailureReason.h"
#include "FileAccess.h"
#include "ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

#include <unistd.h>

// The data folder of an install, seen from the folder of its executable.
#ifndef TESSARION_DATA_FROM_BINDIR
#define TESSARION_DATA_FROM_BINDIR "../share/tessarion"
#endif

namespace MainBas {

namespace {

// Anything at all by that name counts, even a broken link: a portable folder with a
// damaged file must say so, not quietly read another copy.
bool present(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool isPortable(const QDir &folder)
{
    if (present(folder.filePath(QStringLiteral("steps.txt")))
        || present(folder.filePath(QStringLiteral("help.txt"))))
        return true;
    for (int number = 1; number <= ActionButtonCount; ++number) {
        if (present(folder.filePath(QStringLiteral("Action%1.txt").arg(number))))
            return true;
    }
    return false;
}

QString installDataFolder()
{
    return QDir::cleanPath(ProgramFolder() + QLatin1Char('/')
                           + QLatin1String(TESSARION_DATA_FROM_BINDIR));
}

QStringList systemDataFolders()
{
    // The first is the user's own folder of every program, not a system one.
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    if (!folders.isEmpty())
        folders.removeFirst();
    for (QString &folder : folders)
        folder += QStringLiteral("/tessarion");
    return folders;
}

bool mayWrite(const QString &path)
{
    return access(QFile::encodeName(path).constData(), W_OK) == 0;
}

// A save writes a temporary file beside the file, a link's target, and renames it.
bool mayReplace(const QString &path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    return !target.isEmpty() && mayWrite(target) && mayWrite(QFileInfo(target).path());
}

void makeFolder(const QString &folder, const QString &forFile)
{
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
    if (error)
        throw WriteError(forFile, FailureReason(error.value()));
}

// The folders to look in, and whether they are a portable folder's one.
struct LookUp
{
    QStringList folders;
    bool portable = false;
};

LookUp lookUp()
{
    const QDir program(ProgramFolder());
    if (isPortable(program))
        return {{program.path()}, true};
    QStringList folders = {UserDataFolder(), installDataFolder()};
    folders += systemDataFolders();
    folders.removeAll(QString()); // no user folder where the system names none
    folders.removeDuplicates();
    return {folders, false};
}

QString find(const LookUp &where, const QString &fileName)
{
    for (const QString &folder : where.folders) {
        QString path = QDir(folder).filePath(fileName);
        if (present(path))
            return path;
    }
    return QDir(where.portable ? where.folders.first() : installDataFolder()).filePath(fileName);
}

} // namespace

QStringList DataFolders()
{
    return lookUp().folders;
}

QString UserDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString DataFilePath(const QString &fileName)
{
    return find(lookUp(), fileName);
}

QString DataFileToWrite(const QString &fileName)
{
    const LookUp where = lookUp();
    QString path = find(where, fileName);
    if (where.portable || mayReplace(path))
        return path;
    const QString folder = UserDataFolder();
    if (folder.isEmpty())
        throw WriteError(path, QStringLiteral("there is no data folder of your own to save it in"));
    QString own = QDir(folder).filePath(fileName);
    makeFolder(folder, own);
    return own;
}

} // namespace MainBas
