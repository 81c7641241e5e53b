// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/HomeworkFileName.h"

#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "spelling/WordFiles.h"
#include "ui/Controls.h"
#include "ui/Forms.h"
#include "ui/Platform.h"

namespace kt {

namespace {
const QString FirstInstruction = QStringLiteral(
    "Type your homework file name in the box below then press the ENTER key.  Use no more than 8 characters.");
}

HomeworkFileName::HomeworkFileName() : Form(windows::HomeworkFileName)
{
    setCaption(QStringLiteral("Homework File Name"));
    setSizeTwips(6000, 2880);
    LabelInstructions = addLabel(QStringLiteral("LabelInstructions"), 240, 120, 5520, 720, FirstInstruction);
    TextFileName = addTextBox(QStringLiteral("TextFileName"), 240, 960, 3240, 405);
    Option1 = addOption(QStringLiteral("Option1"), 0, 3720, 960, 960, 405, QStringLiteral("Yes"));
    Option2 = addOption(QStringLiteral("Option2"), 0, 4800, 960, 960, 405, QStringLiteral("No"));
    // Each answer is a control of its own, not an element of an array.
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2->setObjectName(QStringLiteral("Option2"));
    Option1->hide();
    Option2->hide();
    CommandOK = addButton(QStringLiteral("CommandOK"), 1200, 1920, 1440, 480, QStringLiteral("&OK"));
    CommandCancel = addButton(QStringLiteral("CommandCancel"), 3360, 1920, 1440, 480, QStringLiteral("&Cancel"));

    connect(CommandOK, &QPushButton::clicked, this, &HomeworkFileName::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &Form::unload);
    connect(TextFileName, &TextBox::keyPressed, this, &HomeworkFileName::TextFileName_KeyPress);
    connect(Option1, &OptionButton::doubleClicked, this, &HomeworkFileName::Option1_DblClick);
    connect(Option2, &OptionButton::doubleClicked, this, &HomeworkFileName::Option2_DblClick);
    // Enter on a focused answer gives it, as on the drills' choices.
    connect(Option1, &OptionButton::keyPressed, this, [this](int, int ascii) {
        if (ascii == KeyEnter)
            Option1_DblClick();
    });
    connect(Option2, &OptionButton::keyPressed, this, [this](int, int ascii) {
        if (ascii == KeyEnter)
            Option2_DblClick();
    });
}

void HomeworkFileName::Form_Load()
{
    centre();
    m_action = session().WordFileAction;
    TextFileName->setFocus();
}

void HomeworkFileName::TextFileName_KeyPress(int& ascii)
{
    if (ascii != KeyEnter)
        return;
    ascii = 0;
    if (!TextFileName->text().isEmpty())
        CommandOK_Click();
}

void HomeworkFileName::CommandOK_Click()
{
    // OK after a click on an answer gives that answer rather than asking again.
    if (!m_askedPath.isEmpty() && (Option1->isChecked() || Option2->isChecked())) {
        if (Option1->isChecked())
            Option1_DblClick();
        else
            Option2_DblClick();
        return;
    }
    if (TextFileName->text().isEmpty()) {
        TextFileName->setFocus();
        return;
    }
    const QString fileName = homeworkFileName(TextFileName->text());
    if (fileName.isEmpty()) {
        refuseEntry(TextFileName, QStringLiteral("Please use letters or digits in the homework file name."));
        return;
    }
    const QString path = homeworkPath(fileName);
    session().WordFileName = path;
    if (m_action == WordListAction::Create && wordFileExists(path)) {
        m_askedPath = path;
        LabelInstructions->setText(QStringLiteral("That file already exists.  Do you want to replace it?"));
        Option1->show();
        Option2->show();
        // The keyboard starts on the answer that loses nothing.
        Option2->setFocus();
        beep();
        return;
    }
    enterWords(path);
}

void HomeworkFileName::Option1_DblClick()
{
    // Yes replaces the file the question was about, whatever the box holds now.
    if (!m_askedPath.isEmpty())
        enterWords(m_askedPath);
}

void HomeworkFileName::Option2_DblClick()
{
    TextFileName->clear();
    m_askedPath.clear();
    LabelInstructions->setText(FirstInstruction);
    Option1->setValue(false);
    Option2->setValue(false);
    Option1->hide();
    Option2->hide();
    TextFileName->setFocus();
}

void HomeworkFileName::enterWords(const QString& path)
{
    session().WordFileName = path;
    session().WordFileAction = m_action;
    unload();
    Forms::show(windows::HomeworkWords);
}

} // namespace kt
