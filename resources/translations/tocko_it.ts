<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Tocko</name>
    <message>
        <source>Tocko</source>
        <translation>Tocko</translation>
    </message>
    <message>
        <source>Tocko is not installed — it runs from this folder, and the login item would start it from here.</source>
        <translation>Tocko non è installato: viene eseguito da questa cartella e l’elemento di login lo avvierebbe da qui.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</source>
        <translation>Non è stata trovata alcuna area di notifica, quindi Tocko ha aperto i suoi controlli rapidi in una finestra a sé. Tocko resta in esecuzione: riaprilo dalla griglia delle app, oppure scegli «Quick Controls» nel suo menu lì, per tornare qui. Per avere la sua icona nella barra superiore di GNOME, installa e attiva l’estensione AppIndicator (pacchetto gnome-shell-extension-appindicator, oppure «AppIndicator and KStatusNotifierItem Support» da extensions.gnome.org), poi esci dalla sessione e rientra.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <translation>Suono per %1</translation>
    </message>
    <message>
        <source>Default Sound</source>
        <translation>Suono predefinito</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>Meccanici</translation>
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
        <translation>Secchi</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>Divertenti</translation>
    </message>
    <message>
        <source>Enable clicks</source>
        <translation>Attiva i clic</translation>
    </message>
    <message>
        <source>%1 · muted (call)</source>
        <translation>%1 · silenziato (chiamata)</translation>
    </message>
    <message>
        <source>%1 · silent</source>
        <translation>%1 · muto</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Uscita: %1</translation>
    </message>
    <message>
        <source>Typing feedback: On</source>
        <translation>Suoni di digitazione: attivi</translation>
    </message>
    <message>
        <source>Typing feedback needs permission</source>
        <translation>I suoni di digitazione richiedono un’autorizzazione</translation>
    </message>
    <message>
        <source>Turn On Typing Feedback…</source>
        <translation>Attiva i suoni di digitazione…</translation>
    </message>
    <message>
        <source>Quit and reopen Tocko to activate sounds.</source>
        <translation>Esci da Tocko e riaprilo per attivare i suoni.</translation>
    </message>
    <message>
        <source>Relaunch</source>
        <translation>Riapri</translation>
    </message>
    <message>
        <source>an app</source>
        <translation>un’app</translation>
    </message>
    <message>
        <source>Keyboard sounds are paused — %1 is asking for a password.</source>
        <translation>Suoni della tastiera in pausa: %1 sta chiedendo una password.</translation>
    </message>
    <message>
        <source>Quit %1 or click outside its password field. Mouse clicks still work.</source>
        <translation>Esci da %1 o fai clic fuori dal suo campo password. I clic del mouse funzionano comunque.</translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation>Prova suono</translation>
    </message>
    <message>
        <source>Muted —</source>
        <translation>Silenziato —</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Riattiva audio</translation>
    </message>
    <message>
        <source>Mute for 10 min</source>
        <translation>Silenzia per 10 min</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Copia diagnostica</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Controlla aggiornamenti…</translation>
    </message>
    <message>
        <source>Quit Tocko</source>
        <translation>Esci da Tocko</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Predefinita di sistema (%1)</translation>
    </message>
    <message>
        <source>Show welcome tour</source>
        <translation>Mostra il tour di benvenuto</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generali</translation>
    </message>
    <message>
        <source>Enable Tocko</source>
        <translation>Attiva Tocko</translation>
    </message>
    <message>
        <source>Auto-mute during calls (microphone in use)</source>
        <translation>Silenzia durante le chiamate (microfono in uso)</translation>
    </message>
    <message>
        <source>Launch Tocko at login</source>
        <translation>Apri Tocko al login</translation>
    </message>
    <message>
        <source>Sound on key release</source>
        <translation>Suono al rilascio del tasto</translation>
    </message>
    <message>
        <source>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</source>
        <translation>I suoni di digitazione sono disattivati. Fai clic sull’icona di Tocko nell’area di notifica per attivarli.</translation>
    </message>
    <message>
        <source>Mouse clicks</source>
        <translation>Clic del mouse</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Same as keyboard</source>
        <translation>Come la tastiera</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>non disponibile su questo desktop</translation>
    </message>
    <message>
        <source>needs the Tocko GNOME Shell extension</source>
        <translation>richiede l’estensione Tocko per GNOME Shell</translation>
    </message>
    <message>
        <source>Enable GNOME Shell Extension</source>
        <translation>Attiva estensione GNOME Shell</translation>
    </message>
    <message>
        <source>Current app</source>
        <translation>App attuale</translation>
    </message>
    <message>
        <source>App ID</source>
        <translation>ID app</translation>
    </message>
    <message>
        <source>Microphone in use</source>
        <translation>Microfono in uso</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Effective</source>
        <translation>Effettivo</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Muto</translation>
    </message>
    <message>
        <source>Default profile</source>
        <translation>Profilo predefinito</translation>
    </message>
    <message>
        <source>Per-app rules</source>
        <translation>Regole per app</translation>
    </message>
    <message>
        <source>No rules yet — add one below.</source>
        <translation>Ancora nessuna regola: aggiungine una qui sotto.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Aggiungi una regola</translation>
    </message>
    <message>
        <source>Running app</source>
        <translation>App in esecuzione</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>…or an app id (org.example.App)</source>
        <translation>…o un ID app (org.example.App)</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Disinstalla</translation>
    </message>
    <message>
        <source>Uninstall Tocko…</source>
        <translation>Disinstalla Tocko…</translation>
    </message>
    <message>
        <source>Removes Tocko and everything it stored on this computer.</source>
        <translation>Rimuove Tocko e tutto ciò che ha salvato su questo computer.</translation>
    </message>
    <message>
        <source>Sound pack</source>
        <translation>Pacchetto di suoni</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Silenziato</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Uninstall Tocko?</source>
        <translation>Disinstallare Tocko?</translation>
    </message>
    <message>
        <source>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</source>
        <translation>Disinstallando, Tocko non si aprirà più al login, le sue impostazioni e i profili dei suoni verranno eliminati da questo computer e Tocko verrà spostato nel Cestino.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Tocko has been moved to the Trash.</source>
        <translation>Tocko è stato spostato nel Cestino.</translation>
    </message>
    <message>
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</source>
        <translation>Le impostazioni di Tocko sono state rimosse, ma l’app non è riuscita a spostarsi nel Cestino. Rimuovila con il gestore di pacchetti che l’ha installata.</translation>
    </message>
    <message>
        <source>One last step: the input access given to Tocko stays until you take it back with this command:</source>
        <translation>Un ultimo passaggio: l’accesso all’input concesso a Tocko resta finché non lo revochi con questo comando:</translation>
    </message>
    <message>
        <source>Grant access…</source>
        <translation>Concedi accesso…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>Il software è aggiornato!</translation>
    </message>
    <message>
        <source>Tocko %1 is currently the newest version available.</source>
        <translation>Tocko %1 è attualmente la versione più recente disponibile.</translation>
    </message>
    <message>
        <source>A new version of Tocko is available!</source>
        <translation>È disponibile una nuova versione di Tocko!</translation>
    </message>
    <message>
        <source>Tocko %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Tocko %1 è ora disponibile: hai la %2. Vuoi scaricarla adesso?</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Ricordamelo più tardi</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Errore di aggiornamento!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <translation>Si è verificato un errore durante il recupero delle informazioni sugli aggiornamenti. Riprova più tardi.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Let’s set it up</source>
        <translation>Configuriamolo</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Skip for now</source>
        <translation>Salta per ora</translation>
    </message>
    <message>
        <source>Start tocking</source>
        <translation>Inizia a digitare</translation>
    </message>
    <message>
        <source>Welcome to Tocko</source>
        <translation>Benvenuto in Tocko</translation>
    </message>
    <message>
        <source>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</source>
        <translation>La tua tastiera sta per diventare molto più appagante. Tocko riproduce un vero suono di tasto ogni volta che scrivi, in ogni app. La configurazione richiede due minuti al massimo.</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Scegli la lingua</translation>
    </message>
    <message>
        <source>One quick setting</source>
        <translation>Un’impostazione veloce</translation>
    </message>
    <message>
        <source>Turn on typing feedback</source>
        <translation>Attiva i suoni di digitazione</translation>
    </message>
    <message>
        <source>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko riproduce un suono per ogni tasto che premi, in ogni app. Per farlo, Linux deve permettere a Tocko di leggere i dispositivi di tastiera e mouse. Tocko usa solo i codici fisici dei tasti e non registra mai ciò che scrivi.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</source>
        <translation>Senza, Tocko resta in silenzio. L’accesso viene da una regola udev o dal gruppo input, e puoi revocarlo in qualsiasi momento.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>I suoni di digitazione sono attivi. Prova a scrivere.</translation>
    </message>
    <message>
        <source>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</source>
        <translation>Si sentono solo le finestre X11. Su Wayland, Tocko ha bisogno di accedere ai dispositivi della tastiera per sentire ogni app.</translation>
    </message>
    <message>
        <source>28 packs · 5 styles</source>
        <translation>28 pacchetti · 5 stili</translation>
    </message>
    <message>
        <source>Pick your sound</source>
        <translation>Scegli il tuo suono</translation>
    </message>
    <message>
        <source>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</source>
        <translation>Questo diventa il tuo suono predefinito. Paura di impegnarti? Cambialo quando vuoi dal menu di Tocko o dai a ogni app il suo.</translation>
    </message>
    <message>
        <source>Type something. Anything. Go on…</source>
        <translation>Scrivi qualcosa. Qualsiasi cosa. Dai…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Code editor</source>
        <translation>Editor di codice</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Foglio di calcolo</translation>
    </message>
    <message>
        <source>Tips · 1 of 2</source>
        <translation>Suggerimenti · 1 di 2</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Personalizzalo</translation>
    </message>
    <message>
        <source>A sound for every app</source>
        <translation>Un suono per ogni app</translation>
    </message>
    <message>
        <source>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</source>
        <translation>Tasti morbidi per le email, clic rumorosi per il codice, silenzio per i fogli di calcolo. Hanno già sofferto abbastanza. Aggiungi una regola nelle Impostazioni e Tocko cambia suono mentre passi da un’app all’altra.</translation>
    </message>
    <message>
        <source>Clicks can tock too</source>
        <translation>Anche i clic fanno tock</translation>
    </message>
    <message>
        <source>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</source>
        <translation>Per impostazione predefinita, i clic del mouse prendono in prestito il suono della tastiera. Assegna loro un pacchetto tutto loro nelle Impostazioni o disattivali del tutto.</translation>
    </message>
    <message>
        <source>Muted until the call ends</source>
        <translation>Silenziato fino alla fine della chiamata</translation>
    </message>
    <message>
        <source>It knows when to hush</source>
        <translation>Sa quando tacere</translation>
    </message>
    <message>
        <source>Quiet on calls</source>
        <translation>Silenzio durante le chiamate</translation>
    </message>
    <message>
        <source>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Microfono acceso per Zoom, Meet o Jitsi? Tocko si zittisce, così nessuno ti sente prendere appunti su di loro. Torna quando la chiamata finisce.</translation>
    </message>
    <message>
        <source>Mute for 10 minutes</source>
        <translation>Silenzia per 10 minuti</translation>
    </message>
    <message>
        <source>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</source>
        <translation>Ti serve un momento? Silenzia Tocko dal menu. Torna da solo, come un gatto.</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>È tutto pronto</translation>
    </message>
    <message>
        <source>Tocko lives in your system tray</source>
        <translation>Tocko vive nella tua area di notifica</translation>
    </message>
    <message>
        <source>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Cerca la K tra le icone dell’area di notifica del pannello. È lì che vive Tocko. Vuoi rifare il tour? Lo trovi nelle Impostazioni.</translation>
    </message>
    <message>
        <source>Tocko keeps running in the background</source>
        <translation>Tocko resta attivo in background</translation>
    </message>
    <message>
        <source>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</source>
        <translation>Il tuo desktop non mostra icone nell’area di notifica, quindi i controlli rapidi di Tocko si aprono in una finestra a sé. Apri Tocko dalla griglia delle app per riaverli. Vuoi rifare il tour? Lo trovi nelle Impostazioni.</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Avvia al login</translation>
    </message>
    <message>
        <source>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</source>
        <translation>Attiva questa opzione e Tocko sarà pronto prima del tuo primo caffè, ogni volta che accedi. Puoi cambiarla quando vuoi nelle Impostazioni.</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Apri al login</translation>
    </message>
    <message>
        <source>Input devices › Keyboards and mice</source>
        <translation>Dispositivi di input › Tastiere e mouse</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Consente i suoni dei tasti in ogni app</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Access granted. Log out and back in so that Tocko hears every app.</source>
        <translation>Accesso concesso. Esci e rientra nella sessione perché Tocko senta ogni app.</translation>
    </message>
    <message>
        <source>Access was not granted.</source>
        <translation>Accesso non concesso.</translation>
    </message>
    <message>
        <source>No administrator prompt (pkexec) is available on this system.</source>
        <translation>Su questo sistema non c’è una richiesta di amministratore (pkexec).</translation>
    </message>
    <message>
        <source>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</source>
        <translation>Tocko riproduce il suo clic quando vede premere un tasto. Su Linux lo sa dai dispositivi di tastiera e mouse in /dev/input, che solo il gruppo input può leggere, oppure, in una sessione X11, dal server X.</translation>
    </message>
    <message>
        <source>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</source>
        <translation>«Concedi accesso…» chiede una password di amministratore, poi aggiunge una regola udev che permette a chi siede a questo computer di leggere tastiere e mouse. Senza systemd-logind ti aggiunge invece al gruppo input; poi esci e rientra nella sessione.</translation>
    </message>
    <message>
        <source>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</source>
        <translation>Anche altri programmi che esegui potranno leggere la tastiera. Tocko nota solo che un tasto è stato premuto; non registra né invia mai ciò che scrivi.</translation>
    </message>
    <message>
        <source>To do it yourself, run:</source>
        <translation>Per farlo da te, esegui:</translation>
    </message>
    <message>
        <source>config.json is not a valid JSON object</source>
        <translation>config.json non è un oggetto JSON valido</translation>
    </message>
    <message>
        <source>config.json gives the pack no name</source>
        <translation>config.json non dà un nome al pacchetto</translation>
    </message>
    <message>
        <source>config.json uses a key layout Tocko does not know (%1)</source>
        <translation>config.json usa una disposizione dei tasti che Tocko non conosce (%1)</translation>
    </message>
    <message>
        <source>config.json names no sound file to cut the keys' sounds from</source>
        <translation>config.json non indica alcun file audio da cui ritagliare i suoni dei tasti</translation>
    </message>
    <message>
        <source>config.json defines too many keys</source>
        <translation>config.json definisce troppi tasti</translation>
    </message>
    <message>
        <source>config.json: key %1 has no valid [start, length] slice</source>
        <translation>config.json: il tasto %1 non ha un segmento [inizio, durata] valido</translation>
    </message>
    <message>
        <source>config.json: key %1 names no sound file</source>
        <translation>config.json: il tasto %1 non indica alcun file audio</translation>
    </message>
    <message>
        <source>config.json: the sound of key %1 is written in a form Tocko cannot read</source>
        <translation>config.json: il suono del tasto %1 è scritto in una forma che Tocko non sa leggere</translation>
    </message>
    <message>
        <source>config.json: %1 has a sound but is not a key code</source>
        <translation>config.json: %1 ha un suono ma non è un codice tasto</translation>
    </message>
    <message>
        <source>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</source>
        <translation>config.json: %1 è un'impostazione che Tocko non può usare, quindi i suoi suoni andrebbero persi</translation>
    </message>
    <message>
        <source>config.json has no key definitions</source>
        <translation>config.json non contiene definizioni di tasti</translation>
    </message>
    <message>
        <source>config.json defines no sound for a key Tocko can play</source>
        <translation>config.json non definisce un suono per nessun tasto che Tocko possa riprodurre</translation>
    </message>
    <message>
        <source>config.json cannot be read</source>
        <translation>Impossibile leggere config.json</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 manca</translation>
    </message>
    <message>
        <source>%1 is not a regular file; links and special files are not accepted</source>
        <translation>%1 non è un file normale; collegamenti e file speciali non sono accettati</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 è troppo grande</translation>
    </message>
    <message>
        <source>The pack names a sound file outside its folder (%1)</source>
        <translation>Il pacchetto indica un file audio fuori dalla sua cartella (%1)</translation>
    </message>
    <message>
        <source>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</source>
        <translation>%1 non è un file audio supportato (WAV, OGG, FLAC o MP3)</translation>
    </message>
    <message>
        <source>%1 holds no audio</source>
        <translation>%1 non contiene audio</translation>
    </message>
    <message>
        <source>A key's slice lies outside %1</source>
        <translation>Il segmento di un tasto cade fuori da %1</translation>
    </message>
    <message>
        <source>%1 is not a readable .zip file</source>
        <translation>%1 non è un file .zip leggibile</translation>
    </message>
    <message>
        <source>The .zip file is damaged</source>
        <translation>Il file .zip è danneggiato</translation>
    </message>
    <message>
        <source>The .zip file holds too many files</source>
        <translation>Il file .zip contiene troppi file</translation>
    </message>
    <message>
        <source>The .zip file contains a link (%1); links are not accepted</source>
        <translation>Il file .zip contiene un collegamento (%1); i collegamenti non sono accettati</translation>
    </message>
    <message>
        <source>The .zip file contains an unsafe path (%1)</source>
        <translation>Il file .zip contiene un percorso non sicuro (%1)</translation>
    </message>
    <message>
        <source>The .zip file contains a special file (%1)</source>
        <translation>Il file .zip contiene un file speciale (%1)</translation>
    </message>
    <message>
        <source>The .zip file holds %1 twice</source>
        <translation>Il file .zip contiene %1 due volte</translation>
    </message>
    <message>
        <source>The .zip file unpacks to more than a sound pack can hold</source>
        <translation>Il file .zip si estrae in più di quanto possa contenere un pacchetto di suoni</translation>
    </message>
    <message>
        <source>Could not unpack the .zip file; is the disk full?</source>
        <translation>Impossibile estrarre il file .zip; il disco è pieno?</translation>
    </message>
    <message>
        <source>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</source>
        <translation>La cartella non contiene né un config.json né file WAV, OGG, FLAC o MP3</translation>
    </message>
    <message>
        <source>The folder holds release sounds but no press sound</source>
        <translation>La cartella contiene suoni di rilascio ma nessun suono di pressione</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 non esiste</translation>
    </message>
    <message>
        <source>Choose a pack folder or a .zip file</source>
        <translation>Scegli una cartella di pacchetto o un file .zip</translation>
    </message>
    <message>
        <source>The pack's decoded audio is larger than %1 MB</source>
        <translation>L'audio decodificato del pacchetto supera %1 MB</translation>
    </message>
    <message>
        <source>Could not resample the pack's sounds</source>
        <translation>Impossibile ricampionare i suoni del pacchetto</translation>
    </message>
    <message>
        <source>Too many packs share the name %1</source>
        <translation>Troppi pacchetti si chiamano %1</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Impossibile scrivere in %1</translation>
    </message>
    <message>
        <source>Could not store the pack; is the disk full?</source>
        <translation>Impossibile salvare il pacchetto; il disco è pieno?</translation>
    </message>
    <message>
        <source>Could not replace the installed pack %1</source>
        <translation>Impossibile sostituire il pacchetto installato %1</translation>
    </message>
    <message>
        <source>%1 is not an imported pack</source>
        <translation>%1 non è un pacchetto importato</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 non è installato</translation>
    </message>
    <message>
        <source>Could not remove %1</source>
        <translation>Impossibile rimuovere %1</translation>
    </message>
    <message>
        <source>The stored pack %1 is damaged; import it again</source>
        <translation>Il pacchetto salvato %1 è danneggiato; importalo di nuovo</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>Impossibile importare %1: %2</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot;</source>
        <translation>«%1» importato</translation>
    </message>
    <message>
        <source>My Packs</source>
        <translation>I miei pacchetti</translation>
    </message>
    <message>
        <source>Import Pack…</source>
        <translation>Importa pacchetto…</translation>
    </message>
    <message>
        <source>Importing… %1%</source>
        <translation>Importazione… %1%</translation>
    </message>
    <message>
        <source>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</source>
        <translation>Una cartella o un .zip con un config.json, oppure una cartella di suoni di pressione e rilascio. Puoi anche trascinarla su questa finestra.</translation>
    </message>
</context>
</TS>
