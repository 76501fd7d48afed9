#pragma once

#include "GameFlow.h"
#include "PlayerPreferences.h"

#include <QKeyCombination>

#include <utility>
#include <vector>

class frmMain;
class QAction;
class QMenuBar;

// What a menu item shows of the window: its mark, its caption, whether it is on.
struct MenuFacts {
    const GameSnapshot& state;
    const PlayerPreferences& preferences;
    bool history;
    bool replaying;  // the game's own items wait while a replay is watched
    bool bestGroupShown;
};

// One menu item, declared once. An item with no name is a separator.
struct MenuItem {
    int menu;  // index into kMenus
    const char* name;
    const char* text;
    QKeyCombination key{Qt::Key_unknown};
    QKeyCombination alternate{Qt::Key_unknown};
    void (*handler)(frmMain&) = nullptr;
    void (*show)(QAction&, const MenuFacts&) = nullptr;
    bool checkable = false;
    // The window's own items keep to the game's gate: nothing may open,
    // close or zoom while events run inside a rebuild of the board. The
    // game's handlers keep their own gate, and a preference's toggle runs
    // anyway to put its mark back.
    bool gated = false;
};

// The window's menus, built and connected from the table of items.
class MenuActions {
public:
    MenuActions(frmMain& window, QMenuBar& bar);
    // Brings every mark, caption and enabled state in line with the facts.
    void show(const MenuFacts& facts);

private:
    std::vector<std::pair<const MenuItem*, QAction*>> m_actions;
};
