// SPDX-License-Identifier: GPL-3.0-or-later
#include "early/SentenceBuilder.h"

#include "early/SentenceRules.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/DataFile.h"
#include "ui/Platform.h"
#include "ui/Sound.h"
#include "ui/Timer.h"

#include <QFontMetricsF>
#include <QFrame>

namespace kt {

namespace {
constexpr int FormWidth = 9600;
constexpr int FormHeight = 6600;
constexpr double DotY = -38;
constexpr double DotRadius = 2;
constexpr int BackColour = Colour::White;
constexpr int DotColour = Colour::Blue;

// A fixed-pitch face whose characters advance exactly 4 drawing units (a
// fiftieth of the window's width), so each dot lands under its word; or
// `advance` pixels, for a sentence too long for that face.
QFont sentenceFont(double advance = px(FormWidth) / 50.0)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"), QStringLiteral("Monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(true);
    font.setPixelSize(qMax(8, int(advance / 0.62)));
    font.setLetterSpacing(QFont::AbsoluteSpacing, advance - QFontMetricsF(font).horizontalAdvance(QLatin1Char('M')));
    return font;
}
} // namespace

SentenceBuilder::SentenceBuilder() : Form(windows::SentenceBuilder)
{
    setCaption(QStringLiteral("Make a sentence with a singular noun."));
    setSizeTwips(FormWidth, FormHeight);
    setBackColor(BackColour);

    InstructionsLabel = addLabel(QStringLiteral("InstructionsLabel"), 240, 120, 9120, 620,
                                 QStringLiteral("Use the list boxes below to choose nouns, adjectives, verbs and "
                                                "adverbs to create sentences.  You may also type your own words."));
    InstructionsLabel->setWordWrap(true);
    InstructionsLabel->setFont(sansFont(11, true));
    InstructionsLabel->setForeColor(Colour::Blue);

    struct Column {
        ComboBox*& list;
        Label*& heading;
        Label*& definition;
        const char* listName;
        const char* headingName;
        const char* headingText;
        const char* definitionName;
        const char* definitionText;
    };
    const Column columns[] = {
        {Noun, NounLabel, NounDefinitionLabel, "Noun", "NounLabel", "NOUN", "NounDefinitionLabel",
         "A noun is  a person, place or thing.  It can be plural (more than one)."},
        {adjective, AdjectiveLabel, AdjectiveDefinition, "adjective", "AdjectiveLabel", "ADJECTIVE",
         "AdjectiveDefinition", "Adjectives are words that describe nouns or pronouns."},
        {Verb, VerbLabel, VerbDefinition, "Verb", "VerbLabel", "VERB", "VerbDefinition",
         "A verb is a word that expresses either action or condition."},
        {Adverb, AdverbLabel, AdverbDefinition, "Adverb", "AdverbLabel", "ADVERB", "AdverbDefinition",
         "Adverbs modify verbs, adjectives, or other adverbs."},
    };
    int left = 240;
    for (const Column& c : columns) {
        c.heading = addLabel(QString::fromLatin1(c.headingName), left, 840, 2160, 300, QString::fromLatin1(c.headingText));
        c.heading->setFont(sansFont(10, true));
        c.heading->setForeColor(Colour::Red);
        c.list = addComboBox(QString::fromLatin1(c.listName), left, 1140, 2160, 360);
        c.definition = addLabel(QString::fromLatin1(c.definitionName), left, 1580, 2160, 1000,
                                QString::fromLatin1(c.definitionText));
        c.definition->setWordWrap(true);
        c.definition->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        c.definition->setFont(sansFont(9));
        left += 2340;
    }
    // Picking an entry and typing both make the list's text the current word.
    const auto follow = [this](ComboBox* list, QString SessionState::*choice) {
        const auto copy = [list, choice] { session().*choice = list->text(); };
        connect(list, &ComboBox::changed, this, copy);
        connect(list, &ComboBox::clicked, this, copy);
    };
    follow(Noun, &SessionState::NounChoice);
    follow(adjective, &SessionState::AdjectiveChoice);
    follow(Verb, &SessionState::VerbChoice);
    follow(Adverb, &SessionState::AdverbChoice);

    MakeSentence = addButton(QStringLiteral("MakeSentence"), 3510, 2760, 2580, 540, QStringLiteral("Make/Say Sentence"));
    Shape1 = new QFrame(surface());
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setLineWidth(3);
    Shape1->setStyleSheet(QStringLiteral("color: #0000ff"));
    Shape1->setGeometry(px(120), px(3480), px(FormWidth - 240), px(1500));
    Shape1->lower();
    // Two lines of the sentence fit above the row of dots.
    FinishedSentenceLabel = addLabel(QStringLiteral("FinishedSentenceLabel"), 180, 3540, FormWidth - 360, 810);
    FinishedSentenceLabel->setFont(sentenceFont());
    FinishedSentenceLabel->setAlignment(Qt::AlignCenter);
    FinishedSentenceLabel->setForeColor(Colour::Black);

    SaySlowerCommand = addButton(QStringLiteral("SaySlowerCommand"), 1200, 5520, 2000, 540, QStringLiteral("Say Slower"));
    SayFasterCommand = addButton(QStringLiteral("SayFasterCommand"), 3800, 5520, 2000, 540, QStringLiteral("Say Faster"));
    StopCommand = addButton(QStringLiteral("StopCommand"), 6400, 5520, 2000, 540, QStringLiteral("Go Back."));
    for (CommandButton* button : {MakeSentence, SaySlowerCommand, SayFasterCommand, StopCommand})
        button->setFont(sansFont(11, true));

    Timer1 = addTimer(QStringLiteral("Timer1"), 100);
    Timer1->onTimer([this] { Timer1_Timer(); });
    Timer2 = addTimer(QStringLiteral("Timer2"), 500);
    Timer2->onTimer([this] { Timer2_Timer(); });
    PauseTimer = addTimer(QStringLiteral("PauseTimer"), 0);
    PauseTimer->onTimer([this] { PauseTimer_Timer(); });

    connect(MakeSentence, &CommandButton::clicked, this, &SentenceBuilder::MakeSentence_Click);
    connect(SaySlowerCommand, &CommandButton::clicked, this, &SentenceBuilder::SaySlowerCommand_Click);
    connect(SayFasterCommand, &CommandButton::clicked, this, &SentenceBuilder::SayFasterCommand_Click);
    connect(StopCommand, &CommandButton::clicked, this, &SentenceBuilder::StopCommand_Click);
}

void SentenceBuilder::Form_Load()
{
    centre();
    scale(-100, 100, 100, -100);
    const SessionState& s = session();
    setCaption(builderCaption(s.Determiner));
    bool loaded = LoadWordList(s.NounFile, Noun, QStringLiteral("Noun file not found."));
    loaded &= LoadWordList(QStringLiteral("Adject.dat"), adjective, QStringLiteral("Adjective file not found."));
    loaded &= LoadWordList(s.VerbFile, Verb, QStringLiteral("Verb file not found."));
    loaded &= LoadWordList(QStringLiteral("Adverb.dat"), Adverb, QStringLiteral("Adverb file not found."));
    if (!loaded)
        Timer2->setEnabled(true);
}

void SentenceBuilder::useChosenLists()
{
    stopSpeaking();
    const SessionState& s = session();
    setCaption(builderCaption(s.Determiner));
    bool loaded = reloadKeepingTypedWord(s.NounFile, Noun, QStringLiteral("Noun file not found."));
    loaded &= reloadKeepingTypedWord(s.VerbFile, Verb, QStringLiteral("Verb file not found."));
    if (!loaded)
        Timer2->setEnabled(true);
}

void SentenceBuilder::MakeSentence_Click()
{
    stopSpeaking();
    SessionState& s = session();
    s.Sentence = makeSentence(s.Determiner, s.AdjectiveChoice, s.NounChoice, s.VerbChoice, s.AdverbChoice);
    showSentence(s.Sentence);
    Timer1->setEnabled(true);
}

void SentenceBuilder::showSentence(const QString& sentence)
{
    // Wrapped in the label; a sentence that even so does not fit (long typed
    // words) is set smaller until all of it shows.
    const QRect room = FinishedSentenceLabel->contentsRect();
    QFont font = sentenceFont();
    for (double advance = px(FormWidth) / 50.0; advance >= 3; advance *= 0.9) {
        font = sentenceFont(advance);
        const QRect needed =
            QFontMetrics(font).boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, sentence);
        if (needed.width() <= room.width() && needed.height() <= room.height())
            break;
    }
    FinishedSentenceLabel->setFont(font);
    FinishedSentenceLabel->setText(sentence);
}

void SentenceBuilder::Timer1_Timer()
{
    Timer1->setEnabled(false);
    if (!soundOn())
        return;
    stopSpeaking();
    const SessionState& s = session();
    m_wordsToSay = {s.Determiner, s.AdjectiveChoice, s.NounChoice, s.VerbChoice, s.AdverbChoice};
    SayNextWord();
}

void SentenceBuilder::SaySlowerCommand_Click() { session().SpeechDelay = slowerDelay(session().SpeechDelay); }

void SentenceBuilder::SayFasterCommand_Click() { session().SpeechDelay = fasterDelay(session().SpeechDelay); }

void SentenceBuilder::StopCommand_Click() { unload(); }

void SentenceBuilder::Timer2_Timer()
{
    Timer2->setEnabled(false);
    unload();
}

void SentenceBuilder::PauseTimer_Timer()
{
    PauseTimer->setEnabled(false);
    eraseDot();
    SayNextWord();
}

bool SentenceBuilder::LoadWordList(const QString& file, ComboBox* list, const QString& missingMessage)
{
    const QString path = file.isEmpty() ? QString() : platform().paths.findProgramFile(file);
    const std::optional<QByteArray> bytes = path.isEmpty() ? std::nullopt : readWholeFile(path);
    if (!bytes) {
        msgBox(missingMessage);
        return false;
    }
    list->clear();
    list->addItems(readWordList(*bytes));
    list->setText(list->count() > 0 ? list->itemText(0) : QString());
    return true;
}

bool SentenceBuilder::reloadKeepingTypedWord(const QString& file, ComboBox* list, const QString& missingMessage)
{
    const QString shown = list->text();
    const bool typed = !shown.isEmpty() && list->findText(shown, Qt::MatchFixedString | Qt::MatchCaseSensitive) < 0;
    if (!LoadWordList(file, list, missingMessage))
        return false;
    if (typed)
        list->setText(shown);
    return true;
}

void SentenceBuilder::SayNextWord()
{
    while (!m_wordsToSay.isEmpty()) {
        const QString word = m_wordsToSay.takeFirst();
        // An empty list has nothing to point at or say.
        if (word.isEmpty())
            continue;
        SayWord(word);
        if (PauseTimer->enabled())
            return;
    }
}

void SentenceBuilder::SayWord(const QString& word)
{
    setDrawWidth(12);
    m_dotX = dotX(session().Sentence, word);
    drawCircle(m_dotX, DotY, DotRadius, qbColor(DotColour));
    m_dotShown = true;
    if (const QString recording = wordRecording(word); !recording.isEmpty() && soundOn())
        playSound(recording);
    const int pause = pauseMilliseconds(session().SpeechDelay);
    if (pause > 0) {
        PauseTimer->setInterval(pause);
        PauseTimer->setEnabled(true);
    } else {
        eraseDot();
    }
}

void SentenceBuilder::eraseDot()
{
    if (!m_dotShown)
        return;
    // A pen a pixel wider all round, so the smoothed edge of the dot goes too.
    setDrawWidth(14);
    drawCircle(m_dotX, DotY, DotRadius, qbColor(BackColour));
    m_dotShown = false;
}

void SentenceBuilder::stopSpeaking()
{
    m_wordsToSay.clear();
    PauseTimer->setEnabled(false);
    eraseDot();
}

} // namespace kt
