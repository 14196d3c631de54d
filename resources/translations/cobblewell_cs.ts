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
</TS>
