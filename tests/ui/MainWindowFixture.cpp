#include "MainWindowFixture.h"

#include "BoardGeometry.h"
#include "BoardSurface.h"
#include "frmNewGame.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

MainWindowTest::MainWindowTest()
{
    QObject::connect(&m_watchdog, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "a modal dialog opened: " << modal->windowTitle().toStdString();
            modal->close();
        }
    });
    m_watchdog.start(200);
}

MainWindowTest::~MainWindowTest()
{
    if (window)
        window->close();
}

void MainWindowTest::Start(std::optional<std::string> file)
{
    QFile out(folder.filePath("Settings.log"));
    if (file && out.open(QIODevice::WriteOnly))
        out.write(file->c_str());
    out.close();
    window = std::make_unique<frmMain>(
        frmMainServices{sound, random, messages, input, files, settings, folder.path().toStdString(), preferenceStore,
                        &history, &history});
    window->Form_Load();
}

std::string MainWindowTest::ReadSettings() const
{
    QFile file(folder.filePath("Settings.log"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<no file>";
}

std::string MainWindowTest::Layout() const
{
    const auto bar = [](const QScrollBar* b) {
        const std::string shown = b->isVisible() ? " " : " hidden ";
        return shown + std::to_string(b->maximum()) + "/" + std::to_string(b->value());
    };
    const QFrame* frame = Control<QFrame>("PicMain");
    const BoardSurface* surface = Control<BoardSurface>("PicMap");
    return std::to_string(frame->width()) + "x" + std::to_string(frame->height()) + " at " +
           std::to_string(surface->x()) + "," + std::to_string(surface->y()) + " H" +
           bar(Control<QScrollBar>("HSWidth")) + " V" + bar(Control<QScrollBar>("VSHeight"));
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

void MainWindowTest::Click(QWidget* widget, QPoint at, Qt::MouseButton button)
{
    QTest::mouseClick(window->windowHandle(), button, {}, widget->mapTo(window.get(), at));
}

void MainWindowTest::ClickCell(QPoint cell, Qt::MouseButton button)
{
    Click(Control<BoardSurface>("PicMap"), cell * kCellPixels + QPoint(kCellPixels / 2, kCellPixels / 2), button);
}

void MainWindowTest::Keys(std::initializer_list<Qt::Key> keys, Qt::KeyboardModifiers modifiers)
{
    for (Qt::Key key : keys)
        QTest::keyClick(window->windowHandle(), key, modifiers);
    QCoreApplication::processEvents();
}

void MainWindowTest::Tick(int count)
{
    for (int i = 0; i < count; ++i) {
        ASSERT_TRUE(Control<QTimer>("timSec")->isActive()) << "the clock is not running";
        window->timSec_Timer();
    }
}

frmNewGame* MainWindowTest::OpenNewGame()
{
    messages.answers.push_back(MessageAnswer::Yes);
    Control<QAction>("MnuFileNewGame")->trigger();
    return window->newGameDialog();
}

void MainWindowTest::StartNewGame(const char* columns, const char* rows, const char* seconds)
{
    frmNewGame* dialog = OpenNewGame();
    ASSERT_NE(dialog, nullptr);
    dialog->txtGameWidth->setText(columns);
    dialog->txtGameHeight->setText(rows);
    dialog->txtGameTime->setText(seconds);
    dialog->cmdStart->click();
    QCoreApplication::processEvents();
}
