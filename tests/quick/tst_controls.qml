import QtQuick
import QtQuick.Layouts
import QtTest
import Nuvelkit

// The seven item types on the offscreen platform: their members, signals, keys, focus and the
// mouse through the mask.
Item {
    id: root
    width: 400
    height: 400

    Component { id: commandType; NuvelCommand {} }
    Component { id: hcommandType; NuvelHCommand {} }
    Component { id: sphereType; NuvelSphere {} }
    Component { id: checkType; NuvelCheck {} }
    Component { id: screenType; NuvelScreen {} }
    Component { id: fillType; NuvelFill {} }
    Component { id: padType; NuvelPad {} }
    Component {
        id: rowType
        RowLayout {
            width: 600
            property alias command: command
            property alias fill: fill
            property alias sphere: sphere
            NuvelCommand { id: command; caption: "OK" }
            NuvelFill { id: fill; Layout.fillWidth: true }
            NuvelSphere { id: sphere; Layout.fillWidth: true }
        }
    }
    Component {
        id: givenAccessible
        NuvelCommand {
            caption: "OK"
            Accessible.role: Accessible.Link
            Accessible.name: "Given"
        }
    }

    MouseArea {
        id: beneath
        anchors.fill: parent
        property int clicks: 0
        onClicked: clicks++
    }

    SignalSpy { id: spy }

    // The spy counts `signal` of `item` from now on.
    function watch(item, signal) {
        spy.target = null
        spy.signalName = signal
        spy.target = item
        spy.clear()
    }

    TestCase {
        name: "Items"
        when: windowShown

        function make(type) {
            const item = createTemporaryObject(type, root)
            verify(item, "the type is made")
            waitForRendering(item)
            return item
        }

        function test_sizes_and_frames_data() {
            return [
                { tag: "NuvelCommand", type: commandType, tab: true },
                { tag: "NuvelHCommand", type: hcommandType, tab: true },
                { tag: "NuvelSphere", type: sphereType, tab: true },
                { tag: "NuvelCheck", type: checkType, tab: true },
                { tag: "NuvelScreen", type: screenType, tab: true },
                { tag: "NuvelFill", type: fillType, tab: false },
                { tag: "NuvelPad", type: padType, tab: true },
            ]
        }
        // Every type has the control's implicit size, draws a frame, and is in the Tab chain
        // as the widget of the same role.
        function test_sizes_and_frames(data) {
            const item = make(data.type)
            verify(item.implicitWidth > 0 && item.implicitHeight > 0)
            compare(item.width, item.implicitWidth)
            verify(item.framesDrawn() >= 1)
            compare(item.activeFocusOnTab, data.tab)
        }

        function test_members_data() {
            return [
                { tag: "NuvelCommand", type: commandType, member: "caption", value: "Start" },
                { tag: "NuvelHCommand", type: hcommandType, member: "rightCaption", value: "Right" },
                { tag: "NuvelSphere", type: sphereType, member: "contentLetter", value: "Z" },
                { tag: "NuvelCheck", type: checkType, member: "value", value: 1 },
                { tag: "NuvelScreen", type: screenType, member: "borderStyle", value: 1 },
                { tag: "NuvelFill", type: fillType, member: "value", value: 55 },
                { tag: "NuvelPad", type: padType, member: "xValue", value: 3 },
            ]
        }
        // A member takes its value and signals the change once, with the value it took.
        function test_members(data) {
            const item = make(data.type)
            watch(item, data.member + "Changed")
            item[data.member] = data.value
            compare(item[data.member], data.value)
            compare(spy.count, 1)
            compare(spy.signalArguments[0][0], data.value)
            item[data.member] = data.value
            compare(spy.count, 1, "no signal without a change")
        }

        function test_enumerations_and_sizes() {
            const c = make(commandType)
            c.backPicture = NuvelCommand.NKCyanWater
            compare(c.backPicture, NuvelCommand.NKCyanWater)
            const longer = make(commandType)
            longer.caption = "A much longer caption than the design width holds"
            verify(longer.implicitWidth > c.implicitWidth, "the caption widens the implicit size")
        }

        // The window's timer goes on moving a pad pushed right, with no timer of the test's.
        function test_the_window_timer_steps_a_pad() {
            const pad = make(padType)
            pad.forceRight()
            const pushed = pad.xValue
            tryVerify(function() { return pad.xValue > pushed }, 1000, "the pad goes on moving")
        }

        // A new caption is drawn in a new frame; reading a member draws nothing.
        function test_frames_only_when_drawn() {
            const c = make(commandType)
            const before = c.framesDrawn()
            void c.caption
            wait(50)
            compare(c.framesDrawn(), before)
            c.caption = "Other"
            waitForRendering(c)
            verify(c.framesDrawn() > before)
        }

        // A click on each type raises its Click and takes the focus where the type is in the
        // Tab chain.
        function test_mouse_click(data) {
            const item = make(data.type)
            watch(item, "clicked")
            mouseClick(item)
            compare(spy.count, 1)
            compare(item.activeFocus, data.tab)
            if (data.tab)
                verify(item.controlHasFocus(), "the control is told it has the focus")
        }
        function test_mouse_click_data() {
            return test_sizes_and_frames_data()
        }

        function test_keys_data() {
            return [
                { tag: "command Space", type: commandType, key: Qt.Key_Space, signal: "clicked", count: 1 },
                { tag: "command Return", type: commandType, key: Qt.Key_Return, signal: "clicked", count: 1 },
                { tag: "command A", type: commandType, key: Qt.Key_A, signal: "clicked", count: 0 },
                { tag: "check Space", type: checkType, key: Qt.Key_Space, signal: "valueChanged", count: 1 },
                { tag: "command keyDown", type: commandType, key: Qt.Key_A, signal: "keyDown", count: 1 },
            ]
        }
        function test_keys(data) {
            const item = make(data.type)
            item.forceActiveFocus()
            watch(item, data.signal)
            keyClick(data.key)
            compare(spy.count, data.count)
        }

        function test_access_key() {
            const c = make(commandType)
            c.caption = "&Go"
            watch(c, "clicked")
            keyClick(Qt.Key_G, Qt.AltModifier)
            compare(spy.count, 1)
            verify(c.activeFocus)
        }

        function test_tab_chain() {
            const a = make(commandType)
            const fill = make(fillType)
            const b = make(checkType)
            fill.y = 100
            b.y = 200
            a.forceActiveFocus()
            keyClick(Qt.Key_Tab)
            verify(b.activeFocus, "Tab passes the fill bar by")
            verify(!a.controlHasFocus() && b.controlHasFocus())
        }

        function test_accessible_data() {
            return [
                { tag: "NuvelCommand", type: commandType, role: Accessible.Button, action: "pressAction" },
                { tag: "NuvelHCommand", type: hcommandType, role: Accessible.Button, action: "pressAction" },
                { tag: "NuvelSphere", type: sphereType, role: Accessible.Button, action: "pressAction" },
                { tag: "NuvelCheck", type: checkType, role: Accessible.CheckBox, action: "toggleAction" },
                { tag: "NuvelFill", type: fillType, role: Accessible.ProgressBar },
                { tag: "NuvelScreen", type: screenType, role: Accessible.Pane },
                { tag: "NuvelPad", type: padType, role: Accessible.Grouping },
            ]
        }
        // The widgets' roles; the caption without its marks as the name; the press and toggle
        // actions click through the control's input path.
        function test_accessible(data) {
            const item = make(data.type)
            compare(item.Accessible.role, data.role)
            if (item.caption !== undefined) {
                item.caption = "&Save && go"
                compare(item.Accessible.name, "Save & go")
            }
            if (!data.action)
                return
            watch(item, "clicked")
            item.Accessible[data.action]()
            compare(spy.count, 1)
        }

        // In a layout each item has its implicit size; a bar told to fill the width takes the
        // rest, and a sphere, whose control keeps its size, keeps it.
        function test_layout() {
            const row = createTemporaryObject(rowType, root)
            waitForRendering(row)
            compare(row.command.width, row.command.implicitWidth)
            compare(row.command.height, row.command.implicitHeight)
            compare(row.sphere.width, row.sphere.implicitWidth)
            verify(row.fill.width > row.fill.implicitWidth)
            compare(row.command.width + row.fill.width + row.sphere.width + 2 * row.spacing, 600)
        }

        function test_refused_sizes_data() {
            return [
                { tag: "negative", width: -5 },
                { tag: "beyond any control", width: 1e12 },
                { tag: "infinite", width: Infinity },
                { tag: "not a number", width: NaN },
            ]
        }
        // A size no control takes is taken back: the item keeps its control's size.
        function test_refused_sizes(data) {
            const fill = make(fillType)
            const before = fill.width
            fill.width = data.width
            compare(fill.width, before)
            fill.width = before + 40
            compare(fill.width, before + 40, "a size it takes")
        }

        // What the QML file gives Accessible stays.
        function test_accessible_given() {
            const c = createTemporaryObject(givenAccessible, root)
            waitForRendering(c)
            compare(c.Accessible.role, Accessible.Link)
            compare(c.Accessible.name, "Given")
        }

        // A disabled item's control is disabled: it raises nothing for a click or a key.
        function test_disabled() {
            const c = make(commandType)
            c.enabled = false
            watch(c, "clicked")
            mouseClick(c)
            keyClick(Qt.Key_Space)
            compare(spy.count, 0)
            c.enabled = true
            mouseClick(c)
            compare(spy.count, 1)
        }

        function test_accessible_checked() {
            const check = make(checkType)
            verify(check.Accessible.checkable)
            compare(check.Accessible.checked, false)
            check.Accessible.toggleAction()
            compare(check.value, 1)
            compare(check.Accessible.checked, true)
        }

        // Outside the sphere's round mask the click reaches the mouse area beneath.
        function test_mask_lets_clicks_through() {
            const s = make(sphereType)
            watch(s, "clicked")
            beneath.clicks = 0
            verify(!s.contains(Qt.point(0, 0)), "a corner is outside the mask")
            mouseClick(root, 1, 1)
            compare(beneath.clicks, 1)
            compare(spy.count, 0)
            mouseClick(s)
            compare(spy.count, 1)
            compare(beneath.clicks, 1)
        }
    }
}
