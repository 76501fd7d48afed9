#include "GameTexts.h"

namespace {
// The field behind "00", cut to its last two characters.
QString twoDigits(int32_t value)
{
    return (QStringLiteral("00") + QString::number(value)).right(2);
}
}  // namespace

QString CTime(int32_t LngSeconds)
{
    int32_t s = LngSeconds;
    int32_t m = 0;
    int32_t h = 0;
    if (LngSeconds >= 60) {
        m = (LngSeconds - LngSeconds % 60) / 60;
        s = LngSeconds % 60;
        if (m >= 60) {
            h = (m - m % 60) / 60;
            m = m % 60;
        }
    }
    return twoDigits(h) + QLatin1Char(':') + twoDigits(m) + QLatin1Char(':') + twoDigits(s);
}

QString PauseCaption(RunState run)
{
    return run == RunState::Paused ? QStringLiteral("Resume") : QStringLiteral("Pause");
}

PanelCaptions CaptionsOf(const PanelValues& panel)
{
    const auto shown = [](const std::optional<int32_t>& value, auto text) -> std::optional<QString> {
        return value ? std::optional(text(*value)) : std::nullopt;
    };
    PanelCaptions captions;
    captions.lblMinmumBlock.text = shown(panel.groupingNumber, [](int32_t number) {
        return QStringLiteral("When this text turns green you have aquired the minimum Grouping score for your level. "
                              "Each level has a minimum number of bricks that must be grouped together. "
                              "The grouping number for your level is\n%1")
            .arg(number);
    });
    if (panel.groupingMet)
        captions.lblMinmumBlock.color = *panel.groupingMet ? kColorGreen : kColorRed;
    captions.lblScore = {shown(panel.score, [](int32_t score) { return QString::number(score); }),
                         panel.scoreCounts ? kColorBlack : kColorRed};
    captions.lblLevel.text = QStringLiteral("Level: %1").arg(panel.level);
    captions.lblTime.text = shown(panel.timeLeft, CTime);
    captions.lblNextLvl.text =
        shown(panel.bricksForLevel, [](int32_t left) { return QStringLiteral("Bricks For Level\n%1").arg(left); });
    captions.lblSelected.text =
        shown(panel.selected, [](int32_t selected) { return QStringLiteral("Bricks Selected\n%1").arg(selected); });
    return captions;
}

ColorRef PanelTextColor(ColorRef color, bool highContrast)
{
    if (!highContrast)
        return color;
    if (color == kColorGreen)
        return 0x006400;  // RGB 0, 100, 0
    if (color == kColorRed)
        return 0x0000B0;  // RGB 176, 0, 0
    return color;
}

std::pair<QString, QString> HighScoreColumns(const std::vector<HighScoreRow>& rows)
{
    std::pair<QString, QString> columns;
    for (const HighScoreRow& row : rows) {
        columns.first += QStringLiteral("\n\n") + QString::fromStdString(row.name);
        columns.second += QStringLiteral("\n\n") + QString::number(row.score);
    }
    return columns;
}
