#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

namespace MainBas {

// Where the laid-out side windows keep their place and their choices between runs. The
// program hands in its settings; without them (a window on its own, in a test) nothing
// is kept.
struct WindowMemory
{
    std::function<std::optional<QVariant>(const QString &key)> recall;
    std::function<void(const QString &key, const QVariant &value)> keep;
};

void SetWindowMemory(WindowMemory memory);

std::optional<QVariant> RecallForWindow(const QString &key);
void KeepForWindow(const QString &key, const QVariant &value);

} // namespace MainBas
