<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Tocko</name>
    <message>
        <source>Tocko</source>
        <translation>Tocko</translation>
    </message>
    <message>
        <source>Tocko is not installed — it runs from this folder, and the login item would start it from here.</source>
        <translation>Tocko 尚未安装 — 它正从此文件夹运行，登录项也会从这里启动它。</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</source>
        <translation>未找到系统托盘，因此 Tocko 在单独的窗口中打开了它的快捷控制。Tocko 仍在运行：从应用网格再次打开它，或在那里它的菜单中选择“Quick Controls”，即可回到这里。要在 GNOME 的顶栏中显示它的图标，请安装并启用 AppIndicator 扩展（软件包 gnome-shell-extension-appindicator，或 extensions.gnome.org 上的“AppIndicator and KStatusNotifierItem Support”），然后注销并重新登录。</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <translation>%1 的音效</translation>
    </message>
    <message>
        <source>Default Sound</source>
        <translation>默认音效</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>机械</translation>
    </message>
    <message>
        <source>ASMR</source>
        <translation>ASMR</translation>
    </message>
    <message>
        <source>Vintage</source>
        <translation>复古</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>清脆</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>趣味</translation>
    </message>
    <message>
        <source>Enable clicks</source>
        <translation>启用按键音</translation>
    </message>
    <message>
        <source>%1 · muted (call)</source>
        <translation>%1 · 已静音（通话）</translation>
    </message>
    <message>
        <source>%1 · silent</source>
        <translation>%1 · 无声</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>输出：%1</translation>
    </message>
    <message>
        <source>Typing feedback: On</source>
        <translation>打字音效：开</translation>
    </message>
    <message>
        <source>Typing feedback needs permission</source>
        <translation>打字音效需要权限</translation>
    </message>
    <message>
        <source>Turn On Typing Feedback…</source>
        <translation>打开打字音效…</translation>
    </message>
    <message>
        <source>Quit and reopen Tocko to activate sounds.</source>
        <translation>请退出并重新打开 Tocko 以激活音效。</translation>
    </message>
    <message>
        <source>Relaunch</source>
        <translation>重新启动</translation>
    </message>
    <message>
        <source>an app</source>
        <translation>某个应用</translation>
    </message>
    <message>
        <source>Keyboard sounds are paused — %1 is asking for a password.</source>
        <translation>键盘音效已暂停 — %1 正在请求密码。</translation>
    </message>
    <message>
        <source>Quit %1 or click outside its password field. Mouse clicks still work.</source>
        <translation>请退出 %1，或点按其密码栏以外的位置。鼠标点按音效仍然有效。</translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation>测试音效</translation>
    </message>
    <message>
        <source>Muted —</source>
        <translation>已静音 —</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>取消静音</translation>
    </message>
    <message>
        <source>Mute for 10 min</source>
        <translation>静音 10 分钟</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>拷贝诊断信息</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>检查更新…</translation>
    </message>
    <message>
        <source>Quit Tocko</source>
        <translation>退出 Tocko</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>系统默认（%1）</translation>
    </message>
    <message>
        <source>Show welcome tour</source>
        <translation>显示欢迎导览</translation>
    </message>
    <message>
        <source>General</source>
        <translation>通用</translation>
    </message>
    <message>
        <source>Enable Tocko</source>
        <translation>启用 Tocko</translation>
    </message>
    <message>
        <source>Auto-mute during calls (microphone in use)</source>
        <translation>通话时自动静音（麦克风使用中）</translation>
    </message>
    <message>
        <source>Launch Tocko at login</source>
        <translation>登录时启动 Tocko</translation>
    </message>
    <message>
        <source>Sound on key release</source>
        <translation>松开按键时的声音</translation>
    </message>
    <message>
        <source>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</source>
        <translation>打字音效已关闭。点击系统托盘中的 Tocko 图标即可开启。</translation>
    </message>
    <message>
        <source>Mouse clicks</source>
        <translation>鼠标点按</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>音效</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Same as keyboard</source>
        <translation>与键盘相同</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>此桌面不支持</translation>
    </message>
    <message>
        <source>needs the Tocko GNOME Shell extension</source>
        <translation>需要 Tocko 的 GNOME Shell 扩展</translation>
    </message>
    <message>
        <source>Enable GNOME Shell Extension</source>
        <translation>启用 GNOME Shell 扩展</translation>
    </message>
    <message>
        <source>Current app</source>
        <translation>当前应用</translation>
    </message>
    <message>
        <source>App ID</source>
        <translation>应用 ID</translation>
    </message>
    <message>
        <source>Microphone in use</source>
        <translation>麦克风使用中</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Effective</source>
        <translation>当前生效</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>无声</translation>
    </message>
    <message>
        <source>Default profile</source>
        <translation>默认配置</translation>
    </message>
    <message>
        <source>Per-app rules</source>
        <translation>按应用规则</translation>
    </message>
    <message>
        <source>No rules yet — add one below.</source>
        <translation>尚无规则 — 请在下方添加。</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>添加规则</translation>
    </message>
    <message>
        <source>Running app</source>
        <translation>正在运行的应用</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>选择…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>…or an app id (org.example.App)</source>
        <translation>…或应用 ID（org.example.App）</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>卸载</translation>
    </message>
    <message>
        <source>Uninstall Tocko…</source>
        <translation>卸载 Tocko…</translation>
    </message>
    <message>
        <source>Removes Tocko and everything it stored on this computer.</source>
        <translation>移除 Tocko 及其在这台电脑上存储的所有内容。</translation>
    </message>
    <message>
        <source>Sound pack</source>
        <translation>音效包</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>试听</translation>
    </message>
    <message>
        <source>Uninstall Tocko?</source>
        <translation>要卸载 Tocko 吗？</translation>
    </message>
    <message>
        <source>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</source>
        <translation>卸载后，Tocko 将不再在登录时打开，其设置和音效配置将从这台电脑上删除，Tocko 也会被移到废纸篓。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Tocko has been moved to the Trash.</source>
        <translation>Tocko 已移到废纸篓。</translation>
    </message>
    <message>
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</source>
        <translation>Tocko 的设置已移除，但应用无法将自身移到废纸篓。请用安装它的软件包管理器移除它。</translation>
    </message>
    <message>
        <source>One last step: the input access given to Tocko stays until you take it back with this command:</source>
        <translation>最后一步：授予 Tocko 的输入访问权限会一直保留，直到你用以下命令将其撤销：</translation>
    </message>
    <message>
        <source>Grant access…</source>
        <translation>授予访问权限…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>已是最新版本！</translation>
    </message>
    <message>
        <source>Tocko %1 is currently the newest version available.</source>
        <translation>Tocko %1 是目前可用的最新版本。</translation>
    </message>
    <message>
        <source>A new version of Tocko is available!</source>
        <translation>Tocko 有新版本可用！</translation>
    </message>
    <message>
        <source>Tocko %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Tocko %1 现已推出 — 你的版本是 %2。要现在下载吗？</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>稍后提醒我</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>更新出错！</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <translation>获取更新信息时出错。请稍后再试。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>好</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Let’s set it up</source>
        <translation>开始设置</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Skip for now</source>
        <translation>暂时跳过</translation>
    </message>
    <message>
        <source>Start tocking</source>
        <translation>开始敲击</translation>
    </message>
    <message>
        <source>Welcome to Tocko</source>
        <translation>欢迎使用 Tocko</translation>
    </message>
    <message>
        <source>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</source>
        <translation>你的键盘即将变得更加悦耳。无论在哪个应用中，你每次打字时 Tocko 都会播放真实的按键声。设置最多只需两分钟。</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>选择你的语言</translation>
    </message>
    <message>
        <source>One quick setting</source>
        <translation>一项快速设置</translation>
    </message>
    <message>
        <source>Turn on typing feedback</source>
        <translation>打开打字音效</translation>
    </message>
    <message>
        <source>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</source>
        <translation>在任何应用中，你每按一个键，Tocko 都会播放一个声音。为此，Linux 需要允许 Tocko 读取你的键盘和鼠标设备。Tocko 只使用物理按键码，绝不会记录你输入的内容。</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</source>
        <translation>没有这项权限，Tocko 将保持安静。访问权限来自一条 udev 规则或 input 组，你可以随时撤销。</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>打字音效已开启。试着打几个字吧。</translation>
    </message>
    <message>
        <source>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</source>
        <translation>只能听到 X11 窗口。在 Wayland 上，Tocko 需要访问键盘设备才能听到所有应用。</translation>
    </message>
    <message>
        <source>28 packs · 5 styles</source>
        <translation>28 个音效包 · 5 种风格</translation>
    </message>
    <message>
        <source>Pick your sound</source>
        <translation>挑选你的音效</translation>
    </message>
    <message>
        <source>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</source>
        <translation>这将成为你的默认音效。选择困难？随时可在 Tocko 菜单中切换，或为每个应用单独设定。</translation>
    </message>
    <message>
        <source>Type something. Anything. Go on…</source>
        <translation>输入点什么吧。什么都行。来吧…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>邮件</translation>
    </message>
    <message>
        <source>Code editor</source>
        <translation>代码编辑器</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>电子表格</translation>
    </message>
    <message>
        <source>Tips · 1 of 2</source>
        <translation>提示 · 1/2</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>随心定制</translation>
    </message>
    <message>
        <source>A sound for every app</source>
        <translation>每个应用一种音效</translation>
    </message>
    <message>
        <source>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</source>
        <translation>写邮件用柔和的按键，写代码用响亮的咔嗒声，电子表格就保持安静。它们已经受够了。在“设置”中添加规则，你在应用间切换时 Tocko 就会随之切换音效。</translation>
    </message>
    <message>
        <source>Clicks can tock too</source>
        <translation>点按也能发声</translation>
    </message>
    <message>
        <source>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</source>
        <translation>默认情况下，鼠标点按借用键盘音效。你可以在“设置”中为它们指定专属音效包，或将其完全关闭。</translation>
    </message>
    <message>
        <source>Muted until the call ends</source>
        <translation>静音至通话结束</translation>
    </message>
    <message>
        <source>It knows when to hush</source>
        <translation>它知道何时该安静</translation>
    </message>
    <message>
        <source>Quiet on calls</source>
        <translation>通话时保持安静</translation>
    </message>
    <message>
        <source>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>为 Zoom、Meet 或 Jitsi 打开了麦克风？Tocko 会自动静音，没人会听到你在打关于他们的笔记。通话结束后它就会回来。</translation>
    </message>
    <message>
        <source>Mute for 10 minutes</source>
        <translation>静音 10 分钟</translation>
    </message>
    <message>
        <source>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</source>
        <translation>需要片刻安静？从菜单中将 Tocko 静音。它会自己回来，就像一只猫。</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>一切就绪</translation>
    </message>
    <message>
        <source>Tocko lives in your system tray</source>
        <translation>Tocko 住在你的系统托盘里</translation>
    </message>
    <message>
        <source>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>在桌面面板的托盘图标中找找那个 K。那就是 Tocko 的家。想再看一遍导览？它就在“设置”里。</translation>
    </message>
    <message>
        <source>Tocko keeps running in the background</source>
        <translation>Tocko 在后台继续运行</translation>
    </message>
    <message>
        <source>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</source>
        <translation>你的桌面不显示托盘图标，因此 Tocko 的快捷控制会在单独的窗口中打开。从应用网格打开 Tocko 即可让它们重新出现。想再看一遍导览？它就在“设置”里。</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</source>
        <translation>打开此项后，每次登录时，Tocko 都会在你喝第一杯咖啡之前准备就绪。可随时在“设置”中更改。</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>登录时打开</translation>
    </message>
    <message>
        <source>Input devices › Keyboards and mice</source>
        <translation>输入设备 › 键盘和鼠标</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>允许在所有应用中播放按键音</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Access granted. Log out and back in so that Tocko hears every app.</source>
        <translation>已授予访问权限。请注销并重新登录，让 Tocko 能听到所有应用。</translation>
    </message>
    <message>
        <source>Access was not granted.</source>
        <translation>未授予访问权限。</translation>
    </message>
    <message>
        <source>No administrator prompt (pkexec) is available on this system.</source>
        <translation>此系统没有管理员授权提示（pkexec）。</translation>
    </message>
    <message>
        <source>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</source>
        <translation>Tocko 看到按键被按下时就会播放咔嗒声。在 Linux 上，它从 /dev/input 中的键盘和鼠标设备（只有 input 组可以读取）得知这一点，或者在 X11 会话中从 X 服务器得知。</translation>
    </message>
    <message>
        <source>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</source>
        <translation>“授予访问权限…”会请求管理员密码，然后添加一条 udev 规则，让坐在这台电脑前的人可以读取键盘和鼠标。如果没有 systemd-logind，它会改为把你加入 input 组；之后请注销并重新登录。</translation>
    </message>
    <message>
        <source>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</source>
        <translation>之后你运行的其他程序也能读取键盘。Tocko 只记录有键被按下；它从不记录或发送你输入的内容。</translation>
    </message>
    <message>
        <source>To do it yourself, run:</source>
        <translation>如需自己操作，请运行：</translation>
    </message>
    <message>
        <source>config.json is not a valid JSON object</source>
        <translation>config.json 不是有效的 JSON 对象</translation>
    </message>
    <message>
        <source>config.json gives the pack no name</source>
        <translation>config.json 没有为音效包命名</translation>
    </message>
    <message>
        <source>config.json uses a key layout Tocko does not know (%1)</source>
        <translation>config.json 使用了 Tocko 不认识的按键布局（%1）</translation>
    </message>
    <message>
        <source>config.json names no sound file to cut the keys' sounds from</source>
        <translation>config.json 没有指定用于切分按键音效的声音文件</translation>
    </message>
    <message>
        <source>config.json defines too many keys</source>
        <translation>config.json 定义的按键过多</translation>
    </message>
    <message>
        <source>config.json: key %1 has no valid [start, length] slice</source>
        <translation>config.json：按键 %1 没有有效的 [起点, 长度] 片段</translation>
    </message>
    <message>
        <source>config.json: key %1 names no sound file</source>
        <translation>config.json：按键 %1 没有指定声音文件</translation>
    </message>
    <message>
        <source>config.json: the sound of key %1 is written in a form Tocko cannot read</source>
        <translation>config.json：按键 %1 的音效写法 Tocko 无法读取</translation>
    </message>
    <message>
        <source>config.json: %1 has a sound but is not a key code</source>
        <translation>config.json：%1 带有音效，但不是按键代码</translation>
    </message>
    <message>
        <source>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</source>
        <translation>config.json：%1 是 Tocko 无法使用的设置，其音效将会丢失</translation>
    </message>
    <message>
        <source>config.json has no key definitions</source>
        <translation>config.json 没有按键定义</translation>
    </message>
    <message>
        <source>config.json defines no sound for a key Tocko can play</source>
        <translation>config.json 没有为 Tocko 能播放的任何按键定义音效</translation>
    </message>
    <message>
        <source>config.json cannot be read</source>
        <translation>无法读取 config.json</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>%1 is not a regular file; links and special files are not accepted</source>
        <translation>%1 不是普通文件；不接受链接和特殊文件</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 太大</translation>
    </message>
    <message>
        <source>The pack names a sound file outside its folder (%1)</source>
        <translation>音效包指定了其文件夹之外的声音文件（%1）</translation>
    </message>
    <message>
        <source>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</source>
        <translation>%1 不是受支持的声音文件（WAV、OGG、FLAC 或 MP3）</translation>
    </message>
    <message>
        <source>%1 holds no audio</source>
        <translation>%1 不含音频</translation>
    </message>
    <message>
        <source>A key's slice lies outside %1</source>
        <translation>某个按键的片段超出了 %1</translation>
    </message>
    <message>
        <source>%1 is not a readable .zip file</source>
        <translation>%1 不是可读取的 .zip 文件</translation>
    </message>
    <message>
        <source>The .zip file is damaged</source>
        <translation>.zip 文件已损坏</translation>
    </message>
    <message>
        <source>The .zip file holds too many files</source>
        <translation>.zip 文件包含的文件过多</translation>
    </message>
    <message>
        <source>The .zip file contains a link (%1); links are not accepted</source>
        <translation>.zip 文件包含链接（%1）；不接受链接</translation>
    </message>
    <message>
        <source>The .zip file contains an unsafe path (%1)</source>
        <translation>.zip 文件包含不安全的路径（%1）</translation>
    </message>
    <message>
        <source>The .zip file contains a special file (%1)</source>
        <translation>.zip 文件包含特殊文件（%1）</translation>
    </message>
    <message>
        <source>The .zip file holds %1 twice</source>
        <translation>.zip 文件中 %1 出现了两次</translation>
    </message>
    <message>
        <source>The .zip file unpacks to more than a sound pack can hold</source>
        <translation>.zip 文件解压后超出了音效包能容纳的大小</translation>
    </message>
    <message>
        <source>Could not unpack the .zip file; is the disk full?</source>
        <translation>无法解压 .zip 文件；磁盘是否已满？</translation>
    </message>
    <message>
        <source>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</source>
        <translation>文件夹中既没有 config.json，也没有 WAV、OGG、FLAC 或 MP3 文件</translation>
    </message>
    <message>
        <source>The folder holds release sounds but no press sound</source>
        <translation>文件夹中有松开音效，但没有按下音效</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 不存在</translation>
    </message>
    <message>
        <source>Choose a pack folder or a .zip file</source>
        <translation>请选择音效包文件夹或 .zip 文件</translation>
    </message>
    <message>
        <source>The pack's decoded audio is larger than %1 MB</source>
        <translation>音效包解码后的音频超过 %1 MB</translation>
    </message>
    <message>
        <source>Could not resample the pack's sounds</source>
        <translation>无法对音效包的声音重新采样</translation>
    </message>
    <message>
        <source>Too many packs share the name %1</source>
        <translation>名为 %1 的音效包过多</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>Could not store the pack; is the disk full?</source>
        <translation>无法保存音效包；磁盘是否已满？</translation>
    </message>
    <message>
        <source>Could not replace the installed pack %1</source>
        <translation>无法替换已安装的音效包 %1</translation>
    </message>
    <message>
        <source>%1 is not an imported pack</source>
        <translation>%1 不是导入的音效包</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 未安装</translation>
    </message>
    <message>
        <source>Could not remove %1</source>
        <translation>无法移除 %1</translation>
    </message>
    <message>
        <source>The stored pack %1 is damaged; import it again</source>
        <translation>已保存的音效包 %1 已损坏；请重新导入</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>无法导入 %1：%2</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot;</source>
        <translation>已导入“%1”</translation>
    </message>
    <message>
        <source>My Packs</source>
        <translation>我的音效包</translation>
    </message>
    <message>
        <source>Import Pack…</source>
        <translation>导入音效包…</translation>
    </message>
    <message>
        <source>Importing… %1%</source>
        <translation>正在导入… %1%</translation>
    </message>
    <message>
        <source>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</source>
        <translation>包含 config.json 的文件夹或 .zip，或包含按下与松开音效的文件夹。也可以将其拖放到此窗口。</translation>
    </message>
</context>
</TS>
