<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation>Despre Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation>Vizitați-ne &amp;site-ul acum!</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>%1 selected.</source>
        <extracomment>Spoken by the screen reader when the player picks a ball. %1 is the ball as a cell describes it alone (&quot;red ball&quot;, &quot;joker&quot;); the game writes the sentence&apos;s first letter as a capital.</extracomment>
        <translation>Selecție: %1.</translation>
    </message>
    <message>
        <source>Selection cancelled.</source>
        <extracomment>Spoken when the player puts the picked ball back down.</extracomment>
        <translation>Selecție anulată.</translation>
    </message>
    <message>
        <source>Only a lone ball can be moved.</source>
        <extracomment>Spoken when the player picks a stack of two or more balls, which cannot move.</extracomment>
        <translation>Doar o bilă singură se poate muta.</translation>
    </message>
    <message>
        <source>No path.</source>
        <extracomment>Spoken when the picked ball cannot reach the chosen cell: no free path leads there.</extracomment>
        <translation>Niciun drum liber.</translation>
    </message>
    <message>
        <source>Moved to row %1, column %2.</source>
        <extracomment>Spoken after a move. Rows and columns count from 1 at the top left, as in the cells&apos; names (&quot;row %1, column %2&quot;).</extracomment>
        <translation>Mutare pe rândul %1, coloana %2.</translation>
    </message>
    <message>
        <source>Stack of five cleared: %1 points.</source>
        <extracomment>%1 is 5, 10 or 15 (five balls times the level&apos;s factor); word it so that it reads right for each.</extracomment>
        <translation>Stivă de cinci eliminată: %1 puncte.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The new score, said after the points of a clear.</extracomment>
        <translation>Scor: %1.</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>%1 lists the balls that just dropped onto the board (one to five), each as &quot;red at row 1, column 1&quot;, separated by the list separator below.</extracomment>
        <translation>Bile noi: %1.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3</source>
        <extracomment>One dropped ball: %1 is its colour as the next-colours panel names it (&quot;red&quot;, &quot;joker&quot;), %2 and %3 its row and column.</extracomment>
        <translation>%1 pe rândul %2, coloana %3</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the dropped balls in the list: &quot;red at row 1, column 1; blue at row 7, column 3&quot;.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Game over. Score %1.</source>
        <extracomment>Spoken when the board is full and the game ends, before the game-over message box.</extracomment>
        <translation>Joc terminat. Scor: %1.</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <extracomment>%1 is the level&apos;s name (&quot;Beginner&quot;).</extracomment>
        <translation>Partidă nouă, nivelul %1.</translation>
    </message>
    <message>
        <source>Score %1, best %2.</source>
        <extracomment>Said on demand (F2): the score and the best score of the level.</extracomment>
        <translation>Scor: %1, cel mai bun scor: %2.</translation>
    </message>
    <message>
        <source>Next colours: %1.</source>
        <extracomment>Said on demand (F3). %1 is the next-colours panel&apos;s description: the colours (&quot;red, joker, blue&quot;) or &quot;hidden&quot;.</extracomment>
        <translation>Culorile următoare: %1.</translation>
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
        <translation>roșu</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>albastru</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>galben</translation>
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
        <translation>alb</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>bilă roșie</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>bilă verde</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>bilă albastră</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>bilă galbenă</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>bilă magenta</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation>bilă cyan</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation>bilă albă</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation>bilă roșie selectată</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation>bilă verde selectată</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation>bilă albastră selectată</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation>bilă galbenă selectată</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation>bilă magenta selectată</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation>bilă cyan selectată</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation>bilă albă selectată</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation>joker selectat</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>rândul %1, coloana %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>goală</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation>%1, stivă de %2</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>ascunse</translation>
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
        <translation>Începător</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermediar</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation>&amp;Nou	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>Înce&amp;pător</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Intermediar</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Expert</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Scoruri maxime...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation>&amp;Opțiuni...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Ieși&amp;re</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation>&amp;Cuprins	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation>&amp;Reguli</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Utilizarea ajutorului</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Despre...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Joc</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajutor</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation>Scor maxim nou!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation>Felicitări!  Ați obținut un nou scor maxim.  Introduceți-vă numele pentru clasamentul primilor zece:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anulează</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation>Opțiuni Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation>Arată &amp;traseul mutărilor</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation>&amp;Culorile următoare</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation>Emoticoane a&amp;nimate</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anulează</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation> Forme </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation> Aspect </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation>Nu mai există mutări posibile, jocul s-a terminat!</translation>
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
        <translation>Bilă</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Zar</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>Spirală</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Balon</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation>Fulg de nea</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Disc</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Cercuri</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Cobblewell is already running but does not respond.</source>
        <translation>Cobblewell rulează deja, dar nu răspunde.</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation>Partidă nouă</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Cel mai bun scor</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Scor</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation>Culorile următoare</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation>ddd, d MMM yyyy, HH:mm:ss</translation>
    </message>
    <message>
        <source>The top-ten entry could not be saved in %1: %2.

It stays in the table until you exit Cobblewell.</source>
        <extracomment>%1 is the score file&apos;s path, %2 the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>Intrarea în clasamentul primilor zece nu a putut fi salvată în %1: %2.

Rămâne în clasament până când ieșiți din Cobblewell.</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation>Cei mai buni jucători de Cobblewell</translation>
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
        <translation>Programe (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Toate fișierele (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation>Selectați navigatorul web pentru a accesa %1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation>Conexiunea la internet a eșuat</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation>Versiunea %1, compilată: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation>Ajutor Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Cuprins</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Î&amp;napoi</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Înain&amp;te</translation>
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
