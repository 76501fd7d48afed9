#include "SidePanel.h"

#include "FitFont.h"
#include "LegacyFont.h"
#include "Theme.h"
#include "WrapButton.h"

#include <QLabel>

QString LabelText(const std::string& caption)
{
    QString text = QString::fromStdString(caption);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QLabel* MakeLabel(QWidget* parent, const QRect& geometry, Qt::Alignment alignment, const QFont& font,
                  const QString& caption)
{
    auto* label = new QLabel(parent);
    // Names and captions are shown as typed, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setFont(font);
    label->setGeometry(geometry);
    label->setText(caption);
    return label;
}

void FitOneLine(QLabel* label, const QFont& designed)
{
    label->setWordWrap(false);
    // Only the width counts: the designed boxes were always a little low
    // for their fonts, and the descenders simply clip.
    const QRect across(0, 0, label->contentsRect().width(), QWIDGETSIZE_MAX);
    label->setFont(FitFont(designed, across, label->text(), int(label->alignment())));
}

void SetTextColor(QLabel* label, ColorRef color)
{
    QPalette palette = label->palette();
    const QColor wanted = QColor::fromRgb(ToQRgb(color));
    if (palette.color(QPalette::WindowText) == wanted)
        return;
    palette.setColor(QPalette::WindowText, wanted);
    palette.setColor(QPalette::Text, wanted);
    label->setPalette(palette);
}

namespace {
void ShowLabel(QLabel* label, const LabelState& state, bool highContrast)
{
    const QString text = LabelText(state.caption);
    if (label->text() != text)
        label->setText(text);
    SetTextColor(label, PanelTextColor(state.color, highContrast));
}
}  // namespace

SidePanel::SidePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PicScore"));
    setGeometry(472, 0, 129, 377);
    PicInfo = new QWidget(this);
    PicInfo->setObjectName(QStringLiteral("PicInfo"));
    PicInfo->setGeometry(0, 0, 129, 377);

    const QFont panelFont = LegacyFont(8.25, true);
    cmdFillSpace = new WrapButton(QStringLiteral("Fill Empty Space  (30 second Penalty)"), PicInfo);
    cmdFillSpace->setObjectName(QStringLiteral("cmdFillSpace"));
    cmdFillSpace->setGeometry(8, 168, 105, 33);
    // The board keeps the keyboard focus, as in any game of this kind.
    cmdFillSpace->setFocusPolicy(Qt::NoFocus);
    lblMinmumBlock = MakeLabel(PicInfo, QRect(0, 208, 129, 177), Qt::AlignHCenter, panelFont);
    lblSelected = MakeLabel(PicInfo, QRect(0, 128, 113, 33), Qt::AlignRight, panelFont,
                            QStringLiteral("Bricks Selected"));
    lblNextLvl = MakeLabel(PicInfo, QRect(0, 96, 113, 33), Qt::AlignRight, panelFont,
                           QStringLiteral("Bricks For Level  50"));
    lblScore = MakeLabel(PicInfo, QRect(16, 48, 97, 17), Qt::AlignRight, panelFont);
    Label1 = MakeLabel(PicInfo, QRect(0, 24, 106, 24), Qt::AlignLeft, LegacyFont(13.5, true),
                       QStringLiteral("Your Score"));
    FitOneLine(Label1, LegacyFont(13.5, true));
    lblTime = MakeLabel(PicInfo, QRect(16, 72, 97, 17), Qt::AlignRight, panelFont, QStringLiteral("0:02:00"));
    lblLevel = MakeLabel(PicInfo, QRect(0, 0, 97, 17), Qt::AlignLeft, LegacyFont(12, true),
                         QStringLiteral("Level: 1"));
    FitOneLine(lblLevel, LegacyFont(12, true));
    const std::pair<QObject*, const char*> names[] = {
        {lblMinmumBlock, "lblMinmumBlock"}, {lblSelected, "lblSelected"}, {lblNextLvl, "lblNextLvl"},
        {lblScore, "lblScore"}, {Label1, "Label1"}, {lblTime, "lblTime"}, {lblLevel, "lblLevel"}};
    for (const auto& [object, name] : names)
        object->setObjectName(QLatin1String(name));

    connect(cmdFillSpace, &QPushButton::clicked, this, &SidePanel::fillSpaceClicked);
}

void SidePanel::showLabels(const PanelLabels& labels, bool highContrast)
{
    ShowLabel(lblMinmumBlock, labels.lblMinmumBlock, highContrast);
    ShowLabel(lblScore, labels.lblScore, highContrast);
    if (LabelText(labels.lblLevel.caption) != lblLevel->text()) {
        ShowLabel(lblLevel, labels.lblLevel, highContrast);
        FitOneLine(lblLevel, LegacyFont(12, true));
    }
    SetTextColor(lblLevel, PanelTextColor(labels.lblLevel.color, highContrast));
    ShowLabel(lblTime, labels.lblTime, highContrast);
    ShowLabel(lblNextLvl, labels.lblNextLvl, highContrast);
    ShowLabel(lblSelected, labels.lblSelected, highContrast);
}

void SidePanel::showScore(const LabelState& score, bool highContrast)
{
    ShowLabel(lblScore, score, highContrast);
}

void SidePanel::setFillSpaceEnabled(bool enabled)
{
    cmdFillSpace->setEnabled(enabled);
}
