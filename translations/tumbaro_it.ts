<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
</TS>
