import QtQuick

// Eight value buttons in two rows; each has a menu of values under its
// marker.
Image {
    id: group
    property var valueForIndex: [0, 1, 2, 3, 4, 5, 6, 7]
    property int currentIndex: 0
    property var valueForMenuIndex: [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17]
    property int currentMenuIndex: -1
    property int menuCounter: 18
    signal clicked(int index)
    signal valueChanged(int index, int value)

    source: sourceBtnGroup_8_BASE
    opacity: enabled ? 1.0 : 0.2
    z: menu.visible ? 1 : 0

    function setCurIndex(index) {
        currentIndex = index
    }

    function getCurIndex() {
        return currentIndex
    }

    function showMenu(isOpen, _X, _Y) {
        if (fadeIn.running)
            fadeIn.complete()
        if (fadeOut.running)
            fadeOut.complete()
        if (isOpen) {
            menu.x = _X
            menu.y = _Y
            menu.visible = true
            fadeIn.restart()
        } else {
            currentMenuIndex = -1
            fadeOut.restart()
        }
    }

    Repeater {
        id: buttons
        model: 8
        delegate: Image {
            id: button
            x: [3, 80, 157, 234][index % 4]
            y: index < 4 ? 8 : 27
            property bool active: group.valueForIndex[index] > 0
            source: (buttonMouse.containsMouse || group.currentIndex === index) ? sourceBtnGroup_FILLER_1
                                                                                 : sourceBtnGroup_FILLER_0
            Text {
                anchors.centerIn: parent
                text: button.active ? group.valueForIndex[index] : "×"
                font.bold: true
                font.pixelSize: 11
                color: globalSetting_color
            }
            MouseArea {
                id: buttonMouse
                anchors.fill: parent
                hoverEnabled: true
                enabled: button.active
                onClicked: {
                    group.currentIndex = index
                    group.clicked(index)
                }
            }
            Text {
                id: marker
                anchors.right: parent.right
                anchors.rightMargin: 5
                anchors.verticalCenter: parent.verticalCenter
                text: "▼"
                font.family: "Arial"
                font.bold: true
                font.pixelSize: 8
                color: (markerMouse.containsMouse || group.currentMenuIndex === index) ? globalSetting_color
                                                                                       : globalSetting_color_enable
                MouseArea {
                    id: markerMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: (mouse) => {
                        if (menu.visible && group.currentMenuIndex === index) {
                            group.showMenu(false, 0, 0)
                        } else {
                            group.currentMenuIndex = index
                            group.showMenu(true, button.x + marker.x + mouse.x - menu.width / 2,
                                           button.y + button.height + 5)
                        }
                    }
                }
            }
        }
    }

    Grid {
        id: menu
        columns: 3
        spacing: 2
        visible: false
        opacity: 0
        Repeater {
            model: group.valueForMenuIndex.length
            delegate: ButtonGroupPro_8_Menu {
                index: model.index
                value: group.valueForMenuIndex[model.index]
                visible: group.menuCounter > model.index
                onClicked: {
                    var values = group.valueForIndex
                    var target = group.currentMenuIndex
                    if (target >= 0) {
                        values[target] = value
                        group.valueForIndex = values
                        group.valueChanged(target, value)
                    }
                    group.showMenu(false, 0, 0)
                }
            }
        }
    }

    NumberAnimation {
        id: fadeIn
        target: menu
        property: "opacity"
        from: 0
        to: 1
        easing.type: Easing.OutExpo
        duration: animation_speed * 1.5
    }

    NumberAnimation {
        id: fadeOut
        target: menu
        property: "opacity"
        from: 1
        to: 0
        easing.type: Easing.OutExpo
        duration: animation_speed
        alwaysRunToEnd: true
        onFinished: menu.visible = false
    }
}
