#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>
#include <stdexcept>
#include <vector>

namespace MainBas::Sheet {

// One of a character's talents, skills or attacks, rolled with a click.
struct NamedRoll
{
    QString name;
    int step = 1;
    int karmaPoints = 0; // usually spent on it
    std::optional<int> target {}; // the target number it usually faces
    QString note;
    QJsonObject unknown {}; // keys of a newer version, kept on save
};

// A character as the Roll Sheet keeps it.
struct CharacterSheet
{
    QString name;
    int karmaLeft = 0;
    int karmaMaximum = 0;
    int wounds = 0;
    std::vector<NamedRoll> rolls;
    QJsonObject unknown {};
};

// The limits of what a sheet may hold; anything outside is refused when read.
inline constexpr int LowestStep = 1;
inline constexpr int HighestStep = 100;
inline constexpr int MostKarmaPointsPerRoll = 20;
inline constexpr int HighestKarma = 9999;
inline constexpr int MostWounds = 99;
inline constexpr int HighestTarget = 999;
inline constexpr qsizetype LargestSheetBytes = qsizetype {16} * 1024 * 1024;

// Why a file could not be read as a sheet, in words a player understands.
class SheetFault : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The sheet as a small JSON document with its format name and version.
QByteArray SheetToJson(const CharacterSheet &sheet);

// Reads a sheet; a document that is not a sheet, is cut off, too large, or holds wrong
// types or impossible values throws SheetFault saying which.
CharacterSheet SheetFromJson(const QByteArray &json);

} // namespace MainBas::Sheet
