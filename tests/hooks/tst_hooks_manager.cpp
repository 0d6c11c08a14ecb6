// The hook manager's procedures and life cycle, driven through a stand-in
// input source: which key and button events are reported, and when.
#include "Recorder.h"

#include "hooks/Hook_Manager.h"
#include "hooks/InputSource.h"

#include <QtTest>

namespace {

struct FakeSource : InputSource
{
    bool startResult = true;
    InputSink sink;
    int *destroyed = nullptr;

    ~FakeSource() override
    {
        if (destroyed)
            ++*destroyed;
    }
    bool start(const InputSink &s) override
    {
        sink = s;
        return startResult;
    }
    QString name() const override { return QStringLiteral("fake"); }
};

// A manager whose capture is a FakeSource the test drives.
struct Rig
{
    FakeSource *source = nullptr; // the last one created
    int created = 0;
    int destroyed = 0;
    bool startResult = true;
    Hook_Manager manager{ [this] {
        auto s = std::make_unique<FakeSource>();
        s->startResult = startResult;
        s->destroyed = &destroyed;
        source = s.get();
        ++created;
        return std::unique_ptr<InputSource>(std::move(s));
    } };
    Recorder recorder;

    void key(bool down, quint32 scanCode, quint32 flags = 0) { source->sink.key(down, scanCode, flags); }
    void mouse(quint32 message, qint32 x = 0, qint32 y = 0) { source->sink.mouse(message, x, y); }
};

const quint32 ext = kKeyFlagExtended;

} // namespace

class TstHooksManager : public QObject
{
    Q_OBJECT
private slots:
    void autoRepeatReportedOnce();
    void keysSharingAUsageShareOneState();
    void untranslatedKeysNotReported();
    void eventsBeforeRegistrationAreSilent();
    void nullContextReportsNothing();
    void registrationIsReplaced();
    void mouseMessages_data();
    void mouseMessages();
    void mouseKeepsNoState();
    void installLifecycle();
    void failedInstall();
};

void TstHooksManager::autoRepeatReportedOnce()
{
    Rig rig;
    QVERIFY(rig.manager.setup(true));
    rig.recorder.attach(rig.manager);
    for (int i = 0; i < 5; ++i)
        rig.key(true, 0x1E); // held: the system repeats the press
    rig.key(false, 0x1E);
    rig.key(false, 0x1E); // a release of a key that is up already
    QCOMPARE(rig.recorder.take(), QStringList({ "04+", "04-" }));
    QVERIFY(!rig.manager.isKeyDown(0x04));
}

void TstHooksManager::keysSharingAUsageShareOneState()
{
    Rig rig;
    rig.manager.setup(true);
    rig.recorder.attach(rig.manager);

    rig.key(true, 0x45);        // Pause
    rig.key(true, 0x46, ext);   // Ctrl+Break while Pause is held: same usage, not reported
    rig.key(false, 0x46, ext);  // Break up: the usage goes up
    rig.key(false, 0x45);       // Pause up: already up
    QCOMPARE(rig.recorder.take(), QStringList({ "48+", "48-" }));

    rig.key(true, 0x54, kKeyFlagAltDown); // Alt+SysRq
    rig.key(true, 0x37, ext);             // Print Screen
    rig.key(false, 0x54, kKeyFlagAltDown);
    QCOMPARE(rig.recorder.take(), QStringList({ "46+", "46-" }));
}

void TstHooksManager::untranslatedKeysNotReported()
{
    Rig rig;
    rig.manager.setup(true);
    rig.recorder.attach(rig.manager);
    rig.key(true, 0x5C, ext); // right Windows
    rig.key(false, 0x5C, ext);
    rig.key(true, 0x00);
    rig.key(true, 0x54); // SysRq without Alt
    rig.key(true, 0x11E); // above 255
    QCOMPARE(rig.recorder.take(), QStringList());
    QVERIFY(!rig.manager.isKeyDown(0));
}

void TstHooksManager::eventsBeforeRegistrationAreSilent()
{
    Rig rig;
    rig.manager.setup(false);
    rig.key(true, 0x1E);  // A pressed and released before anyone listens
    rig.key(false, 0x1E);
    rig.key(true, 0x1F);  // S pressed before, released after registration
    QVERIFY(rig.manager.isKeyDown(0x16));

    rig.recorder.attach(rig.manager);
    rig.key(false, 0x1E); // A is up already: nothing
    rig.key(true, 0x1F);  // S is down already: nothing
    rig.key(false, 0x1F);
    rig.key(true, 0x1E);
    QCOMPARE(rig.recorder.take(), QStringList({ "16-", "04+" }));
}

void TstHooksManager::nullContextReportsNothing()
{
    Rig rig;
    rig.manager.setup(true);
    rig.manager.setKeyboardCallback(Recorder::onKey, nullptr);   // would crash if called
    rig.manager.setMouseCallback(Recorder::onMouse, nullptr);
    rig.key(true, 0x1E);
    rig.mouse(kLeftButtonDown, 1, 2);
    QVERIFY(rig.manager.isKeyDown(0x04)); // the state still follows the keys

    rig.recorder.attach(rig.manager);
    rig.key(true, 0x1E);
    rig.key(false, 0x1E);
    QCOMPARE(rig.recorder.take(), QStringList({ "04-" }));
}

void TstHooksManager::registrationIsReplaced()
{
    Rig rig;
    rig.manager.setup(true);
    Recorder first;
    first.attach(rig.manager);
    rig.recorder.attach(rig.manager);
    rig.key(true, 0x1E);
    rig.mouse(kRightButtonDown, 5, 6);
    QCOMPARE(first.take(), QStringList());
    QCOMPARE(rig.recorder.take(), QStringList({ "04+", "f1+@5,6" }));
}

void TstHooksManager::mouseMessages_data()
{
    QTest::addColumn<uint>("message");
    QTest::addColumn<QString>("report"); // empty: nothing reported

    QTest::newRow("left down") << uint(kLeftButtonDown) << "f0+@-7,1024";
    QTest::newRow("left up") << uint(kLeftButtonUp) << "f0-@-7,1024";
    QTest::newRow("left double click") << uint(kLeftButtonDoubleClick) << "";
    QTest::newRow("right down") << uint(kRightButtonDown) << "f1+@-7,1024";
    QTest::newRow("right up") << uint(kRightButtonUp) << "f1-@-7,1024";
    QTest::newRow("right double click") << uint(kRightButtonDoubleClick) << "";
    QTest::newRow("middle down") << uint(kMiddleButtonDown) << "f2+@-7,1024";
    QTest::newRow("middle up") << uint(kMiddleButtonUp) << "f2-@-7,1024";
    QTest::newRow("move") << uint(kMouseMove) << "";
    QTest::newRow("wheel") << uint(kMouseWheel) << "";
    QTest::newRow("horizontal wheel") << uint(kMouseHorizontalWheel) << "";
    QTest::newRow("side button down") << uint(kExtraButtonDown) << "";
    QTest::newRow("side button up") << uint(kExtraButtonUp) << "";
}

void TstHooksManager::mouseMessages()
{
    QFETCH(uint, message);
    QFETCH(QString, report);
    Rig rig;
    rig.manager.setup(true);
    rig.recorder.attach(rig.manager);
    rig.mouse(message, -7, 1024); // a screen left of the primary one has negative x
    QCOMPARE(rig.recorder.take(), report.isEmpty() ? QStringList() : QStringList({ report }));
}

void TstHooksManager::mouseKeepsNoState()
{
    Rig rig;
    rig.manager.setup(true);
    rig.recorder.attach(rig.manager);
    rig.mouse(kLeftButtonDown, 1, 1);
    rig.mouse(kLeftButtonDown, 2, 2);
    rig.mouse(kMiddleButtonUp, 3, 3);
    QCOMPARE(rig.recorder.take(), QStringList({ "f0+@1,1", "f0+@2,2", "f2-@3,3" }));
}

void TstHooksManager::installLifecycle()
{
    Rig rig;
    QVERIFY(!rig.manager.isInstalled());
    QVERIFY(rig.manager.setup(false));
    QVERIFY(rig.manager.isInstalled());
    QCOMPARE(rig.manager.sourceName(), QStringLiteral("fake"));
    rig.recorder.attach(rig.manager);
    rig.key(true, 0x2B);
    QCOMPARE(rig.recorder.take(), QStringList({ "31+" }));

    // A second setup rebuilds the tables with the new flag and replaces the
    // capture; the key state survives.
    QVERIFY(rig.manager.setup(true));
    QCOMPARE(rig.created, 2);
    QCOMPARE(rig.destroyed, 1);
    QVERIFY(rig.manager.isKeyDown(0x31));
    rig.key(true, 0x2B);
    QCOMPARE(rig.recorder.take(), QStringList({ "32+" }));

    rig.manager.uninstall();
    QCOMPARE(rig.destroyed, 2);
    QVERIFY(!rig.manager.isInstalled());
    QCOMPARE(rig.manager.sourceName(), QString());
    rig.manager.uninstall(); // harmless twice

    // The destructor removes the capture.
    int destroyed = 0;
    auto manager = std::make_unique<Hook_Manager>([&destroyed] {
        auto s = std::make_unique<FakeSource>();
        s->destroyed = &destroyed;
        return std::unique_ptr<InputSource>(std::move(s));
    });
    QVERIFY(manager->setup(true));
    QCOMPARE(destroyed, 0);
    manager.reset();
    QCOMPARE(destroyed, 1);
}

void TstHooksManager::failedInstall()
{
    Rig rig;
    rig.startResult = false;
    QVERIFY(!rig.manager.setup(true));
    QVERIFY(!rig.manager.isInstalled());
    QCOMPARE(rig.destroyed, 1); // nothing half-started is kept
    QCOMPARE(rig.manager.translate(0x1E, 0), quint8(0x04)); // the tables are built regardless

    Hook_Manager none([] { return std::unique_ptr<InputSource>(); });
    QVERIFY(!none.setup(true));
    QVERIFY(!none.install());
}

QTEST_GUILESS_MAIN(TstHooksManager)
#include "tst_hooks_manager.moc"
