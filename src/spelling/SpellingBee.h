// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Spelling Beez", the home of the spelling activities: its menus choose a
// level list or a homework list and open the drill or the list editors, and
// set the word order and the picture rewards. A small bee wanders about.
#include "shell/SessionState.h"
#include "ui/Form.h"

namespace kt {

class SpellingBee : public Form {
    Q_OBJECT
public:
    SpellingBee();


    // Where the bee is, in twips.
    int imageLeft() const { return m_imageLeft; }
    int imageTop() const { return m_imageTop; }

protected:
    void Form_Load() override;

private:
    ImageBox* Image1;
    Timer* Timer1;

    void buildMenus();

    void menuInputHomework_Click();
    void menuLastHomework_Click();
    void menuLevel_Click(int level);
    // Add words (2), delete a file (3), change a word (4), delete a word (5).
    void editAction_Click(WordListAction action);
    void menuExit_Click();
    void menuRandom_Click();
    void menuSequential_Click();
    void menuVisualOn_Click();
    void menuVisualOff_Click();
    void menuHelp_Click();
    void Timer1_Timer();

    // Unloads an open drill so it starts afresh on its next showing.
    void closeDrill();
    // The bee's place is kept in twips: pixels would swallow its small steps.
    void placeImage(int left, int top);

    int m_imageLeft = 0, m_imageTop = 0;
    QAction *menuRandom, *menuSequential, *menuVisualOn, *menuVisualOff;
};

} // namespace kt
