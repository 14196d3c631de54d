<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation type="vanished">Over Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation type="vanished">Bezoek nu onze &amp;website!</translation>
    </message>
</context>
<context>
    <name>Cell</name>
    <message>
        <source>red</source>
        <translation type="vanished">rood</translation>
    </message>
    <message>
        <source>green</source>
        <translation type="vanished">groen</translation>
    </message>
    <message>
        <source>blue</source>
        <translation type="vanished">blauw</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation type="vanished">geel</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation type="vanished">magenta</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation type="vanished">cyaan</translation>
    </message>
    <message>
        <source>white</source>
        <translation type="vanished">wit</translation>
    </message>
    <message>
        <source>joker</source>
        <translation type="vanished">joker</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation type="vanished">rode bal</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation type="vanished">groene bal</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation type="vanished">blauwe bal</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation type="vanished">gele bal</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation type="vanished">magenta bal</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation type="vanished">cyaan bal</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation type="vanished">witte bal</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation type="vanished">geselecteerde rode bal</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation type="vanished">geselecteerde groene bal</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation type="vanished">geselecteerde blauwe bal</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation type="vanished">geselecteerde gele bal</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation type="vanished">geselecteerde magenta bal</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation type="vanished">geselecteerde cyaan bal</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation type="vanished">geselecteerde witte bal</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation type="vanished">geselecteerde joker</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation type="vanished">rij %1, kolom %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="vanished">leeg</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation type="vanished">%1, stapel van %2</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation type="vanished">verborgen</translation>
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
        <translation type="vanished">Beginner</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation type="vanished">Gevorderd</translation>
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
        <translation type="vanished">&amp;Nieuw	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation type="vanished">&amp;Beginner</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation type="vanished">&amp;Gevorderd</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation type="vanished">&amp;Expert</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation type="vanished">&amp;Topscores...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation type="vanished">&amp;Voorkeuren...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="vanished">&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation type="vanished">&amp;Inhoud	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation type="vanished">&amp;Regels</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation type="vanished">&amp;Help gebruiken</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="vanished">&amp;Over...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="vanished">&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="vanished">&amp;Help</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation type="vanished">Nieuwe topscore!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation type="vanished">Gefeliciteerd!  Je hebt een nieuwe topscore behaald.  Vul je naam in voor de toptienlijst:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation type="vanished">Voorkeuren voor Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation type="vanished">&amp;Looproute tonen</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation type="vanished">&amp;Volgende kleuren</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation type="vanished">Geanimeerde &amp;smileys</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">&amp;Annuleren</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation type="vanished"> Vormen </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation type="vanished"> Weergave </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation type="vanished">Er zijn geen zetten meer mogelijk, het spel is afgelopen!</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Atom</source>
        <translation type="vanished">Atoom</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation type="vanished">Bal</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation type="vanished">Dobbelsteen</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation type="vanished">Spiraal</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation type="vanished">Ballon</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation type="vanished">Vlok</translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="vanished">Schijf</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation type="vanished">Cirkels</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation type="vanished">Nieuw spel</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation type="vanished">Beste score</translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="vanished">Score</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation type="vanished">Volgende kleuren</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation type="vanished">ddd d MMM yyyy HH:mm:ss</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation type="vanished">Beste spelers van Cobblewell</translation>
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
        <translation type="vanished">Programma’s (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="vanished">Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation type="vanished">Kies een webbrowser voor %1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation type="vanished">Internetverbinding mislukt</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation type="vanished">Versie %1, gecompileerd: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation type="vanished">Cobblewell-help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="vanished">&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="vanished">&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="vanished">&amp;Vooruit</translation>
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
