#include "OddsHistogram.h"

#include "OddsText.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace MainBas {

namespace {

// Rolls reaching beyond this are too rare to draw.
constexpr double DrawnTail = 0.001;

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

OddsHistogram::OddsHistogram(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("histogram"));
    setAccessibleName(QStringLiteral("Histogram of totals"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void OddsHistogram::setOdds(const Odds::StepOdds &odds, int target, const Odds::NumberStyle &style)
{
    m_odds = odds;
    m_style = style;
    m_target = target;
    m_lastTotal = odds.totalReaching(1 - DrawnTail);
    m_highestChance = odds.probability(odds.mostLikely);
    setAccessibleDescription(barText(std::clamp(target, firstTotal(), lastTotal())));
    update();
}

QSize OddsHistogram::sizeHint() const
{
    return {480, 200};
}

QRect OddsHistogram::plotArea() const
{
    const int line = fontMetrics().height();
    return rect().adjusted(line, line + 4, -line, -(line + 6));
}

QRect OddsHistogram::barRect(int total) const
{
    if (total < firstTotal() || total > lastTotal())
        return {};
    const QRect area = plotArea();
    const int bars = lastTotal() - firstTotal() + 1;
    const int left = area.left() + area.width() * (total - firstTotal()) / bars;
    const int right = area.left() + area.width() * (total - firstTotal() + 1) / bars;
    const int height
        = static_cast<int>(area.height() * m_odds.probability(total) / m_highestChance);
    return {left, area.bottom() - height + 1, std::max(1, right - left - 1), height};
}

int OddsHistogram::totalAt(QPoint position) const
{
    const QRect area = plotArea();
    if (!area.contains(position))
        return firstTotal() - 1;
    const int bars = lastTotal() - firstTotal() + 1;
    return firstTotal() + (position.x() - area.left()) * bars / area.width();
}

QString OddsHistogram::chanceText(double chance) const
{
    return fromStd(Odds::ChanceText(Odds::ChanceOf(chance), m_style));
}

QString OddsHistogram::barText(int total) const
{
    const double chance = m_odds.probability(total);
    const double fumble = m_odds.fumbleAt(total);
    const Odds::FailureWords words = Odds::FailureWordsOf(m_odds.rule);
    QString fumbles;
    // Rounding aside, the automatic failures of a total are all of its rolls or a part.
    if (fumble > 0 && fumble >= chance * (1 - 1e-9))
        fumbles = QStringLiteral(", always a %1").arg(fromStd(words.one));
    else if (fumble > 0)
        fumbles = QStringLiteral(", of which %1 %2").arg(fromStd(words.many), chanceText(fumble));
    return QStringLiteral("Total %1: %2%3\nSuccess against %1: %4")
        .arg(total)
        .arg(chanceText(chance), fumbles,
             fromStd(Odds::ChanceText(m_odds.success(total), m_style)));
}

bool OddsHistogram::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const int total = totalAt(help->pos());
    if (total < firstTotal() || total > lastTotal()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), barText(total), this, barRect(total));
    }
    return true;
}

void OddsHistogram::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    paintBars(painter);
    paintTotalsAxis(painter);
    paintTargetMark(painter);
}

void OddsHistogram::paintBars(QPainter &painter) const
{
    for (int total = firstTotal(); total <= lastTotal(); ++total) {
        const QRect bar = barRect(total);
        if (total < m_target) {
            painter.fillRect(bar, Fails);
            continue;
        }
        const double fumble = m_odds.fumbleAt(total);
        const double fumbleShare
            = fumble > 0 ? std::min(1.0, fumble / m_odds.probability(total)) : 0.0;
        const int fumbleHeight = static_cast<int>(std::lround(bar.height() * fumbleShare));
        painter.fillRect(bar.adjusted(0, 0, 0, -fumbleHeight), Succeeds);
        painter.fillRect(bar.adjusted(0, bar.height() - fumbleHeight, 0, 0), Fails);
    }
    painter.setPen(palette().color(QPalette::Text));
    const QRect area = plotArea();
    painter.drawLine(area.bottomLeft() + QPoint(0, 1), area.bottomRight() + QPoint(0, 1));
}

// Totals under the bars, as many as fit without touching.
void OddsHistogram::paintTotalsAxis(QPainter &painter) const
{
    const QRect area = plotArea();
    const int labelWidth = fontMetrics().horizontalAdvance(QString::number(lastTotal())) + 8;
    const int bars = lastTotal() - firstTotal() + 1;
    const int every
        = std::max(1, (labelWidth * bars + area.width() - 1) / std::max(1, area.width()));
    for (int total = firstTotal(); total <= lastTotal(); ++total) {
        if ((total - firstTotal()) % every != 0)
            continue;
        const QRect bar = barRect(total);
        const QRect label(bar.center().x() - labelWidth / 2, area.bottom() + 4, labelWidth,
                          fontMetrics().height());
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, QString::number(total));
    }
}

// A line at the left edge of the target's bar, or at the end of the chart it lies beyond.
void OddsHistogram::paintTargetMark(QPainter &painter) const
{
    const QRect area = plotArea();
    int x = area.right();
    if (m_target <= firstTotal())
        x = area.left();
    else if (m_target <= lastTotal())
        x = barRect(m_target).left() - 1;
    painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DashLine));
    painter.drawLine(x, area.top() - 2, x, area.bottom());
    const QString label = QStringLiteral("Target %1").arg(m_target);
    const int width = fontMetrics().horizontalAdvance(label);
    const int left = std::clamp(x - width / 2, 0, std::max(0, this->width() - width));
    painter.drawText(QRect(left, 0, width, area.top() - 2), Qt::AlignCenter, label);
}

} // namespace MainBas
