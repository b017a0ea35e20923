#include "Session.h"

namespace MainBas {

namespace {

const QString EditionSetting = QStringLiteral("edition");

} // namespace

void Session::loadSettings(const QString &path)
{
    m_settings.emplace(path);
    const std::optional<QVariant> stored = m_settings->value(EditionSetting);
    if (!stored)
        return;
    const QString key = stored->toString();
    if (const std::optional<Edition> edition = EditionOfKey(key.toStdString()))
        m_edition = *edition;
    else
        WarnAboutSettings(path,
                          QStringLiteral("the edition \"%1\" is unknown, so the 1st "
                                         "edition is used")
                              .arg(key));
}

std::optional<QString> Session::chooseEdition(Edition edition)
{
    if (edition != m_edition) {
        m_edition = edition;
        emit editionChanged(edition);
    }
    if (!m_settings)
        return std::nullopt;
    const std::string_view key = EditionKey(edition);
    return m_settings->setValue(
        EditionSetting, QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
}

} // namespace MainBas
