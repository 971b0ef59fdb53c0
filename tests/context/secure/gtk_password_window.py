#!/usr/bin/python3
# A GTK 3 window with a plain entry and a password entry. Reads commands on
# standard input: "plain" or "secret" brings the window to the front with
# that entry focused; "quit" ends. Answers each with "ok <command>".
import sys

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import GLib, Gtk  # noqa: E402

GLib.set_prgname("tocko-gtk-secure-window")
GLib.set_application_name("Tocko GTK Window")

window = Gtk.Window(title="Tocko GTK Window")
box = Gtk.Box(orientation=Gtk.Orientation.VERTICAL, spacing=6)
plain = Gtk.Entry()
secret = Gtk.Entry()
secret.set_visibility(False)
secret.set_input_purpose(Gtk.InputPurpose.PASSWORD)
box.pack_start(plain, False, False, 0)
box.pack_start(secret, False, False, 0)
window.add(box)
window.connect("destroy", Gtk.main_quit)


def on_command(channel, _condition):
    line = channel.readline().strip()
    if line in ("", "quit"):
        Gtk.main_quit()
        return False
    window.present()
    (secret if line == "secret" else plain).grab_focus()
    print("ok " + line, flush=True)
    return True


GLib.io_add_watch(GLib.IOChannel.unix_new(sys.stdin.fileno()), GLib.IO_IN | GLib.IO_HUP, on_command)
window.show_all()
print("ready", flush=True)
Gtk.main()
