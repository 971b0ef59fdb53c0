import QtQuick
import Tocko.Theme
import Tocko.Views

// Step 3: choosing and trying the default sound.
TourStep {
    id: step
    stage: Column {
        anchors.centerIn: parent
        spacing: 22
        AnimatedKeycap {
            size: 140
            anchors.horizontalCenter: parent.horizontalCenter
        }
        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            width: packName.implicitWidth + 28 + 14
            height: 30
            radius: 15
            color: Theme.card
            border.color: ViewStyle.withAlpha(Theme.ink, 0.14)
            Row {
                anchors.centerIn: parent
                spacing: 6
                Rectangle { width: 8; height: 8; radius: 4; color: Theme.accent; anchors.verticalCenter: parent.verticalCenter }
                Text {
                    id: packName
                    objectName: "stagePackName"
                    text: step.context ? Packs.displayName(step.context.defaultProfile.pack) : ""
                    font.pixelSize: 13
                    font.weight: Font.DemiBold
                    color: Theme.ink
                    anchors.verticalCenter: parent.verticalCenter
                }
            }
        }
    }

    Eyebrow { text: qsTranslate("Tocko", "28 packs · 5 styles") }
    Heading {
        objectName: "heading"
        source: qsTranslate("Tocko", "Pick your sound")
        size: 30
    }
    PackPicker {
        objectName: "packPicker"
        app: step.app
        context: step.context
        actions: step.actions
    }
    SoundTryField {
        objectName: "tryField"
        app: step.app
        context: step.context
        actions: step.actions
    }
    ToggleSwitch {
        objectName: "releaseSoundsSwitch"
        text: qsTranslate("Tocko", "Sound on key release")
        value: step.app ? step.app.releaseSounds : true
        onFlipped: function(on) { step.app.releaseSounds = on }
    }
    BodyText {
        source: qsTranslate("Tocko", "This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.")
        size: 13
    }
}
