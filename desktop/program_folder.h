#pragma once

#include <optional>
#include <QByteArray>
#include <QString>

// The folder that holds the running program, where its database, skin and pointer image lie.
// Asked of the operating system, never taken from the working directory: Qt's
// applicationDirPath() is empty for a folder whose name is not valid UTF-8, and an empty folder
// name means the working directory to QDir.
struct ProgramFolder
{
    // A path that reaches the folder: its name, or where the name's bytes are not text (and a
    // QString cannot carry them), /proc/self/fd/N of a handle on the folder held for the run.
    QString path;
    // The folder's name for people, with U+FFFD for bytes that are not text.
    QString name;

    // The folder of the running program (/proc/self/exe on Linux). Empty, with `error` saying
    // why, when it cannot be known.
    static std::optional<ProgramFolder> find(QString *error);
    // The folder of the program file at `executable`, given as the system's bytes.
    static std::optional<ProgramFolder> ofExecutable(const QByteArray &executable, QString *error);
};
