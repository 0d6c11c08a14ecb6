// The macro codec: safe names, default names, item encoding and the upload
// block.
#include "view/macro_codec.h"

#include <QTest>

using namespace macrocodec;

using Bytes = QList<uchar>;
Q_DECLARE_METATYPE(Bytes)

namespace {

QString down(const QString &name) { return name + downCommand; }
QString up(const QString &name) { return name + upCommand; }
QString delay(const QString &ms) { return ms + delayCommand; }

const QMap<QString, quint8> codes{{QStringLiteral("A"), 0x04},
                                  {QStringLiteral("B"), 0x05},
                                  {QStringLiteral("MS-L"), 0xF0},
                                  {QStringLiteral("Zero"), 0x00}};

QString hex(const Bytes &bytes)
{
    QByteArray a;
    for (uchar b : bytes)
        a.append(char(b));
    return QString::fromLatin1(a.toHex(' '));
}

} // namespace

class TstMacroCodec : public QObject
{
    Q_OBJECT
private slots:
    void commandsFillTenCharacters();
    void encode_data();
    void encode();
    void uploadBlockSwapsPairs();
    void uploadBlockLimit_data();
    void uploadBlockLimit();
    void safeNames_data();
    void safeNames();
    void defaultNames();
};

void TstMacroCodec::commandsFillTenCharacters()
{
    QCOMPARE(downCommand.size(), 10);
    QCOMPARE(upCommand.size(), 10);
    QCOMPARE(delayCommand.size(), 10);
}

void TstMacroCodec::encode_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << QStringList() << "00 01 00 00";
    QTest::newRow("press, 1000 ms, release")
        << QStringList{down("A"), up("A"), delay("1000")} << "00 01 01 04 81 04 7f 00 00 64 00 00";
    QTest::newRow("A down, 50 ms, A up")
        << QStringList{down("A"), delay("50"), up("A")} << "00 01 01 04 7f 00 00 05 81 04 00 00";
    QTest::newRow("mouse button") << QStringList{down("MS-L"), up("MS-L")} << "00 01 01 f0 81 f0 00 00";
    QTest::newRow("65535 ms is 6553 steps") << QStringList{delay("65535")} << "00 01 7f 00 19 99 00 00";
    QTest::newRow("5 ms is 0 steps") << QStringList{delay("5")} << "00 01 7f 00 00 00 00 00";
    QTest::newRow("delay 0 dropped") << QStringList{delay("0")} << "00 01 00 00";
    QTest::newRow("delay not a number dropped") << QStringList{delay("ten")} << "00 01 00 00";
    QTest::newRow("unknown name dropped") << QStringList{down("Nope"), up("B")} << "00 01 81 05 00 00";
    QTest::newRow("code 0 dropped") << QStringList{down("Zero")} << "00 01 00 00";
    QTest::newRow("name is case-sensitive") << QStringList{down("a")} << "00 01 00 00";
    QTest::newRow("[Down] without its blanks") << QStringList{QStringLiteral("A[Down]")} << "00 01 00 00";
    QTest::newRow("[Down] with too few blanks") << QStringList{QStringLiteral("A   [Down]")} << "00 01 00 00";
    QTest::newRow("shorter than ten") << QStringList{QStringLiteral("[Up]"), QString()} << "00 01 00 00";
    QTest::newRow("command only, empty value") << QStringList{downCommand} << "00 01 00 00";
    QTest::newRow("unknown command") << QStringList{QStringLiteral("A    [Hold]")} << "00 01 00 00";
}

void TstMacroCodec::encode()
{
    QFETCH(QStringList, items);
    QFETCH(QString, expected);
    QCOMPARE(hex(macrocodec::encode(items, codes)), expected);
}

void TstMacroCodec::uploadBlockSwapsPairs()
{
    const Bytes encoded = macrocodec::encode({down("A"), up("A"), delay("1000")}, codes);
    uchar block[blockSize];
    std::memset(block, 0xEE, sizeof block);
    QVERIFY(toUploadBlock(encoded, block));
    const Bytes got(block, block + blockSize);
    QCOMPARE(hex(got.mid(0, 12)), QStringLiteral("01 00 04 01 04 81 00 7f 64 00 00 00"));
    QCOMPARE(got.mid(12), Bytes(blockSize - 12, 0));
}

void TstMacroCodec::uploadBlockLimit_data()
{
    QTest::addColumn<int>("events");
    QTest::addColumn<bool>("fits");
    // Start and end take two words, each press or release one more.
    QTest::newRow("62 events, 128 bytes") << 62 << true;
    QTest::newRow("63 events, 130 bytes") << 63 << false;
}

void TstMacroCodec::uploadBlockLimit()
{
    QFETCH(int, events);
    QFETCH(bool, fits);
    QStringList items;
    for (int i = 0; i < events; ++i)
        items << (i % 2 ? up("A") : down("A"));
    const Bytes encoded = macrocodec::encode(items, codes);
    QCOMPARE(encoded.size(), 4 + events * 2);
    uchar block[blockSize];
    std::memset(block, 0xEE, sizeof block);
    QCOMPARE(toUploadBlock(encoded, block), fits);
    const Bytes got(block, block + blockSize);
    if (fits)
        QCOMPARE(hex(got.mid(124)), QStringLiteral("04 81 00 00")); // last release, end word
    else
        QCOMPARE(got, Bytes(blockSize, 0)); // nothing half-written
}

void TstMacroCodec::safeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("safe");
    QTest::newRow("default name") << QStringLiteral("Macro. 001") << true;
    QTest::newRow("non-ASCII") << QStringLiteral("宏 1") << true;
    QTest::newRow("single dot") << QStringLiteral("a.b") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("parent") << QStringLiteral("..") << false;
    QTest::newRow("parent path") << QStringLiteral("../setting/p1") << false;
    QTest::newRow("leading dot") << QStringLiteral(".hidden") << false;
    QTest::newRow("dots inside") << QStringLiteral("a..b") << false;
    QTest::newRow("slash") << QStringLiteral("a/b") << false;
    QTest::newRow("absolute") << QStringLiteral("/etc/passwd") << false;
    QTest::newRow("backslash") << QStringLiteral("a\\b") << false;
    QTest::newRow("NUL") << QString::fromLatin1("a\0b", 3) << false;
    QTest::newRow("newline") << QStringLiteral("a\nb") << false;
    QTest::newRow("tab") << QStringLiteral("a\tb") << false;
    QTest::newRow("DEL") << QStringLiteral("a\x7f") << false;
}

void TstMacroCodec::safeNames()
{
    QFETCH(QString, name);
    QFETCH(bool, safe);
    QCOMPARE(isSafeName(name), safe);
    QCOMPARE(macroFilePath(name).isEmpty(), !safe);
    if (safe)
        QCOMPARE(macroFilePath(name), QStringLiteral("./modules/macro/") + name + QStringLiteral(".bin"));
}

void TstMacroCodec::defaultNames()
{
    QCOMPARE(defaultName(1), QStringLiteral("Macro. 001"));
    QCOMPARE(defaultName(17), QStringLiteral("Macro. 017"));
    QCOMPARE(defaultName(999), QStringLiteral("Macro. 999"));
    QCOMPARE(defaultName(1000), QStringLiteral("Macro. 1000"));
    QCOMPARE(nameText(QVariant(7)), QStringLiteral("7"));
    QCOMPARE(nameText(QVariant()), QString());
}

QTEST_APPLESS_MAIN(TstMacroCodec)
#include "tst_macro_codec.moc"
