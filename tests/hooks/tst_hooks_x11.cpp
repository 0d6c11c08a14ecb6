// End to end on an X server: keys and clicks injected with XTest, as another
// client would see them typed, reach the hook manager's callbacks as usage
// codes and button codes. Run under xvfb-run, which provides the server.
#include "Recorder.h"

#include "hooks/Hook_Manager.h"
#include "hooks/X11InputSource.h"

#include <QProcess>
#include <QStandardPaths>

#include <QtTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {
const int kTimeout = 20000; // generous: the machine may be busy
}

class TstHooksX11 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void keys_data();
    void keys();
    void clicks();
    void wheelAndSideButtonsReportNothing();
    void survivesTheServerGoingAway();

private:
    void key(int linuxCode, bool down);
    void button(unsigned int number, bool down);

    Display *injector = nullptr; // a client of its own, like any other application
    std::unique_ptr<Hook_Manager> manager;
    Recorder recorder;
};

void TstHooksX11::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("No X display: run through ctest, which starts one with xvfb-run");
    injector = XOpenDisplay(nullptr);
    QVERIFY2(injector, "cannot open the X display");
    int event = 0, error = 0, major = 0, minor = 0;
    QVERIFY2(XTestQueryExtension(injector, &event, &error, &major, &minor), "the X server has no XTest");

    manager = std::make_unique<Hook_Manager>();
    QVERIFY(manager->setup(true));
    QCOMPARE(manager->sourceName(), QStringLiteral("x11"));
    recorder.attach(*manager);
}

void TstHooksX11::cleanupTestCase()
{
    manager.reset();
    if (injector)
        XCloseDisplay(injector);
}

void TstHooksX11::init()
{
    recorder.reports.clear();
}

void TstHooksX11::key(int linuxCode, bool down)
{
    XTestFakeKeyEvent(injector, unsigned(linuxCode + 8), down, CurrentTime); // X keycode = Linux code + 8
    XFlush(injector);
}

void TstHooksX11::button(unsigned int number, bool down)
{
    XTestFakeButtonEvent(injector, number, down, CurrentTime);
    XFlush(injector);
}

void TstHooksX11::keys_data()
{
    QTest::addColumn<QString>("events");  // Linux key codes, + down, - up
    QTest::addColumn<QString>("reports"); // usage codes reported

    QTest::newRow("letter") << "30+ 30-" << "04+ 04-";
    QTest::newRow("Alt+Tab") << "56+ 15+ 15- 56-" << "e2+ 2b+ 2b- e2-";
    QTest::newRow("keypad Enter") << "96+ 96-" << "58+ 58-";
    QTest::newRow("Pause") << "119+ 119-" << "48+ 48-";
    QTest::newRow("right Ctrl") << "97+ 97-" << "e4+ e4-";
    QTest::newRow("Ctrl+Pause") << "29+ 119+ 119- 29-" << "e0+ 48+ 48- e0-";
    QTest::newRow("Alt+Print Screen") << "56+ 99+ 99- 56-" << "e2+ 46+ 46- e2-";
    // Not translated: nothing until the marker key.
    QTest::newRow("right Windows, then Escape") << "126+ 126- 1+ 1-" << "29+ 29-";
}

void TstHooksX11::keys()
{
    QFETCH(QString, events);
    QFETCH(QString, reports);
    for (const LinuxKeyStep &step : linuxKeySteps(events))
        key(step.code, step.down);
    const QStringList expected = reports.split(QLatin1Char(' '));
    QTRY_COMPARE_WITH_TIMEOUT(recorder.reports.size() >= expected.size(), true, kTimeout);
    QCOMPARE(recorder.reports, expected);
}

void TstHooksX11::clicks()
{
    // Raw events carry no position: the capture asks for the pointer's, so
    // each click is awaited before the pointer moves on.
    struct Click { unsigned int button; int x, y; const char *code; };
    const Click clicks[] = { { 1, 100, 200, "f0" }, { 3, 1279, 0, "f1" }, { 2, 640, 1023, "f2" } };
    for (const Click &c : clicks) {
        recorder.reports.clear();
        XTestFakeMotionEvent(injector, -1, c.x, c.y, CurrentTime);
        button(c.button, true);
        button(c.button, false);
        const QString at = QStringLiteral("@%1,%2").arg(c.x).arg(c.y);
        const QStringList expected = { c.code + QStringLiteral("+") + at, c.code + QStringLiteral("-") + at };
        QTRY_COMPARE_WITH_TIMEOUT(recorder.reports.size() >= expected.size(), true, kTimeout);
        QCOMPARE(recorder.reports, expected);
    }
}

void TstHooksX11::wheelAndSideButtonsReportNothing()
{
    XTestFakeMotionEvent(injector, -1, 10, 20, CurrentTime);
    for (unsigned int b : { 4u, 5u, 6u, 7u, 8u, 9u }) {
        button(b, true);
        button(b, false);
    }
    button(1, true); // the marker: everything before it has been seen
    const QStringList expected = { "f0+@10,20" };
    QTRY_COMPARE_WITH_TIMEOUT(recorder.reports.isEmpty(), false, kTimeout);
    QCOMPARE(recorder.reports, expected);
    button(1, false);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.reports.size(), 2, kTimeout);
}

void TstHooksX11::survivesTheServerGoingAway()
{
    // A server of this test's own, which it can stop.
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    QVERIFY2(!xvfb.isEmpty(), "Xvfb is not installed");
    QProcess server;
    server.start(xvfb, { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                         QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                         QStringLiteral("320x240x24") });
    QVERIFY(server.waitForStarted(kTimeout));
    QTRY_VERIFY_WITH_TIMEOUT(server.canReadLine(), kTimeout); // it writes its display number once ready
    const QByteArray display = ':' + server.readLine().trimmed();

    Recorder lost;
    Hook_Manager other([display] { return std::unique_ptr<InputSource>(X11InputSource::open(display)); });
    QVERIFY(other.setup(true));
    lost.attach(other);

    Display *inject = XOpenDisplay(display.constData());
    QVERIFY(inject);
    XTestFakeKeyEvent(inject, 30 + 8, True, CurrentTime); // A, held when the server goes
    XCloseDisplay(inject); // flushes; this test's own connection must not see the loss
    QTRY_COMPARE_WITH_TIMEOUT(lost.reports, QStringList({ "04+" }), kTimeout);

    server.kill();
    QVERIFY(server.waitForFinished(kTimeout));
    // Still running, the held key released, capture over without a fuss.
    QTRY_COMPARE_WITH_TIMEOUT(lost.reports, QStringList({ "04+", "04-" }), kTimeout);
    other.uninstall();
}

QTEST_GUILESS_MAIN(TstHooksX11)
#include "tst_hooks_x11.moc"
