#pragma once

#include "SideWindow.h"

#include <QString>

namespace MainBas {

// The base of the side windows that Qt's layouts arrange rather than a fixed table in
// twips: they take the system font, Ctrl+C copies their copiedText() wherever the focus
// is, and Esc closes them from any control that leaves the key unused.
class LaidOutWindow : public SideWindow
{
    Q_OBJECT

public:
    LaidOutWindow(const QString &name, const QString &title, int widthTwips, int heightTwips);

    // What Ctrl+C puts on the clipboard.
    virtual QString copiedText() const = 0;

protected:
    void copyToClipboard() const;
    void keyPressEvent(QKeyEvent *event) override;
};

// Gives a control its object name and the name screen readers announce.
template<typename Widget> Widget *Named(Widget *widget, const char *name, const char *accessible)
{
    widget->setObjectName(QLatin1String(name));
    widget->setAccessibleName(QLatin1String(accessible));
    return widget;
}

} // namespace MainBas
