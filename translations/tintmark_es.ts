<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AnimationDialog</name>
    <message>
        <source>Insert Animation</source>
        <translation>Insertar animación</translation>
    </message>
    <message>
        <source>Color cycle: the whole name through the colors</source>
        <translation>Ciclo de colores: todo el nombre pasa por los colores</translation>
    </message>
    <message>
        <source>Chase: one letter in the first color, moving along</source>
        <translation>Recorrido: una letra en el primer color avanza por el nombre</translation>
    </message>
    <message>
        <source>Typewriter: the letters appear one by one</source>
        <translation>Máquina de escribir: las letras aparecen una a una</translation>
    </message>
    <message>
        <source>Rainbow shift: the letters&apos; colors move along</source>
        <translation>Arcoíris en movimiento: los colores de las letras se desplazan</translation>
    </message>
    <message>
        <source>Blink: the name in the first color and at rest</source>
        <translation>Parpadeo: alterna el nombre en el primer color y en reposo</translation>
    </message>
    <message>
        <source> ticks</source>
        <translation> ticks</translation>
    </message>
    <message>
        <source>com_maxfps </source>
        <translation>com_maxfps </translation>
    </message>
    <message>
        <source>C&amp;hat-safe pace</source>
        <translation>Ritmo apto para c&amp;hat</translation>
    </message>
    <message>
        <source>Each frame lasts 0.8 s or more: the server&apos;s flood protection then lets your chat through.</source>
        <translation>Cada fotograma dura 0.8 s o más: así la protección antiflood del servidor deja pasar tu chat.</translation>
    </message>
    <message>
        <source>at</source>
        <translation>con</translation>
    </message>
    <message>
        <source>Play once, then rest on the name</source>
        <translation>Una vez y luego se detiene en el nombre</translation>
    </message>
    <message>
        <source>One step for each press of a key</source>
        <translation>Un paso por cada pulsación de una tecla</translation>
    </message>
    <message>
        <source>Your keys, moving and firing included, wait behind the script while it plays.</source>
        <translation>Tus teclas, incluidas las de moverte y disparar, quedan en espera detrás del script mientras se reproduce.</translation>
    </message>
    <message>
        <source>Holds none of your keys back; chat goes through when the presses are more than 0.8 s apart.</source>
        <translation>No retiene ninguna de tus teclas; el chat pasa si entre pulsación y pulsación hay más de 0.8 s.</translation>
    </message>
    <message>
        <source>Begins the names of the variables the script sets, so that two animations in one script keep apart.</source>
        <translation>Con esto empiezan los nombres de las variables que define el script, para que dos animaciones en un mismo script no se mezclen.</translation>
    </message>
    <message>
        <source>No endless timed loop: a vstr loop with waits holds back every key you press, the key to stop it included, for as long as it runs. To keep a name moving while you play, step it with a key.</source>
        <translation>Sin bucle temporizado infinito: un bucle de vstr con wait retiene todas las teclas que pulses, incluida la que lo detendría, mientras se ejecute. Para que un nombre siga moviéndose mientras juegas, hazlo avanzar con una tecla.</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Tecla:</translation>
    </message>
    <message>
        <source>Variables begin with:</source>
        <translation>Prefijo de variables:</translation>
    </message>
    <message>
        <source>Codes only where the color changes</source>
        <translation>Códigos solo donde cambia el color</translation>
    </message>
    <message>
        <source>Color at most </source>
        <translation>Colorear hasta </translation>
    </message>
    <message>
        <source> letters</source>
        <translation> letras</translation>
    </message>
    <message>
        <source>Use a &amp;shorter form</source>
        <translation>Usar una forma más c&amp;orta</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertar</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Effect:</source>
        <translation>&amp;Efecto:</translation>
    </message>
    <message>
        <source>Colors:</source>
        <translation>Colores:</translation>
    </message>
    <message>
        <source>&amp;Delay:</source>
        <translation>&amp;Retardo:</translation>
    </message>
    <message>
        <source>&amp;Plays:</source>
        <translation>&amp;Modo:</translation>
    </message>
    <message>
        <source>Shorter:</source>
        <translation>Acortar:</translation>
    </message>
    <message>
        <source>= %1</source>
        <translation>= %1</translation>
    </message>
    <message>
        <source>Every frame looks the same: the name already shows these colors. Pick another color or effect.</source>
        <translation>Todos los fotogramas se ven iguales: el nombre ya muestra estos colores. Elige otro color u otro efecto.</translation>
    </message>
    <message>
        <source>%1 names (%2 frames and the name at rest), %3 lines, %4 bytes; the longest name takes %5 of %6 bytes.</source>
        <translation>%1 nombres (%2 fotogramas y el nombre en reposo), %3 líneas, %4 bytes; el nombre más largo ocupa %5 de %6 bytes.</translation>
    </message>
    <message>
        <source>One frame a press: it holds none of your keys back and works on every server; chat goes through when you press it more than 0.8 s apart.</source>
        <translation>Un fotograma por pulsación: no retiene ninguna de tus teclas y funciona en todos los servidores; el chat pasa si entre pulsación y pulsación hay más de 0.8 s.</translation>
    </message>
    <message>
        <source>Your game&apos;s config binds %1 to &quot;%2&quot;: this script binds it anew, and %1 no longer does that.</source>
        <translation>La configuración de tu juego asigna %1 a &quot;%2&quot;: este script la reasigna y %1 deja de hacer eso.</translation>
    </message>
    <message>
        <source>Others on the server miss frames: they see only names that last a snapshot (%1 ms at sv_fps %2) or more.</source>
        <translation>Los demás en el servidor se pierden fotogramas: solo ven los nombres que duran un snapshot (%1 ms con sv_fps %2) o más.</translation>
    </message>
    <message>
        <source>Others on the server see every frame.</source>
        <translation>Los demás en el servidor ven todos los fotogramas.</translation>
    </message>
    <message>
        <source>Your chat is dropped while it plays: frames under 0.8 s set off the server&apos;s flood protection.</source>
        <translation>Tu chat se descarta mientras se reproduce: los fotogramas de menos de 0.8 s activan la protección antiflood del servidor.</translation>
    </message>
    <message>
        <source>Chat keeps working.</source>
        <translation>El chat sigue funcionando.</translation>
    </message>
    <message>
        <source>Your keys wait behind it while it plays, for %1.</source>
        <translation>Mientras se reproduce, tus teclas quedan en espera detrás de ella durante %1.</translation>
    </message>
</context>
<context>
    <name>AnimationGenerator</name>
    <message>
        <source>The game would not show frame %1 as made: it would set the name to &quot;%2&quot; instead of &quot;%3&quot;.</source>
        <translation>El juego no mostraría el fotograma %1 tal como se creó: pondría el nombre &quot;%2&quot; en lugar de &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The name has no letters to animate.</source>
        <translation>El nombre no tiene letras que animar.</translation>
    </message>
    <message>
        <source>Names with &quot;, ; or \ cannot be animated: the games refuse them.</source>
        <translation>Los nombres con &quot;, ; o \ no se pueden animar: los juegos los rechazan.</translation>
    </message>
    <message>
        <source>Choose at least one color.</source>
        <translation>Elige al menos un color.</translation>
    </message>
    <message>
        <source>Name the key as the game names it, such as F5 or k.</source>
        <translation>Escribe la tecla como la llama el juego, por ejemplo F5 o k.</translation>
    </message>
    <message>
        <source>The prefix of the variables takes letters, digits and _ only.</source>
        <translation>El prefijo de las variables solo admite letras, dígitos y _.</translation>
    </message>
    <message>
        <source>The longest frame takes %1 bytes; the game keeps %2 and cuts off the rest.</source>
        <translation>El fotograma más largo ocupa %1 bytes; el juego conserva %2 y corta el resto.</translation>
    </message>
</context>
<context>
    <name>CfgFileDialog</name>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Archivo %1</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Tintmark</source>
        <translation>Tintmark</translation>
    </message>
    <message>
        <source>The script has changes that are not saved. Open another script in its place and lose them?</source>
        <translation>El script tiene cambios sin guardar. ¿Abrir otro script en su lugar y perderlos?</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>Recover the unsaved script from %1?</source>
        <translation>¿Recuperar el script sin guardar del %1?</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recuperar</translation>
    </message>
    <message>
        <source>%1 is far larger than a script: the game reads at most 65,536 bytes of one. Open it all the same?</source>
        <translation>%1 es mucho más grande que un script: el juego lee como máximo 65&#xa0;536 bytes de uno. ¿Abrirlo de todos modos?</translation>
    </message>
    <message>
        <source>%1 was saved as UTF-8, but this edition of the game reads %2: it shows each character such as é as two (Ã©). Open it as UTF-8, to save it again as the game reads it?</source>
        <translation>%1 se guardó como UTF-8, pero esta edición del juego lee %2: en ella, cada carácter como é aparece como dos (Ã©). ¿Abrirlo como UTF-8 para volver a guardarlo tal como lo lee el juego?</translation>
    </message>
    <message>
        <source>The edition has no letter for some of its characters; Tintmark spells them in letters it has: %1.</source>
        <translation>La edición no tiene letra para algunos de sus caracteres; Tintmark los escribe con letras que sí tiene: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a game, its folder</comment>
        <translation>%2 de %1</translation>
    </message>
    <message>
        <source>Save changes to the new script?</source>
        <translation>¿Guardar los cambios del script nuevo?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios de %1?</translation>
    </message>
    <message>
        <source>This folder cannot be written. Save the script in another one, such as your documents?</source>
        <translation>No se puede escribir en esta carpeta. ¿Guardar el script en otra, como tus documentos?</translation>
    </message>
    <message>
        <source>Save &amp;Elsewhere...</source>
        <translation>Guardar en &amp;otro sitio...</translation>
    </message>
</context>
<context>
    <name>CfgReader</name>
    <message>
        <source>It is a folder, not a script.</source>
        <translation>Es una carpeta, no un script.</translation>
    </message>
    <message>
        <source>It is not a file but a pipe, a device or a socket; scripts are files.</source>
        <translation>No es un archivo, sino una tubería, un dispositivo o un socket; los scripts son archivos.</translation>
    </message>
    <message>
        <source>The file is %1 MiB, far larger than any script (the games read at most 64 KiB of one).</source>
        <translation>El archivo ocupa %1 MiB, mucho más que cualquier script (los juegos leen como máximo 64 KiB de uno).</translation>
    </message>
    <message>
        <source>Reading stopped partway: %1</source>
        <translation>La lectura se interrumpió a medias: %1</translation>
    </message>
    <message>
        <source>This is not a script: it holds the byte 0x%1 at offset %2, which text does not hold.</source>
        <translation>Esto no es un script: contiene el byte 0x%1 en la posición %2, que ningún texto contiene.</translation>
    </message>
</context>
<context>
    <name>CfgWriter</name>
    <message>
        <source>No file name was given.</source>
        <translation>No se indicó ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>The script could not be written completely.</source>
        <translation>No se pudo escribir el script completo.</translation>
    </message>
    <message>
        <source>The text holds the character %1, which a script cannot hold: this edition of the game reads scripts in %2. Nothing was saved; replace that character and save again.</source>
        <translation>El texto contiene el carácter %1, que un script no puede contener: esta edición del juego lee los scripts en %2. No se guardó nada; reemplaza ese carácter y vuelve a guardar.</translation>
    </message>
</context>
<context>
    <name>CheckReport</name>
    <message>
        <source>Names in %1 at com_maxfps %2, frames of %3 ms, %4 frames a second:</source>
        <translation>Nombres en %1 con com_maxfps %2, fotogramas de %3 ms, %4 fotogramas por segundo:</translation>
    </message>
    <message>
        <source>From %1 the script&apos;s own com_maxfps %2 holds: frames of %3 ms.</source>
        <translation>Desde %1 rige el com_maxfps %2 del propio script: fotogramas de %3 ms.</translation>
    </message>
    <message>
        <source>The script sets no name.</source>
        <translation>El script no pone ningún nombre.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>Keys it binds, and the names their presses show:</source>
        <translation>Teclas que asigna y los nombres que muestran al pulsarlas:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>ningún nombre</translation>
    </message>
    <message numerus="yes">
        <source>%n other keys show no name, and the warnings say nothing of them.</source>
        <translation>
            <numerusform>%n tecla más no muestra ningún nombre, y las advertencias no dicen nada de ella.</numerusform>
            <numerusform>%n teclas más no muestran ningún nombre, y las advertencias no dicen nada de ellas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Names as others on the server see them, at sv_fps %1 (a snapshot every %2 ms):</source>
        <translation>Nombres tal como los ven los demás en el servidor, con sv_fps %1 (un snapshot cada %2 ms):</translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation>Advertencias:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Central European</source>
        <translation>de Europa central</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>cirílicas</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>de Europa occidental</translation>
    </message>
</context>
<context>
    <name>ColorCodes</name>
    <message>
        <source>American</source>
        <translation>Estadounidenses</translation>
    </message>
    <message>
        <source>British</source>
        <translation>Británicos</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rusos</translation>
    </message>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>the allied team&apos;s color</source>
        <translation>el color del equipo aliado</translation>
    </message>
    <message>
        <source>the axis team&apos;s grey</source>
        <translation>el gris del equipo del Eje</translation>
    </message>
    <message>
        <source>The game shows ^6 magenta; its swatch is dark red.</source>
        <translation>En el juego ^6 se ve magenta; su muestra de color es rojo oscuro.</translation>
    </message>
    <message>
        <source>In COD 2, ^8 shows in the allied team&apos;s color (green for the Americans, blue for the British, red for the Russians); COD removes it.</source>
        <translation>En COD 2, ^8 se ve del color del equipo aliado (verde para los estadounidenses, azul para los británicos, rojo para los rusos); COD lo elimina.</translation>
    </message>
    <message>
        <source>^9 shows in the axis team&apos;s grey.</source>
        <translation>^9 se ve en el gris del equipo del Eje.</translation>
    </message>
    <message>
        <source>The game removes ^0 from names.</source>
        <translation>El juego elimina ^0 de los nombres.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Tintmark makes colored player names for COD and COD 2. Without options it opens its window, and a script given as FILE in the script editor.</source>
        <translation>Tintmark crea nombres de jugador de colores para COD y COD 2. Sin opciones abre su ventana, y un script indicado como ARCHIVO lo abre en el editor de scripts.</translation>
    </message>
    <message>
        <source>Shows these options.</source>
        <translation>Muestra estas opciones.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s name and version.</source>
        <translation>Muestra el nombre y la versión del programa.</translation>
    </message>
    <message>
        <source>Checks the scripts without opening a window: the names each sets with their times, then its warnings with line numbers. Exit status 0 when no script has a warning, 1 when one has, 2 when a file cannot be read.</source>
        <translation>Comprueba los scripts sin abrir ninguna ventana: los nombres que pone cada uno, con sus tiempos, y luego sus advertencias, con números de línea. Estado de salida 0 si ningún script tiene advertencias, 1 si alguno las tiene, 2 si no se puede leer un archivo.</translation>
    </message>
    <message>
        <source>GAME</source>
        <translation>JUEGO</translation>
    </message>
    <message>
        <source>With --check: the server the player is on: stock (the default), or competitive for a CoD2x server with competitive settings, where wait does nothing and com_maxfps is 125 to 250.</source>
        <translation>Con --check: el servidor en el que está el jugador: stock (predeterminado) o competitive para un servidor CoD2x con ajustes competitivos, donde wait no hace nada y com_maxfps va de 125 a 250.</translation>
    </message>
    <message>
        <source>SERVER</source>
        <translation>SERVIDOR</translation>
    </message>
    <message>
        <source>With --check: the server&apos;s sv_fps, the snapshots a second that show others the names: 20 (the default), from %1 to %2.</source>
        <translation>Con --check: el sv_fps del servidor, los snapshots por segundo que muestran los nombres a los demás: 20 (predeterminado), de %1 a %2.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>With --check: the player&apos;s com_maxfps, from 0 to %1; without it, the one the game&apos;s config in the script&apos;s folder sets, else the installed games&apos; configs, else %2.</source>
        <translation>Con --check: el com_maxfps del jugador, de 0 a %1; sin esta opción, el que fija la configuración del juego en la carpeta del script; si no, el de las configuraciones de los juegos instalados; si no, %2.</translation>
    </message>
    <message>
        <source>The script to open, or with --check the scripts to check.</source>
        <translation>El script que se va a abrir o, con --check, los scripts que se van a comprobar.</translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation>[ARCHIVO...]</translation>
    </message>
    <message>
        <source>--check needs at least one script.</source>
        <translation>--check necesita al menos un script.</translation>
    </message>
    <message>
        <source>--server takes stock or competitive, not %1.</source>
        <translation>--server admite stock o competitive, no %1.</translation>
    </message>
    <message>
        <source>--sv-fps takes a number from %1 to %2, not %3.</source>
        <translation>--sv-fps admite un número de %1 a %2, no %3.</translation>
    </message>
    <message>
        <source>--maxfps takes a number from 0 to %1, not %2.</source>
        <translation>--maxfps admite un número de 0 a %1, no %2.</translation>
    </message>
    <message>
        <source>With --check: the language of the game&apos;s edition, which decides the letters it reads scripts in: %1; without it, the edition of the game whose folder holds the script, else the one chosen in the windows.</source>
        <translation>Con --check: el idioma de la edición del juego, que decide con qué letras lee los scripts: %1; sin esta opción, la edición del juego en cuya carpeta está el script; si no, la elegida en las ventanas.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>Usage: tintmark [FILE | --check [--game GAME] [--server SERVER] [--sv-fps N] [--maxfps N] [--language NAME] FILE... | --version | --help]</source>
        <translation>Uso: tintmark [ARCHIVO | --check [--game JUEGO] [--server SERVIDOR] [--sv-fps N] [--maxfps N] [--language NOMBRE] ARCHIVO... | --version | --help]</translation>
    </message>
    <message>
        <source>--language takes %1, not %2.</source>
        <translation>--language admite %1, no %2.</translation>
    </message>
    <message>
        <source>With --check: the game whose console runs the scripts: cod2 (the default), cod1.3, cod1.1 or uo (United Offensive).</source>
        <translation>Con --check: el juego cuya consola ejecuta los scripts: cod2 (predeterminado), cod1.3, cod1.1 o uo (United Offensive).</translation>
    </message>
    <message>
        <source>--game takes cod2, cod1.3, cod1.1 or uo, not %1.</source>
        <translation>--game admite cod2, cod1.3, cod1.1 o uo, no %1.</translation>
    </message>
</context>
<context>
    <name>EditionMenu</name>
    <message>
        <source>Game &amp;Edition</source>
        <translation>E&amp;dición del juego</translation>
    </message>
    <message>
        <source>As the Game Installed</source>
        <translation>Como el juego instalado</translation>
    </message>
    <message>
        <source>The edition of the game Tintmark finds on this computer.</source>
        <translation>La edición del juego que Tintmark encuentra en este equipo.</translation>
    </message>
    <message>
        <source>%1 (%2 letters)</source>
        <translation>%1 (letras %2)</translation>
    </message>
    <message>
        <source>As the Game Installed (%1)</source>
        <translation>Como el juego instalado (%1)</translation>
    </message>
    <message>
        <source>As the Game Installed (none found: English)</source>
        <translation>Como el juego instalado (no se encontró ninguno: inglés)</translation>
    </message>
</context>
<context>
    <name>GameLanguage</name>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>British English</source>
        <translation>Inglés británico</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
</context>
<context>
    <name>GameLetters</name>
    <message>
        <source>in COD 2&apos;s own letters</source>
        <translation>con las letras del propio COD 2</translation>
    </message>
    <message>
        <source>the game&apos;s font was not found</source>
        <translation>no se encontró la fuente del juego</translation>
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
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Using the Script in the &amp;Game</source>
        <translation>Usar el script en el &amp;juego</translation>
    </message>
    <message>
        <source>Using the Script in the Game</source>
        <translation>Usar el script en el juego</translation>
    </message>
    <message>
        <source>What the &amp;Color Codes Do</source>
        <translation>Qué hacen los &amp;códigos de color</translation>
    </message>
    <message>
        <source>What the Color Codes Do</source>
        <translation>Qué hacen los códigos de color</translation>
    </message>
    <message>
        <source>&amp;About Tintmark...</source>
        <translation>&amp;Acerca de Tintmark...</translation>
    </message>
    <message>
        <source>About &amp;Qt...</source>
        <translation>Acerca de &amp;Qt...</translation>
    </message>
    <message>
        <source>&lt;li&gt;%1: &lt;code&gt;%2&lt;/code&gt;&lt;/li&gt;</source>
        <translation>&lt;li&gt;%1: &lt;code&gt;%2&lt;/code&gt;&lt;/li&gt;</translation>
    </message>
    <message>
        <source>Tintmark found no game on this computer. The main folder is the folder &lt;code&gt;main&lt;/code&gt; in the folder the game is installed in.</source>
        <translation>Tintmark no encontró ningún juego en este equipo. La carpeta main es la carpeta &lt;code&gt;main&lt;/code&gt; que está dentro de la carpeta donde se instaló el juego.</translation>
    </message>
    <message>
        <source>Tintmark found:&lt;ul&gt;%1&lt;/ul&gt;</source>
        <translation>Tintmark encontró:&lt;ul&gt;%1&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;Save the script into the game&apos;s &lt;b&gt;main&lt;/b&gt; folder. %1&lt;/li&gt;&lt;li&gt;Start the game, open the console with &lt;b&gt;~&lt;/b&gt; and type &lt;code&gt;%2&lt;/code&gt;%3.&lt;/li&gt;&lt;li&gt;A script that binds keys, such as an animated name that plays on a key, starts when you press that key.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;The notice after a save shows the command for that script, ready to copy.&lt;/p&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;Guarda el script en la carpeta &lt;b&gt;main&lt;/b&gt; del juego. %1&lt;/li&gt;&lt;li&gt;Inicia el juego, abre la consola con &lt;b&gt;~&lt;/b&gt; y escribe &lt;code&gt;%2&lt;/code&gt;%3.&lt;/li&gt;&lt;li&gt;Un script que asigna teclas, como un nombre animado que se reproduce con una tecla, se pone en marcha cuando pulsas esa tecla.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;El aviso que aparece al guardar muestra el comando de ese script, listo para copiar.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>, with the name you saved</source>
        <translation>, con el nombre con que lo guardaste</translation>
    </message>
    <message>
        <source>&lt;p&gt;A caret and a digit color the letters after them in the game:&lt;/p&gt;&lt;table cellspacing=&quot;4&quot;&gt;%1&lt;/table&gt;&lt;p&gt;A caret and any other character is a code too: COD 2 shows the letters after it white. A caret before another caret shows as it is.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Un acento circunflejo seguido de un dígito colorea en el juego las letras que vienen detrás:&lt;/p&gt;&lt;table cellspacing=&quot;4&quot;&gt;%1&lt;/table&gt;&lt;p&gt;Un circunflejo seguido de cualquier otro carácter también es un código: COD 2 muestra en blanco las letras que vienen detrás. Un circunflejo delante de otro circunflejo se ve tal cual.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Tintmark</source>
        <translation>Acerca de Tintmark</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tintmark %1&lt;/h3&gt;&lt;p&gt;Colored player names and name scripts for COD and COD 2.&lt;/p&gt;&lt;p&gt;Tintmark is free software under the GNU General Public License, version 3 or later. It comes with no warranty.&lt;/p&gt;&lt;p&gt;Built with Qt %2, used under the GNU Lesser General Public License, version 3.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tintmark %1&lt;/h3&gt;&lt;p&gt;Nombres de jugador de colores y scripts de nombre para COD y COD 2.&lt;/p&gt;&lt;p&gt;Tintmark es software libre bajo la GNU General Public License, versión 3 o posterior. Se ofrece sin ninguna garantía.&lt;/p&gt;&lt;p&gt;Compilado con Qt %2, que se usa bajo la GNU Lesser General Public License, versión 3.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The preview draws the name in COD 2&apos;s own letters, read from the game&apos;s files, when Tintmark finds COD 2 on this computer, and says so below the name. Without the game, or when its font cannot be read, it draws the name in the desktop&apos;s letters, which are only near the game&apos;s.&lt;/p&gt;</source>
        <translation>&lt;p&gt;La vista previa dibuja el nombre con las letras del propio COD 2, leídas de los archivos del juego, cuando Tintmark encuentra COD 2 en este ordenador, y lo indica debajo del nombre. Sin el juego, o si no se puede leer su fuente, dibuja el nombre con las letras del escritorio, que solo se parecen a las del juego.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Tintmark speaks %1 from its next start.</source>
        <translation>Tintmark se mostrará en %1 a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>The System&apos;s Language</source>
        <translation>Idioma del sistema</translation>
    </message>
</context>
<context>
    <name>NamePreview</name>
    <message>
        <source>COD 2 cuts off the end:</source>
        <translation>COD 2 corta el final:</translation>
    </message>
    <message>
        <source>The games refuse %1 in a name.</source>
        <translation>Los juegos rechazan %1 en un nombre.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>the Latin letter “%1”</source>
        <translation>la letra latina «%1»</translation>
    </message>
    <message>
        <source>the Cyrillic letter “%1”</source>
        <translation>la letra cirílica «%1»</translation>
    </message>
    <message>
        <source>the Greek letter “%1”</source>
        <translation>la letra griega «%1»</translation>
    </message>
    <message>
        <source>the character “%1”</source>
        <translation>el carácter «%1»</translation>
    </message>
    <message>
        <source>the character U+%1</source>
        <translation>el carácter U+%1</translation>
    </message>
    <message>
        <source>Leave it out.</source>
        <translation>Quítalo.</translation>
    </message>
    <message>
        <source>Spell it “%1” (Name menu, or the button at the end of the name box).</source>
        <translation>Escríbelo «%1» (menú Nombre o el botón al final del cuadro del nombre).</translation>
    </message>
    <message>
        <source>This edition of the game cannot show %1: its names hold %2 letters (%3).</source>
        <translation>Esta edición del juego no puede mostrar %1: sus nombres usan letras %2 (%3).</translation>
    </message>
    <message>
        <source>Players of editions with %1 letters see:</source>
        <translation>Los jugadores de ediciones con letras %1 ven:</translation>
    </message>
</context>
<context>
    <name>PinnedPreview</name>
    <message>
        <source>Tintmark Preview</source>
        <translation>Vista previa de Tintmark</translation>
    </message>
</context>
<context>
    <name>RecentScripts</name>
    <message>
        <source>No scripts opened or saved yet</source>
        <translation>Aún no hay scripts abiertos ni guardados</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recientes</translation>
    </message>
</context>
<context>
    <name>SaveNotice</name>
    <message>
        <source>Copy %1</source>
        <translation>Copiar %1</translation>
    </message>
    <message>
        <source>Saved %1 in the %2 folder of %3.</source>
        <translation>Se guardó %1 en la carpeta %2 de %3.</translation>
    </message>
    <message>
        <source>Windows keeps it for the game in %1, since the game&apos;s own folder is protected; the game finds it there.</source>
        <translation>Windows lo guarda para el juego en %1, porque la carpeta del propio juego está protegida; el juego lo encuentra ahí.</translation>
    </message>
    <message>
        <source>In the game, open the console (~) and type: %1</source>
        <translation>En el juego, abre la consola (~) y escribe: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Se guardó %1.</translation>
    </message>
    <message>
        <source>Put it in the game&apos;s main folder first, then in the game open the console (~) and type: %1</source>
        <translation>Primero ponlo en la carpeta main del juego; luego, en el juego, abre la consola (~) y escribe: %1</translation>
    </message>
    <message>
        <source>Put it in the main folder of %1 first (%2), then in the game open the console (~) and type: %3</source>
        <translation>Primero ponlo en la carpeta main de %1 (%2); luego, en el juego, abre la consola (~) y escribe: %3</translation>
    </message>
    <message>
        <source>Then press %1 to play it.</source>
        <translation>Después pulsa %1 para reproducirlo.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>The checker warns: %1</source>
        <translation>La comprobación advierte: %1</translation>
    </message>
    <message numerus="yes">
        <source>The checker finds %n warnings: Play and Check (F5) in the editor lists them.</source>
        <translation>
            <numerusform>La comprobación encuentra %n advertencia: mírala con Reproducir y comprobar (F5) en el editor.</numerusform>
            <numerusform>La comprobación encuentra %n advertencias: míralas con Reproducir y comprobar (F5) en el editor.</numerusform>
        </translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 copiado</translation>
    </message>
</context>
<context>
    <name>ScriptChecker</name>
    <message>
        <source>and so on</source>
        <translation>y así sucesivamente</translation>
    </message>
</context>
<context>
    <name>ScriptOpener</name>
    <message>
        <source>Cannot open %1:
%2</source>
        <translation>No se puede abrir %1:
%2</translation>
    </message>
    <message>
        <source>“%1” left out</source>
        <translation>«%1» se omite</translation>
    </message>
    <message>
        <source>“%1” as “%2”</source>
        <translation>«%1» como «%2»</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n más</numerusform>
            <numerusform>%n más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScriptPlayerWindow</name>
    <message>
        <source>Tintmark Player</source>
        <translation>Reproductor de Tintmark</translation>
    </message>
    <message>
        <source>The name as the server&apos;s last snapshot showed it to the others on the server.</source>
        <translation>El nombre tal como lo mostró a los demás el último snapshot del servidor.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>&amp;Next change</source>
        <translation>&amp;Siguiente cambio</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>Re&amp;iniciar</translation>
    </message>
    <message>
        <source>The game&apos;s com_maxfps: it caps the frames in whole milliseconds, and the console runs two ticks a frame, so waits last longer at lower rates.</source>
        <translation>El com_maxfps del juego: limita los fotogramas en milisegundos enteros, y la consola ejecuta dos ticks por fotograma, así que los wait duran más con valores más bajos.</translation>
    </message>
    <message>
        <source>%1 ms frames, %2 a second</source>
        <translation>fotogramas de %1 ms, %2 por segundo</translation>
    </message>
    <message>
        <source>%1: the server makes com_maxfps %2</source>
        <translation>%1: el servidor impone com_maxfps %2</translation>
    </message>
    <message>
        <source>Stock server</source>
        <translation>Servidor estándar</translation>
    </message>
    <message>
        <source>CoD2x competitive server</source>
        <translation>Servidor CoD2x competitivo</translation>
    </message>
    <message>
        <source>A CoD2x server with competitive settings makes wait do nothing and keeps com_maxfps from 125 to 250.</source>
        <translation>Un servidor CoD2x con ajustes competitivos hace que wait no haga nada y mantiene com_maxfps entre 125 y 250.</translation>
    </message>
    <message>
        <source>The server&apos;s sv_fps: the snapshots a second that show the others your name, 20 on most servers.</source>
        <translation>El sv_fps del servidor: los snapshots por segundo que muestran tu nombre a los demás; 20 en la mayoría de los servidores.</translation>
    </message>
    <message>
        <source>^8 shows in the color of the allied team, which depends on its nation; ^9 in the color of the axis team.</source>
        <translation>^8 se ve del color del equipo aliado, que depende de su nación; ^9, del color del equipo del Eje.</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Juego:</translation>
    </message>
    <message>
        <source>com_&amp;maxfps:</source>
        <translation>com_&amp;maxfps:</translation>
    </message>
    <message>
        <source>A&amp;llies:</source>
        <translation>&amp;Aliados:</translation>
    </message>
    <message>
        <source>Ser&amp;ver:</source>
        <translation>Ser&amp;vidor:</translation>
    </message>
    <message>
        <source>s&amp;v_fps:</source>
        <translation>sv_&amp;fps:</translation>
    </message>
    <message>
        <source>Others see:</source>
        <translation>Los demás ven:</translation>
    </message>
    <message>
        <source>Keys the script binds:</source>
        <translation>Teclas que asigna el script:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Others see it</source>
        <translation>Lo ven los demás</translation>
    </message>
    <message>
        <source>Put the second command on its &amp;own line</source>
        <translation>Poner el segundo comando en su pr&amp;opia línea</translation>
    </message>
    <message>
        <source>Names as the game shows them:</source>
        <translation>Nombres tal como los muestra el juego:</translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation>Advertencias:</translation>
    </message>
    <message>
        <source>No change after this one.</source>
        <translation>No hay más cambios después de este.</translation>
    </message>
    <message>
        <source>A note: worth knowing, no fault.</source>
        <translation>Nota: conviene saberlo, no es un fallo.</translation>
    </message>
    <message>
        <source>never: replaced within its frame</source>
        <translation>nunca: se reemplaza en su mismo fotograma</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>desde %1</translation>
    </message>
    <message>
        <source>never: it lasts less than a snapshot</source>
        <translation>nunca: dura menos que un snapshot</translation>
    </message>
    <message>
        <source>Press %1: %2</source>
        <translation>Pulsar %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n más</numerusform>
            <numerusform>%n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Presses show: %1</source>
        <translation>Sus pulsaciones muestran: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>The script has run: press a key it binds.</source>
        <translation>El script ya se ejecutó: pulsa una tecla que asigne.</translation>
    </message>
    <message>
        <source>The animation has ended.</source>
        <translation>La animación ha terminado.</translation>
    </message>
    <message>
        <source>The loop has stopped: the game&apos;s command buffer is full.</source>
        <translation>El bucle se ha detenido: el búfer de comandos del juego está lleno.</translation>
    </message>
</context>
<context>
    <name>ScriptSaver</name>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation>No se puede guardar %1:
%2</translation>
    </message>
</context>
<context>
    <name>SetNameLine</name>
    <message>
        <source>The game would not set the name</source>
        <translation>El juego no pondría el nombre</translation>
    </message>
    <message>
        <source>The game would set the name to %1</source>
        <translation>El juego pondría el nombre %1</translation>
    </message>
    <message>
        <source> and then run: %1</source>
        <translation> y luego ejecutaría: %1</translation>
    </message>
    <message>
        <source>, not to %1</source>
        <translation>, en lugar de %1</translation>
    </message>
</context>
<context>
    <name>TickTime</name>
    <message>
        <source>%1 s (%2 ticks)</source>
        <translation>%1 s (%2 ticks)</translation>
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
        <translation>cierra el juego</translation>
    </message>
    <message>
        <source>removes every key binding, moving and firing included</source>
        <translation>borra todas las asignaciones de teclas, incluidas las de moverse y disparar</translation>
    </message>
    <message>
        <source>puts every setting back to its default</source>
        <translation>devuelve todos los ajustes a su valor predeterminado</translation>
    </message>
    <message>
        <source>shuts the server down</source>
        <translation>apaga el servidor</translation>
    </message>
    <message>
        <source>leaves the server the player is on</source>
        <translation>saca al jugador del servidor en el que está</translation>
    </message>
    <message>
        <source>When %1 is pressed: </source>
        <translation>Al pulsar %1: </translation>
    </message>
    <message>
        <source>The script runs %1</source>
        <translation>El script ejecuta %1</translation>
    </message>
    <message>
        <source>Pressing %1 starts %2</source>
        <translation>Al pulsar %1 empieza %2</translation>
    </message>
    <message>
        <source>A wait with a negative number stops the rest of the script for good (some versions of the game wait one tick instead). Use a positive number of ticks.</source>
        <translation>Un wait con un número negativo detiene definitivamente el resto del script (algunas versiones del juego esperan un tick en su lugar). Usa un número positivo de ticks.</translation>
    </message>
    <message>
        <source>Two commands run together on one line: the game sets the whole &quot;%1&quot; as one value. Put &quot;%2&quot; on a line of its own.</source>
        <translation>Dos comandos van juntos en una línea: el juego toma todo &quot;%1&quot; como un único valor. Pon &quot;%2&quot; en una línea aparte.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; takes %2 bytes; the game keeps %3 and cuts off &quot;%4&quot;. Use fewer letters or color codes.</source>
        <translation>El nombre &quot;%1&quot; ocupa %2 bytes; el juego conserva %3 y corta &quot;%4&quot;. Usa menos letras o códigos de color.</translation>
    </message>
    <message>
        <source>The game removes %1 from names: this one shows as &quot;%2&quot;. Leave them out.</source>
        <translation>El juego elimina %1 de los nombres: este se ve como &quot;%2&quot;. Quítalos.</translation>
    </message>
    <message>
        <source>The script takes %1 bytes or more, more than the game&apos;s command buffer holds: exec runs none of it. Move part of it into a second script and exec that from this one.</source>
        <translation>El script ocupa %1 bytes o más, más de lo que cabe en el búfer de comandos del juego: exec no ejecuta nada de él. Pasa una parte a un segundo script y ejecútalo con exec desde este.</translation>
    </message>
    <message>
        <source>A command here is longer than %1 bytes: the game cuts it there, loses the next byte and runs the rest as a command of its own. Split it into shorter commands.</source>
        <translation>Aquí hay un comando de más de %1 bytes: el juego lo corta en ese punto, pierde el byte siguiente y ejecuta el resto como otro comando. Divídelo en comandos más cortos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a leading %2 works only when typed in the console; in a script the game knows no such command. Write &quot;%3&quot;.</source>
        <translation>&quot;%1&quot;: la %2 inicial solo funciona al escribir en la consola; en un script el juego no conoce ese comando. Escribe &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1 %2 when the script runs it. Leave it out of a name script.</source>
        <translation>%1 %2 cuando el script lo ejecuta. No lo pongas en un script de nombre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a command of the game: it sends the line to the server, which shows it as chat or ignores it, unless a mod there knows it.</source>
        <translation>&quot;%1&quot; no es un comando del juego: envía la línea al servidor, que la muestra como chat o la ignora, salvo que un mod del servidor la reconozca.</translation>
    </message>
    <message>
        <source> Did you mean &quot;%1&quot;?</source>
        <translation> ¿Quisiste decir &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>This sets &quot;%1&quot;, which nothing reads. Did you mean &quot;%2&quot;?</source>
        <translation>Esto define &quot;%1&quot;, una variable que nada lee. ¿Quisiste decir &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>A character such as é or € outside quotes splits the words here: the game drops it and keeps the words around it apart. Put the value in quotes.</source>
        <translation>Un carácter como é o € fuera de comillas separa aquí las palabras: el juego lo descarta y deja separadas las palabras que lo rodean. Pon el valor entre comillas.</translation>
    </message>
    <message>
        <source>A // comment ends at the &apos;;&apos; after it: the game runs &quot;%1&quot; as a command. Take out the &apos;;&apos; or start the rest with // too.</source>
        <translation>Un comentario // termina en el &apos;;&apos; que lo sigue: el juego ejecuta &quot;%1&quot; como comando. Quita el &apos;;&apos; o empieza también el resto con //.</translation>
    </message>
    <message>
        <source>A /* comment ends with its line: the game runs &quot;%1&quot; as a command. Start each line of the comment with // instead.</source>
        <translation>Un comentario /* termina con su línea: el juego ejecuta &quot;%1&quot; como comando. Empieza cada línea del comentario con // en su lugar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; sets nothing: the game&apos;s set takes a name and then a value, and COD&apos;s seta exactly one value. Give it its value, in quotes if it has spaces.</source>
        <translation>&quot;%1&quot; no define nada: el set del juego espera un nombre y luego un valor, y el seta de COD exactamente un valor. Dale su valor, entre comillas si tiene espacios.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: wait reads its number only when nothing follows it, so it waits one tick and the rest runs nothing. Put a &apos;;&apos; or a line break after the number.</source>
        <translation>&quot;%1&quot;: wait solo lee su número cuando no le sigue nada, así que espera un tick y el resto no ejecuta nada. Pon un &apos;;&apos; o un salto de línea después del número.</translation>
    </message>
    <message>
        <source>This vstr runs again and again without a wait until it fills the game&apos;s command buffer of %1 bytes: the game hangs for a moment while it does, then the vstr fails and what is left in the buffer runs. Put a wait in the loop.</source>
        <translation>Este vstr se ejecuta una y otra vez sin wait hasta llenar el búfer de comandos del juego, de %1 bytes: mientras tanto el juego se cuelga un momento; luego el vstr falla y se ejecuta lo que queda en el búfer. Pon un wait en el bucle.</translation>
    </message>
    <message>
        <source>The variable set here holds more than %1 bytes: vstr runs only its first %1. Split it into two variables.</source>
        <translation>La variable definida aquí contiene más de %1 bytes: vstr solo ejecuta los primeros %1. Divídela en dos variables.</translation>
    </message>
    <message>
        <source>The check stopped here after %1 commands and %2 without reaching the end: it cannot tell what the rest does in the game.</source>
        <translation>La comprobación se detuvo aquí tras %1 comandos y %2 sin llegar al final: no puede saber qué hace el resto en el juego.</translation>
    </message>
    <message>
        <source>vstr %1 runs nothing until %2 is pressed, which sets %1. Press %2 first, or set %1 in the script itself.</source>
        <translation>vstr %1 no ejecuta nada hasta que se pulsa %2, que define %1. Pulsa %2 primero o define %1 en el propio script.</translation>
    </message>
    <message>
        <source>vstr %1 runs a variable that is not set at that moment, so nothing happens. Set %1 before this line, or check its spelling.</source>
        <translation>vstr %1 ejecuta una variable que en ese momento no está definida, así que no pasa nada. Define %1 antes de esta línea o revisa cómo está escrita.</translation>
    </message>
    <message>
        <source>On a competitive server wait does nothing: what the script paces with it runs at once, so an animation shows only its last name there. Step through the names with a bound key instead, which works on every server.</source>
        <translation>En un servidor competitivo wait no hace nada: lo que el script espacia con él se ejecuta de golpe, así que allí una animación solo muestra su último nombre. Mejor recorre los nombres con una tecla asignada, que funciona en todos los servidores.</translation>
    </message>
    <message>
        <source>On a competitive server wait does nothing: this loop then runs again and again within one frame until it fills the game&apos;s command buffer, and the game freezes meanwhile. Step through the names with a bound key instead, which works on every server.</source>
        <translation>En un servidor competitivo wait no hace nada: este bucle se ejecuta entonces una y otra vez dentro de un mismo fotograma hasta llenar el búfer de comandos del juego, y mientras tanto el juego se congela. Mejor recorre los nombres con una tecla asignada, que funciona en todos los servidores.</translation>
    </message>
    <message>
        <source>While the script runs, for %1, your keys wait behind it: you cannot move, fire or chat until it ends. Step through the names with a bound key instead, which holds nothing back.</source>
        <translation>Mientras se ejecuta el script, durante %1, tus teclas quedan en espera detrás de él: no puedes moverte, disparar ni chatear hasta que termine. Mejor recorre los nombres con una tecla asignada, que no retiene nada.</translation>
    </message>
    <message>
        <source>Others on the server see %1 of these %2 names: names that last less than one snapshot (%3 ms at sv_fps %4) are skipped (%5). Let each name last longer.</source>
        <translation>Los demás en el servidor ven %1 de estos %2 nombres: los que duran menos de un snapshot (%3 ms con sv_fps %4) se saltan (%5). Haz que cada nombre dure más.</translation>
    </message>
    <message>
        <source>for as long as it runs, for ever</source>
        <translation>mientras se ejecute, es decir, para siempre</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>durante %1</translation>
    </message>
    <message>
        <source>The names change as often as every %1, more often than every 0.8 s: the server&apos;s flood protection then ignores your chat, team chat and votes %2. Let each name last 0.8 s or more to keep chat working.</source>
        <translation>Los nombres llegan a cambiar cada %1, más a menudo que cada 0.8 s: la protección antiflood del servidor ignora entonces tu chat, el chat de equipo y los votos %2. Haz que cada nombre dure 0.8 s o más para que el chat siga funcionando.</translation>
    </message>
    <message>
        <source>The script sends about %1 names a second. Each waits for the server to acknowledge it, and the client keeps %2 at most: a lag spike of %3 s fills them, and the game disconnects you. Let each name last longer.</source>
        <translation>El script envía unos %1 nombres por segundo. Cada uno espera a que el servidor lo confirme, y el cliente admite como máximo %2 pendientes: un pico de lag de %3 s los llena y el juego te desconecta. Haz que cada nombre dure más.</translation>
    </message>
    <message>
        <source>In round-based modes (Search and Destroy and the like) the server takes a new name only at the next round: others see no animation there.</source>
        <translation>En los modos por rondas (Buscar y destruir y similares) el servidor solo acepta un nombre nuevo en la ronda siguiente: allí los demás no ven ninguna animación.</translation>
    </message>
    <message>
        <source>The game saves the name you have when you leave in config_mp.cfg: whichever of these names shows then is your name at the next start.</source>
        <translation>El juego guarda en config_mp.cfg el nombre que tienes al salir: el nombre que se vea en ese momento será tu nombre en el próximo inicio.</translation>
    </message>
    <message>
        <source>The game saves the name you have when you leave in config_mp.cfg: after this script, &quot;%1&quot;, your name at the next start.</source>
        <translation>El juego guarda en config_mp.cfg el nombre que tienes al salir: tras este script, &quot;%1&quot; será tu nombre en el próximo inicio.</translation>
    </message>
    <message>
        <source>lines %1 to %2: %3</source>
        <translation>líneas %1 a %2: %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>Read as a server&apos;s config: it sets %1. Warnings meant for name scripts, such as about map and killserver, are left out.</source>
        <translation>Leído como configuración de servidor: define %1. Se omiten las advertencias pensadas para scripts de nombre, como las de map y killserver.</translation>
    </message>
    <message>
        <source>No warnings: the script runs as written.</source>
        <translation>Sin advertencias: el script se ejecuta tal como está escrito.</translation>
    </message>
    <message numerus="yes">
        <source>lines %1 and %n more</source>
        <translation>
            <numerusform>líneas %1 y %n más</numerusform>
            <numerusform>líneas %1 y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>lines %1 and %2</source>
        <translation>líneas %1 y %2</translation>
    </message>
    <message>
        <source>These are not commands of the game in multiplayer: it sends each such line to the server, which shows it as chat or ignores it, unless a mod there knows it: %1. Leave them out; single-player and development commands do nothing here.</source>
        <translation>Estos no son comandos del juego en multijugador: envía cada una de esas líneas al servidor, que la muestra como chat o la ignora, salvo que un mod del servidor la reconozca: %1. Quítalos; los comandos de un jugador y de desarrollo no hacen nada aquí.</translation>
    </message>
    <message>
        <source>%1 is cheat-protected: on a server without sv_cheats 1, as every public server is, the game refuses to change it, so this does nothing there.</source>
        <translation>%1 está protegida contra trucos: en un servidor sin sv_cheats 1, como lo es todo servidor público, el juego se niega a cambiarla, así que esto no hace nada allí.</translation>
    </message>
    <message>
        <source>The server reads no &quot;%1&quot;: setting it changes nothing.</source>
        <translation>El servidor no lee ninguna &quot;%1&quot;: definirla no cambia nada.</translation>
    </message>
    <message>
        <source>The server reads %1 only as it starts, before it runs this config: setting it here changes nothing. Give it on the server&apos;s command line instead, as +set %1 and its value.</source>
        <translation>El servidor lee %1 solo al arrancar, antes de ejecutar esta configuración: definirla aquí no cambia nada. Pásala en la línea de comandos del servidor, como +set %1 y su valor.</translation>
    </message>
    <message>
        <source>exec runs scripts that this check cannot see into: %1. Check those too.</source>
        <translation>exec ejecuta scripts que esta comprobación no puede ver por dentro: %1. Compruébalos también.</translation>
    </message>
    <message>
        <source>This vstr runs again and again without a wait, some %2 times within one frame, until the line breaks each round leaves behind fill the game&apos;s command buffer of %1 bytes: the game hangs for a moment while it does, then the vstr fails and the rest of the script runs. Put a wait in the loop.</source>
        <translation>Este vstr se ejecuta una y otra vez sin wait, unas %2 veces en un mismo fotograma, hasta que los saltos de línea que deja cada vuelta llenan el búfer de comandos del juego, de %1 bytes: mientras tanto el juego se cuelga un momento; luego el vstr falla y se ejecuta el resto del script. Pon un wait en el bucle.</translation>
    </message>
    <message>
        <source> The game&apos;s comments start with //, not with #.</source>
        <translation> En el juego, los comentarios empiezan con //, no con #.</translation>
    </message>
    <message numerus="yes">
        <source>any of %n keys</source>
        <translation>
            <numerusform>%n tecla</numerusform>
            <numerusform>cualquiera de las %n teclas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>a loop (%1) that repeats every %2, %3 times in all, until the line breaks each round leaves behind fill the game&apos;s command buffer and the loop stops, after %4. Until then the game does not answer keys or the console. Let the last step set the resting name without another vstr, or step through the frames with a bound key.</source>
        <translation>un bucle (%1) que se repite cada %2, %3 veces en total, hasta que los saltos de línea que deja cada vuelta llenan el búfer de comandos del juego y el bucle se detiene, al cabo de %4. Hasta entonces el juego no responde a las teclas ni a la consola. Haz que el último paso ponga el nombre en reposo sin otro vstr, o recorre los fotogramas con una tecla asignada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a command of the game: the server only prints &quot;Unknown command&quot; in its console, unless a mod there knows it.</source>
        <translation>&quot;%1&quot; no es un comando del juego: el servidor solo escribe &quot;Unknown command&quot; en su consola, salvo que un mod del servidor lo reconozca.</translation>
    </message>
    <message>
        <source>These are not commands of the game: the server only prints &quot;Unknown command&quot; in its console for each, unless a mod there knows it: %1. Leave them out; single-player and development commands do nothing here.</source>
        <translation>Estos no son comandos del juego: por cada uno, el servidor solo escribe &quot;Unknown command&quot; en su consola, salvo que un mod del servidor lo reconozca: %1. Quítalos; los comandos de un jugador y de desarrollo no hacen nada aquí.</translation>
    </message>
    <message>
        <source>%1 are cheat-protected: on a server without sv_cheats 1, as every public server is, the game refuses to change them, so this does nothing there.</source>
        <translation>%1 están protegidas contra trucos: en un servidor sin sv_cheats 1, como lo es todo servidor público, el juego se niega a cambiarlas, así que esto no hace nada allí.</translation>
    </message>
    <message>
        <source>The server reads %1 only as it starts, before it runs this config: setting them here changes nothing. Give them on the server&apos;s command line instead, each as +set, its name and its value.</source>
        <translation>El servidor lee %1 solo al arrancar, antes de ejecutar esta configuración: definirlas aquí no cambia nada. Pásalas en la línea de comandos del servidor, cada una como +set, su nombre y su valor.</translation>
    </message>
    <message>
        <source>This toggles &quot;%1&quot;, which is no setting of the game: nothing happens. Did you mean &quot;%2&quot;?</source>
        <translation>Esto alterna &quot;%1&quot;, que no es ningún ajuste del juego: no pasa nada. ¿Quisiste decir &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>%1 set nothing: the game&apos;s set takes a name and then a value, and COD&apos;s seta exactly one value. Give each its value, in quotes if it has spaces.</source>
        <translation>%1 no definen nada: el set del juego espera un nombre y luego un valor, y el seta de COD exactamente un valor. Dale a cada uno su valor, entre comillas si tiene espacios.</translation>
    </message>
    <message>
        <source>... and so on, %1 rounds in all: at %2 the game&apos;s command buffer is full and the loop stops.</source>
        <translation>... y así sucesivamente, %1 vueltas en total: a los %2 el búfer de comandos del juego está lleno y el bucle se detiene.</translation>
    </message>
    <message>
        <source>It was saved as UTF-8, but this edition of the game reads %1: it shows each character such as é as two (Ã©). Open it in Tintmark, which reads it as UTF-8, and save it again.</source>
        <translation>Se guardó como UTF-8, pero esta edición del juego lee %1: en ella, cada carácter como é aparece como dos (Ã©). Ábrelo en Tintmark, que lo lee como UTF-8, y vuelve a guardarlo.</translation>
    </message>
</context>
<context>
    <name>frmEditor</name>
    <message>
        <source>Script</source>
        <translation>Script</translation>
    </message>
    <message>
        <source>&amp;Open Script...</source>
        <translation>&amp;Abrir script...</translation>
    </message>
    <message>
        <source>&amp;Play and Check...</source>
        <translation>&amp;Reproducir y comprobar...</translation>
    </message>
    <message>
        <source>&amp;Insert Animation...</source>
        <translation>&amp;Insertar animación...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Scri&amp;pt</source>
        <translation>S&amp;cript</translation>
    </message>
    <message>
        <source>New script, not saved yet</source>
        <translation>Script nuevo, aún sin guardar</translation>
    </message>
    <message>
        <source>New script</source>
        <translation>Script nuevo</translation>
    </message>
    <message>
        <source>%1 - unsaved changes</source>
        <translation>%1 - cambios sin guardar</translation>
    </message>
</context>
<context>
    <name>frmNameScript</name>
    <message>
        <source>Red, ^1</source>
        <translation>Rojo, ^1</translation>
    </message>
    <message>
        <source>Green, ^2</source>
        <translation>Verde, ^2</translation>
    </message>
    <message>
        <source>Yellow, ^3</source>
        <translation>Amarillo, ^3</translation>
    </message>
    <message>
        <source>Blue, ^4</source>
        <translation>Azul, ^4</translation>
    </message>
    <message>
        <source>Cyan, ^5</source>
        <translation>Cian, ^5</translation>
    </message>
    <message>
        <source>Magenta, ^6</source>
        <translation>Magenta, ^6</translation>
    </message>
    <message>
        <source>White, ^7</source>
        <translation>Blanco, ^7</translation>
    </message>
    <message>
        <source>Purple, ^8</source>
        <translation>Morado, ^8</translation>
    </message>
    <message>
        <source>Gray, ^9</source>
        <translation>Gris, ^9</translation>
    </message>
    <message>
        <source>Black, ^0</source>
        <translation>Negro, ^0</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nombre de jugador</translation>
    </message>
    <message>
        <source>The player name that the script sets in the game, with its color codes; the file&apos;s name is asked for at Save.</source>
        <translation>El nombre de jugador que el script pone en el juego, con sus códigos de color; el nombre del archivo se pide al guardar.</translation>
    </message>
    <message>
        <source>Tintmark does not save this name. %1.</source>
        <translation>Tintmark no guarda este nombre. %1.</translation>
    </message>
    <message>
        <source>Name &gt; Remove What the Game Drops makes it %1, as the game shows it.</source>
        <translation>Nombre &gt; Quitar lo que el juego descarta lo convierte en %1, tal como lo muestra el juego.</translation>
    </message>
    <message>
        <source>The pasted command sets the name %1: the box holds the name alone.</source>
        <translation>El comando pegado pone el nombre %1: en el cuadro va solo el nombre.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save the Name Script...</source>
        <translation>&amp;Guardar el script de nombre...</translation>
    </message>
    <message>
        <source>Add to the Script &amp;Editor</source>
        <translation>Añadir al &amp;editor de scripts</translation>
    </message>
    <message>
        <source>&amp;Open Script in the Editor...</source>
        <translation>&amp;Abrir script en el editor...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command</source>
        <translation>Copiar el co&amp;mando de consola</translation>
    </message>
    <message>
        <source>&amp;Remove What the Game Drops</source>
        <translation>&amp;Quitar lo que el juego descarta</translation>
    </message>
    <message>
        <source>&amp;Keep the Preview on Screen</source>
        <translation>&amp;Fijar la vista previa en pantalla</translation>
    </message>
    <message>
        <source>Color the &amp;Whole Name</source>
        <translation>Co&amp;lorear todo el nombre</translation>
    </message>
    <message>
        <source>&amp;Names from the Games</source>
        <translation>&amp;Nombres de los juegos</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <translation>No&amp;mbre</translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command (type a name first)</source>
        <translation>Copiar el co&amp;mando de consola (escribe antes un nombre)</translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command (the game would not set this name)</source>
        <translation>Copiar el co&amp;mando de consola (el juego no pondría este nombre)</translation>
    </message>
    <message>
        <source>&amp;Remove What the Game Drops (no quote, ; or \ to remove)</source>
        <translation>&amp;Quitar lo que el juego descarta (no hay comillas, ; ni \ que quitar)</translation>
    </message>
    <message>
        <source>&amp;Names from the Games (no game config found)</source>
        <translation>&amp;Nombres de los juegos (no se encontró ninguna configuración)</translation>
    </message>
    <message>
        <source>&amp;Rainbow</source>
        <translation>&amp;Arcoíris</translation>
    </message>
    <message>
        <source>&amp;Gradient</source>
        <translation>&amp;Degradado</translation>
    </message>
    <message>
        <source>&amp;Gradient (click two swatches first)</source>
        <translation>&amp;Degradado (haz clic antes en dos muestras de color)</translation>
    </message>
    <message>
        <source>In the colors of the codes the name holds, in their order: click the swatches first. A rainbow of six colors without them.</source>
        <translation>Con los colores de los códigos que tiene el nombre, en su orden: haz clic antes en las muestras de color. Sin ellos, un arcoíris de seis colores.</translation>
    </message>
    <message>
        <source>Type the name first</source>
        <translation>Escribe antes el nombre</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No edition of the game can show %1: names hold the letters of one 8-bit code page, which has no emoji or Asian characters.</source>
        <translation>Ninguna edición del juego puede mostrar %1: los nombres usan las letras de una sola página de códigos de 8 bits, que no tiene emojis ni caracteres asiáticos.</translation>
    </message>
    <message>
        <source>Leave Out What the Edition Cannot Show</source>
        <translation>Quitar lo que la edición no puede mostrar</translation>
    </message>
    <message>
        <source>Spell It “%1”</source>
        <translation>Escribir «%1»</translation>
    </message>
    <message>
        <source>This edition of the game cannot show %1: click to write the name in letters it can.</source>
        <translation>Esta edición del juego no puede mostrar %1: haz clic para escribir el nombre con letras que sí puede mostrar.</translation>
    </message>
    <message>
        <source>The box holds %1 characters: the paste was cut after “%2”, and “%3” was left out.</source>
        <translation>El campo admite %1 caracteres: lo pegado se cortó después de «%2» y «%3» quedó fuera.</translation>
    </message>
    <message>
        <source>&amp;Names from the Games (no game found)</source>
        <translation>&amp;Nombres de los juegos (no se encontró ningún juego)</translation>
    </message>
    <message>
        <source>&amp;Names from the Games (no name in their configs)</source>
        <translation>&amp;Nombres de los juegos (ningún nombre en sus configuraciones)</translation>
    </message>
</context>
</TS>
