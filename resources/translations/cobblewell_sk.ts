<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation>O hre Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation>Navštívte náš &amp;web!</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>%1 selected.</source>
        <extracomment>Spoken by the screen reader when the player picks a ball. %1 is the ball as a cell describes it alone (&quot;red ball&quot;, &quot;joker&quot;); the game writes the sentence&apos;s first letter as a capital.</extracomment>
        <translation>Vybraté: %1.</translation>
    </message>
    <message>
        <source>Selection cancelled.</source>
        <extracomment>Spoken when the player puts the picked ball back down.</extracomment>
        <translation>Výber zrušený.</translation>
    </message>
    <message>
        <source>Only a lone ball can be moved.</source>
        <extracomment>Spoken when the player picks a stack of two or more balls, which cannot move.</extracomment>
        <translation>Presunúť možno len osamotenú guľu.</translation>
    </message>
    <message>
        <source>No path.</source>
        <extracomment>Spoken when the picked ball cannot reach the chosen cell: no free path leads there.</extracomment>
        <translation>Žiadna cesta.</translation>
    </message>
    <message>
        <source>Moved to row %1, column %2.</source>
        <extracomment>Spoken after a move. Rows and columns count from 1 at the top left, as in the cells&apos; names (&quot;row %1, column %2&quot;).</extracomment>
        <translation>Presunuté na riadok %1, stĺpec %2.</translation>
    </message>
    <message>
        <source>Stack of five cleared: %1 points.</source>
        <extracomment>%1 is 5, 10 or 15 (five balls times the level&apos;s factor); word it so that it reads right for each.</extracomment>
        <translation>Odstránená veža z piatich gúľ: %1 bodov.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The new score, said after the points of a clear.</extracomment>
        <translation>Skóre %1.</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>%1 lists the balls that just dropped onto the board (one to five), each as &quot;red at row 1, column 1&quot;, separated by the list separator below.</extracomment>
        <translation>Nové gule: %1.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3</source>
        <extracomment>One dropped ball: %1 is its colour as the next-colours panel names it (&quot;red&quot;, &quot;joker&quot;), %2 and %3 its row and column.</extracomment>
        <translation>%1 v riadku %2, v stĺpci %3</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the dropped balls in the list: &quot;red at row 1, column 1; blue at row 7, column 3&quot;.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Game over. Score %1.</source>
        <extracomment>Spoken when the board is full and the game ends, before the game-over message box.</extracomment>
        <translation>Koniec hry. Skóre %1.</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <extracomment>%1 is the level&apos;s name (&quot;Beginner&quot;).</extracomment>
        <translation>Nová hra, úroveň %1.</translation>
    </message>
    <message>
        <source>Score %1, best %2.</source>
        <extracomment>Said on demand (F2): the score and the best score of the level.</extracomment>
        <translation>Skóre %1, najlepšie %2.</translation>
    </message>
    <message>
        <source>Next colours: %1.</source>
        <extracomment>Said on demand (F3). %1 is the next-colours panel&apos;s description: the colours (&quot;red, joker, blue&quot;) or &quot;hidden&quot;.</extracomment>
        <translation>Ďalšie farby: %1.</translation>
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
        <translation>červená</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zelená</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>modrá</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>žltá</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>purpurová</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>azúrová</translation>
    </message>
    <message>
        <source>white</source>
        <translation>biela</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>žolík</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>červená guľa</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>zelená guľa</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>modrá guľa</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>žltá guľa</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>purpurová guľa</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation>azúrová guľa</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation>biela guľa</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation>vybraná červená guľa</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation>vybraná zelená guľa</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation>vybraná modrá guľa</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation>vybraná žltá guľa</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation>vybraná purpurová guľa</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation>vybraná azúrová guľa</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation>vybraná biela guľa</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation>vybraný žolík</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>riadok %1, stĺpec %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prázdne</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation>%1, %2 gule vo veži</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>skryté</translation>
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
        <translation>Začiatočník</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Pokročilý</translation>
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
        <translation>&amp;Nová hra	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Začiatočník</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Pokročilý</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Expert</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>Najlepšie &amp;výsledky...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation>&amp;Možnosti...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ukončiť</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation>&amp;Obsah	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation>&amp;Pravidlá</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>Po&amp;užívanie pomocníka</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>O &amp;hre...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Hra</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomocník</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation>Nový rekord!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation>Gratulujeme!  Dosiahli ste nový rekord.  Zadajte svoje meno do tabuľky desiatich najlepších:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušiť</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation>Možnosti hry Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation>Zobrazovať &amp;trasu</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation>Ďalšie &amp;farby</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation>&amp;Animované smajlíky</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušiť</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation> Tvary </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation> Vzhľad </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation>Už nie sú možné žiadne ťahy, hra sa skončila!</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Atom</source>
        <translation>Atóm</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>Guľa</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Kocka</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>Špirála</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Balón</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation>Snehová vločka</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Kotúč</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Kruhy</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Cobblewell is already running but does not respond.</source>
        <translation>Cobblewell už beží, ale nereaguje.</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Najlepšie skóre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation>Ďalšie farby</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation>ddd d. M. yyyy H:mm:ss</translation>
    </message>
    <message>
        <source>The top-ten entry could not be saved in %1: %2.

It stays in the table until you exit Cobblewell.</source>
        <extracomment>%1 is the score file&apos;s path, %2 the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>Záznam do tabuľky desiatich najlepších sa nepodarilo uložiť do %1: %2.

V tabuľke zostane, kým hru Cobblewell neukončíte.</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation>Najlepší hráči hry Cobblewell</translation>
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
        <translation>Programy (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Všetky súbory (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation>Vyberte webový prehliadač na otvorenie %1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation>Pripojenie na internet zlyhalo</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation>Verzia %1, zostavené: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation>Pomocník hry Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Obsah</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Späť</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Dopredu</translation>
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
