<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
  <context>
    <name>Pictures</name>
    <message>
      <source>Hight Score</source>
      <translation>Рекорды</translation>
    </message>
    <message>
      <source>SCHEME</source>
      <translation>ТЕМА</translation>
    </message>
    <message>
      <source>NEW</source>
      <translation>НОВАЯ</translation>
    </message>
    <message>
      <source>UNDO</source>
      <translation>НАЗАД</translation>
    </message>
  </context>
</TS>
