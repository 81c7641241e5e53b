// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program-wide variables through which the windows share the current
// user, the sound switch, the chosen levels and the current scores. Only the
// user-interface thread touches them.
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <array>

namespace kt {

// One line of a user's score file.
struct ScoreRecord {
    QDate date;
    QTime time;
    QString name;
    std::array<qint16, 9> scores{}; // Numbers, Add, Sub, Mul, Div, Frac, Alph, Spel, Time
};

// What the word-list dialogs are doing, as the spelling bee's menus chose.
enum class WordListAction : qint16 {
    Create = 0,     // a new homework list
    Practise = 1,   // pick a list for the drill
    AddWords = 2,   // add words to the end of a list
    DeleteList = 3, // delete a whole list
    ChangeWord = 4, // find a word and change it
    DeleteWord = 5, // find a word and delete it
};

struct SessionState {
    QString WindowsDir;   // the user's data location, ending in "/"
    QString WindowsDrive; // always "/" on Linux: the root is the only drive

    // The three saved switches; the settings file holds them as 0 or 1.
    bool SoundOn = false;
    QString UserName;

    qint16 AddLevel = 0;
    qint16 SubLevel = 0;
    qint16 MulLevel = 0;
    qint16 DivLevel = 0;
    qint16 FractionAddMode = 0;
    qint16 ClockLevel = 0;

    qint16 NumbersScore = 0;
    qint16 AddScore = 0;
    qint16 SubScore = 0;
    qint16 MulScore = 0;
    qint16 DivScore = 0;
    qint16 FractionScore = 0;
    qint16 AlphabetScore = 0;
    qint16 SpellingScore = 0;
    qint16 TimeScore = 0;
    qint16 SolverScore = 0;

    qint16 SpellAttempts = 0;
    qint16 SpellRight = 0;
    bool VisualRewardsOn = false;
    bool RandomWordOrder = false;
    QString WordFileName;
    QStringList WordList;  // word slots of 16 characters, slot n at index n - 1 (at most 1000)
    qint16 WordCount = 0;
    WordListAction WordFileAction = WordListAction::Create;

    QString NounChoice;
    QString AdjectiveChoice;
    QString AdverbChoice;
    QString VerbChoice;
    QString NounFile;
    QString VerbFile;
    QString Determiner;
    QString Sentence;
    qint16 SpeechDelay = 0;

    ScoreRecord RecordBuffer;

    // The nine scores of a score record, in record order.
    std::array<qint16, 9> currentScores() const;
    void resetScores();

    QString dataDirectory() const { return WindowsDir + QStringLiteral("kitetu"); }
    QString settingsFile() const { return dataDirectory() + QStringLiteral("/kitetu.dat"); }
};

// The one session of this program run.
SessionState& session();
// Whether sounds are switched on (Options, Sound).
inline bool soundOn() { return session().SoundOn; }
// Back to the zeroed state of a fresh start (tests).
void resetSession();

} // namespace kt
