#include "StepDescriptions.h"

#include "CodePage.h"
#include "FileAccess.h"
#include "LeadingNumber.h"
#include "LineReader.h"
#include "ProgramFolder.h"

namespace MainBas {

std::array<QString, StepCount + 1> StepDescriptions;

namespace {

constexpr int RecordCount = 100;

QString decode(const std::string &line)
{
    return QString::fromStdU16String(DecodeSingleByte(line));
}

std::array<QString, StepCount + 1> parseStepFile(const std::string &bytes)
{
    std::array<QString, StepCount + 1> table;
    LineReader reader(bytes);
    for (int record = 0; record < RecordCount; ++record) {
        const std::int32_t step = RoundToInt32(ReadLeadingNumber(reader.readLine()));
        if (step < 1 || step > StepCount)
            throw RuntimeError(SubscriptOutOfRange, {},
                               "Record " + std::to_string(record + 1) + " names step "
                                   + std::to_string(step) + "; steps run from 1 to 100.");
        table[step] = decode(reader.readLine());
    }
    return table;
}

} // namespace

void LoadStepDescriptions()
{
    const QString path = ProgramFilePath(QStringLiteral("steps.txt"));
    StepDescriptions = WithFileName(path, [&] { return parseStepFile(ReadFileBytes(path)); });
}

} // namespace MainBas
