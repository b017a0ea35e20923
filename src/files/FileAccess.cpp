#include "FileAccess.h"

#include "FailureReason.h"

#include <QFile>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <system_error>

#include <unistd.h>

namespace MainBas {

namespace {

[[noreturn]] void fail(ErrorNumber number, const QString &path, const QString &reason = {})
{
    throw RuntimeError(number, QDir::toNativeSeparators(path).toStdString(), reason.toStdString());
}

// "No space is left on the device." from "no space is left on the device".
QString sentence(QString clause)
{
    if (!clause.isEmpty())
        clause[0] = clause[0].toUpper();
    return clause + QLatin1Char('.');
}

std::filesystem::path nativePath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

std::filesystem::file_type kindAt(const QString &path)
{
    std::error_code error;
    return std::filesystem::status(nativePath(path), error).type();
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

// "it is a named pipe, not a regular file" for what is there but is no regular file,
// following links; nothing for a regular file, for nothing at all and where the kind
// cannot be told (no permission, say): opening it decides.
std::optional<QString> irregularKind(const QString &path)
{
    using std::filesystem::file_type;
    const file_type target = kindAt(path);
    if (target == file_type::regular || target == file_type::none || target == file_type::not_found)
        return std::nullopt;
    std::error_code error;
    const bool isLink
        = std::filesystem::is_symlink(std::filesystem::symlink_status(nativePath(path), error));
    return QStringLiteral("it is %1%2, not a regular file")
        .arg(isLink ? QStringLiteral("a link to ") : QString(), kindOf(target));
}

// Only a regular file, or a link to one, is opened: opening a named pipe would wait
// for a writer for ever, and a device such as /dev/zero never ends.
void refuseUnlessRegularFile(const QString &path)
{
    if (kindAt(path) == std::filesystem::file_type::not_found)
        fail(FileNotFound, path);
    if (const std::optional<QString> kind = irregularKind(path))
        fail(PathFileAccessError, path, sentence(*kind));
}

[[noreturn]] void failTooLarge(const QString &path, qint64 size, const char *holds)
{
    fail(PathFileAccessError, path,
         QStringLiteral("It %1 %2 bytes; a data file may hold at most %3 bytes (16 MiB).")
             .arg(QLatin1String(holds))
             .arg(size)
             .arg(MaxDataFileBytes));
}

// A save replaces only a regular file, one it may write: renaming over a device or a
// pipe would replace that with a plain file, and a read-only file is meant to stay.
void refuseUnlessWritable(const QString &path)
{
    if (const std::optional<QString> kind = irregularKind(path))
        throw WriteError(path, *kind);
    if (access(QFile::encodeName(path).constData(), W_OK) == 0)
        return;
    const int error = errno;
    if (error == ENOENT)
        return; // a new file
    throw WriteError(
        path, error == EACCES ? QStringLiteral("the file is read-only") : FailureReason(error));
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

WriteError::WriteError(const QString &path, const QString &reason)
    : RuntimeError(PathFileAccessError, QDir::toNativeSeparators(path).toStdString(),
                   sentence(reason).toStdString())
    , m_reason(reason)
{ }

// QSaveFile's own messages say "Unknown error" for a full disk, so the reason comes
// from errno, read right after the call that failed.
AtomicFile::AtomicFile(const QString &path)
    : m_path(path)
    , m_file(path)
{
    refuseUnlessWritable(path);
    errno = 0;
    if (!m_file.open(QIODevice::WriteOnly))
        fail();
}

void AtomicFile::write(QByteArrayView bytes)
{
    errno = 0;
    if (m_file.write(bytes.data(), bytes.size()) != bytes.size())
        fail();
}

void AtomicFile::commit()
{
    // commit() flushes the last buffered bytes too, but renames even when that fails:
    // on a full disk the old file would be replaced by a cut-off one.
    errno = 0;
    if (!m_file.flush())
        fail();
    errno = 0;
    if (!m_file.commit())
        fail();
}

void AtomicFile::fail()
{
    const int error = errno;
    QString reason = error != 0 ? FailureReason(error) : m_file.errorString();
    if (error == 0 && !reason.isEmpty())
        reason[0] = reason[0].toLower();
    m_file.cancelWriting();
    throw WriteError(m_path, reason);
}

void WriteFileAtomically(const QString &path, QByteArrayView bytes)
{
    AtomicFile file(path);
    file.write(bytes);
    file.commit();
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
