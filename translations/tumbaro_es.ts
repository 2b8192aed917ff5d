<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
  <context>
    <name>Pictures</name>
    <message>
      <source>Hight Score</source>
      <translation>Récords</translation>
    </message>
    <message>
      <source>SCHEME</source>
      <translation>TEMA</translation>
    </message>
    <message>
      <source>NEW</source>
      <translation>NUEVO</translation>
    </message>
    <message>
      <source>UNDO</source>
      <translation>ATRÁS</translation>
    </message>
  </context>
</TS>
