#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace MainBas {

// The base of every side window: a fixed client area in twips, a close box and no
// minimise or maximise box, the program's icon and font. It has no parent window and
// counts as a window for quitting on the last close, so a side window left open after
// the main window closed keeps the program running. `type` is Qt::Window or Qt::Dialog.
class SideWindow : public QWidget
{
    Q_OBJECT

public:
    SideWindow(Qt::WindowType type, const QString &name, const QString &title, int widthTwips,
               int heightTwips);

signals:
    // The window was closed, by one of its buttons or by its close box.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
};

// Holds the one instance of a side window. It is created on first use; when it closes,
// the holder lets go of it at once and deletes it once control is back in the event
// loop, so the next use gets a fresh window even before the old one is gone.
template<typename Window> class OneInstance
{
public:
    // The open window, or null.
    Window *live() const { return m_window; }

    // The open window, or a new one made from the arguments.
    template<typename... Arguments> Window *liveOrNew(Arguments &...arguments)
    {
        if (m_window)
            return m_window;
        auto *window = new Window(arguments...);
        m_window = window;
        QObject::connect(window, &SideWindow::closed, window, [this, window] {
            if (m_window == window)
                m_window.clear();
            window->deleteLater();
        });
        return window;
    }

    // Deletes the window now, shown or not.
    void destroy() { delete m_window.data(); }

private:
    QPointer<Window> m_window;
};

} // namespace MainBas
