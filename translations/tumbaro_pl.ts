<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
</TS>
