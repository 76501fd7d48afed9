#include "HostileFiles.h"
#include "MainWindowFixture.h"
#include "GameTexts.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QTimer>

#include <cmath>
#include <tuple>
#include <sys/stat.h>

using PreferencesWindowTest = MainWindowTest;

namespace {

// Contrast of two colours by the WCAG 2 relative-luminance formula.
double Contrast(const QColor& a, const QColor& b)
{
    const auto linear = [](double s) { return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4); };
    const auto luminance = [&](const QColor& c) {
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a) + 0.05, lb = luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

struct FileCase {
    const char* what;
    std::string text;
    PlayerPreferences expected;
    friend void PrintTo(const FileCase& c, std::ostream* os) { *os << c.what; }
};

class HostilePreferences : public PreferencesWindowTest, public ::testing::WithParamInterface<FileCase> {};

enum class Leave { OtherProgram, Minimised, OwnWindow };
struct LeaveCase {
    const char* what;
    bool choice;
    Leave leave;
    bool pauses;
    friend void PrintTo(const LeaveCase& c, std::ostream* os) { *os << c.what; }
};

class Leaving : public PreferencesWindowTest, public ::testing::WithParamInterface<LeaveCase> {};

}  // namespace

// Every choice survives a restart, menu marks, zoomed layout and sound switches included, and "Settings.log" keeps
// its 25 lines, its mute line as it was.
TEST_F(PreferencesWindowTest, ChoicesSurviveARestart)
{
    const PlayerPreferences rows[] = {{true, 150, true, false, false, true, true},
                                      {false, 300, false, true, true, false, false},
                                      {true, 250, true, true, false, false, true}};
    // Each item's default and its flag: a row differing from the default has the item clicked.
    const std::tuple<const char*, bool, bool PlayerPreferences::*> items[] = {
        {"MnuKeepTheme", false, &PlayerPreferences::keepThemeForNewGames},
        {"MnuHighContrast", false, &PlayerPreferences::highContrastPanel},
        {"MnuMusic", true, &PlayerPreferences::music},
        {"MnuSoundEffects", true, &PlayerPreferences::soundEffects},
        {"MnuPauseWhenInactive", false, &PlayerPreferences::pauseWhenInactive}};
    for (const PlayerPreferences& row : rows) {
        QFile::remove(preferences.filePath());
        Start();
        window->setPreferences({row.brickSymbols, row.zoomPercent});
        for (const auto& [name, byDefault, flag] : items)
            if (row.*flag != byDefault)
                Control<QAction>(name)->trigger();
        const auto shown = std::pair(Layout(), Client());
        window->close();
        Start();
        EXPECT_EQ(window->preferences(), row);
        EXPECT_EQ(std::pair(Layout(), Client()), shown);
        for (const auto& [name, byDefault, flag] : items)
            EXPECT_EQ(Control<QAction>(name)->isChecked(), row.*flag) << name;
        EXPECT_EQ(std::pair(sound.music, sound.effects), std::pair(row.music, row.soundEffects));
        EXPECT_TRUE(sound.BlnSound);
        const QString written = QString::fromStdString(ReadSettings());
        EXPECT_EQ(written.count("\r\n"), 25);
        EXPECT_EQ(written.section("\r\n", 4, 4), "sound");
        window->close();
    }
}

// A damaged or hostile file gives the defaults for what cannot be read, and the next change replaces it whole.
TEST_P(HostilePreferences, ReadsWhatItCanAndDefaultsTheRest)
{
    hostile::WriteFile(preferences.filePath().toStdString(), GetParam().text);
    EXPECT_EQ(preferences.Read(), GetParam().expected);
    const PlayerPreferences changed{true, 300, true, true, false, false, true};
    EXPECT_TRUE(preferences.Write(changed));
    EXPECT_EQ(preferences.Read(), changed);
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostilePreferences,
    ::testing::Values(
        FileCase{"garbage", "\x01\xff[[=]\n=\n\x7f", {}},
        FileCase{"wrong kinds", "[Options]\nBrickSymbols=maybe\nZoom=big\nKeepThemeForNewGames=2\n"
                                "HighContrastPanel=yes\n",
                 {false, 100, false, true}},
        FileCase{"zoom off the steps", "[Options]\nZoom=-5\nBrickSymbols=On\nKeepThemeForNewGames=1\n", {true, 100, true, false}},
        FileCase{"huge zoom", "[Options]\nZoom=99999999999999999999\n", {}},
        FileCase{"a list for a flag", "[Options]\nBrickSymbols=true, false\nZoom=200\n", {false, 200, false, false}},
        FileCase{"sound and pause", "[Options]\nPauseWhenInactive=yes\nMusic=off\nSoundEffects=loud\n",
                 {false, 100, false, false, false, true, true}},
        FileCase{"cut short", "[Options]\nBrickSymbols=true\nZoom=250\nKeepThe", {true, 250, false, false}},
        FileCase{"too large", "[Options]\nBrickSymbols=true\n" + std::string(IniPreferencesStore::kMaxFileBytes, '#'),
                 {}}));

// A folder or a FIFO where the file belongs is neither read (a FIFO would block) nor replaced; a folder that takes
// no files gives the defaults, and the game keeps a choice for this run only, telling the player once.
TEST_F(PreferencesWindowTest, OnlyARegularFileInAWritableFolderIsReadOrReplaced)
{
    const std::filesystem::path root = folder.path().toStdString();
    std::filesystem::create_directories(root / "folder" / IniPreferencesStore::kFileName);
    std::filesystem::create_directory(root / "fifo");
    ::mkfifo((root / "fifo" / IniPreferencesStore::kFileName).c_str(), 0600);
    hostile::WriteFile(root / "blocker", "a file, so nothing can be made under it");
    for (const char* place : {"folder", "fifo", "blocker/sub"}) {
        IniPreferencesStore store(root / place, &messages);
        EXPECT_EQ(store.Read(), PlayerPreferences{}) << place;
        preferenceStore = &store;
        Start();
        Control<QAction>("MnuKeepTheme")->trigger();
        Control<QAction>("MnuBrickSymbols")->trigger();
        EXPECT_TRUE(window->preferences().keepThemeForNewGames && store.Read() == PlayerPreferences{}) << place;
        ASSERT_EQ(messages.shown.size(), 1u) << place;
        EXPECT_EQ(messages.shown[0].text, "Your preferences could not be saved to " +
                                              (root / place / IniPreferencesStore::kFileName).string() + ".");
        messages.shown.clear();
        window.reset();
    }
}

// High contrast gives the panel's red and green at least 4.5:1 on the real panel background; off leaves every colour.
TEST_F(PreferencesWindowTest, HighContrastShadesAreReadableOnThePanel)
{
    Start();
    const QColor panel = Control<QWidget>("PicInfo")->palette().color(QPalette::Window);
    for (ColorRef color : {kColorRed, kColorGreen, kColorBlack}) {
        EXPECT_GE(Contrast(QColor::fromRgb(ToQRgb(PanelTextColor(color, true))), panel), 4.5) << std::hex << color;
        EXPECT_EQ(PanelTextColor(color, false), color);
    }
    // The grouping hint is red at start-up; the menu item darkens it and gives it back.
    const auto* hint = Control<QLabel>("lblMinmumBlock");
    EXPECT_EQ(hint->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    Control<QAction>("MnuHighContrast")->trigger();
    EXPECT_EQ(hint->palette().color(QPalette::WindowText), QColor(176, 0, 0));
    Control<QAction>("MnuHighContrast")->trigger();
    EXPECT_EQ(hint->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

// With Pause When Inactive on, the program losing the focus or its window minimised pauses a running clock as Pause
// does: the board hidden, the clock stopped, the item reading Resume. A window of our own taking the focus is no
// leaving. Back in the game, the pause lasts until the player ends it.
TEST_P(Leaving, PausesARunningClockOnlyWhenTheProgramIsLeft)
{
    const LeaveCase& c = GetParam();
    Start();
    if (c.choice)
        Control<QAction>("MnuPauseWhenInactive")->trigger();
    ClickCell({0, 0});
    Tick();
    const auto shown = [this] {
        return std::tuple(Control<QTimer>("timSec")->isActive(), !Control<QWidget>("PicMap")->isHidden(),
                          Control<QAction>("MnuFilePause")->text());
    };
    const auto running = std::tuple(true, true, QStringLiteral("Pause"));
    const auto expected = c.pauses ? std::tuple(false, false, QStringLiteral("Resume")) : running;
    switch (c.leave) {
    case Leave::OtherProgram:
        // What Qt reports once no window of the program holds the focus.
        emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        break;
    case Leave::Minimised:
        window->showMinimized();
        break;
    case Leave::OwnWindow:
        Control<QAction>("MnuStatistics")->trigger();
        QCoreApplication::processEvents();
        ASSERT_NE(QGuiApplication::focusWindow(), window->windowHandle()) << "the main window kept the focus";
        break;
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(shown(), expected);

    window->showNormal();
    window->activateWindow();
    emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    QCoreApplication::processEvents();
    EXPECT_EQ(shown(), expected);
    if (c.pauses) {
        Keys({Qt::Key_F3});
        EXPECT_EQ(shown(), running);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Leaving,
    ::testing::Values(LeaveCase{"another program", true, Leave::OtherProgram, true},
                      LeaveCase{"minimised", true, Leave::Minimised, true},
                      LeaveCase{"a window of our own", true, Leave::OwnWindow, false},
                      LeaveCase{"another program, choice off", false, Leave::OtherProgram, false},
                      LeaveCase{"minimised, choice off", false, Leave::Minimised, false}));
