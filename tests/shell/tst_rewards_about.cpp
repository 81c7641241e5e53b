// SPDX-License-Identifier: GPL-3.0-or-later
// The picture reward (a random bitmap of the data directory for five
// seconds) and the About window with its two-picture animation.
#include "TestKit.h"

#include "shell/About.h"
#include "shell/VisualRewards.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"
#include "ui/Timer.h"

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

VisualRewards* openReward(Sandbox& sandbox, QList<double> draws = {})
{
    sandbox.random->values = draws;
    return dynamic_cast<VisualRewards*>(Forms::show(windows::VisualRewards));
}

QColor aboutPictureColour(const About* form)
{
    return form->surface()->grab().toImage().pixelColor(form->Image1->geometry().center());
}

void expectClosesAfterFiveSeconds(VisualRewards* form)
{
    QVERIFY(form->Timer1->enabled());
    form->Timer1->fire();
    kt::test::processEvents();
    QVERIFY(!Forms::find(windows::VisualRewards));
}

} // namespace

class TestRewardsAbout : public QObject {
    Q_OBJECT

private slots:
    // Each opening draws again; a draw can reach every bitmap.
    void eachOfThreeCanBeChosen()
    {
        Sandbox sandbox;
        sandbox.makeDataDir();
        saveBitmap(dataPath(sandbox, QStringLiteral("a.bmp")), Qt::red);
        saveBitmap(dataPath(sandbox, QStringLiteral("b.BMP")), Qt::green);
        saveBitmap(dataPath(sandbox, QStringLiteral("c.bmp")), Qt::blue);
        sandbox.writeDataFile(QStringLiteral("Ann.scr"), "not a picture");
        sandbox.random->values = {ScriptedRandom::pick(1, 3), ScriptedRandom::pick(2, 3), ScriptedRandom::pick(0, 3)};
        const QList<QPair<QString, QColor>> shown{{"b.BMP", Qt::green}, {"c.bmp", Qt::blue}, {"a.bmp", Qt::red}};
        for (const auto& [file, colour] : shown) {
            auto* form = dynamic_cast<VisualRewards*>(Forms::show(windows::VisualRewards));
            QCOMPARE(form->Label1->text(), dataPath(sandbox, file));
            QCOMPARE(form->Image1->pixmap().toImage().pixelColor(0, 0), colour);
            expectClosesAfterFiveSeconds(form);
        }
        QCOMPARE(sandbox.random->position, 3);
    }

    void onlyTheFirst101TakePart()
    {
        Sandbox sandbox;
        sandbox.makeDataDir();
        for (int i = 0; i < 105; ++i)
            saveBitmap(dataPath(sandbox, QStringLiteral("p%1.bmp").arg(i, 3, 10, QLatin1Char('0'))), Qt::yellow, QSize(2, 2));
        VisualRewards* form = openReward(sandbox, {0.9999999});
        QCOMPARE(form->Label1->text(), dataPath(sandbox, QStringLiteral("p100.bmp")));
        QVERIFY(form->Image1->hasPicture());
    }

    void nothingToShowGivesAnEmptyWindow_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("no data directory") << QString() << QByteArray();
        QTest::newRow("no bitmaps") << "Ann.scr" << QByteArray();
        QTest::newRow("unreadable bitmap") << "broken.bmp" << QByteArray("BM this is not really a picture");
    }
    void nothingToShowGivesAnEmptyWindow()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        Sandbox sandbox;
        if (!file.isEmpty())
            sandbox.writeDataFile(file, bytes);
        VisualRewards* form = openReward(sandbox);
        QVERIFY(!form->Image1->hasPicture());
        QCOMPARE(form->Label1->text(), QString());
        QCOMPARE(sandbox.random->position, 0);
        QVERIFY(sandbox.messages.isEmpty());
        expectClosesAfterFiveSeconds(form);
    }

    void largePictureIsFitted()
    {
        Sandbox sandbox;
        sandbox.makeDataDir();
        saveBitmap(dataPath(sandbox, QStringLiteral("photo.bmp")), Qt::magenta, QSize(2000, 1000));
        VisualRewards* form = openReward(sandbox);
        QVERIFY(form->Image1->hasPicture());
        const QSize shown = form->Image1->pixmap().size();
        QVERIFY(shown.width() <= px(6480) && shown.height() <= px(4860));
        QCOMPARE(shown.width(), 2 * shown.height());
        QVERIFY(form->Image1->geometry().right() < form->surface()->width());
    }

    void aboutPicturesAlternate()
    {
        Sandbox sandbox;
        sandbox.makeDataDir();
        saveBitmap(sandbox.programDir() + QStringLiteral("/about1.bmp"), Qt::red, QSize(96, 96));
        saveBitmap(sandbox.programDir() + QStringLiteral("/about2.bmp"), Qt::blue, QSize(96, 96));
        auto* form = dynamic_cast<About*>(Forms::show(windows::About));
        QVERIFY(form);
        // Image2 until the first tick, then Image1 and Image2 in turn.
        QCOMPARE(aboutPictureColour(form), QColor(Qt::blue));
        for (const QColor colour : {Qt::red, Qt::blue, Qt::red}) {
            form->Timer1->fire();
            QCOMPARE(aboutPictureColour(form), colour);
        }
    }
};

QTEST_MAIN(TestRewardsAbout)
#include "tst_rewards_about.moc"
