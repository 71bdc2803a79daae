<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>trivolo</name>
    <message>
        <source>Setting Not Saved</source>
        <translation>Configuração não salva</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes a message.</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>trivolo::files</name>
    <message>
        <source>not a regular file</source>
        <extracomment>Why a settings file could not be read: it is a folder, a device or the like.</extracomment>
        <translation>não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>trivolo::imgchange</name>
    <message>
        <source>Change Player1 Image (Trivolo )</source>
        <translation>Imagem do jogador 1 (Trivolo)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Player1 Image Changed. It Will Be Activated From Next Game</source>
        <translation>A imagem do jogador 1 foi alterada. Ela será usada a partir do próximo jogo.</translation>
    </message>
    <message>
        <source>Change Player2 Image (Trivolo )</source>
        <translation>Imagem do jogador 2 (Trivolo)</translation>
    </message>
    <message>
        <source>Player2 Image Changed. It Will Be Activated From Next Game</source>
        <translation>A imagem do jogador 2 foi alterada. Ela será usada a partir do próximo jogo.</translation>
    </message>
    <message>
        <source>Not a picture</source>
        <extracomment>Shown in the preview when the chosen file cannot be shown as a picture.</extracomment>
        <translation>Não é uma imagem</translation>
    </message>
    <message>
        <source>This picture&apos;s file name contains a line break, so it cannot be saved as your choice. Rename the file, then choose it.</source>
        <translation>O nome do arquivo desta imagem contém uma quebra de linha, por isso ela não pode ser salva como sua escolha. Renomeie o arquivo e depois escolha-o.</translation>
    </message>
    <message>
        <source>Picture Not Chosen</source>
        <translation>Imagem não escolhida</translation>
    </message>
    <message>
        <source>Image Change Confirmation</source>
        <translation>Imagem alterada</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imagens</translation>
    </message>
</context>
<context>
    <name>trivolo::main</name>
    <message>
        <source>Trivolo By Quenrix</source>
        <translation>Trivolo por Quenrix</translation>
    </message>
    <message>
        <source>quenrix</source>
        <extracomment>The maker&apos;s name, in lower case; usually kept as it is.</extracomment>
        <translation>quenrix</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Modo de jogo</translation>
    </message>
    <message>
        <source>Vs</source>
        <extracomment>Short for versus, between the names of the two sides.</extracomment>
        <translation>x</translation>
    </message>
    <message>
        <source>Game Sound </source>
        <extracomment>Caption before the sound indicator, which reads ON or OFF.</extracomment>
        <translation>Som do jogo </translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>Caption of the strip beside it that shows whose turn it is and the result.</extracomment>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Visit www.quenrix.example For New Version</source>
        <translation>Nova versão em www.quenrix.example</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Image</source>
        <extracomment>Menu for choosing each player&apos;s mark picture.</extracomment>
        <translation>Imagem</translation>
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
        <source>Quit</source>
        <extracomment>Game menu: abandons the running game; it does not close the program.</extracomment>
        <translation>Abandonar</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Sound menu: switches the sounds on.</extracomment>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Sound menu: switches the sounds off.</extracomment>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Jogador 1</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Jogador 2</translation>
    </message>
    <message>
        <source>Guide</source>
        <extracomment>Help menu: opens the game&apos;s guide.</extracomment>
        <translation>Guia</translation>
    </message>
    <message>
        <source>Read Me</source>
        <translation>Leia-me</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>em cima à esquerda</translation>
    </message>
    <message>
        <source>top centre</source>
        <translation>em cima no centro</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>em cima à direita</translation>
    </message>
    <message>
        <source>centre left</source>
        <translation>no meio à esquerda</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>no centro</translation>
    </message>
    <message>
        <source>centre right</source>
        <translation>no meio à direita</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>embaixo à esquerda</translation>
    </message>
    <message>
        <source>bottom centre</source>
        <translation>embaixo no centro</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>embaixo à direita</translation>
    </message>
    <message>
        <source>Cell %1, %2: empty</source>
        <extracomment>A screen reader&apos;s name of an empty cell: %1 its number, %2 its place on the board.</extracomment>
        <translation>Casa %1, %2: vazia</translation>
    </message>
    <message>
        <source>Cell %1, %2: %3</source>
        <extracomment>A screen reader&apos;s name of a taken cell: %1 its number, %2 its place, %3 the side holding it.</extracomment>
        <translation>Casa %1, %2: %3</translation>
    </message>
    <message>
        <source>First Quit This Game, Then Change Mode</source>
        <translation>Primeiro abandone este jogo, depois mude o modo.</translation>
    </message>
    <message>
        <source>Cannot Change Game Mode Now.</source>
        <translation>Não é possível mudar o modo agora</translation>
    </message>
    <message>
        <source>First Quit This Game, Then Start New Game.</source>
        <translation>Primeiro abandone este jogo, depois comece um novo.</translation>
    </message>
    <message>
        <source>Cannot start New Game Now.</source>
        <translation>Não é possível começar um novo jogo agora</translation>
    </message>
    <message>
        <source>No Game To Quit. Start New Game First.</source>
        <translation>Não há jogo para abandonar. Comece um novo jogo primeiro.</translation>
    </message>
    <message>
        <source>Game Not Found</source>
        <translation>Nenhum jogo em andamento</translation>
    </message>
    <message>
        <source>Are You Sure To Quit This Game ?</source>
        <translation>Tem certeza de que quer abandonar este jogo?</translation>
    </message>
    <message>
        <source>Quit Confirmation</source>
        <translation>Abandonar o jogo</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The sound indicator in the side panel, after &quot;Game Sound&quot;: ON, or else OFF.</extracomment>
        <translation>LIG</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>DESL</translation>
    </message>
    <message>
        <source>%1 versus %2</source>
        <extracomment>A screen reader&apos;s words for the sides of a new game: %1 plays against %2.</extracomment>
        <translation>%1 contra %2</translation>
    </message>
    <message>
        <source>Sound Is Already On.</source>
        <translation>O som já está ligado.</translation>
    </message>
    <message>
        <source>Sound Information</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Sound Is Already OFF.</source>
        <translation>O som já está desligado.</translation>
    </message>
    <message>
        <source>Sound Is Now On.</source>
        <translation>Agora o som está ligado.</translation>
    </message>
    <message>
        <source>Sound Is Now OFF.</source>
        <translation>Agora o som está desligado.</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>side</comment>
        <translation>Jogador 1</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The side that plays against Player1 in the one-player mode.</extracomment>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>side</comment>
        <translation>Jogador 2</translation>
    </message>
    <message>
        <source>Now Player1</source>
        <extracomment>Shown under the board in a two-player game: whose turn it is.</extracomment>
        <translation>Vez do jogador 1</translation>
    </message>
    <message>
        <source>Now Player2</source>
        <translation>Vez do jogador 2</translation>
    </message>
    <message>
        <source>Mark of %1</source>
        <extracomment>A screen reader&apos;s name of the picture of the mark of the side to move (%1).</extracomment>
        <translation>Marca: %1</translation>
    </message>
    <message>
        <source>Now %1</source>
        <extracomment>A screen reader&apos;s name of the banner saying whose turn it is (%1: Player1, Player2 or Computer).</extracomment>
        <translation>Vez de: %1</translation>
    </message>
    <message>
        <source>Player1 Won The Game</source>
        <translation>O jogador 1 venceu o jogo</translation>
    </message>
    <message>
        <source>Player2 Won The Game</source>
        <extracomment>Also when the computer, which plays as Player2, has won.</extracomment>
        <translation>O jogador 2 venceu o jogo</translation>
    </message>
    <message>
        <source>Match Drawn</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <extracomment>A screen reader&apos;s name of the result picture; %1 is the closing message.</extracomment>
        <translation>Resultado: %1</translation>
    </message>
    <message>
        <source>Game Ends.</source>
        <extracomment>Title of the closing message of a game.</extracomment>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>The game has not started. Game, New Game (Ctrl+N) starts one.</source>
        <extracomment>What a screen reader says of the board before a game: the menu command that starts one.</extracomment>
        <translation>O jogo não começou. Jogo, Novo jogo (Ctrl+N) começa um.</translation>
    </message>
</context>
<context>
    <name>trivolo::modefrm</name>
    <message>
        <source>Game Mode</source>
        <translation>Modo de jogo</translation>
    </message>
    <message>
        <source>Mode1</source>
        <extracomment>Option for the first game mode, Player1 against the Computer.</extracomment>
        <translation>Modo 1</translation>
    </message>
    <message>
        <source>Mode2</source>
        <extracomment>Option for the second game mode, Player1 against Player2.</extracomment>
        <translation>Modo 2</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Leaves the window without changing the mode.</extracomment>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Player1</source>
        <extracomment>Name of the first side in a large font, with room for about seven letters: a short form a game would use is fine.</extracomment>
        <translation>J1</translation>
    </message>
    <message>
        <source>Vs</source>
        <extracomment>Short for versus, between the names of the two sides.</extracomment>
        <translation>x</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer as the opponent, in a large font with room for about ten letters.</extracomment>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Player2</source>
        <extracomment>Name of the second side in a large font, with room for about seven letters: a short form a game would use is fine.</extracomment>
        <translation>J2</translation>
    </message>
    <message>
        <source>player2</source>
        <extracomment>The second side&apos;s name in the two-player mode, written in lower case here.</extracomment>
        <translation>jogador 2</translation>
    </message>
    <message>
        <source>Trivolo</source>
        <extracomment>The game&apos;s name.</extracomment>
        <translation>Trivolo</translation>
    </message>
    <message>
        <source>Player1 versus Computer</source>
        <translation>Jogador 1 contra o computador</translation>
    </message>
    <message>
        <source>Player1 versus Player2</source>
        <translation>Jogador 1 contra Jogador 2</translation>
    </message>
</context>
<context>
    <name>trivolo::pictures</name>
    <message>
        <source>Player1</source>
        <extracomment>The banner over the side panel while Player1 is to move.</extracomment>
        <translation>Jogador 1</translation>
    </message>
    <message>
        <source>Player2</source>
        <extracomment>The banner over the side panel while Player2 (or the computer) is to move.</extracomment>
        <translation>Jogador 2</translation>
    </message>
    <message>
        <source>Player1 Wins!</source>
        <extracomment>The festive strip under the board when Player1 has won.</extracomment>
        <translation>Jogador 1 venceu!</translation>
    </message>
    <message>
        <source>Player2 Wins!</source>
        <extracomment>The festive strip under the board when Player2 (or the computer) has won.</extracomment>
        <translation>Jogador 2 venceu!</translation>
    </message>
    <message>
        <source>Match Drawn</source>
        <extracomment>The strip under the board when the board is full and nobody has won.</extracomment>
        <translation>Empate</translation>
    </message>
    <message>
        <source>Game, New Game</source>
        <extracomment>The Game menu and its New Game command, as the menu bar names them.</extracomment>
        <translation>Jogo, Novo jogo</translation>
    </message>
    <message>
        <source>for a new game</source>
        <translation>para um novo jogo</translation>
    </message>
    <message>
        <source>Game, Game Mode</source>
        <extracomment>The Game menu and its Game Mode command, as the menu bar names them.</extracomment>
        <translation>Jogo, Modo de jogo</translation>
    </message>
    <message>
        <source>to change the game mode</source>
        <translation>para mudar o modo de jogo</translation>
    </message>
    <message>
        <source>Help, Guide</source>
        <extracomment>The Help menu and its Guide command, as the menu bar names them.</extracomment>
        <translation>Ajuda, Guia</translation>
    </message>
    <message>
        <source>to master the game</source>
        <translation>para dominar o jogo</translation>
    </message>
    <message>
        <source>How To Play</source>
        <extracomment>The title of the card beside the board before the first game.</extracomment>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>One step of the how-to-play card, read out: %1 is a menu and its command, %2 what it is for.</extracomment>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>trivolo::settings</name>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>Shown to the player: %1 is the settings file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Não foi possível salvar %1: %2</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>não foi possível lê-lo (%1)</translation>
    </message>
</context>
</TS>
