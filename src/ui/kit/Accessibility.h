#pragma once

class QWidget;

namespace MainBas {

// Shows a top-level window to assistive technology as a window; a plain QWidget would
// report the role "filler". Its children marked decorative are left out of its children.
void ExposeAsWindow(QWidget *window);

// Keeps a widget that only decorates (a background panel, the picture) away from
// assistive technology, so a screen reader does not stop on an unnamed object.
void HideFromAssistiveTechnology(QWidget *widget);

} // namespace MainBas
