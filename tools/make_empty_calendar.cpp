// Build step: puts the empty calendar database beside the program when none is there yet.
// An existing file holds the user's weeks and is left untouched.
#include "schedule/calendar_files.h"

#include <cstdio>
#include <QCoreApplication>
#include <QFileInfo>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_empty_calendar PATH\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (QFileInfo::exists(path))
        return 0;
    QString error;
    if (!createEmptyCalendarDatabase(path, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
