<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Tocko</name>
    <message>
        <source>Tocko</source>
        <translation>Tocko</translation>
    </message>
    <message>
        <source>Tocko is not installed — it runs from this folder, and the login item would start it from here.</source>
        <translation>Tocko ist nicht installiert – es läuft aus diesem Ordner, und das Anmeldeobjekt würde es von hier starten.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</source>
        <translation>Es wurde kein Systembereich für Symbole (System-Tray) gefunden, daher hat Tocko seine Schnellsteuerung in einem eigenen Fenster geöffnet. Tocko läuft weiter: Öffne es erneut aus der App-Übersicht oder wähle dort in seinem Menü „Quick Controls“, um hierher zurückzukehren. Damit sein Symbol unter GNOME in der oberen Leiste erscheint, installiere und aktiviere die AppIndicator-Erweiterung (Paket gnome-shell-extension-appindicator oder „AppIndicator and KStatusNotifierItem Support“ von extensions.gnome.org), melde dich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <translation>Sound für %1</translation>
    </message>
    <message>
        <source>Default Sound</source>
        <translation>Standardsound</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>Mechanisch</translation>
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
        <translation>Knackig</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>Spaß</translation>
    </message>
    <message>
        <source>Enable clicks</source>
        <translation>Klicks aktivieren</translation>
    </message>
    <message>
        <source>%1 · muted (call)</source>
        <translation>%1 · stumm (Anruf)</translation>
    </message>
    <message>
        <source>%1 · silent</source>
        <translation>%1 · still</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Ausgabe: %1</translation>
    </message>
    <message>
        <source>Typing feedback: On</source>
        <translation>Tippgeräusche: An</translation>
    </message>
    <message>
        <source>Typing feedback needs permission</source>
        <translation>Tippgeräusche brauchen eine Berechtigung</translation>
    </message>
    <message>
        <source>Turn On Typing Feedback…</source>
        <translation>Tippgeräusche einschalten …</translation>
    </message>
    <message>
        <source>Quit and reopen Tocko to activate sounds.</source>
        <translation>Beende Tocko und öffne es erneut, um die Sounds zu aktivieren.</translation>
    </message>
    <message>
        <source>Relaunch</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>an app</source>
        <translation>eine App</translation>
    </message>
    <message>
        <source>Keyboard sounds are paused — %1 is asking for a password.</source>
        <translation>Tastengeräusche pausiert – %1 fragt nach einem Passwort.</translation>
    </message>
    <message>
        <source>Quit %1 or click outside its password field. Mouse clicks still work.</source>
        <translation>Beende %1 oder klicke außerhalb des Passwortfelds. Mausklicks funktionieren weiterhin.</translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation>Sound testen</translation>
    </message>
    <message>
        <source>Muted —</source>
        <translation>Stumm –</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Mute for 10 min</source>
        <translation>10 Min. stumm</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Diagnose kopieren</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Updates suchen …</translation>
    </message>
    <message>
        <source>Quit Tocko</source>
        <translation>Tocko beenden</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Systemstandard (%1)</translation>
    </message>
    <message>
        <source>Show welcome tour</source>
        <translation>Willkommenstour zeigen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Enable Tocko</source>
        <translation>Tocko aktivieren</translation>
    </message>
    <message>
        <source>Auto-mute during calls (microphone in use)</source>
        <translation>Bei Anrufen automatisch stumm (Mikrofon in Gebrauch)</translation>
    </message>
    <message>
        <source>Launch Tocko at login</source>
        <translation>Tocko bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Sound on key release</source>
        <translation>Ton beim Loslassen der Taste</translation>
    </message>
    <message>
        <source>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</source>
        <translation>Tippgeräusche sind aus. Klicke auf das Tocko-Symbol im Infobereich der Leiste, um sie einzuschalten.</translation>
    </message>
    <message>
        <source>Mouse clicks</source>
        <translation>Mausklicks</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Same as keyboard</source>
        <translation>Wie Tastatur</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>auf diesem Desktop nicht verfügbar</translation>
    </message>
    <message>
        <source>needs the Tocko GNOME Shell extension</source>
        <translation>braucht die Tocko-Erweiterung für GNOME Shell</translation>
    </message>
    <message>
        <source>Enable GNOME Shell Extension</source>
        <translation>GNOME-Shell-Erweiterung aktivieren</translation>
    </message>
    <message>
        <source>Current app</source>
        <translation>Aktuelle App</translation>
    </message>
    <message>
        <source>App ID</source>
        <translation>App-ID</translation>
    </message>
    <message>
        <source>Microphone in use</source>
        <translation>Mikrofon in Gebrauch</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Effective</source>
        <translation>Wirksam</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Still</translation>
    </message>
    <message>
        <source>Default profile</source>
        <translation>Standardprofil</translation>
    </message>
    <message>
        <source>Per-app rules</source>
        <translation>Regeln pro App</translation>
    </message>
    <message>
        <source>No rules yet — add one below.</source>
        <translation>Noch keine Regeln – füge unten eine hinzu.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Regel hinzufügen</translation>
    </message>
    <message>
        <source>Running app</source>
        <translation>Laufende App</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>…or an app id (org.example.App)</source>
        <translation>…oder eine App-ID (org.example.App)</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Deinstallieren</translation>
    </message>
    <message>
        <source>Uninstall Tocko…</source>
        <translation>Tocko deinstallieren …</translation>
    </message>
    <message>
        <source>Removes Tocko and everything it stored on this computer.</source>
        <translation>Entfernt Tocko und alles, was es auf diesem Computer gespeichert hat.</translation>
    </message>
    <message>
        <source>Sound pack</source>
        <translation>Soundpaket</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorhören</translation>
    </message>
    <message>
        <source>Uninstall Tocko?</source>
        <translation>Tocko deinstallieren?</translation>
    </message>
    <message>
        <source>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</source>
        <translation>Beim Deinstallieren wird Tocko nicht mehr bei der Anmeldung geöffnet, seine Einstellungen und Soundprofile werden von diesem Computer gelöscht, und Tocko wird in den Papierkorb bewegt.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Tocko has been moved to the Trash.</source>
        <translation>Tocko wurde in den Papierkorb bewegt.</translation>
    </message>
    <message>
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</source>
        <translation>Die Einstellungen von Tocko sind entfernt, aber die App konnte sich nicht selbst in den Papierkorb bewegen. Entferne sie mit dem Paketmanager, der sie installiert hat.</translation>
    </message>
    <message>
        <source>One last step: the input access given to Tocko stays until you take it back with this command:</source>
        <translation>Ein letzter Schritt: Der Eingabezugriff, den Tocko bekommen hat, bleibt, bis du ihn mit diesem Befehl zurücknimmst:</translation>
    </message>
    <message>
        <source>Grant access…</source>
        <translation>Zugriff gewähren …</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>Du bist auf dem neuesten Stand!</translation>
    </message>
    <message>
        <source>Tocko %1 is currently the newest version available.</source>
        <translation>Tocko %1 ist derzeit die neueste verfügbare Version.</translation>
    </message>
    <message>
        <source>A new version of Tocko is available!</source>
        <translation>Eine neue Version von Tocko ist verfügbar!</translation>
    </message>
    <message>
        <source>Tocko %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Tocko %1 ist jetzt verfügbar – du hast %2. Möchtest du es jetzt laden?</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Später erinnern</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Update-Fehler!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <translation>Beim Abrufen der Update-Informationen ist ein Fehler aufgetreten. Bitte versuche es später erneut.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Let’s set it up</source>
        <translation>Los geht’s</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Skip for now</source>
        <translation>Vorerst überspringen</translation>
    </message>
    <message>
        <source>Start tocking</source>
        <translation>Lostippen</translation>
    </message>
    <message>
        <source>Welcome to Tocko</source>
        <translation>Willkommen bei Tocko</translation>
    </message>
    <message>
        <source>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</source>
        <translation>Deine Tastatur wird gleich viel befriedigender. Tocko spielt bei jedem Tastendruck einen echten Tastenklang, in jeder App. Die Einrichtung dauert höchstens zwei Minuten.</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Wähle deine Sprache</translation>
    </message>
    <message>
        <source>One quick setting</source>
        <translation>Eine kurze Einstellung</translation>
    </message>
    <message>
        <source>Turn on typing feedback</source>
        <translation>Tippgeräusche einschalten</translation>
    </message>
    <message>
        <source>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko spielt für jede gedrückte Taste einen Sound, in jeder App. Dafür muss Linux Tocko deine Tastatur- und Mausgeräte lesen lassen. Tocko verwendet nur physische Tastencodes und zeichnet nie auf, was du tippst.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</source>
        <translation>Ohne ihn bleibt Tocko still. Der Zugriff kommt von einer udev-Regel oder der Gruppe input, und du kannst ihn jederzeit zurücknehmen.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>Tippgeräusche sind an. Tipp mal los.</translation>
    </message>
    <message>
        <source>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</source>
        <translation>Nur X11-Fenster sind zu hören. Unter Wayland braucht Tocko Zugriff auf die Tastaturgeräte, um jede App zu hören.</translation>
    </message>
    <message>
        <source>28 packs · 5 styles</source>
        <translation>28 Pakete · 5 Stile</translation>
    </message>
    <message>
        <source>Pick your sound</source>
        <translation>Wähle deinen Sound</translation>
    </message>
    <message>
        <source>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</source>
        <translation>Das wird dein Standardsound. Bindungsangst? Wechsle jederzeit über das Tocko-Menü oder gib jeder App ihren eigenen.</translation>
    </message>
    <message>
        <source>Type something. Anything. Go on…</source>
        <translation>Tipp etwas. Irgendwas. Na los …</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Code editor</source>
        <translation>Code-Editor</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Tips · 1 of 2</source>
        <translation>Tipps · 1 von 2</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Mach es zu deinem</translation>
    </message>
    <message>
        <source>A sound for every app</source>
        <translation>Ein Sound für jede App</translation>
    </message>
    <message>
        <source>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</source>
        <translation>Sanfte Tasten für E-Mails, laute Klicks für Code, Stille für Tabellen. Die haben genug gelitten. Lege in den Einstellungen eine Regel an, und Tocko wechselt, wenn du zwischen Apps springst.</translation>
    </message>
    <message>
        <source>Clicks can tock too</source>
        <translation>Auch Klicks können tocken</translation>
    </message>
    <message>
        <source>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</source>
        <translation>Mausklicks leihen sich standardmäßig deinen Tastatursound. Gib ihnen in den Einstellungen ein eigenes Paket oder schalte sie ganz aus.</translation>
    </message>
    <message>
        <source>Muted until the call ends</source>
        <translation>Stumm, bis der Anruf endet</translation>
    </message>
    <message>
        <source>It knows when to hush</source>
        <translation>Es weiß, wann es still sein muss</translation>
    </message>
    <message>
        <source>Quiet on calls</source>
        <translation>Ruhe bei Anrufen</translation>
    </message>
    <message>
        <source>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Mikro an für Zoom, Meet oder Jitsi? Tocko verstummt, damit niemand hört, wie du Notizen über die anderen tippst. Nach dem Anruf ist es wieder da.</translation>
    </message>
    <message>
        <source>Mute for 10 minutes</source>
        <translation>10 Minuten stumm</translation>
    </message>
    <message>
        <source>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</source>
        <translation>Brauchst du einen Moment? Schalte Tocko im Menü stumm. Es kommt von selbst zurück, wie eine Katze.</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Alles bereit</translation>
    </message>
    <message>
        <source>Tocko lives in your system tray</source>
        <translation>Tocko wohnt in deinem Infobereich</translation>
    </message>
    <message>
        <source>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Halte unter den Symbolen im Infobereich deiner Leiste Ausschau nach dem K. Dort wohnt Tocko. Die Tour noch einmal? Sie ist in den Einstellungen.</translation>
    </message>
    <message>
        <source>Tocko keeps running in the background</source>
        <translation>Tocko läuft im Hintergrund weiter</translation>
    </message>
    <message>
        <source>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</source>
        <translation>Deine Arbeitsumgebung zeigt keine Symbole im Infobereich, daher öffnet sich Tockos Schnellsteuerung in einem eigenen Fenster. Öffne Tocko aus der App-Übersicht, um sie zurückzuholen. Die Tour noch einmal? Sie ist in den Einstellungen.</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</source>
        <translation>Schalte das ein, und Tocko ist vor deinem ersten Kaffee bereit, jedes Mal, wenn du dich anmeldest. Jederzeit in den Einstellungen änderbar.</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Bei Anmeldung öffnen</translation>
    </message>
    <message>
        <source>Input devices › Keyboards and mice</source>
        <translation>Eingabegeräte › Tastaturen und Mäuse</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Erlaubt Tastengeräusche in jeder App</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Access granted. Log out and back in so that Tocko hears every app.</source>
        <translation>Zugriff gewährt. Melde dich ab und wieder an, damit Tocko jede App hört.</translation>
    </message>
    <message>
        <source>Access was not granted.</source>
        <translation>Zugriff wurde nicht gewährt.</translation>
    </message>
    <message>
        <source>No administrator prompt (pkexec) is available on this system.</source>
        <translation>Auf diesem System gibt es keine Administratorabfrage (pkexec).</translation>
    </message>
    <message>
        <source>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</source>
        <translation>Tocko spielt sein Klicken, wenn es eine Taste heruntergehen sieht. Unter Linux erfährt es das von den Tastatur- und Mausgeräten in /dev/input, die nur die Gruppe input lesen darf, oder in einer X11-Sitzung vom X-Server.</translation>
    </message>
    <message>
        <source>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</source>
        <translation>„Zugriff gewähren …“ fragt nach einem Administratorpasswort und legt dann eine udev-Regel an, die jeden, der an diesem Computer sitzt, Tastaturen und Mäuse lesen lässt. Ohne systemd-logind fügt es dich stattdessen der Gruppe input hinzu; melde dich danach ab und wieder an.</translation>
    </message>
    <message>
        <source>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</source>
        <translation>Andere Programme, die du startest, können die Tastatur dann ebenfalls lesen. Tocko merkt sich nur, dass eine Taste gedrückt wurde; es zeichnet nie auf und sendet nie, was du tippst.</translation>
    </message>
    <message>
        <source>To do it yourself, run:</source>
        <translation>Um es selbst zu tun, führe aus:</translation>
    </message>
    <message>
        <source>config.json is not a valid JSON object</source>
        <translation>config.json ist kein gültiges JSON-Objekt</translation>
    </message>
    <message>
        <source>config.json gives the pack no name</source>
        <translation>config.json gibt dem Paket keinen Namen</translation>
    </message>
    <message>
        <source>config.json uses a key layout Tocko does not know (%1)</source>
        <translation>config.json verwendet eine Tastenbelegung, die Tocko nicht kennt (%1)</translation>
    </message>
    <message>
        <source>config.json names no sound file to cut the keys' sounds from</source>
        <translation>config.json nennt keine Klangdatei, aus der die Klänge der Tasten geschnitten werden</translation>
    </message>
    <message>
        <source>config.json defines too many keys</source>
        <translation>config.json legt zu viele Tasten fest</translation>
    </message>
    <message>
        <source>config.json: key %1 has no valid [start, length] slice</source>
        <translation>config.json: Taste %1 hat keinen gültigen Abschnitt [Start, Länge]</translation>
    </message>
    <message>
        <source>config.json: key %1 names no sound file</source>
        <translation>config.json: Taste %1 nennt keine Klangdatei</translation>
    </message>
    <message>
        <source>config.json: the sound of key %1 is written in a form Tocko cannot read</source>
        <translation>config.json: Der Klang von Taste %1 ist in einer Form geschrieben, die Tocko nicht lesen kann</translation>
    </message>
    <message>
        <source>config.json: %1 has a sound but is not a key code</source>
        <translation>config.json: %1 hat einen Klang, ist aber kein Tastencode</translation>
    </message>
    <message>
        <source>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</source>
        <translation>config.json: %1 ist eine Einstellung, die Tocko nicht nutzen kann – ihre Klänge gingen verloren</translation>
    </message>
    <message>
        <source>config.json has no key definitions</source>
        <translation>config.json enthält keine Tastenbelegung</translation>
    </message>
    <message>
        <source>config.json defines no sound for a key Tocko can play</source>
        <translation>config.json legt für keine Taste, die Tocko spielen kann, einen Klang fest</translation>
    </message>
    <message>
        <source>config.json cannot be read</source>
        <translation>config.json kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 is not a regular file; links and special files are not accepted</source>
        <translation>%1 ist keine normale Datei; Verknüpfungen und Spezialdateien werden nicht angenommen</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 ist zu groß</translation>
    </message>
    <message>
        <source>The pack names a sound file outside its folder (%1)</source>
        <translation>Das Paket nennt eine Klangdatei außerhalb seines Ordners (%1)</translation>
    </message>
    <message>
        <source>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</source>
        <translation>%1 ist keine unterstützte Klangdatei (WAV, OGG, FLAC oder MP3)</translation>
    </message>
    <message>
        <source>%1 holds no audio</source>
        <translation>%1 enthält keinen Ton</translation>
    </message>
    <message>
        <source>A key's slice lies outside %1</source>
        <translation>Der Abschnitt einer Taste liegt außerhalb von %1</translation>
    </message>
    <message>
        <source>%1 is not a readable .zip file</source>
        <translation>%1 ist keine lesbare .zip-Datei</translation>
    </message>
    <message>
        <source>The .zip file is damaged</source>
        <translation>Die .zip-Datei ist beschädigt</translation>
    </message>
    <message>
        <source>The .zip file holds too many files</source>
        <translation>Die .zip-Datei enthält zu viele Dateien</translation>
    </message>
    <message>
        <source>The .zip file contains a link (%1); links are not accepted</source>
        <translation>Die .zip-Datei enthält eine Verknüpfung (%1); Verknüpfungen werden nicht angenommen</translation>
    </message>
    <message>
        <source>The .zip file contains an unsafe path (%1)</source>
        <translation>Die .zip-Datei enthält einen unsicheren Pfad (%1)</translation>
    </message>
    <message>
        <source>The .zip file contains a special file (%1)</source>
        <translation>Die .zip-Datei enthält eine Spezialdatei (%1)</translation>
    </message>
    <message>
        <source>The .zip file holds %1 twice</source>
        <translation>Die .zip-Datei enthält %1 doppelt</translation>
    </message>
    <message>
        <source>The .zip file unpacks to more than a sound pack can hold</source>
        <translation>Die .zip-Datei entpackt zu mehr, als ein Klangpaket fassen kann</translation>
    </message>
    <message>
        <source>Could not unpack the .zip file; is the disk full?</source>
        <translation>Die .zip-Datei konnte nicht entpackt werden; ist der Datenträger voll?</translation>
    </message>
    <message>
        <source>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</source>
        <translation>Der Ordner enthält weder eine config.json noch WAV-, OGG-, FLAC- oder MP3-Dateien</translation>
    </message>
    <message>
        <source>The folder holds release sounds but no press sound</source>
        <translation>Der Ordner enthält Loslassklänge, aber keinen Drückklang</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>Choose a pack folder or a .zip file</source>
        <translation>Wähle einen Paketordner oder eine .zip-Datei</translation>
    </message>
    <message>
        <source>The pack's decoded audio is larger than %1 MB</source>
        <translation>Der entschlüsselte Ton des Pakets ist größer als %1 MB</translation>
    </message>
    <message>
        <source>Could not resample the pack's sounds</source>
        <translation>Die Klänge des Pakets konnten nicht umgerechnet werden</translation>
    </message>
    <message>
        <source>Too many packs share the name %1</source>
        <translation>Zu viele Pakete heißen %1</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>%1 ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>Could not store the pack; is the disk full?</source>
        <translation>Das Paket konnte nicht gespeichert werden; ist der Datenträger voll?</translation>
    </message>
    <message>
        <source>Could not replace the installed pack %1</source>
        <translation>Das installierte Paket %1 konnte nicht ersetzt werden</translation>
    </message>
    <message>
        <source>%1 is not an imported pack</source>
        <translation>%1 ist kein importiertes Paket</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 ist nicht installiert</translation>
    </message>
    <message>
        <source>Could not remove %1</source>
        <translation>%1 konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>The stored pack %1 is damaged; import it again</source>
        <translation>Das gespeicherte Paket %1 ist beschädigt; importiere es erneut</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot;</source>
        <translation>„%1“ importiert</translation>
    </message>
    <message>
        <source>My Packs</source>
        <translation>Meine Pakete</translation>
    </message>
    <message>
        <source>Import Pack…</source>
        <translation>Paket importieren…</translation>
    </message>
    <message>
        <source>Importing… %1%</source>
        <translation>Wird importiert… %1 %</translation>
    </message>
    <message>
        <source>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</source>
        <translation>Ein Ordner oder eine .zip-Datei mit config.json oder ein Ordner mit Klängen für Drücken und Loslassen. Du kannst ihn auch auf dieses Fenster ziehen.</translation>
    </message>
</context>
</TS>
