<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
  </context>
  <context>
    <name>HelpPage</name>
    <message>
      <source>Help/Vendrask.html</source>
      <translation>Help/Vendrask.html</translation>
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
</TS>
