// The application shell: debounce of device changes, the start-up handshake
// with the scene, the window controller and the view's construction.
#include "app/HookCallbacks.h"
#include "app/Startup.h"
#include "app/Ui_Controler.h"
#include "app/UserEvent.h"
#include "app/Widget.h"
#include "view/myQQuickView.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QQuickItem>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>

namespace {

QStringList hostCalls(Widget &w)
{
    return w.controller->view->rootObject()->property("hostCalls").toStringList();
}

// A private modules/setting folder with the given HWDef.bin and apConfig.bin
// lines, made the working directory for the lifetime of the object.
class ScratchModules
{
public:
    explicit ScratchModules(const QByteArray &hwDef, const QByteArray &apConfig = QByteArray())
        : previous(QDir::currentPath())
    {
        QDir(dir.path()).mkpath(QStringLiteral("modules/setting"));
        write(QStringLiteral("modules/setting/HWDef.bin"), hwDef);
        if (!apConfig.isNull())
            write(QStringLiteral("modules/setting/apConfig.bin"), apConfig);
        QDir::setCurrent(dir.path());
    }
    ~ScratchModules() { QDir::setCurrent(previous); }

    void write(const QString &relative, const QByteArray &content)
    {
        QFile f(dir.filePath(relative));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    QTemporaryDir dir;
    QString previous;
};

} // namespace

class TestShell : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The tests run beside the executables, where modules/ is copied.
        enterExecutableFolder();
        QVERIFY(QFile::exists(QStringLiteral("modules")));
    }

    void workingDirectoryIsTheExecutablesFolder()
    {
        QDir::setCurrent(QDir::tempPath());
        enterExecutableFolder();
        QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
    }

    void sceneLoadsAndWindowIsDressed()
    {
        Widget w;
        QObject *root = w.controller->view->rootObject();
        QVERIFY(root);
        QCOMPARE(root->property("width").toInt(), 1000);
        QCOMPARE(root->property("height").toInt(), 600);
        QCOMPARE(w.size(), QSize(1000, 600));
        QCOMPARE(w.objectName(), QStringLiteral("Widget"));
        QCOMPARE(w.controller->view->objectName(), QStringLiteral("ui_View"));
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(w.testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(w.controller->view->hid, &w.hid);
        QCOMPARE(w.hid.owner, &w);
        QVERIFY(!root->property("visible").toBool());
        QVERIFY(!w.checkTimer.isActive());
        QCOMPARE(w.checkTimer.interval(), 2048);
        QVERIFY(w.checkTimer.isSingleShot());
    }

    void existingObjectNameIsKept()
    {
        Widget w;
        w.setObjectName(QStringLiteral("Custom"));
        Ui_Controler second;
        second.init(&w);
        QCOMPARE(w.objectName(), QStringLiteral("Custom"));
    }

    void windowTitleComesFromConfiguration_data()
    {
        QTest::addColumn<QByteArray>("apConfig");
        QTest::addColumn<QString>("title");
        QTest::newRow("named") << QByteArray("[common]\nname=My Keyboard\n") << QStringLiteral("My Keyboard");
        QTest::newRow("no name") << QByteArray("[common]\ntotal=0\n") << QString();
        QTest::newRow("no file") << QByteArray() << QString();
    }
    void windowTitleComesFromConfiguration()
    {
        QFETCH(QByteArray, apConfig);
        QFETCH(QString, title);
        ScratchModules scratch("[common]\nmaxProfile=1\n", apConfig);
        Widget w;
        QCOMPARE(w.windowTitle(), title);
    }

    void startUpHandshakeOrder()
    {
        Widget w;
        w.checkDevice();
        w.showNormal();
        w.startScene();
        QObject *root = w.controller->view->rootObject();
        // Busy protection is direct; the scene's initUI and run come later.
        QCOMPARE(hostCalls(w), QStringList{QStringLiteral("setProtectUI(1)")});
        QVERIFY(!root->property("visible").toBool());
        QTRY_VERIFY(root->property("running").toBool());
        QCOMPARE(hostCalls(w), (QStringList{QStringLiteral("setProtectUI(1)"), QStringLiteral("initUI"),
                                            QStringLiteral("setProtectUI(0)"), QStringLiteral("run")}));
        QVERIFY(root->property("visible").toBool());
    }

    void otherCustomEventsAreIgnored()
    {
        Widget w;
        QCoreApplication::postEvent(&w, new UserEvent(2178));
        QCoreApplication::postEvent(&w, new QEvent(QEvent::Type(QEvent::User + 1)));
        QCoreApplication::processEvents();
        QVERIFY(hostCalls(w).isEmpty());
    }

    void setBusyWithoutArgumentMeansZero()
    {
        Widget w;
        QObject *root = w.controller->view->rootObject();
        QVERIFY(QMetaObject::invokeMethod(w.controller, "setBusy", Q_ARG(int, 800)));
        QCOMPARE(root->property("lastBusyTime").toInt(), 800);
        QVERIFY(QMetaObject::invokeMethod(w.controller, "setBusy"));
        QCOMPARE(root->property("lastBusyTime").toInt(), 0);
    }

    void dragMovesTheWindow()
    {
        Widget w;
        w.move(100, 100);
        const QPoint start = w.pos();
        w.controller->onXChanged(0);
        w.controller->onYChanged(0);
        QCOMPARE(w.pos(), start);
        w.controller->onXChanged(-30);
        w.controller->onYChanged(12);
        QCOMPARE(w.pos(), start + QPoint(-30, 12));

        Ui_Controler unset;
        unset.onXChanged(5);
        unset.onMinimize();
        unset.setBusy(3);
    }

    void burstOfDeviceChangesGivesOneCheck()
    {
        Widget w;
        QSignalSpy checks(&w, &Widget::deviceChecked);
        QElapsedTimer sinceLast;
        for (int i = 0; i < 5; ++i) {
            w.deviceChangeNotified();
            sinceLast.start();
            QTest::qWait(300);
            QCOMPARE(checks.count(), 0);
        }
        QTRY_COMPARE_WITH_TIMEOUT(checks.count(), 1, 10000);
        QVERIFY2(sinceLast.elapsed() >= 2048, qPrintable(QString::number(sinceLast.elapsed())));
        // Nothing is left armed: no second check follows.
        QVERIFY(!w.checkTimer.isActive());
        QTest::qWait(300);
        QCOMPARE(checks.count(), 1);
    }

    void profileCountFromHardwareDefinition_data()
    {
        QTest::addColumn<QByteArray>("hwDef");
        QTest::addColumn<int>("count");
        QTest::newRow("25 is capped at 10") << QByteArray("[common]\nmaxProfile=25\n") << 10;
        QTest::newRow("9") << QByteArray("[common]\nmaxProfile=9\n") << 9;
        QTest::newRow("0") << QByteArray("[common]\nmaxProfile=0\n") << 0;
        QTest::newRow("missing key") << QByteArray("[common]\n") << 0;
        QTest::newRow("garbage") << QByteArray("[common]\nmaxProfile=lots\n") << 0;
    }
    void profileCountFromHardwareDefinition()
    {
        QFETCH(QByteArray, hwDef);
        QFETCH(int, count);
        ScratchModules scratch(hwDef);
        myQQuickView view;
        QCOMPARE(int(view.getMaxProfile()), count);
        QCOMPARE(view.profileSettings.size(), count);
        for (int k = 0; k < count; ++k)
            QVERIFY(view.profileSettings[k]->fileName().endsWith(QStringLiteral("/p%1.bin").arg(k + 1)));
        // Without a settings object for the current profile nothing breaks.
        view.currentProfile = quint8(count);
        QVERIFY(view.ui_88H_GetLEDType().isEmpty());
        view.ui_08H_SetLEDType(1, 2, 3, 4, 5, 6, 7);
    }

    void capturedInputReachesTheScene()
    {
        Widget w;
        keyboardCallback(0x04, true, nullptr);
        mouseCallback(0xF0, true, 10, 20, nullptr);
        keyboardCallback(0x2B, true, &w);
        keyboardCallback(0x2B, false, &w);
        mouseCallback(0xF0, true, 10, 20, &w);
        QTRY_COMPARE(hostCalls(w).size(), 2);
        QCOMPARE(hostCalls(w), (QStringList{QStringLiteral("detectKeyboard(true,43)"),
                                            QStringLiteral("detectKeyboard(false,43)")}));
    }

    void closesCleanlyWithoutKeyboard()
    {
        {
            Widget w;
            w.checkDevice();
            w.showNormal();
            w.startScene();
            QTRY_VERIFY(w.controller->view->rootObject()->property("running").toBool());
            // Device commands fail quietly with no keyboard present.
            QCOMPARE(w.controller->view->ui_80H_GetFWVersion(), QStringLiteral("unknown"));
            w.controller->view->ui_04H_SetButtonSensitivity(3);
            w.controller->onMinimize();
            QVERIFY(!w.isVisible());
        }
        QVERIFY(QThreadPool::globalInstance()->waitForDone(5000));
    }
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
