<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>trivolo</name>
    <message>
        <source>Setting Not Saved</source>
        <translation>Inställningen sparades inte</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
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
        <translation>ingen vanlig fil</translation>
    </message>
</context>
<context>
    <name>trivolo::imgchange</name>
    <message>
        <source>Change Player1 Image (Trivolo )</source>
        <translation>Bild för spelare 1 (Trivolo)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Förhandsvy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Player1 Image Changed. It Will Be Activated From Next Game</source>
        <translation>Bilden för spelare 1 har bytts. Den används från och med nästa spel.</translation>
    </message>
    <message>
        <source>Change Player2 Image (Trivolo )</source>
        <translation>Bild för spelare 2 (Trivolo)</translation>
    </message>
    <message>
        <source>Player2 Image Changed. It Will Be Activated From Next Game</source>
        <translation>Bilden för spelare 2 har bytts. Den används från och med nästa spel.</translation>
    </message>
    <message>
        <source>Not a picture</source>
        <extracomment>Shown in the preview when the chosen file cannot be shown as a picture.</extracomment>
        <translation>Ingen bild</translation>
    </message>
    <message>
        <source>This picture&apos;s file name contains a line break, so it cannot be saved as your choice. Rename the file, then choose it.</source>
        <translation>Filnamnet för den här bilden innehåller en radbrytning, så den kan inte sparas som ditt val. Byt namn på filen och välj den sedan.</translation>
    </message>
    <message>
        <source>Picture Not Chosen</source>
        <translation>Bilden valdes inte</translation>
    </message>
    <message>
        <source>Image Change Confirmation</source>
        <translation>Bilden har bytts</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
</context>
<context>
    <name>trivolo::main</name>
    <message>
        <source>Trivolo By Quenrix</source>
        <translation>Trivolo av Quenrix</translation>
    </message>
    <message>
        <source>quenrix</source>
        <extracomment>The maker&apos;s name, in lower case; usually kept as it is.</extracomment>
        <translation>quenrix</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Spelläge</translation>
    </message>
    <message>
        <source>Vs</source>
        <extracomment>Short for versus, between the names of the two sides.</extracomment>
        <translation>vs</translation>
    </message>
    <message>
        <source>Game Sound </source>
        <extracomment>Caption before the sound indicator, which reads ON or OFF.</extracomment>
        <translation>Spelljud </translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>Caption of the strip beside it that shows whose turn it is and the result.</extracomment>
        <translation>Besked</translation>
    </message>
    <message>
        <source>Visit www.quenrix.example For New Version</source>
        <translation>Ny version på www.quenrix.example</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ljud</translation>
    </message>
    <message>
        <source>Image</source>
        <extracomment>Menu for choosing each player&apos;s mark picture.</extracomment>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Game menu: abandons the running game; it does not close the program.</extracomment>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Sound menu: switches the sounds on.</extracomment>
        <translation>På</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Sound menu: switches the sounds off.</extracomment>
        <translation>Av</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Spelare 1</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Spelare 2</translation>
    </message>
    <message>
        <source>Guide</source>
        <extracomment>Help menu: opens the game&apos;s guide.</extracomment>
        <translation>Handbok</translation>
    </message>
    <message>
        <source>Read Me</source>
        <translation>Läs mig</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>uppe till vänster</translation>
    </message>
    <message>
        <source>top centre</source>
        <translation>uppe i mitten</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>uppe till höger</translation>
    </message>
    <message>
        <source>centre left</source>
        <translation>i mitten till vänster</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>i mitten</translation>
    </message>
    <message>
        <source>centre right</source>
        <translation>i mitten till höger</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>nere till vänster</translation>
    </message>
    <message>
        <source>bottom centre</source>
        <translation>nere i mitten</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>nere till höger</translation>
    </message>
    <message>
        <source>Cell %1, %2: empty</source>
        <extracomment>A screen reader&apos;s name of an empty cell: %1 its number, %2 its place on the board.</extracomment>
        <translation>Ruta %1, %2: tom</translation>
    </message>
    <message>
        <source>Cell %1, %2: %3</source>
        <extracomment>A screen reader&apos;s name of a taken cell: %1 its number, %2 its place, %3 the side holding it.</extracomment>
        <translation>Ruta %1, %2: %3</translation>
    </message>
    <message>
        <source>First Quit This Game, Then Change Mode</source>
        <translation>Avbryt först det här spelet och byt sedan läge.</translation>
    </message>
    <message>
        <source>Cannot Change Game Mode Now.</source>
        <translation>Spelläget kan inte ändras nu</translation>
    </message>
    <message>
        <source>First Quit This Game, Then Start New Game.</source>
        <translation>Avbryt först det här spelet och starta sedan ett nytt.</translation>
    </message>
    <message>
        <source>Cannot start New Game Now.</source>
        <translation>Kan inte starta ett nytt spel nu</translation>
    </message>
    <message>
        <source>No Game To Quit. Start New Game First.</source>
        <translation>Det finns inget spel att avbryta. Starta ett nytt spel först.</translation>
    </message>
    <message>
        <source>Game Not Found</source>
        <translation>Inget spel pågår</translation>
    </message>
    <message>
        <source>Are You Sure To Quit This Game ?</source>
        <translation>Vill du verkligen avbryta det här spelet?</translation>
    </message>
    <message>
        <source>Quit Confirmation</source>
        <translation>Avbryt spelet</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The sound indicator in the side panel, after &quot;Game Sound&quot;: ON, or else OFF.</extracomment>
        <translation>PÅ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AV</translation>
    </message>
    <message>
        <source>%1 versus %2</source>
        <extracomment>A screen reader&apos;s words for the sides of a new game: %1 plays against %2.</extracomment>
        <translation>%1 mot %2</translation>
    </message>
    <message>
        <source>Sound Is Already On.</source>
        <translation>Ljudet är redan på.</translation>
    </message>
    <message>
        <source>Sound Information</source>
        <translation>Ljud</translation>
    </message>
    <message>
        <source>Sound Is Already OFF.</source>
        <translation>Ljudet är redan av.</translation>
    </message>
    <message>
        <source>Sound Is Now On.</source>
        <translation>Ljudet är nu på.</translation>
    </message>
    <message>
        <source>Sound Is Now OFF.</source>
        <translation>Ljudet är nu av.</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>side</comment>
        <translation>Spelare 1</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The side that plays against Player1 in the one-player mode.</extracomment>
        <translation>Datorn</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>side</comment>
        <translation>Spelare 2</translation>
    </message>
    <message>
        <source>Now Player1</source>
        <extracomment>Shown under the board in a two-player game: whose turn it is.</extracomment>
        <translation>Spelare 1:s tur</translation>
    </message>
    <message>
        <source>Now Player2</source>
        <translation>Spelare 2:s tur</translation>
    </message>
    <message>
        <source>Mark of %1</source>
        <extracomment>A screen reader&apos;s name of the picture of the mark of the side to move (%1).</extracomment>
        <translation>Symbol: %1</translation>
    </message>
    <message>
        <source>Now %1</source>
        <extracomment>A screen reader&apos;s name of the banner saying whose turn it is (%1: Player1, Player2 or Computer).</extracomment>
        <translation>Tur: %1</translation>
    </message>
    <message>
        <source>Player1 Won The Game</source>
        <translation>Spelare 1 vann spelet</translation>
    </message>
    <message>
        <source>Player2 Won The Game</source>
        <extracomment>Also when the computer, which plays as Player2, has won.</extracomment>
        <translation>Spelare 2 vann spelet</translation>
    </message>
    <message>
        <source>Match Drawn</source>
        <translation>Oavgjort</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <extracomment>A screen reader&apos;s name of the result picture; %1 is the closing message.</extracomment>
        <translation>Resultat: %1</translation>
    </message>
    <message>
        <source>Game Ends.</source>
        <extracomment>Title of the closing message of a game.</extracomment>
        <translation>Spelet är slut</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spelplan</translation>
    </message>
    <message>
        <source>The game has not started. Game, New Game (Ctrl+N) starts one.</source>
        <extracomment>What a screen reader says of the board before a game: the menu command that starts one.</extracomment>
        <translation>Spelet har inte börjat. Spel, Nytt spel (Ctrl+N) startar ett.</translation>
    </message>
</context>
<context>
    <name>trivolo::modefrm</name>
    <message>
        <source>Game Mode</source>
        <translation>Spelläge</translation>
    </message>
    <message>
        <source>Mode1</source>
        <extracomment>Option for the first game mode, Player1 against the Computer.</extracomment>
        <translation>Läge 1</translation>
    </message>
    <message>
        <source>Mode2</source>
        <extracomment>Option for the second game mode, Player1 against Player2.</extracomment>
        <translation>Läge 2</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spela</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Leaves the window without changing the mode.</extracomment>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Player1</source>
        <extracomment>Name of the first side in a large font, with room for about seven letters: a short form a game would use is fine.</extracomment>
        <translation>Sp. 1</translation>
    </message>
    <message>
        <source>Vs</source>
        <extracomment>Short for versus, between the names of the two sides.</extracomment>
        <translation>vs</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer as the opponent, in a large font with room for about ten letters.</extracomment>
        <translation>Datorn</translation>
    </message>
    <message>
        <source>Player2</source>
        <extracomment>Name of the second side in a large font, with room for about seven letters: a short form a game would use is fine.</extracomment>
        <translation>Sp. 2</translation>
    </message>
    <message>
        <source>player2</source>
        <extracomment>The second side&apos;s name in the two-player mode, written in lower case here.</extracomment>
        <translation>spelare 2</translation>
    </message>
    <message>
        <source>Trivolo</source>
        <extracomment>The game&apos;s name.</extracomment>
        <translation>Trivolo</translation>
    </message>
    <message>
        <source>Player1 versus Computer</source>
        <translation>Spelare 1 mot datorn</translation>
    </message>
    <message>
        <source>Player1 versus Player2</source>
        <translation>Spelare 1 mot Spelare 2</translation>
    </message>
</context>
<context>
    <name>trivolo::pictures</name>
    <message>
        <source>Player1</source>
        <extracomment>The banner over the side panel while Player1 is to move.</extracomment>
        <translation>Spelare 1</translation>
    </message>
    <message>
        <source>Player2</source>
        <extracomment>The banner over the side panel while Player2 (or the computer) is to move.</extracomment>
        <translation>Spelare 2</translation>
    </message>
    <message>
        <source>Player1 Wins!</source>
        <extracomment>The festive strip under the board when Player1 has won.</extracomment>
        <translation>Spelare 1 vinner!</translation>
    </message>
    <message>
        <source>Player2 Wins!</source>
        <extracomment>The festive strip under the board when Player2 (or the computer) has won.</extracomment>
        <translation>Spelare 2 vinner!</translation>
    </message>
    <message>
        <source>Match Drawn</source>
        <extracomment>The strip under the board when the board is full and nobody has won.</extracomment>
        <translation>Oavgjort</translation>
    </message>
    <message>
        <source>Game, New Game</source>
        <extracomment>The Game menu and its New Game command, as the menu bar names them.</extracomment>
        <translation>Spel, Nytt spel</translation>
    </message>
    <message>
        <source>for a new game</source>
        <translation>för ett nytt spel</translation>
    </message>
    <message>
        <source>Game, Game Mode</source>
        <extracomment>The Game menu and its Game Mode command, as the menu bar names them.</extracomment>
        <translation>Spel, Spelläge</translation>
    </message>
    <message>
        <source>to change the game mode</source>
        <translation>för att byta spelläge</translation>
    </message>
    <message>
        <source>Help, Guide</source>
        <extracomment>The Help menu and its Guide command, as the menu bar names them.</extracomment>
        <translation>Hjälp, Handbok</translation>
    </message>
    <message>
        <source>to master the game</source>
        <translation>för att bemästra spelet</translation>
    </message>
    <message>
        <source>How To Play</source>
        <extracomment>The title of the card beside the board before the first game.</extracomment>
        <translation>Så spelar du</translation>
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
        <translation>Kunde inte spara %1: %2</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>filen kunde inte läsas (%1)</translation>
    </message>
</context>
</TS>
