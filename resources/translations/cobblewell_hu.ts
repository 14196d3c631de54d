<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation>A Cobblewell névjegye</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation>Látogass el a &amp;webhelyünkre most!</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>%1 selected.</source>
        <extracomment>Spoken by the screen reader when the player picks a ball. %1 is the ball as a cell describes it alone (&quot;red ball&quot;, &quot;joker&quot;); the game writes the sentence&apos;s first letter as a capital.</extracomment>
        <translation>%1 kijelölve.</translation>
    </message>
    <message>
        <source>Selection cancelled.</source>
        <extracomment>Spoken when the player puts the picked ball back down.</extracomment>
        <translation>Kijelölés megszüntetve.</translation>
    </message>
    <message>
        <source>Only a lone ball can be moved.</source>
        <extracomment>Spoken when the player picks a stack of two or more balls, which cannot move.</extracomment>
        <translation>Csak egyedül álló golyó mozgatható.</translation>
    </message>
    <message>
        <source>No path.</source>
        <extracomment>Spoken when the picked ball cannot reach the chosen cell: no free path leads there.</extracomment>
        <translation>Nincs út.</translation>
    </message>
    <message>
        <source>Moved to row %1, column %2.</source>
        <extracomment>Spoken after a move. Rows and columns count from 1 at the top left, as in the cells&apos; names (&quot;row %1, column %2&quot;).</extracomment>
        <translation>Áthelyezve: %1. sor, %2. oszlop.</translation>
    </message>
    <message>
        <source>Stack of five cleared: %1 points.</source>
        <extracomment>%1 is 5, 10 or 15 (five balls times the level&apos;s factor); word it so that it reads right for each.</extracomment>
        <translation>Ötgolyós torony eltűnt: %1 pont.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The new score, said after the points of a clear.</extracomment>
        <translation>Pontszám: %1.</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>%1 lists the balls that just dropped onto the board (one to five), each as &quot;red at row 1, column 1&quot;, separated by the list separator below.</extracomment>
        <translation>Új golyók: %1.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3</source>
        <extracomment>One dropped ball: %1 is its colour as the next-colours panel names it (&quot;red&quot;, &quot;joker&quot;), %2 and %3 its row and column.</extracomment>
        <translation>%1, %2. sor, %3. oszlop</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the dropped balls in the list: &quot;red at row 1, column 1; blue at row 7, column 3&quot;.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Game over. Score %1.</source>
        <extracomment>Spoken when the board is full and the game ends, before the game-over message box.</extracomment>
        <translation>Vége a játéknak. Pontszám: %1.</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <extracomment>%1 is the level&apos;s name (&quot;Beginner&quot;).</extracomment>
        <translation>Új játék, %1 szint.</translation>
    </message>
    <message>
        <source>Score %1, best %2.</source>
        <extracomment>Said on demand (F2): the score and the best score of the level.</extracomment>
        <translation>Pontszám: %1, legjobb: %2.</translation>
    </message>
    <message>
        <source>Next colours: %1.</source>
        <extracomment>Said on demand (F3). %1 is the next-colours panel&apos;s description: the colours (&quot;red, joker, blue&quot;) or &quot;hidden&quot;.</extracomment>
        <translation>Következő színek: %1.</translation>
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
        <translation>piros</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zöld</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>kék</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>sárga</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>bíbor</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cián</translation>
    </message>
    <message>
        <source>white</source>
        <translation>fehér</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>dzsóker</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>piros golyó</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>zöld golyó</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>kék golyó</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>sárga golyó</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>bíbor golyó</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation>cián golyó</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation>fehér golyó</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation>kijelölt piros golyó</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation>kijelölt zöld golyó</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation>kijelölt kék golyó</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation>kijelölt sárga golyó</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation>kijelölt bíbor golyó</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation>kijelölt cián golyó</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation>kijelölt fehér golyó</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation>kijelölt dzsóker</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>%1. sor, %2. oszlop</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>üres</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation>%1, %2 golyóból álló torony</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>rejtett</translation>
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
        <translation>Kezdő</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Haladó</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Szakértő</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation>Ú&amp;j	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Kezdő</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Haladó</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Szakértő</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>Legjobb &amp;eredmények...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation>&amp;Beállítások...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Ki&amp;lépés</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation>&amp;Tartalom	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation>&amp;Szabályok</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;A súgó használata</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Névjegy...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Játék</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Súgó</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation>Új csúcseredmény!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation>Gratulálunk!  Új csúcseredményt értél el.  Írd be a neved a legjobb tíz listájára:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Mégse</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation>A Cobblewell beállításai</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation>Út&amp;vonal mutatása</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation>&amp;Következő színek</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation>&amp;Animált smiley-k</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Mégse</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation> Formák </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation> Megjelenés </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation>Nincs több lehetséges lépés, vége a játéknak!</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Atom</source>
        <translation>Atom</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>Golyó</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dobókocka</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>Spirál</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Léggömb</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation>Pehely</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Korong</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Körök</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Cobblewell is already running but does not respond.</source>
        <translation>A Cobblewell már fut, de nem válaszol.</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation>Új játék</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Legjobb eredmény</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontszám</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation>Következő színek</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation>yyyy. MMM d., dddd HH:mm:ss</translation>
    </message>
    <message>
        <source>The top-ten entry could not be saved in %1: %2.

It stays in the table until you exit Cobblewell.</source>
        <extracomment>%1 is the score file&apos;s path, %2 the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>A legjobb tíz közé került eredményt nem sikerült a(z) %1 fájlba menteni: %2.

A listában marad, amíg ki nem lépsz a Cobblewellből.</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation>A Cobblewell legjobb játékosai</translation>
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
        <translation>Programok (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Minden fájl (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation>Válassz böngészőt a(z) %1 megnyitásához</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation>Nem sikerült csatlakozni az internethez</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation>Verzió: %1, fordítva: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation>Cobblewell súgó</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Tartalom</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Vissza</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Előre</translation>
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
