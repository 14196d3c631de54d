<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation>Om Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation>Besøk &amp;nettstedet vårt nå!</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>%1 selected.</source>
        <extracomment>Spoken by the screen reader when the player picks a ball. %1 is the ball as a cell describes it alone (&quot;red ball&quot;, &quot;joker&quot;); the game writes the sentence&apos;s first letter as a capital.</extracomment>
        <translation>%1 valgt.</translation>
    </message>
    <message>
        <source>Selection cancelled.</source>
        <extracomment>Spoken when the player puts the picked ball back down.</extracomment>
        <translation>Valget er opphevet.</translation>
    </message>
    <message>
        <source>Only a lone ball can be moved.</source>
        <extracomment>Spoken when the player picks a stack of two or more balls, which cannot move.</extracomment>
        <translation>Bare en enkelt kule kan flyttes.</translation>
    </message>
    <message>
        <source>No path.</source>
        <extracomment>Spoken when the picked ball cannot reach the chosen cell: no free path leads there.</extracomment>
        <translation>Ingen vei.</translation>
    </message>
    <message>
        <source>Moved to row %1, column %2.</source>
        <extracomment>Spoken after a move. Rows and columns count from 1 at the top left, as in the cells&apos; names (&quot;row %1, column %2&quot;).</extracomment>
        <translation>Flyttet til rad %1, kolonne %2.</translation>
    </message>
    <message>
        <source>Stack of five cleared: %1 points.</source>
        <extracomment>%1 is 5, 10 or 15 (five balls times the level&apos;s factor); word it so that it reads right for each.</extracomment>
        <translation>Stabel på fem ryddet: %1 poeng.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The new score, said after the points of a clear.</extracomment>
        <translation>Poengsum %1.</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>%1 lists the balls that just dropped onto the board (one to five), each as &quot;red at row 1, column 1&quot;, separated by the list separator below.</extracomment>
        <translation>Nye kuler: %1.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3</source>
        <extracomment>One dropped ball: %1 is its colour as the next-colours panel names it (&quot;red&quot;, &quot;joker&quot;), %2 and %3 its row and column.</extracomment>
        <translation>%1 i rad %2, kolonne %3</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the dropped balls in the list: &quot;red at row 1, column 1; blue at row 7, column 3&quot;.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Game over. Score %1.</source>
        <extracomment>Spoken when the board is full and the game ends, before the game-over message box.</extracomment>
        <translation>Spillet er slutt. Poengsum %1.</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <extracomment>%1 is the level&apos;s name (&quot;Beginner&quot;).</extracomment>
        <translation>Nytt spill, nivå %1.</translation>
    </message>
    <message>
        <source>Score %1, best %2.</source>
        <extracomment>Said on demand (F2): the score and the best score of the level.</extracomment>
        <translation>Poengsum %1, beste %2.</translation>
    </message>
    <message>
        <source>Next colours: %1.</source>
        <extracomment>Said on demand (F3). %1 is the next-colours panel&apos;s description: the colours (&quot;red, joker, blue&quot;) or &quot;hidden&quot;.</extracomment>
        <translation>Neste farger: %1.</translation>
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
        <translation>rød</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grønn</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blå</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gul</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>white</source>
        <translation>hvit</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>rød kule</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>grønn kule</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>blå kule</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>gul kule</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>magentafarget kule</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation>cyanfarget kule</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation>hvit kule</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation>valgt rød kule</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation>valgt grønn kule</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation>valgt blå kule</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation>valgt gul kule</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation>valgt magentafarget kule</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation>valgt cyanfarget kule</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation>valgt hvit kule</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation>valgt joker</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>rad %1, kolonne %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tom</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation>%1, stabel på %2</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>skjulte</translation>
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
        <translation>Nybegynner</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Middels</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation>&amp;Nytt	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>Ny&amp;begynner</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Middels</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Ekspert</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Toppliste...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation>&amp;Innstillinger...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation>&amp;Innhold	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation>&amp;Regler</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Bruke hjelpen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Om...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spill</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation>Ny rekord!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation>Gratulerer!  Du har satt ny rekord.  Skriv inn navnet ditt for topplisten:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation>Innstillinger for Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation>Vis &amp;hvert steg</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation>Vis &amp;neste farger</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation>Animerte &amp;smileyer</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation> Former </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation> Utseende </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation>Ingen flere trekk er mulige, spillet er slutt!</translation>
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
        <translation>Kule</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Terning</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>Spiral</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Ballong</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation>Fnugg</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Skive</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Sirkler</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Cobblewell is already running but does not respond.</source>
        <translation>Cobblewell kjører allerede, men svarer ikke.</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation>Nytt spill</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Beste poengsum</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poengsum</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation>Neste farger</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation>ddd d. MMM yyyy HH:mm:ss</translation>
    </message>
    <message>
        <source>The top-ten entry could not be saved in %1: %2.

It stays in the table until you exit Cobblewell.</source>
        <extracomment>%1 is the score file&apos;s path, %2 the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>Oppføringen på topplisten kunne ikke lagres i %1: %2.

Den blir stående i listen til du avslutter Cobblewell.</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation>De beste spillerne i Cobblewell</translation>
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
        <translation>Programmer (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle filer (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation>Velg nettleser for å gå til %1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation>Internettilkoblingen mislyktes</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation>Versjon %1, kompilert: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation>Hjelp for Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Innhold</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Tilbake</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Fram</translation>
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
