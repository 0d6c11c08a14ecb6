import QtQuick

// The two-image button of the whole scene: source1 while hovered, source0
// otherwise; a click asks for the click sound, then reports.
Image {
    id: button
    property url source0: ""
    property url source1: ""
    property alias mouse: mouseArea
    signal clicked

    opacity: (!enabled || mouseArea.pressed) ? 0.2 : 1.0
    source: (enabled && mouseArea.containsMouse) ? source1 : source0

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            ui_View.playMedia_Index(0x04)
            button.clicked()
        }
    }
}
