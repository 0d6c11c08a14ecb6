import QtQuick

// A drop-down list: a header showing the current entry and a drop area whose
// rows roll down under it. isSelect changes only when an animation stops, so
// it is false while opening and true while closing.
Rectangle {
    id: dropdown
    property ListModel mdItems: ListModel {}
    property bool isSelect: false
    property alias defaultIndex: listView.currentIndex
    signal listElementClicked(int index)
    signal listOpened
    signal listClosed

    color: "#FF000000"
    width: header.width
    height: header.height

    function setCurIndex(index) {
        listView.currentIndex = index
    }

    function getCurIndex() {
        return listView.currentIndex
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
            text: (listView.currentIndex >= 0 && listView.currentIndex < listView.count && listView.currentItem)
                  ? listView.currentItem.rowText
                  : "【 " + globalSetting_stringList[1] + " 】"
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
                if (dropdown.isSelect)
                    dropdown.closeList()
                else
                    dropdown.showList()
            }
        }
    }

    Flickable {
        id: dropArea
        objectName: "dropArea"
        y: header.height - 1
        width: header.width
        height: header.height * listView.count - (listView.count - 1) + 1
        interactive: false
        clip: true
        contentWidth: width
        contentHeight: height
        contentY: height
        visible: dropdown.isSelect || pa_Y.running || paBack_Y.running

        Rectangle {
            width: dropArea.width
            height: dropArea.height
            color: "#FF000000"
        }

        ListView {
            id: listView
            objectName: "listView"
            width: dropArea.width
            height: dropArea.height
            interactive: false
            spacing: -1
            currentIndex: -1
            model: dropdown.mdItems
            delegate: Image {
                id: row
                property string rowText: textX
                source: sourceSlider
                Text {
                    anchors.left: parent.left
                    anchors.leftMargin: 10
                    anchors.verticalCenter: parent.verticalCenter
                    text: textX
                    font.family: globalSetting_fontFamily
                    font.bold: true
                    font.pixelSize: globalSetting_size
                    color: (rowMouse.containsMouse || row.ListView.isCurrentItem) ? globalSetting_color
                                                                                 : globalSetting_color_enable
                }
                MouseArea {
                    id: rowMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: {
                        listView.currentIndex = index
                        dropdown.closeList()
                        dropdown.listElementClicked(listView.currentIndex)
                    }
                }
            }
        }
    }

    NumberAnimation {
        id: pa_Y
        target: dropArea
        property: "contentY"
        from: dropArea.height
        to: 0
        easing.type: Easing.OutQuad
        duration: animation_speed * (0.1 + 0.05 * listView.count)
        onStarted: dropdown.listOpened()
        onRunningChanged: if (!running) dropdown.isSelect = true
    }

    NumberAnimation {
        id: paBack_Y
        target: dropArea
        property: "contentY"
        from: 0
        to: dropArea.height
        easing.type: Easing.OutQuad
        duration: animation_speed * (0.1 + 0.05 * listView.count)
        onRunningChanged: if (!running) dropdown.isSelect = false
        onFinished: dropdown.listClosed()
    }
}
