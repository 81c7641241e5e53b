// SPDX-License-Identifier: GPL-3.0-or-later
// Counting with faces: pictures dragged with the mouse into the box, the
// running total, the feedback by the comparison rules, one point per number,
// and the blink that a press on any picture stops.
#include "DrillTest.h"
#include "drills/Counting.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"

using namespace kt;
using namespace kt::test;

class TestCounting : public QObject, public DrillFixture {
    Q_OBJECT

    void open(int target)
    {
        platform().paths.programDirs << qEnvironmentVariable("KITE_MEDIA_DIR");
        openOn(windows::Counting, {ScriptedRandom::pick(target, 1000)});
        QVERIFY(form);
    }
    ImageBox* picture(const char* group, int index)
    {
        return control<ImageBox>(form, elementName(QString::fromLatin1(group), index));
    }
    // Drags a picture with the mouse so that its centre lands at (x, y) in twips.
    void dropAt(ImageBox* p, int x, int y) { drag(p, form->surface(), QPoint(x / 15, y / 15)); }
    bool looks(const ImageBox* p, const char* source)
    {
        return p->pixmap().toImage() == control<ImageBox>(form, QString::fromLatin1(source))->pixmap().toImage();
    }
    // Moves `count` pictures of a group into the box, side by side.
    void fill(const char* group, int count, int row)
    {
        for (int i = 0; i < count; ++i)
            dropAt(picture(group, i), 1500 + 600 * i, 4020 + 600 * row);
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void targetZeroIsMetByTheFirstDropThatLeavesTheBoxEmpty()
    {
        session().SoundOn = 1;
        session().NumbersScore = 3;
        open(0);
        QCOMPARE(box->random->reseeds, 1);
        QCOMPARE(texts({"Label1", "lblTotalNumber", "LabelScore"}),
                 (QStringList{"Use the mouse to drag 0 smiley faces down into the box below.", "0", "Score = 3"}));
        QVERIFY(looks(picture("imgFace", 0), "Image1") && looks(picture("imgTenFace", 0), "Image4"));
        dropAt(picture("img100faces", 0), 4000, 3000); // moved within the top area
        QCOMPARE(texts({"Label2", "lblTotalNumber", "LabelScore"}), (QStringList{"VERY GOOD!", "0", "Score = 4"}));
        QCOMPARE(box->player->played.size(), 1); // the praise
        QVERIFY(looks(picture("imgFace", 5), "Image3") && looks(picture("imgTenFace", 5), "Image5"));
        QVERIFY(timer(form, "Timer1")->enabled());
    }

    void aCentreCountsAndOneOnAnEdgeIsOutside()
    {
        open(500);
        QVERIFY(!centreInBox({1200, 4000}, QRect(QPoint(1200, 3720), QPoint(8160, 5760))));
        ImageBox* face = picture("imgFace", 0);
        dropAt(face, 3000, 3720); // on the top edge
        QCOMPARE(face->pos(), QPoint(px(2760), px(3480)));
        QCOMPARE(text("lblTotalNumber"), QStringLiteral("0"));
        dropAt(face, 4005, 3735); // half over the edge, its centre inside
        QCOMPARE(text("lblTotalNumber"), QStringLiteral("1"));
        QVERIFY(looks(face, "Image2"));
        dropAt(face, 8160, 4500); // on the right edge: out again
        QCOMPARE(text("lblTotalNumber"), QStringLiteral("0"));
        QVERIFY(looks(face, "Image1"));
        QCOMPARE(text("Label2"), QString()); // still under the number, as at the start
    }

    void feedbackChangesOnlyWhenTheComparisonTurns()
    {
        open(305);
        fill("img100faces", 3, 0);
        QCOMPARE(texts({"lblTotalNumber", "Label2"}), (QStringList{"300", ""}));
        ImageBox* ten = picture("imgTenFace", 0);
        dropAt(ten, 1500, 4620);
        QCOMPARE(texts({"lblTotalNumber", "Label2"}), (QStringList{"310", "Too much!"}));
        QCOMPARE(colour("Label2"), qbColor(4)); // red, as the drills' scores
        QVERIFY(looks(ten, "Image4"));
        dropAt(ten, 4000, 3000);
        QCOMPARE(texts({"lblTotalNumber", "Label2"}), (QStringList{"300", "Not enough"}));
        QVERIFY(looks(picture("imgFace", 3), "Image2") && looks(ten, "Image5"));
        dropAt(picture("imgFace", 0), 1500, 5220);
        QCOMPARE(texts({"lblTotalNumber", "Label2"}), (QStringList{"301", "Not enough"}));
    }

    void metAgainScoresNoSecondPointAndAPressStopsTheBlink()
    {
        session().SoundOn = 1;
        open(12);
        fill("imgTenFace", 1, 0);
        fill("imgFace", 2, 1);
        QCOMPARE(texts({"lblTotalNumber", "Label2", "LabelScore"}), (QStringList{"12", "VERY GOOD!", "Score = 1"}));
        QCOMPARE(box->player->played.size(), 1);
        for (const char* look : {"Image3", "Image2", "Image3"}) {
            fire("Timer1");
            QVERIFY2(looks(picture("imgFace", 8), look), look);
        }
        QCOMPARE(box->beeper->beeps, 2); // every second blink
        QVERIFY(timer(form, "Timer1")->enabled());

        ImageBox* face = picture("imgFace", 1);
        dropAt(face, 4000, 3000);
        QVERIFY(!timer(form, "Timer1")->enabled()); // the press stopped it
        QCOMPARE(texts({"lblTotalNumber", "Label2"}), (QStringList{"11", "Not enough"}));
        dropAt(face, 2100, 4620);
        QCOMPARE(texts({"lblTotalNumber", "Label2", "LabelScore"}), (QStringList{"12", "VERY GOOD!", "Score = 1"}));
        QCOMPARE(session().NumbersScore, qint16(1));
        QCOMPARE(box->player->played.size(), 1);
        QVERIFY(timer(form, "Timer1")->enabled());

        script({ScriptedRandom::pick(7, 1000)});
        clickOn("cmdDoAnother");
        QVERIFY(!timer(form, "Timer1")->enabled());
        QCOMPARE(texts({"lblTotalNumber", "Label2"}), (QStringList{"0", ""}));
        QCOMPARE(picture("imgFace", 1)->pos(), QPoint(px(7060), px(1320)));
        QVERIFY(looks(picture("imgFace", 1), "Image1"));
    }
};

QTEST_MAIN(TestCounting)
#include "tst_counting.moc"
