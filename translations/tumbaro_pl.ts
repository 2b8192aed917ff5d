<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
  <context>
    <name>Accessibility</name>
    <message>
      <source>Frame</source>
      <translation>Ramka</translation>
    </message>
    <message>
      <source>Frame round the score and the high-score table</source>
      <translation>Ramka wokół wyniku i tabeli rekordów</translation>
    </message>
    <message>
      <source>Background</source>
      <translation>Tło</translation>
    </message>
    <message>
      <source>The scheme's picture behind the board</source>
      <translation>Obraz motywu za planszą</translation>
    </message>
    <message>
      <source>Leaves the game (Ctrl+Q)</source>
      <translation>Zamyka grę (Ctrl+Q)</translation>
    </message>
    <message>
      <source>Opens the help page (F1)</source>
      <translation>Otwiera stronę pomocy (F1)</translation>
    </message>
    <message>
      <source>High Score</source>
      <translation>Rekordy</translation>
    </message>
    <message>
      <source>Title of the high-score table</source>
      <translation>Tytuł tabeli rekordów</translation>
    </message>
    <message>
      <source>Draws the balls as spheres (key 1)</source>
      <translation>Pokazuje kule (klawisz 1)</translation>
    </message>
    <message>
      <source>Draws the balls as cones (key 2)</source>
      <translation>Pokazuje stożki (klawisz 2)</translation>
    </message>
    <message>
      <source>Draws the balls as rings (key 3)</source>
      <translation>Pokazuje pierścienie (klawisz 3)</translation>
    </message>
    <message>
      <source>Scheme</source>
      <translation>Motyw</translation>
    </message>
    <message>
      <source>Title of the scheme buttons</source>
      <translation>Tytuł przycisków motywu</translation>
    </message>
    <message>
      <source>Takes back the last move and its points (U, Backspace or Ctrl+Z)</source>
      <translation>Cofa ostatni ruch i jego punkty (U, Backspace lub Ctrl+Z)</translation>
    </message>
    <message>
      <source>Deals a new game (N or F2)</source>
      <translation>Rozpoczyna nową grę (N lub F2)</translation>
    </message>
    <message>
      <source>Pick a ball, then a neighbour above, below, left or right to swap them (Space or Return)</source>
      <translation>Wybierz element, a potem sąsiedni powyżej, poniżej, z lewej lub z prawej, aby je zamienić (Spacja lub Enter)</translation>
    </message>
    <message>
      <source>Match-3 puzzle. Arrow keys move the cursor, Space or Return picks a ball, H shows a possible move, M switches the sound off or on</source>
      <translation>Łamigłówka typu „trzy w rzędzie”. Strzałki przesuwają kursor, Spacja lub Enter wybiera element, H pokazuje możliwy ruch, M wyłącza lub włącza dźwięk</translation>
    </message>
    <message>
      <source>The points of the game in progress</source>
      <translation>Punkty bieżącej gry</translation>
    </message>
    <message>
      <source>High-score names</source>
      <translation>Imiona w tabeli rekordów</translation>
    </message>
    <message>
      <source>The players of the ten best games, best first</source>
      <translation>Imiona graczy dziesięciu najlepszych gier, od najlepszej</translation>
    </message>
    <message>
      <source>High scores</source>
      <translation>Najlepsze wyniki</translation>
    </message>
    <message>
      <source>The ten best scores, best first</source>
      <translation>Dziesięć najlepszych wyników, od najlepszego</translation>
    </message>
    <message>
      <source>Row %1, column %2: empty</source>
      <translation>Wiersz %1, kolumna %2: puste pole</translation>
    </message>
    <message>
      <source>Row %1, column %2: %3, picked</source>
      <extracomment>%3 is the ball, as "pink sphere".</extracomment>
      <translation>Wiersz %1, kolumna %2: %3, pole wybrane</translation>
    </message>
    <message>
      <source>Row %1, column %2: %3</source>
      <translation>Wiersz %1, kolumna %2: %3</translation>
    </message>
    <message>
      <source>What the last move did</source>
      <translation>Co zrobił ostatni ruch</translation>
    </message>
  </context>
  <context>
    <name>BallNames</name>
    <message>
      <source>silver sphere with a red seam</source>
      <translation>srebrna kula z czerwonym szwem</translation>
    </message>
    <message>
      <source>gold and brown checked sphere</source>
      <translation>kula w złoto-brązową kratę</translation>
    </message>
    <message>
      <source>blue sphere with gold flecks</source>
      <translation>niebieska kula ze złotymi plamkami</translation>
    </message>
    <message>
      <source>dark green sphere</source>
      <translation>ciemnozielona kula</translation>
    </message>
    <message>
      <source>white sphere with rust speckles</source>
      <translation>biała kula w rdzawe plamki</translation>
    </message>
    <message>
      <source>green and blue sphere</source>
      <translation>zielono-niebieska kula</translation>
    </message>
    <message>
      <source>red and grey woven sphere</source>
      <translation>czerwono-szara pleciona kula</translation>
    </message>
    <message>
      <source>pink sphere</source>
      <translation>różowa kula</translation>
    </message>
    <message>
      <source>black cone with a grey web</source>
      <translation>czarny stożek z szarą siatką</translation>
    </message>
    <message>
      <source>grey granite cone</source>
      <translation>szary granitowy stożek</translation>
    </message>
    <message>
      <source>ochre gold cone</source>
      <translation>ochrowo-złoty stożek</translation>
    </message>
    <message>
      <source>red cone with a marbled patch</source>
      <translation>czerwony stożek z marmurkową plamą</translation>
    </message>
    <message>
      <source>wooden cone</source>
      <translation>drewniany stożek</translation>
    </message>
    <message>
      <source>blue and white marbled cone</source>
      <translation>niebiesko-biały marmurkowy stożek</translation>
    </message>
    <message>
      <source>black and white checked cone</source>
      <translation>stożek w czarno-białą kratę</translation>
    </message>
    <message>
      <source>dark grey cone with green bands</source>
      <translation>ciemnoszary stożek w zielone pasy</translation>
    </message>
    <message>
      <source>red marbled ring</source>
      <translation>czerwony marmurkowy pierścień</translation>
    </message>
    <message>
      <source>black ring with white lines</source>
      <translation>czarny pierścień w białe linie</translation>
    </message>
    <message>
      <source>white ring with brown speckles</source>
      <translation>biały pierścień w brązowe plamki</translation>
    </message>
    <message>
      <source>gold ring</source>
      <translation>złoty pierścień</translation>
    </message>
    <message>
      <source>dark grey ring with green bands</source>
      <translation>ciemnoszary pierścień w zielone pasy</translation>
    </message>
    <message>
      <source>black and white checked ring</source>
      <translation>pierścień w czarno-białą kratę</translation>
    </message>
    <message>
      <source>carved wooden ring</source>
      <translation>rzeźbiony drewniany pierścień</translation>
    </message>
    <message>
      <source>blue and white marbled ring</source>
      <translation>niebiesko-biały marmurkowy pierścień</translation>
    </message>
  </context>
  <context>
    <name>Deals</name>
    <message>
      <source>Deal number...</source>
      <translation>Numer rozdania...</translation>
    </message>
    <message>
      <source>Today&apos;s deal</source>
      <translation>Rozdanie dnia</translation>
    </message>
    <message>
      <source>Deal number</source>
      <translation>Numer rozdania</translation>
    </message>
    <message>
      <source>Copy game</source>
      <translation>Kopiuj grę</translation>
    </message>
    <message>
      <source>Deal %1</source>
      <translation>Rozdanie %1</translation>
    </message>
    <message>
      <source>The game is copied</source>
      <translation>Gra została skopiowana</translation>
    </message>
    <message>
      <source>Type the number of a deal, from 0 to 4294967295.</source>
      <translation>Wpisz numer rozdania, od 0 do 4294967295.</translation>
    </message>
    <message>
      <source>%1 is too large: deal numbers go from 0 to 4294967295.</source>
      <translation>%1 to za dużo: numery rozdań są od 0 do 4294967295.</translation>
    </message>
    <message>
      <source>“%1” is not a deal number: type only the digits 0 to 9.</source>
      <translation>„%1” nie jest numerem rozdania: wpisz tylko cyfry od 0 do 9.</translation>
    </message>
    <message>
      <source>Play the deal numbered (0 to 4294967295):</source>
      <translation>Zagraj rozdanie numer (od 0 do 4294967295):</translation>
    </message>
  </context>
  <context>
    <name>Errors</name>
    <message>
      <source>Cannot open file %1</source>
      <translation>Nie można otworzyć pliku %1</translation>
    </message>
    <message>
      <source>Cannot create file %1</source>
      <translation>Nie można utworzyć pliku %1</translation>
    </message>
    <message>
      <source>Cannot lock file %1</source>
      <translation>Nie można zablokować pliku %1</translation>
    </message>
    <message>
      <source>Cannot read picture %1: no JPEG library</source>
      <translation>Nie można odczytać obrazu %1: brak biblioteki JPEG</translation>
    </message>
    <message>
      <source>Cannot read picture %1: out of memory</source>
      <translation>Nie można odczytać obrazu %1: brak pamięci</translation>
    </message>
    <message>
      <source>Cannot read picture %1: %2</source>
      <translation>Nie można odczytać obrazu %1: %2</translation>
    </message>
    <message>
      <source>'%1' is not a valid integer value</source>
      <translation>„%1” nie jest prawidłową liczbą całkowitą</translation>
    </message>
    <message>
      <source>List index out of bounds (%1)</source>
      <translation>Indeks listy poza zakresem (%1)</translation>
    </message>
    <message>
      <source>Invalid data type for '%1'</source>
      <translation>Nieprawidłowy typ danych dla „%1”</translation>
    </message>
    <message>
      <source>Failed to set data for '%1'</source>
      <translation>Nie udało się zapisać danych dla „%1”</translation>
    </message>
    <message>
      <source>Invalid name for the high-score table</source>
      <translation>Nieprawidłowe imię dla tabeli wyników</translation>
    </message>
  </context>
  <context>
    <name>GameOver</name>
    <message>
      <source>       Game Over!!!</source>
      <extracomment>The leading blanks centre the title; keep them.</extracomment>
      <translation>       Koniec gry!!!</translation>
    </message>
    <message>
      <source>Do you want to play again?</source>
      <translation>Chcesz zagrać jeszcze raz?</translation>
    </message>
  </context>
  <context>
    <name>HelpPage</name>
    <message>
      <source>Help/Vendrask.html</source>
      <translation>Help/Vendrask.pl.html</translation>
    </message>
  </context>
  <context>
    <name>Hints</name>
    <message>
      <source>Your Score</source>
      <translation>Twój wynik</translation>
    </message>
    <message>
      <source>New Game</source>
      <translation>Nowa gra</translation>
    </message>
    <message>
      <source>Undo your previous move</source>
      <translation>Cofnij swój ostatni ruch</translation>
    </message>
    <message>
      <source>Scheme 1</source>
      <translation>Motyw 1</translation>
    </message>
    <message>
      <source>Scheme 2</source>
      <translation>Motyw 2</translation>
    </message>
    <message>
      <source>Scheme 3</source>
      <translation>Motyw 3</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Pomoc</translation>
    </message>
    <message>
      <source>Hint</source>
      <extracomment>The command that shows a possible move.</extracomment>
      <translation>Podpowiedź</translation>
    </message>
    <message>
      <source>Sound</source>
      <extracomment>The command that switches the sound off or on.</extracomment>
      <translation>Dźwięk</translation>
    </message>
    <message>
      <source>Exit Game</source>
      <translation>Zakończ grę</translation>
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
      <translation>Nowa gra klasyczna</translation>
    </message>
    <message>
      <source>New Timed game</source>
      <translation>Nowa gra na czas</translation>
    </message>
    <message>
      <source>New Zen game</source>
      <translation>Nowa gra zen</translation>
    </message>
    <message>
      <source>Pause</source>
      <translation>Pauza</translation>
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
      <translation>Rekordy</translation>
    </message>
    <message>
      <source>SCHEME</source>
      <translation>MOTYW</translation>
    </message>
    <message>
      <source>NEW</source>
      <translation>NOWA</translation>
    </message>
    <message>
      <source>UNDO</source>
      <translation>COFNIJ</translation>
    </message>
  </context>
  <context>
    <name>QAccessibleActionInterface</name>
    <message>
      <source>Press</source>
      <translation>Naciśnij</translation>
    </message>
    <message>
      <source>SetFocus</source>
      <translation>Ustaw fokus</translation>
    </message>
    <message>
      <source>Triggers the action</source>
      <translation>Wywołuje akcję</translation>
    </message>
    <message>
      <source>Sets the focus</source>
      <translation>Ustawia fokus</translation>
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
      <translation>&amp;Anuluj</translation>
    </message>
  </context>
  <context>
    <name>QLineEdit</name>
    <message>
      <source>&amp;Undo</source>
      <translation>&amp;Cofnij</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>&amp;Ponów</translation>
    </message>
    <message>
      <source>Cu&amp;t</source>
      <translation>W&amp;ytnij</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>&amp;Kopiuj</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>Wk&amp;lej</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Usuń</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>Zaznacz wszystko</translation>
    </message>
  </context>
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>&amp;Yes</source>
      <translation>&amp;Tak</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>&amp;Nie</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Anuluj</translation>
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
      <translation>Spacja</translation>
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
      <translation>Lewo</translation>
    </message>
    <message>
      <source>Right</source>
      <translation>Prawo</translation>
    </message>
    <message>
      <source>Up</source>
      <translation>Góra</translation>
    </message>
    <message>
      <source>Down</source>
      <translation>Dół</translation>
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
      <translation>Dźwięk wł.</translation>
    </message>
    <message>
      <source>Sound off</source>
      <translation>Dźwięk wył.</translation>
    </message>
  </context>
  <context>
    <name>Spoken</name>
    <message>
      <source>Line of three: %1, %2 points.</source>
      <translation>Linia trzech: %1, %2 punktów.</translation>
    </message>
    <message>
      <source>Line of four: %1, %2 points.</source>
      <translation>Linia czterech: %1, %2 punktów.</translation>
    </message>
    <message>
      <source>Line of five: %1, %2 points.</source>
      <translation>Linia pięciu: %1, %2 punktów.</translation>
    </message>
    <message>
      <source>Score %1.</source>
      <translation>Wynik %1.</translation>
    </message>
    <message>
      <source>Cascade %1.</source>
      <translation>Kaskada %1.</translation>
    </message>
    <message>
      <source>No line, not swapped.</source>
      <translation>Brak linii, bez zamiany.</translation>
    </message>
    <message>
      <source>Not neighbours, not swapped.</source>
      <translation>To nie sąsiedzi, bez zamiany.</translation>
    </message>
    <message>
      <source>Move taken back.</source>
      <translation>Ruch cofnięty.</translation>
    </message>
    <message>
      <source>New game.</source>
      <translation>Nowa gra.</translation>
    </message>
    <message>
      <source>Spheres.</source>
      <translation>Kule.</translation>
    </message>
    <message>
      <source>Cones.</source>
      <translation>Stożki.</translation>
    </message>
    <message>
      <source>Rings.</source>
      <translation>Pierścienie.</translation>
    </message>
    <message>
      <source>Hint: swap %1 with %2.</source>
      <translation>Podpowiedź: zamień %1 z %2.</translation>
    </message>
    <message>
      <source>Sound on.</source>
      <translation>Dźwięk włączony.</translation>
    </message>
    <message>
      <source>Sound off.</source>
      <translation>Dźwięk wyłączony.</translation>
    </message>
    <message>
      <source>No moves left. Score %1.</source>
      <translation>Brak ruchów. Wynik %1.</translation>
    </message>
    <message>
      <source>No moves left. Score %1, place %2 in the table.</source>
      <translation>Brak ruchów. Wynik %1, miejsce %2 w rekordach.</translation>
    </message>
    <message>
      <source>New high score</source>
      <translation>Nowy rekord</translation>
    </message>
    <message>
      <source>Game over</source>
      <translation>Koniec gry</translation>
    </message>
    <message>
      <source>Symbols on.</source>
      <translation>Symbole włączone.</translation>
    </message>
    <message>
      <source>Symbols off.</source>
      <translation>Symbole wyłączone.</translation>
    </message>
  </context>
  <context>
    <name>Statistics</name>
    <message>
      <source>Statistics</source>
      <translation>Statystyki</translation>
    </message>
    <message>
      <source>Your games cannot be counted: the game log %1 cannot be written (%2). The game plays on</source>
      <translation>Twoich gier nie da się policzyć: nie można zapisać dziennika gier %1 (%2). Gra toczy się dalej</translation>
    </message>
    <message>
      <source>The statistics window cannot be opened: its module is missing</source>
      <translation>Nie można otworzyć okna statystyk: brak jego modułu</translation>
    </message>
    <message>
      <source>Classic</source>
      <translation>Klasyczny</translation>
    </message>
    <message>
      <source>Timed</source>
      <translation>Na czas</translation>
    </message>
    <message>
      <source>Zen</source>
      <translation>Zen</translation>
    </message>
    <message>
      <source>Today&apos;s deal, %1</source>
      <translation>Rozdanie dnia, %1</translation>
    </message>
    <message>
      <source>Today&apos;s deal</source>
      <translation>Rozdanie dnia</translation>
    </message>
    <message>
      <source>Games</source>
      <translation>Gry</translation>
    </message>
    <message>
      <source>Best score</source>
      <translation>Najlepszy wynik</translation>
    </message>
    <message>
      <source>Average score</source>
      <translation>Średni wynik</translation>
    </message>
    <message>
      <source>Median score</source>
      <translation>Mediana wyników</translation>
    </message>
    <message>
      <source>Longest cascade</source>
      <translation>Najdłuższa kaskada</translation>
    </message>
    <message>
      <source>Last ten scores, newest first</source>
      <translation>Ostatnie dziesięć wyników, od najnowszego</translation>
    </message>
    <message>
      <source>Figures of each way to play</source>
      <translation>Liczby dla każdego trybu gry</translation>
    </message>
    <message>
      <source>none yet</source>
      <translation>jeszcze brak</translation>
    </message>
    <message>
      <source>not played</source>
      <translation>nie rozegrano</translation>
    </message>
    <message>
      <source>Scores of the last hundred games</source>
      <translation>Wyniki ostatnich stu gier</translation>
    </message>
    <message>
      <source>Game</source>
      <translation>Gra</translation>
    </message>
    <message>
      <source>Score</source>
      <translation>Wynik</translation>
    </message>
    <message>
      <source>%1: no games yet.</source>
      <translation>%1: jeszcze żadnej gry.</translation>
    </message>
    <message numerus="yes">
      <source>%1: %n games, scores from %2 to %3; the best is game %4. Oldest first: %5.</source>
      <translation>
        <numerusform>%1: %n gra, wyniki od %2 do %3; najlepsza jest gra %4. Od najstarszej: %5.</numerusform>
        <numerusform>%1: %n gry, wyniki od %2 do %3; najlepsza jest gra %4. Od najstarszej: %5.</numerusform>
        <numerusform>%1: %n gier, wyniki od %2 do %3; najlepsza jest gra %4. Od najstarszej: %5.</numerusform>
      </translation>
    </message>
  </context>
  <context>
    <name>THScore</name>
    <message>
      <source>HScore</source>
      <translation>Rekordy</translation>
    </message>
    <message>
      <source>Congratulations!!!</source>
      <translation>Gratulacje!!!</translation>
    </message>
    <message>
      <source>You reached the Hight Score!!!</source>
      <translation>Jesteś w tabeli rekordów!!!</translation>
    </message>
    <message>
      <source>Plese enter your name</source>
      <translation>Wpisz swoje imię</translation>
    </message>
    <message>
      <source>Your name</source>
      <translation>Twoje imię</translation>
    </message>
    <message>
      <source>The name for the high-score table, up to eight characters</source>
      <translation>Imię do tabeli rekordów, najwyżej osiem znaków</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Enters the name in the high-score table</source>
      <translation>Wpisuje imię do tabeli rekordów</translation>
    </message>
  </context>
  <context>
    <name>Pace</name>
    <message>
      <source>Speed: Fast</source>
      <translation>Szybkość: szybka</translation>
    </message>
    <message>
      <source>Speed: Instant</source>
      <translation>Szybkość: natychmiastowa</translation>
    </message>
    <message>
      <source>Speed: Normal</source>
      <translation>Szybkość: normalna</translation>
    </message>
    <message>
      <source>Speed</source>
      <extracomment>The command that steps through the speeds: normal, fast, instant.</extracomment>
      <translation>Szybkość</translation>
    </message>
  </context>
  <context>
    <name>Ways</name>
    <message>
      <source>New deal</source>
      <translation>Nowe rozdanie</translation>
    </message>
    <message>
      <source>No move left: a new deal, the score kept.</source>
      <translation>Brak ruchów: nowe rozdanie, wynik zostaje.</translation>
    </message>
    <message>
      <source>Paused. Click here or press P to go on.</source>
      <translation>Pauza. Kliknij tutaj lub naciśnij P, aby grać dalej.</translation>
    </message>
    <message>
      <source>Timed</source>
      <translation>Na czas</translation>
    </message>
  </context>
  <context>
    <name>Zoom</name>
    <message>
      <source>Zoom In</source>
      <translation>Powiększ</translation>
    </message>
    <message>
      <source>Zoom Out</source>
      <translation>Pomniejsz</translation>
    </message>
    <message>
      <source>Normal Size</source>
      <translation>Normalny rozmiar</translation>
    </message>
    <message>
      <source>Full Screen</source>
      <translation>Pełny ekran</translation>
    </message>
  </context>
</TS>
