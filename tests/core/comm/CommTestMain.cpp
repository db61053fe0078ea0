#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The transfers wait in event loops, which need an application object.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The ports remembered by the tests, not the user's.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
