// The device link against the virtual keyboard: request layouts, answers,
// ordering and pacing, the gate, absent and removed keyboards, discovery.
#include "device/Hid_Thread.h"
#include "device/virtual/VirtualR7.h"

#include <QtTest>

#include <functional>
#include <mutex>

using Op = VirtualR7::Op;
using Log = QList<VirtualR7::LogEntry>;
using Command = std::function<void(Hid_Thread &)>;
Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(VirtualR7::Op)

namespace {

std::mutex messagesMutex;
QStringList messages;
QtMessageHandler previousHandler = nullptr;

void collect(QtMsgType type, const QMessageLogContext &ctx, const QString &text)
{
    if (type == QtDebugMsg) {
        std::lock_guard<std::mutex> lock(messagesMutex);
        messages.append(text);
    }
    if (type != QtDebugMsg && previousHandler)
        previousHandler(type, ctx, text);
}

QStringList takeMessages()
{
    std::lock_guard<std::mutex> lock(messagesMutex);
    return std::exchange(messages, {});
}

QByteArray hex(const QByteArray &bytes)
{
    return bytes.toHex(' ').toUpper();
}

Log ofKind(const Log &log, VirtualR7::Kind kind, VirtualR7::Dir dir)
{
    Log out;
    for (const auto &e : log)
        if (e.kind == kind && e.dir == dir)
            out.append(e);
    return out;
}

Log requests(const Log &log)
{
    return ofKind(log, VirtualR7::Kind::Feature, VirtualR7::Dir::ToDevice);
}

Log outputs(const Log &log)
{
    return ofKind(log, VirtualR7::Kind::Output, VirtualR7::Dir::ToDevice);
}

QByteArray pattern(int n, int seed)
{
    QByteArray b(n, 0);
    for (int i = 0; i < n; ++i)
        b[i] = char(seed + i * 7);
    return b;
}

uchar *bytes(QByteArray &b)
{
    return reinterpret_cast<uchar *>(b.data());
}

} // namespace

class TstHidLink : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void writeRequestsAreByteExact_data();
    void writeRequestsAreByteExact();
    void readCommandsHandBackAnswers();
    void blockWritesAreOrderedAndPaced();
    void gateGivesUpWhileExchangeHangs();
    void absentKeyboardHandsBackPrefill();
    void invalidLanguageFileBarsEveryExchange();
    void transferFailures_data();
    void transferFailures();
    void removalInsideExchanges();
    void unansweredReadIsBounded();
    void discovery_data();
    void discovery();
    void onlyFirstTableEntryIsSearched();
    void removalEndsWatcherOnce();
    void oneWatcherAndOneCommandHandleAtATime();
    void failedOpenClearsPathUntilRescan();
    void destructionWaitsForWriteExchange();
    void demoKeyboardHasFactoryState();

private:
    void scan(int entries = 1);
    VirtualR7 *v = nullptr;
    Hid_Thread *hid = nullptr;
};

void TstHidLink::initTestCase()
{
    previousHandler = qInstallMessageHandler(collect);
}

void TstHidLink::init()
{
    langFileValid = true;
    v = new VirtualR7;
    setHidBackend(v);
    hid = new Hid_Thread;
    takeMessages();
}

void TstHidLink::cleanup()
{
    v->releaseHang();
    delete hid; // stops the watcher, waits for the last exchange
    hid = nullptr;
    setHidBackend(nullptr);
    QCOMPARE(v->openHandleCount(), 0);
    delete v;
    v = nullptr;
    langFileValid = true;
}

void TstHidLink::scan(int entries)
{
    QList<DevInfo> table = readDeviceTable(QStringLiteral(":/DevInfo.ini"));
    while (table.size() < entries)
        table.append(table.first());
    hid->scanDevices(table);
}

// ------------------------------------------------------------ byte layouts

void TstHidLink::writeRequestsAreByteExact_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("blockLength");

    static QByteArray block = pattern(128, 1);
    const auto ispCode = QByteArray(reinterpret_cast<const char *>(Hid_Thread::ispEntryCode), 7);

    QTest::newRow("02H") << Command([](Hid_Thread &h) { h.hid_02H_SetKeyboardoption(1, 0, 0); })
                         << QByteArray::fromHex("000201000000 55AA00") << 0;
    QTest::newRow("04H") << Command([](Hid_Thread &h) { h.hid_04H_SetButtonSensitivity(3); })
                         << QByteArray::fromHex("000403000000 55AA00") << 0;
    QTest::newRow("08H no 55 AA")
        << Command([](Hid_Thread &h) { h.hid_08H_SetLEDType(1, 2, 3, 4, 5, 6, 7); })
        << QByteArray::fromHex("000801020304050607") << 0;
    QTest::newRow("09H") << Command([](Hid_Thread &h) { h.hid_09H_StopMacroSending(); })
                         << QByteArray::fromHex("0009AACCEE00 55AA00") << 0;
    QTest::newRow("0FH no 55 AA") << Command([](Hid_Thread &h) { h.hid_0FH_SetISPBootLoader(); })
                                  << QByteArray::fromHex("000F") + ispCode << 0;
    QTest::newRow("13H") << Command([](Hid_Thread &h) { h.hid_13H_SetRecoveryData(); })
                         << QByteArray::fromHex("0013FF1F0000 55AA00") << 0;
    QTest::newRow("21H") << Command([](Hid_Thread &h) { h.hid_21H_SetCurrentProfile(4); })
                         << QByteArray::fromHex("002104000000 55AA00") << 0;
    QTest::newRow("0CH") << Command([](Hid_Thread &h) { h.hid_0CH_SetKeyMatrix_1(bytes(block)); })
                         << QByteArray::fromHex("000C00000000 55AA00") << 128;
    QTest::newRow("0DH") << Command([](Hid_Thread &h) { h.hid_0DH_SetKeyMatrix_2(bytes(block)); })
                         << QByteArray::fromHex("000D00000000 55AA00") << 128;
    QTest::newRow("10H macroId in byte 3")
        << Command([](Hid_Thread &h) { h.hid_10H_SetMacroKey(7, bytes(block)); })
        << QByteArray::fromHex("001000070000 55AA00") << 128;
    QTest::newRow("12H index 3 colorIndex 2")
        << Command([](Hid_Thread &h) { h.hid_12H_SetUserPicture(3, 2, bytes(block)); })
        << QByteArray::fromHex("001200030200 55AA00") << 128;
    QTest::newRow("30H") << Command([](Hid_Thread &h) { h.hid_30H_SetSevenColor(bytes(block)); })
                         << QByteArray::fromHex("003000000000 55AA00") << 64;
}

void TstHidLink::writeRequestsAreByteExact()
{
    QFETCH(Command, command);
    QFETCH(QByteArray, request);
    QFETCH(int, blockLength);

    v->plug();
    scan();
    command(*hid);
    hid->waitForExchange();

    const Log log = v->log();
    QCOMPARE(requests(log).size(), 1);
    QCOMPARE(hex(requests(log).first().bytes), hex(request));

    // The block travels in 65-byte output reports: report id 0, then 64 bytes.
    const Log out = outputs(log);
    QCOMPARE(out.size(), blockLength / 64);
    const QByteArray block = pattern(128, 1);
    for (int i = 0; i < out.size(); ++i)
        QCOMPARE(hex(out[i].bytes), hex(QByteArray(1, 0) + block.mid(i * 64, 64)));
    QCOMPARE(log.size(), 1 + out.size()); // nothing else, no answer fetched
    QVERIFY(takeMessages().isEmpty());
}

void TstHidLink::readCommandsHandBackAnswers()
{
    v->plug();
    VirtualR7::Firmware fw = VirtualR7::factoryFirmware();
    fw.version = 0x010A;
    fw.layoutByte = 0x06; // answer 01 0A 06
    fw.options[0] = 1, fw.options[1] = 0x22, fw.options[2] = 0x33;
    fw.sensitivity = 5;
    for (int i = 0; i < 7; ++i)
        fw.led[i] = quint8(0x10 + i);
    fw.keyMatrix = pattern(256, 3);
    fw.macros.replace(9 * 128, 128, pattern(128, 9));
    fw.pictures.replace((3 * 4 + 2) * 128, 128, pattern(128, 32));
    fw.colors = pattern(64, 30);
    fw.profile = 2;
    v->setFirmware(0, fw);
    scan();

    ushort version = 0;
    uchar mode = 0;
    hid->hid_80H_GetFWVersion(version, mode);
    QCOMPARE(version, ushort(0x010A));
    QCOMPARE(mode, uchar(3));

    uchar b1 = 0, b2 = 0, b3 = 0;
    hid->hid_82H_GetKeyboardoption(b1, b2, b3);
    QCOMPARE(QList<int>({b1, b2, b3}), QList<int>({1, 0x22, 0x33}));

    uchar sens = 2;
    hid->hid_84H_GetButtonSensitivity(sens);
    QCOMPARE(sens, uchar(5));

    uchar l[7] = {};
    QVERIFY(hid->hid_88H_GetLEDType(l[0], l[1], l[2], l[3], l[4], l[5], l[6]));
    QCOMPARE(QByteArray(reinterpret_cast<char *>(l), 7), QByteArray::fromHex("10111213141516"));

    QByteArray matrix(256, 0);
    hid->hid_8CH_GetKeyMatrix_1(bytes(matrix));
    hid->hid_8DH_GetKeyMatrix_2(bytes(matrix) + 128);
    QCOMPARE(matrix, fw.keyMatrix);

    QByteArray macro(128, 0), picture(128, 0), colors(64, 0);
    hid->hid_90H_GetMacroKey(9, bytes(macro));
    QCOMPARE(macro, pattern(128, 9));
    hid->hid_92H_GetUserPicture(3, 2, bytes(picture));
    QCOMPARE(picture, pattern(128, 32));
    QVERIFY(hid->hid_B0H_GetSevenColor(bytes(colors)));
    QCOMPARE(colors, fw.colors);

    uchar profile = 9;
    hid->hid_A1H_GetCurrentProfile(profile);
    QCOMPARE(profile, uchar(2));

    const QByteArrayList expected = {
        "00 80 00 00 00 00 55 AA 00", "00 82 00 00 00 00 55 AA 00", "00 84 00 00 00 00 55 AA 00",
        "00 88 00 00 00 00 55 AA 00", "00 8C 00 00 00 00 55 AA 00", "00 8D 00 00 00 00 55 AA 00",
        "00 90 00 09 00 00 55 AA 00", "00 92 00 03 02 00 55 AA 00", "00 B0 00 00 00 00 55 AA 00",
        "00 A1 00 00 00 00 55 AA 00",
    };
    QByteArrayList sent;
    for (const auto &e : requests(v->log()))
        sent.append(hex(e.bytes));
    QCOMPARE(sent, expected);
    QVERIFY(takeMessages().isEmpty());
}

// ------------------------------------------------------ ordering and pacing

void TstHidLink::blockWritesAreOrderedAndPaced()
{
    v->plug();
    scan();
    QByteArray matrix = pattern(256, 5);
    hid->hid_0CH_SetKeyMatrix_1(bytes(matrix));
    hid->hid_0DH_SetKeyMatrix_2(bytes(matrix) + 128);
    QList<QByteArray> picture;
    for (int c = 0; c < 4; ++c)
        picture.append(pattern(128, 40 + c));
    for (int c = 0; c < 4; ++c)
        hid->hid_12H_SetUserPicture(1, uchar(c), bytes(picture[c]));
    hid->waitForExchange();

    const Log log = v->log();
    // Each exchange complete before the next request: F O O, six times.
    QString kinds;
    for (const auto &e : log)
        kinds += e.kind == VirtualR7::Kind::Feature ? 'F' : e.kind == VirtualR7::Kind::Output ? 'O' : 'I';
    QCOMPARE(kinds, QString("FOO").repeated(6));
    QCOMPARE(quint8(requests(log)[1].bytes[1]), quint8(0x0D));

    // Every output report is followed by at least 8 ms before the next report.
    for (int i = 0; i + 1 < log.size(); ++i)
        if (log[i].kind == VirtualR7::Kind::Output)
            QVERIFY2(log[i + 1].ns - log[i].ns >= 8'000'000, qPrintable(QString("report %1").arg(i)));

    const VirtualR7::Firmware fw = v->firmware();
    QCOMPARE(fw.keyMatrix, matrix);
    for (int c = 0; c < 4; ++c)
        QCOMPARE(fw.pictures.mid((1 * 4 + c) * 128, 128), picture[c]);
    QVERIFY(takeMessages().isEmpty());
}

// --------------------------------------------------------------------- gate

void TstHidLink::gateGivesUpWhileExchangeHangs()
{
    v->plug();
    scan();
    QByteArray block = pattern(128, 2);
    v->hangNext(Op::Write);
    hid->hid_0CH_SetKeyMatrix_1(bytes(block));
    QTRY_VERIFY(v->isHanging());
    v->clearLog();

    hid->hid_0CH_SetKeyMatrix_1(bytes(block));
    QCOMPARE(takeMessages(), QStringList{"cmd Failed 0C"});

    uchar sens = 7;
    hid->hid_84H_GetButtonSensitivity(sens);
    QCOMPARE(takeMessages(), QStringList{"cmd Failed"});
    QCOMPARE(sens, uchar(7));
    QVERIFY(v->log().isEmpty()); // neither command sent anything
    QVERIFY(!hid->cmdDone);      // the gate stays with the hung exchange

    // Released, the hung exchange completes and frees the gate.
    v->releaseHang();
    hid->waitForExchange();
    QVERIFY(hid->cmdDone);
    QCOMPARE(outputs(v->log()).size(), 2);
    hid->hid_84H_GetButtonSensitivity(sens);
    QCOMPARE(sens, uchar(2));
}

// ------------------------------------------------------ failing exchanges

namespace {
struct Readback
{
    ushort version = 0x0777;
    uchar mode = 2;
    uchar options[3] = {4, 5, 6};
    uchar sens = 9;
    uchar led[7] = {1, 2, 3, 4, 5, 6, 7};
    bool ledOk = true;
    uchar profile = 3;
    QByteArray matrix = QByteArray(256, char(0xEE));
    QByteArray macro = QByteArray(128, char(0xDD));
    QByteArray picture = QByteArray(128, char(0xCC));
    QByteArray colors = QByteArray(64, char(0xBB));
    bool colorsOk = true;

    void readAll(Hid_Thread &h)
    {
        h.hid_80H_GetFWVersion(version, mode);
        h.hid_82H_GetKeyboardoption(options[0], options[1], options[2]);
        h.hid_84H_GetButtonSensitivity(sens);
        ledOk = h.hid_88H_GetLEDType(led[0], led[1], led[2], led[3], led[4], led[5], led[6]);
        h.hid_8CH_GetKeyMatrix_1(bytes(matrix));
        h.hid_8DH_GetKeyMatrix_2(bytes(matrix) + 128);
        h.hid_90H_GetMacroKey(1, bytes(macro));
        h.hid_92H_GetUserPicture(1, 1, bytes(picture));
        h.hid_A1H_GetCurrentProfile(profile);
        colorsOk = h.hid_B0H_GetSevenColor(bytes(colors));
    }
    // What a failed exchange hands back: the pre-fill (A1H: 0), 80H untouched.
    void verifyPrefillKept()
    {
        QCOMPARE(version, ushort(0x0777));
        QCOMPARE(mode, uchar(2));
        QCOMPARE(QByteArray(reinterpret_cast<char *>(options), 3), QByteArray::fromHex("040506"));
        QCOMPARE(sens, uchar(9));
        QCOMPARE(QByteArray(reinterpret_cast<char *>(led), 7), QByteArray::fromHex("01020304050607"));
        QVERIFY(!ledOk);
        QCOMPARE(matrix, QByteArray(256, char(0xEE)));
        QCOMPARE(macro, QByteArray(128, char(0xDD)));
        QCOMPARE(picture, QByteArray(128, char(0xCC)));
        QCOMPARE(profile, uchar(0));
        QCOMPARE(colors, QByteArray(64, char(0xBB)));
        QVERIFY(!colorsOk);
    }
};

void writeAll(Hid_Thread &h)
{
    QByteArray block(128, 1);
    h.hid_02H_SetKeyboardoption(1, 0, 0);
    h.hid_04H_SetButtonSensitivity(1);
    h.hid_08H_SetLEDType(1, 1, 1, 1, 1, 1, 1);
    h.hid_09H_StopMacroSending();
    h.hid_0CH_SetKeyMatrix_1(bytes(block));
    h.hid_0DH_SetKeyMatrix_2(bytes(block));
    h.hid_0FH_SetISPBootLoader();
    h.hid_10H_SetMacroKey(0, bytes(block));
    h.hid_12H_SetUserPicture(0, 0, bytes(block));
    h.hid_13H_SetRecoveryData();
    h.hid_21H_SetCurrentProfile(1);
    h.hid_30H_SetSevenColor(bytes(block));
    h.waitForExchange();
}
} // namespace

void TstHidLink::absentKeyboardHandsBackPrefill()
{
    scan(); // nothing plugged
    QCOMPARE(hid->record(0).cmdPath, QString());
    Readback r;
    r.readAll(*hid);
    r.verifyPrefillKept();

    // Writes fail at their first step and free the gate themselves, so the
    // whole series runs without a single gate wait giving up.
    writeAll(*hid);
    QVERIFY(hid->cmdDone);
    QVERIFY(takeMessages().isEmpty());
}

void TstHidLink::invalidLanguageFileBarsEveryExchange()
{
    v->plug();
    scan();
    langFileValid = false;
    Readback r;
    r.readAll(*hid);
    r.verifyPrefillKept();
    writeAll(*hid);
    QVERIFY(v->log().isEmpty());
    QVERIFY(takeMessages().isEmpty());
    QCOMPARE(v->firmware().inBootLoader, false);
}

void TstHidLink::transferFailures_data()
{
    QTest::addColumn<Op>("op");
    QTest::newRow("send feature") << Op::SendFeature;
    QTest::newRow("get feature") << Op::GetFeature;
    QTest::newRow("write") << Op::Write;
    QTest::newRow("read") << Op::Read;
}

void TstHidLink::transferFailures()
{
    QFETCH(Op, op);
    v->plug();
    scan();
    const VirtualR7::Firmware before = v->firmware();

    v->failNext(op, 1);
    QByteArray colors(64, char(0xBB));
    const bool readOk = hid->hid_B0H_GetSevenColor(bytes(colors));
    QCOMPARE(readOk, op == Op::Write); // a read exchange does no output report
    QCOMPARE(colors == before.colors, readOk);

    // A write exchange sends a request and output reports, nothing else.
    const bool writeCanFail = op == Op::SendFeature || op == Op::Write;
    v->failNext(op, writeCanFail ? 1 : 0);
    QByteArray block = pattern(128, 6);
    hid->hid_0CH_SetKeyMatrix_1(bytes(block));
    hid->waitForExchange();
    const bool writeLanded = v->firmware().keyMatrix.left(128) == block;
    QCOMPARE(writeLanded, !writeCanFail);

    // Failures are silent and leave the link usable.
    QVERIFY(hid->cmdDone);
    QVERIFY(takeMessages().isEmpty());
    QVERIFY(hid->hid_B0H_GetSevenColor(bytes(colors)));
}

void TstHidLink::removalInsideExchanges()
{
    v->plug();
    scan();
    // Removed after request, answer and the first input report: the first
    // chunk arrived, the second keeps the caller's bytes.
    VirtualR7::Firmware fw = v->firmware();
    fw.keyMatrix = pattern(256, 11);
    v->setFirmware(0, fw);
    v->removeAfterReports(3);
    QByteArray half(128, char(0xEE));
    hid->hid_8CH_GetKeyMatrix_1(bytes(half));
    QCOMPARE(half.left(64), fw.keyMatrix.left(64));
    QCOMPARE(half.mid(64), QByteArray(64, char(0xEE)));

    // A write torn after its first output report sends no second one.
    v->replug(0);
    scan();
    v->clearLog();
    v->removeAfterReports(2);
    QByteArray block = pattern(128, 12);
    hid->hid_0CH_SetKeyMatrix_1(bytes(block));
    hid->waitForExchange();
    QCOMPARE(outputs(v->log()).size(), 1);
    QVERIFY(hid->cmdDone);
    QCOMPARE(hid->record(0).cmdPath, QString()); // the failed re-open cleared it
    QVERIFY(takeMessages().isEmpty());
}

void TstHidLink::unansweredReadIsBounded()
{
    v->plug();
    scan();
    v->hangNext(Op::Read);
    QByteArray colors(64, char(0xBB));
    QVERIFY(!hid->hid_B0H_GetSevenColor(bytes(colors))); // gives up after its bound
    QCOMPARE(colors, QByteArray(64, char(0xBB)));
    QVERIFY(hid->cmdDone);
    QVERIFY(hid->hid_B0H_GetSevenColor(bytes(colors)));
    QCOMPARE(colors, v->firmware().colors);
}

// ---------------------------------------------------------------- discovery

void TstHidLink::discovery_data()
{
    QTest::addColumn<QList<bool>>("keyboards"); // per keyboard: has the second interface
    QTest::addColumn<QString>("cmdPath");
    QTest::addColumn<QString>("watchPath");

    QTest::newRow("none") << QList<bool>{} << QString() << QString();
    QTest::newRow("one") << QList<bool>{true} << "virtual-r7/0/cmd" << "virtual-r7/0/watch";
    QTest::newRow("only FF01 is absent") << QList<bool>{false} << QString() << QString();
    QTest::newRow("two keyboards: last of each") << QList<bool>{true, true} << "virtual-r7/1/cmd"
                                                 << "virtual-r7/1/watch";
    QTest::newRow("last of each may mix keyboards") << QList<bool>{true, false} << "virtual-r7/1/cmd"
                                                    << "virtual-r7/0/watch";
}

void TstHidLink::discovery()
{
    QFETCH(QList<bool>, keyboards);
    QFETCH(QString, cmdPath);
    QFETCH(QString, watchPath);
    for (bool second : keyboards)
        v->plug(second);
    scan();
    QCOMPARE(hid->devices.size(), 1);
    const DevRecord r = hid->record(0);
    QCOMPARE(r.cmdPath, cmdPath);
    QCOMPARE(r.watchPath, watchPath);
    QCOMPARE(r.reportLength, cmdPath.isEmpty() ? 0 : 64);
}

void TstHidLink::onlyFirstTableEntryIsSearched()
{
    v->plug();
    scan(2);
    QCOMPARE(hid->devices.size(), 2);
    QVERIFY(!hid->record(0).cmdPath.isEmpty());
    QCOMPARE(hid->record(1).cmdPath, QString());
    QCOMPARE(hid->record(1).watchPath, QString());

    hid->swichCurDevice(1);
    QCOMPARE(hid->curDevice, 1);
    hid->watchFuture.waitForFinished(); // no watcher: it returned at once
    Readback r;
    r.readAll(*hid);
    r.verifyPrefillKept();
    writeAll(*hid);
    QVERIFY(v->log().isEmpty());
    QVERIFY(takeMessages().isEmpty());
}

void TstHidLink::removalEndsWatcherOnce()
{
    v->plug();
    scan();
    hid->swichCurDevice(0);
    QVERIFY(hid->watching);
    v->unplug();
    QTRY_VERIFY_WITH_TIMEOUT(hid->watchFuture.isFinished(), 5000);
    QVERIFY(!hid->watching);
    QCOMPARE(takeMessages(), QStringList{"Device removed"});
    QCOMPARE(hid->record(0).watchPath, QString());

    // The next check finds no keyboard; re-plugged, the one after finds it.
    scan();
    hid->swichCurDevice(hid->curDevice);
    hid->watchFuture.waitForFinished();
    QCOMPARE(hid->record(0).cmdPath, QString());
    v->replug(0);
    scan();
    hid->swichCurDevice(hid->curDevice);
    QVERIFY(!hid->watchFuture.isFinished()); // polling again
    hid->stopWatch();
    QVERIFY(takeMessages().isEmpty());
}

void TstHidLink::oneWatcherAndOneCommandHandleAtATime()
{
    v->plug();
    scan();
    QByteArray block = pattern(128, 4);
    for (int i = 0; i < 3; ++i) {
        hid->swichCurDevice(0); // restarts the watcher while it polls
        hid->hid_0CH_SetKeyMatrix_1(bytes(block));
        uchar sens = 0;
        hid->hid_84H_GetButtonSensitivity(sens);
    }
    hid->stopWatch();
    hid->waitForExchange();
    QCOMPARE(v->peakOpenHandles(VirtualR7::pathOf(0, VirtualR7::WatchInterface)), 1);
    QCOMPARE(v->peakOpenHandles(VirtualR7::pathOf(0, VirtualR7::CommandInterface)), 1);
    QCOMPARE(v->openHandleCount(), 0);
}

void TstHidLink::failedOpenClearsPathUntilRescan()
{
    v->plug();
    scan();
    v->failOpen(VirtualR7::pathOf(0, VirtualR7::CommandInterface));
    uchar sens = 9;
    hid->hid_84H_GetButtonSensitivity(sens);
    QCOMPARE(sens, uchar(9));
    QCOMPARE(hid->record(0).cmdPath, QString());

    // The interface opens again, but the record stays empty until a scan.
    v->failOpen(VirtualR7::pathOf(0, VirtualR7::CommandInterface), false);
    hid->hid_84H_GetButtonSensitivity(sens);
    QCOMPARE(sens, uchar(9));
    QVERIFY(v->log().isEmpty());

    scan();
    hid->hid_84H_GetButtonSensitivity(sens);
    QCOMPARE(sens, uchar(2));
    QVERIFY(takeMessages().isEmpty());
}

void TstHidLink::destructionWaitsForWriteExchange()
{
    v->plug();
    scan();
    hid->swichCurDevice(0);
    QByteArray block = pattern(64, 21);
    hid->hid_30H_SetSevenColor(bytes(block));
    delete hid; // must not free the buffers under the running exchange
    hid = nullptr;
    QCOMPARE(v->firmware().colors, block);
    hid = new Hid_Thread; // for cleanup()
}

void TstHidLink::demoKeyboardHasFactoryState()
{
    // What the demo build installs: one keyboard, firmware 01.0A, profile 0.
    VirtualR7 *demo = VirtualR7::installAsBackend();
    QCOMPARE(hidBackend(), demo);
    QCOMPARE(VirtualR7::installAsBackend(), demo); // one instance per process
    scan();
    ushort version = 0;
    uchar mode = 9, profile = 9;
    hid->hid_80H_GetFWVersion(version, mode);
    hid->hid_A1H_GetCurrentProfile(profile);
    QCOMPARE(version, ushort(0x010A));
    QCOMPARE(mode, uchar(0));
    QCOMPARE(profile, uchar(0));
    QByteArray colors(64, 0);
    QVERIFY(hid->hid_B0H_GetSevenColor(bytes(colors)));
    QVERIFY(colors.left(21).count(char(0)) < 21); // some colours set
    QCOMPARE(demo->openHandleCount(), 0);
}

QTEST_GUILESS_MAIN(TstHidLink)
#include "tst_hidlink.moc"
