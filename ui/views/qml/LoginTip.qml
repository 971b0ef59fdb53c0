import QtQuick
import Tocko.Theme
import Tocko.Views

// Starting at login, with its switch.
Rectangle {
    id: tip
    property var app
    width: Math.min(380, parent ? parent.width : 380)
    height: row.implicitHeight + 24
    radius: 12
    color: Theme.paper

    Row {
        id: row
        x: 12
        y: 12
        width: parent.width - 24
        spacing: 12
        IconTile { symbol: "power" }
        Column {
            width: row.width - 44
            spacing: 4
            Text {
                width: parent.width
                wrapMode: Text.Wrap
                text: qsTranslate("Tocko", "Start when you log in")
                font.pixelSize: 14
                font.weight: Font.Bold
                color: Theme.ink
            }
            BrandText {
                width: parent.width
                wrapMode: Text.Wrap
                source: qsTranslate("Tocko", "Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.")
                size: 12.5
                color: Theme.inkSoft
            }
            Item { width: 1; height: 2 }
            ToggleSwitch {
                objectName: "loginSwitch"
                small: true
                width: implicitWidth
                text: qsTranslate("Tocko", "Open at Login")
                fontSize: 12.5
                labelWeight: Font.DemiBold
                value: tip.app ? tip.app.launchAtLogin : false
                onFlipped: function(on) { tip.app.launchAtLogin = on }
            }
        }
    }
}
