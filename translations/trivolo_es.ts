<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>trivolo</name>
    <message>
        <source>Setting Not Saved</source>
        <translation>Ajuste no guardado</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes a message.</extracomment>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>trivolo::files</name>
    <message>
        <source>not a regular file</source>
        <extracomment>Why a settings file could not be read: it is a folder, a device or the like.</extracomment>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>trivolo::imgchange</name>
    <message>
        <source>Change Player1 Image (Trivolo )</source>
        <translation>Imagen del jugador 1 (Trivolo)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Player1 Image Changed. It Will Be Activated From Next Game</source>
        <translation>Se ha cambiado la imagen del jugador 1. Se usará a partir de la próxima partida.</translation>
    </message>
    <message>
        <source>Change Player2 Image (Trivolo )</source>
        <translation>Imagen del jugador 2 (Trivolo)</translation>
    </message>
    <message>
        <source>Player2 Image Changed. It Will Be Activated From Next Game</source>
        <translation>Se ha cambiado la imagen del jugador 2. Se usará a partir de la próxima partida.</translation>
    </message>
    <message>
        <source>Not a picture</source>
        <extracomment>Shown in the preview when the chosen file cannot be shown as a picture.</extracomment>
        <translation>No es una imagen</translation>
    </message>
    <message>
        <source>This picture&apos;s file name contains a line break, so it cannot be saved as your choice. Rename the file, then choose it.</source>
        <translation>El nombre de archivo de esta imagen contiene un salto de línea, así que no se puede guardar como tu elección. Cambia el nombre del archivo y luego elígelo.</translation>
    </message>
    <message>
        <source>Picture Not Chosen</source>
        <translation>Imagen no elegida</translation>
    </message>
    <message>
        <source>Image Change Confirmation</source>
        <translation>Cambio de imagen</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
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
        <translation>Modo de juego</translation>
    </message>
    <message>
        <source>Vs</source>
        <extracomment>Short for versus, between the names of the two sides.</extracomment>
        <translation>vs</translation>
    </message>
    <message>
        <source>Game Sound </source>
        <extracomment>Caption before the sound indicator, which reads ON or OFF.</extracomment>
        <translation>Sonido </translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>Caption of the strip beside it that shows whose turn it is and the result.</extracomment>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Visit www.quenrix.example For New Version</source>
        <translation>Nueva versión en www.quenrix.example</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Image</source>
        <extracomment>Menu for choosing each player&apos;s mark picture.</extracomment>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Game menu: abandons the running game; it does not close the program.</extracomment>
        <translation>Abandonar</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Sound menu: switches the sounds on.</extracomment>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Sound menu: switches the sounds off.</extracomment>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Jugador 1</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>Guide</source>
        <extracomment>Help menu: opens the game&apos;s guide.</extracomment>
        <translation>Guía</translation>
    </message>
    <message>
        <source>Read Me</source>
        <translation>Léame</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>arriba a la izquierda</translation>
    </message>
    <message>
        <source>top centre</source>
        <translation>arriba en el centro</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>arriba a la derecha</translation>
    </message>
    <message>
        <source>centre left</source>
        <translation>en el centro a la izquierda</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>en el centro</translation>
    </message>
    <message>
        <source>centre right</source>
        <translation>en el centro a la derecha</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>abajo a la izquierda</translation>
    </message>
    <message>
        <source>bottom centre</source>
        <translation>abajo en el centro</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>abajo a la derecha</translation>
    </message>
    <message>
        <source>Cell %1, %2: empty</source>
        <extracomment>A screen reader&apos;s name of an empty cell: %1 its number, %2 its place on the board.</extracomment>
        <translation>Casilla %1, %2: vacía</translation>
    </message>
    <message>
        <source>Cell %1, %2: %3</source>
        <extracomment>A screen reader&apos;s name of a taken cell: %1 its number, %2 its place, %3 the side holding it.</extracomment>
        <translation>Casilla %1, %2: %3</translation>
    </message>
    <message>
        <source>First Quit This Game, Then Change Mode</source>
        <translation>Primero abandona esta partida y luego cambia el modo.</translation>
    </message>
    <message>
        <source>Cannot Change Game Mode Now.</source>
        <translation>No se puede cambiar el modo ahora</translation>
    </message>
    <message>
        <source>First Quit This Game, Then Start New Game.</source>
        <translation>Primero abandona esta partida y luego empieza una nueva.</translation>
    </message>
    <message>
        <source>Cannot start New Game Now.</source>
        <translation>No se puede empezar una nueva partida ahora</translation>
    </message>
    <message>
        <source>No Game To Quit. Start New Game First.</source>
        <translation>No hay ninguna partida que abandonar. Empieza primero una nueva.</translation>
    </message>
    <message>
        <source>Game Not Found</source>
        <translation>No hay partida</translation>
    </message>
    <message>
        <source>Are You Sure To Quit This Game ?</source>
        <translation>¿Seguro que quieres abandonar esta partida?</translation>
    </message>
    <message>
        <source>Quit Confirmation</source>
        <translation>Abandonar la partida</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The sound indicator in the side panel, after &quot;Game Sound&quot;: ON, or else OFF.</extracomment>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>%1 versus %2</source>
        <extracomment>A screen reader&apos;s words for the sides of a new game: %1 plays against %2.</extracomment>
        <translation>%1 contra %2</translation>
    </message>
    <message>
        <source>Sound Is Already On.</source>
        <translation>El sonido ya está activado.</translation>
    </message>
    <message>
        <source>Sound Information</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Sound Is Already OFF.</source>
        <translation>El sonido ya está desactivado.</translation>
    </message>
    <message>
        <source>Sound Is Now On.</source>
        <translation>Ahora el sonido está activado.</translation>
    </message>
    <message>
        <source>Sound Is Now OFF.</source>
        <translation>Ahora el sonido está desactivado.</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>side</comment>
        <translation>Jugador 1</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The side that plays against Player1 in the one-player mode.</extracomment>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>side</comment>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>Now Player1</source>
        <extracomment>Shown under the board in a two-player game: whose turn it is.</extracomment>
        <translation>Turno del jugador 1</translation>
    </message>
    <message>
        <source>Now Player2</source>
        <translation>Turno del jugador 2</translation>
    </message>
    <message>
        <source>Mark of %1</source>
        <extracomment>A screen reader&apos;s name of the picture of the mark of the side to move (%1).</extracomment>
        <translation>Ficha: %1</translation>
    </message>
    <message>
        <source>Now %1</source>
        <extracomment>A screen reader&apos;s name of the banner saying whose turn it is (%1: Player1, Player2 or Computer).</extracomment>
        <translation>Turno: %1</translation>
    </message>
    <message>
        <source>Player1 Won The Game</source>
        <translation>El jugador 1 ha ganado la partida</translation>
    </message>
    <message>
        <source>Player2 Won The Game</source>
        <extracomment>Also when the computer, which plays as Player2, has won.</extracomment>
        <translation>El jugador 2 ha ganado la partida</translation>
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
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>The game has not started. Game, New Game (Ctrl+N) starts one.</source>
        <extracomment>What a screen reader says of the board before a game: the menu command that starts one.</extracomment>
        <translation>La partida no ha empezado. Partida, Nueva partida (Ctrl+N) empieza una.</translation>
    </message>
</context>
<context>
    <name>trivolo::modefrm</name>
    <message>
        <source>Game Mode</source>
        <translation>Modo de juego</translation>
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
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Leaves the window without changing the mode.</extracomment>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Player1</source>
        <extracomment>Name of the first side in a large font, with room for about seven letters: a short form a game would use is fine.</extracomment>
        <translation>J1</translation>
    </message>
    <message>
        <source>Vs</source>
        <extracomment>Short for versus, between the names of the two sides.</extracomment>
        <translation>vs</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer as the opponent, in a large font with room for about ten letters.</extracomment>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>Player2</source>
        <extracomment>Name of the second side in a large font, with room for about seven letters: a short form a game would use is fine.</extracomment>
        <translation>J2</translation>
    </message>
    <message>
        <source>player2</source>
        <extracomment>The second side&apos;s name in the two-player mode, written in lower case here.</extracomment>
        <translation>jugador 2</translation>
    </message>
    <message>
        <source>Trivolo</source>
        <extracomment>The game&apos;s name.</extracomment>
        <translation>Trivolo</translation>
    </message>
    <message>
        <source>Player1 versus Computer</source>
        <translation>Jugador 1 contra la máquina</translation>
    </message>
    <message>
        <source>Player1 versus Player2</source>
        <translation>Jugador 1 contra Jugador 2</translation>
    </message>
</context>
<context>
    <name>trivolo::pictures</name>
    <message>
        <source>Player1</source>
        <extracomment>The banner over the side panel while Player1 is to move.</extracomment>
        <translation>Jugador 1</translation>
    </message>
    <message>
        <source>Player2</source>
        <extracomment>The banner over the side panel while Player2 (or the computer) is to move.</extracomment>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>Player1 Wins!</source>
        <extracomment>The festive strip under the board when Player1 has won.</extracomment>
        <translation>¡Gana el Jugador 1!</translation>
    </message>
    <message>
        <source>Player2 Wins!</source>
        <extracomment>The festive strip under the board when Player2 (or the computer) has won.</extracomment>
        <translation>¡Gana el Jugador 2!</translation>
    </message>
    <message>
        <source>Match Drawn</source>
        <extracomment>The strip under the board when the board is full and nobody has won.</extracomment>
        <translation>Empate</translation>
    </message>
    <message>
        <source>Game, New Game</source>
        <extracomment>The Game menu and its New Game command, as the menu bar names them.</extracomment>
        <translation>Partida, Nueva partida</translation>
    </message>
    <message>
        <source>for a new game</source>
        <translation>para una nueva partida</translation>
    </message>
    <message>
        <source>Game, Game Mode</source>
        <extracomment>The Game menu and its Game Mode command, as the menu bar names them.</extracomment>
        <translation>Partida, Modo de juego</translation>
    </message>
    <message>
        <source>to change the game mode</source>
        <translation>para cambiar el modo de juego</translation>
    </message>
    <message>
        <source>Help, Guide</source>
        <extracomment>The Help menu and its Guide command, as the menu bar names them.</extracomment>
        <translation>Ayuda, Guía</translation>
    </message>
    <message>
        <source>to master the game</source>
        <translation>para dominar el juego</translation>
    </message>
    <message>
        <source>How To Play</source>
        <extracomment>The title of the card beside the board before the first game.</extracomment>
        <translation>Cómo jugar</translation>
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
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>no se pudo leer (%1)</translation>
    </message>
</context>
</TS>
