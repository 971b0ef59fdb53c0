<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
<context>
    <name>Tocko</name>
    <message>
        <source>Tocko</source>
        <translation>Tocko</translation>
    </message>
    <message>
        <source>Tocko is not installed — it runs from this folder, and the login item would start it from here.</source>
        <translation>Το Tocko δεν είναι εγκατεστημένο — εκτελείται από αυτόν τον φάκελο και το στοιχείο σύνδεσης θα το ξεκινούσε από εδώ.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Άνοιγμα φακέλου</translation>
    </message>
    <message>
        <source>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</source>
        <translation>Δεν βρέθηκε περιοχή ειδοποιήσεων συστήματος, γι’ αυτό το Tocko άνοιξε τα γρήγορα χειριστήριά του σε δικό τους παράθυρο. Το Tocko συνεχίζει να εκτελείται: ανοίξτε το ξανά από το πλέγμα εφαρμογών ή επιλέξτε «Quick Controls» στο μενού του εκεί για να επιστρέψετε εδώ. Για να εμφανίζεται το εικονίδιό του στην πάνω γραμμή του GNOME, εγκαταστήστε και ενεργοποιήστε την επέκταση AppIndicator (πακέτο gnome-shell-extension-appindicator ή «AppIndicator and KStatusNotifierItem Support» από το extensions.gnome.org) και έπειτα αποσυνδεθείτε και συνδεθείτε ξανά.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <translation>Ήχος για %1</translation>
    </message>
    <message>
        <source>Default Sound</source>
        <translation>Προεπιλεγμένος ήχος</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>Μηχανικοί</translation>
    </message>
    <message>
        <source>ASMR</source>
        <translation>ASMR</translation>
    </message>
    <message>
        <source>Vintage</source>
        <translation>Ρετρό</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Κοφτοί</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>Διασκεδαστικοί</translation>
    </message>
    <message>
        <source>Enable clicks</source>
        <translation>Ενεργοποίηση κλικ</translation>
    </message>
    <message>
        <source>%1 · muted (call)</source>
        <translation>%1 · σίγαση (κλήση)</translation>
    </message>
    <message>
        <source>%1 · silent</source>
        <translation>%1 · σιωπή</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Έξοδος: %1</translation>
    </message>
    <message>
        <source>Typing feedback: On</source>
        <translation>Ήχοι πληκτρολόγησης: Ενεργοί</translation>
    </message>
    <message>
        <source>Typing feedback needs permission</source>
        <translation>Οι ήχοι πληκτρολόγησης χρειάζονται άδεια</translation>
    </message>
    <message>
        <source>Turn On Typing Feedback…</source>
        <translation>Ενεργοποίηση ήχων πληκτρολόγησης…</translation>
    </message>
    <message>
        <source>Quit and reopen Tocko to activate sounds.</source>
        <translation>Κλείστε και ανοίξτε ξανά το Tocko για να ενεργοποιηθούν οι ήχοι.</translation>
    </message>
    <message>
        <source>Relaunch</source>
        <translation>Επανεκκίνηση</translation>
    </message>
    <message>
        <source>an app</source>
        <translation>μια εφαρμογή</translation>
    </message>
    <message>
        <source>Keyboard sounds are paused — %1 is asking for a password.</source>
        <translation>Οι ήχοι του πληκτρολογίου έχουν παύσει — η εφαρμογή %1 ζητά κωδικό πρόσβασης.</translation>
    </message>
    <message>
        <source>Quit %1 or click outside its password field. Mouse clicks still work.</source>
        <translation>Κλείστε την εφαρμογή %1 ή κάντε κλικ έξω από το πεδίο κωδικού της. Τα κλικ του ποντικιού εξακολουθούν να λειτουργούν.</translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation>Δοκιμή ήχου</translation>
    </message>
    <message>
        <source>Muted —</source>
        <translation>Σίγαση —</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Άρση σίγασης</translation>
    </message>
    <message>
        <source>Mute for 10 min</source>
        <translation>Σίγαση για 10 λεπ.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Αντιγραφή διαγνωστικών</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Έλεγχος για ενημερώσεις…</translation>
    </message>
    <message>
        <source>Quit Tocko</source>
        <translation>Έξοδος από το Tocko</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Γλώσσα</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Προεπιλογή συστήματος (%1)</translation>
    </message>
    <message>
        <source>Show welcome tour</source>
        <translation>Εμφάνιση της ξενάγησης καλωσορίσματος</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Γενικά</translation>
    </message>
    <message>
        <source>Enable Tocko</source>
        <translation>Ενεργοποίηση του Tocko</translation>
    </message>
    <message>
        <source>Auto-mute during calls (microphone in use)</source>
        <translation>Αυτόματη σίγαση στις κλήσεις (μικρόφωνο σε χρήση)</translation>
    </message>
    <message>
        <source>Launch Tocko at login</source>
        <translation>Άνοιγμα του Tocko κατά τη σύνδεση</translation>
    </message>
    <message>
        <source>Sound on key release</source>
        <translation>Ήχος κατά την απελευθέρωση πλήκτρου</translation>
    </message>
    <message>
        <source>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</source>
        <translation>Οι ήχοι πληκτρολόγησης είναι ανενεργοί. Κάντε κλικ στο εικονίδιο του Tocko στην περιοχή ειδοποιήσεων για να τους ενεργοποιήσετε.</translation>
    </message>
    <message>
        <source>Mouse clicks</source>
        <translation>Κλικ ποντικιού</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ήχος</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ανενεργό</translation>
    </message>
    <message>
        <source>Same as keyboard</source>
        <translation>Ίδιος με το πληκτρολόγιο</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>μη διαθέσιμο σε αυτή την επιφάνεια εργασίας</translation>
    </message>
    <message>
        <source>needs the Tocko GNOME Shell extension</source>
        <translation>χρειάζεται την επέκταση Tocko για το GNOME Shell</translation>
    </message>
    <message>
        <source>Enable GNOME Shell Extension</source>
        <translation>Ενεργοποίηση επέκτασης GNOME Shell</translation>
    </message>
    <message>
        <source>Current app</source>
        <translation>Τρέχουσα εφαρμογή</translation>
    </message>
    <message>
        <source>App ID</source>
        <translation>ID εφαρμογής</translation>
    </message>
    <message>
        <source>Microphone in use</source>
        <translation>Μικρόφωνο σε χρήση</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>Effective</source>
        <translation>Σε ισχύ</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Σιωπή</translation>
    </message>
    <message>
        <source>Default profile</source>
        <translation>Προεπιλεγμένο προφίλ</translation>
    </message>
    <message>
        <source>Per-app rules</source>
        <translation>Κανόνες ανά εφαρμογή</translation>
    </message>
    <message>
        <source>No rules yet — add one below.</source>
        <translation>Δεν υπάρχουν ακόμα κανόνες — προσθέστε έναν παρακάτω.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Προσθήκη κανόνα</translation>
    </message>
    <message>
        <source>Running app</source>
        <translation>Ανοιχτή εφαρμογή</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Επιλογή…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Προσθήκη</translation>
    </message>
    <message>
        <source>…or an app id (org.example.App)</source>
        <translation>…ή ένα ID εφαρμογής (org.example.App)</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Απεγκατάσταση</translation>
    </message>
    <message>
        <source>Uninstall Tocko…</source>
        <translation>Απεγκατάσταση του Tocko…</translation>
    </message>
    <message>
        <source>Removes Tocko and everything it stored on this computer.</source>
        <translation>Αφαιρεί το Tocko και ό,τι έχει αποθηκεύσει σε αυτόν τον υπολογιστή.</translation>
    </message>
    <message>
        <source>Sound pack</source>
        <translation>Πακέτο ήχων</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Ένταση</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Σίγαση</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Ακρόαση</translation>
    </message>
    <message>
        <source>Uninstall Tocko?</source>
        <translation>Απεγκατάσταση του Tocko;</translation>
    </message>
    <message>
        <source>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</source>
        <translation>Με την απεγκατάσταση, το Tocko δεν θα ανοίγει πια κατά τη σύνδεση, οι ρυθμίσεις και τα προφίλ ήχων του θα διαγραφούν από αυτόν τον υπολογιστή και το Tocko θα μετακινηθεί στον Κάδο.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Tocko has been moved to the Trash.</source>
        <translation>Το Tocko μετακινήθηκε στον Κάδο.</translation>
    </message>
    <message>
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</source>
        <translation>Οι ρυθμίσεις του Tocko αφαιρέθηκαν, αλλά η εφαρμογή δεν μπόρεσε να μετακινηθεί η ίδια στον Κάδο. Αφαιρέστε την με τον διαχειριστή πακέτων που την εγκατέστησε.</translation>
    </message>
    <message>
        <source>One last step: the input access given to Tocko stays until you take it back with this command:</source>
        <translation>Ένα τελευταίο βήμα: η πρόσβαση εισόδου που δόθηκε στο Tocko παραμένει μέχρι να την ανακαλέσετε με αυτή την εντολή:</translation>
    </message>
    <message>
        <source>Grant access…</source>
        <translation>Παροχή πρόσβασης…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>Έχετε την πιο πρόσφατη έκδοση!</translation>
    </message>
    <message>
        <source>Tocko %1 is currently the newest version available.</source>
        <translation>Το Tocko %1 είναι αυτή τη στιγμή η πιο πρόσφατη διαθέσιμη έκδοση.</translation>
    </message>
    <message>
        <source>A new version of Tocko is available!</source>
        <translation>Μια νέα έκδοση του Tocko είναι διαθέσιμη!</translation>
    </message>
    <message>
        <source>Tocko %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Το Tocko %1 είναι πλέον διαθέσιμο — έχετε την %2. Θέλετε να το κατεβάσετε τώρα;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Λήψη</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Υπενθύμιση αργότερα</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Σφάλμα ενημέρωσης!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <translation>Προέκυψε σφάλμα κατά την ανάκτηση των πληροφοριών ενημέρωσης. Δοκιμάστε ξανά αργότερα.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Let’s set it up</source>
        <translation>Ας το ρυθμίσουμε</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Συνέχεια</translation>
    </message>
    <message>
        <source>Skip for now</source>
        <translation>Παράλειψη προς το παρόν</translation>
    </message>
    <message>
        <source>Start tocking</source>
        <translation>Ξεκινάμε</translation>
    </message>
    <message>
        <source>Welcome to Tocko</source>
        <translation>Καλώς ήρθατε στο Tocko</translation>
    </message>
    <message>
        <source>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</source>
        <translation>Το πληκτρολόγιό σας πρόκειται να γίνει πολύ πιο απολαυστικό. Το Tocko παίζει έναν αληθινό ήχο πλήκτρου κάθε φορά που πληκτρολογείτε, σε κάθε εφαρμογή. Η ρύθμιση παίρνει δύο λεπτά το πολύ.</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Επιλέξτε γλώσσα</translation>
    </message>
    <message>
        <source>One quick setting</source>
        <translation>Μια γρήγορη ρύθμιση</translation>
    </message>
    <message>
        <source>Turn on typing feedback</source>
        <translation>Ενεργοποιήστε τους ήχους πληκτρολόγησης</translation>
    </message>
    <message>
        <source>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Το Tocko παίζει έναν ήχο για κάθε πλήκτρο που πατάτε, σε κάθε εφαρμογή. Γι’ αυτό, το Linux πρέπει να επιτρέψει στο Tocko να διαβάζει τις συσκευές πληκτρολογίου και ποντικιού. Το Tocko χρησιμοποιεί μόνο φυσικούς κωδικούς πλήκτρων και δεν καταγράφει ποτέ τι πληκτρολογείτε.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</source>
        <translation>Χωρίς αυτήν, το Tocko μένει σιωπηλό. Η πρόσβαση δίνεται από έναν κανόνα udev ή την ομάδα input, και μπορείτε να την ανακαλέσετε οποιαδήποτε στιγμή.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>Οι ήχοι πληκτρολόγησης είναι ενεργοί. Δοκιμάστε να γράψετε.</translation>
    </message>
    <message>
        <source>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</source>
        <translation>Ακούγονται μόνο παράθυρα X11. Στο Wayland, το Tocko χρειάζεται πρόσβαση στις συσκευές πληκτρολογίου για να ακούει κάθε εφαρμογή.</translation>
    </message>
    <message>
        <source>28 packs · 5 styles</source>
        <translation>28 πακέτα · 5 στυλ</translation>
    </message>
    <message>
        <source>Pick your sound</source>
        <translation>Διαλέξτε τον ήχο σας</translation>
    </message>
    <message>
        <source>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</source>
        <translation>Αυτός θα είναι ο προεπιλεγμένος ήχος σας. Φοβάστε τις δεσμεύσεις; Αλλάξτε τον όποτε θέλετε από το μενού του Tocko ή δώστε σε κάθε εφαρμογή τον δικό της.</translation>
    </message>
    <message>
        <source>Type something. Anything. Go on…</source>
        <translation>Γράψτε κάτι. Οτιδήποτε. Εμπρός…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Code editor</source>
        <translation>Επεξεργαστής κώδικα</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Υπολογιστικό φύλλο</translation>
    </message>
    <message>
        <source>Tips · 1 of 2</source>
        <translation>Συμβουλές · 1 από 2</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Κάντε το δικό σας</translation>
    </message>
    <message>
        <source>A sound for every app</source>
        <translation>Ένας ήχος για κάθε εφαρμογή</translation>
    </message>
    <message>
        <source>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</source>
        <translation>Απαλά πλήκτρα για το email, δυνατά κλικ για τον κώδικα, σιωπή για τα υπολογιστικά φύλλα. Έχουν υποφέρει αρκετά. Προσθέστε έναν κανόνα στις Ρυθμίσεις και το Tocko αλλάζει ήχο καθώς μεταβαίνετε από εφαρμογή σε εφαρμογή.</translation>
    </message>
    <message>
        <source>Clicks can tock too</source>
        <translation>Και τα κλικ κάνουν τοκ</translation>
    </message>
    <message>
        <source>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</source>
        <translation>Από προεπιλογή, τα κλικ του ποντικιού δανείζονται τον ήχο του πληκτρολογίου. Δώστε τους δικό τους πακέτο στις Ρυθμίσεις ή απενεργοποιήστε τα εντελώς.</translation>
    </message>
    <message>
        <source>Muted until the call ends</source>
        <translation>Σίγαση μέχρι να τελειώσει η κλήση</translation>
    </message>
    <message>
        <source>It knows when to hush</source>
        <translation>Ξέρει πότε να σωπαίνει</translation>
    </message>
    <message>
        <source>Quiet on calls</source>
        <translation>Ησυχία στις κλήσεις</translation>
    </message>
    <message>
        <source>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Μικρόφωνο ανοιχτό για Zoom, Meet ή Jitsi; Το Tocko σωπαίνει, ώστε κανείς να μη σας ακούει να κρατάτε σημειώσεις για αυτούς. Επιστρέφει όταν τελειώσει η κλήση.</translation>
    </message>
    <message>
        <source>Mute for 10 minutes</source>
        <translation>Σίγαση για 10 λεπτά</translation>
    </message>
    <message>
        <source>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</source>
        <translation>Χρειάζεστε μια στιγμή; Κάντε σίγαση στο Tocko από το μενού. Επιστρέφει μόνο του, σαν γάτα.</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Είστε έτοιμοι</translation>
    </message>
    <message>
        <source>Tocko lives in your system tray</source>
        <translation>Το Tocko μένει στην περιοχή ειδοποιήσεων</translation>
    </message>
    <message>
        <source>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Ψάξτε το K ανάμεσα στα εικονίδια της περιοχής ειδοποιήσεων του πίνακα. Εκεί μένει το Tocko. Θέλετε ξανά την ξενάγηση; Βρίσκεται στις Ρυθμίσεις.</translation>
    </message>
    <message>
        <source>Tocko keeps running in the background</source>
        <translation>Το Tocko τρέχει στο παρασκήνιο</translation>
    </message>
    <message>
        <source>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</source>
        <translation>Η επιφάνεια εργασίας σας δεν εμφανίζει εικονίδια στην περιοχή ειδοποιήσεων, γι’ αυτό τα γρήγορα χειριστήρια του Tocko ανοίγουν σε δικό τους παράθυρο. Ανοίξτε το Tocko από το πλέγμα εφαρμογών για να τα επαναφέρετε. Θέλετε ξανά την ξενάγηση; Βρίσκεται στις Ρυθμίσεις.</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Έναρξη κατά τη σύνδεση</translation>
    </message>
    <message>
        <source>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</source>
        <translation>Ενεργοποιήστε το και το Tocko θα είναι έτοιμο πριν από τον πρώτο σας καφέ, κάθε φορά που συνδέεστε. Αλλάξτε το οποιαδήποτε στιγμή στις Ρυθμίσεις.</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Άνοιγμα κατά τη σύνδεση</translation>
    </message>
    <message>
        <source>Input devices › Keyboards and mice</source>
        <translation>Συσκευές εισόδου › Πληκτρολόγια και ποντίκια</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Επιτρέπει ήχους πλήκτρων σε κάθε εφαρμογή</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Αφαίρεση</translation>
    </message>
    <message>
        <source>Access granted. Log out and back in so that Tocko hears every app.</source>
        <translation>Η πρόσβαση δόθηκε. Αποσυνδεθείτε και συνδεθείτε ξανά, ώστε το Tocko να ακούει κάθε εφαρμογή.</translation>
    </message>
    <message>
        <source>Access was not granted.</source>
        <translation>Η πρόσβαση δεν δόθηκε.</translation>
    </message>
    <message>
        <source>No administrator prompt (pkexec) is available on this system.</source>
        <translation>Σε αυτό το σύστημα δεν υπάρχει προτροπή διαχειριστή (pkexec).</translation>
    </message>
    <message>
        <source>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</source>
        <translation>Το Tocko παίζει το κλικ του όταν βλέπει ένα πλήκτρο να πατιέται. Στο Linux το μαθαίνει από τις συσκευές πληκτρολογίου και ποντικιού στο /dev/input, που μόνο η ομάδα input μπορεί να διαβάσει, ή, σε συνεδρία X11, από τον διακομιστή X.</translation>
    </message>
    <message>
        <source>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</source>
        <translation>Το «Παροχή πρόσβασης…» ζητά κωδικό διαχειριστή και έπειτα προσθέτει έναν κανόνα udev που επιτρέπει σε όποιον κάθεται σε αυτόν τον υπολογιστή να διαβάζει πληκτρολόγια και ποντίκια. Χωρίς systemd-logind, σας προσθέτει αντί γι’ αυτό στην ομάδα input· έπειτα αποσυνδεθείτε και συνδεθείτε ξανά.</translation>
    </message>
    <message>
        <source>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</source>
        <translation>Τότε και άλλα προγράμματα που εκτελείτε μπορούν να διαβάζουν το πληκτρολόγιο. Το Tocko σημειώνει μόνο ότι πατήθηκε ένα πλήκτρο· δεν καταγράφει ούτε στέλνει ποτέ τι πληκτρολογείτε.</translation>
    </message>
    <message>
        <source>To do it yourself, run:</source>
        <translation>Για να το κάνετε μόνοι σας, εκτελέστε:</translation>
    </message>
    <message>
        <source>config.json is not a valid JSON object</source>
        <translation>Το config.json δεν είναι έγκυρο αντικείμενο JSON</translation>
    </message>
    <message>
        <source>config.json gives the pack no name</source>
        <translation>Το config.json δεν δίνει όνομα στο πακέτο</translation>
    </message>
    <message>
        <source>config.json uses a key layout Tocko does not know (%1)</source>
        <translation>Το config.json χρησιμοποιεί διάταξη πλήκτρων που το Tocko δεν γνωρίζει (%1)</translation>
    </message>
    <message>
        <source>config.json names no sound file to cut the keys' sounds from</source>
        <translation>Το config.json δεν ορίζει αρχείο ήχου από το οποίο κόβονται οι ήχοι των πλήκτρων</translation>
    </message>
    <message>
        <source>config.json defines too many keys</source>
        <translation>Το config.json ορίζει πάρα πολλά πλήκτρα</translation>
    </message>
    <message>
        <source>config.json: key %1 has no valid [start, length] slice</source>
        <translation>config.json: το πλήκτρο %1 δεν έχει έγκυρο τμήμα [αρχή, διάρκεια]</translation>
    </message>
    <message>
        <source>config.json: key %1 names no sound file</source>
        <translation>config.json: το πλήκτρο %1 δεν ορίζει αρχείο ήχου</translation>
    </message>
    <message>
        <source>config.json: the sound of key %1 is written in a form Tocko cannot read</source>
        <translation>config.json: ο ήχος του πλήκτρου %1 είναι γραμμένος σε μορφή που το Tocko δεν μπορεί να διαβάσει</translation>
    </message>
    <message>
        <source>config.json: %1 has a sound but is not a key code</source>
        <translation>config.json: το %1 έχει ήχο αλλά δεν είναι κωδικός πλήκτρου</translation>
    </message>
    <message>
        <source>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</source>
        <translation>config.json: το %1 είναι ρύθμιση που το Tocko δεν μπορεί να χρησιμοποιήσει, οπότε οι ήχοι της θα χάνονταν</translation>
    </message>
    <message>
        <source>config.json has no key definitions</source>
        <translation>Το config.json δεν έχει ορισμούς πλήκτρων</translation>
    </message>
    <message>
        <source>config.json defines no sound for a key Tocko can play</source>
        <translation>Το config.json δεν ορίζει ήχο για κανένα πλήκτρο που μπορεί να παίξει το Tocko</translation>
    </message>
    <message>
        <source>config.json cannot be read</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του config.json</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>Το %1 λείπει</translation>
    </message>
    <message>
        <source>%1 is not a regular file; links and special files are not accepted</source>
        <translation>Το %1 δεν είναι κανονικό αρχείο· σύνδεσμοι και ειδικά αρχεία δεν γίνονται δεκτά</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>Το %1 είναι πολύ μεγάλο</translation>
    </message>
    <message>
        <source>The pack names a sound file outside its folder (%1)</source>
        <translation>Το πακέτο ορίζει αρχείο ήχου εκτός του φακέλου του (%1)</translation>
    </message>
    <message>
        <source>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</source>
        <translation>Το %1 δεν είναι υποστηριζόμενο αρχείο ήχου (WAV, OGG, FLAC ή MP3)</translation>
    </message>
    <message>
        <source>%1 holds no audio</source>
        <translation>Το %1 δεν περιέχει ήχο</translation>
    </message>
    <message>
        <source>A key's slice lies outside %1</source>
        <translation>Το τμήμα ενός πλήκτρου βρίσκεται εκτός του %1</translation>
    </message>
    <message>
        <source>%1 is not a readable .zip file</source>
        <translation>Το %1 δεν είναι αναγνώσιμο αρχείο .zip</translation>
    </message>
    <message>
        <source>The .zip file is damaged</source>
        <translation>Το αρχείο .zip είναι κατεστραμμένο</translation>
    </message>
    <message>
        <source>The .zip file holds too many files</source>
        <translation>Το αρχείο .zip περιέχει πάρα πολλά αρχεία</translation>
    </message>
    <message>
        <source>The .zip file contains a link (%1); links are not accepted</source>
        <translation>Το αρχείο .zip περιέχει σύνδεσμο (%1)· οι σύνδεσμοι δεν γίνονται δεκτοί</translation>
    </message>
    <message>
        <source>The .zip file contains an unsafe path (%1)</source>
        <translation>Το αρχείο .zip περιέχει μη ασφαλή διαδρομή (%1)</translation>
    </message>
    <message>
        <source>The .zip file contains a special file (%1)</source>
        <translation>Το αρχείο .zip περιέχει ειδικό αρχείο (%1)</translation>
    </message>
    <message>
        <source>The .zip file holds %1 twice</source>
        <translation>Το αρχείο .zip περιέχει το %1 δύο φορές</translation>
    </message>
    <message>
        <source>The .zip file unpacks to more than a sound pack can hold</source>
        <translation>Το αρχείο .zip αποσυμπιέζεται σε περισσότερα απ’ όσα χωράει ένα πακέτο ήχων</translation>
    </message>
    <message>
        <source>Could not unpack the .zip file; is the disk full?</source>
        <translation>Δεν ήταν δυνατή η αποσυμπίεση του αρχείου .zip· μήπως ο δίσκος είναι γεμάτος;</translation>
    </message>
    <message>
        <source>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</source>
        <translation>Ο φάκελος δεν περιέχει ούτε config.json ούτε αρχεία WAV, OGG, FLAC ή MP3</translation>
    </message>
    <message>
        <source>The folder holds release sounds but no press sound</source>
        <translation>Ο φάκελος περιέχει ήχους απελευθέρωσης αλλά κανέναν ήχο πατήματος</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>Το %1 δεν υπάρχει</translation>
    </message>
    <message>
        <source>Choose a pack folder or a .zip file</source>
        <translation>Επιλέξτε φάκελο πακέτου ή αρχείο .zip</translation>
    </message>
    <message>
        <source>The pack's decoded audio is larger than %1 MB</source>
        <translation>Ο αποκωδικοποιημένος ήχος του πακέτου ξεπερνά τα %1 MB</translation>
    </message>
    <message>
        <source>Could not resample the pack's sounds</source>
        <translation>Δεν ήταν δυνατή η επαναδειγματοληψία των ήχων του πακέτου</translation>
    </message>
    <message>
        <source>Too many packs share the name %1</source>
        <translation>Πάρα πολλά πακέτα έχουν το όνομα %1</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Δεν είναι δυνατή η εγγραφή στο %1</translation>
    </message>
    <message>
        <source>Could not store the pack; is the disk full?</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση του πακέτου· μήπως ο δίσκος είναι γεμάτος;</translation>
    </message>
    <message>
        <source>Could not replace the installed pack %1</source>
        <translation>Δεν ήταν δυνατή η αντικατάσταση του εγκατεστημένου πακέτου %1</translation>
    </message>
    <message>
        <source>%1 is not an imported pack</source>
        <translation>Το %1 δεν είναι εισηγμένο πακέτο</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>Το %1 δεν είναι εγκατεστημένο</translation>
    </message>
    <message>
        <source>Could not remove %1</source>
        <translation>Δεν ήταν δυνατή η αφαίρεση του %1</translation>
    </message>
    <message>
        <source>The stored pack %1 is damaged; import it again</source>
        <translation>Το αποθηκευμένο πακέτο %1 είναι κατεστραμμένο· εισαγάγετέ το ξανά</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>Δεν είναι δυνατή η εισαγωγή του %1: %2</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot;</source>
        <translation>Εισήχθη το «%1»</translation>
    </message>
    <message>
        <source>My Packs</source>
        <translation>Τα πακέτα μου</translation>
    </message>
    <message>
        <source>Import Pack…</source>
        <translation>Εισαγωγή πακέτου…</translation>
    </message>
    <message>
        <source>Importing… %1%</source>
        <translation>Εισαγωγή… %1%</translation>
    </message>
    <message>
        <source>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</source>
        <translation>Ένας φάκελος ή ένα .zip με config.json, ή ένας φάκελος με ήχους πατήματος και απελευθέρωσης. Μπορείτε επίσης να τον σύρετε σε αυτό το παράθυρο.</translation>
    </message>
</context>
</TS>
