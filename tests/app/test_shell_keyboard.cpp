// The shell with a (virtual) keyboard attached: the device check finds it
// and resynchronises the view, and closing stops the presence watcher.
#include "app/Startup.h"
#include "app/Ui_Controler.h"
#include "app/Widget.h"
#include "device/virtual/VirtualR7.h"
#include "view/myQQuickView.h"

#include <QQuickItem>
#include <QSignalSpy>
#include <QThreadPool>
#include <QtTest>

class TestShellKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { enterExecutableFolder(); }
    void cleanup() { setHidBackend(nullptr); }

    void deviceCheckSynchronisesTheView()
    {
        VirtualR7 kb;
        kb.plug();
        VirtualR7::Firmware fw = kb.firmware(0);
        fw.profile = 2;
        fw.layoutByte = 0x06; // the keyboard reports a layout; the program keeps 0
        kb.setFirmware(0, fw);
        setHidBackend(&kb);
        {
            Widget w;
            w.checkDevice();
            myQQuickView *view = w.controller->view;
            QCOMPARE(int(view->currentProfile), 2);
            QCOMPARE(view->ui_80H_GetHWMode().toInt(), 0);
            QCOMPARE(view->ui_80H_GetFWVersion(), QStringLiteral("01.0A"));
            QVERIFY(w.hid.watching);
            w.showNormal();
            w.startScene();
            QTRY_VERIFY(view->rootObject()->property("running").toBool());
            w.controller->onMinimize();
        }
        // The watcher and every exchange ended with the Widget.
        QCOMPARE(kb.openHandleCount(), 0);
        QVERIFY(QThreadPool::globalInstance()->waitForDone(5000));
    }

    void unplugAndReplugAreFoundByTheNextCheck()
    {
        VirtualR7 kb;
        kb.plug();
        setHidBackend(&kb);
        Widget w;
        w.checkDevice();
        QVERIFY(!w.hid.record(0).cmdPath.isEmpty());

        QTest::ignoreMessage(QtDebugMsg, "Device removed");
        kb.unplug();
        QTRY_VERIFY(!w.hid.watching);

        QSignalSpy checks(&w, &Widget::deviceChecked);
        w.deviceChangeNotified();
        QTRY_COMPARE_WITH_TIMEOUT(checks.count(), 1, 10000);
        QVERIFY(w.hid.record(0).cmdPath.isEmpty());
        QCOMPARE(w.controller->view->ui_80H_GetFWVersion(), QStringLiteral("unknown"));

        kb.replug(0);
        w.deviceChangeNotified();
        QTRY_COMPARE_WITH_TIMEOUT(checks.count(), 2, 10000);
        QVERIFY(w.hid.watching);
        QCOMPARE(w.controller->view->ui_80H_GetFWVersion(), QStringLiteral("01.0A"));
        w.hid.stopWatch();
    }
};

QTEST_MAIN(TestShellKeyboard)
#include "test_shell_keyboard.moc"
