<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
  <context>
    <name>BallNames</name>
    <message>
      <source>silver sphere with a red seam</source>
      <translation>sfera argentata con cucitura rossa</translation>
    </message>
    <message>
      <source>gold and brown checked sphere</source>
      <translation>sfera a quadri oro e marrone</translation>
    </message>
    <message>
      <source>blue sphere with gold flecks</source>
      <translation>sfera blu con pagliuzze d’oro</translation>
    </message>
    <message>
      <source>dark green sphere</source>
      <translation>sfera verde scuro</translation>
    </message>
    <message>
      <source>white sphere with rust speckles</source>
      <translation>sfera bianca con macchie color ruggine</translation>
    </message>
    <message>
      <source>green and blue sphere</source>
      <translation>sfera verde e blu</translation>
    </message>
    <message>
      <source>red and grey woven sphere</source>
      <translation>sfera intrecciata rossa e grigia</translation>
    </message>
    <message>
      <source>pink sphere</source>
      <translation>sfera rosa</translation>
    </message>
    <message>
      <source>black cone with a grey web</source>
      <translation>cono nero con una rete grigia</translation>
    </message>
    <message>
      <source>grey granite cone</source>
      <translation>cono di granito grigio</translation>
    </message>
    <message>
      <source>ochre gold cone</source>
      <translation>cono oro ocra</translation>
    </message>
    <message>
      <source>red cone with a marbled patch</source>
      <translation>cono rosso con una macchia marmorizzata</translation>
    </message>
    <message>
      <source>wooden cone</source>
      <translation>cono di legno</translation>
    </message>
    <message>
      <source>blue and white marbled cone</source>
      <translation>cono marmorizzato blu e bianco</translation>
    </message>
    <message>
      <source>black and white checked cone</source>
      <translation>cono a scacchi bianchi e neri</translation>
    </message>
    <message>
      <source>dark grey cone with green bands</source>
      <translation>cono grigio scuro a fasce verdi</translation>
    </message>
    <message>
      <source>red marbled ring</source>
      <translation>anello marmorizzato rosso</translation>
    </message>
    <message>
      <source>black ring with white lines</source>
      <translation>anello nero a righe bianche</translation>
    </message>
    <message>
      <source>white ring with brown speckles</source>
      <translation>anello bianco con macchie marroni</translation>
    </message>
    <message>
      <source>gold ring</source>
      <translation>anello d’oro</translation>
    </message>
    <message>
      <source>dark grey ring with green bands</source>
      <translation>anello grigio scuro a fasce verdi</translation>
    </message>
    <message>
      <source>black and white checked ring</source>
      <translation>anello a scacchi bianchi e neri</translation>
    </message>
    <message>
      <source>carved wooden ring</source>
      <translation>anello di legno intagliato</translation>
    </message>
    <message>
      <source>blue and white marbled ring</source>
      <translation>anello marmorizzato blu e bianco</translation>
    </message>
  </context>
  <context>
    <name>Errors</name>
    <message>
      <source>Cannot open file %1</source>
      <translation>Impossibile aprire il file %1</translation>
    </message>
    <message>
      <source>Cannot create file %1</source>
      <translation>Impossibile creare il file %1</translation>
    </message>
    <message>
      <source>Cannot read picture %1: no JPEG library</source>
      <translation>Impossibile leggere l’immagine %1: manca la libreria JPEG</translation>
    </message>
    <message>
      <source>Cannot read picture %1: out of memory</source>
      <translation>Impossibile leggere l’immagine %1: memoria esaurita</translation>
    </message>
    <message>
      <source>Cannot read picture %1: %2</source>
      <translation>Impossibile leggere l’immagine %1: %2</translation>
    </message>
    <message>
      <source>'%1' is not a valid integer value</source>
      <translation>«%1» non è un numero intero valido</translation>
    </message>
    <message>
      <source>List index out of bounds (%1)</source>
      <translation>Indice di lista fuori dai limiti (%1)</translation>
    </message>
    <message>
      <source>Invalid data type for '%1'</source>
      <translation>Tipo di dati non valido per «%1»</translation>
    </message>
    <message>
      <source>Failed to set data for '%1'</source>
      <translation>Impossibile salvare i dati di «%1»</translation>
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
  <context>
    <name>THScore</name>
    <message>
      <source>HScore</source>
      <translation>Classifica</translation>
    </message>
    <message>
      <source>Congratulations!!!</source>
      <translation>Complimenti!!!</translation>
    </message>
    <message>
      <source>You reached the Hight Score!!!</source>
      <translation>Sei entrato in classifica!!!</translation>
    </message>
    <message>
      <source>Plese enter your name</source>
      <translation>Scrivi il tuo nome</translation>
    </message>
    <message>
      <source>Your name</source>
      <translation>Il tuo nome</translation>
    </message>
    <message>
      <source>The name for the high-score table, up to eight characters</source>
      <translation>Il nome per la classifica, al massimo otto caratteri</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Enters the name in the high-score table</source>
      <translation>Inserisce il nome in classifica</translation>
    </message>
  </context>
</TS>
