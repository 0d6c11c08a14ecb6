import QtQuick

// A small box showing a key's name; a click clears it.
Rectangle {
    id: keyInput
    property int keycodeUSB: -1
    property string keyname: ""
    property string keynameDefault: "【 KEYS 】"
    property string keycancel: "╳"
    property bool isIn: false
    signal clearKey

    width: 65
    height: 23
    color: "#FF000000"

    function setKeycodeUSB(keycode) {
        var name = _KeyCodeString.keycodeTostr(keycode)
        if (name !== undefined && name !== null && String(name) !== "") {
            keycodeUSB = keycode
            keyname = name
        } else {
            keycodeUSB = -1
            keyname = ""
        }
    }

    Rectangle {
        anchors.centerIn: parent
        width: parent.width - 1
        height: parent.height - 1
        color: "transparent"
        border.width: 1
        border.color: (mouseArea.containsMouse || keyInput.isIn) ? globalSetting_color : globalSetting_color_enable
    }

    Text {
        objectName: "keyText"
        anchors.centerIn: parent
        font.family: "Arial"
        font.pixelSize: 10
        color: globalSetting_color_enable
        opacity: mouseArea.pressed ? 0.5 : 1.0
        text: mouseArea.containsMouse ? keyInput.keycancel
                                      : (keyInput.keycodeUSB === -1 ? keyInput.keynameDefault : keyInput.keyname)
    }

    MouseArea {
        id: mouseArea
        objectName: "mouseArea"
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            keyInput.keycodeUSB = -1
            keyInput.clearKey()
        }
    }
}
