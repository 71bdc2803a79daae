<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>trivolo</name>
    <message>
        <source>Setting Not Saved</source>
        <translation>Nie zapisano ustawienia</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
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
        <translation>to nie jest zwykły plik</translation>
    </message>
</context>
<context>
    <name>trivolo::imgchange</name>
    <message>
        <source>Change Player1 Image (Trivolo )</source>
        <translation>Obraz gracza 1 (Trivolo)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Player1 Image Changed. It Will Be Activated From Next Game</source>
        <translation>Obraz gracza 1 został zmieniony. Będzie używany od następnej gry.</translation>
    </message>
    <message>
        <source>Change Player2 Image (Trivolo )</source>
        <translation>Obraz gracza 2 (Trivolo)</translation>
    </message>
    <message>
        <source>Player2 Image Changed. It Will Be Activated From Next Game</source>
        <translation>Obraz gracza 2 został zmieniony. Będzie używany od następnej gry.</translation>
    </message>
    <message>
        <source>Not a picture</source>
        <extracomment>Shown in the preview when the chosen file cannot be shown as a picture.</extracomment>
        <translation>To nie obraz</translation>
    </message>
    <message>
        <source>This picture&apos;s file name contains a line break, so it cannot be saved as your choice. Rename the file, then choose it.</source>
        <translation>Nazwa pliku tego obrazu zawiera znak końca wiersza, więc nie można zapisać go jako twojego wyboru. Zmień nazwę pliku, a potem go wybierz.</translation>
    </message>
    <message>
        <source>Picture Not Chosen</source>
        <translation>Nie wybrano obrazu</translation>
    </message>
    <message>
        <source>Image Change Confirmation</source>
        <translation>Zmiana obrazu</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Obrazy</translation>
    </message>
</context>
<context>
    <name>trivolo::main</name>
    <message>
        <source>Trivolo By Quenrix</source>
        <translation>Trivolo od Quenrix</translation>
    </message>
    <message>
        <source>quenrix</source>
        <extracomment>The maker&apos;s name, in lower case; usually kept as it is.</extracomment>
        <translation>quenrix</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Tryb gry</translation>
    </message>
    <message>
        <source>Vs</source>
        <extracomment>Short for versus, between the names of the two sides.</extracomment>
        <translation>vs</translation>
    </message>
    <message>
        <source>Game Sound </source>
        <extracomment>Caption before the sound indicator, which reads ON or OFF.</extracomment>
        <translation>Dźwięk gry </translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>Caption of the strip beside it that shows whose turn it is and the result.</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Visit www.quenrix.example For New Version</source>
        <translation>Nowa wersja na www.quenrix.example</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Image</source>
        <extracomment>Menu for choosing each player&apos;s mark picture.</extracomment>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Game menu: abandons the running game; it does not close the program.</extracomment>
        <translation>Przerwij</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Sound menu: switches the sounds on.</extracomment>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Sound menu: switches the sounds off.</extracomment>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Gracz 1</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Gracz 2</translation>
    </message>
    <message>
        <source>Guide</source>
        <extracomment>Help menu: opens the game&apos;s guide.</extracomment>
        <translation>Poradnik</translation>
    </message>
    <message>
        <source>Read Me</source>
        <translation>Czytaj</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>u góry po lewej</translation>
    </message>
    <message>
        <source>top centre</source>
        <translation>u góry pośrodku</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>u góry po prawej</translation>
    </message>
    <message>
        <source>centre left</source>
        <translation>pośrodku po lewej</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>pośrodku</translation>
    </message>
    <message>
        <source>centre right</source>
        <translation>pośrodku po prawej</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>na dole po lewej</translation>
    </message>
    <message>
        <source>bottom centre</source>
        <translation>na dole pośrodku</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>na dole po prawej</translation>
    </message>
    <message>
        <source>Cell %1, %2: empty</source>
        <extracomment>A screen reader&apos;s name of an empty cell: %1 its number, %2 its place on the board.</extracomment>
        <translation>Pole %1, %2: puste</translation>
    </message>
    <message>
        <source>Cell %1, %2: %3</source>
        <extracomment>A screen reader&apos;s name of a taken cell: %1 its number, %2 its place, %3 the side holding it.</extracomment>
        <translation>Pole %1, %2: %3</translation>
    </message>
    <message>
        <source>First Quit This Game, Then Change Mode</source>
        <translation>Najpierw przerwij tę grę, potem zmień tryb.</translation>
    </message>
    <message>
        <source>Cannot Change Game Mode Now.</source>
        <translation>Nie można teraz zmienić trybu</translation>
    </message>
    <message>
        <source>First Quit This Game, Then Start New Game.</source>
        <translation>Najpierw przerwij tę grę, potem zacznij nową.</translation>
    </message>
    <message>
        <source>Cannot start New Game Now.</source>
        <translation>Nie można teraz zacząć nowej gry</translation>
    </message>
    <message>
        <source>No Game To Quit. Start New Game First.</source>
        <translation>Nie ma gry do przerwania. Najpierw zacznij nową grę.</translation>
    </message>
    <message>
        <source>Game Not Found</source>
        <translation>Brak gry</translation>
    </message>
    <message>
        <source>Are You Sure To Quit This Game ?</source>
        <translation>Czy na pewno chcesz przerwać tę grę?</translation>
    </message>
    <message>
        <source>Quit Confirmation</source>
        <translation>Przerwanie gry</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The sound indicator in the side panel, after &quot;Game Sound&quot;: ON, or else OFF.</extracomment>
        <translation>WŁ.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>WYŁ.</translation>
    </message>
    <message>
        <source>%1 versus %2</source>
        <extracomment>A screen reader&apos;s words for the sides of a new game: %1 plays against %2.</extracomment>
        <translation>%1 przeciw %2</translation>
    </message>
    <message>
        <source>Sound Is Already On.</source>
        <translation>Dźwięk jest już włączony.</translation>
    </message>
    <message>
        <source>Sound Information</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Sound Is Already OFF.</source>
        <translation>Dźwięk jest już wyłączony.</translation>
    </message>
    <message>
        <source>Sound Is Now On.</source>
        <translation>Dźwięk jest teraz włączony.</translation>
    </message>
    <message>
        <source>Sound Is Now OFF.</source>
        <translation>Dźwięk jest teraz wyłączony.</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>side</comment>
        <translation>Gracz 1</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The side that plays against Player1 in the one-player mode.</extracomment>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>side</comment>
        <translation>Gracz 2</translation>
    </message>
    <message>
        <source>Now Player1</source>
        <extracomment>Shown under the board in a two-player game: whose turn it is.</extracomment>
        <translation>Ruch gracza 1</translation>
    </message>
    <message>
        <source>Now Player2</source>
        <translation>Ruch gracza 2</translation>
    </message>
    <message>
        <source>Mark of %1</source>
        <extracomment>A screen reader&apos;s name of the picture of the mark of the side to move (%1).</extracomment>
        <translation>Znak: %1</translation>
    </message>
    <message>
        <source>Now %1</source>
        <extracomment>A screen reader&apos;s name of the banner saying whose turn it is (%1: Player1, Player2 or Computer).</extracomment>
        <translation>Ruch: %1</translation>
    </message>
    <message>
        <source>Player1 Won The Game</source>
        <translation>Gracz 1 wygrał grę</translation>
    </message>
    <message>
        <source>Player2 Won The Game</source>
        <extracomment>Also when the computer, which plays as Player2, has won.</extracomment>
        <translation>Gracz 2 wygrał grę</translation>
    </message>
    <message>
        <source>Match Drawn</source>
        <translation>Remis</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <extracomment>A screen reader&apos;s name of the result picture; %1 is the closing message.</extracomment>
        <translation>Wynik: %1</translation>
    </message>
    <message>
        <source>Game Ends.</source>
        <extracomment>Title of the closing message of a game.</extracomment>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>The game has not started. Game, New Game (Ctrl+N) starts one.</source>
        <extracomment>What a screen reader says of the board before a game: the menu command that starts one.</extracomment>
        <translation>Gra się nie rozpoczęła. Gra, Nowa gra (Ctrl+N) rozpoczyna nową.</translation>
    </message>
</context>
<context>
    <name>trivolo::modefrm</name>
    <message>
        <source>Game Mode</source>
        <translation>Tryb gry</translation>
    </message>
    <message>
        <source>Mode1</source>
        <extracomment>Option for the first game mode, Player1 against the Computer.</extracomment>
        <translation>Tryb 1</translation>
    </message>
    <message>
        <source>Mode2</source>
        <extracomment>Option for the second game mode, Player1 against Player2.</extracomment>
        <translation>Tryb 2</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Graj</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Leaves the window without changing the mode.</extracomment>
        <translation>Wróć</translation>
    </message>
    <message>
        <source>Player1</source>
        <extracomment>Name of the first side in a large font, with room for about seven letters: a short form a game would use is fine.</extracomment>
        <translation>Gracz1</translation>
    </message>
    <message>
        <source>Vs</source>
        <extracomment>Short for versus, between the names of the two sides.</extracomment>
        <translation>vs</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer as the opponent, in a large font with room for about ten letters.</extracomment>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Player2</source>
        <extracomment>Name of the second side in a large font, with room for about seven letters: a short form a game would use is fine.</extracomment>
        <translation>Gracz2</translation>
    </message>
    <message>
        <source>player2</source>
        <extracomment>The second side&apos;s name in the two-player mode, written in lower case here.</extracomment>
        <translation>gracz2</translation>
    </message>
    <message>
        <source>Trivolo</source>
        <extracomment>The game&apos;s name.</extracomment>
        <translation>Trivolo</translation>
    </message>
    <message>
        <source>Player1 versus Computer</source>
        <translation>Gracz 1 przeciw komputerowi</translation>
    </message>
    <message>
        <source>Player1 versus Player2</source>
        <translation>Gracz 1 przeciw Graczowi 2</translation>
    </message>
</context>
<context>
    <name>trivolo::pictures</name>
    <message>
        <source>Player1</source>
        <extracomment>The banner over the side panel while Player1 is to move.</extracomment>
        <translation>Gracz 1</translation>
    </message>
    <message>
        <source>Player2</source>
        <extracomment>The banner over the side panel while Player2 (or the computer) is to move.</extracomment>
        <translation>Gracz 2</translation>
    </message>
    <message>
        <source>Player1 Wins!</source>
        <extracomment>The festive strip under the board when Player1 has won.</extracomment>
        <translation>Gracz 1 wygrywa!</translation>
    </message>
    <message>
        <source>Player2 Wins!</source>
        <extracomment>The festive strip under the board when Player2 (or the computer) has won.</extracomment>
        <translation>Gracz 2 wygrywa!</translation>
    </message>
    <message>
        <source>Match Drawn</source>
        <extracomment>The strip under the board when the board is full and nobody has won.</extracomment>
        <translation>Remis</translation>
    </message>
    <message>
        <source>Game, New Game</source>
        <extracomment>The Game menu and its New Game command, as the menu bar names them.</extracomment>
        <translation>Gra, Nowa gra</translation>
    </message>
    <message>
        <source>for a new game</source>
        <translation>aby zacząć nową grę</translation>
    </message>
    <message>
        <source>Game, Game Mode</source>
        <extracomment>The Game menu and its Game Mode command, as the menu bar names them.</extracomment>
        <translation>Gra, Tryb gry</translation>
    </message>
    <message>
        <source>to change the game mode</source>
        <translation>aby zmienić tryb gry</translation>
    </message>
    <message>
        <source>Help, Guide</source>
        <extracomment>The Help menu and its Guide command, as the menu bar names them.</extracomment>
        <translation>Pomoc, Poradnik</translation>
    </message>
    <message>
        <source>to master the game</source>
        <translation>aby opanować grę</translation>
    </message>
    <message>
        <source>How To Play</source>
        <extracomment>The title of the card beside the board before the first game.</extracomment>
        <translation>Jak grać</translation>
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
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>nie można go odczytać (%1)</translation>
    </message>
</context>
</TS>
