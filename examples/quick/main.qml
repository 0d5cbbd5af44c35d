// The seven controls in a Qt Quick window, laid out by Qt Quick's layouts at their implicit
// sizes. Run by main.cpp and by nuvelkit_quick.py.
import QtQuick
import QtQuick.Layouts
import QtQuick.Window
import Nuvelkit

Window {
    id: window
    objectName: "window"
    title: "Nuvelkit in Qt Quick"
    visible: true
    width: grid.implicitWidth + 24
    height: grid.implicitHeight + 24

    property int clicks: 0

    GridLayout {
        id: grid
        anchors.fill: parent
        anchors.margins: 12
        columns: 2

        NuvelCommand {
            objectName: "command"
            caption: "&OK"
            backPicture: NuvelCommand.NKCyanWater
            onClicked: window.clicks++
        }
        NuvelHCommand {
            objectName: "hcommand"
            caption: "&Details"
        }
        NuvelSphere { objectName: "sphere" }
        NuvelCheck {
            objectName: "check"
            caption: "&Remember"
        }
        NuvelPad { objectName: "pad" }
        ColumnLayout {
            NuvelFill {
                objectName: "fill"
                Layout.fillWidth: true
                value: 40 + window.clicks * 10
            }
            RowLayout {
                NuvelScreen {
                    objectName: "screen"
                    Layout.preferredWidth: 240
                    Layout.preferredHeight: 150
                }
            }
        }
    }
}
