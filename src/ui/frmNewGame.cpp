#include "frmNewGame.h"

#include "GameFlow.h"
#include "frmMain.h"
#include "LegacyFont.h"
#include "Twips.h"
#include "WrapButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QLabel* MakeLabel(QWidget* parent, const char* caption, QRect geometry)
{
    auto* label = new QLabel(frmNewGame::tr(caption), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The fallback face is wider than the designed one: let a caption run
    // past its box rather than lose its end.
    geometry.setWidth(std::max(geometry.width(), label->sizeHint().width()));
    label->setGeometry(geometry);
    return label;
}
}  // namespace

frmNewGame::frmNewGame(frmMain& owner)
    : QDialog(&owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      m_window(owner)
{
    setObjectName(QStringLiteral("frmNewGame"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("NewGame"));
    setFont(LegacyFont(8.25));
    setFixedSize(Px(3390), Px(2085));

    Label1 = MakeLabel(this, QT_TR_NOOP("Game Width"), PxRect(120, 120, 885, 195));
    txtGameWidth = new QLineEdit(this);
    txtGameWidth->setGeometry(PxRect(120, 360, 1935, 285));
    Label2 = MakeLabel(this, QT_TR_NOOP("Game Height"), PxRect(120, 720, 930, 195));
    txtGameHeight = new QLineEdit(this);
    txtGameHeight->setGeometry(PxRect(120, 960, 1935, 285));
    Label3 = MakeLabel(this, QT_TR_NOOP("Game Time (in seconds)"), PxRect(120, 1440, 1710, 195));
    txtGameTime = new QLineEdit(this);
    txtGameTime->setGeometry(PxRect(120, 1680, 1935, 285));
    cmdStart = new WrapButton(tr("Start Game"), this);
    cmdStart->setGeometry(PxRect(2160, 1320, 1095, 615));
    Command1 = new WrapButton(tr("Reset Defaults"), this);
    Command1->setGeometry(PxRect(2160, 360, 1095, 615));

    // Neither button is the default: Enter in a box starts nothing.
    for (QPushButton* button : {cmdStart, Command1}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    // Width, height, Start, time, Reset Defaults: the order the keyboard walks.
    setTabOrder(txtGameWidth, txtGameHeight);
    setTabOrder(txtGameHeight, cmdStart);
    setTabOrder(cmdStart, txtGameTime);
    setTabOrder(txtGameTime, Command1);

    connect(cmdStart, &QPushButton::clicked, this, &frmNewGame::cmdStart_Click);
    connect(Command1, &QPushButton::clicked, this, &frmNewGame::Command1_Click);

    Form_Load();
}

void frmNewGame::Form_Load()
{
    const NewGameTexts texts = NewGameDialogTexts(m_window.game().newGameValues());
    txtGameHeight->setText(QString::fromStdString(texts.txtGameHeight));
    txtGameWidth->setText(QString::fromStdString(texts.txtGameWidth));
    txtGameTime->setText(QString::fromStdString(texts.txtGameTime));
}

void frmNewGame::Command1_Click()
{
    const NewGameTexts texts = NewGameDefaultTexts();
    txtGameWidth->setText(QString::fromStdString(texts.txtGameWidth));
    txtGameHeight->setText(QString::fromStdString(texts.txtGameHeight));
    txtGameTime->setText(QString::fromStdString(texts.txtGameTime));
}

void frmNewGame::cmdStart_Click()
{
    // The new game lets events run while it sizes the window; a second
    // press queued behind the first must neither start another game nor
    // close the dialog under the first.
    if (!m_window.game().acceptsInput())
        return;
    m_window.handle(&GameFlow::cmdStart_Click,
                    NewGameTexts{txtGameWidth->text().toStdString(), txtGameHeight->text().toStdString(),
                                 txtGameTime->text().toStdString()});
    close();
}
