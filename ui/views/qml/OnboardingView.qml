import QtQuick
import QtQuick.Templates as T
import Tocko.Theme
import Tocko.Views

// The first-run tour: six steps under a progress row, with Back and the
// step's primary button in the footer.
Rectangle {
    id: root
    objectName: "onboardingView"

    property var app
    property ContextModel context
    property ViewActions actions
    property int startStep: 0
    property bool trayPresent: true  // the desktop shows tray icons
    property bool reduceMotion: Motion.reduceMotion
    signal finish()

    readonly property int stepCount: 6
    property int index: Math.max(0, Math.min(stepCount - 1, startStep))
    property bool forward: true
    readonly property var steps: ["welcome", "permission", "sound", "makeItYours", "hush", "menuBar"]
    readonly property string step: steps[index]
    readonly property bool granted: app ? app.permissionGranted : false

    function move(d) {
        forward = d > 0
        index = Math.max(0, Math.min(stepCount - 1, index + d))
    }
    function pad2(n) { return (n < 10 ? "0" : "") + n }
    function primaryLabel() {
        switch (step) {
        case "welcome": return qsTranslate("Tocko", "Let’s set it up")
        case "permission": return granted ? qsTranslate("Tocko", "Continue") : qsTranslate("Tocko", "Skip for now")
        case "menuBar": return qsTranslate("Tocko", "Start tocking")
        default: return qsTranslate("Tocko", "Continue")
        }
    }
    function primary() {
        if (step === "menuBar") finish()
        else move(1)
    }
    function stepComponent(name) {
        switch (name) {
        case "welcome": return welcome
        case "permission": return permission
        case "sound": return sound
        case "makeItYours": return makeItYours
        case "hush": return hush
        default: return menuBar
        }
    }

    width: 760
    height: 520
    color: Theme.card
    palette.highlight: Theme.accent
    focus: true

    Keys.onReturnPressed: if (step === "menuBar") finish()
    Keys.onEnterPressed: if (step === "menuBar") finish()

    property bool ready: false
    Component.onCompleted: ready = true
    // `step` may not have followed `index` yet when this runs.
    onIndexChanged: if (ready) stack.replace(stepComponent(steps[index]), {}, T.StackView.Transition)

    // 1. Progress
    Row {
        id: progress
        objectName: "progress"
        x: 28
        y: 36
        width: parent.width - 56
        height: 3
        spacing: 4
        Repeater {
            model: root.stepCount
            Rectangle {
                required property int index
                objectName: "segment" + index
                width: (progress.width - 4 * (root.stepCount - 1)) / root.stepCount
                height: 3
                radius: 1.5
                color: index <= root.index ? Theme.accent : ViewStyle.withAlpha(Theme.accent, 0.18)
                Behavior on color { ColorAnimation { duration: 250; easing.type: Easing.OutQuad } }
            }
        }
    }

    // 2. Content
    T.StackView {
        id: stack
        objectName: "stepStack"
        x: 0
        y: progress.y + progress.height + 10
        width: parent.width
        height: footer.y - y
        clip: true
        initialItem: root.stepComponent(root.step)

        readonly property int duration: root.reduceMotion ? 150 : 420
        readonly property real shift: root.reduceMotion ? 0 : (root.forward ? 60 : -60)

        replaceEnter: Transition {
            ParallelAnimation {
                NumberAnimation { property: "x"; from: stack.shift; to: 0; duration: stack.duration; easing.type: root.reduceMotion ? Easing.OutQuad : Easing.OutCubic }
                NumberAnimation { property: "opacity"; from: 0; to: 1; duration: stack.duration; easing.type: Easing.OutQuad }
            }
        }
        replaceExit: Transition {
            NumberAnimation { property: "opacity"; from: 1; to: 0; duration: stack.duration * 0.6; easing.type: Easing.OutQuad }
        }
    }

    Component { id: welcome; TourWelcome { app: root.app; context: root.context; actions: root.actions } }
    Component { id: permission; TourPermission { app: root.app; context: root.context; actions: root.actions } }
    Component { id: sound; TourSound { app: root.app; context: root.context; actions: root.actions } }
    Component { id: makeItYours; TourMakeItYours { app: root.app; context: root.context; actions: root.actions } }
    Component { id: hush; TourHush { app: root.app; context: root.context; actions: root.actions } }
    Component { id: menuBar; TourMenuBar { app: root.app; context: root.context; actions: root.actions; trayPresent: root.trayPresent } }

    // 3. Footer
    Item {
        id: footer
        y: parent.height - height
        width: parent.width
        height: 64
        Text {
            objectName: "stepCounter"
            x: 28
            anchors.verticalCenter: parent.verticalCenter
            text: root.pad2(root.index + 1) + " / " + root.pad2(root.stepCount)
            font.family: Theme.monoFont(11).family
            font.pixelSize: 11
            font.letterSpacing: 1.2
            color: ViewStyle.withAlpha(Theme.inkSoft, 0.8 * Theme.inkSoft.a)
        }
        Row {
            anchors.right: parent.right
            anchors.rightMargin: 28
            anchors.verticalCenter: parent.verticalCenter
            spacing: 10
            TourButton {
                objectName: "backButton"
                visible: root.index > 0
                prominent: false
                buttonHeight: 32
                text: qsTranslate("Tocko", "Back")
                onClicked: root.move(-1)
            }
            TourButton {
                id: primaryButton
                objectName: "primaryButton"
                prominent: !(root.step === "permission" && !root.granted)
                buttonHeight: 32
                text: root.primaryLabel()
                focus: root.step === "menuBar"
                onClicked: root.primary()
            }
        }
    }
}
