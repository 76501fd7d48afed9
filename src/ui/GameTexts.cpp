#include "GameTexts.h"

#include <QCoreApplication>

namespace {
// The field behind "00", cut to its last two characters.
QString twoDigits(int32_t value)
{
    return (QStringLiteral("00") + QString::number(value)).right(2);
}
}  // namespace

QString Translated(const DialogText& text)
{
    return Filled(QCoreApplication::translate("Tolmora", text.pattern), text);
}

QString Filled(const QString& pattern, const DialogText& text)
{
    QString filled;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar next = i + 1 < pattern.size() ? pattern[i + 1] : QChar();
        const int n = next.digitValue();
        if (pattern[i] == QLatin1Char('%') && n >= 1 && static_cast<size_t>(n) <= text.args.size()) {
            filled += QString::fromStdString(text.args[static_cast<size_t>(n - 1)]);
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

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

QString DurationText(int64_t seconds)
{
    const int64_t hours = seconds / 3600;
    const QString minutesSeconds = QStringLiteral("%1:%2")
                                       .arg(seconds / 60 % 60, hours > 0 ? 2 : 1, 10, QLatin1Char('0'))
                                       .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return hours > 0 ? QStringLiteral("%1:%2").arg(hours).arg(minutesSeconds) : minutesSeconds;
}

QString PauseCaption(RunState run)
{
    return run == RunState::Paused ? QCoreApplication::translate("MenuActions", "Resume")
                                   : QCoreApplication::translate("MenuActions", "Pause");
}

PanelCaptions CaptionsOf(const PanelValues& panel)
{
    const auto shown = [](const std::optional<int32_t>& value, auto text) -> std::optional<QString> {
        return value ? std::optional(text(*value)) : std::nullopt;
    };
    PanelCaptions captions;
    captions.lblMinmumBlock.text = shown(panel.groupingNumber, [](int32_t number) {
        return QCoreApplication::translate(
                   "SidePanel",
                   "When this text turns green you have aquired the minimum Grouping score for your level. "
                   "Each level has a minimum number of bricks that must be grouped together. "
                   "The grouping number for your level is\n%1")
            .arg(number);
    });
    if (panel.groupingMet)
        captions.lblMinmumBlock.color = *panel.groupingMet ? kColorGreen : kColorRed;
    captions.lblScore = {shown(panel.score, [](int32_t score) { return QString::number(score); }),
                         panel.scoreCounts ? kColorBlack : kColorRed};
    captions.lblLevel.text = QCoreApplication::translate("SidePanel", "Level: %1").arg(panel.level);
    captions.lblTime.text = shown(panel.timeLeft, CTime);
    captions.lblNextLvl.text =
        shown(panel.bricksForLevel, [](int32_t left) { return QCoreApplication::translate("SidePanel", "Bricks For Level\n%1").arg(left);
    });
    captions.lblSelected.text =
        shown(panel.selected, [](int32_t selected) { return QCoreApplication::translate("SidePanel", "Bricks Selected\n%1").arg(selected);
    });
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
