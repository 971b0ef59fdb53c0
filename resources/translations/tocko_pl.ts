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
        <source>Move Tocko to your Applications folder — keyboard sounds won&apos;t work reliably from here.</source>
        <translation>Przenieś Tocko do katalogu Aplikacje — stąd dźwięki klawiatury nie będą działać niezawodnie.</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Pokaż w Finderze</translation>
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
        <source>Keyboard sounds are paused — %1 is blocking keyboard monitoring (Secure Input).</source>
        <translation>Dźwięki klawiatury wstrzymane — %1 blokuje monitorowanie klawiatury (bezpieczne wprowadzanie).</translation>
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
        <source>Typing feedback is off. Open the menu-bar icon to turn it on.</source>
        <translation>Dźwięki pisania są wyłączone. Otwórz ikonę na pasku menu, aby je włączyć.</translation>
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
        <source>Current app</source>
        <translation>Bieżąca aplikacja</translation>
    </message>
    <message>
        <source>Bundle ID</source>
        <translation>ID pakietu</translation>
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
        <source>…or a bundle id (com.example.app)</source>
        <translation>…lub ID pakietu (com.example.app)</translation>
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
        <source>Removes Tocko and everything it stored on this Mac.</source>
        <translation>Usuwa Tocko i wszystko, co zapisało na tym Macu.</translation>
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
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Drag Tocko from your Applications folder to the Trash.</source>
        <translation>Ustawienia Tocko zostały usunięte, ale aplikacja nie mogła sama przenieść się do kosza. Przeciągnij Tocko z katalogu Aplikacje do kosza.</translation>
    </message>
    <message>
        <source>One last step: macOS keeps Tocko’s Input Monitoring permission until you remove it. In System Settings › Privacy &amp; Security › Input Monitoring, select Tocko and click the minus button.</source>
        <translation>Ostatni krok: macOS zachowuje uprawnienie Tocko do monitorowania wprowadzania, dopóki go nie usuniesz. W Ustawieniach systemowych › Prywatność i ochrona › Monitorowanie wprowadzania zaznacz Tocko i kliknij przycisk minus.</translation>
    </message>
    <message>
        <source>Open Input Monitoring Settings</source>
        <translation>Otwórz ustawienia monitorowania wprowadzania</translation>
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
        <source>Tocko plays a sound for each key you press, in every app. To do that, macOS asks you to allow Input Monitoring. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko odtwarza dźwięk dla każdego naciśniętego klawisza, w każdej aplikacji. Aby to było możliwe, macOS prosi o zezwolenie na monitorowanie wprowadzania. Tocko używa wyłącznie fizycznych kodów klawiszy i nigdy nie zapisuje tego, co piszesz.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. You can change this anytime in System Settings.</source>
        <translation>Bez tego Tocko milczy. Możesz to zmienić w dowolnej chwili w Ustawieniach systemowych.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>Dźwięki pisania są włączone. Spróbuj coś napisać.</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Otwórz Ustawienia systemowe</translation>
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
        <source>Mic on for Zoom, Meet or FaceTime? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Mikrofon włączony w Zoomie, Meet lub FaceTime? Tocko milknie, żeby nikt nie słyszał, jak piszesz o nich notatki. Wraca, gdy rozmowa się skończy.</translation>
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
        <source>Tocko lives in your menu bar</source>
        <translation>Tocko mieszka na pasku menu</translation>
    </message>
    <message>
        <source>Look for the K at the top of your screen. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Poszukaj litery K u góry ekranu. Tam mieszka Tocko. Chcesz jeszcze raz obejrzeć przewodnik? Jest w Ustawieniach.</translation>
    </message>
    <message>
        <source>Start with your Mac</source>
        <translation>Startuj razem z Makiem</translation>
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
        <source>Privacy &amp; Security › Input Monitoring</source>
        <translation>Prywatność i ochrona › Monitorowanie wprowadzania</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Pozwala na dźwięki klawiszy w każdej aplikacji</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
</context>
</TS>
