<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro" sourcelanguage="en">
<context>
    <name>Tocko</name>
    <message>
        <source>Tocko</source>
        <translation>Tocko</translation>
    </message>
    <message>
        <source>Tocko is not installed — it runs from this folder, and the login item would start it from here.</source>
        <translation>Tocko nu este instalat — rulează din acest dosar, iar elementul de autentificare l-ar porni de aici.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Deschide dosarul</translation>
    </message>
    <message>
        <source>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</source>
        <translation>Nu a fost găsită nicio zonă de notificare, așa că Tocko și-a deschis comenzile rapide într-o fereastră proprie. Tocko rulează în continuare: deschide-l din nou din grila de aplicații sau alege „Quick Controls” din meniul lui de acolo ca să revii aici. Ca să ai pictograma lui în bara de sus din GNOME, instalează și activează extensia AppIndicator (pachetul gnome-shell-extension-appindicator sau „AppIndicator and KStatusNotifierItem Support” de pe extensions.gnome.org), apoi ieși din sesiune și intră din nou.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <translation>Sunet pentru %1</translation>
    </message>
    <message>
        <source>Default Sound</source>
        <translation>Sunet implicit</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>Mecanice</translation>
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
        <translation>Ascuțite</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>Amuzante</translation>
    </message>
    <message>
        <source>Enable clicks</source>
        <translation>Activează clicurile</translation>
    </message>
    <message>
        <source>%1 · muted (call)</source>
        <translation>%1 · fără sunet (apel)</translation>
    </message>
    <message>
        <source>%1 · silent</source>
        <translation>%1 · silențios</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Ieșire: %1</translation>
    </message>
    <message>
        <source>Typing feedback: On</source>
        <translation>Sunete la tastare: activate</translation>
    </message>
    <message>
        <source>Typing feedback needs permission</source>
        <translation>Sunetele la tastare necesită permisiune</translation>
    </message>
    <message>
        <source>Turn On Typing Feedback…</source>
        <translation>Activează sunetele la tastare…</translation>
    </message>
    <message>
        <source>Quit and reopen Tocko to activate sounds.</source>
        <translation>Închide și redeschide Tocko pentru a activa sunetele.</translation>
    </message>
    <message>
        <source>Relaunch</source>
        <translation>Repornește</translation>
    </message>
    <message>
        <source>an app</source>
        <translation>o aplicație</translation>
    </message>
    <message>
        <source>Keyboard sounds are paused — %1 is asking for a password.</source>
        <translation>Sunetele tastaturii sunt în pauză — %1 cere o parolă.</translation>
    </message>
    <message>
        <source>Quit %1 or click outside its password field. Mouse clicks still work.</source>
        <translation>Închide %1 sau fă clic în afara câmpului său de parolă. Clicurile mouse-ului funcționează în continuare.</translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation>Testează sunetul</translation>
    </message>
    <message>
        <source>Muted —</source>
        <translation>Fără sunet —</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Activează sunetul</translation>
    </message>
    <message>
        <source>Mute for 10 min</source>
        <translation>Fără sunet 10 min</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Copiază diagnosticul</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurări</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Caută actualizări…</translation>
    </message>
    <message>
        <source>Quit Tocko</source>
        <translation>Închide Tocko</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Limbă</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Implicit sistem (%1)</translation>
    </message>
    <message>
        <source>Show welcome tour</source>
        <translation>Afișează turul de bun venit</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Enable Tocko</source>
        <translation>Activează Tocko</translation>
    </message>
    <message>
        <source>Auto-mute during calls (microphone in use)</source>
        <translation>Fără sunet în timpul apelurilor (microfon în uz)</translation>
    </message>
    <message>
        <source>Launch Tocko at login</source>
        <translation>Deschide Tocko la autentificare</translation>
    </message>
    <message>
        <source>Sound on key release</source>
        <translation>Sunet la eliberarea tastei</translation>
    </message>
    <message>
        <source>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</source>
        <translation>Sunetele la tastare sunt dezactivate. Fă clic pe pictograma Tocko din zona de notificare pentru a le activa.</translation>
    </message>
    <message>
        <source>Mouse clicks</source>
        <translation>Clicuri de mouse</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sunet</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Dezactivat</translation>
    </message>
    <message>
        <source>Same as keyboard</source>
        <translation>La fel ca tastatura</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>indisponibil pe acest desktop</translation>
    </message>
    <message>
        <source>needs the Tocko GNOME Shell extension</source>
        <translation>necesită extensia Tocko pentru GNOME Shell</translation>
    </message>
    <message>
        <source>Enable GNOME Shell Extension</source>
        <translation>Activează extensia GNOME Shell</translation>
    </message>
    <message>
        <source>Current app</source>
        <translation>Aplicația curentă</translation>
    </message>
    <message>
        <source>App ID</source>
        <translation>ID aplicație</translation>
    </message>
    <message>
        <source>Microphone in use</source>
        <translation>Microfon în uz</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Effective</source>
        <translation>În vigoare</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Silențios</translation>
    </message>
    <message>
        <source>Default profile</source>
        <translation>Profil implicit</translation>
    </message>
    <message>
        <source>Per-app rules</source>
        <translation>Reguli pe aplicație</translation>
    </message>
    <message>
        <source>No rules yet — add one below.</source>
        <translation>Nicio regulă încă — adaugă una mai jos.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Adaugă o regulă</translation>
    </message>
    <message>
        <source>Running app</source>
        <translation>Aplicație deschisă</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Alege…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adaugă</translation>
    </message>
    <message>
        <source>…or an app id (org.example.App)</source>
        <translation>…sau un ID de aplicație (org.example.App)</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Dezinstalează</translation>
    </message>
    <message>
        <source>Uninstall Tocko…</source>
        <translation>Dezinstalează Tocko…</translation>
    </message>
    <message>
        <source>Removes Tocko and everything it stored on this computer.</source>
        <translation>Elimină Tocko și tot ce a stocat pe acest computer.</translation>
    </message>
    <message>
        <source>Sound pack</source>
        <translation>Pachet de sunete</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volum</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Fără sunet</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Ascultă</translation>
    </message>
    <message>
        <source>Uninstall Tocko?</source>
        <translation>Dezinstalezi Tocko?</translation>
    </message>
    <message>
        <source>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</source>
        <translation>La dezinstalare, Tocko nu se mai deschide la autentificare, configurările și profilurile sale de sunet sunt șterse de pe acest computer, iar Tocko este mutat în Coș.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
    <message>
        <source>Tocko has been moved to the Trash.</source>
        <translation>Tocko a fost mutat în Coș.</translation>
    </message>
    <message>
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</source>
        <translation>Configurările Tocko au fost eliminate, dar aplicația nu s-a putut muta singură în Coș. Elimin-o cu managerul de pachete care a instalat-o.</translation>
    </message>
    <message>
        <source>One last step: the input access given to Tocko stays until you take it back with this command:</source>
        <translation>Un ultim pas: accesul la intrare acordat lui Tocko rămâne până îl retragi cu această comandă:</translation>
    </message>
    <message>
        <source>Grant access…</source>
        <translation>Acordă acces…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gata</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>Ai cea mai nouă versiune!</translation>
    </message>
    <message>
        <source>Tocko %1 is currently the newest version available.</source>
        <translation>Tocko %1 este în prezent cea mai nouă versiune disponibilă.</translation>
    </message>
    <message>
        <source>A new version of Tocko is available!</source>
        <translation>Este disponibilă o versiune nouă de Tocko!</translation>
    </message>
    <message>
        <source>Tocko %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Tocko %1 este acum disponibil — tu ai %2. Vrei să-l descarci acum?</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarcă</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Amintește-mi mai târziu</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Eroare de actualizare!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <translation>A apărut o eroare la obținerea informațiilor despre actualizări. Încearcă din nou mai târziu.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>Let’s set it up</source>
        <translation>Hai să-l configurăm</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuă</translation>
    </message>
    <message>
        <source>Skip for now</source>
        <translation>Omite deocamdată</translation>
    </message>
    <message>
        <source>Start tocking</source>
        <translation>Să tastăm</translation>
    </message>
    <message>
        <source>Welcome to Tocko</source>
        <translation>Bun venit în Tocko</translation>
    </message>
    <message>
        <source>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</source>
        <translation>Tastatura ta e pe cale să devină mult mai plăcută. Tocko redă un sunet real de tastă de fiecare dată când tastezi, în orice aplicație. Configurarea durează cel mult două minute.</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Alege limba</translation>
    </message>
    <message>
        <source>One quick setting</source>
        <translation>O configurare rapidă</translation>
    </message>
    <message>
        <source>Turn on typing feedback</source>
        <translation>Activează sunetele la tastare</translation>
    </message>
    <message>
        <source>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko redă un sunet pentru fiecare tastă apăsată, în orice aplicație. Pentru asta, Linux trebuie să-i permită lui Tocko să citească dispozitivele de tastatură și mouse. Tocko folosește doar coduri fizice de taste și nu înregistrează niciodată ce tastezi.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</source>
        <translation>Fără el, Tocko rămâne silențios. Accesul vine de la o regulă udev sau de la grupul input și îl poți retrage oricând.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>Sunetele la tastare sunt activate. Încearcă să tastezi.</translation>
    </message>
    <message>
        <source>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</source>
        <translation>Se aud doar ferestrele X11. În Wayland, Tocko are nevoie de acces la dispozitivele de tastatură ca să audă orice aplicație.</translation>
    </message>
    <message>
        <source>28 packs · 5 styles</source>
        <translation>28 de pachete · 5 stiluri</translation>
    </message>
    <message>
        <source>Pick your sound</source>
        <translation>Alege-ți sunetul</translation>
    </message>
    <message>
        <source>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</source>
        <translation>Acesta devine sunetul tău implicit. Te temi de angajamente? Schimbă-l oricând din meniul Tocko sau dă fiecărei aplicații sunetul ei.</translation>
    </message>
    <message>
        <source>Type something. Anything. Go on…</source>
        <translation>Scrie ceva. Orice. Haide…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Code editor</source>
        <translation>Editor de cod</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Foaie de calcul</translation>
    </message>
    <message>
        <source>Tips · 1 of 2</source>
        <translation>Sfaturi · 1 din 2</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Fă-l al tău</translation>
    </message>
    <message>
        <source>A sound for every app</source>
        <translation>Un sunet pentru fiecare aplicație</translation>
    </message>
    <message>
        <source>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</source>
        <translation>Taste moi pentru e-mail, clicuri puternice pentru cod, liniște pentru foile de calcul. Au suferit destul. Adaugă o regulă în Configurări, iar Tocko schimbă sunetul când treci de la o aplicație la alta.</translation>
    </message>
    <message>
        <source>Clicks can tock too</source>
        <translation>Și clicurile pot face tock</translation>
    </message>
    <message>
        <source>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</source>
        <translation>Implicit, clicurile mouse-ului împrumută sunetul tastaturii. Dă-le un pachet propriu în Configurări sau dezactivează-le complet.</translation>
    </message>
    <message>
        <source>Muted until the call ends</source>
        <translation>Fără sunet până se termină apelul</translation>
    </message>
    <message>
        <source>It knows when to hush</source>
        <translation>Știe când să tacă</translation>
    </message>
    <message>
        <source>Quiet on calls</source>
        <translation>Liniște în apeluri</translation>
    </message>
    <message>
        <source>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Microfon pornit pentru Zoom, Meet sau Jitsi? Tocko tace, ca nimeni să nu te audă tastând notițe despre ei. Revine când se termină apelul.</translation>
    </message>
    <message>
        <source>Mute for 10 minutes</source>
        <translation>Fără sunet 10 minute</translation>
    </message>
    <message>
        <source>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</source>
        <translation>Ai nevoie de un moment? Oprește sunetul Tocko din meniu. Revine singur, ca o pisică.</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Totul e gata</translation>
    </message>
    <message>
        <source>Tocko lives in your system tray</source>
        <translation>Tocko locuiește în zona de notificare</translation>
    </message>
    <message>
        <source>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Caută litera K printre pictogramele din zona de notificare a panoului. Acolo locuiește Tocko. Vrei din nou turul? Îl găsești în Configurări.</translation>
    </message>
    <message>
        <source>Tocko keeps running in the background</source>
        <translation>Tocko rulează în continuare în fundal</translation>
    </message>
    <message>
        <source>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</source>
        <translation>Desktopul tău nu afișează pictograme în zona de notificare, așa că comenzile rapide ale lui Tocko se deschid într-o fereastră proprie. Deschide Tocko din grila de aplicații ca să le readuci. Vrei din nou turul? Îl găsești în Configurări.</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Pornește la autentificare</translation>
    </message>
    <message>
        <source>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</source>
        <translation>Activează asta și Tocko va fi gata înainte de prima cafea, de fiecare dată când te autentifici. Poți schimba oricând din Configurări.</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Deschide la autentificare</translation>
    </message>
    <message>
        <source>Input devices › Keyboards and mice</source>
        <translation>Dispozitive de intrare › Tastaturi și mouse-uri</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Permite sunete de taste în orice aplicație</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Elimină</translation>
    </message>
    <message>
        <source>Access granted. Log out and back in so that Tocko hears every app.</source>
        <translation>Acces acordat. Deconectează-te și autentifică-te din nou ca Tocko să audă orice aplicație.</translation>
    </message>
    <message>
        <source>Access was not granted.</source>
        <translation>Accesul nu a fost acordat.</translation>
    </message>
    <message>
        <source>No administrator prompt (pkexec) is available on this system.</source>
        <translation>Acest sistem nu are o solicitare de administrator (pkexec).</translation>
    </message>
    <message>
        <source>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</source>
        <translation>Tocko își redă clicul când vede o tastă apăsată. Pe Linux află asta de la dispozitivele de tastatură și mouse din /dev/input, pe care doar grupul input le poate citi, sau, într-o sesiune X11, de la serverul X.</translation>
    </message>
    <message>
        <source>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</source>
        <translation>„Acordă acces…” cere o parolă de administrator, apoi adaugă o regulă udev care îi permite celui care stă la acest computer să citească tastaturile și mouse-urile. Fără systemd-logind, te adaugă în schimb în grupul input; apoi deconectează-te și autentifică-te din nou.</translation>
    </message>
    <message>
        <source>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</source>
        <translation>Și alte programe pe care le rulezi vor putea citi tastatura. Tocko notează doar că o tastă a fost apăsată; nu înregistrează și nu trimite niciodată ce tastezi.</translation>
    </message>
    <message>
        <source>To do it yourself, run:</source>
        <translation>Ca să faci asta singur, rulează:</translation>
    </message>
    <message>
        <source>config.json is not a valid JSON object</source>
        <translation>config.json nu este un obiect JSON valid</translation>
    </message>
    <message>
        <source>config.json gives the pack no name</source>
        <translation>config.json nu dă niciun nume pachetului</translation>
    </message>
    <message>
        <source>config.json uses a key layout Tocko does not know (%1)</source>
        <translation>config.json folosește o așezare a tastelor pe care Tocko nu o cunoaște (%1)</translation>
    </message>
    <message>
        <source>config.json names no sound file to cut the keys' sounds from</source>
        <translation>config.json nu numește niciun fișier de sunet din care să se taie sunetele tastelor</translation>
    </message>
    <message>
        <source>config.json defines too many keys</source>
        <translation>config.json definește prea multe taste</translation>
    </message>
    <message>
        <source>config.json: key %1 has no valid [start, length] slice</source>
        <translation>config.json: tasta %1 nu are o secțiune [început, durată] validă</translation>
    </message>
    <message>
        <source>config.json: key %1 names no sound file</source>
        <translation>config.json: tasta %1 nu numește niciun fișier de sunet</translation>
    </message>
    <message>
        <source>config.json: the sound of key %1 is written in a form Tocko cannot read</source>
        <translation>config.json: sunetul tastei %1 este scris într-o formă pe care Tocko nu o poate citi</translation>
    </message>
    <message>
        <source>config.json: %1 has a sound but is not a key code</source>
        <translation>config.json: %1 are un sunet, dar nu este un cod de tastă</translation>
    </message>
    <message>
        <source>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</source>
        <translation>config.json: %1 este o setare pe care Tocko nu o poate folosi, așa că sunetele ei s-ar pierde</translation>
    </message>
    <message>
        <source>config.json has no key definitions</source>
        <translation>config.json nu are definiții de taste</translation>
    </message>
    <message>
        <source>config.json defines no sound for a key Tocko can play</source>
        <translation>config.json nu definește sunet pentru nicio tastă pe care Tocko o poate reda</translation>
    </message>
    <message>
        <source>config.json cannot be read</source>
        <translation>config.json nu poate fi citit</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 lipsește</translation>
    </message>
    <message>
        <source>%1 is not a regular file; links and special files are not accepted</source>
        <translation>%1 nu este un fișier obișnuit; legăturile și fișierele speciale nu sunt acceptate</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 este prea mare</translation>
    </message>
    <message>
        <source>The pack names a sound file outside its folder (%1)</source>
        <translation>Pachetul numește un fișier de sunet din afara dosarului său (%1)</translation>
    </message>
    <message>
        <source>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</source>
        <translation>%1 nu este un fișier de sunet acceptat (WAV, OGG, FLAC sau MP3)</translation>
    </message>
    <message>
        <source>%1 holds no audio</source>
        <translation>%1 nu conține sunet</translation>
    </message>
    <message>
        <source>A key's slice lies outside %1</source>
        <translation>Secțiunea unei taste iese din %1</translation>
    </message>
    <message>
        <source>%1 is not a readable .zip file</source>
        <translation>%1 nu este un fișier .zip lizibil</translation>
    </message>
    <message>
        <source>The .zip file is damaged</source>
        <translation>Fișierul .zip este deteriorat</translation>
    </message>
    <message>
        <source>The .zip file holds too many files</source>
        <translation>Fișierul .zip conține prea multe fișiere</translation>
    </message>
    <message>
        <source>The .zip file contains a link (%1); links are not accepted</source>
        <translation>Fișierul .zip conține o legătură (%1); legăturile nu sunt acceptate</translation>
    </message>
    <message>
        <source>The .zip file contains an unsafe path (%1)</source>
        <translation>Fișierul .zip conține o cale nesigură (%1)</translation>
    </message>
    <message>
        <source>The .zip file contains a special file (%1)</source>
        <translation>Fișierul .zip conține un fișier special (%1)</translation>
    </message>
    <message>
        <source>The .zip file holds %1 twice</source>
        <translation>Fișierul .zip conține %1 de două ori</translation>
    </message>
    <message>
        <source>The .zip file unpacks to more than a sound pack can hold</source>
        <translation>Fișierul .zip se dezarhivează în mai mult decât poate cuprinde un pachet de sunete</translation>
    </message>
    <message>
        <source>Could not unpack the .zip file; is the disk full?</source>
        <translation>Fișierul .zip nu a putut fi dezarhivat; este discul plin?</translation>
    </message>
    <message>
        <source>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</source>
        <translation>Dosarul nu conține nici config.json, nici fișiere WAV, OGG, FLAC sau MP3</translation>
    </message>
    <message>
        <source>The folder holds release sounds but no press sound</source>
        <translation>Dosarul conține sunete de eliberare, dar niciun sunet de apăsare</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 nu există</translation>
    </message>
    <message>
        <source>Choose a pack folder or a .zip file</source>
        <translation>Alege un dosar de pachet sau un fișier .zip</translation>
    </message>
    <message>
        <source>The pack's decoded audio is larger than %1 MB</source>
        <translation>Sunetul decodat al pachetului depășește %1 MB</translation>
    </message>
    <message>
        <source>Could not resample the pack's sounds</source>
        <translation>Sunetele pachetului nu au putut fi reeșantionate</translation>
    </message>
    <message>
        <source>Too many packs share the name %1</source>
        <translation>Prea multe pachete se numesc %1</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Nu se poate scrie în %1</translation>
    </message>
    <message>
        <source>Could not store the pack; is the disk full?</source>
        <translation>Pachetul nu a putut fi salvat; este discul plin?</translation>
    </message>
    <message>
        <source>Could not replace the installed pack %1</source>
        <translation>Pachetul instalat %1 nu a putut fi înlocuit</translation>
    </message>
    <message>
        <source>%1 is not an imported pack</source>
        <translation>%1 nu este un pachet importat</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 nu este instalat</translation>
    </message>
    <message>
        <source>Could not remove %1</source>
        <translation>%1 nu a putut fi eliminat</translation>
    </message>
    <message>
        <source>The stored pack %1 is damaged; import it again</source>
        <translation>Pachetul salvat %1 este deteriorat; importă-l din nou</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>%1 nu poate fi importat: %2</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot;</source>
        <translation>„%1” importat</translation>
    </message>
    <message>
        <source>My Packs</source>
        <translation>Pachetele mele</translation>
    </message>
    <message>
        <source>Import Pack…</source>
        <translation>Importă pachet…</translation>
    </message>
    <message>
        <source>Importing… %1%</source>
        <translation>Se importă… %1%</translation>
    </message>
    <message>
        <source>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</source>
        <translation>Un dosar sau un .zip cu config.json, sau un dosar cu sunete de apăsare și eliberare. Îl poți și plasa pe această fereastră.</translation>
    </message>
</context>
</TS>
