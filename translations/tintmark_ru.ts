<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AnimationDialog</name>
    <message>
        <source>Insert Animation</source>
        <translation>Вставка анимации</translation>
    </message>
    <message>
        <source>Color cycle: the whole name through the colors</source>
        <translation>Смена цвета: всё имя перебирает цвета</translation>
    </message>
    <message>
        <source>Chase: one letter in the first color, moving along</source>
        <translation>Бегущая буква: буква первого цвета бежит по имени</translation>
    </message>
    <message>
        <source>Typewriter: the letters appear one by one</source>
        <translation>Печатная машинка: буквы появляются по одной</translation>
    </message>
    <message>
        <source>Rainbow shift: the letters&apos; colors move along</source>
        <translation>Бегущая радуга: цвета букв сдвигаются по имени</translation>
    </message>
    <message>
        <source>Blink: the name in the first color and at rest</source>
        <translation>Мигание: имя то в первом цвете, то в обычном виде</translation>
    </message>
    <message>
        <source> ticks</source>
        <translation> тик.</translation>
    </message>
    <message>
        <source>com_maxfps </source>
        <translation>com_maxfps </translation>
    </message>
    <message>
        <source>C&amp;hat-safe pace</source>
        <translation>Темп для &amp;чата</translation>
    </message>
    <message>
        <source>Each frame lasts 0.8 s or more: the server&apos;s flood protection then lets your chat through.</source>
        <translation>Каждый кадр длится 0.8 с или дольше: тогда защита сервера от флуда пропускает твои сообщения в чат.</translation>
    </message>
    <message>
        <source>at</source>
        <translation>при</translation>
    </message>
    <message>
        <source>Play once, then rest on the name</source>
        <translation>Один раз, затем остановиться на имени</translation>
    </message>
    <message>
        <source>One step for each press of a key</source>
        <translation>По шагу на каждое нажатие клавиши</translation>
    </message>
    <message>
        <source>Your keys, moving and firing included, wait behind the script while it plays.</source>
        <translation>Пока скрипт работает, нажатия твоих клавиш, включая движение и стрельбу, ждут в очереди за ним.</translation>
    </message>
    <message>
        <source>Holds none of your keys back; chat goes through when the presses are more than 0.8 s apart.</source>
        <translation>Не задерживает ни одной клавиши; чат проходит, если между нажатиями больше 0.8 с.</translation>
    </message>
    <message>
        <source>Begins the names of the variables the script sets, so that two animations in one script keep apart.</source>
        <translation>С этого начинаются имена переменных, которые задаёт скрипт, — чтобы две анимации в одном скрипте не смешивались.</translation>
    </message>
    <message>
        <source>No endless timed loop: a vstr loop with waits holds back every key you press, the key to stop it included, for as long as it runs. To keep a name moving while you play, step it with a key.</source>
        <translation>Бесконечного цикла по таймеру нет: цикл vstr с wait задерживает все нажатия клавиш, даже клавишу, которой его останавливают, всё время, пока он работает. Чтобы имя двигалось во время игры, переключай его клавишей.</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Клавиша:</translation>
    </message>
    <message>
        <source>Variables begin with:</source>
        <translation>Префикс переменных:</translation>
    </message>
    <message>
        <source>Codes only where the color changes</source>
        <translation>Коды только при смене цвета</translation>
    </message>
    <message>
        <source>Color at most </source>
        <translation>Красить до </translation>
    </message>
    <message>
        <source> letters</source>
        <translation> симв.</translation>
    </message>
    <message>
        <source>Use a &amp;shorter form</source>
        <translation>Сделать &amp;короче</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Вставить</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Имя:</translation>
    </message>
    <message>
        <source>&amp;Effect:</source>
        <translation>&amp;Эффект:</translation>
    </message>
    <message>
        <source>Colors:</source>
        <translation>Цвета:</translation>
    </message>
    <message>
        <source>&amp;Delay:</source>
        <translation>&amp;Задержка:</translation>
    </message>
    <message>
        <source>&amp;Plays:</source>
        <translation>&amp;Режим:</translation>
    </message>
    <message>
        <source>Shorter:</source>
        <translation>Сократить:</translation>
    </message>
    <message>
        <source>= %1</source>
        <translation>= %1</translation>
    </message>
    <message>
        <source>Every frame looks the same: the name already shows these colors. Pick another color or effect.</source>
        <translation>Все кадры выглядят одинаково: имя уже в этих цветах. Выбери другой цвет или эффект.</translation>
    </message>
    <message>
        <source>%1 names (%2 frames and the name at rest), %3 lines, %4 bytes; the longest name takes %5 of %6 bytes.</source>
        <translation>Имён: %1 (кадров: %2 и итоговое имя), строк: %3, байт: %4; самое длинное имя в байтах: %5 из %6.</translation>
    </message>
    <message>
        <source>One frame a press: it holds none of your keys back and works on every server; chat goes through when you press it more than 0.8 s apart.</source>
        <translation>Один кадр на нажатие: клавиши не задерживаются, и это работает на любом сервере; чат проходит, если нажимать не чаще раза в 0.8 с.</translation>
    </message>
    <message>
        <source>Your game&apos;s config binds %1 to &quot;%2&quot;: this script binds it anew, and %1 no longer does that.</source>
        <translation>В конфиге твоей игры клавиша %1 привязана к «%2»: этот скрипт привяжет её заново, и %1 больше не будет этого делать.</translation>
    </message>
    <message>
        <source>Others on the server miss frames: they see only names that last a snapshot (%1 ms at sv_fps %2) or more.</source>
        <translation>Другие на сервере пропускают кадры: они видят только имена, которые держатся не меньше снапшота (%1 мс при sv_fps %2).</translation>
    </message>
    <message>
        <source>Others on the server see every frame.</source>
        <translation>Другие на сервере видят каждый кадр.</translation>
    </message>
    <message>
        <source>Your chat is dropped while it plays: frames under 0.8 s set off the server&apos;s flood protection.</source>
        <translation>Пока идёт анимация, твой чат теряется: кадры короче 0.8 с включают защиту сервера от флуда.</translation>
    </message>
    <message>
        <source>Chat keeps working.</source>
        <translation>Чат продолжает работать.</translation>
    </message>
    <message>
        <source>Your keys wait behind it while it plays, for %1.</source>
        <translation>Пока идёт анимация, твои клавиши ждут в очереди за ней: %1.</translation>
    </message>
</context>
<context>
    <name>AnimationGenerator</name>
    <message>
        <source>The game would not show frame %1 as made: it would set the name to &quot;%2&quot; instead of &quot;%3&quot;.</source>
        <translation>Игра показала бы кадр %1 не таким, как он задуман: она установила бы имя «%2» вместо «%3».</translation>
    </message>
    <message>
        <source>The name has no letters to animate.</source>
        <translation>В имени нет букв для анимации.</translation>
    </message>
    <message>
        <source>Names with &quot;, ; or \ cannot be animated: the games refuse them.</source>
        <translation>Имена с &quot;, ; или \ нельзя анимировать: игры их не принимают.</translation>
    </message>
    <message>
        <source>Choose at least one color.</source>
        <translation>Выбери хотя бы один цвет.</translation>
    </message>
    <message>
        <source>Name the key as the game names it, such as F5 or k.</source>
        <translation>Назови клавишу так, как её называет игра, например F5 или k.</translation>
    </message>
    <message>
        <source>The prefix of the variables takes letters, digits and _ only.</source>
        <translation>В префиксе переменных могут быть только латинские буквы, цифры и _.</translation>
    </message>
    <message>
        <source>The longest frame takes %1 bytes; the game keeps %2 and cuts off the rest.</source>
        <translation>Длина самого длинного кадра в байтах — %1; игра оставляет первые %2, а остальное обрезает.</translation>
    </message>
</context>
<context>
    <name>CfgFileDialog</name>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Файл %1</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Tintmark</source>
        <translation>Tintmark</translation>
    </message>
    <message>
        <source>The script has changes that are not saved. Open another script in its place and lose them?</source>
        <translation>В скрипте есть несохранённые изменения. Открыть вместо него другой скрипт и потерять их?</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Отбросить</translation>
    </message>
    <message>
        <source>Recover the unsaved script from %1?</source>
        <translation>Восстановить несохранённый скрипт от %1?</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>%1 is far larger than a script: the game reads at most 65,536 bytes of one. Open it all the same?</source>
        <translation>%1 намного больше любого скрипта: игра читает из скрипта не больше 65 536 байт. Всё равно открыть?</translation>
    </message>
    <message>
        <source>%1 was saved as UTF-8, but this edition of the game reads %2: it shows each character such as é as two (Ã©). Open it as UTF-8, to save it again as the game reads it?</source>
        <translation>Файл %1 сохранён в UTF-8, а эта версия игры читает скрипты в кодировке %2: каждый символ вроде é она показывает как два (Ã©). Открыть его как UTF-8, чтобы заново сохранить так, как его читает игра?</translation>
    </message>
    <message>
        <source>The edition has no letter for some of its characters; Tintmark spells them in letters it has: %1.</source>
        <translation>В этой версии игры нет букв для некоторых символов файла; Tintmark напишет их буквами, которые в ней есть: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a game, its folder</comment>
        <translation>%2 (%1)</translation>
    </message>
    <message>
        <source>Save changes to the new script?</source>
        <translation>Сохранить изменения в новом скрипте?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Сохранить изменения в %1?</translation>
    </message>
    <message>
        <source>This folder cannot be written. Save the script in another one, such as your documents?</source>
        <translation>В эту папку нельзя записывать. Сохранить скрипт в другой, например в твоих документах?</translation>
    </message>
    <message>
        <source>Save &amp;Elsewhere...</source>
        <translation>Сохранить в &amp;другом месте...</translation>
    </message>
</context>
<context>
    <name>CfgReader</name>
    <message>
        <source>It is a folder, not a script.</source>
        <translation>Это папка, а не скрипт.</translation>
    </message>
    <message>
        <source>It is not a file but a pipe, a device or a socket; scripts are files.</source>
        <translation>Это не файл, а канал, устройство или сокет; скрипт должен быть файлом.</translation>
    </message>
    <message>
        <source>The file is %1 MiB, far larger than any script (the games read at most 64 KiB of one).</source>
        <translation>Размер файла — %1 МиБ, намного больше любого скрипта (игры читают из скрипта не больше 64 КиБ).</translation>
    </message>
    <message>
        <source>Reading stopped partway: %1</source>
        <translation>Чтение прервалось на середине: %1</translation>
    </message>
    <message>
        <source>This is not a script: it holds the byte 0x%1 at offset %2, which text does not hold.</source>
        <translation>Это не скрипт: в нём есть байт 0x%1 (смещение %2), которого в тексте не бывает.</translation>
    </message>
</context>
<context>
    <name>CfgWriter</name>
    <message>
        <source>No file name was given.</source>
        <translation>Не указано имя файла.</translation>
    </message>
    <message>
        <source>The script could not be written completely.</source>
        <translation>Не удалось записать скрипт полностью.</translation>
    </message>
    <message>
        <source>The text holds the character %1, which a script cannot hold: this edition of the game reads scripts in %2. Nothing was saved; replace that character and save again.</source>
        <translation>В тексте есть символ %1, которого не может быть в скрипте: эта версия игры читает скрипты в кодировке %2. Ничего не сохранено; замени этот символ и сохрани снова.</translation>
    </message>
</context>
<context>
    <name>CheckReport</name>
    <message>
        <source>Names in %1 at com_maxfps %2, frames of %3 ms, %4 frames a second:</source>
        <translation>Имена в %1 при com_maxfps %2, кадры по %3 мс, %4 кадра в секунду:</translation>
    </message>
    <message>
        <source>From %1 the script&apos;s own com_maxfps %2 holds: frames of %3 ms.</source>
        <translation>Начиная с %1 действует com_maxfps %2 из самого скрипта: кадры по %3 мс.</translation>
    </message>
    <message>
        <source>The script sets no name.</source>
        <translation>Скрипт не задаёт имени.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, строка %2: %3</translation>
    </message>
    <message>
        <source>Keys it binds, and the names their presses show:</source>
        <translation>Клавиши, которые привязывает скрипт, и имена, которые показывают их нажатия:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>без имени</translation>
    </message>
    <message numerus="yes">
        <source>%n other keys show no name, and the warnings say nothing of them.</source>
        <translation>
            <numerusform>Ещё %n клавиша не показывает имени, и в предупреждениях о ней ничего нет.</numerusform>
            <numerusform>Ещё %n клавиши не показывают имени, и в предупреждениях о них ничего нет.</numerusform>
            <numerusform>Ещё %n клавиш не показывают имени, и в предупреждениях о них ничего нет.</numerusform>
        </translation>
    </message>
    <message>
        <source>Names as others on the server see them, at sv_fps %1 (a snapshot every %2 ms):</source>
        <translation>Имена, как их видят другие на сервере, при sv_fps %1 (снапшот каждые %2 мс):</translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation>Предупреждения:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Примечания:</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Central European</source>
        <translation>центральноевропейская латиница</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>кириллица</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>западноевропейская латиница</translation>
    </message>
</context>
<context>
    <name>ColorCodes</name>
    <message>
        <source>American</source>
        <translation>Американцы</translation>
    </message>
    <message>
        <source>British</source>
        <translation>Британцы</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русские</translation>
    </message>
    <message>
        <source>black</source>
        <translation>чёрный</translation>
    </message>
    <message>
        <source>red</source>
        <translation>красный</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелёный</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жёлтый</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синий</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>голубой</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>пурпурный</translation>
    </message>
    <message>
        <source>white</source>
        <translation>белый</translation>
    </message>
    <message>
        <source>the allied team&apos;s color</source>
        <translation>цвет команды союзников</translation>
    </message>
    <message>
        <source>the axis team&apos;s grey</source>
        <translation>серый цвет команды Оси</translation>
    </message>
    <message>
        <source>The game shows ^6 magenta; its swatch is dark red.</source>
        <translation>Игра показывает ^6 пурпурным; образец цвета здесь тёмно-красный.</translation>
    </message>
    <message>
        <source>In COD 2, ^8 shows in the allied team&apos;s color (green for the Americans, blue for the British, red for the Russians); COD removes it.</source>
        <translation>В COD 2 ^8 показывается цветом команды союзников (зелёным у американцев, синим у британцев, красным у русских); COD его удаляет.</translation>
    </message>
    <message>
        <source>^9 shows in the axis team&apos;s grey.</source>
        <translation>^9 показывается серым цветом команды Оси.</translation>
    </message>
    <message>
        <source>The game removes ^0 from names.</source>
        <translation>Игра удаляет ^0 из имён.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>Tintmark makes colored player names for COD and COD 2. Without options it opens its window, and a script given as FILE in the script editor.</source>
        <translation>Tintmark создаёт цветные имена игроков для COD и COD 2. Без параметров открывает своё окно, а скрипт, указанный как ФАЙЛ, — в редакторе скриптов.</translation>
    </message>
    <message>
        <source>Shows these options.</source>
        <translation>Показывает эти параметры.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s name and version.</source>
        <translation>Показывает название и версию программы.</translation>
    </message>
    <message>
        <source>Checks the scripts without opening a window: the names each sets with their times, then its warnings with line numbers. Exit status 0 when no script has a warning, 1 when one has, 2 when a file cannot be read.</source>
        <translation>Проверяет скрипты, не открывая окна: выводит имена, которые задаёт каждый скрипт, со временем, затем его предупреждения с номерами строк. Код выхода 0, если ни в одном скрипте нет предупреждений, 1 — если есть, 2 — если файл не удалось прочитать.</translation>
    </message>
    <message>
        <source>GAME</source>
        <translation>ИГРА</translation>
    </message>
    <message>
        <source>With --check: the server the player is on: stock (the default), or competitive for a CoD2x server with competitive settings, where wait does nothing and com_maxfps is 125 to 250.</source>
        <translation>С --check: сервер, на котором играет игрок: stock (по умолчанию) или competitive — сервер CoD2x с соревновательными настройками, где wait ничего не делает, а com_maxfps от 125 до 250.</translation>
    </message>
    <message>
        <source>SERVER</source>
        <translation>СЕРВЕР</translation>
    </message>
    <message>
        <source>With --check: the server&apos;s sv_fps, the snapshots a second that show others the names: 20 (the default), from %1 to %2.</source>
        <translation>С --check: sv_fps сервера — сколько снапшотов в секунду показывают другим имена: 20 (по умолчанию), от %1 до %2.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>With --check: the player&apos;s com_maxfps, from 0 to %1; without it, the one the game&apos;s config in the script&apos;s folder sets, else the installed games&apos; configs, else %2.</source>
        <translation>С --check: com_maxfps игрока, от 0 до %1; без него — значение из конфига игры в папке скрипта, иначе из конфигов установленных игр, иначе %2.</translation>
    </message>
    <message>
        <source>The script to open, or with --check the scripts to check.</source>
        <translation>Скрипт, который нужно открыть, или с --check скрипты для проверки.</translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation>[ФАЙЛ...]</translation>
    </message>
    <message>
        <source>--check needs at least one script.</source>
        <translation>Для --check нужен хотя бы один скрипт.</translation>
    </message>
    <message>
        <source>--server takes stock or competitive, not %1.</source>
        <translation>--server принимает stock или competitive, а не %1.</translation>
    </message>
    <message>
        <source>--sv-fps takes a number from %1 to %2, not %3.</source>
        <translation>--sv-fps принимает число от %1 до %2, а не %3.</translation>
    </message>
    <message>
        <source>--maxfps takes a number from 0 to %1, not %2.</source>
        <translation>--maxfps принимает число от 0 до %1, а не %2.</translation>
    </message>
    <message>
        <source>With --check: the language of the game&apos;s edition, which decides the letters it reads scripts in: %1; without it, the edition of the game whose folder holds the script, else the one chosen in the windows.</source>
        <translation>С --check: язык версии игры, от которого зависит набор букв, в котором она читает скрипты: %1; без него — версия игры, в папке которой лежит скрипт, иначе выбранная в окнах программы.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>ЯЗЫК</translation>
    </message>
    <message>
        <source>Usage: tintmark [FILE | --check [--game GAME] [--server SERVER] [--sv-fps N] [--maxfps N] [--language NAME] FILE... | --version | --help]</source>
        <translation>Использование: tintmark [ФАЙЛ | --check [--game ИГРА] [--server СЕРВЕР] [--sv-fps N] [--maxfps N] [--language ЯЗЫК] ФАЙЛ... | --version | --help]</translation>
    </message>
    <message>
        <source>--language takes %1, not %2.</source>
        <translation>--language принимает %1, а не %2.</translation>
    </message>
    <message>
        <source>With --check: the game whose console runs the scripts: cod2 (the default), cod1.3, cod1.1 or uo (United Offensive).</source>
        <translation>С --check: игра, в консоли которой выполняются скрипты: cod2 (по умолчанию), cod1.3, cod1.1 или uo (United Offensive).</translation>
    </message>
    <message>
        <source>--game takes cod2, cod1.3, cod1.1 or uo, not %1.</source>
        <translation>--game принимает cod2, cod1.3, cod1.1 или uo, а не %1.</translation>
    </message>
</context>
<context>
    <name>EditionMenu</name>
    <message>
        <source>Game &amp;Edition</source>
        <translation>Версия и&amp;гры</translation>
    </message>
    <message>
        <source>As the Game Installed</source>
        <translation>Как в установленной игре</translation>
    </message>
    <message>
        <source>The edition of the game Tintmark finds on this computer.</source>
        <translation>Версия игры, которую Tintmark находит на этом компьютере.</translation>
    </message>
    <message>
        <source>%1 (%2 letters)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>As the Game Installed (%1)</source>
        <translation>Как в установленной игре (%1)</translation>
    </message>
    <message>
        <source>As the Game Installed (none found: English)</source>
        <translation>Как в установленной игре (игра не найдена, поэтому английская)</translation>
    </message>
</context>
<context>
    <name>GameLanguage</name>
    <message>
        <source>English</source>
        <translation>Английская</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французская</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкая</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянская</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанская</translation>
    </message>
    <message>
        <source>British English</source>
        <translation>Британская</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русская</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польская</translation>
    </message>
</context>
<context>
    <name>GameLetters</name>
    <message>
        <source>in COD 2&apos;s own letters</source>
        <translation>буквами самой COD 2</translation>
    </message>
    <message>
        <source>the game&apos;s font was not found</source>
        <translation>шрифт игры не найден</translation>
    </message>
</context>
<context>
    <name>GameNames</name>
    <message>
        <source>COD 1.1</source>
        <translation>COD 1.1</translation>
    </message>
    <message>
        <source>COD 1.3</source>
        <translation>COD 1.3</translation>
    </message>
    <message>
        <source>COD 2</source>
        <translation>COD 2</translation>
    </message>
    <message>
        <source>COD</source>
        <translation>COD</translation>
    </message>
    <message>
        <source>COD UO</source>
        <translation>COD UO</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Using the Script in the &amp;Game</source>
        <translation>Как использовать скрипт в &amp;игре</translation>
    </message>
    <message>
        <source>Using the Script in the Game</source>
        <translation>Как использовать скрипт в игре</translation>
    </message>
    <message>
        <source>What the &amp;Color Codes Do</source>
        <translation>Что делают &amp;цветовые коды</translation>
    </message>
    <message>
        <source>What the Color Codes Do</source>
        <translation>Что делают цветовые коды</translation>
    </message>
    <message>
        <source>&amp;About Tintmark...</source>
        <translation>О &amp;программе Tintmark...</translation>
    </message>
    <message>
        <source>About &amp;Qt...</source>
        <translation>&amp;О Qt...</translation>
    </message>
    <message>
        <source>&lt;li&gt;%1: &lt;code&gt;%2&lt;/code&gt;&lt;/li&gt;</source>
        <translation>&lt;li&gt;%1: &lt;code&gt;%2&lt;/code&gt;&lt;/li&gt;</translation>
    </message>
    <message>
        <source>Tintmark found no game on this computer. The main folder is the folder &lt;code&gt;main&lt;/code&gt; in the folder the game is installed in.</source>
        <translation>Tintmark не нашёл на этом компьютере ни одной игры. Папка &lt;code&gt;main&lt;/code&gt; находится в папке, куда установлена игра.</translation>
    </message>
    <message>
        <source>Tintmark found:&lt;ul&gt;%1&lt;/ul&gt;</source>
        <translation>Tintmark нашёл:&lt;ul&gt;%1&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;Save the script into the game&apos;s &lt;b&gt;main&lt;/b&gt; folder. %1&lt;/li&gt;&lt;li&gt;Start the game, open the console with &lt;b&gt;~&lt;/b&gt; and type &lt;code&gt;%2&lt;/code&gt;%3.&lt;/li&gt;&lt;li&gt;A script that binds keys, such as an animated name that plays on a key, starts when you press that key.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;The notice after a save shows the command for that script, ready to copy.&lt;/p&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;Сохрани скрипт в папку &lt;b&gt;main&lt;/b&gt; игры. %1&lt;/li&gt;&lt;li&gt;Запусти игру, открой консоль клавишей &lt;b&gt;~&lt;/b&gt; и введи &lt;code&gt;%2&lt;/code&gt;%3.&lt;/li&gt;&lt;li&gt;Скрипт, который привязывает клавиши (например, анимированное имя, которое переключается клавишей), срабатывает, когда ты нажимаешь эту клавишу.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Уведомление после сохранения показывает команду для этого скрипта — её можно сразу скопировать.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>, with the name you saved</source>
        <translation>, подставив имя сохранённого файла</translation>
    </message>
    <message>
        <source>&lt;p&gt;A caret and a digit color the letters after them in the game:&lt;/p&gt;&lt;table cellspacing=&quot;4&quot;&gt;%1&lt;/table&gt;&lt;p&gt;A caret and any other character is a code too: COD 2 shows the letters after it white. A caret before another caret shows as it is.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Знак ^ и цифра окрашивают в игре буквы после них:&lt;/p&gt;&lt;table cellspacing=&quot;4&quot;&gt;%1&lt;/table&gt;&lt;p&gt;Знак ^ с любым другим символом — тоже код: COD 2 показывает буквы после него белыми. Знак ^ перед другим знаком ^ показывается как есть.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Tintmark</source>
        <translation>О программе Tintmark</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tintmark %1&lt;/h3&gt;&lt;p&gt;Colored player names and name scripts for COD and COD 2.&lt;/p&gt;&lt;p&gt;Tintmark is free software under the GNU General Public License, version 3 or later. It comes with no warranty.&lt;/p&gt;&lt;p&gt;Built with Qt %2, used under the GNU Lesser General Public License, version 3.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tintmark %1&lt;/h3&gt;&lt;p&gt;Цветные имена игроков и скрипты имён для COD и COD 2.&lt;/p&gt;&lt;p&gt;Tintmark — свободная программа, распространяемая на условиях GNU General Public License версии 3 или более поздней. Она поставляется без каких-либо гарантий.&lt;/p&gt;&lt;p&gt;Собрана с Qt %2, которая используется на условиях GNU Lesser General Public License версии 3.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The preview draws the name in COD 2&apos;s own letters, read from the game&apos;s files, when Tintmark finds COD 2 on this computer, and says so below the name. Without the game, or when its font cannot be read, it draws the name in the desktop&apos;s letters, which are only near the game&apos;s.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Предпросмотр рисует имя буквами самой COD 2, прочитанными из файлов игры, когда Tintmark находит COD 2 на этом компьютере, и пишет об этом под именем. Без игры или когда её шрифт не удаётся прочитать, он рисует имя буквами рабочего стола, которые лишь похожи на буквы игры.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Tintmark speaks %1 from its next start.</source>
        <translation>Язык Tintmark со следующего запуска: %1.</translation>
    </message>
    <message>
        <source>The System&apos;s Language</source>
        <translation>Язык системы</translation>
    </message>
</context>
<context>
    <name>NamePreview</name>
    <message>
        <source>COD 2 cuts off the end:</source>
        <translation>COD 2 обрежет конец:</translation>
    </message>
    <message>
        <source>The games refuse %1 in a name.</source>
        <translation>Игры не принимают %1 в имени.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
    <message>
        <source>the Latin letter “%1”</source>
        <translation>латинскую букву «%1»</translation>
    </message>
    <message>
        <source>the Cyrillic letter “%1”</source>
        <translation>букву кириллицы «%1»</translation>
    </message>
    <message>
        <source>the Greek letter “%1”</source>
        <translation>греческую букву «%1»</translation>
    </message>
    <message>
        <source>the character “%1”</source>
        <translation>символ «%1»</translation>
    </message>
    <message>
        <source>the character U+%1</source>
        <translation>символ U+%1</translation>
    </message>
    <message>
        <source>Leave it out.</source>
        <translation>Убери этот символ.</translation>
    </message>
    <message>
        <source>Spell it “%1” (Name menu, or the button at the end of the name box).</source>
        <translation>Напиши «%1» (меню «Имя» или кнопка в конце поля имени).</translation>
    </message>
    <message>
        <source>This edition of the game cannot show %1: its names hold %2 letters (%3).</source>
        <translation>Эта версия игры не может показать %1: её набор букв для имён — %2 (%3).</translation>
    </message>
    <message>
        <source>Players of editions with %1 letters see:</source>
        <translation>Игроки версий, где набор букв — %1, видят:</translation>
    </message>
</context>
<context>
    <name>PinnedPreview</name>
    <message>
        <source>Tintmark Preview</source>
        <translation>Предпросмотр Tintmark</translation>
    </message>
</context>
<context>
    <name>RecentScripts</name>
    <message>
        <source>No scripts opened or saved yet</source>
        <translation>Ещё нет открытых или сохранённых скриптов</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Недавние скрипты</translation>
    </message>
</context>
<context>
    <name>SaveNotice</name>
    <message>
        <source>Copy %1</source>
        <translation>Копировать %1</translation>
    </message>
    <message>
        <source>Saved %1 in the %2 folder of %3.</source>
        <translation>Скрипт %1 сохранён в папку %2 игры %3.</translation>
    </message>
    <message>
        <source>Windows keeps it for the game in %1, since the game&apos;s own folder is protected; the game finds it there.</source>
        <translation>Windows хранит его для игры в %1, так как папка самой игры защищена; игра найдёт его там.</translation>
    </message>
    <message>
        <source>In the game, open the console (~) and type: %1</source>
        <translation>В игре открой консоль (~) и введи: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Сохранено: %1.</translation>
    </message>
    <message>
        <source>Put it in the game&apos;s main folder first, then in the game open the console (~) and type: %1</source>
        <translation>Сначала положи его в папку main игры, затем в игре открой консоль (~) и введи: %1</translation>
    </message>
    <message>
        <source>Put it in the main folder of %1 first (%2), then in the game open the console (~) and type: %3</source>
        <translation>Сначала положи его в папку main игры %1 (%2), затем в игре открой консоль (~) и введи: %3</translation>
    </message>
    <message>
        <source>Then press %1 to play it.</source>
        <translation>Затем нажми %1, чтобы запустить его.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> или </translation>
    </message>
    <message>
        <source>The checker warns: %1</source>
        <translation>Проверка предупреждает: %1</translation>
    </message>
    <message numerus="yes">
        <source>The checker finds %n warnings: Play and Check (F5) in the editor lists them.</source>
        <translation>
            <numerusform>Проверка нашла %n предупреждение: список покажет «Запустить и проверить» (F5) в редакторе.</numerusform>
            <numerusform>Проверка нашла %n предупреждения: список покажет «Запустить и проверить» (F5) в редакторе.</numerusform>
            <numerusform>Проверка нашла %n предупреждений: список покажет «Запустить и проверить» (F5) в редакторе.</numerusform>
        </translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 скопировано</translation>
    </message>
</context>
<context>
    <name>ScriptChecker</name>
    <message>
        <source>and so on</source>
        <translation>и так далее</translation>
    </message>
</context>
<context>
    <name>ScriptOpener</name>
    <message>
        <source>Cannot open %1:
%2</source>
        <translation>Не удалось открыть %1:
%2</translation>
    </message>
    <message>
        <source>“%1” left out</source>
        <translation>без «%1»</translation>
    </message>
    <message>
        <source>“%1” as “%2”</source>
        <translation>«%1» как «%2»</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>ещё %n</numerusform>
            <numerusform>ещё %n</numerusform>
            <numerusform>ещё %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScriptPlayerWindow</name>
    <message>
        <source>Tintmark Player</source>
        <translation>Проигрыватель Tintmark</translation>
    </message>
    <message>
        <source>The name as the server&apos;s last snapshot showed it to the others on the server.</source>
        <translation>Имя таким, каким его показал другим игрокам последний снапшот сервера.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Пуск</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>П&amp;ауза</translation>
    </message>
    <message>
        <source>&amp;Next change</source>
        <translation>С&amp;ледующее имя</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Заново</translation>
    </message>
    <message>
        <source>The game&apos;s com_maxfps: it caps the frames in whole milliseconds, and the console runs two ticks a frame, so waits last longer at lower rates.</source>
        <translation>com_maxfps игры: ограничивает частоту кадров, а длительность кадра — целое число миллисекунд; консоль выполняет два тика за кадр, поэтому при меньшей частоте wait длятся дольше.</translation>
    </message>
    <message>
        <source>%1 ms frames, %2 a second</source>
        <translation>кадры по %1 мс, %2 в секунду</translation>
    </message>
    <message>
        <source>%1: the server makes com_maxfps %2</source>
        <translation>%1: сервер выставляет com_maxfps %2</translation>
    </message>
    <message>
        <source>Stock server</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>CoD2x competitive server</source>
        <translation>Соревновательный CoD2x</translation>
    </message>
    <message>
        <source>A CoD2x server with competitive settings makes wait do nothing and keeps com_maxfps from 125 to 250.</source>
        <translation>На сервере CoD2x с соревновательными настройками wait ничего не делает, а com_maxfps держится в пределах от 125 до 250.</translation>
    </message>
    <message>
        <source>The server&apos;s sv_fps: the snapshots a second that show the others your name, 20 on most servers.</source>
        <translation>sv_fps сервера: сколько снапшотов в секунду показывают другим твоё имя; на большинстве серверов 20.</translation>
    </message>
    <message>
        <source>^8 shows in the color of the allied team, which depends on its nation; ^9 in the color of the axis team.</source>
        <translation>^8 показывается цветом команды союзников, который зависит от её страны; ^9 — цветом команды Оси.</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Игра:</translation>
    </message>
    <message>
        <source>com_&amp;maxfps:</source>
        <translation>com_&amp;maxfps:</translation>
    </message>
    <message>
        <source>A&amp;llies:</source>
        <translation>&amp;Союзники:</translation>
    </message>
    <message>
        <source>Ser&amp;ver:</source>
        <translation>Се&amp;рвер:</translation>
    </message>
    <message>
        <source>s&amp;v_fps:</source>
        <translation>s&amp;v_fps:</translation>
    </message>
    <message>
        <source>Others see:</source>
        <translation>Другие видят:</translation>
    </message>
    <message>
        <source>Keys the script binds:</source>
        <translation>Клавиши скрипта:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Строка</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Others see it</source>
        <translation>Другие видят</translation>
    </message>
    <message>
        <source>Put the second command on its &amp;own line</source>
        <translation>Перенести вторую команду на &amp;новую строку</translation>
    </message>
    <message>
        <source>Names as the game shows them:</source>
        <translation>Имена, как их показывает игра:</translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation>Предупреждения:</translation>
    </message>
    <message>
        <source>No change after this one.</source>
        <translation>Дальше изменений нет.</translation>
    </message>
    <message>
        <source>A note: worth knowing, no fault.</source>
        <translation>Примечание: полезно знать, но это не ошибка.</translation>
    </message>
    <message>
        <source>never: replaced within its frame</source>
        <translation>никогда: заменено в том же кадре</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>начиная с %1</translation>
    </message>
    <message>
        <source>never: it lasts less than a snapshot</source>
        <translation>никогда: держится меньше снапшота</translation>
    </message>
    <message>
        <source>Press %1: %2</source>
        <translation>Нажми %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>ещё %n</numerusform>
            <numerusform>ещё %n</numerusform>
            <numerusform>ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Presses show: %1</source>
        <translation>Нажатия показывают: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>The script has run: press a key it binds.</source>
        <translation>Скрипт выполнен: нажми одну из его клавиш.</translation>
    </message>
    <message>
        <source>The animation has ended.</source>
        <translation>Анимация закончилась.</translation>
    </message>
    <message>
        <source>The loop has stopped: the game&apos;s command buffer is full.</source>
        <translation>Цикл остановился: буфер команд игры заполнен.</translation>
    </message>
</context>
<context>
    <name>ScriptSaver</name>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation>Не удалось сохранить %1:
%2</translation>
    </message>
</context>
<context>
    <name>SetNameLine</name>
    <message>
        <source>The game would not set the name</source>
        <translation>Игра не установила бы имя</translation>
    </message>
    <message>
        <source>The game would set the name to %1</source>
        <translation>Игра установила бы имя %1</translation>
    </message>
    <message>
        <source> and then run: %1</source>
        <translation> и затем выполнила бы: %1</translation>
    </message>
    <message>
        <source>, not to %1</source>
        <translation>, а не %1</translation>
    </message>
</context>
<context>
    <name>TickTime</name>
    <message>
        <source>%1 s (%2 ticks)</source>
        <translation>%1 с (%2 тик.)</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 мин %2 с</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 ч %2 мин</translation>
    </message>
</context>
<context>
    <name>WarningText</name>
    <message>
        <source>closes the game</source>
        <translation>закрывает игру</translation>
    </message>
    <message>
        <source>removes every key binding, moving and firing included</source>
        <translation>удаляет все привязки клавиш, включая движение и стрельбу</translation>
    </message>
    <message>
        <source>puts every setting back to its default</source>
        <translation>сбрасывает все настройки на значения по умолчанию</translation>
    </message>
    <message>
        <source>shuts the server down</source>
        <translation>выключает сервер</translation>
    </message>
    <message>
        <source>leaves the server the player is on</source>
        <translation>отключает игрока от сервера</translation>
    </message>
    <message>
        <source>When %1 is pressed: </source>
        <translation>При нажатии %1: </translation>
    </message>
    <message>
        <source>The script runs %1</source>
        <translation>Скрипт запускает %1</translation>
    </message>
    <message>
        <source>Pressing %1 starts %2</source>
        <translation>Нажатие %1 запускает %2</translation>
    </message>
    <message>
        <source>A wait with a negative number stops the rest of the script for good (some versions of the game wait one tick instead). Use a positive number of ticks.</source>
        <translation>Команда wait с отрицательным числом навсегда останавливает остаток скрипта (некоторые версии игры вместо этого ждут один тик). Укажи положительное число тиков.</translation>
    </message>
    <message>
        <source>Two commands run together on one line: the game sets the whole &quot;%1&quot; as one value. Put &quot;%2&quot; on a line of its own.</source>
        <translation>Две команды слились в одной строке: игра записывает всё «%1» как одно значение. Перенеси «%2» на отдельную строку.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; takes %2 bytes; the game keeps %3 and cuts off &quot;%4&quot;. Use fewer letters or color codes.</source>
        <translation>Длина имени «%1» в байтах — %2; игра оставляет первые %3 и обрезает «%4». Используй меньше букв или цветовых кодов.</translation>
    </message>
    <message>
        <source>The game removes %1 from names: this one shows as &quot;%2&quot;. Leave them out.</source>
        <translation>Игра удаляет %1 из имён: это имя будет выглядеть как «%2». Не используй их.</translation>
    </message>
    <message>
        <source>The script takes %1 bytes or more, more than the game&apos;s command buffer holds: exec runs none of it. Move part of it into a second script and exec that from this one.</source>
        <translation>Скрипт занимает не меньше %1 байт — больше, чем вмещает буфер команд игры: exec не выполнит из него ничего. Перенеси часть во второй скрипт и запускай его через exec из этого.</translation>
    </message>
    <message>
        <source>A command here is longer than %1 bytes: the game cuts it there, loses the next byte and runs the rest as a command of its own. Split it into shorter commands.</source>
        <translation>Команда здесь длиннее %1 байт: игра обрезает её на этом месте, теряет следующий байт и выполняет остаток как отдельную команду. Разбей её на команды покороче.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a leading %2 works only when typed in the console; in a script the game knows no such command. Write &quot;%3&quot;.</source>
        <translation>«%1»: %2 в начале работает только при вводе в консоли; в скрипте игра такой команды не знает. Пиши «%3».</translation>
    </message>
    <message>
        <source>%1 %2 when the script runs it. Leave it out of a name script.</source>
        <translation>%1 %2, как только скрипт дойдёт до этой команды. Убери её из скрипта имени.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a command of the game: it sends the line to the server, which shows it as chat or ignores it, unless a mod there knows it.</source>
        <translation>«%1» — не команда игры: строка уходит на сервер, и он покажет её в чате или проигнорирует, если только установленный там мод не знает такой команды.</translation>
    </message>
    <message>
        <source> Did you mean &quot;%1&quot;?</source>
        <translation> Может быть, имелось в виду «%1»?</translation>
    </message>
    <message>
        <source>This sets &quot;%1&quot;, which nothing reads. Did you mean &quot;%2&quot;?</source>
        <translation>Здесь задаётся «%1», но эту переменную ничто не читает. Может быть, имелось в виду «%2»?</translation>
    </message>
    <message>
        <source>A character such as é or € outside quotes splits the words here: the game drops it and keeps the words around it apart. Put the value in quotes.</source>
        <translation>Символ вроде é или € вне кавычек разделяет здесь слова: игра его выбрасывает, а слова по бокам остаются раздельными. Возьми значение в кавычки.</translation>
    </message>
    <message>
        <source>A // comment ends at the &apos;;&apos; after it: the game runs &quot;%1&quot; as a command. Take out the &apos;;&apos; or start the rest with // too.</source>
        <translation>Комментарий // заканчивается на «;» после него: игра выполняет «%1» как команду. Убери «;» или тоже начни остаток с //.</translation>
    </message>
    <message>
        <source>A /* comment ends with its line: the game runs &quot;%1&quot; as a command. Start each line of the comment with // instead.</source>
        <translation>Комментарий /* заканчивается вместе со своей строкой: игра выполняет «%1» как команду. Вместо этого начинай каждую строку комментария с //.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; sets nothing: the game&apos;s set takes a name and then a value, and COD&apos;s seta exactly one value. Give it its value, in quotes if it has spaces.</source>
        <translation>«%1» ничего не задаёт: set в игре принимает имя, а затем значение, а seta в COD — ровно одно значение. Укажи значение, а если в нём есть пробелы, возьми его в кавычки.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: wait reads its number only when nothing follows it, so it waits one tick and the rest runs nothing. Put a &apos;;&apos; or a line break after the number.</source>
        <translation>«%1»: wait читает своё число, только если после него ничего нет, поэтому он ждёт один тик, а остальное ничего не выполняет. Поставь после числа «;» или перенос строки.</translation>
    </message>
    <message>
        <source>This vstr runs again and again without a wait until it fills the game&apos;s command buffer of %1 bytes: the game hangs for a moment while it does, then the vstr fails and what is left in the buffer runs. Put a wait in the loop.</source>
        <translation>Этот vstr запускается снова и снова без wait, пока не заполнит буфер команд игры (до %1 байт): всё это время игра подвисает, затем vstr не срабатывает и выполняется то, что осталось в буфере. Добавь wait в цикл.</translation>
    </message>
    <message>
        <source>The variable set here holds more than %1 bytes: vstr runs only its first %1. Split it into two variables.</source>
        <translation>В переменной, заданной здесь, больше %1 байт: vstr выполнит только первые %1. Раздели её на две переменные.</translation>
    </message>
    <message>
        <source>The check stopped here after %1 commands and %2 without reaching the end: it cannot tell what the rest does in the game.</source>
        <translation>Проверка остановилась здесь после %1 команд и %2, не дойдя до конца: что остальное делает в игре, она сказать не может.</translation>
    </message>
    <message>
        <source>vstr %1 runs nothing until %2 is pressed, which sets %1. Press %2 first, or set %1 in the script itself.</source>
        <translation>vstr %1 ничего не выполняет, пока не нажата клавиша %2, которая задаёт %1. Сначала нажми %2 или задай %1 в самом скрипте.</translation>
    </message>
    <message>
        <source>vstr %1 runs a variable that is not set at that moment, so nothing happens. Set %1 before this line, or check its spelling.</source>
        <translation>vstr %1 запускает переменную, которая в этот момент не задана, поэтому ничего не происходит. Задай %1 до этой строки или проверь, правильно ли написано имя.</translation>
    </message>
    <message>
        <source>On a competitive server wait does nothing: what the script paces with it runs at once, so an animation shows only its last name there. Step through the names with a bound key instead, which works on every server.</source>
        <translation>На соревновательном сервере wait ничего не делает: всё, что скрипт растягивает с его помощью, выполняется сразу, и анимация показывает там только последнее имя. Лучше переключай имена привязанной клавишей — это работает на любом сервере.</translation>
    </message>
    <message>
        <source>On a competitive server wait does nothing: this loop then runs again and again within one frame until it fills the game&apos;s command buffer, and the game freezes meanwhile. Step through the names with a bound key instead, which works on every server.</source>
        <translation>На соревновательном сервере wait ничего не делает: этот цикл тогда повторяется снова и снова в пределах одного кадра, пока не заполнит буфер команд игры, и всё это время игра висит. Лучше переключай имена привязанной клавишей — это работает на любом сервере.</translation>
    </message>
    <message>
        <source>While the script runs, for %1, your keys wait behind it: you cannot move, fire or chat until it ends. Step through the names with a bound key instead, which holds nothing back.</source>
        <translation>Пока скрипт работает (%1), твои клавиши ждут в очереди за ним: ты не можешь двигаться, стрелять или писать в чат, пока он не закончится. Лучше переключай имена привязанной клавишей — она ничего не задерживает.</translation>
    </message>
    <message>
        <source>Others on the server see %1 of these %2 names: names that last less than one snapshot (%3 ms at sv_fps %4) are skipped (%5). Let each name last longer.</source>
        <translation>Другие на сервере увидят %1 из этих %2 имён: имена, которые держатся меньше одного снапшота (%3 мс при sv_fps %4), пропускаются (%5). Пусть каждое имя держится дольше.</translation>
    </message>
    <message>
        <source>for as long as it runs, for ever</source>
        <translation>всё время работы скрипта, то есть бесконечно</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>в течение %1</translation>
    </message>
    <message>
        <source>The names change as often as every %1, more often than every 0.8 s: the server&apos;s flood protection then ignores your chat, team chat and votes %2. Let each name last 0.8 s or more to keep chat working.</source>
        <translation>Имена меняются с интервалом всего %1 — чаще, чем раз в 0.8 с: из-за этого защита сервера от флуда игнорирует твой чат, командный чат и голосования %2. Чтобы чат работал, пусть каждое имя держится 0.8 с или дольше.</translation>
    </message>
    <message>
        <source>The script sends about %1 names a second. Each waits for the server to acknowledge it, and the client keeps %2 at most: a lag spike of %3 s fills them, and the game disconnects you. Let each name last longer.</source>
        <translation>Скрипт отправляет около %1 имён в секунду. Каждое ждёт подтверждения от сервера, а клиент держит таких не больше %2: лаг на %3 с заполнит их все, и игра отключит тебя от сервера. Пусть каждое имя держится дольше.</translation>
    </message>
    <message>
        <source>In round-based modes (Search and Destroy and the like) the server takes a new name only at the next round: others see no animation there.</source>
        <translation>В режимах с раундами (Search and Destroy и подобных) сервер принимает новое имя только со следующего раунда: другие там анимацию не увидят.</translation>
    </message>
    <message>
        <source>The game saves the name you have when you leave in config_mp.cfg: whichever of these names shows then is your name at the next start.</source>
        <translation>При выходе игра сохраняет текущее имя в config_mp.cfg: какое из этих имён будет в тот момент, с тем ты и зайдёшь в игру в следующий раз.</translation>
    </message>
    <message>
        <source>The game saves the name you have when you leave in config_mp.cfg: after this script, &quot;%1&quot;, your name at the next start.</source>
        <translation>При выходе игра сохраняет текущее имя в config_mp.cfg: после этого скрипта при следующем запуске твоим именем будет «%1».</translation>
    </message>
    <message>
        <source>lines %1 to %2: %3</source>
        <translation>строки %1–%2: %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>Read as a server&apos;s config: it sets %1. Warnings meant for name scripts, such as about map and killserver, are left out.</source>
        <translation>Прочитан как конфиг сервера: он задаёт %1. Предупреждения для скриптов имён, например о map и killserver, пропущены.</translation>
    </message>
    <message>
        <source>No warnings: the script runs as written.</source>
        <translation>Предупреждений нет: скрипт работает так, как написан.</translation>
    </message>
    <message numerus="yes">
        <source>lines %1 and %n more</source>
        <translation>
            <numerusform>строки %1 и ещё %n</numerusform>
            <numerusform>строки %1 и ещё %n</numerusform>
            <numerusform>строки %1 и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>строка %1</translation>
    </message>
    <message>
        <source>lines %1 and %2</source>
        <translation>строки %1 и %2</translation>
    </message>
    <message>
        <source>These are not commands of the game in multiplayer: it sends each such line to the server, which shows it as chat or ignores it, unless a mod there knows it: %1. Leave them out; single-player and development commands do nothing here.</source>
        <translation>Это не команды игры в сетевом режиме: каждая такая строка уходит на сервер, и он покажет её в чате или проигнорирует, если только установленный там мод её не знает: %1. Уберите их; одиночные и отладочные команды здесь ничего не делают.</translation>
    </message>
    <message>
        <source>%1 is cheat-protected: on a server without sv_cheats 1, as every public server is, the game refuses to change it, so this does nothing there.</source>
        <translation>%1 защищена от читов: на сервере без sv_cheats 1, а таковы все публичные серверы, игра отказывается её менять, так что там это ничего не делает.</translation>
    </message>
    <message>
        <source>The server reads no &quot;%1&quot;: setting it changes nothing.</source>
        <translation>Сервер не читает «%1»: её установка ничего не меняет.</translation>
    </message>
    <message>
        <source>The server reads %1 only as it starts, before it runs this config: setting it here changes nothing. Give it on the server&apos;s command line instead, as +set %1 and its value.</source>
        <translation>Сервер читает %1 только при запуске, до того как выполнит этот конфиг: задавать это здесь бесполезно. Укажите это в командной строке сервера, как +set %1 со значением.</translation>
    </message>
    <message>
        <source>exec runs scripts that this check cannot see into: %1. Check those too.</source>
        <translation>exec запускает скрипты, в которые эта проверка не может заглянуть: %1. Проверьте и их.</translation>
    </message>
    <message>
        <source>This vstr runs again and again without a wait, some %2 times within one frame, until the line breaks each round leaves behind fill the game&apos;s command buffer of %1 bytes: the game hangs for a moment while it does, then the vstr fails and the rest of the script runs. Put a wait in the loop.</source>
        <translation>Этот vstr запускается снова и снова без wait, около %2 раз за один кадр, пока переводы строк, которые оставляет каждый круг, не заполнят буфер команд игры (до %1 байт): всё это время игра подвисает, затем vstr не срабатывает и выполняется остаток скрипта. Добавь wait в цикл.</translation>
    </message>
    <message>
        <source> The game&apos;s comments start with //, not with #.</source>
        <translation> Комментарии в игре начинаются с //, а не с #.</translation>
    </message>
    <message numerus="yes">
        <source>any of %n keys</source>
        <translation>
            <numerusform>любой из %n клавиши</numerusform>
            <numerusform>любой из %n клавиш</numerusform>
            <numerusform>любой из %n клавиш</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>a loop (%1) that repeats every %2, %3 times in all, until the line breaks each round leaves behind fill the game&apos;s command buffer and the loop stops, after %4. Until then the game does not answer keys or the console. Let the last step set the resting name without another vstr, or step through the frames with a bound key.</source>
        <translation>цикл (%1), который повторяется каждые %2, пока переводы строк, которые оставляет каждый круг, не заполнят буфер команд игры и цикл не остановится после %3-го круга, через %4. До тех пор игра не реагирует ни на клавиши, ни на консоль. Пусть последний шаг ставит итоговое имя без нового vstr — или переключай кадры привязанной клавишей.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a command of the game: the server only prints &quot;Unknown command&quot; in its console, unless a mod there knows it.</source>
        <translation>«%1» — не команда игры: сервер лишь пишет в своей консоли &quot;Unknown command&quot;, если только установленный там мод не знает такой команды.</translation>
    </message>
    <message>
        <source>These are not commands of the game: the server only prints &quot;Unknown command&quot; in its console for each, unless a mod there knows it: %1. Leave them out; single-player and development commands do nothing here.</source>
        <translation>Это не команды игры: на каждую из них сервер лишь пишет в своей консоли &quot;Unknown command&quot;, если только установленный там мод её не знает: %1. Убери их; одиночные и отладочные команды здесь ничего не делают.</translation>
    </message>
    <message>
        <source>%1 are cheat-protected: on a server without sv_cheats 1, as every public server is, the game refuses to change them, so this does nothing there.</source>
        <translation>%1 защищены от читов: на сервере без sv_cheats 1, а таковы все публичные серверы, игра отказывается их менять, так что там это ничего не делает.</translation>
    </message>
    <message>
        <source>The server reads %1 only as it starts, before it runs this config: setting them here changes nothing. Give them on the server&apos;s command line instead, each as +set, its name and its value.</source>
        <translation>Сервер читает %1 только при запуске, до того как выполнит этот конфиг: задавать их здесь бесполезно. Укажи их в командной строке сервера: каждую — как +set, затем её имя и значение.</translation>
    </message>
    <message>
        <source>This toggles &quot;%1&quot;, which is no setting of the game: nothing happens. Did you mean &quot;%2&quot;?</source>
        <translation>Здесь переключается «%1», но такой настройки в игре нет: ничего не происходит. Может быть, имелось в виду «%2»?</translation>
    </message>
    <message>
        <source>%1 set nothing: the game&apos;s set takes a name and then a value, and COD&apos;s seta exactly one value. Give each its value, in quotes if it has spaces.</source>
        <translation>%1 ничего не задают: set в игре принимает имя, а затем значение, а seta в COD — ровно одно значение. Укажи каждой команде значение, а если в нём есть пробелы, возьми его в кавычки.</translation>
    </message>
    <message>
        <source>... and so on, %1 rounds in all: at %2 the game&apos;s command buffer is full and the loop stops.</source>
        <translation>... и так далее, до %1-го круга: в момент %2 буфер команд игры заполняется, и цикл останавливается.</translation>
    </message>
    <message>
        <source>It was saved as UTF-8, but this edition of the game reads %1: it shows each character such as é as two (Ã©). Open it in Tintmark, which reads it as UTF-8, and save it again.</source>
        <translation>Скрипт сохранён в UTF-8, а эта версия игры читает скрипты в кодировке %1: каждый символ вроде é она показывает как два (Ã©). Открой его в Tintmark, который прочитает его как UTF-8, и сохрани снова.</translation>
    </message>
</context>
<context>
    <name>frmEditor</name>
    <message>
        <source>Script</source>
        <translation>Скрипт</translation>
    </message>
    <message>
        <source>&amp;Open Script...</source>
        <translation>&amp;Открыть скрипт...</translation>
    </message>
    <message>
        <source>&amp;Play and Check...</source>
        <translation>&amp;Запустить и проверить...</translation>
    </message>
    <message>
        <source>&amp;Insert Animation...</source>
        <translation>&amp;Вставить анимацию...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Scri&amp;pt</source>
        <translation>С&amp;крипт</translation>
    </message>
    <message>
        <source>New script, not saved yet</source>
        <translation>Новый скрипт, ещё не сохранён</translation>
    </message>
    <message>
        <source>New script</source>
        <translation>Новый скрипт</translation>
    </message>
    <message>
        <source>%1 - unsaved changes</source>
        <translation>%1 — несохранённые изменения</translation>
    </message>
</context>
<context>
    <name>frmNameScript</name>
    <message>
        <source>Red, ^1</source>
        <translation>Красный, ^1</translation>
    </message>
    <message>
        <source>Green, ^2</source>
        <translation>Зелёный, ^2</translation>
    </message>
    <message>
        <source>Yellow, ^3</source>
        <translation>Жёлтый, ^3</translation>
    </message>
    <message>
        <source>Blue, ^4</source>
        <translation>Синий, ^4</translation>
    </message>
    <message>
        <source>Cyan, ^5</source>
        <translation>Голубой, ^5</translation>
    </message>
    <message>
        <source>Magenta, ^6</source>
        <translation>Пурпурный, ^6</translation>
    </message>
    <message>
        <source>White, ^7</source>
        <translation>Белый, ^7</translation>
    </message>
    <message>
        <source>Purple, ^8</source>
        <translation>Фиолетовый, ^8</translation>
    </message>
    <message>
        <source>Gray, ^9</source>
        <translation>Серый, ^9</translation>
    </message>
    <message>
        <source>Black, ^0</source>
        <translation>Чёрный, ^0</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Имя игрока</translation>
    </message>
    <message>
        <source>The player name that the script sets in the game, with its color codes; the file&apos;s name is asked for at Save.</source>
        <translation>Имя игрока, которое скрипт задаёт в игре, вместе с цветовыми кодами; имя файла спросят при сохранении.</translation>
    </message>
    <message>
        <source>Tintmark does not save this name. %1.</source>
        <translation>Tintmark не сохраняет это имя. %1.</translation>
    </message>
    <message>
        <source>Name &gt; Remove What the Game Drops makes it %1, as the game shows it.</source>
        <translation>Команда «Имя &gt; Убрать то, что игра отбросит» превратит его в %1 — именно так его покажет игра.</translation>
    </message>
    <message>
        <source>The pasted command sets the name %1: the box holds the name alone.</source>
        <translation>Вставленная команда задаёт имя %1: в поле остаётся только само имя.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Save the Name Script...</source>
        <translation>&amp;Сохранить скрипт имени...</translation>
    </message>
    <message>
        <source>Add to the Script &amp;Editor</source>
        <translation>Добавить в &amp;редактор скриптов</translation>
    </message>
    <message>
        <source>&amp;Open Script in the Editor...</source>
        <translation>&amp;Открыть скрипт в редакторе...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command</source>
        <translation>Копировать ко&amp;манду для консоли</translation>
    </message>
    <message>
        <source>&amp;Remove What the Game Drops</source>
        <translation>&amp;Убрать то, что игра отбросит</translation>
    </message>
    <message>
        <source>&amp;Keep the Preview on Screen</source>
        <translation>&amp;Закрепить предпросмотр на экране</translation>
    </message>
    <message>
        <source>Color the &amp;Whole Name</source>
        <translation>&amp;Раскрасить всё имя</translation>
    </message>
    <message>
        <source>&amp;Names from the Games</source>
        <translation>Имена из &amp;игр</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <translation>&amp;Имя</translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command (type a name first)</source>
        <translation>Копировать ко&amp;манду для консоли (сначала введи имя)</translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command (the game would not set this name)</source>
        <translation>Копировать ко&amp;манду для консоли (игра не примет это имя)</translation>
    </message>
    <message>
        <source>&amp;Remove What the Game Drops (no quote, ; or \ to remove)</source>
        <translation>&amp;Убрать то, что игра отбросит (нечего убирать: нет кавычек, ; или \)</translation>
    </message>
    <message>
        <source>&amp;Names from the Games (no game config found)</source>
        <translation>Имена из &amp;игр (конфиг игры не найден)</translation>
    </message>
    <message>
        <source>&amp;Rainbow</source>
        <translation>&amp;Радуга</translation>
    </message>
    <message>
        <source>&amp;Gradient</source>
        <translation>&amp;Градиент</translation>
    </message>
    <message>
        <source>&amp;Gradient (click two swatches first)</source>
        <translation>&amp;Градиент (сначала выбери два цвета)</translation>
    </message>
    <message>
        <source>In the colors of the codes the name holds, in their order: click the swatches first. A rainbow of six colors without them.</source>
        <translation>В цветах кодов, которые есть в имени, по порядку: сначала щёлкни по образцам цветов. Без них — радуга из шести цветов.</translation>
    </message>
    <message>
        <source>Type the name first</source>
        <translation>Сначала введи имя</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No edition of the game can show %1: names hold the letters of one 8-bit code page, which has no emoji or Asian characters.</source>
        <translation>Ни одна версия игры не может показать %1: имена пишутся буквами одной 8-битной кодовой страницы, а в ней нет эмодзи и азиатских символов.</translation>
    </message>
    <message>
        <source>Leave Out What the Edition Cannot Show</source>
        <translation>Убрать то, что версия игры не покажет</translation>
    </message>
    <message>
        <source>Spell It “%1”</source>
        <translation>Написать «%1»</translation>
    </message>
    <message>
        <source>This edition of the game cannot show %1: click to write the name in letters it can.</source>
        <translation>Эта версия игры не может показать %1: нажми, чтобы написать имя буквами, которые она показывает.</translation>
    </message>
    <message>
        <source>The box holds %1 characters: the paste was cut after “%2”, and “%3” was left out.</source>
        <translation>Поле вмещает %1 символов: вставка обрезана после «%2», а «%3» не поместилось.</translation>
    </message>
    <message>
        <source>&amp;Names from the Games (no game found)</source>
        <translation>Имена из &amp;игр (игра не найдена)</translation>
    </message>
    <message>
        <source>&amp;Names from the Games (no name in their configs)</source>
        <translation>Имена из &amp;игр (в их конфигах нет имени)</translation>
    </message>
</context>
</TS>
