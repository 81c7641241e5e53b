// The picture reward (a random bitmap of the data directory for five
// seconds) and the About window with its two-picture animation.
#include "TestKit.h"

#include "shell/About.h"
#include "shell/KiteTu.h"
#include "shell/SessionState.h"
#include "shell/VisualRewards.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"
#include "ui/Timer.h"

#include <QDir>
#include <QImage>
#include <QTest>

using namespace kt;
using kt::test::Sandbox;
using kt::test::ScriptedRandom;

namespace {

void saveBitmap(const QString& path, const QColor& colour, QSize size = QSize(8, 6))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "BMP"));
}

QString dataPath(const Sandbox& sandbox, const QString& name) { return sandbox.dataDir() + QLatin1Char('/') + name; }

VisualRewards* openReward() { return dynamic_cast<VisualRewards*>(Forms::show(windows::VisualRewards)); }

QColor shownColour(const VisualRewards* form) { return form->Image1->pixmap().toImage().pixelColor(0, 0); }

// The colour the child sees in the middle of the About pictures.
QColor aboutPictureColour(const About* form)
{
    const QPoint centre = form->Image1->geometry().center();
    return form->surface()->grab().toImage().pixelColor(centre);
}

// Runs the reward's five-second timer and checks that the window is gone.
void expectClosesAfterFiveSeconds(VisualRewards* form)
{
    QCOMPARE(form->Timer1->interval(), 5000);
    QVERIFY(form->Timer1->enabled());
    form->Timer1->fire();
    kt::test::processEvents();
    QVERIFY(!Forms::find(windows::VisualRewards));
}

} // namespace

class TestRewardsAbout : public QObject {
    Q_OBJECT

private slots:
    void oneBitmapIsAlwaysChosen_data();
    void oneBitmapIsAlwaysChosen();
    void eachOfThreeCanBeChosen_data();
    void eachOfThreeCanBeChosen();
    void onlyTheFirst101TakePart_data();
    void onlyTheFirst101TakePart();
    void noBitmapsShowAnEmptyWindow_data();
    void noBitmapsShowAnEmptyWindow();
    void unreadableBitmapShowsAnEmptyWindow();
    void largePictureIsFitted();
    void eachOpeningDrawsAgain();

    void aboutFromTheMainMenu();
    void aboutPicturesAlternate();
    void aboutWithoutPictures();
};

// ---------------------------------------------------------------- rewards

void TestRewardsAbout::oneBitmapIsAlwaysChosen_data()
{
    QTest::addColumn<double>("r");
    QTest::newRow("lowest") << 0.0;
    QTest::newRow("middle") << 0.5;
    QTest::newRow("highest") << 0.9999999;
}

void TestRewardsAbout::oneBitmapIsAlwaysChosen()
{
    QFETCH(double, r);
    Sandbox sandbox;
    sandbox.makeDataDir();
    saveBitmap(dataPath(sandbox, QStringLiteral("kite.bmp")), Qt::red);
    sandbox.random->values = {r};
    VisualRewards* form = openReward();
    QVERIFY(form);
    QCOMPARE(form->caption(), QStringLiteral("Visual Reward"));
    QCOMPARE(form->Label1->text(), dataPath(sandbox, QStringLiteral("kite.bmp")));
    QVERIFY(form->Image1->hasPicture());
    QCOMPARE(shownColour(form), QColor(Qt::red));
    QCOMPARE(sandbox.random->position, 1);
    expectClosesAfterFiveSeconds(form);
}

void TestRewardsAbout::eachOfThreeCanBeChosen_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("a") << 0 << "a.bmp" << QColor(Qt::red);
    QTest::newRow("b") << 1 << "b.BMP" << QColor(Qt::green);
    QTest::newRow("c") << 2 << "c.bmp" << QColor(Qt::blue);
}

void TestRewardsAbout::eachOfThreeCanBeChosen()
{
    QFETCH(int, k);
    QFETCH(QString, file);
    QFETCH(QColor, colour);
    Sandbox sandbox;
    sandbox.makeDataDir();
    saveBitmap(dataPath(sandbox, QStringLiteral("a.bmp")), Qt::red);
    saveBitmap(dataPath(sandbox, QStringLiteral("b.BMP")), Qt::green);
    saveBitmap(dataPath(sandbox, QStringLiteral("c.bmp")), Qt::blue);
    sandbox.writeDataFile(QStringLiteral("Ann.scr"), "not a picture");
    sandbox.random->values = {ScriptedRandom::pick(k, 3)};
    VisualRewards* form = openReward();
    QCOMPARE(form->Label1->text(), dataPath(sandbox, file));
    QCOMPARE(shownColour(form), colour);
}

void TestRewardsAbout::onlyTheFirst101TakePart_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<QString>("file");
    QTest::newRow("first") << 0.0 << "p000.bmp";
    QTest::newRow("last that takes part") << 0.9999999 << "p100.bmp";
    QTest::newRow("middle") << ScriptedRandom::pick(50, 101) << "p050.bmp";
}

void TestRewardsAbout::onlyTheFirst101TakePart()
{
    QFETCH(double, r);
    QFETCH(QString, file);
    Sandbox sandbox;
    sandbox.makeDataDir();
    for (int i = 0; i < 105; ++i)
        saveBitmap(dataPath(sandbox, QStringLiteral("p%1.bmp").arg(i, 3, 10, QLatin1Char('0'))), Qt::yellow, QSize(2, 2));
    sandbox.random->values = {r};
    VisualRewards* form = openReward();
    QCOMPARE(form->Label1->text(), dataPath(sandbox, file));
    QVERIFY(form->Image1->hasPicture());
}

void TestRewardsAbout::noBitmapsShowAnEmptyWindow_data()
{
    QTest::addColumn<bool>("dataDirExists");
    QTest::newRow("empty data directory") << true;
    QTest::newRow("no data directory") << false;
}

void TestRewardsAbout::noBitmapsShowAnEmptyWindow()
{
    QFETCH(bool, dataDirExists);
    Sandbox sandbox;
    if (dataDirExists)
        sandbox.writeDataFile(QStringLiteral("Ann.scr"), QByteArray());
    VisualRewards* form = openReward();
    QVERIFY(form);
    QVERIFY(!form->Image1->hasPicture());
    QCOMPARE(form->Label1->text(), QString());
    // No draw is made when there is nothing to draw from.
    QCOMPARE(sandbox.random->position, 0);
    expectClosesAfterFiveSeconds(form);
}

void TestRewardsAbout::unreadableBitmapShowsAnEmptyWindow()
{
    Sandbox sandbox;
    sandbox.writeDataFile(QStringLiteral("broken.bmp"), "BM this is not really a picture");
    VisualRewards* form = openReward();
    QVERIFY(form);
    QVERIFY(!form->Image1->hasPicture());
    QCOMPARE(form->Label1->text(), QString());
    QVERIFY(sandbox.messages.isEmpty());
    expectClosesAfterFiveSeconds(form);
}

void TestRewardsAbout::largePictureIsFitted()
{
    Sandbox sandbox;
    sandbox.makeDataDir();
    saveBitmap(dataPath(sandbox, QStringLiteral("photo.bmp")), Qt::magenta, QSize(2000, 1000));
    VisualRewards* form = openReward();
    QVERIFY(form->Image1->hasPicture());
    const QSize shown = form->Image1->pixmap().size();
    QVERIFY2(shown.width() <= px(6480) && shown.height() <= px(4860), qPrintable(QStringLiteral("%1x%2").arg(shown.width()).arg(shown.height())));
    QCOMPARE(shown.width(), 2 * shown.height());
    QVERIFY(form->Image1->geometry().right() < form->surface()->width());
}

void TestRewardsAbout::eachOpeningDrawsAgain()
{
    Sandbox sandbox;
    sandbox.makeDataDir();
    saveBitmap(dataPath(sandbox, QStringLiteral("a.bmp")), Qt::red);
    saveBitmap(dataPath(sandbox, QStringLiteral("b.bmp")), Qt::green);
    sandbox.random->values = {ScriptedRandom::pick(1, 2), ScriptedRandom::pick(0, 2)};
    VisualRewards* form = openReward();
    QCOMPARE(form->Label1->text(), dataPath(sandbox, QStringLiteral("b.bmp")));
    expectClosesAfterFiveSeconds(form);
    form = openReward();
    QCOMPARE(form->Label1->text(), dataPath(sandbox, QStringLiteral("a.bmp")));
}

// ---------------------------------------------------------------- About

void TestRewardsAbout::aboutFromTheMainMenu()
{
    Sandbox sandbox;
    sandbox.makeDataDir();
    auto* main = dynamic_cast<KiteTu*>(Forms::show(windows::MainWindow));
    auto* entry = main->findChild<QAction*>(QStringLiteral("menuAbout"));
    QVERIFY(entry && entry->isEnabled());
    entry->trigger();
    auto* form = Forms::find<About>(windows::About);
    QVERIFY(form && form->isVisible());
    QCOMPARE(form->Label1->text(), QStringLiteral("Kite-Tutor"));
    QCOMPARE(form->Command1->text(), QStringLiteral("OK"));
    QVERIFY(kt::test::control<LineControl>(form, QStringLiteral("Line1")));
    // Both pictures on the same spot.
    QCOMPARE(form->Image1->pos(), QPoint(px(840), px(540)));
    QCOMPARE(form->Image2->pos(), QPoint(px(840), px(540)));
    QCOMPARE(form->Timer1->interval(), 500);
    QVERIFY(form->Timer1->enabled());

    kt::test::click(form->Command1);
    kt::test::processEvents();
    QVERIFY(!Forms::find(windows::About));
}

void TestRewardsAbout::aboutPicturesAlternate()
{
    Sandbox sandbox;
    saveBitmap(sandbox.programDir() + QStringLiteral("/about1.bmp"), Qt::red, QSize(96, 96));
    saveBitmap(sandbox.programDir() + QStringLiteral("/about2.bmp"), Qt::blue, QSize(96, 96));
    auto* form = dynamic_cast<About*>(Forms::show(windows::About));
    QVERIFY(form->Image1->hasPicture() && form->Image2->hasPicture());

    // Image2 shows until the first tick, then Image1 for a second and Image2
    // for half a second, over and over.
    QCOMPARE(aboutPictureColour(form), QColor(Qt::blue));
    const QList<QPair<int, QColor>> ticks{{1000, Qt::red}, {500, Qt::blue}, {1000, Qt::red}, {500, Qt::blue}};
    for (const auto& [interval, colour] : ticks) {
        form->Timer1->fire();
        QCOMPARE(form->Timer1->interval(), interval);
        QVERIFY(form->Timer1->enabled());
        QCOMPARE(aboutPictureColour(form), colour);
    }
}

void TestRewardsAbout::aboutWithoutPictures()
{
    Sandbox sandbox;
    auto* form = dynamic_cast<About*>(Forms::show(windows::About));
    QVERIFY(form);
    QVERIFY(!form->Image1->hasPicture());
    form->Timer1->fire();
    form->Timer1->fire();
    QCOMPARE(form->Timer1->interval(), 500);
    QVERIFY(sandbox.messages.isEmpty());
}

QTEST_MAIN(TestRewardsAbout)
#include "tst_rewards_about.moc"
