// The global settings page against the real view, in a scratch working
// directory with its own modules/ tree (configuration, skins, a language).
#include "view/myQQuickView.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QQmlContext>
#include <QQuickItem>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The controller stand-in: the settings page never calls it, the root's
// closing does.
class Controller : public QObject
{
    Q_OBJECT
public slots:
    void onMinimize() {}
    void onXChanged(int) {}
    void onYChanged(int) {}
};

QQuickItem *findItem(QQuickItem *parent, const QString &name)
{
    // Repeater rows are visual children only, so walk the item tree.
    for (QQuickItem *child : parent->childItems()) {
        if (child->objectName() == name)
            return child;
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

bool copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(file, target))
            return false;
    }
    return true;
}

QByteArray apConfig(const QList<QByteArray> &values)
{
    QByteArray text = "[common]\ntotal=" + QByteArray::number(values.size()) + "\n";
    for (int i = 0; i < values.size(); ++i)
        text += QByteArray::number(i) + "=" + values.at(i) + "\n";
    return text;
}

// A complete stored configuration: sound and animations as given, the
// larger text, distinctive colours, selected colour 2, brightness 5.
QList<QByteArray> storedValues(int sound, int animated, int language = 0)
{
    QList<QByteArray> v{"1", "1", QByteArray::number(sound), QByteArray::number(animated),
                        QByteArray::number(language), "false", "", "1"};
    for (int i = 0; i < 21; ++i)
        v << QByteArray::number(10 * i + 5);
    v << "2" << "5" << "https://example.org/r7";
    return v;
}

// A language file whose strings are "L1".. "L114", font "DejaVu Sans".
QByteArray languageFile()
{
    QByteArray text = "[font]\nfamily=DejaVu Sans\ntotal=114\n\n[strings]\n";
    for (int i = 1; i <= 114; ++i)
        text += QByteArray::number(i) + "=L" + QByteArray::number(i) + "\n";
    return text;
}

struct Scratch
{
    Scratch(int skins, const QByteArray &config, bool withLanguage)
        : previous(QDir::currentPath())
    {
        const QString img = previous + QStringLiteral("/modules/img/skin1");
        QDir root(dir.path());
        root.mkpath(QStringLiteral("modules/setting"));
        root.mkpath(QStringLiteral("modules/i18n"));
        for (int k = 1; k <= skins; ++k)
            ok = copyTree(img, dir.filePath(QStringLiteral("modules/img/skin%1").arg(k))) && ok;
        if (!config.isNull())
            ok = write(QStringLiteral("modules/setting/apConfig.bin"), config) && ok;
        if (withLanguage)
            ok = write(QStringLiteral("modules/i18n/lang_031000.ini"), languageFile()) && ok;
        QDir::setCurrent(dir.path());
    }
    ~Scratch() { QDir::setCurrent(previous); }

    bool write(const QString &relative, const QByteArray &content)
    {
        QFile f(dir.filePath(relative));
        return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
    }

    QTemporaryDir dir;
    QString previous;
    bool ok = true;
};

// The view with the scene loaded as the controller loads it.
struct Scene
{
    Scene()
    {
        view.rootContext()->setContextProperty(QStringLiteral("ui_View"), &view);
        view.rootContext()->setContextProperty(QStringLiteral("hid"), &hid);
        view.rootContext()->setContextProperty(QStringLiteral("ui_Ctl"), &controller);
        view.setSource(QUrl(QStringLiteral("qrc:/modules/qml/main.qml")));
        root = view.rootObject();
        page = root ? root->findChild<QQuickItem *>(QStringLiteral("pageGlobalsetting")) : nullptr;
    }

    QQuickItem *item(const char *name) const { return findItem(page, QLatin1String(name)); }
    QVariant call(QObject *target, const char *function)
    {
        QVariant result;
        QMetaObject::invokeMethod(target, function, Q_RETURN_ARG(QVariant, result));
        return result;
    }
    void initUI() { QMetaObject::invokeMethod(root, "initUI"); }

    // Shows the window and slides the settings panel in.
    bool openPanel()
    {
        page->setProperty("_AnimationSpeed", 10);
        root->setProperty("visible", true);
        view.show();
        if (!QTest::qWaitForWindowExposed(&view))
            return false;
        root->findChild<QObject *>(QStringLiteral("upItem"))->setProperty("isGlobalSettingSelect", true);
        QObject *panel = root->findChild<QObject *>(QStringLiteral("fkGlobalsetting"));
        return QTest::qWaitFor([panel] { return panel->property("contentX").toReal() == 0; }, 5000);
    }

    void press(QQuickItem *target, const QPointF &local)
    {
        const QPointF at = target->mapToScene(local);
        QMouseEvent down(QEvent::MouseButtonPress, at, view.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &down);
        QMouseEvent up(QEvent::MouseButtonRelease, at, view.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                       Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &up);
    }

    myQQuickView view;
    QObject hid;
    Controller controller;
    QQuickItem *root = nullptr;
    QQuickItem *page = nullptr;
};

} // namespace

class TestSceneSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(QStringLiteral("modules/img/skin1/common/slider_BASE.png")),
                 "the generated skins are missing beside the test");
    }

    void startWithoutStoredValues_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<int>("skins");
        QTest::newRow("no file, one skin") << QByteArray() << 1;
        QTest::newRow("no file, two skins") << QByteArray() << 2;
        QTest::newRow("empty list, one skin") << QByteArray("[common]\ntotal=0\n") << 1;
    }
    void startWithoutStoredValues()
    {
        QFETCH(QByteArray, config);
        QFETCH(int, skins);
        Scratch scratch(skins, config, true);
        QVERIFY(scratch.ok);
        Scene scene;
        QVERIFY(scene.page);
        scene.initUI();
        QCOMPARE(scene.page->property("_Size").toInt(), 11);
        QCOMPARE(scene.page->property("_AnimationSpeed").toInt(), 800);
        QCOMPARE(scene.page->property("skin_No").toInt(), 1);
        QCOMPARE(scene.page->property("_FontFamily").toString(), QStringLiteral("Arial"));
        QCOMPARE(scene.root->property("globalSetting_stringList").toStringList().value(113),
                 QStringLiteral("ALL RESET"));
        QCOMPARE(scene.call(scene.item("soundList"), "getCurIndex").toInt(), -1);
        QVERIFY(scene.view.audioEnabled);
        // The skin chooser follows the skin folders all the same.
        QCOMPARE(scene.page->property("isSkinShow").toBool(), skins > 1);
        QCOMPARE(scene.item("skinList")->property("y").toInt(), skins > 1 ? 22 : 11);
    }

    void shortConfigurationKeepsWhatItLacks()
    {
        // Only version, skin 0 and sound off are stored.
        Scratch scratch(2, apConfig({"1", "0", "1"}), true);
        QVERIFY(scratch.ok);
        Scene scene;
        scene.initUI();
        QVERIFY(!scene.view.audioEnabled);
        QCOMPARE(scene.page->property("skin_No").toInt(), 1);
        QCOMPARE(scene.page->property("_Size").toInt(), 11);
        QCOMPARE(scene.page->property("brightnessLevel").toInt(), 7);
        QCOMPARE(scene.page->property("paletteR").toInt(), 255);
        QCOMPARE(scene.item("valueInput1")->property("text").toString(), QStringLiteral("255"));
        QCOMPARE(scene.root->property("sourceCustomBackground").toUrl(), QUrl());
    }

    void oneSkinFolderMovesTheControlsUp()
    {
        QList<qreal> withTwo;
        QList<qreal> withOne;
        for (int skins : {2, 1}) {
            Scratch scratch(skins, apConfig(storedValues(0, 0)), true);
            QVERIFY(scratch.ok);
            Scene scene;
            scene.initUI();
            QList<qreal> &ys = skins == 2 ? withTwo : withOne;
            for (const char *name : {"soundList", "animationList", "languageList", "backgroundSwitch"})
                ys << scene.item(name)->y();
            QCOMPARE(scene.page->property("isSkinShow").toBool(), skins == 2);
        }
        QCOMPARE(withTwo.first(), 22.0 + 23 + 10);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(withOne.at(i), withTwo.at(i) - 11);
    }

    void storedSoundDecidesTheOpeningSound_data()
    {
        QTest::addColumn<int>("sound");
        QTest::newRow("on") << 0;
        QTest::newRow("off") << 1;
    }
    void storedSoundDecidesTheOpeningSound()
    {
        QFETCH(int, sound);
        Scratch scratch(2, apConfig(storedValues(sound, 1)), true);
        QVERIFY(scratch.ok);
        Scene scene;
        // The host's start-up order.
        QMetaObject::invokeMethod(scene.root, "setProtectUI", Q_ARG(QVariant, 1));
        scene.view.initUI();
        QMetaObject::invokeMethod(scene.root, "setProtectUI", Q_ARG(QVariant, 0));
        QVERIFY(!scene.root->isVisible());
        scene.view.runUI();
        QTRY_VERIFY(scene.root->property("running").toBool());
        QVERIFY(scene.root->property("visible").toBool());
        QCOMPARE(scene.view.audioEnabled, sound == 0);
        QCOMPARE(scene.view.mediaPlayers.at(1)->source().isEmpty(), sound == 1);
        QCOMPARE(scene.call(scene.item("soundList"), "getCurIndex").toInt(), sound);
        QCOMPARE(scene.root->property("animation_speed").toInt(), 10);
    }

    void storedLanguage_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("applied");
        QTest::newRow("first language") << 0 << true;
        QTest::newRow("past the list") << 3 << false;
    }
    void storedLanguage()
    {
        QFETCH(int, position);
        QFETCH(bool, applied);
        Scratch scratch(2, apConfig(storedValues(0, 1, position)), true);
        QVERIFY(scratch.ok);
        Scene scene;
        if (scene.view.chkLanguages().isEmpty())
            QSKIP("the view lists no languages");
        scene.initUI();
        const QStringList strings = scene.root->property("globalSetting_stringList").toStringList();
        QCOMPARE(strings.value(113), applied ? QStringLiteral("L113") : QStringLiteral("ALL RESET"));
        QCOMPARE(scene.root->property("globalSetting_fontFamily").toString(),
                 applied ? QStringLiteral("DejaVu Sans") : QStringLiteral("Arial"));
        QCOMPARE(scene.call(scene.item("languageList"), "getCurIndex").toInt(), applied ? 0 : -1);
        // The rest of the configuration is applied either way.
        QCOMPARE(scene.page->property("_Size").toInt(), 12);
        QCOMPARE(scene.page->property("brightnessLevel").toInt(), 5);
    }

    void valueInputRefusesMoreThan255()
    {
        Scratch scratch(2, apConfig(storedValues(1, 1)), true);
        QVERIFY(scratch.ok);
        Scene scene;
        scene.initUI();
        QVERIFY(scene.openPanel());
        QQuickItem *red = scene.item("valueInput0");
        QVERIFY(red);
        // Selected colour 2 is (65, 75, 85).
        QCOMPARE(red->property("text").toString(), QStringLiteral("65"));
        QMetaObject::invokeMethod(red, "forceActiveFocus");
        QVERIFY(red->hasActiveFocus());
        QMetaObject::invokeMethod(red, "selectAll");
        QTest::keyClicks(&scene.view, QStringLiteral("300"));
        QCOMPARE(red->property("text").toString(), QStringLiteral("30"));
        QTest::keyClick(&scene.view, Qt::Key_Return);
        QVERIFY(!red->hasActiveFocus());
        QCOMPARE(scene.page->property("paletteR").toInt(), 30);
        QCOMPARE(scene.page->property("paletteG").toInt(), 75);
    }

    void stripPress_data()
    {
        QTest::addColumn<qreal>("fraction");
        QTest::addColumn<QList<int>>("rgb");
        QTest::newRow("start: black") << 0.0 << QList<int>{0, 0, 0};
        QTest::newRow("one eighth: red") << 0.125 << QList<int>{255, 0, 0};
        QTest::newRow("half: cyan") << 0.5 << QList<int>{0, 255, 255};
        QTest::newRow("end: black") << 1.0 << QList<int>{0, 0, 0};
    }
    void stripPress()
    {
        QFETCH(qreal, fraction);
        QFETCH(QList<int>, rgb);
        Scratch scratch(2, apConfig(storedValues(1, 1)), true);
        QVERIFY(scratch.ok);
        Scene scene;
        scene.initUI();
        QVERIFY(scene.openPanel());
        QQuickItem *strip = scene.item("strip");
        QVERIFY(strip);
        QCOMPARE(strip->width(), 96.0);
        scene.press(strip, QPointF(fraction * (strip->width() - 1), strip->height() / 2));
        QCOMPARE((QList<int>{scene.page->property("paletteR").toInt(), scene.page->property("paletteG").toInt(),
                             scene.page->property("paletteB").toInt()}),
                 rgb);
        // The inputs show it too.
        QCOMPARE(scene.item("valueInput0")->property("text").toString(),
                 QString::number(rgb.at(0)));
    }

    void resetRestoresTheFactoryConfiguration()
    {
        // Stored: sound off, larger text; factory copy: sound on, normal text.
        Scratch scratch(2, apConfig(storedValues(1, 1)), true);
        QList<QByteArray> factory = storedValues(0, 1);
        factory[7] = "0";
        QVERIFY(scratch.write(QStringLiteral("modules/setting/apConfigD.bin"), apConfig(factory)));
        Scene scene;
        scene.initUI();
        QCOMPARE(scene.page->property("_Size").toInt(), 12);
        QVERIFY(!scene.view.audioEnabled);
        QVERIFY(scene.openPanel());
        QQuickItem *reset = scene.item("resetButton");
        QVERIFY(reset);
        QTest::mouseClick(&scene.view, Qt::LeftButton, Qt::NoModifier,
                          reset->mapToScene(QPointF(reset->width() / 2, reset->height() / 2)).toPoint());
        QCOMPARE(scene.page->property("_Size").toInt(), 11);
        QVERIFY(scene.view.audioEnabled);
        QCOMPARE(scene.call(scene.item("soundList"), "getCurIndex").toInt(), 0);
        // Sound is on again, so the background tune starts.
        QVERIFY(!scene.view.mediaPlayers.at(0)->source().isEmpty());
        // The page stays open.
        QVERIFY(scene.root->findChild<QObject *>(QStringLiteral("upItem"))->property("isGlobalSettingSelect").toBool());
    }

    void applyWritesTheThirtyTwoValuesInOrder()
    {
        Scratch scratch(2, apConfig(storedValues(1, 1)), true);
        QVERIFY(scratch.ok);
        Scene scene;
        scene.initUI();
        QVERIFY(scene.openPanel());
        // Change the selected colour (2) through the strip, then apply.
        QQuickItem *strip = scene.item("strip");
        scene.press(strip, QPointF(0.5 * (strip->width() - 1), 3));
        QQuickItem *apply = scene.item("applyButton");
        QVERIFY(apply);
        QTest::mouseClick(&scene.view, Qt::LeftButton, Qt::NoModifier,
                          apply->mapToScene(QPointF(apply->width() / 2, apply->height() / 2)).toPoint());
        QTRY_VERIFY(!scene.root->findChild<QObject *>(QStringLiteral("upItem"))
                         ->property("isGlobalSettingSelect").toBool());

        // Read a copy: this process holds the original's cached values.
        QVERIFY(QFile::copy(QStringLiteral("modules/setting/apConfig.bin"), QStringLiteral("copy.ini")));
        QSettings stored(QStringLiteral("copy.ini"), QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("common/total")).toInt(), 32);
        QStringList expected{"1", "1", "1", "1", "0", "false", "", "1"};
        for (int i = 0; i < 21; ++i)
            expected << QString::number(10 * i + 5);
        expected[8 + 6] = QStringLiteral("0");
        expected[9 + 6] = QStringLiteral("255");
        expected[10 + 6] = QStringLiteral("255");
        expected << "2" << "5" << "https://example.org/r7";
        // Without a language list nothing is chosen there.
        if (scene.view.chkLanguages().isEmpty())
            expected[4] = QStringLiteral("-1");
        QStringList written;
        for (int i = 0; i < 32; ++i)
            written << stored.value(QStringLiteral("common/%1").arg(i)).toString();
        QCOMPARE(written, expected);
    }
};

QTEST_MAIN(TestSceneSettings)

#include "tst_scene_settings.moc"
