#pragma once

#include <QSpinBox>

namespace MainBas {

// A box for a whole number in a range. It takes nothing else: a keystroke that could
// never give a number in the range is refused, and a number left unfinished (a step of 0)
// gives way to the last good value when the box is left or Enter is pressed. Enter
// announces itself once the box has read its text. A box that may be empty reads empty as
// its lowest value and shows that value empty ("no target number"). Ctrl+C in it is left
// to its window, which copies what matters there rather than a few digits.
class NumberBox : public QSpinBox
{
    Q_OBJECT

public:
    NumberBox(int lowest, int highest, QWidget *parent = nullptr);

    void setEmptyMeansLowest(bool empty) { m_emptyMeansLowest = empty; }

signals:
    void entered();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QValidator::State validate(QString &text, int &position) const override;
    int valueFromText(const QString &text) const override;
    QString textFromValue(int value) const override;

private:
    bool m_emptyMeansLowest = false;
};

} // namespace MainBas
