// Reading the device table: the compiled-in resource and damaged tables.
#include "device/DevInfo.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TstDevTable : public QObject
{
    Q_OBJECT
private slots:
    void compiledInTable();
    void damagedTables_data();
    void damagedTables();
    void hexValues_data();
    void hexValues();
};

void TstDevTable::compiledInTable()
{
    // The resource must be linked into this executable through the static library.
    QFile file(QStringLiteral(":/DevInfo.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readLine().trimmed(), QByteArray("; type 0: Keyboard, type 1: Mouse"));

    const QList<DevInfo> table = readDeviceTable(QStringLiteral(":/DevInfo.ini"));
    QCOMPARE(table.size(), 1);
    const DevInfo &e = table.first();
    QCOMPARE(e.vid, 0x04D9);
    QCOMPARE(e.pid, 0xA1CD);
    QCOMPARE(e.usagePage, 0xFF01);
    QCOMPARE(e.usage, 0x0001);
    QCOMPARE(e.usagePage2, 0xFF02);
    QCOMPARE(e.usage2, 0x0001);
    QCOMPARE(e.reportLength, 64u);
}

void TstDevTable::damagedTables_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("vidOfLast");
    QTest::addColumn<int>("reportLengthOfLast");

    QTest::newRow("no total") << QByteArray("[0]\nvid=04d9\nreportLength=64\n") << 0 << 0 << 0;
    QTest::newRow("total 0") << QByteArray("[common]\ntotal=0\n[0]\nvid=04d9\n") << 0 << 0 << 0;
    QTest::newRow("total not a number") << QByteArray("[common]\ntotal=x\n[0]\nvid=04d9\n") << 0 << 0 << 0;
    QTest::newRow("bad hex and bad decimal")
        << QByteArray("[common]\ntotal=1\n[0]\nvid=zz04\nreportLength=6x4\n") << 1 << 0 << 0;
    QTest::newRow("entry missing") << QByteArray("[common]\ntotal=2\n[0]\nvid=04d9\n") << 2 << 0 << 0;
    QTest::newRow("second entry read")
        << QByteArray("[common]\ntotal=2\n[0]\nvid=1\n[1]\nvid=BEEF\nreportLength=32\n") << 2 << 0xBEEF << 32;
    QTest::newRow("wild total capped") << QByteArray("[common]\ntotal=2000000000\n") << 1024 << 0 << 0;
}

void TstDevTable::damagedTables()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, entries);
    QFETCH(int, vidOfLast);
    QFETCH(int, reportLengthOfLast);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("table.ini"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(ini);
    f.close();

    const QList<DevInfo> table = readDeviceTable(path);
    QCOMPARE(table.size(), entries);
    if (entries > 0) {
        QCOMPARE(int(table.last().vid), vidOfLast);
        QCOMPARE(int(table.last().reportLength), reportLengthOfLast);
    }
}

void TstDevTable::hexValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("lower") << "a1cd" << 0xA1CD;
    QTest::newRow("upper") << "FF02" << 0xFF02;
    QTest::newRow("leading zeros") << "0001" << 1;
    QTest::newRow("wider than 16 bits keeps the low bits") << "1ffff" << 0xFFFF;
    QTest::newRow("not hex") << "g1" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("negative") << "-1" << 0;
}

void TstDevTable::hexValues()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(int(parseTableHex(text)), value);
}

QTEST_GUILESS_MAIN(TstDevTable)
#include "tst_devtable.moc"
