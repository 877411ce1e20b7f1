<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AnimationDialog</name>
    <message>
        <source>Insert Animation</source>
        <translation>Wstaw animację</translation>
    </message>
    <message>
        <source>Color cycle: the whole name through the colors</source>
        <translation>Cykl kolorów: cały nick przechodzi przez kolory</translation>
    </message>
    <message>
        <source>Chase: one letter in the first color, moving along</source>
        <translation>Biegnąca litera: jedna litera w pierwszym kolorze przesuwa się po nicku</translation>
    </message>
    <message>
        <source>Typewriter: the letters appear one by one</source>
        <translation>Maszyna do pisania: litery pojawiają się po kolei</translation>
    </message>
    <message>
        <source>Rainbow shift: the letters&apos; colors move along</source>
        <translation>Płynąca tęcza: kolory liter przesuwają się po nicku</translation>
    </message>
    <message>
        <source>Blink: the name in the first color and at rest</source>
        <translation>Miganie: nick na przemian w pierwszym kolorze i w swoich kolorach</translation>
    </message>
    <message>
        <source> ticks</source>
        <translation> ticków</translation>
    </message>
    <message>
        <source>com_maxfps </source>
        <translation>com_maxfps </translation>
    </message>
    <message>
        <source>C&amp;hat-safe pace</source>
        <translation>Bezpieczne dla &amp;czatu</translation>
    </message>
    <message>
        <source>Each frame lasts 0.8 s or more: the server&apos;s flood protection then lets your chat through.</source>
        <translation>Każda klatka trwa 0.8 s lub dłużej: ochrona serwera przed floodem przepuszcza wtedy twój czat.</translation>
    </message>
    <message>
        <source>at</source>
        <translation>przy</translation>
    </message>
    <message>
        <source>Play once, then rest on the name</source>
        <translation>Odtwórz raz i zostaw nick końcowy</translation>
    </message>
    <message>
        <source>One step for each press of a key</source>
        <translation>Jeden krok na każde naciśnięcie klawisza</translation>
    </message>
    <message>
        <source>Your keys, moving and firing included, wait behind the script while it plays.</source>
        <translation>Dopóki animacja trwa, twoje klawisze, także ruch i strzał, czekają w kolejce za skryptem.</translation>
    </message>
    <message>
        <source>Holds none of your keys back; chat goes through when the presses are more than 0.8 s apart.</source>
        <translation>Nie wstrzymuje żadnego z twoich klawiszy; wiadomości na czacie przechodzą, gdy naciśnięcia dzieli więcej niż 0.8 s.</translation>
    </message>
    <message>
        <source>Begins the names of the variables the script sets, so that two animations in one script keep apart.</source>
        <translation>Początek nazw zmiennych, które ustawia skrypt: dzięki niemu dwie animacje w jednym skrypcie sobie nie przeszkadzają.</translation>
    </message>
    <message>
        <source>No endless timed loop: a vstr loop with waits holds back every key you press, the key to stop it included, for as long as it runs. To keep a name moving while you play, step it with a key.</source>
        <translation>Bez nieskończonej pętli z wait: pętla vstr z poleceniami wait wstrzymuje każdy naciśnięty klawisz, także ten, który miałby ją zatrzymać, przez cały czas działania. Jeśli nick ma się zmieniać w trakcie gry, przełączaj go klawiszem.</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Klawisz:</translation>
    </message>
    <message>
        <source>Variables begin with:</source>
        <translation>Przedrostek zmiennych:</translation>
    </message>
    <message>
        <source>Codes only where the color changes</source>
        <translation>Kody tylko przy zmianie koloru</translation>
    </message>
    <message>
        <source>Color at most </source>
        <translation>Koloruj do </translation>
    </message>
    <message>
        <source> letters</source>
        <translation> liter</translation>
    </message>
    <message>
        <source>Use a &amp;shorter form</source>
        <translation>Użyj &amp;krótszej formy</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Wstaw</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nick:</translation>
    </message>
    <message>
        <source>&amp;Effect:</source>
        <translation>&amp;Efekt:</translation>
    </message>
    <message>
        <source>Colors:</source>
        <translation>Kolory:</translation>
    </message>
    <message>
        <source>&amp;Delay:</source>
        <translation>&amp;Odstęp:</translation>
    </message>
    <message>
        <source>&amp;Plays:</source>
        <translation>&amp;Tryb:</translation>
    </message>
    <message>
        <source>Shorter:</source>
        <translation>Skrócenie:</translation>
    </message>
    <message>
        <source>= %1</source>
        <translation>= %1</translation>
    </message>
    <message>
        <source>Every frame looks the same: the name already shows these colors. Pick another color or effect.</source>
        <translation>Każda klatka wygląda tak samo: nick już ma te kolory. Wybierz inny kolor lub efekt.</translation>
    </message>
    <message>
        <source>%1 names (%2 frames and the name at rest), %3 lines, %4 bytes; the longest name takes %5 of %6 bytes.</source>
        <translation>Nicki: %1 (klatki: %2 i nick końcowy), wiersze: %3, bajty: %4; najdłuższy nick zajmuje %5 z %6 bajtów.</translation>
    </message>
    <message>
        <source>One frame a press: it holds none of your keys back and works on every server; chat goes through when you press it more than 0.8 s apart.</source>
        <translation>Jedna klatka na naciśnięcie: nie wstrzymuje żadnego z twoich klawiszy i działa na każdym serwerze, a wiadomości na czacie przechodzą, gdy między naciśnięciami mija więcej niż 0.8 s.</translation>
    </message>
    <message>
        <source>Your game&apos;s config binds %1 to &quot;%2&quot;: this script binds it anew, and %1 no longer does that.</source>
        <translation>Config twojej gry przypisuje do %1 „%2”: ten skrypt przypisuje %1 na nowo i klawisz przestanie to robić.</translation>
    </message>
    <message>
        <source>Others on the server miss frames: they see only names that last a snapshot (%1 ms at sv_fps %2) or more.</source>
        <translation>Inni na serwerze nie widzą części klatek: widzą tylko nicki, które trwają co najmniej jeden snapshot (%1 ms przy sv_fps %2).</translation>
    </message>
    <message>
        <source>Others on the server see every frame.</source>
        <translation>Inni na serwerze widzą każdą klatkę.</translation>
    </message>
    <message>
        <source>Your chat is dropped while it plays: frames under 0.8 s set off the server&apos;s flood protection.</source>
        <translation>Podczas animacji twój czat przepada: klatki krótsze niż 0.8 s włączają ochronę serwera przed floodem.</translation>
    </message>
    <message>
        <source>Chat keeps working.</source>
        <translation>Czat nadal działa.</translation>
    </message>
    <message>
        <source>Your keys wait behind it while it plays, for %1.</source>
        <translation>Twoje klawisze czekają w kolejce za animacją przez %1.</translation>
    </message>
</context>
<context>
    <name>AnimationGenerator</name>
    <message>
        <source>The game would not show frame %1 as made: it would set the name to &quot;%2&quot; instead of &quot;%3&quot;.</source>
        <translation>Gra nie pokazałaby klatki %1 tak, jak ją utworzono: ustawiłaby nick „%2” zamiast „%3”.</translation>
    </message>
    <message>
        <source>The name has no letters to animate.</source>
        <translation>Nick nie ma liter, które dałoby się animować.</translation>
    </message>
    <message>
        <source>Names with &quot;, ; or \ cannot be animated: the games refuse them.</source>
        <translation>Nicków z &quot;, ; lub \ nie da się animować: gry ich nie przyjmują.</translation>
    </message>
    <message>
        <source>Choose at least one color.</source>
        <translation>Wybierz co najmniej jeden kolor.</translation>
    </message>
    <message>
        <source>Name the key as the game names it, such as F5 or k.</source>
        <translation>Podaj nazwę klawisza tak, jak nazywa go gra, np. F5 albo k.</translation>
    </message>
    <message>
        <source>The prefix of the variables takes letters, digits and _ only.</source>
        <translation>Przedrostek zmiennych może zawierać tylko litery, cyfry i _.</translation>
    </message>
    <message>
        <source>The longest frame takes %1 bytes; the game keeps %2 and cuts off the rest.</source>
        <translation>Najdłuższa klatka zajmuje %1 B; gra zachowuje %2 B, a resztę obcina.</translation>
    </message>
</context>
<context>
    <name>CfgFileDialog</name>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Plik %1</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Tintmark</source>
        <translation>Tintmark</translation>
    </message>
    <message>
        <source>The script has changes that are not saved. Open another script in its place and lose them?</source>
        <translation>Skrypt ma niezapisane zmiany. Otworzyć w jego miejsce inny skrypt i utracić te zmiany?</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Odrzuć</translation>
    </message>
    <message>
        <source>Recover the unsaved script from %1?</source>
        <translation>Przywrócić niezapisany skrypt z %1?</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>%1 is far larger than a script: the game reads at most 65,536 bytes of one. Open it all the same?</source>
        <translation>Plik %1 jest znacznie większy niż skrypt: gra czyta najwyżej 65&#xa0;536 bajtów jednego skryptu. Otworzyć go mimo to?</translation>
    </message>
    <message>
        <source>%1 was saved as UTF-8, but this edition of the game reads %2: it shows each character such as é as two (Ã©). Open it as UTF-8, to save it again as the game reads it?</source>
        <translation>Plik %1 zapisano w UTF-8, a ta wersja gry czyta skrypty w kodowaniu %2: każdy znak taki jak é pokazuje jako dwa (Ã©). Otworzyć go jako UTF-8, aby zapisać go ponownie tak, jak czyta go gra?</translation>
    </message>
    <message>
        <source>The edition has no letter for some of its characters; Tintmark spells them in letters it has: %1.</source>
        <translation>Ta wersja gry nie ma liter dla niektórych znaków z pliku; Tintmark zapisze je literami, które ma: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a game, its folder</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Save changes to the new script?</source>
        <translation>Zapisać zmiany w nowym skrypcie?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Zapisać zmiany w %1?</translation>
    </message>
    <message>
        <source>This folder cannot be written. Save the script in another one, such as your documents?</source>
        <translation>Do tego folderu nie można zapisywać. Zapisać skrypt w innym, na przykład w twoich dokumentach?</translation>
    </message>
    <message>
        <source>Save &amp;Elsewhere...</source>
        <translation>Zapisz &amp;gdzie indziej...</translation>
    </message>
</context>
<context>
    <name>CfgReader</name>
    <message>
        <source>It is a folder, not a script.</source>
        <translation>To jest folder, a nie skrypt.</translation>
    </message>
    <message>
        <source>It is not a file but a pipe, a device or a socket; scripts are files.</source>
        <translation>To nie jest plik, lecz potok, urządzenie lub gniazdo; skrypty są plikami.</translation>
    </message>
    <message>
        <source>The file is %1 MiB, far larger than any script (the games read at most 64 KiB of one).</source>
        <translation>Plik ma %1 MiB, znacznie więcej niż jakikolwiek skrypt (gry czytają najwyżej 64 KiB jednego skryptu).</translation>
    </message>
    <message>
        <source>Reading stopped partway: %1</source>
        <translation>Odczyt przerwał się w trakcie: %1</translation>
    </message>
    <message>
        <source>This is not a script: it holds the byte 0x%1 at offset %2, which text does not hold.</source>
        <translation>To nie jest skrypt: na pozycji %2 zawiera bajt 0x%1, jakiego nie zawiera żaden tekst.</translation>
    </message>
</context>
<context>
    <name>CfgWriter</name>
    <message>
        <source>No file name was given.</source>
        <translation>Nie podano nazwy pliku.</translation>
    </message>
    <message>
        <source>The script could not be written completely.</source>
        <translation>Nie udało się zapisać całego skryptu.</translation>
    </message>
    <message>
        <source>The text holds the character %1, which a script cannot hold: this edition of the game reads scripts in %2. Nothing was saved; replace that character and save again.</source>
        <translation>Tekst zawiera znak %1, którego nie może zawierać żaden skrypt: ta wersja gry czyta skrypty w kodowaniu %2. Niczego nie zapisano; zastąp ten znak i zapisz ponownie.</translation>
    </message>
</context>
<context>
    <name>CheckReport</name>
    <message>
        <source>Names in %1 at com_maxfps %2, frames of %3 ms, %4 frames a second:</source>
        <translation>Nicki w %1 przy com_maxfps %2, klatki po %3 ms, %4 na sekundę:</translation>
    </message>
    <message>
        <source>From %1 the script&apos;s own com_maxfps %2 holds: frames of %3 ms.</source>
        <translation>Od %1 obowiązuje com_maxfps %2 ustawione przez skrypt: klatki po %3 ms.</translation>
    </message>
    <message>
        <source>The script sets no name.</source>
        <translation>Skrypt nie ustawia żadnego nicku.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, wiersz %2: %3</translation>
    </message>
    <message>
        <source>Keys it binds, and the names their presses show:</source>
        <translation>Klawisze przypisywane przez skrypt i nicki pokazywane po ich naciśnięciu:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>brak nicku</translation>
    </message>
    <message numerus="yes">
        <source>%n other keys show no name, and the warnings say nothing of them.</source>
        <translation>
            <numerusform>%n inny klawisz nie pokazuje żadnego nicku i ostrzeżenia go nie dotyczą.</numerusform>
            <numerusform>%n inne klawisze nie pokazują żadnego nicku i ostrzeżenia ich nie dotyczą.</numerusform>
            <numerusform>%n innych klawiszy nie pokazuje żadnego nicku i ostrzeżenia ich nie dotyczą.</numerusform>
        </translation>
    </message>
    <message>
        <source>Names as others on the server see them, at sv_fps %1 (a snapshot every %2 ms):</source>
        <translation>Nicki tak, jak widzą je inni na serwerze, przy sv_fps %1 (snapshot co %2 ms):</translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation>Ostrzeżenia:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Uwagi:</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Central European</source>
        <translation>środkowoeuropejskie</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>cyrylickie</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>zachodnioeuropejskie</translation>
    </message>
</context>
<context>
    <name>ColorCodes</name>
    <message>
        <source>American</source>
        <translation>Amerykanie</translation>
    </message>
    <message>
        <source>British</source>
        <translation>Brytyjczycy</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rosjanie</translation>
    </message>
    <message>
        <source>black</source>
        <translation>czarny</translation>
    </message>
    <message>
        <source>red</source>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zielony</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>żółty</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>błękitny</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>purpurowy</translation>
    </message>
    <message>
        <source>white</source>
        <translation>biały</translation>
    </message>
    <message>
        <source>the allied team&apos;s color</source>
        <translation>kolor drużyny Aliantów</translation>
    </message>
    <message>
        <source>the axis team&apos;s grey</source>
        <translation>szary kolor drużyny Osi</translation>
    </message>
    <message>
        <source>The game shows ^6 magenta; its swatch is dark red.</source>
        <translation>Gra pokazuje ^6 na purpurowo; jego pole koloru jest ciemnoczerwone.</translation>
    </message>
    <message>
        <source>In COD 2, ^8 shows in the allied team&apos;s color (green for the Americans, blue for the British, red for the Russians); COD removes it.</source>
        <translation>W COD 2 ^8 ma kolor drużyny Aliantów (zielony u Amerykanów, niebieski u Brytyjczyków, czerwony u Rosjan); COD go usuwa.</translation>
    </message>
    <message>
        <source>^9 shows in the axis team&apos;s grey.</source>
        <translation>^9 ma szary kolor drużyny Osi.</translation>
    </message>
    <message>
        <source>The game removes ^0 from names.</source>
        <translation>Gra usuwa ^0 z nicków.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>Tintmark makes colored player names for COD and COD 2. Without options it opens its window, and a script given as FILE in the script editor.</source>
        <translation>Tintmark tworzy kolorowe nicki graczy do COD i COD 2. Bez opcji otwiera swoje okno, a skrypt podany jako PLIK otwiera w edytorze skryptów.</translation>
    </message>
    <message>
        <source>Shows these options.</source>
        <translation>Pokazuje te opcje.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s name and version.</source>
        <translation>Pokazuje nazwę i wersję programu.</translation>
    </message>
    <message>
        <source>Checks the scripts without opening a window: the names each sets with their times, then its warnings with line numbers. Exit status 0 when no script has a warning, 1 when one has, 2 when a file cannot be read.</source>
        <translation>Sprawdza skrypty bez otwierania okna: wypisuje nicki, które ustawia każdy z nich, wraz z czasami, a potem jego ostrzeżenia z numerami wierszy. Kod wyjścia: 0, gdy żaden skrypt nie ma ostrzeżeń, 1, gdy któryś ma, 2, gdy nie da się odczytać pliku.</translation>
    </message>
    <message>
        <source>GAME</source>
        <translation>GRA</translation>
    </message>
    <message>
        <source>With --check: the server the player is on: stock (the default), or competitive for a CoD2x server with competitive settings, where wait does nothing and com_maxfps is 125 to 250.</source>
        <translation>Z --check: serwer, na którym jest gracz: stock (domyślnie) albo competitive dla serwera CoD2x z ustawieniami turniejowymi, na którym wait nic nie robi, a com_maxfps wynosi od 125 do 250.</translation>
    </message>
    <message>
        <source>SERVER</source>
        <translation>SERWER</translation>
    </message>
    <message>
        <source>With --check: the server&apos;s sv_fps, the snapshots a second that show others the names: 20 (the default), from %1 to %2.</source>
        <translation>Z --check: sv_fps serwera, czyli liczba snapshotów na sekundę, które pokazują innym nicki: 20 (domyślnie), od %1 do %2.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>With --check: the player&apos;s com_maxfps, from 0 to %1; without it, the one the game&apos;s config in the script&apos;s folder sets, else the installed games&apos; configs, else %2.</source>
        <translation>Z --check: com_maxfps gracza, od 0 do %1; bez tej opcji wartość z configu gry w folderze skryptu, a jeśli go nie ma, z configów zainstalowanych gier, a w ostateczności %2.</translation>
    </message>
    <message>
        <source>The script to open, or with --check the scripts to check.</source>
        <translation>Skrypt do otwarcia albo, z --check, skrypty do sprawdzenia.</translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation>[PLIK...]</translation>
    </message>
    <message>
        <source>--check needs at least one script.</source>
        <translation>--check wymaga co najmniej jednego skryptu.</translation>
    </message>
    <message>
        <source>--server takes stock or competitive, not %1.</source>
        <translation>--server przyjmuje stock lub competitive, a nie %1.</translation>
    </message>
    <message>
        <source>--sv-fps takes a number from %1 to %2, not %3.</source>
        <translation>--sv-fps przyjmuje liczbę od %1 do %2, a nie %3.</translation>
    </message>
    <message>
        <source>--maxfps takes a number from 0 to %1, not %2.</source>
        <translation>--maxfps przyjmuje liczbę od 0 do %1, a nie %2.</translation>
    </message>
    <message>
        <source>With --check: the language of the game&apos;s edition, which decides the letters it reads scripts in: %1; without it, the edition of the game whose folder holds the script, else the one chosen in the windows.</source>
        <translation>Z --check: język wersji gry, od którego zależą litery, w jakich czyta ona skrypty: %1; bez tej opcji wersja gry, w której folderze jest skrypt, a w przeciwnym razie wersja wybrana w oknach programu.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>JĘZYK</translation>
    </message>
    <message>
        <source>Usage: tintmark [FILE | --check [--game GAME] [--server SERVER] [--sv-fps N] [--maxfps N] [--language NAME] FILE... | --version | --help]</source>
        <translation>Użycie: tintmark [PLIK | --check [--game GRA] [--server SERWER] [--sv-fps N] [--maxfps N] [--language JĘZYK] PLIK... | --version | --help]</translation>
    </message>
    <message>
        <source>--language takes %1, not %2.</source>
        <translation>--language przyjmuje %1, a nie %2.</translation>
    </message>
    <message>
        <source>With --check: the game whose console runs the scripts: cod2 (the default), cod1.3, cod1.1 or uo (United Offensive).</source>
        <translation>Z --check: gra, której konsola wykonuje skrypty: cod2 (domyślnie), cod1.3, cod1.1 lub uo (United Offensive).</translation>
    </message>
    <message>
        <source>--game takes cod2, cod1.3, cod1.1 or uo, not %1.</source>
        <translation>--game przyjmuje cod2, cod1.3, cod1.1 lub uo, a nie %1.</translation>
    </message>
</context>
<context>
    <name>EditionMenu</name>
    <message>
        <source>Game &amp;Edition</source>
        <translation>&amp;Wersja językowa gry</translation>
    </message>
    <message>
        <source>As the Game Installed</source>
        <translation>Jak w zainstalowanej grze</translation>
    </message>
    <message>
        <source>The edition of the game Tintmark finds on this computer.</source>
        <translation>Wersja językowa gry, którą Tintmark znajduje na tym komputerze.</translation>
    </message>
    <message>
        <source>%1 (%2 letters)</source>
        <translation>%1 (litery %2)</translation>
    </message>
    <message>
        <source>As the Game Installed (%1)</source>
        <translation>Jak w zainstalowanej grze (%1)</translation>
    </message>
    <message>
        <source>As the Game Installed (none found: English)</source>
        <translation>Jak w zainstalowanej grze (nie znaleziono gry, więc angielska)</translation>
    </message>
</context>
<context>
    <name>GameLanguage</name>
    <message>
        <source>English</source>
        <translation>Angielska</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuska</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Niemiecka</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Włoska</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Hiszpańska</translation>
    </message>
    <message>
        <source>British English</source>
        <translation>Brytyjska</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rosyjska</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polska</translation>
    </message>
</context>
<context>
    <name>GameLetters</name>
    <message>
        <source>in COD 2&apos;s own letters</source>
        <translation>literami samego COD 2</translation>
    </message>
    <message>
        <source>the game&apos;s font was not found</source>
        <translation>nie znaleziono czcionki gry</translation>
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
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>Using the Script in the &amp;Game</source>
        <translation>Jak użyć skryptu w &amp;grze</translation>
    </message>
    <message>
        <source>Using the Script in the Game</source>
        <translation>Jak użyć skryptu w grze</translation>
    </message>
    <message>
        <source>What the &amp;Color Codes Do</source>
        <translation>Co robią &amp;kody kolorów</translation>
    </message>
    <message>
        <source>What the Color Codes Do</source>
        <translation>Co robią kody kolorów</translation>
    </message>
    <message>
        <source>&amp;About Tintmark...</source>
        <translation>&amp;O programie Tintmark...</translation>
    </message>
    <message>
        <source>About &amp;Qt...</source>
        <translation>O &amp;Qt...</translation>
    </message>
    <message>
        <source>&lt;li&gt;%1: &lt;code&gt;%2&lt;/code&gt;&lt;/li&gt;</source>
        <translation>&lt;li&gt;%1: &lt;code&gt;%2&lt;/code&gt;&lt;/li&gt;</translation>
    </message>
    <message>
        <source>Tintmark found no game on this computer. The main folder is the folder &lt;code&gt;main&lt;/code&gt; in the folder the game is installed in.</source>
        <translation>Tintmark nie znalazł na tym komputerze żadnej gry. Folder main to folder &lt;code&gt;main&lt;/code&gt; w folderze, w którym zainstalowano grę.</translation>
    </message>
    <message>
        <source>Tintmark found:&lt;ul&gt;%1&lt;/ul&gt;</source>
        <translation>Tintmark znalazł:&lt;ul&gt;%1&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;Save the script into the game&apos;s &lt;b&gt;main&lt;/b&gt; folder. %1&lt;/li&gt;&lt;li&gt;Start the game, open the console with &lt;b&gt;~&lt;/b&gt; and type &lt;code&gt;%2&lt;/code&gt;%3.&lt;/li&gt;&lt;li&gt;A script that binds keys, such as an animated name that plays on a key, starts when you press that key.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;The notice after a save shows the command for that script, ready to copy.&lt;/p&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;Zapisz skrypt w folderze &lt;b&gt;main&lt;/b&gt; gry. %1&lt;/li&gt;&lt;li&gt;Uruchom grę, otwórz konsolę klawiszem &lt;b&gt;~&lt;/b&gt; i wpisz &lt;code&gt;%2&lt;/code&gt;%3.&lt;/li&gt;&lt;li&gt;Skrypt, który przypisuje klawisze, na przykład animowany nick odtwarzany klawiszem, zaczyna działać po naciśnięciu tego klawisza.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Komunikat po zapisie pokazuje polecenie dla tego skryptu, gotowe do skopiowania.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>, with the name you saved</source>
        <translation>, wstawiając nazwę zapisanego pliku</translation>
    </message>
    <message>
        <source>&lt;p&gt;A caret and a digit color the letters after them in the game:&lt;/p&gt;&lt;table cellspacing=&quot;4&quot;&gt;%1&lt;/table&gt;&lt;p&gt;A caret and any other character is a code too: COD 2 shows the letters after it white. A caret before another caret shows as it is.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Daszek i cyfra kolorują w grze litery, które po nich następują:&lt;/p&gt;&lt;table cellspacing=&quot;4&quot;&gt;%1&lt;/table&gt;&lt;p&gt;Daszek z każdym innym znakiem to też kod: COD 2 pokazuje litery po nim na biało. Daszek przed kolejnym daszkiem jest pokazywany bez zmian.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Tintmark</source>
        <translation>O programie Tintmark</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tintmark %1&lt;/h3&gt;&lt;p&gt;Colored player names and name scripts for COD and COD 2.&lt;/p&gt;&lt;p&gt;Tintmark is free software under the GNU General Public License, version 3 or later. It comes with no warranty.&lt;/p&gt;&lt;p&gt;Built with Qt %2, used under the GNU Lesser General Public License, version 3.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tintmark %1&lt;/h3&gt;&lt;p&gt;Kolorowe nicki graczy i skrypty z nickami do COD i COD 2.&lt;/p&gt;&lt;p&gt;Tintmark jest wolnym oprogramowaniem na licencji GNU General Public License w wersji 3 lub późniejszej. Jest dostarczany bez żadnej gwarancji.&lt;/p&gt;&lt;p&gt;Zbudowano z Qt %2, używanym na licencji GNU Lesser General Public License w wersji 3.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The preview draws the name in COD 2&apos;s own letters, read from the game&apos;s files, when Tintmark finds COD 2 on this computer, and says so below the name. Without the game, or when its font cannot be read, it draws the name in the desktop&apos;s letters, which are only near the game&apos;s.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Podgląd rysuje nick literami samego COD 2, odczytanymi z plików gry, gdy Tintmark znajdzie COD 2 na tym komputerze, i mówi o tym pod nickiem. Bez gry albo gdy nie da się odczytać jej czcionki, rysuje nick literami pulpitu, które są tylko podobne do liter gry.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Tintmark speaks %1 from its next start.</source>
        <translation>Od następnego uruchomienia Tintmark będzie używał języka: %1.</translation>
    </message>
    <message>
        <source>The System&apos;s Language</source>
        <translation>Język systemu</translation>
    </message>
</context>
<context>
    <name>NamePreview</name>
    <message>
        <source>COD 2 cuts off the end:</source>
        <translation>COD 2 obetnie końcówkę:</translation>
    </message>
    <message>
        <source>The games refuse %1 in a name.</source>
        <translation>Gry nie przyjmują w nicku: %1.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>the Latin letter “%1”</source>
        <translation>litery łacińskiej „%1”</translation>
    </message>
    <message>
        <source>the Cyrillic letter “%1”</source>
        <translation>litery cyrylickiej „%1”</translation>
    </message>
    <message>
        <source>the Greek letter “%1”</source>
        <translation>litery greckiej „%1”</translation>
    </message>
    <message>
        <source>the character “%1”</source>
        <translation>znaku „%1”</translation>
    </message>
    <message>
        <source>the character U+%1</source>
        <translation>znaku U+%1</translation>
    </message>
    <message>
        <source>Leave it out.</source>
        <translation>Pomiń ten znak.</translation>
    </message>
    <message>
        <source>Spell it “%1” (Name menu, or the button at the end of the name box).</source>
        <translation>Napisz „%1” (menu Nick albo przycisk na końcu pola z nickiem).</translation>
    </message>
    <message>
        <source>This edition of the game cannot show %1: its names hold %2 letters (%3).</source>
        <translation>Ta wersja gry nie może pokazać %1: nicki mogą w niej mieć tylko litery %2 (%3).</translation>
    </message>
    <message>
        <source>Players of editions with %1 letters see:</source>
        <translation>Gracze, których wersja gry ma litery %1, widzą:</translation>
    </message>
</context>
<context>
    <name>PinnedPreview</name>
    <message>
        <source>Tintmark Preview</source>
        <translation>Podgląd Tintmark</translation>
    </message>
</context>
<context>
    <name>RecentScripts</name>
    <message>
        <source>No scripts opened or saved yet</source>
        <translation>Nie otwarto ani nie zapisano jeszcze żadnego skryptu</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ostatnio &amp;używane</translation>
    </message>
</context>
<context>
    <name>SaveNotice</name>
    <message>
        <source>Copy %1</source>
        <translation>Kopiuj %1</translation>
    </message>
    <message>
        <source>Saved %1 in the %2 folder of %3.</source>
        <translation>Zapisano %1 w folderze %2 gry %3.</translation>
    </message>
    <message>
        <source>Windows keeps it for the game in %1, since the game&apos;s own folder is protected; the game finds it there.</source>
        <translation>Windows przechowuje go dla gry w %1, bo folder gry jest chroniony; gra go tam znajdzie.</translation>
    </message>
    <message>
        <source>In the game, open the console (~) and type: %1</source>
        <translation>W grze otwórz konsolę (~) i wpisz: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Zapisano %1.</translation>
    </message>
    <message>
        <source>Put it in the game&apos;s main folder first, then in the game open the console (~) and type: %1</source>
        <translation>Najpierw umieść go w folderze main gry, a potem w grze otwórz konsolę (~) i wpisz: %1</translation>
    </message>
    <message>
        <source>Put it in the main folder of %1 first (%2), then in the game open the console (~) and type: %3</source>
        <translation>Najpierw umieść go w folderze main gry %1 (%2), a potem w grze otwórz konsolę (~) i wpisz: %3</translation>
    </message>
    <message>
        <source>Then press %1 to play it.</source>
        <translation>Potem naciśnij %1, aby go odtworzyć.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> lub </translation>
    </message>
    <message>
        <source>The checker warns: %1</source>
        <translation>Ostrzeżenie ze sprawdzenia skryptu: %1</translation>
    </message>
    <message numerus="yes">
        <source>The checker finds %n warnings: Play and Check (F5) in the editor lists them.</source>
        <translation>
            <numerusform>Sprawdzenie skryptu wykazało %n ostrzeżenie: w edytorze wyświetli je polecenie Odtwórz i sprawdź (F5).</numerusform>
            <numerusform>Sprawdzenie skryptu wykazało %n ostrzeżenia: w edytorze wyświetli je polecenie Odtwórz i sprawdź (F5).</numerusform>
            <numerusform>Sprawdzenie skryptu wykazało %n ostrzeżeń: w edytorze wyświetli je polecenie Odtwórz i sprawdź (F5).</numerusform>
        </translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>Skopiowano %1</translation>
    </message>
</context>
<context>
    <name>ScriptChecker</name>
    <message>
        <source>and so on</source>
        <translation>i tak dalej</translation>
    </message>
</context>
<context>
    <name>ScriptOpener</name>
    <message>
        <source>Cannot open %1:
%2</source>
        <translation>Nie można otworzyć %1:
%2</translation>
    </message>
    <message>
        <source>“%1” left out</source>
        <translation>bez „%1”</translation>
    </message>
    <message>
        <source>“%1” as “%2”</source>
        <translation>„%1” jako „%2”</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n inny</numerusform>
            <numerusform>%n inne</numerusform>
            <numerusform>%n innych</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScriptPlayerWindow</name>
    <message>
        <source>Tintmark Player</source>
        <translation>Odtwarzacz Tintmark</translation>
    </message>
    <message>
        <source>The name as the server&apos;s last snapshot showed it to the others on the server.</source>
        <translation>Nick taki, jakim pokazał go innym graczom na serwerze ostatni snapshot serwera.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Odtwórz</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>&amp;Pauza</translation>
    </message>
    <message>
        <source>&amp;Next change</source>
        <translation>Następna &amp;zmiana</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>Od &amp;nowa</translation>
    </message>
    <message>
        <source>The game&apos;s com_maxfps: it caps the frames in whole milliseconds, and the console runs two ticks a frame, so waits last longer at lower rates.</source>
        <translation>com_maxfps gry: ustala czas klatki w pełnych milisekundach, a konsola wykonuje dwa ticki na klatkę, więc przy niższych wartościach wait trwa dłużej.</translation>
    </message>
    <message>
        <source>%1 ms frames, %2 a second</source>
        <translation>klatki po %1 ms, %2/s</translation>
    </message>
    <message>
        <source>%1: the server makes com_maxfps %2</source>
        <translation>%1: serwer wymusza com_maxfps %2</translation>
    </message>
    <message>
        <source>Stock server</source>
        <translation>Zwykły serwer</translation>
    </message>
    <message>
        <source>CoD2x competitive server</source>
        <translation>Serwer turniejowy CoD2x</translation>
    </message>
    <message>
        <source>A CoD2x server with competitive settings makes wait do nothing and keeps com_maxfps from 125 to 250.</source>
        <translation>Na serwerze CoD2x z ustawieniami turniejowymi wait nic nie robi, a com_maxfps jest utrzymywane między 125 a 250.</translation>
    </message>
    <message>
        <source>The server&apos;s sv_fps: the snapshots a second that show the others your name, 20 on most servers.</source>
        <translation>sv_fps serwera: liczba snapshotów na sekundę, które pokazują innym twój nick; na większości serwerów 20.</translation>
    </message>
    <message>
        <source>^8 shows in the color of the allied team, which depends on its nation; ^9 in the color of the axis team.</source>
        <translation>^8 ma kolor drużyny Aliantów, który zależy od jej narodowości; ^9 ma kolor drużyny Osi.</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Gra:</translation>
    </message>
    <message>
        <source>com_&amp;maxfps:</source>
        <translation>com_&amp;maxfps:</translation>
    </message>
    <message>
        <source>A&amp;llies:</source>
        <translation>A&amp;lianci:</translation>
    </message>
    <message>
        <source>Ser&amp;ver:</source>
        <translation>Ser&amp;wer:</translation>
    </message>
    <message>
        <source>s&amp;v_fps:</source>
        <translation>s&amp;v_fps:</translation>
    </message>
    <message>
        <source>Others see:</source>
        <translation>Inni widzą:</translation>
    </message>
    <message>
        <source>Keys the script binds:</source>
        <translation>Klawisze skryptu:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Wiersz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nick</translation>
    </message>
    <message>
        <source>Others see it</source>
        <translation>Inni go widzą</translation>
    </message>
    <message>
        <source>Put the second command on its &amp;own line</source>
        <translation>Przenieś &amp;drugie polecenie do osobnego wiersza</translation>
    </message>
    <message>
        <source>Names as the game shows them:</source>
        <translation>Nicki tak, jak pokazuje je gra:</translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation>Ostrzeżenia:</translation>
    </message>
    <message>
        <source>No change after this one.</source>
        <translation>Po tej zmianie nie ma już kolejnych.</translation>
    </message>
    <message>
        <source>A note: worth knowing, no fault.</source>
        <translation>To uwaga: warto o tym wiedzieć, ale to nie błąd.</translation>
    </message>
    <message>
        <source>never: replaced within its frame</source>
        <translation>nigdy: zastąpiony w tej samej klatce</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>od %1</translation>
    </message>
    <message>
        <source>never: it lasts less than a snapshot</source>
        <translation>nigdy: trwa krócej niż snapshot</translation>
    </message>
    <message>
        <source>Press %1: %2</source>
        <translation>Naciśnij %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>jeszcze %n</numerusform>
            <numerusform>jeszcze %n</numerusform>
            <numerusform>jeszcze %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Presses show: %1</source>
        <translation>Naciśnięcia pokazują: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>The script has run: press a key it binds.</source>
        <translation>Skrypt wykonany: naciśnij przypisany w nim klawisz.</translation>
    </message>
    <message>
        <source>The animation has ended.</source>
        <translation>Animacja się skończyła.</translation>
    </message>
    <message>
        <source>The loop has stopped: the game&apos;s command buffer is full.</source>
        <translation>Pętla się zatrzymała: bufor poleceń gry jest pełny.</translation>
    </message>
</context>
<context>
    <name>ScriptSaver</name>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation>Nie można zapisać %1:
%2</translation>
    </message>
</context>
<context>
    <name>SetNameLine</name>
    <message>
        <source>The game would not set the name</source>
        <translation>Gra nie ustawiłaby nicku</translation>
    </message>
    <message>
        <source>The game would set the name to %1</source>
        <translation>Gra ustawiłaby nick %1</translation>
    </message>
    <message>
        <source> and then run: %1</source>
        <translation> i wykonałaby potem: %1</translation>
    </message>
    <message>
        <source>, not to %1</source>
        <translation>, a nie %1</translation>
    </message>
</context>
<context>
    <name>TickTime</name>
    <message>
        <source>%1 s (%2 ticks)</source>
        <translation>%1 s (ticki: %2)</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
</context>
<context>
    <name>WarningText</name>
    <message>
        <source>closes the game</source>
        <translation>zamyka grę</translation>
    </message>
    <message>
        <source>removes every key binding, moving and firing included</source>
        <translation>usuwa wszystkie przypisania klawiszy, także ruchu i strzału</translation>
    </message>
    <message>
        <source>puts every setting back to its default</source>
        <translation>przywraca wszystkie ustawienia do domyślnych</translation>
    </message>
    <message>
        <source>shuts the server down</source>
        <translation>wyłącza serwer</translation>
    </message>
    <message>
        <source>leaves the server the player is on</source>
        <translation>rozłącza gracza z serwerem</translation>
    </message>
    <message>
        <source>When %1 is pressed: </source>
        <translation>Po naciśnięciu %1: </translation>
    </message>
    <message>
        <source>The script runs %1</source>
        <translation>Skrypt uruchamia %1</translation>
    </message>
    <message>
        <source>Pressing %1 starts %2</source>
        <translation>Naciśnięcie %1 uruchamia %2</translation>
    </message>
    <message>
        <source>A wait with a negative number stops the rest of the script for good (some versions of the game wait one tick instead). Use a positive number of ticks.</source>
        <translation>wait z ujemną liczbą na dobre zatrzymuje resztę skryptu (niektóre wersje gry czekają zamiast tego jeden tick). Podaj dodatnią liczbę ticków.</translation>
    </message>
    <message>
        <source>Two commands run together on one line: the game sets the whole &quot;%1&quot; as one value. Put &quot;%2&quot; on a line of its own.</source>
        <translation>Dwa polecenia zlewają się w jednym wierszu: gra ustawia całe „%1” jako jedną wartość. Przenieś „%2” do osobnego wiersza.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; takes %2 bytes; the game keeps %3 and cuts off &quot;%4&quot;. Use fewer letters or color codes.</source>
        <translation>Nick „%1” zajmuje %2 B; gra zachowuje %3 B i obcina „%4”. Użyj mniej liter lub kodów kolorów.</translation>
    </message>
    <message>
        <source>The game removes %1 from names: this one shows as &quot;%2&quot;. Leave them out.</source>
        <translation>Gra usuwa z nicków %1: ten nick pokaże się jako „%2”. Pomiń te znaki.</translation>
    </message>
    <message>
        <source>The script takes %1 bytes or more, more than the game&apos;s command buffer holds: exec runs none of it. Move part of it into a second script and exec that from this one.</source>
        <translation>Skrypt zajmuje %1 B lub więcej, czyli więcej, niż mieści bufor poleceń gry: exec nie wykona z niego nic. Przenieś część do drugiego skryptu i uruchom go poleceniem exec z tego skryptu.</translation>
    </message>
    <message>
        <source>A command here is longer than %1 bytes: the game cuts it there, loses the next byte and runs the rest as a command of its own. Split it into shorter commands.</source>
        <translation>Polecenie w tym miejscu jest dłuższe niż %1 B: gra je tam przecina, gubi następny bajt, a resztę wykonuje jako osobne polecenie. Podziel je na krótsze polecenia.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a leading %2 works only when typed in the console; in a script the game knows no such command. Write &quot;%3&quot;.</source>
        <translation>„%1”: znak %2 na początku działa tylko przy wpisywaniu w konsoli; w skrypcie gra nie zna takiego polecenia. Napisz „%3”.</translation>
    </message>
    <message>
        <source>%1 %2 when the script runs it. Leave it out of a name script.</source>
        <translation>%1 %2, gdy skrypt dojdzie do tego polecenia. Usuń je ze skryptu z nickiem.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a command of the game: it sends the line to the server, which shows it as chat or ignores it, unless a mod there knows it.</source>
        <translation>„%1” nie jest poleceniem gry: gra wysyła ten wiersz na serwer, który pokaże go jako czat albo zignoruje, chyba że zna go działający tam mod.</translation>
    </message>
    <message>
        <source> Did you mean &quot;%1&quot;?</source>
        <translation> Czy chodziło o „%1”?</translation>
    </message>
    <message>
        <source>This sets &quot;%1&quot;, which nothing reads. Did you mean &quot;%2&quot;?</source>
        <translation>To ustawia zmienną „%1”, której nic nie odczytuje. Czy chodziło o „%2”?</translation>
    </message>
    <message>
        <source>A character such as é or € outside quotes splits the words here: the game drops it and keeps the words around it apart. Put the value in quotes.</source>
        <translation>Znak taki jak é lub € poza cudzysłowem rozdziela tu słowa: gra go pomija, a słowa po obu jego stronach pozostają osobne. Ujmij wartość w cudzysłów.</translation>
    </message>
    <message>
        <source>A // comment ends at the &apos;;&apos; after it: the game runs &quot;%1&quot; as a command. Take out the &apos;;&apos; or start the rest with // too.</source>
        <translation>Komentarz // kończy się na następnym &apos;;&apos;: gra wykona „%1” jako polecenie. Usuń &apos;;&apos; albo zacznij resztę także od //.</translation>
    </message>
    <message>
        <source>A /* comment ends with its line: the game runs &quot;%1&quot; as a command. Start each line of the comment with // instead.</source>
        <translation>Komentarz /* kończy się wraz z wierszem: gra wykona „%1” jako polecenie. Zamiast tego zacznij każdy wiersz komentarza od //.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; sets nothing: the game&apos;s set takes a name and then a value, and COD&apos;s seta exactly one value. Give it its value, in quotes if it has spaces.</source>
        <translation>„%1” nic nie ustawia: set w grze przyjmuje nazwę, a po niej wartość, a seta w COD dokładnie jedną wartość. Podaj wartość, w cudzysłowie, jeśli zawiera spacje.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: wait reads its number only when nothing follows it, so it waits one tick and the rest runs nothing. Put a &apos;;&apos; or a line break after the number.</source>
        <translation>„%1”: wait odczytuje swoją liczbę tylko wtedy, gdy nic po niej nie następuje, więc czeka jeden tick, a reszta niczego nie wykonuje. Wstaw po liczbie &apos;;&apos; albo nowy wiersz.</translation>
    </message>
    <message>
        <source>This vstr runs again and again without a wait until it fills the game&apos;s command buffer of %1 bytes: the game hangs for a moment while it does, then the vstr fails and what is left in the buffer runs. Put a wait in the loop.</source>
        <translation>Ten vstr uruchamia się raz za razem bez wait, aż zapełni bufor poleceń gry (%1 B): gra na chwilę się przy tym zawiesza, potem vstr zawodzi i wykonuje się to, co zostało w buforze. Wstaw wait do pętli.</translation>
    </message>
    <message>
        <source>The variable set here holds more than %1 bytes: vstr runs only its first %1. Split it into two variables.</source>
        <translation>Ustawiana tutaj zmienna ma więcej niż %1 B: vstr wykona tylko jej pierwsze %1 B. Podziel ją na dwie zmienne.</translation>
    </message>
    <message>
        <source>The check stopped here after %1 commands and %2 without reaching the end: it cannot tell what the rest does in the game.</source>
        <translation>Sprawdzenie zatrzymało się tutaj po %1 poleceniach i %2, nie docierając do końca: nie wiadomo, co reszta zrobi w grze.</translation>
    </message>
    <message>
        <source>vstr %1 runs nothing until %2 is pressed, which sets %1. Press %2 first, or set %1 in the script itself.</source>
        <translation>vstr %1 nic nie wykona, dopóki nie zostanie naciśnięty %2, który ustawia %1. Najpierw naciśnij %2 albo ustaw %1 w samym skrypcie.</translation>
    </message>
    <message>
        <source>vstr %1 runs a variable that is not set at that moment, so nothing happens. Set %1 before this line, or check its spelling.</source>
        <translation>vstr %1 uruchamia zmienną, która w tym momencie nie jest ustawiona, więc nic się nie dzieje. Ustaw %1 przed tym wierszem albo sprawdź pisownię.</translation>
    </message>
    <message>
        <source>On a competitive server wait does nothing: what the script paces with it runs at once, so an animation shows only its last name there. Step through the names with a bound key instead, which works on every server.</source>
        <translation>Na serwerze turniejowym wait nic nie robi: to, co skrypt rozkłada w czasie za jego pomocą, wykonuje się od razu, więc animacja pokazuje tam tylko ostatni nick. Zamiast tego przełączaj nicki przypisanym klawiszem, co działa na każdym serwerze.</translation>
    </message>
    <message>
        <source>On a competitive server wait does nothing: this loop then runs again and again within one frame until it fills the game&apos;s command buffer, and the game freezes meanwhile. Step through the names with a bound key instead, which works on every server.</source>
        <translation>Na serwerze turniejowym wait nic nie robi: ta pętla wykonuje się wtedy raz za razem w jednej klatce, aż zapełni bufor poleceń gry, a gra w tym czasie się zawiesza. Zamiast tego przełączaj nicki przypisanym klawiszem, co działa na każdym serwerze.</translation>
    </message>
    <message>
        <source>While the script runs, for %1, your keys wait behind it: you cannot move, fire or chat until it ends. Step through the names with a bound key instead, which holds nothing back.</source>
        <translation>Dopóki skrypt działa, czyli przez %1, twoje klawisze czekają w kolejce za nim: do jego końca nie możesz się ruszać, strzelać ani pisać na czacie. Zamiast tego przełączaj nicki przypisanym klawiszem, co niczego nie wstrzymuje.</translation>
    </message>
    <message>
        <source>Others on the server see %1 of these %2 names: names that last less than one snapshot (%3 ms at sv_fps %4) are skipped (%5). Let each name last longer.</source>
        <translation>Inni na serwerze widzą %1 z tych %2 nicków: nicki trwające krócej niż jeden snapshot (%3 ms przy sv_fps %4) są pomijane (%5). Niech każdy nick trwa dłużej.</translation>
    </message>
    <message>
        <source>for as long as it runs, for ever</source>
        <translation>przez cały czas działania, czyli bez końca</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>przez %1</translation>
    </message>
    <message>
        <source>The names change as often as every %1, more often than every 0.8 s: the server&apos;s flood protection then ignores your chat, team chat and votes %2. Let each name last 0.8 s or more to keep chat working.</source>
        <translation>Nicki zmieniają się nawet co %1, czyli częściej niż co 0.8 s: ochrona serwera przed floodem ignoruje wtedy twój czat, czat drużynowy i głosy %2. Niech każdy nick trwa co najmniej 0.8 s, a czat będzie działał.</translation>
    </message>
    <message>
        <source>The script sends about %1 names a second. Each waits for the server to acknowledge it, and the client keeps %2 at most: a lag spike of %3 s fills them, and the game disconnects you. Let each name last longer.</source>
        <translation>Skrypt wysyła nicki w tempie około %1 na sekundę. Każdy czeka, aż serwer potwierdzi jego odbiór, a klient pomieści ich najwyżej %2: wystarczy skok lagu trwający %3 s, by zabrakło miejsca, a gra cię rozłączy. Niech każdy nick trwa dłużej.</translation>
    </message>
    <message>
        <source>In round-based modes (Search and Destroy and the like) the server takes a new name only at the next round: others see no animation there.</source>
        <translation>W trybach z rundami (Search and Destroy i podobnych) serwer przyjmuje nowy nick dopiero w następnej rundzie: inni nie zobaczą tam animacji.</translation>
    </message>
    <message>
        <source>The game saves the name you have when you leave in config_mp.cfg: whichever of these names shows then is your name at the next start.</source>
        <translation>Gra zapisuje w config_mp.cfg nick, który masz przy wyjściu: ten z tych nicków, który będzie wtedy widoczny, zostanie twoim nickiem przy następnym uruchomieniu.</translation>
    </message>
    <message>
        <source>The game saves the name you have when you leave in config_mp.cfg: after this script, &quot;%1&quot;, your name at the next start.</source>
        <translation>Gra zapisuje w config_mp.cfg nick, który masz przy wyjściu: po tym skrypcie jest to „%1”, twój nick przy następnym uruchomieniu.</translation>
    </message>
    <message>
        <source>lines %1 to %2: %3</source>
        <translation>wiersze od %1 do %2: %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>Read as a server&apos;s config: it sets %1. Warnings meant for name scripts, such as about map and killserver, are left out.</source>
        <translation>Odczytano jako config serwera: ustawia %1. Ostrzeżenia przeznaczone dla skryptów z nickami, np. o map i killserver, zostały pominięte.</translation>
    </message>
    <message>
        <source>No warnings: the script runs as written.</source>
        <translation>Brak ostrzeżeń: skrypt działa tak, jak go napisano.</translation>
    </message>
    <message numerus="yes">
        <source>lines %1 and %n more</source>
        <translation>
            <numerusform>wiersze %1 i %n inny</numerusform>
            <numerusform>wiersze %1 i %n inne</numerusform>
            <numerusform>wiersze %1 i %n innych</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>wiersz %1</translation>
    </message>
    <message>
        <source>lines %1 and %2</source>
        <translation>wiersze %1 i %2</translation>
    </message>
    <message>
        <source>These are not commands of the game in multiplayer: it sends each such line to the server, which shows it as chat or ignores it, unless a mod there knows it: %1. Leave them out; single-player and development commands do nothing here.</source>
        <translation>To nie są polecenia gry w trybie wieloosobowym: gra wysyła każdy taki wiersz na serwer, który pokaże go jako czat albo zignoruje, chyba że zna go działający tam mod: %1. Usuń je; polecenia trybu jednoosobowego i deweloperskie nic tu nie robią.</translation>
    </message>
    <message>
        <source>%1 is cheat-protected: on a server without sv_cheats 1, as every public server is, the game refuses to change it, so this does nothing there.</source>
        <translation>%1 jest chroniona przed cheatami: na serwerze bez sv_cheats 1, a takie są wszystkie publiczne, gra odmawia jej zmiany, więc to nic tam nie robi.</translation>
    </message>
    <message>
        <source>The server reads no &quot;%1&quot;: setting it changes nothing.</source>
        <translation>Serwer nie odczytuje „%1”: ustawienie tego nic nie zmienia.</translation>
    </message>
    <message>
        <source>The server reads %1 only as it starts, before it runs this config: setting it here changes nothing. Give it on the server&apos;s command line instead, as +set %1 and its value.</source>
        <translation>Serwer odczytuje %1 tylko przy starcie, zanim wykona ten config: ustawienie tego tutaj nic nie zmienia. Podaj to w wierszu poleceń serwera, jako +set %1 z wartością.</translation>
    </message>
    <message>
        <source>exec runs scripts that this check cannot see into: %1. Check those too.</source>
        <translation>exec uruchamia skrypty, do których to sprawdzenie nie zagląda: %1. Sprawdź również je.</translation>
    </message>
    <message>
        <source>This vstr runs again and again without a wait, some %2 times within one frame, until the line breaks each round leaves behind fill the game&apos;s command buffer of %1 bytes: the game hangs for a moment while it does, then the vstr fails and the rest of the script runs. Put a wait in the loop.</source>
        <translation>Ten vstr uruchamia się raz za razem bez wait, około %2 razy w jednej klatce, aż znaki końca wiersza zostawiane w każdym obiegu zapełnią bufor poleceń gry (%1 B): gra na chwilę się przy tym zawiesza, potem vstr zawodzi i wykonuje się reszta skryptu. Wstaw wait do pętli.</translation>
    </message>
    <message>
        <source> The game&apos;s comments start with //, not with #.</source>
        <translation> Komentarze w grze zaczynają się od //, a nie od #.</translation>
    </message>
    <message numerus="yes">
        <source>any of %n keys</source>
        <translation>
            <numerusform>dowolnego z %n klawisza</numerusform>
            <numerusform>dowolnego z %n klawiszy</numerusform>
            <numerusform>dowolnego z %n klawiszy</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 lub %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>a loop (%1) that repeats every %2, %3 times in all, until the line breaks each round leaves behind fill the game&apos;s command buffer and the loop stops, after %4. Until then the game does not answer keys or the console. Let the last step set the resting name without another vstr, or step through the frames with a bound key.</source>
        <translation>pętlę (%1), która powtarza się co %2, łącznie %3 razy, aż znaki końca wiersza zostawiane w każdym obiegu zapełnią bufor poleceń gry i pętla zatrzyma się po %4. Do tego czasu gra nie reaguje na klawisze ani na konsolę. Niech ostatni krok ustawia nick końcowy bez kolejnego vstr albo przełączaj klatki przypisanym klawiszem.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a command of the game: the server only prints &quot;Unknown command&quot; in its console, unless a mod there knows it.</source>
        <translation>„%1” nie jest poleceniem gry: serwer tylko wypisuje w swojej konsoli &quot;Unknown command&quot;, chyba że zna je działający tam mod.</translation>
    </message>
    <message>
        <source>These are not commands of the game: the server only prints &quot;Unknown command&quot; in its console for each, unless a mod there knows it: %1. Leave them out; single-player and development commands do nothing here.</source>
        <translation>To nie są polecenia gry: przy każdym z nich serwer tylko wypisuje w swojej konsoli &quot;Unknown command&quot;, chyba że zna je działający tam mod: %1. Usuń je; polecenia trybu jednoosobowego i deweloperskie nic tu nie robią.</translation>
    </message>
    <message>
        <source>%1 are cheat-protected: on a server without sv_cheats 1, as every public server is, the game refuses to change them, so this does nothing there.</source>
        <translation>%1 są chronione przed cheatami: na serwerze bez sv_cheats 1, a takie są wszystkie publiczne, gra odmawia ich zmiany, więc to nic tam nie robi.</translation>
    </message>
    <message>
        <source>The server reads %1 only as it starts, before it runs this config: setting them here changes nothing. Give them on the server&apos;s command line instead, each as +set, its name and its value.</source>
        <translation>Serwer odczytuje %1 tylko przy starcie, zanim wykona ten config: ustawianie ich tutaj nic nie zmienia. Podaj je w wierszu poleceń serwera, każdą zmienną jako +set z jej nazwą i wartością.</translation>
    </message>
    <message>
        <source>This toggles &quot;%1&quot;, which is no setting of the game: nothing happens. Did you mean &quot;%2&quot;?</source>
        <translation>To przełącza „%1”, a takiego ustawienia gra nie ma: nic się nie dzieje. Czy chodziło o „%2”?</translation>
    </message>
    <message>
        <source>%1 set nothing: the game&apos;s set takes a name and then a value, and COD&apos;s seta exactly one value. Give each its value, in quotes if it has spaces.</source>
        <translation>%1 nic nie ustawiają: set w grze przyjmuje nazwę, a po niej wartość, a seta w COD dokładnie jedną wartość. Podaj każdemu jego wartość, w cudzysłowie, jeśli zawiera spacje.</translation>
    </message>
    <message>
        <source>... and so on, %1 rounds in all: at %2 the game&apos;s command buffer is full and the loop stops.</source>
        <translation>... i tak dalej, łącznie %1 razy: po %2 bufor poleceń gry jest pełny i pętla się zatrzymuje.</translation>
    </message>
    <message>
        <source>It was saved as UTF-8, but this edition of the game reads %1: it shows each character such as é as two (Ã©). Open it in Tintmark, which reads it as UTF-8, and save it again.</source>
        <translation>Ten skrypt zapisano w UTF-8, a ta wersja gry czyta skrypty w kodowaniu %1: każdy znak taki jak é pokazuje jako dwa (Ã©). Otwórz go w programie Tintmark, który odczyta go jako UTF-8, i zapisz ponownie.</translation>
    </message>
</context>
<context>
    <name>frmEditor</name>
    <message>
        <source>Script</source>
        <translation>Skrypt</translation>
    </message>
    <message>
        <source>&amp;Open Script...</source>
        <translation>&amp;Otwórz skrypt...</translation>
    </message>
    <message>
        <source>&amp;Play and Check...</source>
        <translation>Odtwórz i &amp;sprawdź...</translation>
    </message>
    <message>
        <source>&amp;Insert Animation...</source>
        <translation>Wstaw a&amp;nimację...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz j&amp;ako...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>P&amp;lik</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <source>Scri&amp;pt</source>
        <translation>S&amp;krypt</translation>
    </message>
    <message>
        <source>New script, not saved yet</source>
        <translation>Nowy skrypt, jeszcze niezapisany</translation>
    </message>
    <message>
        <source>New script</source>
        <translation>Nowy skrypt</translation>
    </message>
    <message>
        <source>%1 - unsaved changes</source>
        <translation>%1 – niezapisane zmiany</translation>
    </message>
</context>
<context>
    <name>frmNameScript</name>
    <message>
        <source>Red, ^1</source>
        <translation>Czerwony, ^1</translation>
    </message>
    <message>
        <source>Green, ^2</source>
        <translation>Zielony, ^2</translation>
    </message>
    <message>
        <source>Yellow, ^3</source>
        <translation>Żółty, ^3</translation>
    </message>
    <message>
        <source>Blue, ^4</source>
        <translation>Niebieski, ^4</translation>
    </message>
    <message>
        <source>Cyan, ^5</source>
        <translation>Błękitny, ^5</translation>
    </message>
    <message>
        <source>Magenta, ^6</source>
        <translation>Purpurowy, ^6</translation>
    </message>
    <message>
        <source>White, ^7</source>
        <translation>Biały, ^7</translation>
    </message>
    <message>
        <source>Purple, ^8</source>
        <translation>Fioletowy, ^8</translation>
    </message>
    <message>
        <source>Gray, ^9</source>
        <translation>Szary, ^9</translation>
    </message>
    <message>
        <source>Black, ^0</source>
        <translation>Czarny, ^0</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nick gracza</translation>
    </message>
    <message>
        <source>The player name that the script sets in the game, with its color codes; the file&apos;s name is asked for at Save.</source>
        <translation>Nick gracza, który skrypt ustawia w grze, razem z kodami kolorów; o nazwę pliku program zapyta przy zapisie.</translation>
    </message>
    <message>
        <source>Tintmark does not save this name. %1.</source>
        <translation>Tintmark nie zapisze tego nicku. %1.</translation>
    </message>
    <message>
        <source>Name &gt; Remove What the Game Drops makes it %1, as the game shows it.</source>
        <translation>Polecenie Nick &gt; Usuń znaki pomijane przez grę zmieni go na %1, czyli tak, jak pokaże go gra.</translation>
    </message>
    <message>
        <source>The pasted command sets the name %1: the box holds the name alone.</source>
        <translation>Wklejone polecenie ustawia nick %1: w polu zostaje sam nick.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>P&amp;lik</translation>
    </message>
    <message>
        <source>&amp;Save the Name Script...</source>
        <translation>&amp;Zapisz skrypt z nickiem...</translation>
    </message>
    <message>
        <source>Add to the Script &amp;Editor</source>
        <translation>Dodaj do &amp;edytora skryptów</translation>
    </message>
    <message>
        <source>&amp;Open Script in the Editor...</source>
        <translation>&amp;Otwórz skrypt w edytorze...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command</source>
        <translation>Kopiuj &amp;jako polecenie konsoli</translation>
    </message>
    <message>
        <source>&amp;Remove What the Game Drops</source>
        <translation>&amp;Usuń znaki pomijane przez grę</translation>
    </message>
    <message>
        <source>&amp;Keep the Preview on Screen</source>
        <translation>&amp;Zostaw podgląd na ekranie</translation>
    </message>
    <message>
        <source>Color the &amp;Whole Name</source>
        <translation>Pokoloruj cały &amp;nick</translation>
    </message>
    <message>
        <source>&amp;Names from the Games</source>
        <translation>Nicki z &amp;gier</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <translation>Nic&amp;k</translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command (type a name first)</source>
        <translation>Kopiuj &amp;jako polecenie konsoli (najpierw wpisz nick)</translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command (the game would not set this name)</source>
        <translation>Kopiuj &amp;jako polecenie konsoli (gra nie ustawiłaby tego nicku)</translation>
    </message>
    <message>
        <source>&amp;Remove What the Game Drops (no quote, ; or \ to remove)</source>
        <translation>&amp;Usuń znaki pomijane przez grę (nie ma cudzysłowu, ; ani \ do usunięcia)</translation>
    </message>
    <message>
        <source>&amp;Names from the Games (no game config found)</source>
        <translation>Nicki z &amp;gier (nie znaleziono configu gry)</translation>
    </message>
    <message>
        <source>&amp;Rainbow</source>
        <translation>&amp;Tęcza</translation>
    </message>
    <message>
        <source>&amp;Gradient</source>
        <translation>&amp;Gradient</translation>
    </message>
    <message>
        <source>&amp;Gradient (click two swatches first)</source>
        <translation>&amp;Gradient (najpierw kliknij dwa pola kolorów)</translation>
    </message>
    <message>
        <source>In the colors of the codes the name holds, in their order: click the swatches first. A rainbow of six colors without them.</source>
        <translation>W kolorach kodów, które zawiera nick, w ich kolejności: najpierw kliknij pola kolorów. Bez nich tęcza z sześciu kolorów.</translation>
    </message>
    <message>
        <source>Type the name first</source>
        <translation>Najpierw wpisz nick</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No edition of the game can show %1: names hold the letters of one 8-bit code page, which has no emoji or Asian characters.</source>
        <translation>Żadna wersja gry nie może pokazać %1: nicki mogą mieć tylko litery jednej 8-bitowej strony kodowej, a w niej nie ma emoji ani znaków azjatyckich.</translation>
    </message>
    <message>
        <source>Leave Out What the Edition Cannot Show</source>
        <translation>Pomiń znaki, których ta wersja gry nie pokaże</translation>
    </message>
    <message>
        <source>Spell It “%1”</source>
        <translation>Napisz „%1”</translation>
    </message>
    <message>
        <source>This edition of the game cannot show %1: click to write the name in letters it can.</source>
        <translation>Ta wersja gry nie może pokazać %1: kliknij, aby napisać nick literami, które potrafi pokazać.</translation>
    </message>
    <message>
        <source>The box holds %1 characters: the paste was cut after “%2”, and “%3” was left out.</source>
        <translation>Pole mieści %1 znaków: wklejony tekst ucięto po „%2”, a „%3” pominięto.</translation>
    </message>
    <message>
        <source>&amp;Names from the Games (no game found)</source>
        <translation>Nicki z &amp;gier (nie znaleziono gry)</translation>
    </message>
    <message>
        <source>&amp;Names from the Games (no name in their configs)</source>
        <translation>Nicki z &amp;gier (brak nicka w ich configach)</translation>
    </message>
</context>
</TS>
