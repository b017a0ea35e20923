#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace MainBas {

namespace {

// Why the file cannot be used, if it cannot: reading a named pipe would wait for ever.
std::optional<QString> notAFile(const QString &path)
{
    std::error_code error;
    const auto type = std::filesystem::status(QFile::encodeName(path).toStdString(), error).type();
    using std::filesystem::file_type;
    if (type == file_type::not_found || type == file_type::regular || type == file_type::none)
        return std::nullopt;
    if (type == file_type::directory)
        return QStringLiteral("it is a folder, not a file");
    if (type == file_type::fifo)
        return QStringLiteral("it is a named pipe, not a file");
    return QStringLiteral("it is not a regular file");
}

QString reasonOf(QSettings::Status status)
{
    return status == QSettings::FormatError ? QStringLiteral("it is garbled")
                                            : QStringLiteral("it cannot be read");
}

} // namespace

QString SettingsFile::standardPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Tessarion/tessarion.conf");
}

SettingsFile::SettingsFile(QString path)
    : m_path(std::move(path))
{
    if (const std::optional<QString> problem = notAFile(m_path)) {
        WarnAboutSettings(m_path, *problem);
        return;
    }
    const QSettings settings(m_path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        WarnAboutSettings(m_path, reasonOf(settings.status()));
        return;
    }
    for (const QString &key : settings.allKeys())
        m_values.insert(key, settings.value(key));
}

std::optional<QVariant> SettingsFile::value(const QString &key) const
{
    const auto found = m_values.constFind(key);
    if (found == m_values.constEnd())
        return std::nullopt;
    return *found;
}

std::optional<QString> SettingsFile::setValue(const QString &key, const QVariant &value)
{
    m_values.insert(key, value);
    if (std::optional<QString> problem = notAFile(m_path))
        return problem;
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("its folder %1 cannot be made").arg(QDir::toNativeSeparators(folder));
    QSettings settings(m_path, QSettings::IniFormat);
    // Every choice of this run goes in, so a file that could not be read before is whole
    // again after the first save.
    for (auto each = m_values.constBegin(); each != m_values.constEnd(); ++each)
        settings.setValue(each.key(), each.value());
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return std::nullopt;
    if (!QFileInfo(folder).isWritable())
        return QStringLiteral("the folder is read-only");
    return QStringLiteral("it cannot be written");
}

void WarnAboutSettings(const QString &path, const QString &what)
{
    std::fprintf(stderr, "Tessarion: the settings file %s was passed over: %s.\n",
                 qPrintable(QDir::toNativeSeparators(path)), qPrintable(what));
    std::fflush(stderr);
}

} // namespace MainBas
