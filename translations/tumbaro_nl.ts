<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
  <context>
    <name>Accessibility</name>
    <message>
      <source>Frame</source>
      <translation>Kader</translation>
    </message>
    <message>
      <source>Frame round the score and the high-score table</source>
      <translation>Kader rond de score en de topscorelijst</translation>
    </message>
    <message>
      <source>Background</source>
      <translation>Achtergrond</translation>
    </message>
    <message>
      <source>The scheme's picture behind the board</source>
      <translation>De afbeelding van het thema achter het bord</translation>
    </message>
    <message>
      <source>Leaves the game (Ctrl+Q)</source>
      <translation>Sluit het spel af (Ctrl+Q)</translation>
    </message>
    <message>
      <source>Opens the help page (F1)</source>
      <translation>Opent de helppagina (F1)</translation>
    </message>
    <message>
      <source>High Score</source>
      <translation>Topscores</translation>
    </message>
    <message>
      <source>Title of the high-score table</source>
      <translation>Titel van de topscorelijst</translation>
    </message>
    <message>
      <source>Draws the balls as spheres (key 1)</source>
      <translation>Toont bollen (toets 1)</translation>
    </message>
    <message>
      <source>Draws the balls as cones (key 2)</source>
      <translation>Toont kegels (toets 2)</translation>
    </message>
    <message>
      <source>Draws the balls as rings (key 3)</source>
      <translation>Toont ringen (toets 3)</translation>
    </message>
    <message>
      <source>Scheme</source>
      <translation>Thema</translation>
    </message>
    <message>
      <source>Title of the scheme buttons</source>
      <translation>Titel van de themaknoppen</translation>
    </message>
    <message>
      <source>Takes back the last move and its points (U, Backspace or Ctrl+Z)</source>
      <translation>Neemt de laatste zet en de punten ervan terug (U, Backspace of Ctrl+Z)</translation>
    </message>
    <message>
      <source>Deals a new game (N or F2)</source>
      <translation>Begint een nieuw spel (N of F2)</translation>
    </message>
    <message>
      <source>Pick a ball, then a neighbour above, below, left or right to swap them (Space or Return)</source>
      <translation>Kies een stuk en dan zijn buur erboven, eronder, links of rechts om ze te wisselen (spatie of Enter)</translation>
    </message>
    <message>
      <source>Match-3 puzzle. Arrow keys move the cursor, Space or Return picks a ball, H shows a possible move, M switches the sound off or on</source>
      <translation>Match-3-puzzel. De pijltjestoetsen verplaatsen de cursor, spatie of Enter kiest een stuk, H toont een mogelijke zet, M zet het geluid uit of aan</translation>
    </message>
    <message>
      <source>The points of the game in progress</source>
      <translation>De punten van het lopende spel</translation>
    </message>
    <message>
      <source>High-score names</source>
      <translation>Namen van de topscores</translation>
    </message>
    <message>
      <source>The players of the ten best games, best first</source>
      <translation>De namen bij de tien beste spellen, het beste eerst</translation>
    </message>
    <message>
      <source>High scores</source>
      <translation>Topscores</translation>
    </message>
    <message>
      <source>The ten best scores, best first</source>
      <translation>De tien beste scores, de hoogste eerst</translation>
    </message>
    <message>
      <source>Row %1, column %2: empty</source>
      <translation>Rij %1, kolom %2: leeg</translation>
    </message>
    <message>
      <source>Row %1, column %2: %3, picked</source>
      <extracomment>%3 is the ball, as "pink sphere".</extracomment>
      <translation>Rij %1, kolom %2: %3, gekozen</translation>
    </message>
    <message>
      <source>Row %1, column %2: %3</source>
      <translation>Rij %1, kolom %2: %3</translation>
    </message>
    <message>
      <source>What the last move did</source>
      <translation>Wat de laatste zet deed</translation>
    </message>
  </context>
  <context>
    <name>BallNames</name>
    <message>
      <source>silver sphere with a red seam</source>
      <translation>zilveren bol met een rode naad</translation>
    </message>
    <message>
      <source>gold and brown checked sphere</source>
      <translation>goud-bruin geruite bol</translation>
    </message>
    <message>
      <source>blue sphere with gold flecks</source>
      <translation>blauwe bol met gouden spikkels</translation>
    </message>
    <message>
      <source>dark green sphere</source>
      <translation>donkergroene bol</translation>
    </message>
    <message>
      <source>white sphere with rust speckles</source>
      <translation>witte bol met roestkleurige spikkels</translation>
    </message>
    <message>
      <source>green and blue sphere</source>
      <translation>groen-blauwe bol</translation>
    </message>
    <message>
      <source>red and grey woven sphere</source>
      <translation>rood-grijs gevlochten bol</translation>
    </message>
    <message>
      <source>pink sphere</source>
      <translation>roze bol</translation>
    </message>
    <message>
      <source>black cone with a grey web</source>
      <translation>zwarte kegel met een grijs web</translation>
    </message>
    <message>
      <source>grey granite cone</source>
      <translation>grijze granieten kegel</translation>
    </message>
    <message>
      <source>ochre gold cone</source>
      <translation>okergouden kegel</translation>
    </message>
    <message>
      <source>red cone with a marbled patch</source>
      <translation>rode kegel met een gemarmerde vlek</translation>
    </message>
    <message>
      <source>wooden cone</source>
      <translation>houten kegel</translation>
    </message>
    <message>
      <source>blue and white marbled cone</source>
      <translation>blauw-wit gemarmerde kegel</translation>
    </message>
    <message>
      <source>black and white checked cone</source>
      <translation>zwart-wit geblokte kegel</translation>
    </message>
    <message>
      <source>dark grey cone with green bands</source>
      <translation>donkergrijze kegel met groene banden</translation>
    </message>
    <message>
      <source>red marbled ring</source>
      <translation>rood gemarmerde ring</translation>
    </message>
    <message>
      <source>black ring with white lines</source>
      <translation>zwarte ring met witte lijnen</translation>
    </message>
    <message>
      <source>white ring with brown speckles</source>
      <translation>witte ring met bruine spikkels</translation>
    </message>
    <message>
      <source>gold ring</source>
      <translation>gouden ring</translation>
    </message>
    <message>
      <source>dark grey ring with green bands</source>
      <translation>donkergrijze ring met groene banden</translation>
    </message>
    <message>
      <source>black and white checked ring</source>
      <translation>zwart-wit geblokte ring</translation>
    </message>
    <message>
      <source>carved wooden ring</source>
      <translation>gesneden houten ring</translation>
    </message>
    <message>
      <source>blue and white marbled ring</source>
      <translation>blauw-wit gemarmerde ring</translation>
    </message>
  </context>
  <context>
    <name>Deals</name>
    <message>
      <source>Deal number...</source>
      <translation>Spelnummer...</translation>
    </message>
    <message>
      <source>Today&apos;s deal</source>
      <translation>Spel van de dag</translation>
    </message>
    <message>
      <source>Deal number</source>
      <translation>Spelnummer</translation>
    </message>
    <message>
      <source>Copy game</source>
      <translation>Spel kopiëren</translation>
    </message>
    <message>
      <source>Deal %1</source>
      <translation>Spel %1</translation>
    </message>
    <message>
      <source>The game is copied</source>
      <translation>Het spel is gekopieerd</translation>
    </message>
    <message>
      <source>Type the number of a deal, from 0 to 4294967295.</source>
      <translation>Typ het nummer van een spel, van 0 tot 4294967295.</translation>
    </message>
    <message>
      <source>%1 is too large: deal numbers go from 0 to 4294967295.</source>
      <translation>%1 is te groot: spelnummers gaan van 0 tot 4294967295.</translation>
    </message>
    <message>
      <source>“%1” is not a deal number: type only the digits 0 to 9.</source>
      <translation>‘%1’ is geen spelnummer: typ alleen de cijfers 0 tot 9.</translation>
    </message>
    <message>
      <source>Play the deal numbered (0 to 4294967295):</source>
      <translation>Speel het spel met nummer (0 tot 4294967295):</translation>
    </message>
  </context>
  <context>
    <name>Errors</name>
    <message>
      <source>Cannot open file %1</source>
      <translation>Kan bestand %1 niet openen</translation>
    </message>
    <message>
      <source>Cannot create file %1</source>
      <translation>Kan bestand %1 niet aanmaken</translation>
    </message>
    <message>
      <source>Cannot lock file %1</source>
      <translation>Kan bestand %1 niet vergrendelen</translation>
    </message>
    <message>
      <source>Cannot read picture %1: no JPEG library</source>
      <translation>Kan afbeelding %1 niet lezen: geen JPEG-bibliotheek</translation>
    </message>
    <message>
      <source>Cannot read picture %1: out of memory</source>
      <translation>Kan afbeelding %1 niet lezen: onvoldoende geheugen</translation>
    </message>
    <message>
      <source>Cannot read picture %1: %2</source>
      <translation>Kan afbeelding %1 niet lezen: %2</translation>
    </message>
    <message>
      <source>'%1' is not a valid integer value</source>
      <translation>‘%1’ is geen geldig geheel getal</translation>
    </message>
    <message>
      <source>List index out of bounds (%1)</source>
      <translation>Lijstindex buiten bereik (%1)</translation>
    </message>
    <message>
      <source>Invalid data type for '%1'</source>
      <translation>Ongeldig gegevenstype voor ‘%1’</translation>
    </message>
    <message>
      <source>Failed to set data for '%1'</source>
      <translation>Kan de gegevens voor ‘%1’ niet opslaan</translation>
    </message>
    <message>
      <source>Invalid name for the high-score table</source>
      <translation>Ongeldige naam voor de scoretabel</translation>
    </message>
  </context>
  <context>
    <name>GameOver</name>
    <message>
      <source>       Game Over!!!</source>
      <extracomment>The leading blanks centre the title; keep them.</extracomment>
      <translation>       Spel afgelopen!!!</translation>
    </message>
    <message>
      <source>Do you want to play again?</source>
      <translation>Wil je nog een keer spelen?</translation>
    </message>
  </context>
  <context>
    <name>HelpPage</name>
    <message>
      <source>Help/Vendrask.html</source>
      <translation>Help/Vendrask.nl.html</translation>
    </message>
  </context>
  <context>
    <name>Hints</name>
    <message>
      <source>Your Score</source>
      <translation>Je score</translation>
    </message>
    <message>
      <source>New Game</source>
      <translation>Nieuw spel</translation>
    </message>
    <message>
      <source>Undo your previous move</source>
      <translation>Je vorige zet ongedaan maken</translation>
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
      <translation>Help</translation>
    </message>
    <message>
      <source>Hint</source>
      <extracomment>The command that shows a possible move.</extracomment>
      <translation>Tip</translation>
    </message>
    <message>
      <source>Sound</source>
      <extracomment>The command that switches the sound off or on.</extracomment>
      <translation>Geluid</translation>
    </message>
    <message>
      <source>Exit Game</source>
      <translation>Spel afsluiten</translation>
    </message>
    <message>
      <source>Symbols</source>
      <extracomment>The command that shows or hides a symbol on each ball.</extracomment>
      <translation>Symbolen</translation>
    </message>
  </context>
  <context>
    <name>Menu</name>
    <message>
      <source>New Classic game</source>
      <translation>Nieuw klassiek spel</translation>
    </message>
    <message>
      <source>New Timed game</source>
      <translation>Nieuw spel op tijd</translation>
    </message>
    <message>
      <source>New Zen game</source>
      <translation>Nieuw zen-spel</translation>
    </message>
    <message>
      <source>Pause</source>
      <translation>Pauze</translation>
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
      <translation>Topscores</translation>
    </message>
    <message>
      <source>SCHEME</source>
      <translation>THEMA</translation>
    </message>
    <message>
      <source>NEW</source>
      <translation>NIEUW</translation>
    </message>
    <message>
      <source>UNDO</source>
      <translation>TERUG</translation>
    </message>
  </context>
  <context>
    <name>QAccessibleActionInterface</name>
    <message>
      <source>Press</source>
      <translation>Indrukken</translation>
    </message>
    <message>
      <source>SetFocus</source>
      <translation>Focus geven</translation>
    </message>
    <message>
      <source>Triggers the action</source>
      <translation>Voert de actie uit</translation>
    </message>
    <message>
      <source>Sets the focus</source>
      <translation>Geeft de focus</translation>
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
      <translation>&amp;Annuleren</translation>
    </message>
  </context>
  <context>
    <name>QLineEdit</name>
    <message>
      <source>&amp;Undo</source>
      <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>&amp;Herhalen</translation>
    </message>
    <message>
      <source>Cu&amp;t</source>
      <translation>K&amp;nippen</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>&amp;Kopiëren</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>&amp;Plakken</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Verwijderen</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>Alles selecteren</translation>
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
      <translation>&amp;Nee</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annuleren</translation>
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
      <translation>Shift</translation>
    </message>
    <message>
      <source>Space</source>
      <translation>Spatie</translation>
    </message>
    <message>
      <source>Return</source>
      <translation>Return</translation>
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
      <translation>Links</translation>
    </message>
    <message>
      <source>Right</source>
      <translation>Rechts</translation>
    </message>
    <message>
      <source>Up</source>
      <translation>Omhoog</translation>
    </message>
    <message>
      <source>Down</source>
      <translation>Omlaag</translation>
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
      <translation>Geluid aan</translation>
    </message>
    <message>
      <source>Sound off</source>
      <translation>Geluid uit</translation>
    </message>
  </context>
  <context>
    <name>Spoken</name>
    <message>
      <source>Line of three: %1, %2 points.</source>
      <translation>Rij van drie: %1, %2 punten.</translation>
    </message>
    <message>
      <source>Line of four: %1, %2 points.</source>
      <translation>Rij van vier: %1, %2 punten.</translation>
    </message>
    <message>
      <source>Line of five: %1, %2 points.</source>
      <translation>Rij van vijf: %1, %2 punten.</translation>
    </message>
    <message>
      <source>Score %1.</source>
      <translation>Score %1.</translation>
    </message>
    <message>
      <source>Cascade %1.</source>
      <translation>Cascade %1.</translation>
    </message>
    <message>
      <source>No line, not swapped.</source>
      <translation>Geen rij, niet gewisseld.</translation>
    </message>
    <message>
      <source>Not neighbours, not swapped.</source>
      <translation>Geen buren, niet gewisseld.</translation>
    </message>
    <message>
      <source>Move taken back.</source>
      <translation>Zet teruggenomen.</translation>
    </message>
    <message>
      <source>New game.</source>
      <translation>Nieuw spel.</translation>
    </message>
    <message>
      <source>Spheres.</source>
      <translation>Bollen.</translation>
    </message>
    <message>
      <source>Cones.</source>
      <translation>Kegels.</translation>
    </message>
    <message>
      <source>Rings.</source>
      <translation>Ringen.</translation>
    </message>
    <message>
      <source>Hint: swap %1 with %2.</source>
      <translation>Hint: wissel %1 met %2.</translation>
    </message>
    <message>
      <source>Sound on.</source>
      <translation>Geluid aan.</translation>
    </message>
    <message>
      <source>Sound off.</source>
      <translation>Geluid uit.</translation>
    </message>
    <message>
      <source>No moves left. Score %1.</source>
      <translation>Geen zetten meer. Score %1.</translation>
    </message>
    <message>
      <source>No moves left. Score %1, place %2 in the table.</source>
      <translation>Geen zetten meer. Score %1, plaats %2 in de topscores.</translation>
    </message>
    <message>
      <source>New high score</source>
      <translation>Nieuwe topscore</translation>
    </message>
    <message>
      <source>Game over</source>
      <translation>Spel afgelopen</translation>
    </message>
    <message>
      <source>Symbols on.</source>
      <translation>Symbolen aan.</translation>
    </message>
    <message>
      <source>Symbols off.</source>
      <translation>Symbolen uit.</translation>
    </message>
  </context>
  <context>
    <name>Statistics</name>
    <message>
      <source>Statistics</source>
      <translation>Statistieken</translation>
    </message>
    <message>
      <source>Your games cannot be counted: the game log %1 cannot be written (%2). The game plays on</source>
      <translation>Je spellen kunnen niet worden geteld: het spellogboek %1 kan niet worden geschreven (%2). Het spel gaat door</translation>
    </message>
    <message>
      <source>The statistics window cannot be opened: its module is missing</source>
      <translation>Het statistiekvenster kan niet worden geopend: de module ervan ontbreekt</translation>
    </message>
    <message>
      <source>Classic</source>
      <translation>Klassiek</translation>
    </message>
    <message>
      <source>Timed</source>
      <translation>Op tijd</translation>
    </message>
    <message>
      <source>Zen</source>
      <translation>Zen</translation>
    </message>
    <message>
      <source>Today&apos;s deal, %1</source>
      <translation>Spel van de dag, %1</translation>
    </message>
    <message>
      <source>Today&apos;s deal</source>
      <translation>Spel van de dag</translation>
    </message>
    <message>
      <source>Games</source>
      <translation>Spellen</translation>
    </message>
    <message>
      <source>Best score</source>
      <translation>Beste score</translation>
    </message>
    <message>
      <source>Average score</source>
      <translation>Gemiddelde score</translation>
    </message>
    <message>
      <source>Median score</source>
      <translation>Mediane score</translation>
    </message>
    <message>
      <source>Longest cascade</source>
      <translation>Langste cascade</translation>
    </message>
    <message>
      <source>Last ten scores, newest first</source>
      <translation>Laatste tien scores, nieuwste eerst</translation>
    </message>
    <message>
      <source>Figures of each way to play</source>
      <translation>Cijfers van elke speelwijze</translation>
    </message>
    <message>
      <source>none yet</source>
      <translation>nog geen</translation>
    </message>
    <message>
      <source>not played</source>
      <translation>niet gespeeld</translation>
    </message>
    <message>
      <source>Scores of the last hundred games</source>
      <translation>Scores van de laatste honderd spellen</translation>
    </message>
    <message>
      <source>Game</source>
      <translation>Spel</translation>
    </message>
    <message>
      <source>Score</source>
      <translation>Score</translation>
    </message>
    <message>
      <source>%1: no games yet.</source>
      <translation>%1: nog geen spellen.</translation>
    </message>
    <message numerus="yes">
      <source>%1: %n games, scores from %2 to %3; the best is game %4. Oldest first: %5.</source>
      <translation>
        <numerusform>%1: %n spel, scores van %2 tot %3; het beste is spel %4. Oudste eerst: %5.</numerusform>
        <numerusform>%1: %n spellen, scores van %2 tot %3; het beste is spel %4. Oudste eerst: %5.</numerusform>
      </translation>
    </message>
  </context>
  <context>
    <name>THScore</name>
    <message>
      <source>HScore</source>
      <translation>Topscores</translation>
    </message>
    <message>
      <source>Congratulations!!!</source>
      <translation>Gefeliciteerd!!!</translation>
    </message>
    <message>
      <source>You reached the Hight Score!!!</source>
      <translation>Je staat bij de topscores!!!</translation>
    </message>
    <message>
      <source>Plese enter your name</source>
      <translation>Vul je naam in</translation>
    </message>
    <message>
      <source>Your name</source>
      <translation>Je naam</translation>
    </message>
    <message>
      <source>The name for the high-score table, up to eight characters</source>
      <translation>De naam voor de topscorelijst, hoogstens acht tekens</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Enters the name in the high-score table</source>
      <translation>Zet de naam in de topscorelijst</translation>
    </message>
  </context>
  <context>
    <name>Pace</name>
    <message>
      <source>Speed: Fast</source>
      <translation>Snelheid: snel</translation>
    </message>
    <message>
      <source>Speed: Instant</source>
      <translation>Snelheid: direct</translation>
    </message>
    <message>
      <source>Speed: Normal</source>
      <translation>Snelheid: normaal</translation>
    </message>
    <message>
      <source>Speed</source>
      <extracomment>The command that steps through the speeds: normal, fast, instant.</extracomment>
      <translation>Snelheid</translation>
    </message>
  </context>
  <context>
    <name>Ways</name>
    <message>
      <source>New deal</source>
      <translation>Nieuw bord</translation>
    </message>
    <message>
      <source>No move left: a new deal, the score kept.</source>
      <translation>Geen zet meer: een nieuw bord, de score blijft.</translation>
    </message>
    <message>
      <source>Paused. Click here or press P to go on.</source>
      <translation>Pauze. Klik hier of druk op P om verder te spelen.</translation>
    </message>
    <message>
      <source>Timed</source>
      <translation>Op tijd</translation>
    </message>
  </context>
  <context>
    <name>Zoom</name>
    <message>
      <source>Zoom In</source>
      <translation>Inzoomen</translation>
    </message>
    <message>
      <source>Zoom Out</source>
      <translation>Uitzoomen</translation>
    </message>
    <message>
      <source>Normal Size</source>
      <translation>Normale grootte</translation>
    </message>
    <message>
      <source>Full Screen</source>
      <translation>Volledig scherm</translation>
    </message>
  </context>
</TS>
