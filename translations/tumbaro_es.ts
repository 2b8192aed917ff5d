<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
  <context>
    <name>Accessibility</name>
    <message>
      <source>Frame</source>
      <translation>Marco</translation>
    </message>
    <message>
      <source>Frame round the score and the high-score table</source>
      <translation>Marco alrededor de la puntuación y la tabla de récords</translation>
    </message>
    <message>
      <source>Background</source>
      <translation>Fondo</translation>
    </message>
    <message>
      <source>The scheme's picture behind the board</source>
      <translation>La imagen del tema detrás del tablero</translation>
    </message>
    <message>
      <source>Leaves the game (Ctrl+Q)</source>
      <translation>Sale del juego (Ctrl+Q)</translation>
    </message>
    <message>
      <source>Opens the help page (F1)</source>
      <translation>Abre la página de ayuda (F1)</translation>
    </message>
    <message>
      <source>High Score</source>
      <translation>Récords</translation>
    </message>
    <message>
      <source>Title of the high-score table</source>
      <translation>Título de la tabla de récords</translation>
    </message>
    <message>
      <source>Draws the balls as spheres (key 1)</source>
      <translation>Muestra esferas (tecla 1)</translation>
    </message>
    <message>
      <source>Draws the balls as cones (key 2)</source>
      <translation>Muestra conos (tecla 2)</translation>
    </message>
    <message>
      <source>Draws the balls as rings (key 3)</source>
      <translation>Muestra anillos (tecla 3)</translation>
    </message>
    <message>
      <source>Scheme</source>
      <translation>Tema</translation>
    </message>
    <message>
      <source>Title of the scheme buttons</source>
      <translation>Título de los botones de tema</translation>
    </message>
    <message>
      <source>Takes back the last move and its points (U, Backspace or Ctrl+Z)</source>
      <translation>Deshace el último movimiento y sus puntos (U, Retroceso o Ctrl+Z)</translation>
    </message>
    <message>
      <source>Deals a new game (N or F2)</source>
      <translation>Empieza una partida nueva (N o F2)</translation>
    </message>
    <message>
      <source>Pick a ball, then a neighbour above, below, left or right to swap them (Space or Return)</source>
      <translation>Elige una pieza y luego su vecina de arriba, abajo, izquierda o derecha para intercambiarlas (Espacio o Intro)</translation>
    </message>
    <message>
      <source>Match-3 puzzle. Arrow keys move the cursor, Space or Return picks a ball, H shows a possible move, M switches the sound off or on</source>
      <translation>Puzle de combinar tres. Las flechas mueven el cursor, Espacio o Intro elige una pieza, H muestra un movimiento posible, M quita o pone el sonido</translation>
    </message>
    <message>
      <source>The points of the game in progress</source>
      <translation>Los puntos de la partida en curso</translation>
    </message>
    <message>
      <source>High-score names</source>
      <translation>Nombres de los récords</translation>
    </message>
    <message>
      <source>The players of the ten best games, best first</source>
      <translation>Los nombres de las diez mejores partidas, la mejor primero</translation>
    </message>
    <message>
      <source>High scores</source>
      <translation>Mejores puntuaciones</translation>
    </message>
    <message>
      <source>The ten best scores, best first</source>
      <translation>Las diez mejores puntuaciones, la mejor primero</translation>
    </message>
    <message>
      <source>Row %1, column %2: empty</source>
      <translation>Fila %1, columna %2: casilla vacía</translation>
    </message>
    <message>
      <source>Row %1, column %2: %3, picked</source>
      <extracomment>%3 is the ball, as "pink sphere".</extracomment>
      <translation>Fila %1, columna %2: %3, casilla elegida</translation>
    </message>
    <message>
      <source>Row %1, column %2: %3</source>
      <translation>Fila %1, columna %2: %3</translation>
    </message>
    <message>
      <source>What the last move did</source>
      <translation>Lo que hizo el último movimiento</translation>
    </message>
  </context>
  <context>
    <name>BallNames</name>
    <message>
      <source>silver sphere with a red seam</source>
      <translation>esfera plateada con costura roja</translation>
    </message>
    <message>
      <source>gold and brown checked sphere</source>
      <translation>esfera a cuadros dorados y marrones</translation>
    </message>
    <message>
      <source>blue sphere with gold flecks</source>
      <translation>esfera azul con motas doradas</translation>
    </message>
    <message>
      <source>dark green sphere</source>
      <translation>esfera verde oscuro</translation>
    </message>
    <message>
      <source>white sphere with rust speckles</source>
      <translation>esfera blanca con motas de óxido</translation>
    </message>
    <message>
      <source>green and blue sphere</source>
      <translation>esfera verde y azul</translation>
    </message>
    <message>
      <source>red and grey woven sphere</source>
      <translation>esfera tejida en rojo y gris</translation>
    </message>
    <message>
      <source>pink sphere</source>
      <translation>esfera rosa</translation>
    </message>
    <message>
      <source>black cone with a grey web</source>
      <translation>cono negro con una red gris</translation>
    </message>
    <message>
      <source>grey granite cone</source>
      <translation>cono de granito gris</translation>
    </message>
    <message>
      <source>ochre gold cone</source>
      <translation>cono ocre dorado</translation>
    </message>
    <message>
      <source>red cone with a marbled patch</source>
      <translation>cono rojo con una mancha jaspeada</translation>
    </message>
    <message>
      <source>wooden cone</source>
      <translation>cono de madera</translation>
    </message>
    <message>
      <source>blue and white marbled cone</source>
      <translation>cono jaspeado azul y blanco</translation>
    </message>
    <message>
      <source>black and white checked cone</source>
      <translation>cono a cuadros blancos y negros</translation>
    </message>
    <message>
      <source>dark grey cone with green bands</source>
      <translation>cono gris oscuro con franjas verdes</translation>
    </message>
    <message>
      <source>red marbled ring</source>
      <translation>anillo jaspeado rojo</translation>
    </message>
    <message>
      <source>black ring with white lines</source>
      <translation>anillo negro con líneas blancas</translation>
    </message>
    <message>
      <source>white ring with brown speckles</source>
      <translation>anillo blanco con motas marrones</translation>
    </message>
    <message>
      <source>gold ring</source>
      <translation>anillo dorado</translation>
    </message>
    <message>
      <source>dark grey ring with green bands</source>
      <translation>anillo gris oscuro con franjas verdes</translation>
    </message>
    <message>
      <source>black and white checked ring</source>
      <translation>anillo a cuadros blancos y negros</translation>
    </message>
    <message>
      <source>carved wooden ring</source>
      <translation>anillo de madera tallada</translation>
    </message>
    <message>
      <source>blue and white marbled ring</source>
      <translation>anillo jaspeado azul y blanco</translation>
    </message>
  </context>
  <context>
    <name>Deals</name>
    <message>
      <source>Deal number...</source>
      <translation>Número de partida...</translation>
    </message>
    <message>
      <source>Today&apos;s deal</source>
      <translation>Partida del día</translation>
    </message>
    <message>
      <source>Deal number</source>
      <translation>Número de partida</translation>
    </message>
    <message>
      <source>Copy game</source>
      <translation>Copiar partida</translation>
    </message>
    <message>
      <source>Deal %1</source>
      <translation>Partida %1</translation>
    </message>
    <message>
      <source>The game is copied</source>
      <translation>La partida se ha copiado</translation>
    </message>
    <message>
      <source>Type the number of a deal, from 0 to 4294967295.</source>
      <translation>Escribe el número de una partida, de 0 a 4294967295.</translation>
    </message>
    <message>
      <source>%1 is too large: deal numbers go from 0 to 4294967295.</source>
      <translation>%1 es demasiado grande: los números de partida van de 0 a 4294967295.</translation>
    </message>
    <message>
      <source>“%1” is not a deal number: type only the digits 0 to 9.</source>
      <translation>«%1» no es un número de partida: escribe solo las cifras del 0 al 9.</translation>
    </message>
    <message>
      <source>Play the deal numbered (0 to 4294967295):</source>
      <translation>Jugar la partida número (de 0 a 4294967295):</translation>
    </message>
  </context>
  <context>
    <name>Errors</name>
    <message>
      <source>Cannot open file %1</source>
      <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
      <source>Cannot create file %1</source>
      <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
      <source>Cannot lock file %1</source>
      <translation>No se puede bloquear el archivo %1</translation>
    </message>
    <message>
      <source>Cannot read picture %1: no JPEG library</source>
      <translation>No se puede leer la imagen %1: falta la biblioteca JPEG</translation>
    </message>
    <message>
      <source>Cannot read picture %1: out of memory</source>
      <translation>No se puede leer la imagen %1: memoria insuficiente</translation>
    </message>
    <message>
      <source>Cannot read picture %1: %2</source>
      <translation>No se puede leer la imagen %1: %2</translation>
    </message>
    <message>
      <source>'%1' is not a valid integer value</source>
      <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
      <source>List index out of bounds (%1)</source>
      <translation>Índice de lista fuera de rango (%1)</translation>
    </message>
    <message>
      <source>Invalid data type for '%1'</source>
      <translation>Tipo de datos no válido para «%1»</translation>
    </message>
    <message>
      <source>Failed to set data for '%1'</source>
      <translation>No se pudieron guardar los datos de «%1»</translation>
    </message>
    <message>
      <source>Invalid name for the high-score table</source>
      <translation>Nombre no válido para la tabla de récords</translation>
    </message>
  </context>
  <context>
    <name>GameOver</name>
    <message>
      <source>       Game Over!!!</source>
      <extracomment>The leading blanks centre the title; keep them.</extracomment>
      <translation>       ¡¡¡Fin de la partida!!!</translation>
    </message>
    <message>
      <source>Do you want to play again?</source>
      <translation>¿Quieres volver a jugar?</translation>
    </message>
  </context>
  <context>
    <name>HelpPage</name>
    <message>
      <source>Help/Vendrask.html</source>
      <translation>Help/Vendrask.es.html</translation>
    </message>
  </context>
  <context>
    <name>Hints</name>
    <message>
      <source>Your Score</source>
      <translation>Tu puntuación</translation>
    </message>
    <message>
      <source>New Game</source>
      <translation>Nueva partida</translation>
    </message>
    <message>
      <source>Undo your previous move</source>
      <translation>Deshacer tu último movimiento</translation>
    </message>
    <message>
      <source>Scheme 1</source>
      <translation>Tema 1</translation>
    </message>
    <message>
      <source>Scheme 2</source>
      <translation>Tema 2</translation>
    </message>
    <message>
      <source>Scheme 3</source>
      <translation>Tema 3</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Ayuda</translation>
    </message>
    <message>
      <source>Hint</source>
      <extracomment>The command that shows a possible move.</extracomment>
      <translation>Pista</translation>
    </message>
    <message>
      <source>Sound</source>
      <extracomment>The command that switches the sound off or on.</extracomment>
      <translation>Sonido</translation>
    </message>
    <message>
      <source>Exit Game</source>
      <translation>Salir del juego</translation>
    </message>
    <message>
      <source>Symbols</source>
      <extracomment>The command that shows or hides a symbol on each ball.</extracomment>
      <translation>Símbolos</translation>
    </message>
  </context>
  <context>
    <name>Menu</name>
    <message>
      <source>New Classic game</source>
      <translation>Nueva partida clásica</translation>
    </message>
    <message>
      <source>New Timed game</source>
      <translation>Nueva partida contrarreloj</translation>
    </message>
    <message>
      <source>New Zen game</source>
      <translation>Nueva partida zen</translation>
    </message>
    <message>
      <source>Pause</source>
      <translation>Pausa</translation>
    </message>
    <message>
      <source>Menu</source>
      <translation>Menú</translation>
    </message>
  </context>
  <context>
    <name>Pictures</name>
    <message>
      <source>Hight Score</source>
      <translation>Récords</translation>
    </message>
    <message>
      <source>SCHEME</source>
      <translation>TEMA</translation>
    </message>
    <message>
      <source>NEW</source>
      <translation>NUEVO</translation>
    </message>
    <message>
      <source>UNDO</source>
      <translation>ATRÁS</translation>
    </message>
  </context>
  <context>
    <name>QAccessibleActionInterface</name>
    <message>
      <source>Press</source>
      <translation>Pulsar</translation>
    </message>
    <message>
      <source>SetFocus</source>
      <translation>Dar el foco</translation>
    </message>
    <message>
      <source>Triggers the action</source>
      <translation>Ejecuta la acción</translation>
    </message>
    <message>
      <source>Sets the focus</source>
      <translation>Pone el foco</translation>
    </message>
  </context>
  <context>
    <name>QGnomeTheme</name>
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
    <name>QLineEdit</name>
    <message>
      <source>&amp;Undo</source>
      <translation>&amp;Deshacer</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>&amp;Rehacer</translation>
    </message>
    <message>
      <source>Cu&amp;t</source>
      <translation>Cor&amp;tar</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>&amp;Copiar</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>&amp;Pegar</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Eliminar</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>Seleccionar todo</translation>
    </message>
  </context>
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>&amp;Yes</source>
      <translation>&amp;Sí</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>&amp;No</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>Aceptar</translation>
    </message>
  </context>
  <context>
    <name>QShortcut</name>
    <message>
      <source>Ctrl</source>
      <translation>Ctrl</translation>
    </message>
    <message>
      <source>Shift</source>
      <translation>Mayús</translation>
    </message>
    <message>
      <source>Space</source>
      <translation>Espacio</translation>
    </message>
    <message>
      <source>Return</source>
      <translation>Retorno</translation>
    </message>
    <message>
      <source>Enter</source>
      <translation>Intro</translation>
    </message>
    <message>
      <source>Backspace</source>
      <translation>Retroceso</translation>
    </message>
    <message>
      <source>Left</source>
      <translation>Izquierda</translation>
    </message>
    <message>
      <source>Right</source>
      <translation>Derecha</translation>
    </message>
    <message>
      <source>Up</source>
      <translation>Arriba</translation>
    </message>
    <message>
      <source>Down</source>
      <translation>Abajo</translation>
    </message>
    <message>
      <source>Menu</source>
      <translation>Menú</translation>
    </message>
  </context>
  <context>
    <name>SoundNote</name>
    <message>
      <source>Sound on</source>
      <translation>Con sonido</translation>
    </message>
    <message>
      <source>Sound off</source>
      <translation>Sin sonido</translation>
    </message>
  </context>
  <context>
    <name>Spoken</name>
    <message>
      <source>Line of three: %1, %2 points.</source>
      <translation>Línea de tres: %1, %2 puntos.</translation>
    </message>
    <message>
      <source>Line of four: %1, %2 points.</source>
      <translation>Línea de cuatro: %1, %2 puntos.</translation>
    </message>
    <message>
      <source>Line of five: %1, %2 points.</source>
      <translation>Línea de cinco: %1, %2 puntos.</translation>
    </message>
    <message>
      <source>Score %1.</source>
      <translation>Puntuación %1.</translation>
    </message>
    <message>
      <source>Cascade %1.</source>
      <translation>Cascada %1.</translation>
    </message>
    <message>
      <source>No line, not swapped.</source>
      <translation>Sin línea, no se intercambia.</translation>
    </message>
    <message>
      <source>Not neighbours, not swapped.</source>
      <translation>No son vecinas, no se intercambia.</translation>
    </message>
    <message>
      <source>Move taken back.</source>
      <translation>Movimiento deshecho.</translation>
    </message>
    <message>
      <source>New game.</source>
      <translation>Partida nueva.</translation>
    </message>
    <message>
      <source>Spheres.</source>
      <translation>Esferas.</translation>
    </message>
    <message>
      <source>Cones.</source>
      <translation>Conos.</translation>
    </message>
    <message>
      <source>Rings.</source>
      <translation>Anillos.</translation>
    </message>
    <message>
      <source>Hint: swap %1 with %2.</source>
      <translation>Pista: intercambia %1 con %2.</translation>
    </message>
    <message>
      <source>Sound on.</source>
      <translation>Con sonido.</translation>
    </message>
    <message>
      <source>Sound off.</source>
      <translation>Sin sonido.</translation>
    </message>
    <message>
      <source>No moves left. Score %1.</source>
      <translation>No quedan movimientos. Puntuación %1.</translation>
    </message>
    <message>
      <source>No moves left. Score %1, place %2 in the table.</source>
      <translation>No quedan movimientos. Puntuación %1, puesto %2 en los récords.</translation>
    </message>
    <message>
      <source>New high score</source>
      <translation>Nuevo récord</translation>
    </message>
    <message>
      <source>Game over</source>
      <translation>Fin de la partida</translation>
    </message>
    <message>
      <source>Symbols on.</source>
      <translation>Con símbolos.</translation>
    </message>
    <message>
      <source>Symbols off.</source>
      <translation>Sin símbolos.</translation>
    </message>
  </context>
  <context>
    <name>Statistics</name>
    <message>
      <source>Statistics</source>
      <translation>Estadísticas</translation>
    </message>
    <message>
      <source>Your games cannot be counted: the game log %1 cannot be written (%2). The game plays on</source>
      <translation>Tus partidas no se pueden contar: no se puede escribir el registro de partidas %1 (%2). El juego continúa</translation>
    </message>
    <message>
      <source>The statistics window cannot be opened: its module is missing</source>
      <translation>No se puede abrir la ventana de estadísticas: falta su módulo</translation>
    </message>
    <message>
      <source>Classic</source>
      <translation>Clásico</translation>
    </message>
    <message>
      <source>Timed</source>
      <translation>Contrarreloj</translation>
    </message>
    <message>
      <source>Zen</source>
      <translation>Zen</translation>
    </message>
    <message>
      <source>Today&apos;s deal, %1</source>
      <translation>Partida del día, %1</translation>
    </message>
    <message>
      <source>Today&apos;s deal</source>
      <translation>Partida del día</translation>
    </message>
    <message>
      <source>Games</source>
      <translation>Partidas</translation>
    </message>
    <message>
      <source>Best score</source>
      <translation>Mejor puntuación</translation>
    </message>
    <message>
      <source>Average score</source>
      <translation>Puntuación media</translation>
    </message>
    <message>
      <source>Median score</source>
      <translation>Puntuación mediana</translation>
    </message>
    <message>
      <source>Longest cascade</source>
      <translation>Cascada más larga</translation>
    </message>
    <message>
      <source>Last ten scores, newest first</source>
      <translation>Últimas diez puntuaciones, la más reciente primero</translation>
    </message>
    <message>
      <source>Figures of each way to play</source>
      <translation>Cifras de cada modo de juego</translation>
    </message>
    <message>
      <source>none yet</source>
      <translation>ninguna aún</translation>
    </message>
    <message>
      <source>not played</source>
      <translation>sin jugar</translation>
    </message>
    <message>
      <source>Scores of the last hundred games</source>
      <translation>Puntuaciones de las últimas cien partidas</translation>
    </message>
    <message>
      <source>Game</source>
      <translation>Partida</translation>
    </message>
    <message>
      <source>Score</source>
      <translation>Puntuación</translation>
    </message>
    <message>
      <source>%1: no games yet.</source>
      <translation>%1: aún no hay partidas.</translation>
    </message>
    <message numerus="yes">
      <source>%1: %n games, scores from %2 to %3; the best is game %4. Oldest first: %5.</source>
      <translation>
        <numerusform>%1: %n partida, puntuaciones de %2 a %3; la mejor es la partida %4. De la más antigua a la más reciente: %5.</numerusform>
        <numerusform>%1: %n partidas, puntuaciones de %2 a %3; la mejor es la partida %4. De la más antigua a la más reciente: %5.</numerusform>
      </translation>
    </message>
  </context>
  <context>
    <name>THScore</name>
    <message>
      <source>HScore</source>
      <translation>Récords</translation>
    </message>
    <message>
      <source>Congratulations!!!</source>
      <translation>¡¡¡Enhorabuena!!!</translation>
    </message>
    <message>
      <source>You reached the Hight Score!!!</source>
      <translation>¡¡¡Has entrado en los récords!!!</translation>
    </message>
    <message>
      <source>Plese enter your name</source>
      <translation>Escribe tu nombre</translation>
    </message>
    <message>
      <source>Your name</source>
      <translation>Tu nombre</translation>
    </message>
    <message>
      <source>The name for the high-score table, up to eight characters</source>
      <translation>El nombre para la tabla de récords, hasta ocho caracteres</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>Aceptar</translation>
    </message>
    <message>
      <source>Enters the name in the high-score table</source>
      <translation>Anota el nombre en la tabla de récords</translation>
    </message>
  </context>
  <context>
    <name>Pace</name>
    <message>
      <source>Speed: Fast</source>
      <translation>Velocidad: rápida</translation>
    </message>
    <message>
      <source>Speed: Instant</source>
      <translation>Velocidad: instantánea</translation>
    </message>
    <message>
      <source>Speed: Normal</source>
      <translation>Velocidad: normal</translation>
    </message>
    <message>
      <source>Speed</source>
      <extracomment>The command that steps through the speeds: normal, fast, instant.</extracomment>
      <translation>Velocidad</translation>
    </message>
  </context>
  <context>
    <name>Ways</name>
    <message>
      <source>New deal</source>
      <translation>Nuevo reparto</translation>
    </message>
    <message>
      <source>No move left: a new deal, the score kept.</source>
      <translation>No quedan jugadas: nuevo reparto, se mantiene la puntuación.</translation>
    </message>
    <message>
      <source>Paused. Click here or press P to go on.</source>
      <translation>Pausa. Haz clic aquí o pulsa P para seguir.</translation>
    </message>
    <message>
      <source>Timed</source>
      <translation>Contrarreloj</translation>
    </message>
  </context>
  <context>
    <name>Zoom</name>
    <message>
      <source>Zoom In</source>
      <translation>Ampliar</translation>
    </message>
    <message>
      <source>Zoom Out</source>
      <translation>Reducir</translation>
    </message>
    <message>
      <source>Normal Size</source>
      <translation>Tamaño normal</translation>
    </message>
    <message>
      <source>Full Screen</source>
      <translation>Pantalla completa</translation>
    </message>
  </context>
</TS>
