#include "LaidOutWindow.h"

#include "ErrorReporter.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QShortcut>

#include <new>

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
    RunCommand([this] {
        try {
            const QString text = copiedText();
            if (!text.isEmpty())
                QGuiApplication::clipboard()->setText(text);
        } catch (const CopyRefused &refusal) {
            ReportError(refusal.message());
        } catch (const std::bad_alloc &) {
            ReportError(QStringLiteral("Could not copy: there is not enough memory."));
        }
    });
}

void LaidOutWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel))
        close();
    else
        SideWindow::keyPressEvent(event);
}

} // namespace MainBas
