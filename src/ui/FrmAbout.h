#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QTimer;
class QWidget;

// The About box: title with the program's version, credits scrolling up
// through a clipped viewport, and the legal notice. Any click closes it.
class FrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit FrmAbout(QWidget* owner = nullptr);

    // Shows the About box modally over its owner and returns once it has
    // closed. Nothing it does can fail the caller.
    static void ShowOwnedBy(QWidget* owner);

    // Three sections, each title over 40 dashes over its names, separated
    // by two empty lines; CR LF line breaks, none at either end.
    static QString CreditsText();

    QLabel* Label1;
    QLabel* Label2;
    QWidget* Picture1;
    QLabel* lblCredits;
    QLabel* lblCopyright;
    QTimer* timScroll;

    void timScroll_Timer();

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void Form_Click();
    void Label1_Click();
    void Label2_Click();
    void lblCopyright_Click();
    void lblCredits_Click();
    void Picture1_Click();
    void PlaceCredits();

    // The credits' top edge in twips, kept as a fraction so that the
    // one-pixel steps never drift from the twip arithmetic.
    float SngCreditsTop = 0.0f;
};
