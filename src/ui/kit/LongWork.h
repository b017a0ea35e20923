#pragma once

#include <QString>

#include <exception>
#include <functional>
#include <optional>

class QWidget;

namespace MainBas {

// What the progress dialog of a long piece of work shows, and how it stops it.
struct WorkView
{
    QString title;
    std::function<QString()> label; // what is being done, e.g. "Step 37 of 100"
    std::function<double()> fraction; // done so far, from 0 to 1
    std::function<void()> cancel; // asks the work to stop soon
};

// Starts work on a thread of its own and returns at once; `done` runs on this thread once
// the work ended, with the exception it ended by, if any (a cancelled work tells its own
// caller through what it shares with it). Meanwhile the windows repaint and no other
// command can start: every click and key meant for anything but the progress dialog is
// dropped, never queued for later. After about 0.3 s a progress dialog over `owner` shows
// the label, a bar, the time left and Cancel (Esc too); the busy cursor shows throughout.
// Closing `owner` cancels the work. The work belongs to `owner`: destroying it (as the
// program ends) cancels the work and waits for it, and `done` never runs.
void StartLongWork(QWidget *owner, WorkView view, std::function<void()> work,
                   std::function<void(std::exception_ptr failure)> done);

// The progress dialog's line about the time left, e.g. "About 3 min left".
QString TimeLeftText(std::optional<double> secondsLeft);

} // namespace MainBas
