#include "FittedCaption.h"

#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace MainBas {

namespace {

// No button shows a thousand characters, and laying out a caption of megabytes to
// draw it would exhaust memory, so only this much is ever measured.
constexpr qsizetype MeasuredLength = 1000;

int roomForText(const QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect contents
        = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    return contents.width() - 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option);
}

} // namespace

void SetFittedCaption(QPushButton *button, const QString &caption)
{
    const QString measured = caption.left(MeasuredLength);
    const int room = roomForText(button);
    if (measured.size() == caption.size()
        && button->fontMetrics().horizontalAdvance(measured) <= room) {
        button->setText(caption);
        return;
    }
    button->setText(
        button->fontMetrics().elidedText(measured, Qt::ElideRight, room, Qt::TextShowMnemonic));
}

} // namespace MainBas
