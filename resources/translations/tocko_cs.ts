<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>Tocko</name>
    <message>
        <source>Tocko</source>
        <translation>Tocko</translation>
    </message>
    <message>
        <source>Tocko is not installed — it runs from this folder, and the login item would start it from here.</source>
        <translation>Tocko není nainstalované – běží z této složky a položka přihlášení by ho spouštěla odsud.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otevřít složku</translation>
    </message>
    <message>
        <source>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</source>
        <translation>Nebyla nalezena žádná systémová oblast, proto Tocko otevřel své rychlé ovládání ve vlastním okně. Tocko dál běží: otevřete ho znovu z mřížky aplikací nebo tam v jeho nabídce zvolte „Quick Controls“ a vrátíte se sem. Abyste na GNOME měli jeho ikonu v horní liště, nainstalujte a zapněte rozšíření AppIndicator (balíček gnome-shell-extension-appindicator nebo „AppIndicator and KStatusNotifierItem Support“ z extensions.gnome.org), pak se odhlaste a znovu přihlaste.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <translation>Zvuk pro %1</translation>
    </message>
    <message>
        <source>Default Sound</source>
        <translation>Výchozí zvuk</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>Mechanické</translation>
    </message>
    <message>
        <source>ASMR</source>
        <translation>ASMR</translation>
    </message>
    <message>
        <source>Vintage</source>
        <translation>Retro</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Ostré</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>Zábavné</translation>
    </message>
    <message>
        <source>Enable clicks</source>
        <translation>Zapnout klapání</translation>
    </message>
    <message>
        <source>%1 · muted (call)</source>
        <translation>%1 · ztlumeno (hovor)</translation>
    </message>
    <message>
        <source>%1 · silent</source>
        <translation>%1 · ticho</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Výstup: %1</translation>
    </message>
    <message>
        <source>Typing feedback: On</source>
        <translation>Zvuky psaní: zapnuto</translation>
    </message>
    <message>
        <source>Typing feedback needs permission</source>
        <translation>Zvuky psaní potřebují oprávnění</translation>
    </message>
    <message>
        <source>Turn On Typing Feedback…</source>
        <translation>Zapnout zvuky psaní…</translation>
    </message>
    <message>
        <source>Quit and reopen Tocko to activate sounds.</source>
        <translation>Ukončete Tocko a znovu ho otevřete, aby se zvuky aktivovaly.</translation>
    </message>
    <message>
        <source>Relaunch</source>
        <translation>Znovu spustit</translation>
    </message>
    <message>
        <source>an app</source>
        <translation>nějaká aplikace</translation>
    </message>
    <message>
        <source>Keyboard sounds are paused — %1 is asking for a password.</source>
        <translation>Zvuky klávesnice jsou pozastaveny – %1 žádá o heslo.</translation>
    </message>
    <message>
        <source>Quit %1 or click outside its password field. Mouse clicks still work.</source>
        <translation>Ukončete %1 nebo klikněte mimo jeho pole pro heslo. Kliknutí myší stále fungují.</translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation>Vyzkoušet zvuk</translation>
    </message>
    <message>
        <source>Muted —</source>
        <translation>Ztlumeno –</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Zrušit ztlumení</translation>
    </message>
    <message>
        <source>Mute for 10 min</source>
        <translation>Ztlumit na 10 min</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Kopírovat diagnostiku</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Vyhledat aktualizace…</translation>
    </message>
    <message>
        <source>Quit Tocko</source>
        <translation>Ukončit Tocko</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Podle systému (%1)</translation>
    </message>
    <message>
        <source>Show welcome tour</source>
        <translation>Zobrazit uvítací průvodce</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Enable Tocko</source>
        <translation>Zapnout Tocko</translation>
    </message>
    <message>
        <source>Auto-mute during calls (microphone in use)</source>
        <translation>Ztlumit během hovorů (mikrofon se používá)</translation>
    </message>
    <message>
        <source>Launch Tocko at login</source>
        <translation>Spouštět Tocko po přihlášení</translation>
    </message>
    <message>
        <source>Sound on key release</source>
        <translation>Zvuk při uvolnění klávesy</translation>
    </message>
    <message>
        <source>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</source>
        <translation>Zvuky psaní jsou vypnuté. Zapnete je kliknutím na ikonu Tocko v oznamovací oblasti panelu.</translation>
    </message>
    <message>
        <source>Mouse clicks</source>
        <translation>Kliknutí myší</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>Same as keyboard</source>
        <translation>Stejně jako klávesnice</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>na této ploše není k dispozici</translation>
    </message>
    <message>
        <source>needs the Tocko GNOME Shell extension</source>
        <translation>vyžaduje rozšíření Tocko pro GNOME Shell</translation>
    </message>
    <message>
        <source>Enable GNOME Shell Extension</source>
        <translation>Zapnout rozšíření GNOME Shell</translation>
    </message>
    <message>
        <source>Current app</source>
        <translation>Aktuální aplikace</translation>
    </message>
    <message>
        <source>App ID</source>
        <translation>ID aplikace</translation>
    </message>
    <message>
        <source>Microphone in use</source>
        <translation>Mikrofon se používá</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Effective</source>
        <translation>Platné</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Ticho</translation>
    </message>
    <message>
        <source>Default profile</source>
        <translation>Výchozí profil</translation>
    </message>
    <message>
        <source>Per-app rules</source>
        <translation>Pravidla pro aplikace</translation>
    </message>
    <message>
        <source>No rules yet — add one below.</source>
        <translation>Zatím žádná pravidla – přidejte nějaké níže.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Přidat pravidlo</translation>
    </message>
    <message>
        <source>Running app</source>
        <translation>Spuštěná aplikace</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Vybrat…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>…or an app id (org.example.App)</source>
        <translation>…nebo ID aplikace (org.example.App)</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Odinstalovat</translation>
    </message>
    <message>
        <source>Uninstall Tocko…</source>
        <translation>Odinstalovat Tocko…</translation>
    </message>
    <message>
        <source>Removes Tocko and everything it stored on this computer.</source>
        <translation>Odstraní Tocko a vše, co uložilo v tomto počítači.</translation>
    </message>
    <message>
        <source>Sound pack</source>
        <translation>Balíček zvuků</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Hlasitost</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Ztlumeno</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Přehrát ukázku</translation>
    </message>
    <message>
        <source>Uninstall Tocko?</source>
        <translation>Odinstalovat Tocko?</translation>
    </message>
    <message>
        <source>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</source>
        <translation>Po odinstalování se Tocko přestane otevírat po přihlášení, jeho nastavení a zvukové profily se z tohoto počítače smažou a Tocko se přesune do koše.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Tocko has been moved to the Trash.</source>
        <translation>Tocko bylo přesunuto do koše.</translation>
    </message>
    <message>
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</source>
        <translation>Nastavení Tocko jsou odstraněna, ale aplikace se nedokázala sama přesunout do koše. Odstraňte ji správcem balíčků, kterým byla nainstalována.</translation>
    </message>
    <message>
        <source>One last step: the input access given to Tocko stays until you take it back with this command:</source>
        <translation>Poslední krok: přístup ke vstupním zařízením udělený aplikaci Tocko zůstává, dokud ho nezrušíte tímto příkazem:</translation>
    </message>
    <message>
        <source>Grant access…</source>
        <translation>Udělit přístup…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>Máte nejnovější verzi!</translation>
    </message>
    <message>
        <source>Tocko %1 is currently the newest version available.</source>
        <translation>Tocko %1 je aktuálně nejnovější dostupná verze.</translation>
    </message>
    <message>
        <source>A new version of Tocko is available!</source>
        <translation>Je k dispozici nová verze Tocko!</translation>
    </message>
    <message>
        <source>Tocko %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Tocko %1 je nyní k dispozici – máte verzi %2. Chcete ji stáhnout hned?</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Stáhnout</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Připomenout později</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Chyba aktualizace!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <translation>Při načítání informací o aktualizacích došlo k chybě. Zkuste to prosím později.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Let’s set it up</source>
        <translation>Pojďme to nastavit</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Skip for now</source>
        <translation>Zatím přeskočit</translation>
    </message>
    <message>
        <source>Start tocking</source>
        <translation>Začít ťukat</translation>
    </message>
    <message>
        <source>Welcome to Tocko</source>
        <translation>Vítá vás Tocko</translation>
    </message>
    <message>
        <source>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</source>
        <translation>Vaše klávesnice bude za chvíli mnohem příjemnější. Tocko přehraje skutečný zvuk klávesy pokaždé, když píšete, v každé aplikaci. Nastavení zabere nanejvýš dvě minuty.</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Vyberte jazyk</translation>
    </message>
    <message>
        <source>One quick setting</source>
        <translation>Jedno rychlé nastavení</translation>
    </message>
    <message>
        <source>Turn on typing feedback</source>
        <translation>Zapněte zvuky psaní</translation>
    </message>
    <message>
        <source>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko přehraje zvuk pro každou stisknutou klávesu, v každé aplikaci. K tomu mu Linux musí dovolit číst zařízení klávesnice a myši. Tocko používá jen fyzické kódy kláves a nikdy nezaznamenává, co píšete.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</source>
        <translation>Bez něj zůstane Tocko potichu. Přístup zajišťuje pravidlo udev nebo skupina input a kdykoli ho můžete odebrat.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>Zvuky psaní jsou zapnuté. Zkuste psát.</translation>
    </message>
    <message>
        <source>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</source>
        <translation>Slyší se jen okna X11. Ve Waylandu potřebuje Tocko přístup k zařízením klávesnice, aby slyšel všechny aplikace.</translation>
    </message>
    <message>
        <source>28 packs · 5 styles</source>
        <translation>28 balíčků · 5 stylů</translation>
    </message>
    <message>
        <source>Pick your sound</source>
        <translation>Vyberte si zvuk</translation>
    </message>
    <message>
        <source>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</source>
        <translation>Tohle bude váš výchozí zvuk. Bojíte se závazků? Přepněte kdykoli v nabídce Tocko, nebo dejte každé aplikaci její vlastní.</translation>
    </message>
    <message>
        <source>Type something. Anything. Go on…</source>
        <translation>Napište něco. Cokoli. No tak…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Code editor</source>
        <translation>Editor kódu</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Tabulkový procesor</translation>
    </message>
    <message>
        <source>Tips · 1 of 2</source>
        <translation>Tipy · 1 ze 2</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Přizpůsobte si ho</translation>
    </message>
    <message>
        <source>A sound for every app</source>
        <translation>Zvuk pro každou aplikaci</translation>
    </message>
    <message>
        <source>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</source>
        <translation>Jemné klávesy pro e-maily, hlasité klapání pro kód, ticho pro tabulky. Ty už se natrpěly dost. Přidejte pravidlo v Nastavení a Tocko se přepne, jak budete přeskakovat mezi aplikacemi.</translation>
    </message>
    <message>
        <source>Clicks can tock too</source>
        <translation>I kliknutí umí ťukat</translation>
    </message>
    <message>
        <source>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</source>
        <translation>Kliknutí myší si ve výchozím stavu půjčují zvuk klávesnice. Dejte jim v Nastavení vlastní balíček, nebo je úplně vypněte.</translation>
    </message>
    <message>
        <source>Muted until the call ends</source>
        <translation>Ztlumeno do konce hovoru</translation>
    </message>
    <message>
        <source>It knows when to hush</source>
        <translation>Ví, kdy být zticha</translation>
    </message>
    <message>
        <source>Quiet on calls</source>
        <translation>Ticho při hovorech</translation>
    </message>
    <message>
        <source>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Mikrofon zapnutý kvůli Zoomu, Meetu nebo Jitsi? Tocko ztichne, aby nikdo neslyšel, jak si o nich píšete poznámky. Po skončení hovoru je zpět.</translation>
    </message>
    <message>
        <source>Mute for 10 minutes</source>
        <translation>Ztlumit na 10 minut</translation>
    </message>
    <message>
        <source>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</source>
        <translation>Potřebujete chvilku? Ztlumte Tocko v nabídce. Vrátí se samo, jako kočka.</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Vše je připraveno</translation>
    </message>
    <message>
        <source>Tocko lives in your system tray</source>
        <translation>Tocko bydlí v oznamovací oblasti</translation>
    </message>
    <message>
        <source>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Hledejte K mezi ikonami v oznamovací oblasti panelu. Tam bydlí Tocko. Chcete průvodce znovu? Najdete ho v Nastavení.</translation>
    </message>
    <message>
        <source>Tocko keeps running in the background</source>
        <translation>Tocko běží dál na pozadí</translation>
    </message>
    <message>
        <source>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</source>
        <translation>Vaše plocha nezobrazuje ikony v oznamovací oblasti, proto se rychlé ovládání Tocka otevírá ve vlastním okně. Chcete-li ho vrátit, otevřete Tocko z mřížky aplikací. Chcete průvodce znovu? Najdete ho v Nastavení.</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Spouštět po přihlášení</translation>
    </message>
    <message>
        <source>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</source>
        <translation>Zapněte tohle a Tocko bude připravené ještě před první kávou, pokaždé když se přihlásíte. Změnit to můžete kdykoli v Nastavení.</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Otevřít po přihlášení</translation>
    </message>
    <message>
        <source>Input devices › Keyboards and mice</source>
        <translation>Vstupní zařízení › Klávesnice a myši</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Povoluje zvuky kláves v každé aplikaci</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Access granted. Log out and back in so that Tocko hears every app.</source>
        <translation>Přístup udělen. Odhlaste se a znovu přihlaste, aby Tocko slyšel všechny aplikace.</translation>
    </message>
    <message>
        <source>Access was not granted.</source>
        <translation>Přístup nebyl udělen.</translation>
    </message>
    <message>
        <source>No administrator prompt (pkexec) is available on this system.</source>
        <translation>V tomto systému není k dispozici výzva správce (pkexec).</translation>
    </message>
    <message>
        <source>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</source>
        <translation>Tocko přehraje cvaknutí, když uvidí stisk klávesy. V Linuxu se to dozví ze zařízení klávesnice a myši v /dev/input, která smí číst jen skupina input, nebo v relaci X11 od X serveru.</translation>
    </message>
    <message>
        <source>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</source>
        <translation>„Udělit přístup…“ požádá o heslo správce a pak přidá pravidlo udev, které dovolí tomu, kdo sedí u tohoto počítače, číst klávesnice a myši. Bez systemd-logind vás místo toho přidá do skupiny input; pak se odhlaste a znovu přihlaste.</translation>
    </message>
    <message>
        <source>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</source>
        <translation>Klávesnici pak mohou číst i jiné programy, které spouštíte. Tocko si jen všimne, že byla stisknuta klávesa; nikdy nezaznamenává ani neodesílá, co píšete.</translation>
    </message>
    <message>
        <source>To do it yourself, run:</source>
        <translation>Chcete-li to udělat sami, spusťte:</translation>
    </message>
    <message>
        <source>config.json is not a valid JSON object</source>
        <translation>config.json není platný objekt JSON</translation>
    </message>
    <message>
        <source>config.json gives the pack no name</source>
        <translation>config.json nedává balíčku žádný název</translation>
    </message>
    <message>
        <source>config.json uses a key layout Tocko does not know (%1)</source>
        <translation>config.json používá rozložení kláves, které Tocko nezná (%1)</translation>
    </message>
    <message>
        <source>config.json names no sound file to cut the keys' sounds from</source>
        <translation>config.json neuvádí žádný zvukový soubor, ze kterého by se vystřihly zvuky kláves</translation>
    </message>
    <message>
        <source>config.json defines too many keys</source>
        <translation>config.json definuje příliš mnoho kláves</translation>
    </message>
    <message>
        <source>config.json: key %1 has no valid [start, length] slice</source>
        <translation>config.json: klávesa %1 nemá platný úsek [začátek, délka]</translation>
    </message>
    <message>
        <source>config.json: key %1 names no sound file</source>
        <translation>config.json: klávesa %1 neuvádí žádný zvukový soubor</translation>
    </message>
    <message>
        <source>config.json: the sound of key %1 is written in a form Tocko cannot read</source>
        <translation>config.json: zvuk klávesy %1 je zapsán v podobě, kterou Tocko neumí přečíst</translation>
    </message>
    <message>
        <source>config.json: %1 has a sound but is not a key code</source>
        <translation>config.json: %1 má zvuk, ale není kódem klávesy</translation>
    </message>
    <message>
        <source>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</source>
        <translation>config.json: %1 je nastavení, které Tocko nemůže použít, takže by se jeho zvuky ztratily</translation>
    </message>
    <message>
        <source>config.json has no key definitions</source>
        <translation>config.json neobsahuje žádné definice kláves</translation>
    </message>
    <message>
        <source>config.json defines no sound for a key Tocko can play</source>
        <translation>config.json nedefinuje zvuk pro žádnou klávesu, kterou Tocko umí přehrát</translation>
    </message>
    <message>
        <source>config.json cannot be read</source>
        <translation>config.json nelze přečíst</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 chybí</translation>
    </message>
    <message>
        <source>%1 is not a regular file; links and special files are not accepted</source>
        <translation>%1 není běžný soubor; odkazy a speciální soubory nejsou přijímány</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 je příliš velký</translation>
    </message>
    <message>
        <source>The pack names a sound file outside its folder (%1)</source>
        <translation>Balíček uvádí zvukový soubor mimo svou složku (%1)</translation>
    </message>
    <message>
        <source>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</source>
        <translation>%1 není podporovaný zvukový soubor (WAV, OGG, FLAC nebo MP3)</translation>
    </message>
    <message>
        <source>%1 holds no audio</source>
        <translation>%1 neobsahuje žádný zvuk</translation>
    </message>
    <message>
        <source>A key's slice lies outside %1</source>
        <translation>Úsek některé klávesy leží mimo %1</translation>
    </message>
    <message>
        <source>%1 is not a readable .zip file</source>
        <translation>%1 není čitelný soubor .zip</translation>
    </message>
    <message>
        <source>The .zip file is damaged</source>
        <translation>Soubor .zip je poškozený</translation>
    </message>
    <message>
        <source>The .zip file holds too many files</source>
        <translation>Soubor .zip obsahuje příliš mnoho souborů</translation>
    </message>
    <message>
        <source>The .zip file contains a link (%1); links are not accepted</source>
        <translation>Soubor .zip obsahuje odkaz (%1); odkazy nejsou přijímány</translation>
    </message>
    <message>
        <source>The .zip file contains an unsafe path (%1)</source>
        <translation>Soubor .zip obsahuje nebezpečnou cestu (%1)</translation>
    </message>
    <message>
        <source>The .zip file contains a special file (%1)</source>
        <translation>Soubor .zip obsahuje speciální soubor (%1)</translation>
    </message>
    <message>
        <source>The .zip file holds %1 twice</source>
        <translation>Soubor .zip obsahuje %1 dvakrát</translation>
    </message>
    <message>
        <source>The .zip file unpacks to more than a sound pack can hold</source>
        <translation>Soubor .zip se rozbalí na víc, než může zvukový balíček obsahovat</translation>
    </message>
    <message>
        <source>Could not unpack the .zip file; is the disk full?</source>
        <translation>Soubor .zip nelze rozbalit; není disk plný?</translation>
    </message>
    <message>
        <source>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</source>
        <translation>Složka neobsahuje ani config.json, ani soubory WAV, OGG, FLAC nebo MP3</translation>
    </message>
    <message>
        <source>The folder holds release sounds but no press sound</source>
        <translation>Složka obsahuje zvuky uvolnění, ale žádný zvuk stisku</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 neexistuje</translation>
    </message>
    <message>
        <source>Choose a pack folder or a .zip file</source>
        <translation>Vyberte složku balíčku nebo soubor .zip</translation>
    </message>
    <message>
        <source>The pack's decoded audio is larger than %1 MB</source>
        <translation>Dekódovaný zvuk balíčku je větší než %1 MB</translation>
    </message>
    <message>
        <source>Could not resample the pack's sounds</source>
        <translation>Zvuky balíčku nelze převzorkovat</translation>
    </message>
    <message>
        <source>Too many packs share the name %1</source>
        <translation>Příliš mnoho balíčků se jmenuje %1</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Do %1 nelze zapisovat</translation>
    </message>
    <message>
        <source>Could not store the pack; is the disk full?</source>
        <translation>Balíček nelze uložit; není disk plný?</translation>
    </message>
    <message>
        <source>Could not replace the installed pack %1</source>
        <translation>Nainstalovaný balíček %1 nelze nahradit</translation>
    </message>
    <message>
        <source>%1 is not an imported pack</source>
        <translation>%1 není importovaný balíček</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 není nainstalován</translation>
    </message>
    <message>
        <source>Could not remove %1</source>
        <translation>%1 nelze odstranit</translation>
    </message>
    <message>
        <source>The stored pack %1 is damaged; import it again</source>
        <translation>Uložený balíček %1 je poškozený; importujte jej znovu</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>%1 nelze importovat: %2</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot;</source>
        <translation>Importováno „%1“</translation>
    </message>
    <message>
        <source>My Packs</source>
        <translation>Moje balíčky</translation>
    </message>
    <message>
        <source>Import Pack…</source>
        <translation>Importovat balíček…</translation>
    </message>
    <message>
        <source>Importing… %1%</source>
        <translation>Importuje se… %1 %</translation>
    </message>
    <message>
        <source>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</source>
        <translation>Složka nebo .zip se souborem config.json, nebo složka se zvuky stisku a uvolnění. Můžete ji také přetáhnout do tohoto okna.</translation>
    </message>
</context>
</TS>
