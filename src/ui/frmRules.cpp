#include "frmRules.h"

#include "Translations.h"
#include "Twips.h"

#include <QEvent>
#include <QFile>
#include <QFont>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>

namespace {

QPointer<frmRules>& TheRulesWindow()
{
    static QPointer<frmRules> window;
    return window;
}

} // namespace

frmRules::frmRules()
    : QWidget(nullptr, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Rules"));

    rtbHelp = new QTextEdit(this);
    rtbHelp->setReadOnly(true);
    LoadHelpDocument(*rtbHelp->document());
    // Filling the document leaves the caret, and so the view, at its end.
    rtbHelp->moveCursor(QTextCursor::Start);

    resize(Px(4680), Px(3195));
    Form_Resize();
}

frmRules* frmRules::ShowOrRaise()
{
    QPointer<frmRules>& window = TheRulesWindow();
    if (!window)
        window = new frmRules;
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void frmRules::LoadHelpDocument(QTextDocument& document)
{
    // The list items and the introduction start with a tab that must land on
    // the hanging indent, 720 twips in.
    QTextOption option = document.defaultTextOption();
    option.setTabStopDistance(Px(720));
    document.setDefaultTextOption(option);

    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(10);
    document.setDefaultFont(font);

    QFile file(LocalisedResource(QStringLiteral(":/rules/rules"), QStringLiteral(".html")));
    if (file.open(QIODevice::ReadOnly))
        document.setHtml(QString::fromUtf8(file.readAll()));
}

void frmRules::Form_Resize()
{
    rtbHelp->setGeometry(0, 0, width(), height());
}

void frmRules::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmRules::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // A restore from the taskbar does not always come with a resize.
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}
