// SPDX-License-Identifier: GPL-3.0-or-later
// Typed numbers, control arrays of every kind and the Enter walk through a
// window's entry boxes.
#include "TestKit.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/TypedNumber.h"

#include <QApplication>
#include <QSignalSpy>

using namespace kt;

class TestTypedEntry : public QObject {
    Q_OBJECT
private slots:
    void typedNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("value");
        const int i16 = int(NumberType::Integer16), single = int(NumberType::Single),
                  dbl = int(NumberType::Double), whole = -1; // whole: readTypedWhole
        QTest::newRow("empty") << "" << dbl << false << 0.0;
        QTest::newRow("letters read 0 without a typed 0") << "abc" << dbl << false << 0.0;
        QTest::newRow("typed zero") << "0" << dbl << true << 0.0;
        QTest::newRow("typed zero point") << "0.0" << i16 << true << 0.0;
        QTest::newRow("minus sign alone") << "-" << dbl << false << 0.0;
        QTest::newRow("number then letters") << "3x" << dbl << true << 3.0;
        QTest::newRow("leading blanks") << "  -2.5" << dbl << true << -2.5;
        QTest::newRow("16-bit top") << "32767" << i16 << true << 32767.0;
        QTest::newRow("16-bit too big") << "40000" << i16 << false << 0.0;
        QTest::newRow("16-bit bottom") << "-32768" << i16 << true << -32768.0;
        QTest::newRow("16-bit rounds half to even") << "2.5" << i16 << true << 2.0;
        QTest::newRow("single fits") << "1e38" << single << true << 1e38;
        QTest::newRow("single overflows") << "1e39" << single << false << 0.0;
        QTest::newRow("double takes 1e39") << "1e39" << dbl << true << 1e39;
        QTest::newRow("double overflows") << "1e999" << dbl << false << 0.0;
        QTest::newRow("tiny reads as zero with a 0 typed") << "1e-999" << dbl << false << 0.0;
        QTest::newRow("tiny with a zero") << "0.0e-999" << dbl << true << 0.0;
        QTest::newRow("whole typed with a point") << "3.0" << whole << true << 3.0;
        QTest::newRow("whole refuses a fraction") << "3.5" << whole << false << 0.0;
        QTest::newRow("whole refuses 32768") << "32768" << whole << false << 0.0;
        QTest::newRow("whole bottom") << "-32768x" << whole << true << -32768.0;
        QTest::newRow("whole needs a number") << "x" << whole << false << 0.0;
    }
    void typedNumbers()
    {
        QFETCH(QString, text);
        QFETCH(int, type);
        QFETCH(bool, accepted);
        QFETCH(double, value);
        const std::optional<double> read = type < 0 ? std::optional<double>(readTypedWhole(text))
                                                   : readTypedNumber(text, NumberType(type));
        QCOMPARE(read.has_value(), accepted);
        if (accepted)
            QCOMPARE(*read, value);
    }

    void resultsMustFitTheirType()
    {
        QVERIFY(fitsNumberType(1e300, NumberType::Double));
        QVERIFY(!fitsNumberType(std::numeric_limits<double>::infinity(), NumberType::Double));
        QVERIFY(!fitsNumberType(std::nan(""), NumberType::Double));
        QVERIFY(!fitsNumberType(3.5e38, NumberType::Single));
        QVERIFY(!fitsNumberType(32767.5, NumberType::Integer16)); // rounds to 32768
    }

    void arraysOfEveryKindHandTheirIndexToHandlers()
    {
        test::Sandbox sandbox(false);
        struct Window : Form {
            ControlArray<Label> Label1{QStringLiteral("Label1")};
            ControlArray<ImageBox> Image1{QStringLiteral("Image1")};
            ControlArray<TextBox> Text1{QStringLiteral("Text1")};
            ControlArray<LineControl> Line1{QStringLiteral("Line1")};
            ControlArray<OptionButton> TimeChoice{QStringLiteral("TimeChoice")};
            QList<int> labelClicks, imageDowns, optionDoubles, keys;
            Window() : Form(QStringLiteral("Arrays"))
            {
                setSizeTwips(6000, 4000);
                for (int i = 0; i < 3; ++i) {
                    addLabel(Label1, i, 100 + 1000 * i, 100, 900, 300, QString::number(i));
                    addImage(Image1, i, 100 + 1000 * i, 500, 900, 300);
                    addTextBox(Text1, i, 100 + 1000 * i, 900, 900, 300);
                    addLine(Line1, i, 100, 1300 + 100 * i, 3000, 1300 + 100 * i);
                }
                for (int i = 1; i <= 3; ++i)
                    addOption(TimeChoice, i, 100, 1600 + 350 * i, 2000, 300, QString::number(i));
                Label1.on(&Label::clicked, this, [this](int index) { labelClicks << index; });
                Image1.on(&ImageBox::mouseDown, this, [this](int index) { imageDowns << index; });
                TimeChoice.on(&OptionButton::doubleClicked, this,
                              [this](int index, int) { optionDoubles << index; });
                Text1.on(&TextBox::keyPressed, this, [this](int index, int& ascii) {
                    keys << index;
                    if (ascii == 'x')
                        ascii = 0;
                });
            }
        };
        auto* window = new Window;
        window->showForm();
        // Elements are named "Label1(2)" (tests and the catalogue find them so); no element past the end.
        QCOMPARE(window->Label1[2], test::control<Label>(window, QStringLiteral("Label1(2)")));
        QCOMPARE(window->Label1[7], nullptr);

        test::click(window->Label1[2]);
        test::click(window->Image1[1]);
        test::doubleClick(window->TimeChoice[3]);
        test::typeText(window->Text1[1], QStringLiteral("axb"));
        QCOMPARE(window->labelClicks + window->imageDowns + window->optionDoubles + window->keys,
                 (QList<int>{2, 1, 3, 1, 1, 1}));
        QCOMPARE(window->Text1[1]->text(), QStringLiteral("ab"));
        window->close();
    }

    void enterWalksTheBoxesAndRefusedEntriesAreEmptiedAndFocused()
    {
        test::Sandbox sandbox(false);
        struct Window : Form {
            TextBox *a, *b, *c;
            int solves = 0;
            Window() : Form(QStringLiteral("Entry"))
            {
                setSizeTwips(4000, 3000);
                a = addTextBox(QStringLiteral("TextA"), 100, 100, 1000, 300);
                b = addTextBox(QStringLiteral("TextB"), 100, 500, 1000, 300);
                c = addTextBox(QStringLiteral("TextC"), 100, 900, 1000, 300);
                // A box holding "no" is refused: Enter leaves the focus there.
                setEnterOrder({a, b, c}, [this] { ++solves; },
                              [](TextBox* box) { return box->text() != QLatin1String("no"); });
            }
            void refuse(TextBox* box) { refuseEntry(box, QStringLiteral("Please use a number.")); }
        };
        auto* window = new Window;
        window->showForm();
        QApplication::setActiveWindow(window);
        window->a->setFocus();
        test::typeText(window->a, QStringLiteral("12"));
        test::pressEnter(window->a);
        QVERIFY(window->b->hasFocus());
        test::typeText(window->b, QStringLiteral("no"));
        test::pressEnter(window->b);
        QVERIFY(window->b->hasFocus());
        window->b->clear();
        test::pressEnter(window->b);
        QVERIFY(window->c->hasFocus());
        test::pressEnter(window->c);
        QCOMPARE(window->solves, 1);
        QCOMPARE(window->a->text(), QStringLiteral("12")); // Enter typed nothing

        window->refuse(window->a);
        QCOMPARE(sandbox.messages.size(), 1);
        QCOMPARE(sandbox.messages[0].text, QStringLiteral("Please use a number."));
        QVERIFY(window->a->text().isEmpty());
        QVERIFY(window->a->hasFocus());
        window->close();
    }
};

QTEST_MAIN(TestTypedEntry)
#include "tst_typed_entry.moc"
