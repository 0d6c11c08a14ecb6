import QtQuick

// One entry of the value menu of ButtonGroupPro_8.
Rectangle {
    id: entry
    property int value: 0
    property int index: -1
    signal clicked

    width: 46
    height: 16
    radius: 3
    color: "black"
    border.width: 1
    border.color: entryMouse.containsMouse ? globalSetting_color : globalSetting_color_enable

    Text {
        anchors.centerIn: parent
        text: entry.value <= 0 ? "×" : entry.value
        font.pixelSize: 11
        color: entryMouse.containsMouse ? globalSetting_color : globalSetting_color_enable
    }

    MouseArea {
        id: entryMouse
        anchors.fill: parent
        hoverEnabled: true
        onClicked: entry.clicked()
    }
}
