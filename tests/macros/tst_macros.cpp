// The macro library and upload slots of the real view, in a scratch working
// directory, with the device link talking to a virtual R7.
#include "device/DevInfo.h"
#include "device/Hid_Thread.h"
#include "device/virtual/VirtualR7.h"
#include "view/dialogs.h"
#include "view/myQQuickView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kDown = QStringLiteral("    [Down]");
const QString kUp = QStringLiteral("      [Up]");
const QString kDelay = QStringLiteral("   [Delay]");

// Dialog and warning stand-ins: they record what they were asked and answer
// with `answer`.
struct DialogLog
{
    QStringList captions, dirs, filters;
    QString answer;
    QStringList warnings; // "title|text"
};
DialogLog dialogLog;

QString fakeFileDialog(QWidget *, const QString &caption, const QString &dir, const QString &filter)
{
    dialogLog.captions << caption;
    dialogLog.dirs << dir;
    dialogLog.filters << filter;
    return dialogLog.answer;
}

void fakeWarning(const QString &title, const QString &text)
{
    dialogLog.warnings << title + QLatin1Char('|') + text;
}

QStringList debugLines;
QtMessageHandler previousHandler = nullptr;
void collect(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtDebugMsg)
        debugLines << text;
    else if (previousHandler)
        previousHandler(type, context, text);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

// A macro file with the given binding and items.
QByteArray macroFile(int index, const QStringList &items = {}, int repeat = 1)
{
    QByteArray text = "[config]\nindex=" + QByteArray::number(index) + "\ntotal=" + QByteArray::number(items.size())
        + "\nrepeat=" + QByteArray::number(repeat) + "\ndid=-1\n";
    if (!items.isEmpty()) {
        text += "\n[macro]\n";
        for (int i = 0; i < items.size(); ++i)
            text += QByteArray::number(i) + "=\"" + items.at(i).toUtf8() + "\"\n";
    }
    return text;
}

QString m(const QString &name) { return QStringLiteral("modules/macro/") + name + QStringLiteral(".bin"); }

QStringList pressRelease(const QString &key, int pairs)
{
    QStringList items;
    for (int i = 0; i < pairs; ++i)
        items << key + kDown << key + kUp;
    return items;
}

} // namespace

class TstMacros : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void createTakesFirstFreeDefaultName();
    void namesSortedIgnoringCase();
    void readDefaultsAndMissingFiles();
    void saveReplacesItems();
    void saveSendsBoundMacros_data();
    void saveSendsBoundMacros();
    void configReadAndWrite();
    void renameAndDelete();
    void reconcileKeepsFirstBindingPerSlot();
    void reconcileZeroRemovesAll();
    void reconcileNeverRebindsAKeptMacro();
    void reconcileRecreatesARemovedDefaultFileEmpty();
    void importReplacesOnlyWhenChosenAndReadable();
    void exportCopiesAndReplaces();
    void uploadSlotIsLowEightBits();
    void tooLongMacroWarnsAndSendsNothing_data();
    void tooLongMacroWarnsAndSendsNothing();
    void unsafeNamesNeverLeaveTheFolder_data();
    void unsafeNamesNeverLeaveTheFolder();

private:
    // 10H requests seen by the keyboard since the last clearLog(): slot numbers.
    QList<int> macroUploads() const;
    QByteArray slotBlock(int slot) const;

    QTemporaryDir *tmp = nullptr;
    QString previousDir;
    VirtualR7 *kb = nullptr;
    Hid_Thread *hid = nullptr;
    myQQuickView *view = nullptr;
};

void TstMacros::initTestCase()
{
    previousHandler = qInstallMessageHandler(collect);
    dialogs::getOpenFileName = fakeFileDialog;
    dialogs::getSaveFileName = fakeFileDialog;
    dialogs::warning = fakeWarning;
}

void TstMacros::init()
{
    previousDir = QDir::currentPath();
    tmp = new QTemporaryDir;
    QVERIFY(tmp->isValid());
    QVERIFY(QDir::setCurrent(tmp->path()));
    QVERIFY(QDir().mkpath(QStringLiteral("modules/macro")));
    QVERIFY(QDir().mkpath(QStringLiteral("modules/setting")));
    QVERIFY(writeFile(QStringLiteral("modules/setting/p1.bin"), "[common]\nname=profile one\n"));

    kb = new VirtualR7;
    kb->plug();
    setHidBackend(kb);
    hid = new Hid_Thread;
    hid->scanDevices(readDeviceTable(QStringLiteral(":/DevInfo.ini")));

    view = new myQQuickView;
    view->hid = hid;
    view->usbCodeByName = {{QStringLiteral("A"), 0x04}, {QStringLiteral("B"), 0x05}};
    dialogLog = DialogLog();
    debugLines.clear();
    kb->clearLog();
}

void TstMacros::cleanup()
{
    delete view;
    view = nullptr;
    delete hid; // waits for the last exchange
    hid = nullptr;
    setHidBackend(nullptr);
    delete kb;
    kb = nullptr;
    QDir::setCurrent(previousDir);
    delete tmp;
    tmp = nullptr;
}

QList<int> TstMacros::macroUploads() const
{
    hid->waitForExchange();
    QList<int> seen;
    for (const VirtualR7::LogEntry &e : kb->log())
        if (e.dir == VirtualR7::Dir::ToDevice && e.kind == VirtualR7::Kind::Feature && e.bytes.size() >= 4
            && uchar(e.bytes.at(1)) == 0x10)
            seen << uchar(e.bytes.at(3));
    return seen;
}

QByteArray TstMacros::slotBlock(int slot) const
{
    hid->waitForExchange();
    return kb->firmware(0).macros.mid(slot * 128, 128);
}

// ----------------------------------------------------------------- library

void TstMacros::createTakesFirstFreeDefaultName()
{
    QVERIFY(writeFile(m("Macro. 001"), macroFile(0)));
    QVERIFY(writeFile(m("Macro. 003"), macroFile(2)));
    QCOMPARE(view->createMacroIni().toString(), QStringLiteral("Macro. 002"));
    QSettings created(m("Macro. 002"), QSettings::IniFormat);
    QCOMPARE(created.value("config/index").toInt(), -1);
    QCOMPARE(created.value("config/total").toInt(), 0);
    QCOMPARE(created.value("config/repeat").toInt(), 1);
    QCOMPARE(created.value("config/did").toInt(), -1);

    for (int n = 1; n <= 999; ++n)
        QVERIFY(writeFile(m(QStringLiteral("Macro. %1").arg(n, 3, 10, QLatin1Char('0'))), "x"));
    QCOMPARE(view->createMacroIni().toString(), QStringLiteral("Macro. 1000"));
    QVERIFY(QFile::exists(m("Macro. 1000")));

    // A folder that cannot be made (a plain file in its place): no name for
    // a macro that is not there.
    QVERIFY(QDir(QStringLiteral("modules/macro")).removeRecursively());
    QVERIFY(writeFile(QStringLiteral("modules/macro"), "not a folder"));
    QCOMPARE(view->createMacroIni().toString(), QString());
}

void TstMacros::namesSortedIgnoringCase()
{
    QVERIFY(writeFile(m("beta"), macroFile(-1)));
    QVERIFY(writeFile(m("Alpha"), macroFile(-1)));
    QVERIFY(writeFile(QStringLiteral("modules/macro/notes.txt"), "x"));
    QVERIFY(writeFile(QStringLiteral("modules/macro/UPPER.BIN"), "x")); // no file "UPPER.bin" behind it
    QVERIFY(QDir().mkpath(QStringLiteral("modules/macro/folder.bin")));
    QCOMPARE(view->getMacroIniNames(), (QStringList{"Alpha.bin", "beta.bin"}));

    QVERIFY(QDir(QStringLiteral("modules/macro")).removeRecursively());
    QCOMPARE(view->getMacroIniNames(), QStringList());
}

void TstMacros::readDefaultsAndMissingFiles()
{
    QVERIFY(writeFile(m("short"), "[config]\ntotal=3\n\n[macro]\n0=A    [Down]\n"));
    QCOMPARE(view->loadMacroIni("short"), (QStringList{"A" + kDown, "0", "0"}));
    QCOMPARE(view->loadMacroIniConfig("short"), (QVariantList{-1, 1}));

    QVERIFY(writeFile(m("negative"), "[config]\ntotal=-2\nindex=4\nrepeat=3\n"));
    QCOMPARE(view->loadMacroIni("negative"), QStringList());
    QCOMPARE(view->loadMacroIniConfig("negative"), (QVariantList{4, 3}));

    // A number is a name too.
    QVERIFY(writeFile(m("7"), macroFile(-1, {"B" + kUp})));
    QCOMPARE(view->loadMacroIni(7), QStringList{"B" + kUp});

    QCOMPARE(view->loadMacroIni("missing"), QStringList());
    QCOMPARE(view->loadMacroIniConfig("missing"), QVariantList());
    QCOMPARE(view->saveMacroIni("missing", {"A" + kDown}).toBool(), false);
    QVERIFY(!QFile::exists(m("missing")));
}

void TstMacros::saveReplacesItems()
{
    QVERIFY(writeFile(m("m"), macroFile(-1, {"x", "y", "z"})));
    const QStringList items{"A" + kDown, "1000" + kDelay};
    QCOMPARE(view->saveMacroIni("m", items).toBool(), true);
    QCOMPARE(view->loadMacroIni("m"), items);
    QSettings file(m("m"), QSettings::IniFormat);
    QCOMPARE(file.value("config/total").toInt(), 2);
    QVERIFY(!file.contains("macro/2")); // nothing of the longer list survives

    QCOMPARE(view->saveMacroIni("m", {}).toBool(), true);
    QSettings emptied(m("m"), QSettings::IniFormat);
    QCOMPARE(emptied.value("config/total").toInt(), 0);
    QVERIFY(emptied.childGroups().contains("config"));
    QVERIFY(!emptied.childGroups().contains("macro"));
    QCOMPARE(macroUploads(), QList<int>()); // unbound
}

void TstMacros::saveSendsBoundMacros_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<bool>("sent");
    const QStringList items{"A" + kDown, "50" + kDelay, "A" + kUp};
    QTest::newRow("slot 0") << 0 << items << true;
    QTest::newRow("slot 16") << 16 << items << true;
    QTest::newRow("slot 16, empty list still sent") << 16 << QStringList() << true;
    QTest::newRow("slot 17 only written") << 17 << items << false;
    QTest::newRow("unbound only written") << -1 << items << false;
}

void TstMacros::saveSendsBoundMacros()
{
    QFETCH(int, index);
    QFETCH(QStringList, items);
    QFETCH(bool, sent);

    // The keyboard's slots start with something else in them.
    VirtualR7::Firmware fw = kb->firmware(0);
    fw.macros.fill(char(0xAA));
    kb->setFirmware(0, fw);

    QVERIFY(writeFile(m("bound"), macroFile(index, {"B" + kDown})));
    QCOMPARE(view->saveMacroIni("bound", items).toBool(), true);
    QCOMPARE(view->loadMacroIni("bound"), items);

    if (!sent) {
        QCOMPARE(macroUploads(), QList<int>());
        return;
    }
    QCOMPARE(macroUploads(), QList<int>{index});
    // The items just written, not the old ones: start, press, delay, release, end.
    QByteArray expected = items.isEmpty() ? QByteArray::fromHex("0100 0000")
                                          : QByteArray::fromHex("0100 0401 007F 0500 0481 0000");
    expected.append(QByteArray(128 - expected.size(), 0));
    QCOMPARE(slotBlock(index).toHex(' '), expected.toHex(' '));
}

void TstMacros::configReadAndWrite()
{
    QVERIFY(writeFile(m("m"), macroFile(-1, {"A" + kDown}, 1)));
    hid->curDevice = 0;
    view->setMacroIniConfig("m", {5, 2});
    QCOMPARE(view->loadMacroIniConfig("m"), (QVariantList{5, 2}));
    {
        QSettings file(m("m"), QSettings::IniFormat);
        QCOMPARE(file.value("config/did").toInt(), 0);
        QCOMPARE(file.value("config/total").toInt(), 1); // items untouched
    }
    QCOMPARE(macroUploads(), QList<int>()); // binding alone sends nothing

    // Too few values or no file: nothing is written, nothing is created.
    view->setMacroIniConfig("m", {9});
    view->setMacroIniConfig("m", {});
    QCOMPARE(view->loadMacroIniConfig("m"), (QVariantList{5, 2}));
    view->setMacroIniConfig("missing", {1, 1});
    QVERIFY(!QFile::exists(m("missing")));
}

void TstMacros::renameAndDelete()
{
    const QByteArray one = macroFile(3, {"A" + kDown});
    const QByteArray two = macroFile(4, {"B" + kDown});
    QVERIFY(writeFile(m("one"), one));
    QVERIFY(writeFile(m("two"), two));

    view->renameMacroIniFile("one", "uno");
    QVERIFY(!QFile::exists(m("one")));
    QCOMPARE(readAll(m("uno")), one);

    view->renameMacroIniFile("uno", "two"); // target present: neither file changes
    QCOMPARE(readAll(m("uno")), one);
    QCOMPARE(readAll(m("two")), two);

    QCOMPARE(view->deleteMacroIni("uno").toBool(), true);
    QVERIFY(!QFile::exists(m("uno")));
    QCOMPARE(view->deleteMacroIni("uno").toBool(), false);
}

// --------------------------------------------------------------- reconcile

void TstMacros::reconcileKeepsFirstBindingPerSlot()
{
    QVERIFY(writeFile(m("alpha"), macroFile(1, {"A" + kDown})));
    QVERIFY(writeFile(m("Beta"), macroFile(1)));
    QVERIFY(writeFile(m("gamma"), macroFile(-1)));
    QVERIFY(writeFile(m("delta"), macroFile(7)));

    view->initMacroIni(4);

    QCOMPARE(debugLines, (QStringList{
        R"(REMOVE:  "./modules/macro/Beta.bin")",
        R"(REMOVE:  "./modules/macro/delta.bin")",
        R"(REMOVE:  "./modules/macro/gamma.bin")",
    }));
    QCOMPARE(view->getMacroIniNames(),
             (QStringList{"alpha.bin", "Macro. 001.bin", "Macro. 003.bin", "Macro. 004.bin"}));
    QCOMPARE(view->loadMacroIni("alpha"), QStringList{"A" + kDown});
    const QList<int> slotOf{0, 2, 3};
    const QStringList created{"Macro. 001", "Macro. 003", "Macro. 004"};
    for (int i = 0; i < created.size(); ++i) {
        QSettings file(m(created.at(i)), QSettings::IniFormat);
        QCOMPARE(file.value("config/index").toInt(), slotOf.at(i));
        QCOMPARE(file.value("config/total").toInt(), 0);
        QCOMPARE(file.value("config/repeat").toInt(), 1);
        QCOMPARE(file.value("config/did").toInt(), -1);
    }
}

void TstMacros::reconcileZeroRemovesAll()
{
    QVERIFY(writeFile(m("a"), macroFile(0)));
    QVERIFY(writeFile(m("b"), macroFile(-1)));
    view->initMacroIni(0);
    QCOMPARE(view->getMacroIniNames(), QStringList());
    QCOMPARE(debugLines.size(), 2);
}

void TstMacros::reconcileNeverRebindsAKeptMacro()
{
    // The user's macro carries slot 0's default name but is bound to slot 2.
    const QByteArray mine = macroFile(2, {"A" + kDown, "A" + kUp}, 3);
    QVERIFY(writeFile(m("Macro. 001"), mine));

    view->initMacroIni(3);

    QCOMPARE(readAll(m("Macro. 001")), mine);
    QCOMPARE(debugLines, QStringList());
    // Slots 0 and 1 go to the next free default names.
    QCOMPARE(view->loadMacroIniConfig("Macro. 002"), (QVariantList{0, 1}));
    QCOMPARE(view->loadMacroIniConfig("Macro. 003"), (QVariantList{1, 1}));
    QCOMPARE(view->getMacroIniNames().size(), 3);
}

void TstMacros::reconcileRecreatesARemovedDefaultFileEmpty()
{
    // An unbound macro under slot 0's default name, read once (so the
    // process has its keys cached), is removed and made again for slot 0.
    QVERIFY(writeFile(m("Macro. 001"), macroFile(-1, {"A" + kDown, "A" + kUp})));
    QCOMPARE(view->loadMacroIni("Macro. 001").size(), 2);

    view->initMacroIni(1);

    QCOMPARE(debugLines, QStringList{R"(REMOVE:  "./modules/macro/Macro. 001.bin")"});
    QCOMPARE(view->loadMacroIniConfig("Macro. 001"), (QVariantList{0, 1}));
    QCOMPARE(view->loadMacroIni("Macro. 001"), QStringList());
    QVERIFY(!readAll(m("Macro. 001")).contains("[macro]"));
}

// ------------------------------------------------------- import and export

void TstMacros::importReplacesOnlyWhenChosenAndReadable()
{
    const QByteArray old = macroFile(-1, {"A" + kDown});
    QVERIFY(writeFile(m("m"), old));
    const QByteArray imported = macroFile(5, {"B" + kDown, "B" + kUp, "100" + kDelay}, 2);
    const QString source = tmp->filePath(QStringLiteral("desk/in.mc"));
    QVERIFY(writeFile(source, imported));

    // Cancelled.
    dialogLog.answer.clear();
    view->loadMacroIniFromFile("m");
    QCOMPARE(dialogLog.captions, QStringList{"Open File"});
    QCOMPARE(dialogLog.filters, QStringList{"Macro(*.mc)"});
    QCOMPARE(dialogLog.dirs, QStringList{QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)});
    QCOMPARE(readAll(m("m")), old);

    // Unreadable source: the macro stays as it was.
    dialogLog.answer = tmp->filePath(QStringLiteral("desk/none.mc"));
    view->loadMacroIniFromFile("m");
    QCOMPARE(readAll(m("m")), old);

    // Chosen: a byte-for-byte copy that keeps its own binding; nothing sent.
    dialogLog.answer = source;
    view->loadMacroIniFromFile("m");
    QCOMPARE(readAll(m("m")), imported);
    QCOMPARE(view->loadMacroIniConfig("m"), (QVariantList{5, 2}));
    QCOMPARE(view->loadMacroIni("m").size(), 3);
    QCOMPARE(macroUploads(), QList<int>());

    // Only an existing macro is replaced.
    dialogLog = DialogLog();
    dialogLog.answer = source;
    view->loadMacroIniFromFile("missing");
    QVERIFY(!QFile::exists(m("missing")));
    QVERIFY(tmp->path().size() > 0 && QDir(QStringLiteral("modules/macro")).entryList(QDir::Files).size() == 1);
}

void TstMacros::exportCopiesAndReplaces()
{
    const QByteArray content = macroFile(2, {"A" + kDown});
    QVERIFY(writeFile(m("m"), content));
    const QString target = tmp->filePath(QStringLiteral("desk/out.mc"));

    dialogLog.answer.clear();
    view->saveMacroIniToFile("m");
    QCOMPARE(dialogLog.captions, QStringList{"Save File"});
    QCOMPARE(dialogLog.filters, QStringList{"Macro(*.mc)"});
    QVERIFY(!QFile::exists(target));

    QVERIFY(writeFile(target, "an older export that is much longer than the macro file ......................."));
    dialogLog.answer = target; // the dialog confirmed the overwrite
    view->saveMacroIniToFile("m");
    QCOMPARE(readAll(target), content);
    QCOMPARE(readAll(m("m")), content);

    // A missing macro shows no dialog.
    dialogLog = DialogLog();
    view->saveMacroIniToFile("missing");
    QCOMPARE(dialogLog.captions, QStringList());
}

// ------------------------------------------------------------------ upload

void TstMacros::uploadSlotIsLowEightBits()
{
    QVERIFY(writeFile(m("m"), macroFile(-1, {"A" + kDown, "A" + kUp})));
    view->ui_10H_SetMacroKey(-1, "m");
    view->ui_10H_SetMacroKey(256 + 3, "m");
    QCOMPARE(macroUploads(), (QList<int>{255, 3}));
    QCOMPARE(slotBlock(255).left(8).toHex(' '), QByteArray("01 00 04 01 04 81 00 00"));

    // A missing macro sends the empty macro.
    kb->clearLog();
    view->ui_10H_SetMacroKey(4, "missing");
    QCOMPARE(macroUploads(), QList<int>{4});
    QCOMPARE(slotBlock(4), QByteArray::fromHex("01000000") + QByteArray(124, 0));
    QCOMPARE(dialogLog.warnings, QStringList());
}

void TstMacros::tooLongMacroWarnsAndSendsNothing_data()
{
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("warning");
    QTest::newRow("language texts") << QStringList{"Too long", "Shorten it", "x", "y"} << "Too long|Shorten it";
    QTest::newRow("no language loaded")
        << QStringList()
        << "Macro too long|This macro does not fit into the keyboard's macro memory. A macro holds at most 62 "
           "steps: 31 key presses with their releases, fewer when it has delays. Please shorten it.";
    QTest::newRow("title only") << QStringList{"Too long"}
                                << "Too long|This macro does not fit into the keyboard's macro memory. A macro "
                                   "holds at most 62 steps: 31 key presses with their releases, fewer when it "
                                   "has delays. Please shorten it.";
}

void TstMacros::tooLongMacroWarnsAndSendsNothing()
{
    QFETCH(QStringList, messages);
    QFETCH(QString, warning);
    view->messageTexts = messages;

    // 62 key events: 128 bytes, sent without a warning.
    QStringList fits = pressRelease("A", 31);
    QVERIFY(writeFile(m("fits"), macroFile(0)));
    QCOMPARE(view->saveMacroIni("fits", fits).toBool(), true);
    QCOMPARE(dialogLog.warnings, QStringList());
    QCOMPARE(macroUploads(), QList<int>{0});
    const QByteArray before = slotBlock(0);
    QCOMPARE(before.right(4).toHex(' '), QByteArray("04 81 00 00"));

    // One event more: 130 bytes, warned, nothing sent, the file keeps all.
    kb->clearLog();
    QStringList tooLong = fits;
    tooLong << "B" + kDown;
    QCOMPARE(view->saveMacroIni("fits", tooLong).toBool(), true);
    QCOMPARE(dialogLog.warnings, QStringList{warning});
    QCOMPARE(macroUploads(), QList<int>());
    QCOMPARE(slotBlock(0), before);
    QCOMPARE(view->loadMacroIni("fits"), tooLong);
}

// -------------------------------------------------------- names as paths

void TstMacros::unsafeNamesNeverLeaveTheFolder_data()
{
    QTest::addColumn<QVariant>("name");
    // The file the name would reach if it were used as given (empty: none).
    QTest::addColumn<QString>("victim");

    QTest::newRow("../setting/p1") << QVariant("../setting/p1") << "modules/setting/p1.bin";
    QTest::newRow("..") << QVariant("..") << "modules/macro/...bin";
    QTest::newRow(".hidden") << QVariant(".hidden") << "modules/macro/.hidden.bin";
    QTest::newRow("sub/x") << QVariant("sub/x") << "modules/macro/sub/x.bin";
    QTest::newRow("backslash") << QVariant("sub\\x") << "modules/macro/sub\\x.bin";
    QTest::newRow("empty") << QVariant("") << "modules/macro/.bin";
    QTest::newRow("invalid") << QVariant() << "modules/macro/.bin";
    QTest::newRow("newline") << QVariant("a\nb") << "modules/macro/a\nb.bin";
    QTest::newRow("NUL") << QVariant(QString::fromLatin1("p\0q", 3)) << QString();
}

void TstMacros::unsafeNamesNeverLeaveTheFolder()
{
    QFETCH(QVariant, name);
    QFETCH(QString, victim);

    const QByteArray victimContent = macroFile(3, {"A" + kDown, "A" + kUp});
    if (!victim.isEmpty())
        QVERIFY(writeFile(victim, victimContent));
    const QByteArray good = macroFile(1, {"B" + kDown});
    QVERIFY(writeFile(m("good"), good));
    dialogLog.answer = m("good");

    QCOMPARE(view->loadMacroIni(name), QStringList());
    QCOMPARE(view->loadMacroIniConfig(name), QVariantList());
    QCOMPARE(view->saveMacroIni(name, {"B" + kDown}).toBool(), false);
    view->setMacroIniConfig(name, {9, 9});
    view->loadMacroIniFromFile(name);
    view->saveMacroIniToFile(name);
    view->renameMacroIniFile(name, "renamed");
    view->renameMacroIniFile("good", name);
    view->ui_10H_SetMacroKey(0, name); // reads nothing: the empty macro
    QCOMPARE(view->deleteMacroIni(name).toBool(), false);

    if (!victim.isEmpty())
        QCOMPARE(readAll(victim), victimContent);
    QCOMPARE(readAll(m("good")), good);
    QVERIFY(!QFile::exists(m("renamed")));
    QCOMPARE(dialogLog.captions, QStringList()); // no dialog for a refused name
    QCOMPARE(slotBlock(0), QByteArray::fromHex("01000000") + QByteArray(124, 0));
}

QTEST_MAIN(TstMacros)
#include "tst_macros.moc"
