<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BoardView</name>
    <message>
        <source>Game Over</source>
        <translation>Fin del juego</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The window system plugin (xcb, wayland, offscreen ...).</source>
        <translation>El complemento del sistema de ventanas (xcb, wayland, offscreen...).</translation>
    </message>
    <message>
        <source>Path to the platform plugins.</source>
        <translation>La ruta de los complementos de plataforma.</translation>
    </message>
    <message>
        <source>Platform theme.</source>
        <translation>El tema de la plataforma.</translation>
    </message>
    <message>
        <source>Additional plugins to load, can be given more than once.</source>
        <translation>Complementos adicionales que cargar; se puede indicar varias veces.</translation>
    </message>
    <message>
        <source>Geometry of the main window, like 100x100+50+50.</source>
        <translation>La geometría de la ventana principal, por ejemplo 100x100+50+50.</translation>
    </message>
    <message>
        <source>Default window icon.</source>
        <translation>El icono predeterminado de las ventanas.</translation>
    </message>
    <message>
        <source>Title of the first window.</source>
        <translation>El título de la primera ventana.</translation>
    </message>
    <message>
        <source>Lays the window out from right to left.</source>
        <translation>Dispone la ventana de derecha a izquierda.</translation>
    </message>
    <message>
        <source>Restores the program from an earlier session.</source>
        <translation>Restaura el programa de una sesión anterior.</translation>
    </message>
    <message>
        <source>The widget style.</source>
        <translation>El estilo de los widgets.</translation>
    </message>
    <message>
        <source>A style sheet for the widgets.</source>
        <translation>Una hoja de estilo para los widgets.</translation>
    </message>
    <message>
        <source>Reports the widgets left undestroyed at the end.</source>
        <translation>Informa al final de los widgets que quedan sin destruir.</translation>
    </message>
    <message>
        <source>Loads the testability library.</source>
        <translation>Carga la biblioteca de testabilidad.</translation>
    </message>
    <message>
        <source>Starts the QML debugger (as -qmljsdebugger=value).</source>
        <translation>Inicia el depurador de QML (como -qmljsdebugger=value).</translation>
    </message>
    <message>
        <source>X11 display name, overrides $DISPLAY.</source>
        <translation>El nombre de la pantalla X11, en lugar de $DISPLAY.</translation>
    </message>
    <message>
        <source>X11 instance name.</source>
        <translation>El nombre de instancia X11.</translation>
    </message>
    <message>
        <source>X11 alias for -qwindowgeometry.</source>
        <translation>X11: alias de -qwindowgeometry.</translation>
    </message>
    <message>
        <source>X11 alias for -qwindowicon.</source>
        <translation>X11: alias de -qwindowicon.</translation>
    </message>
    <message>
        <source>X11 alias for -qwindowtitle.</source>
        <translation>X11: alias de -qwindowtitle.</translation>
    </message>
    <message>
        <source>ID of the X11 visual to use.</source>
        <translation>El identificador del visual X11 que se usará.</translation>
    </message>
    <message>
        <source>X11: never grabs the mouse.</source>
        <translation>X11: nunca captura el ratón.</translation>
    </message>
    <message>
        <source>X11: grabs the mouse even under a debugger.</source>
        <translation>X11: captura el ratón incluso bajo un depurador.</translation>
    </message>
    <message>
        <source>Try &apos;tolmora --help&apos; for more information.</source>
        <translation>Prueba «tolmora --help» para más información.</translation>
    </message>
    <message>
        <source>Missing value after %1.</source>
        <translation>Falta un valor después de %1.</translation>
    </message>
    <message>
        <source>Tolmora, a puzzle game against the clock.</source>
        <translation>Tolmora, un juego de puzles contrarreloj.</translation>
    </message>
    <message>
        <source>Plays board number &lt;N&gt; (0 to 4294967295) first.</source>
        <translation>Juega primero el tablero número &lt;N&gt; (de 0 a 4294967295).</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Opción desconocida %1.</translation>
    </message>
    <message>
        <source>unexpected argument %1.</source>
        <translation>argumento inesperado %1.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opciones]</translation>
    </message>
    <message>
        <source>Watches game &lt;ID&gt; from the history again, or the last one.</source>
        <translation>Vuelve a mostrar la partida &lt;ID&gt; del historial, o la última.</translation>
    </message>
    <message>
        <source>%1 is not a game of the history.</source>
        <translation>%1 no es una partida del historial.</translation>
    </message>
    <message>
        <source>The history holds no recorded game %1.</source>
        <translation>El historial no contiene ninguna partida grabada %1.</translation>
    </message>
    <message>
        <source>Plays today&apos;s daily board first (17 x 12, 2 minutes).</source>
        <translation>Juega primero el tablero del día (17 x 12, 2 minutos).</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Developers</source>
        <translation>Desarrolladores</translation>
    </message>
    <message>
        <source>The Tolmora developers</source>
        <translation>Los desarrolladores de Tolmora</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>The Tolmora synthesizer</source>
        <translation>El sintetizador de Tolmora</translation>
    </message>
    <message>
        <source>Tunes and effects by the Tolmora developers</source>
        <translation>Melodías y efectos de los desarrolladores de Tolmora</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>The Tolmora brick painter</source>
        <translation>El pintor de ladrillos de Tolmora</translation>
    </message>
    <message>
        <source>Pictures and icon by the Tolmora developers</source>
        <translation>Imágenes e icono de los desarrolladores de Tolmora</translation>
    </message>
    <message>
        <source>Tolmora v%1.%2.%3</source>
        <translation>Tolmora v%1.%2.%3</translation>
    </message>
    <message>
        <source>Copyright © the Tolmora developers. Tolmora, its pictures, sounds and help were made by the Tolmora developers with the project&apos;s own tools. This program comes with no warranty of any kind, to the extent permitted by law.</source>
        <translation>Copyright © los desarrolladores de Tolmora. Los desarrolladores de Tolmora crearon Tolmora, sus imágenes, sonidos y ayuda con las herramientas del propio proyecto. Este programa se ofrece sin ninguna garantía, en la medida en que lo permita la ley.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message numerus="yes">
        <source>The history is unavailable: %1. %n finished game(s) wait %3, to be written when it can be.</source>
        <translation>
            <numerusform>El historial no está disponible: %1. %n partida terminada espera %3, y se guardará en cuanto sea posible.</numerusform>
            <numerusform>El historial no está disponible: %1. %n partidas terminadas esperan %3, y se guardarán en cuanto sea posible.</numerusform>
        </translation>
    </message>
    <message>
        <source>in memory only, as %1</source>
        <translation>solo en memoria, porque %1</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>The history is unavailable: %1.</source>
        <translation>El historial no está disponible: %1.</translation>
    </message>
    <message>
        <source>a new history file could not be started in %1</source>
        <translation>no se ha podido crear un archivo de historial nuevo en %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>no se puede escribir en la carpeta %1</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 es de solo lectura</translation>
    </message>
    <message>
        <source>%1 is a link to nothing</source>
        <translation>%1 es un enlace que no apunta a nada</translation>
    </message>
    <message>
        <source>the damaged file %1 could not be moved aside</source>
        <translation>no se ha podido apartar el archivo dañado %1</translation>
    </message>
    <message>
        <source>The history file was damaged and was kept as %1.</source>
        <translation>El archivo de historial estaba dañado y se ha conservado como %1.</translation>
    </message>
    <message>
        <source>%1 could not be removed</source>
        <translation>no se ha podido eliminar %1</translation>
    </message>
</context>
<context>
    <name>MenuActions</name>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Brick Symbols</source>
        <translation>Símbolos en los ladrillos</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Keep Theme for New Games</source>
        <translation>Conservar el tema en las partidas nuevas</translation>
    </message>
    <message>
        <source>High Contrast Panel</source>
        <translation>Panel de alto contraste</translation>
    </message>
    <message>
        <source>Play Board Number…</source>
        <translation>Jugar un tablero por su número…</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Estadísticas…</translation>
    </message>
    <message>
        <source>Rules and other help</source>
        <translation>Reglas y ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Efectos de sonido</translation>
    </message>
    <message>
        <source>Pause When Inactive</source>
        <translation>Pausar al quedar inactivo</translation>
    </message>
    <message>
        <source>Daily Board</source>
        <translation>Tablero del día</translation>
    </message>
    <message>
        <source>Show Best Group</source>
        <translation>Mostrar el mejor grupo</translation>
    </message>
</context>
<context>
    <name>QtFileDialog</name>
    <message>
        <source>Theme File (*.tlm)</source>
        <translation>Archivo de tema (*.tlm)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
</context>
<context>
    <name>ReplayController</name>
    <message>
        <source>move %1 of %2</source>
        <translation>jugada %1 de %2</translation>
    </message>
    <message>
        <source>Replay, step by step: %1</source>
        <translation>Repetición, paso a paso: %1</translation>
    </message>
    <message>
        <source>Replay at %1x: %2</source>
        <translation>Repetición a %1×: %2</translation>
    </message>
    <message>
        <source>Best group now: %1 points</source>
        <translation>Mejor grupo ahora: %1 puntos</translation>
    </message>
    <message>
        <source>Last move took %1 points; the best group then gave %2</source>
        <translation>La última jugada dio %1 puntos; el mejor grupo habría dado %2</translation>
    </message>
    <message>
        <source>The largest group at every move would have given %1 points, the groups taken gave %2. A simple look back, not a solver.</source>
        <translation>El grupo más grande en cada jugada habría dado %1 puntos, los grupos quitados dieron %2. Una simple mirada atrás, no un solucionador.</translation>
    </message>
    <message>
        <source>Keys: 1, 2, 4 speed; Space step; B best group; Esc leave</source>
        <translation>Teclas: 1, 2, 4 velocidad; Espacio paso; B mejor grupo; Esc salir</translation>
    </message>
</context>
<context>
    <name>ScoreChart</name>
    <message>
        <source>No games yet</source>
        <translation>Todavía no hay partidas</translation>
    </message>
    <message>
        <source>Best of these: %1</source>
        <translation>Mejor de la serie: %1</translation>
    </message>
</context>
<context>
    <name>SidePanel</name>
    <message>
        <source>When this text turns green you have aquired the minimum Grouping score for your level. Each level has a minimum number of bricks that must be grouped together. The grouping number for your level is
%1</source>
        <translation>Cuando este texto se ponga verde, habrás alcanzado el tamaño mínimo de grupo de tu nivel. Cada nivel exige un número mínimo de ladrillos agrupados. El tamaño mínimo de grupo de tu nivel es
%1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Nivel: %1</translation>
    </message>
    <message>
        <source>Bricks For Level
%1</source>
        <translation>Ladrillos a quitar
%1</translation>
    </message>
    <message>
        <source>Bricks Selected
%1</source>
        <translation>Seleccionados
%1</translation>
    </message>
    <message>
        <source>Fill Empty Space  (30 second Penalty)</source>
        <translation>Rellenar huecos  (penalización de 30 s)</translation>
    </message>
    <message>
        <source>Bricks Selected</source>
        <translation>Seleccionados</translation>
    </message>
    <message>
        <source>Bricks For Level  50</source>
        <translation>Ladrillos a quitar  50</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Tu puntuación</translation>
    </message>
</context>
<context>
    <name>Tolmora</name>
    <message>
        <source>Your preferences could not be saved to %1.</source>
        <translation>No se han podido guardar tus preferencias en %1.</translation>
    </message>
    <message>
        <source>Tolmora</source>
        <translation>Tolmora</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a board number. A board number is a whole number from 0 to %2.</source>
        <translation>«%1» no es un número de tablero. Un número de tablero es un número entero de 0 a %2.</translation>
    </message>
    <message>
        <source>Your settings and high scores could not be saved to %1: %2.</source>
        <translation>No se han podido guardar tus ajustes y récords en %1: %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>¿Seguro que quieres empezar una partida nueva?</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Escribe tu nombre.</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nuevo récord</translation>
    </message>
    <message>
        <source>Board number (0 to 4294967295):</source>
        <translation>Número de tablero (de 0 a 4294967295):</translation>
    </message>
    <message>
        <source>Play Board Number</source>
        <translation>Jugar un tablero por su número</translation>
    </message>
    <message>
        <source>The game height must be a number</source>
        <translation>El alto del tablero debe ser un número</translation>
    </message>
    <message>
        <source>The game height must be above 2</source>
        <translation>El alto del tablero debe ser mayor que 2</translation>
    </message>
    <message>
        <source>The game height must be at most 1000</source>
        <translation>El alto del tablero no puede pasar de 1000</translation>
    </message>
    <message>
        <source>The game width must be a number</source>
        <translation>El ancho del tablero debe ser un número</translation>
    </message>
    <message>
        <source>The game width must be above 2</source>
        <translation>El ancho del tablero debe ser mayor que 2</translation>
    </message>
    <message>
        <source>The game width must be at most 1000</source>
        <translation>El ancho del tablero no puede pasar de 1000</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Tolmora</source>
        <translation>Tolmora</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
</context>
<context>
    <name>frmNewGame</name>
    <message>
        <source>NewGame</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Game Width</source>
        <translation>Ancho del tablero</translation>
    </message>
    <message>
        <source>Game Height</source>
        <translation>Alto del tablero</translation>
    </message>
    <message>
        <source>Game Time (in seconds)</source>
        <translation>Duración (en segundos)</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Empezar partida</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>Valores por defecto</translation>
    </message>
</context>
<context>
    <name>frmRules</name>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Partidas jugadas:</translation>
    </message>
    <message>
        <source>Time played:</source>
        <translation>Tiempo de juego:</translation>
    </message>
    <message>
        <source>Best score:</source>
        <translation>Mejor puntuación:</translation>
    </message>
    <message>
        <source>Average score:</source>
        <translation>Puntuación media:</translation>
    </message>
    <message>
        <source>Best group:</source>
        <translation>Mejor grupo:</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Board Number</source>
        <translation>Número de tablero</translation>
    </message>
    <message>
        <source>Scores of the last games:</source>
        <translation>Puntuaciones de las últimas partidas:</translation>
    </message>
    <message>
        <source>Recent games:</source>
        <translation>Partidas recientes:</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Tablero del día</translation>
    </message>
    <message>
        <source>Today&apos;s best:</source>
        <translation>Mejor puntuación de hoy:</translation>
    </message>
    <message>
        <source>Days in a row:</source>
        <translation>Días seguidos:</translation>
    </message>
    <message>
        <source>Best daily scores of the last 30 days:</source>
        <translation>Mejores puntuaciones de los últimos 30 días:</translation>
    </message>
    <message>
        <source>&amp;Play This Board</source>
        <translation>&amp;Jugar este tablero</translation>
    </message>
    <message>
        <source>&amp;Watch Replay</source>
        <translation>&amp;Ver repetición</translation>
    </message>
    <message>
        <source>C&amp;opy Result</source>
        <translation>C&amp;opiar resultado</translation>
    </message>
    <message>
        <source>Tolmora daily %1: %2 points, level %3, best group %4</source>
        <translation>Tolmora, tablero del día %1: %2 puntos, nivel %3, mejor grupo %4</translation>
    </message>
</context>
</TS>
