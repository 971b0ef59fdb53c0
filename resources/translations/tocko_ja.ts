<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Tocko</name>
    <message>
        <source>Tocko</source>
        <translation>Tocko</translation>
    </message>
    <message>
        <source>Tocko is not installed — it runs from this folder, and the login item would start it from here.</source>
        <translation>Tocko はインストールされていません — このフォルダから実行されており、ログイン項目もここから起動することになります。</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダを開く</translation>
    </message>
    <message>
        <source>No system tray was found, so Tocko opened its quick controls in a window of their own. Tocko keeps running: open it again from the app grid, or choose Quick Controls in its menu there, to come back here. To get its icon in the top bar on GNOME, install and enable the AppIndicator extension (package gnome-shell-extension-appindicator, or "AppIndicator and KStatusNotifierItem Support" from extensions.gnome.org), then log out and in.</source>
        <translation>システムトレイが見つからなかったため、Tocko はクイックコントロールを専用のウインドウで開きました。Tocko は動作し続けています。ここに戻るには、アプリグリッドからもう一度開くか、そこで Tocko のメニューから「Quick Controls」を選んでください。GNOME のトップバーにアイコンを表示するには、AppIndicator 拡張機能（パッケージ gnome-shell-extension-appindicator、または extensions.gnome.org の「AppIndicator and KStatusNotifierItem Support」）をインストールして有効にし、ログアウトしてログインし直してください。</translation>
    </message>
    <message>
        <source>Sound for %1</source>
        <translation>%1 のサウンド</translation>
    </message>
    <message>
        <source>Default Sound</source>
        <translation>デフォルトのサウンド</translation>
    </message>
    <message>
        <source>Mechanical</source>
        <translation>メカニカル</translation>
    </message>
    <message>
        <source>ASMR</source>
        <translation>ASMR</translation>
    </message>
    <message>
        <source>Vintage</source>
        <translation>ヴィンテージ</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>シャープ</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>ファン</translation>
    </message>
    <message>
        <source>Enable clicks</source>
        <translation>クリック音を有効にする</translation>
    </message>
    <message>
        <source>%1 · muted (call)</source>
        <translation>%1 · 消音中（通話）</translation>
    </message>
    <message>
        <source>%1 · silent</source>
        <translation>%1 · 無音</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation>出力: %1</translation>
    </message>
    <message>
        <source>Typing feedback: On</source>
        <translation>タイピング音: オン</translation>
    </message>
    <message>
        <source>Typing feedback needs permission</source>
        <translation>タイピング音には許可が必要です</translation>
    </message>
    <message>
        <source>Turn On Typing Feedback…</source>
        <translation>タイピング音をオンにする…</translation>
    </message>
    <message>
        <source>Quit and reopen Tocko to activate sounds.</source>
        <translation>サウンドを有効にするには、Tocko を終了して再度開いてください。</translation>
    </message>
    <message>
        <source>Relaunch</source>
        <translation>再起動</translation>
    </message>
    <message>
        <source>an app</source>
        <translation>あるアプリ</translation>
    </message>
    <message>
        <source>Keyboard sounds are paused — %1 is asking for a password.</source>
        <translation>キーボードのサウンドは一時停止中です — %1 がパスワードを求めています。</translation>
    </message>
    <message>
        <source>Quit %1 or click outside its password field. Mouse clicks still work.</source>
        <translation>%1 を終了するか、そのパスワードフィールドの外をクリックしてください。マウスのクリック音は引き続き鳴ります。</translation>
    </message>
    <message>
        <source>Test Sound</source>
        <translation>サウンドをテスト</translation>
    </message>
    <message>
        <source>Muted —</source>
        <translation>消音中 —</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>消音を解除</translation>
    </message>
    <message>
        <source>Mute for 10 min</source>
        <translation>10分消音</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>診断情報をコピー</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>Quit Tocko</source>
        <translation>Tocko を終了</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>システムのデフォルト（%1）</translation>
    </message>
    <message>
        <source>Show welcome tour</source>
        <translation>ウェルカムツアーを表示</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Enable Tocko</source>
        <translation>Tocko を有効にする</translation>
    </message>
    <message>
        <source>Auto-mute during calls (microphone in use)</source>
        <translation>通話中は自動で消音（マイク使用中）</translation>
    </message>
    <message>
        <source>Launch Tocko at login</source>
        <translation>ログイン時に Tocko を開く</translation>
    </message>
    <message>
        <source>Sound on key release</source>
        <translation>キーを離したときの音</translation>
    </message>
    <message>
        <source>Typing feedback is off. Click the Tocko icon in the system tray to turn it on.</source>
        <translation>タイピング音はオフです。システムトレイの Tocko アイコンをクリックしてオンにしてください。</translation>
    </message>
    <message>
        <source>Mouse clicks</source>
        <translation>マウスのクリック</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Same as keyboard</source>
        <translation>キーボードと同じ</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状況</translation>
    </message>
    <message>
        <source>not available on this desktop</source>
        <translation>このデスクトップでは利用できません</translation>
    </message>
    <message>
        <source>needs the Tocko GNOME Shell extension</source>
        <translation>Tocko の GNOME Shell 拡張機能が必要です</translation>
    </message>
    <message>
        <source>Enable GNOME Shell Extension</source>
        <translation>GNOME Shell 拡張機能を有効にする</translation>
    </message>
    <message>
        <source>Current app</source>
        <translation>現在のアプリ</translation>
    </message>
    <message>
        <source>App ID</source>
        <translation>アプリ ID</translation>
    </message>
    <message>
        <source>Microphone in use</source>
        <translation>マイク使用中</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Effective</source>
        <translation>適用中</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>無音</translation>
    </message>
    <message>
        <source>Default profile</source>
        <translation>デフォルトのプロファイル</translation>
    </message>
    <message>
        <source>Per-app rules</source>
        <translation>アプリごとのルール</translation>
    </message>
    <message>
        <source>No rules yet — add one below.</source>
        <translation>ルールはまだありません — 下で追加してください。</translation>
    </message>
    <message>
        <source>Add a rule</source>
        <translation>ルールを追加</translation>
    </message>
    <message>
        <source>Running app</source>
        <translation>実行中のアプリ</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>…or an app id (org.example.App)</source>
        <translation>…またはアプリ ID（org.example.App）</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>アンインストール</translation>
    </message>
    <message>
        <source>Uninstall Tocko…</source>
        <translation>Tocko をアンインストール…</translation>
    </message>
    <message>
        <source>Removes Tocko and everything it stored on this computer.</source>
        <translation>Tocko と、このコンピュータに保存したすべてのものを削除します。</translation>
    </message>
    <message>
        <source>Sound pack</source>
        <translation>サウンドパック</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>消音</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Uninstall Tocko?</source>
        <translation>Tocko をアンインストールしますか?</translation>
    </message>
    <message>
        <source>Uninstalling stops Tocko from opening at login, deletes its settings and sound profiles from this computer, and moves Tocko to the Trash.</source>
        <translation>アンインストールすると、Tocko はログイン時に開かなくなり、その設定とサウンドプロファイルがこのコンピュータから削除され、Tocko はゴミ箱に移動されます。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Tocko has been moved to the Trash.</source>
        <translation>Tocko をゴミ箱に移動しました。</translation>
    </message>
    <message>
        <source>Tocko’s settings are removed, but the app couldn’t move itself to the Trash. Remove it with the package manager that installed it.</source>
        <translation>Tocko の設定は削除されましたが、アプリ自体をゴミ箱に移動できませんでした。インストールに使ったパッケージマネージャで削除してください。</translation>
    </message>
    <message>
        <source>One last step: the input access given to Tocko stays until you take it back with this command:</source>
        <translation>最後のステップ：Tocko に与えた入力アクセスは、次のコマンドで取り消すまで残ります：</translation>
    </message>
    <message>
        <source>Grant access…</source>
        <translation>アクセスを許可…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>You’re up to date!</source>
        <translation>最新の状態です!</translation>
    </message>
    <message>
        <source>Tocko %1 is currently the newest version available.</source>
        <translation>Tocko %1 が現在入手できる最新バージョンです。</translation>
    </message>
    <message>
        <source>A new version of Tocko is available!</source>
        <translation>Tocko の新しいバージョンがあります!</translation>
    </message>
    <message>
        <source>Tocko %1 is now available — you have %2. Would you like to download it now?</source>
        <translation>Tocko %1 が利用可能になりました — 現在のバージョンは %2 です。今すぐダウンロードしますか?</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>あとで通知</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>アップデートエラー!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information. Please try again later.</source>
        <translation>アップデート情報の取得中にエラーが起きました。あとでもう一度お試しください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Let’s set it up</source>
        <translation>設定を始めましょう</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続ける</translation>
    </message>
    <message>
        <source>Skip for now</source>
        <translation>今はスキップ</translation>
    </message>
    <message>
        <source>Start tocking</source>
        <translation>タイピングを始める</translation>
    </message>
    <message>
        <source>Welcome to Tocko</source>
        <translation>Tocko へようこそ</translation>
    </message>
    <message>
        <source>Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.</source>
        <translation>あなたのキーボードが、ぐっと気持ちよくなります。Tocko は、どのアプリでも、タイプするたびに本物のキーの音を鳴らします。設定にかかるのは長くても2分です。</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>言語を選択</translation>
    </message>
    <message>
        <source>One quick setting</source>
        <translation>かんたんな設定をひとつ</translation>
    </message>
    <message>
        <source>Turn on typing feedback</source>
        <translation>タイピング音をオンにする</translation>
    </message>
    <message>
        <source>Tocko plays a sound for each key you press, in every app. To do that, Linux must let Tocko read your keyboard and mouse devices. Tocko uses physical key codes only and never records what you type.</source>
        <translation>Tocko は、どのアプリでも、押したキーごとにサウンドを鳴らします。そのために、Linux が Tocko にキーボードとマウスのデバイスの読み取りを許可する必要があります。Tocko が使うのは物理的なキーコードだけで、入力した内容を記録することはありません。</translation>
    </message>
    <message>
        <source>Without it, Tocko stays silent. Access comes from a udev rule or the input group, and you can take it back anytime.</source>
        <translation>許可しないと、Tocko は鳴りません。アクセスは udev ルールまたは input グループによって与えられ、いつでも取り消せます。</translation>
    </message>
    <message>
        <source>Typing feedback is on. Try typing.</source>
        <translation>タイピング音はオンです。タイプしてみてください。</translation>
    </message>
    <message>
        <source>Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.</source>
        <translation>聞こえるのは X11 のウインドウだけです。Wayland では、すべてのアプリを聞くために Tocko にキーボードデバイスへのアクセスが必要です。</translation>
    </message>
    <message>
        <source>28 packs · 5 styles</source>
        <translation>28 パック · 5 スタイル</translation>
    </message>
    <message>
        <source>Pick your sound</source>
        <translation>サウンドを選ぶ</translation>
    </message>
    <message>
        <source>This becomes your default sound. Commitment issues? Switch anytime from the Tocko menu, or give each app its own.</source>
        <translation>これがデフォルトのサウンドになります。決めきれない? Tocko メニューからいつでも切り替えられますし、アプリごとに別のサウンドも設定できます。</translation>
    </message>
    <message>
        <source>Type something. Anything. Go on…</source>
        <translation>何か入力してみて。なんでもいいから。さあ…</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Code editor</source>
        <translation>コードエディタ</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>表計算</translation>
    </message>
    <message>
        <source>Tips · 1 of 2</source>
        <translation>ヒント · 1/2</translation>
    </message>
    <message>
        <source>Make it yours</source>
        <translation>自分好みに</translation>
    </message>
    <message>
        <source>A sound for every app</source>
        <translation>アプリごとにサウンドを</translation>
    </message>
    <message>
        <source>Soft keys for email, loud clicks for code, silence for spreadsheets. They’ve suffered enough. Add a rule in Settings and Tocko switches as you hop between apps.</source>
        <translation>メールには柔らかいキー、コードには大きなクリック音、表計算には静けさを。表計算はもう十分つらい思いをしています。設定でルールを追加すれば、アプリを切り替えるたびに Tocko のサウンドも切り替わります。</translation>
    </message>
    <message>
        <source>Clicks can tock too</source>
        <translation>クリックも鳴らせます</translation>
    </message>
    <message>
        <source>Mouse clicks borrow your keyboard sound by default. Give them their own pack in Settings, or switch them off entirely.</source>
        <translation>マウスのクリックは、デフォルトではキーボードのサウンドを借ります。設定で専用のパックを割り当てるか、完全にオフにしましょう。</translation>
    </message>
    <message>
        <source>Muted until the call ends</source>
        <translation>通話が終わるまで消音</translation>
    </message>
    <message>
        <source>It knows when to hush</source>
        <translation>静かにすべき時をわかっています</translation>
    </message>
    <message>
        <source>Quiet on calls</source>
        <translation>通話中は静かに</translation>
    </message>
    <message>
        <source>Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.</source>
        <translation>Zoom、Meet、Jitsi でマイクがオン? Tocko は静かになるので、相手についてのメモを打っている音は誰にも聞こえません。通話が終わると戻ってきます。</translation>
    </message>
    <message>
        <source>Mute for 10 minutes</source>
        <translation>10分間消音</translation>
    </message>
    <message>
        <source>Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.</source>
        <translation>少し静かにしたい? メニューから Tocko を消音しましょう。猫のように、ひとりでに戻ってきます。</translation>
    </message>
    <message>
        <source>You’re all set</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Tocko lives in your system tray</source>
        <translation>Tocko はシステムトレイにいます</translation>
    </message>
    <message>
        <source>Look for the K among the tray icons of your desktop’s panel. That’s where Tocko lives. Want the tour again? It’s in Settings.</source>
        <translation>デスクトップのパネルにあるトレイアイコンの中から K を探してください。そこが Tocko の居場所です。ツアーをもう一度見たいときは、設定にあります。</translation>
    </message>
    <message>
        <source>Tocko keeps running in the background</source>
        <translation>Tocko はバックグラウンドで動き続けます</translation>
    </message>
    <message>
        <source>Your desktop shows no tray icons, so Tocko’s quick controls open in a window of their own. Open Tocko from the app grid to bring them back. Want the tour again? It’s in Settings.</source>
        <translation>このデスクトップにはトレイアイコンが表示されないため、Tocko のクイックコントロールは専用のウインドウで開きます。もう一度表示するには、アプリグリッドから Tocko を開いてください。ツアーをもう一度見たいときは、設定にあります。</translation>
    </message>
    <message>
        <source>Start when you log in</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Turn this on and Tocko is ready before your first coffee, every time you log in. Change it anytime in Settings.</source>
        <translation>これをオンにすれば、ログインするたびに、最初のコーヒーより先に Tocko の準備が整います。設定でいつでも変更できます。</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>ログイン時に開く</translation>
    </message>
    <message>
        <source>Input devices › Keyboards and mice</source>
        <translation>入力デバイス › キーボードとマウス</translation>
    </message>
    <message>
        <source>Allows key sounds in every app</source>
        <translation>すべてのアプリでキーの音を鳴らします</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Access granted. Log out and back in so that Tocko hears every app.</source>
        <translation>アクセスを許可しました。Tocko がすべてのアプリを聞けるよう、一度ログアウトしてログインし直してください。</translation>
    </message>
    <message>
        <source>Access was not granted.</source>
        <translation>アクセスは許可されませんでした。</translation>
    </message>
    <message>
        <source>No administrator prompt (pkexec) is available on this system.</source>
        <translation>このシステムには管理者の確認画面（pkexec）がありません。</translation>
    </message>
    <message>
        <source>Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and mouse devices in /dev/input, which only the input group may read, or, in an X11 session, from the X server.</source>
        <translation>Tocko はキーが押されたのを見るとクリック音を鳴らします。Linux では、それを /dev/input のキーボードとマウスのデバイス（input グループだけが読み取れます）から、または X11 セッションでは X サーバから知ります。</translation>
    </message>
    <message>
        <source>“Grant access…” asks for an administrator’s password, then adds a udev rule that lets whoever sits at this computer read keyboards and mice. Without systemd-logind it adds you to the input group instead; then log out and back in.</source>
        <translation>「アクセスを許可…」は管理者のパスワードを求めたあと、このコンピュータの前に座っている人がキーボードとマウスを読み取れるようにする udev ルールを追加します。systemd-logind がない場合は代わりに input グループに追加するので、そのあとログアウトしてログインし直してください。</translation>
    </message>
    <message>
        <source>Other programs you run can then read the keyboard too. Tocko only notes that a key went down; it never records or sends what you type.</source>
        <translation>そうすると、実行する他のプログラムもキーボードを読み取れるようになります。Tocko はキーが押されたことだけを記録し、入力した内容を保存したり送信したりすることはありません。</translation>
    </message>
    <message>
        <source>To do it yourself, run:</source>
        <translation>自分で行うには、次を実行します：</translation>
    </message>
    <message>
        <source>config.json is not a valid JSON object</source>
        <translation>config.json が有効な JSON オブジェクトではありません</translation>
    </message>
    <message>
        <source>config.json gives the pack no name</source>
        <translation>config.json にパックの名前がありません</translation>
    </message>
    <message>
        <source>config.json uses a key layout Tocko does not know (%1)</source>
        <translation>config.json は Tocko が知らないキー配置を使っています（%1）</translation>
    </message>
    <message>
        <source>config.json names no sound file to cut the keys' sounds from</source>
        <translation>config.json にキーの音を切り出すサウンドファイルが指定されていません</translation>
    </message>
    <message>
        <source>config.json defines too many keys</source>
        <translation>config.json で定義されているキーが多すぎます</translation>
    </message>
    <message>
        <source>config.json: key %1 has no valid [start, length] slice</source>
        <translation>config.json: キー %1 に有効な [開始, 長さ] の区間がありません</translation>
    </message>
    <message>
        <source>config.json: key %1 names no sound file</source>
        <translation>config.json: キー %1 にサウンドファイルが指定されていません</translation>
    </message>
    <message>
        <source>config.json: the sound of key %1 is written in a form Tocko cannot read</source>
        <translation>config.json: キー %1 の音は Tocko が読めない形式で書かれています</translation>
    </message>
    <message>
        <source>config.json: %1 has a sound but is not a key code</source>
        <translation>config.json: %1 には音がありますが、キーコードではありません</translation>
    </message>
    <message>
        <source>config.json: %1 is a setting Tocko cannot use, so its sounds would be lost</source>
        <translation>config.json: %1 は Tocko が使えない設定のため、その音が失われます</translation>
    </message>
    <message>
        <source>config.json has no key definitions</source>
        <translation>config.json にキーの定義がありません</translation>
    </message>
    <message>
        <source>config.json defines no sound for a key Tocko can play</source>
        <translation>config.json には Tocko が再生できるキーの音が定義されていません</translation>
    </message>
    <message>
        <source>config.json cannot be read</source>
        <translation>config.json を読み込めません</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 が見つかりません</translation>
    </message>
    <message>
        <source>%1 is not a regular file; links and special files are not accepted</source>
        <translation>%1 は通常のファイルではありません。リンクや特殊ファイルは受け付けません</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 は大きすぎます</translation>
    </message>
    <message>
        <source>The pack names a sound file outside its folder (%1)</source>
        <translation>パックがフォルダーの外にあるサウンドファイルを指定しています（%1）</translation>
    </message>
    <message>
        <source>%1 is not a supported sound file (WAV, OGG, FLAC or MP3)</source>
        <translation>%1 は対応していないサウンドファイルです（WAV、OGG、FLAC、MP3 に対応）</translation>
    </message>
    <message>
        <source>%1 holds no audio</source>
        <translation>%1 に音声がありません</translation>
    </message>
    <message>
        <source>A key's slice lies outside %1</source>
        <translation>あるキーの区間が %1 の範囲外です</translation>
    </message>
    <message>
        <source>%1 is not a readable .zip file</source>
        <translation>%1 は読み込める .zip ファイルではありません</translation>
    </message>
    <message>
        <source>The .zip file is damaged</source>
        <translation>.zip ファイルが壊れています</translation>
    </message>
    <message>
        <source>The .zip file holds too many files</source>
        <translation>.zip ファイル内のファイルが多すぎます</translation>
    </message>
    <message>
        <source>The .zip file contains a link (%1); links are not accepted</source>
        <translation>.zip ファイルにリンク（%1）が含まれています。リンクは受け付けません</translation>
    </message>
    <message>
        <source>The .zip file contains an unsafe path (%1)</source>
        <translation>.zip ファイルに安全でないパス（%1）が含まれています</translation>
    </message>
    <message>
        <source>The .zip file contains a special file (%1)</source>
        <translation>.zip ファイルに特殊ファイル（%1）が含まれています</translation>
    </message>
    <message>
        <source>The .zip file holds %1 twice</source>
        <translation>.zip ファイルに %1 が2回含まれています</translation>
    </message>
    <message>
        <source>The .zip file unpacks to more than a sound pack can hold</source>
        <translation>.zip ファイルを展開するとサウンドパックの上限を超えます</translation>
    </message>
    <message>
        <source>Could not unpack the .zip file; is the disk full?</source>
        <translation>.zip ファイルを展開できませんでした。ディスクがいっぱいではありませんか？</translation>
    </message>
    <message>
        <source>The folder holds neither a config.json nor WAV, OGG, FLAC or MP3 files</source>
        <translation>フォルダーに config.json も WAV、OGG、FLAC、MP3 ファイルもありません</translation>
    </message>
    <message>
        <source>The folder holds release sounds but no press sound</source>
        <translation>フォルダーにリリース音はありますが、押下音がありません</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 は存在しません</translation>
    </message>
    <message>
        <source>Choose a pack folder or a .zip file</source>
        <translation>パックのフォルダーまたは .zip ファイルを選んでください</translation>
    </message>
    <message>
        <source>The pack's decoded audio is larger than %1 MB</source>
        <translation>パックのデコード後の音声が %1 MB を超えています</translation>
    </message>
    <message>
        <source>Could not resample the pack's sounds</source>
        <translation>パックの音をリサンプリングできませんでした</translation>
    </message>
    <message>
        <source>Too many packs share the name %1</source>
        <translation>%1 という名前のパックが多すぎます</translation>
    </message>
    <message>
        <source>Cannot write to %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
    <message>
        <source>Could not store the pack; is the disk full?</source>
        <translation>パックを保存できませんでした。ディスクがいっぱいではありませんか？</translation>
    </message>
    <message>
        <source>Could not replace the installed pack %1</source>
        <translation>インストール済みのパック %1 を置き換えられませんでした</translation>
    </message>
    <message>
        <source>%1 is not an imported pack</source>
        <translation>%1 は読み込んだパックではありません</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 はインストールされていません</translation>
    </message>
    <message>
        <source>Could not remove %1</source>
        <translation>%1 を削除できませんでした</translation>
    </message>
    <message>
        <source>The stored pack %1 is damaged; import it again</source>
        <translation>保存済みのパック %1 が壊れています。もう一度読み込んでください</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>Imported &quot;%1&quot;</source>
        <translation>「%1」を読み込みました</translation>
    </message>
    <message>
        <source>My Packs</source>
        <translation>マイパック</translation>
    </message>
    <message>
        <source>Import Pack…</source>
        <translation>パックを読み込む…</translation>
    </message>
    <message>
        <source>Importing… %1%</source>
        <translation>読み込み中… %1%</translation>
    </message>
    <message>
        <source>A folder or .zip with a config.json, or a folder of press and release sounds. You can also drop it on this window.</source>
        <translation>config.json を含むフォルダーまたは .zip、または押下音とリリース音のフォルダー。このウインドウにドロップすることもできます。</translation>
    </message>
</context>
</TS>
