import QtQuick

// Drawn like a check box; a click reports its index and leaves isSelect to
// the owner.
Item {
    id: radio
    property bool isSelect: false
    property string chkStr: ""
    property int index: 0
    signal clicked(int index)

    width: image.width + label.width + 5
    height: image.height
    opacity: (!enabled || mouseArea.pressed) ? 0.2 : 1.0

    Image {
        id: image
        source: radio.isSelect ? sourceCHK1 : sourceCHK0
    }

    Text {
        id: label
        anchors.left: image.right
        anchors.leftMargin: 5
        anchors.verticalCenter: image.verticalCenter
        text: radio.chkStr
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
            radio.clicked(radio.index)
        }
    }
}
