#pragma once

#include "OddsText.h"
#include "StepOdds.h"

#include <QColor>
#include <QWidget>

class QPainter;

namespace MainBas {

// A bar chart of the exact distribution of one roll, from the lowest total to where fewer
// than 0.1% of rolls reach. A bar's colour says whether its rolls succeed against the target
// number: at or above it, and no automatic failure (a fumble, or the Rule of One, fails
// whatever its total, so that share of a bar keeps the failing colour); a line marks the
// target. The mouse over a bar tells its total, its chance, its automatic failures and the
// chance of success against it.
class OddsHistogram : public QWidget
{
    Q_OBJECT

public:
    static inline const QColor Fails = QColor(112, 128, 160);
    static inline const QColor Succeeds = QColor(46, 139, 87);

    explicit OddsHistogram(QWidget *parent = nullptr);

    void setOdds(const Odds::StepOdds &odds, int target, const Odds::NumberStyle &style);

    int firstTotal() const { return m_odds.lowest; }
    int lastTotal() const { return m_lastTotal; }

    // Where the bar of a total is drawn; empty for a total without a bar.
    QRect barRect(int total) const;

    // What the mouse over the bar of a total shows.
    QString barText(int total) const;

    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRect plotArea() const;
    int totalAt(QPoint position) const;
    void paintBars(QPainter &painter) const;
    void paintTotalsAxis(QPainter &painter) const;
    void paintTargetMark(QPainter &painter) const;

    QString chanceText(double chance) const;

    Odds::StepOdds m_odds;
    Odds::NumberStyle m_style;
    int m_target = 1;
    int m_lastTotal = 0;
    double m_highestChance = 1;
};

} // namespace MainBas
