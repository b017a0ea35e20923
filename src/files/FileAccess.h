#pragma once

#include "RuntimeError.h"

#include <QByteArrayView>
#include <QDir>
#include <QSaveFile>
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

// A file that could not be written: "Path/File access error" naming the file, with the
// reason as its detail ("No space is left on the device."). reason() is the same as a
// clause ("no space is left on the device"), for windows that say it in their own words.
class WriteError : public RuntimeError
{
public:
    WriteError(const QString &path, const QString &reason);

    const QString &reason() const { return m_reason; }

private:
    QString m_reason;
};

// Replaces a file atomically, its content written piece by piece: the pieces go to a
// temporary file in the same folder, which commit() renames over the old file, so a
// failed or interrupted write leaves the old file whole. Without a commit, the
// temporary file goes with the object. Only a regular file is replaced: a link to one
// has its target replaced and stays a link; a folder, a named pipe, a device or a link
// to one of them is refused. Every failure raises WriteError.
class AtomicFile
{
public:
    explicit AtomicFile(const QString &path);

    void write(QByteArrayView bytes);
    void commit();

private:
    [[noreturn]] void fail();

    QString m_path;
    QSaveFile m_file;
};

// The whole content at once through an AtomicFile.
void WriteFileAtomically(const QString &path, QByteArrayView bytes);

// WriteFileAtomically for a data file: bytes above MaxDataFileBytes are refused before
// anything is written, since the program could not read them back.
void ReplaceFile(const QString &path, const std::string &bytes);

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
