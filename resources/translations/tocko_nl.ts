<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>Tocko</name>
    <message>
        <source>Tocko</source>
        <translation>Tocko</translation>
    </message>
    <message>
        <source>Tocko is not installed — it runs from this folder, and the login item would start it from here.</source>
        <translation>Tocko is niet geïnstalleerd — het draait vanuit deze map, en het inlogonderdeel zou het van hieruit starten.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</source>
        <translation>Er is geen systeemvak gevonden, dus heeft Tocko zijn snelle bediening in een eigen venster geopend. Tocko blijft draaien: open het opnieuw vanuit het app-overzicht, of kies daar in zijn menu ‘Quick Controls’, om hier terug te komen. Voor zijn pictogram in de bovenbalk van GNOME installeer en activeer je de extensie AppIndicator (pakket gnome-shell-extension-appindicator, of ‘AppIndicator and KStatusNotifierItem Support’ van extensions.gnome.org); log daarna uit en weer in.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <translation>Geluid voor %1</translation>
    </message>
    <message>
        <source>Default Sound</source>
        <translation>Standaardgeluid</translation>
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
        <translation>Scherp</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>Leuk</translation>
    </message>
    <message>
        <source>Enable clicks</source>
        <translation>Klikken inschakelen</translation>
    </message>
    <message>
        <source>%1 · muted (call)</source>
        <translation>%1 · gedempt (gesprek)</translation>
    </message>
    <message>
        <source>%1 · silent</source>
        <translation>%1 · stil</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Uitvoer: %1</translation>
    </message>
    <message>
        <source>Typing feedback: On</source>
        <translation>Typgeluid: aan</translation>
    </message>
    <message>
        <source>Typing feedback needs permission</source>
        <translation>Typgeluid heeft toestemming nodig</translation>
    </message>
    <message>
        <source>Turn On Typing Feedback…</source>
        <translation>Typgeluid inschakelen…</translation>
    </message>
    <message>
        <source>Quit and reopen Tocko to activate sounds.</source>
        <translation>Stop Tocko en open het opnieuw om de geluiden te activeren.</translation>
    </message>
    <message>
        <source>Relaunch</source>
        <translation>Opnieuw starten</translation>
    </message>
    <message>
        <source>an app</source>
        <translation>een app</translation>
    </message>
    <message>
        <source>Keyboard sounds are paused — %1 is asking for a password.</source>
        <translation>Toetsgeluiden gepauzeerd — %1 vraagt om een wachtwoord.</translation>
    </message>
    <message>
        <source>Quit %1 or click outside its password field. Mouse clicks still work.</source>
        <translation>Stop %1 of klik buiten het wachtwoordveld ervan. Muisklikken werken nog steeds.</translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation>Test geluid</translation>
    </message>
    <message>
        <source>Muted —</source>
        <translation>Gedempt —</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Dempen opheffen</translation>
    </message>
    <message>
        <source>Mute for 10 min</source>
        <translation>10 min dempen</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Kopieer diagnose</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Zoek naar updates…</translation>
    </message>
    <message>
        <source>Quit Tocko</source>
        <translation>Stop Tocko</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Systeemstandaard (%1)</translation>
    </message>
    <message>
        <source>Show welcome tour</source>
        <translation>Toon welkomstrondleiding</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Enable Tocko</source>
        <translation>Tocko inschakelen</translation>
    </message>
    <message>
        <source>Auto-mute during calls (microphone in use)</source>
        <translation>Automatisch dempen tijdens gesprekken (microfoon in gebruik)</translation>
    </message>
    <message>
        <source>Launch Tocko at login</source>
        <translation>Open Tocko bij inloggen</translation>
    </message>
    <message>
        <source>Sound on key release</source>
        <translation>Geluid bij loslaten van toets</translation>
    </message>
    <message>
        <source>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</source>
        <translation>Typgeluid staat uit. Klik op het Tocko-symbool in het systeemvak om het in te schakelen.</translation>
    </message>
    <message>
        <source>Mouse clicks</source>
        <translation>Muisklikken</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Same as keyboard</source>
        <translation>Zelfde als toetsenbord</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>niet beschikbaar op dit bureaublad</translation>
    </message>
    <message>
        <source>needs the Tocko GNOME Shell extension</source>
        <translation>heeft de Tocko-extensie voor GNOME Shell nodig</translation>
    </message>
    <message>
        <source>Enable GNOME Shell Extension</source>
        <translation>GNOME Shell-extensie inschakelen</translation>
    </message>
    <message>
        <source>Current app</source>
        <translation>Huidige app</translation>
    </message>
    <message>
        <source>App ID</source>
        <translation>App-ID</translation>
    </message>
    <message>
        <source>Microphone in use</source>
        <translation>Microfoon in gebruik</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Effective</source>
        <translation>Actief</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Default profile</source>
        <translation>Standaardprofiel</translation>
    </message>
    <message>
        <source>Per-app rules</source>
        <translation>Regels per app</translation>
    </message>
    <message>
        <source>No rules yet — add one below.</source>
        <translation>Nog geen regels — voeg er hieronder een toe.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Regel toevoegen</translation>
    </message>
    <message>
        <source>Running app</source>
        <translation>Actieve app</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Kies…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Voeg toe</translation>
    </message>
    <message>
        <source>…or an app id (org.example.App)</source>
        <translation>…of een app-ID (org.example.App)</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Uninstall Tocko…</source>
        <translation>Verwijder Tocko…</translation>
    </message>
    <message>
        <source>Removes Tocko and everything it stored on this computer.</source>
        <translation>Verwijdert Tocko en alles wat het op deze computer heeft bewaard.</translation>
    </message>
    <message>
        <source>Sound pack</source>
        <translation>Geluidspakket</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Gedempt</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>Uninstall Tocko?</source>
        <translation>Tocko verwijderen?</translation>
    </message>
    <message>
        <source>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</source>
        <translation>Bij het verwijderen opent Tocko niet meer bij het inloggen, worden de instellingen en geluidsprofielen van Tocko van deze computer gewist en wordt Tocko naar de prullenmand verplaatst.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Tocko has been moved to the Trash.</source>
        <translation>Tocko is naar de prullenmand verplaatst.</translation>
    </message>
    <message>
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</source>
        <translation>De instellingen van Tocko zijn verwijderd, maar de app kon zichzelf niet naar de prullenmand verplaatsen. Verwijder hem met de pakketbeheerder die hem heeft geïnstalleerd.</translation>
    </message>
    <message>
        <source>One last step: the input access given to Tocko stays until you take it back with this command:</source>
        <translation>Nog één stap: de invoertoegang die Tocko kreeg, blijft bestaan tot je die intrekt met deze opdracht:</translation>
    </message>
    <message>
        <source>Grant access…</source>
        <translation>Toegang verlenen…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>Je bent helemaal bij!</translation>
    </message>
    <message>
        <source>Tocko %1 is currently the newest version available.</source>
        <translation>Tocko %1 is momenteel de nieuwste beschikbare versie.</translation>
    </message>
    <message>
        <source>A new version of Tocko is available!</source>
        <translation>Er is een nieuwe versie van Tocko beschikbaar!</translation>
    </message>
    <message>
        <source>Tocko %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Tocko %1 is nu beschikbaar — je hebt %2. Wil je deze nu downloaden?</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Herinner me later</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Updatefout!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <translation>Er is een fout opgetreden bij het ophalen van de update-informatie. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>Let’s set it up</source>
        <translation>Aan de slag</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Ga door</translation>
    </message>
    <message>
        <source>Skip for now</source>
        <translation>Nu overslaan</translation>
    </message>
    <message>
        <source>Start tocking</source>
        <translation>Begin met tikken</translation>
    </message>
    <message>
        <source>Welcome to Tocko</source>
        <translation>Welkom bij Tocko</translation>
    </message>
    <message>
        <source>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</source>
        <translation>Je toetsenbord gaat een stuk bevredigender klinken. Tocko speelt bij elke aanslag een echt toetsgeluid af, in elke app. Instellen duurt hooguit twee minuten.</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Kies je taal</translation>
    </message>
    <message>
        <source>One quick setting</source>
        <translation>Eén snelle instelling</translation>
    </message>
    <message>
        <source>Turn on typing feedback</source>
        <translation>Schakel typgeluid in</translation>
    </message>
    <message>
        <source>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko speelt een geluid af voor elke toets die je indrukt, in elke app. Daarvoor moet Linux Tocko je toetsenbord- en muisapparaten laten lezen. Tocko gebruikt alleen fysieke toetscodes en legt nooit vast wat je typt.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</source>
        <translation>Zonder toegang blijft Tocko stil. De toegang komt van een udev-regel of de groep input, en je kunt hem altijd weer intrekken.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>Typgeluid staat aan. Probeer maar te typen.</translation>
    </message>
    <message>
        <source>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</source>
        <translation>Alleen X11-vensters zijn te horen. Onder Wayland heeft Tocko toegang tot de toetsenbordapparaten nodig om elke app te horen.</translation>
    </message>
    <message>
        <source>28 packs · 5 styles</source>
        <translation>28 pakketten · 5 stijlen</translation>
    </message>
    <message>
        <source>Pick your sound</source>
        <translation>Kies je geluid</translation>
    </message>
    <message>
        <source>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</source>
        <translation>Dit wordt je standaardgeluid. Bindingsangst? Wissel altijd via het Tocko-menu, of geef elke app een eigen geluid.</translation>
    </message>
    <message>
        <source>Type something. Anything. Go on…</source>
        <translation>Typ iets. Wat dan ook. Kom op…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Code editor</source>
        <translation>Code-editor</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Spreadsheet-app</translation>
    </message>
    <message>
        <source>Tips · 1 of 2</source>
        <translation>Tips · 1 van 2</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Maak het je eigen</translation>
    </message>
    <message>
        <source>A sound for every app</source>
        <translation>Een geluid voor elke app</translation>
    </message>
    <message>
        <source>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</source>
        <translation>Zachte toetsen voor e-mail, luide klikken voor code, stilte voor spreadsheets. Die hebben genoeg geleden. Voeg een regel toe in Instellingen en Tocko wisselt mee als je van app naar app springt.</translation>
    </message>
    <message>
        <source>Clicks can tock too</source>
        <translation>Ook klikken kunnen tocken</translation>
    </message>
    <message>
        <source>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</source>
        <translation>Muisklikken lenen standaard je toetsenbordgeluid. Geef ze in Instellingen een eigen pakket, of zet ze helemaal uit.</translation>
    </message>
    <message>
        <source>Muted until the call ends</source>
        <translation>Gedempt tot het gesprek eindigt</translation>
    </message>
    <message>
        <source>It knows when to hush</source>
        <translation>Het weet wanneer het stil moet zijn</translation>
    </message>
    <message>
        <source>Quiet on calls</source>
        <translation>Stil tijdens gesprekken</translation>
    </message>
    <message>
        <source>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Microfoon aan voor Zoom, Meet of Jitsi? Tocko wordt stil, zodat niemand je notities over hen hoort typen. Na het gesprek is het terug.</translation>
    </message>
    <message>
        <source>Mute for 10 minutes</source>
        <translation>10 minuten dempen</translation>
    </message>
    <message>
        <source>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</source>
        <translation>Even rust nodig? Demp Tocko via het menu. Het komt vanzelf terug, net als een kat.</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Je bent er klaar voor</translation>
    </message>
    <message>
        <source>Tocko lives in your system tray</source>
        <translation>Tocko woont in je systeemvak</translation>
    </message>
    <message>
        <source>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Zoek de K tussen de symbolen in het systeemvak van je paneel. Daar woont Tocko. Wil je de rondleiding nog eens? Die staat in Instellingen.</translation>
    </message>
    <message>
        <source>Tocko keeps running in the background</source>
        <translation>Tocko blijft op de achtergrond draaien</translation>
    </message>
    <message>
        <source>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</source>
        <translation>Je bureaublad toont geen symbolen in het systeemvak, dus opent de snelle bediening van Tocko in een eigen venster. Open Tocko vanuit het app-overzicht om die terug te halen. Wil je de rondleiding nog eens? Die staat in Instellingen.</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Starten bij inloggen</translation>
    </message>
    <message>
        <source>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</source>
        <translation>Zet dit aan en Tocko is klaar vóór je eerste koffie, elke keer dat je inlogt. Je kunt het altijd wijzigen in Instellingen.</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Open bij inloggen</translation>
    </message>
    <message>
        <source>Input devices › Keyboards and mice</source>
        <translation>Invoerapparaten › Toetsenborden en muizen</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Staat toetsgeluiden toe in elke app</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijder</translation>
    </message>
    <message>
        <source>Access granted. Log out and back in so that Tocko hears every app.</source>
        <translation>Toegang verleend. Log uit en weer in zodat Tocko elke app hoort.</translation>
    </message>
    <message>
        <source>Access was not granted.</source>
        <translation>Toegang is niet verleend.</translation>
    </message>
    <message>
        <source>No administrator prompt (pkexec) is available on this system.</source>
        <translation>Dit systeem heeft geen beheerdersprompt (pkexec).</translation>
    </message>
    <message>
        <source>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</source>
        <translation>Tocko speelt zijn klik wanneer het een toets omlaag ziet gaan. Op Linux haalt het dat uit de toetsenbord- en muisapparaten in /dev/input, die alleen de groep input mag lezen, of, in een X11-sessie, uit de X-server.</translation>
    </message>
    <message>
        <source>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</source>
        <translation>‘Toegang verlenen…’ vraagt om een beheerderswachtwoord en voegt dan een udev-regel toe waarmee wie er aan deze computer zit toetsenborden en muizen mag lezen. Zonder systemd-logind voegt het je in plaats daarvan toe aan de groep input; log daarna uit en weer in.</translation>
    </message>
    <message>
        <source>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</source>
        <translation>Andere programma’s die je start, kunnen het toetsenbord dan ook lezen. Tocko noteert alleen dat er een toets werd ingedrukt; het legt nooit vast en verstuurt nooit wat je typt.</translation>
    </message>
    <message>
        <source>To do it yourself, run:</source>
        <translation>Zelf doen? Voer dit uit:</translation>
    </message>
    <message>
        <source>config.json is not a valid JSON object</source>
        <translation>config.json is geen geldig JSON-object</translation>
    </message>
    <message>
        <source>config.json gives the pack no name</source>
        <translation>config.json geeft het pakket geen naam</translation>
    </message>
    <message>
        <source>config.json uses a key layout Tocko does not know (%1)</source>
        <translation>config.json gebruikt een toetsindeling die Tocko niet kent (%1)</translation>
    </message>
    <message>
        <source>config.json names no sound file to cut the keys' sounds from</source>
        <translation>config.json noemt geen geluidsbestand om de toetsgeluiden uit te knippen</translation>
    </message>
    <message>
        <source>config.json defines too many keys</source>
        <translation>config.json definieert te veel toetsen</translation>
    </message>
    <message>
        <source>config.json: key %1 has no valid [start, length] slice</source>
        <translation>config.json: toets %1 heeft geen geldig fragment [begin, lengte]</translation>
    </message>
    <message>
        <source>config.json: key %1 names no sound file</source>
        <translation>config.json: toets %1 noemt geen geluidsbestand</translation>
    </message>
    <message>
        <source>config.json: the sound of key %1 is written in a form Tocko cannot read</source>
        <translation>config.json: het geluid van toets %1 staat in een vorm die Tocko niet kan lezen</translation>
    </message>
    <message>
        <source>config.json: %1 has a sound but is not a key code</source>
        <translation>config.json: %1 heeft een geluid maar is geen toetscode</translation>
    </message>
    <message>
        <source>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</source>
        <translation>config.json: %1 is een instelling die Tocko niet kan gebruiken, dus de geluiden ervan zouden verloren gaan</translation>
    </message>
    <message>
        <source>config.json has no key definitions</source>
        <translation>config.json bevat geen toetsdefinities</translation>
    </message>
    <message>
        <source>config.json defines no sound for a key Tocko can play</source>
        <translation>config.json definieert geen geluid voor een toets die Tocko kan afspelen</translation>
    </message>
    <message>
        <source>config.json cannot be read</source>
        <translation>config.json kan niet worden gelezen</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 ontbreekt</translation>
    </message>
    <message>
        <source>%1 is not a regular file; links and special files are not accepted</source>
        <translation>%1 is geen gewoon bestand; koppelingen en speciale bestanden worden niet geaccepteerd</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 is te groot</translation>
    </message>
    <message>
        <source>The pack names a sound file outside its folder (%1)</source>
        <translation>Het pakket noemt een geluidsbestand buiten zijn map (%1)</translation>
    </message>
    <message>
        <source>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</source>
        <translation>%1 is geen ondersteund geluidsbestand (WAV, OGG, FLAC of MP3)</translation>
    </message>
    <message>
        <source>%1 holds no audio</source>
        <translation>%1 bevat geen audio</translation>
    </message>
    <message>
        <source>A key's slice lies outside %1</source>
        <translation>Het fragment van een toets valt buiten %1</translation>
    </message>
    <message>
        <source>%1 is not a readable .zip file</source>
        <translation>%1 is geen leesbaar .zip-bestand</translation>
    </message>
    <message>
        <source>The .zip file is damaged</source>
        <translation>Het .zip-bestand is beschadigd</translation>
    </message>
    <message>
        <source>The .zip file holds too many files</source>
        <translation>Het .zip-bestand bevat te veel bestanden</translation>
    </message>
    <message>
        <source>The .zip file contains a link (%1); links are not accepted</source>
        <translation>Het .zip-bestand bevat een koppeling (%1); koppelingen worden niet geaccepteerd</translation>
    </message>
    <message>
        <source>The .zip file contains an unsafe path (%1)</source>
        <translation>Het .zip-bestand bevat een onveilig pad (%1)</translation>
    </message>
    <message>
        <source>The .zip file contains a special file (%1)</source>
        <translation>Het .zip-bestand bevat een speciaal bestand (%1)</translation>
    </message>
    <message>
        <source>The .zip file holds %1 twice</source>
        <translation>Het .zip-bestand bevat %1 twee keer</translation>
    </message>
    <message>
        <source>The .zip file unpacks to more than a sound pack can hold</source>
        <translation>Het .zip-bestand pakt uit tot meer dan een geluidspakket kan bevatten</translation>
    </message>
    <message>
        <source>Could not unpack the .zip file; is the disk full?</source>
        <translation>Het .zip-bestand kon niet worden uitgepakt; is de schijf vol?</translation>
    </message>
    <message>
        <source>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</source>
        <translation>De map bevat geen config.json en geen WAV-, OGG-, FLAC- of MP3-bestanden</translation>
    </message>
    <message>
        <source>The folder holds release sounds but no press sound</source>
        <translation>De map bevat geluiden voor loslaten maar geen geluid voor indrukken</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 bestaat niet</translation>
    </message>
    <message>
        <source>Choose a pack folder or a .zip file</source>
        <translation>Kies een pakketmap of een .zip-bestand</translation>
    </message>
    <message>
        <source>The pack's decoded audio is larger than %1 MB</source>
        <translation>De gedecodeerde audio van het pakket is groter dan %1 MB</translation>
    </message>
    <message>
        <source>Could not resample the pack's sounds</source>
        <translation>De geluiden van het pakket konden niet worden herbemonsterd</translation>
    </message>
    <message>
        <source>Too many packs share the name %1</source>
        <translation>Te veel pakketten heten %1</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Kan niet schrijven naar %1</translation>
    </message>
    <message>
        <source>Could not store the pack; is the disk full?</source>
        <translation>Het pakket kon niet worden opgeslagen; is de schijf vol?</translation>
    </message>
    <message>
        <source>Could not replace the installed pack %1</source>
        <translation>Het geïnstalleerde pakket %1 kon niet worden vervangen</translation>
    </message>
    <message>
        <source>%1 is not an imported pack</source>
        <translation>%1 is geen geïmporteerd pakket</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 is niet geïnstalleerd</translation>
    </message>
    <message>
        <source>Could not remove %1</source>
        <translation>%1 kon niet worden verwijderd</translation>
    </message>
    <message>
        <source>The stored pack %1 is damaged; import it again</source>
        <translation>Het opgeslagen pakket %1 is beschadigd; importeer het opnieuw</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>Kan %1 niet importeren: %2</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot;</source>
        <translation>‘%1’ geïmporteerd</translation>
    </message>
    <message>
        <source>My Packs</source>
        <translation>Mijn pakketten</translation>
    </message>
    <message>
        <source>Import Pack…</source>
        <translation>Pakket importeren…</translation>
    </message>
    <message>
        <source>Importing… %1%</source>
        <translation>Importeren… %1%</translation>
    </message>
    <message>
        <source>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</source>
        <translation>Een map of .zip met een config.json, of een map met geluiden voor indrukken en loslaten. Je kunt hem ook op dit venster slepen.</translation>
    </message>
</context>
</TS>
