// The edit session needs an application for its timer and the recovery folder, but no window: settings
// and recovery copies go to a home of the process's own.

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication application(argc, argv);
    QCoreApplication::setOrganizationName("Tessel");
    QCoreApplication::setApplicationName("tessel-edit-tests");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
