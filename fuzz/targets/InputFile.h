// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fuzzer's input written to a file of the given name, in a folder of the
// run's own, for the readers that take a path; returns the path.
#include "Check.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

inline QString writeInputFile(const QString& name, const QByteArray& data)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile file(path);
    KITE_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size());
    return path;
}

inline QByteArray inputBytes(const uint8_t* bytes, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(bytes), qsizetype(size));
}
