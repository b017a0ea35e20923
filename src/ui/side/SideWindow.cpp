#include "SideWindow.h"

#include "Twips.h"
#include "WindowLook.h"

namespace MainBas {

Qt::WindowFlags SideWindowFlags(Qt::WindowType type)
{
    return type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

void SetUpSideWindow(QWidget *window, const QString &name, const QString &title, int widthTwips,
                     int heightTwips)
{
    window->setObjectName(name);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // A parent window or the tool window type would take it out of that count.
    window->setAttribute(Qt::WA_QuitOnClose);
    window->setWindowTitle(title);
    ApplyWindowLook(window);
    window->setFixedSize(Px(widthTwips), Px(heightTwips));
}

} // namespace MainBas
