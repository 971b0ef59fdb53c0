// Tocko focus reporter (GNOME Shell 45 and later, as an ES module): calls
// com.pollix.Tocko.Focus.Activated on the session bus whenever another
// window gets the focus, and once whenever Tocko appears on the bus. Tocko
// accepts the call only from the Shell's own connection.
import Gio from 'gi://Gio';
import GLib from 'gi://GLib';
import Shell from 'gi://Shell';
import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';

const BUS_NAME = 'com.pollix.Tocko';
const PATH = '/com/pollix/Tocko/Focus';
const IFACE = 'com.pollix.Tocko.Focus';

export default class TockoFocusExtension extends Extension {
    enable() {
        this._tracker = Shell.WindowTracker.get_default();
        this._focusId = global.display.connect('notify::focus-window', () => this._report());
        this._watchId = Gio.bus_watch_name(Gio.BusType.SESSION, BUS_NAME, Gio.BusNameWatcherFlags.NONE,
            () => this._report(), null);
    }

    disable() {
        if (this._focusId) global.display.disconnect(this._focusId);
        if (this._watchId) Gio.bus_unwatch_name(this._watchId);
        this._focusId = 0;
        this._watchId = 0;
        this._tracker = null;
    }

    _report() {
        const win = global.display.focus_window;
        let appId = '', wmClass = '', title = '', pid = '';
        if (win) {
            const app = this._tracker.get_window_app(win);
            // Window-backed apps get made-up ids ("window:123"): no identity.
            if (app && app.get_id() && !app.get_id().startsWith('window:'))
                appId = app.get_id().replace(/\.desktop$/, '');
            wmClass = win.get_wm_class() || '';
            title = win.get_title() || '';
            pid = String(win.get_pid());
        }
        Gio.DBus.session.call(BUS_NAME, PATH, IFACE, 'Activated',
            new GLib.Variant('(ssss)', [appId, wmClass, title, pid]), null,
            Gio.DBusCallFlags.NO_AUTO_START, 1000, null, null);
    }
}
