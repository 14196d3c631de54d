<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation type="vanished">Informazioni su Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation type="vanished">Visita il nostro sito &amp;web!</translation>
    </message>
</context>
<context>
    <name>Cell</name>
    <message>
        <source>red</source>
        <translation type="vanished">rosso</translation>
    </message>
    <message>
        <source>green</source>
        <translation type="vanished">verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation type="vanished">blu</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation type="vanished">giallo</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation type="vanished">magenta</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation type="vanished">ciano</translation>
    </message>
    <message>
        <source>white</source>
        <translation type="vanished">bianco</translation>
    </message>
    <message>
        <source>joker</source>
        <translation type="vanished">jolly</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation type="vanished">pallina rossa</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation type="vanished">pallina verde</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation type="vanished">pallina blu</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation type="vanished">pallina gialla</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation type="vanished">pallina magenta</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation type="vanished">pallina ciano</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation type="vanished">pallina bianca</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation type="vanished">pallina rossa selezionata</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation type="vanished">pallina verde selezionata</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation type="vanished">pallina blu selezionata</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation type="vanished">pallina gialla selezionata</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation type="vanished">pallina magenta selezionata</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation type="vanished">pallina ciano selezionata</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation type="vanished">pallina bianca selezionata</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation type="vanished">jolly selezionato</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation type="vanished">riga %1, colonna %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="vanished">vuota</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation type="vanished">%1, pila di %2</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation type="vanished">nascosti</translation>
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
        <translation type="vanished">Principiante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation type="vanished">Intermedio</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="vanished">Esperto</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation type="vanished">&amp;Nuova	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation type="vanished">&amp;Principiante</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation type="vanished">&amp;Intermedio</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation type="vanished">&amp;Esperto</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation type="vanished">&amp;Classifica...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation type="vanished">P&amp;referenze...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="vanished">E&amp;sci</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation type="vanished">&amp;Sommario	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation type="vanished">&amp;Regole</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation type="vanished">&amp;Uso della guida</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="vanished">&amp;Informazioni...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="vanished">&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="vanished">&amp;Aiuto</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation type="vanished">Nuovo record!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation type="vanished">Congratulazioni!  Hai ottenuto un nuovo record.  Inserisci il tuo nome per la classifica dei primi dieci:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation type="vanished">Preferenze di Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation type="vanished">&amp;Mostra i percorsi</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation type="vanished">&amp;Prossimi colori</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation type="vanished">Faccine a&amp;nimate</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">&amp;Annulla</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation type="vanished"> Forme </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation type="vanished"> Aspetto </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation type="vanished">Non ci sono più mosse possibili, la partita è finita!</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Atom</source>
        <translation type="vanished">Atomo</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation type="vanished">Palla</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation type="vanished">Dado</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation type="vanished">Spirale</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation type="vanished">Palloncino</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation type="vanished">Fiocco</translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="vanished">Disco</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation type="vanished">Cerchi</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation type="vanished">Nuova partita</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation type="vanished">Punteggio migliore</translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="vanished">Punteggio</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation type="vanished">Prossimi colori</translation>
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
        <translation type="vanished">Migliori giocatori di Cobblewell</translation>
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
        <translation type="vanished">Programmi (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="vanished">Tutti i file (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation type="vanished">Scegli il browser web per aprire %1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation type="vanished">Connessione a Internet non riuscita</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation type="vanished">Versione %1, compilata: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation type="vanished">Guida di Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="vanished">&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="vanished">&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="vanished">&amp;Avanti</translation>
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
