<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation>Cobblewell Hakkında</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation>&amp;Web sitemizi hemen ziyaret edin!</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>%1 selected.</source>
        <extracomment>Spoken by the screen reader when the player picks a ball. %1 is the ball as a cell describes it alone (&quot;red ball&quot;, &quot;joker&quot;); the game writes the sentence&apos;s first letter as a capital.</extracomment>
        <translation>%1 seçildi.</translation>
    </message>
    <message>
        <source>Selection cancelled.</source>
        <extracomment>Spoken when the player puts the picked ball back down.</extracomment>
        <translation>Seçim iptal edildi.</translation>
    </message>
    <message>
        <source>Only a lone ball can be moved.</source>
        <extracomment>Spoken when the player picks a stack of two or more balls, which cannot move.</extracomment>
        <translation>Yalnızca tek başına duran bir top taşınabilir.</translation>
    </message>
    <message>
        <source>No path.</source>
        <extracomment>Spoken when the picked ball cannot reach the chosen cell: no free path leads there.</extracomment>
        <translation>Yol yok.</translation>
    </message>
    <message>
        <source>Moved to row %1, column %2.</source>
        <extracomment>Spoken after a move. Rows and columns count from 1 at the top left, as in the cells&apos; names (&quot;row %1, column %2&quot;).</extracomment>
        <translation>Taşındı: satır %1, sütun %2.</translation>
    </message>
    <message>
        <source>Stack of five cleared: %1 points.</source>
        <extracomment>%1 is 5, 10 or 15 (five balls times the level&apos;s factor); word it so that it reads right for each.</extracomment>
        <translation>Beşli yığın silindi: %1 puan.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The new score, said after the points of a clear.</extracomment>
        <translation>Puan: %1.</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>%1 lists the balls that just dropped onto the board (one to five), each as &quot;red at row 1, column 1&quot;, separated by the list separator below.</extracomment>
        <translation>Yeni toplar: %1.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3</source>
        <extracomment>One dropped ball: %1 is its colour as the next-colours panel names it (&quot;red&quot;, &quot;joker&quot;), %2 and %3 its row and column.</extracomment>
        <translation>%1, satır %2, sütun %3</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the dropped balls in the list: &quot;red at row 1, column 1; blue at row 7, column 3&quot;.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Game over. Score %1.</source>
        <extracomment>Spoken when the board is full and the game ends, before the game-over message box.</extracomment>
        <translation>Oyun bitti. Puan: %1.</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <extracomment>%1 is the level&apos;s name (&quot;Beginner&quot;).</extracomment>
        <translation>Yeni oyun, seviye: %1.</translation>
    </message>
    <message>
        <source>Score %1, best %2.</source>
        <extracomment>Said on demand (F2): the score and the best score of the level.</extracomment>
        <translation>Puan: %1, en iyi: %2.</translation>
    </message>
    <message>
        <source>Next colours: %1.</source>
        <extracomment>Said on demand (F3). %1 is the next-colours panel&apos;s description: the colours (&quot;red, joker, blue&quot;) or &quot;hidden&quot;.</extracomment>
        <translation>Sonraki renkler: %1.</translation>
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
        <translation>kırmızı</translation>
    </message>
    <message>
        <source>green</source>
        <translation>yeşil</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>mavi</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>sarı</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>eflatun</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>camgöbeği</translation>
    </message>
    <message>
        <source>white</source>
        <translation>beyaz</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>kırmızı top</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>yeşil top</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>mavi top</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>sarı top</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>eflatun top</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation>camgöbeği top</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation>beyaz top</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation>seçili kırmızı top</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation>seçili yeşil top</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation>seçili mavi top</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation>seçili sarı top</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation>seçili eflatun top</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation>seçili camgöbeği top</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation>seçili beyaz top</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation>seçili joker</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>satır %1, sütun %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>boş</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation>%1, %2 topluk yığın</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>gizli</translation>
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
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Uzman</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation>&amp;Yeni	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Başlangıç</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Orta</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Uzman</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Rekorlar...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation>&amp;Seçenekler...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation>&amp;Dizin	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation>&amp;Kurallar</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Yardımı Kullanma</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Hakkında...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Oyun</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation>Yeni Rekor!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation>Tebrikler!  Yeni bir rekor kırdınız.  Lütfen ilk on tablosu için adınızı girin:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Vazgeç</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation>Cobblewell Seçenekleri</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation>&amp;Yolu göster</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation>&amp;Sonraki renkleri göster</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation>&amp;Hareketli gülen yüzler</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Vazgeç</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation> Şekiller </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation> Görünüm </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation>Başka hamle kalmadı, oyun bitti!</translation>
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
        <translation>Top</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Zar</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>Sarmal</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Balon</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation>Kar tanesi</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Halkalar</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Cobblewell is already running but does not respond.</source>
        <translation>Cobblewell zaten çalışıyor ama yanıt vermiyor.</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation>Yeni oyun</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>En iyi puan</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puan</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation>Sonraki renkler</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation>d MMM yyyy ddd HH:mm:ss</translation>
    </message>
    <message>
        <source>The top-ten entry could not be saved in %1: %2.

It stays in the table until you exit Cobblewell.</source>
        <extracomment>%1 is the score file&apos;s path, %2 the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>İlk on girdisi %1 konumuna kaydedilemedi: %2.

Cobblewell’den çıkana kadar tabloda kalacak.</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation>Cobblewell En İyi Oyuncuları</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Tamam</translation>
    </message>
</context>
<context>
    <name>WebLauncher</name>
    <message>
        <source>Programs (*)</source>
        <translation>Programlar (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tüm Dosyalar (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation>%1 adresine gitmek için web tarayıcısı seçin</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation>İnternet bağlantısı kurulamadı</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation>Sürüm %1, derlenme tarihi: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation>Cobblewell Yardımı</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>İçin&amp;dekiler</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Geri</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>İle&amp;ri</translation>
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
