<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
  <context>
    <name>BallNames</name>
    <message>
      <source>silver sphere with a red seam</source>
      <translation>esfera plateada con costura roja</translation>
    </message>
    <message>
      <source>gold and brown checked sphere</source>
      <translation>esfera a cuadros dorados y marrones</translation>
    </message>
    <message>
      <source>blue sphere with gold flecks</source>
      <translation>esfera azul con motas doradas</translation>
    </message>
    <message>
      <source>dark green sphere</source>
      <translation>esfera verde oscuro</translation>
    </message>
    <message>
      <source>white sphere with rust speckles</source>
      <translation>esfera blanca con motas de óxido</translation>
    </message>
    <message>
      <source>green and blue sphere</source>
      <translation>esfera verde y azul</translation>
    </message>
    <message>
      <source>red and grey woven sphere</source>
      <translation>esfera tejida en rojo y gris</translation>
    </message>
    <message>
      <source>pink sphere</source>
      <translation>esfera rosa</translation>
    </message>
    <message>
      <source>black cone with a grey web</source>
      <translation>cono negro con una red gris</translation>
    </message>
    <message>
      <source>grey granite cone</source>
      <translation>cono de granito gris</translation>
    </message>
    <message>
      <source>ochre gold cone</source>
      <translation>cono ocre dorado</translation>
    </message>
    <message>
      <source>red cone with a marbled patch</source>
      <translation>cono rojo con una mancha jaspeada</translation>
    </message>
    <message>
      <source>wooden cone</source>
      <translation>cono de madera</translation>
    </message>
    <message>
      <source>blue and white marbled cone</source>
      <translation>cono jaspeado azul y blanco</translation>
    </message>
    <message>
      <source>black and white checked cone</source>
      <translation>cono a cuadros blancos y negros</translation>
    </message>
    <message>
      <source>dark grey cone with green bands</source>
      <translation>cono gris oscuro con franjas verdes</translation>
    </message>
    <message>
      <source>red marbled ring</source>
      <translation>anillo jaspeado rojo</translation>
    </message>
    <message>
      <source>black ring with white lines</source>
      <translation>anillo negro con líneas blancas</translation>
    </message>
    <message>
      <source>white ring with brown speckles</source>
      <translation>anillo blanco con motas marrones</translation>
    </message>
    <message>
      <source>gold ring</source>
      <translation>anillo dorado</translation>
    </message>
    <message>
      <source>dark grey ring with green bands</source>
      <translation>anillo gris oscuro con franjas verdes</translation>
    </message>
    <message>
      <source>black and white checked ring</source>
      <translation>anillo a cuadros blancos y negros</translation>
    </message>
    <message>
      <source>carved wooden ring</source>
      <translation>anillo de madera tallada</translation>
    </message>
    <message>
      <source>blue and white marbled ring</source>
      <translation>anillo jaspeado azul y blanco</translation>
    </message>
  </context>
  <context>
    <name>Errors</name>
    <message>
      <source>Cannot open file %1</source>
      <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
      <source>Cannot create file %1</source>
      <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
      <source>Cannot read picture %1: no JPEG library</source>
      <translation>No se puede leer la imagen %1: falta la biblioteca JPEG</translation>
    </message>
    <message>
      <source>Cannot read picture %1: out of memory</source>
      <translation>No se puede leer la imagen %1: memoria insuficiente</translation>
    </message>
    <message>
      <source>Cannot read picture %1: %2</source>
      <translation>No se puede leer la imagen %1: %2</translation>
    </message>
    <message>
      <source>'%1' is not a valid integer value</source>
      <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
      <source>List index out of bounds (%1)</source>
      <translation>Índice de lista fuera de rango (%1)</translation>
    </message>
    <message>
      <source>Invalid data type for '%1'</source>
      <translation>Tipo de datos no válido para «%1»</translation>
    </message>
    <message>
      <source>Failed to set data for '%1'</source>
      <translation>No se pudieron guardar los datos de «%1»</translation>
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
  <context>
    <name>THScore</name>
    <message>
      <source>HScore</source>
      <translation>Récords</translation>
    </message>
    <message>
      <source>Congratulations!!!</source>
      <translation>¡¡¡Enhorabuena!!!</translation>
    </message>
    <message>
      <source>You reached the Hight Score!!!</source>
      <translation>¡¡¡Has entrado en los récords!!!</translation>
    </message>
    <message>
      <source>Plese enter your name</source>
      <translation>Escribe tu nombre</translation>
    </message>
    <message>
      <source>Your name</source>
      <translation>Tu nombre</translation>
    </message>
    <message>
      <source>The name for the high-score table, up to eight characters</source>
      <translation>El nombre para la tabla de récords, hasta ocho caracteres</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>Aceptar</translation>
    </message>
    <message>
      <source>Enters the name in the high-score table</source>
      <translation>Anota el nombre en la tabla de récords</translation>
    </message>
  </context>
</TS>
