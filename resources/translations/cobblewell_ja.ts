<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation>Cobblewell のバージョン情報</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation>今すぐ Web サイトへ(&amp;W)！</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>%1 selected.</source>
        <extracomment>Spoken by the screen reader when the player picks a ball. %1 is the ball as a cell describes it alone (&quot;red ball&quot;, &quot;joker&quot;); the game writes the sentence&apos;s first letter as a capital.</extracomment>
        <translation>%1を選択しました。</translation>
    </message>
    <message>
        <source>Selection cancelled.</source>
        <extracomment>Spoken when the player puts the picked ball back down.</extracomment>
        <translation>選択を解除しました。</translation>
    </message>
    <message>
        <source>Only a lone ball can be moved.</source>
        <extracomment>Spoken when the player picks a stack of two or more balls, which cannot move.</extracomment>
        <translation>動かせるのは単独のボールだけです。</translation>
    </message>
    <message>
        <source>No path.</source>
        <extracomment>Spoken when the picked ball cannot reach the chosen cell: no free path leads there.</extracomment>
        <translation>通れる道がありません。</translation>
    </message>
    <message>
        <source>Moved to row %1, column %2.</source>
        <extracomment>Spoken after a move. Rows and columns count from 1 at the top left, as in the cells&apos; names (&quot;row %1, column %2&quot;).</extracomment>
        <translation>%1 行目、%2 列目へ移動しました。</translation>
    </message>
    <message>
        <source>Stack of five cleared: %1 points.</source>
        <extracomment>%1 is 5, 10 or 15 (five balls times the level&apos;s factor); word it so that it reads right for each.</extracomment>
        <translation>5 個そろった山が消えました：%1 点。</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The new score, said after the points of a clear.</extracomment>
        <translation>スコア %1。</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>%1 lists the balls that just dropped onto the board (one to five), each as &quot;red at row 1, column 1&quot;, separated by the list separator below.</extracomment>
        <translation>新しいボール：%1。</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3</source>
        <extracomment>One dropped ball: %1 is its colour as the next-colours panel names it (&quot;red&quot;, &quot;joker&quot;), %2 and %3 its row and column.</extracomment>
        <translation>%1は %2 行目 %3 列目</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the dropped balls in the list: &quot;red at row 1, column 1; blue at row 7, column 3&quot;.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>Game over. Score %1.</source>
        <extracomment>Spoken when the board is full and the game ends, before the game-over message box.</extracomment>
        <translation>ゲームオーバー。スコア %1。</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <extracomment>%1 is the level&apos;s name (&quot;Beginner&quot;).</extracomment>
        <translation>新しいゲーム、%1。</translation>
    </message>
    <message>
        <source>Score %1, best %2.</source>
        <extracomment>Said on demand (F2): the score and the best score of the level.</extracomment>
        <translation>スコア %1、ベストスコア %2。</translation>
    </message>
    <message>
        <source>Next colours: %1.</source>
        <extracomment>Said on demand (F3). %1 is the next-colours panel&apos;s description: the colours (&quot;red, joker, blue&quot;) or &quot;hidden&quot;.</extracomment>
        <translation>次の色：%1。</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>Said on demand (F4): the cell under the keyboard cursor. %1 its place (&quot;row 3, column 5&quot;), %2 what lies in it (&quot;red ball, stack of 3&quot;, &quot;empty&quot;); the first letter becomes a capital.</extracomment>
        <translation>%1：%2。</translation>
    </message>
</context>
<context>
    <name>Cell</name>
    <message>
        <source>red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>マゼンタ</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>シアン</translation>
    </message>
    <message>
        <source>white</source>
        <translation>白</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>ジョーカー</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>赤いボール</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>緑のボール</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>青いボール</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>黄色いボール</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>マゼンタのボール</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation>シアンのボール</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation>白いボール</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation>選択中の赤いボール</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation>選択中の緑のボール</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation>選択中の青いボール</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation>選択中の黄色いボール</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation>選択中のマゼンタのボール</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation>選択中のシアンのボール</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation>選択中の白いボール</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation>選択中のジョーカー</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>%1 行目、%2 列目</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空きマス</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation>%1、%2 個の山</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>非表示</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the colours of the next-colours panel: &quot;red, joker, blue&quot;.</extracomment>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Beginner</source>
        <translation>初級</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>中級</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>上級</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation>新しいゲーム(&amp;N)	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>初級(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>中級(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>上級(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>ハイスコア(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation>設定(&amp;O)...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation>目次(&amp;I)	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation>ルール(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>ヘルプの使い方(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation>ハイスコア達成！</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation>おめでとうございます！&#x3000;ハイスコアを達成しました。トップ 10 に載せる名前を入力してください：</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation>Cobblewell の設定</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation>移動経路を表示(&amp;T)</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation>次の色を表示(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation>動くスマイリー(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation> 形状 </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation> 外観 </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation>もう動かせるボールがありません。ゲームオーバーです！</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Atom</source>
        <translation>原子</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>ボール</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>サイコロ</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>渦巻き</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>風船</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation>雪の結晶</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>円盤</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>重なった円</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Cobblewell is already running but does not respond.</source>
        <translation>Cobblewell は既に起動していますが、応答しません。</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>ベストスコア</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation>次の色</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation>yyyy年M月d日(ddd) H:mm:ss</translation>
    </message>
    <message>
        <source>The top-ten entry could not be saved in %1: %2.

It stays in the table until you exit Cobblewell.</source>
        <extracomment>%1 is the score file&apos;s path, %2 the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>トップ 10 の記録を %1 に保存できませんでした：%2。

Cobblewell を終了するまで表には残ります。</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation>Cobblewell の上位プレイヤー</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>WebLauncher</name>
    <message>
        <source>Programs (*)</source>
        <translation>プログラム(*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>すべてのファイル(*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation>次のアドレスを開く Web ブラウザーを選択：%1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation>インターネット接続に失敗しました</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation>バージョン %1、ビルド：%2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation>Cobblewell ヘルプ</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>進む(&amp;F)</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
</context>
<context>
    <name>cw::MainWindow</name>
    <message>
        <source>Cobblewell (%1)</source>
        <extracomment>The window title; %1 is the level&apos;s name.</extracomment>
        <translation>Cobblewell (%1)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>LTR, or RTL for a language written right to left.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
</TS>
