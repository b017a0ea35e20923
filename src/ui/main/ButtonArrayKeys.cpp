#include "ButtonArrayKeys.h"

#include "ContextMenus.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>

namespace MainBas {

namespace {

int keyCodeOf(const QKeyEvent *event)
{
    const int key = event->key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;
    return key & 0xFFFF;
}

int shiftStateOf(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    return (modifiers & Qt::ShiftModifier ? ShiftMask : 0)
        | (modifiers & Qt::ControlModifier ? CtrlMask : 0)
        | (modifiers & Qt::AltModifier ? AltMask : 0);
}

} // namespace

ButtonArrayKeys::ButtonArrayKeys(QButtonGroup *group)
    : QObject(group)
    , m_group(group)
{
    for (QAbstractButton *button : group->buttons())
        button->installEventFilter(this);
}

bool ButtonArrayKeys::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = static_cast<QAbstractButton *>(watched);
    const int index = m_group->id(button);
    if (index < 0)
        return QObject::eventFilter(watched, event);
    if (const std::optional<ContextMenuRequest> request = ContextMenuRequestOf(button, event)) {
        emit contextMenu(index, request->globalPosition, request->fromKeyboard);
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        emit keyDown(index, keyCodeOf(key), shiftStateOf(key));
    }
    return QObject::eventFilter(watched, event);
}

} // namespace MainBas
