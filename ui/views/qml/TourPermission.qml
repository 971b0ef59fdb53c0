import QtQuick
import Tocko.Theme
import Tocko.Views

// Step 2: the permission to hear the keyboard.
TourStep {
    id: step
    readonly property bool granted: app ? app.permissionGranted : false
    stage: SettingsCardMock {
        anchors.centerIn: parent
        granted: step.granted
        scale: 0.86
    }

    Eyebrow { text: qsTranslate("Tocko", "One quick setting") }
    Heading {
        objectName: "heading"
        source: qsTranslate("Tocko", "Turn on typing feedback")
        size: 30
    }
    BodyText {
        source: qsTranslate("Tocko", "Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.")
        size: 14
    }
    Note {
        text: qsTranslate("Tocko", "Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.")
    }
    InputAccessNote {
        objectName: "inputAccessNote"
        width: parent.width
        app: step.app
    }
    Item {
        width: parent.width
        height: 36
        Row {
            objectName: "grantedLabel"
            visible: step.granted
            spacing: 6
            anchors.verticalCenter: parent.verticalCenter
            scale: visible ? 1 : 0.8
            opacity: visible ? 1 : 0
            Behavior on scale { enabled: !Motion.reduceMotion; NumberAnimation { duration: 200 } }
            Behavior on opacity { NumberAnimation { duration: 200 } }
            Symbol { name: "checkmark.circle.fill"; color: ViewStyle.green; size: 15; anchors.verticalCenter: parent.verticalCenter }
            Text {
                text: qsTranslate("Tocko", "Typing feedback is on. Try typing.")
                font.pixelSize: 13
                font.weight: Font.DemiBold
                color: ViewStyle.green
                anchors.verticalCenter: parent.verticalCenter
            }
        }
        TourButton {
            objectName: "openSettingsButton"
            visible: !step.granted
            buttonHeight: 36
            symbol: "gearshape"
            text: qsTranslate("Tocko", "Grant access…")
            onClicked: step.actions.turnOnTypingFeedback()
        }
    }
}
