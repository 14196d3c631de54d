<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation type="vanished">O programie Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation type="vanished">Odwiedź naszą &amp;stronę WWW!</translation>
    </message>
</context>
<context>
    <name>Cell</name>
    <message>
        <source>red</source>
        <translation type="vanished">czerwona</translation>
    </message>
    <message>
        <source>green</source>
        <translation type="vanished">zielona</translation>
    </message>
    <message>
        <source>blue</source>
        <translation type="vanished">niebieska</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation type="vanished">żółta</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation type="vanished">purpurowa</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation type="vanished">błękitna</translation>
    </message>
    <message>
        <source>white</source>
        <translation type="vanished">biała</translation>
    </message>
    <message>
        <source>joker</source>
        <translation type="vanished">joker</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation type="vanished">czerwona kula</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation type="vanished">zielona kula</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation type="vanished">niebieska kula</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation type="vanished">żółta kula</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation type="vanished">purpurowa kula</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation type="vanished">błękitna kula</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation type="vanished">biała kula</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation type="vanished">zaznaczona czerwona kula</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation type="vanished">zaznaczona zielona kula</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation type="vanished">zaznaczona niebieska kula</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation type="vanished">zaznaczona żółta kula</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation type="vanished">zaznaczona purpurowa kula</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation type="vanished">zaznaczona błękitna kula</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation type="vanished">zaznaczona biała kula</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation type="vanished">zaznaczony joker</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation type="vanished">wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="vanished">puste</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation type="vanished">%1, stos z %2 kul</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation type="vanished">ukryte</translation>
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
        <translation type="vanished">Początkujący</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation type="vanished">Zaawansowany</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="vanished">Ekspert</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation type="vanished">&amp;Nowa gra	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation type="vanished">&amp;Początkujący</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation type="vanished">&amp;Zaawansowany</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation type="vanished">&amp;Ekspert</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation type="vanished">Najlepsze &amp;wyniki...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation type="vanished">&amp;Ustawienia...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="vanished">Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation type="vanished">&amp;Spis treści	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation type="vanished">&amp;Zasady</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation type="vanished">&amp;Korzystanie z pomocy</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="vanished">&amp;O programie...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="vanished">&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="vanished">&amp;Pomoc</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation type="vanished">Nowy rekord!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation type="vanished">Gratulacje!  Masz nowy rekord.  Wpisz swoje imię do tabeli najlepszej dziesiątki:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation type="vanished">Ustawienia Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation type="vanished">&amp;Pokazuj trasy</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation type="vanished">&amp;Następne kolory</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation type="vanished">Animowane &amp;buźki</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">&amp;Anuluj</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation type="vanished"> Kształty </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation type="vanished"> Wygląd </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation type="vanished">Brak możliwych ruchów, koniec gry!</translation>
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
        <translation type="vanished">Kula</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation type="vanished">Kostka</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation type="vanished">Spirala</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation type="vanished">Balon</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation type="vanished">Płatek</translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="vanished">Krążek</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation type="vanished">Okręgi</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation type="vanished">Nowa gra</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation type="vanished">Najlepszy wynik</translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="vanished">Wynik</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation type="vanished">Następne kolory</translation>
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
        <translation type="vanished">Najlepsi gracze Cobblewell</translation>
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
        <translation type="vanished">Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation type="vanished">Wybierz przeglądarkę WWW, aby przejść do %1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation type="vanished">Nie udało się połączyć z Internetem</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation type="vanished">Wersja %1, skompilowano: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation type="vanished">Pomoc Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="vanished">&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="vanished">&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="vanished">&amp;Dalej</translation>
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
