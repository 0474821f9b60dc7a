// Which display platform the program asks Qt for, from the session it starts in.
#include "desktop/display_platform.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestDisplayPlatform : public QObject
{
    Q_OBJECT
private slots:
    void waylandWithXWaylandRunsOnX11_data();
    void waylandWithXWaylandRunsOnX11();
};

void TestDisplayPlatform::waylandWithXWaylandRunsOnX11_data()
{
    QTest::addColumn<QStringList>("environment"); // NAME=value
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("platform");
    const QStringList program{u"orvanta"_s};
    const QStringList wayland{u"XDG_SESSION_TYPE=wayland"_s, u"WAYLAND_DISPLAY=wayland-0"_s,
                              u"DISPLAY=:0"_s};
    QTest::newRow("X11 session") << QStringList{u"XDG_SESSION_TYPE=x11"_s, u"DISPLAY=:0"_s}
                                 << program << QByteArray();
    QTest::newRow("Wayland with XWayland") << wayland << program << "xcb"_ba;
    QTest::newRow("Wayland display only named")
        << QStringList{u"WAYLAND_DISPLAY=wayland-0"_s, u"DISPLAY=:1"_s} << program << "xcb"_ba;
    QTest::newRow("Wayland without XWayland")
        << QStringList{u"XDG_SESSION_TYPE=wayland"_s, u"WAYLAND_DISPLAY=wayland-0"_s} << program
        << QByteArray();
    QTest::newRow("user chose by variable")
        << wayland + QStringList{u"QT_QPA_PLATFORM=wayland"_s} << program << QByteArray();
    QTest::newRow("user chose by -platform")
        << wayland << program + QStringList{u"-platform"_s, u"wayland"_s} << QByteArray();
    QTest::newRow("user chose by --platform")
        << wayland << program + QStringList{u"--platform"_s, u"wayland"_s} << QByteArray();
    QTest::newRow("empty variable is no choice")
        << wayland + QStringList{u"QT_QPA_PLATFORM="_s} << program << "xcb"_ba;
    QTest::newRow("no display at all") << QStringList{} << program << QByteArray();
}

void TestDisplayPlatform::waylandWithXWaylandRunsOnX11()
{
    QFETCH(QStringList, environment);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, platform);
    QProcessEnvironment env(QProcessEnvironment::InheritFromParent);
    env.clear();
    for (const QString &pair : environment)
        env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    QCOMPARE(preferredDisplayPlatform(env, arguments), platform);
}

QTEST_GUILESS_MAIN(TestDisplayPlatform)
#include "tst_display_platform.moc"
