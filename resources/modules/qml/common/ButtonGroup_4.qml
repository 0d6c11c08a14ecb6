import QtQuick

// Four value buttons on one base image.
Image {
    id: group
    property var valueForIndex: [0, 1, 2, 3]
    property int currentIndex: 0
    signal clicked(int index)

    source: sourceBtnGroup_4_BASE
    opacity: enabled ? 1.0 : 0.2

    function setCurIndex(index) {
        currentIndex = index
    }

    function getCurIndex() {
        return currentIndex
    }

    Repeater {
        model: 4
        delegate: Image {
            x: [3, 80, 157, 234][index]
            y: 4
            source: (buttonMouse.containsMouse || group.currentIndex === index) ? sourceBtnGroup_FILLER_1
                                                                                 : sourceBtnGroup_FILLER_0
            Text {
                anchors.centerIn: parent
                text: group.valueForIndex[index]
                font.bold: true
                font.pixelSize: 11
                color: globalSetting_color
            }
            MouseArea {
                id: buttonMouse
                anchors.fill: parent
                hoverEnabled: true
                onClicked: {
                    group.currentIndex = index
                    group.clicked(index)
                }
            }
        }
    }
}
