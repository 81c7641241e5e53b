// SPDX-License-Identifier: GPL-3.0-or-later
#include "early/ClockQuiz.h"

#include "shell/Speech.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/Timer.h"

#include <QPainter>

namespace kt {

namespace {
constexpr int FormWidth = 12000;
constexpr int FormHeight = 7200;
constexpr int BackColour = Colour::White;
constexpr int TickColour = Colour::LightBlue;
constexpr int HourHandColour = Colour::LightBlue;
constexpr int MinuteHandColour = Colour::Red;

// Drawing coordinates to twips: x -300..300 and y 180..-180 span the window.
int twipsX(double x) { return int((x + 300) * FormWidth / 600); }
int twipsY(double y) { return int((180 - y) * FormHeight / 360); }

// A fixed shape of the face: a ring, a filled disc or a rounded frame, drawn
// above the hands so the hub covers where they meet.
class ClockShape : public QWidget {
public:
    enum Kind { Ring, Disc, Frame };
    ClockShape(QWidget* parent, const QString& name, Kind kind, int colour, int penWidth)
        : QWidget(parent), m_kind(kind), m_colour(qbColor(colour)), m_penWidth(penWidth)
    {
        setObjectName(name);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF inside = QRectF(rect()).adjusted(m_penWidth / 2.0, m_penWidth / 2.0, -m_penWidth / 2.0,
                                                      -m_penWidth / 2.0);
        painter.setPen(m_kind == Disc ? Qt::NoPen : QPen(m_colour, m_penWidth));
        painter.setBrush(m_kind == Disc ? QBrush(m_colour) : Qt::NoBrush);
        if (m_kind == Frame)
            painter.drawRoundedRect(inside, 18, 18);
        else
            painter.drawEllipse(inside);
    }

private:
    Kind m_kind;
    QColor m_colour;
    int m_penWidth;
};

} // namespace

ClockQuiz::ClockQuiz() : ChoiceDrill(windows::ClockQuiz, clockRules())
{
    setCaption(QStringLiteral("Clock"));
    setSizeTwips(FormWidth, FormHeight);
    setBackColor(BackColour);

    addChoiceControls({twipsX(30), 1440, 5300, 660, 360, QRect(), QRect(twipsX(30), 300, 5300, 900),
                       QRect(200, 200, 3600, 480), 15});
    for (OptionButton* choice : TimeChoice)
        choice->setForeColor(Colour::Black);
    Label13->setForeColor(Colour::Blue);
    Label13->setFontSize(16, true);
    addNumerals();
    addShapes();

    DoAgainComButton = addButton(QStringLiteral("DoAgainComButton"), 6300, 5640, 2460, 600, QStringLiteral("Try &Another One"));
    ReturnComButton = addButton(QStringLiteral("ReturnComButton"), 9060, 5640, 2460, 600, QStringLiteral("&Return"));
    for (CommandButton* button : {DoAgainComButton, ReturnComButton})
        button->setFont(sansFont(11, true));

    Timer1 = addTimer(QStringLiteral("Timer1"), 100);
    Timer1->onTimer([this] { Timer1_Timer(); });
    connect(DoAgainComButton, &CommandButton::clicked, this, &ClockQuiz::DoAgainComButton_Click);
    connect(ReturnComButton, &CommandButton::clicked, this, &ClockQuiz::ReturnComButton_Click);
}

ChoiceRules ClockQuiz::clockRules()
{
    ChoiceRules rules;
    rules.choices = QStringLiteral("TimeChoice");
    rules.orLabels = {};
    rules.question = QString();
    rules.verdict = QStringLiteral("Label13");
    // The verdict stands until the next clock, and there is no counting
    // picture: the window's Timer1 only puts the focus on the first choice.
    rules.verdictTimer = QString();
    rules.pictureTimer = QString();
    rules.verdictClearing = VerdictClearing::Never;
    rules.wipePictureAfterAnswer = false;
    rules.speakChoiceBelowStep = 0;
    rules.clearSelectionAfterAnswer = false;
    rules.praise = PraiseSet::Early;
    rules.answerScore = &SessionState::TimeScore;
    rules.pointsRight = 2;
    rules.pointsWrong = -1;
    rules.scoreFloor = 0;
    rules.scoreCaptionAtLoad = QStringLiteral("Score = ");
    return rules;
}

void ClockQuiz::Form_Load()
{
    centre();
    // The caption keeps the level it opened with; later clocks follow a new level.
    setCaption(QStringLiteral("Clock Level ") + spaced(int(session().ClockLevel)) +
               QStringLiteral(".  Double click on correct answer."));
    answered = false;
    Label13->setText(QStringLiteral("Which is correct?"));
    showScore(session().TimeScore);
    Timer1->setEnabled(true);
    NewClockQuestion();
    DrawClock();
}

void ClockQuiz::afterRightAnswer(int) { DoAgainComButton->setFocus(Qt::OtherFocusReason); }

void ClockQuiz::Timer1_Timer()
{
    TimeChoice[1]->setFocus(Qt::OtherFocusReason);
    Timer1->setEnabled(false);
}

void ClockQuiz::DoAgainComButton_Click()
{
    answered = false;
    Label13->setText(QStringLiteral("Which is correct?"));
    NewClockQuestion();
    DrawClock();
    clearChoiceValues();
    TimeChoice[1]->setFocus(Qt::OtherFocusReason);
}

void ClockQuiz::ReturnComButton_Click() { unload(); }

void ClockQuiz::NewClockQuestion()
{
    randomize();
    const int level = qBound(1, int(session().ClockLevel), 4);
    const auto times = threeTimes(level, [] { return rnd(); });
    for (int i = 1; i <= 3; ++i) {
        ChoiceHour[i] = qint16(times[i - 1].hour);
        ChoiceMinute[i] = qint16(times[i - 1].minute);
        TimeChoice[i]->setText(timePhrase(ChoiceMinute[i], ChoiceHour[i]));
    }
    const int right = randomInt(3, 1);
    rules().rightVerdict = correctVerdict(times[right - 1]);
    offerWrittenChoices(right);
}

void ClockQuiz::DrawClock()
{
    scale(-300, 180, 300, -180);
    setDrawWidth(5);
    const QColor background = qbColor(BackColour);
    drawHands({ChoiceHour[4], ChoiceMinute[4]}, background, background);

    for (int k = 0; k <= 11; ++k) {
        const QPointF end = handEnd(90 - 30 * k, TickRadius);
        setDrawWidth(2);
        drawLine(ClockCentreX, ClockCentreY, end.x(), end.y(), qbColor(TickColour));
        setDrawWidth(4);
        drawLine(ClockCentreX, ClockCentreY, ClockCentreX + 0.9 * (end.x() - ClockCentreX),
                 ClockCentreY + 0.9 * (end.y() - ClockCentreY), background);
    }

    setDrawWidth(5);
    const ClockTime shown{ChoiceHour[correctIndex], ChoiceMinute[correctIndex]};
    drawHands(shown, qbColor(HourHandColour), qbColor(MinuteHandColour));
    ChoiceHour[4] = qint16(shown.hour);
    ChoiceMinute[4] = qint16(shown.minute);
}

void ClockQuiz::drawHands(const ClockTime& time, const QColor& hourColour, const QColor& minuteColour)
{
    const QPointF hourEnd = handEnd(hourHandAngle(time.hour, time.minute), HourHandLength);
    drawLine(ClockCentreX, ClockCentreY, hourEnd.x(), hourEnd.y(), hourColour);
    const QPointF minuteEnd = handEnd(minuteHandAngle(time.minute), MinuteHandLength);
    drawLine(ClockCentreX, ClockCentreY, minuteEnd.x(), minuteEnd.y(), minuteColour);
}

void ClockQuiz::addNumerals()
{
    // Label number and caption of each hour's numeral, from 1 o'clock round to 12.
    static const std::pair<int, const char*> numerals[13] = {
        {0, ""},     {5, " 1"},  {6, " 2"},  {2, "3"},   {7, " 4"},   {8, " 5"},  {3, " 6"},
        {9, " 7"},   {10, " 8"}, {4, " 9"},  {11, "10"}, {12, "11"}, {1, "12"}};
    constexpr double radius = 118;
    constexpr int width = 640, height = 440;
    for (int hour = 1; hour <= 12; ++hour) {
        const auto [number, caption] = numerals[hour];
        const QPointF at = handEnd(90 - 30 * hour, radius);
        Label* label = addLabel(QStringLiteral("Label%1").arg(number), twipsX(at.x()) - width / 2,
                                twipsY(at.y()) - height / 2, width, height, QString::fromLatin1(caption));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(sansFont(14, true));
        label->setForeColor(Colour::Blue);
        NumeralLabel[number] = label;
    }
}

void ClockQuiz::addShapes()
{
    const auto place = [this](QWidget* shape, double radius) {
        shape->setGeometry(px(twipsX(ClockCentreX - radius)), px(twipsY(ClockCentreY + radius)),
                           px(twipsX(ClockCentreX + radius)) - px(twipsX(ClockCentreX - radius)),
                           px(twipsY(ClockCentreY - radius)) - px(twipsY(ClockCentreY + radius)));
        shape->show();
    };
    place(new ClockShape(surface(), QStringLiteral("Shape1"), ClockShape::Ring, 1, 3), 106);
    place(new ClockShape(surface(), QStringLiteral("Shape2"), ClockShape::Frame, 6, 4), 134);
    place(new ClockShape(surface(), QStringLiteral("Shape3"), ClockShape::Disc, 0, 0), 5);
    // Under the numerals, so none of them is hidden by the frame.
    for (const char* name : {"Shape2", "Shape1"})
        surface()->findChild<QWidget*>(QString::fromLatin1(name))->lower();
}

} // namespace kt
