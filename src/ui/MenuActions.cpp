#include "MenuActions.h"

#include "FrmAbout.h"
#include "GameTexts.h"
#include "frmMain.h"
#include "frmRules.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>

#include <algorithm>
#include <iterator>

namespace {
constexpr std::pair<const char*, const char*> kMenus[] = {
    {"mnufile", QT_TRANSLATE_NOOP("MenuActions", "File")}, {"mnuOptions", QT_TRANSLATE_NOOP("MenuActions", "Options")}, {"MnuHelp", QT_TRANSLATE_NOOP("MenuActions", "Help")}};

void Check(QAction& action, bool checked) { action.setChecked(checked); }
void GameItem(QAction& action, const MenuFacts& facts) { action.setEnabled(!facts.replaying); }

// A game chosen while a replay is watched ends the replay first, as Escape
// does, and is then what it always is.
template <void (GameFlow::*Handler)()>
void NewGameItem(frmMain& window)
{
    window.leaveReplay();
    window.handle(Handler);
}

const MenuItem kItems[] = {
    {0, "MnuFileNewGame", QT_TRANSLATE_NOOP("MenuActions", "New Game"), Qt::Key_F1, {}, &NewGameItem<&GameFlow::MnuFileNewGame_Click>},
    {0, "MnuTheme", QT_TRANSLATE_NOOP("MenuActions", "Theme"), Qt::Key_F2, {}, [](frmMain& w) { w.handle(&GameFlow::MnuTheme_Click); }, GameItem},
    {0, "MnuHeighScores", QT_TRANSLATE_NOOP("MenuActions", "High Scores"), Qt::CTRL | Qt::Key_H, {},
     [](frmMain& w) { w.handle(&GameFlow::MnuHeighScores_Click); }, GameItem},
    {0, nullptr, nullptr},
    {0, "MnuFilePause", QT_TRANSLATE_NOOP("MenuActions", "Pause"), Qt::Key_F3, {}, [](frmMain& w) { w.handle(&GameFlow::MnuFilePause_Click); },
     [](QAction& a, const MenuFacts& f) {
         a.setText(PauseCaption(f.state.run));
         GameItem(a, f);
     }},
    {0, "MnuMute", QT_TRANSLATE_NOOP("MenuActions", "Mute"), Qt::Key_F4, {}, [](frmMain& w) { w.handle(&GameFlow::MnuMute_Click); },
     [](QAction& a, const MenuFacts& f) {
         Check(a, f.state.muted);
         GameItem(a, f);
     }, true},
    {0, nullptr, nullptr},
    {0, "mnuFileExit", QT_TRANSLATE_NOOP("MenuActions", "Exit"), Qt::CTRL | Qt::Key_X, {}, [](frmMain& w) { w.close(); }, nullptr, false, true},

    {1, "MnuBrickSymbols", QT_TRANSLATE_NOOP("MenuActions", "Brick Symbols"), Qt::Key_F7, {},
     [](frmMain& w) { w.togglePreference(&PlayerPreferences::brickSymbols); },
     [](QAction& a, const MenuFacts& f) { Check(a, f.preferences.brickSymbols); }, true},
    {1, nullptr, nullptr},
    // Ctrl+= too, for keyboards where + needs Shift. The zoom steps stop at both ends.
    {1, "MnuZoomIn", QT_TRANSLATE_NOOP("MenuActions", "Zoom In"), Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal,
     [](frmMain& w) {
         const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), w.preferences().zoomPercent);
         if (next != kZoomSteps.end())
             w.zoomTo(*next);
     },
     [](QAction& a, const MenuFacts& f) { a.setEnabled(f.preferences.zoomPercent < kZoomSteps.back()); }, false, true},
    {1, "MnuZoomOut", QT_TRANSLATE_NOOP("MenuActions", "Zoom Out"), Qt::CTRL | Qt::Key_Minus, {},
     [](frmMain& w) {
         const auto at = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), w.preferences().zoomPercent);
         if (at != kZoomSteps.begin())
             w.zoomTo(*std::prev(at));
     },
     [](QAction& a, const MenuFacts& f) { a.setEnabled(f.preferences.zoomPercent > kZoomSteps.front()); }, false, true},
    {1, "MnuActualSize", QT_TRANSLATE_NOOP("MenuActions", "Actual Size"), Qt::CTRL | Qt::Key_0, {}, [](frmMain& w) { w.zoomTo(kZoomSteps.front()); },
     nullptr, false, true},
    {1, nullptr, nullptr},
    {1, "MnuKeepTheme", QT_TRANSLATE_NOOP("MenuActions", "Keep Theme for New Games"), Qt::Key_unknown, {},
     [](frmMain& w) { w.togglePreference(&PlayerPreferences::keepThemeForNewGames); },
     [](QAction& a, const MenuFacts& f) { Check(a, f.preferences.keepThemeForNewGames); }, true},
    {1, "MnuHighContrast", QT_TRANSLATE_NOOP("MenuActions", "High Contrast Panel"), Qt::Key_unknown, {},
     [](frmMain& w) { w.togglePreference(&PlayerPreferences::highContrastPanel); },
     [](QAction& a, const MenuFacts& f) { Check(a, f.preferences.highContrastPanel); }, true},
    {1, nullptr, nullptr},
    {1, "MnuMusic", QT_TRANSLATE_NOOP("MenuActions", "Music"), Qt::Key_unknown, {}, [](frmMain& w) { w.togglePreference(&PlayerPreferences::music); },
     [](QAction& a, const MenuFacts& f) { Check(a, f.preferences.music); }, true},
    {1, "MnuSoundEffects", QT_TRANSLATE_NOOP("MenuActions", "Sound Effects"), Qt::Key_unknown, {},
     [](frmMain& w) { w.togglePreference(&PlayerPreferences::soundEffects); },
     [](QAction& a, const MenuFacts& f) { Check(a, f.preferences.soundEffects); }, true},
    {1, "MnuPauseWhenInactive", QT_TRANSLATE_NOOP("MenuActions", "Pause When Inactive"), Qt::Key_unknown, {},
     [](frmMain& w) { w.togglePreference(&PlayerPreferences::pauseWhenInactive); },
     [](QAction& a, const MenuFacts& f) { Check(a, f.preferences.pauseWhenInactive); }, true},
    {1, nullptr, nullptr},
    {1, "MnuPlayBoardNumber", QT_TRANSLATE_NOOP("MenuActions", "Play Board Number\u2026"), Qt::Key_F9, {},
     &NewGameItem<&GameFlow::MnuPlayBoardNumber_Click>},
    {1, "MnuDailyBoard", QT_TRANSLATE_NOOP("MenuActions", "Daily Board"), Qt::CTRL | Qt::Key_D, {},
     &NewGameItem<&GameFlow::MnuDailyBoard_Click>},
    {1, "MnuStatistics", QT_TRANSLATE_NOOP("MenuActions", "Statistics\u2026"), Qt::Key_F8, {}, [](frmMain& w) { w.showStatistics(); },
     [](QAction& a, const MenuFacts& f) { a.setEnabled(f.history); }, false, true},
    {1, "MnuShowBestGroup", QT_TRANSLATE_NOOP("MenuActions", "Show Best Group"), Qt::Key_B, {}, [](frmMain& w) { w.toggleBestGroup(); },
     [](QAction& a, const MenuFacts& f) {
         a.setEnabled(f.replaying);
         Check(a, f.bestGroupShown);
     }, true},

    {2, "MnuRules", QT_TRANSLATE_NOOP("MenuActions", "Rules and other help"), Qt::Key_F5, {}, [](frmMain&) { frmRules::ShowOrRaise(); }, nullptr, false,
     true},
    {2, nullptr, nullptr},
    {2, "MnuAbout", QT_TRANSLATE_NOOP("MenuActions", "About"), Qt::Key_F6, {}, [](frmMain& w) { FrmAbout::ShowOwnedBy(&w); }, nullptr, false, true},
};
}  // namespace

MenuActions::MenuActions(frmMain& window, QMenuBar& bar)
{
    QMenu* menus[std::size(kMenus)];
    for (size_t i = 0; i < std::size(kMenus); ++i) {
        menus[i] = bar.addMenu(QCoreApplication::translate("MenuActions", kMenus[i].second));
        menus[i]->setObjectName(QLatin1String(kMenus[i].first));
    }
    for (const MenuItem& item : kItems) {
        QMenu* menu = menus[item.menu];
        if (!item.name) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QCoreApplication::translate("MenuActions", item.text));
        action->setObjectName(QLatin1String(item.name));
        QList<QKeySequence> keys;
        for (QKeyCombination key : {item.key, item.alternate})
            if (key.key() != Qt::Key_unknown)
                keys << QKeySequence(key);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setCheckable(item.checkable);
        // Every game handler ends by having the window show the state it left.
        QObject::connect(action, &QAction::triggered, &window, [&window, &item] {
            if (!item.gated || window.game().acceptsInput())
                item.handler(window);
        });
        m_actions.emplace_back(&item, action);
    }
}

void MenuActions::show(const MenuFacts& facts)
{
    for (const auto& [item, action] : m_actions)
        if (item->show)
            item->show(*action, facts);
}
