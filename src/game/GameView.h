#pragma once

#include "ChangedCells.h"

#include <string>

// What the game asks of its main window: the things only a window can do.
// The window implements it; tests record the calls to check their order.
class GameView {
public:
    virtual ~GameView() = default;

    // Makes the window visible (it shows before the first board exists).
    virtual void ShowWindow() = 0;
    // Loads the brick pictures and sounds of a theme file; an empty path
    // loads the built-in set.
    virtual void LoadBricks(const std::string& StrTheme) = 0;
    // Sizes the board surface, its frame and the window to GameWidth and
    // GameHeight; atLoad is true at start-up, false at a new game.
    virtual void SizeToBoard(bool atLoad) = 0;
    // Shows the state, then lets pending window events run once.
    virtual void ProcessEvents() = 0;
    // Paints the whole board. The controller has already written the score
    // into its lblScore label.
    virtual void DrawBricks() = 0;
    // Paints the cells that changed since the last drawing; a window that
    // cannot tell them apart paints the whole board.
    virtual void DrawChangedBricks(const ChangedCells& changed)
    {
        (void)changed;
        DrawBricks();
    }
    // Opens the new-game dialog without waiting for it.
    virtual void ShowNewGameDialog() = 0;
    // Centre the two overlays on the board frame's interior.
    virtual void CentreGameOverFrame() = 0;
    virtual void CentreHighScoreFrame() = 0;
    // Brings every widget in line with the controller's snapshot. The window
    // calls it after every handler it forwards; the controller calls it
    // before anything that waits on the player.
    virtual void ShowState() = 0;
};
