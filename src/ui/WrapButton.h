#pragma once

#include <QPushButton>

// A push button whose caption wraps onto several lines, centred, as the
// side panel's long "Fill Empty Space" caption needs in a narrow button.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
