import QtQuick

// A flickable list of file names with a scroll bar; rows can be renamed in
// place (editFileName / Return / stopEditFileName).
Rectangle {
    id: fileList
    property ListModel mdItems: ListModel {}
    property alias lvItems: listView
    signal listElementClicked(int index)
    signal listElementRightBtnClicked(int index)
    signal editFileName_start(int tarIndex)
    signal editFileName_stop()
    signal editFileName_completed(string oldName, string newName)

    width: 151
    height: 200
    color: "#FF000000"

    function editFileName(index) {
        editFileName_start(index)
    }

    function stopEditFileName() {
        editFileName_stop()
    }

    Item {
        id: inner
        width: fileList.width - 10
        height: fileList.height - 1
        anchors.horizontalCenter: parent.horizontalCenter

        ListView {
            id: listView
            objectName: "listView"
            width: inner.width - 8
            height: inner.height
            interactive: true
            spacing: -1
            boundsBehavior: Flickable.StopAtBounds
            clip: true
            currentIndex: -1
            model: fileList.mdItems
            onCountChanged: if (count <= 0) currentIndex = -1

            delegate: Item {
                id: row
                width: listView.width
                height: 20
                property bool isEditing: false
                property bool highlighted: row.ListView.isCurrentItem || rowMouse.containsMouse

                function finishEdit() {
                    if (!isEditing)
                        return
                    isEditing = false
                    var oldName = textX
                    var newName = nameInput.text
                    fileList.mdItems.setProperty(index, "textX", newName)
                    fileList.editFileName_completed(oldName, newName)
                    nameInput.focus = false
                }

                Image {
                    width: parent.width
                    y: 0
                    source: sourceLine
                    visible: index > 0
                }
                Image {
                    width: parent.width
                    y: 19
                    source: sourceLine
                    visible: index < listView.count - 1
                }

                TextInput {
                    id: nameInput
                    objectName: "nameInput"
                    anchors.left: parent.left
                    anchors.leftMargin: 5
                    anchors.verticalCenter: parent.verticalCenter
                    width: parent.width - 5 - rightText.width - 4
                    clip: true
                    text: textX
                    font.bold: true
                    font.pixelSize: globalSetting_size
                    font.family: globalSetting_fontFamily
                    color: row.highlighted ? globalSetting_color : globalSetting_color_enable
                    selectionColor: "#60ffffff"
                    Keys.onReturnPressed: row.finishEdit()
                    Keys.onEnterPressed: row.finishEdit()
                    onActiveFocusChanged: {
                        // An edit that was not confirmed is discarded.
                        if (!activeFocus) {
                            deselect()
                            text = Qt.binding(function() { return textX })
                        }
                    }
                }

                Text {
                    id: rightText
                    anchors.right: parent.right
                    anchors.rightMargin: 2
                    anchors.verticalCenter: parent.verticalCenter
                    text: (typeof textR !== "undefined" && textR !== undefined) ? textR : ""
                    font.bold: true
                    font.pixelSize: globalSetting_size
                    font.family: globalSetting_fontFamily
                    color: row.highlighted ? globalSetting_color : globalSetting_color_enable
                }

                MouseArea {
                    id: rowMouse
                    anchors.fill: parent
                    hoverEnabled: true
                    enabled: !row.isEditing
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onClicked: (mouse) => {
                        if (mouse.button === Qt.RightButton) {
                            fileList.listElementRightBtnClicked(index)
                            return
                        }
                        if (listView.currentIndex === index)
                            listView.currentIndex = -1
                        else
                            listView.currentIndex = index
                        fileList.listElementClicked(listView.currentIndex)
                    }
                }

                Connections {
                    target: fileList
                    function onEditFileName_start(tarIndex) {
                        if (tarIndex !== index)
                            return
                        row.isEditing = true
                        fileList.mdItems.setProperty(index, "textX", nameInput.text)
                        nameInput.forceActiveFocus()
                        nameInput.selectAll()
                    }
                    function onEditFileName_stop() {
                        row.finishEdit()
                    }
                }
            }
        }

        Rectangle {
            id: scrollBar
            x: inner.width - width
            width: 5
            radius: 2.5
            opacity: 0.5
            y: listView.visibleArea.yPosition * listView.height
            height: listView.visibleArea.heightRatio * listView.height
            visible: (height + 1) < fileList.height && listView.count > 0
            color: barMouse.containsMouse ? globalSetting_color : globalSetting_color_enable

            MouseArea {
                id: barMouse
                anchors.fill: parent
                hoverEnabled: true
                property real pressY: 0
                onPressed: (mouse) => { pressY = mouse.y }
                onPositionChanged: (mouse) => {
                    if (!pressed)
                        return
                    var deltaY = mouse.y - pressY
                    if (deltaY < 0 && scrollBar.y >= 0)
                        listView.contentY = Math.max(0, listView.contentY + deltaY)
                    else if (deltaY > 0 && scrollBar.y + scrollBar.height <= listView.height)
                        listView.contentY = Math.min(listView.contentHeight - listView.height,
                                                     listView.contentY + deltaY)
                }
            }
        }
    }
}
