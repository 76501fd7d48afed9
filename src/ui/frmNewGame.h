#pragma once

#include <QDialog>

class frmMain;
class QLabel;
class QLineEdit;
class QPushButton;

// The small window in which the player sets the board's columns and rows
// and the game's length before a new game. It opens without blocking the
// main window, is filled afresh at each opening and closes itself once
// Start has begun the game; closing it otherwise starts nothing.
class frmNewGame : public QDialog {
    Q_OBJECT
public:
    explicit frmNewGame(frmMain& owner);

    QLabel* Label1;
    QLineEdit* txtGameWidth;
    QLabel* Label2;
    QLineEdit* txtGameHeight;
    QLabel* Label3;
    QLineEdit* txtGameTime;
    QPushButton* cmdStart;
    QPushButton* Command1;

    void Form_Load();
    void cmdStart_Click();
    void Command1_Click();

private:
    frmMain& m_window;
};
