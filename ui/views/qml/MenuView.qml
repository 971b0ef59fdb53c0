import QtQuick
import QtQuick.Templates as T
import Tocko.Theme
import Tocko.Views

// The panel under the tray icon: pack and volume of the profile in force,
// the master switch, what the context engine is doing, the states that
// block sound, snooze, and the application's commands.
Rectangle {
    id: root
    objectName: "menuView"

    property var app                 // the application state
    property ContextModel context
    property var updater: null       // {canCheckForUpdates}; none: updates unavailable
    property ViewActions actions

    readonly property var edited: context ? context.editedProfile : ({})
    readonly property string frontName: app && app.frontmostStatus === "unavailable"
        ? qsTranslate("Tocko", "not available on this desktop")
        : app && app.frontmostStatus === "gnome-extension"
        ? qsTranslate("Tocko", "needs the Tocko GNOME Shell extension")
        : context ? (context.currentAppName || context.currentBundleID || "—") : "—"
    readonly property string holder: app && app.secureInputHolder
        ? app.secureInputHolder : qsTranslate("Tocko", "an app")

    // Compared with the snooze end whenever the panel or the snooze changes;
    // ticks only while a countdown shows.
    property date now: new Date()
    readonly property bool snoozing: context !== null && !isNaN(context.snoozeUntil.getTime())
        && context.snoozeUntil > now

    function packEntries() {
        void Packs.revision  // lists again when imported packs change
        return Packs.pickerEntries().map(function(e) {
            return e.kind === "header" ? {kind: "header", text: qsTranslate("Tocko", e.text)} : e
        })
    }
    function contextLine() {
        if (!context) return frontName
        if (context.effectivePlays) return frontName + " · " + Packs.displayName(context.effectivePack)
        if (context.autoMuteOnCalls && context.micActive)
            return qsTranslate("Tocko", "%1 · muted (call)").arg(frontName)
        return qsTranslate("Tocko", "%1 · silent").arg(frontName)
    }
    function countdown() {
        const left = Math.max(0, Math.ceil((context.snoozeUntil.getTime() - now.getTime()) / 1000))
        const h = Math.floor(left / 3600), m = Math.floor(left % 3600 / 60), s = left % 60
        const ss = (s < 10 ? "0" : "") + s
        return h > 0 ? h + ":" + (m < 10 ? "0" : "") + m + ":" + ss : m + ":" + ss
    }

    width: 260
    implicitWidth: 260
    implicitHeight: column.implicitHeight + 28
    color: Theme.paper
    palette.highlight: Theme.accent

    onVisibleChanged: if (visible) now = new Date()
    Connections {
        target: root.context
        function onChanged() { root.now = new Date() }
    }
    Timer {
        interval: 1000
        repeat: true
        running: root.snoozing && root.visible
        onTriggered: root.now = new Date()
    }

    Column {
        id: column
        x: 14
        y: 14
        width: parent.width - 28
        spacing: 12

        // 1. Install warning
        Column {
            objectName: "installBlock"
            visible: root.app ? root.app.needsInstall : false
            width: parent.width
            spacing: 6
            Row {
                width: parent.width
                spacing: 6
                Symbol { name: "exclamationmark.triangle.fill"; color: Theme.amber; size: 13 }
                Text {
                    width: parent.width - 19
                    text: qsTranslate("Tocko", "Tocko is not installed — it runs from this folder, and the login item would start it from here.")
                    font.pixelSize: ViewStyle.caption
                    color: Theme.ink
                    wrapMode: Text.Wrap
                }
            }
            PlainButton {
                objectName: "revealButton"
                text: qsTranslate("Tocko", "Open Folder")
                fontSize: ViewStyle.caption
                tint: Theme.accent
                onClicked: root.actions.revealApp()
            }
            Item { width: 1; height: 6 }
            Divider {}
        }

        // 2. Header
        BrandText {
            objectName: "header"
            source: qsTranslate("Tocko", "Tocko")
            size: 20
            font: Theme.displayFont(20)
            color: Theme.ink
            Accessible.name: "Tocko"
        }

        // 3. Heading of the pack chooser
        Text {
            objectName: "packHeading"
            width: parent.width
            elide: Text.ElideRight
            text: root.context && root.context.editingRule
                ? qsTranslate("Tocko", "Sound for %1").arg(root.context.currentAppName || root.context.currentBundleID)
                : qsTranslate("Tocko", "Default Sound")
            font: Theme.monoFont(10)
            color: Theme.inkSoft
        }

        // 4. Pack chooser
        MenuPicker {
            objectName: "packPicker"
            width: parent.width
            entries: root.packEntries()
            currentValue: root.edited.pack
            onActivated: function(value) { root.context.setEditedPack(value) }
        }

        // 5. Volume
        Row {
            width: parent.width
            spacing: 4
            Symbol {
                name: "speaker.fill"; size: ViewStyle.caption2; color: ViewStyle.secondary
                anchors.verticalCenter: parent.verticalCenter
            }
            ValueSlider {
                objectName: "volumeSlider"
                width: parent.width - 2 * (ViewStyle.caption2 + 4) - 2
                anchors.verticalCenter: parent.verticalCenter
                stepSize: 0.05
                snapMode: T.Slider.SnapAlways
                modelValue: root.edited.volume !== undefined ? root.edited.volume : 0
                onEdited: function(v) { root.context.setEditedVolume(v) }
            }
            Symbol {
                name: "speaker.wave.3.fill"; size: ViewStyle.caption2 + 2; color: ViewStyle.secondary
                anchors.verticalCenter: parent.verticalCenter
            }
        }

        // 6. Master switch
        ToggleSwitch {
            objectName: "enableSwitch"
            text: qsTranslate("Tocko", "Enable clicks")
            value: root.app ? root.app.isEnabled : false
            enabled: root.app ? (root.app.permissionGranted || root.app.permissionPartial === true) : false
            onFlipped: function(on) { root.app.isEnabled = on }
        }

        // 7. Context
        Row {
            width: parent.width
            spacing: 6
            Symbol {
                objectName: "contextSymbol"
                name: root.context && root.context.micActive ? "mic.fill" : "app.badge"
                size: 12
                color: Theme.inkSoft
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                objectName: "contextLine"
                width: parent.width - 18
                text: root.contextLine()
                font: Theme.monoFont(11)
                color: Theme.inkSoft
                elide: Text.ElideRight
                maximumLineCount: 1
                anchors.verticalCenter: parent.verticalCenter
            }
        }

        // 8. Output device
        Text {
            objectName: "outputLine"
            width: parent.width
            elide: Text.ElideRight
            text: qsTranslate("Tocko", "Output: %1").arg(root.app ? root.app.currentOutputDevice : "")
            font: Theme.monoFont(10)
            color: Theme.inkSoft
        }

        Divider {}

        // 10. Permission
        Row {
            objectName: "permissionOn"
            visible: root.app ? root.app.permissionGranted : false
            spacing: 6
            Symbol { name: "checkmark.seal.fill"; color: ViewStyle.green; size: 13 }
            Text {
                text: qsTranslate("Tocko", "Typing feedback: On")
                font.pixelSize: ViewStyle.caption
                color: ViewStyle.secondary
                anchors.verticalCenter: parent.verticalCenter
            }
        }
        Column {
            objectName: "permissionMissing"
            visible: root.app ? !root.app.permissionGranted : true
            width: parent.width
            spacing: 8
            Row {
                width: parent.width
                spacing: 6
                Symbol { name: "exclamationmark.triangle.fill"; color: ViewStyle.orange; size: 13 }
                Text {
                    width: parent.width - 19
                    text: qsTranslate("Tocko", "Typing feedback needs permission")
                    font.pixelSize: ViewStyle.caption
                    color: ViewStyle.secondary
                    wrapMode: Text.Wrap
                    anchors.verticalCenter: parent.verticalCenter
                }
            }
            InputAccessNote {
                objectName: "inputAccessNote"
                width: parent.width
                app: root.app
            }
            PlainButton {
                objectName: "turnOnButton"
                visible: !(root.app && root.app.permissionPartial === true)
                text: qsTranslate("Tocko", "Turn On Typing Feedback…")
                tint: Theme.accent
                onClicked: root.actions.turnOnTypingFeedback()
            }
            PlainButton {
                objectName: "grantButton"
                visible: root.app !== null && root.app.permissionPartial === true
                enabled: !(root.app && root.app.inputAccessGrant === 1)
                text: qsTranslate("Tocko", "Grant access…")
                tint: Theme.accent
                onClicked: root.actions.grantInputAccess()
            }
        }

        // 11. Relaunch
        Column {
            objectName: "relaunchBlock"
            visible: root.app ? root.app.needsRelaunchToActivate : false
            width: parent.width
            spacing: 8
            Row {
                width: parent.width
                spacing: 6
                Symbol { name: "exclamationmark.triangle.fill"; color: Theme.amber; size: 13 }
                Text {
                    width: parent.width - 19
                    text: qsTranslate("Tocko", "Quit and reopen Tocko to activate sounds.")
                    font.pixelSize: ViewStyle.caption
                    color: Theme.ink
                    wrapMode: Text.Wrap
                }
            }
            PlainButton {
                objectName: "relaunchButton"
                text: qsTranslate("Tocko", "Relaunch")
                tint: Theme.accent
                onClicked: root.actions.relaunch()
            }
        }

        // 12. Secure input
        Column {
            objectName: "secureInputBlock"
            visible: root.app ? root.app.secureInputActive : false
            width: parent.width
            spacing: 6
            Row {
                width: parent.width
                spacing: 6
                Symbol { name: "exclamationmark.triangle.fill"; color: Theme.amber; size: 13 }
                Text {
                    objectName: "secureInputText"
                    width: parent.width - 19
                    text: qsTranslate("Tocko", "Keyboard sounds are paused — %1 is asking for a password.").arg(root.holder)
                    font.pixelSize: ViewStyle.caption
                    color: Theme.ink
                    wrapMode: Text.Wrap
                }
            }
            Text {
                objectName: "secureInputHint"
                width: parent.width
                text: qsTranslate("Tocko", "Quit %1 or click outside its password field. Mouse clicks still work.").arg(root.holder)
                font: Theme.monoFont(9)
                color: Theme.inkSoft
                wrapMode: Text.Wrap
            }
        }

        // 13. Test sound
        PlainButton {
            objectName: "testSoundButton"
            fill: true
            symbol: "speaker.wave.2.fill"
            text: qsTranslate("Tocko", "Test Sound")
            onClicked: root.actions.testSound()
        }

        // 14. Snooze
        Item {
            objectName: "snoozeRow"
            visible: root.snoozing
            width: parent.width
            height: 24
            Row {
                x: 6
                spacing: 6
                anchors.verticalCenter: parent.verticalCenter
                Symbol { name: "timer"; color: ViewStyle.orange; size: 13; anchors.verticalCenter: parent.verticalCenter }
                Text {
                    text: qsTranslate("Tocko", "Muted —")
                    font.pixelSize: ViewStyle.caption
                    color: ViewStyle.secondary
                    anchors.verticalCenter: parent.verticalCenter
                }
                Text {
                    objectName: "snoozeCountdown"
                    text: root.snoozing ? root.countdown() : ""
                    font.pixelSize: ViewStyle.caption
                    color: ViewStyle.secondary
                    anchors.verticalCenter: parent.verticalCenter
                }
                PlainButton {
                    objectName: "unmuteButton"
                    text: qsTranslate("Tocko", "Unmute")
                    fontSize: ViewStyle.caption
                    tint: Theme.accent
                    anchors.verticalCenter: parent.verticalCenter
                    onClicked: root.context.cancelSnooze()
                }
            }
        }
        PlainButton {
            objectName: "snoozeButton"
            visible: !root.snoozing
            fill: true
            symbol: "timer"
            text: qsTranslate("Tocko", "Mute for 10 min")
            onClicked: root.context.snooze(10)
        }

        // 15.–17. Commands
        PlainButton {
            objectName: "diagnosticsButton"
            fill: true
            symbol: "doc.on.clipboard"
            text: qsTranslate("Tocko", "Copy Diagnostics")
            onClicked: root.actions.copyDiagnostics()
        }
        PlainButton {
            objectName: "settingsButton"
            fill: true
            symbol: "gearshape"
            text: qsTranslate("Tocko", "Settings")
            onClicked: root.actions.openSettings()
        }
        PlainButton {
            objectName: "updatesButton"
            fill: true
            symbol: "arrow.down.circle"
            text: qsTranslate("Tocko", "Check for Updates…")
            enabled: root.updater ? root.updater.canCheckForUpdates : false
            onClicked: root.actions.checkForUpdates()
        }

        Divider {}

        PlainButton {
            objectName: "quitButton"
            fill: true
            symbol: "power"
            text: qsTranslate("Tocko", "Quit Tocko")
            onClicked: root.actions.quit()
        }

        // 20. Footer (not translated)
        Text {
            objectName: "footer"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: root.actions ? root.actions.footer : ""
            font: Theme.monoFont(9)
            color: ViewStyle.tertiary
        }
    }
}
