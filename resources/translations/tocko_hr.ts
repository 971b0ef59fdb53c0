<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="en">
<context>
    <name>Tocko</name>
    <message>
        <source>Tocko</source>
        <translation>Tocko</translation>
    </message>
    <message>
        <source>Tocko is not installed — it runs from this folder, and the login item would start it from here.</source>
        <translation>Tocko nije instaliran — pokreće se iz ove mape, a stavka za prijavu pokretala bi ga odavde.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otvori mapu</translation>
    </message>
    <message>
        <source>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</source>
        <translation>Nije pronađena traka sustava, pa je Tocko otvorio svoje brze kontrole u zasebnom prozoru. Tocko i dalje radi: ponovno ga otvori iz mreže aplikacija ili ondje u njegovu izborniku odaberi „Quick Controls” da se vratiš ovamo. Da bi njegova ikona bila na gornjoj traci u GNOME-u, instaliraj i uključi proširenje AppIndicator (paket gnome-shell-extension-appindicator ili „AppIndicator and KStatusNotifierItem Support” s extensions.gnome.org), zatim se odjavi i ponovno prijavi.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <translation>Zvuk za %1</translation>
    </message>
    <message>
        <source>Default Sound</source>
        <translation>Zadani zvuk</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>Mehanički</translation>
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
        <translation>Oštri</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>Zabavni</translation>
    </message>
    <message>
        <source>Enable clicks</source>
        <translation>Uključi klikove</translation>
    </message>
    <message>
        <source>%1 · muted (call)</source>
        <translation>%1 · utišano (poziv)</translation>
    </message>
    <message>
        <source>%1 · silent</source>
        <translation>%1 · tišina</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Izlaz: %1</translation>
    </message>
    <message>
        <source>Typing feedback: On</source>
        <translation>Zvukovi tipkanja: uključeni</translation>
    </message>
    <message>
        <source>Typing feedback needs permission</source>
        <translation>Zvukovima tipkanja potrebno je dopuštenje</translation>
    </message>
    <message>
        <source>Turn On Typing Feedback…</source>
        <translation>Uključi zvukove tipkanja…</translation>
    </message>
    <message>
        <source>Quit and reopen Tocko to activate sounds.</source>
        <translation>Zatvorite i ponovno otvorite Tocko kako biste aktivirali zvukove.</translation>
    </message>
    <message>
        <source>Relaunch</source>
        <translation>Ponovno pokreni</translation>
    </message>
    <message>
        <source>an app</source>
        <translation>neka aplikacija</translation>
    </message>
    <message>
        <source>Keyboard sounds are paused — %1 is asking for a password.</source>
        <translation>Zvukovi tipkovnice su pauzirani — %1 traži lozinku.</translation>
    </message>
    <message>
        <source>Quit %1 or click outside its password field. Mouse clicks still work.</source>
        <translation>Zatvorite %1 ili kliknite izvan njegova polja za lozinku. Klikovi miša i dalje rade.</translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation>Testiraj zvuk</translation>
    </message>
    <message>
        <source>Muted —</source>
        <translation>Utišano —</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Uključi zvuk</translation>
    </message>
    <message>
        <source>Mute for 10 min</source>
        <translation>Utišaj na 10 min</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Kopiraj dijagnostiku</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Potraži ažuriranja…</translation>
    </message>
    <message>
        <source>Quit Tocko</source>
        <translation>Zatvori Tocko</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jezik</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Zadano u sustavu (%1)</translation>
    </message>
    <message>
        <source>Show welcome tour</source>
        <translation>Prikaži pozdravni obilazak</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Općenito</translation>
    </message>
    <message>
        <source>Enable Tocko</source>
        <translation>Uključi Tocko</translation>
    </message>
    <message>
        <source>Auto-mute during calls (microphone in use)</source>
        <translation>Automatski utišaj tijekom poziva (mikrofon u upotrebi)</translation>
    </message>
    <message>
        <source>Launch Tocko at login</source>
        <translation>Pokreni Tocko pri prijavi</translation>
    </message>
    <message>
        <source>Sound on key release</source>
        <translation>Zvuk pri otpuštanju tipke</translation>
    </message>
    <message>
        <source>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</source>
        <translation>Zvukovi tipkanja su isključeni. Kliknite ikonu Tocko u sistemskoj traci kako biste ih uključili.</translation>
    </message>
    <message>
        <source>Mouse clicks</source>
        <translation>Klikovi miša</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Isključeno</translation>
    </message>
    <message>
        <source>Same as keyboard</source>
        <translation>Isto kao tipkovnica</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>nije dostupno na ovoj radnoj površini</translation>
    </message>
    <message>
        <source>needs the Tocko GNOME Shell extension</source>
        <translation>treba proširenje Tocko za GNOME Shell</translation>
    </message>
    <message>
        <source>Enable GNOME Shell Extension</source>
        <translation>Uključi proširenje za GNOME Shell</translation>
    </message>
    <message>
        <source>Current app</source>
        <translation>Trenutačna aplikacija</translation>
    </message>
    <message>
        <source>App ID</source>
        <translation>ID aplikacije</translation>
    </message>
    <message>
        <source>Microphone in use</source>
        <translation>Mikrofon u upotrebi</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Effective</source>
        <translation>Važeće</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Tišina</translation>
    </message>
    <message>
        <source>Default profile</source>
        <translation>Zadani profil</translation>
    </message>
    <message>
        <source>Per-app rules</source>
        <translation>Pravila po aplikaciji</translation>
    </message>
    <message>
        <source>No rules yet — add one below.</source>
        <translation>Još nema pravila — dodajte jedno u nastavku.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Dodaj pravilo</translation>
    </message>
    <message>
        <source>Running app</source>
        <translation>Pokrenuta aplikacija</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Odaberi…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>…or an app id (org.example.App)</source>
        <translation>…ili ID aplikacije (org.example.App)</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Deinstaliraj</translation>
    </message>
    <message>
        <source>Uninstall Tocko…</source>
        <translation>Deinstaliraj Tocko…</translation>
    </message>
    <message>
        <source>Removes Tocko and everything it stored on this computer.</source>
        <translation>Uklanja Tocko i sve što je pohranio na ovom računalu.</translation>
    </message>
    <message>
        <source>Sound pack</source>
        <translation>Paket zvukova</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Glasnoća</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Utišano</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preslušaj</translation>
    </message>
    <message>
        <source>Uninstall Tocko?</source>
        <translation>Deinstalirati Tocko?</translation>
    </message>
    <message>
        <source>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</source>
        <translation>Deinstalacijom se Tocko više neće otvarati pri prijavi, njegove postavke i zvučni profili bit će izbrisani s ovog računala, a Tocko će biti premješten u Smeće.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Tocko has been moved to the Trash.</source>
        <translation>Tocko je premješten u Smeće.</translation>
    </message>
    <message>
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</source>
        <translation>Postavke Tocka su uklonjene, ali aplikacija se nije mogla sama premjestiti u Smeće. Uklonite je upraviteljem paketa kojim je instalirana.</translation>
    </message>
    <message>
        <source>One last step: the input access given to Tocko stays until you take it back with this command:</source>
        <translation>Još jedan korak: pristup unosu dan Tocku ostaje dok ga ne povučete ovom naredbom:</translation>
    </message>
    <message>
        <source>Grant access…</source>
        <translation>Dodijeli pristup…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotovo</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>Imate najnoviju verziju!</translation>
    </message>
    <message>
        <source>Tocko %1 is currently the newest version available.</source>
        <translation>Tocko %1 trenutačno je najnovija dostupna verzija.</translation>
    </message>
    <message>
        <source>A new version of Tocko is available!</source>
        <translation>Dostupna je nova verzija aplikacije Tocko!</translation>
    </message>
    <message>
        <source>Tocko %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Tocko %1 sada je dostupan — vi imate %2. Želite li ga sada preuzeti?</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Preuzmi</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Podsjeti me kasnije</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Pogreška ažuriranja!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <translation>Došlo je do pogreške pri dohvaćanju informacija o ažuriranju. Pokušajte ponovno kasnije.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Natrag</translation>
    </message>
    <message>
        <source>Let’s set it up</source>
        <translation>Postavimo to</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Nastavi</translation>
    </message>
    <message>
        <source>Skip for now</source>
        <translation>Zasad preskoči</translation>
    </message>
    <message>
        <source>Start tocking</source>
        <translation>Počni tipkati</translation>
    </message>
    <message>
        <source>Welcome to Tocko</source>
        <translation>Dobro došli u Tocko</translation>
    </message>
    <message>
        <source>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</source>
        <translation>Vaša tipkovnica uskoro će biti puno ugodnija. Tocko reproducira pravi zvuk tipke svaki put kad tipkate, u svakoj aplikaciji. Postavljanje traje najviše dvije minute.</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Odaberite jezik</translation>
    </message>
    <message>
        <source>One quick setting</source>
        <translation>Jedna brza postavka</translation>
    </message>
    <message>
        <source>Turn on typing feedback</source>
        <translation>Uključite zvukove tipkanja</translation>
    </message>
    <message>
        <source>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko reproducira zvuk za svaku tipku koju pritisnete, u svakoj aplikaciji. Za to Linux mora dopustiti Tocku da čita vaše uređaje tipkovnice i miša. Tocko koristi samo fizičke kodove tipki i nikad ne bilježi što tipkate.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</source>
        <translation>Bez toga Tocko ostaje tih. Pristup daje pravilo za udev ili grupa input, a možete ga povući bilo kada.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>Zvukovi tipkanja su uključeni. Pokušajte tipkati.</translation>
    </message>
    <message>
        <source>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</source>
        <translation>Čuju se samo prozori X11. Na Waylandu Tocko treba pristup uređajima tipkovnice da bi čuo svaku aplikaciju.</translation>
    </message>
    <message>
        <source>28 packs · 5 styles</source>
        <translation>28 paketa · 5 stilova</translation>
    </message>
    <message>
        <source>Pick your sound</source>
        <translation>Odaberite svoj zvuk</translation>
    </message>
    <message>
        <source>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</source>
        <translation>Ovo postaje vaš zadani zvuk. Strah od obveza? Promijenite ga bilo kada u izborniku Tocko ili svakoj aplikaciji dajte njezin.</translation>
    </message>
    <message>
        <source>Type something. Anything. Go on…</source>
        <translation>Napišite nešto. Bilo što. Hajde…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Code editor</source>
        <translation>Uređivač koda</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Proračunska tablica</translation>
    </message>
    <message>
        <source>Tips · 1 of 2</source>
        <translation>Savjeti · 1 od 2</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Prilagodite ga sebi</translation>
    </message>
    <message>
        <source>A sound for every app</source>
        <translation>Zvuk za svaku aplikaciju</translation>
    </message>
    <message>
        <source>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</source>
        <translation>Meke tipke za e-poštu, glasni klikovi za kod, tišina za proračunske tablice. Dosta su propatile. Dodajte pravilo u Postavkama i Tocko će mijenjati zvuk dok skačete između aplikacija.</translation>
    </message>
    <message>
        <source>Clicks can tock too</source>
        <translation>I klikovi mogu kuckati</translation>
    </message>
    <message>
        <source>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</source>
        <translation>Klikovi miša prema zadanim postavkama posuđuju zvuk tipkovnice. Dajte im vlastiti paket u Postavkama ili ih potpuno isključite.</translation>
    </message>
    <message>
        <source>Muted until the call ends</source>
        <translation>Utišano do kraja poziva</translation>
    </message>
    <message>
        <source>It knows when to hush</source>
        <translation>Zna kada treba utihnuti</translation>
    </message>
    <message>
        <source>Quiet on calls</source>
        <translation>Tišina tijekom poziva</translation>
    </message>
    <message>
        <source>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Mikrofon uključen za Zoom, Meet ili Jitsi? Tocko utihne, da nitko ne čuje kako tipkate bilješke o njima. Vraća se kad poziv završi.</translation>
    </message>
    <message>
        <source>Mute for 10 minutes</source>
        <translation>Utišaj na 10 minuta</translation>
    </message>
    <message>
        <source>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</source>
        <translation>Treba vam trenutak? Utišajte Tocko iz izbornika. Vraća se sam, kao mačka.</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Sve je spremno</translation>
    </message>
    <message>
        <source>Tocko lives in your system tray</source>
        <translation>Tocko živi u vašoj sistemskoj traci</translation>
    </message>
    <message>
        <source>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Potražite K među ikonama sistemske trake na ploči radne površine. Ondje živi Tocko. Želite ponovno obilazak? Nalazi se u Postavkama.</translation>
    </message>
    <message>
        <source>Tocko keeps running in the background</source>
        <translation>Tocko nastavlja raditi u pozadini</translation>
    </message>
    <message>
        <source>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</source>
        <translation>Vaša radna površina ne prikazuje ikone sistemske trake, pa se Tockove brze kontrole otvaraju u zasebnom prozoru. Otvorite Tocko iz mreže aplikacija da ih vratite. Želite ponovno obilazak? Nalazi se u Postavkama.</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Pokreni pri prijavi</translation>
    </message>
    <message>
        <source>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</source>
        <translation>Uključite ovo i Tocko će biti spreman prije vaše prve kave, svaki put kad se prijavite. Promijenite to bilo kada u Postavkama.</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Otvori pri prijavi</translation>
    </message>
    <message>
        <source>Input devices › Keyboards and mice</source>
        <translation>Ulazni uređaji › Tipkovnice i miševi</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Omogućuje zvukove tipki u svakoj aplikaciji</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ukloni</translation>
    </message>
    <message>
        <source>Access granted. Log out and back in so that Tocko hears every app.</source>
        <translation>Pristup je dodijeljen. Odjavite se i ponovno prijavite kako bi Tocko čuo svaku aplikaciju.</translation>
    </message>
    <message>
        <source>Access was not granted.</source>
        <translation>Pristup nije dodijeljen.</translation>
    </message>
    <message>
        <source>No administrator prompt (pkexec) is available on this system.</source>
        <translation>Na ovom sustavu nema administratorskog upita (pkexec).</translation>
    </message>
    <message>
        <source>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</source>
        <translation>Tocko reproducira svoj klik kad vidi da je tipka pritisnuta. Na Linuxu to saznaje od uređaja tipkovnice i miša u /dev/input, koje smije čitati samo grupa input, ili, u sesiji X11, od X poslužitelja.</translation>
    </message>
    <message>
        <source>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</source>
        <translation>„Dodijeli pristup…” traži administratorsku lozinku, a zatim dodaje pravilo za udev koje svakome tko sjedi za ovim računalom dopušta čitanje tipkovnica i miševa. Bez systemd-logind umjesto toga vas dodaje u grupu input; zatim se odjavite i ponovno prijavite.</translation>
    </message>
    <message>
        <source>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</source>
        <translation>Tada i drugi programi koje pokrećete mogu čitati tipkovnicu. Tocko samo bilježi da je tipka pritisnuta; nikad ne snima niti šalje što tipkate.</translation>
    </message>
    <message>
        <source>To do it yourself, run:</source>
        <translation>Da biste to učinili sami, pokrenite:</translation>
    </message>
    <message>
        <source>config.json is not a valid JSON object</source>
        <translation>config.json nije valjani JSON objekt</translation>
    </message>
    <message>
        <source>config.json gives the pack no name</source>
        <translation>config.json ne daje paketu ime</translation>
    </message>
    <message>
        <source>config.json uses a key layout Tocko does not know (%1)</source>
        <translation>config.json koristi raspored tipki koji Tocko ne poznaje (%1)</translation>
    </message>
    <message>
        <source>config.json names no sound file to cut the keys' sounds from</source>
        <translation>config.json ne navodi zvučnu datoteku iz koje bi se izrezali zvukovi tipki</translation>
    </message>
    <message>
        <source>config.json defines too many keys</source>
        <translation>config.json definira previše tipki</translation>
    </message>
    <message>
        <source>config.json: key %1 has no valid [start, length] slice</source>
        <translation>config.json: tipka %1 nema valjani isječak [početak, duljina]</translation>
    </message>
    <message>
        <source>config.json: key %1 names no sound file</source>
        <translation>config.json: tipka %1 ne navodi zvučnu datoteku</translation>
    </message>
    <message>
        <source>config.json: the sound of key %1 is written in a form Tocko cannot read</source>
        <translation>config.json: zvuk tipke %1 zapisan je u obliku koji Tocko ne može pročitati</translation>
    </message>
    <message>
        <source>config.json: %1 has a sound but is not a key code</source>
        <translation>config.json: %1 ima zvuk, ali nije kôd tipke</translation>
    </message>
    <message>
        <source>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</source>
        <translation>config.json: %1 je postavka koju Tocko ne može koristiti, pa bi se njezini zvukovi izgubili</translation>
    </message>
    <message>
        <source>config.json has no key definitions</source>
        <translation>config.json nema definicija tipki</translation>
    </message>
    <message>
        <source>config.json defines no sound for a key Tocko can play</source>
        <translation>config.json ne definira zvuk ni za jednu tipku koju Tocko može reproducirati</translation>
    </message>
    <message>
        <source>config.json cannot be read</source>
        <translation>config.json nije moguće pročitati</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 nedostaje</translation>
    </message>
    <message>
        <source>%1 is not a regular file; links and special files are not accepted</source>
        <translation>%1 nije obična datoteka; poveznice i posebne datoteke nisu prihvaćene</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 je prevelika</translation>
    </message>
    <message>
        <source>The pack names a sound file outside its folder (%1)</source>
        <translation>Paket navodi zvučnu datoteku izvan svoje mape (%1)</translation>
    </message>
    <message>
        <source>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</source>
        <translation>%1 nije podržana zvučna datoteka (WAV, OGG, FLAC ili MP3)</translation>
    </message>
    <message>
        <source>%1 holds no audio</source>
        <translation>%1 ne sadrži zvuk</translation>
    </message>
    <message>
        <source>A key's slice lies outside %1</source>
        <translation>Isječak jedne tipke nalazi se izvan %1</translation>
    </message>
    <message>
        <source>%1 is not a readable .zip file</source>
        <translation>%1 nije čitljiva .zip datoteka</translation>
    </message>
    <message>
        <source>The .zip file is damaged</source>
        <translation>.zip datoteka je oštećena</translation>
    </message>
    <message>
        <source>The .zip file holds too many files</source>
        <translation>.zip datoteka sadrži previše datoteka</translation>
    </message>
    <message>
        <source>The .zip file contains a link (%1); links are not accepted</source>
        <translation>.zip datoteka sadrži poveznicu (%1); poveznice nisu prihvaćene</translation>
    </message>
    <message>
        <source>The .zip file contains an unsafe path (%1)</source>
        <translation>.zip datoteka sadrži nesigurnu putanju (%1)</translation>
    </message>
    <message>
        <source>The .zip file contains a special file (%1)</source>
        <translation>.zip datoteka sadrži posebnu datoteku (%1)</translation>
    </message>
    <message>
        <source>The .zip file holds %1 twice</source>
        <translation>.zip datoteka sadrži %1 dvaput</translation>
    </message>
    <message>
        <source>The .zip file unpacks to more than a sound pack can hold</source>
        <translation>.zip datoteka se raspakira u više nego što zvučni paket može sadržavati</translation>
    </message>
    <message>
        <source>Could not unpack the .zip file; is the disk full?</source>
        <translation>.zip datoteku nije moguće raspakirati; je li disk pun?</translation>
    </message>
    <message>
        <source>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</source>
        <translation>Mapa ne sadrži ni config.json ni datoteke WAV, OGG, FLAC ili MP3</translation>
    </message>
    <message>
        <source>The folder holds release sounds but no press sound</source>
        <translation>Mapa sadrži zvukove otpuštanja, ali nijedan zvuk pritiska</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 ne postoji</translation>
    </message>
    <message>
        <source>Choose a pack folder or a .zip file</source>
        <translation>Odaberite mapu paketa ili .zip datoteku</translation>
    </message>
    <message>
        <source>The pack's decoded audio is larger than %1 MB</source>
        <translation>Dekodirani zvuk paketa veći je od %1 MB</translation>
    </message>
    <message>
        <source>Could not resample the pack's sounds</source>
        <translation>Zvukove paketa nije moguće preuzorkovati</translation>
    </message>
    <message>
        <source>Too many packs share the name %1</source>
        <translation>Previše paketa nosi ime %1</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Nije moguće pisati u %1</translation>
    </message>
    <message>
        <source>Could not store the pack; is the disk full?</source>
        <translation>Paket nije moguće spremiti; je li disk pun?</translation>
    </message>
    <message>
        <source>Could not replace the installed pack %1</source>
        <translation>Instalirani paket %1 nije moguće zamijeniti</translation>
    </message>
    <message>
        <source>%1 is not an imported pack</source>
        <translation>%1 nije uvezeni paket</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 nije instaliran</translation>
    </message>
    <message>
        <source>Could not remove %1</source>
        <translation>%1 nije moguće ukloniti</translation>
    </message>
    <message>
        <source>The stored pack %1 is damaged; import it again</source>
        <translation>Spremljeni paket %1 je oštećen; uvezite ga ponovno</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>%1 nije moguće uvesti: %2</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot;</source>
        <translation>Uvezeno „%1”</translation>
    </message>
    <message>
        <source>My Packs</source>
        <translation>Moji paketi</translation>
    </message>
    <message>
        <source>Import Pack…</source>
        <translation>Uvezi paket…</translation>
    </message>
    <message>
        <source>Importing… %1%</source>
        <translation>Uvoz… %1 %</translation>
    </message>
    <message>
        <source>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</source>
        <translation>Mapa ili .zip s datotekom config.json, ili mapa sa zvukovima pritiska i otpuštanja. Možete je i ispustiti na ovaj prozor.</translation>
    </message>
</context>
</TS>
