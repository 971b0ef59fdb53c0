<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="en">
<context>
    <name>Tocko</name>
    <message>
        <source>Tocko</source>
        <translation>Tocko</translation>
    </message>
    <message>
        <source>Tocko is not installed — it runs from this folder, and the login item would start it from here.</source>
        <translation>Tocko chưa được cài đặt — nó đang chạy từ thư mục này, và mục đăng nhập sẽ khởi động nó từ đây.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Mở thư mục</translation>
    </message>
    <message>
        <source>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</source>
        <translation>Không tìm thấy khay hệ thống nên Tocko đã mở bảng điều khiển nhanh trong một cửa sổ riêng. Tocko vẫn đang chạy: hãy mở lại từ lưới ứng dụng, hoặc chọn “Quick Controls” trong menu của Tocko ở đó, để quay lại đây. Để biểu tượng của Tocko hiện trên thanh trên cùng của GNOME, hãy cài đặt và bật tiện ích mở rộng AppIndicator (gói gnome-shell-extension-appindicator, hoặc “AppIndicator and KStatusNotifierItem Support” trên extensions.gnome.org), rồi đăng xuất và đăng nhập lại.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <translation>Âm thanh cho %1</translation>
    </message>
    <message>
        <source>Default Sound</source>
        <translation>Âm thanh mặc định</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>Cơ học</translation>
    </message>
    <message>
        <source>ASMR</source>
        <translation>ASMR</translation>
    </message>
    <message>
        <source>Vintage</source>
        <translation>Cổ điển</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Sắc nét</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>Vui nhộn</translation>
    </message>
    <message>
        <source>Enable clicks</source>
        <translation>Bật tiếng click</translation>
    </message>
    <message>
        <source>%1 · muted (call)</source>
        <translation>%1 · đã tắt tiếng (cuộc gọi)</translation>
    </message>
    <message>
        <source>%1 · silent</source>
        <translation>%1 · im lặng</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>Đầu ra: %1</translation>
    </message>
    <message>
        <source>Typing feedback: On</source>
        <translation>Âm thanh gõ phím: Bật</translation>
    </message>
    <message>
        <source>Typing feedback needs permission</source>
        <translation>Âm thanh gõ phím cần được cấp quyền</translation>
    </message>
    <message>
        <source>Turn On Typing Feedback…</source>
        <translation>Bật âm thanh gõ phím…</translation>
    </message>
    <message>
        <source>Quit and reopen Tocko to activate sounds.</source>
        <translation>Hãy thoát và mở lại Tocko để kích hoạt âm thanh.</translation>
    </message>
    <message>
        <source>Relaunch</source>
        <translation>Khởi chạy lại</translation>
    </message>
    <message>
        <source>an app</source>
        <translation>một ứng dụng</translation>
    </message>
    <message>
        <source>Keyboard sounds are paused — %1 is asking for a password.</source>
        <translation>Âm thanh bàn phím đang tạm dừng — %1 đang yêu cầu mật khẩu.</translation>
    </message>
    <message>
        <source>Quit %1 or click outside its password field. Mouse clicks still work.</source>
        <translation>Hãy thoát %1 hoặc bấm ra ngoài trường mật khẩu của nó. Tiếng click chuột vẫn hoạt động.</translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation>Thử âm thanh</translation>
    </message>
    <message>
        <source>Muted —</source>
        <translation>Đã tắt tiếng —</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Bật tiếng</translation>
    </message>
    <message>
        <source>Mute for 10 min</source>
        <translation>Tắt tiếng 10 phút</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Sao chép chẩn đoán</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Kiểm tra bản cập nhật…</translation>
    </message>
    <message>
        <source>Quit Tocko</source>
        <translation>Thoát Tocko</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Ngôn ngữ</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Mặc định hệ thống (%1)</translation>
    </message>
    <message>
        <source>Show welcome tour</source>
        <translation>Hiện chuyến tham quan chào mừng</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Chung</translation>
    </message>
    <message>
        <source>Enable Tocko</source>
        <translation>Bật Tocko</translation>
    </message>
    <message>
        <source>Auto-mute during calls (microphone in use)</source>
        <translation>Tự động tắt tiếng khi gọi (micrô đang được dùng)</translation>
    </message>
    <message>
        <source>Launch Tocko at login</source>
        <translation>Mở Tocko khi đăng nhập</translation>
    </message>
    <message>
        <source>Sound on key release</source>
        <translation>Âm thanh khi nhả phím</translation>
    </message>
    <message>
        <source>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</source>
        <translation>Âm thanh gõ phím đang tắt. Hãy nhấp vào biểu tượng Tocko trong khay hệ thống để bật.</translation>
    </message>
    <message>
        <source>Mouse clicks</source>
        <translation>Tiếng click chuột</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Âm thanh</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Tắt</translation>
    </message>
    <message>
        <source>Same as keyboard</source>
        <translation>Giống bàn phím</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Trạng thái</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>không khả dụng trên màn hình này</translation>
    </message>
    <message>
        <source>needs the Tocko GNOME Shell extension</source>
        <translation>cần tiện ích GNOME Shell của Tocko</translation>
    </message>
    <message>
        <source>Enable GNOME Shell Extension</source>
        <translation>Bật tiện ích GNOME Shell</translation>
    </message>
    <message>
        <source>Current app</source>
        <translation>Ứng dụng hiện tại</translation>
    </message>
    <message>
        <source>App ID</source>
        <translation>ID ứng dụng</translation>
    </message>
    <message>
        <source>Microphone in use</source>
        <translation>Micrô đang được dùng</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Có</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Không</translation>
    </message>
    <message>
        <source>Effective</source>
        <translation>Đang áp dụng</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Im lặng</translation>
    </message>
    <message>
        <source>Default profile</source>
        <translation>Hồ sơ mặc định</translation>
    </message>
    <message>
        <source>Per-app rules</source>
        <translation>Quy tắc theo ứng dụng</translation>
    </message>
    <message>
        <source>No rules yet — add one below.</source>
        <translation>Chưa có quy tắc nào — hãy thêm một quy tắc bên dưới.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>Thêm quy tắc</translation>
    </message>
    <message>
        <source>Running app</source>
        <translation>Ứng dụng đang chạy</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Chọn…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Thêm</translation>
    </message>
    <message>
        <source>…or an app id (org.example.App)</source>
        <translation>…hoặc một ID ứng dụng (org.example.App)</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Gỡ cài đặt</translation>
    </message>
    <message>
        <source>Uninstall Tocko…</source>
        <translation>Gỡ cài đặt Tocko…</translation>
    </message>
    <message>
        <source>Removes Tocko and everything it stored on this computer.</source>
        <translation>Xóa Tocko và mọi thứ nó đã lưu trên máy tính này.</translation>
    </message>
    <message>
        <source>Sound pack</source>
        <translation>Gói âm thanh</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Âm lượng</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Tắt tiếng</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Nghe thử</translation>
    </message>
    <message>
        <source>Uninstall Tocko?</source>
        <translation>Gỡ cài đặt Tocko?</translation>
    </message>
    <message>
        <source>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</source>
        <translation>Khi gỡ cài đặt, Tocko sẽ không còn mở khi đăng nhập, cài đặt và hồ sơ âm thanh của nó sẽ bị xóa khỏi máy tính này, và Tocko sẽ được chuyển vào Thùng rác.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Tocko has been moved to the Trash.</source>
        <translation>Tocko đã được chuyển vào Thùng rác.</translation>
    </message>
    <message>
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</source>
        <translation>Cài đặt của Tocko đã bị xóa, nhưng ứng dụng không thể tự chuyển vào Thùng rác. Hãy gỡ nó bằng trình quản lý gói đã cài đặt nó.</translation>
    </message>
    <message>
        <source>One last step: the input access given to Tocko stays until you take it back with this command:</source>
        <translation>Bước cuối cùng: quyền truy cập đầu vào đã cấp cho Tocko vẫn còn cho đến khi bạn thu hồi bằng lệnh này:</translation>
    </message>
    <message>
        <source>Grant access…</source>
        <translation>Cấp quyền truy cập…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Xong</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>Bạn đang dùng bản mới nhất!</translation>
    </message>
    <message>
        <source>Tocko %1 is currently the newest version available.</source>
        <translation>Tocko %1 hiện là phiên bản mới nhất.</translation>
    </message>
    <message>
        <source>A new version of Tocko is available!</source>
        <translation>Đã có phiên bản mới của Tocko!</translation>
    </message>
    <message>
        <source>Tocko %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Tocko %1 đã có — bạn đang dùng %2. Bạn có muốn tải xuống ngay không?</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Tải xuống</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Nhắc tôi sau</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Lỗi cập nhật!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <translation>Đã xảy ra lỗi khi lấy thông tin cập nhật. Vui lòng thử lại sau.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Quay lại</translation>
    </message>
    <message>
        <source>Let’s set it up</source>
        <translation>Cùng thiết lập nào</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Tiếp tục</translation>
    </message>
    <message>
        <source>Skip for now</source>
        <translation>Bỏ qua lúc này</translation>
    </message>
    <message>
        <source>Start tocking</source>
        <translation>Bắt đầu gõ thôi</translation>
    </message>
    <message>
        <source>Welcome to Tocko</source>
        <translation>Chào mừng bạn đến với Tocko</translation>
    </message>
    <message>
        <source>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</source>
        <translation>Bàn phím của bạn sắp trở nên thú vị hơn nhiều. Tocko phát âm thanh phím thật mỗi khi bạn gõ, trong mọi ứng dụng. Thiết lập chỉ mất tối đa hai phút.</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Chọn ngôn ngữ của bạn</translation>
    </message>
    <message>
        <source>One quick setting</source>
        <translation>Một cài đặt nhanh</translation>
    </message>
    <message>
        <source>Turn on typing feedback</source>
        <translation>Bật âm thanh gõ phím</translation>
    </message>
    <message>
        <source>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko phát một âm thanh cho mỗi phím bạn nhấn, trong mọi ứng dụng. Để làm được vậy, Linux phải cho phép Tocko đọc các thiết bị bàn phím và chuột của bạn. Tocko chỉ dùng mã phím vật lý và không bao giờ ghi lại những gì bạn gõ.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</source>
        <translation>Nếu không có quyền này, Tocko sẽ im lặng. Quyền truy cập đến từ một quy tắc udev hoặc nhóm input, và bạn có thể thu hồi bất cứ lúc nào.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>Âm thanh gõ phím đã bật. Hãy thử gõ.</translation>
    </message>
    <message>
        <source>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</source>
        <translation>Chỉ nghe được các cửa sổ X11. Trên Wayland, Tocko cần quyền truy cập thiết bị bàn phím để nghe mọi ứng dụng.</translation>
    </message>
    <message>
        <source>28 packs · 5 styles</source>
        <translation>28 gói · 5 phong cách</translation>
    </message>
    <message>
        <source>Pick your sound</source>
        <translation>Chọn âm thanh của bạn</translation>
    </message>
    <message>
        <source>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</source>
        <translation>Đây sẽ là âm thanh mặc định của bạn. Ngại cam kết? Đổi bất cứ lúc nào từ menu Tocko, hoặc cho mỗi ứng dụng một âm thanh riêng.</translation>
    </message>
    <message>
        <source>Type something. Anything. Go on…</source>
        <translation>Gõ gì đó đi. Gì cũng được. Nào…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Code editor</source>
        <translation>Trình soạn mã</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Bảng tính</translation>
    </message>
    <message>
        <source>Tips · 1 of 2</source>
        <translation>Mẹo · 1/2</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>Biến nó thành của bạn</translation>
    </message>
    <message>
        <source>A sound for every app</source>
        <translation>Mỗi ứng dụng một âm thanh</translation>
    </message>
    <message>
        <source>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</source>
        <translation>Phím êm cho email, tiếng click lớn cho code, im lặng cho bảng tính. Chúng đã chịu đựng đủ rồi. Thêm một quy tắc trong Cài đặt và Tocko sẽ đổi âm thanh khi bạn chuyển qua lại giữa các ứng dụng.</translation>
    </message>
    <message>
        <source>Clicks can tock too</source>
        <translation>Tiếng click cũng có thể tock</translation>
    </message>
    <message>
        <source>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</source>
        <translation>Theo mặc định, tiếng click chuột mượn âm thanh bàn phím của bạn. Hãy cho chúng một gói riêng trong Cài đặt, hoặc tắt hẳn.</translation>
    </message>
    <message>
        <source>Muted until the call ends</source>
        <translation>Tắt tiếng cho đến khi cuộc gọi kết thúc</translation>
    </message>
    <message>
        <source>It knows when to hush</source>
        <translation>Nó biết khi nào cần im lặng</translation>
    </message>
    <message>
        <source>Quiet on calls</source>
        <translation>Yên lặng khi gọi</translation>
    </message>
    <message>
        <source>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Bật micrô cho Zoom, Meet hay Jitsi? Tocko sẽ im lặng để không ai nghe thấy bạn đang gõ ghi chú về họ. Nó quay lại khi cuộc gọi kết thúc.</translation>
    </message>
    <message>
        <source>Mute for 10 minutes</source>
        <translation>Tắt tiếng trong 10 phút</translation>
    </message>
    <message>
        <source>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</source>
        <translation>Cần một chút yên tĩnh? Tắt tiếng Tocko từ menu. Nó sẽ tự quay lại, như một chú mèo.</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>Bạn đã sẵn sàng</translation>
    </message>
    <message>
        <source>Tocko lives in your system tray</source>
        <translation>Tocko sống trong khay hệ thống</translation>
    </message>
    <message>
        <source>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Hãy tìm chữ K giữa các biểu tượng khay trên bảng điều khiển của màn hình nền. Đó là nơi Tocko sống. Muốn xem lại chuyến tham quan? Nó nằm trong Cài đặt.</translation>
    </message>
    <message>
        <source>Tocko keeps running in the background</source>
        <translation>Tocko vẫn chạy ở chế độ nền</translation>
    </message>
    <message>
        <source>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</source>
        <translation>Màn hình nền của bạn không hiện biểu tượng khay, nên bảng điều khiển nhanh của Tocko mở trong một cửa sổ riêng. Hãy mở Tocko từ lưới ứng dụng để hiện lại chúng. Muốn xem lại chuyến tham quan? Nó nằm trong Cài đặt.</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>Khởi động khi đăng nhập</translation>
    </message>
    <message>
        <source>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</source>
        <translation>Bật tùy chọn này và Tocko sẽ sẵn sàng trước ly cà phê đầu tiên của bạn, mỗi lần bạn đăng nhập. Thay đổi bất cứ lúc nào trong Cài đặt.</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Mở khi đăng nhập</translation>
    </message>
    <message>
        <source>Input devices › Keyboards and mice</source>
        <translation>Thiết bị đầu vào › Bàn phím và chuột</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Cho phép âm thanh phím trong mọi ứng dụng</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Access granted. Log out and back in so that Tocko hears every app.</source>
        <translation>Đã cấp quyền truy cập. Hãy đăng xuất rồi đăng nhập lại để Tocko nghe được mọi ứng dụng.</translation>
    </message>
    <message>
        <source>Access was not granted.</source>
        <translation>Quyền truy cập chưa được cấp.</translation>
    </message>
    <message>
        <source>No administrator prompt (pkexec) is available on this system.</source>
        <translation>Hệ thống này không có hộp thoại quản trị viên (pkexec).</translation>
    </message>
    <message>
        <source>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</source>
        <translation>Tocko phát tiếng click khi thấy một phím được nhấn. Trên Linux, nó biết điều đó từ các thiết bị bàn phím và chuột trong /dev/input, mà chỉ nhóm input được đọc, hoặc, trong phiên X11, từ máy chủ X.</translation>
    </message>
    <message>
        <source>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</source>
        <translation>“Cấp quyền truy cập…” sẽ hỏi mật khẩu quản trị viên, rồi thêm một quy tắc udev cho phép người đang ngồi trước máy tính này đọc bàn phím và chuột. Nếu không có systemd-logind, nó sẽ thêm bạn vào nhóm input thay vào đó; sau đó hãy đăng xuất rồi đăng nhập lại.</translation>
    </message>
    <message>
        <source>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</source>
        <translation>Khi đó, các chương trình khác bạn chạy cũng có thể đọc bàn phím. Tocko chỉ ghi nhận rằng một phím đã được nhấn; nó không bao giờ ghi lại hay gửi đi những gì bạn gõ.</translation>
    </message>
    <message>
        <source>To do it yourself, run:</source>
        <translation>Để tự làm, hãy chạy:</translation>
    </message>
    <message>
        <source>config.json is not a valid JSON object</source>
        <translation>config.json không phải là đối tượng JSON hợp lệ</translation>
    </message>
    <message>
        <source>config.json gives the pack no name</source>
        <translation>config.json không đặt tên cho gói</translation>
    </message>
    <message>
        <source>config.json uses a key layout Tocko does not know (%1)</source>
        <translation>config.json dùng bố cục phím mà Tocko không biết (%1)</translation>
    </message>
    <message>
        <source>config.json names no sound file to cut the keys' sounds from</source>
        <translation>config.json không nêu tệp âm thanh nào để cắt âm thanh của các phím</translation>
    </message>
    <message>
        <source>config.json defines too many keys</source>
        <translation>config.json định nghĩa quá nhiều phím</translation>
    </message>
    <message>
        <source>config.json: key %1 has no valid [start, length] slice</source>
        <translation>config.json: phím %1 không có đoạn [bắt đầu, độ dài] hợp lệ</translation>
    </message>
    <message>
        <source>config.json: key %1 names no sound file</source>
        <translation>config.json: phím %1 không nêu tệp âm thanh nào</translation>
    </message>
    <message>
        <source>config.json: the sound of key %1 is written in a form Tocko cannot read</source>
        <translation>config.json: âm thanh của phím %1 được viết ở dạng Tocko không đọc được</translation>
    </message>
    <message>
        <source>config.json: %1 has a sound but is not a key code</source>
        <translation>config.json: %1 có âm thanh nhưng không phải mã phím</translation>
    </message>
    <message>
        <source>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</source>
        <translation>config.json: %1 là thiết lập Tocko không dùng được, nên âm thanh của nó sẽ bị mất</translation>
    </message>
    <message>
        <source>config.json has no key definitions</source>
        <translation>config.json không có định nghĩa phím nào</translation>
    </message>
    <message>
        <source>config.json defines no sound for a key Tocko can play</source>
        <translation>config.json không định nghĩa âm thanh cho phím nào mà Tocko có thể phát</translation>
    </message>
    <message>
        <source>config.json cannot be read</source>
        <translation>Không đọc được config.json</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>Thiếu %1</translation>
    </message>
    <message>
        <source>%1 is not a regular file; links and special files are not accepted</source>
        <translation>%1 không phải là tệp thông thường; không chấp nhận liên kết và tệp đặc biệt</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 quá lớn</translation>
    </message>
    <message>
        <source>The pack names a sound file outside its folder (%1)</source>
        <translation>Gói nêu một tệp âm thanh nằm ngoài thư mục của nó (%1)</translation>
    </message>
    <message>
        <source>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</source>
        <translation>%1 không phải là tệp âm thanh được hỗ trợ (WAV, OGG, FLAC hoặc MP3)</translation>
    </message>
    <message>
        <source>%1 holds no audio</source>
        <translation>%1 không chứa âm thanh</translation>
    </message>
    <message>
        <source>A key's slice lies outside %1</source>
        <translation>Đoạn của một phím nằm ngoài %1</translation>
    </message>
    <message>
        <source>%1 is not a readable .zip file</source>
        <translation>%1 không phải là tệp .zip đọc được</translation>
    </message>
    <message>
        <source>The .zip file is damaged</source>
        <translation>Tệp .zip bị hỏng</translation>
    </message>
    <message>
        <source>The .zip file holds too many files</source>
        <translation>Tệp .zip chứa quá nhiều tệp</translation>
    </message>
    <message>
        <source>The .zip file contains a link (%1); links are not accepted</source>
        <translation>Tệp .zip chứa một liên kết (%1); không chấp nhận liên kết</translation>
    </message>
    <message>
        <source>The .zip file contains an unsafe path (%1)</source>
        <translation>Tệp .zip chứa một đường dẫn không an toàn (%1)</translation>
    </message>
    <message>
        <source>The .zip file contains a special file (%1)</source>
        <translation>Tệp .zip chứa một tệp đặc biệt (%1)</translation>
    </message>
    <message>
        <source>The .zip file holds %1 twice</source>
        <translation>Tệp .zip chứa %1 hai lần</translation>
    </message>
    <message>
        <source>The .zip file unpacks to more than a sound pack can hold</source>
        <translation>Tệp .zip giải nén ra nhiều hơn mức một gói âm thanh có thể chứa</translation>
    </message>
    <message>
        <source>Could not unpack the .zip file; is the disk full?</source>
        <translation>Không giải nén được tệp .zip; ổ đĩa đã đầy?</translation>
    </message>
    <message>
        <source>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</source>
        <translation>Thư mục không chứa config.json cũng không chứa tệp WAV, OGG, FLAC hoặc MP3</translation>
    </message>
    <message>
        <source>The folder holds release sounds but no press sound</source>
        <translation>Thư mục có âm thanh nhả phím nhưng không có âm thanh nhấn phím</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 không tồn tại</translation>
    </message>
    <message>
        <source>Choose a pack folder or a .zip file</source>
        <translation>Hãy chọn một thư mục gói hoặc một tệp .zip</translation>
    </message>
    <message>
        <source>The pack's decoded audio is larger than %1 MB</source>
        <translation>Âm thanh đã giải mã của gói lớn hơn %1 MB</translation>
    </message>
    <message>
        <source>Could not resample the pack's sounds</source>
        <translation>Không lấy mẫu lại được âm thanh của gói</translation>
    </message>
    <message>
        <source>Too many packs share the name %1</source>
        <translation>Quá nhiều gói có tên %1</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>Không ghi được vào %1</translation>
    </message>
    <message>
        <source>Could not store the pack; is the disk full?</source>
        <translation>Không lưu được gói; ổ đĩa đã đầy?</translation>
    </message>
    <message>
        <source>Could not replace the installed pack %1</source>
        <translation>Không thay thế được gói đã cài %1</translation>
    </message>
    <message>
        <source>%1 is not an imported pack</source>
        <translation>%1 không phải là gói đã nhập</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 chưa được cài</translation>
    </message>
    <message>
        <source>Could not remove %1</source>
        <translation>Không gỡ được %1</translation>
    </message>
    <message>
        <source>The stored pack %1 is damaged; import it again</source>
        <translation>Gói đã lưu %1 bị hỏng; hãy nhập lại</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>Không nhập được %1: %2</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot;</source>
        <translation>Đã nhập &quot;%1&quot;</translation>
    </message>
    <message>
        <source>My Packs</source>
        <translation>Gói của tôi</translation>
    </message>
    <message>
        <source>Import Pack…</source>
        <translation>Nhập gói…</translation>
    </message>
    <message>
        <source>Importing… %1%</source>
        <translation>Đang nhập… %1%</translation>
    </message>
    <message>
        <source>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</source>
        <translation>Một thư mục hoặc tệp .zip có config.json, hoặc thư mục chứa âm thanh nhấn và nhả. Bạn cũng có thể thả nó vào cửa sổ này.</translation>
    </message>
</context>
</TS>
