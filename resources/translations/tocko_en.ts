<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Tocko</name>
    <message>
        <source>Tocko</source>
        <translation>Tocko</translation>
    </message>
    <message>
        <source>Tocko is not installed — it runs from this folder, and the login item would start it from here.</source>
        <translation>Tocko is not installed — it runs from this folder, and the login item would start it from here.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</source>
        <translation>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <translation>Sound for %1</translation>
    </message>
    <message>
        <source>Default Sound</source>
        <translation>Default Sound</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>Mechanical</translation>
    </message>
    <message>
        <source>ASMR</source>
        <translation>ASMR</translation>
    </message>
    <message>
        <source>Vintage</source>
        <translation>Vintage</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Sharp</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>Fun</translation>
    </message>
    <message>
        <source>Enable clicks</source>
        <translation>Enable clicks</translation>
    </message>
    <message>
        <source>%1 · muted (call)</source>
        <translation>%1 · muted (call)</translation>
    </message>
    <message>
        <source>%1 · silent</source>
        <translation>%1 · silent</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Output: %1</translation>
    </message>
    <message>
        <source>Typing feedback: On</source>
        <translation>Typing feedback: On</translation>
    </message>
    <message>
        <source>Typing feedback needs permission</source>
        <translation>Typing feedback needs permission</translation>
    </message>
    <message>
        <source>Turn On Typing Feedback…</source>
        <translation>Turn On Typing Feedback…</translation>
    </message>
    <message>
        <source>Quit and reopen Tocko to activate sounds.</source>
        <translation>Quit and reopen Tocko to activate sounds.</translation>
    </message>
    <message>
        <source>Relaunch</source>
        <translation>Relaunch</translation>
    </message>
    <message>
        <source>an app</source>
        <translation>an app</translation>
    </message>
    <message>
        <source>Keyboard sounds are paused — %1 is asking for a password.</source>
        <translation>Keyboard sounds are paused — %1 is asking for a password.</translation>
    </message>
    <message>
        <source>Quit %1 or click outside its password field. Mouse clicks still work.</source>
        <translation>Quit %1 or click outside its password field. Mouse clicks still work.</translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation>Test Sound</translation>
    </message>
    <message>
        <source>Muted —</source>
        <translation>Muted —</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Unmute</translation>
    </message>
    <message>
        <source>Mute for 10 min</source>
        <translation>Mute for 10 min</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Copy Diagnostics</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Check for Updates…</translation>
    </message>
    <message>
        <source>Quit Tocko</source>
        <translation>Quit Tocko</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>System default (%1)</translation>
    </message>
    <message>
        <source>Show welcome tour</source>
        <translation>Show welcome tour</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Enable Tocko</source>
        <translation>Enable Tocko</translation>
    </message>
    <message>
        <source>Auto-mute during calls (microphone in use)</source>
        <translation>Auto-mute during calls (microphone in use)</translation>
    </message>
    <message>
        <source>Launch Tocko at login</source>
        <translation>Launch Tocko at login</translation>
    </message>
    <message>
        <source>Sound on key release</source>
        <translation>Sound on key release</translation>
    </message>
    <message>
        <source>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</source>
        <translation>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</translation>
    </message>
    <message>
        <source>Mouse clicks</source>
        <translation>Mouse clicks</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Same as keyboard</source>
        <translation>Same as keyboard</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>not available on this desktop</translation>
    </message>
    <message>
        <source>needs the Tocko GNOME Shell extension</source>
        <translation>needs the Tocko GNOME Shell extension</translation>
    </message>
    <message>
        <source>Enable GNOME Shell Extension</source>
        <translation>Enable GNOME Shell Extension</translation>
    </message>
    <message>
        <source>Current app</source>
        <translation>Current app</translation>
    </message>
    <message>
        <source>App ID</source>
        <translation>App ID</translation>
    </message>
    <message>
        <source>Microphone in use</source>
        <translation>Microphone in use</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Effective</source>
        <translation>Effective</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Silent</translation>
    </message>
    <message>
        <source>Default profile</source>
        <translation>Default profile</translation>
    </message>
    <message>
        <source>Per-app rules</source>
        <translation>Per-app rules</translation>
    </message>
    <message>
        <source>No rules yet — add one below.</source>
        <translation>No rules yet — add one below.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Add a rule</translation>
    </message>
    <message>
        <source>Running app</source>
        <translation>Running app</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choose…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>…or an app id (org.example.App)</source>
        <translation>…or an app id (org.example.App)</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Uninstall</translation>
    </message>
    <message>
        <source>Uninstall Tocko…</source>
        <translation>Uninstall Tocko…</translation>
    </message>
    <message>
        <source>Removes Tocko and everything it stored on this computer.</source>
        <translation>Removes Tocko and everything it stored on this computer.</translation>
    </message>
    <message>
        <source>Sound pack</source>
        <translation>Sound pack</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Muted</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Uninstall Tocko?</source>
        <translation>Uninstall Tocko?</translation>
    </message>
    <message>
        <source>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</source>
        <translation>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Tocko has been moved to the Trash.</source>
        <translation>Tocko has been moved to the Trash.</translation>
    </message>
    <message>
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</source>
        <translation>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</translation>
    </message>
    <message>
        <source>One last step: the input access given to Tocko stays until you take it back with this command:</source>
        <translation>One last step: the input access given to Tocko stays until you take it back with this command:</translation>
    </message>
    <message>
        <source>Grant access…</source>
        <translation>Grant access…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>You’re up to date!</translation>
    </message>
    <message>
        <source>Tocko %1 is currently the newest version available.</source>
        <translation>Tocko %1 is currently the newest version available.</translation>
    </message>
    <message>
        <source>A new version of Tocko is available!</source>
        <translation>A new version of Tocko is available!</translation>
    </message>
    <message>
        <source>Tocko %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Tocko %1 is now available — you have %2. Would you like to download it now?</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Remind Me Later</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Update Error!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <translation>An error occurred in retrieving update information. Please try again later.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Let’s set it up</source>
        <translation>Let’s set it up</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Skip for now</source>
        <translation>Skip for now</translation>
    </message>
    <message>
        <source>Start tocking</source>
        <translation>Start tocking</translation>
    </message>
    <message>
        <source>Welcome to Tocko</source>
        <translation>Welcome to Tocko</translation>
    </message>
    <message>
        <source>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</source>
        <translation>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Choose your language</translation>
    </message>
    <message>
        <source>One quick setting</source>
        <translation>One quick setting</translation>
    </message>
    <message>
        <source>Turn on typing feedback</source>
        <translation>Turn on typing feedback</translation>
    </message>
    <message>
        <source>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</source>
        <translation>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>Typing feedback is on. Try typing.</translation>
    </message>
    <message>
        <source>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</source>
        <translation>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</translation>
    </message>
    <message>
        <source>28 packs · 5 styles</source>
        <translation>28 packs · 5 styles</translation>
    </message>
    <message>
        <source>Pick your sound</source>
        <translation>Pick your sound</translation>
    </message>
    <message>
        <source>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</source>
        <translation>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</translation>
    </message>
    <message>
        <source>Type something. Anything. Go on…</source>
        <translation>Type something. Anything. Go on…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Code editor</source>
        <translation>Code editor</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Spreadsheet</translation>
    </message>
    <message>
        <source>Tips · 1 of 2</source>
        <translation>Tips · 1 of 2</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Make it yours</translation>
    </message>
    <message>
        <source>A sound for every app</source>
        <translation>A sound for every app</translation>
    </message>
    <message>
        <source>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</source>
        <translation>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</translation>
    </message>
    <message>
        <source>Clicks can tock too</source>
        <translation>Clicks can tock too</translation>
    </message>
    <message>
        <source>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</source>
        <translation>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</translation>
    </message>
    <message>
        <source>Muted until the call ends</source>
        <translation>Muted until the call ends</translation>
    </message>
    <message>
        <source>It knows when to hush</source>
        <translation>It knows when to hush</translation>
    </message>
    <message>
        <source>Quiet on calls</source>
        <translation>Quiet on calls</translation>
    </message>
    <message>
        <source>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</translation>
    </message>
    <message>
        <source>Mute for 10 minutes</source>
        <translation>Mute for 10 minutes</translation>
    </message>
    <message>
        <source>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</source>
        <translation>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>You’re all set</translation>
    </message>
    <message>
        <source>Tocko lives in your system tray</source>
        <translation>Tocko lives in your system tray</translation>
    </message>
    <message>
        <source>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</translation>
    </message>
    <message>
        <source>Tocko keeps running in the background</source>
        <translation>Tocko keeps running in the background</translation>
    </message>
    <message>
        <source>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</source>
        <translation>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Start when you log in</translation>
    </message>
    <message>
        <source>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</source>
        <translation>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Open at Login</translation>
    </message>
    <message>
        <source>Input devices › Keyboards and mice</source>
        <translation>Input devices › Keyboards and mice</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Allows key sounds in every app</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Access granted. Log out and back in so that Tocko hears every app.</source>
        <translation>Access granted. Log out and back in so that Tocko hears every app.</translation>
    </message>
    <message>
        <source>Access was not granted.</source>
        <translation>Access was not granted.</translation>
    </message>
    <message>
        <source>No administrator prompt (pkexec) is available on this system.</source>
        <translation>No administrator prompt (pkexec) is available on this system.</translation>
    </message>
    <message>
        <source>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</source>
        <translation>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</translation>
    </message>
    <message>
        <source>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</source>
        <translation>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</translation>
    </message>
    <message>
        <source>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</source>
        <translation>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</translation>
    </message>
    <message>
        <source>To do it yourself, run:</source>
        <translation>To do it yourself, run:</translation>
    </message>
    <message>
        <source>config.json is not a valid JSON object</source>
        <translation>config.json is not a valid JSON object</translation>
    </message>
    <message>
        <source>config.json gives the pack no name</source>
        <translation>config.json gives the pack no name</translation>
    </message>
    <message>
        <source>config.json uses a key layout Tocko does not know (%1)</source>
        <translation>config.json uses a key layout Tocko does not know (%1)</translation>
    </message>
    <message>
        <source>config.json names no sound file to cut the keys' sounds from</source>
        <translation>config.json names no sound file to cut the keys' sounds from</translation>
    </message>
    <message>
        <source>config.json defines too many keys</source>
        <translation>config.json defines too many keys</translation>
    </message>
    <message>
        <source>config.json: key %1 has no valid [start, length] slice</source>
        <translation>config.json: key %1 has no valid [start, length] slice</translation>
    </message>
    <message>
        <source>config.json: key %1 names no sound file</source>
        <translation>config.json: key %1 names no sound file</translation>
    </message>
    <message>
        <source>config.json: the sound of key %1 is written in a form Tocko cannot read</source>
        <translation>config.json: the sound of key %1 is written in a form Tocko cannot read</translation>
    </message>
    <message>
        <source>config.json: %1 has a sound but is not a key code</source>
        <translation>config.json: %1 has a sound but is not a key code</translation>
    </message>
    <message>
        <source>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</source>
        <translation>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</translation>
    </message>
    <message>
        <source>config.json has no key definitions</source>
        <translation>config.json has no key definitions</translation>
    </message>
    <message>
        <source>config.json defines no sound for a key Tocko can play</source>
        <translation>config.json defines no sound for a key Tocko can play</translation>
    </message>
    <message>
        <source>config.json cannot be read</source>
        <translation>config.json cannot be read</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>%1 is not a regular file; links and special files are not accepted</source>
        <translation>%1 is not a regular file; links and special files are not accepted</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 is too large</translation>
    </message>
    <message>
        <source>The pack names a sound file outside its folder (%1)</source>
        <translation>The pack names a sound file outside its folder (%1)</translation>
    </message>
    <message>
        <source>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</source>
        <translation>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</translation>
    </message>
    <message>
        <source>%1 holds no audio</source>
        <translation>%1 holds no audio</translation>
    </message>
    <message>
        <source>A key's slice lies outside %1</source>
        <translation>A key's slice lies outside %1</translation>
    </message>
    <message>
        <source>%1 is not a readable .zip file</source>
        <translation>%1 is not a readable .zip file</translation>
    </message>
    <message>
        <source>The .zip file is damaged</source>
        <translation>The .zip file is damaged</translation>
    </message>
    <message>
        <source>The .zip file holds too many files</source>
        <translation>The .zip file holds too many files</translation>
    </message>
    <message>
        <source>The .zip file contains a link (%1); links are not accepted</source>
        <translation>The .zip file contains a link (%1); links are not accepted</translation>
    </message>
    <message>
        <source>The .zip file contains an unsafe path (%1)</source>
        <translation>The .zip file contains an unsafe path (%1)</translation>
    </message>
    <message>
        <source>The .zip file contains a special file (%1)</source>
        <translation>The .zip file contains a special file (%1)</translation>
    </message>
    <message>
        <source>The .zip file holds %1 twice</source>
        <translation>The .zip file holds %1 twice</translation>
    </message>
    <message>
        <source>The .zip file unpacks to more than a sound pack can hold</source>
        <translation>The .zip file unpacks to more than a sound pack can hold</translation>
    </message>
    <message>
        <source>Could not unpack the .zip file; is the disk full?</source>
        <translation>Could not unpack the .zip file; is the disk full?</translation>
    </message>
    <message>
        <source>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</source>
        <translation>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</translation>
    </message>
    <message>
        <source>The folder holds release sounds but no press sound</source>
        <translation>The folder holds release sounds but no press sound</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 does not exist</translation>
    </message>
    <message>
        <source>Choose a pack folder or a .zip file</source>
        <translation>Choose a pack folder or a .zip file</translation>
    </message>
    <message>
        <source>The pack's decoded audio is larger than %1 MB</source>
        <translation>The pack's decoded audio is larger than %1 MB</translation>
    </message>
    <message>
        <source>Could not resample the pack's sounds</source>
        <translation>Could not resample the pack's sounds</translation>
    </message>
    <message>
        <source>Too many packs share the name %1</source>
        <translation>Too many packs share the name %1</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Cannot write to %1</translation>
    </message>
    <message>
        <source>Could not store the pack; is the disk full?</source>
        <translation>Could not store the pack; is the disk full?</translation>
    </message>
    <message>
        <source>Could not replace the installed pack %1</source>
        <translation>Could not replace the installed pack %1</translation>
    </message>
    <message>
        <source>%1 is not an imported pack</source>
        <translation>%1 is not an imported pack</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 is not installed</translation>
    </message>
    <message>
        <source>Could not remove %1</source>
        <translation>Could not remove %1</translation>
    </message>
    <message>
        <source>The stored pack %1 is damaged; import it again</source>
        <translation>The stored pack %1 is damaged; import it again</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>Cannot import %1: %2</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot;</source>
        <translation>Imported &quot;%1&quot;</translation>
    </message>
    <message>
        <source>My Packs</source>
        <translation>My Packs</translation>
    </message>
    <message>
        <source>Import Pack…</source>
        <translation>Import Pack…</translation>
    </message>
    <message>
        <source>Importing… %1%</source>
        <translation>Importing… %1%</translation>
    </message>
    <message>
        <source>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</source>
        <translation>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</translation>
    </message>
</context>
</TS>
