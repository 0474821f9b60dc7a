#pragma once

#include "desktop/process_launcher.h"
#include "desktop/random_draw.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QTest>

// A draw that gives what the test says, and keeps the seeds it was given.
class ScriptedDraw final : public RandomDraw
{
public:
    void Randomize(float seed) override { seeds.append(seed); }
    float Rnd() override { return r; }
    float r = 0.5f;
    QList<float> seeds;
};

// Keeps every command it is asked to start; starts nothing, and says so when `starts` is false,
// as a desktop without a URL opener does.
class RecordingLauncher final : public ProcessLauncher
{
public:
    bool startDetached(const QString &program, const QStringList &arguments) override
    {
        launches.append(QStringList{program} + arguments);
        return starts;
    }
    QList<QStringList> launches;
    bool starts = true;
};

// Writes `content` to `path`, making its folders.
inline void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}
