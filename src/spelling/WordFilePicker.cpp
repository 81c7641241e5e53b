// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/WordFilePicker.h"

#include "shell/SessionState.h"
#include "shell/WindowNames.h"
#include "spelling/WordFiles.h"
#include "ui/Controls.h"
#include "ui/FileListBoxes.h"
#include "ui/Forms.h"
#include "ui/Platform.h"
#include "ui/SafeFileName.h"

namespace kt {

namespace {
template <typename Control>
Control* placed(Control* control, const QString& name, int left, int top, int width, int height)
{
    control->setObjectName(name);
    control->setGeometry(px(left), px(top), px(width), px(height));
    return control;
}
} // namespace

WordFilePicker::WordFilePicker() : Form(windows::WordFilePicker)
{
    setCaption(QStringLiteral("Spell File Select"));
    setSizeTwips(6960, 4200);
    LabelInstructions = addLabel(QStringLiteral("LabelInstructions"), 240, 120, 6480, 360, QStringLiteral("Select a word file."));
    Drive1 = placed(new DriveListBox(surface()), QStringLiteral("Drive1"), 240, 600, 3120, 360);
    Dir1 = placed(new DirListBox(surface()), QStringLiteral("Dir1"), 240, 1080, 3120, 2400);
    File1 = placed(new FileListBox(surface()), QStringLiteral("File1"), 3600, 600, 3120, 2880);
    File1->setPattern(QStringLiteral("*.shw"));
    CommandOK = addButton(QStringLiteral("CommandOK"), 1200, 3600, 1800, 420, QStringLiteral("&OK"));
    CommandCancel = addButton(QStringLiteral("CommandCancel"), 3960, 3600, 1800, 420, QStringLiteral("&Cancel"));

    connect(Drive1, &DriveListBox::changed, this, &WordFilePicker::Drive1_Change);
    connect(Dir1, &DirListBox::changed, this, &WordFilePicker::Dir1_Change);
    connect(File1, &FileListBox::doubleClicked, this, &WordFilePicker::File1_Pick);
    connect(File1, &FileListBox::enterPressed, this, &WordFilePicker::File1_Pick);
    connect(CommandOK, &QPushButton::clicked, this, &WordFilePicker::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &Form::unload);
}

void WordFilePicker::Form_Load()
{
    centre();
    m_action = session().WordFileAction;
    if (m_action == WordListAction::DeleteList)
        LabelInstructions->setText(QStringLiteral("Select a file to delete."));
    Drive1->setDrive(session().WindowsDrive.isEmpty() ? QStringLiteral("/") : session().WindowsDrive);
    Dir1->setPath(session().dataDirectory());
    File1->setFocus();
}

void WordFilePicker::Drive1_Change() { Dir1->setPath(Drive1->drive()); }

void WordFilePicker::Dir1_Change() { File1->setPath(Dir1->path()); }

void WordFilePicker::CommandOK_Click()
{
    if (File1->fileName().isEmpty()) {
        msgBox(QStringLiteral("Select a file."));
        return;
    }
    useFile(File1->fileName());
}

void WordFilePicker::File1_Pick()
{
    if (!File1->fileName().isEmpty())
        useFile(File1->fileName());
}

void WordFilePicker::useFile(const QString& fileName)
{
    // Only a listed list name is used, so nothing outside the folder is touched.
    if (!isSafeFileName(fileName))
        return;
    SessionState& s = session();
    s.WordFileName = File1->path() + QLatin1Char('/') + fileName;
    s.WordFileAction = m_action;
    unload();
    // The drill never goes on with a list that is about to change.
    Forms::unload(windows::SpellingDrill);
    switch (m_action) {
    case WordListAction::Create:
    case WordListAction::AddWords: Forms::show(windows::HomeworkWords); break;
    case WordListAction::Practise: Forms::show(windows::SpellingDrill); break;
    case WordListAction::DeleteList: {
        const WordFileResult deleted = deleteWordFile(s.WordFileName);
        if (!deleted.ok)
            msgBox(deleted.message);
        break;
    }
    case WordListAction::ChangeWord:
    case WordListAction::DeleteWord: Forms::show(windows::WordSearch); break;
    }
}

} // namespace kt
