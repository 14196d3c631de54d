<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
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
        <translation>Besök vår &amp;webbplats nu!</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>%1 selected.</source>
        <extracomment>Spoken by the screen reader when the player picks a ball. %1 is the ball as a cell describes it alone (&quot;red ball&quot;, &quot;joker&quot;); the game writes the sentence&apos;s first letter as a capital.</extracomment>
        <translation>%1 vald.</translation>
    </message>
    <message>
        <source>Selection cancelled.</source>
        <extracomment>Spoken when the player puts the picked ball back down.</extracomment>
        <translation>Valet ångrat.</translation>
    </message>
    <message>
        <source>Only a lone ball can be moved.</source>
        <extracomment>Spoken when the player picks a stack of two or more balls, which cannot move.</extracomment>
        <translation>Bara en ensam kula kan flyttas.</translation>
    </message>
    <message>
        <source>No path.</source>
        <extracomment>Spoken when the picked ball cannot reach the chosen cell: no free path leads there.</extracomment>
        <translation>Ingen fri väg.</translation>
    </message>
    <message>
        <source>Moved to row %1, column %2.</source>
        <extracomment>Spoken after a move. Rows and columns count from 1 at the top left, as in the cells&apos; names (&quot;row %1, column %2&quot;).</extracomment>
        <translation>Flyttad till rad %1, kolumn %2.</translation>
    </message>
    <message>
        <source>Stack of five cleared: %1 points.</source>
        <extracomment>%1 is 5, 10 or 15 (five balls times the level&apos;s factor); word it so that it reads right for each.</extracomment>
        <translation>Stapel med fem rensad: %1 poäng.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The new score, said after the points of a clear.</extracomment>
        <translation>Poäng: %1.</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>%1 lists the balls that just dropped onto the board (one to five), each as &quot;red at row 1, column 1&quot;, separated by the list separator below.</extracomment>
        <translation>Nya kulor: %1.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3</source>
        <extracomment>One dropped ball: %1 is its colour as the next-colours panel names it (&quot;red&quot;, &quot;joker&quot;), %2 and %3 its row and column.</extracomment>
        <translation>%1 på rad %2, kolumn %3</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the dropped balls in the list: &quot;red at row 1, column 1; blue at row 7, column 3&quot;.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Game over. Score %1.</source>
        <extracomment>Spoken when the board is full and the game ends, before the game-over message box.</extracomment>
        <translation>Spelet är slut. Poäng: %1.</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <extracomment>%1 is the level&apos;s name (&quot;Beginner&quot;).</extracomment>
        <translation>Nytt spel, nivå %1.</translation>
    </message>
    <message>
        <source>Score %1, best %2.</source>
        <extracomment>Said on demand (F2): the score and the best score of the level.</extracomment>
        <translation>Poäng: %1, bästa poäng: %2.</translation>
    </message>
    <message>
        <source>Next colours: %1.</source>
        <extracomment>Said on demand (F3). %1 is the next-colours panel&apos;s description: the colours (&quot;red, joker, blue&quot;) or &quot;hidden&quot;.</extracomment>
        <translation>Nästa färger: %1.</translation>
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
        <translation>röd</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grön</translation>
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
        <translation>vit</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>röd kula</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>grön kula</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>blå kula</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>gul kula</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>magentafärgad kula</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation>cyanfärgad kula</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation>vit kula</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation>vald röd kula</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation>vald grön kula</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation>vald blå kula</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation>vald gul kula</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation>vald magentafärgad kula</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation>vald cyanfärgad kula</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation>vald vit kula</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation>vald joker</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>rad %1, kolumn %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tom</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation>%1, stapel med %2</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>dolda</translation>
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
        <translation>Nybörjare</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Medel</translation>
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
        <translation>&amp;Nytt	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>Ny&amp;börjare</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Medel</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Expert</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Topplista...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation>&amp;Inställningar...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation>&amp;Innehåll	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation>&amp;Regler</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Använda hjälpen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Om...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation>Nytt rekord!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation>Grattis!  Du har satt ett nytt rekord.  Skriv in ditt namn för topplistan:</translation>
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
        <translation>Inställningar för Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation>Visa &amp;varje steg</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation>Visa &amp;nästa färger</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation>Animerade &amp;smileys</translation>
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
        <translation>Inga fler drag är möjliga, spelet är slut!</translation>
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
        <translation>Kula</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Tärning</translation>
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
        <translation>Flinga</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Skiva</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Cirklar</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Cobblewell is already running but does not respond.</source>
        <translation>Cobblewell körs redan men svarar inte.</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Bästa poäng</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation>Nästa färger</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation>ddd d MMM yyyy HH:mm:ss</translation>
    </message>
    <message>
        <source>The top-ten entry could not be saved in %1: %2.

It stays in the table until you exit Cobblewell.</source>
        <extracomment>%1 is the score file&apos;s path, %2 the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>Posten i topplistan kunde inte sparas i %1: %2.

Den finns kvar i listan tills du avslutar Cobblewell.</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation>Bästa spelarna i Cobblewell</translation>
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
        <translation>Program (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alla filer (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation>Välj webbläsare för att gå till %1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation>Internetanslutningen misslyckades</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation>Version %1, kompilerad: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation>Hjälp för Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Innehåll</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Bakåt</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Framåt</translation>
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
