// The Linux side of the capture without a device: Linux key codes turned into
// what a Windows hook reports (modifier quirks included), and evdev records
// read from a pipe, framed, resynchronised and delivered to the hook manager.
#include "Recorder.h"

#include "hooks/EvdevDecoder.h"
#include "hooks/EvdevInputSource.h"
#include "hooks/Hook_Manager.h"
#include "hooks/LinuxKeyMapper.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A hook manager without capture, fed by hand, with a recorder attached.
struct Chain
{
    Hook_Manager manager{ [] { return std::unique_ptr<InputSource>(); } };
    Recorder recorder;
    LinuxKeyMapper mapper;
    InputSink sink;

    Chain()
    {
        manager.setup(true);
        recorder.attach(manager);
        sink.key = [this](bool down, quint32 sc, quint32 flags) { manager.keyboardProc(down, sc, flags); };
        sink.mouse = [this](quint32 message, qint32 x, qint32 y) { manager.mouseProc(message, x, y); };
    }
    QString reports() { return recorder.take().join(QLatin1Char(' ')); }
};

// An evdev node stand-in: a pipe whose read end an EvdevReader owns.
struct PipeNode
{
    int writeFd = -1;
    std::unique_ptr<EvdevReader> reader;
    QList<input_event> decoded; // what the decoder handed on

    PipeNode()
    {
        int fds[2];
        if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) == 0) {
            reader = std::make_unique<EvdevReader>(fds[0]);
            writeFd = fds[1];
        }
    }
    ~PipeNode()
    {
        if (writeFd >= 0)
            ::close(writeFd);
    }
    void write(const void *data, size_t size)
    {
        QCOMPARE(::write(writeFd, data, size), ssize_t(size));
    }
    void record(int type, int code, int value)
    {
        input_event e{};
        e.type = quint16(type);
        e.code = quint16(code);
        e.value = value;
        write(&e, sizeof e);
    }
    void key(int code, int value) { record(EV_KEY, code, value); }
    void syn() { record(EV_SYN, SYN_REPORT, 0); }
    bool read(Chain &chain)
    {
        return reader->readAvailable([&](const input_event &e) {
            decoded.append(e);
            deliverEvdevRecord(e, chain.mapper, chain.sink);
        });
    }
};

} // namespace

class TstHooksEvdev : public QObject
{
    Q_OBJECT
private slots:
    void linuxKeys_data();
    void linuxKeys();
    void framedBySynReport();
    void recordSplitAcrossReads();
    void autoRepeat();
    void droppedEventsResync();
    void resyncAgainstDeviceState();
    void removedNodeReleasesKeys();
    void mouseButtonsAndWheel();
    void nothingToWatch();
    void unreadableNodes();
};

void TstHooksEvdev::linuxKeys_data()
{
    QTest::addColumn<QString>("events");  // Linux key codes, + down, - up
    QTest::addColumn<QString>("reports"); // usage codes reported

    QTest::newRow("letter") << "30+ 30-" << "04+ 04-";
    QTest::newRow("Alt+Tab") << "56+ 15+ 15- 56-" << "e2+ 2b+ 2b- e2-";
    QTest::newRow("Enter") << "28+ 28-" << "28+ 28-";
    QTest::newRow("keypad Enter") << "96+ 96-" << "58+ 58-";
    QTest::newRow("right Ctrl") << "97+ 97-" << "e4+ e4-";
    QTest::newRow("right Shift") << "54+ 54-" << "e5+ e5-";
    QTest::newRow("right Alt") << "100+ 100-" << "e6+ e6-";
    QTest::newRow("Num Lock") << "69+ 69-" << "53+ 53-";
    QTest::newRow("Scroll Lock") << "70+ 70-" << "47+ 47-";
    QTest::newRow("Pause") << "119+ 119-" << "48+ 48-";
    QTest::newRow("Ctrl+Pause") << "29+ 119+ 119- 29-" << "e0+ 48+ 48- e0-";
    QTest::newRow("Ctrl+Pause, Ctrl let go first") << "29+ 119+ 29- 119-" << "e0+ 48+ e0- 48-";
    QTest::newRow("Print Screen") << "99+ 99-" << "46+ 46-";
    QTest::newRow("Alt+Print Screen") << "56+ 99+ 99- 56-" << "e2+ 46+ 46- e2-";
    QTest::newRow("Alt+Print Screen, Alt let go first") << "100+ 99+ 100- 99-" << "e6+ 46+ e6- 46-";
    QTest::newRow("Alt pressed during Print Screen") << "99+ 56+ 99- 56-" << "46+ e2+ 46- e2-";
    QTest::newRow("backslash") << "43+ 43-" << "32+ 32-";
    QTest::newRow("F23") << "193+ 193-" << "72+ 72-";
    QTest::newRow("right Windows") << "126+ 126-" << "";
    QTest::newRow("codes without a scan code") << "0+ 0- 240+ 255+ 300+ -1+" << "";
}

void TstHooksEvdev::linuxKeys()
{
    QFETCH(QString, events);
    QFETCH(QString, reports);
    Chain chain;
    for (const LinuxKeyStep &step : linuxKeySteps(events)) {
        LinuxKeyMapper::Key key;
        if (chain.mapper.map(step.code, step.down, &key))
            chain.manager.keyboardProc(step.down, key.scanCode, key.flags);
    }
    QCOMPARE(chain.reports(), reports);
}

void TstHooksEvdev::framedBySynReport()
{
    Chain chain;
    PipeNode node;
    QVERIFY(node.reader);
    node.key(KEY_A, 1);
    QVERIFY(node.read(chain));
    QCOMPARE(chain.reports(), QString()); // held until its frame is complete
    node.syn();
    node.key(KEY_A, 0);
    node.key(KEY_B, 1);
    node.record(EV_MSC, MSC_SCAN, 0x70004);
    node.syn();
    QVERIFY(node.read(chain));
    QCOMPARE(chain.reports(), QStringLiteral("04+ 04- 05+"));
    QCOMPARE(node.decoded.size(), 3); // MSC and SYN records are not handed on
}

void TstHooksEvdev::recordSplitAcrossReads()
{
    Chain chain;
    PipeNode node;
    input_event e{};
    e.type = EV_KEY;
    e.code = KEY_A;
    e.value = 1;
    const auto *bytes = reinterpret_cast<const char *>(&e);
    node.write(bytes, 5);
    QVERIFY(node.read(chain));
    node.write(bytes + 5, sizeof e - 5);
    node.syn();
    QVERIFY(node.read(chain));
    QCOMPARE(chain.reports(), QStringLiteral("04+"));
}

void TstHooksEvdev::autoRepeat()
{
    Chain chain;
    PipeNode node;
    node.key(KEY_A, 1);
    node.syn();
    for (int i = 0; i < 3; ++i) {
        node.key(KEY_A, 2);
        node.syn();
    }
    node.key(KEY_A, 0);
    node.syn();
    QVERIFY(node.read(chain));
    QList<int> values;
    for (const input_event &e : node.decoded)
        values << e.value;
    QCOMPARE(values, QList<int>({ 1, 2, 2, 2, 0 }));
    QCOMPARE(chain.reports(), QStringLiteral("04+ 04-")); // one press, one release
}

void TstHooksEvdev::droppedEventsResync()
{
    Chain chain;
    PipeNode node;
    node.key(KEY_A, 1);
    node.syn();
    node.key(KEY_B, 1);
    node.syn();
    node.record(EV_SYN, SYN_DROPPED, 0); // the kernel lost events here (A's release among them)
    node.key(KEY_C, 1);                  // the rest of the broken frame is dropped too
    node.syn();
    node.key(KEY_D, 1);
    node.syn();
    QVERIFY(node.read(chain));
    // A pipe has no key state to ask for: every held key is released, and a
    // key that is still held comes back with its next auto-repeat.
    QCOMPARE(chain.reports(), QStringLiteral("04+ 05+ 04- 05- 07+"));
    node.key(KEY_B, 2);
    node.syn();
    QVERIFY(node.read(chain));
    QCOMPARE(chain.reports(), QStringLiteral("05+"));
}

void TstHooksEvdev::resyncAgainstDeviceState()
{
    EvdevDecoder decoder;
    QList<QPair<int, int>> out;
    const EvdevDecoder::Emit collect = [&](const input_event &e) { out.append({ e.code, e.value }); };
    input_event e{};
    e.type = EV_KEY;
    for (int code : { KEY_A, KEY_B }) {
        e.code = quint16(code);
        e.value = 1;
        decoder.feed(e, collect);
    }
    input_event syn{};
    syn.type = EV_SYN;
    syn.code = SYN_REPORT;
    decoder.feed(syn, collect);
    out.clear();

    unsigned char bits[(KEY_CNT + 7) / 8] = {};
    bits[KEY_B / 8] |= 1 << (KEY_B % 8);
    bits[KEY_C / 8] |= 1 << (KEY_C % 8);
    decoder.resync(bits, collect);
    QCOMPARE(out, (QList<QPair<int, int>>{ { KEY_A, 0 }, { KEY_C, 1 } }));
    QVERIFY(!decoder.isHeld(KEY_A));
    QVERIFY(decoder.isHeld(KEY_B));
    QVERIFY(decoder.isHeld(KEY_C));
}

void TstHooksEvdev::removedNodeReleasesKeys()
{
    Chain chain;
    PipeNode node;
    node.key(KEY_LEFTSHIFT, 1);
    node.syn();
    node.key(KEY_A, 1);
    node.syn();
    QVERIFY(node.read(chain));
    ::close(node.writeFd); // like an unplugged keyboard: end of the stream
    node.writeFd = -1;
    QVERIFY(!node.read(chain));
    QCOMPARE(chain.reports(), QStringLiteral("e1+ 04+ 04- e1-"));
}

void TstHooksEvdev::mouseButtonsAndWheel()
{
    Chain chain;
    PipeNode node;
    node.key(BTN_LEFT, 1);
    node.record(EV_REL, REL_X, 5);
    node.syn();
    node.key(BTN_LEFT, 0);
    node.syn();
    node.key(BTN_SIDE, 1);
    node.syn();
    node.key(BTN_SIDE, 0);
    node.record(EV_REL, REL_WHEEL, -1);
    node.record(EV_REL, REL_HWHEEL, 1);
    node.syn();
    node.key(BTN_RIGHT, 1);
    node.key(BTN_MIDDLE, 1);
    node.key(BTN_TRIGGER, 1); // a joystick's button is no mouse button
    node.syn();
    QVERIFY(node.read(chain));
    QCOMPARE(chain.reports(), QStringLiteral("f0+@0,0 f0-@0,0 f1+@0,0 f2+@0,0"));
}

void TstHooksEvdev::nothingToWatch()
{
    // No node, or only nodes that are no keyboard or mouse (an ordinary file
    // answers no evdev ioctl): capture is off, and the debug channel says so.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QRegularExpression why(QStringLiteral("^Input capture off: no readable keyboard or mouse in "));
    {
        EvdevInputSource source(dir.path());
        QTest::ignoreMessage(QtDebugMsg, why);
        QVERIFY(!source.start(InputSink()));
    }
    QFile node(dir.filePath(QStringLiteral("event0")));
    QVERIFY(node.open(QIODevice::WriteOnly));
    node.write(QByteArray(sizeof(input_event), '\0'));
    node.close();
    EvdevInputSource source(dir.path());
    QTest::ignoreMessage(QtDebugMsg, why);
    QVERIFY(!source.start(InputSink()));
}

void TstHooksEvdev::unreadableNodes()
{
    if (::geteuid() == 0)
        QSKIP("root reads every node");
    QTemporaryDir dir;
    for (const char *name : { "event0", "event1", "mice" }) {
        QFile node(dir.filePath(QLatin1String(name)));
        QVERIFY(node.open(QIODevice::WriteOnly));
        node.close();
        QVERIFY(node.setPermissions(QFileDevice::WriteOwner));
    }
    EvdevInputSource source(dir.path());
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral(
        "^Input capture off: 2 of the 2 nodes in .* may not be read; add the user to the 'input' group")));
    QVERIFY(!source.start(InputSink()));
}

QTEST_GUILESS_MAIN(TstHooksEvdev)
#include "tst_hooks_evdev.moc"
