<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
</TS>
