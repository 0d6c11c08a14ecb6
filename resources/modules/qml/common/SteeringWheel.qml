import QtQuick

// Five cells in a cross; only right (1) and left (2) react.
Item {
    id: wheel
    property int currentIndex: 1
    property int textSize: 12
    property color textColor: "#000000"
    signal wheelClicked(int index)

    width: 61
    height: 61

    function setCurIndex(index) {
        currentIndex = index
    }

    function getCurIndex() {
        return currentIndex
    }

    component Cell: Image {
        id: cell
        property int index: 0
        property bool reacts: false
        property string label: ""
        source: (reacts && (cellMouse.containsMouse || wheel.currentIndex === index)) ? sourceSliderFiller1
                                                                                     : sourceSliderFiller0
        Text {
            anchors.centerIn: parent
            text: cell.label
            font.family: "Arial"
            font.bold: true
            font.pixelSize: wheel.textSize
            color: wheel.textColor
        }
        MouseArea {
            id: cellMouse
            anchors.fill: parent
            hoverEnabled: true
            enabled: cell.reacts
            onClicked: {
                wheel.currentIndex = cell.index
                wheel.wheelClicked(cell.index)
            }
        }
    }

    Cell {
        id: centre
        index: 0
        anchors.centerIn: parent
    }
    Cell {
        index: 1
        reacts: true
        label: "►"
        anchors.left: centre.right
        anchors.leftMargin: -1
        anchors.verticalCenter: centre.verticalCenter
    }
    Cell {
        index: 2
        reacts: true
        label: "◄"
        anchors.right: centre.left
        anchors.rightMargin: -1
        anchors.verticalCenter: centre.verticalCenter
    }
    Cell {
        index: 3
        anchors.bottom: centre.top
        anchors.bottomMargin: -1
        anchors.horizontalCenter: centre.horizontalCenter
    }
    Cell {
        index: 4
        anchors.top: centre.bottom
        anchors.topMargin: -1
        anchors.horizontalCenter: centre.horizontalCenter
    }
}
