#pragma once

#include <QWidget>

#include <cstdint>
#include <vector>

// The scores of the last games as bars, oldest at the left, scaled to the
// best of them. Painted by hand: one small picture needs no chart library.
class ScoreChart : public QWidget {
    Q_OBJECT

public:
    explicit ScoreChart(QWidget* parent = nullptr);

    void setScores(std::vector<int32_t> scores);
    const std::vector<int32_t>& scores() const { return m_scores; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int32_t> m_scores;
};
