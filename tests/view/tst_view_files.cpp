// Configuration, definition and profile files: what the view writes, what it
// reads back, and that a failed replacement never loses the file it was
// meant to replace.
#include "ViewFixture.h"
#include "view/filesafety.h"
#include "view/dialogs.h"

#include <QStandardPaths>
#include <QtTest>

using namespace viewtest;

namespace {

// What the dialogs were asked and what they answer.
struct DialogCall
{
    QString kind, caption, dir, filter;
};
QList<DialogCall> dialogCalls;
QString dialogAnswer;
QList<QPair<QString, QString>> warnings;

QString fakeOpen(QWidget *, const QString &caption, const QString &dir, const QString &filter)
{
    dialogCalls.append({QStringLiteral("open"), caption, dir, filter});
    return dialogAnswer;
}

QString fakeSave(QWidget *, const QString &caption, const QString &dir, const QString &filter)
{
    dialogCalls.append({QStringLiteral("save"), caption, dir, filter});
    return dialogAnswer;
}

void fakeWarning(const QString &title, const QString &text)
{
    warnings.append({title, text});
}

void runDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString desktop() { return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation); }
QString pictures() { return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation); }

} // namespace

class TstViewFiles : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void apConfigKeepsOrderAndShrinks();
    void resetApconfigRestoresFactoryCopy();
    void resetApconfigWithoutFactoryCopyKeepsConfiguration();
    void skinChooserNeedsTwoFolders();
    void hwDefShapeAndShortEntries();
    void shippedDataLoads();
    void exportImportResetRoundTrip();
    void replacedProfileIsReadAfresh();
    void failedReplacementKeepsFiles_data();
    void failedReplacementKeepsFiles();
    void cancelledDialogsChangeNothing();
    void defaultProfileValues();
    void customPicturePath();
};

void TstViewFiles::init()
{
    dialogCalls.clear();
    dialogAnswer.clear();
    warnings.clear();
    dialogs::getOpenFileName = fakeOpen;
    dialogs::getSaveFileName = fakeSave;
    dialogs::warning = fakeWarning;
}

void TstViewFiles::cleanup()
{
    runDeferredDeletes();
    dialogs::getOpenFileName = dialogs::standardOpenFileName;
    dialogs::getSaveFileName = dialogs::standardSaveFileName;
    dialogs::warning = dialogs::standardWarning;
}

void TstViewFiles::apConfigKeepsOrderAndShrinks()
{
    Scratch scratch(false);
    myQQuickView view;
    QVERIFY(view.loadApConfig().isEmpty()); // no file yet

    QVariantList values;
    for (int i = 0; i < 32; ++i)
        values.append(i == 6 ? QVariant(QStringLiteral("file:/tmp/a b.png")) : QVariant(i * 3 + 1));
    view.saveApConfig(values);
    const QVariantList loaded = view.loadApConfig();
    QCOMPARE(loaded.size(), 32);
    const QString file = scratch.path(QStringLiteral("setting/apConfig.bin"));
    for (int i = 0; i < 32; ++i) {
        QCOMPARE(loaded.at(i).toString(), values.at(i).toString());
        QCOMPARE(readBack(file, QStringLiteral("common/%1").arg(i)).toString(), values.at(i).toString());
    }

    view.saveApConfig(ints({7, 8, 9}));
    QCOMPARE(toInts(view.loadApConfig()), (QList<int>{7, 8, 9}));
    QCOMPARE(readBack(file, QStringLiteral("common/total")).toInt(), 3);
}

void TstViewFiles::resetApconfigRestoresFactoryCopy()
{
    Scratch scratch;
    const QByteArray factory = scratch.read(QStringLiteral("setting/apConfigD.bin"));
    myQQuickView view;
    // A changed configuration of the same size as the factory one, plus a
    // change still pending in the held settings object.
    QVariantList changed = view.loadApConfig();
    QCOMPARE(changed.size(), 32);
    changed[30] = 3;
    view.saveApConfig(changed);
    view.apConfigSettings->setValue(QStringLiteral("common/29"), 5);

    view.resetApconfig();
    runDeferredDeletes();
    QCOMPARE(scratch.read(QStringLiteral("setting/apConfig.bin")), factory);
    const QVariantList loaded = view.loadApConfig();
    QCOMPARE(loaded.size(), 32);
    QCOMPARE(loaded.at(30).toInt(), 7);
    QCOMPARE(loaded.at(29).toInt(), 0);
}

void TstViewFiles::resetApconfigWithoutFactoryCopyKeepsConfiguration()
{
    Scratch scratch;
    QVERIFY(QFile::remove(scratch.path(QStringLiteral("setting/apConfigD.bin"))));
    myQQuickView view;
    view.saveApConfig(ints({1, 2, 3}));
    const QByteArray before = scratch.read(QStringLiteral("setting/apConfig.bin"));
    view.resetApconfig();
    runDeferredDeletes();
    QCOMPARE(scratch.read(QStringLiteral("setting/apConfig.bin")), before);
    QCOMPARE(toInts(view.loadApConfig()), (QList<int>{1, 2, 3}));

    // A factory copy that is a folder cannot be read either.
    QVERIFY(QDir().mkpath(scratch.path(QStringLiteral("setting/apConfigD.bin"))));
    view.resetApconfig();
    runDeferredDeletes();
    QCOMPARE(scratch.read(QStringLiteral("setting/apConfig.bin")), before);
}

void TstViewFiles::skinChooserNeedsTwoFolders()
{
    Scratch scratch(false);
    myQQuickView view;
    QVERIFY(!view.getIsSkinShow()); // no img folder
    QVERIFY(QDir().mkpath(scratch.path(QStringLiteral("img/skin1"))));
    QVERIFY(scratch.write(QStringLiteral("img/readme.txt"), "x"));
    QVERIFY(scratch.write(QStringLiteral("img/skin2.png"), "x"));
    QVERIFY(!view.getIsSkinShow());
    QVERIFY(QDir().mkpath(scratch.path(QStringLiteral("img/skin2"))));
    QVERIFY(view.getIsSkinShow());
}

void TstViewFiles::hwDefShapeAndShortEntries()
{
    Scratch scratch(false);
    QVERIFY(scratch.write(QStringLiteral("setting/HWDef.bin"),
                          "[common]\nmaxProfile=25\n[0]\ntotal_HW=3\ntotal_FW=128\n"
                          "1=10, 20, 1, ESC, 0, 41\n2=30, 40\n3=1, 2, 3, \"A, B\", 5, 61444\n"));
    myQQuickView view;
    QCOMPARE(view.getMaxProfile(), uchar(10));
    QCOMPARE(view.profileSettings.size(), 10);
    QCOMPARE(QFileInfo(view.profileSettings.last()->fileName()).fileName(), QStringLiteral("p10.bin"));

    const QVariantList hw = view.loadHWDef();
    QCOMPARE(hw.size(), 2 + 6 * 3);
    QCOMPARE(hw.at(0).toInt(), 3);
    QCOMPARE(hw.at(1).toInt(), 128);
    QCOMPARE(hw.at(5).toString(), QStringLiteral("ESC"));
    QCOMPARE(hw.at(5).userType(), int(QMetaType::QString));
    QCOMPARE(hw.at(7).toUInt(), 41u);
    // A two-value entry is padded: x, y given, the rest 0 or empty.
    QCOMPARE(hw.mid(8, 6), (QVariantList{30, 40, 0, QString(), 0, 0u}));
    QCOMPARE(hw.at(17).toString(), QStringLiteral("A, B"));
    QCOMPARE(hw.at(19).toUInt(), 61444u);

    QVERIFY(QFile::remove(scratch.path(QStringLiteral("setting/HWDef.bin"))));
    QCOMPARE(toInts(view.loadHWDef()), (QList<int>{0, 0}));
    QVERIFY(view.loadUsbStr().isEmpty());
    QVERIFY(view.loadUsbCode().isEmpty());
}

void TstViewFiles::shippedDataLoads()
{
    Scratch scratch;
    QVERIFY(scratch.ok);
    myQQuickView view;
    QVERIFY(view.getMaxProfile() >= 3 && view.getMaxProfile() <= 5);
    QCOMPARE(view.profileSettings.size(), int(view.getMaxProfile()));

    const QVariantList config = view.loadApConfig();
    QCOMPARE(config.size(), 32);
    QVERIFY(config.at(31).toString().startsWith(QStringLiteral("http")));
    QVERIFY(!readBack(scratch.path(QStringLiteral("setting/apConfig.bin")), QStringLiteral("common/name"))
                 .toString().isEmpty());

    const QVariantList hw = view.loadHWDef();
    const int keys = hw.at(0).toInt();
    QVERIFY(keys >= 104 && keys <= 105);
    QCOMPARE(hw.at(1).toInt(), 128);
    QCOMPARE(hw.size(), 2 + 6 * keys);
    QSet<int> matrix;
    for (int k = 0; k < keys; ++k) {
        QVERIFY(!hw.at(2 + 6 * k + 3).toString().isEmpty());
        matrix.insert(hw.at(2 + 6 * k + 4).toInt());
    }
    QCOMPARE(matrix.size(), keys);
    QVERIFY(*std::max_element(matrix.begin(), matrix.end()) < 128);

    const QVariantList names = view.loadUsbStr();
    QVERIFY(names.size() > 100);
    QCOMPARE(view.loadUsbCode().size(), names.size());

    QStringList profiles{QStringLiteral("pD.bin")};
    for (int k = 1; k <= view.getMaxProfile(); ++k)
        profiles << QStringLiteral("p%1.bin").arg(k);
    for (const QString &name : profiles) {
        const QString file = scratch.path(QStringLiteral("setting/") + name);
        QCOMPARE(toInts(readBack(file, QStringLiteral("color/ledType"))).size(), 7);
        QCOMPARE(toInts(readBack(file, QStringLiteral("color/color"))).size(), 21);
        QSettings copy(file, QSettings::IniFormat);
        for (int n = 0; n < 128; ++n)
            QCOMPARE(copy.value(QStringLiteral("keydefine0/%1").arg(n)).toList().size(), 2);
        for (int p = 0; p < 5; ++p)
            QCOMPARE(copy.value(QStringLiteral("userPicture/%1").arg(p)).toList().size(), 512);
    }
    QCOMPARE(view.loadDefaultProfile(QStringLiteral("color/ledType")).toList().size(), 7);
}

void TstViewFiles::exportImportResetRoundTrip()
{
    Scratch scratch;
    // Distinct content in the first profile.
    QVERIFY(scratch.write(QStringLiteral("setting/p1.bin"),
                          "[color]\nledType=2, 3, 4, 0, 1, 0, 0\n\n[keydefine0]\n0=44, 0\n"));
    const QByteArray p1 = scratch.read(QStringLiteral("setting/p1.bin"));
    myQQuickView view;

    const QString exported = scratch.dir.filePath(QStringLiteral("mine.pf"));
    QVERIFY(writeFile(exported, "old export, to be replaced"));
    dialogAnswer = exported;
    view.saveProfile(0);
    QCOMPARE(dialogCalls.size(), 1);
    QCOMPARE(dialogCalls[0].kind, QStringLiteral("save"));
    QCOMPARE(dialogCalls[0].caption, QStringLiteral("Save File"));
    QCOMPARE(dialogCalls[0].filter, QStringLiteral("Profile(*.pf)"));
    QCOMPARE(dialogCalls[0].dir, desktop());
    QCOMPARE(readAll(exported), p1);

    view.loadProfile(2);
    QCOMPARE(dialogCalls.size(), 2);
    QCOMPARE(dialogCalls[1].kind, QStringLiteral("open"));
    QCOMPARE(dialogCalls[1].caption, QStringLiteral("Open File"));
    QCOMPARE(dialogCalls[1].filter, QStringLiteral("Profile(*.pf)"));
    QCOMPARE(dialogCalls[1].dir, desktop());
    runDeferredDeletes();
    QCOMPARE(scratch.read(QStringLiteral("setting/p3.bin")), p1);
    QCOMPARE(view.profileSettings.size(), 5);
    QCOMPARE(QFileInfo(view.profileSettings[2]->fileName()).fileName(), QStringLiteral("p3.bin"));
    view.ui_21H_SetCurrentProfile(2);
    QCOMPARE(toInts(view.getKeydefine(0)), (QList<int>{44, 0}));
    QCOMPARE(view.getKeydefine(1).size(), 0);

    view.resetProfile(2);
    runDeferredDeletes();
    QCOMPARE(scratch.read(QStringLiteral("setting/p3.bin")), scratch.read(QStringLiteral("setting/pD.bin")));
    QCOMPARE(view.getKeydefine(1).size(), 2);
    QCOMPARE(dialogCalls.size(), 2); // reset asks nothing
    QCOMPARE(scratch.read(QStringLiteral("setting/p1.bin")), p1);
}

void TstViewFiles::replacedProfileIsReadAfresh()
{
    // The new file has the same size as the old one and arrives within the
    // same moment; a write made just before the import is still pending.
    Scratch scratch;
    QVERIFY(scratch.write(QStringLiteral("setting/p2.bin"), "[color]\nledType=1, 2, 3, 4, 5, 6, 7\n"));
    const QString source = scratch.dir.filePath(QStringLiteral("in.pf"));
    QVERIFY(writeFile(source, "[color]\nledType=7, 6, 5, 4, 3, 2, 1\n"));
    myQQuickView view;
    view.ui_21H_SetCurrentProfile(1);
    QCOMPARE(toInts(view.ui_88H_GetLEDType()), (QList<int>{1, 2, 3, 4, 5, 6, 7}));
    view.ui_30H_SetColor(QVariantList(21, 4)); // pending, not yet on disk

    dialogAnswer = source;
    view.loadProfile(1);
    QCOMPARE(toInts(view.ui_88H_GetLEDType()), (QList<int>{7, 6, 5, 4, 3, 2, 1}));
    QVERIFY(view.ui_B0H_GetColor().isEmpty());
    runDeferredDeletes(); // the old object goes and must not write back
    QCOMPARE(scratch.read(QStringLiteral("setting/p2.bin")), readAll(source));

    // Writes after the swap land in the new file.
    view.ui_08H_SetLEDType(1, 1, 1, 1, 1, 1, 1);
    view.profileSettings[1]->sync();
    QCOMPARE(toInts(readBack(scratch.path(QStringLiteral("setting/p2.bin")), QStringLiteral("color/ledType"))),
             QList<int>(7, 1));
}

void TstViewFiles::failedReplacementKeepsFiles_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("fault");
    QTest::newRow("import of a missing file") << "import" << "missing source";
    QTest::newRow("import of a folder") << "import" << "source is a folder";
    QTest::newRow("reset without pD.bin") << "reset" << "missing pD";
    QTest::newRow("export into a path below a file") << "export" << "target below a file";
    QTest::newRow("export of an unreadable profile") << "export" << "profile is a folder";
}

void TstViewFiles::failedReplacementKeepsFiles()
{
    QFETCH(QString, operation);
    QFETCH(QString, fault);
    Scratch scratch;
    const QString p1 = scratch.path(QStringLiteral("setting/p1.bin"));
    const QByteArray before = scratch.read(QStringLiteral("setting/p1.bin"));
    const QString existing = scratch.dir.filePath(QStringLiteral("existing.pf"));
    QVERIFY(writeFile(existing, "keep me"));

    if (fault == QLatin1String("missing source"))
        dialogAnswer = scratch.dir.filePath(QStringLiteral("nothing.pf"));
    if (fault == QLatin1String("source is a folder")) {
        dialogAnswer = scratch.dir.filePath(QStringLiteral("folder.pf"));
        QVERIFY(QDir().mkpath(dialogAnswer));
    }
    if (fault == QLatin1String("missing pD"))
        QVERIFY(QFile::remove(scratch.path(QStringLiteral("setting/pD.bin"))));
    if (fault == QLatin1String("target below a file"))
        dialogAnswer = existing + QStringLiteral("/new.pf");
    if (fault == QLatin1String("profile is a folder")) {
        dialogAnswer = existing;
        QVERIFY(QFile::remove(p1));
        QVERIFY(QDir().mkpath(p1));
    }

    myQQuickView view;
    const QList<int> ledBefore = toInts(view.ui_88H_GetLEDType());
    QSettings *held = view.profileSettings[0];
    if (operation == QLatin1String("import"))
        view.loadProfile(0);
    else if (operation == QLatin1String("reset"))
        view.resetProfile(0);
    else
        view.saveProfile(0);
    runDeferredDeletes();

    QCOMPARE(view.profileSettings[0], held);
    QCOMPARE(toInts(view.ui_88H_GetLEDType()), ledBefore);
    if (fault != QLatin1String("profile is a folder"))
        QCOMPARE(readAll(p1), before);
    QCOMPARE(readAll(existing), QByteArray("keep me"));
    const QStringList leftovers = QDir(scratch.path(QStringLiteral("setting")))
                                      .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : leftovers)
        QVERIFY2(name.endsWith(QLatin1String(".bin")), qPrintable(name));
}

void TstViewFiles::cancelledDialogsChangeNothing()
{
    Scratch scratch;
    const QByteArray before = scratch.read(QStringLiteral("setting/p1.bin"));
    myQQuickView view;
    QSettings *held = view.profileSettings[0];
    view.loadProfile(0);
    view.saveProfile(0);
    QCOMPARE(view.getCustomFilePath(), QString());
    QCOMPARE(dialogCalls.size(), 3);
    QVERIFY(warnings.isEmpty());
    QCOMPARE(view.profileSettings[0], held);
    QCOMPARE(scratch.read(QStringLiteral("setting/p1.bin")), before);
}

void TstViewFiles::defaultProfileValues()
{
    Scratch scratch;
    myQQuickView view;
    QCOMPARE(view.loadDefaultProfile(QStringLiteral("color/color")).toList().size(), 21);
    QVERIFY(!view.loadDefaultProfile(QStringLiteral("color/none")).isValid());
    QVERIFY(!view.loadDefaultProfile(QStringLiteral("nothing")).isValid());
    // Read anew on each call.
    QVERIFY(scratch.write(QStringLiteral("setting/pD.bin"), "[color]\nnone=5\n"));
    QCOMPARE(view.loadDefaultProfile(QStringLiteral("color/none")).toInt(), 5);
}

void TstViewFiles::customPicturePath()
{
    Scratch scratch;
    myQQuickView view;
    const QString picture = scratch.dir.filePath(QStringLiteral("bg.png"));
    QVERIFY(writeFile(picture, "png"));
    dialogAnswer = picture;
    QCOMPARE(view.getCustomFilePath(), picture);
    QCOMPARE(dialogCalls.last().caption, QStringLiteral("Open File"));
    QCOMPARE(dialogCalls.last().filter, QStringLiteral("Image Files(*.png)"));
    QCOMPARE(dialogCalls.last().dir, pictures());
    QVERIFY(warnings.isEmpty());

    // Unreadable before any language is loaded: English texts.
    const QString missing = scratch.dir.filePath(QStringLiteral("gone.png"));
    dialogAnswer = missing;
    QCOMPARE(view.getCustomFilePath(), QString());
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(warnings[0].first, QStringLiteral("Picture not readable"));
    QCOMPARE(warnings[0].second, QStringLiteral("The picture file cannot be opened: ") + missing);

    view.messageTexts = QStringList{QStringLiteral("m0"), QStringLiteral("m1"), QStringLiteral("Title"),
                                    QStringLiteral("Cannot read ")};
    QCOMPARE(view.getCustomFilePath(), QString());
    QCOMPARE(warnings.size(), 2);
    QCOMPARE(warnings[1].first, QStringLiteral("Title"));
    QCOMPARE(warnings[1].second, QStringLiteral("Cannot read ") + missing);

    view.messageTexts = QStringList{QStringLiteral("only one")};
    view.getCustomFilePath();
    QCOMPARE(warnings.size(), 3);
    QCOMPARE(warnings[2].first, QStringLiteral("Picture not readable"));
}

QTEST_MAIN(TstViewFiles)
#include "tst_view_files.moc"
