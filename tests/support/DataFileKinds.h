#pragma once

// Data files for the loaders: a well-formed steps.txt, and files that are not what the
// loaders expect, made for real in a folder: a named pipe, a link to an endless device,
// a folder, and files just over or at the size limit. Each of those comes with the
// detail line of the message that refuses it. Saves are tried only on kinds that a
// faulty save could not harm outside the folder: a pipe, a link to a pipe beside it, a
// folder, and a device node of the folder's own (made only where mknod is allowed).

#include "FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaType>
#include <QString>
#include <QVariant>

#include <sys/stat.h>
#include <sys/sysmacros.h>

inline QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size();
}

// Records for steps 1 to 100 in order, each described as prefix and step number.
inline QByteArray StepsFile(const QByteArray &prefix = "New ", const QByteArray &lineEnd = "\r\n")
{
    QByteArray bytes;
    for (int step = 1; step <= 100; ++step)
        bytes += QByteArray::number(step) + lineEnd + prefix + QByteArray::number(step) + lineEnd;
    return bytes;
}

enum class FileKind {
    NamedPipe,
    LinkToZero,
    Folder,
    OverTheLimit,
    AtTheLimit,
    LinkToPipe, // to "<name>.pipe" beside it
    Device, // a null device of its own, like /dev/null
};
Q_DECLARE_METATYPE(FileKind)

// Replaces whatever is at path with a file of that kind. The sized ones begin with
// `valid` and are padded with x to their size.
inline bool PlaceFileOfKind(const QString &path, FileKind kind, const QByteArray &valid = {})
{
    QFile::remove(path);
    switch (kind) {
    case FileKind::NamedPipe:
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    case FileKind::LinkToZero:
        return QFile::link(QStringLiteral("/dev/zero"), path);
    case FileKind::Folder:
        return QDir().mkdir(path);
    case FileKind::LinkToPipe:
        QFile::remove(path + QStringLiteral(".pipe"));
        return PlaceFileOfKind(path + QStringLiteral(".pipe"), FileKind::NamedPipe)
            && QFile::link(QFileInfo(path).fileName() + QStringLiteral(".pipe"), path);
    case FileKind::Device:
        return mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    case FileKind::OverTheLimit:
    case FileKind::AtTheLimit:
        break;
    }
    const qint64 size = MainBas::MaxDataFileBytes + (kind == FileKind::OverTheLimit ? 1 : 0);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(valid) == valid.size()
        && file.write(QByteArray(size - valid.size(), 'x')) == size - valid.size();
}

// The last line of the message that refuses a file of that kind.
inline QString RefusalOf(FileKind kind)
{
    switch (kind) {
    case FileKind::NamedPipe:
        return QStringLiteral("It is a named pipe, not a regular file.");
    case FileKind::LinkToZero:
        return QStringLiteral("It is a link to a character device, not a regular file.");
    case FileKind::Folder:
        return QStringLiteral("It is a folder, not a regular file.");
    case FileKind::OverTheLimit:
        return QStringLiteral("It holds 16777217 bytes; a data file may hold at most 16777216 "
                              "bytes (16 MiB).");
    case FileKind::LinkToPipe:
        return QStringLiteral("It is a link to a named pipe, not a regular file.");
    case FileKind::Device:
        return QStringLiteral("It is a character device, not a regular file.");
    case FileKind::AtTheLimit:
        break;
    }
    return {};
}

// Puts content in place of whatever is at path: bytes, an unusual kind of file, or
// nothing at all for a null variant.
inline bool PutFile(const QString &path, const QVariant &content)
{
    QFile::remove(path);
    if (content.metaType() == QMetaType::fromType<FileKind>())
        return PlaceFileOfKind(path, content.value<FileKind>());
    return content.isNull() || WriteFile(path, content.toByteArray());
}
