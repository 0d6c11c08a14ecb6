import QtQuick

// Seven cells over the base image; while pressed the lit cells follow the
// mouse, the release sets the value (1 to 7, or minIndex at the far left).
Image {
    id: slider
    property int minIndex: 0
    property alias currentIndex: area.curIndex
    signal sliderClicked(int index)

    source: sourceSlider

    function setCurIndex(index) {
        area.curIndex = index
    }

    function getCurIndex() {
        return area.curIndex
    }

    Item {
        id: area
        property int curIndex: 7
        x: 5
        y: 1
        width: 20 * 7 + 1
        height: 21

        Row {
            spacing: -1
            Repeater {
                model: 7
                delegate: Image {
                    property bool lit: mouseArea.pressed ? (x <= mouseArea.mouseX) : (area.curIndex >= index + 1)
                    source: lit ? sourceSliderFiller1 : sourceSliderFiller0
                }
            }
        }

        MouseArea {
            id: mouseArea
            anchors.fill: parent
            hoverEnabled: true
            onReleased: (mouse) => {
                var x = Math.min(Math.max(mouse.x, 0), area.width - 1)
                area.curIndex = Math.max(slider.minIndex, Math.ceil(x / (area.width - 1) * 7))
                slider.sliderClicked(area.curIndex)
            }
        }
    }
}
