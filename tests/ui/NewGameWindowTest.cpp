#include "BoardSurface.h"
#include "MainWindowFixture.h"
#include "WrapButton.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using NewGameWindowTest = MainWindowTest;

TEST_F(NewGameWindowTest, ConfirmationThenOneDialogThatNeverBlocks)
{
    // No changes nothing; Yes stops the clock and opens one non-modal dialog on counts; closing it starts no game.
    Start();
    ClickCell({0, 0});
    messages.answers.push_back(MessageAnswer::No);
    Control<QAction>("MnuFileNewGame")->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Are you sure you want to start a new game?");
    EXPECT_TRUE(messages.shown[0].title == "Tolmora" && messages.shown[0].buttons == MessageButtons::YesNo);
    EXPECT_TRUE(Control<QTimer>("timSec")->isActive() && window->newGameDialog() == nullptr);
    frmNewGame* dialog = OpenNewGame();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(!Control<QTimer>("timSec")->isActive() && dialog->isVisible() && QApplication::activeModalWidget() == nullptr);
    EXPECT_EQ(OpenNewGame(), dialog);
    const auto texts = [&] {
        return QStringList{dialog->txtGameWidth->text(), dialog->txtGameHeight->text(), dialog->txtGameTime->text()};
    };
    EXPECT_EQ(texts(), (QStringList{"17", "12", "120"}));
    dialog->Command1->click();
    EXPECT_EQ(texts(), (QStringList{"16", "11", "120"}));
    EXPECT_EQ(dialog->size(), QSize(226, 139));
    EXPECT_EQ(dialog->cmdStart->geometry(), QRect(144, 88, 73, 41));
    // The keyboard walks width, height, Start, time, Reset Defaults.
    std::vector<QWidget*> order{dialog->txtGameWidth};
    for (QWidget* next = dialog->txtGameWidth->nextInFocusChain(); next != dialog->txtGameWidth && order.size() < 40;
         next = next->nextInFocusChain())
        if (next->focusPolicy() & Qt::TabFocus)
            order.push_back(next);
    EXPECT_EQ(order, (std::vector<QWidget*>{dialog->txtGameWidth, dialog->txtGameHeight, dialog->cmdStart,
                                            dialog->txtGameTime, dialog->Command1}));
    dialog->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->newGameDialog() == nullptr && Control<BoardSurface>("PicMap")->width() == 544 && !Control<QTimer>("timSec")->isActive());
    ClickCell({0, 0});
    EXPECT_TRUE(Control<QTimer>("timSec")->isActive());
}

TEST_F(NewGameWindowTest, StartSizesTheNewBoardOrSaysWhyNot)
{
    // Each box reaches its own rule; a refused value keeps the previous one and the game starts anyway.
    Start();
    const std::tuple<const char*, const char*, const char*, QSize, const char*, Lines> games[] = {
        {"3", "3", "30", {96, 96}, "00:00:30", {}},
        {"5", "2", "60", {160, 96}, "00:01:00", {"The game height must be above 2"}},
        {"wide", "", "1", {160, 96}, "00:01:00",
         {"The game height must be a number", "The game width must be a number"}},
    };
    for (const auto& [columns, rows, seconds, board, time, errors] : games) {
        messages.shown.clear();
        StartNewGame(columns, rows, seconds);
        Lines shown;
        for (const auto& message : messages.shown)
            if (message.title == "Error")
                shown.push_back(message.text);
        EXPECT_EQ(shown, errors) << columns;
        EXPECT_TRUE(Control<BoardSurface>("PicMap")->size() == board && Control<QLabel>("lblTime")->text() == time) << columns;
        EXPECT_TRUE(window->newGameDialog() == nullptr && !Control<QTimer>("timSec")->isActive());
    }
}

TEST_F(NewGameWindowTest, EveryMenuItemAndButtonWaitsWhileTheBoardIsRebuilt)
{
    // Menu items, the fill button and a second Start arriving while Start's new game lets events run are all dropped.
    Start();
    frmNewGame* dialog = OpenNewGame();
    ASSERT_NE(dialog, nullptr);
    dialog->txtGameWidth->setText("5");
    dialog->txtGameHeight->setText("4");
    bool insideRebuild = false;
    QTimer::singleShot(0, window.get(), [&] {
        insideRebuild = !game().acceptsInput();
        for (const char* item : {"MnuFileNewGame", "MnuTheme", "MnuHeighScores", "MnuFilePause", "MnuMute",
                                 "mnuFileExit", "MnuRules", "MnuAbout", "MnuKeepTheme", "MnuHighContrast",
                                 "MnuBrickSymbols", "MnuZoomIn"})
            Control<QAction>(item)->trigger();
        Control<WrapButton>("cmdFillSpace")->click();
        dialog->cmdStart->click();
    });
    messages.shown.clear();
    dialog->cmdStart->click();
    QCoreApplication::processEvents();
    ASSERT_TRUE(insideRebuild);
    QWidgetList shown;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible())
            shown.push_back(top);
    EXPECT_EQ(shown, QWidgetList{window.get()});
    EXPECT_TRUE(messages.shown.empty() && files.startFolders.empty());
    EXPECT_EQ(Control<QAction>("MnuFilePause")->text(), "Pause");
    EXPECT_FALSE(Control<QAction>("MnuMute")->isChecked() || Control<QGroupBox>("fraHighscores")->isVisible());
    EXPECT_TRUE(window->preferences() == PlayerPreferences{} && !Control<QAction>("MnuHighContrast")->isChecked() &&
                !Control<QAction>("MnuBrickSymbols")->isChecked());
    EXPECT_TRUE(Control<BoardSurface>("PicMap")->size() == QSize(160, 128) && game().board.LngTimeLeft == 120);
}
