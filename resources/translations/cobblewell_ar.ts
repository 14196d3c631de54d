<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation>حول Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>مو&amp;افق</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation>زُر موقعنا على الويب الآ&amp;ن!</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>%1 selected.</source>
        <extracomment>Spoken by the screen reader when the player picks a ball. %1 is the ball as a cell describes it alone (&quot;red ball&quot;, &quot;joker&quot;); the game writes the sentence&apos;s first letter as a capital.</extracomment>
        <translation>تم تحديد %1.</translation>
    </message>
    <message>
        <source>Selection cancelled.</source>
        <extracomment>Spoken when the player puts the picked ball back down.</extracomment>
        <translation>أُلغي التحديد.</translation>
    </message>
    <message>
        <source>Only a lone ball can be moved.</source>
        <extracomment>Spoken when the player picks a stack of two or more balls, which cannot move.</extracomment>
        <translation>لا تتحرك إلا الكرة المنفردة.</translation>
    </message>
    <message>
        <source>No path.</source>
        <extracomment>Spoken when the picked ball cannot reach the chosen cell: no free path leads there.</extracomment>
        <translation>لا يوجد طريق.</translation>
    </message>
    <message>
        <source>Moved to row %1, column %2.</source>
        <extracomment>Spoken after a move. Rows and columns count from 1 at the top left, as in the cells&apos; names (&quot;row %1, column %2&quot;).</extracomment>
        <translation>تم النقل إلى الصف %1، العمود %2.</translation>
    </message>
    <message>
        <source>Stack of five cleared: %1 points.</source>
        <extracomment>%1 is 5, 10 or 15 (five balls times the level&apos;s factor); word it so that it reads right for each.</extracomment>
        <translation>أُزيلت كومة من خمس كرات، ونقاطها %1.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The new score, said after the points of a clear.</extracomment>
        <translation>النتيجة %1.</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>%1 lists the balls that just dropped onto the board (one to five), each as &quot;red at row 1, column 1&quot;, separated by the list separator below.</extracomment>
        <translation>كرات جديدة: %1.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3</source>
        <extracomment>One dropped ball: %1 is its colour as the next-colours panel names it (&quot;red&quot;, &quot;joker&quot;), %2 and %3 its row and column.</extracomment>
        <translation>%1 في الصف %2، العمود %3</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the dropped balls in the list: &quot;red at row 1, column 1; blue at row 7, column 3&quot;.</extracomment>
        <translation>؛ </translation>
    </message>
    <message>
        <source>Game over. Score %1.</source>
        <extracomment>Spoken when the board is full and the game ends, before the game-over message box.</extracomment>
        <translation>انتهت اللعبة. النتيجة %1.</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <extracomment>%1 is the level&apos;s name (&quot;Beginner&quot;).</extracomment>
        <translation>لعبة جديدة، مستوى %1.</translation>
    </message>
    <message>
        <source>Score %1, best %2.</source>
        <extracomment>Said on demand (F2): the score and the best score of the level.</extracomment>
        <translation>النتيجة %1، وأفضل نتيجة %2.</translation>
    </message>
    <message>
        <source>Next colours: %1.</source>
        <extracomment>Said on demand (F3). %1 is the next-colours panel&apos;s description: the colours (&quot;red, joker, blue&quot;) or &quot;hidden&quot;.</extracomment>
        <translation>الألوان القادمة: %1.</translation>
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
        <translation>أحمر</translation>
    </message>
    <message>
        <source>green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>أرجواني</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>سماوي</translation>
    </message>
    <message>
        <source>white</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>جوكر</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>كرة حمراء</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>كرة خضراء</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>كرة زرقاء</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>كرة صفراء</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>كرة أرجوانية</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation>كرة سماوية</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation>كرة بيضاء</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation>كرة حمراء محددة</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation>كرة خضراء محددة</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation>كرة زرقاء محددة</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation>كرة صفراء محددة</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation>كرة أرجوانية محددة</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation>كرة سماوية محددة</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation>كرة بيضاء محددة</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation>جوكر محدد</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>الصف %1، العمود %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>فارغة</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation>%1، كومة من %2</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>مخفية</translation>
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
        <translation>مبتدئ</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>خبير</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation>لعبة جديد&amp;ة	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>مبتد&amp;ئ</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>متوسط(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>خبير(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>أعلى &amp;النتائج...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation>الإعدا&amp;دات...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خر&amp;وج</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation>الفهر&amp;س	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation>القو&amp;اعد</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>استخدا&amp;م المساعدة</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>حو&amp;ل...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>لعبة(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مساعد&amp;ة</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation>رقم قياسي جديد!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation>تهانينا!  لقد حققت رقمًا قياسيًا جديدًا.  أدخل اسمك في جدول العشرة الأوائل:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>مو&amp;افق</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation>إعدادات Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation>تتبع الحركا&amp;ت</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation>الألوان القا&amp;دمة</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation>&amp;وجوه ضاحكة متحركة</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>مو&amp;افق</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation> الأشكال </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation> المظهر </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation>لا توجد حركات أخرى، انتهت اللعبة!</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Atom</source>
        <translation>ذرة</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>كرة</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>نرد</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>حلزون</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>بالون</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation>ندفة ثلج</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>قرص</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>دوائر</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Cobblewell is already running but does not respond.</source>
        <translation>برنامج Cobblewell قيد التشغيل بالفعل لكنه لا يستجيب.</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation>لعبة جديدة</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>أفضل نتيجة</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation>الألوان القادمة</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation>ddd، d MMM yyyy، HH:mm:ss</translation>
    </message>
    <message>
        <source>The top-ten entry could not be saved in %1: %2.

It stays in the table until you exit Cobblewell.</source>
        <extracomment>%1 is the score file&apos;s path, %2 the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>تعذّر حفظ مُدخل جدول العشرة الأوائل في %1: %2.

سيبقى في الجدول حتى تخرج من Cobblewell.</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation>أفضل لاعبي Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>مو&amp;افق</translation>
    </message>
</context>
<context>
    <name>WebLauncher</name>
    <message>
        <source>Programs (*)</source>
        <translation>البرامج (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>كل الملفات (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation>اختر متصفح الويب للانتقال إلى %1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation>فشل الاتصال بالإنترنت</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation>الإصدار %1، بُني في %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation>مساعدة Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;المحتويات</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;رجوع</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>تقدّ&amp;م</translation>
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
