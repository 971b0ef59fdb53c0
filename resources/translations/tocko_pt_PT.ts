<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
<context>
    <name>Tocko</name>
    <message>
        <source>Tocko</source>
        <translation>Tocko</translation>
    </message>
    <message>
        <source>Tocko is not installed — it runs from this folder, and the login item would start it from here.</source>
        <translation>O Tocko não está instalado — é executado a partir desta pasta, e o item de início de sessão iniciá-lo-ia daqui.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</source>
        <translation>Não foi encontrada nenhuma área de notificação, por isso o Tocko abriu os seus controlos rápidos numa janela própria. O Tocko continua a funcionar: abra-o novamente a partir da grelha de aplicações, ou escolha “Quick Controls” no menu dele aí, para voltar aqui. Para ter o ícone na barra superior do GNOME, instale e ative a extensão AppIndicator (pacote gnome-shell-extension-appindicator, ou “AppIndicator and KStatusNotifierItem Support” em extensions.gnome.org) e depois termine a sessão e volte a entrar.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <translation>Som para %1</translation>
    </message>
    <message>
        <source>Default Sound</source>
        <translation>Som predefinido</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>Mecânico</translation>
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
        <translation>Ativar cliques</translation>
    </message>
    <message>
        <source>%1 · muted (call)</source>
        <translation>%1 · sem som (chamada)</translation>
    </message>
    <message>
        <source>%1 · silent</source>
        <translation>%1 · em silêncio</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Saída: %1</translation>
    </message>
    <message>
        <source>Typing feedback: On</source>
        <translation>Som ao escrever: ativado</translation>
    </message>
    <message>
        <source>Typing feedback needs permission</source>
        <translation>O som ao escrever precisa de autorização</translation>
    </message>
    <message>
        <source>Turn On Typing Feedback…</source>
        <translation>Ativar som ao escrever…</translation>
    </message>
    <message>
        <source>Quit and reopen Tocko to activate sounds.</source>
        <translation>Encerre e volte a abrir o Tocko para ativar os sons.</translation>
    </message>
    <message>
        <source>Relaunch</source>
        <translation>Reabrir</translation>
    </message>
    <message>
        <source>an app</source>
        <translation>uma app</translation>
    </message>
    <message>
        <source>Keyboard sounds are paused — %1 is asking for a password.</source>
        <translation>Sons do teclado em pausa — %1 está a pedir uma palavra-passe.</translation>
    </message>
    <message>
        <source>Quit %1 or click outside its password field. Mouse clicks still work.</source>
        <translation>Encerre %1 ou clique fora do respetivo campo de palavra-passe. Os cliques do rato continuam a funcionar.</translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation>Testar som</translation>
    </message>
    <message>
        <source>Muted —</source>
        <translation>Sem som —</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Repor som</translation>
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
        <translation>Definições</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Procurar atualizações…</translation>
    </message>
    <message>
        <source>Quit Tocko</source>
        <translation>Encerrar o Tocko</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Predefinição do sistema (%1)</translation>
    </message>
    <message>
        <source>Show welcome tour</source>
        <translation>Mostrar a visita de boas-vindas</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Enable Tocko</source>
        <translation>Ativar o Tocko</translation>
    </message>
    <message>
        <source>Auto-mute during calls (microphone in use)</source>
        <translation>Silenciar durante chamadas (microfone em uso)</translation>
    </message>
    <message>
        <source>Launch Tocko at login</source>
        <translation>Abrir o Tocko ao iniciar sessão</translation>
    </message>
    <message>
        <source>Sound on key release</source>
        <translation>Som ao soltar a tecla</translation>
    </message>
    <message>
        <source>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</source>
        <translation>O som ao escrever está desativado. Clique no ícone do Tocko na área de notificação para o ativar.</translation>
    </message>
    <message>
        <source>Mouse clicks</source>
        <translation>Cliques do rato</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Same as keyboard</source>
        <translation>Igual ao teclado</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>indisponível neste ambiente de trabalho</translation>
    </message>
    <message>
        <source>needs the Tocko GNOME Shell extension</source>
        <translation>precisa da extensão do Tocko para o GNOME Shell</translation>
    </message>
    <message>
        <source>Enable GNOME Shell Extension</source>
        <translation>Ativar extensão do GNOME Shell</translation>
    </message>
    <message>
        <source>Current app</source>
        <translation>App atual</translation>
    </message>
    <message>
        <source>App ID</source>
        <translation>ID da app</translation>
    </message>
    <message>
        <source>Microphone in use</source>
        <translation>Microfone em uso</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Effective</source>
        <translation>Em vigor</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Silêncio</translation>
    </message>
    <message>
        <source>Default profile</source>
        <translation>Perfil predefinido</translation>
    </message>
    <message>
        <source>Per-app rules</source>
        <translation>Regras por app</translation>
    </message>
    <message>
        <source>No rules yet — add one below.</source>
        <translation>Ainda não há regras — adicione uma abaixo.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Adicionar uma regra</translation>
    </message>
    <message>
        <source>Running app</source>
        <translation>App em execução</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>…or an app id (org.example.App)</source>
        <translation>…ou um ID de app (org.example.App)</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message>
        <source>Uninstall Tocko…</source>
        <translation>Desinstalar o Tocko…</translation>
    </message>
    <message>
        <source>Removes Tocko and everything it stored on this computer.</source>
        <translation>Remove o Tocko e tudo o que guardou neste computador.</translation>
    </message>
    <message>
        <source>Sound pack</source>
        <translation>Pacote de sons</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pré-ouvir</translation>
    </message>
    <message>
        <source>Uninstall Tocko?</source>
        <translation>Desinstalar o Tocko?</translation>
    </message>
    <message>
        <source>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</source>
        <translation>Ao desinstalar, o Tocko deixa de abrir ao iniciar sessão, as respetivas definições e perfis de som são apagados deste computador e o Tocko é movido para o Lixo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Tocko has been moved to the Trash.</source>
        <translation>O Tocko foi movido para o Lixo.</translation>
    </message>
    <message>
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</source>
        <translation>As definições do Tocko foram removidas, mas a app não conseguiu mover-se para o Lixo. Remova-a com o gestor de pacotes que a instalou.</translation>
    </message>
    <message>
        <source>One last step: the input access given to Tocko stays until you take it back with this command:</source>
        <translation>Um último passo: o acesso de entrada dado ao Tocko mantém-se até o revogar com este comando:</translation>
    </message>
    <message>
        <source>Grant access…</source>
        <translation>Conceder acesso…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>Está tudo atualizado!</translation>
    </message>
    <message>
        <source>Tocko %1 is currently the newest version available.</source>
        <translation>O Tocko %1 é atualmente a versão mais recente disponível.</translation>
    </message>
    <message>
        <source>A new version of Tocko is available!</source>
        <translation>Está disponível uma nova versão do Tocko!</translation>
    </message>
    <message>
        <source>Tocko %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>O Tocko %1 já está disponível — tem a versão %2. Pretende descarregá-la agora?</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarregar</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Lembrar mais tarde</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Erro de atualização!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <translation>Ocorreu um erro ao obter as informações de atualização. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Let’s set it up</source>
        <translation>Vamos configurar</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Skip for now</source>
        <translation>Saltar por agora</translation>
    </message>
    <message>
        <source>Start tocking</source>
        <translation>Toca a escrever</translation>
    </message>
    <message>
        <source>Welcome to Tocko</source>
        <translation>Bem-vindo ao Tocko</translation>
    </message>
    <message>
        <source>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</source>
        <translation>O seu teclado está prestes a ficar muito mais satisfatório. O Tocko reproduz um som de tecla real sempre que escreve, em todas as apps. A configuração demora dois minutos, no máximo.</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Escolha o seu idioma</translation>
    </message>
    <message>
        <source>One quick setting</source>
        <translation>Uma definição rápida</translation>
    </message>
    <message>
        <source>Turn on typing feedback</source>
        <translation>Ative o som ao escrever</translation>
    </message>
    <message>
        <source>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</source>
        <translation>O Tocko reproduz um som por cada tecla que prime, em todas as apps. Para isso, o Linux tem de deixar o Tocko ler os seus dispositivos de teclado e rato. O Tocko usa apenas códigos físicos de tecla e nunca regista o que escreve.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</source>
        <translation>Sem isto, o Tocko fica em silêncio. O acesso vem de uma regra do udev ou do grupo input, e pode revogá-lo a qualquer momento.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>O som ao escrever está ativado. Experimente escrever.</translation>
    </message>
    <message>
        <source>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</source>
        <translation>Só se ouvem as janelas X11. No Wayland, o Tocko precisa de acesso aos dispositivos de teclado para ouvir todas as apps.</translation>
    </message>
    <message>
        <source>28 packs · 5 styles</source>
        <translation>28 pacotes · 5 estilos</translation>
    </message>
    <message>
        <source>Pick your sound</source>
        <translation>Escolha o seu som</translation>
    </message>
    <message>
        <source>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</source>
        <translation>Este será o seu som predefinido. Medo de compromissos? Mude quando quiser no menu do Tocko ou dê a cada app o seu.</translation>
    </message>
    <message>
        <source>Type something. Anything. Go on…</source>
        <translation>Escreva algo. Qualquer coisa. Vá lá…</translation>
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
        <translation>Folha de cálculo</translation>
    </message>
    <message>
        <source>Tips · 1 of 2</source>
        <translation>Dicas · 1 de 2</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>À sua maneira</translation>
    </message>
    <message>
        <source>A sound for every app</source>
        <translation>Um som para cada app</translation>
    </message>
    <message>
        <source>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</source>
        <translation>Teclas suaves para o e-mail, cliques sonoros para o código, silêncio para as folhas de cálculo. Já sofreram o suficiente. Adicione uma regra nas Definições e o Tocko muda de som à medida que salta entre apps.</translation>
    </message>
    <message>
        <source>Clicks can tock too</source>
        <translation>Os cliques também fazem tock</translation>
    </message>
    <message>
        <source>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</source>
        <translation>Por predefinição, os cliques do rato usam o som do teclado. Dê-lhes um pacote próprio nas Definições ou desative-os por completo.</translation>
    </message>
    <message>
        <source>Muted until the call ends</source>
        <translation>Sem som até a chamada terminar</translation>
    </message>
    <message>
        <source>It knows when to hush</source>
        <translation>Sabe quando deve ficar calado</translation>
    </message>
    <message>
        <source>Quiet on calls</source>
        <translation>Silêncio nas chamadas</translation>
    </message>
    <message>
        <source>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Microfone ligado para Zoom, Meet ou Jitsi? O Tocko fica em silêncio, para que ninguém o ouça a escrever notas sobre eles. Volta quando a chamada termina.</translation>
    </message>
    <message>
        <source>Mute for 10 minutes</source>
        <translation>Silenciar 10 minutos</translation>
    </message>
    <message>
        <source>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</source>
        <translation>Precisa de um momento? Silencie o Tocko no menu. Volta sozinho, como um gato.</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Está tudo pronto</translation>
    </message>
    <message>
        <source>Tocko lives in your system tray</source>
        <translation>O Tocko vive na área de notificação</translation>
    </message>
    <message>
        <source>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Procure o K entre os ícones da área de notificação do painel do ambiente de trabalho. É aí que o Tocko vive. Quer rever a visita? Está nas Definições.</translation>
    </message>
    <message>
        <source>Tocko keeps running in the background</source>
        <translation>O Tocko continua a funcionar em segundo plano</translation>
    </message>
    <message>
        <source>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</source>
        <translation>O seu ambiente de trabalho não mostra ícones na área de notificação, por isso os controlos rápidos do Tocko abrem numa janela própria. Abra o Tocko a partir da grelha de aplicações para os trazer de volta. Quer rever a visita? Está nas Definições.</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Iniciar com a sessão</translation>
    </message>
    <message>
        <source>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</source>
        <translation>Ative isto e o Tocko estará pronto antes do seu primeiro café, sempre que iniciar sessão. Altere quando quiser nas Definições.</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Abrir ao iniciar sessão</translation>
    </message>
    <message>
        <source>Input devices › Keyboards and mice</source>
        <translation>Dispositivos de entrada › Teclados e ratos</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Permite sons de teclas em todas as apps</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Access granted. Log out and back in so that Tocko hears every app.</source>
        <translation>Acesso concedido. Termine a sessão e volte a iniciá-la para que o Tocko ouça todas as apps.</translation>
    </message>
    <message>
        <source>Access was not granted.</source>
        <translation>O acesso não foi concedido.</translation>
    </message>
    <message>
        <source>No administrator prompt (pkexec) is available on this system.</source>
        <translation>Este sistema não tem um pedido de administrador (pkexec).</translation>
    </message>
    <message>
        <source>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</source>
        <translation>O Tocko reproduz o seu clique quando vê uma tecla a ser premida. No Linux, sabe-o pelos dispositivos de teclado e rato em /dev/input, que só o grupo input pode ler, ou, numa sessão X11, pelo servidor X.</translation>
    </message>
    <message>
        <source>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</source>
        <translation>«Conceder acesso…» pede uma palavra-passe de administrador e depois adiciona uma regra do udev que deixa quem está sentado a este computador ler teclados e ratos. Sem o systemd-logind, adiciona-o antes ao grupo input; depois termine a sessão e volte a iniciá-la.</translation>
    </message>
    <message>
        <source>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</source>
        <translation>Outros programas que executar também poderão ler o teclado. O Tocko só regista que uma tecla foi premida; nunca grava nem envia o que escreve.</translation>
    </message>
    <message>
        <source>To do it yourself, run:</source>
        <translation>Para o fazer manualmente, execute:</translation>
    </message>
    <message>
        <source>config.json is not a valid JSON object</source>
        <translation>config.json não é um objeto JSON válido</translation>
    </message>
    <message>
        <source>config.json gives the pack no name</source>
        <translation>config.json não dá nome ao pacote</translation>
    </message>
    <message>
        <source>config.json uses a key layout Tocko does not know (%1)</source>
        <translation>config.json usa uma disposição de teclas que o Tocko não conhece (%1)</translation>
    </message>
    <message>
        <source>config.json names no sound file to cut the keys' sounds from</source>
        <translation>config.json não indica nenhum ficheiro de som do qual recortar os sons das teclas</translation>
    </message>
    <message>
        <source>config.json defines too many keys</source>
        <translation>config.json define demasiadas teclas</translation>
    </message>
    <message>
        <source>config.json: key %1 has no valid [start, length] slice</source>
        <translation>config.json: a tecla %1 não tem um excerto [início, duração] válido</translation>
    </message>
    <message>
        <source>config.json: key %1 names no sound file</source>
        <translation>config.json: a tecla %1 não indica nenhum ficheiro de som</translation>
    </message>
    <message>
        <source>config.json: the sound of key %1 is written in a form Tocko cannot read</source>
        <translation>config.json: o som da tecla %1 está escrito numa forma que o Tocko não consegue ler</translation>
    </message>
    <message>
        <source>config.json: %1 has a sound but is not a key code</source>
        <translation>config.json: %1 tem um som, mas não é um código de tecla</translation>
    </message>
    <message>
        <source>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</source>
        <translation>config.json: %1 é uma definição que o Tocko não pode usar, pelo que os seus sons perder-se-iam</translation>
    </message>
    <message>
        <source>config.json has no key definitions</source>
        <translation>config.json não tem definições de teclas</translation>
    </message>
    <message>
        <source>config.json defines no sound for a key Tocko can play</source>
        <translation>config.json não define som para nenhuma tecla que o Tocko possa tocar</translation>
    </message>
    <message>
        <source>config.json cannot be read</source>
        <translation>Não é possível ler config.json</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 está em falta</translation>
    </message>
    <message>
        <source>%1 is not a regular file; links and special files are not accepted</source>
        <translation>%1 não é um ficheiro normal; ligações e ficheiros especiais não são aceites</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 é demasiado grande</translation>
    </message>
    <message>
        <source>The pack names a sound file outside its folder (%1)</source>
        <translation>O pacote indica um ficheiro de som fora da sua pasta (%1)</translation>
    </message>
    <message>
        <source>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</source>
        <translation>%1 não é um ficheiro de som suportado (WAV, OGG, FLAC ou MP3)</translation>
    </message>
    <message>
        <source>%1 holds no audio</source>
        <translation>%1 não contém áudio</translation>
    </message>
    <message>
        <source>A key's slice lies outside %1</source>
        <translation>O excerto de uma tecla fica fora de %1</translation>
    </message>
    <message>
        <source>%1 is not a readable .zip file</source>
        <translation>%1 não é um ficheiro .zip legível</translation>
    </message>
    <message>
        <source>The .zip file is damaged</source>
        <translation>O ficheiro .zip está danificado</translation>
    </message>
    <message>
        <source>The .zip file holds too many files</source>
        <translation>O ficheiro .zip contém demasiados ficheiros</translation>
    </message>
    <message>
        <source>The .zip file contains a link (%1); links are not accepted</source>
        <translation>O ficheiro .zip contém uma ligação (%1); as ligações não são aceites</translation>
    </message>
    <message>
        <source>The .zip file contains an unsafe path (%1)</source>
        <translation>O ficheiro .zip contém um caminho inseguro (%1)</translation>
    </message>
    <message>
        <source>The .zip file contains a special file (%1)</source>
        <translation>O ficheiro .zip contém um ficheiro especial (%1)</translation>
    </message>
    <message>
        <source>The .zip file holds %1 twice</source>
        <translation>O ficheiro .zip contém %1 duas vezes</translation>
    </message>
    <message>
        <source>The .zip file unpacks to more than a sound pack can hold</source>
        <translation>O ficheiro .zip descomprime-se em mais do que um pacote de sons comporta</translation>
    </message>
    <message>
        <source>Could not unpack the .zip file; is the disk full?</source>
        <translation>Não foi possível descomprimir o ficheiro .zip; o disco está cheio?</translation>
    </message>
    <message>
        <source>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</source>
        <translation>A pasta não contém nem um config.json nem ficheiros WAV, OGG, FLAC ou MP3</translation>
    </message>
    <message>
        <source>The folder holds release sounds but no press sound</source>
        <translation>A pasta contém sons de largar, mas nenhum som de premir</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 não existe</translation>
    </message>
    <message>
        <source>Choose a pack folder or a .zip file</source>
        <translation>Escolha uma pasta de pacote ou um ficheiro .zip</translation>
    </message>
    <message>
        <source>The pack's decoded audio is larger than %1 MB</source>
        <translation>O áudio descodificado do pacote excede %1 MB</translation>
    </message>
    <message>
        <source>Could not resample the pack's sounds</source>
        <translation>Não foi possível reamostrar os sons do pacote</translation>
    </message>
    <message>
        <source>Too many packs share the name %1</source>
        <translation>Demasiados pacotes têm o nome %1</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Não é possível escrever em %1</translation>
    </message>
    <message>
        <source>Could not store the pack; is the disk full?</source>
        <translation>Não foi possível guardar o pacote; o disco está cheio?</translation>
    </message>
    <message>
        <source>Could not replace the installed pack %1</source>
        <translation>Não foi possível substituir o pacote instalado %1</translation>
    </message>
    <message>
        <source>%1 is not an imported pack</source>
        <translation>%1 não é um pacote importado</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 não está instalado</translation>
    </message>
    <message>
        <source>Could not remove %1</source>
        <translation>Não foi possível remover %1</translation>
    </message>
    <message>
        <source>The stored pack %1 is damaged; import it again</source>
        <translation>O pacote guardado %1 está danificado; importe-o novamente</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>Não é possível importar %1: %2</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot;</source>
        <translation>«%1» importado</translation>
    </message>
    <message>
        <source>My Packs</source>
        <translation>Os meus pacotes</translation>
    </message>
    <message>
        <source>Import Pack…</source>
        <translation>Importar pacote…</translation>
    </message>
    <message>
        <source>Importing… %1%</source>
        <translation>A importar… %1%</translation>
    </message>
    <message>
        <source>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</source>
        <translation>Uma pasta ou um .zip com um config.json, ou uma pasta com sons de premir e largar. Também a pode largar nesta janela.</translation>
    </message>
</context>
</TS>
