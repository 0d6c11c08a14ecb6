// Languages: the list built from the file names, loading one file with its
// check value, and what a failed check does to the device link.
#include "ViewFixture.h"
#include "view/lang_names.h"

#include <QtTest>

using namespace viewtest;

namespace {

// A language file: font family, strings by number (gaps allowed), check
// value and message texts.
QByteArray languageFile(const QString &family, const QMap<int, QString> &strings, int total,
                        const QString &cs, const QStringList &messages = {})
{
    QByteArray text = "[font]\nfamily=" + family.toUtf8() + "\n";
    if (total >= 0)
        text += "total=" + QByteArray::number(total) + "\n";
    if (!cs.isNull())
        text += "cs=" + cs.toUtf8() + "\n";
    text += "[strings]\n";
    for (auto it = strings.begin(); it != strings.end(); ++it)
        text += QByteArray::number(it.key()) + "=\"" + it.value().toUtf8() + "\"\n";
    if (!messages.isEmpty()) {
        text += "[msg]\n";
        for (int i = 0; i < messages.size(); ++i)
            text += QByteArray::number(i) + "=\"" + messages.at(i).toUtf8() + "\"\n";
    }
    return text;
}

} // namespace

class TstViewLanguages : public QObject
{
    Q_OBJECT
private slots:
    void listing_data();
    void listing();
    void displayNames_data();
    void displayNames();
    void loading_data();
    void loading();
    void failedCheckBlocksEveryExchange();
    void shippedLanguagesPassTheirCheck();
};

void TstViewLanguages::listing_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QVariantMap>("expected");

    QTest::newRow("three shipped kinds")
        << QStringList{"lang_031000.ini", "lang_025208.ini", "lang_025044.ini"}
        << QVariantMap{{"CHINESE (Simp)", "025044"}, {"CHINESE (Trad)", "025208"}, {"ENGLISH", "031000"}};
    QTest::newRow("same display name: later file wins")
        << QStringList{"lang_031abc.ini", "lang_031000.ini"} << QVariantMap{{"ENGLISH", "031abc"}};
    QTest::newRow("other country, other files ignored")
        << QStringList{"lang_031225.ini", "lang_042082.ini", "readme.txt", "lang_031000.txt"}
        << QVariantMap{{"ENGLISH (UNITEDSTATES)", "031225"}, {"GERMAN (GERMANY)", "042082"}};
    QTest::newRow("letters count as 0, short names give short codes")
        << QStringList{"lang_en.ini", "LANG_025.ini"}
        << QVariantMap{{"DEFAULT", "en.ini"}, {"CHINESE", "025.in"}};
    QTest::newRow("empty folder") << QStringList{} << QVariantMap{};
}

void TstViewLanguages::listing()
{
    QFETCH(QStringList, files);
    QFETCH(QVariantMap, expected);
    Scratch scratch(false);
    for (const QString &f : files)
        QVERIFY(scratch.write(QStringLiteral("i18n/") + f, "[font]\n"));
    myQQuickView view;
    const QVariantMap languages = view.chkLanguages();
    QCOMPARE(languages, expected);
    QCOMPARE(languages.keys(), expected.keys()); // key order is the list order

    QVERIFY(QDir(scratch.path(QStringLiteral("i18n"))).removeRecursively());
    QVERIFY(view.chkLanguages().isEmpty());
}

void TstViewLanguages::displayNames_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    // Qt 4.8 numbers these differently from Qt 6.
    QTest::newRow("German, Austria") << "042014" << "GERMAN (AUSTRIA)";
    QTest::newRow("Japanese") << "059000" << "JAPANESE";
    QTest::newRow("Korean, Korea") << "066114" << "KOREAN (REPUBLICOFKOREA)";
    QTest::newRow("past the table") << "999999" << "UNKNOWN (UNKNOWN)";
}

void TstViewLanguages::displayNames()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QCOMPARE(languageDisplayName(code), name);
}

void TstViewLanguages::loading_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("strings");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QStringList>("messages");

    const QStringList noMessages{"", "", "", ""};
    QTest::newRow("abc matches 771902100")
        << languageFile("Liberation Sans", {{1, "abc"}}, 1, "771902100", {"a", "b", "c", "d"})
        << QStringList{"Liberation Sans", "abc"} << true << QStringList{"a", "b", "c", "d"};
    QTest::newRow("abc with 771902101")
        << languageFile("F", {{1, "abc"}}, 1, "771902101") << QStringList{"F", "abc"} << false << noMessages;
    QTest::newRow("no strings match 7418700")
        << languageFile("F", {}, 0, "7418700") << QStringList{"F"} << true << noMessages;
    QTest::newRow("missing total matches 7418700 and ignores strings")
        << languageFile("F", {{1, "abc"}}, -1, "7418700") << QStringList{"F"} << true << noMessages;
    QTest::newRow("missing check value")
        << languageFile("F", {}, 0, QString()) << QStringList{"F"} << false << noMessages;
    // Q = 1 + 0 + 2 = 3: the gap counts as an empty text.
    QTest::newRow("gap in the strings")
        << languageFile("F", {{1, "x"}, {3, "yz"}}, 3, "771902100")
        << QStringList{"F", "x", "", "yz"} << true << noMessages;
    // Three UTF-16 units (one outside the BMP counts twice), commas kept.
    QTest::newRow("UTF-16 length, quoted comma")
        << languageFile("WenQuanYi Micro Hei", {{1, QString::fromUtf8("\xe4\xb8\xad\xf0\x9f\x98\x80")}, {2, "a, b"}},
                        2, languageCheckValue(3 + 4))
        << QStringList{"WenQuanYi Micro Hei", QString::fromUtf8("\xe4\xb8\xad\xf0\x9f\x98\x80"), "a, b"} << true
        << noMessages;
    QTest::newRow("missing file") << QByteArray() << QStringList{""} << false << noMessages;
}

void TstViewLanguages::loading()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, strings);
    QFETCH(bool, valid);
    QFETCH(QStringList, messages);
    Scratch scratch(false);
    if (!file.isNull())
        QVERIFY(scratch.write(QStringLiteral("i18n/lang_031000.ini"), file));
    myQQuickView view;
    QVERIFY(view.messageTexts.isEmpty());
    langFileValid = !valid;
    QCOMPARE(view.getGlobalStrings(QStringLiteral("031000")), strings);
    QCOMPARE(bool(langFileValid), valid);
    QCOMPARE(view.messageTexts, messages);
    langFileValid = true;
}

void TstViewLanguages::failedCheckBlocksEveryExchange()
{
    Scratch scratch(false);
    QVERIFY(scratch.write(QStringLiteral("i18n/lang_031000.ini"), languageFile("F", {{1, "abc"}}, 1, "771902100")));
    QVERIFY(scratch.write(QStringLiteral("i18n/lang_031001.ini"), languageFile("F", {{1, "abd!"}}, 1, "771902100")));
    Device device;
    QVERIFY(langFileValid); // before any language is loaded
    myQQuickView view;
    view.hid = device.hid;

    const auto everyOperation = [&] {
        view.ui_13H_SetRecoveryData(); // first: it may restore factory state
        view.ui_02H_SetKeyboardMode(1);
        view.ui_04H_SetButtonSensitivity(1);
        view.ui_08H_SetLEDType(1, 2, 3, 4, 5, 6, 7);
        view.ui_0C0DH_SetKeyMatrix(QVariantList(256, 1));
        view.ui_12H_SetUserPicture(0, 0, QVariantList(512, 4));
        view.ui_21H_SetCurrentProfile(0);
        view.ui_30H_SetColor(QVariantList(21, 8));
        view.ui_80H_GetFWVersion();
        view.ui_84H_GetButtonSensitivity();
        view.ui_8C8DH_GetKeyMatrix();
        view.syncFW();
        view.syncLed();
        device.hid->waitForExchange();
    };

    view.getGlobalStrings(QStringLiteral("031001"));
    QVERIFY(!langFileValid);
    device.kb.clearLog();
    everyOperation();
    QVERIFY(device.kb.log().isEmpty());
    QCOMPARE(view.ui_80H_GetFWVersion(), QStringLiteral("unknown"));
    QCOMPARE(device.kb.firmware(0).keyMatrix, QByteArray(256, 0));

    view.getGlobalStrings(QStringLiteral("031000"));
    QVERIFY(langFileValid);
    everyOperation();
    QVERIFY(!device.kb.log().isEmpty());
    QCOMPARE(view.ui_80H_GetFWVersion(), QStringLiteral("01.0A"));
    QCOMPARE(device.kb.firmware(0).keyMatrix, QByteArray(256, 1));
}

void TstViewLanguages::shippedLanguagesPassTheirCheck()
{
    Scratch scratch;
    QVERIFY(scratch.ok);
    myQQuickView view;
    const QVariantMap languages = view.chkLanguages();
    QCOMPARE(languages.keys(), (QStringList{"CHINESE (Simp)", "CHINESE (Trad)", "ENGLISH"}));
    // The factory configuration's language is ENGLISH's position in the list.
    QCOMPARE(languages.keys().indexOf(QStringLiteral("ENGLISH")), view.loadApConfig().value(4).toInt());
    for (auto it = languages.begin(); it != languages.end(); ++it) {
        langFileValid = false;
        const QStringList strings = view.getGlobalStrings(it.value().toString());
        QVERIFY2(langFileValid, qPrintable(it.key()));
        QCOMPARE(strings.size(), 115);
        QVERIFY(!strings.first().isEmpty());
        QCOMPARE(view.messageTexts.size(), 4);
        for (const QString &m : view.messageTexts)
            QVERIFY2(!m.isEmpty(), qPrintable(it.key()));
    }
    langFileValid = true;
}

QTEST_MAIN(TstViewLanguages)
#include "tst_view_languages.moc"
