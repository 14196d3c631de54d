<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation type="vanished">O aplikaci Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation type="vanished">Navštivte náš &amp;web!</translation>
    </message>
</context>
<context>
    <name>Cell</name>
    <message>
        <source>red</source>
        <translation type="vanished">červená</translation>
    </message>
    <message>
        <source>green</source>
        <translation type="vanished">zelená</translation>
    </message>
    <message>
        <source>blue</source>
        <translation type="vanished">modrá</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation type="vanished">žlutá</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation type="vanished">purpurová</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation type="vanished">azurová</translation>
    </message>
    <message>
        <source>white</source>
        <translation type="vanished">bílá</translation>
    </message>
    <message>
        <source>joker</source>
        <translation type="vanished">žolík</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation type="vanished">červená koule</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation type="vanished">zelená koule</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation type="vanished">modrá koule</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation type="vanished">žlutá koule</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation type="vanished">purpurová koule</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation type="vanished">azurová koule</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation type="vanished">bílá koule</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation type="vanished">vybraná červená koule</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation type="vanished">vybraná zelená koule</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation type="vanished">vybraná modrá koule</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation type="vanished">vybraná žlutá koule</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation type="vanished">vybraná purpurová koule</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation type="vanished">vybraná azurová koule</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation type="vanished">vybraná bílá koule</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation type="vanished">vybraný žolík</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation type="vanished">řádek %1, sloupec %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="vanished">prázdné</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation type="vanished">%1, věž o %2 koulích</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation type="vanished">skryté</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the colours of the next-colours panel: &quot;red, joker, blue&quot;.</extracomment>
        <translation type="vanished">, </translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Beginner</source>
        <translation type="vanished">Začátečník</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation type="vanished">Pokročilý</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="vanished">Expert</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation type="vanished">&amp;Nová hra	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation type="vanished">&amp;Začátečník</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation type="vanished">&amp;Pokročilý</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation type="vanished">&amp;Expert</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation type="vanished">Nejlepší &amp;výsledky...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation type="vanished">&amp;Možnosti...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="vanished">&amp;Ukončit</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation type="vanished">&amp;Obsah	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation type="vanished">&amp;Pravidla</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation type="vanished">Používání &amp;nápovědy</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="vanished">O &amp;aplikaci...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="vanished">&amp;Hra</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="vanished">&amp;Nápověda</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation type="vanished">Nový rekord!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation type="vanished">Gratulujeme!  Dosáhli jste nového rekordu.  Zadejte své jméno do tabulky deseti nejlepších:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">&amp;Zrušit</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation type="vanished">Možnosti hry Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation type="vanished">Zobrazovat &amp;cestu</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation type="vanished">&amp;Další barvy</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation type="vanished">&amp;Animovaní smajlíci</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">&amp;Zrušit</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation type="vanished"> Tvary </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation type="vanished"> Vzhled </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation type="vanished">Už nejsou možné žádné tahy, hra skončila!</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Atom</source>
        <translation type="vanished">Atom</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation type="vanished">Koule</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation type="vanished">Kostka</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation type="vanished">Spirála</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation type="vanished">Balónek</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation type="vanished">Vločka</translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="vanished">Kotouč</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation type="vanished">Kruhy</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation type="vanished">Nová hra</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation type="vanished">Nejlepší skóre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="vanished">Skóre</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation type="vanished">Další barvy</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation type="vanished">ddd d. M. yyyy H:mm:ss</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation type="vanished">Nejlepší hráči hry Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
</context>
<context>
    <name>WebLauncher</name>
    <message>
        <source>Programs (*)</source>
        <translation type="vanished">Programy (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="vanished">Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation type="vanished">Vyberte webový prohlížeč pro přechod na %1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation type="vanished">Připojení k internetu selhalo</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation type="vanished">Verze %1, sestaveno: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation type="vanished">Nápověda Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="vanished">&amp;Obsah</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="vanished">&amp;Zpět</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="vanished">&amp;Vpřed</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation type="vanished">%1 - %2</translation>
    </message>
</context>
<context>
    <name>cw::MainWindow</name>
    <message>
        <source>Cobblewell (%1)</source>
        <extracomment>The window title; %1 is the level&apos;s name.</extracomment>
        <translation type="vanished">Cobblewell (%1)</translation>
    </message>
</context>
</TS>
