#include "SideWindow.h"

#include "Twips.h"
#include "WindowLook.h"

#include <QCloseEvent>

namespace MainBas {

SideWindow::SideWindow(Qt::WindowType type, const QString &name, const QString &title,
                       int widthTwips, int heightTwips)
    : QWidget(nullptr,
              type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(name);
    // A parent window would take it out of that count.
    setAttribute(Qt::WA_QuitOnClose);
    setWindowTitle(title);
    ApplyWindowLook(this);
    setFixedSize(Px(widthTwips), Px(heightTwips));
}

void SideWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

} // namespace MainBas
