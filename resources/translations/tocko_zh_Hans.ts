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
        <source>Move Tocko to your Applications folder — keyboard sounds won&apos;t work reliably from here.</source>
        <translation>请将 Tocko 移到“应用程序”文件夹 — 从这里运行时，键盘音效无法可靠工作。</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>在访达中显示</translation>
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
        <source>Keyboard sounds are paused — %1 is blocking keyboard monitoring (Secure Input).</source>
        <translation>键盘音效已暂停 — %1 正在阻止键盘监控（安全输入）。</translation>
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
        <source>Typing feedback is off. Open the menu-bar icon to turn it on.</source>
        <translation>打字音效已关闭。打开菜单栏图标即可开启。</translation>
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
        <source>Current app</source>
        <translation>当前应用</translation>
    </message>
    <message>
        <source>Bundle ID</source>
        <translation>Bundle ID</translation>
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
        <source>…or a bundle id (com.example.app)</source>
        <translation>…或输入 Bundle ID（com.example.app）</translation>
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
        <source>Removes Tocko and everything it stored on this Mac.</source>
        <translation>移除 Tocko 及其在这台 Mac 上存储的所有内容。</translation>
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
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Drag Tocko from your Applications folder to the Trash.</source>
        <translation>Tocko 的设置已移除，但应用无法将自身移到废纸篓。请将 Tocko 从“应用程序”文件夹拖到废纸篓。</translation>
    </message>
    <message>
        <source>One last step: macOS keeps Tocko’s Input Monitoring permission until you remove it. In System Settings › Privacy &amp; Security › Input Monitoring, select Tocko and click the minus button.</source>
        <translation>最后一步：在你移除之前，macOS 会保留 Tocko 的输入监控权限。请在“系统设置 › 隐私与安全性 › 输入监控”中选择 Tocko，然后点按减号按钮。</translation>
    </message>
    <message>
        <source>Open Input Monitoring Settings</source>
        <translation>打开输入监控设置</translation>
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
        <source>Tocko plays a sound for each key you press, in every app. To do that, macOS asks you to allow Input Monitoring. Tocko uses physical key codes only and never records what you type.</source>
        <translation>在任何应用中，你每按一个键，Tocko 都会播放一个声音。为此，macOS 会请你允许输入监控。Tocko 只使用物理按键码，绝不会记录你输入的内容。</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. You can change this anytime in System Settings.</source>
        <translation>没有这项权限，Tocko 将保持安静。你可以随时在“系统设置”中更改。</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>打字音效已开启。试着打几个字吧。</translation>
    </message>
    <message>
        <source>Open System Settings</source>
        <translation>打开“系统设置”</translation>
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
        <source>Mic on for Zoom, Meet or FaceTime? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>为 Zoom、Meet 或 FaceTime 打开了麦克风？Tocko 会自动静音，没人会听到你在打关于他们的笔记。通话结束后它就会回来。</translation>
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
        <source>Tocko lives in your menu bar</source>
        <translation>Tocko 住在你的菜单栏里</translation>
    </message>
    <message>
        <source>Look for the K at the top of your screen. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>在屏幕顶部找找那个 K。那就是 Tocko 的家。想再看一遍导览？它就在“设置”里。</translation>
    </message>
    <message>
        <source>Start with your Mac</source>
        <translation>随 Mac 一同启动</translation>
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
        <source>Privacy &amp; Security › Input Monitoring</source>
        <translation>隐私与安全性 › 输入监控</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>允许在所有应用中播放按键音</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
</context>
</TS>
