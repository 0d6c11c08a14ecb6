import QtQuick

// The background: the skin's picture (or the user's own) under the frame.
Item {
    width: 1000
    height: 600

    Image {
        anchors.fill: parent
        fillMode: Image.Stretch
        source: isCustomBackground ? sourceCustomBackground : sourceBackground
    }

    Image {
        x: 0
        y: 0
        source: sourceFrameBackground
    }
}
