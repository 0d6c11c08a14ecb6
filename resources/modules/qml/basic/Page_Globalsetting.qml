import QtQuick
import "../common"

// The global settings: skin, sound, animations, language, background and
// the text settings. Its values feed the root's shared properties; the apply
// button stores them in apConfig.bin.
Item {
    id: page
    width: 340
    height: 420

    property int _Size: 11
    property color _ColorEnable: "#FFAAAAAA"
    property color _ColorDisable: "#80FFFFFF"
    property int _AnimationSpeed: 800
    property var _StringList: [
        "Arial", "OPTIONS", "LOOP", "SPEED", "BRIGHTNESS", "DIRECTION",
        "PAINTING", "EFFECTS", "USER DEFINE 1", "USER DEFINE 2", "USER DEFINE 3", "USER DEFINE 4",
        "USER DEFINE 5", "STATIC", "BREATHING", "WAVE", "INDUCTION DARKEN", "MARQUEE",
        "RIPPLE", "INDUCTION BRIGHTEN", "NEON", "MARQUEE COLORFUL", "RAINING", "MARQUEE CIRCLE",
        "SPOTLIGHT", "ROTATION", "SKIN", "SOUND", "ANIMATED", "LANGUAGE",
        "BACKGROUND", "ON", "OFF", "TEXT", "SIZE", "COLOR",
        "BRIGHTNESS", "NORMAL", "LARGER", "SKIN 1", "SKIN 2", "SKIN 3",
        "SKIN 4", "SKIN 5", "MACRO", "ACTION", "KEYBOARD", "MOUSE",
        "MEDIA", "COMBO KEY", "MACRO", "LEFT", "RIGHT", "MIDDLE",
        "B4", "B5", "NEXT TRACK", "PREVIOUS TRACK", "STOP", "PLAY / PAUSE",
        "MUTE", "VOLUME UP", "VOLUME DOWN", "MEDIA SELECT", "MAIL", "CALCULATOR",
        "MY COMPUTER", "WWW SEARCH", "WWW HOME", "WWW BACK", "WWW FORWARD", "WWW STOP",
        "WWW REFRESH", "WWW FAVORITES", "KEY", "MACRO", "COLOR", "RESET",
        "CANCEL", "GAMING MODE", "DELETE", "CUT", "PASTE", "COPY",
        "LOAD", "SAVE", "SENSOR", "LED POWER ON", "TWINKLING", "GLIDING",
        "FINGER MOVING", "VERTICAL FLIPPING", "YO-YO", "FIRE KEY", "TRIPLE CLICK", "DPI SWITCH",
        "NORMAL PLAY", "TIMES", "ALWAYS REPEAT", "REPEAT ON PRESSED", "POLLING RATE", "CURSOR SPEED",
        "VERTICAL SCROLL SPEED", "DOUBLE CLICK SPEED", "DPI LEVEL", "DPI INDICATOR LED", "DEFAULT", "APPLY",
        "SCROLL SWAP", "SCROLL UP", "SCROLL DOWN", "LED CONTROL", "RENAME", "ALL RESET",
        "ALL SAVE"
    ]
    property string _FontFamily: "Arial"
    property int skin_No: 1
    property bool isCustomBackground: false
    property string _Url: "https://r7config.example.org/"

    // Inner state.
    property int selectedColor: 0
    property int sizeChoice: 0
    property alias brightnessLevel: brightnessSlider.currentIndex
    property int paletteR: 255
    property int paletteG: 255
    property int paletteB: 255
    // Whether the skin chooser is offered (more than one skin folder).
    property bool isSkinShow: true

    ListModel {
        id: skinModel
        ListElement { textX: "SKIN 1" }
        ListElement { textX: "SKIN 2" }
    }
    ListModel {
        id: soundModel
        ListElement { textX: "ON" }
        ListElement { textX: "OFF" }
    }
    ListModel {
        id: animationModel
        ListElement { textX: "ON" }
        ListElement { textX: "OFF" }
    }
    ListModel {
        id: languageModel
    }
    ListModel {
        id: colorModel
        ListElement { clrR: 0; clrG: 255; clrB: 255 }
        ListElement { clrR: 255; clrG: 200; clrB: 150 }
        ListElement { clrR: 255; clrG: 180; clrB: 0 }
        ListElement { clrR: 200; clrG: 200; clrB: 100 }
        ListElement { clrR: 200; clrG: 170; clrB: 255 }
        ListElement { clrR: 255; clrG: 180; clrB: 180 }
        ListElement { clrR: 160; clrG: 190; clrB: 160 }
    }
    ListModel {
        id: inputModel
        ListElement { label: "R "; value: 255 }
        ListElement { label: "G "; value: 255 }
        ListElement { label: "B "; value: 255 }
    }

    // Stored values arrive as text from a fresh settings file.
    function toInt(v) {
        var n = parseInt(v, 10)
        return isNaN(n) ? 0 : n
    }

    function toBool(v) {
        if (v === true || v === false)
            return v
        var s = String(v).toLowerCase()
        if (s === "true")
            return true
        var n = Number(s)
        return !isNaN(n) && n !== 0
    }

    function initUI() {
        var values = ui_View.loadApConfig()
        // A value the stored list lacks leaves its setting as it is.
        function has(i) { return i < values.length && values[i] !== undefined && values[i] !== null }
        if (values.length > 0) {
            if (has(1)) {
                // Skin folders are numbered from 1.
                skin_No = Math.max(1, toInt(values[1]))
                skinList.setCurIndex(skin_No - 1)
                mainIten.setSkin()
            }

            if (has(2)) {
                var sound = toInt(values[2])
                if (sound === 0)
                    ui_View.setEnableAudio(true)
                else if (sound === 1)
                    ui_View.setEnableAudio(false)
                soundList.setCurIndex(sound)
            }

            if (has(3)) {
                var animated = toInt(values[3])
                if (animated === 0)
                    _AnimationSpeed = 800
                else if (animated === 1)
                    _AnimationSpeed = 10
                animationList.setCurIndex(animated)
            }

            // Without a language file, or with a stored position past the
            // list, the built-in strings stay.
            initLanguage()
            var language = has(4) ? toInt(values[4]) : -1
            if (language >= 0 && language < languageModel.count) {
                languageList.setCurIndex(language)
                setLanguage(language)
            }

            if (has(5))
                isCustomBackground = toBool(values[5])
            if (has(6))
                mainIten.sourceCustomBackground = String(values[6])

            if (has(7)) {
                var size = toInt(values[7])
                if (size === 0)
                    _Size = 11
                else if (size === 1)
                    _Size = 12
                sizeChoice = size
            }

            for (var i = 0; i < 7; ++i) {
                if (has(10 + 3 * i)) {
                    colorModel.set(i, { clrR: toInt(values[8 + 3 * i]),
                                        clrG: toInt(values[9 + 3 * i]),
                                        clrB: toInt(values[10 + 3 * i]) })
                }
            }

            if (has(29)) {
                selectedColor = toInt(values[29])
                if (selectedColor >= 0 && selectedColor < 7) {
                    var c = colorModel.get(selectedColor)
                    setPaletteColor(0, c.clrR, c.clrG, c.clrB)
                }
            }

            if (has(30))
                brightnessSlider.setCurIndex(toInt(values[30]))
            if (has(31))
                _Url = String(values[31])
        }
        isSkinShow = ui_View.getIsSkinShow()
    }

    function translateStrings() {
        skinModel.setProperty(0, "textX", _StringList[39])
        skinModel.setProperty(1, "textX", _StringList[40])
        soundModel.setProperty(0, "textX", _StringList[31])
        soundModel.setProperty(1, "textX", _StringList[32])
        animationModel.setProperty(0, "textX", _StringList[31])
        animationModel.setProperty(1, "textX", _StringList[32])
    }

    function initLanguage() {
        var languages = ui_View.chkLanguages()
        languageModel.clear()
        for (var name in languages)
            languageModel.append({ textX: name, code: String(languages[name]), textR: "" })
    }

    function setLanguage(uiIndex) {
        if (uiIndex < 0 || uiIndex >= languageModel.count)
            return
        var code = languageModel.get(uiIndex).code
        _StringList = ui_View.getGlobalStrings(code)
        mainIten.translateStrings(code)
        _FontFamily = _StringList[0]
    }

    function resetApconfig() {
        ui_View.setEnableAudio(false)
        ui_View.clearAllMedia()
        ui_View.resetApconfig()
        initUI()
        ui_View.playMedia_Index(0)
    }

    function applyConfig() {
        var list = [1, skin_No, soundList.getCurIndex(), animationList.getCurIndex(),
                    languageList.getCurIndex(), isCustomBackground, String(mainIten.sourceCustomBackground),
                    sizeChoice]
        for (var i = 0; i < 7; ++i) {
            var c = colorModel.get(i)
            list.push(c.clrR, c.clrG, c.clrB)
        }
        list.push(selectedColor, brightnessLevel, _Url)
        ui_View.saveApConfig(list)
        upItem.isGlobalSettingSelect = false
    }

    function toggleBackground() {
        var set = false
        if (!isCustomBackground) {
            var path = ui_View.getCustomFilePath()
            if (path !== "") {
                mainIten.sourceCustomBackground = "file:" + path
                set = true
            } else {
                mainIten.sourceCustomBackground = ""
            }
        } else {
            mainIten.sourceCustomBackground = ""
        }
        isCustomBackground = set
    }

    // Palette colour sources: 0 outside, 1 strip, 2 value inputs, 3 swatch.
    function setPaletteColor(source, r, g, b) {
        if (source !== 2)
            showInputs(r, g, b)
        if (source !== 3 && selectedColor >= 0 && selectedColor < 7)
            colorModel.set(selectedColor, { clrR: r, clrG: g, clrB: b })
        paletteR = r
        paletteG = g
        paletteB = b
    }

    function showInputs(r, g, b) {
        inputModel.setProperty(0, "value", r)
        inputModel.setProperty(1, "value", g)
        inputModel.setProperty(2, "value", b)
    }

    // The colour under position p of a strip of the given length.
    function stripColor(p, length) {
        var rate = p / (length - 1) / 0.125
        var level = Math.floor(rate)
        var u = Math.floor((rate - level) * 255 + 0.5)
        switch (level) {
        case 0: return [u, 0, 0]
        case 1: return [255, u, 0]
        case 2: return [255 - u, 255, 0]
        case 3: return [0, 255, u]
        case 4: return [0, 255 - u, 255]
        case 5: return [u, 0, 255]
        case 6: return [255, u, 255]
        case 7: return [255 - u, 255 - u, 255 - u]
        default: return [0, 0, 0]
        }
    }

    function pickStrip(p) {
        var c = stripColor(p, strip.width)
        setPaletteColor(1, c[0], c[1], c[2])
    }

    function dropInputFocus() {
        focusSink.forceActiveFocus()
    }

    function hex2(v) {
        var s = Number(v).toString(16)
        return s.length < 2 ? "0" + s : s
    }

    Item {
        id: focusSink
    }

    Image {
        source: sourceGlobalsettingBackground
    }

    component Label: Text {
        property Item buddy
        x: buddy ? buddy.x - 20 - width : 0
        anchors.verticalCenter: buddy ? buddy.verticalCenter : undefined
        visible: buddy !== skinList || page.isSkinShow
        font.family: globalSetting_fontFamily
        font.bold: true
        font.pixelSize: globalSetting_size
        color: globalSetting_color
    }

    Label { buddy: skinList; text: _StringList[26] }
    Label { buddy: soundList; text: _StringList[27] }
    Label { buddy: animationList; text: _StringList[28] }
    Label { buddy: languageList; text: _StringList[29] }
    Label { buddy: backgroundSwitch; text: _StringList[30] }

    Item {
        id: backgroundSwitch
        objectName: "backgroundSwitch"
        x: 139
        y: languageList.y + languageList.height + 10
        width: backgroundBase.width
        height: backgroundBase.height
        Image {
            id: backgroundBase
            source: sourceSlider
        }
        Text {
            anchors.left: parent.left
            anchors.leftMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            text: "【 " + (page.isCustomBackground ? _StringList[31] : _StringList[32]) + " 】"
            font.family: globalSetting_fontFamily
            font.bold: true
            font.pixelSize: globalSetting_size
            color: backgroundMouse.containsMouse ? globalSetting_color : globalSetting_color_enable
        }
        MouseArea {
            id: backgroundMouse
            anchors.fill: parent
            hoverEnabled: true
            onClicked: page.toggleBackground()
        }
    }

    Item {
        id: textBox
        x: 27
        y: 190
        width: 270
        height: 176

        Rectangle { y: 0; width: 270; height: 1; color: globalSetting_color_disable }
        Rectangle { y: 19; width: 270; height: 1; color: globalSetting_color_disable }
        Rectangle { y: 175; width: 270; height: 1; color: globalSetting_color_disable }
        Rectangle { x: 0; width: 1; height: 176; color: globalSetting_color_disable }
        Rectangle { x: 269; width: 1; height: 176; color: globalSetting_color_disable }

        Text {
            x: 6
            y: 3
            text: _StringList[33]
            font.family: globalSetting_fontFamily
            font.bold: true
            font.pixelSize: globalSetting_size
            color: globalSetting_color
        }

        component RowLabel: Text {
            property Item buddy
            x: textBox.width - 185 - width
            anchors.verticalCenter: buddy ? buddy.verticalCenter : undefined
            font.family: globalSetting_fontFamily
            font.bold: true
            font.pixelSize: globalSetting_size
            color: globalSetting_color
        }

        RowLabel { buddy: sizeRow; text: _StringList[34] }
        RowLabel { buddy: swatches; text: _StringList[35] }
        RowLabel { buddy: brightnessSlider; text: _StringList[36] }

        Row {
            id: sizeRow
            x: 96
            y: 25
            spacing: 15
            Repeater {
                model: 2
                delegate: Checkbox {
                    chkStr: _StringList[37 + index]
                    isSelect: page.sizeChoice === index
                    onClicked: {
                        page.sizeChoice = index
                        page._Size = index === 0 ? 11 : 12
                        isSelect = Qt.binding(function() { return page.sizeChoice === index })
                    }
                }
            }
        }

        Item {
            id: swatches
            x: 100
            y: 55
            width: 145
            height: 31

            Image {
                width: 145
                source: sourcePaletteIndex
            }

            Row {
                spacing: 2
                Repeater {
                    model: colorModel
                    delegate: Item {
                        width: 19
                        height: 31
                        Rectangle {
                            width: 19
                            height: 3
                            color: globalSetting_color
                            visible: page.selectedColor === index
                        }
                        Rectangle {
                            x: 2
                            y: 10
                            width: 15
                            height: 15
                            color: "#" + page.hex2(clrR) + page.hex2(clrG) + page.hex2(clrB)
                            border.width: swatchMouse.containsMouse ? 1 : 0
                            border.color: globalSetting_color
                        }
                        MouseArea {
                            id: swatchMouse
                            anchors.fill: parent
                            hoverEnabled: true
                            onClicked: {
                                page.selectedColor = index
                                page.setPaletteColor(3, clrR, clrG, clrB)
                            }
                        }
                    }
                }
            }
        }

        Image {
            id: paletteImage
            x: 100
            y: swatches.y + swatches.height + 5
            width: 96
            source: sourcePalette

            Rectangle {
                id: strip
                objectName: "strip"
                width: 96
                height: Math.max(1, paletteImage.height - 6)
                anchors.centerIn: parent
                gradient: Gradient {
                    orientation: Gradient.Horizontal
                    GradientStop { position: 0.0; color: "black" }
                    GradientStop { position: 0.125; color: "#FF0000" }
                    GradientStop { position: 0.25; color: "#FFFF00" }
                    GradientStop { position: 0.375; color: "#00FF00" }
                    GradientStop { position: 0.5; color: "#00FFFF" }
                    GradientStop { position: 0.625; color: "#0000FF" }
                    GradientStop { position: 0.75; color: "#FF00FF" }
                    GradientStop { position: 0.875; color: "#FFFFFF" }
                    GradientStop { position: 1.0; color: "black" }
                }
                MouseArea {
                    anchors.fill: parent
                    onPressed: (mouse) => page.pickStrip(mouse.x)
                }
            }
        }

        Column {
            id: inputColumn
            x: paletteImage.x + paletteImage.width + 10
            anchors.verticalCenter: paletteImage.verticalCenter
            spacing: 3
            Repeater {
                id: inputs
                model: inputModel
                delegate: Image {
                    width: 39
                    source: sourceInputValue
                    Text {
                        anchors.left: parent.left
                        anchors.leftMargin: 3
                        anchors.verticalCenter: parent.verticalCenter
                        text: label
                        font.family: "Arial"
                        font.pixelSize: 11
                        font.bold: true
                        color: globalSetting_color_disable
                    }
                    TextInput {
                        id: valueInput
                        objectName: "valueInput" + index
                        anchors.right: parent.right
                        anchors.rightMargin: 3
                        anchors.verticalCenter: parent.verticalCenter
                        width: 22
                        horizontalAlignment: TextInput.AlignRight
                        font.family: "Arial"
                        font.pixelSize: 11
                        color: activeFocus ? globalSetting_color : globalSetting_color_enable
                        selectByMouse: true
                        maximumLength: 3
                        // Whole numbers 0 to 255: anything else is refused while typing.
                        validator: RegularExpressionValidator { regularExpression: /(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])?/ }
                        text: value
                        Keys.onReturnPressed: focus = false
                        Keys.onEnterPressed: focus = false
                        onActiveFocusChanged: {
                            if (activeFocus)
                                return
                            inputModel.setProperty(index, "value", page.toInt(text))
                            text = Qt.binding(function() { return value })
                            page.setPaletteColor(2, inputModel.get(0).value, inputModel.get(1).value,
                                                 inputModel.get(2).value)
                        }
                    }
                }
            }
        }

        Slider {
            id: brightnessSlider
        objectName: "brightnessSlider"
            x: 97
            y: 140
        }
    }

    Image {
        id: twoButtonFrame
        x: textBox.x + textBox.width - width
        y: textBox.y + textBox.height + 8
        source: sourceFram2btn

        Button_2state {
            id: resetButton
            objectName: "resetButton"
            x: 1
            y: 1
            source0: sourceReset0
            source1: sourceReset1
            onClicked: {
                page.dropInputFocus()
                page.resetApconfig()
            }
        }

        Button_2state {
            id: applyButton
            objectName: "applyButton"
            x: resetButton.x + resetButton.width - 1
            y: 1
            source0: sourceApply0
            source1: sourceApply1
            onClicked: {
                page.dropInputFocus()
                page.applyConfig()
            }
        }
    }

    // Drop-downs last, so that an open list lies above the rest; the open one
    // is raised above its neighbours.
    DropdownList {
        id: languageList
        objectName: "languageList"
        x: 139
        y: animationList.y + animationList.height + 10
        mdItems: languageModel
        onListOpened: z = 1
        onListClosed: z = 0
        onListElementClicked: (index) => page.setLanguage(index)
    }

    DropdownList {
        id: animationList
        objectName: "animationList"
        x: 139
        y: soundList.y + soundList.height + 10
        mdItems: animationModel
        onListOpened: z = 1
        onListClosed: z = 0
        onListElementClicked: (index) => {
            if (index === 0)
                page._AnimationSpeed = 800
            else if (index === 1)
                page._AnimationSpeed = 10
        }
    }

    DropdownList {
        id: soundList
        objectName: "soundList"
        x: 139
        y: skinList.y + skinList.height + 10
        mdItems: soundModel
        onListOpened: z = 1
        onListClosed: z = 0
        onListElementClicked: (index) => {
            if (index === 0) {
                ui_View.setEnableAudio(true)
                ui_View.playMedia_Index(0)
            } else if (index === 1) {
                ui_View.setEnableAudio(false)
                ui_View.clearAllMedia()
            }
        }
    }

    DropdownList {
        id: skinList
        objectName: "skinList"
        x: 139
        y: page.isSkinShow ? 22 : 11
        visible: page.isSkinShow
        mdItems: skinModel
        onListOpened: z = 1
        onListClosed: z = 0
        onListElementClicked: (index) => {
            page.skin_No = index + 1
            mainIten.setSkin()
        }
    }
}
