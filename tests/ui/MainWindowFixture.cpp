#include "MainWindowFixture.h"

#include "BoardSurface.h"
#include "BrickImages.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <map>

ModalWatchdog::ModalWatchdog()
{
    m_timer.setInterval(200);
    QObject::connect(&m_timer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "a modal dialog opened: " << modal->metaObject()->className() << " \""
                          << modal->windowTitle().toStdString() << "\"";
            modal->close();
        }
    });
    m_timer.start();
}

ModalWatchdog::~ModalWatchdog() = default;

std::string SettingsText(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

MainWindowTest::MainWindowTest()
{
    settings = std::make_unique<DiskSettingsStore>(folder.path().toStdString(), nullptr, nullptr);
}

MainWindowTest::~MainWindowTest()
{
    if (window)
        window->close();
    window.reset();
}

void MainWindowTest::WriteSettings(const std::string& text)
{
    QFile file(folder.filePath(QStringLiteral("Settings.log")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
}

frmMain& MainWindowTest::Start()
{
    window = std::make_unique<frmMain>(
        frmMainServices{sound, random, messages, input, files, *settings, folder.path().toStdString()});
    window->Form_Load();
    return *window;
}

std::optional<std::vector<std::string>> MainWindowTest::ReadSettings() const
{
    QFile file(folder.filePath(QStringLiteral("Settings.log")));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::string text = file.readAll().toStdString();
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::optional<std::vector<std::string>> MainWindowTest::CloseAndReadSettings()
{
    window->close();
    return ReadSettings();
}

QSize MainWindowTest::Client() const
{
    return window->centralWidget()->size();
}

void MainWindowTest::ResizeClient(int width, int height)
{
    window->resize(width, height + window->height() - Client().height());
    QCoreApplication::processEvents();
}

void MainWindowTest::ClickCell(int column, int row, Qt::MouseButton button)
{
    ClickBoardPixel(QPoint(32 * column + 16, 32 * row + 16), button);
}

void MainWindowTest::ClickBoardPixel(QPoint pixel, Qt::MouseButton button)
{
    const QPoint at = window->PicMap->mapTo(window.get(), pixel);
    QTest::mouseClick(window->windowHandle(), button, Qt::KeyboardModifiers(), at);
}

void MainWindowTest::ClickViewport(QPoint point)
{
    const QPoint at = window->PicMainInterior->mapTo(window.get(), point);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::KeyboardModifiers(), at);
}

void MainWindowTest::Tick()
{
    ASSERT_TRUE(window->timSec->isActive()) << "the clock is not running";
    window->timSec_Timer();
}

void MainWindowTest::NewGameThroughDialog(const std::string& columns, const std::string& rows,
                                          const std::string& seconds)
{
    messages.answers.push_back(MessageAnswer::Yes);
    window->MnuFileNewGame->trigger();
    frmNewGame* dialog = window->newGameDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->txtGameWidth->setText(QString::fromStdString(columns));
    dialog->txtGameHeight->setText(QString::fromStdString(rows));
    dialog->txtGameTime->setText(QString::fromStdString(seconds));
    dialog->cmdStart->click();
    QCoreApplication::processEvents();
}

std::vector<std::string> MainWindowTest::Played() const
{
    const std::map<const void*, std::string> names{
        {sound.BytMain.get(), "MAIN"},         {sound.BytLastMin.get(), "LASTMIN"},
        {sound.BytLast30.get(), "LAST30"},     {sound.BytGameOver.get(), "GAMEOVER"},
        {sound.BytNoSound.get(), "NOSOUND"},
    };
    std::vector<std::string> played;
    for (const auto& call : audio.calls) {
        const auto name = names.find(call.wave.get());
        played.push_back(name == names.end() ? "?" : name->second);
    }
    return played;
}

std::optional<std::pair<int, int>> MainWindowTest::CellOfGroup() const
{
    const GameBoard& board = window->game().board;
    for (const Brick& brick : board.bricks()) {
        for (auto [dx, dy] : {std::pair{1, 0}, std::pair{0, 1}}) {
            const Brick* next = board.bricks().ItemByXY(brick.LngX + dx, brick.LngY + dy);
            if (next && next->StrColor == brick.StrColor && brick.StrColor != "None" && brick.StrColor != "none")
                return std::pair{brick.LngX, brick.LngY};
        }
    }
    return std::nullopt;
}
