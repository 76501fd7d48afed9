#include "MainWindowFixture.h"
#include "PanelText.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QLabel>

#include <cmath>
#include <functional>
#include <sys/stat.h>

using PreferencesWindowTest = MainWindowTest;

namespace {

// Contrast of two colours by the WCAG 2 relative-luminance formula.
double Contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](int v) {
            const double s = v / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
    };
    const double la = luminance(a) + 0.05, lb = luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

QColor TextColor(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

struct FileCase {
    const char* what;
    std::function<void(const QString& path)> make;
    PlayerPreferences expected;
    bool replaceable;  // a write may put a good file in its place
    friend void PrintTo(const FileCase& c, std::ostream* os) { *os << c.what; }
};

void Put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

std::function<void(const QString&)> Text(const char* text)
{
    return [text](const QString& path) { Put(path, text); };
}

class HostilePreferences : public PreferencesWindowTest, public ::testing::WithParamInterface<FileCase> {};

}  // namespace

// Every choice survives a restart, the menu's marks included, and "Settings.log" keeps its 25 lines.
TEST_F(PreferencesWindowTest, ChoicesSurviveARestart)
{
    const PlayerPreferences rows[] = {{true, 150, true, false}, {false, 300, false, true}, {true, 250, true, true}};
    for (const PlayerPreferences& row : rows) {
        QFile::remove(preferences.filePath());
        Start();
        PlayerPreferences wanted = window->preferences();
        wanted.brickSymbols = row.brickSymbols;
        wanted.zoomPercent = row.zoomPercent;
        window->setPreferences(wanted);
        if (row.keepThemeForNewGames)
            Control<QAction>("MnuKeepTheme")->trigger();
        if (row.highContrastPanel)
            Control<QAction>("MnuHighContrast")->trigger();
        window->close();
        window.reset();
        EXPECT_EQ(IniPreferencesStore(folder.path().toStdString()).Read(), row);
        Start();
        EXPECT_EQ(window->preferences(), row);
        EXPECT_EQ(Control<QAction>("MnuKeepTheme")->isChecked(), row.keepThemeForNewGames);
        EXPECT_EQ(Control<QAction>("MnuHighContrast")->isChecked(), row.highContrastPanel);
        EXPECT_EQ(QString::fromStdString(ReadSettings()).count("\r\n"), 25);
        window->close();
    }
}

// A damaged or hostile file gives the defaults for what cannot be read, never a crash or a hang.
TEST_P(HostilePreferences, ReadsWhatItCanAndDefaultsTheRest)
{
    const FileCase& c = GetParam();
    c.make(preferences.filePath());
    EXPECT_EQ(preferences.Read(), c.expected);
    Start();
    EXPECT_EQ(window->preferences(), c.expected);
    Control<QAction>("MnuHighContrast")->trigger();
    PlayerPreferences changed = c.expected;
    changed.highContrastPanel = !changed.highContrastPanel;
    EXPECT_EQ(preferences.Read(), c.replaceable ? changed : PlayerPreferences{});
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostilePreferences,
    ::testing::Values(
        FileCase{"garbage", Text("\x01\xff[[=]\n=\n\x7f"), {}, true},
        FileCase{"wrong kinds", Text("[Options]\nBrickSymbols=maybe\nZoom=big\nKeepThemeForNewGames=2\n"
                                     "HighContrastPanel=yes\n"), {false, 100, false, true}, true},
        FileCase{"zoom off the steps", Text("[Options]\nZoom=123\nBrickSymbols=On\n"), {true, 100, false, false}, true},
        FileCase{"negative zoom", Text("[Options]\nZoom=-5\nKeepThemeForNewGames=1\n"), {false, 100, true, false}, true},
        FileCase{"huge zoom", Text("[Options]\nZoom=99999999999999999999\n"), {}, true},
        FileCase{"a list for a flag", Text("[Options]\nBrickSymbols=true, false\nZoom=200\n"), {false, 200, false, false}, true},
        FileCase{"cut short", Text("[Options]\nBrickSymbols=true\nZoom=250\nKeepThe"), {true, 250, false, false}, true},
        FileCase{"too large",
                 [](const QString& path) {
                     Put(path, "[Options]\nBrickSymbols=true\n" + QByteArray(IniPreferencesStore::kMaxFileBytes, '#'));
                 },
                 {}, true},
        FileCase{"a folder", [](const QString& path) { QDir().mkpath(path); }, {}, false},
        FileCase{"a FIFO", [](const QString& path) { ::mkfifo(path.toLocal8Bit().constData(), 0600); }, {}, false}));

// A folder that takes no files: the game starts with the defaults and the choice lasts for this run.
TEST_F(PreferencesWindowTest, AnUnwritableFolderKeepsTheChoiceForThisRunOnly)
{
    Put(folder.filePath("blocker"), "a file, so nothing can be made under it");
    IniPreferencesStore blocked(folder.filePath("blocker/sub").toStdString());
    EXPECT_FALSE(blocked.Write({true, 200, true, true}));
    preferenceStore = &blocked;
    Start();
    Control<QAction>("MnuKeepTheme")->trigger();
    EXPECT_TRUE(window->preferences().keepThemeForNewGames && Control<QAction>("MnuKeepTheme")->isChecked());
    EXPECT_EQ(blocked.Read(), PlayerPreferences{});
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
    EXPECT_EQ(TextColor(hint), QColor(255, 0, 0));
    Control<QAction>("MnuHighContrast")->trigger();
    EXPECT_EQ(TextColor(hint), QColor(176, 0, 0));
    Control<QAction>("MnuHighContrast")->trigger();
    EXPECT_EQ(TextColor(hint), QColor(255, 0, 0));
}

// The Options items keep to the rebuild gate: chosen while a new game rebuilds the board, they change nothing.
TEST_F(PreferencesWindowTest, OptionsWaitWhileTheBoardIsRebuilt)
{
    Start();
    frmNewGame* dialog = OpenNewGame();
    ASSERT_NE(dialog, nullptr);
    bool insideRebuild = false;
    QTimer::singleShot(0, window.get(), [&] {
        insideRebuild = !game().acceptsInput();
        Control<QAction>("MnuKeepTheme")->trigger();
        Control<QAction>("MnuHighContrast")->trigger();
    });
    dialog->cmdStart->click();
    QCoreApplication::processEvents();
    ASSERT_TRUE(insideRebuild);
    EXPECT_EQ(window->preferences(), PlayerPreferences{});
    EXPECT_FALSE(Control<QAction>("MnuKeepTheme")->isChecked() || Control<QAction>("MnuHighContrast")->isChecked());
    EXPECT_FALSE(QFile::exists(preferences.filePath()));
}
