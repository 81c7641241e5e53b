// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FileListBoxes.h"

#include "ui/Form.h"
#include "ui/Platform.h"

#include <QDir>
#include <QKeyEvent>

namespace kt {

namespace {
// The path of a folder item: kept with the item, shown indented by depth.
constexpr int PathRole = Qt::UserRole + 1;
} // namespace

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent)
{
    setFont(sansFont(10));
    for (const QFileInfo& drive : QDir::drives())
        addItem(drive.absolutePath());
    connect(this, &QComboBox::currentTextChanged, this, &DriveListBox::changed);
}

void DriveListBox::setDrive(const QString& drive)
{
    int index = findText(drive);
    if (index < 0) {
        addItem(drive);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

DirListBox::DirListBox(QWidget* parent) : QListWidget(parent)
{
    setFont(sansFont(10));
    connect(this, &QListWidget::itemDoubleClicked, this, &DirListBox::openItem);
}

void DirListBox::setPath(const QString& path)
{
    const QDir dir(path);
    if (!dir.exists())
        return;
    m_path = QDir::cleanPath(dir.absolutePath());
    clear();
    // The way down from the root, then the folders inside the current one.
    QStringList chain;
    for (QDir up(m_path);; ) {
        chain.prepend(up.absolutePath());
        if (up.isRoot() || !up.cdUp())
            break;
    }
    int depth = 0;
    for (const QString& folder : chain) {
        const QString name = depth == 0 ? folder : QDir(folder).dirName();
        auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(PathRole, folder);
        if (folder == m_path)
            setCurrentItem(item);
        ++depth;
    }
    const QStringList inside = QDir(m_path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : inside) {
        if (!Paths::isUsableName(name))
            continue; // a line break would show one folder as two lines
        auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(PathRole, QDir(m_path).filePath(name));
    }
    emit changed();
}

void DirListBox::openItem(QListWidgetItem* item)
{
    if (item)
        setPath(item->data(PathRole).toString());
}

void DirListBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openItem(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent)
{
    setFont(sansFont(10));
    connect(this, &QListWidget::itemDoubleClicked, this, &FileListBox::doubleClicked);
}

void FileListBox::setPath(const QString& path)
{
    m_path = path;
    refresh();
}

void FileListBox::setPattern(const QString& pattern)
{
    m_pattern = pattern;
    refresh();
}

void FileListBox::refresh()
{
    clear();
    // Plain files with usable names only: no link, FIFO or folder is offered.
    addItems(Paths::match(m_path, m_pattern));
}

QString FileListBox::fileName() const
{
    const QList<QListWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->text();
}

void FileListBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace kt
