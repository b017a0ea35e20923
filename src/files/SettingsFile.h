#pragma once

#include <QString>
#include <QVariantMap>

#include <optional>

namespace MainBas {

// The user's choices kept between runs, in the standard place for the user's
// configuration: $XDG_CONFIG_HOME/Tessarion/tessarion.conf (~/.config/... by default).
// The file is read once; a file that cannot be used (not a regular file, unreadable,
// garbled) is left alone, the program runs on the defaults, and says so on stderr.
class SettingsFile
{
public:
    static QString standardPath();

    explicit SettingsFile(QString path = standardPath());

    // The value read for the key, or none.
    std::optional<QVariant> value(const QString &key) const;

    // Keeps the value, in memory at once and in the file; on failure, why it could not be
    // written ("the folder is read-only").
    std::optional<QString> setValue(const QString &key, const QVariant &value);

    const QString &path() const { return m_path; }

private:
    QString m_path;
    QVariantMap m_values;
};

// Says on stderr, in one line, what about the settings file the program passed over.
void WarnAboutSettings(const QString &path, const QString &what);

} // namespace MainBas
