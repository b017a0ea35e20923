#include "WindowMemory.h"

namespace MainBas {

namespace {

WindowMemory &memory()
{
    static WindowMemory current;
    return current;
}

} // namespace

void SetWindowMemory(WindowMemory newMemory)
{
    memory() = std::move(newMemory);
}

std::optional<QVariant> RecallForWindow(const QString &key)
{
    return memory().recall ? memory().recall(key) : std::nullopt;
}

void KeepForWindow(const QString &key, const QVariant &value)
{
    if (memory().keep)
        memory().keep(key, value);
}

} // namespace MainBas
