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
        <source>Move Tocko to your Applications folder — keyboard sounds won&apos;t work reliably from here.</source>
        <translation>Mueve Tocko a tu carpeta Aplicaciones: desde aquí, los sonidos del teclado no funcionarán de forma fiable.</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Mostrar en el Finder</translation>
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
        <source>Keyboard sounds are paused — %1 is blocking keyboard monitoring (Secure Input).</source>
        <translation>Sonidos del teclado en pausa: %1 está bloqueando la monitorización del teclado (entrada segura).</translation>
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
        <source>Typing feedback is off. Open the menu-bar icon to turn it on.</source>
        <translation>El sonido al escribir está desactivado. Abre el icono de la barra de menús para activarlo.</translation>
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
        <source>Current app</source>
        <translation>App actual</translation>
    </message>
    <message>
        <source>Bundle ID</source>
        <translation>ID de paquete</translation>
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
        <source>…or a bundle id (com.example.app)</source>
        <translation>…o un ID de paquete (com.example.app)</translation>
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
        <source>Removes Tocko and everything it stored on this Mac.</source>
        <translation>Elimina Tocko y todo lo que ha guardado en este Mac.</translation>
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
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Drag Tocko from your Applications folder to the Trash.</source>
        <translation>Los ajustes de Tocko se han eliminado, pero la app no ha podido moverse a la papelera. Arrastra Tocko desde tu carpeta Aplicaciones a la papelera.</translation>
    </message>
    <message>
        <source>One last step: macOS keeps Tocko’s Input Monitoring permission until you remove it. In System Settings › Privacy &amp; Security › Input Monitoring, select Tocko and click the minus button.</source>
        <translation>Un último paso: macOS conserva el permiso de monitorización de entrada de Tocko hasta que lo elimines. En Ajustes del Sistema › Privacidad y seguridad › Monitorización de entrada, selecciona Tocko y haz clic en el botón de restar.</translation>
    </message>
    <message>
        <source>Open Input Monitoring Settings</source>
        <translation>Abrir ajustes de monitorización de entrada</translation>
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
        <source>Tocko plays a sound for each key you press, in every app. To do that, macOS asks you to allow Input Monitoring. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko reproduce un sonido por cada tecla que pulsas, en todas las apps. Para ello, macOS te pide que permitas la monitorización de entrada. Tocko solo usa códigos físicos de tecla y nunca registra lo que escribes.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. You can change this anytime in System Settings.</source>
        <translation>Sin él, Tocko se queda en silencio. Puedes cambiarlo cuando quieras en Ajustes del Sistema.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>El sonido al escribir está activado. Prueba a escribir.</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Abrir Ajustes del Sistema</translation>
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
        <source>Mic on for Zoom, Meet or FaceTime? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>¿Micrófono encendido para Zoom, Meet o FaceTime? Tocko se calla para que nadie te oiga tomar notas sobre ellos. Vuelve cuando termina la llamada.</translation>
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
        <source>Tocko lives in your menu bar</source>
        <translation>Tocko vive en tu barra de menús</translation>
    </message>
    <message>
        <source>Look for the K at the top of your screen. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Busca la K en la parte superior de la pantalla. Ahí vive Tocko. ¿Quieres repetir el recorrido? Está en Ajustes.</translation>
    </message>
    <message>
        <source>Start with your Mac</source>
        <translation>Arranca con tu Mac</translation>
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
        <source>Privacy &amp; Security › Input Monitoring</source>
        <translation>Privacidad y seguridad › Monitorización de entrada</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Permite sonidos de teclas en todas las apps</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
</context>
</TS>
