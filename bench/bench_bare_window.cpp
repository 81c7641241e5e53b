// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the benchmarks: a bare Qt Widgets window with a
// one-entry menu bar, reporting its first paint the way the program does.
// Its menu entry opens a second bare window with one choice and one label; a
// double-click on the choice writes a verdict into the label. So the menu
// and double-click benchmarks have the toolkit's own floor to compare with,
// named as the program names its controls.
#include "ui/FirstPaintReporter.h"
#include "ui/InteractionReporter.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWidget>

namespace {

class Choice : public QRadioButton {
public:
    Choice(const QString& text, QLabel* verdict, QWidget* parent) : QRadioButton(text, parent), m_verdict(verdict) {}

protected:
    void mouseDoubleClickEvent(QMouseEvent*) override { m_verdict->setText(QStringLiteral("Right!")); }

private:
    QLabel* m_verdict;
};

void openActivity()
{
    auto* window = new QWidget;
    window->setObjectName(QStringLiteral("BareActivity"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto* verdict = new QLabel(QStringLiteral("Hi!"), window);
    verdict->setObjectName(QStringLiteral("LabelWrong"));
    verdict->setGeometry(40, 40, 200, 40);
    auto* choice = new Choice(QStringLiteral("15"), verdict, window);
    choice->setObjectName(QStringLiteral("Option1(1)"));
    choice->setGeometry(40, 120, 120, 40);
    window->resize(641, 480);
    window->show();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    kt::FirstPaintReporter reporter;
    app.installEventFilter(&reporter);
    kt::InteractionReporter interactions({QStringLiteral("LabelWrong")});
    if (qEnvironmentVariableIsSet("KITE_REPORT_INTERACTION"))
        app.installEventFilter(&interactions);
    QWidget window;
    window.setObjectName(QStringLiteral("BareWindow"));
    auto* layout = new QVBoxLayout(&window);
    auto* bar = new QMenuBar(&window);
    QMenu* menu = bar->addMenu(QStringLiteral("&Options"));
    menu->setObjectName(QStringLiteral("menuOptions"));
    QAction* open = menu->addAction(QStringLiteral("&Open"));
    open->setObjectName(QStringLiteral("menuOpen"));
    QObject::connect(open, &QAction::triggered, &openActivity);
    layout->setMenuBar(bar);
    window.resize(641, 480);
    window.show();
    return QApplication::exec();
}
