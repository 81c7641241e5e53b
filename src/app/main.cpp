#include "app/WindowCatalog.h"
#include "shell/Startup.h"
#include "ui/FirstPaintReporter.h"
#include "ui/InteractionReporter.h"
#include "ui/Platform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kite-Tutor"));
    QApplication::setDesktopFileName(QStringLiteral("org.kitetutor.KiteTutor"));
    kt::FirstPaintReporter reporter(QStringLiteral("KiteTu"));
    if (qEnvironmentVariableIsSet("KITE_REPORT_FIRST_PAINT"))
        app.installEventFilter(&reporter);
    kt::InteractionReporter interactions({QStringLiteral("LabelWrong")});
    if (qEnvironmentVariableIsSet("KITE_REPORT_INTERACTION"))
        app.installEventFilter(&interactions);
    kt::installDesktopPlatform();
    kt::registerWindows();
    kt::SubMain();
    return QApplication::exec();
}
