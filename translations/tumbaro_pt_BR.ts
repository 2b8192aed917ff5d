<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
  <context>
    <name>Pictures</name>
    <message>
      <source>Hight Score</source>
      <translation>Recordes</translation>
    </message>
    <message>
      <source>SCHEME</source>
      <translation>TEMA</translation>
    </message>
    <message>
      <source>NEW</source>
      <translation>NOVO</translation>
    </message>
    <message>
      <source>UNDO</source>
      <translation>VOLTAR</translation>
    </message>
  </context>
</TS>
