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
        <source>Move Tocko to your Applications folder — keyboard sounds won&apos;t work reliably from here.</source>
        <translation>Déplacez Tocko dans votre dossier Applications — depuis cet emplacement, les sons du clavier ne fonctionneront pas de façon fiable.</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Afficher dans le Finder</translation>
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
        <source>Keyboard sounds are paused — %1 is blocking keyboard monitoring (Secure Input).</source>
        <translation>Sons du clavier en pause — %1 bloque la surveillance du clavier (saisie sécurisée).</translation>
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
        <source>Typing feedback is off. Open the menu-bar icon to turn it on.</source>
        <translation>Les sons de frappe sont désactivés. Ouvrez l’icône de la barre des menus pour les activer.</translation>
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
        <source>Current app</source>
        <translation>App actuelle</translation>
    </message>
    <message>
        <source>Bundle ID</source>
        <translation>Identifiant de bundle</translation>
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
        <source>…or a bundle id (com.example.app)</source>
        <translation>…ou un identifiant de bundle (com.example.app)</translation>
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
        <source>Removes Tocko and everything it stored on this Mac.</source>
        <translation>Supprime Tocko et tout ce qu’il a enregistré sur ce Mac.</translation>
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
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Drag Tocko from your Applications folder to the Trash.</source>
        <translation>Les réglages de Tocko sont supprimés, mais l’app n’a pas pu se placer elle-même dans la corbeille. Faites glisser Tocko de votre dossier Applications vers la corbeille.</translation>
    </message>
    <message>
        <source>One last step: macOS keeps Tocko’s Input Monitoring permission until you remove it. In System Settings › Privacy &amp; Security › Input Monitoring, select Tocko and click the minus button.</source>
        <translation>Une dernière étape : macOS conserve l’autorisation de surveillance de l’entrée de Tocko jusqu’à ce que vous la retiriez. Dans Réglages Système › Confidentialité et sécurité › Surveillance de l’entrée, sélectionnez Tocko et cliquez sur le bouton moins.</translation>
    </message>
    <message>
        <source>Open Input Monitoring Settings</source>
        <translation>Ouvrir les réglages de surveillance de l’entrée</translation>
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
        <source>Tocko plays a sound for each key you press, in every app. To do that, macOS asks you to allow Input Monitoring. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko joue un son pour chaque touche pressée, dans toutes les apps. Pour cela, macOS vous demande d’autoriser la surveillance de l’entrée. Tocko n’utilise que les codes physiques des touches et n’enregistre jamais ce que vous tapez.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. You can change this anytime in System Settings.</source>
        <translation>Sans elle, Tocko reste silencieux. Vous pouvez modifier cela à tout moment dans Réglages Système.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>Les sons de frappe sont activés. Essayez de taper.</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Ouvrir Réglages Système</translation>
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
        <source>Mic on for Zoom, Meet or FaceTime? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Micro allumé pour Zoom, Meet ou FaceTime ? Tocko se tait, pour que personne ne vous entende prendre des notes sur eux. Il revient à la fin de l’appel.</translation>
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
        <source>Tocko lives in your menu bar</source>
        <translation>Tocko vit dans votre barre des menus</translation>
    </message>
    <message>
        <source>Look for the K at the top of your screen. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Cherchez le K en haut de votre écran. C’est là que vit Tocko. Envie de refaire la visite ? Elle se trouve dans les Réglages.</translation>
    </message>
    <message>
        <source>Start with your Mac</source>
        <translation>Démarrer avec votre Mac</translation>
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
        <source>Privacy &amp; Security › Input Monitoring</source>
        <translation>Confidentialité et sécurité › Surveillance de l’entrée</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Autorise les sons des touches dans toutes les apps</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
</context>
</TS>
