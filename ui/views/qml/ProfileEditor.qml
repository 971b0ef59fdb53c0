import QtQuick
import Tocko.Theme
import Tocko.Views

// Edits one profile: its pack, volume and mute. Every change reports the
// whole profile through `edited` at once; "Preview" asks to hear the pack.
Column {
    id: editor
    property var profile: ({})
    signal edited(var profile)
    signal preview(string pack)

    function changed(key, value) {
        const next = Object.assign({}, profile)
        next[key] = value
        edited(next)
    }
    function packEntries() {
        void Packs.revision  // lists again when imported packs change
        return Packs.pickerEntries().map(function(e) {
            return e.kind === "header" ? {kind: "header", text: qsTranslate("Tocko", e.text)} : e
        })
    }

    width: parent ? parent.width : 400
    spacing: 8

    FormRow {
        label: qsTranslate("Tocko", "Sound pack")
        MenuPicker {
            objectName: "packPicker"
            width: 170
            entries: editor.packEntries()
            currentValue: editor.profile.pack
            onActivated: function(value) { editor.changed("pack", value) }
        }
    }
    Item {
        width: parent.width
        height: 22
        Text {
            id: volumeLabel
            anchors.verticalCenter: parent.verticalCenter
            text: qsTranslate("Tocko", "Volume")
            color: Theme.ink
            font.pixelSize: ViewStyle.body
        }
        ValueSlider {
            objectName: "volumeSlider"
            anchors.left: volumeLabel.right
            anchors.leftMargin: 10
            anchors.right: percent.left
            anchors.rightMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            modelValue: editor.profile.volume !== undefined ? editor.profile.volume : 0
            onEdited: function(v) { editor.changed("volume", v) }
        }
        Text {
            id: percent
            objectName: "volumePercent"
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            width: 44
            horizontalAlignment: Text.AlignRight
            // Truncated; the small allowance keeps 0.35 from reading 34.
            text: Math.floor((editor.profile.volume || 0) * 100 + 1e-9) + "%"
            font: Theme.monoFont(12)
            color: Theme.ink
        }
    }
    ToggleSwitch {
        objectName: "mutedSwitch"
        text: qsTranslate("Tocko", "Muted")
        value: editor.profile.muted === true
        onFlipped: function(on) { editor.changed("muted", on) }
    }
    PlainButton {
        objectName: "previewButton"
        symbol: "play.circle"
        text: qsTranslate("Tocko", "Preview")
        tint: Theme.accent
        onClicked: editor.preview(editor.profile.pack)
    }
}
