// The focus reporters that run inside the compositors, run under node with
// stand-ins for what KWin and GNOME Shell give them: each must parse, report
// the focused window to com.pollix.Tocko.Focus.Activated with the fields in
// the order Tocko reads them, and let go of everything it connected.
//   node reporter_scripts.mjs KWIN_SCRIPT GNOME_SHELL_DIR
// Syntax is checked on the files as they are (`node --check`); behaviour on
// the same text with the Shell's import lines bound to the stand-ins.
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {copyFileSync, mkdtempSync, readFileSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

const [kwinScript, shellDir] = process.argv.slice(2);
const UUID = 'tocko-focus@pollix.com';
const TARGET = ['com.pollix.Tocko', '/com/pollix/Tocko/Focus', 'com.pollix.Tocko.Focus', 'Activated'];
let failures = 0;

function check(name, body) {
    try {
        body();
        console.log(`ok   ${name}`);
    } catch (e) {
        failures++;
        console.log(`FAIL ${name}\n${e.stack}`);
    }
}

// Parses `file` as a script (.cjs) or a module (.mjs), as node would load it.
function syntaxCheck(file, kind) {
    const dir = mkdtempSync(join(tmpdir(), 'tocko-js-'));
    try {
        const copy = join(dir, `check.${kind === 'module' ? 'mjs' : 'cjs'}`);
        copyFileSync(file, copy);
        execFileSync(process.execPath, ['--check', copy], {stdio: 'pipe'});
    } catch (e) {
        throw new Error(`${file} does not parse as a ${kind}:\n${e.stderr || e.message}`);
    } finally {
        rmSync(dir, {recursive: true, force: true});
    }
}

// ---- KWin -----------------------------------------------------------------

function runKWin(api) {
    const calls = [];
    const handlers = [];
    const signal = {connect: f => handlers.push(f)};
    const workspace = api === 6 ? {windowActivated: signal, activeWindow: null}
                                : {clientActivated: signal, activeClient: null};
    const active = {desktopFileName: 'org.kde.kate', resourceClass: 'kate', caption: 'notes — Kate', pid: 4242};
    if (api === 6) workspace.activeWindow = active; else workspace.activeClient = active;
    new Function('workspace', 'callDBus', readFileSync(kwinScript, 'utf8'))(
        workspace, (...args) => calls.push(args));
    return {calls, handlers};
}

check('KWin script parses', () => syntaxCheck(kwinScript, 'script'));
for (const api of [5, 6]) {
    check(`KWin ${api}: reports the active window at once and on every activation`, () => {
        const {calls, handlers} = runKWin(api);
        assert.equal(handlers.length, 1);
        assert.deepEqual(calls[0], [...TARGET, 'org.kde.kate', 'kate', 'notes — Kate', '4242']);
        handlers[0]({desktopFileName: '', resourceClass: 'xterm', caption: 'sh', pid: 7});
        assert.deepEqual(calls[1], [...TARGET, '', 'xterm', 'sh', '7']);
        // No window (the desktop, or the last one closed): every field empty.
        handlers[0](null);
        assert.deepEqual(calls[2], [...TARGET, '', '', '', '']);
        for (const c of calls) assert.ok(c.every(a => typeof a === 'string'), 'KWin passes strings over D-Bus');
    });
}

// ---- GNOME Shell ----------------------------------------------------------

function shellStandIns() {
    const log = {connected: [], disconnected: [], watched: [], unwatched: [], calls: []};
    const apps = {1: 'org.gnome.TextEditor.desktop', 2: 'window:17'};
    const display = {
        focus_window: null,
        connect(signal, f) { log.connected.push(signal); this.onFocus = f; return 11; },
        disconnect(id) { log.disconnected.push(id); },
    };
    class Variant { constructor(type, values) { this.type = type; this.values = values; } }
    const Gio = {
        BusType: {SESSION: 2}, BusNameWatcherFlags: {NONE: 0}, DBusCallFlags: {NO_AUTO_START: 1},
        bus_watch_name(type, name, flags, appeared) { log.watched.push(name); this.appeared = appeared; return 22; },
        bus_unwatch_name(id) { log.unwatched.push(id); },
        DBus: {session: {call: (...args) => log.calls.push(args)}},
    };
    const Shell = {WindowTracker: {get_default: () => ({
        get_window_app: w => (apps[w.app] ? {get_id: () => apps[w.app]} : null),
    })}};
    const window = (app, wmClass, title, pid) =>
        ({app, get_wm_class: () => wmClass, get_title: () => title, get_pid: () => pid});
    return {log, display, Gio, GLib: {Variant}, Shell, window};
}

function exerciseExtension(ext, s) {
    ext.enable();
    assert.deepEqual(s.log.connected, ['notify::focus-window']);
    assert.deepEqual(s.log.watched, ['com.pollix.Tocko']);
    // Tocko appearing on the bus hears the window in front at once.
    s.display.focus_window = s.window(1, 'gnome-text-editor', 'notes', 314);
    s.Gio.appeared();
    s.display.focus_window = s.window(2, 'Xephyr', 'nested', 99);
    s.display.onFocus();
    s.display.focus_window = s.window(3, null, null, 5);
    s.display.onFocus();
    s.display.focus_window = null;
    s.display.onFocus();
    const sent = s.log.calls.map(c => {
        assert.deepEqual(c.slice(0, 4), TARGET);
        assert.equal(c[4].type, '(ssss)');
        assert.equal(c[6], s.Gio.DBusCallFlags.NO_AUTO_START, 'a report never starts Tocko');
        return c[4].values;
    });
    assert.deepEqual(sent, [
        ['org.gnome.TextEditor', 'gnome-text-editor', 'notes', '314'],
        ['', 'Xephyr', 'nested', '99'],  // a window-backed app has no identity
        ['', '', '', '5'],
        ['', '', '', ''],
    ]);
    ext.disable();
    assert.deepEqual(s.log.disconnected, [11]);
    assert.deepEqual(s.log.unwatched, [22]);
}

function metadataOf(dir) {
    const metadata = JSON.parse(readFileSync(join(dir, 'metadata.json'), 'utf8'));
    assert.equal(metadata.uuid, UUID);
    assert.ok(metadata.name && metadata.description);
    assert.ok(Array.isArray(metadata['shell-version']) && metadata['shell-version'].length > 0);
    return metadata['shell-version'].map(Number);
}

const legacyDir = join(shellDir, UUID);
const moduleDir = join(shellDir, '45', UUID);

check('GNOME Shell 40–44 extension: script syntax, metadata, reports', () => {
    const versions = metadataOf(legacyDir);
    assert.ok(versions.every(v => v >= 40 && v < 45), `shell-version ${versions}`);
    const file = join(legacyDir, 'extension.js');
    syntaxCheck(file, 'script');
    const s = shellStandIns();
    const init = new Function('imports', 'global', readFileSync(file, 'utf8') + '\nreturn init;')(
        {gi: {Gio: s.Gio, GLib: s.GLib, Shell: s.Shell}}, {display: s.display});
    exerciseExtension(init(), s);
});

check('GNOME Shell 45+ extension: module syntax, metadata, reports', () => {
    const versions = metadataOf(moduleDir);
    assert.ok(versions.every(v => v >= 45), `shell-version ${versions}`);
    const file = join(moduleDir, 'extension.js');
    syntaxCheck(file, 'module');
    // The Shell's imports, bound to the stand-ins; anything else it imports
    // would be left over and fail here.
    let source = readFileSync(file, 'utf8')
        .replace(/^import (\w+) from 'gi:\/\/(\w+)';$/mg, 'const $1 = gi.$2;')
        .replace(/^import \{Extension\} from 'resource:\/\/\/org\/gnome\/shell\/extensions\/extension\.js';$/m, '')
        .replace(/^export default class /m, 'return class ');
    assert.ok(!/^\s*(import|export)\b/m.test(source), 'an import or export the stand-ins do not cover');
    const s = shellStandIns();
    class Extension { constructor(metadata) { this.metadata = metadata; } }
    const TockoFocus = new Function('gi', 'Extension', 'global', source)(
        {Gio: s.Gio, GLib: s.GLib, Shell: s.Shell}, Extension, {display: s.display});
    const ext = new TockoFocus({uuid: UUID});
    assert.ok(ext instanceof Extension);
    exerciseExtension(ext, s);
});

process.exit(failures ? 1 : 0);
