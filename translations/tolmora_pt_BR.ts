<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>BoardView</name>
    <message>
        <source>Game Over</source>
        <translation>Fim de jogo</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The window system plugin (xcb, wayland, offscreen ...).</source>
        <translation>O plugin do sistema de janelas (xcb, wayland, offscreen ...).</translation>
    </message>
    <message>
        <source>Path to the platform plugins.</source>
        <translation>Caminho dos plugins de plataforma.</translation>
    </message>
    <message>
        <source>Platform theme.</source>
        <translation>Tema da plataforma.</translation>
    </message>
    <message>
        <source>Additional plugins to load, can be given more than once.</source>
        <translation>Plugins adicionais a carregar; pode ser informado mais de uma vez.</translation>
    </message>
    <message>
        <source>Geometry of the main window, like 100x100+50+50.</source>
        <translation>Geometria da janela principal, como 100x100+50+50.</translation>
    </message>
    <message>
        <source>Default window icon.</source>
        <translation>Ícone padrão das janelas.</translation>
    </message>
    <message>
        <source>Title of the first window.</source>
        <translation>Título da primeira janela.</translation>
    </message>
    <message>
        <source>Lays the window out from right to left.</source>
        <translation>Dispõe a janela da direita para a esquerda.</translation>
    </message>
    <message>
        <source>Restores the program from an earlier session.</source>
        <translation>Restaura o programa de uma sessão anterior.</translation>
    </message>
    <message>
        <source>The widget style.</source>
        <translation>O estilo dos widgets.</translation>
    </message>
    <message>
        <source>A style sheet for the widgets.</source>
        <translation>Uma folha de estilos para os widgets.</translation>
    </message>
    <message>
        <source>Reports the widgets left undestroyed at the end.</source>
        <translation>Informa, ao final, os widgets que não foram destruídos.</translation>
    </message>
    <message>
        <source>Loads the testability library.</source>
        <translation>Carrega a biblioteca de testabilidade.</translation>
    </message>
    <message>
        <source>Starts the QML debugger (as -qmljsdebugger=value).</source>
        <translation>Inicia o depurador QML (como -qmljsdebugger=value).</translation>
    </message>
    <message>
        <source>X11 display name, overrides $DISPLAY.</source>
        <translation>Nome do display X11; substitui $DISPLAY.</translation>
    </message>
    <message>
        <source>X11 instance name.</source>
        <translation>Nome da instância X11.</translation>
    </message>
    <message>
        <source>X11 alias for -qwindowgeometry.</source>
        <translation>Equivalente X11 de -qwindowgeometry.</translation>
    </message>
    <message>
        <source>X11 alias for -qwindowicon.</source>
        <translation>Equivalente X11 de -qwindowicon.</translation>
    </message>
    <message>
        <source>X11 alias for -qwindowtitle.</source>
        <translation>Equivalente X11 de -qwindowtitle.</translation>
    </message>
    <message>
        <source>ID of the X11 visual to use.</source>
        <translation>ID do visual X11 a usar.</translation>
    </message>
    <message>
        <source>X11: never grabs the mouse.</source>
        <translation>X11: nunca captura o mouse.</translation>
    </message>
    <message>
        <source>X11: grabs the mouse even under a debugger.</source>
        <translation>X11: captura o mouse mesmo sob um depurador.</translation>
    </message>
    <message>
        <source>Try &apos;tolmora --help&apos; for more information.</source>
        <translation>Tente &apos;tolmora --help&apos; para mais informações.</translation>
    </message>
    <message>
        <source>Missing value after %1.</source>
        <translation>Falta um valor após %1.</translation>
    </message>
    <message>
        <source>Tolmora, a puzzle game against the clock.</source>
        <translation>Tolmora, um jogo de quebra-cabeça contra o relógio.</translation>
    </message>
    <message>
        <source>Plays board number &lt;N&gt; (0 to 4294967295) first.</source>
        <translation>Joga primeiro o tabuleiro número &lt;N&gt; (de 0 a 4294967295).</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Opção desconhecida: %1.</translation>
    </message>
    <message>
        <source>unexpected argument %1.</source>
        <translation>argumento inesperado: %1.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda sobre as opções da linha de comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra a ajuda, incluindo as opções específicas do Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra as informações de versão.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opções]</translation>
    </message>
    <message>
        <source>Watches game &lt;ID&gt; from the history again, or the last one.</source>
        <translation>Mostra de novo a partida &lt;ID&gt; do histórico, ou a última.</translation>
    </message>
    <message>
        <source>%1 is not a game of the history.</source>
        <translation>%1 não é uma partida do histórico.</translation>
    </message>
    <message>
        <source>The history holds no recorded game %1.</source>
        <translation>O histórico não contém nenhuma partida gravada %1.</translation>
    </message>
    <message>
        <source>Plays today&apos;s daily board first (17 x 12, 2 minutes).</source>
        <translation>Joga primeiro o tabuleiro do dia (17 x 12, 2 minutos).</translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Developers</source>
        <translation>Desenvolvimento</translation>
    </message>
    <message>
        <source>The Tolmora developers</source>
        <translation>Os desenvolvedores do Tolmora</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>The Tolmora synthesizer</source>
        <translation>O sintetizador do Tolmora</translation>
    </message>
    <message>
        <source>Tunes and effects by the Tolmora developers</source>
        <translation>Músicas e efeitos dos desenvolvedores do Tolmora</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>The Tolmora brick painter</source>
        <translation>O pintor de tijolos do Tolmora</translation>
    </message>
    <message>
        <source>Pictures and icon by the Tolmora developers</source>
        <translation>Imagens e ícone dos desenvolvedores do Tolmora</translation>
    </message>
    <message>
        <source>Tolmora v%1.%2.%3</source>
        <translation>Tolmora v%1.%2.%3</translation>
    </message>
    <message>
        <source>Copyright © the Tolmora developers. Tolmora, its pictures, sounds and help were made by the Tolmora developers with the project&apos;s own tools. This program comes with no warranty of any kind, to the extent permitted by law.</source>
        <translation>Copyright © desenvolvedores do Tolmora. O Tolmora, suas imagens, seus sons e sua ajuda foram feitos pelos desenvolvedores do Tolmora com as ferramentas do próprio projeto. Este programa é fornecido sem garantia de qualquer tipo, na medida permitida por lei.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>in memory only, as %1</source>
        <translation>apenas na memória, pois %1</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>em %1</translation>
    </message>
    <message>
        <source>The history is unavailable: %1.</source>
        <translation>O histórico não está disponível: %1.</translation>
    </message>
    <message>
        <source>a new history file could not be started in %1</source>
        <translation>não foi possível criar um novo arquivo de histórico em %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>não é possível gravar na pasta %1</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 é somente leitura</translation>
    </message>
    <message>
        <source>%1 is a link to nothing</source>
        <translation>%1 é um link quebrado</translation>
    </message>
    <message>
        <source>the damaged file %1 could not be moved aside</source>
        <translation>não foi possível pôr de lado o arquivo danificado %1</translation>
    </message>
    <message>
        <source>The history file was damaged and was kept as %1.</source>
        <translation>O arquivo de histórico estava danificado e foi guardado como %1.</translation>
    </message>
    <message>
        <source>%1 could not be removed</source>
        <translation>não foi possível remover %1</translation>
    </message>
    <message numerus="yes">
        <source>The history is unavailable: %1. %n finished game(s) wait %3, to be written when it can be.</source>
        <translation>
            <numerusform>O histórico não está disponível: %1. %n partida concluída aguarda %3; será gravada quando for possível.</numerusform>
            <numerusform>O histórico não está disponível: %1. %n partidas concluídas aguardam %3; serão gravadas quando for possível.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuActions</name>
    <message>
        <source>Resume</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mudo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Brick Symbols</source>
        <translation>Símbolos nos tijolos</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Aumentar zoom</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Diminuir zoom</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamanho real</translation>
    </message>
    <message>
        <source>Keep Theme for New Games</source>
        <translation>Manter o tema nos novos jogos</translation>
    </message>
    <message>
        <source>High Contrast Panel</source>
        <translation>Painel de alto contraste</translation>
    </message>
    <message>
        <source>Play Board Number…</source>
        <translation>Jogar tabuleiro número…</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Estatísticas…</translation>
    </message>
    <message>
        <source>Rules and other help</source>
        <translation>Regras e outras ajudas</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Efeitos sonoros</translation>
    </message>
    <message>
        <source>Pause When Inactive</source>
        <translation>Pausar quando inativo</translation>
    </message>
    <message>
        <source>Daily Board</source>
        <translation>Tabuleiro do dia</translation>
    </message>
    <message>
        <source>Show Best Group</source>
        <translation>Mostrar o melhor grupo</translation>
    </message>
</context>
<context>
    <name>QtFileDialog</name>
    <message>
        <source>Theme File (*.tlm)</source>
        <translation>Arquivo de tema (*.tlm)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
</context>
<context>
    <name>ReplayController</name>
    <message>
        <source>move %1 of %2</source>
        <translation>jogada %1 de %2</translation>
    </message>
    <message>
        <source>Replay, step by step: %1</source>
        <translation>Replay, passo a passo: %1</translation>
    </message>
    <message>
        <source>Replay at %1x: %2</source>
        <translation>Replay a %1×: %2</translation>
    </message>
    <message>
        <source>Best group now: %1 points</source>
        <translation>Melhor grupo agora: %1 pontos</translation>
    </message>
    <message>
        <source>Last move took %1 points; the best group then gave %2</source>
        <translation>A última jogada deu %1 pontos; o melhor grupo teria dado %2</translation>
    </message>
    <message>
        <source>The largest group at every move would have given %1 points, the groups taken gave %2. A simple look back, not a solver.</source>
        <translation>O maior grupo em cada jogada teria dado %1 pontos, os grupos removidos deram %2. Um simples olhar para trás, não um solucionador.</translation>
    </message>
    <message>
        <source>Keys: 1, 2, 4 speed; Space step; B best group; Esc leave</source>
        <translation>Teclas: 1, 2, 4 velocidade; Espaço passo; B melhor grupo; Esc sair</translation>
    </message>
</context>
<context>
    <name>ScoreChart</name>
    <message>
        <source>No games yet</source>
        <translation>Nenhuma partida ainda</translation>
    </message>
    <message>
        <source>Best of these: %1</source>
        <translation>Melhor entre elas: %1</translation>
    </message>
</context>
<context>
    <name>SidePanel</name>
    <message>
        <source>When this text turns green you have aquired the minimum Grouping score for your level. Each level has a minimum number of bricks that must be grouped together. The grouping number for your level is
%1</source>
        <translation>Quando este texto ficar verde, você terá atingido o grupo mínimo do seu nível. Cada nível exige um número mínimo de tijolos agrupados. O grupo mínimo do seu nível é
%1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Nível: %1</translation>
    </message>
    <message>
        <source>Bricks For Level
%1</source>
        <translation>Tijolos p/ o nível
%1</translation>
    </message>
    <message>
        <source>Bricks Selected
%1</source>
        <translation>Selecionados
%1</translation>
    </message>
    <message>
        <source>Fill Empty Space  (30 second Penalty)</source>
        <translation>Preencher vazios  (penalidade de 30 s)</translation>
    </message>
    <message>
        <source>Bricks Selected</source>
        <translation>Selecionados</translation>
    </message>
    <message>
        <source>Bricks For Level  50</source>
        <translation>Tijolos p/ o nível  50</translation>
    </message>
    <message>
        <source>Your Score</source>
        <translation>Pontuação</translation>
    </message>
</context>
<context>
    <name>Tolmora</name>
    <message>
        <source>Your preferences could not be saved to %1.</source>
        <translation>Não foi possível salvar suas preferências em %1.</translation>
    </message>
    <message>
        <source>Tolmora</source>
        <translation>Tolmora</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a board number. A board number is a whole number from 0 to %2.</source>
        <translation>“%1” não é um número de tabuleiro. O número do tabuleiro é um número inteiro de 0 a %2.</translation>
    </message>
    <message>
        <source>Your settings and high scores could not be saved to %1: %2.</source>
        <translation>Não foi possível salvar suas configurações e seus recordes em %1: %2.</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>Tem certeza de que deseja começar um novo jogo?</translation>
    </message>
    <message>
        <source>Please enter your name.</source>
        <translation>Digite seu nome.</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Novo recorde</translation>
    </message>
    <message>
        <source>Board number (0 to 4294967295):</source>
        <translation>Número do tabuleiro (de 0 a 4294967295):</translation>
    </message>
    <message>
        <source>Play Board Number</source>
        <translation>Jogar tabuleiro número</translation>
    </message>
    <message>
        <source>The game height must be a number</source>
        <translation>A altura do tabuleiro deve ser um número</translation>
    </message>
    <message>
        <source>The game height must be above 2</source>
        <translation>A altura do tabuleiro deve ser maior que 2</translation>
    </message>
    <message>
        <source>The game height must be at most 1000</source>
        <translation>A altura do tabuleiro deve ser no máximo 1000</translation>
    </message>
    <message>
        <source>The game width must be a number</source>
        <translation>A largura do tabuleiro deve ser um número</translation>
    </message>
    <message>
        <source>The game width must be above 2</source>
        <translation>A largura do tabuleiro deve ser maior que 2</translation>
    </message>
    <message>
        <source>The game width must be at most 1000</source>
        <translation>A largura do tabuleiro deve ser no máximo 1000</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Tolmora</source>
        <translation>Tolmora</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
</context>
<context>
    <name>frmNewGame</name>
    <message>
        <source>NewGame</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Game Width</source>
        <translation>Largura do tabuleiro</translation>
    </message>
    <message>
        <source>Game Height</source>
        <translation>Altura do tabuleiro</translation>
    </message>
    <message>
        <source>Game Time (in seconds)</source>
        <translation>Tempo (em segundos)</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar jogo</translation>
    </message>
    <message>
        <source>Reset Defaults</source>
        <translation>Restaurar padrões</translation>
    </message>
</context>
<context>
    <name>frmRules</name>
    <message>
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Partidas jogadas:</translation>
    </message>
    <message>
        <source>Time played:</source>
        <translation>Tempo jogado:</translation>
    </message>
    <message>
        <source>Best score:</source>
        <translation>Melhor pontuação:</translation>
    </message>
    <message>
        <source>Average score:</source>
        <translation>Pontuação média:</translation>
    </message>
    <message>
        <source>Best group:</source>
        <translation>Maior grupo:</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Melhor</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Board Number</source>
        <translation>Nº do tabuleiro</translation>
    </message>
    <message>
        <source>Scores of the last games:</source>
        <translation>Pontuações das últimas partidas:</translation>
    </message>
    <message>
        <source>Recent games:</source>
        <translation>Partidas recentes:</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Tabuleiro do dia</translation>
    </message>
    <message>
        <source>Today&apos;s best:</source>
        <translation>Melhor pontuação de hoje:</translation>
    </message>
    <message>
        <source>Days in a row:</source>
        <translation>Dias seguidos:</translation>
    </message>
    <message>
        <source>Best daily scores of the last 30 days:</source>
        <translation>Melhores pontuações dos últimos 30 dias:</translation>
    </message>
    <message>
        <source>&amp;Play This Board</source>
        <translation>&amp;Jogar este tabuleiro</translation>
    </message>
    <message>
        <source>&amp;Watch Replay</source>
        <translation>&amp;Ver replay</translation>
    </message>
    <message>
        <source>C&amp;opy Result</source>
        <translation>&amp;Copiar resultado</translation>
    </message>
    <message>
        <source>Tolmora daily %1: %2 points, level %3, best group %4</source>
        <translation>Tolmora, tabuleiro do dia %1: %2 pontos, nível %3, maior grupo %4</translation>
    </message>
</context>
</TS>
