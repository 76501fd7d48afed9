#include "FrmAbout.h"

#include "LegacyFont.h"
#include "TolmoraVersion.h"
#include "Twips.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace {

constexpr float TwipsPerPixel = kTwipsPerPixel;

bool IsLeftClick(QEvent* event, const QWidget* target)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    // A press that is dragged off the control before release is no click.
    return mouse->button() == Qt::LeftButton && target->rect().contains(mouse->position().toPoint());
}

} // namespace

FrmAbout::FrmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(tr("About"));
    setFixedSize(Px(5925), Px(3645));

    Label1 = new QLabel(this);
    Label1->setFont(LegacyFont(24, true));
    Label1->setGeometry(PxRect(120, 120, 5655, 735));

    Label2 = new QLabel(tr("Credits"), this);
    Label2->setFont(LegacyFont(8.25));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setGeometry(PxRect(0, 960, 5895, 255));

    Picture1 = new QWidget(this);
    Picture1->setGeometry(PxRect(0, 1200, 5925, 1035));

    lblCredits = new QLabel(Picture1);
    lblCredits->setFont(LegacyFont(8.25));
    lblCredits->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblCredits->setGeometry(PxRect(240, 120, 480, 195));

    lblCopyright = new QLabel(this);
    lblCopyright->setFont(LegacyFont(8.25));
    lblCopyright->setWordWrap(true);
    lblCopyright->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblCopyright->setGeometry(PxRect(120, 2280, 4695, 1215));

    for (QWidget* control : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2), Picture1,
                             static_cast<QWidget*>(lblCredits), static_cast<QWidget*>(lblCopyright)})
        control->installEventFilter(this);

    timScroll = new QTimer(this);
    timScroll->setInterval(50);
    connect(timScroll, &QTimer::timeout, this, &FrmAbout::timScroll_Timer);

    Form_Load();
    timScroll->start();
}

void FrmAbout::ShowOwnedBy(QWidget* owner)
{
    // Application-modal: the rules window waits too, as every other window
    // of the program does while the About box is up.
    FrmAbout about(owner);
    about.exec();
}

QString FrmAbout::CreditsText()
{
    struct Section {
        const char* title;
        QStringList names;
    };
    const Section sections[] = {
        {QT_TR_NOOP("Developers"), {tr("The Tolmora developers")}},
        {QT_TR_NOOP("Sound"), {tr("The Tolmora synthesizer"), tr("Tunes and effects by the Tolmora developers")}},
        {QT_TR_NOOP("Graphics"), {tr("The Tolmora brick painter"), tr("Pictures and icon by the Tolmora developers")}},
    };
    const QString crlf = QStringLiteral("\r\n");
    QStringList blocks;
    for (const Section& section : sections) {
        QStringList lines{tr(section.title), QString(40, QLatin1Char('-'))};
        lines += section.names;
        blocks += lines.join(crlf);
    }
    return blocks.join(crlf + crlf + crlf);
}

void FrmAbout::Form_Load()
{
    Label1->setText(tr("Tolmora v%1.%2.%3")
                        .arg(TolmoraVersion::Major)
                        .arg(TolmoraVersion::Minor)
                        .arg(TolmoraVersion::Revision));

    // The credits keep their CR LF line breaks; a label breaks lines at LF
    // and would draw each CR as a space, shifting every centred line.
    lblCredits->setText(CreditsText().replace(QLatin1String("\r\n"), QLatin1String("\n")));
    lblCredits->adjustSize();
    SngCreditsTop = static_cast<float>(lblCredits->y()) * TwipsPerPixel;
    PlaceCredits();

    lblCopyright->setText(tr(
        "Copyright \u00A9 the Tolmora developers. Tolmora, its pictures, sounds and help "
        "were made by the Tolmora developers with the project's own tools. This program "
        "comes with no warranty of any kind, to the extent permitted by law."));
}

void FrmAbout::PlaceCredits()
{
    const float innerWidth = static_cast<float>(Picture1->contentsRect().width()) * TwipsPerPixel;
    const float width = static_cast<float>(lblCredits->width()) * TwipsPerPixel;
    lblCredits->move(PixelsFromTwips((innerWidth - width) / 2.0f), PixelsFromTwips(SngCreditsTop));
}

void FrmAbout::timScroll_Timer()
{
    SngCreditsTop -= TwipsPerPixel;
    PlaceCredits();
    // Once the last line has left at the top, the text comes in again from
    // just below the viewport.
    const float height = static_cast<float>(lblCredits->height()) * TwipsPerPixel;
    if (SngCreditsTop <= -height) {
        SngCreditsTop = static_cast<float>(Picture1->contentsRect().height()) * TwipsPerPixel + 25.0f;
        PlaceCredits();
    }
}

void FrmAbout::Form_Unload()
{
    timScroll->stop();
}

void FrmAbout::done(int result)
{
    // Every way out (a click, the close button, Escape) passes here.
    Form_Unload();
    QDialog::done(result);
}

void FrmAbout::Form_Click() { close(); }
void FrmAbout::Label1_Click() { close(); }
void FrmAbout::Label2_Click() { close(); }
void FrmAbout::lblCopyright_Click() { close(); }
void FrmAbout::lblCredits_Click() { close(); }
void FrmAbout::Picture1_Click() { close(); }

bool FrmAbout::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = qobject_cast<QWidget*>(watched);
    if (!control || !IsLeftClick(event, control))
        return QDialog::eventFilter(watched, event);
    if (control == Label1)
        Label1_Click();
    else if (control == Label2)
        Label2_Click();
    else if (control == Picture1)
        Picture1_Click();
    else if (control == lblCredits)
        lblCredits_Click();
    else if (control == lblCopyright)
        lblCopyright_Click();
    else
        return QDialog::eventFilter(watched, event);
    return true;
}

void FrmAbout::mouseReleaseEvent(QMouseEvent* event)
{
    if (IsLeftClick(event, this))
        Form_Click();
    else
        QDialog::mouseReleaseEvent(event);
}
