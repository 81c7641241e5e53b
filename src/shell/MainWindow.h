// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: a picture window whose menu bar opens every activity,
// keeps the level switches of the drills and the sound switch, and ends the
// program.
#include "ui/Form.h"

#include <QList>

class QAction;

namespace kt {

class MainWindow : public Form {
    Q_OBJECT
public:
    MainWindow();

    // The designed size of the picture under the menu bar.
    static constexpr int WidthTwips = 9620;
    static constexpr int HeightTwips = 7200;

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

private:
    Timer* Timer1;

    struct Entry;
    void buildMenus();
    QAction* addEntry(QAction* submenu, const Entry& entry);
    void buildLevelMenus(QAction* math);
    void buildAlgebraMenu(QAction* math);

    // Options
    void menuAbout_Click();
    void menuSoundOn_Click();
    void menuSoundOff_Click();
    void menuEssay_Click();
    void menuExit_Click();
    // Math
    void mnuNumbers_Click();
    void menuAddLevel_Click(int level);
    void menuSubLevel_Click(int level);
    void menuMulLevel_Click(int level);
    void menuDivLevel_Click(int level);
    void menuFractLevel_Click(int level);
    void mnuEquations_Click();
    void mnuEquationsType_Click(int type);
    void menuFactor_Click();
    void menuSimultaneous_Click();
    void mnuScientific_Click();
    // Other activities and scores
    void mnuAlphabet_Click();
    void mnuSpelling_Click();
    void mnuEnglish_Click();
    void mnuTellTime_Click();
    void mnuCurrentScores_Click();
    void mnuPreviousScores_Click();
    void mnuChangeUser_Click();

    void Timer1_Timer();

    // Closes every open activity window, in the fixed order.
    void UnloadActivityWindows();
    // A drill's level entry: close all, set the level, move the tick, show.
    void chooseDrillLevel(qint16& levelVariable, const QList<QAction*>& group, int level, const QString& window);
    // Ticks the chosen level entry of a group and clears the others.
    static void checkOnly(const QList<QAction*>& group, int chosen);
    // Sets a window's public HideScore flag before it is shown.
    static void setHideScore(const QString& window, qint16 flag);
    void showActivity(const QString& window);
    // Entries whose window is not part of the program are disabled.
    void enableAvailableEntries();

    QAction* menuSoundOn = nullptr;
    QAction* menuSoundOff = nullptr;
    QList<QAction*> menuAddLevel, menuSubLevel, menuMulLevel, menuDivLevel, menuFractLevel;
    QAction* mnuEquations = nullptr;
    QAction* menuFactor = nullptr;
    QAction* menuSimultaneous = nullptr;
    QList<QPair<QAction*, QString>> m_windowEntries;
};

} // namespace kt
