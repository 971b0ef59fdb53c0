import QtQuick
import Tocko.Theme
import Tocko.Views

// Tocko's access to the keyboard and mouse devices, with its switch on once
// access is granted.
Item {
    id: mock
    property bool granted: false
    width: 330
    height: column.implicitHeight + 28

    SoftShadow {
        anchors.fill: parent
        color: Theme.ink
        radius: 12
        blur: 16
        offsetY: 10
        strength: 0.14
    }
    Rectangle {
        anchors.fill: parent
        radius: 12
        color: Theme.card
        border.color: ViewStyle.withAlpha(Theme.ink, 0.10)
    }
    Column {
        id: column
        x: 16
        y: 14
        width: parent.width - 32
        spacing: 12
        Text {
            width: parent.width
            text: qsTranslate("Tocko", "Input devices › Keyboards and mice")
            font.pixelSize: 11
            color: Theme.inkSoft
            wrapMode: Text.Wrap
        }
        Item {
            width: parent.width
            height: Math.max(38, texts.implicitHeight)
            Image {
                id: logo
                source: Brand.keycapSource(35)
                width: Brand.keycapSide(35)
                height: width
                anchors.verticalCenter: parent.verticalCenter
                smooth: true
            }
            Column {
                id: texts
                anchors.left: logo.right
                anchors.leftMargin: 10
                // Long translations wrap before the switch instead of running under it.
                anchors.right: mockSwitch.left
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                spacing: 1
                Text {
                    text: qsTranslate("Tocko", "Tocko")
                    font.pixelSize: 13
                    font.weight: Font.DemiBold
                    color: Theme.ink
                }
                Text {
                    width: parent.width
                    text: qsTranslate("Tocko", "Allows key sounds in every app")
                    font.pixelSize: 11
                    color: Theme.inkSoft
                    wrapMode: Text.Wrap
                }
            }
            MockSwitch {
                id: mockSwitch
                objectName: "mockSwitch"
                on: mock.granted
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
            }
        }
    }
}
