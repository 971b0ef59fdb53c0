<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Tocko</name>
    <message>
        <source>Tocko</source>
        <translation>Tocko</translation>
    </message>
    <message>
        <source>Tocko is not installed — it runs from this folder, and the login item would start it from here.</source>
        <translation>Tocko no está instalado: se ejecuta desde esta carpeta y el elemento de inicio de sesión lo abriría desde aquí.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</source>
        <translation>No se encontró ninguna bandeja del sistema, así que Tocko ha abierto sus controles rápidos en una ventana propia. Tocko sigue en marcha: vuelve a abrirlo desde la cuadrícula de aplicaciones, o elige «Quick Controls» en su menú de allí, para volver aquí. Para tener su icono en la barra superior de GNOME, instala y activa la extensión AppIndicator (paquete gnome-shell-extension-appindicator, o «AppIndicator and KStatusNotifierItem Support» de extensions.gnome.org), y después cierra la sesión y vuelve a entrar.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <translation>Sonido para %1</translation>
    </message>
    <message>
        <source>Default Sound</source>
        <translation>Sonido predeterminado</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>Mecánico</translation>
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
        <translation>Nítido</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>Divertido</translation>
    </message>
    <message>
        <source>Enable clicks</source>
        <translation>Activar clics</translation>
    </message>
    <message>
        <source>%1 · muted (call)</source>
        <translation>%1 · silenciado (llamada)</translation>
    </message>
    <message>
        <source>%1 · silent</source>
        <translation>%1 · en silencio</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Salida: %1</translation>
    </message>
    <message>
        <source>Typing feedback: On</source>
        <translation>Sonido al escribir: activado</translation>
    </message>
    <message>
        <source>Typing feedback needs permission</source>
        <translation>El sonido al escribir necesita permiso</translation>
    </message>
    <message>
        <source>Turn On Typing Feedback…</source>
        <translation>Activar el sonido al escribir…</translation>
    </message>
    <message>
        <source>Quit and reopen Tocko to activate sounds.</source>
        <translation>Sal de Tocko y vuelve a abrirlo para activar los sonidos.</translation>
    </message>
    <message>
        <source>Relaunch</source>
        <translation>Reabrir</translation>
    </message>
    <message>
        <source>an app</source>
        <translation>una app</translation>
    </message>
    <message>
        <source>Keyboard sounds are paused — %1 is asking for a password.</source>
        <translation>Sonidos del teclado en pausa: %1 está pidiendo una contraseña.</translation>
    </message>
    <message>
        <source>Quit %1 or click outside its password field. Mouse clicks still work.</source>
        <translation>Sal de %1 o haz clic fuera de su campo de contraseña. Los clics del ratón siguen funcionando.</translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation>Probar sonido</translation>
    </message>
    <message>
        <source>Muted —</source>
        <translation>Silenciado —</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Reactivar sonido</translation>
    </message>
    <message>
        <source>Mute for 10 min</source>
        <translation>Silenciar 10 min</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Copiar diagnóstico</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Quit Tocko</source>
        <translation>Salir de Tocko</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Idioma del sistema (%1)</translation>
    </message>
    <message>
        <source>Show welcome tour</source>
        <translation>Mostrar el recorrido de bienvenida</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Enable Tocko</source>
        <translation>Activar Tocko</translation>
    </message>
    <message>
        <source>Auto-mute during calls (microphone in use)</source>
        <translation>Silenciar durante las llamadas (micrófono en uso)</translation>
    </message>
    <message>
        <source>Launch Tocko at login</source>
        <translation>Abrir Tocko al iniciar sesión</translation>
    </message>
    <message>
        <source>Sound on key release</source>
        <translation>Sonido al soltar la tecla</translation>
    </message>
    <message>
        <source>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</source>
        <translation>El sonido al escribir está desactivado. Haz clic en el icono de Tocko en la bandeja del sistema para activarlo.</translation>
    </message>
    <message>
        <source>Mouse clicks</source>
        <translation>Clics del ratón</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Same as keyboard</source>
        <translation>Igual que el teclado</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>no disponible en este escritorio</translation>
    </message>
    <message>
        <source>needs the Tocko GNOME Shell extension</source>
        <translation>necesita la extensión de Tocko para GNOME Shell</translation>
    </message>
    <message>
        <source>Enable GNOME Shell Extension</source>
        <translation>Activar extensión de GNOME Shell</translation>
    </message>
    <message>
        <source>Current app</source>
        <translation>App actual</translation>
    </message>
    <message>
        <source>App ID</source>
        <translation>ID de app</translation>
    </message>
    <message>
        <source>Microphone in use</source>
        <translation>Micrófono en uso</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Effective</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>En silencio</translation>
    </message>
    <message>
        <source>Default profile</source>
        <translation>Perfil predeterminado</translation>
    </message>
    <message>
        <source>Per-app rules</source>
        <translation>Reglas por app</translation>
    </message>
    <message>
        <source>No rules yet — add one below.</source>
        <translation>Aún no hay reglas: añade una abajo.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Añadir una regla</translation>
    </message>
    <message>
        <source>Running app</source>
        <translation>App abierta</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>…or an app id (org.example.App)</source>
        <translation>…o un ID de app (org.example.App)</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message>
        <source>Uninstall Tocko…</source>
        <translation>Desinstalar Tocko…</translation>
    </message>
    <message>
        <source>Removes Tocko and everything it stored on this computer.</source>
        <translation>Elimina Tocko y todo lo que guardó en este ordenador.</translation>
    </message>
    <message>
        <source>Sound pack</source>
        <translation>Paquete de sonidos</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Silenciado</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Uninstall Tocko?</source>
        <translation>¿Desinstalar Tocko?</translation>
    </message>
    <message>
        <source>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</source>
        <translation>Al desinstalarlo, Tocko dejará de abrirse al iniciar sesión, se eliminarán sus ajustes y perfiles de sonido de este ordenador y Tocko se moverá a la papelera.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Tocko has been moved to the Trash.</source>
        <translation>Tocko se ha movido a la papelera.</translation>
    </message>
    <message>
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</source>
        <translation>Los ajustes de Tocko se han eliminado, pero la app no ha podido moverse a la papelera. Elimínala con el gestor de paquetes que la instaló.</translation>
    </message>
    <message>
        <source>One last step: the input access given to Tocko stays until you take it back with this command:</source>
        <translation>Un último paso: el acceso de entrada concedido a Tocko sigue activo hasta que lo retires con este comando:</translation>
    </message>
    <message>
        <source>Grant access…</source>
        <translation>Conceder acceso…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>¡Está todo al día!</translation>
    </message>
    <message>
        <source>Tocko %1 is currently the newest version available.</source>
        <translation>Tocko %1 es actualmente la versión más reciente disponible.</translation>
    </message>
    <message>
        <source>A new version of Tocko is available!</source>
        <translation>¡Hay una nueva versión de Tocko disponible!</translation>
    </message>
    <message>
        <source>Tocko %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Tocko %1 ya está disponible; tienes la %2. ¿Quieres descargarla ahora?</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Recordármelo más tarde</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>¡Error de actualización!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <translation>Se ha producido un error al obtener la información de actualización. Inténtalo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Let’s set it up</source>
        <translation>Vamos a configurarlo</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Skip for now</source>
        <translation>Omitir por ahora</translation>
    </message>
    <message>
        <source>Start tocking</source>
        <translation>A teclear</translation>
    </message>
    <message>
        <source>Welcome to Tocko</source>
        <translation>Te damos la bienvenida a Tocko</translation>
    </message>
    <message>
        <source>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</source>
        <translation>Tu teclado está a punto de volverse mucho más satisfactorio. Tocko reproduce un sonido de tecla real cada vez que escribes, en todas las apps. La configuración lleva dos minutos como mucho.</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Elige tu idioma</translation>
    </message>
    <message>
        <source>One quick setting</source>
        <translation>Un ajuste rápido</translation>
    </message>
    <message>
        <source>Turn on typing feedback</source>
        <translation>Activa el sonido al escribir</translation>
    </message>
    <message>
        <source>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko reproduce un sonido por cada tecla que pulsas, en todas las apps. Para ello, Linux debe dejar que Tocko lea tus dispositivos de teclado y ratón. Tocko solo usa códigos físicos de tecla y nunca registra lo que escribes.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</source>
        <translation>Sin él, Tocko se queda en silencio. El acceso viene de una regla de udev o del grupo input, y puedes retirarlo cuando quieras.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>El sonido al escribir está activado. Prueba a escribir.</translation>
    </message>
    <message>
        <source>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</source>
        <translation>Solo se oyen las ventanas X11. En Wayland, Tocko necesita acceso a los dispositivos de teclado para oír todas las apps.</translation>
    </message>
    <message>
        <source>28 packs · 5 styles</source>
        <translation>28 paquetes · 5 estilos</translation>
    </message>
    <message>
        <source>Pick your sound</source>
        <translation>Elige tu sonido</translation>
    </message>
    <message>
        <source>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</source>
        <translation>Este será tu sonido predeterminado. ¿Miedo al compromiso? Cámbialo cuando quieras desde el menú de Tocko o da a cada app el suyo.</translation>
    </message>
    <message>
        <source>Type something. Anything. Go on…</source>
        <translation>Escribe algo. Lo que sea. Venga…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Code editor</source>
        <translation>Editor de código</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Hoja de cálculo</translation>
    </message>
    <message>
        <source>Tips · 1 of 2</source>
        <translation>Consejos · 1 de 2</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Hazlo a tu manera</translation>
    </message>
    <message>
        <source>A sound for every app</source>
        <translation>Un sonido para cada app</translation>
    </message>
    <message>
        <source>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</source>
        <translation>Teclas suaves para el correo, clics sonoros para el código, silencio para las hojas de cálculo. Ya han sufrido bastante. Añade una regla en Ajustes y Tocko cambiará de sonido al saltar de una app a otra.</translation>
    </message>
    <message>
        <source>Clicks can tock too</source>
        <translation>Los clics también hacen tock</translation>
    </message>
    <message>
        <source>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</source>
        <translation>Por omisión, los clics del ratón toman prestado el sonido del teclado. Dales su propio paquete en Ajustes o desactívalos por completo.</translation>
    </message>
    <message>
        <source>Muted until the call ends</source>
        <translation>Silenciado hasta que acabe la llamada</translation>
    </message>
    <message>
        <source>It knows when to hush</source>
        <translation>Sabe cuándo callarse</translation>
    </message>
    <message>
        <source>Quiet on calls</source>
        <translation>Silencio en las llamadas</translation>
    </message>
    <message>
        <source>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>¿Micrófono encendido para Zoom, Meet o Jitsi? Tocko se calla para que nadie te oiga tomar notas sobre ellos. Vuelve cuando termina la llamada.</translation>
    </message>
    <message>
        <source>Mute for 10 minutes</source>
        <translation>Silenciar 10 minutos</translation>
    </message>
    <message>
        <source>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</source>
        <translation>¿Necesitas un momento? Silencia Tocko desde el menú. Vuelve solo, como un gato.</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Ya está todo listo</translation>
    </message>
    <message>
        <source>Tocko lives in your system tray</source>
        <translation>Tocko vive en tu bandeja del sistema</translation>
    </message>
    <message>
        <source>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Busca la K entre los iconos de la bandeja del panel de tu escritorio. Ahí vive Tocko. ¿Quieres repetir el recorrido? Está en Ajustes.</translation>
    </message>
    <message>
        <source>Tocko keeps running in the background</source>
        <translation>Tocko sigue en marcha en segundo plano</translation>
    </message>
    <message>
        <source>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</source>
        <translation>Tu escritorio no muestra iconos de bandeja, así que los controles rápidos de Tocko se abren en una ventana propia. Abre Tocko desde la cuadrícula de aplicaciones para recuperarlos. ¿Quieres repetir el recorrido? Está en Ajustes.</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</source>
        <translation>Actívalo y Tocko estará listo antes de tu primer café, cada vez que inicies sesión. Puedes cambiarlo cuando quieras en Ajustes.</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Input devices › Keyboards and mice</source>
        <translation>Dispositivos de entrada › Teclados y ratones</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Permite sonidos de teclas en todas las apps</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Access granted. Log out and back in so that Tocko hears every app.</source>
        <translation>Acceso concedido. Cierra la sesión y vuelve a entrar para que Tocko oiga todas las apps.</translation>
    </message>
    <message>
        <source>Access was not granted.</source>
        <translation>No se ha concedido el acceso.</translation>
    </message>
    <message>
        <source>No administrator prompt (pkexec) is available on this system.</source>
        <translation>Este sistema no tiene aviso de administrador (pkexec).</translation>
    </message>
    <message>
        <source>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</source>
        <translation>Tocko reproduce su clic cuando ve que se pulsa una tecla. En Linux lo sabe por los dispositivos de teclado y ratón de /dev/input, que solo puede leer el grupo input, o, en una sesión X11, por el servidor X.</translation>
    </message>
    <message>
        <source>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</source>
        <translation>«Conceder acceso…» pide una contraseña de administrador y después añade una regla de udev que permite a quien esté sentado ante este ordenador leer teclados y ratones. Sin systemd-logind, te añade al grupo input en su lugar; después cierra la sesión y vuelve a entrar.</translation>
    </message>
    <message>
        <source>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</source>
        <translation>Otros programas que ejecutes también podrán leer el teclado. Tocko solo anota que se pulsó una tecla; nunca registra ni envía lo que escribes.</translation>
    </message>
    <message>
        <source>To do it yourself, run:</source>
        <translation>Para hacerlo tú mismo, ejecuta:</translation>
    </message>
    <message>
        <source>config.json is not a valid JSON object</source>
        <translation>config.json no es un objeto JSON válido</translation>
    </message>
    <message>
        <source>config.json gives the pack no name</source>
        <translation>config.json no da nombre al paquete</translation>
    </message>
    <message>
        <source>config.json uses a key layout Tocko does not know (%1)</source>
        <translation>config.json usa una distribución de teclas que Tocko no conoce (%1)</translation>
    </message>
    <message>
        <source>config.json names no sound file to cut the keys' sounds from</source>
        <translation>config.json no indica ningún archivo de sonido del que recortar los sonidos de las teclas</translation>
    </message>
    <message>
        <source>config.json defines too many keys</source>
        <translation>config.json define demasiadas teclas</translation>
    </message>
    <message>
        <source>config.json: key %1 has no valid [start, length] slice</source>
        <translation>config.json: la tecla %1 no tiene un fragmento [inicio, duración] válido</translation>
    </message>
    <message>
        <source>config.json: key %1 names no sound file</source>
        <translation>config.json: la tecla %1 no indica ningún archivo de sonido</translation>
    </message>
    <message>
        <source>config.json: the sound of key %1 is written in a form Tocko cannot read</source>
        <translation>config.json: el sonido de la tecla %1 está escrito de una forma que Tocko no puede leer</translation>
    </message>
    <message>
        <source>config.json: %1 has a sound but is not a key code</source>
        <translation>config.json: %1 tiene un sonido pero no es un código de tecla</translation>
    </message>
    <message>
        <source>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</source>
        <translation>config.json: %1 es un ajuste que Tocko no puede usar, así que sus sonidos se perderían</translation>
    </message>
    <message>
        <source>config.json has no key definitions</source>
        <translation>config.json no tiene definiciones de teclas</translation>
    </message>
    <message>
        <source>config.json defines no sound for a key Tocko can play</source>
        <translation>config.json no define sonido para ninguna tecla que Tocko pueda reproducir</translation>
    </message>
    <message>
        <source>config.json cannot be read</source>
        <translation>No se puede leer config.json</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>Falta %1</translation>
    </message>
    <message>
        <source>%1 is not a regular file; links and special files are not accepted</source>
        <translation>%1 no es un archivo normal; no se aceptan enlaces ni archivos especiales</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 es demasiado grande</translation>
    </message>
    <message>
        <source>The pack names a sound file outside its folder (%1)</source>
        <translation>El paquete indica un archivo de sonido fuera de su carpeta (%1)</translation>
    </message>
    <message>
        <source>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</source>
        <translation>%1 no es un archivo de sonido compatible (WAV, OGG, FLAC o MP3)</translation>
    </message>
    <message>
        <source>%1 holds no audio</source>
        <translation>%1 no contiene audio</translation>
    </message>
    <message>
        <source>A key's slice lies outside %1</source>
        <translation>El fragmento de una tecla queda fuera de %1</translation>
    </message>
    <message>
        <source>%1 is not a readable .zip file</source>
        <translation>%1 no es un archivo .zip legible</translation>
    </message>
    <message>
        <source>The .zip file is damaged</source>
        <translation>El archivo .zip está dañado</translation>
    </message>
    <message>
        <source>The .zip file holds too many files</source>
        <translation>El archivo .zip contiene demasiados archivos</translation>
    </message>
    <message>
        <source>The .zip file contains a link (%1); links are not accepted</source>
        <translation>El archivo .zip contiene un enlace (%1); no se aceptan enlaces</translation>
    </message>
    <message>
        <source>The .zip file contains an unsafe path (%1)</source>
        <translation>El archivo .zip contiene una ruta insegura (%1)</translation>
    </message>
    <message>
        <source>The .zip file contains a special file (%1)</source>
        <translation>El archivo .zip contiene un archivo especial (%1)</translation>
    </message>
    <message>
        <source>The .zip file holds %1 twice</source>
        <translation>El archivo .zip contiene %1 dos veces</translation>
    </message>
    <message>
        <source>The .zip file unpacks to more than a sound pack can hold</source>
        <translation>El archivo .zip se descomprime en más de lo que cabe en un paquete de sonidos</translation>
    </message>
    <message>
        <source>Could not unpack the .zip file; is the disk full?</source>
        <translation>No se pudo descomprimir el archivo .zip; ¿está lleno el disco?</translation>
    </message>
    <message>
        <source>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</source>
        <translation>La carpeta no contiene ni un config.json ni archivos WAV, OGG, FLAC o MP3</translation>
    </message>
    <message>
        <source>The folder holds release sounds but no press sound</source>
        <translation>La carpeta contiene sonidos de liberación pero ningún sonido de pulsación</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>Choose a pack folder or a .zip file</source>
        <translation>Elige una carpeta de paquete o un archivo .zip</translation>
    </message>
    <message>
        <source>The pack's decoded audio is larger than %1 MB</source>
        <translation>El audio decodificado del paquete supera los %1 MB</translation>
    </message>
    <message>
        <source>Could not resample the pack's sounds</source>
        <translation>No se pudieron remuestrear los sonidos del paquete</translation>
    </message>
    <message>
        <source>Too many packs share the name %1</source>
        <translation>Demasiados paquetes se llaman %1</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Could not store the pack; is the disk full?</source>
        <translation>No se pudo guardar el paquete; ¿está lleno el disco?</translation>
    </message>
    <message>
        <source>Could not replace the installed pack %1</source>
        <translation>No se pudo reemplazar el paquete instalado %1</translation>
    </message>
    <message>
        <source>%1 is not an imported pack</source>
        <translation>%1 no es un paquete importado</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 no está instalado</translation>
    </message>
    <message>
        <source>Could not remove %1</source>
        <translation>No se pudo eliminar %1</translation>
    </message>
    <message>
        <source>The stored pack %1 is damaged; import it again</source>
        <translation>El paquete guardado %1 está dañado; vuelve a importarlo</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>No se puede importar %1: %2</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot;</source>
        <translation>«%1» importado</translation>
    </message>
    <message>
        <source>My Packs</source>
        <translation>Mis paquetes</translation>
    </message>
    <message>
        <source>Import Pack…</source>
        <translation>Importar paquete…</translation>
    </message>
    <message>
        <source>Importing… %1%</source>
        <translation>Importando… %1 %</translation>
    </message>
    <message>
        <source>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</source>
        <translation>Una carpeta o un .zip con un config.json, o una carpeta con sonidos de pulsación y liberación. También puedes soltarla en esta ventana.</translation>
    </message>
</context>
</TS>
