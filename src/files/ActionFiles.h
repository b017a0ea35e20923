#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

namespace MainBas {

constexpr int ActionButtonCount = 20;
constexpr int MaxActionEntries = 300;

// Per action button: cell 0 the caption, cells 1 to count the entries.
extern std::array<std::array<QString, MaxActionEntries + 1>, ActionButtonCount> ActionEntries;

// Per action button: the entry count of its last load as decimal text ("0" to "300").
extern std::array<QString, ActionButtonCount> ActionEntryCounts;

// Receives a button's caption after each load; the main window registers itself here.
using ActionCaptionSink = std::function<void(int index, const QString &caption)>;
void SetActionCaptionSink(ActionCaptionSink sink);

// "Action1.txt" for button 0, ..., "Action20.txt" for button 19.
QString ActionFileName(std::int16_t index);

// The action file of button index that is read: see DataFolders.h.
QString ActionFilePath(std::int16_t index);

// Reads the action file of button index: caption line, then at most 300 entry lines.
// On failure the tables and the caption keep what they held.
void LoadActionFile(std::int16_t index);

// Whether the action file of button index now holds other bytes than its last load
// read, or can no longer be read: another program changed it since.
bool ActionFileChangedSinceLoad(std::int16_t index);

// Replaces the action file of button index with text followed by CR LF, atomically.
// Text the single-byte code page cannot hold is refused before anything is written.
// A file the user may not replace, such as an installed one, is left as it is and the
// text goes to the user's own data folder instead (see DataFolders.h).
void SaveActionFile(std::int16_t index, const QString &text);

} // namespace MainBas
