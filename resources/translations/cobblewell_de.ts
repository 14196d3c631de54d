<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation type="vanished">Über Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation type="vanished">Jetzt unsere &amp;Website besuchen!</translation>
    </message>
</context>
<context>
    <name>Cell</name>
    <message>
        <source>red</source>
        <translation type="vanished">rot</translation>
    </message>
    <message>
        <source>green</source>
        <translation type="vanished">grün</translation>
    </message>
    <message>
        <source>blue</source>
        <translation type="vanished">blau</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation type="vanished">gelb</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation type="vanished">magenta</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation type="vanished">cyan</translation>
    </message>
    <message>
        <source>white</source>
        <translation type="vanished">weiß</translation>
    </message>
    <message>
        <source>joker</source>
        <translation type="vanished">Joker</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation type="vanished">rote Kugel</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation type="vanished">grüne Kugel</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation type="vanished">blaue Kugel</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation type="vanished">gelbe Kugel</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation type="vanished">magentafarbene Kugel</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation type="vanished">cyanfarbene Kugel</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation type="vanished">weiße Kugel</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation type="vanished">ausgewählte rote Kugel</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation type="vanished">ausgewählte grüne Kugel</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation type="vanished">ausgewählte blaue Kugel</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation type="vanished">ausgewählte gelbe Kugel</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation type="vanished">ausgewählte magentafarbene Kugel</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation type="vanished">ausgewählte cyanfarbene Kugel</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation type="vanished">ausgewählte weiße Kugel</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation type="vanished">ausgewählter Joker</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation type="vanished">Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="vanished">leer</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation type="vanished">%1, Stapel aus %2</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation type="vanished">ausgeblendet</translation>
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
        <translation type="vanished">Anfänger</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation type="vanished">Fortgeschrittene</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="vanished">Experten</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation type="vanished">&amp;Neu	Strg+N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation type="vanished">&amp;Anfänger</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation type="vanished">&amp;Fortgeschrittene</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation type="vanished">&amp;Experten</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation type="vanished">Besten&amp;liste...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation type="vanished">Ein&amp;stellungen...	Strg+O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="vanished">&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation type="vanished">&amp;Inhalt	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation type="vanished">&amp;Regeln</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation type="vanished">&amp;Hilfe verwenden</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="vanished">Ü&amp;ber...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="vanished">&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="vanished">&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation type="vanished">Neuer Highscore!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation type="vanished">Glückwunsch!  Sie haben einen neuen Highscore erreicht.  Bitte geben Sie Ihren Namen für die Bestenliste ein:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation type="vanished">Cobblewell-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation type="vanished">&amp;Laufweg zeigen</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation type="vanished">&amp;Nächste Farben</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation type="vanished">Animierte &amp;Smileys</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">&amp;Abbrechen</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation type="vanished"> Formen </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation type="vanished"> Darstellung </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation type="vanished">Keine Züge mehr möglich, das Spiel ist vorbei!</translation>
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
        <translation type="vanished">Kugel</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation type="vanished">Würfel</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation type="vanished">Spirale</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation type="vanished">Ballon</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation type="vanished">Flocke</translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="vanished">Scheibe</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation type="vanished">Kreise</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation type="vanished">Neues Spiel</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation type="vanished">Bestwert</translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="vanished">Punkte</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation type="vanished">Nächste Farben</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation type="vanished">ddd, d. MMM yyyy HH:mm:ss</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation type="vanished">Die besten Spieler von Cobblewell</translation>
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
        <translation type="vanished">Programme (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="vanished">Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation type="vanished">Webbrowser auswählen zum Öffnen von %1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation type="vanished">Internetverbindung fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation type="vanished">Version %1, kompiliert: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation type="vanished">Cobblewell-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="vanished">&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="vanished">&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="vanished">&amp;Vorwärts</translation>
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
