// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sentence builder: four drop-down lists (noun, adjective, verb, adverb)
// filled from word list files that also take typed words, and a sentence
// "That"/"Those" + adjective + noun + verb + adverb + "." that is shown and
// spoken word by word, a blue dot under the word being spoken.
#include "ui/Form.h"

#include <QStringList>

class QFrame;

namespace kt {

class SentenceBuilder : public Form {
    Q_OBJECT
public:
    SentenceBuilder();

    // The singular or plural choice changed while the builder is open: the
    // caption and the noun and verb lists follow it; a word the child typed
    // into either list stays.
    void useChosenLists();

protected:
    void Form_Load() override;

private:
    Label* InstructionsLabel;
    ComboBox* Noun;
    ComboBox* adjective;
    ComboBox* Verb;
    ComboBox* Adverb;
    Label* NounLabel;
    Label* AdjectiveLabel;
    Label* VerbLabel;
    Label* AdverbLabel;
    Label* NounDefinitionLabel;
    Label* AdjectiveDefinition;
    Label* VerbDefinition;
    Label* AdverbDefinition;
    Label* FinishedSentenceLabel;
    CommandButton* MakeSentence;
    CommandButton* SaySlowerCommand;
    CommandButton* SayFasterCommand;
    CommandButton* StopCommand;
    Timer* Timer1;
    Timer* Timer2;
    // The pause after a spoken word, before its dot goes and the next word
    // is said.
    Timer* PauseTimer;
    QFrame* Shape1;

    void MakeSentence_Click();
    void Timer1_Timer();
    void SaySlowerCommand_Click();
    void SayFasterCommand_Click();
    void StopCommand_Click();
    void Timer2_Timer();
    void PauseTimer_Timer();

    // Fills `list` from `file`; false (after the list's message) when the
    // file is missing or unreadable.
    bool LoadWordList(const QString& file, ComboBox* list, const QString& missingMessage);
    bool reloadKeepingTypedWord(const QString& file, ComboBox* list, const QString& missingMessage);
    // Says the queued words one after another, pausing after each.
    void SayNextWord();
    // Dot under the word, its recording, then the pause (or at once the next word).
    void SayWord(const QString& word);
    void eraseDot();
    void showSentence(const QString& sentence);
    void stopSpeaking();

    QStringList m_wordsToSay;
    bool m_dotShown = false;
    double m_dotX = 0;
};

} // namespace kt
