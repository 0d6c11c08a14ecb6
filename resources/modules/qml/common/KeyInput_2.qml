import QtQuick

// A box that waits for the next captured key after a click.
Rectangle {
    id: keyInput
    property bool isSelect: false
    property int tmpKeycodeUSB: 0
    property string tmpKeyString: ""
    property alias text: label
    signal inputComplete(int usbCode)

    width: 151
    height: 23
    color: "#FF000000"

    function detectKeyboard(isDown, usbCode) {
        if (isSelect) {
            setKeycodeUSB(usbCode)
            inputComplete(usbCode)
        }
    }

    function setKeycodeUSB(keycode) {
        isSelect = false
        var name = keycode < 0 ? "" : _KeyCodeString.keycodeTostr(keycode)
        if (keycode < 0 || name === undefined || name === null || String(name) === "") {
            tmpKeycodeUSB = 0
            tmpKeyString = ""
        } else {
            tmpKeycodeUSB = keycode
            tmpKeyString = name
        }
    }

    Image {
        source: sourceSlider
    }

    Text {
        id: label
        anchors.centerIn: parent
        text: keyInput.tmpKeycodeUSB === 0 ? "KEY【 PRESS ANY 】" : "KEY 【 " + keyInput.tmpKeyString + " 】"
        font.family: globalSetting_fontFamily
        font.bold: true
        font.pixelSize: globalSetting_size
        color: (keyInput.isSelect || mouseArea.containsMouse) ? globalSetting_color : globalSetting_color_enable
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            keyInput.tmpKeycodeUSB = 0
            keyInput.tmpKeyString = ""
            keyInput.isSelect = !keyInput.isSelect
        }
    }
}
