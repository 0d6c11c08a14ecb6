import QtQuick
import "basic"
import "common"

// Root of the scene: a 1000 x 600 item, invisible until run() plays the
// opening. The host side calls setProtectUI, initUI, zzzTelvo, run,
// detectKeyboard and detectMouse by name; every other file of the scene reads
// the shared properties below by name.
Item {
    id: mainIten
    width: 1000
    height: 600
    visible: false
    clip: true

    // Shared settings; their values come from the global settings page.
    property int globalSetting_size: _Page_Globalsetting._Size
    property color globalSetting_color: "#ffffff"
    property color globalSetting_color_enable: _Page_Globalsetting._ColorEnable
    property color globalSetting_color_disable: _Page_Globalsetting._ColorDisable
    property int animation_speed: _Page_Globalsetting._AnimationSpeed
    property var globalSetting_stringList: _Page_Globalsetting._StringList
    property string globalSetting_fontFamily: _Page_Globalsetting._FontFamily
    property string globalSetting_url: "https://r7config.example.org/"
    property int skin_No: _Page_Globalsetting.skin_No
    property bool isCustomBackground: _Page_Globalsetting.isCustomBackground
    property url sourceCustomBackground: ""

    // Every image follows the skin number.
    property string skinFolder: "file:modules/img/skin" + skin_No + "/"
    property url sourceBackground: skinFolder + "background.png"
    property url sourceFrameBackground: skinFolder + "frame/frameBackground.png"
    property url sourceDecoration1: skinFolder + "frame/decoration1.png"
    property url sourceDecoration2: skinFolder + "frame/decoration2.png"
    property url sourceListUpContainer: skinFolder + "list_up/listUpContainer.png"
    property url sourceAS0: skinFolder + "list_up/applicationSetting_0.png"
    property url sourceAS1: skinFolder + "list_up/applicationSetting_1.png"
    property url sourceAM0: skinFolder + "list_up/applicationMinimize_0.png"
    property url sourceAM1: skinFolder + "list_up/applicationMinimize_1.png"
    property url sourceListDnContainer: skinFolder + "list_dn/listDnContainer.png"
    property url sourceListPfContainer: skinFolder + "list_pf/listPfContainer.png"
    property url sourceFW0: skinFolder + "list_pf/profileFW_0.png"
    property url sourceFW1: skinFolder + "list_pf/profileFW_1.png"
    property url sourceListFnBtn_0: skinFolder + "list_fn/listFnBtn_0.png"
    property url sourceListFnBtn_1: skinFolder + "list_fn/listFnBtn_1.png"
    property url sourceGlobalsettingBackground: skinFolder + "list_center/globalsettingBackground.png"
    property url sourceFnKeydefineBackground: skinFolder + "list_center/fnKeydefineBackground.png"
    property url sourceFnColorBackground: skinFolder + "list_center/fnColorBackground.png"
    property url sourceFnCommonBackground: skinFolder + "list_center/fnCommonBackground.png"
    property url sourceSlider: skinFolder + "common/slider_BASE.png"
    property url sourceSliderFiller0: skinFolder + "common/slider_FILLER_0.png"
    property url sourceSliderFiller1: skinFolder + "common/slider_FILLER_1.png"
    property url sourceLine: skinFolder + "common/draw_line.png"
    property url sourceFilelist: skinFolder + "common/filelist_BASE.png"
    property url sourceInputValue: skinFolder + "common/draw_inputValue.png"
    property url sourcePaletteIndex: skinFolder + "common/draw_paletteIndex.png"
    property url sourcePalette: skinFolder + "common/draw_palette.png"
    property url sourceCHK0: skinFolder + "common/checkbox_0.png"
    property url sourceCHK1: skinFolder + "common/checkbox_1.png"
    property url sourceReset0: skinFolder + "common/reset_0.png"
    property url sourceReset1: skinFolder + "common/reset_1.png"
    property url sourceApply0: skinFolder + "common/apply_0.png"
    property url sourceApply1: skinFolder + "common/apply_1.png"
    property url sourceFram2btn: skinFolder + "common/fram_2btn.png"
    property url sourceAdd0: skinFolder + "common/add_0.png"
    property url sourceAdd1: skinFolder + "common/add_1.png"
    property url sourceDelete0: skinFolder + "common/delete_0.png"
    property url sourceDelete1: skinFolder + "common/delete_1.png"
    property url sourceRecord0: skinFolder + "common/record_0.png"
    property url sourceRecord1: skinFolder + "common/record_1.png"
    property url sourceStop0: skinFolder + "common/stop_0.png"
    property url sourceStop1: skinFolder + "common/stop_1.png"
    property url sourceSolidDelete0: skinFolder + "common/solid-delete_0.png"
    property url sourceSolidDelete1: skinFolder + "common/solid-delete_1.png"
    property url sourceSolidCut0: skinFolder + "common/solid-cut_0.png"
    property url sourceSolidCut1: skinFolder + "common/solid-cut_1.png"
    property url sourceSolidPaste0: skinFolder + "common/solid-paste_0.png"
    property url sourceSolidPaste1: skinFolder + "common/solid-paste_1.png"
    property url sourceSolidCopy0: skinFolder + "common/solid-copy_0.png"
    property url sourceSolidCopy1: skinFolder + "common/solid-copy_1.png"
    property url sourceBtnFileListFrame: skinFolder + "common/btnFileListFrame.png"
    property url sourceBtnFrame: skinFolder + "common/btnFrame.png"
    property url sourceBtnGroup_4_BASE: skinFolder + "common/btnGroup_4_BASE.png"
    property url sourceBtnGroup_8_BASE: skinFolder + "common/btnGroup_8_BASE.png"
    property url sourceBtnGroup_FILLER_0: skinFolder + "common/btnGroup_FILLER_0.png"
    property url sourceBtnGroup_FILLER_1: skinFolder + "common/btnGroup_FILLER_1.png"
    property url sourceSlider_11_BASE: skinFolder + "common/slider_11_BASE.png"
    property url sourceSlider_11_FILLER_0: skinFolder + "common/slider_11_FILLER_0.png"
    property url sourceSlider_11_FILLER_1: skinFolder + "common/slider_11_FILLER_1.png"

    // Diagnostics: the host calls in the order they arrived.
    property var hostCalls: []
    property int lastBusyTime: -1
    property bool initialised: false
    property bool running: false

    // One keyboard event captured anywhere on the desktop.
    signal msg_KB(bool isDown, int usbCode)

    // Only the latest calls are kept: every captured key passes through here.
    function note(what) {
        var calls = hostCalls
        calls.push(what)
        if (calls.length > 200)
            calls.splice(0, calls.length - 200)
        hostCalls = calls
    }

    function setProtectUI(interval) {
        note("setProtectUI(" + interval + ")")
        lastBusyTime = interval
        protectUIItem.setBusy(true)
        ui_View.setEnabled(false)
        // A running countdown restarts only when the interval changes.
        tmrProtectUI.interval = interval
        tmrProtectUI.start()
    }

    function initUI() {
        note("initUI")
        _Page_Globalsetting.initUI()
        main_R7.initUI()
        initialised = true
    }

    function zzzTelvo() {
        note("zzzTelvo")
        main_R7.zzzTelvo()
    }

    function run() {
        note("run")
        running = true
        script0.restart()
    }

    function detectKeyboard(isDown, usbCode) {
        note("detectKeyboard(" + isDown + "," + usbCode + ")")
        msg_KB(isDown, usbCode)
    }

    // Mouse events from the input capture are not used by the scene.
    function detectMouse(isDown, quilCode, x, y) {
    }

    function setSkin() {
        downItem.setSkin()
        main_R7.setSkin()
    }

    function translateStrings(code) {
        _Page_Globalsetting.translateStrings()
        main_R7.translateStrings(code)
    }

    // Dragging any free spot of the scene moves the window.
    MouseArea {
        id: dragRegion
        anchors.fill: parent
        hoverEnabled: true
        property real clickPosX: 0
        property real clickPosY: 0
        onPressed: (mouse) => {
            clickPosX = mouse.x
            clickPosY = mouse.y
        }
        onPositionChanged: (mouse) => {
            if (!pressed)
                return
            ui_Ctl.onXChanged(mouse.x - clickPosX)
            ui_Ctl.onYChanged(mouse.y - clickPosY)
        }
    }

    BusyIndicator {
        id: protectUIItem
        objectName: "protectUIItem"
        anchors.centerIn: parent
        z: 99
    }

    Timer {
        id: tmrProtectUI
        interval: 1000
        repeat: false
        onRunningChanged: {
            if (!running) {
                ui_View.setEnabled(true)
                protectUIItem.setBusy(false)
            }
        }
    }

    Environment {
        id: envItem
        objectName: "envItem"
        opacity: 0
    }

    // The model item; the keyboard model, its pages and menus live here.
    Item {
        id: main_R7
        objectName: "main_R7"
        width: 1000
        height: 600
        signal msg_KB(bool isDown, int usbCode)
        function initUI() {}
        function zzzTelvo() {}
        property int powerOnCount: 0
        function playOnPowerOn() { powerOnCount++ }
        function setSkin() {}
        function translateStrings(code) {}
        Connections {
            target: mainIten
            function onMsg_KB(isDown, usbCode) { main_R7.msg_KB(isDown, usbCode) }
        }
    }

    Environment_Decoration {
        id: envDecorationItem
        objectName: "envDecorationItem"
        opacity: 0
    }

    Menu_Down {
        id: downItem
        objectName: "downItem"
        y: 600
        enabled: !upItem.isGlobalSettingSelect
        opacity: 0.2 + 0.8 * enabled
        onBtnTotalResetClicked: {}
        onBtnTotalApplyClicked: {}
    }

    Menu_Up {
        id: upItem
        objectName: "upItem"
        y: -600
        opacity: 0.2 + 0.8 * enabled
        onBtnClicked: (btnIndex) => {
            if (btnIndex === 0)
                isGlobalSettingSelect = !isGlobalSettingSelect
            else if (btnIndex === 1)
                scriptEnd.restart()
        }
        onIsGlobalSettingSelectChanged: {
            if (isGlobalSettingSelect)
                _fkGlobalsetting.show()
            else
                _fkGlobalsetting.close()
        }
    }

    Image {
        id: logoWeb_img
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        anchors.topMargin: 16
        source: logoMouse.containsMouse ? skinFolder + "frame/web_1.png" : skinFolder + "frame/web_0.png"
        MouseArea {
            id: logoMouse
            anchors.fill: parent
            hoverEnabled: true
            onClicked: {
                ui_View.playMedia_Index(3)
                Qt.openUrlExternally(globalSetting_url)
            }
        }
    }

    // The sliding panel of the global settings page.
    Flickable {
        id: _fkGlobalsetting
        objectName: "fkGlobalsetting"
        x: 5
        y: 27
        width: 340
        height: 420
        interactive: false
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        visible: false
        contentWidth: 340
        contentHeight: 420
        contentX: 340

        function show() {
            if (paGlobalsettingBack_X.running) {
                paGlobalsettingBack_X.complete()
                show()
            } else if (paGlobalsetting_X.running) {
                paGlobalsetting_X.complete()
            } else {
                visible = true
                paGlobalsetting_X.restart()
            }
        }

        function close() {
            if (paGlobalsettingBack_X.running) {
                paGlobalsettingBack_X.complete()
            } else if (paGlobalsetting_X.running) {
                paGlobalsetting_X.complete()
                close()
            } else {
                paGlobalsettingBack_X.restart()
            }
        }

        Page_Globalsetting {
            id: _Page_Globalsetting
            objectName: "pageGlobalsetting"
        }
    }

    NumberAnimation {
        id: paGlobalsetting_X
        target: _fkGlobalsetting
        property: "contentX"
        from: _fkGlobalsetting.width
        to: 0
        easing.type: Easing.OutCubic
        duration: animation_speed * 0.8
    }

    NumberAnimation {
        id: paGlobalsettingBack_X
        target: _fkGlobalsetting
        property: "contentX"
        from: 0
        to: _fkGlobalsetting.width
        easing.type: Easing.OutCubic
        duration: animation_speed * 0.8
        onFinished: _fkGlobalsetting.visible = false
    }

    // Opening: logo in, background and decorations fade in, then the bars.
    SequentialAnimation {
        id: script0
        ScriptAction {
            script: {
                ui_View.playMedia_Index(1)
                mainIten.visible = true
            }
        }
        NumberAnimation {
            target: logoWeb_img; property: "opacity"; from: 0.0; to: 1.0
            easing.type: Easing.InCirc; duration: animation_speed * 1.0
        }
        NumberAnimation {
            target: logoWeb_img; property: "anchors.topMargin"; from: 250; to: 4
            easing.type: Easing.OutExpo; duration: animation_speed * 1.5
        }
        ParallelAnimation {
            NumberAnimation {
                target: envItem; property: "opacity"; from: 0.0; to: 1.0
                easing.type: Easing.OutCirc; duration: animation_speed * 1.0
            }
            NumberAnimation {
                target: envDecorationItem; property: "opacity"; from: 0.0; to: 1.0
                easing.type: Easing.OutCirc; duration: animation_speed * 1.0
            }
        }
        onFinished: {
            script1.restart()
            main_R7.playOnPowerOn()
        }
    }

    ParallelAnimation {
        id: script1
        NumberAnimation {
            target: upItem; property: "y"; from: -600; to: 0
            easing.type: Easing.OutElastic; duration: animation_speed
        }
        NumberAnimation {
            target: downItem; property: "y"; from: 600; to: 600 - downItem.height
            easing.type: Easing.OutElastic; duration: animation_speed
        }
    }

    // Closing: the scene folds up, then the window closes.
    NumberAnimation {
        id: scriptEnd
        target: mainIten
        property: "height"
        from: 600
        to: 0
        easing.type: Easing.InOutCubic
        duration: animation_speed
        onFinished: ui_Ctl.onMinimize()
    }
}
