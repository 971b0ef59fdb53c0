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
        <source>Move Tocko to your Applications folder — keyboard sounds won&apos;t work reliably from here.</source>
        <translation>Hãy chuyển Tocko vào thư mục Ứng dụng — chạy từ đây, âm thanh bàn phím sẽ không hoạt động ổn định.</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Hiển thị trong Finder</translation>
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
        <source>Keyboard sounds are paused — %1 is blocking keyboard monitoring (Secure Input).</source>
        <translation>Âm thanh bàn phím đang tạm dừng — %1 đang chặn việc giám sát bàn phím (Nhập liệu bảo mật).</translation>
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
        <source>Typing feedback is off. Open the menu-bar icon to turn it on.</source>
        <translation>Âm thanh gõ phím đang tắt. Hãy mở biểu tượng trên thanh menu để bật.</translation>
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
        <source>Current app</source>
        <translation>Ứng dụng hiện tại</translation>
    </message>
    <message>
        <source>Bundle ID</source>
        <translation>ID gói</translation>
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
        <source>…or a bundle id (com.example.app)</source>
        <translation>…hoặc một ID gói (com.example.app)</translation>
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
        <source>Removes Tocko and everything it stored on this Mac.</source>
        <translation>Xóa Tocko và mọi thứ nó đã lưu trên máy Mac này.</translation>
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
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Drag Tocko from your Applications folder to the Trash.</source>
        <translation>Cài đặt của Tocko đã bị xóa, nhưng ứng dụng không thể tự chuyển vào Thùng rác. Hãy kéo Tocko từ thư mục Ứng dụng vào Thùng rác.</translation>
    </message>
    <message>
        <source>One last step: macOS keeps Tocko’s Input Monitoring permission until you remove it. In System Settings › Privacy &amp; Security › Input Monitoring, select Tocko and click the minus button.</source>
        <translation>Một bước cuối: macOS giữ quyền Giám sát đầu vào của Tocko cho đến khi bạn xóa nó. Trong Cài đặt hệ thống › Quyền riêng tư &amp; Bảo mật › Giám sát đầu vào, hãy chọn Tocko rồi bấm nút dấu trừ.</translation>
    </message>
    <message>
        <source>Open Input Monitoring Settings</source>
        <translation>Mở cài đặt Giám sát đầu vào</translation>
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
        <source>Tocko plays a sound for each key you press, in every app. To do that, macOS asks you to allow Input Monitoring. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko phát một âm thanh cho mỗi phím bạn nhấn, trong mọi ứng dụng. Để làm được vậy, macOS yêu cầu bạn cho phép Giám sát đầu vào. Tocko chỉ dùng mã phím vật lý và không bao giờ ghi lại những gì bạn gõ.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. You can change this anytime in System Settings.</source>
        <translation>Nếu không có quyền này, Tocko sẽ im lặng. Bạn có thể thay đổi bất cứ lúc nào trong Cài đặt hệ thống.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>Âm thanh gõ phím đã bật. Hãy thử gõ.</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>Mở Cài đặt hệ thống</translation>
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
        <source>Mic on for Zoom, Meet or FaceTime? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Bật micrô cho Zoom, Meet hay FaceTime? Tocko sẽ im lặng để không ai nghe thấy bạn đang gõ ghi chú về họ. Nó quay lại khi cuộc gọi kết thúc.</translation>
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
        <source>Tocko lives in your menu bar</source>
        <translation>Tocko sống trên thanh menu của bạn</translation>
    </message>
    <message>
        <source>Look for the K at the top of your screen. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>Hãy tìm chữ K ở phía trên màn hình. Đó là nơi Tocko sống. Muốn xem lại chuyến tham quan? Nó nằm trong Cài đặt.</translation>
    </message>
    <message>
        <source>Start with your Mac</source>
        <translation>Khởi động cùng máy Mac</translation>
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
        <source>Privacy &amp; Security › Input Monitoring</source>
        <translation>Quyền riêng tư &amp; Bảo mật › Giám sát đầu vào</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>Cho phép âm thanh phím trong mọi ứng dụng</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Xóa</translation>
    </message>
</context>
</TS>
