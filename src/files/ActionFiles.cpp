#include "ActionFiles.h"

#include "CodePage.h"
#include "DataFolders.h"
#include "FileAccess.h"
#include "LineReader.h"

#include <QCryptographicHash>

namespace MainBas {

std::array<std::array<QString, MaxActionEntries + 1>, ActionButtonCount> ActionEntries;
std::array<QString, ActionButtonCount> ActionEntryCounts;

namespace {

ActionCaptionSink &captionSink()
{
    static ActionCaptionSink sink;
    return sink;
}

// Per action button: a digest of the bytes its tables were last loaded from.
std::array<QByteArray, ActionButtonCount> loadedDigests;

QByteArray digestOf(const std::string &bytes)
{
    return QCryptographicHash::hash(
        QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
        QCryptographicHash::Sha256);
}

void checkIndex(std::int16_t index)
{
    if (index < 0 || index >= ActionButtonCount)
        throw RuntimeError(SubscriptOutOfRange, {},
                           "There is no action button " + std::to_string(index) + ".");
}

struct ActionTable
{
    std::array<QString, MaxActionEntries + 1> cells;
    int count = 0;
};

ActionTable parseActionFile(const std::string &bytes)
{
    ActionTable table;
    LineReader reader(bytes);
    table.cells[0] = QString::fromStdU16String(DecodeSingleByte(reader.readLine()));
    while (!reader.atEnd() && table.count < MaxActionEntries) {
        ++table.count;
        table.cells[table.count] = QString::fromStdU16String(DecodeSingleByte(reader.readLine()));
    }
    return table;
}

} // namespace

void SetActionCaptionSink(ActionCaptionSink sink)
{
    captionSink() = std::move(sink);
}

QString ActionFileName(std::int16_t index)
{
    checkIndex(index);
    return QStringLiteral("Action%1.txt").arg(index + 1);
}

QString ActionFilePath(std::int16_t index)
{
    return DataFilePath(ActionFileName(index));
}

void LoadActionFile(std::int16_t index)
{
    const QString path = ActionFilePath(index);
    const std::string bytes = ReadFileBytes(path);
    ActionTable table = WithFileName(path, [&] { return parseActionFile(bytes); });
    // Cells above the new count keep old text, but every reader stops at the count. A
    // cell whose text is unchanged keeps its string, which the roll log shares: an entry
    // drawn before and after a reload is then held once.
    std::array<QString, MaxActionEntries + 1> &cells = ActionEntries[index];
    for (std::size_t cell = 0; cell <= static_cast<std::size_t>(table.count); ++cell) {
        if (cells[cell] != table.cells[cell])
            cells[cell] = std::move(table.cells[cell]);
    }
    ActionEntryCounts[index] = QString::number(table.count);
    loadedDigests[static_cast<std::size_t>(index)] = digestOf(bytes);
    if (captionSink())
        captionSink()(index, ActionEntries[index][0]);
}

bool ActionFileChangedSinceLoad(std::int16_t index)
{
    const QString path = ActionFilePath(index);
    try {
        return digestOf(ReadFileBytes(path)) != loadedDigests[static_cast<std::size_t>(index)];
    } catch (const RuntimeError &) {
        return true; // gone, or no longer a file that can be read
    }
}

void SaveActionFile(std::int16_t index, const QString &text)
{
    const QString path = DataFileToWrite(ActionFileName(index));
    const std::string bytes
        = WithFileName(path, [&] { return EncodeSingleByte(text.toStdU16String()) + "\r\n"; });
    ReplaceFile(path, bytes);
}

} // namespace MainBas
