import QtQuick
import Tocko.Theme
import Tocko.Views

// Style chips above the chips of that style's packs; choosing a pack makes
// it the default profile's pack and plays it.
Column {
    id: picker
    property var app
    property ContextModel context
    property ViewActions actions
    readonly property string defaultPack: context ? context.defaultProfile.pack : ""
    property string category: Packs.styleOf(defaultPack)

    function choose(pack) {
        const profile = Object.assign({}, context.defaultProfile)
        profile.pack = pack
        context.setDefaultProfile(profile)
        actions.preview(pack)
    }

    width: parent ? parent.width : 360
    spacing: 10

    Rectangle {
        width: Math.min(styles.childrenRect.width, styles.width) + 6
        height: styles.height + 6
        radius: 9
        color: ViewStyle.withAlpha(Theme.ink, 0.06)
        // Wraps onto a second line when a language's style names are long.
        Flow {
            id: styles
            x: 3
            y: 3
            width: picker.width - 6
            spacing: 2
            Repeater {
                model: (Packs.revision, Packs.styles())
                delegate: Chip {
                    required property var modelData
                    objectName: "style:" + modelData.id
                    label: qsTranslate("Tocko", modelData.title)
                    chipHeight: 26
                    fontSize: 11.5
                    implicitWidth: contentItem.implicitWidth + 18
                    selected: picker.category === modelData.id
                    onClicked: picker.category = modelData.id
                    background: Rectangle {
                        radius: 7
                        FocusRing { control: parent.parent; radius: 9; inset: -2 }
                        color: parent.selected ? Theme.card : "transparent"
                        border.width: parent.selected ? 1 : 0
                        border.color: ViewStyle.withAlpha(Theme.ink, 0.10)
                    }
                    contentItem: Text {
                        text: parent.label
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        font.pixelSize: 12
                        font.weight: Font.DemiBold
                        color: Theme.ink
                    }
                }
            }
        }
    }
    FlowLayout {
        objectName: "packChips"
        width: parent.width
        spacing: 6
        Repeater {
            model: (Packs.revision, Packs.packs(picker.category))
            delegate: Chip {
                required property var modelData
                objectName: "pack:" + modelData.id
                label: modelData.name
                chipHeight: 30
                fontSize: 12.5
                selected: picker.defaultPack === modelData.id
                onClicked: picker.choose(modelData.id)
            }
        }
    }
}
