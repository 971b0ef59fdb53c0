<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="en">
<context>
    <name>Tocko</name>
    <message>
        <source>Tocko</source>
        <translation>Tocko</translation>
    </message>
    <message>
        <source>Tocko is not installed — it runs from this folder, and the login item would start it from here.</source>
        <translation>Tocko belum terinstal — Tocko berjalan dari folder ini, dan item login akan menjalankannya dari sini.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Buka Folder</translation>
    </message>
    <message>
        <source>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</source>
        <translation>Baki sistem tidak ditemukan, jadi Tocko membuka kontrol cepatnya di jendela tersendiri. Tocko tetap berjalan: buka lagi dari kisi aplikasi, atau pilih “Quick Controls” di menunya di sana, untuk kembali ke sini. Agar ikonnya muncul di bilah atas GNOME, pasang dan aktifkan ekstensi AppIndicator (paket gnome-shell-extension-appindicator, atau “AppIndicator and KStatusNotifierItem Support” dari extensions.gnome.org), lalu keluar dan masuk lagi.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <translation>Suara untuk %1</translation>
    </message>
    <message>
        <source>Default Sound</source>
        <translation>Suara Default</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>Mekanis</translation>
    </message>
    <message>
        <source>ASMR</source>
        <translation>ASMR</translation>
    </message>
    <message>
        <source>Vintage</source>
        <translation>Klasik</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Tajam</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>Seru</translation>
    </message>
    <message>
        <source>Enable clicks</source>
        <translation>Aktifkan klik</translation>
    </message>
    <message>
        <source>%1 · muted (call)</source>
        <translation>%1 · dibisukan (panggilan)</translation>
    </message>
    <message>
        <source>%1 · silent</source>
        <translation>%1 · senyap</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Output: %1</translation>
    </message>
    <message>
        <source>Typing feedback: On</source>
        <translation>Suara ketikan: Aktif</translation>
    </message>
    <message>
        <source>Typing feedback needs permission</source>
        <translation>Suara ketikan memerlukan izin</translation>
    </message>
    <message>
        <source>Turn On Typing Feedback…</source>
        <translation>Aktifkan Suara Ketikan…</translation>
    </message>
    <message>
        <source>Quit and reopen Tocko to activate sounds.</source>
        <translation>Keluar dan buka kembali Tocko untuk mengaktifkan suara.</translation>
    </message>
    <message>
        <source>Relaunch</source>
        <translation>Buka Ulang</translation>
    </message>
    <message>
        <source>an app</source>
        <translation>sebuah app</translation>
    </message>
    <message>
        <source>Keyboard sounds are paused — %1 is asking for a password.</source>
        <translation>Suara keyboard dijeda — %1 sedang meminta kata sandi.</translation>
    </message>
    <message>
        <source>Quit %1 or click outside its password field. Mouse clicks still work.</source>
        <translation>Keluar dari %1 atau klik di luar bidang kata sandinya. Klik mouse tetap berfungsi.</translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation>Uji Suara</translation>
    </message>
    <message>
        <source>Muted —</source>
        <translation>Dibisukan —</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Bunyikan</translation>
    </message>
    <message>
        <source>Mute for 10 min</source>
        <translation>Bisukan 10 mnt</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Salin Diagnostik</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Pengaturan</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Periksa Pembaruan…</translation>
    </message>
    <message>
        <source>Quit Tocko</source>
        <translation>Keluar dari Tocko</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Default sistem (%1)</translation>
    </message>
    <message>
        <source>Show welcome tour</source>
        <translation>Tampilkan tur sambutan</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Umum</translation>
    </message>
    <message>
        <source>Enable Tocko</source>
        <translation>Aktifkan Tocko</translation>
    </message>
    <message>
        <source>Auto-mute during calls (microphone in use)</source>
        <translation>Bisukan otomatis saat panggilan (mikrofon digunakan)</translation>
    </message>
    <message>
        <source>Launch Tocko at login</source>
        <translation>Buka Tocko saat masuk</translation>
    </message>
    <message>
        <source>Sound on key release</source>
        <translation>Suara saat tombol dilepas</translation>
    </message>
    <message>
        <source>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</source>
        <translation>Suara ketikan nonaktif. Klik ikon Tocko di baki sistem untuk mengaktifkannya.</translation>
    </message>
    <message>
        <source>Mouse clicks</source>
        <translation>Klik mouse</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suara</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Mati</translation>
    </message>
    <message>
        <source>Same as keyboard</source>
        <translation>Sama dengan keyboard</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>tidak tersedia di desktop ini</translation>
    </message>
    <message>
        <source>needs the Tocko GNOME Shell extension</source>
        <translation>memerlukan ekstensi GNOME Shell Tocko</translation>
    </message>
    <message>
        <source>Enable GNOME Shell Extension</source>
        <translation>Aktifkan Ekstensi GNOME Shell</translation>
    </message>
    <message>
        <source>Current app</source>
        <translation>App saat ini</translation>
    </message>
    <message>
        <source>App ID</source>
        <translation>ID App</translation>
    </message>
    <message>
        <source>Microphone in use</source>
        <translation>Mikrofon digunakan</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ya</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Tidak</translation>
    </message>
    <message>
        <source>Effective</source>
        <translation>Berlaku</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Senyap</translation>
    </message>
    <message>
        <source>Default profile</source>
        <translation>Profil default</translation>
    </message>
    <message>
        <source>Per-app rules</source>
        <translation>Aturan per app</translation>
    </message>
    <message>
        <source>No rules yet — add one below.</source>
        <translation>Belum ada aturan — tambahkan satu di bawah.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Tambahkan aturan</translation>
    </message>
    <message>
        <source>Running app</source>
        <translation>App yang berjalan</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Pilih…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>…or an app id (org.example.App)</source>
        <translation>…atau ID app (org.example.App)</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Hapus Instalan</translation>
    </message>
    <message>
        <source>Uninstall Tocko…</source>
        <translation>Hapus Instalan Tocko…</translation>
    </message>
    <message>
        <source>Removes Tocko and everything it stored on this computer.</source>
        <translation>Menghapus Tocko dan semua yang disimpannya di komputer ini.</translation>
    </message>
    <message>
        <source>Sound pack</source>
        <translation>Paket suara</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Dibisukan</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pratinjau</translation>
    </message>
    <message>
        <source>Uninstall Tocko?</source>
        <translation>Hapus instalan Tocko?</translation>
    </message>
    <message>
        <source>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</source>
        <translation>Menghapus instalan akan menghentikan Tocko terbuka saat masuk, menghapus pengaturan dan profil suaranya dari komputer ini, serta memindahkan Tocko ke Tong Sampah.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batalkan</translation>
    </message>
    <message>
        <source>Tocko has been moved to the Trash.</source>
        <translation>Tocko telah dipindahkan ke Tong Sampah.</translation>
    </message>
    <message>
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</source>
        <translation>Pengaturan Tocko telah dihapus, tetapi app tidak dapat memindahkan dirinya ke Tong Sampah. Hapus dengan pengelola paket yang menginstalnya.</translation>
    </message>
    <message>
        <source>One last step: the input access given to Tocko stays until you take it back with this command:</source>
        <translation>Satu langkah terakhir: akses input yang diberikan ke Tocko tetap ada sampai Anda mencabutnya dengan perintah ini:</translation>
    </message>
    <message>
        <source>Grant access…</source>
        <translation>Beri Akses…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>Anda sudah menggunakan versi terbaru!</translation>
    </message>
    <message>
        <source>Tocko %1 is currently the newest version available.</source>
        <translation>Tocko %1 saat ini adalah versi terbaru yang tersedia.</translation>
    </message>
    <message>
        <source>A new version of Tocko is available!</source>
        <translation>Versi baru Tocko telah tersedia!</translation>
    </message>
    <message>
        <source>Tocko %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Tocko %1 kini tersedia — Anda memiliki %2. Ingin mengunduhnya sekarang?</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Unduh</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Ingatkan Nanti</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Kesalahan Pembaruan!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <translation>Terjadi kesalahan saat mengambil informasi pembaruan. Silakan coba lagi nanti.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OKE</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>Let’s set it up</source>
        <translation>Ayo kita atur</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Lanjutkan</translation>
    </message>
    <message>
        <source>Skip for now</source>
        <translation>Lewati untuk sekarang</translation>
    </message>
    <message>
        <source>Start tocking</source>
        <translation>Mulai mengetik</translation>
    </message>
    <message>
        <source>Welcome to Tocko</source>
        <translation>Selamat datang di Tocko</translation>
    </message>
    <message>
        <source>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</source>
        <translation>Keyboard Anda akan terasa jauh lebih memuaskan. Tocko memutar suara tombol sungguhan setiap kali Anda mengetik, di semua app. Penyiapan paling lama dua menit.</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Pilih bahasa Anda</translation>
    </message>
    <message>
        <source>One quick setting</source>
        <translation>Satu pengaturan singkat</translation>
    </message>
    <message>
        <source>Turn on typing feedback</source>
        <translation>Aktifkan suara ketikan</translation>
    </message>
    <message>
        <source>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko memutar suara untuk setiap tombol yang Anda tekan, di semua app. Untuk itu, Linux harus mengizinkan Tocko membaca perangkat keyboard dan mouse Anda. Tocko hanya menggunakan kode tombol fisik dan tidak pernah merekam apa yang Anda ketik.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</source>
        <translation>Tanpa akses ini, Tocko tetap senyap. Akses berasal dari aturan udev atau grup input, dan Anda dapat mencabutnya kapan saja.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>Suara ketikan aktif. Coba mengetik.</translation>
    </message>
    <message>
        <source>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</source>
        <translation>Hanya jendela X11 yang terdengar. Di Wayland, Tocko perlu akses ke perangkat keyboard untuk mendengar semua app.</translation>
    </message>
    <message>
        <source>28 packs · 5 styles</source>
        <translation>28 paket · 5 gaya</translation>
    </message>
    <message>
        <source>Pick your sound</source>
        <translation>Pilih suara Anda</translation>
    </message>
    <message>
        <source>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</source>
        <translation>Ini menjadi suara default Anda. Takut berkomitmen? Ganti kapan saja dari menu Tocko, atau beri setiap app suaranya sendiri.</translation>
    </message>
    <message>
        <source>Type something. Anything. Go on…</source>
        <translation>Ketik sesuatu. Apa saja. Ayo…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Code editor</source>
        <translation>Editor kode</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Spreadsheet</translation>
    </message>
    <message>
        <source>Tips · 1 of 2</source>
        <translation>Tips · 1 dari 2</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Jadikan milik Anda</translation>
    </message>
    <message>
        <source>A sound for every app</source>
        <translation>Suara untuk setiap app</translation>
    </message>
    <message>
        <source>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</source>
        <translation>Tombol lembut untuk email, klik keras untuk kode, keheningan untuk spreadsheet. Mereka sudah cukup menderita. Tambahkan aturan di Pengaturan dan Tocko berganti suara saat Anda berpindah antar-app.</translation>
    </message>
    <message>
        <source>Clicks can tock too</source>
        <translation>Klik juga bisa berbunyi tock</translation>
    </message>
    <message>
        <source>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</source>
        <translation>Secara default, klik mouse meminjam suara keyboard Anda. Beri mereka paket sendiri di Pengaturan, atau matikan sepenuhnya.</translation>
    </message>
    <message>
        <source>Muted until the call ends</source>
        <translation>Dibisukan sampai panggilan berakhir</translation>
    </message>
    <message>
        <source>It knows when to hush</source>
        <translation>Ia tahu kapan harus diam</translation>
    </message>
    <message>
        <source>Quiet on calls</source>
        <translation>Senyap saat panggilan</translation>
    </message>
    <message>
        <source>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Mikrofon menyala untuk Zoom, Meet, atau Jitsi? Tocko menjadi senyap, jadi tak seorang pun mendengar Anda mengetik catatan tentang mereka. Ia kembali saat panggilan berakhir.</translation>
    </message>
    <message>
        <source>Mute for 10 minutes</source>
        <translation>Bisukan selama 10 menit</translation>
    </message>
    <message>
        <source>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</source>
        <translation>Butuh waktu sejenak? Bisukan Tocko dari menu. Ia kembali dengan sendirinya, seperti kucing.</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Semua sudah siap</translation>
    </message>
    <message>
        <source>Tocko lives in your system tray</source>
        <translation>Tocko tinggal di baki sistem Anda</translation>
    </message>
    <message>
        <source>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Cari huruf K di antara ikon baki pada panel desktop Anda. Di situlah Tocko tinggal. Ingin melihat tur lagi? Ada di Pengaturan.</translation>
    </message>
    <message>
        <source>Tocko keeps running in the background</source>
        <translation>Tocko tetap berjalan di latar belakang</translation>
    </message>
    <message>
        <source>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</source>
        <translation>Desktop Anda tidak menampilkan ikon baki, jadi kontrol cepat Tocko terbuka di jendela tersendiri. Buka Tocko dari kisi aplikasi untuk memunculkannya kembali. Ingin melihat tur lagi? Ada di Pengaturan.</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Mulai saat masuk</translation>
    </message>
    <message>
        <source>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</source>
        <translation>Aktifkan ini dan Tocko siap sebelum kopi pertama Anda, setiap kali Anda masuk. Ubah kapan saja di Pengaturan.</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Buka saat Masuk</translation>
    </message>
    <message>
        <source>Input devices › Keyboards and mice</source>
        <translation>Perangkat input › Keyboard dan mouse</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Mengizinkan suara tombol di semua app</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Access granted. Log out and back in so that Tocko hears every app.</source>
        <translation>Akses diberikan. Keluar lalu masuk lagi agar Tocko mendengar semua app.</translation>
    </message>
    <message>
        <source>Access was not granted.</source>
        <translation>Akses tidak diberikan.</translation>
    </message>
    <message>
        <source>No administrator prompt (pkexec) is available on this system.</source>
        <translation>Tidak ada permintaan administrator (pkexec) di sistem ini.</translation>
    </message>
    <message>
        <source>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</source>
        <translation>Tocko memutar bunyi kliknya saat melihat tombol ditekan. Di Linux, Tocko mengetahuinya dari perangkat keyboard dan mouse di /dev/input, yang hanya boleh dibaca grup input, atau, dalam sesi X11, dari server X.</translation>
    </message>
    <message>
        <source>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</source>
        <translation>“Beri Akses…” meminta kata sandi administrator, lalu menambahkan aturan udev yang mengizinkan siapa pun yang duduk di depan komputer ini membaca keyboard dan mouse. Tanpa systemd-logind, Anda akan ditambahkan ke grup input sebagai gantinya; setelah itu keluar lalu masuk lagi.</translation>
    </message>
    <message>
        <source>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</source>
        <translation>Program lain yang Anda jalankan juga dapat membaca keyboard. Tocko hanya mencatat bahwa sebuah tombol ditekan; Tocko tidak pernah merekam atau mengirim apa yang Anda ketik.</translation>
    </message>
    <message>
        <source>To do it yourself, run:</source>
        <translation>Untuk melakukannya sendiri, jalankan:</translation>
    </message>
    <message>
        <source>config.json is not a valid JSON object</source>
        <translation>config.json bukan objek JSON yang valid</translation>
    </message>
    <message>
        <source>config.json gives the pack no name</source>
        <translation>config.json tidak memberi nama pada paket</translation>
    </message>
    <message>
        <source>config.json uses a key layout Tocko does not know (%1)</source>
        <translation>config.json memakai tata letak tombol yang tidak dikenal Tocko (%1)</translation>
    </message>
    <message>
        <source>config.json names no sound file to cut the keys' sounds from</source>
        <translation>config.json tidak menyebut berkas suara untuk memotong suara tombol</translation>
    </message>
    <message>
        <source>config.json defines too many keys</source>
        <translation>config.json mendefinisikan terlalu banyak tombol</translation>
    </message>
    <message>
        <source>config.json: key %1 has no valid [start, length] slice</source>
        <translation>config.json: tombol %1 tidak memiliki potongan [awal, panjang] yang valid</translation>
    </message>
    <message>
        <source>config.json: key %1 names no sound file</source>
        <translation>config.json: tombol %1 tidak menyebut berkas suara</translation>
    </message>
    <message>
        <source>config.json: the sound of key %1 is written in a form Tocko cannot read</source>
        <translation>config.json: suara tombol %1 ditulis dalam bentuk yang tidak bisa dibaca Tocko</translation>
    </message>
    <message>
        <source>config.json: %1 has a sound but is not a key code</source>
        <translation>config.json: %1 memiliki suara tetapi bukan kode tombol</translation>
    </message>
    <message>
        <source>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</source>
        <translation>config.json: %1 adalah pengaturan yang tidak bisa dipakai Tocko, sehingga suaranya akan hilang</translation>
    </message>
    <message>
        <source>config.json has no key definitions</source>
        <translation>config.json tidak memiliki definisi tombol</translation>
    </message>
    <message>
        <source>config.json defines no sound for a key Tocko can play</source>
        <translation>config.json tidak mendefinisikan suara untuk tombol apa pun yang bisa diputar Tocko</translation>
    </message>
    <message>
        <source>config.json cannot be read</source>
        <translation>config.json tidak dapat dibaca</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 hilang</translation>
    </message>
    <message>
        <source>%1 is not a regular file; links and special files are not accepted</source>
        <translation>%1 bukan berkas biasa; tautan dan berkas khusus tidak diterima</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 terlalu besar</translation>
    </message>
    <message>
        <source>The pack names a sound file outside its folder (%1)</source>
        <translation>Paket menyebut berkas suara di luar foldernya (%1)</translation>
    </message>
    <message>
        <source>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</source>
        <translation>%1 bukan berkas suara yang didukung (WAV, OGG, FLAC, atau MP3)</translation>
    </message>
    <message>
        <source>%1 holds no audio</source>
        <translation>%1 tidak berisi audio</translation>
    </message>
    <message>
        <source>A key's slice lies outside %1</source>
        <translation>Potongan sebuah tombol berada di luar %1</translation>
    </message>
    <message>
        <source>%1 is not a readable .zip file</source>
        <translation>%1 bukan berkas .zip yang dapat dibaca</translation>
    </message>
    <message>
        <source>The .zip file is damaged</source>
        <translation>Berkas .zip rusak</translation>
    </message>
    <message>
        <source>The .zip file holds too many files</source>
        <translation>Berkas .zip berisi terlalu banyak berkas</translation>
    </message>
    <message>
        <source>The .zip file contains a link (%1); links are not accepted</source>
        <translation>Berkas .zip berisi tautan (%1); tautan tidak diterima</translation>
    </message>
    <message>
        <source>The .zip file contains an unsafe path (%1)</source>
        <translation>Berkas .zip berisi jalur yang tidak aman (%1)</translation>
    </message>
    <message>
        <source>The .zip file contains a special file (%1)</source>
        <translation>Berkas .zip berisi berkas khusus (%1)</translation>
    </message>
    <message>
        <source>The .zip file holds %1 twice</source>
        <translation>Berkas .zip berisi %1 dua kali</translation>
    </message>
    <message>
        <source>The .zip file unpacks to more than a sound pack can hold</source>
        <translation>Berkas .zip terurai menjadi lebih besar daripada yang dapat ditampung paket suara</translation>
    </message>
    <message>
        <source>Could not unpack the .zip file; is the disk full?</source>
        <translation>Tidak dapat mengurai berkas .zip; apakah disk penuh?</translation>
    </message>
    <message>
        <source>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</source>
        <translation>Folder tidak berisi config.json maupun berkas WAV, OGG, FLAC, atau MP3</translation>
    </message>
    <message>
        <source>The folder holds release sounds but no press sound</source>
        <translation>Folder berisi suara lepas tetapi tidak ada suara tekan</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 tidak ada</translation>
    </message>
    <message>
        <source>Choose a pack folder or a .zip file</source>
        <translation>Pilih folder paket atau berkas .zip</translation>
    </message>
    <message>
        <source>The pack's decoded audio is larger than %1 MB</source>
        <translation>Audio paket yang telah didekode lebih besar dari %1 MB</translation>
    </message>
    <message>
        <source>Could not resample the pack's sounds</source>
        <translation>Tidak dapat mengubah laju sampel suara paket</translation>
    </message>
    <message>
        <source>Too many packs share the name %1</source>
        <translation>Terlalu banyak paket bernama %1</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Tidak dapat menulis ke %1</translation>
    </message>
    <message>
        <source>Could not store the pack; is the disk full?</source>
        <translation>Tidak dapat menyimpan paket; apakah disk penuh?</translation>
    </message>
    <message>
        <source>Could not replace the installed pack %1</source>
        <translation>Tidak dapat mengganti paket terpasang %1</translation>
    </message>
    <message>
        <source>%1 is not an imported pack</source>
        <translation>%1 bukan paket yang diimpor</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 tidak terpasang</translation>
    </message>
    <message>
        <source>Could not remove %1</source>
        <translation>Tidak dapat menghapus %1</translation>
    </message>
    <message>
        <source>The stored pack %1 is damaged; import it again</source>
        <translation>Paket tersimpan %1 rusak; impor ulang</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>Tidak dapat mengimpor %1: %2</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot;</source>
        <translation>&quot;%1&quot; diimpor</translation>
    </message>
    <message>
        <source>My Packs</source>
        <translation>Paket saya</translation>
    </message>
    <message>
        <source>Import Pack…</source>
        <translation>Impor paket…</translation>
    </message>
    <message>
        <source>Importing… %1%</source>
        <translation>Mengimpor… %1%</translation>
    </message>
    <message>
        <source>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</source>
        <translation>Folder atau .zip dengan config.json, atau folder berisi suara tekan dan lepas. Anda juga bisa menjatuhkannya ke jendela ini.</translation>
    </message>
</context>
</TS>
