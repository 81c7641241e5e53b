#include "shell/Startup.h"
#include "ui/Platform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kite-Tutor"));
    QApplication::setDesktopFileName(QStringLiteral("org.kitetutor.KiteTutor"));
    kt::installDesktopPlatform();
    kt::registerWindows();
    kt::SubMain();
    return QApplication::exec();
}
