<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation>אודות Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;אישור</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation>&amp;בקרו באתר שלנו עכשיו!</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>%1 selected.</source>
        <extracomment>Spoken by the screen reader when the player picks a ball. %1 is the ball as a cell describes it alone (&quot;red ball&quot;, &quot;joker&quot;); the game writes the sentence&apos;s first letter as a capital.</extracomment>
        <translation>%1 נבחר.</translation>
    </message>
    <message>
        <source>Selection cancelled.</source>
        <extracomment>Spoken when the player puts the picked ball back down.</extracomment>
        <translation>הבחירה בוטלה.</translation>
    </message>
    <message>
        <source>Only a lone ball can be moved.</source>
        <extracomment>Spoken when the player picks a stack of two or more balls, which cannot move.</extracomment>
        <translation>רק כדור בודד יכול לזוז.</translation>
    </message>
    <message>
        <source>No path.</source>
        <extracomment>Spoken when the picked ball cannot reach the chosen cell: no free path leads there.</extracomment>
        <translation>אין דרך.</translation>
    </message>
    <message>
        <source>Moved to row %1, column %2.</source>
        <extracomment>Spoken after a move. Rows and columns count from 1 at the top left, as in the cells&apos; names (&quot;row %1, column %2&quot;).</extracomment>
        <translation>הוזז לשורה %1, עמודה %2.</translation>
    </message>
    <message>
        <source>Stack of five cleared: %1 points.</source>
        <extracomment>%1 is 5, 10 or 15 (five balls times the level&apos;s factor); word it so that it reads right for each.</extracomment>
        <translation>ערימת חמישה כדורים נעלמה: %1 נקודות.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The new score, said after the points of a clear.</extracomment>
        <translation>ניקוד %1.</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>%1 lists the balls that just dropped onto the board (one to five), each as &quot;red at row 1, column 1&quot;, separated by the list separator below.</extracomment>
        <translation>כדורים חדשים: %1.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3</source>
        <extracomment>One dropped ball: %1 is its colour as the next-colours panel names it (&quot;red&quot;, &quot;joker&quot;), %2 and %3 its row and column.</extracomment>
        <translation>%1 בשורה %2, עמודה %3</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the dropped balls in the list: &quot;red at row 1, column 1; blue at row 7, column 3&quot;.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Game over. Score %1.</source>
        <extracomment>Spoken when the board is full and the game ends, before the game-over message box.</extracomment>
        <translation>המשחק נגמר. ניקוד %1.</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <extracomment>%1 is the level&apos;s name (&quot;Beginner&quot;).</extracomment>
        <translation>משחק חדש, רמת %1.</translation>
    </message>
    <message>
        <source>Score %1, best %2.</source>
        <extracomment>Said on demand (F2): the score and the best score of the level.</extracomment>
        <translation>ניקוד %1, שיא %2.</translation>
    </message>
    <message>
        <source>Next colours: %1.</source>
        <extracomment>Said on demand (F3). %1 is the next-colours panel&apos;s description: the colours (&quot;red, joker, blue&quot;) or &quot;hidden&quot;.</extracomment>
        <translation>הצבעים הבאים: %1.</translation>
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
        <translation>אדום</translation>
    </message>
    <message>
        <source>green</source>
        <translation>ירוק</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>כחול</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>צהוב</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>מג׳נטה</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>ציאן</translation>
    </message>
    <message>
        <source>white</source>
        <translation>לבן</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>ג׳וקר</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>כדור אדום</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>כדור ירוק</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>כדור כחול</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>כדור צהוב</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>כדור מג׳נטה</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation>כדור ציאן</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation>כדור לבן</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation>כדור אדום נבחר</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation>כדור ירוק נבחר</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation>כדור כחול נבחר</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation>כדור צהוב נבחר</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation>כדור מג׳נטה נבחר</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation>כדור ציאן נבחר</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation>כדור לבן נבחר</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation>ג׳וקר נבחר</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>שורה %1, עמודה %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>ריק</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation>%1, ערימה של %2</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>מוסתר</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the colours of the next-colours panel: &quot;red, joker, blue&quot;.</extracomment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Beginner</source>
        <translation>מתחיל</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>בינוני</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>מומחה</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation>&amp;חדש	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>מ&amp;תחיל</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;בינוני</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;מומחה</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;טבלת השיאים...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation>&amp;אפשרויות...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation>&amp;תוכן העניינים	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation>&amp;כללים</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;שימוש בעזרה</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;אודות...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;משחק</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;עזרה</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation>שיא חדש!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation>כל הכבוד!  השגת שיא חדש.  נא להקליד את שמך לטבלת השיאים:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;אישור</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;ביטול</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation>אפשרויות Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation>הצגת &amp;מסלול המהלך</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation>הצגת ה&amp;צבעים הבאים</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation>&amp;סמיילים מונפשים</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;אישור</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;ביטול</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation> צורות </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation> מראה </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation>אין עוד מהלכים אפשריים, המשחק נגמר!</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Atom</source>
        <translation>אטום</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>כדור</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>קובייה</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>ספירלה</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>בלון</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation>פתית</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>דיסקית</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>מעגלים</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Cobblewell is already running but does not respond.</source>
        <translation>Cobblewell כבר פועל אך אינו מגיב.</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation>משחק חדש</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>השיא</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>ניקוד</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation>הצבעים הבאים</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation>ddd, d בMMM yyyy HH:mm:ss</translation>
    </message>
    <message>
        <source>The top-ten entry could not be saved in %1: %2.

It stays in the table until you exit Cobblewell.</source>
        <extracomment>%1 is the score file&apos;s path, %2 the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>לא ניתן היה לשמור את הרישום בטבלת השיאים ב־%1: %2.

הוא יישאר בטבלה עד היציאה מ־Cobblewell.</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation>השחקנים המובילים ב־Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;אישור</translation>
    </message>
</context>
<context>
    <name>WebLauncher</name>
    <message>
        <source>Programs (*)</source>
        <translation>תוכניות (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>כל הקבצים (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation>בחירת דפדפן לפתיחת %1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation>החיבור לאינטרנט נכשל</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation>גרסה %1, הידור: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation>העזרה של Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;תוכן</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;אחורה</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;קדימה</translation>
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
