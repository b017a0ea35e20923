#pragma once

#include "LogEntry.h"

#include <QString>

#include <optional>

namespace MainBas {

// What a command hands to the text viewer: a new title, a new text, and whether to show it.
struct ViewerUpdate
{
    std::optional<QString> title {};
    std::optional<QString> text {}; // lines end with CR LF
    bool show = true;
};

// What a command shows: the texts it puts into the main window's boxes, what it hands to
// the text viewer, and the entry it adds to the roll log. Commands compute one and the
// main window shows it in one place, so every result shown is logged once, and nothing
// else is.
struct Outcome
{
    std::optional<QString> dices {};
    std::optional<QString> result {};
    std::optional<QString> info {}; // replaces the information window's text
    std::optional<QString> infoLine {}; // goes at its end, after a line break
    std::optional<ViewerUpdate> viewer {};
    std::optional<Log::Roll> logged {};
};

} // namespace MainBas
