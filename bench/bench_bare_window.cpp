// The yardstick for the start-up benchmark: a bare Qt Widgets window with a
// one-entry menu bar, reporting its first paint the way the program does.
#include <QApplication>
#include <QDateTime>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>

namespace {
class FirstPaintReporter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
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
    FirstPaintReporter reporter;
    app.installEventFilter(&reporter);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* bar = new QMenuBar(&window);
    bar->addMenu(QStringLiteral("&Options"))->addAction(QStringLiteral("&Exit"));
    layout->setMenuBar(bar);
    window.resize(641, 480);
    window.show();
    return QApplication::exec();
}
