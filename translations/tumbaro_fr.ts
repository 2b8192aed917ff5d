<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
  <context>
    <name>Pictures</name>
    <message>
      <source>Hight Score</source>
      <translation>Records</translation>
    </message>
    <message>
      <source>SCHEME</source>
      <translation>THÈME</translation>
    </message>
    <message>
      <source>NEW</source>
      <translation>JOUER</translation>
    </message>
    <message>
      <source>UNDO</source>
      <translation>RETOUR</translation>
    </message>
  </context>
</TS>
