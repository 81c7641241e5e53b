// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/UserNameEntry.h"

#include "shell/ScoreRecords.h"
#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "ui/Controls.h"
#include "ui/Platform.h"

namespace kt {

UserNameEntry::UserNameEntry() : Form(windows::UserNameEntry)
{
    setCaption(QStringLiteral("Enter Your Name"));
    setSizeTwips(4245, 1110);
    TextName = addTextBox(QStringLiteral("TextName"), 240, 300, 2295, 405);
    TextName->setMaxLength(8);
    Command1 = addButton(QStringLiteral("Command1"), 2760, 300, 1215, 405, QStringLiteral("OK"));

    connect(Command1, &CommandButton::clicked, this, &UserNameEntry::Command1_Click);
    connect(TextName, &TextBox::keyPressed, this, &UserNameEntry::TextName_KeyPress);
}

void UserNameEntry::Form_Load()
{
    setWidthTwips(4245);
    centre();
    // The first opening, just after start-up, gives the session a name even
    // before anything is typed.
    if (session().UserName.isEmpty())
        session().UserName = QStringLiteral("Unknown");
    TextName->setFocus();
}

void UserNameEntry::Command1_Click() { unload(); }

void UserNameEntry::TextName_KeyPress(int& ascii)
{
    if (ascii == KeyEnter) {
        ascii = 0;
        unload();
    }
}

void UserNameEntry::Form_Unload(bool& cancel)
{
    Q_UNUSED(cancel);
    SessionState& s = session();
    const QString old = s.UserName;
    // The name becomes a file name: what is left after cutting at the first
    // "." and dropping unsafe characters, "Unknown" when nothing is left.
    s.UserName = recordName(TextName->text());
    // Exact comparison: "ann" after "Ann" is another user as far as the
    // scores of this run go, though both share one score file.
    if (s.UserName != old) {
        QString error;
        if (!old.isEmpty() && !WriteScoreRecord(old, &error))
            msgBox(error, MsgButtons::Ok, MsgIcon::Exclamation);
        s.resetScores();
    }
}

} // namespace kt
