<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AnimationDialog</name>
    <message>
        <source>Insert Animation</source>
        <translation>Animation einfügen</translation>
    </message>
    <message>
        <source>Color cycle: the whole name through the colors</source>
        <translation>Farbwechsel: der ganze Name durchläuft die Farben</translation>
    </message>
    <message>
        <source>Chase: one letter in the first color, moving along</source>
        <translation>Lauflicht: ein Buchstabe in der ersten Farbe wandert durch den Namen</translation>
    </message>
    <message>
        <source>Typewriter: the letters appear one by one</source>
        <translation>Schreibmaschine: die Buchstaben erscheinen nacheinander</translation>
    </message>
    <message>
        <source>Rainbow shift: the letters&apos; colors move along</source>
        <translation>Regenbogenlauf: die Farben der Buchstaben wandern weiter</translation>
    </message>
    <message>
        <source>Blink: the name in the first color and at rest</source>
        <translation>Blinken: der Name abwechselnd in der ersten Farbe und im Ruhezustand</translation>
    </message>
    <message>
        <source> ticks</source>
        <translation> Ticks</translation>
    </message>
    <message>
        <source>com_maxfps </source>
        <translation>com_maxfps </translation>
    </message>
    <message>
        <source>C&amp;hat-safe pace</source>
        <translation>C&amp;hat-sicheres Tempo</translation>
    </message>
    <message>
        <source>Each frame lasts 0.8 s or more: the server&apos;s flood protection then lets your chat through.</source>
        <translation>Jedes Bild bleibt 800 ms oder länger stehen: Dann lässt der Flood-Schutz des Servers deinen Chat durch.</translation>
    </message>
    <message>
        <source>at</source>
        <translation>bei</translation>
    </message>
    <message>
        <source>Play once, then rest on the name</source>
        <translation>Einmal abspielen, dann im Ruhezustand bleiben</translation>
    </message>
    <message>
        <source>One step for each press of a key</source>
        <translation>Ein Schritt pro Tastendruck</translation>
    </message>
    <message>
        <source>Your keys, moving and firing included, wait behind the script while it plays.</source>
        <translation>Deine Tasten, auch Laufen und Schießen, warten, solange das Skript läuft.</translation>
    </message>
    <message>
        <source>Holds none of your keys back; chat goes through when the presses are more than 0.8 s apart.</source>
        <translation>Hält keine deiner Tasten zurück; der Chat kommt durch, wenn zwischen den Tastendrücken mehr als 800 ms liegen.</translation>
    </message>
    <message>
        <source>Begins the names of the variables the script sets, so that two animations in one script keep apart.</source>
        <translation>Präfix für die Namen der Variablen, die das Skript setzt, damit sich zwei Animationen in einem Skript nicht in die Quere kommen.</translation>
    </message>
    <message>
        <source>No endless timed loop: a vstr loop with waits holds back every key you press, the key to stop it included, for as long as it runs. To keep a name moving while you play, step it with a key.</source>
        <translation>Keine zeitgesteuerte Endlosschleife: Eine vstr-Schleife mit wait hält jede Taste zurück, die du drückst, auch die zum Anhalten, und zwar so lange, wie sie läuft. Soll sich ein Name beim Spielen weiterbewegen, schalte ihn per Taste weiter.</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Taste:</translation>
    </message>
    <message>
        <source>Variables begin with:</source>
        <translation>Variablen beginnen mit:</translation>
    </message>
    <message>
        <source>Codes only where the color changes</source>
        <translation>Codes nur bei Farbwechsel</translation>
    </message>
    <message>
        <source>Color at most </source>
        <translation>Höchstens </translation>
    </message>
    <message>
        <source> letters</source>
        <translation> Buchstaben färben</translation>
    </message>
    <message>
        <source>Use a &amp;shorter form</source>
        <translation>&amp;Kürzere Form verwenden</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>Ein&amp;fügen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Effect:</source>
        <translation>&amp;Effekt:</translation>
    </message>
    <message>
        <source>Colors:</source>
        <translation>Farben:</translation>
    </message>
    <message>
        <source>&amp;Delay:</source>
        <translation>&amp;Wartezeit:</translation>
    </message>
    <message>
        <source>&amp;Plays:</source>
        <translation>&amp;Ablauf:</translation>
    </message>
    <message>
        <source>Shorter:</source>
        <translation>Kürzer:</translation>
    </message>
    <message>
        <source>= %1</source>
        <translation>= %1</translation>
    </message>
    <message>
        <source>Every frame looks the same: the name already shows these colors. Pick another color or effect.</source>
        <translation>Alle Bilder sehen gleich aus: Der Name zeigt diese Farben schon. Wähle eine andere Farbe oder einen anderen Effekt.</translation>
    </message>
    <message>
        <source>%1 names (%2 frames and the name at rest), %3 lines, %4 bytes; the longest name takes %5 of %6 bytes.</source>
        <translation>%1 Namen (%2 Bilder und der Name im Ruhezustand), %3 Zeilen, %4 Bytes; der längste Name belegt %5 von %6 Bytes.</translation>
    </message>
    <message>
        <source>One frame a press: it holds none of your keys back and works on every server; chat goes through when you press it more than 0.8 s apart.</source>
        <translation>Ein Bild pro Tastendruck: Das hält keine deiner Tasten zurück und funktioniert auf jedem Server; der Chat kommt durch, wenn zwischen deinen Tastendrücken mehr als 800 ms liegen.</translation>
    </message>
    <message>
        <source>Your game&apos;s config binds %1 to &quot;%2&quot;: this script binds it anew, and %1 no longer does that.</source>
        <translation>Die Config deines Spiels belegt %1 mit &quot;%2&quot;: Dieses Skript belegt die Taste neu, und %1 tut das dann nicht mehr.</translation>
    </message>
    <message>
        <source>Others on the server miss frames: they see only names that last a snapshot (%1 ms at sv_fps %2) or more.</source>
        <translation>Andere auf dem Server verpassen Bilder: Sie sehen nur Namen, die mindestens einen Snapshot lang (%1 ms bei sv_fps %2) stehen bleiben.</translation>
    </message>
    <message>
        <source>Others on the server see every frame.</source>
        <translation>Andere auf dem Server sehen jedes Bild.</translation>
    </message>
    <message>
        <source>Your chat is dropped while it plays: frames under 0.8 s set off the server&apos;s flood protection.</source>
        <translation>Dein Chat geht verloren, solange die Animation läuft: Bilder unter 800 ms lösen den Flood-Schutz des Servers aus.</translation>
    </message>
    <message>
        <source>Chat keeps working.</source>
        <translation>Der Chat funktioniert weiter.</translation>
    </message>
    <message>
        <source>Your keys wait behind it while it plays, for %1.</source>
        <translation>Deine Tasten warten, solange die Animation läuft: %1.</translation>
    </message>
</context>
<context>
    <name>AnimationGenerator</name>
    <message>
        <source>The game would not show frame %1 as made: it would set the name to &quot;%2&quot; instead of &quot;%3&quot;.</source>
        <translation>Das Spiel würde Bild %1 anders zeigen als erstellt: Es würde den Namen auf &quot;%2&quot; statt auf &quot;%3&quot; setzen.</translation>
    </message>
    <message>
        <source>The name has no letters to animate.</source>
        <translation>Der Name hat keine Buchstaben, die sich animieren lassen.</translation>
    </message>
    <message>
        <source>Names with &quot;, ; or \ cannot be animated: the games refuse them.</source>
        <translation>Namen mit &quot;, ; oder \ lassen sich nicht animieren: Die Spiele lehnen sie ab.</translation>
    </message>
    <message>
        <source>Choose at least one color.</source>
        <translation>Wähle mindestens eine Farbe.</translation>
    </message>
    <message>
        <source>Name the key as the game names it, such as F5 or k.</source>
        <translation>Gib die Taste so an, wie das Spiel sie nennt, etwa F5 oder k.</translation>
    </message>
    <message>
        <source>The prefix of the variables takes letters, digits and _ only.</source>
        <translation>Das Präfix der Variablen darf nur Buchstaben, Ziffern und _ enthalten.</translation>
    </message>
    <message>
        <source>The longest frame takes %1 bytes; the game keeps %2 and cuts off the rest.</source>
        <translation>Das längste Bild belegt %1 Bytes; das Spiel behält %2 und schneidet den Rest ab.</translation>
    </message>
</context>
<context>
    <name>CfgFileDialog</name>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1-Datei</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Tintmark</source>
        <translation>Tintmark</translation>
    </message>
    <message>
        <source>The script has changes that are not saved. Open another script in its place and lose them?</source>
        <translation>Das Skript hat ungespeicherte Änderungen. Stattdessen ein anderes Skript öffnen und die Änderungen verlieren?</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>Recover the unsaved script from %1?</source>
        <translation>Ungespeichertes Skript vom %1 wiederherstellen?</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>%1 is far larger than a script: the game reads at most 65,536 bytes of one. Open it all the same?</source>
        <translation>%1 ist weit größer als ein Skript: Das Spiel liest von einem Skript höchstens 65536 Bytes. Trotzdem öffnen?</translation>
    </message>
    <message>
        <source>%1 was saved as UTF-8, but this edition of the game reads %2: it shows each character such as é as two (Ã©). Open it as UTF-8, to save it again as the game reads it?</source>
        <translation>%1 wurde als UTF-8 gespeichert, aber diese Sprachversion des Spiels liest %2: Sie zeigt jedes Zeichen wie é als zwei (Ã©). Als UTF-8 öffnen, um es wieder so zu speichern, wie das Spiel es liest?</translation>
    </message>
    <message>
        <source>The edition has no letter for some of its characters; Tintmark spells them in letters it has: %1.</source>
        <translation>Die Sprachversion hat für einige Zeichen darin keinen Buchstaben; Tintmark schreibt sie mit Buchstaben, die sie hat: %1.</translation>
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
        <translation>Änderungen am neuen Skript speichern?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>This folder cannot be written. Save the script in another one, such as your documents?</source>
        <translation>In diesen Ordner kann nicht geschrieben werden. Das Skript in einem anderen speichern, etwa in deinen Dokumenten?</translation>
    </message>
    <message>
        <source>Save &amp;Elsewhere...</source>
        <translation>&amp;Woanders speichern...</translation>
    </message>
</context>
<context>
    <name>CfgReader</name>
    <message>
        <source>It is a folder, not a script.</source>
        <translation>Das ist ein Ordner, kein Skript.</translation>
    </message>
    <message>
        <source>It is not a file but a pipe, a device or a socket; scripts are files.</source>
        <translation>Das ist keine Datei, sondern eine Pipe, ein Gerät oder ein Socket; Skripte sind Dateien.</translation>
    </message>
    <message>
        <source>The file is %1 MiB, far larger than any script (the games read at most 64 KiB of one).</source>
        <translation>Die Datei ist %1 MiB groß, weit größer als jedes Skript (die Spiele lesen von einem Skript höchstens 64 KiB).</translation>
    </message>
    <message>
        <source>Reading stopped partway: %1</source>
        <translation>Lesen vorzeitig abgebrochen: %1</translation>
    </message>
    <message>
        <source>This is not a script: it holds the byte 0x%1 at offset %2, which text does not hold.</source>
        <translation>Das ist kein Skript: Es enthält bei Offset %2 das Byte 0x%1, das in Text nicht vorkommt.</translation>
    </message>
</context>
<context>
    <name>CfgWriter</name>
    <message>
        <source>No file name was given.</source>
        <translation>Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>The script could not be written completely.</source>
        <translation>Das Skript konnte nicht vollständig geschrieben werden.</translation>
    </message>
    <message>
        <source>The text holds the character %1, which a script cannot hold: this edition of the game reads scripts in %2. Nothing was saved; replace that character and save again.</source>
        <translation>Der Text enthält das Zeichen %1, das ein Skript nicht enthalten kann: Diese Sprachversion des Spiels liest Skripte in %2. Es wurde nichts gespeichert; ersetze das Zeichen und speichere noch einmal.</translation>
    </message>
</context>
<context>
    <name>CheckReport</name>
    <message>
        <source>Names in %1 at com_maxfps %2, frames of %3 ms, %4 frames a second:</source>
        <translation>Namen in %1 bei com_maxfps %2, Frames von %3 ms, %4 Frames pro Sekunde:</translation>
    </message>
    <message>
        <source>From %1 the script&apos;s own com_maxfps %2 holds: frames of %3 ms.</source>
        <translation>Ab %1 gilt com_maxfps %2 aus dem Skript: Frames von %3 ms.</translation>
    </message>
    <message>
        <source>The script sets no name.</source>
        <translation>Das Skript setzt keinen Namen.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>Keys it binds, and the names their presses show:</source>
        <translation>Tasten, die es belegt, und die Namen, die ein Druck darauf zeigt:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>kein Name</translation>
    </message>
    <message numerus="yes">
        <source>%n other keys show no name, and the warnings say nothing of them.</source>
        <translation>
            <numerusform>%n weitere Taste zeigt keinen Namen, und die Warnungen erwähnen sie nicht.</numerusform>
            <numerusform>%n weitere Tasten zeigen keinen Namen, und die Warnungen erwähnen sie nicht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Names as others on the server see them, at sv_fps %1 (a snapshot every %2 ms):</source>
        <translation>Namen, wie andere auf dem Server sie sehen, bei sv_fps %1 (ein Snapshot alle %2 ms):</translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation>Warnungen:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Hinweise:</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Central European</source>
        <translation>mitteleuropäische</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>kyrillische</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>westeuropäische</translation>
    </message>
</context>
<context>
    <name>ColorCodes</name>
    <message>
        <source>American</source>
        <translation>Amerikaner</translation>
    </message>
    <message>
        <source>British</source>
        <translation>Briten</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russen</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>white</source>
        <translation>weiß</translation>
    </message>
    <message>
        <source>the allied team&apos;s color</source>
        <translation>die Farbe des alliierten Teams</translation>
    </message>
    <message>
        <source>the axis team&apos;s grey</source>
        <translation>das Grau des Achsen-Teams</translation>
    </message>
    <message>
        <source>The game shows ^6 magenta; its swatch is dark red.</source>
        <translation>Das Spiel zeigt ^6 in Magenta; das Farbfeld hier ist dunkelrot.</translation>
    </message>
    <message>
        <source>In COD 2, ^8 shows in the allied team&apos;s color (green for the Americans, blue for the British, red for the Russians); COD removes it.</source>
        <translation>In COD 2 erscheint ^8 in der Farbe des alliierten Teams (grün bei den Amerikanern, blau bei den Briten, rot bei den Russen); COD entfernt den Code.</translation>
    </message>
    <message>
        <source>^9 shows in the axis team&apos;s grey.</source>
        <translation>^9 erscheint im Grau des Achsen-Teams.</translation>
    </message>
    <message>
        <source>The game removes ^0 from names.</source>
        <translation>Das Spiel entfernt ^0 aus Namen.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Tintmark makes colored player names for COD and COD 2. Without options it opens its window, and a script given as FILE in the script editor.</source>
        <translation>Tintmark erstellt farbige Spielernamen für COD und COD 2. Ohne Optionen öffnet es sein Fenster und ein als DATEI angegebenes Skript im Skript-Editor.</translation>
    </message>
    <message>
        <source>Shows these options.</source>
        <translation>Zeigt diese Optionen an.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s name and version.</source>
        <translation>Zeigt Namen und Version des Programms an.</translation>
    </message>
    <message>
        <source>Checks the scripts without opening a window: the names each sets with their times, then its warnings with line numbers. Exit status 0 when no script has a warning, 1 when one has, 2 when a file cannot be read.</source>
        <translation>Prüft die Skripte, ohne ein Fenster zu öffnen: die Namen, die jedes setzt, mit ihren Zeiten, dann seine Warnungen mit Zeilennummern. Exit-Status 0, wenn kein Skript eine Warnung hat, 1, wenn eines eine hat, 2, wenn eine Datei nicht gelesen werden kann.</translation>
    </message>
    <message>
        <source>GAME</source>
        <translation>SPIEL</translation>
    </message>
    <message>
        <source>With --check: the server the player is on: stock (the default), or competitive for a CoD2x server with competitive settings, where wait does nothing and com_maxfps is 125 to 250.</source>
        <translation>Mit --check: der Server, auf dem gespielt wird: stock (Standard) oder competitive für einen CoD2x-Server mit Wettkampfeinstellungen, auf dem wait nichts bewirkt und com_maxfps zwischen 125 und 250 liegt.</translation>
    </message>
    <message>
        <source>SERVER</source>
        <translation>SERVER</translation>
    </message>
    <message>
        <source>With --check: the server&apos;s sv_fps, the snapshots a second that show others the names: 20 (the default), from %1 to %2.</source>
        <translation>Mit --check: sv_fps des Servers, also die Snapshots pro Sekunde, die anderen die Namen zeigen: 20 (Standard), von %1 bis %2.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>With --check: the player&apos;s com_maxfps, from 0 to %1; without it, the one the game&apos;s config in the script&apos;s folder sets, else the installed games&apos; configs, else %2.</source>
        <translation>Mit --check: com_maxfps des Spielers, von 0 bis %1; ohne diese Option der Wert aus der Config des Spiels im Ordner des Skripts, sonst aus den Configs der installierten Spiele, sonst %2.</translation>
    </message>
    <message>
        <source>The script to open, or with --check the scripts to check.</source>
        <translation>Das zu öffnende Skript oder mit --check die zu prüfenden Skripte.</translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation>[DATEI...]</translation>
    </message>
    <message>
        <source>--check needs at least one script.</source>
        <translation>--check braucht mindestens ein Skript.</translation>
    </message>
    <message>
        <source>--server takes stock or competitive, not %1.</source>
        <translation>--server erwartet stock oder competitive, nicht %1.</translation>
    </message>
    <message>
        <source>--sv-fps takes a number from %1 to %2, not %3.</source>
        <translation>--sv-fps erwartet eine Zahl von %1 bis %2, nicht %3.</translation>
    </message>
    <message>
        <source>--maxfps takes a number from 0 to %1, not %2.</source>
        <translation>--maxfps erwartet eine Zahl von 0 bis %1, nicht %2.</translation>
    </message>
    <message>
        <source>With --check: the language of the game&apos;s edition, which decides the letters it reads scripts in: %1; without it, the edition of the game whose folder holds the script, else the one chosen in the windows.</source>
        <translation>Mit --check: die Sprache der Sprachversion des Spiels, die bestimmt, in welchen Buchstaben es Skripte liest: %1; ohne diese Option die Sprachversion des Spiels, in dessen Ordner das Skript liegt, sonst die in den Fenstern gewählte.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Usage: tintmark [FILE | --check [--game GAME] [--server SERVER] [--sv-fps N] [--maxfps N] [--language NAME] FILE... | --version | --help]</source>
        <translation>Aufruf: tintmark [DATEI | --check [--game SPIEL] [--server SERVER] [--sv-fps N] [--maxfps N] [--language NAME] DATEI... | --version | --help]</translation>
    </message>
    <message>
        <source>--language takes %1, not %2.</source>
        <translation>--language erwartet %1, nicht %2.</translation>
    </message>
    <message>
        <source>With --check: the game whose console runs the scripts: cod2 (the default), cod1.3, cod1.1 or uo (United Offensive).</source>
        <translation>Mit --check: das Spiel, dessen Konsole die Skripte ausführt: cod2 (Standard), cod1.3, cod1.1 oder uo (United Offensive).</translation>
    </message>
    <message>
        <source>--game takes cod2, cod1.3, cod1.1 or uo, not %1.</source>
        <translation>--game erwartet cod2, cod1.3, cod1.1 oder uo, nicht %1.</translation>
    </message>
</context>
<context>
    <name>EditionMenu</name>
    <message>
        <source>Game &amp;Edition</source>
        <translation>Sprach&amp;version des Spiels</translation>
    </message>
    <message>
        <source>As the Game Installed</source>
        <translation>Wie das installierte Spiel</translation>
    </message>
    <message>
        <source>The edition of the game Tintmark finds on this computer.</source>
        <translation>Die Sprachversion des Spiels, die Tintmark auf diesem Computer findet.</translation>
    </message>
    <message>
        <source>%1 (%2 letters)</source>
        <translation>%1 (%2 Buchstaben)</translation>
    </message>
    <message>
        <source>As the Game Installed (%1)</source>
        <translation>Wie das installierte Spiel (%1)</translation>
    </message>
    <message>
        <source>As the Game Installed (none found: English)</source>
        <translation>Wie das installierte Spiel (keines gefunden: Englisch)</translation>
    </message>
</context>
<context>
    <name>GameLanguage</name>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>British English</source>
        <translation>Britisches Englisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
</context>
<context>
    <name>GameLetters</name>
    <message>
        <source>in COD 2&apos;s own letters</source>
        <translation>in den Buchstaben von COD 2 selbst</translation>
    </message>
    <message>
        <source>the game&apos;s font was not found</source>
        <translation>die Schrift des Spiels wurde nicht gefunden</translation>
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
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Using the Script in the &amp;Game</source>
        <translation>Skript im &amp;Spiel verwenden</translation>
    </message>
    <message>
        <source>Using the Script in the Game</source>
        <translation>Skript im Spiel verwenden</translation>
    </message>
    <message>
        <source>What the &amp;Color Codes Do</source>
        <translation>Was die &amp;Farbcodes bewirken</translation>
    </message>
    <message>
        <source>What the Color Codes Do</source>
        <translation>Was die Farbcodes bewirken</translation>
    </message>
    <message>
        <source>&amp;About Tintmark...</source>
        <translation>Über &amp;Tintmark...</translation>
    </message>
    <message>
        <source>About &amp;Qt...</source>
        <translation>Über &amp;Qt...</translation>
    </message>
    <message>
        <source>&lt;li&gt;%1: &lt;code&gt;%2&lt;/code&gt;&lt;/li&gt;</source>
        <translation>&lt;li&gt;%1: &lt;code&gt;%2&lt;/code&gt;&lt;/li&gt;</translation>
    </message>
    <message>
        <source>Tintmark found no game on this computer. The main folder is the folder &lt;code&gt;main&lt;/code&gt; in the folder the game is installed in.</source>
        <translation>Tintmark hat auf diesem Computer kein Spiel gefunden. Der main-Ordner ist der Ordner &lt;code&gt;main&lt;/code&gt; im Installationsordner des Spiels.</translation>
    </message>
    <message>
        <source>Tintmark found:&lt;ul&gt;%1&lt;/ul&gt;</source>
        <translation>Tintmark hat gefunden:&lt;ul&gt;%1&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;Save the script into the game&apos;s &lt;b&gt;main&lt;/b&gt; folder. %1&lt;/li&gt;&lt;li&gt;Start the game, open the console with &lt;b&gt;~&lt;/b&gt; and type &lt;code&gt;%2&lt;/code&gt;%3.&lt;/li&gt;&lt;li&gt;A script that binds keys, such as an animated name that plays on a key, starts when you press that key.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;The notice after a save shows the command for that script, ready to copy.&lt;/p&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;Speichere das Skript im &lt;b&gt;main&lt;/b&gt;-Ordner des Spiels. %1&lt;/li&gt;&lt;li&gt;Starte das Spiel, öffne die Konsole mit &lt;b&gt;~&lt;/b&gt; und gib ein: &lt;code&gt;%2&lt;/code&gt;%3.&lt;/li&gt;&lt;li&gt;Ein Skript, das Tasten belegt, etwa ein animierter Name, der per Tastendruck abläuft, startet, wenn du diese Taste drückst.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Die Meldung nach dem Speichern zeigt den Befehl für dieses Skript, fertig zum Kopieren.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>, with the name you saved</source>
        <translation>, mit dem Dateinamen, unter dem du gespeichert hast</translation>
    </message>
    <message>
        <source>&lt;p&gt;A caret and a digit color the letters after them in the game:&lt;/p&gt;&lt;table cellspacing=&quot;4&quot;&gt;%1&lt;/table&gt;&lt;p&gt;A caret and any other character is a code too: COD 2 shows the letters after it white. A caret before another caret shows as it is.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ein ^ und eine Ziffer färben im Spiel die Buchstaben dahinter:&lt;/p&gt;&lt;table cellspacing=&quot;4&quot;&gt;%1&lt;/table&gt;&lt;p&gt;Ein ^ mit einem anderen Zeichen ist ebenfalls ein Code: COD 2 zeigt die Buchstaben dahinter weiß. Ein ^ vor einem weiteren ^ erscheint unverändert.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Tintmark</source>
        <translation>Über Tintmark</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tintmark %1&lt;/h3&gt;&lt;p&gt;Colored player names and name scripts for COD and COD 2.&lt;/p&gt;&lt;p&gt;Tintmark is free software under the GNU General Public License, version 3 or later. It comes with no warranty.&lt;/p&gt;&lt;p&gt;Built with Qt %2, used under the GNU Lesser General Public License, version 3.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tintmark %1&lt;/h3&gt;&lt;p&gt;Farbige Spielernamen und Namensskripte für COD und COD 2.&lt;/p&gt;&lt;p&gt;Tintmark ist freie Software unter der GNU General Public License, Version 3 oder neuer. Es wird ohne jede Gewährleistung bereitgestellt.&lt;/p&gt;&lt;p&gt;Erstellt mit Qt %2, verwendet unter der GNU Lesser General Public License, Version 3.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The preview draws the name in COD 2&apos;s own letters, read from the game&apos;s files, when Tintmark finds COD 2 on this computer, and says so below the name. Without the game, or when its font cannot be read, it draws the name in the desktop&apos;s letters, which are only near the game&apos;s.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Vorschau zeichnet den Namen in den Buchstaben von COD 2 selbst, aus den Dateien des Spiels gelesen, wenn Tintmark COD 2 auf diesem Rechner findet, und sagt das unter dem Namen. Ohne das Spiel, oder wenn seine Schrift nicht gelesen werden kann, zeichnet sie den Namen in den Buchstaben des Desktops, die denen des Spiels nur nahekommen.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Tintmark speaks %1 from its next start.</source>
        <translation>Tintmark spricht ab dem nächsten Start %1.</translation>
    </message>
    <message>
        <source>The System&apos;s Language</source>
        <translation>Systemsprache</translation>
    </message>
</context>
<context>
    <name>NamePreview</name>
    <message>
        <source>COD 2 cuts off the end:</source>
        <translation>COD 2 schneidet das Ende ab:</translation>
    </message>
    <message>
        <source>The games refuse %1 in a name.</source>
        <translation>Die Spiele lehnen %1 in einem Namen ab.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>the Latin letter “%1”</source>
        <translation>den lateinischen Buchstaben „%1“</translation>
    </message>
    <message>
        <source>the Cyrillic letter “%1”</source>
        <translation>den kyrillischen Buchstaben „%1“</translation>
    </message>
    <message>
        <source>the Greek letter “%1”</source>
        <translation>den griechischen Buchstaben „%1“</translation>
    </message>
    <message>
        <source>the character “%1”</source>
        <translation>das Zeichen „%1“</translation>
    </message>
    <message>
        <source>the character U+%1</source>
        <translation>das Zeichen U+%1</translation>
    </message>
    <message>
        <source>Leave it out.</source>
        <translation>Lass es weg.</translation>
    </message>
    <message>
        <source>Spell it “%1” (Name menu, or the button at the end of the name box).</source>
        <translation>Schreib „%1“ (Menü „Name“ oder die Schaltfläche am Ende des Namensfelds).</translation>
    </message>
    <message>
        <source>This edition of the game cannot show %1: its names hold %2 letters (%3).</source>
        <translation>Diese Sprachversion des Spiels kann %1 nicht anzeigen: Sie kennt in Namen nur %2 Buchstaben (%3).</translation>
    </message>
    <message>
        <source>Players of editions with %1 letters see:</source>
        <translation>Spieler mit einer Sprachversion, die %1 Buchstaben verwendet, sehen:</translation>
    </message>
</context>
<context>
    <name>PinnedPreview</name>
    <message>
        <source>Tintmark Preview</source>
        <translation>Tintmark-Vorschau</translation>
    </message>
</context>
<context>
    <name>RecentScripts</name>
    <message>
        <source>No scripts opened or saved yet</source>
        <translation>Noch keine Skripte geöffnet oder gespeichert</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
</context>
<context>
    <name>SaveNotice</name>
    <message>
        <source>Copy %1</source>
        <translation>%1 kopieren</translation>
    </message>
    <message>
        <source>Saved %1 in the %2 folder of %3.</source>
        <translation>%1 im %2-Ordner von %3 gespeichert.</translation>
    </message>
    <message>
        <source>Windows keeps it for the game in %1, since the game&apos;s own folder is protected; the game finds it there.</source>
        <translation>Windows legt die Datei für das Spiel in %1 ab, weil der Ordner des Spiels geschützt ist; das Spiel findet sie dort.</translation>
    </message>
    <message>
        <source>In the game, open the console (~) and type: %1</source>
        <translation>Öffne im Spiel die Konsole (~) und gib ein: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
    <message>
        <source>Put it in the game&apos;s main folder first, then in the game open the console (~) and type: %1</source>
        <translation>Leg die Datei zuerst in den main-Ordner des Spiels, öffne dann im Spiel die Konsole (~) und gib ein: %1</translation>
    </message>
    <message>
        <source>Put it in the main folder of %1 first (%2), then in the game open the console (~) and type: %3</source>
        <translation>Leg die Datei zuerst in den main-Ordner von %1 (%2), öffne dann im Spiel die Konsole (~) und gib ein: %3</translation>
    </message>
    <message>
        <source>Then press %1 to play it.</source>
        <translation>Drück dann %1, um es abzuspielen.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>The checker warns: %1</source>
        <translation>Die Prüfung warnt: %1</translation>
    </message>
    <message numerus="yes">
        <source>The checker finds %n warnings: Play and Check (F5) in the editor lists them.</source>
        <translation>
            <numerusform>Die Prüfung findet %n Warnung: „Abspielen und prüfen“ (F5) im Editor zeigt sie an.</numerusform>
            <numerusform>Die Prüfung findet %n Warnungen: „Abspielen und prüfen“ (F5) im Editor listet sie auf.</numerusform>
        </translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 kopiert</translation>
    </message>
</context>
<context>
    <name>ScriptChecker</name>
    <message>
        <source>and so on</source>
        <translation>und so weiter</translation>
    </message>
</context>
<context>
    <name>ScriptOpener</name>
    <message>
        <source>Cannot open %1:
%2</source>
        <translation>%1 kann nicht geöffnet werden:
%2</translation>
    </message>
    <message>
        <source>“%1” left out</source>
        <translation>„%1“ weggelassen</translation>
    </message>
    <message>
        <source>“%1” as “%2”</source>
        <translation>„%1“ als „%2“</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n weiteres</numerusform>
            <numerusform>%n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScriptPlayerWindow</name>
    <message>
        <source>Tintmark Player</source>
        <translation>Tintmark-Player</translation>
    </message>
    <message>
        <source>The name as the server&apos;s last snapshot showed it to the others on the server.</source>
        <translation>Der Name, wie ihn der letzte Snapshot des Servers den anderen auf dem Server gezeigt hat.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Next change</source>
        <translation>&amp;Nächste Änderung</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Von vorn</translation>
    </message>
    <message>
        <source>The game&apos;s com_maxfps: it caps the frames in whole milliseconds, and the console runs two ticks a frame, so waits last longer at lower rates.</source>
        <translation>com_maxfps des Spiels: Es begrenzt die Frames, gerechnet in ganzen Millisekunden, und die Konsole führt pro Frame zwei Ticks aus; bei niedrigeren Werten dauert wait daher länger.</translation>
    </message>
    <message>
        <source>%1 ms frames, %2 a second</source>
        <translation>%1-ms-Frames, %2 pro Sekunde</translation>
    </message>
    <message>
        <source>%1: the server makes com_maxfps %2</source>
        <translation>%1: Der Server erzwingt com_maxfps %2</translation>
    </message>
    <message>
        <source>Stock server</source>
        <translation>Standardserver</translation>
    </message>
    <message>
        <source>CoD2x competitive server</source>
        <translation>CoD2x-Wettkampfserver</translation>
    </message>
    <message>
        <source>A CoD2x server with competitive settings makes wait do nothing and keeps com_maxfps from 125 to 250.</source>
        <translation>Auf einem CoD2x-Server mit Wettkampfeinstellungen bewirkt wait nichts, und com_maxfps bleibt zwischen 125 und 250.</translation>
    </message>
    <message>
        <source>The server&apos;s sv_fps: the snapshots a second that show the others your name, 20 on most servers.</source>
        <translation>sv_fps des Servers: die Snapshots pro Sekunde, die den anderen deinen Namen zeigen; auf den meisten Servern 20.</translation>
    </message>
    <message>
        <source>^8 shows in the color of the allied team, which depends on its nation; ^9 in the color of the axis team.</source>
        <translation>^8 erscheint in der Farbe des alliierten Teams, die von dessen Nation abhängt; ^9 in der Farbe des Achsen-Teams.</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Spiel:</translation>
    </message>
    <message>
        <source>com_&amp;maxfps:</source>
        <translation>com_&amp;maxfps:</translation>
    </message>
    <message>
        <source>A&amp;llies:</source>
        <translation>A&amp;lliierte:</translation>
    </message>
    <message>
        <source>Ser&amp;ver:</source>
        <translation>Se&amp;rver:</translation>
    </message>
    <message>
        <source>s&amp;v_fps:</source>
        <translation>sv_&amp;fps:</translation>
    </message>
    <message>
        <source>Others see:</source>
        <translation>Andere sehen:</translation>
    </message>
    <message>
        <source>Keys the script binds:</source>
        <translation>Vom Skript belegte Tasten:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Others see it</source>
        <translation>Andere sehen ihn</translation>
    </message>
    <message>
        <source>Put the second command on its &amp;own line</source>
        <translation>Zweiten Befehl in eigene &amp;Zeile setzen</translation>
    </message>
    <message>
        <source>Names as the game shows them:</source>
        <translation>Namen, wie das Spiel sie zeigt:</translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation>Warnungen:</translation>
    </message>
    <message>
        <source>No change after this one.</source>
        <translation>Danach keine Änderung mehr.</translation>
    </message>
    <message>
        <source>A note: worth knowing, no fault.</source>
        <translation>Ein Hinweis: gut zu wissen, kein Fehler.</translation>
    </message>
    <message>
        <source>never: replaced within its frame</source>
        <translation>nie: im selben Frame ersetzt</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>ab %1</translation>
    </message>
    <message>
        <source>never: it lasts less than a snapshot</source>
        <translation>nie: kürzer als ein Snapshot</translation>
    </message>
    <message>
        <source>Press %1: %2</source>
        <translation>%1 drücken: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n weitere</numerusform>
            <numerusform>%n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Presses show: %1</source>
        <translation>Tastendrücke zeigen: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>The script has run: press a key it binds.</source>
        <translation>Das Skript ist durchgelaufen: Drück eine Taste, die es belegt.</translation>
    </message>
    <message>
        <source>The animation has ended.</source>
        <translation>Die Animation ist zu Ende.</translation>
    </message>
    <message>
        <source>The loop has stopped: the game&apos;s command buffer is full.</source>
        <translation>Die Schleife ist stehen geblieben: Der Befehlspuffer des Spiels ist voll.</translation>
    </message>
</context>
<context>
    <name>ScriptSaver</name>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation>%1 kann nicht gespeichert werden:
%2</translation>
    </message>
</context>
<context>
    <name>SetNameLine</name>
    <message>
        <source>The game would not set the name</source>
        <translation>Das Spiel würde den Namen nicht setzen</translation>
    </message>
    <message>
        <source>The game would set the name to %1</source>
        <translation>Das Spiel würde den Namen auf %1 setzen</translation>
    </message>
    <message>
        <source> and then run: %1</source>
        <translation> und dann ausführen: %1</translation>
    </message>
    <message>
        <source>, not to %1</source>
        <translation>, nicht auf %1</translation>
    </message>
</context>
<context>
    <name>TickTime</name>
    <message>
        <source>%1 s (%2 ticks)</source>
        <translation>%1 s (%2 Ticks)</translation>
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
        <translation>beendet das Spiel</translation>
    </message>
    <message>
        <source>removes every key binding, moving and firing included</source>
        <translation>entfernt alle Tastenbelegungen, auch Laufen und Schießen</translation>
    </message>
    <message>
        <source>puts every setting back to its default</source>
        <translation>setzt alle Einstellungen auf ihre Standardwerte zurück</translation>
    </message>
    <message>
        <source>shuts the server down</source>
        <translation>fährt den Server herunter</translation>
    </message>
    <message>
        <source>leaves the server the player is on</source>
        <translation>trennt dich vom Server, auf dem du spielst</translation>
    </message>
    <message>
        <source>When %1 is pressed: </source>
        <translation>Beim Drücken von %1: </translation>
    </message>
    <message>
        <source>The script runs %1</source>
        <translation>Das Skript startet %1</translation>
    </message>
    <message>
        <source>Pressing %1 starts %2</source>
        <translation>Das Drücken von %1 startet %2</translation>
    </message>
    <message>
        <source>A wait with a negative number stops the rest of the script for good (some versions of the game wait one tick instead). Use a positive number of ticks.</source>
        <translation>Ein wait mit negativer Zahl stoppt den Rest des Skripts endgültig (manche Versionen des Spiels warten stattdessen einen Tick). Nimm eine positive Anzahl Ticks.</translation>
    </message>
    <message>
        <source>Two commands run together on one line: the game sets the whole &quot;%1&quot; as one value. Put &quot;%2&quot; on a line of its own.</source>
        <translation>Zwei Befehle laufen in einer Zeile zusammen: Das Spiel setzt das ganze &quot;%1&quot; als einen Wert. Setz &quot;%2&quot; in eine eigene Zeile.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; takes %2 bytes; the game keeps %3 and cuts off &quot;%4&quot;. Use fewer letters or color codes.</source>
        <translation>Der Name &quot;%1&quot; belegt %2 Bytes; das Spiel behält %3 und schneidet &quot;%4&quot; ab. Nimm weniger Buchstaben oder Farbcodes.</translation>
    </message>
    <message>
        <source>The game removes %1 from names: this one shows as &quot;%2&quot;. Leave them out.</source>
        <translation>Das Spiel entfernt %1 aus Namen: Dieser erscheint als &quot;%2&quot;. Lass sie weg.</translation>
    </message>
    <message>
        <source>The script takes %1 bytes or more, more than the game&apos;s command buffer holds: exec runs none of it. Move part of it into a second script and exec that from this one.</source>
        <translation>Das Skript belegt %1 Bytes oder mehr, mehr als der Befehlspuffer des Spiels fasst: exec führt nichts davon aus. Verschiebe einen Teil in ein zweites Skript und rufe es aus diesem mit exec auf.</translation>
    </message>
    <message>
        <source>A command here is longer than %1 bytes: the game cuts it there, loses the next byte and runs the rest as a command of its own. Split it into shorter commands.</source>
        <translation>Ein Befehl hier ist länger als %1 Bytes: Das Spiel schneidet ihn dort ab, verliert das nächste Byte und führt den Rest als eigenen Befehl aus. Teile ihn in kürzere Befehle auf.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a leading %2 works only when typed in the console; in a script the game knows no such command. Write &quot;%3&quot;.</source>
        <translation>&quot;%1&quot;: Ein vorangestelltes %2 funktioniert nur beim Eintippen in der Konsole; in einem Skript kennt das Spiel keinen solchen Befehl. Schreib &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1 %2 when the script runs it. Leave it out of a name script.</source>
        <translation>%1 %2, sobald das Skript den Befehl ausführt. Lass ihn in einem Namensskript weg.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a command of the game: it sends the line to the server, which shows it as chat or ignores it, unless a mod there knows it.</source>
        <translation>&quot;%1&quot; ist kein Befehl des Spiels: Das Spiel schickt die Zeile an den Server, der sie als Chat zeigt oder ignoriert, sofern dort kein Mod sie kennt.</translation>
    </message>
    <message>
        <source> Did you mean &quot;%1&quot;?</source>
        <translation> Meintest du &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>This sets &quot;%1&quot;, which nothing reads. Did you mean &quot;%2&quot;?</source>
        <translation>Das setzt &quot;%1&quot;, aber nichts liest diesen Wert. Meintest du &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>A character such as é or € outside quotes splits the words here: the game drops it and keeps the words around it apart. Put the value in quotes.</source>
        <translation>Ein Zeichen wie é oder € außerhalb von Anführungszeichen trennt hier die Wörter: Das Spiel verwirft es und lässt die Wörter davor und danach getrennt. Setz den Wert in Anführungszeichen.</translation>
    </message>
    <message>
        <source>A // comment ends at the &apos;;&apos; after it: the game runs &quot;%1&quot; as a command. Take out the &apos;;&apos; or start the rest with // too.</source>
        <translation>Ein //-Kommentar endet beim &apos;;&apos; dahinter: Das Spiel führt &quot;%1&quot; als Befehl aus. Nimm das &apos;;&apos; heraus oder beginne auch den Rest mit //.</translation>
    </message>
    <message>
        <source>A /* comment ends with its line: the game runs &quot;%1&quot; as a command. Start each line of the comment with // instead.</source>
        <translation>Ein /*-Kommentar endet mit seiner Zeile: Das Spiel führt &quot;%1&quot; als Befehl aus. Beginne stattdessen jede Zeile des Kommentars mit //.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; sets nothing: the game&apos;s set takes a name and then a value, and COD&apos;s seta exactly one value. Give it its value, in quotes if it has spaces.</source>
        <translation>&quot;%1&quot; setzt nichts: set erwartet im Spiel einen Namen und dann einen Wert, seta in COD genau einen Wert. Gib den Wert an, in Anführungszeichen, wenn er Leerzeichen enthält.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: wait reads its number only when nothing follows it, so it waits one tick and the rest runs nothing. Put a &apos;;&apos; or a line break after the number.</source>
        <translation>&quot;%1&quot;: wait liest seine Zahl nur, wenn nichts darauf folgt; so wartet es einen Tick, und der Rest der Zeile bewirkt nichts. Setz ein &apos;;&apos; oder einen Zeilenumbruch hinter die Zahl.</translation>
    </message>
    <message>
        <source>This vstr runs again and again without a wait until it fills the game&apos;s command buffer of %1 bytes: the game hangs for a moment while it does, then the vstr fails and what is left in the buffer runs. Put a wait in the loop.</source>
        <translation>Dieses vstr läuft ohne wait immer wieder, bis es den Befehlspuffer des Spiels von %1 Bytes füllt: Das Spiel hängt dabei kurz, dann schlägt das vstr fehl, und was im Puffer übrig ist, wird ausgeführt. Bau ein wait in die Schleife ein.</translation>
    </message>
    <message>
        <source>The variable set here holds more than %1 bytes: vstr runs only its first %1. Split it into two variables.</source>
        <translation>Die hier gesetzte Variable enthält mehr als %1 Bytes: vstr führt nur die ersten %1 aus. Teile sie auf zwei Variablen auf.</translation>
    </message>
    <message>
        <source>The check stopped here after %1 commands and %2 without reaching the end: it cannot tell what the rest does in the game.</source>
        <translation>Die Prüfung hat hier nach %1 Befehlen und %2 aufgehört, ohne das Ende zu erreichen: Was der Rest im Spiel tut, kann sie nicht sagen.</translation>
    </message>
    <message>
        <source>vstr %1 runs nothing until %2 is pressed, which sets %1. Press %2 first, or set %1 in the script itself.</source>
        <translation>vstr %1 führt nichts aus, bis %2 gedrückt wird, was %1 setzt. Drück zuerst %2 oder setz %1 im Skript selbst.</translation>
    </message>
    <message>
        <source>vstr %1 runs a variable that is not set at that moment, so nothing happens. Set %1 before this line, or check its spelling.</source>
        <translation>vstr %1 führt eine Variable aus, die zu diesem Zeitpunkt nicht gesetzt ist, also passiert nichts. Setz %1 vor dieser Zeile oder prüfe die Schreibweise.</translation>
    </message>
    <message>
        <source>On a competitive server wait does nothing: what the script paces with it runs at once, so an animation shows only its last name there. Step through the names with a bound key instead, which works on every server.</source>
        <translation>Auf einem Wettkampfserver bewirkt wait nichts: Was das Skript damit taktet, läuft sofort ab, daher zeigt eine Animation dort nur ihren letzten Namen. Schalte die Namen stattdessen mit einer belegten Taste weiter; das funktioniert auf jedem Server.</translation>
    </message>
    <message>
        <source>On a competitive server wait does nothing: this loop then runs again and again within one frame until it fills the game&apos;s command buffer, and the game freezes meanwhile. Step through the names with a bound key instead, which works on every server.</source>
        <translation>Auf einem Wettkampfserver bewirkt wait nichts: Diese Schleife läuft dann innerhalb eines Frames immer wieder, bis sie den Befehlspuffer des Spiels füllt, und so lange friert das Spiel ein. Schalte die Namen stattdessen mit einer belegten Taste weiter; das funktioniert auf jedem Server.</translation>
    </message>
    <message>
        <source>While the script runs, for %1, your keys wait behind it: you cannot move, fire or chat until it ends. Step through the names with a bound key instead, which holds nothing back.</source>
        <translation>Solange das Skript läuft (%1), warten deine Tasten: Du kannst dich nicht bewegen, nicht schießen und nicht chatten, bis es endet. Schalte die Namen stattdessen mit einer belegten Taste weiter; das hält nichts zurück.</translation>
    </message>
    <message>
        <source>Others on the server see %1 of these %2 names: names that last less than one snapshot (%3 ms at sv_fps %4) are skipped (%5). Let each name last longer.</source>
        <translation>Andere auf dem Server sehen %1 dieser %2 Namen: Namen, die weniger als einen Snapshot lang (%3 ms bei sv_fps %4) zu sehen sind, werden übersprungen (%5). Lass jeden Namen länger stehen.</translation>
    </message>
    <message>
        <source>for as long as it runs, for ever</source>
        <translation>für immer, da es endlos läuft</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>für %1</translation>
    </message>
    <message>
        <source>The names change as often as every %1, more often than every 0.8 s: the server&apos;s flood protection then ignores your chat, team chat and votes %2. Let each name last 0.8 s or more to keep chat working.</source>
        <translation>Die Namen wechseln teils schon alle %1, also öfter als alle 800 ms: Der Flood-Schutz des Servers ignoriert dann deinen Chat, Teamchat und deine Abstimmungen %2. Lass jeden Namen 800 ms oder länger stehen, damit der Chat funktioniert.</translation>
    </message>
    <message>
        <source>The script sends about %1 names a second. Each waits for the server to acknowledge it, and the client keeps %2 at most: a lag spike of %3 s fills them, and the game disconnects you. Let each name last longer.</source>
        <translation>Das Skript sendet etwa %1 Namen pro Sekunde. Jeder wartet auf die Bestätigung des Servers, und der Client puffert höchstens %2 davon: Ein Lag-Spike von %3 s füllt diesen Puffer, und das Spiel trennt deine Verbindung. Lass jeden Namen länger stehen.</translation>
    </message>
    <message>
        <source>In round-based modes (Search and Destroy and the like) the server takes a new name only at the next round: others see no animation there.</source>
        <translation>In rundenbasierten Modi (Search and Destroy und ähnlichen) übernimmt der Server einen neuen Namen erst zur nächsten Runde: Andere sehen dort keine Animation.</translation>
    </message>
    <message>
        <source>The game saves the name you have when you leave in config_mp.cfg: whichever of these names shows then is your name at the next start.</source>
        <translation>Das Spiel speichert beim Beenden deinen aktuellen Namen in config_mp.cfg: Welcher dieser Namen dann gerade zu sehen ist, ist beim nächsten Start dein Name.</translation>
    </message>
    <message>
        <source>The game saves the name you have when you leave in config_mp.cfg: after this script, &quot;%1&quot;, your name at the next start.</source>
        <translation>Das Spiel speichert beim Beenden deinen aktuellen Namen in config_mp.cfg: Nach diesem Skript ist &quot;%1&quot; beim nächsten Start dein Name.</translation>
    </message>
    <message>
        <source>lines %1 to %2: %3</source>
        <translation>Zeilen %1 bis %2: %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Read as a server&apos;s config: it sets %1. Warnings meant for name scripts, such as about map and killserver, are left out.</source>
        <translation>Als Server-Config gelesen, da sie %1 setzt. Warnungen für Namensskripte, etwa zu map und killserver, entfallen.</translation>
    </message>
    <message>
        <source>No warnings: the script runs as written.</source>
        <translation>Keine Warnungen: Das Skript läuft wie geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>lines %1 and %n more</source>
        <translation>
            <numerusform>Zeilen %1 und %n weitere</numerusform>
            <numerusform>Zeilen %1 und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>lines %1 and %2</source>
        <translation>Zeilen %1 und %2</translation>
    </message>
    <message>
        <source>These are not commands of the game in multiplayer: it sends each such line to the server, which shows it as chat or ignores it, unless a mod there knows it: %1. Leave them out; single-player and development commands do nothing here.</source>
        <translation>Das sind keine Befehle des Spiels im Mehrspielermodus: Das Spiel schickt jede dieser Zeilen an den Server, der sie als Chat zeigt oder ignoriert, sofern dort kein Mod sie kennt: %1. Lass sie weg; Einzelspieler- und Entwicklerbefehle bewirken hier nichts.</translation>
    </message>
    <message>
        <source>%1 is cheat-protected: on a server without sv_cheats 1, as every public server is, the game refuses to change it, so this does nothing there.</source>
        <translation>%1 ist vor Cheats geschützt: Auf einem Server ohne sv_cheats 1, wie jeder öffentliche Server läuft, lehnt das Spiel jede Änderung ab, dort bewirkt das also nichts.</translation>
    </message>
    <message>
        <source>The server reads no &quot;%1&quot;: setting it changes nothing.</source>
        <translation>Der Server liest kein &quot;%1&quot;: Es zu setzen, ändert nichts.</translation>
    </message>
    <message>
        <source>The server reads %1 only as it starts, before it runs this config: setting it here changes nothing. Give it on the server&apos;s command line instead, as +set %1 and its value.</source>
        <translation>Der Server liest %1 nur beim Start, bevor er diese Config ausführt: Es hier zu setzen, ändert nichts. Gib es stattdessen in der Befehlszeile des Servers an, als +set %1 mit seinem Wert.</translation>
    </message>
    <message>
        <source>exec runs scripts that this check cannot see into: %1. Check those too.</source>
        <translation>exec führt Skripte aus, in die diese Prüfung nicht hineinsehen kann: %1. Prüf diese auch.</translation>
    </message>
    <message>
        <source>This vstr runs again and again without a wait, some %2 times within one frame, until the line breaks each round leaves behind fill the game&apos;s command buffer of %1 bytes: the game hangs for a moment while it does, then the vstr fails and the rest of the script runs. Put a wait in the loop.</source>
        <translation>Dieses vstr läuft ohne wait immer wieder, etwa %2-mal in einem Frame, bis die Zeilenumbrüche, die jede Runde zurücklässt, den Befehlspuffer des Spiels von %1 Bytes füllen: Das Spiel hängt dabei kurz, dann schlägt das vstr fehl, und der Rest des Skripts wird ausgeführt. Bau ein wait in die Schleife ein.</translation>
    </message>
    <message>
        <source> The game&apos;s comments start with //, not with #.</source>
        <translation> Kommentare beginnen im Spiel mit //, nicht mit #.</translation>
    </message>
    <message numerus="yes">
        <source>any of %n keys</source>
        <translation>
            <numerusform>%n Taste</numerusform>
            <numerusform>einer der %n Tasten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>a loop (%1) that repeats every %2, %3 times in all, until the line breaks each round leaves behind fill the game&apos;s command buffer and the loop stops, after %4. Until then the game does not answer keys or the console. Let the last step set the resting name without another vstr, or step through the frames with a bound key.</source>
        <translation>eine Schleife (%1), die sich alle %2 wiederholt, insgesamt %3-mal, bis die Zeilenumbrüche, die jede Runde zurücklässt, den Befehlspuffer des Spiels füllen und die Schleife nach %4 endet. Bis dahin reagiert das Spiel weder auf Tasten noch auf die Konsole. Lass den letzten Schritt den Namen im Ruhezustand setzen, ohne weiteres vstr, oder schalte die Bilder mit einer belegten Taste weiter.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a command of the game: the server only prints &quot;Unknown command&quot; in its console, unless a mod there knows it.</source>
        <translation>&quot;%1&quot; ist kein Befehl des Spiels: Der Server gibt in seiner Konsole nur &quot;Unknown command&quot; aus, sofern dort kein Mod ihn kennt.</translation>
    </message>
    <message>
        <source>These are not commands of the game: the server only prints &quot;Unknown command&quot; in its console for each, unless a mod there knows it: %1. Leave them out; single-player and development commands do nothing here.</source>
        <translation>Das sind keine Befehle des Spiels: Der Server gibt in seiner Konsole für jeden nur &quot;Unknown command&quot; aus, sofern dort kein Mod ihn kennt: %1. Lass sie weg; Einzelspieler- und Entwicklerbefehle bewirken hier nichts.</translation>
    </message>
    <message>
        <source>%1 are cheat-protected: on a server without sv_cheats 1, as every public server is, the game refuses to change them, so this does nothing there.</source>
        <translation>%1 sind vor Cheats geschützt: Auf einem Server ohne sv_cheats 1, wie jeder öffentliche Server läuft, lehnt das Spiel jede Änderung ab, dort bewirkt das also nichts.</translation>
    </message>
    <message>
        <source>The server reads %1 only as it starts, before it runs this config: setting them here changes nothing. Give them on the server&apos;s command line instead, each as +set, its name and its value.</source>
        <translation>Der Server liest %1 nur beim Start, bevor er diese Config ausführt: Sie hier zu setzen, ändert nichts. Gib sie stattdessen in der Befehlszeile des Servers an, jeweils als +set, gefolgt von Name und Wert.</translation>
    </message>
    <message>
        <source>This toggles &quot;%1&quot;, which is no setting of the game: nothing happens. Did you mean &quot;%2&quot;?</source>
        <translation>Das schaltet &quot;%1&quot; um, aber das ist keine Einstellung des Spiels: Es passiert nichts. Meintest du &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>%1 set nothing: the game&apos;s set takes a name and then a value, and COD&apos;s seta exactly one value. Give each its value, in quotes if it has spaces.</source>
        <translation>%1 setzen nichts: set erwartet im Spiel einen Namen und dann einen Wert, seta in COD genau einen Wert. Gib jedem seinen Wert, in Anführungszeichen, wenn er Leerzeichen enthält.</translation>
    </message>
    <message>
        <source>... and so on, %1 rounds in all: at %2 the game&apos;s command buffer is full and the loop stops.</source>
        <translation>... und so weiter, insgesamt %1 Runden: Bei %2 ist der Befehlspuffer des Spiels voll, und die Schleife endet.</translation>
    </message>
    <message>
        <source>It was saved as UTF-8, but this edition of the game reads %1: it shows each character such as é as two (Ã©). Open it in Tintmark, which reads it as UTF-8, and save it again.</source>
        <translation>Das Skript wurde als UTF-8 gespeichert, aber diese Sprachversion des Spiels liest %1: Sie zeigt jedes Zeichen wie é als zwei (Ã©). Öffne es in Tintmark, das es als UTF-8 liest, und speichere es erneut.</translation>
    </message>
</context>
<context>
    <name>frmEditor</name>
    <message>
        <source>Script</source>
        <translation>Skript</translation>
    </message>
    <message>
        <source>&amp;Open Script...</source>
        <translation>Skript ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Play and Check...</source>
        <translation>A&amp;bspielen und prüfen...</translation>
    </message>
    <message>
        <source>&amp;Insert Animation...</source>
        <translation>Animation &amp;einfügen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Scri&amp;pt</source>
        <translation>S&amp;kript</translation>
    </message>
    <message>
        <source>New script, not saved yet</source>
        <translation>Neues Skript, noch nicht gespeichert</translation>
    </message>
    <message>
        <source>New script</source>
        <translation>Neues Skript</translation>
    </message>
    <message>
        <source>%1 - unsaved changes</source>
        <translation>%1 - ungespeicherte Änderungen</translation>
    </message>
</context>
<context>
    <name>frmNameScript</name>
    <message>
        <source>Red, ^1</source>
        <translation>Rot, ^1</translation>
    </message>
    <message>
        <source>Green, ^2</source>
        <translation>Grün, ^2</translation>
    </message>
    <message>
        <source>Yellow, ^3</source>
        <translation>Gelb, ^3</translation>
    </message>
    <message>
        <source>Blue, ^4</source>
        <translation>Blau, ^4</translation>
    </message>
    <message>
        <source>Cyan, ^5</source>
        <translation>Cyan, ^5</translation>
    </message>
    <message>
        <source>Magenta, ^6</source>
        <translation>Magenta, ^6</translation>
    </message>
    <message>
        <source>White, ^7</source>
        <translation>Weiß, ^7</translation>
    </message>
    <message>
        <source>Purple, ^8</source>
        <translation>Lila, ^8</translation>
    </message>
    <message>
        <source>Gray, ^9</source>
        <translation>Grau, ^9</translation>
    </message>
    <message>
        <source>Black, ^0</source>
        <translation>Schwarz, ^0</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>The player name that the script sets in the game, with its color codes; the file&apos;s name is asked for at Save.</source>
        <translation>Der Spielername, den das Skript im Spiel setzt, samt Farbcodes; nach dem Dateinamen wird beim Speichern gefragt.</translation>
    </message>
    <message>
        <source>Tintmark does not save this name. %1.</source>
        <translation>Tintmark speichert diesen Namen nicht. %1.</translation>
    </message>
    <message>
        <source>Name &gt; Remove What the Game Drops makes it %1, as the game shows it.</source>
        <translation>„Name &gt; Vom Spiel Verworfenes entfernen“ macht daraus %1, so wie das Spiel ihn zeigt.</translation>
    </message>
    <message>
        <source>The pasted command sets the name %1: the box holds the name alone.</source>
        <translation>Der eingefügte Befehl setzt den Namen %1: Ins Feld gehört nur der Name.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save the Name Script...</source>
        <translation>Namensskript &amp;speichern...</translation>
    </message>
    <message>
        <source>Add to the Script &amp;Editor</source>
        <translation>In den Skript-&amp;Editor übernehmen</translation>
    </message>
    <message>
        <source>&amp;Open Script in the Editor...</source>
        <translation>Skript im Editor ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command</source>
        <translation>Konsolen&amp;befehl kopieren</translation>
    </message>
    <message>
        <source>&amp;Remove What the Game Drops</source>
        <translation>Vom Spiel Verworfenes &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Keep the Preview on Screen</source>
        <translation>Vorschau &amp;dauerhaft anzeigen</translation>
    </message>
    <message>
        <source>Color the &amp;Whole Name</source>
        <translation>&amp;Ganzen Namen einfärben</translation>
    </message>
    <message>
        <source>&amp;Names from the Games</source>
        <translation>&amp;Namen aus den Spielen</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <translation>Na&amp;me</translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command (type a name first)</source>
        <translation>Konsolen&amp;befehl kopieren (zuerst einen Namen eingeben)</translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command (the game would not set this name)</source>
        <translation>Konsolen&amp;befehl kopieren (das Spiel würde diesen Namen nicht setzen)</translation>
    </message>
    <message>
        <source>&amp;Remove What the Game Drops (no quote, ; or \ to remove)</source>
        <translation>Vom Spiel Verworfenes &amp;entfernen (kein Anführungszeichen, ; oder \ im Namen)</translation>
    </message>
    <message>
        <source>&amp;Names from the Games (no game config found)</source>
        <translation>&amp;Namen aus den Spielen (keine Spiel-Config gefunden)</translation>
    </message>
    <message>
        <source>&amp;Rainbow</source>
        <translation>&amp;Regenbogen</translation>
    </message>
    <message>
        <source>&amp;Gradient</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>&amp;Gradient (click two swatches first)</source>
        <translation>&amp;Verlauf (zuerst zwei Farbfelder anklicken)</translation>
    </message>
    <message>
        <source>In the colors of the codes the name holds, in their order: click the swatches first. A rainbow of six colors without them.</source>
        <translation>In den Farben der Codes im Namen, in ihrer Reihenfolge: Klick zuerst die Farbfelder an. Ohne sie ein Regenbogen aus sechs Farben.</translation>
    </message>
    <message>
        <source>Type the name first</source>
        <translation>Zuerst den Namen eingeben</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No edition of the game can show %1: names hold the letters of one 8-bit code page, which has no emoji or Asian characters.</source>
        <translation>Keine Sprachversion des Spiels kann %1 anzeigen: Namen bestehen aus den Buchstaben einer einzigen 8-Bit-Codepage, die keine Emojis und keine asiatischen Zeichen enthält.</translation>
    </message>
    <message>
        <source>Leave Out What the Edition Cannot Show</source>
        <translation>Weglassen, was die Sprachversion nicht anzeigen kann</translation>
    </message>
    <message>
        <source>Spell It “%1”</source>
        <translation>„%1“ schreiben</translation>
    </message>
    <message>
        <source>This edition of the game cannot show %1: click to write the name in letters it can.</source>
        <translation>Diese Sprachversion des Spiels kann %1 nicht anzeigen: Klick, um den Namen mit Buchstaben zu schreiben, die sie kennt.</translation>
    </message>
    <message>
        <source>The box holds %1 characters: the paste was cut after “%2”, and “%3” was left out.</source>
        <translation>Das Feld fasst %1 Zeichen: Das Eingefügte wurde nach „%2“ abgeschnitten, „%3“ fehlt.</translation>
    </message>
    <message>
        <source>&amp;Names from the Games (no game found)</source>
        <translation>&amp;Namen aus den Spielen (kein Spiel gefunden)</translation>
    </message>
    <message>
        <source>&amp;Names from the Games (no name in their configs)</source>
        <translation>&amp;Namen aus den Spielen (kein Name in ihren Configs)</translation>
    </message>
</context>
</TS>
