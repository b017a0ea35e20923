#include "WindowLook.h"

#include "Accessibility.h"

#include <QIcon>
#include <QWidget>

namespace MainBas {

QString ProgramVersion()
{
    return QStringLiteral(TESSARION_VERSION);
}

QString ProgramTitle()
{
    return QStringLiteral("Tessarion ") + ProgramVersion();
}

QFont DialogFont(double pointSize, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void ApplyWindowLook(QWidget *window)
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icon32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icon16.png"), QSize(16, 16));
    window->setWindowIcon(icon);
    window->setFont(DialogFont());
    ExposeAsWindow(window);
}

} // namespace MainBas
