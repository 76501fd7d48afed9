#include "SidePanel.h"

#include "FitFont.h"
#include "LegacyFont.h"
#include "Theme.h"
#include "WrapButton.h"

#include <QLabel>

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
void ShowLabel(QLabel* label, const PanelCaption& caption, bool highContrast)
{
    if (caption.text && label->text() != *caption.text)
        label->setText(*caption.text);
    SetTextColor(label, PanelTextColor(caption.color, highContrast));
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
    cmdFillSpace = new WrapButton(tr("Fill Empty Space  (30 second Penalty)"), PicInfo);
    cmdFillSpace->setObjectName(QStringLiteral("cmdFillSpace"));
    cmdFillSpace->setGeometry(8, 168, 105, 33);
    // The board keeps the keyboard focus, as in any game of this kind.
    cmdFillSpace->setFocusPolicy(Qt::NoFocus);
    lblMinmumBlock = MakeLabel(PicInfo, QRect(0, 208, 129, 177), Qt::AlignHCenter, panelFont);
    lblSelected = MakeLabel(PicInfo, QRect(0, 128, 113, 33), Qt::AlignRight, panelFont,
                            tr("Bricks Selected"));
    lblNextLvl = MakeLabel(PicInfo, QRect(0, 96, 113, 33), Qt::AlignRight, panelFont,
                           tr("Bricks For Level  50"));
    lblScore = MakeLabel(PicInfo, QRect(16, 48, 97, 17), Qt::AlignRight, panelFont);
    Label1 = MakeLabel(PicInfo, QRect(0, 24, 106, 24), Qt::AlignLeft, LegacyFont(13.5, true),
                       tr("Your Score"));
    FitOneLine(Label1, LegacyFont(13.5, true));
    lblTime = MakeLabel(PicInfo, QRect(16, 72, 97, 17), Qt::AlignRight, panelFont, QStringLiteral("0:02:00"));
    lblLevel = MakeLabel(PicInfo, QRect(0, 0, 97, 17), Qt::AlignLeft, LegacyFont(12, true),
                         tr("Level: %1").arg(1));
    FitOneLine(lblLevel, LegacyFont(12, true));
    const std::pair<QObject*, const char*> names[] = {
        {lblMinmumBlock, "lblMinmumBlock"}, {lblSelected, "lblSelected"}, {lblNextLvl, "lblNextLvl"},
        {lblScore, "lblScore"}, {Label1, "Label1"}, {lblTime, "lblTime"}, {lblLevel, "lblLevel"}};
    for (const auto& [object, name] : names)
        object->setObjectName(QLatin1String(name));

    connect(cmdFillSpace, &QPushButton::clicked, this, &SidePanel::fillSpaceClicked);
}

void SidePanel::showPanel(const PanelValues& panel, bool highContrast)
{
    const PanelCaptions captions = CaptionsOf(panel);
    ShowLabel(lblMinmumBlock, captions.lblMinmumBlock, highContrast);
    ShowLabel(lblScore, captions.lblScore, highContrast);
    const QString level = lblLevel->text();
    ShowLabel(lblLevel, captions.lblLevel, highContrast);
    if (lblLevel->text() != level)
        FitOneLine(lblLevel, LegacyFont(12, true));
    ShowLabel(lblTime, captions.lblTime, highContrast);
    ShowLabel(lblNextLvl, captions.lblNextLvl, highContrast);
    ShowLabel(lblSelected, captions.lblSelected, highContrast);
}

void SidePanel::showScore(const PanelValues& panel, bool highContrast)
{
    ShowLabel(lblScore, CaptionsOf(panel).lblScore, highContrast);
}

void SidePanel::setFillSpaceEnabled(bool enabled)
{
    cmdFillSpace->setEnabled(enabled);
}
