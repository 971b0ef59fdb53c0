import QtQuick
import Tocko.Theme
import Tocko.Views

// A field to type into. While the key tap cannot hear the keyboard (no
// permission yet) each added character plays the default pack here;
// deleting plays nothing.
EntryField {
    id: field
    property var app
    property ContextModel context
    property ViewActions actions
    property string previous: ""

    width: parent ? parent.width : 300
    height: 34
    leftPadding: 12
    rightPadding: 12
    font.pixelSize: 13
    color: Theme.ink
    placeholderText: qsTranslate("Tocko", "Type something. Anything. Go on…")
    placeholderTextColor: ViewStyle.tertiary
    background: Rectangle {
        radius: 8
        color: Theme.card
        border.width: field.activeFocus ? 2 : 1
        border.color: field.activeFocus ? Theme.accent : ViewStyle.withAlpha(Theme.accent, 0.18)
    }
    onTextChanged: {
        const longer = text.length > previous.length
        previous = text
        if (longer && app && !app.permissionGranted && context)
            actions.preview(context.defaultProfile.pack)
    }
}
