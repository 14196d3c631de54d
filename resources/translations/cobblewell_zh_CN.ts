<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation type="vanished">关于 Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">确定(&amp;O)</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation type="vanished">立即访问我们的网站(&amp;W)！</translation>
    </message>
</context>
<context>
    <name>Cell</name>
    <message>
        <source>red</source>
        <translation type="vanished">红色</translation>
    </message>
    <message>
        <source>green</source>
        <translation type="vanished">绿色</translation>
    </message>
    <message>
        <source>blue</source>
        <translation type="vanished">蓝色</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation type="vanished">黄色</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation type="vanished">品红色</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation type="vanished">青色</translation>
    </message>
    <message>
        <source>white</source>
        <translation type="vanished">白色</translation>
    </message>
    <message>
        <source>joker</source>
        <translation type="vanished">百搭球</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation type="vanished">红色球</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation type="vanished">绿色球</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation type="vanished">蓝色球</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation type="vanished">黄色球</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation type="vanished">品红色球</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation type="vanished">青色球</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation type="vanished">白色球</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation type="vanished">已选中的红色球</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation type="vanished">已选中的绿色球</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation type="vanished">已选中的蓝色球</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation type="vanished">已选中的黄色球</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation type="vanished">已选中的品红色球</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation type="vanished">已选中的青色球</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation type="vanished">已选中的白色球</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation type="vanished">已选中的百搭球</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation type="vanished">第 %1 行，第 %2 列</translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="vanished">空</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation type="vanished">%1，球堆 %2 个</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation type="vanished">已隐藏</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the colours of the next-colours panel: &quot;red, joker, blue&quot;.</extracomment>
        <translation type="vanished">、</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Beginner</source>
        <translation type="vanished">初级</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation type="vanished">中级</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="vanished">高级</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation type="vanished">新游戏(&amp;N)	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation type="vanished">初级(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation type="vanished">中级(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation type="vanished">高级(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation type="vanished">高分榜(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation type="vanished">首选项(&amp;O)...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="vanished">退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation type="vanished">目录(&amp;I)	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation type="vanished">规则(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation type="vanished">使用帮助(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="vanished">关于(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="vanished">游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="vanished">帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation type="vanished">新的高分！</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation type="vanished">恭喜！您创造了新的高分。请输入您的名字，以便载入前十名榜单：</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation type="vanished">Cobblewell 首选项</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation type="vanished">显示移动轨迹(&amp;T)</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation type="vanished">显示下一组颜色(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation type="vanished">笑脸动画(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="vanished">确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">取消(&amp;C)</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation type="vanished"> 形状 </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation type="vanished"> 外观 </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation type="vanished">没有可走的步了，游戏结束！</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Atom</source>
        <translation type="vanished">原子</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation type="vanished">球</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation type="vanished">骰子</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation type="vanished">螺旋</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation type="vanished">气球</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation type="vanished">雪花</translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="vanished">圆片</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation type="vanished">圆圈</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation type="vanished">新游戏</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation type="vanished">最高分</translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="vanished">得分</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation type="vanished">下一组颜色</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation type="vanished">yyyy年M月d日ddd HH:mm:ss</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation type="vanished">Cobblewell 最佳玩家</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="vanished">确定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>WebLauncher</name>
    <message>
        <source>Programs (*)</source>
        <translation type="vanished">程序 (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="vanished">所有文件 (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation type="vanished">选择用于打开以下地址的网页浏览器：%1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation type="vanished">互联网连接失败</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation type="vanished">版本 %1，编译时间：%2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation type="vanished">Cobblewell 帮助</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="vanished">目录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="vanished">后退(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="vanished">前进(&amp;F)</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation type="vanished">%1 - %2</translation>
    </message>
</context>
<context>
    <name>cw::MainWindow</name>
    <message>
        <source>Cobblewell (%1)</source>
        <extracomment>The window title; %1 is the level&apos;s name.</extracomment>
        <translation type="vanished">Cobblewell (%1)</translation>
    </message>
</context>
</TS>
