#pragma once

#include <QObject>

class QButtonGroup;

namespace MainBas {

// Key codes as the handlers know them: F1 is 112, so F7 is 118.
constexpr int KeyCodeF7 = 118;

// Shift state bits of a key event.
enum ShiftState : int { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };

// Watches the buttons of a button group and reports every key pressed while one of
// them has the focus, with the button's index, the key code and the shift state, and
// every request for a button's context menu: a right click, the Menu key (which the
// window system turns into such a request) or Shift+F10, and whether the keyboard asked.
class ButtonArrayKeys : public QObject
{
    Q_OBJECT

public:
    explicit ButtonArrayKeys(QButtonGroup *group);

signals:
    void keyDown(int index, int keyCode, int shift);
    void contextMenu(int index, const QPoint &globalPosition, bool fromKeyboard);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QButtonGroup *m_group;
};

} // namespace MainBas
