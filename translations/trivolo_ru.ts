<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>trivolo</name>
    <message>
        <source>Setting Not Saved</source>
        <translation>Настройка не сохранена</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
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
        <translation>это не обычный файл</translation>
    </message>
</context>
<context>
    <name>trivolo::imgchange</name>
    <message>
        <source>Change Player1 Image (Trivolo )</source>
        <translation>Картинка игрока 1 (Trivolo)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Player1 Image Changed. It Will Be Activated From Next Game</source>
        <translation>Картинка игрока 1 изменена. Она будет использоваться со следующей игры.</translation>
    </message>
    <message>
        <source>Change Player2 Image (Trivolo )</source>
        <translation>Картинка игрока 2 (Trivolo)</translation>
    </message>
    <message>
        <source>Player2 Image Changed. It Will Be Activated From Next Game</source>
        <translation>Картинка игрока 2 изменена. Она будет использоваться со следующей игры.</translation>
    </message>
    <message>
        <source>Not a picture</source>
        <extracomment>Shown in the preview when the chosen file cannot be shown as a picture.</extracomment>
        <translation>Не картинка</translation>
    </message>
    <message>
        <source>This picture&apos;s file name contains a line break, so it cannot be saved as your choice. Rename the file, then choose it.</source>
        <translation>Имя файла этой картинки содержит перевод строки, поэтому её нельзя сохранить как ваш выбор. Переименуйте файл и выберите его снова.</translation>
    </message>
    <message>
        <source>Picture Not Chosen</source>
        <translation>Картинка не выбрана</translation>
    </message>
    <message>
        <source>Image Change Confirmation</source>
        <translation>Картинка изменена</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Картинки</translation>
    </message>
</context>
<context>
    <name>trivolo::main</name>
    <message>
        <source>Trivolo By Quenrix</source>
        <translation>Trivolo от Quenrix</translation>
    </message>
    <message>
        <source>quenrix</source>
        <extracomment>The maker&apos;s name, in lower case; usually kept as it is.</extracomment>
        <translation>quenrix</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Режим игры</translation>
    </message>
    <message>
        <source>Vs</source>
        <extracomment>Short for versus, between the names of the two sides.</extracomment>
        <translation>vs</translation>
    </message>
    <message>
        <source>Game Sound </source>
        <extracomment>Caption before the sound indicator, which reads ON or OFF.</extracomment>
        <translation>Звук игры </translation>
    </message>
    <message>
        <source>Message</source>
        <extracomment>Caption of the strip beside it that shows whose turn it is and the result.</extracomment>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Visit www.quenrix.example For New Version</source>
        <translation>Новая версия на www.quenrix.example</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Image</source>
        <extracomment>Menu for choosing each player&apos;s mark picture.</extracomment>
        <translation>Картинка</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Game menu: abandons the running game; it does not close the program.</extracomment>
        <translation>Прервать</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Sound menu: switches the sounds on.</extracomment>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Sound menu: switches the sounds off.</extracomment>
        <translation>Выключить</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Игрок 1</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Игрок 2</translation>
    </message>
    <message>
        <source>Guide</source>
        <extracomment>Help menu: opens the game&apos;s guide.</extracomment>
        <translation>Руководство</translation>
    </message>
    <message>
        <source>Read Me</source>
        <translation>Прочти меня</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>вверху слева</translation>
    </message>
    <message>
        <source>top centre</source>
        <translation>вверху по центру</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>вверху справа</translation>
    </message>
    <message>
        <source>centre left</source>
        <translation>в центре слева</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>в центре</translation>
    </message>
    <message>
        <source>centre right</source>
        <translation>в центре справа</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>внизу слева</translation>
    </message>
    <message>
        <source>bottom centre</source>
        <translation>внизу по центру</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>внизу справа</translation>
    </message>
    <message>
        <source>Cell %1, %2: empty</source>
        <extracomment>A screen reader&apos;s name of an empty cell: %1 its number, %2 its place on the board.</extracomment>
        <translation>Клетка %1, %2: пусто</translation>
    </message>
    <message>
        <source>Cell %1, %2: %3</source>
        <extracomment>A screen reader&apos;s name of a taken cell: %1 its number, %2 its place, %3 the side holding it.</extracomment>
        <translation>Клетка %1, %2: %3</translation>
    </message>
    <message>
        <source>First Quit This Game, Then Change Mode</source>
        <translation>Сначала прервите эту игру, затем смените режим.</translation>
    </message>
    <message>
        <source>Cannot Change Game Mode Now.</source>
        <translation>Сейчас нельзя сменить режим</translation>
    </message>
    <message>
        <source>First Quit This Game, Then Start New Game.</source>
        <translation>Сначала прервите эту игру, затем начните новую.</translation>
    </message>
    <message>
        <source>Cannot start New Game Now.</source>
        <translation>Сейчас нельзя начать новую игру</translation>
    </message>
    <message>
        <source>No Game To Quit. Start New Game First.</source>
        <translation>Нет игры, которую можно прервать. Сначала начните новую игру.</translation>
    </message>
    <message>
        <source>Game Not Found</source>
        <translation>Игра не идёт</translation>
    </message>
    <message>
        <source>Are You Sure To Quit This Game ?</source>
        <translation>Вы действительно хотите прервать эту игру?</translation>
    </message>
    <message>
        <source>Quit Confirmation</source>
        <translation>Прервать игру</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>The sound indicator in the side panel, after &quot;Game Sound&quot;: ON, or else OFF.</extracomment>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>%1 versus %2</source>
        <extracomment>A screen reader&apos;s words for the sides of a new game: %1 plays against %2.</extracomment>
        <translation>%1 против %2</translation>
    </message>
    <message>
        <source>Sound Is Already On.</source>
        <translation>Звук уже включён.</translation>
    </message>
    <message>
        <source>Sound Information</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Sound Is Already OFF.</source>
        <translation>Звук уже выключен.</translation>
    </message>
    <message>
        <source>Sound Is Now On.</source>
        <translation>Звук включён.</translation>
    </message>
    <message>
        <source>Sound Is Now OFF.</source>
        <translation>Звук выключен.</translation>
    </message>
    <message>
        <source>Player1</source>
        <comment>side</comment>
        <translation>Игрок 1</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The side that plays against Player1 in the one-player mode.</extracomment>
        <translation>ПК</translation>
    </message>
    <message>
        <source>Player2</source>
        <comment>side</comment>
        <translation>Игрок 2</translation>
    </message>
    <message>
        <source>Now Player1</source>
        <extracomment>Shown under the board in a two-player game: whose turn it is.</extracomment>
        <translation>Ходит игрок 1</translation>
    </message>
    <message>
        <source>Now Player2</source>
        <translation>Ходит игрок 2</translation>
    </message>
    <message>
        <source>Mark of %1</source>
        <extracomment>A screen reader&apos;s name of the picture of the mark of the side to move (%1).</extracomment>
        <translation>Знак: %1</translation>
    </message>
    <message>
        <source>Now %1</source>
        <extracomment>A screen reader&apos;s name of the banner saying whose turn it is (%1: Player1, Player2 or Computer).</extracomment>
        <translation>Ходит: %1</translation>
    </message>
    <message>
        <source>Player1 Won The Game</source>
        <translation>Игрок 1 выиграл</translation>
    </message>
    <message>
        <source>Player2 Won The Game</source>
        <extracomment>Also when the computer, which plays as Player2, has won.</extracomment>
        <translation>Игрок 2 выиграл</translation>
    </message>
    <message>
        <source>Match Drawn</source>
        <translation>Ничья</translation>
    </message>
    <message>
        <source>Result: %1</source>
        <extracomment>A screen reader&apos;s name of the result picture; %1 is the closing message.</extracomment>
        <translation>Результат: %1</translation>
    </message>
    <message>
        <source>Game Ends.</source>
        <extracomment>Title of the closing message of a game.</extracomment>
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>The game has not started. Game, New Game (Ctrl+N) starts one.</source>
        <extracomment>What a screen reader says of the board before a game: the menu command that starts one.</extracomment>
        <translation>Игра не начата. Игра, Новая игра (Ctrl+N) начинает её.</translation>
    </message>
</context>
<context>
    <name>trivolo::modefrm</name>
    <message>
        <source>Game Mode</source>
        <translation>Режим игры</translation>
    </message>
    <message>
        <source>Mode1</source>
        <extracomment>Option for the first game mode, Player1 against the Computer.</extracomment>
        <translation>Режим1</translation>
    </message>
    <message>
        <source>Mode2</source>
        <extracomment>Option for the second game mode, Player1 against Player2.</extracomment>
        <translation>Режим2</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Играть</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Leaves the window without changing the mode.</extracomment>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Player1</source>
        <extracomment>Name of the first side in a large font, with room for about seven letters: a short form a game would use is fine.</extracomment>
        <translation>Игр. 1</translation>
    </message>
    <message>
        <source>Vs</source>
        <extracomment>Short for versus, between the names of the two sides.</extracomment>
        <translation>vs</translation>
    </message>
    <message>
        <source>Computer</source>
        <extracomment>The computer as the opponent, in a large font with room for about ten letters.</extracomment>
        <translation>ПК</translation>
    </message>
    <message>
        <source>Player2</source>
        <extracomment>Name of the second side in a large font, with room for about seven letters: a short form a game would use is fine.</extracomment>
        <translation>Игр. 2</translation>
    </message>
    <message>
        <source>player2</source>
        <extracomment>The second side&apos;s name in the two-player mode, written in lower case here.</extracomment>
        <translation>игрок 2</translation>
    </message>
    <message>
        <source>Trivolo</source>
        <extracomment>The game&apos;s name.</extracomment>
        <translation>Trivolo</translation>
    </message>
    <message>
        <source>Player1 versus Computer</source>
        <translation>Игрок 1 против компьютера</translation>
    </message>
    <message>
        <source>Player1 versus Player2</source>
        <translation>Игрок 1 против игрока 2</translation>
    </message>
</context>
<context>
    <name>trivolo::pictures</name>
    <message>
        <source>Player1</source>
        <extracomment>The banner over the side panel while Player1 is to move.</extracomment>
        <translation>Игрок 1</translation>
    </message>
    <message>
        <source>Player2</source>
        <extracomment>The banner over the side panel while Player2 (or the computer) is to move.</extracomment>
        <translation>Игрок 2</translation>
    </message>
    <message>
        <source>Player1 Wins!</source>
        <extracomment>The festive strip under the board when Player1 has won.</extracomment>
        <translation>Игрок 1 победил!</translation>
    </message>
    <message>
        <source>Player2 Wins!</source>
        <extracomment>The festive strip under the board when Player2 (or the computer) has won.</extracomment>
        <translation>Игрок 2 победил!</translation>
    </message>
    <message>
        <source>Match Drawn</source>
        <extracomment>The strip under the board when the board is full and nobody has won.</extracomment>
        <translation>Ничья</translation>
    </message>
    <message>
        <source>Game, New Game</source>
        <extracomment>The Game menu and its New Game command, as the menu bar names them.</extracomment>
        <translation>Игра, Новая игра</translation>
    </message>
    <message>
        <source>for a new game</source>
        <translation>чтобы начать новую игру</translation>
    </message>
    <message>
        <source>Game, Game Mode</source>
        <extracomment>The Game menu and its Game Mode command, as the menu bar names them.</extracomment>
        <translation>Игра, Режим игры</translation>
    </message>
    <message>
        <source>to change the game mode</source>
        <translation>чтобы сменить режим игры</translation>
    </message>
    <message>
        <source>Help, Guide</source>
        <extracomment>The Help menu and its Guide command, as the menu bar names them.</extracomment>
        <translation>Справка, Руководство</translation>
    </message>
    <message>
        <source>to master the game</source>
        <translation>чтобы освоить игру</translation>
    </message>
    <message>
        <source>How To Play</source>
        <extracomment>The title of the card beside the board before the first game.</extracomment>
        <translation>Как играть</translation>
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
        <translation>Не удалось сохранить %1: %2</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>файл не удалось прочитать (%1)</translation>
    </message>
</context>
</TS>
