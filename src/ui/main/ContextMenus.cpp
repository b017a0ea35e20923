#include "ContextMenus.h"

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>

namespace MainBas {

namespace {

QAction *firstChoosableEntry(const QMenu *menu)
{
    const QList<QAction *> entries = menu->actions();
    const auto first = std::find_if(entries.begin(), entries.end(), [](const QAction *entry) {
        return entry->isVisible() && !entry->isSeparator() && entry->isEnabled();
    });
    return first == entries.end() ? nullptr : *first;
}

} // namespace

std::optional<ContextMenuRequest> ContextMenuRequestOf(const QWidget *widget, const QEvent *event)
{
    if (event->type() == QEvent::ContextMenu) {
        const auto *request = static_cast<const QContextMenuEvent *>(event);
        return ContextMenuRequest {request->globalPos(),
                                   request->reason() == QContextMenuEvent::Keyboard};
    }
    if (event->type() != QEvent::KeyPress)
        return std::nullopt;
    const auto *key = static_cast<const QKeyEvent *>(event);
    if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier)
        return std::nullopt;
    // Where the Menu key puts it: at the text cursor, or the middle of a button.
    const QPoint at = widget->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    return ContextMenuRequest {widget->mapToGlobal(at), true};
}

void PopUpContextMenu(QMenu *menu, const ContextMenuRequest &request)
{
    menu->popup(request.globalPosition);
    if (request.fromKeyboard)
        menu->setActiveAction(firstChoosableEntry(menu));
}

TextBoxMenuRequests::TextBoxMenuRequests(QAbstractScrollArea *box)
    : QObject(box)
    , m_box(box)
    , m_viewport(box->viewport())
{
    box->installEventFilter(this);
    m_viewport->installEventFilter(this);
}

// The viewport is kept from the start: while the box is being destroyed, its viewport
// still sends events here, and the half-destroyed box must not be asked for it.
bool TextBoxMenuRequests::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box && watched != m_viewport)
        return QObject::eventFilter(watched, event);
    const std::optional<ContextMenuRequest> request
        = ContextMenuRequestOf(static_cast<QWidget *>(watched), event);
    if (!request)
        return QObject::eventFilter(watched, event);
    emit requested(request->globalPosition, request->fromKeyboard);
    return true;
}

} // namespace MainBas
