// GoogleTest main for suites that need a QApplication: Qt's offscreen
// platform, a private runtime folder, and no display required.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir runtimeDir(QDir::tempPath() + "/tolmora-test-runtime-XXXXXX");
    if (runtimeDir.isValid()) {
        chmod(runtimeDir.path().toLocal8Bit().constData(), 0700);
        setenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit().constData(), 1);
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
