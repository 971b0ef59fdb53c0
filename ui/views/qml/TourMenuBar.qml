import QtQuick
import Tocko.Theme
import Tocko.Views

// Step 6: where the application lives, and starting at login. On a desktop
// that shows no tray icons it says where the quick controls open instead.
TourStep {
    id: step
    property bool trayPresent: true
    stage: Column {
        anchors.centerIn: parent
        spacing: 10
        Rectangle {
            // a strip of the top bar, with the tray icon
            visible: step.trayPresent
            width: 250
            height: 26
            radius: 7
            color: Theme.card
            border.color: ViewStyle.withAlpha(Theme.ink, 0.10)
            Row {
                anchors.right: parent.right
                anchors.rightMargin: 10
                anchors.verticalCenter: parent.verticalCenter
                spacing: 10
                Image {
                    source: Brand.keycapSource(20)
                    width: Brand.keycapSide(20)
                    height: width
                    anchors.verticalCenter: parent.verticalCenter
                }
                Symbol { name: "battery.75percent"; size: 18; color: Theme.ink; anchors.verticalCenter: parent.verticalCenter }
                Text {
                    text: "9:41"
                    font.pixelSize: 12
                    font.weight: Font.DemiBold
                    color: Theme.ink
                    anchors.verticalCenter: parent.verticalCenter
                }
            }
        }
        Item {
            // the live panel, scaled from its top-trailing corner
            width: 250
            height: 300
            Item {
                anchors.right: parent.right
                anchors.rightMargin: 14
                width: 162
                height: 300
                clip: true
                MenuView {
                    objectName: "menuCopy"
                    app: step.app
                    context: step.context
                    actions: step.actions
                    anchors.right: parent.right
                    scale: 0.62
                    transformOrigin: Item.TopRight
                }
                MouseArea {
                    // a picture of the panel: it follows the state but takes no clicks
                    anchors.fill: parent
                    acceptedButtons: Qt.AllButtons
                }
            }
        }
    }

    Eyebrow { text: qsTranslate("Tocko", "You’re all set") }
    Heading {
        objectName: "heading"
        source: step.trayPresent ? qsTranslate("Tocko", "Tocko lives in your system tray")
                                 : qsTranslate("Tocko", "Tocko keeps running in the background")
        size: 30
    }
    BodyText {
        source: step.trayPresent
                ? qsTranslate("Tocko", "Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.")
                : qsTranslate("Tocko", "Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.")
        size: 14
    }
    LoginTip {
        objectName: "loginTip"
        app: step.app
    }
}
