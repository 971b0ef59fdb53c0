pragma Singleton
import QtQuick
import Tocko.Theme
import Tocko.Views

// Text roles and system colours shared by the panel, Settings and the tour.
QtObject {
    readonly property real body: 13
    readonly property real caption: 11
    readonly property real caption2: 10
    readonly property color secondary: Qt.rgba(Theme.ink.r, Theme.ink.g, Theme.ink.b, 0.62)
    readonly property color tertiary: Qt.rgba(Theme.ink.r, Theme.ink.g, Theme.ink.b, 0.38)
    readonly property color green: Theme.dark ? "#30d158" : "#28a745"
    readonly property color orange: Theme.dark ? "#ff9f0a" : "#f08c00"
    readonly property color red: Theme.dark ? "#ff453a" : "#d70015"
    readonly property color chipInk: Qt.rgba(0.024, 0.125, 0.11, 1)

    function withAlpha(c, a) { return Qt.rgba(c.r, c.g, c.b, a) }
}
