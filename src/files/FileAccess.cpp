#include "FileAccess.h"

#include "RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

namespace MainBas {

namespace {

[[noreturn]] void fail(ErrorNumber number, const QString &path, const QString &reason = {})
{
    throw RuntimeError(number, QDir::toNativeSeparators(path).toStdString(), reason.toStdString());
}

QString kindOf(std::filesystem::file_type type)
{
    using std::filesystem::file_type;
    switch (type) {
    case file_type::directory:
        return QStringLiteral("a folder");
    case file_type::fifo:
        return QStringLiteral("a named pipe");
    case file_type::character:
        return QStringLiteral("a character device");
    case file_type::block:
        return QStringLiteral("a block device");
    case file_type::socket:
        return QStringLiteral("a socket");
    default:
        return QStringLiteral("an unusual kind of file");
    }
}

// Only a regular file, or a link to one, is opened: opening a named pipe would wait
// for a writer for ever, and a device such as /dev/zero never ends.
void refuseUnlessRegularFile(const QString &path)
{
    const std::filesystem::path native(QFile::encodeName(path).toStdString());
    std::error_code error;
    const auto target = std::filesystem::status(native, error).type();
    if (target == std::filesystem::file_type::not_found)
        fail(FileNotFound, path);
    // Where the kind cannot be told (no permission, say), opening it decides.
    if (target == std::filesystem::file_type::regular || target == std::filesystem::file_type::none)
        return;
    const bool isLink = std::filesystem::is_symlink(std::filesystem::symlink_status(native, error));
    const QString what = isLink ? QStringLiteral("a link to ") + kindOf(target) : kindOf(target);
    fail(PathFileAccessError, path, QStringLiteral("It is %1, not a regular file.").arg(what));
}

[[noreturn]] void failTooLarge(const QString &path, qint64 size, const char *holds)
{
    fail(PathFileAccessError, path,
         QStringLiteral("It %1 %2 bytes; a data file may hold at most %3 bytes (16 MiB).")
             .arg(QLatin1String(holds))
             .arg(size)
             .arg(MaxDataFileBytes));
}

} // namespace

std::string ReadFileBytes(const QString &path)
{
    refuseUnlessRegularFile(path);
    QFile file(path);
    // A file that is there but cannot be opened counts as not found, too.
    if (!file.open(QIODevice::ReadOnly))
        fail(FileNotFound, path, file.errorString());
    if (file.size() > MaxDataFileBytes)
        failTooLarge(path, file.size(), "holds");
    // Read no more than the limit allows, even if the file grows meanwhile.
    const QByteArray bytes = file.read(MaxDataFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        fail(PathFileAccessError, path, file.errorString());
    if (bytes.size() > MaxDataFileBytes)
        failTooLarge(path, bytes.size(), "holds more than");
    return bytes.toStdString();
}

void WriteFileAtomically(const QString &path, QByteArrayView bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(PathFileAccessError, path, file.errorString());
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(PathFileAccessError, path, reason);
    }
    if (!file.commit())
        fail(PathFileAccessError, path, file.errorString());
}

void ReplaceFile(const QString &path, const std::string &bytes)
{
    const auto size = static_cast<qint64>(bytes.size());
    // What could not be read back is not written in the first place.
    if (size > MaxDataFileBytes)
        failTooLarge(path, size, "would hold");
    WriteFileAtomically(path, QByteArrayView(bytes.data(), size));
}

} // namespace MainBas
