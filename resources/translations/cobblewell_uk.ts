<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation type="vanished">Про програму Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation type="vanished">Відвідайте наш &amp;вебсайт!</translation>
    </message>
</context>
<context>
    <name>Cell</name>
    <message>
        <source>red</source>
        <translation type="vanished">червона</translation>
    </message>
    <message>
        <source>green</source>
        <translation type="vanished">зелена</translation>
    </message>
    <message>
        <source>blue</source>
        <translation type="vanished">синя</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation type="vanished">жовта</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation type="vanished">пурпурова</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation type="vanished">блакитна</translation>
    </message>
    <message>
        <source>white</source>
        <translation type="vanished">біла</translation>
    </message>
    <message>
        <source>joker</source>
        <translation type="vanished">джокер</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation type="vanished">червона куля</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation type="vanished">зелена куля</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation type="vanished">синя куля</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation type="vanished">жовта куля</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation type="vanished">пурпурова куля</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation type="vanished">блакитна куля</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation type="vanished">біла куля</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation type="vanished">вибрана червона куля</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation type="vanished">вибрана зелена куля</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation type="vanished">вибрана синя куля</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation type="vanished">вибрана жовта куля</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation type="vanished">вибрана пурпурова куля</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation type="vanished">вибрана блакитна куля</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation type="vanished">вибрана біла куля</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation type="vanished">вибраний джокер</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation type="vanished">рядок %1, стовпець %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="vanished">порожньо</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation type="vanished">%1, стос із %2</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation type="vanished">приховано</translation>
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
        <translation type="vanished">Початківець</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation type="vanished">Аматор</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="vanished">Експерт</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation type="vanished">&amp;Нова гра	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation type="vanished">&amp;Початківець</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation type="vanished">&amp;Аматор</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation type="vanished">&amp;Експерт</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation type="vanished">&amp;Рекорди...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation type="vanished">Налаш&amp;тування...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="vanished">&amp;Вийти</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation type="vanished">&amp;Зміст	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation type="vanished">&amp;Правила</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation type="vanished">&amp;Користування довідкою</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="vanished">П&amp;ро програму...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="vanished">&amp;Гра</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="vanished">&amp;Довідка</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation type="vanished">Новий рекорд!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation type="vanished">Вітаємо!  Ви встановили новий рекорд.  Введіть своє ім’я для таблиці десяти найкращих:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">&amp;Скасувати</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation type="vanished">Налаштування Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation type="vanished">&amp;Показувати шлях</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation type="vanished">&amp;Наступні кольори</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation type="vanished">&amp;Анімовані смайлики</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">&amp;Скасувати</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation type="vanished"> Форми </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation type="vanished"> Вигляд </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation type="vanished">Ходів більше немає, гру закінчено!</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Atom</source>
        <translation type="vanished">Атом</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation type="vanished">Куля</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation type="vanished">Кубик</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation type="vanished">Спіраль</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation type="vanished">Повітряна куля</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation type="vanished">Сніжинка</translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="vanished">Диск</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation type="vanished">Кола</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation type="vanished">Нова гра</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation type="vanished">Найкращий результат</translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="vanished">Рахунок</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation type="vanished">Наступні кольори</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation type="vanished">ddd, d MMM yyyy HH:mm:ss</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation type="vanished">Найкращі гравці Cobblewell</translation>
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
        <translation type="vanished">Програми (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="vanished">Усі файли (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation type="vanished">Виберіть веббраузер для переходу за адресою %1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation type="vanished">Не вдалося під’єднатися до Інтернету</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation type="vanished">Версія %1, збірка: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation type="vanished">Довідка Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="vanished">&amp;Зміст</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="vanished">&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="vanished">&amp;Вперед</translation>
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
