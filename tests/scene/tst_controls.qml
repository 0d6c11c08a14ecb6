import QtQuick
import QtTest
import "../../resources/modules/qml/common"

// The controls, placed on a stand-in root that carries the shared
// properties the scene's root offers; images come from the built skin 1.
Item {
    id: root
    width: 600
    height: 600

    property int globalSetting_size: 11
    property color globalSetting_color: "#ffffff"
    property color globalSetting_color_enable: "#FFAAAAAA"
    property color globalSetting_color_disable: "#80FFFFFF"
    property int animation_speed: 800
    property var globalSetting_stringList: ["Arial", "OPTIONS"]
    property string globalSetting_fontFamily: "Arial"
    property int skin_No: 1
    property string skinFolder: "file:modules/img/skin1/"
    property url sourceBackground: skinFolder + "background.png"
    property url sourceFrameBackground: skinFolder + "frame/frameBackground.png"
    property url sourceDecoration1: skinFolder + "frame/decoration1.png"
    property url sourceDecoration2: skinFolder + "frame/decoration2.png"
    property url sourceListUpContainer: skinFolder + "list_up/listUpContainer.png"
    property url sourceAS0: skinFolder + "list_up/applicationSetting_0.png"
    property url sourceAS1: skinFolder + "list_up/applicationSetting_1.png"
    property url sourceAM0: skinFolder + "list_up/applicationMinimize_0.png"
    property url sourceAM1: skinFolder + "list_up/applicationMinimize_1.png"
    property url sourceListDnContainer: skinFolder + "list_dn/listDnContainer.png"
    property url sourceListPfContainer: skinFolder + "list_pf/listPfContainer.png"
    property url sourceFW0: skinFolder + "list_pf/profileFW_0.png"
    property url sourceFW1: skinFolder + "list_pf/profileFW_1.png"
    property url sourceListFnBtn_0: skinFolder + "list_fn/listFnBtn_0.png"
    property url sourceListFnBtn_1: skinFolder + "list_fn/listFnBtn_1.png"
    property url sourceGlobalsettingBackground: skinFolder + "list_center/globalsettingBackground.png"
    property url sourceFnKeydefineBackground: skinFolder + "list_center/fnKeydefineBackground.png"
    property url sourceFnColorBackground: skinFolder + "list_center/fnColorBackground.png"
    property url sourceFnCommonBackground: skinFolder + "list_center/fnCommonBackground.png"
    property url sourceSlider: skinFolder + "common/slider_BASE.png"
    property url sourceSliderFiller0: skinFolder + "common/slider_FILLER_0.png"
    property url sourceSliderFiller1: skinFolder + "common/slider_FILLER_1.png"
    property url sourceLine: skinFolder + "common/draw_line.png"
    property url sourceFilelist: skinFolder + "common/filelist_BASE.png"
    property url sourceInputValue: skinFolder + "common/draw_inputValue.png"
    property url sourcePaletteIndex: skinFolder + "common/draw_paletteIndex.png"
    property url sourcePalette: skinFolder + "common/draw_palette.png"
    property url sourceCHK0: skinFolder + "common/checkbox_0.png"
    property url sourceCHK1: skinFolder + "common/checkbox_1.png"
    property url sourceReset0: skinFolder + "common/reset_0.png"
    property url sourceReset1: skinFolder + "common/reset_1.png"
    property url sourceApply0: skinFolder + "common/apply_0.png"
    property url sourceApply1: skinFolder + "common/apply_1.png"
    property url sourceFram2btn: skinFolder + "common/fram_2btn.png"
    property url sourceAdd0: skinFolder + "common/add_0.png"
    property url sourceAdd1: skinFolder + "common/add_1.png"
    property url sourceDelete0: skinFolder + "common/delete_0.png"
    property url sourceDelete1: skinFolder + "common/delete_1.png"
    property url sourceRecord0: skinFolder + "common/record_0.png"
    property url sourceRecord1: skinFolder + "common/record_1.png"
    property url sourceStop0: skinFolder + "common/stop_0.png"
    property url sourceStop1: skinFolder + "common/stop_1.png"
    property url sourceSolidDelete0: skinFolder + "common/solid-delete_0.png"
    property url sourceSolidDelete1: skinFolder + "common/solid-delete_1.png"
    property url sourceSolidCut0: skinFolder + "common/solid-cut_0.png"
    property url sourceSolidCut1: skinFolder + "common/solid-cut_1.png"
    property url sourceSolidPaste0: skinFolder + "common/solid-paste_0.png"
    property url sourceSolidPaste1: skinFolder + "common/solid-paste_1.png"
    property url sourceSolidCopy0: skinFolder + "common/solid-copy_0.png"
    property url sourceSolidCopy1: skinFolder + "common/solid-copy_1.png"
    property url sourceBtnFileListFrame: skinFolder + "common/btnFileListFrame.png"
    property url sourceBtnFrame: skinFolder + "common/btnFrame.png"
    property url sourceBtnGroup_4_BASE: skinFolder + "common/btnGroup_4_BASE.png"
    property url sourceBtnGroup_8_BASE: skinFolder + "common/btnGroup_8_BASE.png"
    property url sourceBtnGroup_FILLER_0: skinFolder + "common/btnGroup_FILLER_0.png"
    property url sourceBtnGroup_FILLER_1: skinFolder + "common/btnGroup_FILLER_1.png"
    property url sourceSlider_11_BASE: skinFolder + "common/slider_11_BASE.png"
    property url sourceSlider_11_FILLER_0: skinFolder + "common/slider_11_FILLER_0.png"
    property url sourceSlider_11_FILLER_1: skinFolder + "common/slider_11_FILLER_1.png"
    QtObject {
        id: _KeyCodeString
        function keycodeTostr(code) {
            return code === 4 ? "A" : (code === 41 ? "ESC" : "")
        }
    }

    ListModel { id: emptyModel }
    ListModel {
        id: threeModel
        ListElement { textX: "one"; textR: "" }
        ListElement { textX: "two"; textR: "" }
        ListElement { textX: "three"; textR: "" }
    }

    Component { id: dropdownComponent; DropdownList { x: 10; y: 10 } }
    Component { id: fileListButtonComponent; FileListButton { x: 10; y: 10 } }
    Component { id: fileListComponent; FileList { x: 10; y: 10 } }
    Component { id: keyInputComponent; KeyInput { x: 10; y: 10 } }
    Component { id: sliderComponent; Slider { x: 10; y: 10 } }
    Component { id: spyComponent; SignalSpy {} }

    Item { id: elsewhere; focus: false }

    TestCase {
        name: "Controls"
        when: windowShown

        function init() {
            root.animation_speed = 800
            ui_View.clear()
        }

        function test_dropdownEmptyModelShowsOptionsAndTwoPixelArea() {
            var list = createTemporaryObject(dropdownComponent, root, { mdItems: emptyModel })
            compare(list.height, 23)
            var header = findChild(list, "headerText")
            compare(header.text, "【 OPTIONS 】")
            var area = findChild(list, "dropArea")
            compare(area.height, 2)
            compare(area.y, 22)
            verify(!area.visible)
            var opened = createTemporaryObject(spyComponent, root, { target: list, signalName: "listOpened" })
            root.animation_speed = 10
            list.showList()
            compare(opened.count, 1)
            verify(area.visible)
            tryCompare(list, "isSelect", true, 5000)
            compare(area.contentY, 0)
            // A translated entry 1 follows at once.
            root.globalSetting_stringList = ["Arial", "OPTIONEN"]
            compare(header.text, "【 OPTIONEN 】")
            root.globalSetting_stringList = ["Arial", "OPTIONS"]
        }

        function test_dropdownRowClickedWhileOpeningFinishesThenCloses() {
            root.animation_speed = 8000
            var list = createTemporaryObject(dropdownComponent, root, { mdItems: threeModel })
            var area = findChild(list, "dropArea")
            var rows = findChild(list, "listView")
            compare(area.height, 23 * 3 - 2 + 1)
            var clicked = createTemporaryObject(spyComponent, root, { target: list, signalName: "listElementClicked" })
            var closed = createTemporaryObject(spyComponent, root, { target: list, signalName: "listClosed" })
            list.showList()
            // The rows roll down, the last one first: wait until it is in
            // view while the list is still opening.
            tryVerify(function() { return area.contentY < 40 }, 5000)
            verify(!list.isSelect)
            var row = rows.itemAtIndex(2)
            mouseClick(row, row.width / 2, row.height / 2)
            compare(clicked.count, 1)
            compare(clicked.signalArguments[0][0], 2)
            compare(list.getCurIndex(), 2)
            // The opening was finished (isSelect true), the closing runs.
            verify(list.isSelect)
            verify(area.visible)
            compare(closed.count, 0)
            root.animation_speed = 10
            list.closeList()   // finishes the running close at once
            compare(closed.count, 1)
            verify(!list.isSelect)
            verify(!area.visible)
            compare(list.getCurIndex(), 2)
            compare(findChild(list, "headerText").text, "three")
        }

        function test_dropdownShowWhileClosingReopens() {
            root.animation_speed = 8000
            var list = createTemporaryObject(dropdownComponent, root, { mdItems: threeModel })
            var area = findChild(list, "dropArea")
            var closed = createTemporaryObject(spyComponent, root, { target: list, signalName: "listClosed" })
            list.showList()
            list.showList()          // finishes the opening
            verify(list.isSelect)
            compare(area.contentY, 0)
            list.closeList()
            list.showList()          // finishes the closing, opens again
            compare(closed.count, 1)
            verify(!list.isSelect)
            compare(area.contentY, area.height)
            verify(area.visible)
        }

        function test_fileListButtonClickOnCurrentRowReportsMinusOne() {
            root.animation_speed = 10
            var button = createTemporaryObject(fileListButtonComponent, root, { mdItems: threeModel })
            var update = createTemporaryObject(spyComponent, root, { target: button, signalName: "requestToUpdateList" })
            var clicked = createTemporaryObject(spyComponent, root, { target: button, signalName: "listElementClicked" })
            button.setCurIndex(1)
            compare(findChild(button, "headerText").text, "two")
            mouseClick(button, button.width / 2, button.height / 2)
            compare(update.count, 1)
            tryCompare(button, "isSelect", true, 5000)
            var rows = findChild(button, "innerList").lvItems
            var row = rows.itemAtIndex(1)
            mouseClick(row, row.width / 2, row.height / 2)
            compare(clicked.count, 1)
            compare(clicked.signalArguments[0][0], -1)
            compare(button.getCurIndex(), -1)
            tryCompare(button, "isSelect", false, 5000)
            compare(findChild(button, "headerText").text, "【 OPTIONS 】")
        }

        function test_keyInputNames_data() {
            return [
                { tag: "known", code: 4, shown: "A", stored: 4 },
                { tag: "unknown", code: 999, shown: "【 KEYS 】", stored: -1 },
                { tag: "negative", code: -5, shown: "【 KEYS 】", stored: -1 }
            ]
        }

        function test_keyInputNames(data) {
            var box = createTemporaryObject(keyInputComponent, root)
            box.setKeycodeUSB(41)
            box.setKeycodeUSB(data.code)
            compare(box.keycodeUSB, data.stored)
            compare(findChild(box, "keyText").text, data.shown)
            var cleared = createTemporaryObject(spyComponent, root, { target: box, signalName: "clearKey" })
            mouseClick(box, 5, 5)
            compare(cleared.count, 1)
            compare(box.keycodeUSB, -1)
        }

        function test_sliderRelease_data() {
            return [
                { tag: "far left, minIndex 1", minIndex: 1, x: 0, expected: 1 },
                { tag: "far left, minIndex 0", minIndex: 0, x: 0, expected: 0 },
                { tag: "middle", minIndex: 1, x: 70, expected: 4 },
                { tag: "one cell", minIndex: 0, x: 1, expected: 1 },
                { tag: "x 140", minIndex: 1, x: 140, expected: 7 },
                { tag: "past the end", minIndex: 1, x: 145, expected: 7 }
            ]
        }

        function test_sliderRelease(data) {
            var slider = createTemporaryObject(sliderComponent, root, { minIndex: data.minIndex })
            slider.setCurIndex(3)
            var spy = createTemporaryObject(spyComponent, root, { target: slider, signalName: "sliderClicked" })
            // The cells start 5 px into the base image; a release may end
            // outside them.
            mousePress(slider, 5 + Math.min(data.x, 140), 10)
            mouseRelease(slider, 5 + data.x, 10)
            compare(slider.getCurIndex(), data.expected)
            compare(spy.count, 1)
            compare(spy.signalArguments[0][0], data.expected)
        }

        function test_fileListReturnOutsideAnEditDoesNothing() {
            var model = Qt.createQmlObject('import QtQuick; ListModel { ListElement { textX: "a"; textR: "1" } ListElement { textX: "b"; textR: "2" } }', root)
            var list = createTemporaryObject(fileListComponent, root, { mdItems: model })
            var completed = createTemporaryObject(spyComponent, root, { target: list, signalName: "editFileName_completed" })
            var input = findChild(list.lvItems.itemAtIndex(0), "nameInput")
            input.forceActiveFocus()
            keyClick(Qt.Key_Return)
            compare(completed.count, 0)
            compare(model.get(0).textX, "a")
            compare(input.text, "a")
        }

        function test_fileListRename() {
            var model = Qt.createQmlObject('import QtQuick; ListModel { ListElement { textX: "a"; textR: "1" } ListElement { textX: "b"; textR: "2" } }', root)
            var list = createTemporaryObject(fileListComponent, root, { mdItems: model })
            var completed = createTemporaryObject(spyComponent, root, { target: list, signalName: "editFileName_completed" })
            var input = findChild(list.lvItems.itemAtIndex(1), "nameInput")

            // Left by focusing something else: the old name comes back.
            list.editFileName(1)
            verify(input.activeFocus)
            keyClick(Qt.Key_X)
            keyClick(Qt.Key_Y)
            compare(input.text, "xy")
            elsewhere.forceActiveFocus()
            compare(input.text, "b")
            compare(model.get(1).textX, "b")
            compare(completed.count, 0)

            // Confirmed with Return: reported once, the model keeps the name.
            list.editFileName(1)
            keyClick(Qt.Key_N)
            keyClick(Qt.Key_E)
            keyClick(Qt.Key_W)
            keyClick(Qt.Key_Return)
            compare(completed.count, 1)
            compare(completed.signalArguments[0][0], "b")
            compare(completed.signalArguments[0][1], "new")
            compare(model.get(1).textX, "new")
            verify(!input.activeFocus)
            list.stopEditFileName()
            compare(completed.count, 1)
        }
    }
}
