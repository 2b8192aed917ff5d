<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
  <context>
    <name>Accessibility</name>
    <message>
      <source>Frame</source>
      <translation>Cornice</translation>
    </message>
    <message>
      <source>Frame round the score and the high-score table</source>
      <translation>Cornice intorno al punteggio e alla classifica</translation>
    </message>
    <message>
      <source>Background</source>
      <translation>Sfondo</translation>
    </message>
    <message>
      <source>The scheme's picture behind the board</source>
      <translation>L'immagine del tema dietro il tabellone</translation>
    </message>
    <message>
      <source>Leaves the game (Ctrl+Q)</source>
      <translation>Esce dal gioco (Ctrl+Q)</translation>
    </message>
    <message>
      <source>Opens the help page (F1)</source>
      <translation>Apre la pagina di aiuto (F1)</translation>
    </message>
    <message>
      <source>High Score</source>
      <translation>Classifica</translation>
    </message>
    <message>
      <source>Title of the high-score table</source>
      <translation>Titolo della classifica</translation>
    </message>
    <message>
      <source>Draws the balls as spheres (key 1)</source>
      <translation>Mostra sfere (tasto 1)</translation>
    </message>
    <message>
      <source>Draws the balls as cones (key 2)</source>
      <translation>Mostra coni (tasto 2)</translation>
    </message>
    <message>
      <source>Draws the balls as rings (key 3)</source>
      <translation>Mostra anelli (tasto 3)</translation>
    </message>
    <message>
      <source>Scheme</source>
      <translation>Tema</translation>
    </message>
    <message>
      <source>Title of the scheme buttons</source>
      <translation>Titolo dei pulsanti del tema</translation>
    </message>
    <message>
      <source>Takes back the last move and its points (U, Backspace or Ctrl+Z)</source>
      <translation>Annulla l'ultima mossa e i suoi punti (U, Backspace o Ctrl+Z)</translation>
    </message>
    <message>
      <source>Deals a new game (N or F2)</source>
      <translation>Inizia una nuova partita (N o F2)</translation>
    </message>
    <message>
      <source>Pick a ball, then a neighbour above, below, left or right to swap them (Space or Return)</source>
      <translation>Scegli un pezzo, poi quello accanto sopra, sotto, a sinistra o a destra per scambiarli (Spazio o Invio)</translation>
    </message>
    <message>
      <source>Match-3 puzzle. Arrow keys move the cursor, Space or Return picks a ball, H shows a possible move, M switches the sound off or on</source>
      <translation>Puzzle match-3. Le frecce muovono il cursore, Spazio o Invio sceglie un pezzo, H mostra una mossa possibile, M spegne o riaccende il suono</translation>
    </message>
    <message>
      <source>The points of the game in progress</source>
      <translation>I punti della partita in corso</translation>
    </message>
    <message>
      <source>High-score names</source>
      <translation>Nomi in classifica</translation>
    </message>
    <message>
      <source>The players of the ten best games, best first</source>
      <translation>I nomi delle dieci migliori partite, a partire dalla migliore</translation>
    </message>
    <message>
      <source>High scores</source>
      <translation>Migliori punteggi</translation>
    </message>
    <message>
      <source>The ten best scores, best first</source>
      <translation>I dieci migliori punteggi, a partire dal migliore</translation>
    </message>
    <message>
      <source>Row %1, column %2: empty</source>
      <translation>Riga %1, colonna %2: casella vuota</translation>
    </message>
    <message>
      <source>Row %1, column %2: %3, picked</source>
      <extracomment>%3 is the ball, as "pink sphere".</extracomment>
      <translation>Riga %1, colonna %2: %3, casella scelta</translation>
    </message>
    <message>
      <source>Row %1, column %2: %3</source>
      <translation>Riga %1, colonna %2: %3</translation>
    </message>
    <message>
      <source>What the last move did</source>
      <translation>Che cosa ha fatto l’ultima mossa</translation>
    </message>
  </context>
  <context>
    <name>BallNames</name>
    <message>
      <source>silver sphere with a red seam</source>
      <translation>sfera argentata con cucitura rossa</translation>
    </message>
    <message>
      <source>gold and brown checked sphere</source>
      <translation>sfera a quadri oro e marrone</translation>
    </message>
    <message>
      <source>blue sphere with gold flecks</source>
      <translation>sfera blu con pagliuzze d’oro</translation>
    </message>
    <message>
      <source>dark green sphere</source>
      <translation>sfera verde scuro</translation>
    </message>
    <message>
      <source>white sphere with rust speckles</source>
      <translation>sfera bianca con macchie color ruggine</translation>
    </message>
    <message>
      <source>green and blue sphere</source>
      <translation>sfera verde e blu</translation>
    </message>
    <message>
      <source>red and grey woven sphere</source>
      <translation>sfera intrecciata rossa e grigia</translation>
    </message>
    <message>
      <source>pink sphere</source>
      <translation>sfera rosa</translation>
    </message>
    <message>
      <source>black cone with a grey web</source>
      <translation>cono nero con una rete grigia</translation>
    </message>
    <message>
      <source>grey granite cone</source>
      <translation>cono di granito grigio</translation>
    </message>
    <message>
      <source>ochre gold cone</source>
      <translation>cono oro ocra</translation>
    </message>
    <message>
      <source>red cone with a marbled patch</source>
      <translation>cono rosso con una macchia marmorizzata</translation>
    </message>
    <message>
      <source>wooden cone</source>
      <translation>cono di legno</translation>
    </message>
    <message>
      <source>blue and white marbled cone</source>
      <translation>cono marmorizzato blu e bianco</translation>
    </message>
    <message>
      <source>black and white checked cone</source>
      <translation>cono a scacchi bianchi e neri</translation>
    </message>
    <message>
      <source>dark grey cone with green bands</source>
      <translation>cono grigio scuro a fasce verdi</translation>
    </message>
    <message>
      <source>red marbled ring</source>
      <translation>anello marmorizzato rosso</translation>
    </message>
    <message>
      <source>black ring with white lines</source>
      <translation>anello nero a righe bianche</translation>
    </message>
    <message>
      <source>white ring with brown speckles</source>
      <translation>anello bianco con macchie marroni</translation>
    </message>
    <message>
      <source>gold ring</source>
      <translation>anello d’oro</translation>
    </message>
    <message>
      <source>dark grey ring with green bands</source>
      <translation>anello grigio scuro a fasce verdi</translation>
    </message>
    <message>
      <source>black and white checked ring</source>
      <translation>anello a scacchi bianchi e neri</translation>
    </message>
    <message>
      <source>carved wooden ring</source>
      <translation>anello di legno intagliato</translation>
    </message>
    <message>
      <source>blue and white marbled ring</source>
      <translation>anello marmorizzato blu e bianco</translation>
    </message>
  </context>
  <context>
    <name>Deals</name>
    <message>
      <source>Deal number...</source>
      <translation>Numero di partita...</translation>
    </message>
    <message>
      <source>Today&apos;s deal</source>
      <translation>Partita del giorno</translation>
    </message>
    <message>
      <source>Deal number</source>
      <translation>Numero di partita</translation>
    </message>
    <message>
      <source>Copy game</source>
      <translation>Copia partita</translation>
    </message>
    <message>
      <source>Deal %1</source>
      <translation>Partita %1</translation>
    </message>
    <message>
      <source>The game is copied</source>
      <translation>La partita è stata copiata</translation>
    </message>
    <message>
      <source>Type the number of a deal, from 0 to 4294967295.</source>
      <translation>Scrivi il numero di una partita, da 0 a 4294967295.</translation>
    </message>
    <message>
      <source>%1 is too large: deal numbers go from 0 to 4294967295.</source>
      <translation>%1 è troppo grande: i numeri di partita vanno da 0 a 4294967295.</translation>
    </message>
    <message>
      <source>“%1” is not a deal number: type only the digits 0 to 9.</source>
      <translation>«%1» non è un numero di partita: scrivi solo le cifre da 0 a 9.</translation>
    </message>
    <message>
      <source>Play the deal numbered (0 to 4294967295):</source>
      <translation>Gioca la partita numero (da 0 a 4294967295):</translation>
    </message>
  </context>
  <context>
    <name>Errors</name>
    <message>
      <source>Cannot open file %1</source>
      <translation>Impossibile aprire il file %1</translation>
    </message>
    <message>
      <source>Cannot create file %1</source>
      <translation>Impossibile creare il file %1</translation>
    </message>
    <message>
      <source>Cannot lock file %1</source>
      <translation>Impossibile bloccare il file %1</translation>
    </message>
    <message>
      <source>Cannot read picture %1: no JPEG library</source>
      <translation>Impossibile leggere l’immagine %1: manca la libreria JPEG</translation>
    </message>
    <message>
      <source>Cannot read picture %1: out of memory</source>
      <translation>Impossibile leggere l’immagine %1: memoria esaurita</translation>
    </message>
    <message>
      <source>Cannot read picture %1: %2</source>
      <translation>Impossibile leggere l’immagine %1: %2</translation>
    </message>
    <message>
      <source>'%1' is not a valid integer value</source>
      <translation>«%1» non è un numero intero valido</translation>
    </message>
    <message>
      <source>List index out of bounds (%1)</source>
      <translation>Indice di lista fuori dai limiti (%1)</translation>
    </message>
    <message>
      <source>Invalid data type for '%1'</source>
      <translation>Tipo di dati non valido per «%1»</translation>
    </message>
    <message>
      <source>Failed to set data for '%1'</source>
      <translation>Impossibile salvare i dati di «%1»</translation>
    </message>
    <message>
      <source>Invalid name for the high-score table</source>
      <translation>Nome non valido per la classifica</translation>
    </message>
  </context>
  <context>
    <name>GameOver</name>
    <message>
      <source>       Game Over!!!</source>
      <extracomment>The leading blanks centre the title; keep them.</extracomment>
      <translation>       Partita finita!!!</translation>
    </message>
    <message>
      <source>Do you want to play again?</source>
      <translation>Vuoi giocare di nuovo?</translation>
    </message>
  </context>
  <context>
    <name>HelpPage</name>
    <message>
      <source>Help/Vendrask.html</source>
      <translation>Help/Vendrask.it.html</translation>
    </message>
  </context>
  <context>
    <name>Hints</name>
    <message>
      <source>Your Score</source>
      <translation>Il tuo punteggio</translation>
    </message>
    <message>
      <source>New Game</source>
      <translation>Nuova partita</translation>
    </message>
    <message>
      <source>Undo your previous move</source>
      <translation>Annulla la tua ultima mossa</translation>
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
      <translation>Aiuto</translation>
    </message>
    <message>
      <source>Hint</source>
      <extracomment>The command that shows a possible move.</extracomment>
      <translation>Suggerimento</translation>
    </message>
    <message>
      <source>Sound</source>
      <extracomment>The command that switches the sound off or on.</extracomment>
      <translation>Suono</translation>
    </message>
    <message>
      <source>Exit Game</source>
      <translation>Esci dal gioco</translation>
    </message>
    <message>
      <source>Symbols</source>
      <extracomment>The command that shows or hides a symbol on each ball.</extracomment>
      <translation>Simboli</translation>
    </message>
  </context>
  <context>
    <name>Menu</name>
    <message>
      <source>New Classic game</source>
      <translation>Nuova partita classica</translation>
    </message>
    <message>
      <source>New Timed game</source>
      <translation>Nuova partita a tempo</translation>
    </message>
    <message>
      <source>New Zen game</source>
      <translation>Nuova partita zen</translation>
    </message>
    <message>
      <source>Pause</source>
      <translation>Pausa</translation>
    </message>
    <message>
      <source>Menu</source>
      <translation>Menu</translation>
    </message>
  </context>
  <context>
    <name>Pictures</name>
    <message>
      <source>Hight Score</source>
      <translation>Classifica</translation>
    </message>
    <message>
      <source>SCHEME</source>
      <translation>TEMA</translation>
    </message>
    <message>
      <source>NEW</source>
      <translation>NUOVO</translation>
    </message>
    <message>
      <source>UNDO</source>
      <translation>ANNULLA</translation>
    </message>
  </context>
  <context>
    <name>QAccessibleActionInterface</name>
    <message>
      <source>Press</source>
      <translation>Premi</translation>
    </message>
    <message>
      <source>SetFocus</source>
      <translation>Imposta il focus</translation>
    </message>
    <message>
      <source>Triggers the action</source>
      <translation>Esegue l'azione</translation>
    </message>
    <message>
      <source>Sets the focus</source>
      <translation>Imposta il focus</translation>
    </message>
  </context>
  <context>
    <name>QGnomeTheme</name>
    <message>
      <source>&amp;OK</source>
      <translation>&amp;OK</translation>
    </message>
    <message>
      <source>&amp;Cancel</source>
      <translation>&amp;Annulla</translation>
    </message>
  </context>
  <context>
    <name>QLineEdit</name>
    <message>
      <source>&amp;Undo</source>
      <translation>&amp;Annulla</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>Ri&amp;fai</translation>
    </message>
    <message>
      <source>Cu&amp;t</source>
      <translation>&amp;Taglia</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>&amp;Copia</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>&amp;Incolla</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Elimina</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>Seleziona tutto</translation>
    </message>
  </context>
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>&amp;Yes</source>
      <translation>&amp;Sì</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>&amp;No</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annulla</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
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
      <translation>Maiusc</translation>
    </message>
    <message>
      <source>Space</source>
      <translation>Spazio</translation>
    </message>
    <message>
      <source>Return</source>
      <translation>Invio</translation>
    </message>
    <message>
      <source>Enter</source>
      <translation>Enter</translation>
    </message>
    <message>
      <source>Backspace</source>
      <translation>Backspace</translation>
    </message>
    <message>
      <source>Left</source>
      <translation>Sinistra</translation>
    </message>
    <message>
      <source>Right</source>
      <translation>Destra</translation>
    </message>
    <message>
      <source>Up</source>
      <translation>Su</translation>
    </message>
    <message>
      <source>Down</source>
      <translation>Giù</translation>
    </message>
    <message>
      <source>Menu</source>
      <translation>Menu</translation>
    </message>
  </context>
  <context>
    <name>SoundNote</name>
    <message>
      <source>Sound on</source>
      <translation>Suono attivo</translation>
    </message>
    <message>
      <source>Sound off</source>
      <translation>Suono spento</translation>
    </message>
  </context>
  <context>
    <name>Spoken</name>
    <message>
      <source>Line of three: %1, %2 points.</source>
      <translation>Linea di tre: %1, %2 punti.</translation>
    </message>
    <message>
      <source>Line of four: %1, %2 points.</source>
      <translation>Linea di quattro: %1, %2 punti.</translation>
    </message>
    <message>
      <source>Line of five: %1, %2 points.</source>
      <translation>Linea di cinque: %1, %2 punti.</translation>
    </message>
    <message>
      <source>Score %1.</source>
      <translation>Punteggio %1.</translation>
    </message>
    <message>
      <source>Cascade %1.</source>
      <translation>Cascata %1.</translation>
    </message>
    <message>
      <source>No line, not swapped.</source>
      <translation>Nessuna linea, nessuno scambio.</translation>
    </message>
    <message>
      <source>Not neighbours, not swapped.</source>
      <translation>Non vicine, nessuno scambio.</translation>
    </message>
    <message>
      <source>Move taken back.</source>
      <translation>Mossa annullata.</translation>
    </message>
    <message>
      <source>New game.</source>
      <translation>Nuova partita.</translation>
    </message>
    <message>
      <source>Spheres.</source>
      <translation>Sfere.</translation>
    </message>
    <message>
      <source>Cones.</source>
      <translation>Coni.</translation>
    </message>
    <message>
      <source>Rings.</source>
      <translation>Anelli.</translation>
    </message>
    <message>
      <source>Hint: swap %1 with %2.</source>
      <translation>Suggerimento: scambia %1 con %2.</translation>
    </message>
    <message>
      <source>Sound on.</source>
      <translation>Suono attivo.</translation>
    </message>
    <message>
      <source>Sound off.</source>
      <translation>Suono spento.</translation>
    </message>
    <message>
      <source>No moves left. Score %1.</source>
      <translation>Nessuna mossa rimasta. Punteggio %1.</translation>
    </message>
    <message>
      <source>No moves left. Score %1, place %2 in the table.</source>
      <translation>Nessuna mossa rimasta. Punteggio %1, posto %2 in classifica.</translation>
    </message>
    <message>
      <source>New high score</source>
      <translation>Nuovo record</translation>
    </message>
    <message>
      <source>Game over</source>
      <translation>Partita finita</translation>
    </message>
    <message>
      <source>Symbols on.</source>
      <translation>Simboli attivi.</translation>
    </message>
    <message>
      <source>Symbols off.</source>
      <translation>Simboli spenti.</translation>
    </message>
  </context>
  <context>
    <name>Statistics</name>
    <message>
      <source>Statistics</source>
      <translation>Statistiche</translation>
    </message>
    <message>
      <source>Your games cannot be counted: the game log %1 cannot be written (%2). The game plays on</source>
      <translation>Le tue partite non possono essere contate: il registro delle partite %1 non può essere scritto (%2). Il gioco continua</translation>
    </message>
    <message>
      <source>The statistics window cannot be opened: its module is missing</source>
      <translation>La finestra delle statistiche non si può aprire: manca il suo modulo</translation>
    </message>
    <message>
      <source>Classic</source>
      <translation>Classica</translation>
    </message>
    <message>
      <source>Timed</source>
      <translation>A tempo</translation>
    </message>
    <message>
      <source>Zen</source>
      <translation>Zen</translation>
    </message>
    <message>
      <source>Today&apos;s deal, %1</source>
      <translation>Partita del giorno, %1</translation>
    </message>
    <message>
      <source>Today&apos;s deal</source>
      <translation>Partita del giorno</translation>
    </message>
    <message>
      <source>Games</source>
      <translation>Partite</translation>
    </message>
    <message>
      <source>Best score</source>
      <translation>Punteggio migliore</translation>
    </message>
    <message>
      <source>Average score</source>
      <translation>Punteggio medio</translation>
    </message>
    <message>
      <source>Median score</source>
      <translation>Punteggio mediano</translation>
    </message>
    <message>
      <source>Longest cascade</source>
      <translation>Cascata più lunga</translation>
    </message>
    <message>
      <source>Last ten scores, newest first</source>
      <translation>Ultimi dieci punteggi, dal più recente</translation>
    </message>
    <message>
      <source>Figures of each way to play</source>
      <translation>Cifre di ogni modo di giocare</translation>
    </message>
    <message>
      <source>none yet</source>
      <translation>ancora nessuno</translation>
    </message>
    <message>
      <source>not played</source>
      <translation>non giocata</translation>
    </message>
    <message>
      <source>Scores of the last hundred games</source>
      <translation>Punteggi delle ultime cento partite</translation>
    </message>
    <message>
      <source>Game</source>
      <translation>Partita</translation>
    </message>
    <message>
      <source>Score</source>
      <translation>Punteggio</translation>
    </message>
    <message>
      <source>%1: no games yet.</source>
      <translation>%1: ancora nessuna partita.</translation>
    </message>
    <message numerus="yes">
      <source>%1: %n games, scores from %2 to %3; the best is game %4. Oldest first: %5.</source>
      <translation>
        <numerusform>%1: %n partita, punteggi da %2 a %3; la migliore è la partita %4. Dalla più vecchia: %5.</numerusform>
        <numerusform>%1: %n partite, punteggi da %2 a %3; la migliore è la partita %4. Dalla più vecchia: %5.</numerusform>
      </translation>
    </message>
  </context>
  <context>
    <name>THScore</name>
    <message>
      <source>HScore</source>
      <translation>Classifica</translation>
    </message>
    <message>
      <source>Congratulations!!!</source>
      <translation>Complimenti!!!</translation>
    </message>
    <message>
      <source>You reached the Hight Score!!!</source>
      <translation>Sei entrato in classifica!!!</translation>
    </message>
    <message>
      <source>Plese enter your name</source>
      <translation>Scrivi il tuo nome</translation>
    </message>
    <message>
      <source>Your name</source>
      <translation>Il tuo nome</translation>
    </message>
    <message>
      <source>The name for the high-score table, up to eight characters</source>
      <translation>Il nome per la classifica, al massimo otto caratteri</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Enters the name in the high-score table</source>
      <translation>Inserisce il nome in classifica</translation>
    </message>
  </context>
  <context>
    <name>Pace</name>
    <message>
      <source>Speed: Fast</source>
      <translation>Velocità: veloce</translation>
    </message>
    <message>
      <source>Speed: Instant</source>
      <translation>Velocità: istantanea</translation>
    </message>
    <message>
      <source>Speed: Normal</source>
      <translation>Velocità: normale</translation>
    </message>
    <message>
      <source>Speed</source>
      <extracomment>The command that steps through the speeds: normal, fast, instant.</extracomment>
      <translation>Velocità</translation>
    </message>
  </context>
  <context>
    <name>Ways</name>
    <message>
      <source>New deal</source>
      <translation>Nuova mano</translation>
    </message>
    <message>
      <source>No move left: a new deal, the score kept.</source>
      <translation>Nessuna mossa rimasta: nuova mano, il punteggio resta.</translation>
    </message>
    <message>
      <source>Paused. Click here or press P to go on.</source>
      <translation>Pausa. Fai clic qui o premi P per continuare.</translation>
    </message>
    <message>
      <source>Timed</source>
      <translation>A tempo</translation>
    </message>
  </context>
  <context>
    <name>Zoom</name>
    <message>
      <source>Zoom In</source>
      <translation>Ingrandisci</translation>
    </message>
    <message>
      <source>Zoom Out</source>
      <translation>Riduci</translation>
    </message>
    <message>
      <source>Normal Size</source>
      <translation>Dimensione normale</translation>
    </message>
    <message>
      <source>Full Screen</source>
      <translation>Schermo intero</translation>
    </message>
  </context>
</TS>
