// Any steps.txt: it loads, or it raises a run-time error and leaves the table as it
// was; it never crashes.
#include "FuzzFolder.h"
#include "RuntimeError.h"
#include "StepDescriptions.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    WriteFuzzFile(QStringLiteral("steps.txt"), reinterpret_cast<const char *>(data), size);
    MainBas::StepDescriptions[1] = QStringLiteral("before");
    const auto before = MainBas::StepDescriptions;
    try {
        MainBas::LoadStepDescriptions();
    } catch (const MainBas::RuntimeError &) {
        if (MainBas::StepDescriptions != before)
            std::abort();
    }
    return 0;
}
