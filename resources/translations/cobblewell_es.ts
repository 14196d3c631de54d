<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation>Acerca de Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation>¡Visita nuestro sitio &amp;web!</translation>
    </message>
</context>
<context>
    <name>Announcement</name>
    <message>
        <source>%1 selected.</source>
        <extracomment>Spoken by the screen reader when the player picks a ball. %1 is the ball as a cell describes it alone (&quot;red ball&quot;, &quot;joker&quot;); the game writes the sentence&apos;s first letter as a capital.</extracomment>
        <translation>Selección: %1.</translation>
    </message>
    <message>
        <source>Selection cancelled.</source>
        <extracomment>Spoken when the player puts the picked ball back down.</extracomment>
        <translation>Selección cancelada.</translation>
    </message>
    <message>
        <source>Only a lone ball can be moved.</source>
        <extracomment>Spoken when the player picks a stack of two or more balls, which cannot move.</extracomment>
        <translation>Solo se puede mover una bola suelta.</translation>
    </message>
    <message>
        <source>No path.</source>
        <extracomment>Spoken when the picked ball cannot reach the chosen cell: no free path leads there.</extracomment>
        <translation>No hay camino libre.</translation>
    </message>
    <message>
        <source>Moved to row %1, column %2.</source>
        <extracomment>Spoken after a move. Rows and columns count from 1 at the top left, as in the cells&apos; names (&quot;row %1, column %2&quot;).</extracomment>
        <translation>Movimiento a la fila %1, columna %2.</translation>
    </message>
    <message>
        <source>Stack of five cleared: %1 points.</source>
        <extracomment>%1 is 5, 10 or 15 (five balls times the level&apos;s factor); word it so that it reads right for each.</extracomment>
        <translation>Pila de cinco eliminada: %1 puntos.</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <extracomment>The new score, said after the points of a clear.</extracomment>
        <translation>Puntuación: %1.</translation>
    </message>
    <message>
        <source>New balls: %1.</source>
        <extracomment>%1 lists the balls that just dropped onto the board (one to five), each as &quot;red at row 1, column 1&quot;, separated by the list separator below.</extracomment>
        <translation>Bolas nuevas: %1.</translation>
    </message>
    <message>
        <source>%1 at row %2, column %3</source>
        <extracomment>One dropped ball: %1 is its colour as the next-colours panel names it (&quot;red&quot;, &quot;joker&quot;), %2 and %3 its row and column.</extracomment>
        <translation>%1 en la fila %2, columna %3</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the dropped balls in the list: &quot;red at row 1, column 1; blue at row 7, column 3&quot;.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Game over. Score %1.</source>
        <extracomment>Spoken when the board is full and the game ends, before the game-over message box.</extracomment>
        <translation>Fin de la partida. Puntuación: %1.</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <extracomment>%1 is the level&apos;s name (&quot;Beginner&quot;).</extracomment>
        <translation>Nueva partida, nivel %1.</translation>
    </message>
    <message>
        <source>Score %1, best %2.</source>
        <extracomment>Said on demand (F2): the score and the best score of the level.</extracomment>
        <translation>Puntuación: %1, mejor puntuación: %2.</translation>
    </message>
    <message>
        <source>Next colours: %1.</source>
        <extracomment>Said on demand (F3). %1 is the next-colours panel&apos;s description: the colours (&quot;red, joker, blue&quot;) or &quot;hidden&quot;.</extracomment>
        <translation>Próximos colores: %1.</translation>
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
        <translation>rojo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>joker</source>
        <translation>comodín</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>bola roja</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>bola verde</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>bola azul</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>bola amarilla</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>bola magenta</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation>bola cian</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation>bola blanca</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation>bola roja seleccionada</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation>bola verde seleccionada</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation>bola azul seleccionada</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation>bola amarilla seleccionada</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation>bola magenta seleccionada</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation>bola cian seleccionada</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation>bola blanca seleccionada</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation>comodín seleccionado</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation>%1, pila de %2</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>ocultos</translation>
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
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation>&amp;Nueva partida	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Principiante</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Intermedio</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Experto</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Mejores puntuaciones...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation>Pre&amp;ferencias...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation>&amp;Contenido	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation>&amp;Reglas</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Uso de la ayuda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation>¡Nueva puntuación máxima!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation>¡Felicidades!  Has conseguido una nueva puntuación máxima.  Escribe tu nombre para la tabla de los diez mejores:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation>Preferencias de Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation>&amp;Mostrar recorridos</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation>&amp;Próximos colores</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation>Caritas a&amp;nimadas</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation> Formas </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation> Apariencia </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation>No quedan movimientos, ¡la partida ha terminado!</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Atom</source>
        <translation>Átomo</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>Bola</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation>Espiral</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Globo</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation>Copo</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Disco</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Círculos</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Cobblewell is already running but does not respond.</source>
        <translation>Cobblewell ya se está ejecutando, pero no responde.</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Mejor puntuación</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation>Próximos colores</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation>ddd, d MMM yyyy H:mm:ss</translation>
    </message>
    <message>
        <source>The top-ten entry could not be saved in %1: %2.

It stays in the table until you exit Cobblewell.</source>
        <extracomment>%1 is the score file&apos;s path, %2 the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>No se ha podido guardar la entrada de la tabla de los diez mejores en %1: %2.

Seguirá en la tabla hasta que salgas de Cobblewell.</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation>Mejores jugadores de Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>WebLauncher</name>
    <message>
        <source>Programs (*)</source>
        <translation>Programas (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation>Elige el navegador web para ir a %1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation>Error en la conexión a Internet</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation>Versión %1, compilada: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation>Ayuda de Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
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
