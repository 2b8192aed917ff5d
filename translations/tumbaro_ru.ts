<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
  <context>
    <name>BallNames</name>
    <message>
      <source>silver sphere with a red seam</source>
      <translation>серебряный шар с красным швом</translation>
    </message>
    <message>
      <source>gold and brown checked sphere</source>
      <translation>шар в золотисто-коричневую клетку</translation>
    </message>
    <message>
      <source>blue sphere with gold flecks</source>
      <translation>синий шар с золотыми крапинками</translation>
    </message>
    <message>
      <source>dark green sphere</source>
      <translation>тёмно-зелёный шар</translation>
    </message>
    <message>
      <source>white sphere with rust speckles</source>
      <translation>белый шар с ржавыми крапинками</translation>
    </message>
    <message>
      <source>green and blue sphere</source>
      <translation>зелёно-синий шар</translation>
    </message>
    <message>
      <source>red and grey woven sphere</source>
      <translation>плетёный красно-серый шар</translation>
    </message>
    <message>
      <source>pink sphere</source>
      <translation>розовый шар</translation>
    </message>
    <message>
      <source>black cone with a grey web</source>
      <translation>чёрный конус с серой паутинкой</translation>
    </message>
    <message>
      <source>grey granite cone</source>
      <translation>серый гранитный конус</translation>
    </message>
    <message>
      <source>ochre gold cone</source>
      <translation>охристо-золотой конус</translation>
    </message>
    <message>
      <source>red cone with a marbled patch</source>
      <translation>красный конус с мраморным пятном</translation>
    </message>
    <message>
      <source>wooden cone</source>
      <translation>деревянный конус</translation>
    </message>
    <message>
      <source>blue and white marbled cone</source>
      <translation>сине-белый мраморный конус</translation>
    </message>
    <message>
      <source>black and white checked cone</source>
      <translation>конус в чёрно-белую клетку</translation>
    </message>
    <message>
      <source>dark grey cone with green bands</source>
      <translation>тёмно-серый конус с зелёными полосами</translation>
    </message>
    <message>
      <source>red marbled ring</source>
      <translation>красное мраморное кольцо</translation>
    </message>
    <message>
      <source>black ring with white lines</source>
      <translation>чёрное кольцо с белыми линиями</translation>
    </message>
    <message>
      <source>white ring with brown speckles</source>
      <translation>белое кольцо с коричневыми крапинками</translation>
    </message>
    <message>
      <source>gold ring</source>
      <translation>золотое кольцо</translation>
    </message>
    <message>
      <source>dark grey ring with green bands</source>
      <translation>тёмно-серое кольцо с зелёными полосами</translation>
    </message>
    <message>
      <source>black and white checked ring</source>
      <translation>кольцо в чёрно-белую клетку</translation>
    </message>
    <message>
      <source>carved wooden ring</source>
      <translation>резное деревянное кольцо</translation>
    </message>
    <message>
      <source>blue and white marbled ring</source>
      <translation>сине-белое мраморное кольцо</translation>
    </message>
  </context>
  <context>
    <name>Errors</name>
    <message>
      <source>Cannot open file %1</source>
      <translation>Не удаётся открыть файл %1</translation>
    </message>
    <message>
      <source>Cannot create file %1</source>
      <translation>Не удаётся создать файл %1</translation>
    </message>
    <message>
      <source>Cannot read picture %1: no JPEG library</source>
      <translation>Не удаётся прочитать картинку %1: нет библиотеки JPEG</translation>
    </message>
    <message>
      <source>Cannot read picture %1: out of memory</source>
      <translation>Не удаётся прочитать картинку %1: не хватает памяти</translation>
    </message>
    <message>
      <source>Cannot read picture %1: %2</source>
      <translation>Не удаётся прочитать картинку %1: %2</translation>
    </message>
    <message>
      <source>'%1' is not a valid integer value</source>
      <translation>«%1» — недопустимое целое число</translation>
    </message>
    <message>
      <source>List index out of bounds (%1)</source>
      <translation>Индекс списка вне диапазона (%1)</translation>
    </message>
    <message>
      <source>Invalid data type for '%1'</source>
      <translation>Недопустимый тип данных для «%1»</translation>
    </message>
    <message>
      <source>Failed to set data for '%1'</source>
      <translation>Не удалось сохранить данные для «%1»</translation>
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
  <context>
    <name>THScore</name>
    <message>
      <source>HScore</source>
      <translation>Рекорды</translation>
    </message>
    <message>
      <source>Congratulations!!!</source>
      <translation>Поздравляем!!!</translation>
    </message>
    <message>
      <source>You reached the Hight Score!!!</source>
      <translation>Вы попали в таблицу рекордов!!!</translation>
    </message>
    <message>
      <source>Plese enter your name</source>
      <translation>Введите своё имя</translation>
    </message>
    <message>
      <source>Your name</source>
      <translation>Ваше имя</translation>
    </message>
    <message>
      <source>The name for the high-score table, up to eight characters</source>
      <translation>Имя для таблицы рекордов, не больше восьми символов</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>ОК</translation>
    </message>
    <message>
      <source>Enters the name in the high-score table</source>
      <translation>Заносит имя в таблицу рекордов</translation>
    </message>
  </context>
</TS>
