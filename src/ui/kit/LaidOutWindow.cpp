#include "LaidOutWindow.h"

#include "ErrorReporter.h"
#include "Twips.h"
#include "WindowMemory.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QShortcut>

#include <new>

namespace MainBas {

namespace {

QString placeKey(const QWidget *window)
{
    return window->objectName() + QStringLiteral("/geometry");
}

} // namespace

LaidOutWindow::LaidOutWindow(const QString &name, const QString &title, int widthTwips,
                             int heightTwips)
    : SideWindow(Qt::Window, name, title, widthTwips, heightTwips)
{
    setFont(QApplication::font());
    // The layouts set the least size; the twips only the first.
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, false);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(Px(widthTwips), Px(heightTwips));
    if (const std::optional<QVariant> place = RecallForWindow(placeKey(this)))
        restoreGeometry(place->toByteArray());
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &LaidOutWindow::copyToClipboard);
}

// However the window goes (closed, or with the program), its place is kept.
LaidOutWindow::~LaidOutWindow()
{
    KeepForWindow(placeKey(this), saveGeometry());
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
