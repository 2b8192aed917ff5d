<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
  <context>
    <name>Accessibility</name>
    <message>
      <source>Frame</source>
      <translation>Rahmen</translation>
    </message>
    <message>
      <source>Frame round the score and the high-score table</source>
      <translation>Rahmen um die Punkte und die Bestenliste</translation>
    </message>
    <message>
      <source>Background</source>
      <translation>Hintergrund</translation>
    </message>
    <message>
      <source>The scheme's picture behind the board</source>
      <translation>Das Bild des Themas hinter dem Brett</translation>
    </message>
    <message>
      <source>Leaves the game (Ctrl+Q)</source>
      <translation>Beendet das Spiel (Strg+Q)</translation>
    </message>
    <message>
      <source>Opens the help page (F1)</source>
      <translation>Öffnet die Hilfeseite (F1)</translation>
    </message>
    <message>
      <source>High Score</source>
      <translation>Bestenliste</translation>
    </message>
    <message>
      <source>Title of the high-score table</source>
      <translation>Überschrift der Bestenliste</translation>
    </message>
    <message>
      <source>Draws the balls as spheres (key 1)</source>
      <translation>Zeigt Kugeln (Taste 1)</translation>
    </message>
    <message>
      <source>Draws the balls as cones (key 2)</source>
      <translation>Zeigt Kegel (Taste 2)</translation>
    </message>
    <message>
      <source>Draws the balls as rings (key 3)</source>
      <translation>Zeigt Ringe (Taste 3)</translation>
    </message>
    <message>
      <source>Scheme</source>
      <translation>Thema</translation>
    </message>
    <message>
      <source>Title of the scheme buttons</source>
      <translation>Überschrift der Themenknöpfe</translation>
    </message>
    <message>
      <source>Takes back the last move and its points (U, Backspace or Ctrl+Z)</source>
      <translation>Nimmt den letzten Zug und seine Punkte zurück (U, Rücktaste oder Strg+Z)</translation>
    </message>
    <message>
      <source>Deals a new game (N or F2)</source>
      <translation>Startet ein neues Spiel (N oder F2)</translation>
    </message>
    <message>
      <source>Pick a ball, then a neighbour above, below, left or right to swap them (Space or Return)</source>
      <translation>Wähle eine Kugel und dann ihre Nachbarin darüber, darunter, links oder rechts, um beide zu tauschen (Leertaste oder Eingabetaste)</translation>
    </message>
    <message>
      <source>Match-3 puzzle. Arrow keys move the cursor, Space or Return picks a ball, H shows a possible move, M switches the sound off or on</source>
      <translation>Drei-gewinnt-Spiel. Die Pfeiltasten bewegen den Cursor, Leertaste oder Eingabetaste wählt eine Kugel, H zeigt einen möglichen Zug, M schaltet den Ton aus oder ein</translation>
    </message>
    <message>
      <source>The points of the game in progress</source>
      <translation>Die Punkte des laufenden Spiels</translation>
    </message>
    <message>
      <source>High-score names</source>
      <translation>Namen der Bestenliste</translation>
    </message>
    <message>
      <source>The players of the ten best games, best first</source>
      <translation>Die Namen zu den zehn besten Spielen, das beste zuerst</translation>
    </message>
    <message>
      <source>High scores</source>
      <translation>Punkte der Bestenliste</translation>
    </message>
    <message>
      <source>The ten best scores, best first</source>
      <translation>Die zehn besten Punktzahlen, die höchste zuerst</translation>
    </message>
    <message>
      <source>Row %1, column %2: empty</source>
      <translation>Zeile %1, Spalte %2: leer</translation>
    </message>
    <message>
      <source>Row %1, column %2: %3, picked</source>
      <extracomment>%3 is the ball, as "pink sphere".</extracomment>
      <translation>Zeile %1, Spalte %2: %3, ausgewählt</translation>
    </message>
    <message>
      <source>Row %1, column %2: %3</source>
      <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
      <source>What the last move did</source>
      <translation>Was der letzte Zug bewirkt hat</translation>
    </message>
  </context>
  <context>
    <name>BallNames</name>
    <message>
      <source>silver sphere with a red seam</source>
      <translation>silberne Kugel mit roter Naht</translation>
    </message>
    <message>
      <source>gold and brown checked sphere</source>
      <translation>gold-braun karierte Kugel</translation>
    </message>
    <message>
      <source>blue sphere with gold flecks</source>
      <translation>blaue Kugel mit Goldsprenkeln</translation>
    </message>
    <message>
      <source>dark green sphere</source>
      <translation>dunkelgrüne Kugel</translation>
    </message>
    <message>
      <source>white sphere with rust speckles</source>
      <translation>weiße Kugel mit rostroten Tupfen</translation>
    </message>
    <message>
      <source>green and blue sphere</source>
      <translation>grün-blaue Kugel</translation>
    </message>
    <message>
      <source>red and grey woven sphere</source>
      <translation>rot-grau geflochtene Kugel</translation>
    </message>
    <message>
      <source>pink sphere</source>
      <translation>rosa Kugel</translation>
    </message>
    <message>
      <source>black cone with a grey web</source>
      <translation>schwarzer Kegel mit grauem Netz</translation>
    </message>
    <message>
      <source>grey granite cone</source>
      <translation>grauer Granitkegel</translation>
    </message>
    <message>
      <source>ochre gold cone</source>
      <translation>ockergoldener Kegel</translation>
    </message>
    <message>
      <source>red cone with a marbled patch</source>
      <translation>roter Kegel mit marmoriertem Fleck</translation>
    </message>
    <message>
      <source>wooden cone</source>
      <translation>hölzerner Kegel</translation>
    </message>
    <message>
      <source>blue and white marbled cone</source>
      <translation>blau-weiß marmorierter Kegel</translation>
    </message>
    <message>
      <source>black and white checked cone</source>
      <translation>schwarz-weiß karierter Kegel</translation>
    </message>
    <message>
      <source>dark grey cone with green bands</source>
      <translation>dunkelgrauer Kegel mit grünen Streifen</translation>
    </message>
    <message>
      <source>red marbled ring</source>
      <translation>rot marmorierter Ring</translation>
    </message>
    <message>
      <source>black ring with white lines</source>
      <translation>schwarzer Ring mit weißen Linien</translation>
    </message>
    <message>
      <source>white ring with brown speckles</source>
      <translation>weißer Ring mit braunen Tupfen</translation>
    </message>
    <message>
      <source>gold ring</source>
      <translation>goldener Ring</translation>
    </message>
    <message>
      <source>dark grey ring with green bands</source>
      <translation>dunkelgrauer Ring mit grünen Streifen</translation>
    </message>
    <message>
      <source>black and white checked ring</source>
      <translation>schwarz-weiß karierter Ring</translation>
    </message>
    <message>
      <source>carved wooden ring</source>
      <translation>geschnitzter Holzring</translation>
    </message>
    <message>
      <source>blue and white marbled ring</source>
      <translation>blau-weiß marmorierter Ring</translation>
    </message>
  </context>
  <context>
    <name>Deals</name>
    <message>
      <source>Deal number...</source>
      <translation>Partienummer...</translation>
    </message>
    <message>
      <source>Today&apos;s deal</source>
      <translation>Partie des Tages</translation>
    </message>
    <message>
      <source>Deal number</source>
      <translation>Partienummer</translation>
    </message>
    <message>
      <source>Copy game</source>
      <translation>Partie kopieren</translation>
    </message>
    <message>
      <source>Deal %1</source>
      <translation>Partie %1</translation>
    </message>
    <message>
      <source>The game is copied</source>
      <translation>Die Partie ist kopiert</translation>
    </message>
    <message>
      <source>Type the number of a deal, from 0 to 4294967295.</source>
      <translation>Geben Sie die Nummer einer Partie ein, von 0 bis 4294967295.</translation>
    </message>
    <message>
      <source>%1 is too large: deal numbers go from 0 to 4294967295.</source>
      <translation>%1 ist zu groß: Partienummern gehen von 0 bis 4294967295.</translation>
    </message>
    <message>
      <source>“%1” is not a deal number: type only the digits 0 to 9.</source>
      <translation>„%1“ ist keine Partienummer: Geben Sie nur die Ziffern 0 bis 9 ein.</translation>
    </message>
    <message>
      <source>Play the deal numbered (0 to 4294967295):</source>
      <translation>Die Partie mit der Nummer spielen (0 bis 4294967295):</translation>
    </message>
  </context>
  <context>
    <name>Errors</name>
    <message>
      <source>Cannot open file %1</source>
      <translation>Die Datei %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
      <source>Cannot create file %1</source>
      <translation>Die Datei %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
      <source>Cannot lock file %1</source>
      <translation>Die Datei %1 lässt sich nicht sperren</translation>
    </message>
    <message>
      <source>Cannot read picture %1: no JPEG library</source>
      <translation>Das Bild %1 lässt sich nicht lesen: keine JPEG-Bibliothek</translation>
    </message>
    <message>
      <source>Cannot read picture %1: out of memory</source>
      <translation>Das Bild %1 lässt sich nicht lesen: kein Speicher mehr frei</translation>
    </message>
    <message>
      <source>Cannot read picture %1: %2</source>
      <translation>Das Bild %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
      <source>'%1' is not a valid integer value</source>
      <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
      <source>List index out of bounds (%1)</source>
      <translation>Listenindex außerhalb des Bereichs (%1)</translation>
    </message>
    <message>
      <source>Invalid data type for '%1'</source>
      <translation>Ungültiger Datentyp für „%1“</translation>
    </message>
    <message>
      <source>Failed to set data for '%1'</source>
      <translation>Die Daten für „%1“ ließen sich nicht speichern</translation>
    </message>
    <message>
      <source>Invalid name for the high-score table</source>
      <translation>Ungültiger Name für die Bestenliste</translation>
    </message>
  </context>
  <context>
    <name>GameOver</name>
    <message>
      <source>       Game Over!!!</source>
      <extracomment>The leading blanks centre the title; keep them.</extracomment>
      <translation>       Spiel vorbei!!!</translation>
    </message>
    <message>
      <source>Do you want to play again?</source>
      <translation>Möchtest du noch einmal spielen?</translation>
    </message>
  </context>
  <context>
    <name>HelpPage</name>
    <message>
      <source>Help/Vendrask.html</source>
      <translation>Help/Vendrask.de.html</translation>
    </message>
  </context>
  <context>
    <name>Hints</name>
    <message>
      <source>Your Score</source>
      <translation>Deine Punkte</translation>
    </message>
    <message>
      <source>New Game</source>
      <translation>Neues Spiel</translation>
    </message>
    <message>
      <source>Undo your previous move</source>
      <translation>Deinen letzten Zug zurücknehmen</translation>
    </message>
    <message>
      <source>Scheme 1</source>
      <translation>Thema 1</translation>
    </message>
    <message>
      <source>Scheme 2</source>
      <translation>Thema 2</translation>
    </message>
    <message>
      <source>Scheme 3</source>
      <translation>Thema 3</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Hilfe</translation>
    </message>
    <message>
      <source>Hint</source>
      <extracomment>The command that shows a possible move.</extracomment>
      <translation>Tipp</translation>
    </message>
    <message>
      <source>Sound</source>
      <extracomment>The command that switches the sound off or on.</extracomment>
      <translation>Ton</translation>
    </message>
    <message>
      <source>Exit Game</source>
      <translation>Spiel beenden</translation>
    </message>
    <message>
      <source>Symbols</source>
      <extracomment>The command that shows or hides a symbol on each ball.</extracomment>
      <translation>Symbole</translation>
    </message>
  </context>
  <context>
    <name>Menu</name>
    <message>
      <source>New Classic game</source>
      <translation>Neues klassisches Spiel</translation>
    </message>
    <message>
      <source>New Timed game</source>
      <translation>Neues Spiel auf Zeit</translation>
    </message>
    <message>
      <source>New Zen game</source>
      <translation>Neues Zen-Spiel</translation>
    </message>
    <message>
      <source>Pause</source>
      <translation>Pause</translation>
    </message>
    <message>
      <source>Menu</source>
      <translation>Menü</translation>
    </message>
  </context>
  <context>
    <name>Pictures</name>
    <message>
      <source>Hight Score</source>
      <translation>Bestenliste</translation>
    </message>
    <message>
      <source>SCHEME</source>
      <translation>THEMA</translation>
    </message>
    <message>
      <source>NEW</source>
      <translation>NEU</translation>
    </message>
    <message>
      <source>UNDO</source>
      <translation>ZURÜCK</translation>
    </message>
  </context>
  <context>
    <name>QAccessibleActionInterface</name>
    <message>
      <source>Press</source>
      <translation>Drücken</translation>
    </message>
    <message>
      <source>SetFocus</source>
      <translation>Fokus setzen</translation>
    </message>
    <message>
      <source>Triggers the action</source>
      <translation>Löst die Aktion aus</translation>
    </message>
    <message>
      <source>Sets the focus</source>
      <translation>Setzt den Fokus</translation>
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
      <translation>&amp;Abbrechen</translation>
    </message>
  </context>
  <context>
    <name>QLineEdit</name>
    <message>
      <source>&amp;Undo</source>
      <translation>&amp;Rückgängig</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
      <source>Cu&amp;t</source>
      <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>Einf&amp;ügen</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Löschen</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>Alles auswählen</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>&amp;Kopieren</translation>
    </message>
  </context>
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>&amp;Yes</source>
      <translation>&amp;Ja</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>&amp;Nein</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
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
      <translation>Strg</translation>
    </message>
    <message>
      <source>Shift</source>
      <translation>Umschalt</translation>
    </message>
    <message>
      <source>Space</source>
      <translation>Leertaste</translation>
    </message>
    <message>
      <source>Return</source>
      <translation>Eingabe</translation>
    </message>
    <message>
      <source>Enter</source>
      <translation>Enter</translation>
    </message>
    <message>
      <source>Backspace</source>
      <translation>Rücktaste</translation>
    </message>
    <message>
      <source>Left</source>
      <translation>Links</translation>
    </message>
    <message>
      <source>Right</source>
      <translation>Rechts</translation>
    </message>
    <message>
      <source>Up</source>
      <translation>Hoch</translation>
    </message>
    <message>
      <source>Down</source>
      <translation>Runter</translation>
    </message>
    <message>
      <source>Menu</source>
      <translation>Menü</translation>
    </message>
  </context>
  <context>
    <name>SoundNote</name>
    <message>
      <source>Sound on</source>
      <translation>Ton an</translation>
    </message>
    <message>
      <source>Sound off</source>
      <translation>Ton aus</translation>
    </message>
  </context>
  <context>
    <name>Spoken</name>
    <message>
      <source>Line of three: %1, %2 points.</source>
      <translation>Dreierreihe: %1, %2 Punkte.</translation>
    </message>
    <message>
      <source>Line of four: %1, %2 points.</source>
      <translation>Viererreihe: %1, %2 Punkte.</translation>
    </message>
    <message>
      <source>Line of five: %1, %2 points.</source>
      <translation>Fünferreihe: %1, %2 Punkte.</translation>
    </message>
    <message>
      <source>Score %1.</source>
      <translation>Punktestand %1.</translation>
    </message>
    <message>
      <source>Cascade %1.</source>
      <translation>Kaskade %1.</translation>
    </message>
    <message>
      <source>No line, not swapped.</source>
      <translation>Keine Reihe, nicht getauscht.</translation>
    </message>
    <message>
      <source>Not neighbours, not swapped.</source>
      <translation>Keine Nachbarn, nicht getauscht.</translation>
    </message>
    <message>
      <source>Move taken back.</source>
      <translation>Zug zurückgenommen.</translation>
    </message>
    <message>
      <source>New game.</source>
      <translation>Neues Spiel.</translation>
    </message>
    <message>
      <source>Spheres.</source>
      <translation>Kugeln.</translation>
    </message>
    <message>
      <source>Cones.</source>
      <translation>Kegel.</translation>
    </message>
    <message>
      <source>Rings.</source>
      <translation>Ringe.</translation>
    </message>
    <message>
      <source>Hint: swap %1 with %2.</source>
      <translation>Tipp: tausche %1 mit %2.</translation>
    </message>
    <message>
      <source>Sound on.</source>
      <translation>Ton an.</translation>
    </message>
    <message>
      <source>Sound off.</source>
      <translation>Ton aus.</translation>
    </message>
    <message>
      <source>No moves left. Score %1.</source>
      <translation>Keine Züge mehr. Punktestand %1.</translation>
    </message>
    <message>
      <source>No moves left. Score %1, place %2 in the table.</source>
      <translation>Keine Züge mehr. Punktestand %1, Platz %2 in der Bestenliste.</translation>
    </message>
    <message>
      <source>New high score</source>
      <translation>Neuer Rekord</translation>
    </message>
    <message>
      <source>Game over</source>
      <translation>Spiel vorbei</translation>
    </message>
    <message>
      <source>Symbols on.</source>
      <translation>Symbole an.</translation>
    </message>
    <message>
      <source>Symbols off.</source>
      <translation>Symbole aus.</translation>
    </message>
  </context>
  <context>
    <name>Statistics</name>
    <message>
      <source>Statistics</source>
      <translation>Statistik</translation>
    </message>
    <message>
      <source>Your games cannot be counted: the game log %1 cannot be written (%2). The game plays on</source>
      <translation>Ihre Partien können nicht gezählt werden: Das Spielprotokoll %1 lässt sich nicht schreiben (%2). Das Spiel geht weiter</translation>
    </message>
    <message>
      <source>The statistics window cannot be opened: its module is missing</source>
      <translation>Das Statistikfenster lässt sich nicht öffnen: Sein Modul fehlt</translation>
    </message>
    <message>
      <source>Classic</source>
      <translation>Klassisch</translation>
    </message>
    <message>
      <source>Timed</source>
      <translation>Auf Zeit</translation>
    </message>
    <message>
      <source>Zen</source>
      <translation>Zen</translation>
    </message>
    <message>
      <source>Today&apos;s deal, %1</source>
      <translation>Partie des Tages, %1</translation>
    </message>
    <message>
      <source>Today&apos;s deal</source>
      <translation>Partie des Tages</translation>
    </message>
    <message>
      <source>Games</source>
      <translation>Partien</translation>
    </message>
    <message>
      <source>Best score</source>
      <translation>Bestes Ergebnis</translation>
    </message>
    <message>
      <source>Average score</source>
      <translation>Durchschnitt</translation>
    </message>
    <message>
      <source>Median score</source>
      <translation>Median</translation>
    </message>
    <message>
      <source>Longest cascade</source>
      <translation>Längste Kaskade</translation>
    </message>
    <message>
      <source>Last ten scores, newest first</source>
      <translation>Letzte zehn Ergebnisse, neueste zuerst</translation>
    </message>
    <message>
      <source>Figures of each way to play</source>
      <translation>Zahlen jeder Spielart</translation>
    </message>
    <message>
      <source>none yet</source>
      <translation>noch keine</translation>
    </message>
    <message>
      <source>not played</source>
      <translation>nicht gespielt</translation>
    </message>
    <message>
      <source>Scores of the last hundred games</source>
      <translation>Ergebnisse der letzten hundert Partien</translation>
    </message>
    <message>
      <source>Game</source>
      <translation>Partie</translation>
    </message>
    <message>
      <source>Score</source>
      <translation>Punkte</translation>
    </message>
    <message>
      <source>%1: no games yet.</source>
      <translation>%1: noch keine Partien.</translation>
    </message>
    <message numerus="yes">
      <source>%1: %n games, scores from %2 to %3; the best is game %4. Oldest first: %5.</source>
      <translation>
        <numerusform>%1: %n Partie, Punkte von %2 bis %3; die beste ist Partie %4. Älteste zuerst: %5.</numerusform>
        <numerusform>%1: %n Partien, Punkte von %2 bis %3; die beste ist Partie %4. Älteste zuerst: %5.</numerusform>
      </translation>
    </message>
  </context>
  <context>
    <name>THScore</name>
    <message>
      <source>HScore</source>
      <translation>Bestenliste</translation>
    </message>
    <message>
      <source>Congratulations!!!</source>
      <translation>Glückwunsch!!!</translation>
    </message>
    <message>
      <source>You reached the Hight Score!!!</source>
      <translation>Du bist in der Bestenliste!!!</translation>
    </message>
    <message>
      <source>Plese enter your name</source>
      <translation>Bitte gib deinen Namen ein</translation>
    </message>
    <message>
      <source>Your name</source>
      <translation>Dein Name</translation>
    </message>
    <message>
      <source>The name for the high-score table, up to eight characters</source>
      <translation>Der Name für die Bestenliste, höchstens acht Zeichen</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Enters the name in the high-score table</source>
      <translation>Trägt den Namen in die Bestenliste ein</translation>
    </message>
  </context>
  <context>
    <name>Pace</name>
    <message>
      <source>Speed: Fast</source>
      <translation>Tempo: Schnell</translation>
    </message>
    <message>
      <source>Speed: Instant</source>
      <translation>Tempo: Sofort</translation>
    </message>
    <message>
      <source>Speed: Normal</source>
      <translation>Tempo: Normal</translation>
    </message>
    <message>
      <source>Speed</source>
      <extracomment>The command that steps through the speeds: normal, fast, instant.</extracomment>
      <translation>Tempo</translation>
    </message>
  </context>
  <context>
    <name>Ways</name>
    <message>
      <source>New deal</source>
      <translation>Neue Kugeln</translation>
    </message>
    <message>
      <source>No move left: a new deal, the score kept.</source>
      <translation>Kein Zug mehr: neue Kugeln, der Punktestand bleibt.</translation>
    </message>
    <message>
      <source>Paused. Click here or press P to go on.</source>
      <translation>Pause. Hier klicken oder P drücken, um weiterzuspielen.</translation>
    </message>
    <message>
      <source>Timed</source>
      <translation>Auf Zeit</translation>
    </message>
  </context>
  <context>
    <name>Zoom</name>
    <message>
      <source>Zoom In</source>
      <translation>Vergrößern</translation>
    </message>
    <message>
      <source>Zoom Out</source>
      <translation>Verkleinern</translation>
    </message>
    <message>
      <source>Normal Size</source>
      <translation>Normale Größe</translation>
    </message>
    <message>
      <source>Full Screen</source>
      <translation>Vollbild</translation>
    </message>
  </context>
</TS>
