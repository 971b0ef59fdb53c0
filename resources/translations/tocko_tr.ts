<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>Tocko</name>
    <message>
        <source>Tocko</source>
        <translation>Tocko</translation>
    </message>
    <message>
        <source>Tocko is not installed — it runs from this folder, and the login item would start it from here.</source>
        <translation>Tocko yüklü değil; bu klasörden çalışıyor ve oturum açma öğesi onu buradan başlatır.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Klasörü Aç</translation>
    </message>
    <message>
        <source>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</source>
        <translation>Sistem tepsisi bulunamadı, bu yüzden Tocko hızlı denetimlerini kendi penceresinde açtı. Tocko çalışmaya devam ediyor: buraya dönmek için onu uygulama ızgarasından yeniden açın ya da oradaki menüsünden “Quick Controls” öğesini seçin. GNOME’da simgesinin üst çubukta görünmesi için AppIndicator uzantısını kurup etkinleştirin (gnome-shell-extension-appindicator paketi ya da extensions.gnome.org’daki “AppIndicator and KStatusNotifierItem Support”), ardından oturumu kapatıp yeniden açın.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <translation>%1 için ses</translation>
    </message>
    <message>
        <source>Default Sound</source>
        <translation>Varsayılan Ses</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>Mekanik</translation>
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
        <translation>Keskin</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>Eğlenceli</translation>
    </message>
    <message>
        <source>Enable clicks</source>
        <translation>Tıklamaları etkinleştir</translation>
    </message>
    <message>
        <source>%1 · muted (call)</source>
        <translation>%1 · sessiz (arama)</translation>
    </message>
    <message>
        <source>%1 · silent</source>
        <translation>%1 · sessiz</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Çıkış: %1</translation>
    </message>
    <message>
        <source>Typing feedback: On</source>
        <translation>Yazma sesi: Açık</translation>
    </message>
    <message>
        <source>Typing feedback needs permission</source>
        <translation>Yazma sesi için izin gerekiyor</translation>
    </message>
    <message>
        <source>Turn On Typing Feedback…</source>
        <translation>Yazma Sesini Aç…</translation>
    </message>
    <message>
        <source>Quit and reopen Tocko to activate sounds.</source>
        <translation>Sesleri etkinleştirmek için Tocko’dan çıkıp yeniden açın.</translation>
    </message>
    <message>
        <source>Relaunch</source>
        <translation>Yeniden Başlat</translation>
    </message>
    <message>
        <source>an app</source>
        <translation>bir uygulama</translation>
    </message>
    <message>
        <source>Keyboard sounds are paused — %1 is asking for a password.</source>
        <translation>Klavye sesleri duraklatıldı; %1 bir parola istiyor.</translation>
    </message>
    <message>
        <source>Quit %1 or click outside its password field. Mouse clicks still work.</source>
        <translation>%1 uygulamasından çıkın veya parola alanının dışına tıklayın. Fare tıklamaları çalışmaya devam eder.</translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation>Sesi Dene</translation>
    </message>
    <message>
        <source>Muted —</source>
        <translation>Sessiz —</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Sesi Aç</translation>
    </message>
    <message>
        <source>Mute for 10 min</source>
        <translation>10 dk sessize al</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Tanılamayı Kopyala</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Güncellemeleri Denetle…</translation>
    </message>
    <message>
        <source>Quit Tocko</source>
        <translation>Tocko’dan Çık</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Sistem varsayılanı (%1)</translation>
    </message>
    <message>
        <source>Show welcome tour</source>
        <translation>Hoş geldin turunu göster</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Enable Tocko</source>
        <translation>Tocko’yu etkinleştir</translation>
    </message>
    <message>
        <source>Auto-mute during calls (microphone in use)</source>
        <translation>Aramalarda otomatik sessize al (mikrofon kullanımda)</translation>
    </message>
    <message>
        <source>Launch Tocko at login</source>
        <translation>Girişte Tocko’yu başlat</translation>
    </message>
    <message>
        <source>Sound on key release</source>
        <translation>Tuş bırakıldığında ses</translation>
    </message>
    <message>
        <source>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</source>
        <translation>Yazma sesi kapalı. Açmak için sistem tepsisindeki Tocko simgesine tıklayın.</translation>
    </message>
    <message>
        <source>Mouse clicks</source>
        <translation>Fare tıklamaları</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>Same as keyboard</source>
        <translation>Klavyeyle aynı</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>bu masaüstünde kullanılamıyor</translation>
    </message>
    <message>
        <source>needs the Tocko GNOME Shell extension</source>
        <translation>Tocko GNOME Shell uzantısı gerekiyor</translation>
    </message>
    <message>
        <source>Enable GNOME Shell Extension</source>
        <translation>GNOME Shell Uzantısını Etkinleştir</translation>
    </message>
    <message>
        <source>Current app</source>
        <translation>Geçerli uygulama</translation>
    </message>
    <message>
        <source>App ID</source>
        <translation>Uygulama kimliği</translation>
    </message>
    <message>
        <source>Microphone in use</source>
        <translation>Mikrofon kullanımda</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Effective</source>
        <translation>Geçerli ses</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Sessiz</translation>
    </message>
    <message>
        <source>Default profile</source>
        <translation>Varsayılan profil</translation>
    </message>
    <message>
        <source>Per-app rules</source>
        <translation>Uygulamaya özel kurallar</translation>
    </message>
    <message>
        <source>No rules yet — add one below.</source>
        <translation>Henüz kural yok; aşağıdan bir tane ekleyin.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Kural ekle</translation>
    </message>
    <message>
        <source>Running app</source>
        <translation>Çalışan uygulama</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Seçin…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>…or an app id (org.example.App)</source>
        <translation>…veya bir uygulama kimliği (org.example.App)</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Uninstall Tocko…</source>
        <translation>Tocko’yu Kaldır…</translation>
    </message>
    <message>
        <source>Removes Tocko and everything it stored on this computer.</source>
        <translation>Tocko’yu ve bu bilgisayarda sakladığı her şeyi kaldırır.</translation>
    </message>
    <message>
        <source>Sound pack</source>
        <translation>Ses paketi</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Ses düzeyi</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Sessiz</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Önizle</translation>
    </message>
    <message>
        <source>Uninstall Tocko?</source>
        <translation>Tocko kaldırılsın mı?</translation>
    </message>
    <message>
        <source>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</source>
        <translation>Kaldırıldığında Tocko artık girişte açılmaz, ayarları ve ses profilleri bu bilgisayardan silinir ve Tocko Çöp Sepeti’ne taşınır.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
    <message>
        <source>Tocko has been moved to the Trash.</source>
        <translation>Tocko Çöp Sepeti’ne taşındı.</translation>
    </message>
    <message>
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</source>
        <translation>Tocko’nun ayarları kaldırıldı ancak uygulama kendini Çöp Sepeti’ne taşıyamadı. Onu yükleyen paket yöneticisiyle kaldırın.</translation>
    </message>
    <message>
        <source>One last step: the input access given to Tocko stays until you take it back with this command:</source>
        <translation>Son bir adım: Tocko’ya verilen girdi erişimi, bu komutla geri alana kadar kalır:</translation>
    </message>
    <message>
        <source>Grant access…</source>
        <translation>Erişim Ver…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>Güncelsiniz!</translation>
    </message>
    <message>
        <source>Tocko %1 is currently the newest version available.</source>
        <translation>Tocko %1 şu anda mevcut olan en yeni sürümdür.</translation>
    </message>
    <message>
        <source>A new version of Tocko is available!</source>
        <translation>Tocko’nun yeni bir sürümü var!</translation>
    </message>
    <message>
        <source>Tocko %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Tocko %1 artık kullanılabilir; sizdeki sürüm %2. Şimdi indirmek ister misiniz?</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>İndir</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Daha Sonra Hatırlat</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Güncelleme Hatası!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <translation>Güncelleme bilgileri alınırken bir hata oluştu. Lütfen daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Let’s set it up</source>
        <translation>Hadi kuralım</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Skip for now</source>
        <translation>Şimdilik atla</translation>
    </message>
    <message>
        <source>Start tocking</source>
        <translation>Tıkırdamaya başla</translation>
    </message>
    <message>
        <source>Welcome to Tocko</source>
        <translation>Tocko’ya hoş geldiniz</translation>
    </message>
    <message>
        <source>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</source>
        <translation>Klavyeniz çok daha keyifli olmak üzere. Tocko her yazdığınızda, her uygulamada gerçek bir tuş sesi çalar. Kurulum en fazla iki dakika sürer.</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Dilinizi seçin</translation>
    </message>
    <message>
        <source>One quick setting</source>
        <translation>Hızlı bir ayar</translation>
    </message>
    <message>
        <source>Turn on typing feedback</source>
        <translation>Yazma sesini açın</translation>
    </message>
    <message>
        <source>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko, her uygulamada bastığınız her tuş için bir ses çalar. Bunun için Linux’un, Tocko’nun klavye ve fare aygıtlarınızı okumasına izin vermesi gerekir. Tocko yalnızca fiziksel tuş kodlarını kullanır ve yazdıklarınızı asla kaydetmez.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</source>
        <translation>Erişim olmadan Tocko sessiz kalır. Erişim bir udev kuralından veya input grubundan gelir ve istediğiniz zaman geri alabilirsiniz.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>Yazma sesi açık. Bir şeyler yazmayı deneyin.</translation>
    </message>
    <message>
        <source>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</source>
        <translation>Yalnızca X11 pencereleri duyuluyor. Wayland’de Tocko’nun her uygulamayı duyması için klavye aygıtlarına erişmesi gerekir.</translation>
    </message>
    <message>
        <source>28 packs · 5 styles</source>
        <translation>28 paket · 5 stil</translation>
    </message>
    <message>
        <source>Pick your sound</source>
        <translation>Sesinizi seçin</translation>
    </message>
    <message>
        <source>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</source>
        <translation>Bu, varsayılan sesiniz olur. Bağlanma korkusu mu? Tocko menüsünden istediğiniz zaman değiştirin ya da her uygulamaya kendi sesini verin.</translation>
    </message>
    <message>
        <source>Type something. Anything. Go on…</source>
        <translation>Bir şey yazın. Herhangi bir şey. Hadi…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Code editor</source>
        <translation>Kod düzenleyici</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Hesap tablosu</translation>
    </message>
    <message>
        <source>Tips · 1 of 2</source>
        <translation>İpuçları · 1/2</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Kendinize göre ayarlayın</translation>
    </message>
    <message>
        <source>A sound for every app</source>
        <translation>Her uygulamaya bir ses</translation>
    </message>
    <message>
        <source>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</source>
        <translation>E-posta için yumuşak tuşlar, kod için yüksek tıklamalar, hesap tabloları için sessizlik. Yeterince çektiler. Ayarlar’da bir kural ekleyin; uygulamalar arasında geçiş yaptıkça Tocko da sesi değiştirsin.</translation>
    </message>
    <message>
        <source>Clicks can tock too</source>
        <translation>Tıklamalar da tıkırdayabilir</translation>
    </message>
    <message>
        <source>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</source>
        <translation>Fare tıklamaları varsayılan olarak klavye sesinizi ödünç alır. Ayarlar’da onlara kendi paketlerini verin ya da tamamen kapatın.</translation>
    </message>
    <message>
        <source>Muted until the call ends</source>
        <translation>Arama bitene kadar sessiz</translation>
    </message>
    <message>
        <source>It knows when to hush</source>
        <translation>Ne zaman susacağını bilir</translation>
    </message>
    <message>
        <source>Quiet on calls</source>
        <translation>Aramalarda sessizlik</translation>
    </message>
    <message>
        <source>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Zoom, Meet veya Jitsi için mikrofon açık mı? Tocko sessizleşir, böylece kimse onlar hakkında not aldığınızı duymaz. Arama bitince geri gelir.</translation>
    </message>
    <message>
        <source>Mute for 10 minutes</source>
        <translation>10 dakika sessize al</translation>
    </message>
    <message>
        <source>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</source>
        <translation>Biraz ara mı lazım? Tocko’yu menüden sessize alın. Kendiliğinden geri gelir, tıpkı bir kedi gibi.</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Her şey hazır</translation>
    </message>
    <message>
        <source>Tocko lives in your system tray</source>
        <translation>Tocko sistem tepsinizde yaşar</translation>
    </message>
    <message>
        <source>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Masaüstü panelinizin tepsi simgeleri arasında K harfini arayın. Tocko orada yaşar. Turu yeniden görmek mi istiyorsunuz? Ayarlar’da.</translation>
    </message>
    <message>
        <source>Tocko keeps running in the background</source>
        <translation>Tocko arka planda çalışmaya devam eder</translation>
    </message>
    <message>
        <source>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</source>
        <translation>Masaüstünüz tepsi simgelerini göstermiyor, bu yüzden Tocko’nun hızlı denetimleri kendi penceresinde açılır. Onları geri getirmek için Tocko’yu uygulama ızgarasından açın. Turu yeniden görmek mi istiyorsunuz? Ayarlar’da.</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Oturum açılınca başlat</translation>
    </message>
    <message>
        <source>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</source>
        <translation>Bunu açın; Tocko her girişte ilk kahvenizden önce hazır olsun. İstediğiniz zaman Ayarlar’dan değiştirin.</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Girişte Aç</translation>
    </message>
    <message>
        <source>Input devices › Keyboards and mice</source>
        <translation>Girdi aygıtları › Klavyeler ve fareler</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Her uygulamada tuş seslerine izin verir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Access granted. Log out and back in so that Tocko hears every app.</source>
        <translation>Erişim verildi. Tocko’nun her uygulamayı duyması için oturumu kapatıp yeniden açın.</translation>
    </message>
    <message>
        <source>Access was not granted.</source>
        <translation>Erişim verilmedi.</translation>
    </message>
    <message>
        <source>No administrator prompt (pkexec) is available on this system.</source>
        <translation>Bu sistemde yönetici istemi (pkexec) yok.</translation>
    </message>
    <message>
        <source>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</source>
        <translation>Tocko, bir tuşun basıldığını gördüğünde tıkını çalar. Linux’ta bunu, yalnızca input grubunun okuyabildiği /dev/input içindeki klavye ve fare aygıtlarından ya da bir X11 oturumunda X sunucusundan öğrenir.</translation>
    </message>
    <message>
        <source>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</source>
        <translation>“Erişim Ver…” bir yönetici parolası ister, ardından bu bilgisayarın başında oturan kişinin klavyeleri ve fareleri okumasına izin veren bir udev kuralı ekler. systemd-logind yoksa bunun yerine sizi input grubuna ekler; ardından oturumu kapatıp yeniden açın.</translation>
    </message>
    <message>
        <source>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</source>
        <translation>Çalıştırdığınız diğer programlar da klavyeyi okuyabilir. Tocko yalnızca bir tuşa basıldığını not eder; yazdıklarınızı asla kaydetmez veya göndermez.</translation>
    </message>
    <message>
        <source>To do it yourself, run:</source>
        <translation>Bunu kendiniz yapmak için şunu çalıştırın:</translation>
    </message>
    <message>
        <source>config.json is not a valid JSON object</source>
        <translation>config.json geçerli bir JSON nesnesi değil</translation>
    </message>
    <message>
        <source>config.json gives the pack no name</source>
        <translation>config.json pakete bir ad vermiyor</translation>
    </message>
    <message>
        <source>config.json uses a key layout Tocko does not know (%1)</source>
        <translation>config.json, Tocko'nun tanımadığı bir tuş düzeni kullanıyor (%1)</translation>
    </message>
    <message>
        <source>config.json names no sound file to cut the keys' sounds from</source>
        <translation>config.json, tuş seslerinin kesileceği bir ses dosyası belirtmiyor</translation>
    </message>
    <message>
        <source>config.json defines too many keys</source>
        <translation>config.json çok fazla tuş tanımlıyor</translation>
    </message>
    <message>
        <source>config.json: key %1 has no valid [start, length] slice</source>
        <translation>config.json: %1 tuşunun geçerli bir [başlangıç, uzunluk] dilimi yok</translation>
    </message>
    <message>
        <source>config.json: key %1 names no sound file</source>
        <translation>config.json: %1 tuşu bir ses dosyası belirtmiyor</translation>
    </message>
    <message>
        <source>config.json: the sound of key %1 is written in a form Tocko cannot read</source>
        <translation>config.json: %1 tuşunun sesi Tocko'nun okuyamadığı bir biçimde yazılmış</translation>
    </message>
    <message>
        <source>config.json: %1 has a sound but is not a key code</source>
        <translation>config.json: %1 bir ses içeriyor ancak bir tuş kodu değil</translation>
    </message>
    <message>
        <source>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</source>
        <translation>config.json: %1, Tocko'nun kullanamadığı bir ayar; bu yüzden sesleri kaybolurdu</translation>
    </message>
    <message>
        <source>config.json has no key definitions</source>
        <translation>config.json hiçbir tuş tanımı içermiyor</translation>
    </message>
    <message>
        <source>config.json defines no sound for a key Tocko can play</source>
        <translation>config.json, Tocko'nun çalabileceği hiçbir tuş için ses tanımlamıyor</translation>
    </message>
    <message>
        <source>config.json cannot be read</source>
        <translation>config.json okunamıyor</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 eksik</translation>
    </message>
    <message>
        <source>%1 is not a regular file; links and special files are not accepted</source>
        <translation>%1 normal bir dosya değil; bağlantılar ve özel dosyalar kabul edilmez</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 çok büyük</translation>
    </message>
    <message>
        <source>The pack names a sound file outside its folder (%1)</source>
        <translation>Paket, klasörünün dışında bir ses dosyası belirtiyor (%1)</translation>
    </message>
    <message>
        <source>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</source>
        <translation>%1 desteklenen bir ses dosyası değil (WAV, OGG, FLAC veya MP3)</translation>
    </message>
    <message>
        <source>%1 holds no audio</source>
        <translation>%1 ses içermiyor</translation>
    </message>
    <message>
        <source>A key's slice lies outside %1</source>
        <translation>Bir tuşun dilimi %1 dışında kalıyor</translation>
    </message>
    <message>
        <source>%1 is not a readable .zip file</source>
        <translation>%1 okunabilir bir .zip dosyası değil</translation>
    </message>
    <message>
        <source>The .zip file is damaged</source>
        <translation>.zip dosyası hasarlı</translation>
    </message>
    <message>
        <source>The .zip file holds too many files</source>
        <translation>.zip dosyası çok fazla dosya içeriyor</translation>
    </message>
    <message>
        <source>The .zip file contains a link (%1); links are not accepted</source>
        <translation>.zip dosyası bir bağlantı içeriyor (%1); bağlantılar kabul edilmez</translation>
    </message>
    <message>
        <source>The .zip file contains an unsafe path (%1)</source>
        <translation>.zip dosyası güvenli olmayan bir yol içeriyor (%1)</translation>
    </message>
    <message>
        <source>The .zip file contains a special file (%1)</source>
        <translation>.zip dosyası özel bir dosya içeriyor (%1)</translation>
    </message>
    <message>
        <source>The .zip file holds %1 twice</source>
        <translation>.zip dosyası %1 öğesini iki kez içeriyor</translation>
    </message>
    <message>
        <source>The .zip file unpacks to more than a sound pack can hold</source>
        <translation>.zip dosyası, bir ses paketinin alabileceğinden fazlasına açılıyor</translation>
    </message>
    <message>
        <source>Could not unpack the .zip file; is the disk full?</source>
        <translation>.zip dosyası açılamadı; disk dolu mu?</translation>
    </message>
    <message>
        <source>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</source>
        <translation>Klasörde ne config.json ne de WAV, OGG, FLAC veya MP3 dosyaları var</translation>
    </message>
    <message>
        <source>The folder holds release sounds but no press sound</source>
        <translation>Klasörde bırakma sesleri var ancak hiç basma sesi yok</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 mevcut değil</translation>
    </message>
    <message>
        <source>Choose a pack folder or a .zip file</source>
        <translation>Bir paket klasörü veya bir .zip dosyası seçin</translation>
    </message>
    <message>
        <source>The pack's decoded audio is larger than %1 MB</source>
        <translation>Paketin çözülmüş sesi %1 MB'tan büyük</translation>
    </message>
    <message>
        <source>Could not resample the pack's sounds</source>
        <translation>Paketin sesleri yeniden örneklenemedi</translation>
    </message>
    <message>
        <source>Too many packs share the name %1</source>
        <translation>Çok fazla paketin adı %1</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>%1 konumuna yazılamıyor</translation>
    </message>
    <message>
        <source>Could not store the pack; is the disk full?</source>
        <translation>Paket kaydedilemedi; disk dolu mu?</translation>
    </message>
    <message>
        <source>Could not replace the installed pack %1</source>
        <translation>Yüklü %1 paketi değiştirilemedi</translation>
    </message>
    <message>
        <source>%1 is not an imported pack</source>
        <translation>%1 içe aktarılmış bir paket değil</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 yüklü değil</translation>
    </message>
    <message>
        <source>Could not remove %1</source>
        <translation>%1 kaldırılamadı</translation>
    </message>
    <message>
        <source>The stored pack %1 is damaged; import it again</source>
        <translation>Kaydedilmiş %1 paketi hasarlı; yeniden içe aktarın</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>%1 içe aktarılamıyor: %2</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot;</source>
        <translation>&quot;%1&quot; içe aktarıldı</translation>
    </message>
    <message>
        <source>My Packs</source>
        <translation>Paketlerim</translation>
    </message>
    <message>
        <source>Import Pack…</source>
        <translation>Paket içe aktar…</translation>
    </message>
    <message>
        <source>Importing… %1%</source>
        <translation>İçe aktarılıyor… %%1</translation>
    </message>
    <message>
        <source>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</source>
        <translation>config.json içeren bir klasör veya .zip ya da basma ve bırakma sesleri içeren bir klasör. Bu pencereye sürükleyip bırakabilirsiniz de.</translation>
    </message>
</context>
</TS>
