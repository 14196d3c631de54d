<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation>关于 Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation>立即访问我们的网站(&amp;W)！</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>%1 selected.</source>
        <extracomment>Spoken by the screen reader when the player picks a ball. %1 is the ball as a cell describes it alone (&quot;red ball&quot;, &quot;joker&quot;); the game writes the sentence&apos;s first letter as a capital.</extracomment>
        <translation>已选中%1。</translation>
    </message>
    <message>
        <source>Selection cancelled.</source>
        <extracomment>Spoken when the player puts the picked ball back down.</extracomment>
        <translation>已取消选择。</translation>
    </message>
    <message>
        <source>Only a lone ball can be moved.</source>
        <extracomment>Spoken when the player picks a stack of two or more balls, which cannot move.</extracomment>
        <translation>只有单个的球才能移动。</translation>
    </message>
    <message>
        <source>No path.</source>
        <extracomment>Spoken when the picked ball cannot reach the chosen cell: no free path leads there.</extracomment>
        <translation>无路可走。</translation>
    </message>
    <message>
        <source>Moved to row %1, column %2.</source>
        <extracomment>Spoken after a move. Rows and columns count from 1 at the top left, as in the cells&apos; names (&quot;row %1, column %2&quot;).</extracomment>
        <translation>已移到第 %1 行，第 %2 列。</translation>
    </message>
    <message>
        <source>Stack of five cleared: %1 points.</source>
        <extracomment>%1 is 5, 10 or 15 (five balls times the level&apos;s factor); word it so that it reads right for each.</extracomment>
        <translation>已消除一堆五个球：%1 分。</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The new score, said after the points of a clear.</extracomment>
        <translation>得分 %1。</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>%1 lists the balls that just dropped onto the board (one to five), each as &quot;red at row 1, column 1&quot;, separated by the list separator below.</extracomment>
        <translation>新球：%1。</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3</source>
        <extracomment>One dropped ball: %1 is its colour as the next-colours panel names it (&quot;red&quot;, &quot;joker&quot;), %2 and %3 its row and column.</extracomment>
        <translation>%1在第 %2 行第 %3 列</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the dropped balls in the list: &quot;red at row 1, column 1; blue at row 7, column 3&quot;.</extracomment>
        <translation>；</translation>
    </message>
    <message>
        <source>Game over. Score %1.</source>
        <extracomment>Spoken when the board is full and the game ends, before the game-over message box.</extracomment>
        <translation>游戏结束。得分 %1。</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <extracomment>%1 is the level&apos;s name (&quot;Beginner&quot;).</extracomment>
        <translation>新游戏，%1。</translation>
    </message>
    <message>
        <source>Score %1, best %2.</source>
        <extracomment>Said on demand (F2): the score and the best score of the level.</extracomment>
        <translation>得分 %1，最高分 %2。</translation>
    </message>
    <message>
        <source>Next colours: %1.</source>
        <extracomment>Said on demand (F3). %1 is the next-colours panel&apos;s description: the colours (&quot;red, joker, blue&quot;) or &quot;hidden&quot;.</extracomment>
        <translation>下一组颜色：%1。</translation>
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
        <translation>红色</translation>
    </message>
    <message>
        <source>green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>品红色</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>white</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>百搭球</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>红色球</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>绿色球</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>蓝色球</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>黄色球</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>品红色球</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation>青色球</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation>白色球</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation>已选中的红色球</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation>已选中的绿色球</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation>已选中的蓝色球</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation>已选中的黄色球</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation>已选中的品红色球</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation>已选中的青色球</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation>已选中的白色球</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation>已选中的百搭球</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>第 %1 行，第 %2 列</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation>%1，一堆 %2 个</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>已隐藏</translation>
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
        <translation>初级</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>中级</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>高级</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation>新游戏(&amp;N)	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>初级(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>中级(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>高级(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>高分榜(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation>选项(&amp;O)...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation>目录(&amp;I)	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation>规则(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>使用帮助(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation>新纪录！</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation>恭喜！您创造了新纪录。请输入您的名字，以记入前十名榜单：</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation>Cobblewell 选项</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation>显示移动轨迹(&amp;T)</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation>显示下一组颜色(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation>笑脸动画(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation> 形状 </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation> 外观 </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation>无步可走，游戏结束！</translation>
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
        <translation>球</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>骰子</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>螺旋</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>气球</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation>雪花</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>圆盘</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>圆圈</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Cobblewell is already running but does not respond.</source>
        <translation>Cobblewell 已在运行，但没有响应。</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>最高分</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation>下一组颜色</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation>yyyy年M月d日ddd HH:mm:ss</translation>
    </message>
    <message>
        <source>The top-ten entry could not be saved in %1: %2.

It stays in the table until you exit Cobblewell.</source>
        <extracomment>%1 is the score file&apos;s path, %2 the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>无法将前十名记录保存到 %1：%2。

在您退出 Cobblewell 之前，该记录会保留在榜单中。</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation>Cobblewell 高分榜</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>WebLauncher</name>
    <message>
        <source>Programs (*)</source>
        <translation>程序 (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation>选择用于打开以下地址的网页浏览器：%1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation>互联网连接失败</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation>版本 %1，编译时间：%2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation>Cobblewell 帮助</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>后退(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>前进(&amp;F)</translation>
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
