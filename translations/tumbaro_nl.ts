<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
</TS>
