<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
  <context>
    <name>BallNames</name>
    <message>
      <source>silver sphere with a red seam</source>
      <translation>sphère argentée à couture rouge</translation>
    </message>
    <message>
      <source>gold and brown checked sphere</source>
      <translation>sphère à carreaux or et brun</translation>
    </message>
    <message>
      <source>blue sphere with gold flecks</source>
      <translation>sphère bleue mouchetée d’or</translation>
    </message>
    <message>
      <source>dark green sphere</source>
      <translation>sphère vert foncé</translation>
    </message>
    <message>
      <source>white sphere with rust speckles</source>
      <translation>sphère blanche tachetée de rouille</translation>
    </message>
    <message>
      <source>green and blue sphere</source>
      <translation>sphère verte et bleue</translation>
    </message>
    <message>
      <source>red and grey woven sphere</source>
      <translation>sphère tressée rouge et grise</translation>
    </message>
    <message>
      <source>pink sphere</source>
      <translation>sphère rose</translation>
    </message>
    <message>
      <source>black cone with a grey web</source>
      <translation>cône noir à toile grise</translation>
    </message>
    <message>
      <source>grey granite cone</source>
      <translation>cône en granit gris</translation>
    </message>
    <message>
      <source>ochre gold cone</source>
      <translation>cône or ocre</translation>
    </message>
    <message>
      <source>red cone with a marbled patch</source>
      <translation>cône rouge à tache marbrée</translation>
    </message>
    <message>
      <source>wooden cone</source>
      <translation>cône en bois</translation>
    </message>
    <message>
      <source>blue and white marbled cone</source>
      <translation>cône marbré bleu et blanc</translation>
    </message>
    <message>
      <source>black and white checked cone</source>
      <translation>cône à carreaux noirs et blancs</translation>
    </message>
    <message>
      <source>dark grey cone with green bands</source>
      <translation>cône gris foncé à bandes vertes</translation>
    </message>
    <message>
      <source>red marbled ring</source>
      <translation>anneau marbré rouge</translation>
    </message>
    <message>
      <source>black ring with white lines</source>
      <translation>anneau noir à lignes blanches</translation>
    </message>
    <message>
      <source>white ring with brown speckles</source>
      <translation>anneau blanc tacheté de brun</translation>
    </message>
    <message>
      <source>gold ring</source>
      <translation>anneau doré</translation>
    </message>
    <message>
      <source>dark grey ring with green bands</source>
      <translation>anneau gris foncé à bandes vertes</translation>
    </message>
    <message>
      <source>black and white checked ring</source>
      <translation>anneau à carreaux noirs et blancs</translation>
    </message>
    <message>
      <source>carved wooden ring</source>
      <translation>anneau en bois sculpté</translation>
    </message>
    <message>
      <source>blue and white marbled ring</source>
      <translation>anneau marbré bleu et blanc</translation>
    </message>
  </context>
  <context>
    <name>Errors</name>
    <message>
      <source>Cannot open file %1</source>
      <translation>Impossible d’ouvrir le fichier %1</translation>
    </message>
    <message>
      <source>Cannot create file %1</source>
      <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
      <source>Cannot read picture %1: no JPEG library</source>
      <translation>Impossible de lire l’image %1 : bibliothèque JPEG absente</translation>
    </message>
    <message>
      <source>Cannot read picture %1: out of memory</source>
      <translation>Impossible de lire l’image %1 : mémoire insuffisante</translation>
    </message>
    <message>
      <source>Cannot read picture %1: %2</source>
      <translation>Impossible de lire l’image %1 : %2</translation>
    </message>
    <message>
      <source>'%1' is not a valid integer value</source>
      <translation>« %1 » n’est pas un nombre entier valide</translation>
    </message>
    <message>
      <source>List index out of bounds (%1)</source>
      <translation>Indice de liste hors limites (%1)</translation>
    </message>
    <message>
      <source>Invalid data type for '%1'</source>
      <translation>Type de données non valide pour « %1 »</translation>
    </message>
    <message>
      <source>Failed to set data for '%1'</source>
      <translation>Impossible d’enregistrer les données de « %1 »</translation>
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
      <translation>Records</translation>
    </message>
    <message>
      <source>SCHEME</source>
      <translation>THÈME</translation>
    </message>
    <message>
      <source>NEW</source>
      <translation>JOUER</translation>
    </message>
    <message>
      <source>UNDO</source>
      <translation>RETOUR</translation>
    </message>
  </context>
  <context>
    <name>THScore</name>
    <message>
      <source>HScore</source>
      <translation>Records</translation>
    </message>
    <message>
      <source>Congratulations!!!</source>
      <translation>Bravo !!!</translation>
    </message>
    <message>
      <source>You reached the Hight Score!!!</source>
      <translation>Vous entrez dans les records !!!</translation>
    </message>
    <message>
      <source>Plese enter your name</source>
      <translation>Entrez votre nom</translation>
    </message>
    <message>
      <source>Your name</source>
      <translation>Votre nom</translation>
    </message>
    <message>
      <source>The name for the high-score table, up to eight characters</source>
      <translation>Le nom pour le tableau des records, huit caractères au plus</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Enters the name in the high-score table</source>
      <translation>Inscrit le nom dans le tableau des records</translation>
    </message>
  </context>
</TS>
