#include "ButtonArrayKeys.h"

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
    if (event->type() == QEvent::KeyPress) {
        const int index = m_group->id(static_cast<QAbstractButton *>(watched));
        if (index >= 0)
            emit keyDown(index, keyCodeOf(static_cast<QKeyEvent *>(event)),
                         shiftStateOf(static_cast<QKeyEvent *>(event)));
    }
    return QObject::eventFilter(watched, event);
}

} // namespace MainBas
