#pragma once

#include "HistoryStatistics.h"

#include <QDialog>

#include <cstdint>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class ScoreChart;

// The Statistics window: the figures of every game in the history, a chart
// of the last scores, the daily board's days and the recent games, any of
// which can be played again.
// It asks the history it is given for the figures once, when it is built,
// and shows them when they come.
class frmStatistics : public QDialog {
    Q_OBJECT

public:
    static constexpr int kRecentGames = 100;

    // `today` (YYYYMMDD) is the day the daily figures are for; 0 for the local date.
    explicit frmStatistics(const HistoryReader& history, QWidget* parent = nullptr, uint32_t today = 0);

signals:
    // The player asked to play this board again.
    void playBoard(uint32_t boardNumber);
    // The player asked to watch this game of the history again.
    void watchReplay(int64_t id);
    // The history's figures have come and are shown.
    void figuresShown();

private:
    void Fill(const HistoryStatistics& figures);
    void PlayItem(const QTreeWidgetItem* item);
    void FillDaily(const std::vector<DailyBest>& bests);

    QLabel* m_status;
    QLabel* m_gamesPlayed;
    QLabel* m_timePlayed;
    QLabel* m_bestScore;
    QLabel* m_averageScore;
    QLabel* m_bestGroup;
    QTreeWidget* m_bySize;
    ScoreChart* m_chart;
    QTreeWidget* m_recent;
    QPushButton* m_playBoard;
    uint32_t m_today;
    QLabel* m_dailyBest;
    QLabel* m_dailyStreak;
    ScoreChart* m_dailyChart;
    QPushButton* m_copyResult;
    QString m_result;
    QPushButton* m_watchReplay;
};
