<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>trivolo</name>
    <message>
        <source>Setting Not Saved</source>
        <translation>Impostazione non salvata</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
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
        <translation>non è un file normale</translation>
    </message>
</context>
<context>
    <name>trivolo::imgchange</name>
    <message>
        <source>Change Player1 Image (Trivolo )</source>
        <translation>Immagine giocatore 1 (Trivolo)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Player1 Image Changed. It Will Be Activated From Next Game</source>
        <translation>L&apos;immagine del giocatore 1 è stata cambiata. Sarà usata dalla prossima partita.</translation>
    </message>
    <message>
        <source>Change Player2 Image (Trivolo )</source>
        <translation>Immagine giocatore 2 (Trivolo)</translation>
    </message>
    <message>
        <source>Player2 Image Changed. It Will Be Activated From Next Game</source>
        <translation>L&apos;immagine del giocatore 2 è stata cambiata. Sarà usata dalla prossima partita.</translation>
    </message>
    <message>
        <source>Not a picture</source>
        <extracomment>Shown in the preview when the chosen file cannot be shown as a picture.</extracomment>
        <translation>Non è un&apos;immagine</translation>
    </message>
    <message>
        <source>This picture&apos;s file name contains a line break, so it cannot be saved as your choice. Rename the file, then choose it.</source>
        <translation>Il nome del file di questa immagine contiene un a capo, quindi non può essere salvata come tua scelta. Rinomina il file, poi sceglilo.</translation>
    </message>
    <message>
        <source>Picture Not Chosen</source>
        <translation>Immagine non scelta</translation>
    </message>
    <message>
        <source>Image Change Confirmation</source>
        <translation>Cambio di immagine</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Immagini</translation>
    </message>
</context>
<context>
    <name>trivolo::main</name>
    <message>
        <source>Trivolo By Quenrix</source>
        <translation>Trivolo di Quenrix</translation>
    </message>
    <message>
        <source>quenrix</source>
        <extracomment>The maker&apos;s name, in lower case; usually kept as it is.</extracomment>
        <translation>quenrix</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Vs</source>
        <extracomment>Short for versus, between the names of the two sides.</extracomment>
        <translation>vs</translation>
    </message>
    <message>
        <source>Game Sound </source>
        <extracomment>Caption before the sound indicator, which reads ON or OFF.</extracomment>
        <translation>Audio </translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>Caption of the strip beside it that shows whose turn it is and the result.</extracomment>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Visit www.quenrix.example For New Version</source>
        <translation>Nuova versione su www.quenrix.example</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Image</source>
        <extracomment>Menu for choosing each player&apos;s mark picture.</extracomment>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Game menu: abandons the running game; it does not close the program.</extracomment>
        <translation>Abbandona</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Sound menu: switches the sounds on.</extracomment>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Sound menu: switches the sounds off.</extracomment>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Giocatore 1</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Giocatore 2</translation>
    </message>
    <message>
        <source>Guide</source>
        <extracomment>Help menu: opens the game&apos;s guide.</extracomment>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Read Me</source>
        <translation>Leggimi</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>in alto a sinistra</translation>
    </message>
    <message>
        <source>top centre</source>
        <translation>in alto al centro</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>in alto a destra</translation>
    </message>
    <message>
        <source>centre left</source>
        <translation>al centro a sinistra</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>al centro</translation>
    </message>
    <message>
        <source>centre right</source>
        <translation>al centro a destra</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>in basso a sinistra</translation>
    </message>
    <message>
        <source>bottom centre</source>
        <translation>in basso al centro</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>in basso a destra</translation>
    </message>
    <message>
        <source>Cell %1, %2: empty</source>
        <extracomment>A screen reader&apos;s name of an empty cell: %1 its number, %2 its place on the board.</extracomment>
        <translation>Casella %1, %2: vuota</translation>
    </message>
    <message>
        <source>Cell %1, %2: %3</source>
        <extracomment>A screen reader&apos;s name of a taken cell: %1 its number, %2 its place, %3 the side holding it.</extracomment>
        <translation>Casella %1, %2: %3</translation>
    </message>
    <message>
        <source>First Quit This Game, Then Change Mode</source>
        <translation>Prima abbandona questa partita, poi cambia modalità.</translation>
    </message>
    <message>
        <source>Cannot Change Game Mode Now.</source>
        <translation>Impossibile cambiare modalità ora</translation>
    </message>
    <message>
        <source>First Quit This Game, Then Start New Game.</source>
        <translation>Prima abbandona questa partita, poi iniziane una nuova.</translation>
    </message>
    <message>
        <source>Cannot start New Game Now.</source>
        <translation>Impossibile iniziare una nuova partita ora</translation>
    </message>
    <message>
        <source>No Game To Quit. Start New Game First.</source>
        <translation>Nessuna partita da abbandonare. Prima iniziane una nuova.</translation>
    </message>
    <message>
        <source>Game Not Found</source>
        <translation>Nessuna partita</translation>
    </message>
    <message>
        <source>Are You Sure To Quit This Game ?</source>
        <translation>Vuoi davvero abbandonare questa partita?</translation>
    </message>
    <message>
        <source>Quit Confirmation</source>
        <translation>Abbandona la partita</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The sound indicator in the side panel, after &quot;Game Sound&quot;: ON, or else OFF.</extracomment>
        <translation>SÌ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>%1 versus %2</source>
        <extracomment>A screen reader&apos;s words for the sides of a new game: %1 plays against %2.</extracomment>
        <translation>%1 contro %2</translation>
    </message>
    <message>
        <source>Sound Is Already On.</source>
        <translation>L&apos;audio è già attivo.</translation>
    </message>
    <message>
        <source>Sound Information</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Sound Is Already OFF.</source>
        <translation>L&apos;audio è già disattivato.</translation>
    </message>
    <message>
        <source>Sound Is Now On.</source>
        <translation>Ora l&apos;audio è attivo.</translation>
    </message>
    <message>
        <source>Sound Is Now OFF.</source>
        <translation>Ora l&apos;audio è disattivato.</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>side</comment>
        <translation>Gioc. 1</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The side that plays against Player1 in the one-player mode.</extracomment>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>side</comment>
        <translation>Gioc. 2</translation>
    </message>
    <message>
        <source>Now Player1</source>
        <extracomment>Shown under the board in a two-player game: whose turn it is.</extracomment>
        <translation>Tocca al giocatore 1</translation>
    </message>
    <message>
        <source>Now Player2</source>
        <translation>Tocca al giocatore 2</translation>
    </message>
    <message>
        <source>Mark of %1</source>
        <extracomment>A screen reader&apos;s name of the picture of the mark of the side to move (%1).</extracomment>
        <translation>Simbolo: %1</translation>
    </message>
    <message>
        <source>Now %1</source>
        <extracomment>A screen reader&apos;s name of the banner saying whose turn it is (%1: Player1, Player2 or Computer).</extracomment>
        <translation>Tocca a: %1</translation>
    </message>
    <message>
        <source>Player1 Won The Game</source>
        <translation>Il giocatore 1 ha vinto la partita</translation>
    </message>
    <message>
        <source>Player2 Won The Game</source>
        <extracomment>Also when the computer, which plays as Player2, has won.</extracomment>
        <translation>Il giocatore 2 ha vinto la partita</translation>
    </message>
    <message>
        <source>Match Drawn</source>
        <translation>Pareggio</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <extracomment>A screen reader&apos;s name of the result picture; %1 is the closing message.</extracomment>
        <translation>Risultato: %1</translation>
    </message>
    <message>
        <source>Game Ends.</source>
        <extracomment>Title of the closing message of a game.</extracomment>
        <translation>Fine della partita</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>The game has not started. Game, New Game (Ctrl+N) starts one.</source>
        <extracomment>What a screen reader says of the board before a game: the menu command that starts one.</extracomment>
        <translation>La partita non è iniziata. Partita, Nuova partita (Ctrl+N) ne avvia una.</translation>
    </message>
</context>
<context>
    <name>trivolo::modefrm</name>
    <message>
        <source>Game Mode</source>
        <translation>Modalità</translation>
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
        <translation>Gioca</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Leaves the window without changing the mode.</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Player1</source>
        <extracomment>Name of the first side in a large font, with room for about seven letters: a short form a game would use is fine.</extracomment>
        <translation>Gioc. 1</translation>
    </message>
    <message>
        <source>Vs</source>
        <extracomment>Short for versus, between the names of the two sides.</extracomment>
        <translation>vs</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer as the opponent, in a large font with room for about ten letters.</extracomment>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Player2</source>
        <extracomment>Name of the second side in a large font, with room for about seven letters: a short form a game would use is fine.</extracomment>
        <translation>Gioc. 2</translation>
    </message>
    <message>
        <source>player2</source>
        <extracomment>The second side&apos;s name in the two-player mode, written in lower case here.</extracomment>
        <translation>gioc. 2</translation>
    </message>
    <message>
        <source>Trivolo</source>
        <extracomment>The game&apos;s name.</extracomment>
        <translation>Trivolo</translation>
    </message>
    <message>
        <source>Player1 versus Computer</source>
        <translation>Giocatore 1 contro il computer</translation>
    </message>
    <message>
        <source>Player1 versus Player2</source>
        <translation>Giocatore 1 contro Giocatore 2</translation>
    </message>
</context>
<context>
    <name>trivolo::pictures</name>
    <message>
        <source>Player1</source>
        <extracomment>The banner over the side panel while Player1 is to move.</extracomment>
        <translation>Giocatore 1</translation>
    </message>
    <message>
        <source>Player2</source>
        <extracomment>The banner over the side panel while Player2 (or the computer) is to move.</extracomment>
        <translation>Giocatore 2</translation>
    </message>
    <message>
        <source>Player1 Wins!</source>
        <extracomment>The festive strip under the board when Player1 has won.</extracomment>
        <translation>Vince il Giocatore 1!</translation>
    </message>
    <message>
        <source>Player2 Wins!</source>
        <extracomment>The festive strip under the board when Player2 (or the computer) has won.</extracomment>
        <translation>Vince il Giocatore 2!</translation>
    </message>
    <message>
        <source>Match Drawn</source>
        <extracomment>The strip under the board when the board is full and nobody has won.</extracomment>
        <translation>Pareggio</translation>
    </message>
    <message>
        <source>Game, New Game</source>
        <extracomment>The Game menu and its New Game command, as the menu bar names them.</extracomment>
        <translation>Partita, Nuova partita</translation>
    </message>
    <message>
        <source>for a new game</source>
        <translation>per una nuova partita</translation>
    </message>
    <message>
        <source>Game, Game Mode</source>
        <extracomment>The Game menu and its Game Mode command, as the menu bar names them.</extracomment>
        <translation>Partita, Modalità</translation>
    </message>
    <message>
        <source>to change the game mode</source>
        <translation>per cambiare modalità</translation>
    </message>
    <message>
        <source>Help, Guide</source>
        <extracomment>The Help menu and its Guide command, as the menu bar names them.</extracomment>
        <translation>Aiuto, Guida</translation>
    </message>
    <message>
        <source>to master the game</source>
        <translation>per diventare esperti</translation>
    </message>
    <message>
        <source>How To Play</source>
        <extracomment>The title of the card beside the board before the first game.</extracomment>
        <translation>Come si gioca</translation>
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
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>non è stato possibile leggerlo (%1)</translation>
    </message>
</context>
</TS>
