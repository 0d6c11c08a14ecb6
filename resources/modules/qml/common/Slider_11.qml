import QtQuick

// Eleven cells, values 0 to 10; the first cell is always lit.
Image {
    id: slider
    property alias currentIndex: area.curIndex
    signal sliderClicked(int index)

    source: sourceSlider_11_BASE

    function setCurIndex(index) {
        area.curIndex = index
    }

    function getCurIndex() {
        return area.curIndex
    }

    Item {
        id: area
        property int curIndex: 5
        x: 3
        y: 7
        width: 28 * 11 + 1
        height: 10

        Row {
            spacing: 2
            Repeater {
                model: 11
                delegate: Image {
                    property bool lit: mouseArea.pressed ? (x <= mouseArea.mouseX || index === 0)
                                                         : (area.curIndex >= index)
                    source: lit ? sourceSlider_11_FILLER_1 : sourceSlider_11_FILLER_0
                }
            }
        }

        MouseArea {
            id: mouseArea
            anchors.fill: parent
            hoverEnabled: true
            onReleased: (mouse) => {
                var x = Math.min(Math.max(mouse.x, 0), area.width - 1)
                area.curIndex = Math.max(0, Math.ceil(11 * x / (area.width - 1)) - 1)
                slider.sliderClicked(area.curIndex)
            }
        }
    }
}
