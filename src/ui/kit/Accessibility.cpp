#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QList>
#include <QWidget>

namespace MainBas {

namespace {

constexpr const char *WindowProperty = "tessarionWindow";
constexpr const char *DecorativeProperty = "tessarionDecorative";

// A window's interface: the role of a window, and only the children worth announcing.
// Qt's hit test and navigation go through childCount() and child(), so a point over a
// button on a panel finds the button.
class WindowInterface : public QAccessibleWidget
{
public:
    explicit WindowInterface(QWidget *window)
        : QAccessibleWidget(window, QAccessible::Window)
    { }

    int childCount() const override { return static_cast<int>(announced().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QAccessibleInterface *> children = announced();
        return index >= 0 && index < children.size() ? children[index] : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return static_cast<int>(announced().indexOf(child));
    }

private:
    QList<QAccessibleInterface *> announced() const
    {
        QList<QAccessibleInterface *> children;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface *child = QAccessibleWidget::child(i);
            if (child && !child->object()->property(DecorativeProperty).toBool())
                children.append(child);
        }
        return children;
    }
};

QAccessibleInterface *windowInterface(const QString & /*className*/, QObject *object)
{
    if (!object || !object->isWidgetType() || !object->property(WindowProperty).toBool())
        return nullptr;
    return new WindowInterface(static_cast<QWidget *>(object));
}

} // namespace

void ExposeAsWindow(QWidget *window)
{
    static const bool installed = [] {
        QAccessible::installFactory(windowInterface);
        return true;
    }();
    Q_UNUSED(installed);
    window->setProperty(WindowProperty, true);
}

void HideFromAssistiveTechnology(QWidget *widget)
{
    widget->setProperty(DecorativeProperty, true);
}

} // namespace MainBas
