<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
</TS>
