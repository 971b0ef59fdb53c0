<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Tocko</name>
    <message>
        <source>Tocko</source>
        <translation>Tocko</translation>
    </message>
    <message>
        <source>Tocko is not installed — it runs from this folder, and the login item would start it from here.</source>
        <translation>Tocko n’est pas installé — il s’exécute depuis ce dossier, et l’élément de connexion le lancerait depuis ici.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</source>
        <translation>Aucune zone de notification n’a été trouvée : Tocko a donc ouvert ses commandes rapides dans une fenêtre à part. Tocko continue de fonctionner : rouvrez-le depuis la grille des applications, ou choisissez « Quick Controls » dans son menu à cet endroit, pour revenir ici. Pour voir son icône dans la barre supérieure de GNOME, installez et activez l’extension AppIndicator (paquet gnome-shell-extension-appindicator, ou « AppIndicator and KStatusNotifierItem Support » sur extensions.gnome.org), puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <translation>Son pour %1</translation>
    </message>
    <message>
        <source>Default Sound</source>
        <translation>Son par défaut</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>Mécanique</translation>
    </message>
    <message>
        <source>ASMR</source>
        <translation>ASMR</translation>
    </message>
    <message>
        <source>Vintage</source>
        <translation>Rétro</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>Fun</translation>
    </message>
    <message>
        <source>Enable clicks</source>
        <translation>Activer les clics</translation>
    </message>
    <message>
        <source>%1 · muted (call)</source>
        <translation>%1 · muet (appel)</translation>
    </message>
    <message>
        <source>%1 · silent</source>
        <translation>%1 · silencieux</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Sortie : %1</translation>
    </message>
    <message>
        <source>Typing feedback: On</source>
        <translation>Sons de frappe : activés</translation>
    </message>
    <message>
        <source>Typing feedback needs permission</source>
        <translation>Les sons de frappe nécessitent une autorisation</translation>
    </message>
    <message>
        <source>Turn On Typing Feedback…</source>
        <translation>Activer les sons de frappe…</translation>
    </message>
    <message>
        <source>Quit and reopen Tocko to activate sounds.</source>
        <translation>Quittez puis rouvrez Tocko pour activer les sons.</translation>
    </message>
    <message>
        <source>Relaunch</source>
        <translation>Relancer</translation>
    </message>
    <message>
        <source>an app</source>
        <translation>une app</translation>
    </message>
    <message>
        <source>Keyboard sounds are paused — %1 is asking for a password.</source>
        <translation>Sons du clavier en pause — %1 demande un mot de passe.</translation>
    </message>
    <message>
        <source>Quit %1 or click outside its password field. Mouse clicks still work.</source>
        <translation>Quittez %1 ou cliquez en dehors de son champ de mot de passe. Les clics de souris fonctionnent toujours.</translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation>Tester le son</translation>
    </message>
    <message>
        <source>Muted —</source>
        <translation>Muet —</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Réactiver le son</translation>
    </message>
    <message>
        <source>Mute for 10 min</source>
        <translation>Muet pendant 10 min</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Copier le diagnostic</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Quit Tocko</source>
        <translation>Quitter Tocko</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Langue du système (%1)</translation>
    </message>
    <message>
        <source>Show welcome tour</source>
        <translation>Afficher la visite guidée</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Enable Tocko</source>
        <translation>Activer Tocko</translation>
    </message>
    <message>
        <source>Auto-mute during calls (microphone in use)</source>
        <translation>Couper le son pendant les appels (micro utilisé)</translation>
    </message>
    <message>
        <source>Launch Tocko at login</source>
        <translation>Ouvrir Tocko à la connexion</translation>
    </message>
    <message>
        <source>Sound on key release</source>
        <translation>Son au relâchement de la touche</translation>
    </message>
    <message>
        <source>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</source>
        <translation>Les sons de frappe sont désactivés. Cliquez sur l’icône de Tocko dans la zone de notification pour les activer.</translation>
    </message>
    <message>
        <source>Mouse clicks</source>
        <translation>Clics de souris</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Same as keyboard</source>
        <translation>Comme le clavier</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>non disponible sur ce bureau</translation>
    </message>
    <message>
        <source>needs the Tocko GNOME Shell extension</source>
        <translation>nécessite l’extension Tocko pour GNOME Shell</translation>
    </message>
    <message>
        <source>Enable GNOME Shell Extension</source>
        <translation>Activer l’extension GNOME Shell</translation>
    </message>
    <message>
        <source>Current app</source>
        <translation>App actuelle</translation>
    </message>
    <message>
        <source>App ID</source>
        <translation>ID d’app</translation>
    </message>
    <message>
        <source>Microphone in use</source>
        <translation>Micro utilisé</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Effective</source>
        <translation>Effectif</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Silencieux</translation>
    </message>
    <message>
        <source>Default profile</source>
        <translation>Profil par défaut</translation>
    </message>
    <message>
        <source>Per-app rules</source>
        <translation>Règles par app</translation>
    </message>
    <message>
        <source>No rules yet — add one below.</source>
        <translation>Aucune règle pour l’instant — ajoutez-en une ci-dessous.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Ajouter une règle</translation>
    </message>
    <message>
        <source>Running app</source>
        <translation>App ouverte</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>…or an app id (org.example.App)</source>
        <translation>…ou un ID d’app (org.example.App)</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Désinstaller</translation>
    </message>
    <message>
        <source>Uninstall Tocko…</source>
        <translation>Désinstaller Tocko…</translation>
    </message>
    <message>
        <source>Removes Tocko and everything it stored on this computer.</source>
        <translation>Supprime Tocko et tout ce qu’il a enregistré sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Sound pack</source>
        <translation>Pack de sons</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Uninstall Tocko?</source>
        <translation>Désinstaller Tocko ?</translation>
    </message>
    <message>
        <source>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</source>
        <translation>La désinstallation empêche Tocko de s’ouvrir à la connexion, supprime ses réglages et ses profils de sons de cet ordinateur, et place Tocko dans la corbeille.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Tocko has been moved to the Trash.</source>
        <translation>Tocko a été placé dans la corbeille.</translation>
    </message>
    <message>
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</source>
        <translation>Les réglages de Tocko sont supprimés, mais l’app n’a pas pu se placer elle-même dans la corbeille. Supprimez-la avec le gestionnaire de paquets qui l’a installée.</translation>
    </message>
    <message>
        <source>One last step: the input access given to Tocko stays until you take it back with this command:</source>
        <translation>Une dernière étape : l’accès aux entrées accordé à Tocko reste en place jusqu’à ce que vous le retiriez avec cette commande :</translation>
    </message>
    <message>
        <source>Grant access…</source>
        <translation>Accorder l’accès…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>Vous êtes à jour !</translation>
    </message>
    <message>
        <source>Tocko %1 is currently the newest version available.</source>
        <translation>Tocko %1 est actuellement la version la plus récente disponible.</translation>
    </message>
    <message>
        <source>A new version of Tocko is available!</source>
        <translation>Une nouvelle version de Tocko est disponible !</translation>
    </message>
    <message>
        <source>Tocko %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Tocko %1 est disponible — vous avez la version %2. Voulez-vous la télécharger maintenant ?</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Me le rappeler plus tard</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Erreur de mise à jour !</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <translation>Une erreur s’est produite lors de la récupération des informations de mise à jour. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Let’s set it up</source>
        <translation>C’est parti</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Skip for now</source>
        <translation>Passer pour l’instant</translation>
    </message>
    <message>
        <source>Start tocking</source>
        <translation>À vos claviers</translation>
    </message>
    <message>
        <source>Welcome to Tocko</source>
        <translation>Bienvenue dans Tocko</translation>
    </message>
    <message>
        <source>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</source>
        <translation>Votre clavier va devenir bien plus satisfaisant. Tocko joue un vrai son de touche à chaque frappe, dans toutes les apps. La configuration prend deux minutes, pas plus.</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Choisissez votre langue</translation>
    </message>
    <message>
        <source>One quick setting</source>
        <translation>Un petit réglage</translation>
    </message>
    <message>
        <source>Turn on typing feedback</source>
        <translation>Activez les sons de frappe</translation>
    </message>
    <message>
        <source>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko joue un son pour chaque touche pressée, dans toutes les apps. Pour cela, Linux doit permettre à Tocko de lire vos périphériques clavier et souris. Tocko n’utilise que les codes physiques des touches et n’enregistre jamais ce que vous tapez.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</source>
        <translation>Sans lui, Tocko reste silencieux. L’accès vient d’une règle udev ou du groupe input, et vous pouvez le retirer à tout moment.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>Les sons de frappe sont activés. Essayez de taper.</translation>
    </message>
    <message>
        <source>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</source>
        <translation>Seules les fenêtres X11 sont entendues. Sous Wayland, Tocko a besoin d’accéder aux périphériques clavier pour entendre toutes les apps.</translation>
    </message>
    <message>
        <source>28 packs · 5 styles</source>
        <translation>28 packs de sons · 5 styles</translation>
    </message>
    <message>
        <source>Pick your sound</source>
        <translation>Choisissez votre son</translation>
    </message>
    <message>
        <source>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</source>
        <translation>Ce sera votre son par défaut. Peur de l’engagement ? Changez à tout moment depuis le menu Tocko, ou donnez à chaque app le sien.</translation>
    </message>
    <message>
        <source>Type something. Anything. Go on…</source>
        <translation>Tapez quelque chose. N’importe quoi. Allez…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Code editor</source>
        <translation>Éditeur de code</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Tableur</translation>
    </message>
    <message>
        <source>Tips · 1 of 2</source>
        <translation>Astuces · 1 sur 2</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Faites-le à votre façon</translation>
    </message>
    <message>
        <source>A sound for every app</source>
        <translation>Un son pour chaque app</translation>
    </message>
    <message>
        <source>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</source>
        <translation>Des touches douces pour les e-mails, des clics sonores pour le code, le silence pour les tableurs. Ils ont assez souffert. Ajoutez une règle dans les Réglages et Tocko change de son quand vous passez d’une app à l’autre.</translation>
    </message>
    <message>
        <source>Clicks can tock too</source>
        <translation>Les clics aussi font tock</translation>
    </message>
    <message>
        <source>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</source>
        <translation>Par défaut, les clics de souris empruntent le son de votre clavier. Donnez-leur leur propre pack dans les Réglages, ou désactivez-les complètement.</translation>
    </message>
    <message>
        <source>Muted until the call ends</source>
        <translation>Muet jusqu’à la fin de l’appel</translation>
    </message>
    <message>
        <source>It knows when to hush</source>
        <translation>Il sait quand se taire</translation>
    </message>
    <message>
        <source>Quiet on calls</source>
        <translation>Silence pendant les appels</translation>
    </message>
    <message>
        <source>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Micro allumé pour Zoom, Meet ou Jitsi ? Tocko se tait, pour que personne ne vous entende prendre des notes sur eux. Il revient à la fin de l’appel.</translation>
    </message>
    <message>
        <source>Mute for 10 minutes</source>
        <translation>Muet pendant 10 minutes</translation>
    </message>
    <message>
        <source>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</source>
        <translation>Besoin d’un moment ? Coupez Tocko depuis le menu. Il revient tout seul, comme un chat.</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Tout est prêt</translation>
    </message>
    <message>
        <source>Tocko lives in your system tray</source>
        <translation>Tocko vit dans votre zone de notification</translation>
    </message>
    <message>
        <source>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Cherchez le K parmi les icônes de la zone de notification de votre tableau de bord. C’est là que vit Tocko. Envie de refaire la visite ? Elle se trouve dans les Réglages.</translation>
    </message>
    <message>
        <source>Tocko keeps running in the background</source>
        <translation>Tocko continue en arrière-plan</translation>
    </message>
    <message>
        <source>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</source>
        <translation>Votre bureau n’affiche pas d’icônes de notification : les commandes rapides de Tocko s’ouvrent donc dans une fenêtre à part. Ouvrez Tocko depuis la grille des applications pour les retrouver. Envie de refaire la visite ? Elle se trouve dans les Réglages.</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Démarrer à la connexion</translation>
    </message>
    <message>
        <source>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</source>
        <translation>Activez cette option et Tocko sera prêt avant votre premier café, à chaque connexion. Modifiable à tout moment dans les Réglages.</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Ouvrir à la connexion</translation>
    </message>
    <message>
        <source>Input devices › Keyboards and mice</source>
        <translation>Périphériques d’entrée › Claviers et souris</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Autorise les sons des touches dans toutes les apps</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Access granted. Log out and back in so that Tocko hears every app.</source>
        <translation>Accès accordé. Déconnectez-vous puis reconnectez-vous pour que Tocko entende toutes les apps.</translation>
    </message>
    <message>
        <source>Access was not granted.</source>
        <translation>L’accès n’a pas été accordé.</translation>
    </message>
    <message>
        <source>No administrator prompt (pkexec) is available on this system.</source>
        <translation>Aucune invite d’administrateur (pkexec) n’est disponible sur ce système.</translation>
    </message>
    <message>
        <source>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</source>
        <translation>Tocko joue son clic quand il voit une touche s’enfoncer. Sous Linux, il l’apprend des périphériques clavier et souris de /dev/input, que seul le groupe input peut lire, ou, dans une session X11, du serveur X.</translation>
    </message>
    <message>
        <source>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</source>
        <translation>« Accorder l’accès… » demande un mot de passe administrateur, puis ajoute une règle udev qui permet à la personne assise devant cet ordinateur de lire claviers et souris. Sans systemd-logind, il vous ajoute plutôt au groupe input ; déconnectez-vous ensuite puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</source>
        <translation>D’autres programmes que vous lancez pourront alors lire le clavier aussi. Tocko note seulement qu’une touche a été enfoncée ; il n’enregistre ni n’envoie jamais ce que vous tapez.</translation>
    </message>
    <message>
        <source>To do it yourself, run:</source>
        <translation>Pour le faire vous-même, exécutez :</translation>
    </message>
    <message>
        <source>config.json is not a valid JSON object</source>
        <translation>config.json n’est pas un objet JSON valide</translation>
    </message>
    <message>
        <source>config.json gives the pack no name</source>
        <translation>config.json ne donne aucun nom au pack</translation>
    </message>
    <message>
        <source>config.json uses a key layout Tocko does not know (%1)</source>
        <translation>config.json utilise une disposition des touches que Tocko ne connaît pas (%1)</translation>
    </message>
    <message>
        <source>config.json names no sound file to cut the keys' sounds from</source>
        <translation>config.json ne nomme aucun fichier son dans lequel découper les sons des touches</translation>
    </message>
    <message>
        <source>config.json defines too many keys</source>
        <translation>config.json définit trop de touches</translation>
    </message>
    <message>
        <source>config.json: key %1 has no valid [start, length] slice</source>
        <translation>config.json : la touche %1 n’a pas de segment [début, durée] valide</translation>
    </message>
    <message>
        <source>config.json: key %1 names no sound file</source>
        <translation>config.json : la touche %1 ne nomme aucun fichier son</translation>
    </message>
    <message>
        <source>config.json: the sound of key %1 is written in a form Tocko cannot read</source>
        <translation>config.json : le son de la touche %1 est écrit sous une forme que Tocko ne sait pas lire</translation>
    </message>
    <message>
        <source>config.json: %1 has a sound but is not a key code</source>
        <translation>config.json : %1 a un son mais n’est pas un code de touche</translation>
    </message>
    <message>
        <source>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</source>
        <translation>config.json : %1 est un réglage que Tocko ne peut pas utiliser, ses sons seraient perdus</translation>
    </message>
    <message>
        <source>config.json has no key definitions</source>
        <translation>config.json ne contient aucune définition de touche</translation>
    </message>
    <message>
        <source>config.json defines no sound for a key Tocko can play</source>
        <translation>config.json ne définit de son pour aucune touche que Tocko peut jouer</translation>
    </message>
    <message>
        <source>config.json cannot be read</source>
        <translation>config.json ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est introuvable</translation>
    </message>
    <message>
        <source>%1 is not a regular file; links and special files are not accepted</source>
        <translation>%1 n’est pas un fichier ordinaire ; les liens et fichiers spéciaux ne sont pas acceptés</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 est trop volumineux</translation>
    </message>
    <message>
        <source>The pack names a sound file outside its folder (%1)</source>
        <translation>Le pack désigne un fichier son hors de son dossier (%1)</translation>
    </message>
    <message>
        <source>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</source>
        <translation>%1 n’est pas un fichier son pris en charge (WAV, OGG, FLAC ou MP3)</translation>
    </message>
    <message>
        <source>%1 holds no audio</source>
        <translation>%1 ne contient aucun son</translation>
    </message>
    <message>
        <source>A key's slice lies outside %1</source>
        <translation>Le segment d’une touche dépasse de %1</translation>
    </message>
    <message>
        <source>%1 is not a readable .zip file</source>
        <translation>%1 n’est pas un fichier .zip lisible</translation>
    </message>
    <message>
        <source>The .zip file is damaged</source>
        <translation>Le fichier .zip est endommagé</translation>
    </message>
    <message>
        <source>The .zip file holds too many files</source>
        <translation>Le fichier .zip contient trop de fichiers</translation>
    </message>
    <message>
        <source>The .zip file contains a link (%1); links are not accepted</source>
        <translation>Le fichier .zip contient un lien (%1) ; les liens ne sont pas acceptés</translation>
    </message>
    <message>
        <source>The .zip file contains an unsafe path (%1)</source>
        <translation>Le fichier .zip contient un chemin dangereux (%1)</translation>
    </message>
    <message>
        <source>The .zip file contains a special file (%1)</source>
        <translation>Le fichier .zip contient un fichier spécial (%1)</translation>
    </message>
    <message>
        <source>The .zip file holds %1 twice</source>
        <translation>Le fichier .zip contient %1 en double</translation>
    </message>
    <message>
        <source>The .zip file unpacks to more than a sound pack can hold</source>
        <translation>Le fichier .zip se décompresse en plus qu’un pack de sons ne peut contenir</translation>
    </message>
    <message>
        <source>Could not unpack the .zip file; is the disk full?</source>
        <translation>Impossible de décompresser le fichier .zip ; le disque est-il plein ?</translation>
    </message>
    <message>
        <source>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</source>
        <translation>Le dossier ne contient ni config.json ni fichiers WAV, OGG, FLAC ou MP3</translation>
    </message>
    <message>
        <source>The folder holds release sounds but no press sound</source>
        <translation>Le dossier contient des sons de relâchement mais aucun son d’appui</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n’existe pas</translation>
    </message>
    <message>
        <source>Choose a pack folder or a .zip file</source>
        <translation>Choisissez un dossier de pack ou un fichier .zip</translation>
    </message>
    <message>
        <source>The pack's decoded audio is larger than %1 MB</source>
        <translation>Le son décodé du pack dépasse %1 Mo</translation>
    </message>
    <message>
        <source>Could not resample the pack's sounds</source>
        <translation>Impossible de rééchantillonner les sons du pack</translation>
    </message>
    <message>
        <source>Too many packs share the name %1</source>
        <translation>Trop de packs portent le nom %1</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
    <message>
        <source>Could not store the pack; is the disk full?</source>
        <translation>Impossible d’enregistrer le pack ; le disque est-il plein ?</translation>
    </message>
    <message>
        <source>Could not replace the installed pack %1</source>
        <translation>Impossible de remplacer le pack installé %1</translation>
    </message>
    <message>
        <source>%1 is not an imported pack</source>
        <translation>%1 n’est pas un pack importé</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 n’est pas installé</translation>
    </message>
    <message>
        <source>Could not remove %1</source>
        <translation>Impossible de supprimer %1</translation>
    </message>
    <message>
        <source>The stored pack %1 is damaged; import it again</source>
        <translation>Le pack enregistré %1 est endommagé ; importez-le à nouveau</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>Impossible d’importer %1 : %2</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot;</source>
        <translation>« %1 » importé</translation>
    </message>
    <message>
        <source>My Packs</source>
        <translation>Mes packs</translation>
    </message>
    <message>
        <source>Import Pack…</source>
        <translation>Importer un pack…</translation>
    </message>
    <message>
        <source>Importing… %1%</source>
        <translation>Importation… %1 %</translation>
    </message>
    <message>
        <source>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</source>
        <translation>Un dossier ou un .zip avec un config.json, ou un dossier de sons d’appui et de relâchement. Vous pouvez aussi le déposer sur cette fenêtre.</translation>
    </message>
</context>
</TS>
