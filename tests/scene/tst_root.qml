import QtQuick
import QtTest

// The scene's root with recording stand-ins for ui_View and ui_Ctl: busy
// protection, the host's calls, the opening and closing animations and the
// settings panel.
Item {
    id: holder
    width: 1000
    height: 600

    Component { id: spyComponent; SignalSpy {} }

    // The protection must end while the same interval keeps being asked for.
    Timer {
        id: pinger
        property var scene
        property int interval_: 300
        property bool endedWhilePinging: false
        property bool endedByCall: false
        interval: 60
        repeat: true
        onTriggered: {
            if (ui_View.enabled)
                endedWhilePinging = true
            var before = ui_View.calls.length
            scene.setProtectUI(interval_)
            // A call itself must never end the protection.
            if (ui_View.calls.slice(before).indexOf("setEnabled(true)") >= 0 || ui_View.enabled)
                endedByCall = true
        }
    }

    TestCase {
        name: "Root"
        when: windowShown

        property var sceneComponent: Qt.createComponent("../../resources/modules/qml/main.qml")

        function makeScene() {
            compare(sceneComponent.status, Component.Ready, sceneComponent.errorString())
            ui_View.clear()
            ui_Ctl.clear()
            var scene = createTemporaryObject(sceneComponent, holder)
            verify(scene)
            // Start from an enabled view whatever earlier cases left.
            ui_View.setEnabled(true)
            ui_View.clear()
            return scene
        }

        function page(scene) { return findChild(scene, "pageGlobalsetting") }

        function test_setProtectUIZeroLastsOneEventLoopPass() {
            var scene = makeScene()
            var busy = findChild(scene, "protectUIItem")
            verify(!busy.isBusy)
            scene.setProtectUI(0)
            verify(busy.isBusy)
            compare(ui_View.enabled, false)
            tryCompare(ui_View, "enabled", true, 5000)
            verify(!busy.isBusy)
            compare(ui_View.calls, ["setEnabled(false)", "setEnabled(true)"])
            compare(scene.lastBusyTime, 0)
        }

        function test_setProtectUINewIntervalRestarts() {
            var scene = makeScene()
            scene.setProtectUI(600000)
            scene.setProtectUI(1)
            // Only the new, short countdown can end the protection.
            tryCompare(ui_View, "enabled", true, 10000)
            verify(!findChild(scene, "protectUIItem").isBusy)
        }

        function test_setProtectUISameIntervalKeepsCountdown() {
            var scene = makeScene()
            pinger.scene = scene
            pinger.endedWhilePinging = false
            pinger.endedByCall = false
            scene.setProtectUI(pinger.interval_)
            pinger.start()
            tryVerify(function() { return pinger.endedWhilePinging || pinger.endedByCall }, 20000)
            pinger.stop()
            verify(!pinger.endedByCall)
        }

        function test_detectMouseHasNoEffect() {
            var scene = makeScene()
            var kb = createTemporaryObject(spyComponent, holder, { target: scene, signalName: "msg_KB" })
            var before = scene.hostCalls.length
            scene.detectMouse(true, 1, 10, 20)
            scene.detectMouse(false, 0xF2, -5, 99999)
            compare(scene.hostCalls.length, before)
            compare(ui_View.calls.length, 0)
            compare(ui_Ctl.calls.length, 0)
            compare(kb.count, 0)
            scene.detectKeyboard(true, 43)
            compare(kb.count, 1)
            // A long session keeps only the latest calls.
            for (var i = 0; i < 500; ++i)
                scene.detectKeyboard(i % 2 === 0, 4)
            compare(kb.count, 501)
            compare(scene.hostCalls.length, 200)
            compare(scene.hostCalls[199], "detectKeyboard(false,4)")
            compare(kb.signalArguments[0][0], true)
            compare(kb.signalArguments[0][1], 43)
        }

        function test_hostStartUpOrder() {
            var scene = makeScene()
            scene.setProtectUI(1)
            scene.initUI()
            scene.setProtectUI(0)
            verify(!scene.visible)
            verify(ui_View.calls.indexOf("playMedia_Index(1)") < 0)
            scene.run()
            verify(scene.visible)
            verify(scene.running)
            verify(ui_View.calls.indexOf("playMedia_Index(1)") >= 0)
            compare(scene.hostCalls, ["setProtectUI(1)", "initUI", "setProtectUI(0)", "run"])
        }

        function test_fastAnimationsStillRunAndComplete() {
            var scene = makeScene()
            page(scene)._AnimationSpeed = 10
            compare(scene.animation_speed, 10)
            var upItem = findChild(scene, "upItem")
            var downItem = findChild(scene, "downItem")
            var main = findChild(scene, "main_R7")
            scene.run()
            verify(scene.visible)
            // The bars spring in once the opening has completed.
            tryCompare(upItem, "y", 0, 5000)
            tryCompare(downItem, "y", 600 - downItem.height, 5000)
            compare(findChild(scene, "envItem").opacity, 1)
            compare(findChild(scene, "envDecorationItem").opacity, 1)
            compare(main.powerOnCount, 1)

            var panel = findChild(scene, "fkGlobalsetting")
            upItem.isGlobalSettingSelect = true
            verify(panel.visible)
            tryCompare(panel, "contentX", 0, 5000)
            verify(!downItem.enabled)
            upItem.isGlobalSettingSelect = false
            tryCompare(panel, "visible", false, 5000)
            compare(panel.contentX, 340)
            verify(downItem.enabled)

            upItem.btnClicked(1)
            tryCompare(ui_Ctl, "calls", ["onMinimize()"], 5000)
            compare(scene.height, 0)
        }

        function test_closeWhileSettingsPanelOpenStillCloses() {
            var scene = makeScene()
            page(scene)._AnimationSpeed = 10
            scene.run()
            var upItem = findChild(scene, "upItem")
            tryCompare(upItem, "y", 0, 5000)
            upItem.isGlobalSettingSelect = true
            tryCompare(findChild(scene, "fkGlobalsetting"), "contentX", 0, 5000)
            // The close button is enabled while the panel is open.
            verify(upItem.enabled)
            upItem.btnClicked(1)
            tryCompare(ui_Ctl, "calls", ["onMinimize()"], 5000)
        }

        function test_settingsChoicesTakeEffectAtOnce() {
            var scene = makeScene()
            var settings = page(scene)
            ui_View.apConfig = []
            ui_View.customFilePath = "/pictures/wall.png"
            scene.initUI()
            ui_View.clear()

            // Sound on starts the background tune at once; off silences.
            var sound = findChild(settings, "soundList")
            sound.setCurIndex(0)
            sound.listElementClicked(0)
            compare(ui_View.calls, ["setEnableAudio(true)", "playMedia_Index(0)"])
            ui_View.clear()
            sound.setCurIndex(1)
            sound.listElementClicked(1)
            compare(ui_View.calls, ["setEnableAudio(false)", "clearAllMedia()"])

            // Background: the first click asks for a picture, the second
            // clears it without asking.
            ui_View.clear()
            settings.toggleBackground()
            compare(ui_View.calls, ["getCustomFilePath()"])
            verify(scene.isCustomBackground)
            compare(String(scene.sourceCustomBackground), "file:///pictures/wall.png")
            settings.toggleBackground()
            compare(ui_View.calls, ["getCustomFilePath()"])
            verify(!scene.isCustomBackground)
            compare(String(scene.sourceCustomBackground), "")
            // A cancelled dialog leaves it cleared.
            ui_View.customFilePath = ""
            settings.toggleBackground()
            verify(!scene.isCustomBackground)

            // Apply stores 32 values and closes the panel.
            findChild(scene, "upItem").isGlobalSettingSelect = true
            settings.applyConfig()
            compare(ui_View.apConfig.length, 32)
            compare(ui_View.apConfig[0], 1)
            compare(ui_View.apConfig[2], 1)
            verify(!findChild(scene, "upItem").isGlobalSettingSelect)
        }

        function test_settingsPanelShowAndCloseInterrupt() {
            var scene = makeScene()
            var panel = findChild(scene, "fkGlobalsetting")
            compare(scene.animation_speed, 800)
            scene.visible = true

            // close() while opening: the opening completes, then it closes.
            panel.show()
            verify(panel.visible)
            panel.close()
            verify(panel.visible)
            verify(panel.contentX < 340)
            tryCompare(panel, "visible", false, 10000)
            compare(panel.contentX, 340)

            // show() while closing: the closing completes, then it opens
            // again from the start.
            panel.show()
            panel.show()            // finishes the opening
            compare(panel.contentX, 0)
            panel.close()
            panel.show()
            verify(panel.visible)
            compare(panel.contentX, 340)
            tryCompare(panel, "contentX", 0, 10000)
            verify(panel.visible)
        }
    }
}
