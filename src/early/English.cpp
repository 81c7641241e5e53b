// SPDX-License-Identifier: GPL-3.0-or-later
#include "early/English.h"

#include "early/SentenceBuilder.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Forms.h"
#include "ui/Platform.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kt {

English::English() : Form(windows::English)
{
    setCaption(QStringLiteral("English"));
    QMenu* options = addMenu(menuBar(), QStringLiteral("menOptions"), QStringLiteral("&Options"));
    ExitItem = addMenuItem(options, QStringLiteral("ExitItem"), QStringLiteral("E&xit"));
    menNoun = addMenu(menuBar(), QStringLiteral("menNoun"), QStringLiteral("&Noun(Singular/Plural)"));
    menSingular = addMenuItem(menNoun, QStringLiteral("menSingular"), QStringLiteral("&Singular"), true);
    menPlural = addMenuItem(menNoun, QStringLiteral("menPlural"), QStringLiteral("&Plural"));
    setSizeTwips(9620, 7200);

    MainWindowText = addLabel(QStringLiteral("MainWindowText"), 1800, 240, 7500, 1800,
                              QStringLiteral("You can choose nouns, verbs, adjectives, or adverbs to create your own "
                                             "sentences.  Use these to learn more about English sentence structure "
                                             "and  have fun while doing it."));
    MainWindowText->setWordWrap(true);
    MainWindowText->setFont(sansFont(15, true));
    MainWindowText->setForeColor(Colour::Blue);
    SingularNounsCommand = addButton(QStringLiteral("SingularNounsCommand"), 4800, 6240, 2040, 600, QStringLiteral("&Start"));
    Command1 = addButton(QStringLiteral("Command1"), 7080, 6240, 2040, 600, QStringLiteral("&Return"));
    for (CommandButton* button : {SingularNounsCommand, Command1})
        button->setFont(sansFont(11, true));

    connect(menSingular, &QAction::triggered, this, &English::menSingular_Click);
    connect(menPlural, &QAction::triggered, this, &English::menPlural_Click);
    connect(SingularNounsCommand, &CommandButton::clicked, this, &English::SingularNounsCommand_Click);
    connect(Command1, &CommandButton::clicked, this, &English::Command1_Click);
    connect(ExitItem, &QAction::triggered, this, &English::ExitItem_Click);
}

void English::Form_Load()
{
    centre();
    const QString picture = platform().paths.findProgramFile(QStringLiteral("woolly.bmp"));
    if (!picture.isEmpty())
        setPicture(picture);
    // Every visit starts singular, and so does a builder left open.
    chooseNumber(false);
}

void English::menSingular_Click() { chooseNumber(false); }

void English::menPlural_Click() { chooseNumber(true); }

void English::SingularNounsCommand_Click() { Forms::show(windows::SentenceBuilder); }

void English::Command1_Click() { unload(); }

void English::ExitItem_Click() { unload(); }

void English::chooseNumber(bool plural)
{
    SessionState& s = session();
    s.NounFile = plural ? QStringLiteral("p_noun.dat") : QStringLiteral("s_noun.dat");
    s.VerbFile = plural ? QStringLiteral("p_verb.dat") : QStringLiteral("s_verb.dat");
    s.Determiner = plural ? QStringLiteral("Those") : QStringLiteral("That");
    setMenuChecked(menSingular, !plural);
    setMenuChecked(menPlural, plural);
    // A builder opened later loads these lists itself; one already open gets
    // them now, so "Those" never meets a singular noun from the old list.
    if (auto* builder = Forms::find<SentenceBuilder>(windows::SentenceBuilder); builder && builder->isLoaded())
        builder->useChosenLists();
}

} // namespace kt
