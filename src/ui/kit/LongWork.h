#pragma once

#include <QString>

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

// Where a piece of work runs: on a thread of its own while this one keeps the windows
// alive, or right here, as work on the program's shared scripted random source must.
enum class WorkThread { Background, Caller };

// Runs work and returns once it ended: normally, by an exception (rethrown here), or
// after a cancel. Meanwhile the windows repaint and no other command can start: from
// the first moment every click and key meant for anything but the progress dialog is
// dropped, never queued for later. After about 0.3 s a window-modal progress dialog over
// `owner` shows the label, a bar, the time left and Cancel (Esc too). Closing `owner` and
// ending the program cancel the work as well.
void RunLongWork(QWidget *owner, const WorkView &view, WorkThread where,
                 const std::function<void()> &work);

// The progress dialog's line about the time left, e.g. "About 3 min left".
QString TimeLeftText(std::optional<double> secondsLeft);

} // namespace MainBas
