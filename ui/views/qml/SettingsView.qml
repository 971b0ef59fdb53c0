import QtQuick
import QtQuick.Templates as T
import Tocko.Theme
import Tocko.Views

// The Settings window's form: language, general switches, mouse clicks,
// live status, the default profile, the per-application rules and
// uninstalling.
Rectangle {
    id: root
    objectName: "settingsView"

    property var app
    property ContextModel context
    property ViewActions actions

    property string newBundleID: ""
    property string selectedRunningApp: ""
    property var runningEntries: []

    function styleSections() {
        void Packs.revision  // lists again when imported packs change
        return Packs.pickerEntries().map(function(e) {
            return e.kind === "header" ? {kind: "header", text: qsTranslate("Tocko", e.text)} : e
        })
    }
    function languageEntries() {
        const entries = [{kind: "item", value: "system",
                          text: qsTranslate("Tocko", "System default (%1)").arg(Localization.systemDefaultName)},
                         {kind: "divider"}]
        for (const l of Localization.languages) entries.push({kind: "item", value: l.value, text: l.name})
        return entries
    }
    function mouseEntries() {
        return [{kind: "item", value: "off", text: qsTranslate("Tocko", "Off")},
                {kind: "item", value: "same", text: qsTranslate("Tocko", "Same as keyboard")}]
            .concat(styleSections())
    }
    // The running applications; the picker puts "Choose…" before them in a
    // binding of its own, so that a language switch retranslates it.
    function refreshRunningApps() {
        const entries = []
        for (const a of runningApps.list()) entries.push({kind: "item", value: a.bundleID, text: a.name})
        runningEntries = entries
    }
    function effectiveText() {
        if (!context || !context.effectivePlays) return qsTranslate("Tocko", "Silent")
        return Packs.displayName(context.effectivePack) + " @ "
            + Math.floor(context.effectiveVolume * 100 + 1e-9) + "%"
    }
    function addSelectedRunningApp() {
        const id = selectedRunningApp
        if (id === "") return
        context.addRule(id, runningApps.nameFor(id))
        selectedRunningApp = ""
    }
    function addTypedBundleID() {
        const id = newBundleID.trim()
        if (id === "") return
        context.addRule(id, runningApps.nameFor(id))
        newBundleID = ""
    }

    implicitWidth: 480
    implicitHeight: 600
    width: 480
    height: 600
    color: Theme.paper
    palette.highlight: Theme.accent

    MouseSoundSetting { id: mouseSound }
    RunningApps { id: runningApps }
    Component.onCompleted: refreshRunningApps()

    T.ScrollView {
        id: scroll
        objectName: "settingsScroll"
        anchors.fill: parent
        contentWidth: availableWidth
        clip: true

        // A thin bar at the trailing edge, shown while the form moves.
        T.ScrollBar.vertical: T.ScrollBar {
            id: bar
            parent: scroll
            x: scroll.mirrored ? 0 : scroll.width - width
            y: scroll.topPadding
            height: scroll.availableHeight
            padding: 2
            minimumSize: width / height
            implicitWidth: implicitContentWidth + leftPadding + rightPadding
            contentItem: Rectangle {
                implicitWidth: 6
                radius: 3
                color: ViewStyle.withAlpha(Theme.ink, bar.pressed ? 0.45 : 0.3)
                opacity: bar.active && bar.size < 1.0 ? 1 : 0
                Behavior on opacity { NumberAnimation { duration: 200 } }
            }
        }

        Column {
            id: form
            x: 20
            width: scroll.availableWidth - 40
            spacing: 18
            topPadding: 18
            bottomPadding: 20

            // 1. Language
            FormSection {
                title: qsTranslate("Tocko", "Language")
                FormRow {
                    label: qsTranslate("Tocko", "Language")
                    MenuPicker {
                        objectName: "languagePicker"
                        width: 210
                        entries: root.languageEntries()
                        currentValue: Localization.language
                        onActivated: function(value) { Localization.language = value }
                    }
                }
                PlainButton {
                    objectName: "tourButton"
                    text: qsTranslate("Tocko", "Show welcome tour")
                    tint: Theme.accent
                    onClicked: root.actions.showOnboarding()
                }
            }

            // 2. General
            FormSection {
                title: qsTranslate("Tocko", "General")
                ToggleSwitch {
                    objectName: "enableSwitch"
                    text: qsTranslate("Tocko", "Enable Tocko")
                    value: root.app ? root.app.isEnabled : false
                    enabled: root.app ? (root.app.permissionGranted || root.app.permissionPartial === true) : false
                    onFlipped: function(on) { root.app.isEnabled = on }
                }
                ToggleSwitch {
                    objectName: "autoMuteSwitch"
                    text: qsTranslate("Tocko", "Auto-mute during calls (microphone in use)")
                    value: root.context ? root.context.autoMuteOnCalls : false
                    onFlipped: function(on) { root.context.autoMuteOnCalls = on }
                }
                ToggleSwitch {
                    objectName: "releaseSoundsSwitch"
                    text: qsTranslate("Tocko", "Sound on key release")
                    value: root.app ? root.app.releaseSounds : true
                    onFlipped: function(on) { root.app.releaseSounds = on }
                }
                ToggleSwitch {
                    objectName: "loginSwitch"
                    text: qsTranslate("Tocko", "Launch Tocko at login")
                    value: root.app ? root.app.launchAtLogin : false
                    onFlipped: function(on) { root.app.launchAtLogin = on }
                }
                Text {
                    objectName: "permissionHint"
                    visible: root.app ? !root.app.permissionGranted && root.app.permissionPartial !== true : true
                    width: parent.width
                    wrapMode: Text.Wrap
                    text: qsTranslate("Tocko", "Typing feedback is off. Click the Tocko icon in the system tray to turn it on.")
                    font.pixelSize: ViewStyle.caption
                    color: ViewStyle.secondary
                }
                InputAccessNote {
                    objectName: "inputAccessNote"
                    width: parent.width
                    app: root.app
                }
                PlainButton {
                    objectName: "grantButton"
                    visible: root.app ? !root.app.permissionGranted : true
                    enabled: !(root.app && root.app.inputAccessGrant === 1)
                    text: qsTranslate("Tocko", "Grant access…")
                    tint: Theme.accent
                    onClicked: root.actions.grantInputAccess()
                }
            }

            // 3. Mouse clicks
            FormSection {
                title: qsTranslate("Tocko", "Mouse clicks")
                FormRow {
                    label: qsTranslate("Tocko", "Sound")
                    MenuPicker {
                        objectName: "mousePicker"
                        width: 240
                        entries: root.mouseEntries()
                        currentValue: mouseSound.choice
                        onActivated: function(value) { mouseSound.choice = value }
                    }
                }
            }

            // The user's own packs
            FormSection {
                id: userPacksSection
                objectName: "userPacksSection"
                title: qsTranslate("Tocko", "My Packs")
                readonly property var library: root.app && root.app.userPacks ? root.app.userPacks : null
                Repeater {
                    model: userPacksSection.library ? userPacksSection.library.packs : []
                    delegate: FormRow {
                        required property var modelData
                        objectName: "userPack:" + modelData.id
                        label: modelData.name
                        PlainButton {
                            objectName: "removePack"
                            text: qsTranslate("Tocko", "Remove")
                            tint: ViewStyle.red
                            onClicked: userPacksSection.library.remove(modelData.id)
                        }
                    }
                }
                PlainButton {
                    objectName: "importPackButton"
                    text: qsTranslate("Tocko", "Import Pack…")
                    tint: Theme.accent
                    enabled: !(userPacksSection.library && userPacksSection.library.importing)
                    onClicked: root.actions.importPack()
                }
                Text {
                    objectName: "userPacksNote"
                    readonly property var library: userPacksSection.library
                    width: parent.width
                    wrapMode: Text.Wrap
                    font.pixelSize: ViewStyle.caption
                    color: library && library.lastError !== "" ? ViewStyle.red : ViewStyle.secondary
                    text: library && library.importing
                          ? qsTranslate("Tocko", "Importing… %1%").arg(library.progress)
                          : library && library.lastError !== ""
                            ? library.lastError
                            : qsTranslate("Tocko", "A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.")
                }
            }

            // 4. Status
            FormSection {
                title: qsTranslate("Tocko", "Status")
                StatusRow {
                    objectName: "currentApp"
                    label: qsTranslate("Tocko", "Current app")
                    value: root.app && root.app.frontmostStatus === "unavailable"
                        ? qsTranslate("Tocko", "not available on this desktop")
                        : root.app && root.app.frontmostStatus === "gnome-extension"
                        ? qsTranslate("Tocko", "needs the Tocko GNOME Shell extension")
                        : root.context ? (root.context.currentAppName || root.context.currentBundleID || "—") : "—"
                }
                FormButton {
                    objectName: "enableGnomeExtension"
                    visible: root.app ? root.app.frontmostStatus === "gnome-extension" : false
                    text: qsTranslate("Tocko", "Enable GNOME Shell Extension")
                    onClicked: root.app.enableGnomeExtension()
                }
                StatusRow {
                    objectName: "bundleID"
                    label: qsTranslate("Tocko", "App ID")
                    value: root.context ? (root.context.currentBundleID || "—") : "—"
                }
                StatusRow {
                    objectName: "microphone"
                    label: qsTranslate("Tocko", "Microphone in use")
                    value: root.context && root.context.micActive ? qsTranslate("Tocko", "Yes") : qsTranslate("Tocko", "No")
                }
                StatusRow {
                    objectName: "effective"
                    label: qsTranslate("Tocko", "Effective")
                    value: root.effectiveText()
                }
            }

            // 5. Default profile
            FormSection {
                title: qsTranslate("Tocko", "Default profile")
                ProfileEditor {
                    objectName: "defaultEditor"
                    profile: root.context ? root.context.defaultProfile : ({})
                    onEdited: function(p) { root.context.setDefaultProfile(p) }
                    onPreview: function(pack) { root.actions.preview(pack) }
                }
            }

            // 6. Per-app rules
            FormSection {
                title: qsTranslate("Tocko", "Per-app rules")
                Text {
                    objectName: "noRules"
                    visible: root.context ? root.context.rules.length === 0 : true
                    text: qsTranslate("Tocko", "No rules yet — add one below.")
                    font.pixelSize: ViewStyle.caption
                    color: ViewStyle.secondary
                }
                // Each rule ends with a divider; with no rules this one parts
                // the hint from "Add a rule".
                Divider {
                    objectName: "noRulesDivider"
                    visible: root.context ? root.context.rules.length === 0 : true
                }
                Repeater {
                    objectName: "rules"
                    model: root.context ? root.context.ruleIDs : []
                    delegate: Column {
                        id: ruleRow
                        required property string modelData
                        // The stored rule; the fallback only shows for the moment
                        // between a removal and the row going away.
                        readonly property var current: {
                            root.context.rules  // follow every change of the store
                            return root.context.ruleOr(modelData, {bundleID: modelData, displayName: modelData,
                                                                   pack: Packs.firstPack(), volume: 0, muted: false})
                        }
                        objectName: "rule:" + modelData
                        width: parent ? parent.width : 400
                        spacing: 6
                        topPadding: 4
                        bottomPadding: 4
                        Item {
                            width: parent.width
                            height: Math.max(ruleName.implicitHeight, 22)
                            Row {
                                spacing: 8
                                anchors.verticalCenter: parent.verticalCenter
                                Text {
                                    id: ruleName
                                    objectName: "ruleName"
                                    text: ruleRow.current.displayName
                                    font.pixelSize: ViewStyle.body
                                    font.weight: Font.DemiBold
                                    color: Theme.ink
                                    anchors.verticalCenter: parent.verticalCenter
                                }
                                PackBadge {
                                    pack: ruleRow.current.pack
                                    fontSize: 9
                                    anchors.verticalCenter: parent.verticalCenter
                                }
                            }
                            PlainButton {
                                objectName: "removeRule"
                                anchors.right: parent.right
                                anchors.verticalCenter: parent.verticalCenter
                                symbol: "trash"
                                tint: ViewStyle.red
                                Accessible.name: qsTranslate("Tocko", "Remove")
                                onClicked: root.context.removeRule(ruleRow.modelData)
                            }
                        }
                        Text {
                            text: ruleRow.modelData
                            font.pixelSize: ViewStyle.caption
                            color: ViewStyle.secondary
                        }
                        ProfileEditor {
                            profile: ruleRow.current
                            onEdited: function(p) { root.context.upsertRule(p) }
                            onPreview: function(pack) { root.actions.preview(pack) }
                        }
                        Divider {}
                    }
                }
                Column {
                    width: parent.width
                    spacing: 8
                    Text {
                        text: qsTranslate("Tocko", "Add a rule")
                        font.pixelSize: ViewStyle.caption
                        color: ViewStyle.secondary
                    }
                    Item {
                        width: parent.width
                        height: 26
                        Text {
                            id: runningLabel
                            anchors.verticalCenter: parent.verticalCenter
                            text: qsTranslate("Tocko", "Running app")
                            color: Theme.ink
                            font.pixelSize: ViewStyle.body
                        }
                        MenuPicker {
                            objectName: "runningPicker"
                            anchors.left: runningLabel.right
                            anchors.leftMargin: 10
                            anchors.right: addRunning.left
                            anchors.rightMargin: 8
                            anchors.verticalCenter: parent.verticalCenter
                            entries: [{kind: "item", value: "", text: qsTranslate("Tocko", "Choose…")}]
                                .concat(root.runningEntries)
                            currentValue: root.selectedRunningApp
                            onAboutToOpen: root.refreshRunningApps()
                            onActivated: function(value) { root.selectedRunningApp = value }
                        }
                        FormButton {
                            id: addRunning
                            objectName: "addRunningButton"
                            anchors.right: parent.right
                            anchors.verticalCenter: parent.verticalCenter
                            text: qsTranslate("Tocko", "Add")
                            enabled: root.selectedRunningApp !== ""
                            onClicked: root.addSelectedRunningApp()
                        }
                    }
                    Item {
                        width: parent.width
                        height: 28
                        EntryField {
                            id: bundleField
                            objectName: "bundleField"
                            anchors.left: parent.left
                            anchors.right: addTyped.left
                            anchors.rightMargin: 8
                            anchors.verticalCenter: parent.verticalCenter
                            placeholderText: qsTranslate("Tocko", "…or an app id (org.example.App)")
                            text: root.newBundleID
                            onTextEdited: root.newBundleID = text
                            onAccepted: root.addTypedBundleID()
                            font.pixelSize: ViewStyle.body
                            color: Theme.ink
                            placeholderTextColor: ViewStyle.tertiary
                            implicitHeight: 26
                            leftPadding: 8
                            rightPadding: 8
                            topPadding: 4
                            bottomPadding: 4
                            background: Rectangle {
                                radius: 6
                                color: Theme.card
                                border.color: bundleField.activeFocus ? Theme.accent : ViewStyle.withAlpha(Theme.ink, 0.18)
                            }
                        }
                        FormButton {
                            id: addTyped
                            objectName: "addTypedButton"
                            anchors.right: parent.right
                            anchors.verticalCenter: parent.verticalCenter
                            text: qsTranslate("Tocko", "Add")
                            enabled: root.newBundleID.trim() !== ""
                            onClicked: root.addTypedBundleID()
                        }
                    }
                }
            }

            // 7. Uninstall
            FormSection {
                title: qsTranslate("Tocko", "Uninstall")
                PlainButton {
                    objectName: "uninstallButton"
                    text: qsTranslate("Tocko", "Uninstall Tocko…")
                    tint: ViewStyle.red
                    onClicked: root.actions.uninstall()
                }
                Text {
                    width: parent.width
                    wrapMode: Text.Wrap
                    text: qsTranslate("Tocko", "Removes Tocko and everything it stored on this computer.")
                    font.pixelSize: ViewStyle.caption
                    color: ViewStyle.secondary
                }
            }
        }
    }

    // A pack folder or .zip dropped anywhere on the window is imported.
    DropArea {
        anchors.fill: parent
        keys: ["text/uri-list"]
        onDropped: function(drop) {
            if (drop.hasUrls && root.app && root.app.userPacks) {
                root.app.userPacks.importFrom(drop.urls[0].toString())
                drop.accept(Qt.CopyAction)
            }
        }
    }
}
