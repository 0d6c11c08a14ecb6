import QtQuick

// The pulsing "LOADING ......" text shown while the scene is protected.
Item {
    id: busy
    property bool isBusy: false
    width: label.width
    height: label.height
    visible: isBusy

    function setBusy(_isBusy) {
        isBusy = _isBusy
    }

    Text {
        id: label
        text: "LOADING ......"
        font.family: globalSetting_fontFamily
        font.bold: true
        font.pixelSize: globalSetting_size
        color: globalSetting_color

        SequentialAnimation on opacity {
            running: busy.isBusy
            loops: Animation.Infinite
            NumberAnimation { from: 1.0; to: 0.2; duration: 400 }
            NumberAnimation { from: 0.2; to: 1.0; duration: 400 }
        }
    }
}
