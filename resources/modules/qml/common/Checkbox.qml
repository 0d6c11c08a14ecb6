import QtQuick

// A check box with its label to the right; a click toggles it first and
// then reports the new state.
Item {
    id: checkbox
    property bool isSelect: false
    property string chkStr: ""
    signal clicked(bool select)

    width: image.width + label.width + 5
    height: image.height
    opacity: (!enabled || mouseArea.pressed) ? 0.2 : 1.0

    Image {
        id: image
        source: checkbox.isSelect ? sourceCHK1 : sourceCHK0
    }

    Text {
        id: label
        anchors.left: image.right
        anchors.leftMargin: 5
        anchors.verticalCenter: image.verticalCenter
        text: checkbox.chkStr
        font.family: globalSetting_fontFamily
        font.bold: true
        font.pixelSize: globalSetting_size
        color: globalSetting_color
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        onClicked: {
            ui_View.playMedia_Index(0x04)
            checkbox.isSelect = !checkbox.isSelect
            checkbox.clicked(checkbox.isSelect)
        }
    }
}
