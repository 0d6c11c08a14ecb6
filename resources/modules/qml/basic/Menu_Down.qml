import QtQuick
import "../common"

// The bottom bar: ALL RESET and ALL SAVE for every page at once.
Item {
    id: menuDown
    signal btnTotalResetClicked
    signal btnTotalApplyClicked

    function setSkin() {
    }

    width: container.width + 18
    height: container.height + 18

    Image {
        id: container
        anchors.centerIn: parent
        source: sourceListDnContainer

        Button_2state {
            id: _Reset_IMG
            x: 350
            y: 13
            source0: sourceReset0
            source1: sourceReset1
            onClicked: {
                mainIten.setProtectUI(800)
                menuDown.btnTotalResetClicked()
            }
        }

        Text {
            id: resetLabel
            anchors.left: _Reset_IMG.right
            anchors.leftMargin: 5
            anchors.verticalCenter: _Reset_IMG.verticalCenter
            text: globalSetting_stringList[113]
            font.family: globalSetting_fontFamily
            font.pixelSize: globalSetting_size
            color: globalSetting_color
        }

        Button_2state {
            id: _Apply_IMG
            x: 350 + _Reset_IMG.width + resetLabel.width + 35
            y: 13
            source0: sourceApply0
            source1: sourceApply1
            onClicked: {
                mainIten.setProtectUI(2000)
                menuDown.btnTotalApplyClicked()
            }
        }

        Text {
            anchors.left: _Apply_IMG.right
            anchors.leftMargin: 5
            anchors.verticalCenter: _Apply_IMG.verticalCenter
            text: globalSetting_stringList[114]
            font.family: globalSetting_fontFamily
            font.pixelSize: globalSetting_size
            color: globalSetting_color
        }
    }
}
