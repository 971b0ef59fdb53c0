<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
<context>
    <name>Tocko</name>
    <message>
        <source>Tocko</source>
        <translation>Tocko</translation>
    </message>
    <message>
        <source>Tocko is not installed — it runs from this folder, and the login item would start it from here.</source>
        <translation>A Tocko nincs telepítve – ebből a mappából fut, és a bejelentkezési elem innen indítaná.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Mappa megnyitása</translation>
    </message>
    <message>
        <source>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</source>
        <translation>Nem található rendszertálca, ezért a Tocko saját ablakban nyitotta meg a gyorsvezérlőit. A Tocko tovább fut: nyisd meg újra az alkalmazásrácsból, vagy válaszd ott a menüjében a „Quick Controls” pontot, hogy visszatérj ide. Ha szeretnéd, hogy az ikonja megjelenjen a GNOME felső sávjában, telepítsd és kapcsold be az AppIndicator bővítményt (gnome-shell-extension-appindicator csomag, vagy „AppIndicator and KStatusNotifierItem Support” az extensions.gnome.org oldalról), majd jelentkezz ki és be.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <translation>Hang ehhez: %1</translation>
    </message>
    <message>
        <source>Default Sound</source>
        <translation>Alapértelmezett hang</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>Mechanikus</translation>
    </message>
    <message>
        <source>ASMR</source>
        <translation>ASMR</translation>
    </message>
    <message>
        <source>Vintage</source>
        <translation>Retró</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Éles</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>Vicces</translation>
    </message>
    <message>
        <source>Enable clicks</source>
        <translation>Kattogás bekapcsolása</translation>
    </message>
    <message>
        <source>%1 · muted (call)</source>
        <translation>%1 · némítva (hívás)</translation>
    </message>
    <message>
        <source>%1 · silent</source>
        <translation>%1 · csendes</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Kimenet: %1</translation>
    </message>
    <message>
        <source>Typing feedback: On</source>
        <translation>Gépelési hang: Be</translation>
    </message>
    <message>
        <source>Typing feedback needs permission</source>
        <translation>A gépelési hanghoz engedély szükséges</translation>
    </message>
    <message>
        <source>Turn On Typing Feedback…</source>
        <translation>Gépelési hang bekapcsolása…</translation>
    </message>
    <message>
        <source>Quit and reopen Tocko to activate sounds.</source>
        <translation>A hangok aktiválásához lépj ki a Tocko alkalmazásból, majd nyisd meg újra.</translation>
    </message>
    <message>
        <source>Relaunch</source>
        <translation>Újraindítás</translation>
    </message>
    <message>
        <source>an app</source>
        <translation>egy alkalmazás</translation>
    </message>
    <message>
        <source>Keyboard sounds are paused — %1 is asking for a password.</source>
        <translation>A billentyűhangok szünetelnek – %1 jelszót kér.</translation>
    </message>
    <message>
        <source>Quit %1 or click outside its password field. Mouse clicks still work.</source>
        <translation>Lépj ki ebből: %1, vagy kattints a jelszómezőjén kívülre. Az egérkattintások továbbra is működnek.</translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation>Hang kipróbálása</translation>
    </message>
    <message>
        <source>Muted —</source>
        <translation>Némítva –</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Némítás feloldása</translation>
    </message>
    <message>
        <source>Mute for 10 min</source>
        <translation>Némítás 10 percig</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Diagnosztika másolása</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Frissítések keresése…</translation>
    </message>
    <message>
        <source>Quit Tocko</source>
        <translation>Kilépés a Tocko alkalmazásból</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Rendszer alapértelmezése (%1)</translation>
    </message>
    <message>
        <source>Show welcome tour</source>
        <translation>Üdvözlő bemutató megjelenítése</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Általános</translation>
    </message>
    <message>
        <source>Enable Tocko</source>
        <translation>Tocko bekapcsolása</translation>
    </message>
    <message>
        <source>Auto-mute during calls (microphone in use)</source>
        <translation>Automatikus némítás hívások alatt (a mikrofon használatban)</translation>
    </message>
    <message>
        <source>Launch Tocko at login</source>
        <translation>Tocko indítása bejelentkezéskor</translation>
    </message>
    <message>
        <source>Sound on key release</source>
        <translation>Hang a billentyű felengedésekor</translation>
    </message>
    <message>
        <source>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</source>
        <translation>A gépelési hang ki van kapcsolva. A bekapcsoláshoz kattints a Tocko ikonjára a tálca értesítési területén.</translation>
    </message>
    <message>
        <source>Mouse clicks</source>
        <translation>Egérkattintások</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Hang</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ki</translation>
    </message>
    <message>
        <source>Same as keyboard</source>
        <translation>Ugyanaz, mint a billentyűzeté</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>ezen az asztali környezeten nem érhető el</translation>
    </message>
    <message>
        <source>needs the Tocko GNOME Shell extension</source>
        <translation>a Tocko GNOME Shell-bővítménye kell hozzá</translation>
    </message>
    <message>
        <source>Enable GNOME Shell Extension</source>
        <translation>GNOME Shell-bővítmény bekapcsolása</translation>
    </message>
    <message>
        <source>Current app</source>
        <translation>Jelenlegi alkalmazás</translation>
    </message>
    <message>
        <source>App ID</source>
        <translation>Alkalmazásazonosító</translation>
    </message>
    <message>
        <source>Microphone in use</source>
        <translation>Mikrofon használatban</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>Effective</source>
        <translation>Érvényes</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Csend</translation>
    </message>
    <message>
        <source>Default profile</source>
        <translation>Alapértelmezett profil</translation>
    </message>
    <message>
        <source>Per-app rules</source>
        <translation>Alkalmazásonkénti szabályok</translation>
    </message>
    <message>
        <source>No rules yet — add one below.</source>
        <translation>Még nincsenek szabályok – adj hozzá egyet lent.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Szabály hozzáadása</translation>
    </message>
    <message>
        <source>Running app</source>
        <translation>Futó alkalmazás</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Válassz…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hozzáadás</translation>
    </message>
    <message>
        <source>…or an app id (org.example.App)</source>
        <translation>…vagy egy azonosító (org.example.App)</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Eltávolítás</translation>
    </message>
    <message>
        <source>Uninstall Tocko…</source>
        <translation>A Tocko eltávolítása…</translation>
    </message>
    <message>
        <source>Removes Tocko and everything it stored on this computer.</source>
        <translation>Eltávolítja a Tockót és mindent, amit ezen a számítógépen tárolt.</translation>
    </message>
    <message>
        <source>Sound pack</source>
        <translation>Hangcsomag</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Hangerő</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Némítva</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Előnézet</translation>
    </message>
    <message>
        <source>Uninstall Tocko?</source>
        <translation>Eltávolítod a Tockót?</translation>
    </message>
    <message>
        <source>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</source>
        <translation>Az eltávolítás után a Tocko nem nyílik meg bejelentkezéskor, a beállításai és hangprofiljai törlődnek erről a számítógépről, a Tocko pedig a Kukába kerül.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégsem</translation>
    </message>
    <message>
        <source>Tocko has been moved to the Trash.</source>
        <translation>A Tocko a Kukába került.</translation>
    </message>
    <message>
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</source>
        <translation>A Tocko beállításai törlődtek, de az alkalmazás nem tudta magát a Kukába helyezni. Távolítsd el azzal a csomagkezelővel, amellyel telepítetted.</translation>
    </message>
    <message>
        <source>One last step: the input access given to Tocko stays until you take it back with this command:</source>
        <translation>Még egy lépés: a Tockónak adott bemeneti hozzáférés megmarad, amíg vissza nem vonod ezzel a paranccsal:</translation>
    </message>
    <message>
        <source>Grant access…</source>
        <translation>Hozzáférés megadása…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>A legfrissebb verziót használod!</translation>
    </message>
    <message>
        <source>Tocko %1 is currently the newest version available.</source>
        <translation>A Tocko %1 jelenleg a legújabb elérhető verzió.</translation>
    </message>
    <message>
        <source>A new version of Tocko is available!</source>
        <translation>Elérhető a Tocko új verziója!</translation>
    </message>
    <message>
        <source>Tocko %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Elérhető a Tocko %1 – neked a %2 van meg. Szeretnéd most letölteni?</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Letöltés</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Emlékeztess később</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Frissítési hiba!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <translation>Hiba történt a frissítési információk lekérése közben. Próbáld újra később.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>Let’s set it up</source>
        <translation>Állítsuk be</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>Skip for now</source>
        <translation>Most kihagyom</translation>
    </message>
    <message>
        <source>Start tocking</source>
        <translation>Kezdődhet a kopogás</translation>
    </message>
    <message>
        <source>Welcome to Tocko</source>
        <translation>Üdvözöl a Tocko</translation>
    </message>
    <message>
        <source>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</source>
        <translation>A billentyűzeted mindjárt sokkal élvezetesebb lesz. A Tocko minden leütésnél valódi billentyűhangot játszik le, minden alkalmazásban. A beállítás legfeljebb két perc.</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Válaszd ki a nyelvet</translation>
    </message>
    <message>
        <source>One quick setting</source>
        <translation>Egy gyors beállítás</translation>
    </message>
    <message>
        <source>Turn on typing feedback</source>
        <translation>Kapcsold be a gépelési hangot</translation>
    </message>
    <message>
        <source>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</source>
        <translation>A Tocko minden lenyomott billentyűhöz hangot játszik le, minden alkalmazásban. Ehhez a Linuxnak engedélyeznie kell, hogy a Tocko olvassa a billentyűzet- és egéreszközöket. A Tocko csak fizikai billentyűkódokat használ, és soha nem rögzíti, amit begépelsz.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</source>
        <translation>Enélkül a Tocko csendben marad. A hozzáférést egy udev-szabály vagy az input csoport adja, és bármikor visszavonhatod.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>A gépelési hang be van kapcsolva. Próbálj gépelni.</translation>
    </message>
    <message>
        <source>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</source>
        <translation>Csak az X11-ablakok hallatszanak. Waylanden a Tockónak hozzáférés kell a billentyűzeteszközökhöz, hogy minden alkalmazást halljon.</translation>
    </message>
    <message>
        <source>28 packs · 5 styles</source>
        <translation>28 csomag · 5 stílus</translation>
    </message>
    <message>
        <source>Pick your sound</source>
        <translation>Válaszd ki a hangodat</translation>
    </message>
    <message>
        <source>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</source>
        <translation>Ez lesz az alapértelmezett hangod. Elköteleződési gondok? Válts bármikor a Tocko menüjében, vagy adj minden alkalmazásnak sajátot.</translation>
    </message>
    <message>
        <source>Type something. Anything. Go on…</source>
        <translation>Írj valamit. Bármit. Rajta…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Code editor</source>
        <translation>Kódszerkesztő</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Táblázatkezelő</translation>
    </message>
    <message>
        <source>Tips · 1 of 2</source>
        <translation>Tippek · 1/2</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Tedd a sajátoddá</translation>
    </message>
    <message>
        <source>A sound for every app</source>
        <translation>Hang minden alkalmazáshoz</translation>
    </message>
    <message>
        <source>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</source>
        <translation>Puha billentyűk az e-mailhez, hangos kattanások a kódhoz, csend a táblázatokhoz. Eleget szenvedtek már. Adj hozzá egy szabályt a Beállításokban, és a Tocko hangot vált, ahogy alkalmazásról alkalmazásra ugrasz.</translation>
    </message>
    <message>
        <source>Clicks can tock too</source>
        <translation>A kattintások is kopoghatnak</translation>
    </message>
    <message>
        <source>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</source>
        <translation>Alapértelmezés szerint az egérkattintások a billentyűzet hangját kölcsönzik. Adj nekik saját csomagot a Beállításokban, vagy kapcsold ki őket teljesen.</translation>
    </message>
    <message>
        <source>Muted until the call ends</source>
        <translation>Némítva a hívás végéig</translation>
    </message>
    <message>
        <source>It knows when to hush</source>
        <translation>Tudja, mikor kell csendben lennie</translation>
    </message>
    <message>
        <source>Quiet on calls</source>
        <translation>Csend hívások alatt</translation>
    </message>
    <message>
        <source>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Be van kapcsolva a mikrofon a Zoomhoz, a Meethez vagy a Jitsihez? A Tocko elhallgat, így senki sem hallja, ahogy jegyzeteket gépelsz róluk. A hívás végén visszatér.</translation>
    </message>
    <message>
        <source>Mute for 10 minutes</source>
        <translation>Némítás 10 percre</translation>
    </message>
    <message>
        <source>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</source>
        <translation>Szükséged van egy percre? Némítsd a Tockót a menüből. Magától visszajön, mint egy macska.</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Minden kész</translation>
    </message>
    <message>
        <source>Tocko lives in your system tray</source>
        <translation>A Tocko a tálca értesítési területén lakik</translation>
    </message>
    <message>
        <source>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Keresd a K betűt a panel értesítési területének ikonjai között. Ott lakik a Tocko. Újra megnéznéd a bemutatót? A Beállításokban találod.</translation>
    </message>
    <message>
        <source>Tocko keeps running in the background</source>
        <translation>A Tocko a háttérben fut tovább</translation>
    </message>
    <message>
        <source>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</source>
        <translation>Az asztali környezeted nem mutat tálcaikonokat, ezért a Tocko gyorsvezérlői saját ablakban nyílnak meg. Nyisd meg a Tockót az alkalmazásrácsból, hogy visszahozd őket. Újra megnéznéd a bemutatót? A Beállításokban találod.</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Indítás bejelentkezéskor</translation>
    </message>
    <message>
        <source>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</source>
        <translation>Kapcsold be, és a Tocko már az első kávéd előtt készen áll, minden bejelentkezéskor. Bármikor módosíthatod a Beállításokban.</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Megnyitás bejelentkezéskor</translation>
    </message>
    <message>
        <source>Input devices › Keyboards and mice</source>
        <translation>Beviteli eszközök › Billentyűzetek és egerek</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Billentyűhangok engedélyezése minden alkalmazásban</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Access granted. Log out and back in so that Tocko hears every app.</source>
        <translation>Hozzáférés megadva. Jelentkezz ki, majd be újra, hogy a Tocko minden alkalmazást halljon.</translation>
    </message>
    <message>
        <source>Access was not granted.</source>
        <translation>A hozzáférés nem lett megadva.</translation>
    </message>
    <message>
        <source>No administrator prompt (pkexec) is available on this system.</source>
        <translation>Ezen a rendszeren nincs rendszergazdai párbeszédablak (pkexec).</translation>
    </message>
    <message>
        <source>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</source>
        <translation>A Tocko akkor játssza le a kattanását, amikor lát egy billentyűt lenyomódni. Linuxon ezt a /dev/input billentyűzet- és egéreszközeiből tudja meg, amelyeket csak az input csoport olvashat, vagy X11-munkamenetben az X-kiszolgálótól.</translation>
    </message>
    <message>
        <source>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</source>
        <translation>A „Hozzáférés megadása…” rendszergazdai jelszót kér, majd felvesz egy udev-szabályt, amely megengedi, hogy aki a számítógép előtt ül, olvassa a billentyűzeteket és egereket. systemd-logind nélkül ehelyett az input csoporthoz ad hozzá; utána jelentkezz ki, majd be újra.</translation>
    </message>
    <message>
        <source>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</source>
        <translation>Ezután más futtatott programok is olvashatják a billentyűzetet. A Tocko csak azt jegyzi fel, hogy lenyomtak egy billentyűt; soha nem rögzíti és nem küldi el, amit begépelsz.</translation>
    </message>
    <message>
        <source>To do it yourself, run:</source>
        <translation>Ha magad csinálnád, futtasd:</translation>
    </message>
    <message>
        <source>config.json is not a valid JSON object</source>
        <translation>A config.json nem érvényes JSON-objektum</translation>
    </message>
    <message>
        <source>config.json gives the pack no name</source>
        <translation>A config.json nem ad nevet a csomagnak</translation>
    </message>
    <message>
        <source>config.json uses a key layout Tocko does not know (%1)</source>
        <translation>A config.json olyan billentyűkiosztást használ, amelyet a Tocko nem ismer (%1)</translation>
    </message>
    <message>
        <source>config.json names no sound file to cut the keys' sounds from</source>
        <translation>A config.json nem nevez meg hangfájlt, amelyből a billentyűk hangjai kivághatók</translation>
    </message>
    <message>
        <source>config.json defines too many keys</source>
        <translation>A config.json túl sok billentyűt határoz meg</translation>
    </message>
    <message>
        <source>config.json: key %1 has no valid [start, length] slice</source>
        <translation>config.json: a(z) %1 billentyűnek nincs érvényes [kezdet, hossz] szakasza</translation>
    </message>
    <message>
        <source>config.json: key %1 names no sound file</source>
        <translation>config.json: a(z) %1 billentyű nem nevez meg hangfájlt</translation>
    </message>
    <message>
        <source>config.json: the sound of key %1 is written in a form Tocko cannot read</source>
        <translation>config.json: a(z) %1 billentyű hangja olyan formában szerepel, amelyet a Tocko nem tud olvasni</translation>
    </message>
    <message>
        <source>config.json: %1 has a sound but is not a key code</source>
        <translation>config.json: a(z) %1 hangot tartalmaz, de nem billentyűkód</translation>
    </message>
    <message>
        <source>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</source>
        <translation>config.json: a(z) %1 olyan beállítás, amelyet a Tocko nem tud használni, így a hangjai elvesznének</translation>
    </message>
    <message>
        <source>config.json has no key definitions</source>
        <translation>A config.json nem tartalmaz billentyű-meghatározásokat</translation>
    </message>
    <message>
        <source>config.json defines no sound for a key Tocko can play</source>
        <translation>A config.json egyetlen, a Tocko által lejátszható billentyűhöz sem határoz meg hangot</translation>
    </message>
    <message>
        <source>config.json cannot be read</source>
        <translation>A config.json nem olvasható</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 hiányzik</translation>
    </message>
    <message>
        <source>%1 is not a regular file; links and special files are not accepted</source>
        <translation>%1 nem közönséges fájl; hivatkozások és különleges fájlok nem fogadhatók el</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 túl nagy</translation>
    </message>
    <message>
        <source>The pack names a sound file outside its folder (%1)</source>
        <translation>A csomag a mappáján kívüli hangfájlt nevez meg (%1)</translation>
    </message>
    <message>
        <source>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</source>
        <translation>%1 nem támogatott hangfájl (WAV, OGG, FLAC vagy MP3)</translation>
    </message>
    <message>
        <source>%1 holds no audio</source>
        <translation>%1 nem tartalmaz hangot</translation>
    </message>
    <message>
        <source>A key's slice lies outside %1</source>
        <translation>Egy billentyű szakasza kívül esik ezen: %1</translation>
    </message>
    <message>
        <source>%1 is not a readable .zip file</source>
        <translation>%1 nem olvasható .zip-fájl</translation>
    </message>
    <message>
        <source>The .zip file is damaged</source>
        <translation>A .zip-fájl sérült</translation>
    </message>
    <message>
        <source>The .zip file holds too many files</source>
        <translation>A .zip-fájl túl sok fájlt tartalmaz</translation>
    </message>
    <message>
        <source>The .zip file contains a link (%1); links are not accepted</source>
        <translation>A .zip-fájl hivatkozást tartalmaz (%1); hivatkozások nem fogadhatók el</translation>
    </message>
    <message>
        <source>The .zip file contains an unsafe path (%1)</source>
        <translation>A .zip-fájl nem biztonságos útvonalat tartalmaz (%1)</translation>
    </message>
    <message>
        <source>The .zip file contains a special file (%1)</source>
        <translation>A .zip-fájl különleges fájlt tartalmaz (%1)</translation>
    </message>
    <message>
        <source>The .zip file holds %1 twice</source>
        <translation>A .zip-fájl kétszer tartalmazza ezt: %1</translation>
    </message>
    <message>
        <source>The .zip file unpacks to more than a sound pack can hold</source>
        <translation>A .zip-fájl kibontva több, mint amennyit egy hangcsomag tartalmazhat</translation>
    </message>
    <message>
        <source>Could not unpack the .zip file; is the disk full?</source>
        <translation>A .zip-fájl nem bontható ki; megtelt a lemez?</translation>
    </message>
    <message>
        <source>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</source>
        <translation>A mappa nem tartalmaz sem config.json fájlt, sem WAV, OGG, FLAC vagy MP3 fájlokat</translation>
    </message>
    <message>
        <source>The folder holds release sounds but no press sound</source>
        <translation>A mappa felengedéshangokat tartalmaz, de lenyomáshangot nem</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 nem létezik</translation>
    </message>
    <message>
        <source>Choose a pack folder or a .zip file</source>
        <translation>Válassz egy csomagmappát vagy egy .zip-fájlt</translation>
    </message>
    <message>
        <source>The pack's decoded audio is larger than %1 MB</source>
        <translation>A csomag dekódolt hangja nagyobb, mint %1 MB</translation>
    </message>
    <message>
        <source>Could not resample the pack's sounds</source>
        <translation>A csomag hangjai nem mintavételezhetők át</translation>
    </message>
    <message>
        <source>Too many packs share the name %1</source>
        <translation>Túl sok csomag neve %1</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Nem lehet írni ide: %1</translation>
    </message>
    <message>
        <source>Could not store the pack; is the disk full?</source>
        <translation>A csomag nem menthető; megtelt a lemez?</translation>
    </message>
    <message>
        <source>Could not replace the installed pack %1</source>
        <translation>A telepített %1 csomag nem cserélhető le</translation>
    </message>
    <message>
        <source>%1 is not an imported pack</source>
        <translation>%1 nem importált csomag</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 nincs telepítve</translation>
    </message>
    <message>
        <source>Could not remove %1</source>
        <translation>%1 nem távolítható el</translation>
    </message>
    <message>
        <source>The stored pack %1 is damaged; import it again</source>
        <translation>A mentett %1 csomag sérült; importáld újra</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>%1 nem importálható: %2</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot;</source>
        <translation>Importálva: „%1”</translation>
    </message>
    <message>
        <source>My Packs</source>
        <translation>Saját csomagok</translation>
    </message>
    <message>
        <source>Import Pack…</source>
        <translation>Csomag importálása…</translation>
    </message>
    <message>
        <source>Importing… %1%</source>
        <translation>Importálás… %1%</translation>
    </message>
    <message>
        <source>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</source>
        <translation>Egy mappa vagy .zip config.json fájllal, vagy egy mappa lenyomás- és felengedéshangokkal. Erre az ablakra is ráhúzhatod.</translation>
    </message>
</context>
</TS>
