<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation>O hře Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation>Navštivte hned náš &amp;web!</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>%1 selected.</source>
        <extracomment>Spoken by the screen reader when the player picks a ball. %1 is the ball as a cell describes it alone (&quot;red ball&quot;, &quot;joker&quot;); the game writes the sentence&apos;s first letter as a capital.</extracomment>
        <translation>Vybráno: %1.</translation>
    </message>
    <message>
        <source>Selection cancelled.</source>
        <extracomment>Spoken when the player puts the picked ball back down.</extracomment>
        <translation>Výběr zrušen.</translation>
    </message>
    <message>
        <source>Only a lone ball can be moved.</source>
        <extracomment>Spoken when the player picks a stack of two or more balls, which cannot move.</extracomment>
        <translation>Přesunout lze jen osamocenou kouli.</translation>
    </message>
    <message>
        <source>No path.</source>
        <extracomment>Spoken when the picked ball cannot reach the chosen cell: no free path leads there.</extracomment>
        <translation>Žádná cesta.</translation>
    </message>
    <message>
        <source>Moved to row %1, column %2.</source>
        <extracomment>Spoken after a move. Rows and columns count from 1 at the top left, as in the cells&apos; names (&quot;row %1, column %2&quot;).</extracomment>
        <translation>Přesunuto na řádek %1, sloupec %2.</translation>
    </message>
    <message>
        <source>Stack of five cleared: %1 points.</source>
        <extracomment>%1 is 5, 10 or 15 (five balls times the level&apos;s factor); word it so that it reads right for each.</extracomment>
        <translation>Odstraněna věž z pěti koulí: %1 bodů.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The new score, said after the points of a clear.</extracomment>
        <translation>Skóre %1.</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>%1 lists the balls that just dropped onto the board (one to five), each as &quot;red at row 1, column 1&quot;, separated by the list separator below.</extracomment>
        <translation>Nové koule: %1.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3</source>
        <extracomment>One dropped ball: %1 is its colour as the next-colours panel names it (&quot;red&quot;, &quot;joker&quot;), %2 and %3 its row and column.</extracomment>
        <translation>%1 v řádku %2, ve sloupci %3</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the dropped balls in the list: &quot;red at row 1, column 1; blue at row 7, column 3&quot;.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Game over. Score %1.</source>
        <extracomment>Spoken when the board is full and the game ends, before the game-over message box.</extracomment>
        <translation>Konec hry. Skóre %1.</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <extracomment>%1 is the level&apos;s name (&quot;Beginner&quot;).</extracomment>
        <translation>Nová hra, úroveň %1.</translation>
    </message>
    <message>
        <source>Score %1, best %2.</source>
        <extracomment>Said on demand (F2): the score and the best score of the level.</extracomment>
        <translation>Skóre %1, nejlepší %2.</translation>
    </message>
    <message>
        <source>Next colours: %1.</source>
        <extracomment>Said on demand (F3). %1 is the next-colours panel&apos;s description: the colours (&quot;red, joker, blue&quot;) or &quot;hidden&quot;.</extracomment>
        <translation>Další barvy: %1.</translation>
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
        <translation>žlutá</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>purpurová</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>azurová</translation>
    </message>
    <message>
        <source>white</source>
        <translation>bílá</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>žolík</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>červená koule</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>zelená koule</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>modrá koule</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>žlutá koule</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>purpurová koule</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation>azurová koule</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation>bílá koule</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation>vybraná červená koule</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation>vybraná zelená koule</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation>vybraná modrá koule</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation>vybraná žlutá koule</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation>vybraná purpurová koule</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation>vybraná azurová koule</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation>vybraná bílá koule</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation>vybraný žolík</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>řádek %1, sloupec %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prázdné</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation>%1, %2 koule ve věži</translation>
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
        <translation>Začátečník</translation>
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
        <translation>&amp;Začátečník</translation>
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
        <translation>Nejlepší &amp;výsledky...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation>&amp;Možnosti...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ukončit</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation>&amp;Obsah	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation>&amp;Pravidla</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>Používání &amp;nápovědy</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>O &amp;hře...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Hra</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
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
        <translation>Gratulujeme!  Dosáhli jste nového rekordu.  Zadejte své jméno do tabulky deseti nejlepších:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušit</translation>
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
        <translation>Zobrazovat &amp;cestu</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation>&amp;Další barvy</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation>&amp;Animovaní smajlíci</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušit</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation> Tvary </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation> Vzhled </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation>Už nejsou možné žádné tahy, hra skončila!</translation>
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
        <translation>Koule</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Kostka</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>Spirála</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Balónek</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation>Vločka</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Kotouč</translation>
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
        <translation>Cobblewell už běží, ale nereaguje.</translation>
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
        <translation>Nejlepší skóre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation>Další barvy</translation>
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
        <translation>Záznam do tabulky deseti nejlepších se nepodařilo uložit do %1: %2.

V tabulce zůstane, dokud hru Cobblewell neukončíte.</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation>Nejlepší hráči hry Cobblewell</translation>
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
        <translation>Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation>Vyberte webový prohlížeč pro přechod na %1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation>Připojení k internetu selhalo</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation>Verze %1, sestaveno: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation>Nápověda ke hře Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Obsah</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vpřed</translation>
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
