// The translation of captured keys (set-1 scan code and hook flags) into USB
// usage codes.
#include "hooks/KeyTables.h"

#include <QSet>
#include <QtTest>

class TstHooksTranslation : public QObject
{
    Q_OBJECT
private slots:
    void translate_data();
    void translate();
    void tableSizes();
    void emptyTablesTranslateNothing();
    void unreachableUsages();
};

void TstHooksTranslation::translate_data()
{
    QTest::addColumn<uint>("scanCode");
    QTest::addColumn<uint>("flags");
    QTest::addColumn<bool>("oem5AsNonUsHash");
    QTest::addColumn<uint>("usage");

    const uint ext = kKeyFlagExtended, alt = kKeyFlagAltDown;
    QTest::newRow("A") << 0x1Eu << 0u << true << 0x04u;
    QTest::newRow("Enter") << 0x1Cu << 0u << true << 0x28u;
    QTest::newRow("keypad Enter") << 0x1Cu << ext << true << 0x58u;
    QTest::newRow("backslash, OEM_5 as backslash") << 0x2Bu << 0u << false << 0x31u;
    QTest::newRow("backslash, OEM_5 as Non-US #") << 0x2Bu << 0u << true << 0x32u;
    QTest::newRow("Pause") << 0x45u << 0u << true << 0x48u;
    QTest::newRow("Num Lock") << 0x45u << ext << true << 0x53u;
    QTest::newRow("Scroll Lock") << 0x46u << 0u << true << 0x47u;
    QTest::newRow("Ctrl+Break") << 0x46u << ext << true << 0x48u;
    QTest::newRow("Scroll Lock with Alt") << 0x46u << alt << true << 0x47u;
    QTest::newRow("Alt+SysRq") << 0x54u << alt << true << 0x46u;
    QTest::newRow("SysRq without Alt") << 0x54u << 0u << true << 0u;
    QTest::newRow("Print Screen") << 0x37u << ext << true << 0x46u;
    QTest::newRow("keypad *") << 0x37u << 0u << true << 0x55u;
    QTest::newRow("right Windows") << 0x5Cu << ext << true << 0u;
    QTest::newRow("left Windows") << 0x5Bu << ext << true << 0xE3u;
    QTest::newRow("scan code 0") << 0x00u << 0u << true << 0u;
    QTest::newRow("above 255") << 0x11Eu << 0u << true << 0u;     // not A: the high bits are not dropped
    QTest::newRow("far above 255") << 0x10000u << ext << true << 0u;
    QTest::newRow("F23") << 0x6Eu << 0u << true << 0x72u;
    QTest::newRow("F12") << 0x58u << 0u << true << 0x45u;
    QTest::newRow("left Ctrl") << 0x1Du << 0u << true << 0xE0u;
    QTest::newRow("right Ctrl") << 0x1Du << ext << true << 0xE4u;
    QTest::newRow("right Shift") << 0x36u << ext << true << 0xE5u;
    QTest::newRow("left Alt, Alt down") << 0x38u << alt << true << 0xE2u;
    QTest::newRow("right Alt") << 0x38u << ext << true << 0xE6u;
    QTest::newRow("Tab") << 0x0Fu << 0u << true << 0x2Bu;
    QTest::newRow("ISO key left of Z") << 0x56u << 0u << true << 0x64u;
    QTest::newRow("Menu") << 0x5Du << ext << true << 0x65u;
    QTest::newRow("keypad /") << 0x35u << ext << true << 0x54u;
    QTest::newRow("keypad 0") << 0x52u << 0u << true << 0x62u;
    QTest::newRow("Insert") << 0x52u << ext << true << 0x49u;
    QTest::newRow("other flags ignored") << 0x1Eu << 0x90u << true << 0x04u;
}

void TstHooksTranslation::translate()
{
    QFETCH(uint, scanCode);
    QFETCH(uint, flags);
    QFETCH(bool, oem5AsNonUsHash);
    QFETCH(uint, usage);

    KeyTables tables;
    tables.build(oem5AsNonUsHash);
    QCOMPARE(uint(tables.translate(scanCode, flags)), usage);
}

void TstHooksTranslation::tableSizes()
{
    KeyTables tables;
    tables.build(false);
    QCOMPARE(tables.scanCodeToVk.size(), 105);
    QCOMPARE(tables.vkToUsage.size(), 121);
    // Rebuilding starts from empty, with the new choice for OEM_5.
    tables.build(true);
    QCOMPARE(tables.scanCodeToVk.size(), 105);
    QCOMPARE(tables.vkToUsage.size(), 121);
    QCOMPARE(tables.vkToUsage.value(0xDC), quint8(0x32));
}

void TstHooksTranslation::emptyTablesTranslateNothing()
{
    KeyTables tables;
    QCOMPARE(tables.translate(0x1E, 0), quint8(0));
    QCOMPARE(tables.translate(0x46, kKeyFlagExtended), quint8(0)); // overrides need the tables too
}

void TstHooksTranslation::unreachableUsages()
{
    // Of F13 to F24 only F23 has a scan code; the others' usages never appear.
    KeyTables tables;
    tables.build(false);
    QSet<int> reachable;
    for (uint sc = 0; sc < 256; ++sc)
        for (uint flags : { 0u, uint(kKeyFlagExtended), uint(kKeyFlagAltDown), uint(kKeyFlagExtended | kKeyFlagAltDown) })
            reachable.insert(tables.translate(sc, flags));
    for (int usage = 0x68; usage <= 0x73; ++usage)
        QCOMPARE(reachable.contains(usage), usage == 0x72);
}

QTEST_GUILESS_MAIN(TstHooksTranslation)
#include "tst_hooks_translation.moc"
