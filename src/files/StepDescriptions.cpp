#include "StepDescriptions.h"

#include "CodePage.h"
#include "DataFolders.h"
#include "FileAccess.h"
#include "LeadingNumber.h"
#include "LineReader.h"

namespace MainBas {

std::array<QString, StepCount + 1> StepDescriptions;

namespace {

constexpr int RecordCount = 100;

QString decode(const std::string &line)
{
    return QString::fromStdU16String(DecodeSingleByte(line));
}

std::string stepRange(int record, const std::string &step)
{
    return "Record " + std::to_string(record) + " names " + step + "; steps run from 1 to 100.";
}

std::int32_t readStepNumber(const std::string &line, int record)
{
    std::int32_t step = 0;
    try {
        step = RoundToInt32(ReadLeadingNumber(line));
    } catch (const RuntimeError &error) {
        throw RuntimeError(error.number(), {}, stepRange(record, "a step number too large"));
    }
    if (step < 1 || step > StepCount)
        throw RuntimeError(SubscriptOutOfRange, {},
                           stepRange(record, "step " + std::to_string(step)));
    return step;
}

std::array<QString, StepCount + 1> parseStepFile(const std::string &bytes)
{
    std::array<QString, StepCount + 1> table;
    LineReader reader(bytes);
    for (int record = 1; record <= RecordCount; ++record) {
        const std::int32_t step = readStepNumber(reader.readLine(), record);
        table[step] = decode(reader.readLine());
    }
    return table;
}

} // namespace

void LoadStepDescriptions()
{
    const QString path = DataFilePath(QStringLiteral("steps.txt"));
    StepDescriptions = WithFileName(path, [&] { return parseStepFile(ReadFileBytes(path)); });
}

} // namespace MainBas
