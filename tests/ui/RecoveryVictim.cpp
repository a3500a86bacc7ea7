// An editor that changes a map, writes its recovery copy, says "ready" and waits to be killed: the
// crash the recovery test recovers from.

#include "edit/EditSession.h"
#include "edit/Recovery.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/sheet/PropertySheet.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName("Tessel");
    QCoreApplication::setApplicationName("tessel-tests");
    if (argc < 3)
        return 2;
    TMainWindow window(QString::fromLocal8Bit(argv[2]));
    window.show();
    if (!window.OpenFile(QString::fromLocal8Bit(argv[1])))
        return 1;
    TPropertySheet& sheet = *window.Sheet();
    const int row = sheet.FindRow("MaxTurns");
    sheet.SetCurrentRow(row);
    sheet.SetValue(row, "123");
    window.CommitCurrentRow();
    window.Session().SetRecoveryInterval(20);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (window.Session().Recovery().HasFile()) {
            std::printf("ready\n");
            std::fflush(stdout);
            poll.stop();
        }
    });
    poll.start(20);
    return application.exec();
}
