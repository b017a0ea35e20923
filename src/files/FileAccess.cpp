#include "FileAccess.h"

#include "RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace MainBas {

namespace {

[[noreturn]] void fail(ErrorNumber number, const QString &path, const QString &reason = {})
{
    throw RuntimeError(number, QDir::toNativeSeparators(path).toStdString(), reason.toStdString());
}

} // namespace

std::string ReadFileBytes(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        fail(FileNotFound, path);
    // A file that is there but cannot be opened counts as not found, too.
    if (!file.open(QIODevice::ReadOnly))
        fail(FileNotFound, path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(PathFileAccessError, path, file.errorString());
    return bytes.toStdString();
}

void ReplaceFile(const QString &path, const std::string &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(PathFileAccessError, path, file.errorString());
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(PathFileAccessError, path, reason);
    }
    if (!file.commit())
        fail(PathFileAccessError, path, file.errorString());
}

} // namespace MainBas
