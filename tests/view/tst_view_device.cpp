// The view's device-facing operations against the virtual R7: what reaches
// the keyboard, and what the profile mirror holds afterwards (read back as a
// new process would).
#include "ViewFixture.h"

#include <QtTest>

using namespace viewtest;
using Log = QList<VirtualR7::LogEntry>;

class TstViewDevice : public QObject
{
    Q_OBJECT
private slots:
    void keyMatrixMirrorsAndSendsBothHalves_data();
    void keyMatrixMirrorsAndSendsBothHalves();
    void userPictureStoresAndSendsUnlessOption255_data();
    void userPictureStoresAndSendsUnlessOption255();
    void coloursAreQuarteredAndReadBackTimesFour();
    void syncLedWritesOnlyWhatItRead();
    void userPictureReadsAreAlways512();
    void missingKeysReadAsEmptyLists();
    void currentProfileSelectsTheFile();
    void profileWithoutSettingsObjectIsIgnored();
    void reportRateOnlyForSecondDevice();
    void syncFwResetsLayoutAndRebuildsKeyNames();
    void firmwareVersionText();
    void keyboardModeKeepsOtherOptionBytes();
};

namespace {

// Key n's code low byte at 2n, high byte at 2n+1 (distinct per position).
QVariantList matrix(int size)
{
    QVariantList list;
    for (int i = 0; i < size; ++i)
        list.append(i % 2 ? (i / 2) % 16 : (i * 7 + 3) % 256);
    return list;
}

QVariantList picture(int size)
{
    QVariantList list;
    for (int i = 0; i < size; ++i)
        list.append(i % 4 ? (i * 5) % 256 : i / 4 % 3);
    return list;
}

} // namespace

void TstViewDevice::keyMatrixMirrorsAndSendsBothHalves_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("256 values") << 256;
    QTest::newRow("short list padded with 0") << 37;
}

void TstViewDevice::keyMatrixMirrorsAndSendsBothHalves()
{
    QFETCH(int, size);
    Scratch scratch;
    QVERIFY(scratch.write(QStringLiteral("setting/p1.bin"), QByteArray()));
    Device device;
    myQQuickView view;
    view.hid = device.hid;

    const QVariantList src = matrix(size);
    view.ui_0C0DH_SetKeyMatrix(src);
    view.profileSettings[0]->sync();

    QByteArray expected(256, 0);
    for (int i = 0; i < size; ++i)
        expected[i] = char(src.at(i).toInt());
    QCOMPARE(device.firmware().keyMatrix.toHex(' '), expected.toHex(' '));

    QSettings copy(scratch.path(QStringLiteral("setting/p1.bin")), QSettings::IniFormat);
    copy.beginGroup(QStringLiteral("keydefine0"));
    QCOMPARE(copy.childKeys().size(), 128);
    copy.endGroup();
    const QString file = scratch.path(QStringLiteral("setting/p1.bin"));
    for (int n = 0; n < 128; ++n) {
        const QList<int> stored = toInts(readBack(file, QStringLiteral("keydefine0/%1").arg(n)));
        QCOMPARE(stored, (QList<int>{uchar(expected[2 * n]), uchar(expected[2 * n + 1])}));
        if (n % 31 == 0)
            QCOMPARE(toInts(view.getKeydefine(n)), stored);
    }
}

void TstViewDevice::userPictureStoresAndSendsUnlessOption255_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("sent");
    QTest::newRow("255 stores only") << 255 << false;
    QTest::newRow("0 sends") << 0 << true;
    QTest::newRow("7 sends") << 7 << true;
}

void TstViewDevice::userPictureStoresAndSendsUnlessOption255()
{
    QFETCH(int, option);
    QFETCH(bool, sent);
    Scratch scratch;
    Device device;
    myQQuickView view;
    view.hid = device.hid;

    const QVariantList src = picture(512);
    view.ui_12H_SetUserPicture(3, uchar(option), src);
    view.profileSettings[0]->sync();
    QCOMPARE(toInts(readBack(scratch.path(QStringLiteral("setting/p1.bin")), QStringLiteral("userPicture/3"))),
             toInts(src));

    const VirtualR7::Firmware fw = device.firmware();
    const Log requests = [&] {
        Log out;
        for (const auto &e : device.kb.log())
            if (e.kind == VirtualR7::Kind::Feature && e.dir == VirtualR7::Dir::ToDevice)
                out.append(e);
        return out;
    }();
    if (!sent) {
        QVERIFY(requests.isEmpty());
        QCOMPARE(fw.pictures, QByteArray(5 * 4 * 128, 0));
        return;
    }
    // Four requests for picture 3 with colour indices 0 to 3, in order.
    QCOMPARE(requests.size(), 4);
    for (int c = 0; c < 4; ++c) {
        QCOMPARE(int(uchar(requests[c].bytes[1])), 0x12);
        QCOMPARE(int(uchar(requests[c].bytes[3])), 3);
        QCOMPARE(int(uchar(requests[c].bytes[4])), c);
    }
    for (int n = 0; n < 128; ++n) {
        QCOMPARE(int(uchar(fw.pictures[(3 * 4 + 0) * 128 + n])), src[4 * n].toInt());
        for (int c = 1; c < 4; ++c)
            QCOMPARE(int(uchar(fw.pictures[(3 * 4 + c) * 128 + n])), src[4 * n + c].toInt() / 4);
    }
}

void TstViewDevice::coloursAreQuarteredAndReadBackTimesFour()
{
    Scratch scratch;
    Device device;
    myQQuickView view;
    view.hid = device.hid;

    QVariantList src = ints({255, 3, 128, 4, 7, 0});
    while (src.size() < 21)
        src.append(200);
    view.ui_30H_SetColor(src);
    view.profileSettings[0]->sync();
    const QString file = scratch.path(QStringLiteral("setting/p1.bin"));
    QCOMPARE(toInts(readBack(file, QStringLiteral("color/color"))), toInts(src));

    const QByteArray colours = device.firmware().colors;
    QCOMPARE(colours.left(6).toHex(' '), QByteArray("3f 00 20 01 01 00"));
    QCOMPARE(colours.mid(6, 15), QByteArray(15, char(50)));
    QCOMPARE(colours.mid(21), QByteArray(64 - 21, 0));

    view.syncLed();
    view.profileSettings[0]->sync();
    const QList<int> back = toInts(readBack(file, QStringLiteral("color/color")));
    QCOMPARE(back.size(), 21);
    QCOMPARE(back.mid(0, 6), (QList<int>{252, 0, 128, 4, 4, 0}));
    QCOMPARE(toInts(view.ui_B0H_GetColor()), back);
}

void TstViewDevice::syncLedWritesOnlyWhatItRead()
{
    Scratch scratch;
    QVERIFY(scratch.write(QStringLiteral("setting/p1.bin"),
                          "[color]\nledType=9, 9, 9, 9, 9, 9, 9\ncolor=1, 2, 3\n"));
    Device device;
    VirtualR7::Firmware fw = device.kb.firmware(0);
    const quint8 led[7] = {5, 4, 3, 2, 1, 8, 9};
    std::copy(led, led + 7, fw.led);
    fw.colors[0] = 10;
    device.kb.setFirmware(0, fw);
    myQQuickView view;
    view.hid = device.hid;
    const QString file = scratch.path(QStringLiteral("setting/p1.bin"));

    // Both reads fail: the file keeps its values.
    device.kb.failNext(VirtualR7::Op::GetFeature, 2);
    view.syncLed();
    view.profileSettings[0]->sync();
    QCOMPARE(toInts(readBack(file, QStringLiteral("color/ledType"))), (QList<int>{9, 9, 9, 9, 9, 9, 9}));
    QCOMPARE(toInts(readBack(file, QStringLiteral("color/color"))), (QList<int>{1, 2, 3}));

    view.syncLed();
    view.profileSettings[0]->sync();
    QCOMPARE(toInts(readBack(file, QStringLiteral("color/ledType"))), (QList<int>{5, 4, 3, 2, 1, 8, 9}));
    QCOMPARE(toInts(view.ui_88H_GetLEDType()), (QList<int>{5, 4, 3, 2, 1, 8, 9}));
    QCOMPARE(toInts(readBack(file, QStringLiteral("color/color"))).value(0), 40);
}

void TstViewDevice::userPictureReadsAreAlways512()
{
    Scratch scratch;
    QByteArray stored384 = "[userPicture]\n1=";
    for (int i = 0; i < 384; ++i)
        stored384 += (i ? ", " : "") + QByteArray::number(i % 200 + 1);
    QByteArray stored512 = "\n2=";
    for (int i = 0; i < 512; ++i)
        stored512 += (i ? ", " : "") + QByteArray::number(i % 200 + 1);
    QVERIFY(scratch.write(QStringLiteral("setting/p1.bin"), stored384 + stored512 + "\n"));
    myQQuickView view;

    const QVariantList zeros(512, 0);
    QCOMPARE(toInts(view.ui_92H_GetUserPicture(1)), toInts(zeros)); // 384 entries
    QCOMPARE(toInts(view.ui_92H_GetUserPicture(0)), toInts(zeros)); // never stored
    const QList<int> full = toInts(view.ui_92H_GetUserPicture(2));
    QCOMPARE(full.size(), 512);
    QCOMPARE(full.first(), 1);
    QCOMPARE(full.last(), 511 % 200 + 1);
}

void TstViewDevice::missingKeysReadAsEmptyLists()
{
    Scratch scratch;
    QVERIFY(scratch.write(QStringLiteral("setting/p1.bin"), "[keydefine0]\n5=4, 0\n"));
    myQQuickView view;
    QVERIFY(view.ui_88H_GetLEDType().isEmpty());
    QVERIFY(view.ui_B0H_GetColor().isEmpty());
    QVERIFY(view.getKeydefine(6).isEmpty());
    QCOMPARE(toInts(view.getKeydefine(QStringLiteral("5"))), (QList<int>{4, 0}));
    QCOMPARE(view.ui_81H_GetReportRate().toInt(), 0);
}

void TstViewDevice::currentProfileSelectsTheFile()
{
    Scratch scratch;
    const QByteArray p1 = scratch.read(QStringLiteral("setting/p1.bin"));
    Device device;
    myQQuickView view;
    view.hid = device.hid;

    view.ui_21H_SetCurrentProfile(3);
    QCOMPARE(device.firmware().profile, quint8(3));
    QCOMPARE(view.ui_A1H_GetCurrentProfile().toInt(), 3);

    view.ui_08H_SetLEDType(7, 6, 5, 4, 3, 2, 1);
    view.ui_30H_SetColor(QVariantList(21, 100));
    view.ui_0C0DH_SetKeyMatrix(QVariantList(256, 9));
    view.ui_12H_SetUserPicture(4, 255, QVariantList(512, 8));
    for (QSettings *s : view.profileSettings)
        s->sync();

    const QString p4 = scratch.path(QStringLiteral("setting/p4.bin"));
    QCOMPARE(toInts(readBack(p4, QStringLiteral("color/ledType"))), (QList<int>{7, 6, 5, 4, 3, 2, 1}));
    QCOMPARE(toInts(readBack(p4, QStringLiteral("color/color"))), QList<int>(21, 100));
    QCOMPARE(toInts(readBack(p4, QStringLiteral("keydefine0/127"))), (QList<int>{9, 9}));
    QCOMPARE(toInts(readBack(p4, QStringLiteral("userPicture/4"))), QList<int>(512, 8));
    QCOMPARE(toInts(view.ui_88H_GetLEDType()), (QList<int>{7, 6, 5, 4, 3, 2, 1}));
    QCOMPARE(toInts(view.getKeydefine(0)), (QList<int>{9, 9}));
    QCOMPARE(scratch.read(QStringLiteral("setting/p1.bin")), p1);
}

void TstViewDevice::profileWithoutSettingsObjectIsIgnored()
{
    Scratch scratch;
    Device device;
    {
        myQQuickView view;
        view.hid = device.hid;
        view.ui_21H_SetCurrentProfile(7); // five profiles
        view.ui_08H_SetLEDType(1, 2, 3, 4, 5, 6, 7);
        view.ui_0C0DH_SetKeyMatrix(QVariantList(256, 1));
        view.ui_12H_SetUserPicture(0, 0, QVariantList(512, 4));
        view.ui_30H_SetColor(QVariantList(21, 4));
        view.syncLed();
        QVERIFY(view.ui_88H_GetLEDType().isEmpty());
        QVERIFY(view.getKeydefine(0).isEmpty());
        QCOMPARE(view.ui_92H_GetUserPicture(0).size(), 512);
        view.loadProfile(7);
        view.resetProfile(-1);
        view.saveProfile(9);
    }
    QVERIFY(!QFile::exists(scratch.path(QStringLiteral("setting/p8.bin"))));
    // The keyboard still got what the scene sent.
    QCOMPARE(device.firmware().keyMatrix, QByteArray(256, 1));

    // No HWDef.bin: no profiles at all.
    QVERIFY(QFile::remove(scratch.path(QStringLiteral("setting/HWDef.bin"))));
    myQQuickView bare;
    bare.hid = device.hid;
    QCOMPARE(bare.getMaxProfile(), uchar(0));
    bare.ui_08H_SetLEDType(1, 2, 3, 4, 5, 6, 7);
    bare.ui_01H_SetReportRate(3);
    bare.syncFW();
    bare.syncLed();
    QVERIFY(bare.ui_B0H_GetColor().isEmpty());
}

void TstViewDevice::reportRateOnlyForSecondDevice()
{
    Scratch scratch;
    QVERIFY(scratch.write(QStringLiteral("setting/p1.bin"), "[color]\nledType=1, 2\n"));
    Device device;
    myQQuickView view;
    view.hid = device.hid;
    const QString file = scratch.path(QStringLiteral("setting/p1.bin"));

    view.ui_01H_SetReportRate(4);
    view.profileSettings[0]->sync();
    QVERIFY(!readBack(file, QStringLiteral("sensor/reportRate_R8")).isValid());

    device.hid->curDevice = 1;
    view.ui_01H_SetReportRate(4);
    view.profileSettings[0]->sync();
    QCOMPARE(readBack(file, QStringLiteral("sensor/reportRate_R8")).toInt(), 4);
    QCOMPARE(view.ui_81H_GetReportRate().toInt(), 0);
    device.hid->curDevice = 0;
}

void TstViewDevice::syncFwResetsLayoutAndRebuildsKeyNames()
{
    Scratch scratch;
    Device device;
    VirtualR7::Firmware fw = device.kb.firmware(0);
    fw.layoutByte = 6;
    fw.profile = 2;
    device.kb.setFirmware(0, fw);
    myQQuickView view;
    view.hid = device.hid;
    view.kbLayoutType = 3;

    view.syncFW();
    QCOMPARE(view.ui_80H_GetHWMode().toInt(), 0);
    QCOMPARE(view.ui_A1H_GetCurrentProfile().toInt(), 2);
    QCOMPARE(int(view.usbCodeByName.value(QStringLiteral("A"))), 4);
    QCOMPARE(int(view.usbCodeByName.value(QStringLiteral("ENTER"))), 0x28);
    QCOMPARE(int(view.usbCodeByName.value(QStringLiteral(","))), 0x36);
    QSet<QString> names;
    for (const QVariant &name : view.loadUsbStr())
        names.insert(name.toString());
    QVERIFY(names.size() > 100);
    QCOMPARE(view.usbCodeByName.size(), names.size());

    // A name listed twice keeps the later code; a stale map is emptied.
    QVERIFY(scratch.write(QStringLiteral("setting/KeyCodeDef.bin"),
                          "[common]\nusbStr=A, B, A\nusbCode=4, 5, 300\n"));
    view.syncFW();
    QCOMPARE(view.usbCodeByName.size(), 2);
    QCOMPARE(int(view.usbCodeByName.value(QStringLiteral("A"))), 300 & 0xFF);
}

void TstViewDevice::firmwareVersionText()
{
    Scratch scratch;
    Device device;
    myQQuickView view;
    view.hid = device.hid;
    QCOMPARE(view.ui_80H_GetFWVersion(), QStringLiteral("01.0A"));

    VirtualR7::Firmware fw = device.kb.firmware(0);
    fw.version = 0xAB0F;
    device.kb.setFirmware(0, fw);
    QCOMPARE(view.ui_80H_GetFWVersion(), QStringLiteral("AB.0F"));

    device.kb.unplug();
    QCOMPARE(view.ui_80H_GetFWVersion(), QStringLiteral("unknown"));
    view.hid = nullptr;
    QCOMPARE(view.ui_80H_GetFWVersion(), QStringLiteral("unknown"));
}

void TstViewDevice::keyboardModeKeepsOtherOptionBytes()
{
    Scratch scratch;
    Device device;
    VirtualR7::Firmware fw = device.kb.firmware(0);
    fw.options[0] = 0;
    fw.options[1] = 5;
    fw.options[2] = 6;
    fw.sensitivity = 3;
    device.kb.setFirmware(0, fw);
    myQQuickView view;
    view.hid = device.hid;

    view.ui_02H_SetKeyboardMode(1);
    fw = device.firmware();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(fw.options), 3).toHex(), QByteArray("010506"));
    QCOMPARE(view.ui_82H_GetKeyboardMode().toInt(), 1);
    QCOMPARE(view.ui_84H_GetButtonSensitivity().toInt(), 3);
    view.ui_04H_SetButtonSensitivity(1);
    QCOMPARE(device.firmware().sensitivity, quint8(1));
}

QTEST_MAIN(TstViewDevice)
#include "tst_view_device.moc"
