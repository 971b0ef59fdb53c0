<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>Tocko</name>
    <message>
        <source>Tocko</source>
        <translation>Tocko</translation>
    </message>
    <message>
        <source>Tocko is not installed — it runs from this folder, and the login item would start it from here.</source>
        <translation>Tocko가 설치되지 않았습니다 — 이 폴더에서 실행 중이며, 로그인 항목도 여기에서 실행하게 됩니다.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</source>
        <translation>시스템 트레이를 찾지 못해 Tocko가 빠른 제어를 별도의 창으로 열었습니다. Tocko는 계속 실행 중입니다. 여기로 돌아오려면 앱 그리드에서 다시 열거나, 그곳의 Tocko 메뉴에서 “Quick Controls”를 선택하세요. GNOME 상단 표시줄에 아이콘을 표시하려면 AppIndicator 확장(gnome-shell-extension-appindicator 패키지 또는 extensions.gnome.org의 “AppIndicator and KStatusNotifierItem Support”)을 설치하고 켠 다음 로그아웃했다가 다시 로그인하세요.</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <translation>%1의 사운드</translation>
    </message>
    <message>
        <source>Default Sound</source>
        <translation>기본 사운드</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>기계식</translation>
    </message>
    <message>
        <source>ASMR</source>
        <translation>ASMR</translation>
    </message>
    <message>
        <source>Vintage</source>
        <translation>빈티지</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>샤프</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>재미</translation>
    </message>
    <message>
        <source>Enable clicks</source>
        <translation>클릭 사운드 활성화</translation>
    </message>
    <message>
        <source>%1 · muted (call)</source>
        <translation>%1 · 음소거됨(통화)</translation>
    </message>
    <message>
        <source>%1 · silent</source>
        <translation>%1 · 무음</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>출력: %1</translation>
    </message>
    <message>
        <source>Typing feedback: On</source>
        <translation>타이핑 사운드: 켬</translation>
    </message>
    <message>
        <source>Typing feedback needs permission</source>
        <translation>타이핑 사운드에 권한이 필요합니다</translation>
    </message>
    <message>
        <source>Turn On Typing Feedback…</source>
        <translation>타이핑 사운드 켜기…</translation>
    </message>
    <message>
        <source>Quit and reopen Tocko to activate sounds.</source>
        <translation>사운드를 활성화하려면 Tocko를 종료한 후 다시 여세요.</translation>
    </message>
    <message>
        <source>Relaunch</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>an app</source>
        <translation>어떤 앱</translation>
    </message>
    <message>
        <source>Keyboard sounds are paused — %1 is asking for a password.</source>
        <translation>키보드 사운드가 일시 정지됨 — %1이(가) 암호를 요청하고 있습니다.</translation>
    </message>
    <message>
        <source>Quit %1 or click outside its password field. Mouse clicks still work.</source>
        <translation>%1을(를) 종료하거나 암호 입력란 바깥을 클릭하세요. 마우스 클릭은 계속 작동합니다.</translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation>사운드 테스트</translation>
    </message>
    <message>
        <source>Muted —</source>
        <translation>음소거됨 —</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>음소거 해제</translation>
    </message>
    <message>
        <source>Mute for 10 min</source>
        <translation>10분 음소거</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>진단 정보 복사</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>업데이트 확인…</translation>
    </message>
    <message>
        <source>Quit Tocko</source>
        <translation>Tocko 종료</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>시스템 기본값(%1)</translation>
    </message>
    <message>
        <source>Show welcome tour</source>
        <translation>환영 투어 보기</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Enable Tocko</source>
        <translation>Tocko 활성화</translation>
    </message>
    <message>
        <source>Auto-mute during calls (microphone in use)</source>
        <translation>통화 중 자동 음소거(마이크 사용 중)</translation>
    </message>
    <message>
        <source>Launch Tocko at login</source>
        <translation>로그인 시 Tocko 실행</translation>
    </message>
    <message>
        <source>Sound on key release</source>
        <translation>키를 뗄 때 소리</translation>
    </message>
    <message>
        <source>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</source>
        <translation>타이핑 사운드가 꺼져 있습니다. 시스템 트레이의 Tocko 아이콘을 클릭해 켜세요.</translation>
    </message>
    <message>
        <source>Mouse clicks</source>
        <translation>마우스 클릭</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>사운드</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끔</translation>
    </message>
    <message>
        <source>Same as keyboard</source>
        <translation>키보드와 동일</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>이 데스크톱에서는 사용할 수 없음</translation>
    </message>
    <message>
        <source>needs the Tocko GNOME Shell extension</source>
        <translation>Tocko GNOME Shell 확장이 필요함</translation>
    </message>
    <message>
        <source>Enable GNOME Shell Extension</source>
        <translation>GNOME Shell 확장 켜기</translation>
    </message>
    <message>
        <source>Current app</source>
        <translation>현재 앱</translation>
    </message>
    <message>
        <source>App ID</source>
        <translation>앱 ID</translation>
    </message>
    <message>
        <source>Microphone in use</source>
        <translation>마이크 사용 중</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Effective</source>
        <translation>적용 중</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>무음</translation>
    </message>
    <message>
        <source>Default profile</source>
        <translation>기본 프로필</translation>
    </message>
    <message>
        <source>Per-app rules</source>
        <translation>앱별 규칙</translation>
    </message>
    <message>
        <source>No rules yet — add one below.</source>
        <translation>아직 규칙이 없습니다 — 아래에서 추가하세요.</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>규칙 추가</translation>
    </message>
    <message>
        <source>Running app</source>
        <translation>실행 중인 앱</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>선택…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>…or an app id (org.example.App)</source>
        <translation>…또는 앱 ID(org.example.App)</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Uninstall Tocko…</source>
        <translation>Tocko 제거…</translation>
    </message>
    <message>
        <source>Removes Tocko and everything it stored on this computer.</source>
        <translation>Tocko와 이 컴퓨터에 저장한 모든 항목을 제거합니다.</translation>
    </message>
    <message>
        <source>Sound pack</source>
        <translation>사운드 팩</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>음량</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>미리 듣기</translation>
    </message>
    <message>
        <source>Uninstall Tocko?</source>
        <translation>Tocko를 제거하겠습니까?</translation>
    </message>
    <message>
        <source>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</source>
        <translation>제거하면 Tocko가 더 이상 로그인 시 열리지 않고, 설정과 사운드 프로필이 이 컴퓨터에서 삭제되며, Tocko가 휴지통으로 이동됩니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Tocko has been moved to the Trash.</source>
        <translation>Tocko가 휴지통으로 이동되었습니다.</translation>
    </message>
    <message>
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</source>
        <translation>Tocko의 설정은 제거되었지만 앱이 스스로 휴지통으로 이동하지 못했습니다. 설치에 사용한 패키지 관리자로 제거하세요.</translation>
    </message>
    <message>
        <source>One last step: the input access given to Tocko stays until you take it back with this command:</source>
        <translation>마지막 단계: Tocko에 준 입력 접근 권한은 다음 명령으로 취소할 때까지 남아 있습니다:</translation>
    </message>
    <message>
        <source>Grant access…</source>
        <translation>접근 허용…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>최신 버전입니다!</translation>
    </message>
    <message>
        <source>Tocko %1 is currently the newest version available.</source>
        <translation>Tocko %1은(는) 현재 사용 가능한 최신 버전입니다.</translation>
    </message>
    <message>
        <source>A new version of Tocko is available!</source>
        <translation>Tocko의 새 버전을 사용할 수 있습니다!</translation>
    </message>
    <message>
        <source>Tocko %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Tocko %1을(를) 사용할 수 있습니다 — 현재 버전은 %2입니다. 지금 다운로드하겠습니까?</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>나중에 알림</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>업데이트 오류!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <translation>업데이트 정보를 가져오는 중 오류가 발생했습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Let’s set it up</source>
        <translation>설정해 봅시다</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Skip for now</source>
        <translation>지금은 건너뛰기</translation>
    </message>
    <message>
        <source>Start tocking</source>
        <translation>타이핑 시작</translation>
    </message>
    <message>
        <source>Welcome to Tocko</source>
        <translation>Tocko에 오신 것을 환영합니다</translation>
    </message>
    <message>
        <source>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</source>
        <translation>키보드가 훨씬 더 만족스러워질 거예요. Tocko는 모든 앱에서 타이핑할 때마다 실제 키 사운드를 재생합니다. 설정은 길어야 2분이면 끝납니다.</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>언어 선택</translation>
    </message>
    <message>
        <source>One quick setting</source>
        <translation>간단한 설정 하나</translation>
    </message>
    <message>
        <source>Turn on typing feedback</source>
        <translation>타이핑 사운드 켜기</translation>
    </message>
    <message>
        <source>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko는 모든 앱에서 누르는 키마다 사운드를 재생합니다. 이를 위해 Linux가 Tocko에 키보드와 마우스 장치를 읽도록 허용해야 합니다. Tocko는 물리적인 키 코드만 사용하며 입력한 내용을 절대 기록하지 않습니다.</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</source>
        <translation>허용하지 않으면 Tocko는 조용히 있습니다. 접근 권한은 udev 규칙이나 input 그룹으로 주어지며, 언제든지 취소할 수 있습니다.</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>타이핑 사운드가 켜져 있습니다. 타이핑해 보세요.</translation>
    </message>
    <message>
        <source>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</source>
        <translation>X11 창만 들립니다. Wayland에서는 모든 앱을 들으려면 Tocko에 키보드 장치 접근 권한이 필요합니다.</translation>
    </message>
    <message>
        <source>28 packs · 5 styles</source>
        <translation>28개 팩 · 5가지 스타일</translation>
    </message>
    <message>
        <source>Pick your sound</source>
        <translation>사운드 고르기</translation>
    </message>
    <message>
        <source>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</source>
        <translation>이 사운드가 기본 사운드가 됩니다. 결정이 어렵나요? Tocko 메뉴에서 언제든지 바꾸거나 앱마다 다른 사운드를 지정하세요.</translation>
    </message>
    <message>
        <source>Type something. Anything. Go on…</source>
        <translation>아무거나 입력해 보세요. 정말 아무거나요. 어서요…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Code editor</source>
        <translation>코드 편집기</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>스프레드시트</translation>
    </message>
    <message>
        <source>Tips · 1 of 2</source>
        <translation>팁 · 1/2</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>나만의 설정</translation>
    </message>
    <message>
        <source>A sound for every app</source>
        <translation>앱마다 다른 사운드</translation>
    </message>
    <message>
        <source>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</source>
        <translation>이메일에는 부드러운 키, 코드에는 경쾌한 클릭, 스프레드시트에는 침묵을. 스프레드시트는 이미 충분히 고생했으니까요. 설정에서 규칙을 추가하면 앱을 오갈 때마다 Tocko가 사운드를 바꿉니다.</translation>
    </message>
    <message>
        <source>Clicks can tock too</source>
        <translation>클릭도 톡톡</translation>
    </message>
    <message>
        <source>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</source>
        <translation>마우스 클릭은 기본적으로 키보드 사운드를 빌려 씁니다. 설정에서 전용 팩을 지정하거나 완전히 끄세요.</translation>
    </message>
    <message>
        <source>Muted until the call ends</source>
        <translation>통화가 끝날 때까지 음소거</translation>
    </message>
    <message>
        <source>It knows when to hush</source>
        <translation>조용히 할 때를 압니다</translation>
    </message>
    <message>
        <source>Quiet on calls</source>
        <translation>통화 중에는 조용히</translation>
    </message>
    <message>
        <source>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Zoom, Meet 또는 Jitsi 때문에 마이크가 켜져 있나요? Tocko가 조용해지니 상대에 대한 메모를 입력하는 소리를 아무도 듣지 못합니다. 통화가 끝나면 다시 돌아옵니다.</translation>
    </message>
    <message>
        <source>Mute for 10 minutes</source>
        <translation>10분 동안 음소거</translation>
    </message>
    <message>
        <source>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</source>
        <translation>잠시 조용히 하고 싶나요? 메뉴에서 Tocko를 음소거하세요. 고양이처럼 알아서 돌아옵니다.</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>모든 준비 완료</translation>
    </message>
    <message>
        <source>Tocko lives in your system tray</source>
        <translation>Tocko는 시스템 트레이에 삽니다</translation>
    </message>
    <message>
        <source>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>데스크톱 패널의 트레이 아이콘 중에서 K를 찾으세요. 그곳이 Tocko가 사는 곳입니다. 투어를 다시 보고 싶나요? 설정에 있습니다.</translation>
    </message>
    <message>
        <source>Tocko keeps running in the background</source>
        <translation>Tocko는 백그라운드에서 계속 실행됩니다</translation>
    </message>
    <message>
        <source>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</source>
        <translation>데스크톱에 트레이 아이콘이 표시되지 않아 Tocko의 빠른 제어가 별도의 창으로 열립니다. 다시 열려면 앱 그리드에서 Tocko를 여세요. 투어를 다시 보고 싶나요? 설정에 있습니다.</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>로그인 시 시작</translation>
    </message>
    <message>
        <source>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</source>
        <translation>이 옵션을 켜면 로그인할 때마다 첫 커피보다 먼저 Tocko가 준비됩니다. 설정에서 언제든지 변경하세요.</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>로그인 시 열기</translation>
    </message>
    <message>
        <source>Input devices › Keyboards and mice</source>
        <translation>입력 장치 › 키보드 및 마우스</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>모든 앱에서 키 사운드 허용</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Access granted. Log out and back in so that Tocko hears every app.</source>
        <translation>접근이 허용되었습니다. Tocko가 모든 앱을 들을 수 있도록 로그아웃했다가 다시 로그인하세요.</translation>
    </message>
    <message>
        <source>Access was not granted.</source>
        <translation>접근이 허용되지 않았습니다.</translation>
    </message>
    <message>
        <source>No administrator prompt (pkexec) is available on this system.</source>
        <translation>이 시스템에는 관리자 확인 창(pkexec)이 없습니다.</translation>
    </message>
    <message>
        <source>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</source>
        <translation>Tocko는 키가 눌리는 것을 보면 클릭 소리를 냅니다. Linux에서는 input 그룹만 읽을 수 있는 /dev/input의 키보드와 마우스 장치에서, 또는 X11 세션에서는 X 서버에서 이를 알아냅니다.</translation>
    </message>
    <message>
        <source>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</source>
        <translation>‘접근 허용…’은 관리자 암호를 요청한 다음, 이 컴퓨터 앞에 앉은 사람이 키보드와 마우스를 읽을 수 있게 하는 udev 규칙을 추가합니다. systemd-logind가 없으면 대신 사용자를 input 그룹에 추가하므로, 그 후 로그아웃했다가 다시 로그인하세요.</translation>
    </message>
    <message>
        <source>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</source>
        <translation>그러면 실행하는 다른 프로그램도 키보드를 읽을 수 있습니다. Tocko는 키가 눌렸다는 사실만 기록하며, 입력한 내용을 저장하거나 보내지 않습니다.</translation>
    </message>
    <message>
        <source>To do it yourself, run:</source>
        <translation>직접 하려면 다음을 실행하세요:</translation>
    </message>
    <message>
        <source>config.json is not a valid JSON object</source>
        <translation>config.json이 올바른 JSON 개체가 아닙니다</translation>
    </message>
    <message>
        <source>config.json gives the pack no name</source>
        <translation>config.json에 팩 이름이 없습니다</translation>
    </message>
    <message>
        <source>config.json uses a key layout Tocko does not know (%1)</source>
        <translation>config.json이 Tocko가 모르는 키 배치를 사용합니다(%1)</translation>
    </message>
    <message>
        <source>config.json names no sound file to cut the keys' sounds from</source>
        <translation>config.json에 키 소리를 잘라 낼 사운드 파일이 지정되지 않았습니다</translation>
    </message>
    <message>
        <source>config.json defines too many keys</source>
        <translation>config.json에 정의된 키가 너무 많습니다</translation>
    </message>
    <message>
        <source>config.json: key %1 has no valid [start, length] slice</source>
        <translation>config.json: 키 %1에 올바른 [시작, 길이] 구간이 없습니다</translation>
    </message>
    <message>
        <source>config.json: key %1 names no sound file</source>
        <translation>config.json: 키 %1에 사운드 파일이 지정되지 않았습니다</translation>
    </message>
    <message>
        <source>config.json: the sound of key %1 is written in a form Tocko cannot read</source>
        <translation>config.json: 키 %1의 소리가 Tocko가 읽을 수 없는 형식으로 적혀 있습니다</translation>
    </message>
    <message>
        <source>config.json: %1 has a sound but is not a key code</source>
        <translation>config.json: %1에 소리가 있지만 키 코드가 아닙니다</translation>
    </message>
    <message>
        <source>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</source>
        <translation>config.json: %1은(는) Tocko가 쓸 수 없는 설정이라 그 소리가 사라집니다</translation>
    </message>
    <message>
        <source>config.json has no key definitions</source>
        <translation>config.json에 키 정의가 없습니다</translation>
    </message>
    <message>
        <source>config.json defines no sound for a key Tocko can play</source>
        <translation>config.json에 Tocko가 재생할 수 있는 키의 소리가 정의되어 있지 않습니다</translation>
    </message>
    <message>
        <source>config.json cannot be read</source>
        <translation>config.json을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1이(가) 없습니다</translation>
    </message>
    <message>
        <source>%1 is not a regular file; links and special files are not accepted</source>
        <translation>%1은(는) 일반 파일이 아닙니다. 링크와 특수 파일은 받지 않습니다</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1이(가) 너무 큽니다</translation>
    </message>
    <message>
        <source>The pack names a sound file outside its folder (%1)</source>
        <translation>팩이 폴더 밖의 사운드 파일을 가리킵니다(%1)</translation>
    </message>
    <message>
        <source>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</source>
        <translation>%1은(는) 지원하지 않는 사운드 파일입니다(WAV, OGG, FLAC 또는 MP3)</translation>
    </message>
    <message>
        <source>%1 holds no audio</source>
        <translation>%1에 오디오가 없습니다</translation>
    </message>
    <message>
        <source>A key's slice lies outside %1</source>
        <translation>어떤 키의 구간이 %1 범위를 벗어납니다</translation>
    </message>
    <message>
        <source>%1 is not a readable .zip file</source>
        <translation>%1은(는) 읽을 수 있는 .zip 파일이 아닙니다</translation>
    </message>
    <message>
        <source>The .zip file is damaged</source>
        <translation>.zip 파일이 손상되었습니다</translation>
    </message>
    <message>
        <source>The .zip file holds too many files</source>
        <translation>.zip 파일에 파일이 너무 많습니다</translation>
    </message>
    <message>
        <source>The .zip file contains a link (%1); links are not accepted</source>
        <translation>.zip 파일에 링크(%1)가 있습니다. 링크는 받지 않습니다</translation>
    </message>
    <message>
        <source>The .zip file contains an unsafe path (%1)</source>
        <translation>.zip 파일에 안전하지 않은 경로(%1)가 있습니다</translation>
    </message>
    <message>
        <source>The .zip file contains a special file (%1)</source>
        <translation>.zip 파일에 특수 파일(%1)이 있습니다</translation>
    </message>
    <message>
        <source>The .zip file holds %1 twice</source>
        <translation>.zip 파일에 %1이(가) 두 번 들어 있습니다</translation>
    </message>
    <message>
        <source>The .zip file unpacks to more than a sound pack can hold</source>
        <translation>.zip 파일을 풀면 사운드 팩이 담을 수 있는 크기를 넘습니다</translation>
    </message>
    <message>
        <source>Could not unpack the .zip file; is the disk full?</source>
        <translation>.zip 파일을 풀 수 없습니다. 디스크가 가득 찼나요?</translation>
    </message>
    <message>
        <source>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</source>
        <translation>폴더에 config.json도, WAV, OGG, FLAC 또는 MP3 파일도 없습니다</translation>
    </message>
    <message>
        <source>The folder holds release sounds but no press sound</source>
        <translation>폴더에 뗌 소리는 있지만 누름 소리가 없습니다</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1이(가) 존재하지 않습니다</translation>
    </message>
    <message>
        <source>Choose a pack folder or a .zip file</source>
        <translation>팩 폴더나 .zip 파일을 선택하세요</translation>
    </message>
    <message>
        <source>The pack's decoded audio is larger than %1 MB</source>
        <translation>팩의 디코딩된 오디오가 %1MB보다 큽니다</translation>
    </message>
    <message>
        <source>Could not resample the pack's sounds</source>
        <translation>팩의 소리를 리샘플링할 수 없습니다</translation>
    </message>
    <message>
        <source>Too many packs share the name %1</source>
        <translation>%1(이)라는 이름의 팩이 너무 많습니다</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>%1에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>Could not store the pack; is the disk full?</source>
        <translation>팩을 저장할 수 없습니다. 디스크가 가득 찼나요?</translation>
    </message>
    <message>
        <source>Could not replace the installed pack %1</source>
        <translation>설치된 팩 %1을(를) 바꿀 수 없습니다</translation>
    </message>
    <message>
        <source>%1 is not an imported pack</source>
        <translation>%1은(는) 가져온 팩이 아닙니다</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1이(가) 설치되어 있지 않습니다</translation>
    </message>
    <message>
        <source>Could not remove %1</source>
        <translation>%1을(를) 제거할 수 없습니다</translation>
    </message>
    <message>
        <source>The stored pack %1 is damaged; import it again</source>
        <translation>저장된 팩 %1이(가) 손상되었습니다. 다시 가져오세요</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>%1을(를) 가져올 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot;</source>
        <translation>&quot;%1&quot; 가져옴</translation>
    </message>
    <message>
        <source>My Packs</source>
        <translation>내 팩</translation>
    </message>
    <message>
        <source>Import Pack…</source>
        <translation>팩 가져오기…</translation>
    </message>
    <message>
        <source>Importing… %1%</source>
        <translation>가져오는 중… %1%</translation>
    </message>
    <message>
        <source>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</source>
        <translation>config.json이 있는 폴더나 .zip, 또는 누름·뗌 소리가 담긴 폴더. 이 창에 끌어다 놓아도 됩니다.</translation>
    </message>
</context>
</TS>
