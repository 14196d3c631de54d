<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation>دربارهٔ Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>تأیید(&amp;O)</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation>همین حالا از &amp;وب‌سایت ما دیدن کنید!</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>%1 selected.</source>
        <extracomment>Spoken by the screen reader when the player picks a ball. %1 is the ball as a cell describes it alone (&quot;red ball&quot;, &quot;joker&quot;); the game writes the sentence&apos;s first letter as a capital.</extracomment>
        <translation>%1 انتخاب شد.</translation>
    </message>
    <message>
        <source>Selection cancelled.</source>
        <extracomment>Spoken when the player puts the picked ball back down.</extracomment>
        <translation>انتخاب لغو شد.</translation>
    </message>
    <message>
        <source>Only a lone ball can be moved.</source>
        <extracomment>Spoken when the player picks a stack of two or more balls, which cannot move.</extracomment>
        <translation>فقط توپ تنها می‌تواند حرکت کند.</translation>
    </message>
    <message>
        <source>No path.</source>
        <extracomment>Spoken when the picked ball cannot reach the chosen cell: no free path leads there.</extracomment>
        <translation>راهی نیست.</translation>
    </message>
    <message>
        <source>Moved to row %1, column %2.</source>
        <extracomment>Spoken after a move. Rows and columns count from 1 at the top left, as in the cells&apos; names (&quot;row %1, column %2&quot;).</extracomment>
        <translation>به ردیف %1، ستون %2 منتقل شد.</translation>
    </message>
    <message>
        <source>Stack of five cleared: %1 points.</source>
        <extracomment>%1 is 5, 10 or 15 (five balls times the level&apos;s factor); word it so that it reads right for each.</extracomment>
        <translation>پشتهٔ پنج‌تایی پاک شد: %1 امتیاز.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The new score, said after the points of a clear.</extracomment>
        <translation>امتیاز %1.</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>%1 lists the balls that just dropped onto the board (one to five), each as &quot;red at row 1, column 1&quot;, separated by the list separator below.</extracomment>
        <translation>توپ‌های تازه: %1.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3</source>
        <extracomment>One dropped ball: %1 is its colour as the next-colours panel names it (&quot;red&quot;, &quot;joker&quot;), %2 and %3 its row and column.</extracomment>
        <translation>%1 در ردیف %2، ستون %3</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the dropped balls in the list: &quot;red at row 1, column 1; blue at row 7, column 3&quot;.</extracomment>
        <translation>؛ </translation>
    </message>
    <message>
        <source>Game over. Score %1.</source>
        <extracomment>Spoken when the board is full and the game ends, before the game-over message box.</extracomment>
        <translation>بازی تمام شد. امتیاز %1.</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <extracomment>%1 is the level&apos;s name (&quot;Beginner&quot;).</extracomment>
        <translation>بازی جدید، سطح %1.</translation>
    </message>
    <message>
        <source>Score %1, best %2.</source>
        <extracomment>Said on demand (F2): the score and the best score of the level.</extracomment>
        <translation>امتیاز %1، بهترین امتیاز %2.</translation>
    </message>
    <message>
        <source>Next colours: %1.</source>
        <extracomment>Said on demand (F3). %1 is the next-colours panel&apos;s description: the colours (&quot;red, joker, blue&quot;) or &quot;hidden&quot;.</extracomment>
        <translation>رنگ‌های بعدی: %1.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>Said on demand (F4): the cell under the keyboard cursor. %1 its place (&quot;row 3, column 5&quot;), %2 what lies in it (&quot;red ball, stack of 3&quot;, &quot;empty&quot;); the first letter becomes a capital.</extracomment>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>Cell</name>
    <message>
        <source>red</source>
        <translation>قرمز</translation>
    </message>
    <message>
        <source>green</source>
        <translation>سبز</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>آبی</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>زرد</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>سرخابی</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>فیروزه‌ای</translation>
    </message>
    <message>
        <source>white</source>
        <translation>سفید</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>جوکر</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>توپ قرمز</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>توپ سبز</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>توپ آبی</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>توپ زرد</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>توپ سرخابی</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation>توپ فیروزه‌ای</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation>توپ سفید</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation>توپ قرمز انتخاب‌شده</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation>توپ سبز انتخاب‌شده</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation>توپ آبی انتخاب‌شده</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation>توپ زرد انتخاب‌شده</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation>توپ سرخابی انتخاب‌شده</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation>توپ فیروزه‌ای انتخاب‌شده</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation>توپ سفید انتخاب‌شده</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation>جوکر انتخاب‌شده</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>ردیف %1، ستون %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>خالی</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation>%1، پشته‌ای از %2</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>پنهان</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the colours of the next-colours panel: &quot;red, joker, blue&quot;.</extracomment>
        <translation>، </translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Beginner</source>
        <translation>مبتدی</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>حرفه‌ای</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation>با&amp;زی جدید	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>مبتد&amp;ی</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>متوسط(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>حرفه‌&amp;ای</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>رکور&amp;دها...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation>گزینه‌ها(&amp;O)...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خر&amp;وج</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation>فهرست(&amp;I)	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation>قو&amp;انین</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>استفاده از &amp;راهنما</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;درباره...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>باز&amp;ی</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ر&amp;اهنما</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation>رکورد جدید!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation>تبریک!  رکورد تازه‌ای ثبت کردید.  لطفاً نام خود را برای جدول ده نفر برتر وارد کنید:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>تأیید(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>لغو(&amp;C)</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation>گزینه‌های Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation>نمایش مسیر(&amp;T)</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation>رنگ‌های بعد&amp;ی</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation>شکلک‌های متحر&amp;ک</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>تأیید(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>لغو(&amp;C)</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation> شکل‌ها </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation> ظاهر </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation>حرکت دیگری ممکن نیست، بازی تمام شد!</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Atom</source>
        <translation>اتم</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>توپ</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>تاس</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>مارپیچ</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>بادکنک</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation>دانهٔ برف</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>دیسک</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>دایره‌ها</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Cobblewell is already running but does not respond.</source>
        <translation>برنامهٔ Cobblewell از قبل در حال اجراست، اما پاسخ نمی‌دهد.</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation>بازی جدید</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>بهترین امتیاز</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>امتیاز</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation>رنگ‌های بعدی</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation>ddd d MMM yyyy، HH:mm:ss</translation>
    </message>
    <message>
        <source>The top-ten entry could not be saved in %1: %2.

It stays in the table until you exit Cobblewell.</source>
        <extracomment>%1 is the score file&apos;s path, %2 the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>ورودی جدول ده نفر برتر در %1 ذخیره نشد: %2.

تا وقتی از Cobblewell خارج نشده‌اید، در جدول می‌ماند.</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation>برترین بازیکنان Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>تأیید(&amp;O)</translation>
    </message>
</context>
<context>
    <name>WebLauncher</name>
    <message>
        <source>Programs (*)</source>
        <translation>برنامه‌ها (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>همهٔ پرونده‌ها (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation>مرورگر وب را برای رفتن به %1 انتخاب کنید</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation>اتصال به اینترنت برقرار نشد</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation>نسخهٔ %1، ساخته‌شده در %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation>راهنمای Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>فهرست مطالب(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>با&amp;زگشت</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>جلو(&amp;F)</translation>
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
        <translation>RTL</translation>
    </message>
</context>
</TS>
