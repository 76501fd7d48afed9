#pragma once

#include "PanelText.h"

#include <QWidget>

#include <string>

class QLabel;
class WrapButton;

// The side panel (PicScore): the level, the score, the time, the bricks
// wanted and selected, the fill button and the smallest group, shown in
// the game's own words and colours.
class SidePanel : public QWidget {
    Q_OBJECT
public:
    explicit SidePanel(QWidget* parent);

    void showLabels(const PanelLabels& labels, bool highContrast);
    // The score alone, shown with every drawing of the board.
    void showScore(const LabelState& score, bool highContrast);
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
// Captions break lines with CR LF; a label breaks them with LF.
QString LabelText(const std::string& caption);
QLabel* MakeLabel(QWidget* parent, const QRect& geometry, Qt::Alignment alignment, const QFont& font,
                  const QString& caption = {});
// A one-line caption in its designed box: the designed font where it fits,
// else a condensed or smaller one, so the caption is never cut off.
void FitOneLine(QLabel* label, const QFont& designed);
void SetTextColor(QLabel* label, ColorRef color);
