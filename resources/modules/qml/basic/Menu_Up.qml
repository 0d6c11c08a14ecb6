import QtQuick
import "../common"

// The top bar: the (hidden) settings button and the close button.
Item {
    id: menuUp
    property bool isGlobalSettingSelect: false
    signal btnClicked(int btnIndex)

    width: container.width + 16
    height: container.height + 16

    Image {
        id: container
        anchors.centerIn: parent
        source: sourceListUpContainer

        Image {
            id: settingButton
            anchors.left: parent.left
            anchors.leftMargin: 5
            y: -3
            visible: false
            source: (menuUp.isGlobalSettingSelect || settingMouse.containsMouse) ? sourceAS1 : sourceAS0
            MouseArea {
                id: settingMouse
                anchors.fill: parent
                hoverEnabled: true
                onClicked: {
                    ui_View.playMedia_Index(0x02)
                    menuUp.btnClicked(0)
                }
            }
        }

        Button_2state {
            id: closeButton
            anchors.right: parent.right
            anchors.rightMargin: 5
            y: -3
            source0: sourceAM0
            source1: sourceAM1
            onClicked: menuUp.btnClicked(1)
        }
    }
}
