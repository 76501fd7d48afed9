#pragma once

#include "GameTexts.h"

#include <QWidget>

class QLabel;
class WrapButton;

// The side panel (PicScore): the level, the score, the time, the bricks
// wanted and selected, the fill button and the smallest group, shown in
// the game's own words and colours.
class SidePanel : public QWidget {
    Q_OBJECT
public:
    explicit SidePanel(QWidget* parent);

    void showPanel(const PanelValues& panel, bool highContrast);
    // The score alone, shown with every drawing of the board.
    void showScore(const PanelValues& panel, bool highContrast);
    void setFillSpaceEnabled(bool enabled);

signals:
    void fillSpaceClicked();

private:
    QWidget* PicInfo;
    WrapButton* cmdFillSpace;
    QLabel* lblMinmumBlock;
    QLabel* lblSelected;
    QLabel* lblNextLvl;
    QLabel* lblScore;
    QLabel* Label1;
    QLabel* lblTime;
    QLabel* lblLevel;
};

// The window's captions, here and on the overlays.
QLabel* MakeLabel(QWidget* parent, const QRect& geometry, Qt::Alignment alignment, const QFont& font,
                  const QString& caption = {});
// A one-line caption in its designed box: the designed font where it fits,
// else a condensed or smaller one, so the caption is never cut off.
void FitOneLine(QLabel* label, const QFont& designed);
void SetTextColor(QLabel* label, ColorRef color);
