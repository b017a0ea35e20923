#include "LaidOutWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QShortcut>

namespace MainBas {

LaidOutWindow::LaidOutWindow(const QString &name, const QString &title, int widthTwips,
                             int heightTwips)
    : SideWindow(Qt::Window, name, title, widthTwips, heightTwips)
{
    setFont(QApplication::font());
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &LaidOutWindow::copyToClipboard);
}

void LaidOutWindow::copyToClipboard() const
{
    QGuiApplication::clipboard()->setText(copiedText());
}

void LaidOutWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel))
        close();
    else
        SideWindow::keyPressEvent(event);
}

} // namespace MainBas
