#pragma once

#include <QObject>

class QWidget;

// Tells when the player leaves the game: the program has lost the focus to
// another one, or the window was minimised. Only the whole program losing
// the focus counts, so a dialog of our own taking it from the window, modal
// or not, is no leaving.
class LeaveWatch final : public QObject {
    Q_OBJECT
public:
    // Watches `window`, and is deleted with it.
    explicit LeaveWatch(QWidget& window);

signals:
    void left();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
