#pragma once

// Data files that are not what the loaders expect, made for real in a folder: a named
// pipe, a link to an endless device, a folder, and files just over or at the size
// limit. Each comes with the detail line of the message that refuses it.

#include "FileAccess.h"

#include <QDir>
#include <QFile>
#include <QMetaType>
#include <QString>

#include <sys/stat.h>

enum class FileKind { NamedPipe, LinkToZero, Folder, OverTheLimit, AtTheLimit };
Q_DECLARE_METATYPE(FileKind)

// Replaces whatever is at path with a file of that kind. The sized ones begin with
// `valid` and are padded with x to their size.
inline bool PlaceSpecialFile(const QString &path, FileKind kind, const QByteArray &valid = {})
{
    QFile::remove(path);
    switch (kind) {
    case FileKind::NamedPipe:
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    case FileKind::LinkToZero:
        return QFile::link(QStringLiteral("/dev/zero"), path);
    case FileKind::Folder:
        return QDir().mkdir(path);
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
    case FileKind::AtTheLimit:
        break;
    }
    return {};
}
