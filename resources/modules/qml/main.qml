import QtQuick

// Root of the scene: a 1000 x 600 item, invisible until run() plays the
// opening. The host side calls the functions below by name.
Item {
    id: mainIten
    width: 1000
    height: 600
    visible: false

    // Calls in the order they arrived, for diagnostics.
    property var hostCalls: []
    property int lastBusyTime: -1
    property bool initialised: false
    property bool running: false

    function note(what) {
        var calls = hostCalls
        calls.push(what)
        hostCalls = calls
    }

    function setProtectUI(busyTime) {
        note("setProtectUI(" + busyTime + ")")
        lastBusyTime = busyTime
        busyIndicator.visible = true
        ui_View.setEnabled(false)
        protectTimer.interval = Math.max(1, busyTime)
        protectTimer.restart()
    }

    function initUI() {
        note("initUI")
        initialised = true
    }

    function zzzTelvo() {
        note("zzzTelvo")
    }

    function run() {
        note("run")
        running = true
        visible = true
    }

    function detectKeyboard(isDown, usbCode) {
        note("detectKeyboard(" + isDown + "," + usbCode + ")")
    }

    function detectMouse(isDown, quilCode, x, y) {
    }

    Timer {
        id: protectTimer
        repeat: false
        onTriggered: {
            busyIndicator.visible = false
            ui_View.setEnabled(true)
        }
    }

    Rectangle {
        anchors.fill: parent
        radius: 12
        color: "#15181d"
        border.color: "#2f9fd8"
        border.width: 2

        Text {
            anchors.centerIn: parent
            color: "#e0e6ee"
            font.pixelSize: 22
            text: "R7"
        }
    }

    Rectangle {
        id: busyIndicator
        visible: false
        width: 40; height: 40; radius: 20
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 16
        color: "transparent"
        border.color: "#2f9fd8"
        border.width: 4
    }

    MouseArea {
        anchors.fill: parent
        property point pressPoint
        onPressed: (mouse) => { pressPoint = Qt.point(mouse.x, mouse.y) }
        onPositionChanged: (mouse) => {
            ui_Ctl.onXChanged(mouse.x - pressPoint.x)
            ui_Ctl.onYChanged(mouse.y - pressPoint.y)
        }
        onDoubleClicked: ui_Ctl.onMinimize()
    }
}
