#include "MainWindowFixture.h"

#include "BoardSurface.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

// The dialog as the player meets it: opened by a confirmed New Game, filled
// from the main window, and started or closed through its own buttons.
class NewGameDialogTest : public MainWindowTest {
protected:
    frmNewGame& Open()
    {
        messages.answers.push_back(MessageAnswer::Yes);
        window->MnuFileNewGame->trigger();
        frmNewGame* dialog = window->newGameDialog();
        if (!dialog)
            throw std::runtime_error("no dialog");
        return *dialog;
    }

    void Enter(frmNewGame& dialog, const char* columns, const char* rows, const char* seconds)
    {
        dialog.txtGameWidth->setText(QString::fromLatin1(columns));
        dialog.txtGameHeight->setText(QString::fromLatin1(rows));
        dialog.txtGameTime->setText(QString::fromLatin1(seconds));
        dialog.cmdStart->click();
        QCoreApplication::processEvents();
    }

    // The messages shown after the confirmation, as text and title.
    std::vector<std::pair<std::string, std::string>> Errors() const
    {
        std::vector<std::pair<std::string, std::string>> errors;
        for (const auto& shown : messages.shown)
            if (shown.buttons == MessageButtons::Ok)
                errors.emplace_back(shown.text, shown.title);
        return errors;
    }
};

TEST_F(NewGameDialogTest, ConfirmationAsksYesOrNoUnderTheProgramsName)
{
    // No changes nothing: a running clock keeps running and no dialog opens.
    Start();
    ClickCell(0, 0);
    ASSERT_TRUE(window->timSec->isActive());
    messages.answers.push_back(MessageAnswer::No);
    window->MnuFileNewGame->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Are you sure you want to start a new game?");
    EXPECT_EQ(messages.shown[0].title, "Tolmora");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(window->timSec->isActive());
    EXPECT_EQ(window->newGameDialog(), nullptr);
}

TEST_F(NewGameDialogTest, YesStopsTheClockAndOpensTheDialogWithoutBlocking)
{
    // The dialog is not modal: the main window stays usable behind it.
    Start();
    ClickCell(0, 0);
    frmNewGame& dialog = Open();
    EXPECT_FALSE(window->timSec->isActive());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(dialog.windowTitle(), "NewGame");
}

TEST_F(NewGameDialogTest, OpensWithCountsAndResetDefaultsShowsSixteenElevenAndTwoMinutes)
{
    // The dialog shows counts (indices + 1); Reset Defaults gives 16, 11, 120.
    Start();
    frmNewGame& dialog = Open();
    EXPECT_EQ(dialog.txtGameWidth->text(), "17");
    EXPECT_EQ(dialog.txtGameHeight->text(), "12");
    EXPECT_EQ(dialog.txtGameTime->text(), "120");
    dialog.Command1->click();
    EXPECT_EQ(dialog.txtGameWidth->text(), "16");
    EXPECT_EQ(dialog.txtGameHeight->text(), "11");
    EXPECT_EQ(dialog.txtGameTime->text(), "120");
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(NewGameDialogTest, GeometryCaptionsAndTabOrder)
{
    // Laid out as designed in twips; the keyboard walks width, height, Start, time, Reset Defaults.
    Start();
    frmNewGame& dialog = Open();
    EXPECT_EQ(dialog.size(), QSize(226, 139));
    EXPECT_EQ(dialog.txtGameWidth->geometry(), QRect(8, 24, 129, 19));
    EXPECT_EQ(dialog.txtGameHeight->geometry(), QRect(8, 64, 129, 19));
    EXPECT_EQ(dialog.txtGameTime->geometry(), QRect(8, 112, 129, 19));
    EXPECT_EQ(dialog.cmdStart->geometry(), QRect(144, 88, 73, 41));
    EXPECT_EQ(dialog.Command1->geometry(), QRect(144, 24, 73, 41));
    EXPECT_EQ(dialog.Label1->pos(), QPoint(8, 8));
    EXPECT_EQ(dialog.Label2->pos(), QPoint(8, 48));
    EXPECT_EQ(dialog.Label3->pos(), QPoint(8, 96));
    EXPECT_EQ(dialog.Label1->text(), "Game Width");
    EXPECT_EQ(dialog.Label2->text(), "Game Height");
    EXPECT_EQ(dialog.Label3->text(), "Game Time (in seconds)");
    EXPECT_EQ(dialog.cmdStart->text(), "Start Game");
    EXPECT_EQ(dialog.Command1->text(), "Reset Defaults");

    std::vector<QWidget*> order{dialog.txtGameWidth};
    for (int step = 0; step < 5; ++step)
        order.push_back(order.back()->nextInFocusChain());
    while (order.back() != dialog.txtGameWidth && order.size() < 40)
        order.push_back(order.back()->nextInFocusChain());
    std::vector<QWidget*> focusable;
    for (QWidget* widget : order)
        if (widget->focusPolicy() & Qt::TabFocus)
            focusable.push_back(widget);
    const std::vector<QWidget*> expected{dialog.txtGameWidth, dialog.txtGameHeight, dialog.cmdStart,
                                         dialog.txtGameTime, dialog.Command1, dialog.txtGameWidth};
    EXPECT_EQ(focusable, expected);
}

TEST_F(NewGameDialogTest, ThreeByThreeForThirtySeconds)
{
    // Counts become indices: 3 columns and 3 rows are GameWidth 2 and GameHeight 2.
    Start();
    Enter(Open(), "3", "3", "30");
    EXPECT_EQ(game().board.GameWidth, 2);
    EXPECT_EQ(game().board.GameHeight, 2);
    EXPECT_EQ(game().GameTime, 30);
    EXPECT_EQ(window->PicMap->size(), QSize(96, 96));
    EXPECT_EQ(game().board.bricks().Count(), 9);
    EXPECT_EQ(window->lblTime->text(), "00:00:30");
    EXPECT_EQ(window->newGameDialog(), nullptr);
    EXPECT_TRUE(Errors().empty());
    EXPECT_FALSE(window->timSec->isActive());
}

TEST_F(NewGameDialogTest, HeightTwoIsRefusedAndTheGameStartsAnyway)
{
    // The range message comes, the old height stays, the new game still starts.
    Start();
    ClickCell(0, 0);
    Enter(Open(), "5", "2", "60");
    using Shown = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(Errors(), (Shown{{"The game height must be above 2", "Error"}}));
    EXPECT_EQ(game().board.GameHeight, 11);
    EXPECT_EQ(game().board.GameWidth, 4);
    EXPECT_EQ(game().GameTime, 60);
    EXPECT_EQ(window->lblTime->text(), "00:01:00");
    EXPECT_EQ(window->newGameDialog(), nullptr);
}

TEST_F(NewGameDialogTest, FractionalCountsRoundHalfToEven)
{
    // Width 2.5 is above 2 and gives index 1.5 -> 2; height 3.5 gives 2.5 -> 2.
    Start();
    Enter(Open(), "2.5", "3.5", "120");
    EXPECT_EQ(game().board.GameWidth, 2);
    EXPECT_EQ(game().board.GameHeight, 2);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(NewGameDialogTest, TimeOfOneIsIgnoredAndTwoIsKept)
{
    // A time of 1 or less keeps the old length without a message.
    Start();
    Enter(Open(), "17", "12", "1");
    EXPECT_EQ(game().GameTime, 120);
    Enter(Open(), "17", "12", "2");
    EXPECT_EQ(game().GameTime, 2);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(NewGameDialogTest, TextThatIsNotANumberIsRefusedWithAMessage)
{
    // Letters or an empty box never end the program; the old values stay.
    Start();
    Enter(Open(), "wide", "", "soon");
    using Shown = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(Errors(), (Shown{{"The game height must be a number", "Error"},
                               {"The game width must be a number", "Error"}}));
    EXPECT_EQ(game().board.GameWidth, 16);
    EXPECT_EQ(game().board.GameHeight, 11);
    EXPECT_EQ(game().GameTime, 120);
}

TEST_F(NewGameDialogTest, MoreThanAThousandIsRefused)
{
    // A board beyond 1000 cells a side no longer fits the scroll bars.
    Start();
    Enter(Open(), "1001", "1000", "120");
    using Shown = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(Errors(), (Shown{{"The game width must be at most 1000", "Error"}}));
    EXPECT_EQ(game().board.GameWidth, 16);
    EXPECT_EQ(game().board.GameHeight, 999);
}

TEST_F(NewGameDialogTest, ClosingTheDialogStartsNoGameAndLeavesTheClockStopped)
{
    // The close box is not Start: the board and counters stay as they were.
    Start();
    ClickCell(0, 0);
    const std::string before = window->lblTime->text().toStdString();
    frmNewGame& dialog = Open();
    dialog.txtGameWidth->setText("3");
    dialog.close();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->newGameDialog(), nullptr);
    EXPECT_EQ(game().board.GameWidth, 16);
    EXPECT_FALSE(window->timSec->isActive());
    EXPECT_EQ(window->lblTime->text().toStdString(), before);
    ClickCell(0, 0);
    EXPECT_TRUE(window->timSec->isActive());
}

TEST_F(NewGameDialogTest, ChoosingNewGameAgainKeepsOneDialog)
{
    // A second New Game while the dialog is open brings the same dialog forward.
    Start();
    frmNewGame& first = Open();
    first.txtGameWidth->setText("9");
    frmNewGame& second = Open();
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(second.txtGameWidth->text(), "9");
}
