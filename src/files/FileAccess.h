#pragma once

#include <QByteArrayView>
#include <QString>

#include <string>

namespace MainBas {

// The largest data file the program reads or writes: far beyond any real table or
// help text, and small enough that loading one never strains memory.
constexpr qint64 MaxDataFileBytes = qint64 {16} * 1024 * 1024;

// The whole content of a file as bytes. A file that is missing or cannot be opened
// raises "File not found". Anything but a regular file (or a link to one), a file
// above MaxDataFileBytes and a failure while reading raise "Path/File access error".
// Every error names the file.
std::string ReadFileBytes(const QString &path);

// Replaces a file with the given bytes atomically: the new content goes to a
// temporary file in the same folder, which is then renamed over the old one, so a
// failed or interrupted write leaves the old file whole. A failure raises
// "Path/File access error" with the file's name and the reason.
void WriteFileAtomically(const QString &path, QByteArrayView bytes);

// WriteFileAtomically for a data file: bytes above MaxDataFileBytes are refused before
// anything is written, since the program could not read them back.
void ReplaceFile(const QString &path, const std::string &bytes);

} // namespace MainBas

#include "RuntimeError.h"

#include <QDir>

namespace MainBas {

// Runs body and tags any run-time error it raises with the file it was working on.
template<typename Body> auto WithFileName(const QString &path, Body body)
{
    try {
        return body();
    } catch (const RuntimeError &error) {
        if (!error.file().empty())
            throw;
        throw RuntimeError(error.number(), QDir::toNativeSeparators(path).toStdString(),
                           error.detail());
    }
}

} // namespace MainBas
