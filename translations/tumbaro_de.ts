<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
</TS>
