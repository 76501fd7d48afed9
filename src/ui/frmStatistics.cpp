#include "frmStatistics.h"

#include "BoardNumber.h"
#include "GameTexts.h"
#include "ScoreChart.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// The row's game id in the history, when it can be watched.
constexpr int kRecordedGameRole = Qt::UserRole + 1;

// A value the history left out because it cannot be real is shown as nothing.
template <typename T, typename Text>
QString Shown(const std::optional<T>& value, Text text)
{
    return value ? text(*value) : QString();
}

// Figures in the player's own digits and decimal sign. Without the
// thousands separator, so that English reads as it always has and a board
// number reads the same as the one typed at Play Board Number.
QLocale Figures()
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

QString Number(int64_t value) { return Figures().toString(static_cast<qlonglong>(value)); }

QString BoardText(std::optional<int32_t> width, std::optional<int32_t> height)
{
    return width && height ? QStringLiteral("%1 \u00d7 %2").arg(*width).arg(*height) : QString();
}

QString AverageText(double average) { return Figures().toString(average, 'f', 1); }

QString LocalDateText(const QString& utc)
{
    const QDateTime when = QDateTime::fromString(utc, Qt::ISODate);
    if (!when.isValid())
        return QString();
    // English keeps its sortable dates; other languages write them their own way.
    const QLocale locale;
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    return locale.toString(when.toLocalTime(), QLocale::ShortFormat);
}

QLabel* AddFigure(QFormLayout* form, const QString& caption, const char* name)
{
    auto* value = new QLabel;
    value->setObjectName(QString::fromLatin1(name));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(caption, value);
    return value;
}

QTreeWidget* NewList(const QStringList& headers, const char* name)
{
    auto* list = new QTreeWidget;
    list->setObjectName(QString::fromLatin1(name));
    list->setHeaderLabels(headers);
    // Figures line up on the right, under headings that do too.
    for (int column = 1; column < headers.size(); ++column)
        list->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return list;
}

QTreeWidgetItem* NewRow(QTreeWidget* list, const QStringList& texts)
{
    auto* item = new QTreeWidgetItem(list, texts);
    for (int column = 1; column < texts.size(); ++column)
        item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

frmStatistics::frmStatistics(const HistoryReader& history, QWidget* parent, uint32_t today)
    : QDialog(parent), m_today(today ? today : LocalDateNumber())
{
    setWindowTitle(tr("Statistics"));

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("lblHistoryStatus"));
    m_status->setWordWrap(true);

    auto* form = new QFormLayout;
    m_gamesPlayed = AddFigure(form, tr("Games played:"), "lblGamesPlayed");
    m_timePlayed = AddFigure(form, tr("Time played:"), "lblTimePlayed");
    m_bestScore = AddFigure(form, tr("Best score:"), "lblBestScore");
    m_averageScore = AddFigure(form, tr("Average score:"), "lblAverageScore");
    m_bestGroup = AddFigure(form, tr("Best group:"), "lblBestGroup");

    m_bySize = NewList({tr("Board"), tr("Time"), tr("Games"), tr("Best"), tr("Average")}, "lstBySize");
    m_chart = new ScoreChart;
    m_chart->setObjectName(QStringLiteral("picScoreChart"));
    m_recent = NewList({tr("Date"), tr("Board"), tr("Time"), tr("Score"), tr("Board Number")}, "lstRecentGames");

    m_playBoard = new QPushButton(tr("&Play This Board"));
    m_playBoard->setObjectName(QStringLiteral("cmdPlayBoard"));
    m_playBoard->setEnabled(false);
    m_watchReplay = new QPushButton(tr("&Watch Replay"));
    m_watchReplay->setObjectName(QStringLiteral("cmdWatchReplay"));
    m_watchReplay->setEnabled(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(m_playBoard, QDialogButtonBox::ActionRole);
    buttons->addButton(m_watchReplay, QDialogButtonBox::ActionRole);

    auto* daily = new QGroupBox(tr("Daily"));
    auto* dailyForm = new QFormLayout;
    m_dailyBest = AddFigure(dailyForm, tr("Today's best:"), "lblDailyBest");
    m_dailyStreak = AddFigure(dailyForm, tr("Days in a row:"), "lblDailyStreak");
    m_dailyChart = new ScoreChart;
    m_dailyChart->setObjectName(QStringLiteral("picDailyChart"));
    m_copyResult = new QPushButton(tr("C&opy Result"));
    m_copyResult->setObjectName(QStringLiteral("cmdCopyResult"));
    m_copyResult->setEnabled(false);
    auto* dailyLayout = new QVBoxLayout(daily);
    dailyLayout->addLayout(dailyForm);
    dailyLayout->addWidget(new QLabel(tr("Best daily scores of the last 30 days:")));
    dailyLayout->addWidget(m_dailyChart, 1);
    dailyLayout->addWidget(m_copyResult, 0, Qt::AlignLeft);
    connect(m_copyResult, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(m_result); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addLayout(form);
    layout->addWidget(m_bySize);
    layout->addWidget(new QLabel(tr("Scores of the last games:")));
    layout->addWidget(m_chart, 1);
    layout->addWidget(daily, 1);
    layout->addWidget(new QLabel(tr("Recent games:")));
    layout->addWidget(m_recent, 2);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_recent, &QTreeWidget::itemSelectionChanged, this,
            [this] {
                const QTreeWidgetItem* item = m_recent->currentItem();
                m_playBoard->setEnabled(item != nullptr);
                m_watchReplay->setEnabled(item && item->data(0, kRecordedGameRole).isValid());
            });
    connect(m_watchReplay, &QPushButton::clicked, this, [this] {
        if (const QTreeWidgetItem* item = m_recent->currentItem(); item && item->data(0, kRecordedGameRole).isValid()) {
            emit watchReplay(item->data(0, kRecordedGameRole).toLongLong());
            accept();
        }
    });
    connect(m_playBoard, &QPushButton::clicked, this, [this] { PlayItem(m_recent->currentItem()); });
    connect(m_recent, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { PlayItem(item); });

    m_status->hide();
    history.ReadStatistics(kRecentGames, this, [this](const HistoryReading& reading) {
        m_status->setText(reading.status);
        m_status->setVisible(!reading.status.isEmpty());
        Fill(reading.figures);
        emit figuresShown();
    });
    // Room for a dozen recent games, in the desktop's own text size, but no
    // more than the screen holds: its buttons must stay in reach.
    const QFontMetrics text(font());
    QSize wanted = sizeHint().expandedTo(QSize(text.averageCharWidth() * 72, text.lineSpacing() * 44));
    if (const QScreen* shown = screen())
        wanted = wanted.boundedTo(shown->availableGeometry().size() * 9 / 10);
    resize(wanted);
}

void frmStatistics::Fill(const HistoryStatistics& figures)
{
    m_gamesPlayed->setText(Number(figures.gamesPlayed));
    m_timePlayed->setText(DurationText(figures.secondsPlayed));
    m_bestScore->setText(Number(figures.bestScore));
    m_averageScore->setText(AverageText(figures.averageScore));
    m_bestGroup->setText(Number(figures.bestGroup));

    for (const SizeFigures& size : figures.bySize)
        NewRow(m_bySize, {BoardText(size.width, size.height), DurationText(size.gameTime),
                          Number(size.games), Shown(size.bestScore, Number),
                          Shown(size.averageScore, AverageText)});
    m_chart->setScores(figures.lastScores);
    for (const RecentGame& game : figures.recent) {
        QTreeWidgetItem* item =
            NewRow(m_recent, {LocalDateText(game.finishedAt), BoardText(game.width, game.height),
                              Shown(game.gameTime, DurationText), Shown(game.score, Number),
                              Shown(game.boardNumber, Number)});
        // A game without a board number cannot be played again.
        if (game.boardNumber)
            item->setData(0, Qt::UserRole, QVariant::fromValue(*game.boardNumber));
        // Only a game whose moves were kept can be watched.
        if (game.recorded)
            item->setData(0, kRecordedGameRole, QVariant::fromValue(game.id));
    }
    // The newest game is the one a player most often wants again, and a
    // chosen row lets the keys alone play or watch it.
    if (m_recent->topLevelItemCount() > 0)
        m_recent->setCurrentItem(m_recent->topLevelItem(0));
    FillDaily(figures.dailyBests);
}

void frmStatistics::FillDaily(const std::vector<DailyBest>& bests)
{
    const DailyFigures daily = DailyFiguresOn(bests, m_today);
    m_dailyBest->setText(daily.today ? Number(daily.today->score) : QString());
    m_dailyStreak->setText(Number(daily.streak));
    m_dailyChart->setScores(daily.lastDays);
    m_copyResult->setEnabled(daily.today.has_value());
    if (!daily.today)
        return;
    // The date as a player writes it anywhere; the figures as the game shows them.
    const QString date = QStringLiteral("%1-%2-%3")
                             .arg(m_today / 10000)
                             .arg(m_today / 100 % 100, 2, 10, QLatin1Char('0'))
                             .arg(m_today % 100, 2, 10, QLatin1Char('0'));
    m_result = tr("Tolmora daily %1: %2 points, level %3, best group %4")
                   .arg(date, Number(daily.today->score), Shown(daily.today->level, Number),
                        Shown(daily.today->bestGroup, Number));
}

void frmStatistics::PlayItem(const QTreeWidgetItem* item)
{
    if (!item || !item->data(0, Qt::UserRole).isValid())
        return;
    emit playBoard(item->data(0, Qt::UserRole).value<uint32_t>());
    accept();
}
