#include "Session.h"

namespace MainBas {

namespace {

const QString EditionSetting = QStringLiteral("edition");
const QString KarmaDieSetting = QStringLiteral("karmaDie");
const QString DevotionDieSetting = QStringLiteral("devotionDie");

bool isDieSize(int size)
{
    return size == 4 || size == 6 || size == 8 || size == 10 || size == 12 || size == 20;
}

} // namespace

void Session::loadSettings(const QString &path)
{
    m_settings.emplace(path);
    m_karmaDie = storedDie(KarmaDieSetting, m_karmaDie);
    m_devotionDie = storedDie(DevotionDieSetting, m_devotionDie);
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
    const std::string_view key = EditionKey(edition);
    return keep(EditionSetting,
                QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
}

std::optional<QString> Session::chooseKarmaDie(int size)
{
    if (size != m_karmaDie) {
        m_karmaDie = size;
        emit extraDiceChanged();
    }
    return keep(KarmaDieSetting, size);
}

std::optional<QString> Session::chooseDevotionDie(int size)
{
    if (size != m_devotionDie) {
        m_devotionDie = size;
        emit extraDiceChanged();
    }
    return keep(DevotionDieSetting, size);
}

std::optional<QVariant> Session::setting(const QString &key) const
{
    return m_settings ? m_settings->value(key) : std::nullopt;
}

std::optional<QString> Session::keep(const QString &key, const QVariant &value)
{
    if (!m_settings)
        return std::nullopt;
    return m_settings->setValue(key, value);
}

// A die the settings cannot mean is passed over with a warning.
int Session::storedDie(const QString &key, int fallback) const
{
    const std::optional<QVariant> stored = m_settings->value(key);
    if (!stored)
        return fallback;
    bool number = false;
    const int size = stored->toString().toInt(&number);
    if (number && isDieSize(size))
        return size;
    WarnAboutSettings(m_settings->path(),
                      QStringLiteral("the %1 \"%2\" is no die, so D%3 is used")
                          .arg(key, stored->toString())
                          .arg(fallback));
    return fallback;
}

} // namespace MainBas
