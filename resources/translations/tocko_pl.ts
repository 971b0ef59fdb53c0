<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>Tocko</name>
    <message>
        <source>Tocko</source>
        <translation>Tocko</translation>
    </message>
    <message>
        <source>Tocko is not installed — it runs from this folder, and the login item would start it from here.</source>
        <translation>Tocko nie jest zainstalowane — działa z tego folderu, a element logowania uruchamiałby je stąd.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</source>
        <translation>Nie znaleziono zasobnika systemowego, więc Tocko otworzył szybkie sterowanie w osobnym oknie. Tocko nadal działa: otwórz go ponownie z siatki aplikacji lub wybierz tam w jego menu „Quick Controls”, aby tu wrócić. Aby jego ikona pojawiła się na górnym pasku GNOME, zainstaluj i włącz rozszerzenie AppIndicator (pakiet gnome-shell-extension-appindicator lub „AppIndicator and KStatusNotifierItem Support” z extensions.gnome.org), a potem wyloguj się i zaloguj ponownie.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <translation>Dźwięk dla: %1</translation>
    </message>
    <message>
        <source>Default Sound</source>
        <translation>Dźwięk domyślny</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>Mechaniczne</translation>
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
        <translation>Ostre</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>Zabawne</translation>
    </message>
    <message>
        <source>Enable clicks</source>
        <translation>Włącz kliknięcia</translation>
    </message>
    <message>
        <source>%1 · muted (call)</source>
        <translation>%1 · wyciszone (rozmowa)</translation>
    </message>
    <message>
        <source>%1 · silent</source>
        <translation>%1 · cisza</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Wyjście: %1</translation>
    </message>
    <message>
        <source>Typing feedback: On</source>
        <translation>Dźwięki pisania: włączone</translation>
    </message>
    <message>
        <source>Typing feedback needs permission</source>
        <translation>Dźwięki pisania wymagają uprawnienia</translation>
    </message>
    <message>
        <source>Turn On Typing Feedback…</source>
        <translation>Włącz dźwięki pisania…</translation>
    </message>
    <message>
        <source>Quit and reopen Tocko to activate sounds.</source>
        <translation>Zakończ i ponownie otwórz Tocko, aby włączyć dźwięki.</translation>
    </message>
    <message>
        <source>Relaunch</source>
        <translation>Uruchom ponownie</translation>
    </message>
    <message>
        <source>an app</source>
        <translation>aplikacja</translation>
    </message>
    <message>
        <source>Keyboard sounds are paused — %1 is asking for a password.</source>
        <translation>Dźwięki klawiatury wstrzymane — %1 prosi o hasło.</translation>
    </message>
    <message>
        <source>Quit %1 or click outside its password field. Mouse clicks still work.</source>
        <translation>Zakończ %1 lub kliknij poza polem hasła. Kliknięcia myszy nadal działają.</translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation>Testuj dźwięk</translation>
    </message>
    <message>
        <source>Muted —</source>
        <translation>Wyciszone —</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Wyłącz wyciszenie</translation>
    </message>
    <message>
        <source>Mute for 10 min</source>
        <translation>Wycisz na 10 min</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Kopiuj diagnostykę</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Sprawdź uaktualnienia…</translation>
    </message>
    <message>
        <source>Quit Tocko</source>
        <translation>Zakończ Tocko</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Domyślny systemu (%1)</translation>
    </message>
    <message>
        <source>Show welcome tour</source>
        <translation>Pokaż przewodnik powitalny</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Enable Tocko</source>
        <translation>Włącz Tocko</translation>
    </message>
    <message>
        <source>Auto-mute during calls (microphone in use)</source>
        <translation>Wyciszaj podczas rozmów (mikrofon w użyciu)</translation>
    </message>
    <message>
        <source>Launch Tocko at login</source>
        <translation>Otwieraj Tocko po zalogowaniu</translation>
    </message>
    <message>
        <source>Sound on key release</source>
        <translation>Dźwięk przy puszczeniu klawisza</translation>
    </message>
    <message>
        <source>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</source>
        <translation>Dźwięki pisania są wyłączone. Kliknij ikonę Tocko w zasobniku systemowym, aby je włączyć.</translation>
    </message>
    <message>
        <source>Mouse clicks</source>
        <translation>Kliknięcia myszy</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Same as keyboard</source>
        <translation>Jak klawiatura</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>niedostępne na tym pulpicie</translation>
    </message>
    <message>
        <source>needs the Tocko GNOME Shell extension</source>
        <translation>wymaga rozszerzenia Tocko dla GNOME Shell</translation>
    </message>
    <message>
        <source>Enable GNOME Shell Extension</source>
        <translation>Włącz rozszerzenie GNOME Shell</translation>
    </message>
    <message>
        <source>Current app</source>
        <translation>Bieżąca aplikacja</translation>
    </message>
    <message>
        <source>App ID</source>
        <translation>ID aplikacji</translation>
    </message>
    <message>
        <source>Microphone in use</source>
        <translation>Mikrofon w użyciu</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Effective</source>
        <translation>Obowiązujący</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Cisza</translation>
    </message>
    <message>
        <source>Default profile</source>
        <translation>Profil domyślny</translation>
    </message>
    <message>
        <source>Per-app rules</source>
        <translation>Reguły dla aplikacji</translation>
    </message>
    <message>
        <source>No rules yet — add one below.</source>
        <translation>Nie ma jeszcze reguł — dodaj jedną poniżej.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Dodaj regułę</translation>
    </message>
    <message>
        <source>Running app</source>
        <translation>Uruchomiona aplikacja</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wybierz…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>…or an app id (org.example.App)</source>
        <translation>…lub ID aplikacji (org.example.App)</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Odinstaluj</translation>
    </message>
    <message>
        <source>Uninstall Tocko…</source>
        <translation>Odinstaluj Tocko…</translation>
    </message>
    <message>
        <source>Removes Tocko and everything it stored on this computer.</source>
        <translation>Usuwa Tocko i wszystko, co zapisało na tym komputerze.</translation>
    </message>
    <message>
        <source>Sound pack</source>
        <translation>Pakiet dźwięków</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Wyciszone</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Odsłuchaj</translation>
    </message>
    <message>
        <source>Uninstall Tocko?</source>
        <translation>Odinstalować Tocko?</translation>
    </message>
    <message>
        <source>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</source>
        <translation>Po odinstalowaniu Tocko przestanie otwierać się po zalogowaniu, jego ustawienia i profile dźwięków zostaną usunięte z tego komputera, a Tocko zostanie przeniesione do kosza.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Tocko has been moved to the Trash.</source>
        <translation>Tocko zostało przeniesione do kosza.</translation>
    </message>
    <message>
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</source>
        <translation>Ustawienia Tocko zostały usunięte, ale aplikacja nie mogła sama przenieść się do kosza. Usuń ją menedżerem pakietów, którym została zainstalowana.</translation>
    </message>
    <message>
        <source>One last step: the input access given to Tocko stays until you take it back with this command:</source>
        <translation>Ostatni krok: dostęp do urządzeń wejściowych przyznany Tocko pozostaje, dopóki nie cofniesz go tym poleceniem:</translation>
    </message>
    <message>
        <source>Grant access…</source>
        <translation>Przyznaj dostęp…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>Masz najnowszą wersję!</translation>
    </message>
    <message>
        <source>Tocko %1 is currently the newest version available.</source>
        <translation>Tocko %1 to obecnie najnowsza dostępna wersja.</translation>
    </message>
    <message>
        <source>A new version of Tocko is available!</source>
        <translation>Dostępna jest nowa wersja Tocko!</translation>
    </message>
    <message>
        <source>Tocko %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Tocko %1 jest już dostępne — masz wersję %2. Czy chcesz ją teraz pobrać?</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Przypomnij później</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Błąd uaktualniania!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <translation>Wystąpił błąd podczas pobierania informacji o uaktualnieniach. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Let’s set it up</source>
        <translation>Zaczynajmy</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Skip for now</source>
        <translation>Na razie pomiń</translation>
    </message>
    <message>
        <source>Start tocking</source>
        <translation>Zacznij stukać</translation>
    </message>
    <message>
        <source>Welcome to Tocko</source>
        <translation>Witaj w Tocko</translation>
    </message>
    <message>
        <source>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</source>
        <translation>Twoja klawiatura zaraz stanie się o wiele przyjemniejsza. Tocko odtwarza prawdziwy dźwięk klawisza za każdym razem, gdy piszesz, w każdej aplikacji. Konfiguracja zajmie najwyżej dwie minuty.</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Wybierz język</translation>
    </message>
    <message>
        <source>One quick setting</source>
        <translation>Jedno szybkie ustawienie</translation>
    </message>
    <message>
        <source>Turn on typing feedback</source>
        <translation>Włącz dźwięki pisania</translation>
    </message>
    <message>
        <source>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko odtwarza dźwięk dla każdego naciśniętego klawisza, w każdej aplikacji. Aby to było możliwe, Linux musi pozwolić Tocko odczytywać urządzenia klawiatury i myszy. Tocko używa wyłącznie fizycznych kodów klawiszy i nigdy nie zapisuje tego, co piszesz.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</source>
        <translation>Bez tego Tocko milczy. Dostęp daje reguła udev lub grupa input i w każdej chwili możesz go cofnąć.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>Dźwięki pisania są włączone. Spróbuj coś napisać.</translation>
    </message>
    <message>
        <source>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</source>
        <translation>Słychać tylko okna X11. W Waylandzie Tocko potrzebuje dostępu do urządzeń klawiatury, aby słyszeć każdą aplikację.</translation>
    </message>
    <message>
        <source>28 packs · 5 styles</source>
        <translation>28 pakietów · 5 stylów</translation>
    </message>
    <message>
        <source>Pick your sound</source>
        <translation>Wybierz swój dźwięk</translation>
    </message>
    <message>
        <source>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</source>
        <translation>To będzie Twój domyślny dźwięk. Boisz się zobowiązań? Zmień go w dowolnej chwili w menu Tocko albo daj każdej aplikacji własny.</translation>
    </message>
    <message>
        <source>Type something. Anything. Go on…</source>
        <translation>Napisz coś. Cokolwiek. Śmiało…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Code editor</source>
        <translation>Edytor kodu</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Arkusz kalkulacyjny</translation>
    </message>
    <message>
        <source>Tips · 1 of 2</source>
        <translation>Wskazówki · 1 z 2</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Dopasuj do siebie</translation>
    </message>
    <message>
        <source>A sound for every app</source>
        <translation>Dźwięk dla każdej aplikacji</translation>
    </message>
    <message>
        <source>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</source>
        <translation>Miękkie klawisze do poczty, głośne kliknięcia do kodu, cisza dla arkuszy kalkulacyjnych. Dość już wycierpiały. Dodaj regułę w Ustawieniach, a Tocko zmieni dźwięk, gdy przeskakujesz między aplikacjami.</translation>
    </message>
    <message>
        <source>Clicks can tock too</source>
        <translation>Kliknięcia też mogą stukać</translation>
    </message>
    <message>
        <source>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</source>
        <translation>Domyślnie kliknięcia myszy pożyczają dźwięk klawiatury. Daj im własny pakiet w Ustawieniach albo całkiem je wyłącz.</translation>
    </message>
    <message>
        <source>Muted until the call ends</source>
        <translation>Wyciszone do końca rozmowy</translation>
    </message>
    <message>
        <source>It knows when to hush</source>
        <translation>Wie, kiedy ucichnąć</translation>
    </message>
    <message>
        <source>Quiet on calls</source>
        <translation>Cisza podczas rozmów</translation>
    </message>
    <message>
        <source>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Mikrofon włączony w Zoomie, Meet lub Jitsi? Tocko milknie, żeby nikt nie słyszał, jak piszesz o nich notatki. Wraca, gdy rozmowa się skończy.</translation>
    </message>
    <message>
        <source>Mute for 10 minutes</source>
        <translation>Wycisz na 10 minut</translation>
    </message>
    <message>
        <source>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</source>
        <translation>Potrzebujesz chwili? Wycisz Tocko w menu. Wróci samo, jak kot.</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Wszystko gotowe</translation>
    </message>
    <message>
        <source>Tocko lives in your system tray</source>
        <translation>Tocko mieszka w zasobniku systemowym</translation>
    </message>
    <message>
        <source>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Poszukaj litery K wśród ikon zasobnika na panelu pulpitu. Tam mieszka Tocko. Chcesz jeszcze raz obejrzeć przewodnik? Jest w Ustawieniach.</translation>
    </message>
    <message>
        <source>Tocko keeps running in the background</source>
        <translation>Tocko działa dalej w tle</translation>
    </message>
    <message>
        <source>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</source>
        <translation>Twój pulpit nie pokazuje ikon zasobnika, więc szybkie sterowanie Tocko otwiera się w osobnym oknie. Otwórz Tocko z siatki aplikacji, aby je przywrócić. Chcesz jeszcze raz obejrzeć przewodnik? Jest w Ustawieniach.</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</source>
        <translation>Włącz to, a Tocko będzie gotowe przed pierwszą kawą, za każdym razem, gdy się zalogujesz. Możesz to zmienić w dowolnej chwili w Ustawieniach.</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Otwieraj po zalogowaniu</translation>
    </message>
    <message>
        <source>Input devices › Keyboards and mice</source>
        <translation>Urządzenia wejściowe › Klawiatury i myszy</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Pozwala na dźwięki klawiszy w każdej aplikacji</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Access granted. Log out and back in so that Tocko hears every app.</source>
        <translation>Dostęp przyznany. Wyloguj się i zaloguj ponownie, aby Tocko słyszało każdą aplikację.</translation>
    </message>
    <message>
        <source>Access was not granted.</source>
        <translation>Dostęp nie został przyznany.</translation>
    </message>
    <message>
        <source>No administrator prompt (pkexec) is available on this system.</source>
        <translation>W tym systemie nie ma okna uprawnień administratora (pkexec).</translation>
    </message>
    <message>
        <source>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</source>
        <translation>Tocko odtwarza swoje kliknięcie, gdy widzi naciśnięcie klawisza. W Linuksie dowiaduje się o tym z urządzeń klawiatury i myszy w /dev/input, które może odczytywać tylko grupa input, albo, w sesji X11, od serwera X.</translation>
    </message>
    <message>
        <source>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</source>
        <translation>„Przyznaj dostęp…” prosi o hasło administratora, a potem dodaje regułę udev, która pozwala osobie siedzącej przy tym komputerze odczytywać klawiatury i myszy. Bez systemd-logind zamiast tego dodaje cię do grupy input; wtedy wyloguj się i zaloguj ponownie.</translation>
    </message>
    <message>
        <source>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</source>
        <translation>Inne uruchamiane przez ciebie programy też będą mogły odczytywać klawiaturę. Tocko tylko odnotowuje, że klawisz został naciśnięty; nigdy nie zapisuje ani nie wysyła tego, co piszesz.</translation>
    </message>
    <message>
        <source>To do it yourself, run:</source>
        <translation>Aby zrobić to samodzielnie, uruchom:</translation>
    </message>
    <message>
        <source>config.json is not a valid JSON object</source>
        <translation>config.json nie jest prawidłowym obiektem JSON</translation>
    </message>
    <message>
        <source>config.json gives the pack no name</source>
        <translation>config.json nie nadaje pakietowi nazwy</translation>
    </message>
    <message>
        <source>config.json uses a key layout Tocko does not know (%1)</source>
        <translation>config.json używa układu klawiszy, którego Tocko nie zna (%1)</translation>
    </message>
    <message>
        <source>config.json names no sound file to cut the keys' sounds from</source>
        <translation>config.json nie wskazuje pliku dźwiękowego, z którego można wyciąć dźwięki klawiszy</translation>
    </message>
    <message>
        <source>config.json defines too many keys</source>
        <translation>config.json definiuje zbyt wiele klawiszy</translation>
    </message>
    <message>
        <source>config.json: key %1 has no valid [start, length] slice</source>
        <translation>config.json: klawisz %1 nie ma prawidłowego fragmentu [początek, długość]</translation>
    </message>
    <message>
        <source>config.json: key %1 names no sound file</source>
        <translation>config.json: klawisz %1 nie wskazuje pliku dźwiękowego</translation>
    </message>
    <message>
        <source>config.json: the sound of key %1 is written in a form Tocko cannot read</source>
        <translation>config.json: dźwięk klawisza %1 zapisano w formie, której Tocko nie umie odczytać</translation>
    </message>
    <message>
        <source>config.json: %1 has a sound but is not a key code</source>
        <translation>config.json: %1 ma dźwięk, ale nie jest kodem klawisza</translation>
    </message>
    <message>
        <source>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</source>
        <translation>config.json: %1 to ustawienie, którego Tocko nie może użyć, więc jego dźwięki zostałyby utracone</translation>
    </message>
    <message>
        <source>config.json has no key definitions</source>
        <translation>config.json nie zawiera definicji klawiszy</translation>
    </message>
    <message>
        <source>config.json defines no sound for a key Tocko can play</source>
        <translation>config.json nie definiuje dźwięku dla żadnego klawisza, który Tocko może odtworzyć</translation>
    </message>
    <message>
        <source>config.json cannot be read</source>
        <translation>Nie można odczytać config.json</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>Brak pliku %1</translation>
    </message>
    <message>
        <source>%1 is not a regular file; links and special files are not accepted</source>
        <translation>%1 nie jest zwykłym plikiem; dowiązania i pliki specjalne nie są akceptowane</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 jest za duży</translation>
    </message>
    <message>
        <source>The pack names a sound file outside its folder (%1)</source>
        <translation>Pakiet wskazuje plik dźwiękowy spoza swojego folderu (%1)</translation>
    </message>
    <message>
        <source>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</source>
        <translation>%1 nie jest obsługiwanym plikiem dźwiękowym (WAV, OGG, FLAC lub MP3)</translation>
    </message>
    <message>
        <source>%1 holds no audio</source>
        <translation>%1 nie zawiera dźwięku</translation>
    </message>
    <message>
        <source>A key's slice lies outside %1</source>
        <translation>Fragment klawisza wykracza poza %1</translation>
    </message>
    <message>
        <source>%1 is not a readable .zip file</source>
        <translation>%1 nie jest czytelnym plikiem .zip</translation>
    </message>
    <message>
        <source>The .zip file is damaged</source>
        <translation>Plik .zip jest uszkodzony</translation>
    </message>
    <message>
        <source>The .zip file holds too many files</source>
        <translation>Plik .zip zawiera zbyt wiele plików</translation>
    </message>
    <message>
        <source>The .zip file contains a link (%1); links are not accepted</source>
        <translation>Plik .zip zawiera dowiązanie (%1); dowiązania nie są akceptowane</translation>
    </message>
    <message>
        <source>The .zip file contains an unsafe path (%1)</source>
        <translation>Plik .zip zawiera niebezpieczną ścieżkę (%1)</translation>
    </message>
    <message>
        <source>The .zip file contains a special file (%1)</source>
        <translation>Plik .zip zawiera plik specjalny (%1)</translation>
    </message>
    <message>
        <source>The .zip file holds %1 twice</source>
        <translation>Plik .zip zawiera %1 dwukrotnie</translation>
    </message>
    <message>
        <source>The .zip file unpacks to more than a sound pack can hold</source>
        <translation>Plik .zip rozpakowuje się do większego rozmiaru, niż może mieć pakiet dźwięków</translation>
    </message>
    <message>
        <source>Could not unpack the .zip file; is the disk full?</source>
        <translation>Nie udało się rozpakować pliku .zip; czy dysk jest pełny?</translation>
    </message>
    <message>
        <source>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</source>
        <translation>Folder nie zawiera ani config.json, ani plików WAV, OGG, FLAC lub MP3</translation>
    </message>
    <message>
        <source>The folder holds release sounds but no press sound</source>
        <translation>Folder zawiera dźwięki zwolnienia, ale żadnego dźwięku naciśnięcia</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 nie istnieje</translation>
    </message>
    <message>
        <source>Choose a pack folder or a .zip file</source>
        <translation>Wybierz folder pakietu lub plik .zip</translation>
    </message>
    <message>
        <source>The pack's decoded audio is larger than %1 MB</source>
        <translation>Zdekodowany dźwięk pakietu przekracza %1 MB</translation>
    </message>
    <message>
        <source>Could not resample the pack's sounds</source>
        <translation>Nie udało się przepróbkować dźwięków pakietu</translation>
    </message>
    <message>
        <source>Too many packs share the name %1</source>
        <translation>Zbyt wiele pakietów nosi nazwę %1</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Nie można zapisać w %1</translation>
    </message>
    <message>
        <source>Could not store the pack; is the disk full?</source>
        <translation>Nie udało się zapisać pakietu; czy dysk jest pełny?</translation>
    </message>
    <message>
        <source>Could not replace the installed pack %1</source>
        <translation>Nie udało się zastąpić zainstalowanego pakietu %1</translation>
    </message>
    <message>
        <source>%1 is not an imported pack</source>
        <translation>%1 nie jest zaimportowanym pakietem</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 nie jest zainstalowany</translation>
    </message>
    <message>
        <source>Could not remove %1</source>
        <translation>Nie udało się usunąć %1</translation>
    </message>
    <message>
        <source>The stored pack %1 is damaged; import it again</source>
        <translation>Zapisany pakiet %1 jest uszkodzony; zaimportuj go ponownie</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>Nie można zaimportować %1: %2</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot;</source>
        <translation>Zaimportowano „%1”</translation>
    </message>
    <message>
        <source>My Packs</source>
        <translation>Moje pakiety</translation>
    </message>
    <message>
        <source>Import Pack…</source>
        <translation>Importuj pakiet…</translation>
    </message>
    <message>
        <source>Importing… %1%</source>
        <translation>Importowanie… %1%</translation>
    </message>
    <message>
        <source>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</source>
        <translation>Folder lub plik .zip z plikiem config.json albo folder z dźwiękami naciśnięcia i zwolnienia. Możesz go też upuścić na to okno.</translation>
    </message>
</context>
</TS>
