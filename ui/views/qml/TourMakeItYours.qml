import QtQuick
import Tocko.Theme
import Tocko.Views

// Step 4: per-application rules and mouse clicks.
TourStep {
    id: step
    stage: StageCard {
        anchors.centerIn: parent
        width: 284
        spacing: 0
        Repeater {
            model: [
                {name: qsTranslate("Tocko", "Mail"), sound: "Soft", tone: "#2f7cf6"},
                {name: qsTranslate("Tocko", "Code editor"), sound: "Clicky", tone: "#9b51e0"},
                {name: qsTranslate("Tocko", "Spreadsheet"), sound: qsTranslate("Tocko", "Muted"), tone: "#27ae60"},
            ]
            delegate: Column {
                required property var modelData
                required property int index
                width: parent.width
                Divider { visible: index > 0 }
                Item {
                    width: parent.width
                    height: 42
                    Rectangle {
                        id: tile
                        width: 26
                        height: 26
                        radius: 7
                        color: modelData.tone
                        opacity: 0.75
                        anchors.verticalCenter: parent.verticalCenter
                    }
                    Text {
                        anchors.left: tile.right
                        anchors.leftMargin: 10
                        anchors.verticalCenter: parent.verticalCenter
                        text: modelData.name
                        font.pixelSize: 13
                        font.weight: Font.DemiBold
                        color: Theme.ink
                    }
                    Text {
                        anchors.right: parent.right
                        anchors.verticalCenter: parent.verticalCenter
                        text: modelData.sound
                        font.pixelSize: 12
                        color: Theme.inkSoft
                    }
                }
            }
        }
        Item { width: 1; height: 8 }
        Rectangle {
            width: parent.width
            // Long translations take a second line rather than being cut.
            height: Math.max(36, mouseLabel.implicitHeight + 12, mouseSound.implicitHeight + 12)
            radius: 8
            color: Theme.paper
            Symbol {
                id: mouseIcon
                x: 8
                name: "computermouse"
                size: 16
                color: Theme.deepTeal
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                id: mouseLabel
                anchors.left: mouseIcon.right
                anchors.leftMargin: 8
                anchors.right: mouseSound.left
                anchors.rightMargin: 8
                wrapMode: Text.Wrap
                anchors.verticalCenter: parent.verticalCenter
                text: qsTranslate("Tocko", "Mouse clicks")
                font.pixelSize: 13
                font.weight: Font.DemiBold
                color: Theme.ink
            }
            Text {
                id: mouseSound
                anchors.right: parent.right
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                width: Math.min(implicitWidth, parent.width * 0.45)
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignRight
                text: qsTranslate("Tocko", "Same as keyboard")
                font.pixelSize: 12
                color: Theme.inkSoft
            }
        }
        Item { width: 1; height: 4 }
    }

    Eyebrow { text: qsTranslate("Tocko", "Tips · 1 of 2") }
    Heading {
        objectName: "heading"
        source: qsTranslate("Tocko", "Make it yours")
        size: 30
    }
    Tip {
        icon: "square.grid.2x2"
        title: qsTranslate("Tocko", "A sound for every app")
        text: qsTranslate("Tocko", "Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.")
    }
    Tip {
        icon: "computermouse"
        title: qsTranslate("Tocko", "Clicks can tock too")
        text: qsTranslate("Tocko", "Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.")
    }
}
