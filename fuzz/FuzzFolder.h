#pragma once

#include "ProgramFolder.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

// One temporary program folder for the whole fuzzing run.
inline const QTemporaryDir &FuzzFolder()
{
    static QTemporaryDir folder;
    static const bool pointed = (MainBas::SetProgramFolder(folder.path()), true);
    (void)pointed;
    return folder;
}

inline void WriteFuzzFile(const QString &name, const char *data, std::size_t size)
{
    QFile file(FuzzFolder().filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(data, static_cast<qint64>(size));
}
