<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
  <context>
    <name>Accessibility</name>
    <message>
      <source>Frame</source>
      <translation>Moldura</translation>
    </message>
    <message>
      <source>Frame round the score and the high-score table</source>
      <translation>Moldura em volta da pontuação e da tabela de recordes</translation>
    </message>
    <message>
      <source>Background</source>
      <translation>Fundo</translation>
    </message>
    <message>
      <source>The scheme's picture behind the board</source>
      <translation>A imagem do tema atrás do tabuleiro</translation>
    </message>
    <message>
      <source>Leaves the game (Ctrl+Q)</source>
      <translation>Sai do jogo (Ctrl+Q)</translation>
    </message>
    <message>
      <source>Opens the help page (F1)</source>
      <translation>Abre a página de ajuda (F1)</translation>
    </message>
    <message>
      <source>High Score</source>
      <translation>Recordes</translation>
    </message>
    <message>
      <source>Title of the high-score table</source>
      <translation>Título da tabela de recordes</translation>
    </message>
    <message>
      <source>Draws the balls as spheres (key 1)</source>
      <translation>Mostra esferas (tecla 1)</translation>
    </message>
    <message>
      <source>Draws the balls as cones (key 2)</source>
      <translation>Mostra cones (tecla 2)</translation>
    </message>
    <message>
      <source>Draws the balls as rings (key 3)</source>
      <translation>Mostra anéis (tecla 3)</translation>
    </message>
    <message>
      <source>Scheme</source>
      <translation>Tema</translation>
    </message>
    <message>
      <source>Title of the scheme buttons</source>
      <translation>Título dos botões de tema</translation>
    </message>
    <message>
      <source>Takes back the last move and its points (U, Backspace or Ctrl+Z)</source>
      <translation>Desfaz a última jogada e seus pontos (U, Backspace ou Ctrl+Z)</translation>
    </message>
    <message>
      <source>Deals a new game (N or F2)</source>
      <translation>Começa um novo jogo (N ou F2)</translation>
    </message>
    <message>
      <source>Pick a ball, then a neighbour above, below, left or right to swap them (Space or Return)</source>
      <translation>Escolha uma peça e depois a vizinha de cima, de baixo, da esquerda ou da direita para trocá-las (Espaço ou Enter)</translation>
    </message>
    <message>
      <source>Match-3 puzzle. Arrow keys move the cursor, Space or Return picks a ball, H shows a possible move, M switches the sound off or on</source>
      <translation>Quebra-cabeça de combinar três. As setas movem o cursor, Espaço ou Enter escolhe uma peça, H mostra uma jogada possível, M desliga ou liga o som</translation>
    </message>
    <message>
      <source>The points of the game in progress</source>
      <translation>Os pontos do jogo em andamento</translation>
    </message>
    <message>
      <source>High-score names</source>
      <translation>Nomes dos recordes</translation>
    </message>
    <message>
      <source>The players of the ten best games, best first</source>
      <translation>Os nomes dos dez melhores jogos, o melhor primeiro</translation>
    </message>
    <message>
      <source>High scores</source>
      <translation>Melhores pontuações</translation>
    </message>
    <message>
      <source>The ten best scores, best first</source>
      <translation>As dez melhores pontuações, a maior primeiro</translation>
    </message>
    <message>
      <source>Row %1, column %2: empty</source>
      <translation>Linha %1, coluna %2: casa vazia</translation>
    </message>
    <message>
      <source>Row %1, column %2: %3, picked</source>
      <extracomment>%3 is the ball, as "pink sphere".</extracomment>
      <translation>Linha %1, coluna %2: %3, casa escolhida</translation>
    </message>
    <message>
      <source>Row %1, column %2: %3</source>
      <translation>Linha %1, coluna %2: %3</translation>
    </message>
    <message>
      <source>What the last move did</source>
      <translation>O que a última jogada fez</translation>
    </message>
  </context>
  <context>
    <name>BallNames</name>
    <message>
      <source>silver sphere with a red seam</source>
      <translation>esfera prateada com costura vermelha</translation>
    </message>
    <message>
      <source>gold and brown checked sphere</source>
      <translation>esfera xadrez dourada e marrom</translation>
    </message>
    <message>
      <source>blue sphere with gold flecks</source>
      <translation>esfera azul com pintas douradas</translation>
    </message>
    <message>
      <source>dark green sphere</source>
      <translation>esfera verde-escura</translation>
    </message>
    <message>
      <source>white sphere with rust speckles</source>
      <translation>esfera branca com pintas cor de ferrugem</translation>
    </message>
    <message>
      <source>green and blue sphere</source>
      <translation>esfera verde e azul</translation>
    </message>
    <message>
      <source>red and grey woven sphere</source>
      <translation>esfera trançada vermelha e cinza</translation>
    </message>
    <message>
      <source>pink sphere</source>
      <translation>esfera rosa</translation>
    </message>
    <message>
      <source>black cone with a grey web</source>
      <translation>cone preto com uma teia cinza</translation>
    </message>
    <message>
      <source>grey granite cone</source>
      <translation>cone de granito cinza</translation>
    </message>
    <message>
      <source>ochre gold cone</source>
      <translation>cone ocre dourado</translation>
    </message>
    <message>
      <source>red cone with a marbled patch</source>
      <translation>cone vermelho com uma mancha marmorizada</translation>
    </message>
    <message>
      <source>wooden cone</source>
      <translation>cone de madeira</translation>
    </message>
    <message>
      <source>blue and white marbled cone</source>
      <translation>cone marmorizado azul e branco</translation>
    </message>
    <message>
      <source>black and white checked cone</source>
      <translation>cone xadrez preto e branco</translation>
    </message>
    <message>
      <source>dark grey cone with green bands</source>
      <translation>cone cinza-escuro com faixas verdes</translation>
    </message>
    <message>
      <source>red marbled ring</source>
      <translation>anel marmorizado vermelho</translation>
    </message>
    <message>
      <source>black ring with white lines</source>
      <translation>anel preto com linhas brancas</translation>
    </message>
    <message>
      <source>white ring with brown speckles</source>
      <translation>anel branco com pintas marrons</translation>
    </message>
    <message>
      <source>gold ring</source>
      <translation>anel dourado</translation>
    </message>
    <message>
      <source>dark grey ring with green bands</source>
      <translation>anel cinza-escuro com faixas verdes</translation>
    </message>
    <message>
      <source>black and white checked ring</source>
      <translation>anel xadrez preto e branco</translation>
    </message>
    <message>
      <source>carved wooden ring</source>
      <translation>anel de madeira entalhada</translation>
    </message>
    <message>
      <source>blue and white marbled ring</source>
      <translation>anel marmorizado azul e branco</translation>
    </message>
  </context>
  <context>
    <name>Deals</name>
    <message>
      <source>Deal number...</source>
      <translation>Número da partida...</translation>
    </message>
    <message>
      <source>Today&apos;s deal</source>
      <translation>Partida do dia</translation>
    </message>
    <message>
      <source>Deal number</source>
      <translation>Número da partida</translation>
    </message>
    <message>
      <source>Copy game</source>
      <translation>Copiar partida</translation>
    </message>
    <message>
      <source>Deal %1</source>
      <translation>Partida %1</translation>
    </message>
    <message>
      <source>The game is copied</source>
      <translation>A partida foi copiada</translation>
    </message>
    <message>
      <source>Type the number of a deal, from 0 to 4294967295.</source>
      <translation>Digite o número de uma partida, de 0 a 4294967295.</translation>
    </message>
    <message>
      <source>%1 is too large: deal numbers go from 0 to 4294967295.</source>
      <translation>%1 é grande demais: os números de partida vão de 0 a 4294967295.</translation>
    </message>
    <message>
      <source>“%1” is not a deal number: type only the digits 0 to 9.</source>
      <translation>“%1” não é um número de partida: digite só os algarismos de 0 a 9.</translation>
    </message>
    <message>
      <source>Play the deal numbered (0 to 4294967295):</source>
      <translation>Jogar a partida de número (0 a 4294967295):</translation>
    </message>
  </context>
  <context>
    <name>Errors</name>
    <message>
      <source>Cannot open file %1</source>
      <translation>Não foi possível abrir o arquivo %1</translation>
    </message>
    <message>
      <source>Cannot create file %1</source>
      <translation>Não foi possível criar o arquivo %1</translation>
    </message>
    <message>
      <source>Cannot lock file %1</source>
      <translation>Não é possível bloquear o arquivo %1</translation>
    </message>
    <message>
      <source>Cannot read picture %1: no JPEG library</source>
      <translation>Não foi possível ler a imagem %1: biblioteca JPEG ausente</translation>
    </message>
    <message>
      <source>Cannot read picture %1: out of memory</source>
      <translation>Não foi possível ler a imagem %1: memória insuficiente</translation>
    </message>
    <message>
      <source>Cannot read picture %1: %2</source>
      <translation>Não foi possível ler a imagem %1: %2</translation>
    </message>
    <message>
      <source>'%1' is not a valid integer value</source>
      <translation>“%1” não é um número inteiro válido</translation>
    </message>
    <message>
      <source>List index out of bounds (%1)</source>
      <translation>Índice de lista fora dos limites (%1)</translation>
    </message>
    <message>
      <source>Invalid data type for '%1'</source>
      <translation>Tipo de dado inválido para “%1”</translation>
    </message>
    <message>
      <source>Failed to set data for '%1'</source>
      <translation>Não foi possível salvar os dados de “%1”</translation>
    </message>
    <message>
      <source>Invalid name for the high-score table</source>
      <translation>Nome inválido para a tabela de recordes</translation>
    </message>
  </context>
  <context>
    <name>GameOver</name>
    <message>
      <source>       Game Over!!!</source>
      <extracomment>The leading blanks centre the title; keep them.</extracomment>
      <translation>       Fim de jogo!!!</translation>
    </message>
    <message>
      <source>Do you want to play again?</source>
      <translation>Quer jogar de novo?</translation>
    </message>
  </context>
  <context>
    <name>HelpPage</name>
    <message>
      <source>Help/Vendrask.html</source>
      <translation>Help/Vendrask.pt_BR.html</translation>
    </message>
  </context>
  <context>
    <name>Hints</name>
    <message>
      <source>Your Score</source>
      <translation>Sua pontuação</translation>
    </message>
    <message>
      <source>New Game</source>
      <translation>Novo jogo</translation>
    </message>
    <message>
      <source>Undo your previous move</source>
      <translation>Desfazer sua última jogada</translation>
    </message>
    <message>
      <source>Scheme 1</source>
      <translation>Tema 1</translation>
    </message>
    <message>
      <source>Scheme 2</source>
      <translation>Tema 2</translation>
    </message>
    <message>
      <source>Scheme 3</source>
      <translation>Tema 3</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Ajuda</translation>
    </message>
    <message>
      <source>Hint</source>
      <extracomment>The command that shows a possible move.</extracomment>
      <translation>Dica</translation>
    </message>
    <message>
      <source>Sound</source>
      <extracomment>The command that switches the sound off or on.</extracomment>
      <translation>Som</translation>
    </message>
    <message>
      <source>Exit Game</source>
      <translation>Sair do jogo</translation>
    </message>
    <message>
      <source>Symbols</source>
      <extracomment>The command that shows or hides a symbol on each ball.</extracomment>
      <translation>Símbolos</translation>
    </message>
  </context>
  <context>
    <name>Menu</name>
    <message>
      <source>New Classic game</source>
      <translation>Novo jogo clássico</translation>
    </message>
    <message>
      <source>New Timed game</source>
      <translation>Novo jogo cronometrado</translation>
    </message>
    <message>
      <source>New Zen game</source>
      <translation>Novo jogo zen</translation>
    </message>
    <message>
      <source>Pause</source>
      <translation>Pausa</translation>
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
  <context>
    <name>QAccessibleActionInterface</name>
    <message>
      <source>Press</source>
      <translation>Pressionar</translation>
    </message>
    <message>
      <source>SetFocus</source>
      <translation>Definir foco</translation>
    </message>
    <message>
      <source>Triggers the action</source>
      <translation>Aciona a ação</translation>
    </message>
    <message>
      <source>Sets the focus</source>
      <translation>Define o foco</translation>
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
      <translation>&amp;Cancelar</translation>
    </message>
  </context>
  <context>
    <name>QLineEdit</name>
    <message>
      <source>&amp;Undo</source>
      <translation>&amp;Desfazer</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>&amp;Refazer</translation>
    </message>
    <message>
      <source>Cu&amp;t</source>
      <translation>Recor&amp;tar</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>&amp;Copiar</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>Co&amp;lar</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Excluir</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>Selecionar tudo</translation>
    </message>
  </context>
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>&amp;Yes</source>
      <translation>&amp;Sim</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>&amp;Não</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancelar</translation>
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
      <translation>Shift</translation>
    </message>
    <message>
      <source>Space</source>
      <translation>Espaço</translation>
    </message>
    <message>
      <source>Return</source>
      <translation>Return</translation>
    </message>
    <message>
      <source>Enter</source>
      <translation>Enter</translation>
    </message>
    <message>
      <source>Backspace</source>
      <translation>Backspace</translation>
    </message>
    <message>
      <source>Left</source>
      <translation>Esquerda</translation>
    </message>
    <message>
      <source>Right</source>
      <translation>Direita</translation>
    </message>
    <message>
      <source>Up</source>
      <translation>Cima</translation>
    </message>
    <message>
      <source>Down</source>
      <translation>Baixo</translation>
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
      <translation>Som ligado</translation>
    </message>
    <message>
      <source>Sound off</source>
      <translation>Som desligado</translation>
    </message>
  </context>
  <context>
    <name>Spoken</name>
    <message>
      <source>Line of three: %1, %2 points.</source>
      <translation>Linha de três: %1, %2 pontos.</translation>
    </message>
    <message>
      <source>Line of four: %1, %2 points.</source>
      <translation>Linha de quatro: %1, %2 pontos.</translation>
    </message>
    <message>
      <source>Line of five: %1, %2 points.</source>
      <translation>Linha de cinco: %1, %2 pontos.</translation>
    </message>
    <message>
      <source>Score %1.</source>
      <translation>Pontuação %1.</translation>
    </message>
    <message>
      <source>Cascade %1.</source>
      <translation>Cascata %1.</translation>
    </message>
    <message>
      <source>No line, not swapped.</source>
      <translation>Sem linha, sem troca.</translation>
    </message>
    <message>
      <source>Not neighbours, not swapped.</source>
      <translation>Não são vizinhas, sem troca.</translation>
    </message>
    <message>
      <source>Move taken back.</source>
      <translation>Jogada desfeita.</translation>
    </message>
    <message>
      <source>New game.</source>
      <translation>Novo jogo.</translation>
    </message>
    <message>
      <source>Spheres.</source>
      <translation>Esferas.</translation>
    </message>
    <message>
      <source>Cones.</source>
      <translation>Cones.</translation>
    </message>
    <message>
      <source>Rings.</source>
      <translation>Anéis.</translation>
    </message>
    <message>
      <source>Hint: swap %1 with %2.</source>
      <translation>Dica: troque %1 com %2.</translation>
    </message>
    <message>
      <source>Sound on.</source>
      <translation>Som ligado.</translation>
    </message>
    <message>
      <source>Sound off.</source>
      <translation>Som desligado.</translation>
    </message>
    <message>
      <source>No moves left. Score %1.</source>
      <translation>Sem jogadas. Pontuação %1.</translation>
    </message>
    <message>
      <source>No moves left. Score %1, place %2 in the table.</source>
      <translation>Sem jogadas. Pontuação %1, %2º lugar nos recordes.</translation>
    </message>
    <message>
      <source>New high score</source>
      <translation>Novo recorde</translation>
    </message>
    <message>
      <source>Game over</source>
      <translation>Fim de jogo</translation>
    </message>
    <message>
      <source>Symbols on.</source>
      <translation>Símbolos ligados.</translation>
    </message>
    <message>
      <source>Symbols off.</source>
      <translation>Símbolos desligados.</translation>
    </message>
  </context>
  <context>
    <name>Statistics</name>
    <message>
      <source>Statistics</source>
      <translation>Estatísticas</translation>
    </message>
    <message>
      <source>Your games cannot be counted: the game log %1 cannot be written (%2). The game plays on</source>
      <translation>Suas partidas não podem ser contadas: o registro de partidas %1 não pode ser gravado (%2). O jogo continua</translation>
    </message>
    <message>
      <source>The statistics window cannot be opened: its module is missing</source>
      <translation>A janela de estatísticas não pode ser aberta: falta o módulo dela</translation>
    </message>
    <message>
      <source>Classic</source>
      <translation>Clássico</translation>
    </message>
    <message>
      <source>Timed</source>
      <translation>Cronometrado</translation>
    </message>
    <message>
      <source>Zen</source>
      <translation>Zen</translation>
    </message>
    <message>
      <source>Today&apos;s deal, %1</source>
      <translation>Partida do dia, %1</translation>
    </message>
    <message>
      <source>Today&apos;s deal</source>
      <translation>Partida do dia</translation>
    </message>
    <message>
      <source>Games</source>
      <translation>Partidas</translation>
    </message>
    <message>
      <source>Best score</source>
      <translation>Melhor pontuação</translation>
    </message>
    <message>
      <source>Average score</source>
      <translation>Pontuação média</translation>
    </message>
    <message>
      <source>Median score</source>
      <translation>Pontuação mediana</translation>
    </message>
    <message>
      <source>Longest cascade</source>
      <translation>Maior cascata</translation>
    </message>
    <message>
      <source>Last ten scores, newest first</source>
      <translation>Últimas dez pontuações, da mais recente</translation>
    </message>
    <message>
      <source>Figures of each way to play</source>
      <translation>Números de cada modo de jogar</translation>
    </message>
    <message>
      <source>none yet</source>
      <translation>nenhuma ainda</translation>
    </message>
    <message>
      <source>not played</source>
      <translation>não jogada</translation>
    </message>
    <message>
      <source>Scores of the last hundred games</source>
      <translation>Pontuações das últimas cem partidas</translation>
    </message>
    <message>
      <source>Game</source>
      <translation>Partida</translation>
    </message>
    <message>
      <source>Score</source>
      <translation>Pontuação</translation>
    </message>
    <message>
      <source>%1: no games yet.</source>
      <translation>%1: nenhuma partida ainda.</translation>
    </message>
    <message numerus="yes">
      <source>%1: %n games, scores from %2 to %3; the best is game %4. Oldest first: %5.</source>
      <translation>
        <numerusform>%1: %n partida, pontuações de %2 a %3; a melhor é a partida %4. Da mais antiga: %5.</numerusform>
        <numerusform>%1: %n partidas, pontuações de %2 a %3; a melhor é a partida %4. Da mais antiga: %5.</numerusform>
      </translation>
    </message>
  </context>
  <context>
    <name>THScore</name>
    <message>
      <source>HScore</source>
      <translation>Recordes</translation>
    </message>
    <message>
      <source>Congratulations!!!</source>
      <translation>Parabéns!!!</translation>
    </message>
    <message>
      <source>You reached the Hight Score!!!</source>
      <translation>Você entrou nos recordes!!!</translation>
    </message>
    <message>
      <source>Plese enter your name</source>
      <translation>Digite seu nome</translation>
    </message>
    <message>
      <source>Your name</source>
      <translation>Seu nome</translation>
    </message>
    <message>
      <source>The name for the high-score table, up to eight characters</source>
      <translation>O nome para a tabela de recordes, até oito caracteres</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Enters the name in the high-score table</source>
      <translation>Registra o nome na tabela de recordes</translation>
    </message>
  </context>
  <context>
    <name>Pace</name>
    <message>
      <source>Speed: Fast</source>
      <translation>Velocidade: rápida</translation>
    </message>
    <message>
      <source>Speed: Instant</source>
      <translation>Velocidade: instantânea</translation>
    </message>
    <message>
      <source>Speed: Normal</source>
      <translation>Velocidade: normal</translation>
    </message>
    <message>
      <source>Speed</source>
      <extracomment>The command that steps through the speeds: normal, fast, instant.</extracomment>
      <translation>Velocidade</translation>
    </message>
  </context>
  <context>
    <name>Ways</name>
    <message>
      <source>New deal</source>
      <translation>Nova rodada</translation>
    </message>
    <message>
      <source>No move left: a new deal, the score kept.</source>
      <translation>Nenhuma jogada restante: nova rodada, a pontuação continua.</translation>
    </message>
    <message>
      <source>Paused. Click here or press P to go on.</source>
      <translation>Pausa. Clique aqui ou pressione P para continuar.</translation>
    </message>
    <message>
      <source>Timed</source>
      <translation>Cronometrado</translation>
    </message>
  </context>
  <context>
    <name>Zoom</name>
    <message>
      <source>Zoom In</source>
      <translation>Ampliar</translation>
    </message>
    <message>
      <source>Zoom Out</source>
      <translation>Reduzir</translation>
    </message>
    <message>
      <source>Normal Size</source>
      <translation>Tamanho normal</translation>
    </message>
    <message>
      <source>Full Screen</source>
      <translation>Tela cheia</translation>
    </message>
  </context>
</TS>
