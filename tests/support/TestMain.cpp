#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#ifdef VAZ_UI_TEST
#include <QApplication>
#endif

#include <gtest/gtest.h>

// Windows, and transfers that wait in event loops, need an application object.
int main(int argc, char **argv)
{
#ifdef VAZ_UI_TEST
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    // Recent files, folders and ports of the tests, not the user's.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    // And their transfer logs, however the test program was started.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
