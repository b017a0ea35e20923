#include "CharacterSheet.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace MainBas::Sheet {

namespace {

const QString Format = QStringLiteral("tessarion-character-sheet");
constexpr int Version = 1;

[[noreturn]] void refuse(const QString &why)
{
    throw SheetFault(why.toStdString());
}

// The keys this version reads; the others are kept as they were.
QJsonObject withoutKeys(QJsonObject object, std::initializer_list<const char *> keys)
{
    for (const char *key : keys)
        object.remove(QLatin1String(key));
    return object;
}

int wholeNumber(const QJsonObject &object, const char *key, int lowest, int highest,
                const QString &where)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return lowest;
    const double number = value.toDouble(-1e300);
    if (!value.isDouble() || number != static_cast<double>(static_cast<long long>(number)))
        refuse(QStringLiteral("%1 \"%2\" is not a whole number.").arg(where, QLatin1String(key)));
    if (number < lowest || number > highest)
        refuse(QStringLiteral("%1 \"%2\" is %3; it must lie from %4 to %5.")
                   .arg(where, QLatin1String(key))
                   .arg(static_cast<long long>(number))
                   .arg(lowest)
                   .arg(highest));
    return static_cast<int>(number);
}

QString text(const QJsonObject &object, const char *key, const QString &where)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return {};
    if (!value.isString())
        refuse(QStringLiteral("%1 \"%2\" is not a text.").arg(where, QLatin1String(key)));
    return value.toString();
}

NamedRoll rollFrom(const QJsonValue &value, qsizetype index)
{
    const QString where = QStringLiteral("Roll %1:").arg(index + 1);
    if (!value.isObject())
        refuse(QStringLiteral("%1 it is not a roll.").arg(where));
    const QJsonObject object = value.toObject();
    NamedRoll roll;
    roll.name = text(object, "name", where);
    roll.step = wholeNumber(object, "step", LowestStep, HighestStep, where);
    roll.karmaPoints = wholeNumber(object, "karma", 0, MostKarmaPointsPerRoll, where);
    if (object.contains(QLatin1String("target")) && !object.value(QLatin1String("target")).isNull())
        roll.target = wholeNumber(object, "target", 1, HighestTarget, where);
    roll.note = text(object, "note", where);
    roll.unknown = withoutKeys(object, {"name", "step", "karma", "target", "note"});
    return roll;
}

QJsonObject rollTo(const NamedRoll &roll)
{
    QJsonObject object = roll.unknown;
    object.insert(QStringLiteral("name"), roll.name);
    object.insert(QStringLiteral("step"), roll.step);
    object.insert(QStringLiteral("karma"), roll.karmaPoints);
    object.insert(QStringLiteral("target"), roll.target ? QJsonValue(*roll.target) : QJsonValue());
    object.insert(QStringLiteral("note"), roll.note);
    return object;
}

QJsonObject documentObject(const QByteArray &json)
{
    if (json.size() > LargestSheetBytes)
        refuse(
            QStringLiteral("It holds %1 bytes; a sheet may hold at most 16 MiB.").arg(json.size()));
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        refuse(QStringLiteral("It is not a complete sheet (%1 at byte %2).")
                   .arg(error.errorString())
                   .arg(error.offset));
    QJsonObject object = document.object();
    if (!document.isObject() || object.value(QLatin1String("format")).toString() != Format)
        refuse(QStringLiteral("It is not a Tessarion character sheet."));
    return object;
}

} // namespace

QByteArray SheetToJson(const CharacterSheet &sheet)
{
    QJsonObject object = sheet.unknown;
    object.insert(QStringLiteral("format"), Format);
    object.insert(QStringLiteral("version"), Version);
    object.insert(QStringLiteral("name"), sheet.name);
    object.insert(QStringLiteral("karmaLeft"), sheet.karmaLeft);
    object.insert(QStringLiteral("karmaMaximum"), sheet.karmaMaximum);
    object.insert(QStringLiteral("wounds"), sheet.wounds);
    QJsonArray rolls;
    for (const NamedRoll &roll : sheet.rolls)
        rolls.append(rollTo(roll));
    object.insert(QStringLiteral("rolls"), rolls);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

CharacterSheet SheetFromJson(const QByteArray &json)
{
    const QJsonObject object = documentObject(json);
    const QString where = QStringLiteral("The sheet's");
    CharacterSheet sheet;
    sheet.name = text(object, "name", where);
    sheet.karmaMaximum = wholeNumber(object, "karmaMaximum", 0, HighestKarma, where);
    sheet.karmaLeft = wholeNumber(object, "karmaLeft", 0, sheet.karmaMaximum, where);
    sheet.wounds = wholeNumber(object, "wounds", 0, MostWounds, where);
    const QJsonValue rolls = object.value(QLatin1String("rolls"));
    if (!rolls.isUndefined() && !rolls.isArray())
        refuse(QStringLiteral("The sheet's \"rolls\" is not a list."));
    const QJsonArray list = rolls.toArray();
    for (qsizetype i = 0; i < list.size(); ++i)
        sheet.rolls.push_back(rollFrom(list.at(i), i));
    sheet.unknown = withoutKeys(
        object, {"format", "version", "name", "karmaLeft", "karmaMaximum", "wounds", "rolls"});
    return sheet;
}

} // namespace MainBas::Sheet
