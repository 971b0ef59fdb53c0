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
        <source>Move Tocko to your Applications folder — keyboard sounds won&apos;t work reliably from here.</source>
        <translation>Helyezd át a Tockót az Alkalmazások mappába – innen a billentyűhangok nem fognak megbízhatóan működni.</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Megjelenítés a Finderben</translation>
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
        <source>Keyboard sounds are paused — %1 is blocking keyboard monitoring (Secure Input).</source>
        <translation>A billentyűhangok szünetelnek – %1 blokkolja a billentyűzet figyelését (biztonságos bevitel).</translation>
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
        <source>Typing feedback is off. Open the menu-bar icon to turn it on.</source>
        <translation>A gépelési hang ki van kapcsolva. A bekapcsoláshoz nyisd meg a menüsoron lévő ikont.</translation>
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
        <source>Current app</source>
        <translation>Jelenlegi alkalmazás</translation>
    </message>
    <message>
        <source>Bundle ID</source>
        <translation>Csomagazonosító</translation>
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
        <source>…or a bundle id (com.example.app)</source>
        <translation>…vagy egy csomagazonosító (com.example.app)</translation>
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
        <source>Removes Tocko and everything it stored on this Mac.</source>
        <translation>Eltávolítja a Tockót és mindent, amit ezen a Macen tárolt.</translation>
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
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Drag Tocko from your Applications folder to the Trash.</source>
        <translation>A Tocko beállításai törölve, de az alkalmazás nem tudta magát a Kukába helyezni. Húzd a Tockót az Alkalmazások mappából a Kukába.</translation>
    </message>
    <message>
        <source>One last step: macOS keeps Tocko’s Input Monitoring permission until you remove it. In System Settings › Privacy &amp; Security › Input Monitoring, select Tocko and click the minus button.</source>
        <translation>Még egy utolsó lépés: a macOS megtartja a Tocko bemenetfigyelési engedélyét, amíg el nem távolítod. A Rendszerbeállítások › Adatvédelem és biztonság › Bemenetfigyelés részben jelöld ki a Tockót, és kattints a mínusz gombra.</translation>
    </message>
    <message>
        <source>Open Input Monitoring Settings</source>
        <translation>Bemenetfigyelési beállítások megnyitása</translation>
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
        <source>Tocko plays a sound for each key you press, in every app. To do that, macOS asks you to allow Input Monitoring. Tocko uses physical key codes only and never records what you type.</source>
        <translation>A Tocko minden lenyomott billentyűhöz hangot játszik le, minden alkalmazásban. Ehhez a macOS arra kér, hogy engedélyezd a bemenetfigyelést. A Tocko csak fizikai billentyűkódokat használ, és soha nem rögzíti, amit begépelsz.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. You can change this anytime in System Settings.</source>
        <translation>Enélkül a Tocko csendben marad. Ezt bármikor megváltoztathatod a Rendszerbeállításokban.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>A gépelési hang be van kapcsolva. Próbálj gépelni.</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Rendszerbeállítások megnyitása</translation>
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
        <source>Mic on for Zoom, Meet or FaceTime? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Be van kapcsolva a mikrofon a Zoomhoz, a Meethez vagy a FaceTime-hoz? A Tocko elhallgat, így senki sem hallja, ahogy jegyzeteket gépelsz róluk. A hívás végén visszatér.</translation>
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
        <source>Tocko lives in your menu bar</source>
        <translation>A Tocko a menüsorodban lakik</translation>
    </message>
    <message>
        <source>Look for the K at the top of your screen. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Keresd a K betűt a képernyő tetején. Ott lakik a Tocko. Újra megnéznéd a bemutatót? A Beállításokban találod.</translation>
    </message>
    <message>
        <source>Start with your Mac</source>
        <translation>Indulj a Maceddel</translation>
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
        <source>Privacy &amp; Security › Input Monitoring</source>
        <translation>Adatvédelem és biztonság › Bemenetfigyelés</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Billentyűhangok engedélyezése minden alkalmazásban</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Törlés</translation>
    </message>
</context>
</TS>
