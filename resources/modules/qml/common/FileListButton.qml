import QtQuick

// A drop-down whose drop area holds a FileList; the page refills mdItems on
// requestToUpdateList, which comes before the list opens.
Rectangle {
    id: fileButton
    property ListModel mdItems: ListModel {}
    property bool isSelect: false
    signal listElementClicked(int index)
    signal requestToUpdateList
    signal listOpened
    signal listClosed

    color: "#FF000000"
    width: header.width
    height: header.height

    function setCurIndex(index) {
        innerList.lvItems.currentIndex = index
    }

    function getCurIndex() {
        return innerList.lvItems.currentIndex
    }

    function showList() {
        if (paBack_Y.running) {
            paBack_Y.complete()
            showList()
        } else if (pa_Y.running) {
            pa_Y.complete()
        } else {
            pa_Y.restart()
        }
    }

    function closeList() {
        if (pa_Y.running) {
            pa_Y.complete()
            closeList()
        } else if (paBack_Y.running) {
            paBack_Y.complete()
        } else {
            paBack_Y.restart()
        }
    }

    Image {
        id: header
        source: sourceSlider

        Text {
            id: headerText
            objectName: "headerText"
            anchors.left: parent.left
            anchors.leftMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            text: {
                var lv = innerList.lvItems
                if (lv.currentIndex >= 0 && lv.currentIndex < lv.count && fileButton.mdItems)
                    return fileButton.mdItems.get(lv.currentIndex).textX
                return "【 " + globalSetting_stringList[1] + " 】"
            }
            font.family: globalSetting_fontFamily
            font.bold: true
            font.pixelSize: globalSetting_size
            color: headerMouse.containsMouse ? globalSetting_color : globalSetting_color_enable
        }

        Text {
            anchors.right: parent.right
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            text: "▼"
            font.family: "Arial"
            font.bold: true
            font.pixelSize: globalSetting_size
            color: headerMouse.containsMouse ? globalSetting_color : globalSetting_color_enable
        }

        MouseArea {
            id: headerMouse
            anchors.fill: parent
            hoverEnabled: true
            onClicked: {
                if (fileButton.isSelect) {
                    fileButton.closeList()
                } else {
                    fileButton.requestToUpdateList()
                    fileButton.showList()
                }
            }
        }
    }

    Flickable {
        id: dropArea
        objectName: "dropArea"
        y: header.height - 1
        width: frame.width
        height: frame.height + 1
        interactive: false
        clip: true
        contentWidth: width
        contentHeight: height
        contentY: 0
        visible: fileButton.isSelect || pa_Y.running || paBack_Y.running

        FileList {
            id: innerList
            objectName: "innerList"
            y: -height
            width: frame.width
            height: frame.height + 1
            mdItems: fileButton.mdItems
            onListElementClicked: (index) => {
                fileButton.closeList()
                fileButton.listElementClicked(index)
            }

            Image {
                id: frame
                source: sourceFilelist
            }
        }
    }

    NumberAnimation {
        id: pa_Y
        target: dropArea
        property: "contentY"
        from: 0
        to: -dropArea.height
        easing.type: Easing.OutQuad
        duration: animation_speed * 0.5
        onStarted: fileButton.listOpened()
        onRunningChanged: if (!running) fileButton.isSelect = true
    }

    NumberAnimation {
        id: paBack_Y
        target: dropArea
        property: "contentY"
        from: -dropArea.height
        to: 0
        easing.type: Easing.OutQuad
        duration: animation_speed * 0.5
        onRunningChanged: if (!running) fileButton.isSelect = false
        onFinished: fileButton.listClosed()
    }
}
