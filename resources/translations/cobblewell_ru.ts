<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation type="vanished">О программе Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation type="vanished">Посетите наш &amp;веб-сайт!</translation>
    </message>
</context>
<context>
    <name>Cell</name>
    <message>
        <source>red</source>
        <translation type="vanished">красный</translation>
    </message>
    <message>
        <source>green</source>
        <translation type="vanished">зелёный</translation>
    </message>
    <message>
        <source>blue</source>
        <translation type="vanished">синий</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation type="vanished">жёлтый</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation type="vanished">пурпурный</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation type="vanished">голубой</translation>
    </message>
    <message>
        <source>white</source>
        <translation type="vanished">белый</translation>
    </message>
    <message>
        <source>joker</source>
        <translation type="vanished">джокер</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation type="vanished">красный шар</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation type="vanished">зелёный шар</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation type="vanished">синий шар</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation type="vanished">жёлтый шар</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation type="vanished">пурпурный шар</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation type="vanished">голубой шар</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation type="vanished">белый шар</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation type="vanished">выбранный красный шар</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation type="vanished">выбранный зелёный шар</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation type="vanished">выбранный синий шар</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation type="vanished">выбранный жёлтый шар</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation type="vanished">выбранный пурпурный шар</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation type="vanished">выбранный голубой шар</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation type="vanished">выбранный белый шар</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation type="vanished">выбранный джокер</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation type="vanished">строка %1, столбец %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="vanished">пусто</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation type="vanished">%1, стопка из %2</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation type="vanished">скрыты</translation>
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
        <translation type="vanished">Новичок</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation type="vanished">Любитель</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="vanished">Эксперт</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation type="vanished">&amp;Новая игра	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation type="vanished">Нови&amp;чок</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation type="vanished">&amp;Любитель</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation type="vanished">&amp;Эксперт</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation type="vanished">&amp;Рекорды...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation type="vanished">&amp;Параметры...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="vanished">&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation type="vanished">&amp;Содержание	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation type="vanished">&amp;Правила</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation type="vanished">&amp;Использование справки</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="vanished">&amp;О программе...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="vanished">&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="vanished">&amp;Справка</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation type="vanished">Новый рекорд!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation type="vanished">Поздравляем!  Вы установили новый рекорд.  Введите своё имя для таблицы десяти лучших:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">О&amp;тмена</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation type="vanished">Параметры Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation type="vanished">&amp;Показывать путь</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation type="vanished">&amp;Следующие цвета</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation type="vanished">&amp;Живые смайлики</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">О&amp;тмена</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation type="vanished"> Фигуры </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation type="vanished"> Внешний вид </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation type="vanished">Ходов больше нет, игра окончена!</translation>
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
        <translation type="vanished">Шар</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation type="vanished">Кубик</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation type="vanished">Спираль</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation type="vanished">Воздушный шар</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation type="vanished">Снежинка</translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="vanished">Диск</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation type="vanished">Круги</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation type="vanished">Новая игра</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation type="vanished">Лучший результат</translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="vanished">Счёт</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation type="vanished">Следующие цвета</translation>
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
        <translation type="vanished">Лучшие игроки Cobblewell</translation>
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
        <translation type="vanished">Программы (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="vanished">Все файлы (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation type="vanished">Выберите веб-браузер для перехода по адресу %1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation type="vanished">Не удалось подключиться к Интернету</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation type="vanished">Версия %1, сборка: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation type="vanished">Справка Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="vanished">&amp;Содержание</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="vanished">&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="vanished">&amp;Вперёд</translation>
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
