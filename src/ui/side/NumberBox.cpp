#include "NumberBox.h"

#include <QKeyEvent>

namespace MainBas {

NumberBox::NumberBox(int lowest, int highest, QWidget *parent)
    : QSpinBox(parent)
{
    setRange(lowest, highest);
}

bool NumberBox::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        event->ignore();
        return true;
    }
    return QSpinBox::event(event);
}

void NumberBox::keyPressEvent(QKeyEvent *event)
{
    QSpinBox::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit entered();
}

QValidator::State NumberBox::validate(QString &text, int &position) const
{
    if (m_emptyMeansLowest && text.trimmed().isEmpty())
        return QValidator::Acceptable;
    return QSpinBox::validate(text, position);
}

int NumberBox::valueFromText(const QString &text) const
{
    if (m_emptyMeansLowest && text.trimmed().isEmpty())
        return minimum();
    return QSpinBox::valueFromText(text);
}

QString NumberBox::textFromValue(int value) const
{
    if (m_emptyMeansLowest && value == minimum())
        return {};
    return QSpinBox::textFromValue(value);
}

} // namespace MainBas
