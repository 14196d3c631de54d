<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation>Tietoja Cobblewellistä</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation>Käy &amp;verkkosivuillamme nyt!</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>%1 selected.</source>
        <extracomment>Spoken by the screen reader when the player picks a ball. %1 is the ball as a cell describes it alone (&quot;red ball&quot;, &quot;joker&quot;); the game writes the sentence&apos;s first letter as a capital.</extracomment>
        <translation>%1 valittu.</translation>
    </message>
    <message>
        <source>Selection cancelled.</source>
        <extracomment>Spoken when the player puts the picked ball back down.</extracomment>
        <translation>Valinta peruttu.</translation>
    </message>
    <message>
        <source>Only a lone ball can be moved.</source>
        <extracomment>Spoken when the player picks a stack of two or more balls, which cannot move.</extracomment>
        <translation>Vain yksittäisen pallon voi siirtää.</translation>
    </message>
    <message>
        <source>No path.</source>
        <extracomment>Spoken when the picked ball cannot reach the chosen cell: no free path leads there.</extracomment>
        <translation>Ei reittiä.</translation>
    </message>
    <message>
        <source>Moved to row %1, column %2.</source>
        <extracomment>Spoken after a move. Rows and columns count from 1 at the top left, as in the cells&apos; names (&quot;row %1, column %2&quot;).</extracomment>
        <translation>Siirretty riville %1, sarakkeeseen %2.</translation>
    </message>
    <message>
        <source>Stack of five cleared: %1 points.</source>
        <extracomment>%1 is 5, 10 or 15 (five balls times the level&apos;s factor); word it so that it reads right for each.</extracomment>
        <translation>Viiden pallon pino poistui: %1 pistettä.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The new score, said after the points of a clear.</extracomment>
        <translation>Pisteet %1.</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>%1 lists the balls that just dropped onto the board (one to five), each as &quot;red at row 1, column 1&quot;, separated by the list separator below.</extracomment>
        <translation>Uudet pallot: %1.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3</source>
        <extracomment>One dropped ball: %1 is its colour as the next-colours panel names it (&quot;red&quot;, &quot;joker&quot;), %2 and %3 its row and column.</extracomment>
        <translation>%1 rivillä %2, sarakkeessa %3</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the dropped balls in the list: &quot;red at row 1, column 1; blue at row 7, column 3&quot;.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Game over. Score %1.</source>
        <extracomment>Spoken when the board is full and the game ends, before the game-over message box.</extracomment>
        <translation>Peli päättyi. Pisteet %1.</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <extracomment>%1 is the level&apos;s name (&quot;Beginner&quot;).</extracomment>
        <translation>Uusi peli, %1.</translation>
    </message>
    <message>
        <source>Score %1, best %2.</source>
        <extracomment>Said on demand (F2): the score and the best score of the level.</extracomment>
        <translation>Pisteet %1, paras tulos %2.</translation>
    </message>
    <message>
        <source>Next colours: %1.</source>
        <extracomment>Said on demand (F3). %1 is the next-colours panel&apos;s description: the colours (&quot;red, joker, blue&quot;) or &quot;hidden&quot;.</extracomment>
        <translation>Seuraavat värit: %1.</translation>
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
        <translation>punainen</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vihreä</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>sininen</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>keltainen</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>syaani</translation>
    </message>
    <message>
        <source>white</source>
        <translation>valkoinen</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>jokeri</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>punainen pallo</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>vihreä pallo</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>sininen pallo</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>keltainen pallo</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>magentanvärinen pallo</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation>syaaninvärinen pallo</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation>valkoinen pallo</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation>valittu punainen pallo</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation>valittu vihreä pallo</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation>valittu sininen pallo</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation>valittu keltainen pallo</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation>valittu magentanvärinen pallo</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation>valittu syaaninvärinen pallo</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation>valittu valkoinen pallo</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation>valittu jokeri</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>rivi %1, sarake %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tyhjä</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation>%1, %2 pallon pino</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>piilotettu</translation>
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
        <translation>Aloittelija</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Keskitaso</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Asiantuntija</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation>&amp;Uusi	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Aloittelija</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Keskitaso</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>A&amp;siantuntija</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Parhaat tulokset...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation>Ase&amp;tukset...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation>&amp;Sisällys	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation>Sää&amp;nnöt</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Ohjeen käyttö</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Tietoja...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Peli</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation>Uusi ennätys!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation>Onnittelut!  Teit uuden ennätyksen.  Kirjoita nimesi kymmenen parhaan listalle:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Peruuta</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation>Cobblewellin asetukset</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation>Näytä &amp;reitti</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation>Näytä &amp;seuraavat värit</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation>&amp;Animoidut hymiöt</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Peruuta</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation> Muodot </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation> Ulkoasu </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation>Siirtoja ei ole enää jäljellä, peli on päättynyt!</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Atom</source>
        <translation>Atomi</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>Pallo</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Noppa</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>Spiraali</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Ilmapallo</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation>Hiutale</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Kiekko</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Ympyrät</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Cobblewell is already running but does not respond.</source>
        <translation>Cobblewell on jo käynnissä, mutta se ei vastaa.</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation>Uusi peli</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Paras tulos</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pisteet</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation>Seuraavat värit</translation>
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
        <translation>Merkintää kymmenen parhaan listalle ei voitu tallentaa tiedostoon %1: %2.

Se pysyy listalla, kunnes lopetat Cobblewellin.</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation>Cobblewellin parhaat pelaajat</translation>
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
        <translation>Ohjelmat (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Kaikki tiedostot (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation>Valitse selain, jolla avataan %1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation>Internet-yhteys epäonnistui</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation>Versio %1, käännetty: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation>Cobblewellin ohje</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sisällys</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Takaisin</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Eteenpäin</translation>
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
