<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
  </context>
  <context>
    <name>HelpPage</name>
    <message>
      <source>Help/Vendrask.html</source>
      <translation>Help/Vendrask.de.html</translation>
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
</TS>
