<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation type="vanished">Acerca de Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">&amp;Aceptar</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation type="vanished">¡Visita nuestro sitio &amp;web!</translation>
    </message>
</context>
<context>
    <name>Cell</name>
    <message>
        <source>red</source>
        <translation type="vanished">rojo</translation>
    </message>
    <message>
        <source>green</source>
        <translation type="vanished">verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation type="vanished">azul</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation type="vanished">amarillo</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation type="vanished">magenta</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation type="vanished">cian</translation>
    </message>
    <message>
        <source>white</source>
        <translation type="vanished">blanco</translation>
    </message>
    <message>
        <source>joker</source>
        <translation type="vanished">comodín</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation type="vanished">bola roja</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation type="vanished">bola verde</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation type="vanished">bola azul</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation type="vanished">bola amarilla</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation type="vanished">bola magenta</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation type="vanished">bola cian</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation type="vanished">bola blanca</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation type="vanished">bola roja seleccionada</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation type="vanished">bola verde seleccionada</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation type="vanished">bola azul seleccionada</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation type="vanished">bola amarilla seleccionada</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation type="vanished">bola magenta seleccionada</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation type="vanished">bola cian seleccionada</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation type="vanished">bola blanca seleccionada</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation type="vanished">comodín seleccionado</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation type="vanished">fila %1, columna %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="vanished">vacía</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation type="vanished">%1, pila de %2</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation type="vanished">ocultos</translation>
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
        <translation type="vanished">Experto</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation type="vanished">&amp;Nuevo	Ctrl-N</translation>
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
        <translation type="vanished">&amp;Experto</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation type="vanished">&amp;Mejores puntuaciones...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation type="vanished">Pre&amp;ferencias...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="vanished">&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation type="vanished">&amp;Contenido	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation type="vanished">&amp;Reglas</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation type="vanished">&amp;Uso de la ayuda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="vanished">&amp;Acerca de...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="vanished">&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="vanished">&amp;Ayuda</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation type="vanished">¡Nueva puntuación máxima!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation type="vanished">¡Enhorabuena!  Has conseguido una nueva puntuación máxima.  Escribe tu nombre para la tabla de los diez mejores:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation type="vanished">Preferencias de Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation type="vanished">&amp;Mostrar recorridos</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation type="vanished">&amp;Próximos colores</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation type="vanished">Caritas a&amp;nimadas</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="vanished">&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">&amp;Cancelar</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation type="vanished"> Formas </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation type="vanished"> Apariencia </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation type="vanished">No quedan movimientos, ¡la partida ha terminado!</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Atom</source>
        <translation type="vanished">Átomo</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation type="vanished">Bola</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation type="vanished">Dado</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation type="vanished">Espiral</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation type="vanished">Globo</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation type="vanished">Copo</translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="vanished">Disco</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation type="vanished">Círculos</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation type="vanished">Nueva partida</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation type="vanished">Mejor puntuación</translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="vanished">Puntuación</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation type="vanished">Próximos colores</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation type="vanished">ddd, d MMM yyyy H:mm:ss</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation type="vanished">Mejores jugadores de Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="vanished">&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>WebLauncher</name>
    <message>
        <source>Programs (*)</source>
        <translation type="vanished">Programas (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="vanished">Todos los ficheros (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation type="vanished">Elige el navegador web para ir a %1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation type="vanished">Error en la conexión a Internet</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation type="vanished">Versión %1, compilada: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation type="vanished">Ayuda de Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="vanished">&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="vanished">&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="vanished">A&amp;delante</translation>
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
