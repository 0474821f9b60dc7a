#pragma once

#include <QByteArray>
#include <QString>

// A small file that a user put beside the program (a skin, a pointer image), read whole. Only a
// regular file is read, or a link to one: a FIFO or a device of that name is refused without
// waiting on it, and no more than `maxBytes` are read, whatever the file says its size is.
// Paths starting with ":" are the program's own resources.
struct SmallFile
{
    enum Problem { None, CannotOpen, NotARegularFile, TooLarge, CannotRead };

    QByteArray bytes;
    Problem problem = None;
    QString systemError; // the system's words, for CannotOpen and CannotRead

    static SmallFile read(const QString &path, qint64 maxBytes);
    bool ok() const { return problem == None; }
    // What is wrong, for a message about the file; `tooLarge` says it for a file over the limit.
    QString problemText(const QString &tooLarge) const;
};
