#pragma once

#include <QPushButton>

// A push button whose caption wraps onto several lines, centred, as the
// side panel's long "Fill Empty Space" caption needs in a narrow button.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // The button's font, condensed or reduced where the caption would not
    // otherwise fit inside `area`.
    QFont captionFont(const QRect& area) const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
