#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace MainBas {

// Gives a side window its common shape: a fixed client area in twips, a close box and
// no minimise or maximise box, the program's icon and font, deleted when closed. It
// has no parent window and counts as a window for quitting on the last close, so a
// side window left open after the main window closed keeps the program running.
void SetUpSideWindow(QWidget *window, const QString &name, const QString &title, int widthTwips,
                     int heightTwips);

// The window flags SetUpSideWindow expects; type is Qt::Window or Qt::Dialog.
Qt::WindowFlags SideWindowFlags(Qt::WindowType type);

// The one instance of a side window, created on first use. A closed window lingers
// until its deferred deletion, with WA_DeleteOnClose already cleared; it is never
// reused, so the next use after a close gets a fresh window.
template<typename Window> Window *OpenedWindow(QPointer<Window> &held)
{
    if (!held || !held->testAttribute(Qt::WA_DeleteOnClose))
        held = new Window;
    return held;
}

// The instance if it is open, null once it was closed.
template<typename Window> Window *LiveWindow(const QPointer<Window> &held)
{
    return held && held->testAttribute(Qt::WA_DeleteOnClose) ? held.data() : nullptr;
}

} // namespace MainBas
