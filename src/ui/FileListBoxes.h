// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The classic trio for picking a file: a drive list, a folder list that shows
// the way down from the root and the folders inside, and a file list of the
// names matching a pattern. Changing the drive or folder is announced, so a
// window can chain them (drive -> folder -> files).
#include <QComboBox>
#include <QListWidget>

namespace kt {

// On Linux there is one drive, the root "/".
class DriveListBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveListBox(QWidget* parent);
    QString drive() const { return currentText(); }
    void setDrive(const QString& drive);

signals:
    void changed();
};

class DirListBox : public QListWidget {
    Q_OBJECT
public:
    explicit DirListBox(QWidget* parent);
    QString path() const { return m_path; }
    // Shows `path` (an existing folder) and announces the change.
    void setPath(const QString& path);

signals:
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openItem(QListWidgetItem* item);
    QString m_path;
};

class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent);
    QString path() const { return m_path; }
    void setPath(const QString& path);
    void setPattern(const QString& pattern);
    // The chosen file name, empty when none is chosen.
    QString fileName() const;

signals:
    void doubleClicked();
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refresh();
    QString m_path;
    QString m_pattern = QStringLiteral("*");
};

} // namespace kt
