#include "shell/Startup.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QDateTime>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

// For the start-up benchmark only: reports the wall-clock time at which the
// main window's first paint has been handed to the display.
class FirstPaintReporter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && qobject_cast<QWidget*>(watched)->window()->objectName() == QLatin1String("KiteTu")) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, [] {
                std::fprintf(stderr, "first-paint-epoch-ms %lld\n",
                             static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
                std::fflush(stderr);
            });
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kite-Tutor"));
    QApplication::setDesktopFileName(QStringLiteral("org.kitetutor.KiteTutor"));
    FirstPaintReporter reporter;
    if (qEnvironmentVariableIsSet("KITE_REPORT_FIRST_PAINT"))
        app.installEventFilter(&reporter);
    kt::installDesktopPlatform();
    kt::registerWindows();
    kt::SubMain();
    return QApplication::exec();
}
