// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way the program opens a file of the data folder. What lies there
// may come from a USB stick, another computer or a second copy of the
// program, so only a regular file is ever read or written: a link is never
// followed (a write would land outside the folder), and a FIFO or device
// never makes the program wait (opening a FIFO blocks until a writer comes).
//
// Inline, so the sound module, which shares no code with the program, opens
// recordings the same way.
#include <QFile>
#include <QString>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kt {

// The reason given for anything that is not a plain file.
inline QString notPlainFileReason() { return QStringLiteral("it is not an ordinary file"); }

enum class FileKind { Missing, Plain, Other };

// What the name itself is, a link not followed: a link, FIFO, device or
// folder is Other.
inline FileKind fileKind(const QString& path)
{
    struct stat st;
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR || path.isEmpty() ? FileKind::Missing : FileKind::Other;
    return S_ISREG(st.st_mode) ? FileKind::Plain : FileKind::Other;
}

// Opens `path` with `flags` (O_RDONLY, O_WRONLY | O_APPEND, ... ; O_CREAT
// makes files with mode 0666 less the umask). Returns a descriptor that is
// closed on exec and blocks as usual, or -1 with *reason set: the system's
// reason, or notPlainFileReason() for a link, FIFO, device or folder.
inline int openPlainFile(const QString& path, int flags, QString* reason = nullptr)
{
    auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return -1;
    };
    if (path.isEmpty())
        return fail(qt_error_string(ENOENT));
    const int fd = ::open(QFile::encodeName(path).constData(),
                          flags | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) {
        // ELOOP: a link; ENXIO: a FIFO nobody reads; EISDIR: a folder.
        const int error = errno;
        return fail(error == ELOOP || error == ENXIO || error == EISDIR ? notPlainFileReason()
                                                                         : qt_error_string(error));
    }
    struct stat st;
    const int mode = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || mode < 0
        || ::fcntl(fd, F_SETFL, mode & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return fail(notPlainFileReason());
    }
    return fd;
}

} // namespace kt
