#pragma once

#include <QObject>
#include <QPoint>

#include <optional>

class QAbstractScrollArea;
class QEvent;
class QMenu;
class QWidget;

namespace MainBas {

// A request for a control's context menu: a right click, the Menu key (which the window
// system turns into a request from the keyboard) or Shift+F10.
struct ContextMenuRequest
{
    QPoint globalPosition; // where the menu goes
    bool fromKeyboard = false;
};

// The request that event, sent to widget, makes; none for any other event.
std::optional<ContextMenuRequest> ContextMenuRequestOf(const QWidget *widget, const QEvent *event);

// Pops menu up where it was asked for. Asked from the keyboard, it highlights its first
// entry that can be chosen, so Enter chooses it at once, as in a menu bar.
void PopUpContextMenu(QMenu *menu, const ContextMenuRequest &request);

// Reports every request for a text box's context menu, whether it reaches the box (from
// the keyboard) or its viewport (a right click), instead of the box's own menu.
class TextBoxMenuRequests : public QObject
{
    Q_OBJECT

public:
    explicit TextBoxMenuRequests(QAbstractScrollArea *box);

signals:
    void requested(const QPoint &globalPosition, bool fromKeyboard);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractScrollArea *m_box;
    QWidget *m_viewport;
};

} // namespace MainBas
