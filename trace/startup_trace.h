#pragma once

class QObject;

// Marks of a start's stages, for the start-up benchmark: each mark prints to stderr how long
// after the launch it came ("stage database 31.2 ms"), measured against the launch time in
// GUI_STARTUP_BENCH_LAUNCH (seconds since the epoch). Without that variable, nothing is printed
// and a mark costs one branch.
namespace StartupTrace {

void mark(const char *stage);

// Marks "first-paint" at the first paint of `window` and "frame-done" when that frame's event
// loop turn has ended; the watcher removes itself then.
void watchFirstFrame(QObject &window);

} // namespace StartupTrace
