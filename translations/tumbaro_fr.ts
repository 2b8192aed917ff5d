<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
  <context>
    <name>Accessibility</name>
    <message>
      <source>Frame</source>
      <translation>Cadre</translation>
    </message>
    <message>
      <source>Frame round the score and the high-score table</source>
      <translation>Cadre autour du score et du tableau des records</translation>
    </message>
    <message>
      <source>Background</source>
      <translation>Arrière-plan</translation>
    </message>
    <message>
      <source>The scheme's picture behind the board</source>
      <translation>L'image du thème derrière le plateau</translation>
    </message>
    <message>
      <source>Leaves the game (Ctrl+Q)</source>
      <translation>Quitte le jeu (Ctrl+Q)</translation>
    </message>
    <message>
      <source>Opens the help page (F1)</source>
      <translation>Ouvre la page d'aide (F1)</translation>
    </message>
    <message>
      <source>High Score</source>
      <translation>Records</translation>
    </message>
    <message>
      <source>Title of the high-score table</source>
      <translation>Titre du tableau des records</translation>
    </message>
    <message>
      <source>Draws the balls as spheres (key 1)</source>
      <translation>Affiche des sphères (touche 1)</translation>
    </message>
    <message>
      <source>Draws the balls as cones (key 2)</source>
      <translation>Affiche des cônes (touche 2)</translation>
    </message>
    <message>
      <source>Draws the balls as rings (key 3)</source>
      <translation>Affiche des anneaux (touche 3)</translation>
    </message>
    <message>
      <source>Scheme</source>
      <translation>Thème</translation>
    </message>
    <message>
      <source>Title of the scheme buttons</source>
      <translation>Titre des boutons de thème</translation>
    </message>
    <message>
      <source>Takes back the last move and its points (U, Backspace or Ctrl+Z)</source>
      <translation>Annule le dernier coup et ses points (U, Retour arrière ou Ctrl+Z)</translation>
    </message>
    <message>
      <source>Deals a new game (N or F2)</source>
      <translation>Commence une nouvelle partie (N ou F2)</translation>
    </message>
    <message>
      <source>Pick a ball, then a neighbour above, below, left or right to swap them (Space or Return)</source>
      <translation>Choisissez une pièce, puis sa voisine au-dessus, au-dessous, à gauche ou à droite pour les échanger (Espace ou Entrée)</translation>
    </message>
    <message>
      <source>Match-3 puzzle. Arrow keys move the cursor, Space or Return picks a ball, H shows a possible move, M switches the sound off or on</source>
      <translation>Jeu de type match-3. Les flèches déplacent le curseur, Espace ou Entrée choisit une pièce, H montre un coup possible, M coupe ou remet le son</translation>
    </message>
    <message>
      <source>The points of the game in progress</source>
      <translation>Les points de la partie en cours</translation>
    </message>
    <message>
      <source>High-score names</source>
      <translation>Noms des records</translation>
    </message>
    <message>
      <source>The players of the ten best games, best first</source>
      <translation>Les noms des dix meilleures parties, la meilleure en premier</translation>
    </message>
    <message>
      <source>High scores</source>
      <translation>Meilleurs scores</translation>
    </message>
    <message>
      <source>The ten best scores, best first</source>
      <translation>Les dix meilleurs scores, le meilleur en premier</translation>
    </message>
    <message>
      <source>Row %1, column %2: empty</source>
      <translation>Ligne %1, colonne %2 : vide</translation>
    </message>
    <message>
      <source>Row %1, column %2: %3, picked</source>
      <extracomment>%3 is the ball, as "pink sphere".</extracomment>
      <translation>Ligne %1, colonne %2 : %3, case choisie</translation>
    </message>
    <message>
      <source>Row %1, column %2: %3</source>
      <translation>Ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
      <source>What the last move did</source>
      <translation>Ce qu’a fait le dernier coup</translation>
    </message>
  </context>
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
    <name>Deals</name>
    <message>
      <source>Deal number...</source>
      <translation>Numéro de donne...</translation>
    </message>
    <message>
      <source>Today&apos;s deal</source>
      <translation>Donne du jour</translation>
    </message>
    <message>
      <source>Deal number</source>
      <translation>Numéro de donne</translation>
    </message>
    <message>
      <source>Copy game</source>
      <translation>Copier la partie</translation>
    </message>
    <message>
      <source>Deal %1</source>
      <translation>Donne %1</translation>
    </message>
    <message>
      <source>The game is copied</source>
      <translation>La partie est copiée</translation>
    </message>
    <message>
      <source>Type the number of a deal, from 0 to 4294967295.</source>
      <translation>Tapez le numéro d’une donne, de 0 à 4294967295.</translation>
    </message>
    <message>
      <source>%1 is too large: deal numbers go from 0 to 4294967295.</source>
      <translation>%1 est trop grand : les numéros de donne vont de 0 à 4294967295.</translation>
    </message>
    <message>
      <source>“%1” is not a deal number: type only the digits 0 to 9.</source>
      <translation>« %1 » n’est pas un numéro de donne : tapez seulement les chiffres 0 à 9.</translation>
    </message>
    <message>
      <source>Play the deal numbered (0 to 4294967295):</source>
      <translation>Jouer la donne numéro (0 à 4294967295) :</translation>
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
      <source>Cannot lock file %1</source>
      <translation>Impossible de verrouiller le fichier %1</translation>
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
    <message>
      <source>Invalid name for the high-score table</source>
      <translation>Nom non valable pour le tableau des records</translation>
    </message>
  </context>
  <context>
    <name>GameOver</name>
    <message>
      <source>       Game Over!!!</source>
      <extracomment>The leading blanks centre the title; keep them.</extracomment>
      <translation>       Partie terminée !!!</translation>
    </message>
    <message>
      <source>Do you want to play again?</source>
      <translation>Voulez-vous rejouer ?</translation>
    </message>
  </context>
  <context>
    <name>HelpPage</name>
    <message>
      <source>Help/Vendrask.html</source>
      <translation>Help/Vendrask.fr.html</translation>
    </message>
  </context>
  <context>
    <name>Hints</name>
    <message>
      <source>Your Score</source>
      <translation>Votre score</translation>
    </message>
    <message>
      <source>New Game</source>
      <translation>Nouvelle partie</translation>
    </message>
    <message>
      <source>Undo your previous move</source>
      <translation>Annuler votre dernier coup</translation>
    </message>
    <message>
      <source>Scheme 1</source>
      <translation>Thème 1</translation>
    </message>
    <message>
      <source>Scheme 2</source>
      <translation>Thème 2</translation>
    </message>
    <message>
      <source>Scheme 3</source>
      <translation>Thème 3</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Aide</translation>
    </message>
    <message>
      <source>Hint</source>
      <extracomment>The command that shows a possible move.</extracomment>
      <translation>Indice</translation>
    </message>
    <message>
      <source>Sound</source>
      <extracomment>The command that switches the sound off or on.</extracomment>
      <translation>Son</translation>
    </message>
    <message>
      <source>Exit Game</source>
      <translation>Quitter le jeu</translation>
    </message>
    <message>
      <source>Symbols</source>
      <extracomment>The command that shows or hides a symbol on each ball.</extracomment>
      <translation>Symboles</translation>
    </message>
  </context>
  <context>
    <name>Menu</name>
    <message>
      <source>New Classic game</source>
      <translation>Nouvelle partie classique</translation>
    </message>
    <message>
      <source>New Timed game</source>
      <translation>Nouvelle partie chronométrée</translation>
    </message>
    <message>
      <source>New Zen game</source>
      <translation>Nouvelle partie zen</translation>
    </message>
    <message>
      <source>Pause</source>
      <translation>Pause</translation>
    </message>
    <message>
      <source>Menu</source>
      <translation>Menu</translation>
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
    <name>QAccessibleActionInterface</name>
    <message>
      <source>Press</source>
      <translation>Appuyer</translation>
    </message>
    <message>
      <source>SetFocus</source>
      <translation>Donner le focus</translation>
    </message>
    <message>
      <source>Triggers the action</source>
      <translation>Déclenche l'action</translation>
    </message>
    <message>
      <source>Sets the focus</source>
      <translation>Donne le focus</translation>
    </message>
  </context>
  <context>
    <name>QGnomeTheme</name>
    <message>
      <source>&amp;OK</source>
      <translation>&amp;OK</translation>
    </message>
    <message>
      <source>&amp;Cancel</source>
      <translation>&amp;Annuler</translation>
    </message>
  </context>
  <context>
    <name>QLineEdit</name>
    <message>
      <source>&amp;Undo</source>
      <translation>&amp;Annuler</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>&amp;Rétablir</translation>
    </message>
    <message>
      <source>Cu&amp;t</source>
      <translation>Co&amp;uper</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>Cop&amp;ier</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>Co&amp;ller</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Supprimer</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>Tout sélectionner</translation>
    </message>
  </context>
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>&amp;Yes</source>
      <translation>&amp;Oui</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>&amp;Non</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annuler</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
  </context>
  <context>
    <name>QShortcut</name>
    <message>
      <source>Ctrl</source>
      <translation>Ctrl</translation>
    </message>
    <message>
      <source>Shift</source>
      <translation>Maj</translation>
    </message>
    <message>
      <source>Space</source>
      <translation>Espace</translation>
    </message>
    <message>
      <source>Return</source>
      <translation>Retour</translation>
    </message>
    <message>
      <source>Enter</source>
      <translation>Entrée</translation>
    </message>
    <message>
      <source>Backspace</source>
      <translation>Effacement</translation>
    </message>
    <message>
      <source>Left</source>
      <translation>Gauche</translation>
    </message>
    <message>
      <source>Right</source>
      <translation>Droite</translation>
    </message>
    <message>
      <source>Up</source>
      <translation>Haut</translation>
    </message>
    <message>
      <source>Down</source>
      <translation>Bas</translation>
    </message>
    <message>
      <source>Menu</source>
      <translation>Menu</translation>
    </message>
  </context>
  <context>
    <name>SoundNote</name>
    <message>
      <source>Sound on</source>
      <translation>Son activé</translation>
    </message>
    <message>
      <source>Sound off</source>
      <translation>Son coupé</translation>
    </message>
  </context>
  <context>
    <name>Spoken</name>
    <message>
      <source>Line of three: %1, %2 points.</source>
      <translation>Ligne de trois : %1, %2 points.</translation>
    </message>
    <message>
      <source>Line of four: %1, %2 points.</source>
      <translation>Ligne de quatre : %1, %2 points.</translation>
    </message>
    <message>
      <source>Line of five: %1, %2 points.</source>
      <translation>Ligne de cinq : %1, %2 points.</translation>
    </message>
    <message>
      <source>Score %1.</source>
      <translation>Score %1.</translation>
    </message>
    <message>
      <source>Cascade %1.</source>
      <translation>Cascade %1.</translation>
    </message>
    <message>
      <source>No line, not swapped.</source>
      <translation>Pas de ligne, pas d’échange.</translation>
    </message>
    <message>
      <source>Not neighbours, not swapped.</source>
      <translation>Pas voisines, pas d’échange.</translation>
    </message>
    <message>
      <source>Move taken back.</source>
      <translation>Coup annulé.</translation>
    </message>
    <message>
      <source>New game.</source>
      <translation>Nouvelle partie.</translation>
    </message>
    <message>
      <source>Spheres.</source>
      <translation>Sphères.</translation>
    </message>
    <message>
      <source>Cones.</source>
      <translation>Cônes.</translation>
    </message>
    <message>
      <source>Rings.</source>
      <translation>Anneaux.</translation>
    </message>
    <message>
      <source>Hint: swap %1 with %2.</source>
      <translation>Indice : échangez %1 avec %2.</translation>
    </message>
    <message>
      <source>Sound on.</source>
      <translation>Son activé.</translation>
    </message>
    <message>
      <source>Sound off.</source>
      <translation>Son coupé.</translation>
    </message>
    <message>
      <source>No moves left. Score %1.</source>
      <translation>Plus aucun coup. Score %1.</translation>
    </message>
    <message>
      <source>No moves left. Score %1, place %2 in the table.</source>
      <translation>Plus aucun coup. Score %1, place %2 des records.</translation>
    </message>
    <message>
      <source>New high score</source>
      <translation>Nouveau record</translation>
    </message>
    <message>
      <source>Game over</source>
      <translation>Partie terminée</translation>
    </message>
    <message>
      <source>Symbols on.</source>
      <translation>Symboles affichés.</translation>
    </message>
    <message>
      <source>Symbols off.</source>
      <translation>Symboles masqués.</translation>
    </message>
  </context>
  <context>
    <name>Statistics</name>
    <message>
      <source>Statistics</source>
      <translation>Statistiques</translation>
    </message>
    <message>
      <source>Your games cannot be counted: the game log %1 cannot be written (%2). The game plays on</source>
      <translation>Vos parties ne peuvent pas être comptées : le journal des parties %1 ne peut pas être écrit (%2). Le jeu continue</translation>
    </message>
    <message>
      <source>The statistics window cannot be opened: its module is missing</source>
      <translation>La fenêtre des statistiques ne peut pas s’ouvrir : son module est absent</translation>
    </message>
    <message>
      <source>Classic</source>
      <translation>Classique</translation>
    </message>
    <message>
      <source>Timed</source>
      <translation>Chronométré</translation>
    </message>
    <message>
      <source>Zen</source>
      <translation>Zen</translation>
    </message>
    <message>
      <source>Today&apos;s deal, %1</source>
      <translation>Donne du jour, %1</translation>
    </message>
    <message>
      <source>Today&apos;s deal</source>
      <translation>Donne du jour</translation>
    </message>
    <message>
      <source>Games</source>
      <translation>Parties</translation>
    </message>
    <message>
      <source>Best score</source>
      <translation>Meilleur score</translation>
    </message>
    <message>
      <source>Average score</source>
      <translation>Score moyen</translation>
    </message>
    <message>
      <source>Median score</source>
      <translation>Score médian</translation>
    </message>
    <message>
      <source>Longest cascade</source>
      <translation>Plus longue cascade</translation>
    </message>
    <message>
      <source>Last ten scores, newest first</source>
      <translation>Dix derniers scores, le plus récent d’abord</translation>
    </message>
    <message>
      <source>Figures of each way to play</source>
      <translation>Chiffres de chaque façon de jouer</translation>
    </message>
    <message>
      <source>none yet</source>
      <translation>aucun pour l’instant</translation>
    </message>
    <message>
      <source>not played</source>
      <translation>pas jouée</translation>
    </message>
    <message>
      <source>Scores of the last hundred games</source>
      <translation>Scores des cent dernières parties</translation>
    </message>
    <message>
      <source>Game</source>
      <translation>Partie</translation>
    </message>
    <message>
      <source>Score</source>
      <translation>Score</translation>
    </message>
    <message>
      <source>%1: no games yet.</source>
      <translation>%1 : pas encore de partie.</translation>
    </message>
    <message numerus="yes">
      <source>%1: %n games, scores from %2 to %3; the best is game %4. Oldest first: %5.</source>
      <translation>
        <numerusform>%1 : %n partie, scores de %2 à %3 ; la meilleure est la partie %4. Les plus anciennes d’abord : %5.</numerusform>
        <numerusform>%1 : %n parties, scores de %2 à %3 ; la meilleure est la partie %4. Les plus anciennes d’abord : %5.</numerusform>
      </translation>
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
  <context>
    <name>Pace</name>
    <message>
      <source>Speed: Fast</source>
      <translation>Vitesse : rapide</translation>
    </message>
    <message>
      <source>Speed: Instant</source>
      <translation>Vitesse : instantanée</translation>
    </message>
    <message>
      <source>Speed: Normal</source>
      <translation>Vitesse : normale</translation>
    </message>
    <message>
      <source>Speed</source>
      <extracomment>The command that steps through the speeds: normal, fast, instant.</extracomment>
      <translation>Vitesse</translation>
    </message>
  </context>
  <context>
    <name>Ways</name>
    <message>
      <source>New deal</source>
      <translation>Nouvelle donne</translation>
    </message>
    <message>
      <source>No move left: a new deal, the score kept.</source>
      <translation>Plus aucun coup : nouvelle donne, le score est conservé.</translation>
    </message>
    <message>
      <source>Paused. Click here or press P to go on.</source>
      <translation>Pause. Cliquez ici ou appuyez sur P pour reprendre.</translation>
    </message>
    <message>
      <source>Timed</source>
      <translation>Chronométré</translation>
    </message>
  </context>
  <context>
    <name>Zoom</name>
    <message>
      <source>Zoom In</source>
      <translation>Zoom avant</translation>
    </message>
    <message>
      <source>Zoom Out</source>
      <translation>Zoom arrière</translation>
    </message>
    <message>
      <source>Normal Size</source>
      <translation>Taille normale</translation>
    </message>
    <message>
      <source>Full Screen</source>
      <translation>Plein écran</translation>
    </message>
  </context>
</TS>
