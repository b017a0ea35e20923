#pragma once

#include "Edition.h"
#include "RandomSource.h"
#include "RollLog.h"
#include "SettingsFile.h"

#include <QObject>

#include <optional>

namespace MainBas {

// What the program holds for as long as it runs: the random source every roll, decision
// and draw takes from, the roll log of every result shown, the settings kept between
// runs and the edition chosen in them. Made in main before the first window and handed
// to the windows that need it.
class Session : public QObject
{
    Q_OBJECT

public:
    RandomSource random;
    Log::RollLog log;

    // Reads the settings file; an edition it does not know means the 1st, and a warning.
    void loadSettings(const QString &path = SettingsFile::standardPath());

    // Where the settings are kept; empty before loadSettings().
    QString settingsPath() const { return m_settings ? m_settings->path() : QString(); }

    Edition edition() const { return m_edition; }
    const StepTable &steps() const { return StepTableOf(m_edition); }

    // Chooses the edition for this run at once and keeps it in the settings; none, or
    // why keeping it failed (the choice stays for this run).
    std::optional<QString> chooseEdition(Edition edition);

    // Any other choice kept in the settings: a window's place, the sheet last used. Keeping
    // one that fails is not worth a message: it holds for this run.
    std::optional<QVariant> setting(const QString &key) const;
    void keepQuietly(const QString &key, const QVariant &value) { keep(key, value); }

    // The dice a karma point and a devotion point add (faces): D6 and D4 unless chosen.
    int karmaDie() const { return m_karmaDie; }
    int devotionDie() const { return m_devotionDie; }
    std::optional<QString> chooseKarmaDie(int size);
    std::optional<QString> chooseDevotionDie(int size);

signals:
    void editionChanged(Edition edition);
    void extraDiceChanged();

private:
    std::optional<QString> keep(const QString &key, const QVariant &value);
    int storedDie(const QString &key, int fallback) const;

    std::optional<SettingsFile> m_settings; // none before loadSettings(): nothing is kept
    Edition m_edition = Edition::First;
    int m_karmaDie = 6;
    int m_devotionDie = 4;
};

} // namespace MainBas
