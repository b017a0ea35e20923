#pragma once

#include <QString>

#include <string>

namespace MainBas {

// The whole content of a file as bytes. A file that is missing or cannot be opened
// raises "File not found", one that fails while being read "Path/File access error";
// both name the file.
std::string ReadFileBytes(const QString &path);

// Replaces a file with the given bytes atomically: the new content goes to a
// temporary file in the same folder, which is then renamed over the old one, so a
// failed or interrupted write leaves the old file whole. A failure raises
// "Path/File access error" with the file's name and the system's reason.
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
