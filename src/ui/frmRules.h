#pragma once

#include <QWidget>

class QTextDocument;
class QTextEdit;

// The rules window: the help document in a read-only rich-text view that
// always fills the client area. At most one exists; it has no owner and no
// tie to the game, so the clock runs on while it is open.
class frmRules : public QWidget {
    Q_OBJECT

public:
    // Creates the window on first use and shows it; while it is open a
    // further call only restores it and brings it to the front. Closing it
    // discards it, so the next call starts again from the document as built.
    static frmRules* ShowOrRaise();

    // Fills a document with the help text as designed.
    static void LoadHelpDocument(QTextDocument& document);

    QTextEdit* rtbHelp;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    frmRules();
    void Form_Resize();
};
