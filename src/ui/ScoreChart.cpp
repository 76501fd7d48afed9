#include "ScoreChart.h"

#include <QPainter>

#include <algorithm>

ScoreChart::ScoreChart(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ScoreChart::setScores(std::vector<int32_t> scores)
{
    m_scores = std::move(scores);
    update();
}

QSize ScoreChart::minimumSizeHint() const { return {240, 120}; }

QSize ScoreChart::sizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 30, line * 10};
}

void ScoreChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const int margin = fontMetrics().height() / 2;
    const QRect plot = rect().adjusted(margin, fontMetrics().height() + margin, -margin, -margin);
    painter.setPen(palette().color(QPalette::Text));
    const int32_t best = m_scores.empty() ? 0 : std::max(0, *std::max_element(m_scores.begin(), m_scores.end()));
    painter.drawText(rect().adjusted(margin, margin / 2, -margin, 0), Qt::AlignLeft | Qt::AlignTop,
                     m_scores.empty() ? tr("No games yet") : tr("Best of these: %1").arg(best));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    if (m_scores.empty() || best <= 0 || plot.width() <= 0 || plot.height() <= 0)
        return;

    // Bars share the width evenly; integer edges keep neighbours from overlapping.
    const int count = int(m_scores.size());
    const QColor bar = palette().color(QPalette::Highlight);
    for (int i = 0; i < count; ++i) {
        const int left = plot.left() + plot.width() * i / count;
        const int right = plot.left() + plot.width() * (i + 1) / count;
        const int height = int(int64_t(plot.height()) * std::max(0, m_scores[size_t(i)]) / best);
        painter.fillRect(QRect(left, plot.bottom() - height + 1, std::max(1, right - left - 1), height), bar);
    }
}
