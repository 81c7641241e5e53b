// The yardstick for the start-up benchmark: a bare Qt Widgets window with a
// one-entry menu bar, reporting its first paint the way the program does.
#include "ui/FirstPaintReporter.h"

#include <QApplication>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    kt::FirstPaintReporter reporter;
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
