// Any action file: it loads or raises a run-time error. A loaded table saved back
// (caption and entries, one per line) and loaded again gives the same table.
#include "ActionFiles.h"
#include "FuzzFolder.h"
#include "RuntimeError.h"

#include <QStringList>

#include <cstdint>
#include <cstdlib>

namespace {

QStringList tableOf(int index)
{
    QStringList table;
    const int count = MainBas::ActionEntryCounts[index].toInt();
    for (int k = 0; k <= count; ++k)
        table << MainBas::ActionEntries[index][k];
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    WriteFuzzFile(QStringLiteral("Action3.txt"), reinterpret_cast<const char *>(data), size);
    try {
        MainBas::LoadActionFile(2);
    } catch (const MainBas::RuntimeError &error) {
        if (error.number() != MainBas::InputPastEndOfFile || size != 0)
            std::abort();
        return 0;
    }
    const QStringList loaded = tableOf(2);
    MainBas::SaveActionFile(2, loaded.join(QStringLiteral("\r\n")));
    MainBas::LoadActionFile(2);
    if (tableOf(2) != loaded)
        std::abort();
    return 0;
}
