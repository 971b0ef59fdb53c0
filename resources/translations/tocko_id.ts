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
        <source>Move Tocko to your Applications folder — keyboard sounds won&apos;t work reliably from here.</source>
        <translation>Pindahkan Tocko ke folder Aplikasi Anda — dari sini, suara keyboard tidak akan berfungsi dengan andal.</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Tampilkan di Finder</translation>
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
        <source>Keyboard sounds are paused — %1 is blocking keyboard monitoring (Secure Input).</source>
        <translation>Suara keyboard dijeda — %1 memblokir pemantauan keyboard (Input Aman).</translation>
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
        <source>Typing feedback is off. Open the menu-bar icon to turn it on.</source>
        <translation>Suara ketikan nonaktif. Buka ikon di bar menu untuk mengaktifkannya.</translation>
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
        <source>Current app</source>
        <translation>App saat ini</translation>
    </message>
    <message>
        <source>Bundle ID</source>
        <translation>ID bundel</translation>
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
        <source>…or a bundle id (com.example.app)</source>
        <translation>…atau ID bundel (com.example.app)</translation>
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
        <source>Removes Tocko and everything it stored on this Mac.</source>
        <translation>Menghapus Tocko dan semua yang disimpannya di Mac ini.</translation>
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
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Drag Tocko from your Applications folder to the Trash.</source>
        <translation>Pengaturan Tocko telah dihapus, tetapi app tidak dapat memindahkan dirinya ke Tong Sampah. Seret Tocko dari folder Aplikasi Anda ke Tong Sampah.</translation>
    </message>
    <message>
        <source>One last step: macOS keeps Tocko’s Input Monitoring permission until you remove it. In System Settings › Privacy &amp; Security › Input Monitoring, select Tocko and click the minus button.</source>
        <translation>Satu langkah terakhir: macOS menyimpan izin Pemantauan Input Tocko sampai Anda menghapusnya. Di Pengaturan Sistem › Privasi &amp; Keamanan › Pemantauan Input, pilih Tocko lalu klik tombol minus.</translation>
    </message>
    <message>
        <source>Open Input Monitoring Settings</source>
        <translation>Buka Pengaturan Pemantauan Input</translation>
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
        <source>Tocko plays a sound for each key you press, in every app. To do that, macOS asks you to allow Input Monitoring. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko memutar suara untuk setiap tombol yang Anda tekan, di semua app. Untuk itu, macOS meminta Anda mengizinkan Pemantauan Input. Tocko hanya menggunakan kode tombol fisik dan tidak pernah merekam apa yang Anda ketik.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. You can change this anytime in System Settings.</source>
        <translation>Tanpa izin ini, Tocko tetap senyap. Anda dapat mengubahnya kapan saja di Pengaturan Sistem.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>Suara ketikan aktif. Coba mengetik.</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Buka Pengaturan Sistem</translation>
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
        <source>Mic on for Zoom, Meet or FaceTime? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Mikrofon menyala untuk Zoom, Meet, atau FaceTime? Tocko menjadi senyap, jadi tak seorang pun mendengar Anda mengetik catatan tentang mereka. Ia kembali saat panggilan berakhir.</translation>
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
        <source>Tocko lives in your menu bar</source>
        <translation>Tocko tinggal di bar menu Anda</translation>
    </message>
    <message>
        <source>Look for the K at the top of your screen. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Cari huruf K di bagian atas layar Anda. Di situlah Tocko tinggal. Ingin melihat tur lagi? Ada di Pengaturan.</translation>
    </message>
    <message>
        <source>Start with your Mac</source>
        <translation>Mulai bersama Mac Anda</translation>
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
        <source>Privacy &amp; Security › Input Monitoring</source>
        <translation>Privasi &amp; Keamanan › Pemantauan Input</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Mengizinkan suara tombol di semua app</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
</context>
</TS>
