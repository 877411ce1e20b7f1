<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AnimationDialog</name>
    <message>
        <source>Insert Animation</source>
        <translation>Insérer une animation</translation>
    </message>
    <message>
        <source>Color cycle: the whole name through the colors</source>
        <translation>Cycle de couleurs&#xa0;: tout le nom passe par chaque couleur</translation>
    </message>
    <message>
        <source>Chase: one letter in the first color, moving along</source>
        <translation>Chenillard&#xa0;: une lettre dans la première couleur parcourt le nom</translation>
    </message>
    <message>
        <source>Typewriter: the letters appear one by one</source>
        <translation>Machine à écrire&#xa0;: les lettres apparaissent une à une</translation>
    </message>
    <message>
        <source>Rainbow shift: the letters&apos; colors move along</source>
        <translation>Arc-en-ciel défilant&#xa0;: les couleurs glissent de lettre en lettre</translation>
    </message>
    <message>
        <source>Blink: the name in the first color and at rest</source>
        <translation>Clignotement&#xa0;: le nom dans la première couleur, puis tel quel</translation>
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
        <translation>Cadence sûre pour le c&amp;hat</translation>
    </message>
    <message>
        <source>Each frame lasts 0.8 s or more: the server&apos;s flood protection then lets your chat through.</source>
        <translation>Chaque image dure 0.8 s ou plus&#xa0;: la protection anti-flood du serveur laisse alors passer vos messages de chat.</translation>
    </message>
    <message>
        <source>at</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Play once, then rest on the name</source>
        <translation>Une seule fois, puis reste sur le nom</translation>
    </message>
    <message>
        <source>One step for each press of a key</source>
        <translation>Une étape à chaque appui sur une touche</translation>
    </message>
    <message>
        <source>Your keys, moving and firing included, wait behind the script while it plays.</source>
        <translation>Vos touches, déplacements et tir compris, restent en attente derrière le script tant qu&apos;il se déroule.</translation>
    </message>
    <message>
        <source>Holds none of your keys back; chat goes through when the presses are more than 0.8 s apart.</source>
        <translation>Ne bloque aucune de vos touches&#xa0;; le chat passe quand les appuis sont espacés de plus de 0.8 s.</translation>
    </message>
    <message>
        <source>Begins the names of the variables the script sets, so that two animations in one script keep apart.</source>
        <translation>Début du nom des variables que définit le script, pour que deux animations d&apos;un même script ne se mélangent pas.</translation>
    </message>
    <message>
        <source>No endless timed loop: a vstr loop with waits holds back every key you press, the key to stop it included, for as long as it runs. To keep a name moving while you play, step it with a key.</source>
        <translation>Pas de boucle temporisée sans fin&#xa0;: une boucle vstr avec des wait bloque toutes les touches que vous pressez, y compris celle qui devrait l&apos;arrêter, tant qu&apos;elle tourne. Pour animer un nom pendant que vous jouez, faites-le avancer avec une touche.</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Touche&#xa0;:</translation>
    </message>
    <message>
        <source>Variables begin with:</source>
        <translation>Préfixe des variables&#xa0;:</translation>
    </message>
    <message>
        <source>Codes only where the color changes</source>
        <translation>Codes seulement aux changements de couleur</translation>
    </message>
    <message>
        <source>Color at most </source>
        <translation>Colorer au plus </translation>
    </message>
    <message>
        <source> letters</source>
        <translation> lettres</translation>
    </message>
    <message>
        <source>Use a &amp;shorter form</source>
        <translation>Utiliser une forme plus &amp;courte</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insérer</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Effect:</source>
        <translation>&amp;Effet&#xa0;:</translation>
    </message>
    <message>
        <source>Colors:</source>
        <translation>Couleurs&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Delay:</source>
        <translation>&amp;Délai&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Plays:</source>
        <translation>&amp;Lecture&#xa0;:</translation>
    </message>
    <message>
        <source>Shorter:</source>
        <translation>Plus court&#xa0;:</translation>
    </message>
    <message>
        <source>= %1</source>
        <translation>= %1</translation>
    </message>
    <message>
        <source>Every frame looks the same: the name already shows these colors. Pick another color or effect.</source>
        <translation>Toutes les images se ressemblent&#xa0;: le nom a déjà ces couleurs. Choisissez une autre couleur ou un autre effet.</translation>
    </message>
    <message>
        <source>%1 names (%2 frames and the name at rest), %3 lines, %4 bytes; the longest name takes %5 of %6 bytes.</source>
        <translation>%1 noms (%2 images et le nom final), %3 lignes, %4 octets&#xa0;; le nom le plus long occupe %5 octets sur %6.</translation>
    </message>
    <message>
        <source>One frame a press: it holds none of your keys back and works on every server; chat goes through when you press it more than 0.8 s apart.</source>
        <translation>Une image par appui&#xa0;: aucune de vos touches n&apos;est bloquée et cela fonctionne sur tous les serveurs&#xa0;; le chat passe si vous espacez les appuis de plus de 0.8 s.</translation>
    </message>
    <message>
        <source>Your game&apos;s config binds %1 to &quot;%2&quot;: this script binds it anew, and %1 no longer does that.</source>
        <translation>La config de votre jeu assigne %1 à &quot;%2&quot;&#xa0;: ce script réassigne %1, qui ne fera plus cela.</translation>
    </message>
    <message>
        <source>Others on the server miss frames: they see only names that last a snapshot (%1 ms at sv_fps %2) or more.</source>
        <translation>Les autres joueurs du serveur ratent des images&#xa0;: ils ne voient que les noms qui durent au moins un snapshot (%1 ms à sv_fps %2).</translation>
    </message>
    <message>
        <source>Others on the server see every frame.</source>
        <translation>Les autres joueurs du serveur voient toutes les images.</translation>
    </message>
    <message>
        <source>Your chat is dropped while it plays: frames under 0.8 s set off the server&apos;s flood protection.</source>
        <translation>Votre chat est ignoré pendant l&apos;animation&#xa0;: des images de moins de 0.8 s déclenchent la protection anti-flood du serveur.</translation>
    </message>
    <message>
        <source>Chat keeps working.</source>
        <translation>Le chat reste utilisable.</translation>
    </message>
    <message>
        <source>Your keys wait behind it while it plays, for %1.</source>
        <translation>Vos touches restent en attente derrière l&apos;animation tant qu&apos;elle se déroule, soit %1.</translation>
    </message>
</context>
<context>
    <name>AnimationGenerator</name>
    <message>
        <source>The game would not show frame %1 as made: it would set the name to &quot;%2&quot; instead of &quot;%3&quot;.</source>
        <translation>Le jeu n&apos;afficherait pas l&apos;image %1 telle quelle&#xa0;: il changerait le nom en &quot;%2&quot; au lieu de &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The name has no letters to animate.</source>
        <translation>Le nom n&apos;a aucune lettre à animer.</translation>
    </message>
    <message>
        <source>Names with &quot;, ; or \ cannot be animated: the games refuse them.</source>
        <translation>Les noms contenant &quot;, ; ou \ ne peuvent pas être animés&#xa0;: les jeux les refusent.</translation>
    </message>
    <message>
        <source>Choose at least one color.</source>
        <translation>Choisissez au moins une couleur.</translation>
    </message>
    <message>
        <source>Name the key as the game names it, such as F5 or k.</source>
        <translation>Écrivez le nom de la touche comme le jeu l&apos;écrit, par exemple F5 ou k.</translation>
    </message>
    <message>
        <source>The prefix of the variables takes letters, digits and _ only.</source>
        <translation>Le préfixe des variables n&apos;accepte que des lettres, des chiffres et _.</translation>
    </message>
    <message>
        <source>The longest frame takes %1 bytes; the game keeps %2 and cuts off the rest.</source>
        <translation>L&apos;image la plus longue occupe %1 octets&#xa0;; le jeu en garde %2 et coupe le reste.</translation>
    </message>
</context>
<context>
    <name>CfgFileDialog</name>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Fichier %1</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Tintmark</source>
        <translation>Tintmark</translation>
    </message>
    <message>
        <source>The script has changes that are not saved. Open another script in its place and lose them?</source>
        <translation>Le script contient des modifications non enregistrées. Ouvrir un autre script à sa place et les perdre&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>Recover the unsaved script from %1?</source>
        <translation>Récupérer le script non enregistré du %1&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Récupérer</translation>
    </message>
    <message>
        <source>%1 is far larger than a script: the game reads at most 65,536 bytes of one. Open it all the same?</source>
        <translation>%1 est bien plus gros qu&apos;un script&#xa0;: le jeu lit au plus 65&#xa0;536 octets d&apos;un script. L&apos;ouvrir quand même&#xa0;?</translation>
    </message>
    <message>
        <source>%1 was saved as UTF-8, but this edition of the game reads %2: it shows each character such as é as two (Ã©). Open it as UTF-8, to save it again as the game reads it?</source>
        <translation>%1 a été enregistré en UTF-8, mais cette édition du jeu lit le %2&#xa0;: elle affiche chaque caractère comme é en deux (Ã©). L&apos;ouvrir en UTF-8, pour l&apos;enregistrer à nouveau tel que le jeu le lit&#xa0;?</translation>
    </message>
    <message>
        <source>The edition has no letter for some of its characters; Tintmark spells them in letters it has: %1.</source>
        <translation>L&apos;édition n&apos;a pas de lettre pour certains de ses caractères&#xa0;; Tintmark les écrit avec des lettres qu&apos;elle possède&#xa0;: %1.</translation>
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
        <translation>Enregistrer les modifications du nouveau script ?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>This folder cannot be written. Save the script in another one, such as your documents?</source>
        <translation>Impossible d&apos;écrire dans ce dossier. Enregistrer le script dans un autre, comme tes documents ?</translation>
    </message>
    <message>
        <source>Save &amp;Elsewhere...</source>
        <translation>Enregistrer &amp;ailleurs...</translation>
    </message>
</context>
<context>
    <name>CfgReader</name>
    <message>
        <source>It is a folder, not a script.</source>
        <translation>C&apos;est un dossier, pas un script.</translation>
    </message>
    <message>
        <source>It is not a file but a pipe, a device or a socket; scripts are files.</source>
        <translation>Ce n&apos;est pas un fichier mais un tube, un périphérique ou un socket&#xa0;; les scripts sont des fichiers.</translation>
    </message>
    <message>
        <source>The file is %1 MiB, far larger than any script (the games read at most 64 KiB of one).</source>
        <translation>Le fichier fait %1 Mio, bien plus que n&apos;importe quel script (les jeux lisent au plus 64 Kio d&apos;un script).</translation>
    </message>
    <message>
        <source>Reading stopped partway: %1</source>
        <translation>La lecture s&apos;est arrêtée en cours de route&#xa0;: %1</translation>
    </message>
    <message>
        <source>This is not a script: it holds the byte 0x%1 at offset %2, which text does not hold.</source>
        <translation>Ce n&apos;est pas un script&#xa0;: il contient l&apos;octet 0x%1 à la position %2, ce qu&apos;un texte ne contient pas.</translation>
    </message>
</context>
<context>
    <name>CfgWriter</name>
    <message>
        <source>No file name was given.</source>
        <translation>Aucun nom de fichier n&apos;a été indiqué.</translation>
    </message>
    <message>
        <source>The script could not be written completely.</source>
        <translation>Le script n&apos;a pas pu être écrit en entier.</translation>
    </message>
    <message>
        <source>The text holds the character %1, which a script cannot hold: this edition of the game reads scripts in %2. Nothing was saved; replace that character and save again.</source>
        <translation>Le texte contient le caractère %1, qu&apos;un script ne peut pas contenir&#xa0;: cette édition du jeu lit les scripts en %2. Rien n&apos;a été enregistré&#xa0;; remplacez ce caractère et enregistrez à nouveau.</translation>
    </message>
</context>
<context>
    <name>CheckReport</name>
    <message>
        <source>Names in %1 at com_maxfps %2, frames of %3 ms, %4 frames a second:</source>
        <translation>Noms dans %1 à com_maxfps %2, frames de %3 ms, %4 frames par seconde&#xa0;:</translation>
    </message>
    <message>
        <source>From %1 the script&apos;s own com_maxfps %2 holds: frames of %3 ms.</source>
        <translation>À partir de %1, le com_maxfps %2 du script s&apos;applique&#xa0;: frames de %3 ms.</translation>
    </message>
    <message>
        <source>The script sets no name.</source>
        <translation>Le script ne définit aucun nom.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Keys it binds, and the names their presses show:</source>
        <translation>Touches assignées par le script, et noms affichés à chaque appui&#xa0;:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>aucun nom</translation>
    </message>
    <message numerus="yes">
        <source>%n other keys show no name, and the warnings say nothing of them.</source>
        <translation>
            <numerusform>%n autre touche n&apos;affiche aucun nom, et les avertissements n&apos;en disent rien.</numerusform>
            <numerusform>%n autres touches n&apos;affichent aucun nom, et les avertissements n&apos;en disent rien.</numerusform>
        </translation>
    </message>
    <message>
        <source>Names as others on the server see them, at sv_fps %1 (a snapshot every %2 ms):</source>
        <translation>Noms tels que les autres joueurs du serveur les voient, à sv_fps %1 (un snapshot toutes les %2 ms)&#xa0;:</translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation>Avertissements&#xa0;:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Remarques&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Central European</source>
        <translation>d&apos;Europe centrale</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>cyrilliques</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>d&apos;Europe occidentale</translation>
    </message>
</context>
<context>
    <name>ColorCodes</name>
    <message>
        <source>American</source>
        <translation>Américains</translation>
    </message>
    <message>
        <source>British</source>
        <translation>Britanniques</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russes</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
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
        <translation>blanc</translation>
    </message>
    <message>
        <source>the allied team&apos;s color</source>
        <translation>la couleur de l&apos;équipe alliée</translation>
    </message>
    <message>
        <source>the axis team&apos;s grey</source>
        <translation>le gris de l&apos;équipe de l&apos;Axe</translation>
    </message>
    <message>
        <source>The game shows ^6 magenta; its swatch is dark red.</source>
        <translation>Le jeu affiche ^6 en magenta&#xa0;; sa case est rouge foncé.</translation>
    </message>
    <message>
        <source>In COD 2, ^8 shows in the allied team&apos;s color (green for the Americans, blue for the British, red for the Russians); COD removes it.</source>
        <translation>Dans COD 2, ^8 s&apos;affiche dans la couleur de l&apos;équipe alliée (vert pour les Américains, bleu pour les Britanniques, rouge pour les Russes)&#xa0;; COD le retire.</translation>
    </message>
    <message>
        <source>^9 shows in the axis team&apos;s grey.</source>
        <translation>^9 s&apos;affiche dans le gris de l&apos;équipe de l&apos;Axe.</translation>
    </message>
    <message>
        <source>The game removes ^0 from names.</source>
        <translation>Le jeu retire ^0 des noms.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Tintmark makes colored player names for COD and COD 2. Without options it opens its window, and a script given as FILE in the script editor.</source>
        <translation>Tintmark crée des noms de joueur en couleur pour COD et COD 2. Sans option, il ouvre sa fenêtre, et le script donné comme FICHIER dans l&apos;éditeur de scripts.</translation>
    </message>
    <message>
        <source>Shows these options.</source>
        <translation>Affiche ces options.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s name and version.</source>
        <translation>Affiche le nom et la version du programme.</translation>
    </message>
    <message>
        <source>Checks the scripts without opening a window: the names each sets with their times, then its warnings with line numbers. Exit status 0 when no script has a warning, 1 when one has, 2 when a file cannot be read.</source>
        <translation>Vérifie les scripts sans ouvrir de fenêtre&#xa0;: les noms que chacun définit et à quel moment, puis ses avertissements avec leurs numéros de ligne. Code de sortie 0 si aucun script n&apos;a d&apos;avertissement, 1 si l&apos;un en a, 2 si un fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>GAME</source>
        <translation>JEU</translation>
    </message>
    <message>
        <source>With --check: the server the player is on: stock (the default), or competitive for a CoD2x server with competitive settings, where wait does nothing and com_maxfps is 125 to 250.</source>
        <translation>Avec --check&#xa0;: le serveur où se trouve le joueur&#xa0;: stock (par défaut), ou competitive pour un serveur CoD2x en réglages compétitifs, où wait ne fait rien et où com_maxfps va de 125 à 250.</translation>
    </message>
    <message>
        <source>SERVER</source>
        <translation>SERVEUR</translation>
    </message>
    <message>
        <source>With --check: the server&apos;s sv_fps, the snapshots a second that show others the names: 20 (the default), from %1 to %2.</source>
        <translation>Avec --check&#xa0;: le sv_fps du serveur, le nombre de snapshots par seconde qui montrent les noms aux autres&#xa0;: 20 (par défaut), de %1 à %2.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>With --check: the player&apos;s com_maxfps, from 0 to %1; without it, the one the game&apos;s config in the script&apos;s folder sets, else the installed games&apos; configs, else %2.</source>
        <translation>Avec --check&#xa0;: le com_maxfps du joueur, de 0 à %1&#xa0;; sans cette option, celui que définit la config du jeu dans le dossier du script, sinon celles des jeux installés, sinon %2.</translation>
    </message>
    <message>
        <source>The script to open, or with --check the scripts to check.</source>
        <translation>Le script à ouvrir, ou avec --check les scripts à vérifier.</translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation>[FICHIER...]</translation>
    </message>
    <message>
        <source>--check needs at least one script.</source>
        <translation>--check demande au moins un script.</translation>
    </message>
    <message>
        <source>--server takes stock or competitive, not %1.</source>
        <translation>--server accepte stock ou competitive, pas %1.</translation>
    </message>
    <message>
        <source>--sv-fps takes a number from %1 to %2, not %3.</source>
        <translation>--sv-fps accepte un nombre de %1 à %2, pas %3.</translation>
    </message>
    <message>
        <source>--maxfps takes a number from 0 to %1, not %2.</source>
        <translation>--maxfps accepte un nombre de 0 à %1, pas %2.</translation>
    </message>
    <message>
        <source>With --check: the language of the game&apos;s edition, which decides the letters it reads scripts in: %1; without it, the edition of the game whose folder holds the script, else the one chosen in the windows.</source>
        <translation>Avec --check&#xa0;: la langue de l&apos;édition du jeu, qui détermine les lettres dans lesquelles il lit les scripts&#xa0;: %1&#xa0;; sans cette option, l&apos;édition du jeu dont le dossier contient le script, sinon celle choisie dans les fenêtres.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>Usage: tintmark [FILE | --check [--game GAME] [--server SERVER] [--sv-fps N] [--maxfps N] [--language NAME] FILE... | --version | --help]</source>
        <translation>Usage&#xa0;: tintmark [FICHIER | --check [--game JEU] [--server SERVEUR] [--sv-fps N] [--maxfps N] [--language NOM] FICHIER... | --version | --help]</translation>
    </message>
    <message>
        <source>--language takes %1, not %2.</source>
        <translation>--language accepte %1, pas %2.</translation>
    </message>
    <message>
        <source>With --check: the game whose console runs the scripts: cod2 (the default), cod1.3, cod1.1 or uo (United Offensive).</source>
        <translation>Avec --check&#xa0;: le jeu dont la console exécute les scripts&#xa0;: cod2 (par défaut), cod1.3, cod1.1 ou uo (United Offensive).</translation>
    </message>
    <message>
        <source>--game takes cod2, cod1.3, cod1.1 or uo, not %1.</source>
        <translation>--game accepte cod2, cod1.3, cod1.1 ou uo, pas %1.</translation>
    </message>
</context>
<context>
    <name>EditionMenu</name>
    <message>
        <source>Game &amp;Edition</source>
        <translation>É&amp;dition du jeu</translation>
    </message>
    <message>
        <source>As the Game Installed</source>
        <translation>Comme le jeu installé</translation>
    </message>
    <message>
        <source>The edition of the game Tintmark finds on this computer.</source>
        <translation>L&apos;édition du jeu que Tintmark trouve sur cet ordinateur.</translation>
    </message>
    <message>
        <source>%1 (%2 letters)</source>
        <translation>%1 (lettres %2)</translation>
    </message>
    <message>
        <source>As the Game Installed (%1)</source>
        <translation>Comme le jeu installé (%1)</translation>
    </message>
    <message>
        <source>As the Game Installed (none found: English)</source>
        <translation>Comme le jeu installé (aucun trouvé&#xa0;: anglais)</translation>
    </message>
</context>
<context>
    <name>GameLanguage</name>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>British English</source>
        <translation>Anglais britannique</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
</context>
<context>
    <name>GameLetters</name>
    <message>
        <source>in COD 2&apos;s own letters</source>
        <translation>avec les lettres de COD 2 lui-même</translation>
    </message>
    <message>
        <source>the game&apos;s font was not found</source>
        <translation>la police du jeu est introuvable</translation>
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
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Using the Script in the &amp;Game</source>
        <translation>Utiliser le script dans le &amp;jeu</translation>
    </message>
    <message>
        <source>Using the Script in the Game</source>
        <translation>Utiliser le script dans le jeu</translation>
    </message>
    <message>
        <source>What the &amp;Color Codes Do</source>
        <translation>À quoi servent les &amp;codes couleur</translation>
    </message>
    <message>
        <source>What the Color Codes Do</source>
        <translation>À quoi servent les codes couleur</translation>
    </message>
    <message>
        <source>&amp;About Tintmark...</source>
        <translation>À &amp;propos de Tintmark...</translation>
    </message>
    <message>
        <source>About &amp;Qt...</source>
        <translation>À propos de &amp;Qt...</translation>
    </message>
    <message>
        <source>&lt;li&gt;%1: &lt;code&gt;%2&lt;/code&gt;&lt;/li&gt;</source>
        <translation>&lt;li&gt;%1&#xa0;: &lt;code&gt;%2&lt;/code&gt;&lt;/li&gt;</translation>
    </message>
    <message>
        <source>Tintmark found no game on this computer. The main folder is the folder &lt;code&gt;main&lt;/code&gt; in the folder the game is installed in.</source>
        <translation>Tintmark n&apos;a trouvé aucun jeu sur cet ordinateur. Le dossier main est le dossier &lt;code&gt;main&lt;/code&gt; qui se trouve dans le dossier d&apos;installation du jeu.</translation>
    </message>
    <message>
        <source>Tintmark found:&lt;ul&gt;%1&lt;/ul&gt;</source>
        <translation>Tintmark a trouvé&#xa0;:&lt;ul&gt;%1&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;Save the script into the game&apos;s &lt;b&gt;main&lt;/b&gt; folder. %1&lt;/li&gt;&lt;li&gt;Start the game, open the console with &lt;b&gt;~&lt;/b&gt; and type &lt;code&gt;%2&lt;/code&gt;%3.&lt;/li&gt;&lt;li&gt;A script that binds keys, such as an animated name that plays on a key, starts when you press that key.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;The notice after a save shows the command for that script, ready to copy.&lt;/p&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;Enregistrez le script dans le dossier &lt;b&gt;main&lt;/b&gt; du jeu. %1&lt;/li&gt;&lt;li&gt;Lancez le jeu, ouvrez la console avec &lt;b&gt;~&lt;/b&gt; (&lt;b&gt;²&lt;/b&gt; sur un clavier AZERTY) et tapez &lt;code&gt;%2&lt;/code&gt;%3.&lt;/li&gt;&lt;li&gt;Un script qui assigne des touches, comme un nom animé qui se joue sur une touche, démarre quand vous appuyez sur cette touche.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Le message affiché après un enregistrement indique la commande de ce script, prête à copier.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>, with the name you saved</source>
        <translation>, avec le nom de votre fichier</translation>
    </message>
    <message>
        <source>&lt;p&gt;A caret and a digit color the letters after them in the game:&lt;/p&gt;&lt;table cellspacing=&quot;4&quot;&gt;%1&lt;/table&gt;&lt;p&gt;A caret and any other character is a code too: COD 2 shows the letters after it white. A caret before another caret shows as it is.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Dans le jeu, un ^ suivi d&apos;un chiffre colore les lettres qui suivent&#xa0;:&lt;/p&gt;&lt;table cellspacing=&quot;4&quot;&gt;%1&lt;/table&gt;&lt;p&gt;Un ^ suivi de tout autre caractère est aussi un code&#xa0;: COD 2 affiche en blanc les lettres qui suivent. Un ^ placé devant un autre ^ s&apos;affiche tel quel.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Tintmark</source>
        <translation>À propos de Tintmark</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tintmark %1&lt;/h3&gt;&lt;p&gt;Colored player names and name scripts for COD and COD 2.&lt;/p&gt;&lt;p&gt;Tintmark is free software under the GNU General Public License, version 3 or later. It comes with no warranty.&lt;/p&gt;&lt;p&gt;Built with Qt %2, used under the GNU Lesser General Public License, version 3.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tintmark %1&lt;/h3&gt;&lt;p&gt;Noms de joueur en couleur et scripts de nom pour COD et COD 2.&lt;/p&gt;&lt;p&gt;Tintmark est un logiciel libre, sous licence GNU General Public License, version 3 ou ultérieure. Il est fourni sans aucune garantie.&lt;/p&gt;&lt;p&gt;Compilé avec Qt %2, utilisé sous licence GNU Lesser General Public License, version 3.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The preview draws the name in COD 2&apos;s own letters, read from the game&apos;s files, when Tintmark finds COD 2 on this computer, and says so below the name. Without the game, or when its font cannot be read, it draws the name in the desktop&apos;s letters, which are only near the game&apos;s.&lt;/p&gt;</source>
        <translation>&lt;p&gt;L&apos;aperçu dessine le nom avec les lettres de COD 2 lui-même, lues dans les fichiers du jeu, quand Tintmark trouve COD 2 sur cet ordinateur, et l&apos;indique sous le nom. Sans le jeu, ou si sa police ne peut pas être lue, il dessine le nom avec les lettres du bureau, qui ne font que ressembler à celles du jeu.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Tintmark speaks %1 from its next start.</source>
        <translation>Langue de Tintmark au prochain démarrage&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The System&apos;s Language</source>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>NamePreview</name>
    <message>
        <source>COD 2 cuts off the end:</source>
        <translation>COD 2 coupe la fin&#xa0;:</translation>
    </message>
    <message>
        <source>The games refuse %1 in a name.</source>
        <translation>Les jeux refusent %1 dans un nom.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>the Latin letter “%1”</source>
        <translation>la lettre latine &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the Cyrillic letter “%1”</source>
        <translation>la lettre cyrillique &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the Greek letter “%1”</source>
        <translation>la lettre grecque &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the character “%1”</source>
        <translation>le caractère &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the character U+%1</source>
        <translation>le caractère U+%1</translation>
    </message>
    <message>
        <source>Leave it out.</source>
        <translation>Retirez-le.</translation>
    </message>
    <message>
        <source>Spell it “%1” (Name menu, or the button at the end of the name box).</source>
        <translation>Écrivez-le &quot;%1&quot; (menu Nom, ou le bouton au bout du champ du nom).</translation>
    </message>
    <message>
        <source>This edition of the game cannot show %1: its names hold %2 letters (%3).</source>
        <translation>Cette édition du jeu ne peut pas afficher %1&#xa0;: ses noms s&apos;écrivent en lettres %2 (%3).</translation>
    </message>
    <message>
        <source>Players of editions with %1 letters see:</source>
        <translation>Les joueurs des éditions en lettres %1 voient&#xa0;:</translation>
    </message>
</context>
<context>
    <name>PinnedPreview</name>
    <message>
        <source>Tintmark Preview</source>
        <translation>Aperçu Tintmark</translation>
    </message>
</context>
<context>
    <name>RecentScripts</name>
    <message>
        <source>No scripts opened or saved yet</source>
        <translation>Aucun script ouvert ou enregistré pour l&apos;instant</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Scripts &amp;récents</translation>
    </message>
</context>
<context>
    <name>SaveNotice</name>
    <message>
        <source>Copy %1</source>
        <translation>Copier %1</translation>
    </message>
    <message>
        <source>Saved %1 in the %2 folder of %3.</source>
        <translation>%1 enregistré dans le dossier %2 de %3.</translation>
    </message>
    <message>
        <source>Windows keeps it for the game in %1, since the game&apos;s own folder is protected; the game finds it there.</source>
        <translation>Windows le range pour le jeu dans %1, car le dossier du jeu est protégé&#xa0;; le jeu l&apos;y trouve.</translation>
    </message>
    <message>
        <source>In the game, open the console (~) and type: %1</source>
        <translation>Dans le jeu, ouvrez la console (~ ou ²) et tapez&#xa0;: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 enregistré.</translation>
    </message>
    <message>
        <source>Put it in the game&apos;s main folder first, then in the game open the console (~) and type: %1</source>
        <translation>Placez-le d&apos;abord dans le dossier main du jeu, puis, dans le jeu, ouvrez la console (~ ou ²) et tapez&#xa0;: %1</translation>
    </message>
    <message>
        <source>Put it in the main folder of %1 first (%2), then in the game open the console (~) and type: %3</source>
        <translation>Placez-le d&apos;abord dans le dossier main de %1 (%2), puis, dans le jeu, ouvrez la console (~ ou ²) et tapez&#xa0;: %3</translation>
    </message>
    <message>
        <source>Then press %1 to play it.</source>
        <translation>Appuyez ensuite sur %1 pour le lancer.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>The checker warns: %1</source>
        <translation>Le vérificateur signale&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>The checker finds %n warnings: Play and Check (F5) in the editor lists them.</source>
        <translation>
            <numerusform>Le vérificateur signale %n avertissement&#xa0;: dans l&apos;éditeur, Lire et vérifier (F5) le détaille.</numerusform>
            <numerusform>Le vérificateur signale %n avertissements&#xa0;: dans l&apos;éditeur, Lire et vérifier (F5) les détaille.</numerusform>
        </translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 copié</translation>
    </message>
</context>
<context>
    <name>ScriptChecker</name>
    <message>
        <source>and so on</source>
        <translation>et ainsi de suite</translation>
    </message>
</context>
<context>
    <name>ScriptOpener</name>
    <message>
        <source>Cannot open %1:
%2</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>“%1” left out</source>
        <translation>&quot;%1&quot; omis</translation>
    </message>
    <message>
        <source>“%1” as “%2”</source>
        <translation>&quot;%1&quot; en &quot;%2&quot;</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n autre</numerusform>
            <numerusform>%n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScriptPlayerWindow</name>
    <message>
        <source>Tintmark Player</source>
        <translation>Lecteur Tintmark</translation>
    </message>
    <message>
        <source>The name as the server&apos;s last snapshot showed it to the others on the server.</source>
        <translation>Le nom tel que le dernier snapshot du serveur l&apos;a montré aux autres joueurs.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Next change</source>
        <translation>&amp;Changement suivant</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>The game&apos;s com_maxfps: it caps the frames in whole milliseconds, and the console runs two ticks a frame, so waits last longer at lower rates.</source>
        <translation>Le com_maxfps du jeu&#xa0;: il limite les frames en millisecondes entières, et la console exécute deux ticks par frame&#xa0;; les wait durent donc plus longtemps quand les fps sont bas.</translation>
    </message>
    <message>
        <source>%1 ms frames, %2 a second</source>
        <translation>frames de %1 ms, %2/s</translation>
    </message>
    <message>
        <source>%1: the server makes com_maxfps %2</source>
        <translation>%1&#xa0;: le serveur impose com_maxfps %2</translation>
    </message>
    <message>
        <source>Stock server</source>
        <translation>Serveur standard</translation>
    </message>
    <message>
        <source>CoD2x competitive server</source>
        <translation>Serveur CoD2x compétitif</translation>
    </message>
    <message>
        <source>A CoD2x server with competitive settings makes wait do nothing and keeps com_maxfps from 125 to 250.</source>
        <translation>Un serveur CoD2x en réglages compétitifs rend wait sans effet et maintient com_maxfps entre 125 et 250.</translation>
    </message>
    <message>
        <source>The server&apos;s sv_fps: the snapshots a second that show the others your name, 20 on most servers.</source>
        <translation>Le sv_fps du serveur&#xa0;: le nombre de snapshots par seconde qui montrent votre nom aux autres, 20 sur la plupart des serveurs.</translation>
    </message>
    <message>
        <source>^8 shows in the color of the allied team, which depends on its nation; ^9 in the color of the axis team.</source>
        <translation>^8 s&apos;affiche dans la couleur de l&apos;équipe alliée, qui dépend de sa nation&#xa0;; ^9 dans celle de l&apos;équipe de l&apos;Axe.</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Jeu&#xa0;:</translation>
    </message>
    <message>
        <source>com_&amp;maxfps:</source>
        <translation>com_&amp;maxfps&#xa0;:</translation>
    </message>
    <message>
        <source>A&amp;llies:</source>
        <translation>&amp;Alliés&#xa0;:</translation>
    </message>
    <message>
        <source>Ser&amp;ver:</source>
        <translation>&amp;Serveur&#xa0;:</translation>
    </message>
    <message>
        <source>s&amp;v_fps:</source>
        <translation>s&amp;v_fps&#xa0;:</translation>
    </message>
    <message>
        <source>Others see:</source>
        <translation>Les autres voient&#xa0;:</translation>
    </message>
    <message>
        <source>Keys the script binds:</source>
        <translation>Touches assignées par le script&#xa0;:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Others see it</source>
        <translation>Vu par les autres</translation>
    </message>
    <message>
        <source>Put the second command on its &amp;own line</source>
        <translation>Passer la &amp;deuxième commande à la ligne</translation>
    </message>
    <message>
        <source>Names as the game shows them:</source>
        <translation>Noms tels que le jeu les affiche&#xa0;:</translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation>Avertissements&#xa0;:</translation>
    </message>
    <message>
        <source>No change after this one.</source>
        <translation>Aucun changement après celui-ci.</translation>
    </message>
    <message>
        <source>A note: worth knowing, no fault.</source>
        <translation>Une remarque&#xa0;: bon à savoir, pas une erreur.</translation>
    </message>
    <message>
        <source>never: replaced within its frame</source>
        <translation>jamais&#xa0;: remplacé dans la même frame</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>dès %1</translation>
    </message>
    <message>
        <source>never: it lasts less than a snapshot</source>
        <translation>jamais&#xa0;: dure moins d&apos;un snapshot</translation>
    </message>
    <message>
        <source>Press %1: %2</source>
        <translation>Appui sur %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n autre</numerusform>
            <numerusform>%n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Presses show: %1</source>
        <translation>Les appuis affichent&#xa0;: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>The script has run: press a key it binds.</source>
        <translation>Le script s&apos;est exécuté&#xa0;: appuyez sur une touche qu&apos;il assigne.</translation>
    </message>
    <message>
        <source>The animation has ended.</source>
        <translation>L&apos;animation est terminée.</translation>
    </message>
    <message>
        <source>The loop has stopped: the game&apos;s command buffer is full.</source>
        <translation>La boucle s&apos;est arrêtée&#xa0;: le tampon de commandes du jeu est plein.</translation>
    </message>
</context>
<context>
    <name>ScriptSaver</name>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>SetNameLine</name>
    <message>
        <source>The game would not set the name</source>
        <translation>Le jeu ne changerait pas le nom</translation>
    </message>
    <message>
        <source>The game would set the name to %1</source>
        <translation>Le jeu changerait le nom en %1</translation>
    </message>
    <message>
        <source> and then run: %1</source>
        <translation> puis exécuterait&#xa0;: %1</translation>
    </message>
    <message>
        <source>, not to %1</source>
        <translation>, et non en %1</translation>
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
        <translation>ferme le jeu</translation>
    </message>
    <message>
        <source>removes every key binding, moving and firing included</source>
        <translation>supprime toutes les assignations de touches, déplacements et tir compris</translation>
    </message>
    <message>
        <source>puts every setting back to its default</source>
        <translation>remet tous les réglages à leur valeur par défaut</translation>
    </message>
    <message>
        <source>shuts the server down</source>
        <translation>arrête le serveur</translation>
    </message>
    <message>
        <source>leaves the server the player is on</source>
        <translation>déconnecte le joueur du serveur</translation>
    </message>
    <message>
        <source>When %1 is pressed: </source>
        <translation>Quand vous appuyez sur %1&#xa0;: </translation>
    </message>
    <message>
        <source>The script runs %1</source>
        <translation>Le script lance %1</translation>
    </message>
    <message>
        <source>Pressing %1 starts %2</source>
        <translation>Appuyer sur %1 lance %2</translation>
    </message>
    <message>
        <source>A wait with a negative number stops the rest of the script for good (some versions of the game wait one tick instead). Use a positive number of ticks.</source>
        <translation>Un wait avec un nombre négatif arrête définitivement la suite du script (certaines versions du jeu attendent un tick à la place). Utilisez un nombre positif de ticks.</translation>
    </message>
    <message>
        <source>Two commands run together on one line: the game sets the whole &quot;%1&quot; as one value. Put &quot;%2&quot; on a line of its own.</source>
        <translation>Deux commandes collées sur une même ligne&#xa0;: le jeu prend tout &quot;%1&quot; comme une seule valeur. Mettez &quot;%2&quot; sur une ligne à part.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; takes %2 bytes; the game keeps %3 and cuts off &quot;%4&quot;. Use fewer letters or color codes.</source>
        <translation>Le nom &quot;%1&quot; occupe %2 octets&#xa0;; le jeu en garde %3 et coupe &quot;%4&quot;. Utilisez moins de lettres ou de codes couleur.</translation>
    </message>
    <message>
        <source>The game removes %1 from names: this one shows as &quot;%2&quot;. Leave them out.</source>
        <translation>Le jeu retire %1 des noms&#xa0;: celui-ci s&apos;affiche &quot;%2&quot;. Retirez-les.</translation>
    </message>
    <message>
        <source>The script takes %1 bytes or more, more than the game&apos;s command buffer holds: exec runs none of it. Move part of it into a second script and exec that from this one.</source>
        <translation>Le script occupe %1 octets ou plus, davantage que ne peut contenir le tampon de commandes du jeu&#xa0;: exec n&apos;en exécute rien. Déplacez-en une partie dans un second script, et lancez celui-ci par exec depuis le premier.</translation>
    </message>
    <message>
        <source>A command here is longer than %1 bytes: the game cuts it there, loses the next byte and runs the rest as a command of its own. Split it into shorter commands.</source>
        <translation>Une commande dépasse ici %1 octets&#xa0;: le jeu la coupe à cet endroit, perd l&apos;octet suivant et exécute le reste comme une commande à part. Découpez-la en commandes plus courtes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a leading %2 works only when typed in the console; in a script the game knows no such command. Write &quot;%3&quot;.</source>
        <translation>&quot;%1&quot;&#xa0;: un %2 au début ne fonctionne que tapé dans la console&#xa0;; dans un script, le jeu ne connaît pas cette commande. Écrivez &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1 %2 when the script runs it. Leave it out of a name script.</source>
        <translation>%1 %2 quand le script l&apos;exécute. Ne le mettez pas dans un script de nom.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a command of the game: it sends the line to the server, which shows it as chat or ignores it, unless a mod there knows it.</source>
        <translation>&quot;%1&quot; n&apos;est pas une commande du jeu&#xa0;: le jeu envoie la ligne au serveur, qui l&apos;affiche dans le chat ou l&apos;ignore, sauf si un mod du serveur la connaît.</translation>
    </message>
    <message>
        <source> Did you mean &quot;%1&quot;?</source>
        <translation> Vouliez-vous dire &quot;%1&quot;&#xa0;?</translation>
    </message>
    <message>
        <source>This sets &quot;%1&quot;, which nothing reads. Did you mean &quot;%2&quot;?</source>
        <translation>Ceci définit &quot;%1&quot;, que rien ne lit. Vouliez-vous dire &quot;%2&quot;&#xa0;?</translation>
    </message>
    <message>
        <source>A character such as é or € outside quotes splits the words here: the game drops it and keeps the words around it apart. Put the value in quotes.</source>
        <translation>Un caractère comme é ou € hors des guillemets coupe ici les mots&#xa0;: le jeu le supprime et sépare les mots qui l&apos;entourent. Mettez la valeur entre guillemets.</translation>
    </message>
    <message>
        <source>A // comment ends at the &apos;;&apos; after it: the game runs &quot;%1&quot; as a command. Take out the &apos;;&apos; or start the rest with // too.</source>
        <translation>Un commentaire // s&apos;arrête au &apos;;&apos; qui le suit&#xa0;: le jeu exécute &quot;%1&quot; comme une commande. Retirez le &apos;;&apos; ou commencez aussi la suite par //.</translation>
    </message>
    <message>
        <source>A /* comment ends with its line: the game runs &quot;%1&quot; as a command. Start each line of the comment with // instead.</source>
        <translation>Un commentaire /* s&apos;arrête à la fin de sa ligne&#xa0;: le jeu exécute &quot;%1&quot; comme une commande. Commencez plutôt chaque ligne du commentaire par //.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; sets nothing: the game&apos;s set takes a name and then a value, and COD&apos;s seta exactly one value. Give it its value, in quotes if it has spaces.</source>
        <translation>&quot;%1&quot; ne définit rien&#xa0;: le set du jeu attend un nom puis une valeur, et le seta de COD exactement une valeur. Donnez-lui sa valeur, entre guillemets si elle contient des espaces.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: wait reads its number only when nothing follows it, so it waits one tick and the rest runs nothing. Put a &apos;;&apos; or a line break after the number.</source>
        <translation>&quot;%1&quot;&#xa0;: wait ne lit son nombre que si rien ne le suit&#xa0;; il attend donc un seul tick et le reste n&apos;exécute rien. Mettez un &apos;;&apos; ou un saut de ligne après le nombre.</translation>
    </message>
    <message>
        <source>This vstr runs again and again without a wait until it fills the game&apos;s command buffer of %1 bytes: the game hangs for a moment while it does, then the vstr fails and what is left in the buffer runs. Put a wait in the loop.</source>
        <translation>Ce vstr se relance encore et encore sans wait jusqu&apos;à remplir le tampon de commandes du jeu (%1 octets)&#xa0;: le jeu se fige un moment pendant ce temps, puis le vstr échoue et ce qui reste dans le tampon s&apos;exécute. Mettez un wait dans la boucle.</translation>
    </message>
    <message>
        <source>The variable set here holds more than %1 bytes: vstr runs only its first %1. Split it into two variables.</source>
        <translation>La variable définie ici contient plus de %1 octets&#xa0;: vstr n&apos;en exécute que les %1 premiers. Répartissez-la sur deux variables.</translation>
    </message>
    <message>
        <source>The check stopped here after %1 commands and %2 without reaching the end: it cannot tell what the rest does in the game.</source>
        <translation>La vérification s&apos;est arrêtée ici après %1 commandes et %2, sans atteindre la fin&#xa0;: elle ne peut pas dire ce que fait la suite dans le jeu.</translation>
    </message>
    <message>
        <source>vstr %1 runs nothing until %2 is pressed, which sets %1. Press %2 first, or set %1 in the script itself.</source>
        <translation>vstr %1 n&apos;exécute rien tant que vous n&apos;avez pas appuyé sur %2, qui définit %1. Appuyez d&apos;abord sur %2, ou définissez %1 dans le script lui-même.</translation>
    </message>
    <message>
        <source>vstr %1 runs a variable that is not set at that moment, so nothing happens. Set %1 before this line, or check its spelling.</source>
        <translation>vstr %1 exécute une variable qui n&apos;est pas définie à ce moment-là&#xa0;: il ne se passe rien. Définissez %1 avant cette ligne, ou vérifiez son orthographe.</translation>
    </message>
    <message>
        <source>On a competitive server wait does nothing: what the script paces with it runs at once, so an animation shows only its last name there. Step through the names with a bound key instead, which works on every server.</source>
        <translation>Sur un serveur compétitif, wait ne fait rien&#xa0;: tout ce que le script espace avec wait s&apos;exécute d&apos;un coup, et une animation n&apos;y montre donc que son dernier nom. Faites plutôt défiler les noms avec une touche assignée, ce qui fonctionne sur tous les serveurs.</translation>
    </message>
    <message>
        <source>On a competitive server wait does nothing: this loop then runs again and again within one frame until it fills the game&apos;s command buffer, and the game freezes meanwhile. Step through the names with a bound key instead, which works on every server.</source>
        <translation>Sur un serveur compétitif, wait ne fait rien&#xa0;: cette boucle se relance alors encore et encore dans une seule frame jusqu&apos;à remplir le tampon de commandes du jeu, et le jeu se fige pendant ce temps. Faites plutôt défiler les noms avec une touche assignée, ce qui fonctionne sur tous les serveurs.</translation>
    </message>
    <message>
        <source>While the script runs, for %1, your keys wait behind it: you cannot move, fire or chat until it ends. Step through the names with a bound key instead, which holds nothing back.</source>
        <translation>Pendant que le script s&apos;exécute, soit %1, vos touches restent en attente derrière lui&#xa0;: impossible de bouger, de tirer ou d&apos;écrire dans le chat avant la fin. Faites plutôt défiler les noms avec une touche assignée, qui ne bloque rien.</translation>
    </message>
    <message>
        <source>Others on the server see %1 of these %2 names: names that last less than one snapshot (%3 ms at sv_fps %4) are skipped (%5). Let each name last longer.</source>
        <translation>Les autres joueurs du serveur voient %1 de ces %2 noms&#xa0;: ceux qui durent moins d&apos;un snapshot (%3 ms à sv_fps %4) sont sautés (%5). Faites durer chaque nom plus longtemps.</translation>
    </message>
    <message>
        <source>for as long as it runs, for ever</source>
        <translation>tant que le script tourne, c&apos;est-à-dire sans fin</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>pendant %1</translation>
    </message>
    <message>
        <source>The names change as often as every %1, more often than every 0.8 s: the server&apos;s flood protection then ignores your chat, team chat and votes %2. Let each name last 0.8 s or more to keep chat working.</source>
        <translation>Les noms changent jusqu&apos;à toutes les %1, plus souvent que toutes les 0.8 s&#xa0;: la protection anti-flood du serveur ignore alors votre chat, votre chat d&apos;équipe et vos votes %2. Faites durer chaque nom 0.8 s ou plus pour garder le chat utilisable.</translation>
    </message>
    <message>
        <source>The script sends about %1 names a second. Each waits for the server to acknowledge it, and the client keeps %2 at most: a lag spike of %3 s fills them, and the game disconnects you. Let each name last longer.</source>
        <translation>Le script envoie environ %1 noms par seconde. Chacun attend que le serveur en accuse réception, et le client en garde %2 au plus en attente&#xa0;: un pic de lag de %3 s suffit à atteindre cette limite, et le jeu vous déconnecte. Faites durer chaque nom plus longtemps.</translation>
    </message>
    <message>
        <source>In round-based modes (Search and Destroy and the like) the server takes a new name only at the next round: others see no animation there.</source>
        <translation>Dans les modes à manches (Recherche et destruction, etc.), le serveur ne prend un nouveau nom qu&apos;à la manche suivante&#xa0;: les autres n&apos;y voient aucune animation.</translation>
    </message>
    <message>
        <source>The game saves the name you have when you leave in config_mp.cfg: whichever of these names shows then is your name at the next start.</source>
        <translation>Le jeu enregistre dans config_mp.cfg le nom que vous portez en quittant&#xa0;: celui de ces noms qui s&apos;affiche à ce moment-là sera votre nom au prochain lancement.</translation>
    </message>
    <message>
        <source>The game saves the name you have when you leave in config_mp.cfg: after this script, &quot;%1&quot;, your name at the next start.</source>
        <translation>Le jeu enregistre dans config_mp.cfg le nom que vous portez en quittant&#xa0;: après ce script, votre nom au prochain lancement sera &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>lines %1 to %2: %3</source>
        <translation>lignes %1 à %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Read as a server&apos;s config: it sets %1. Warnings meant for name scripts, such as about map and killserver, are left out.</source>
        <translation>Lu comme une config de serveur&#xa0;: il définit %1. Les avertissements propres aux scripts de nom, par exemple sur map et killserver, sont omis.</translation>
    </message>
    <message>
        <source>No warnings: the script runs as written.</source>
        <translation>Aucun avertissement&#xa0;: le script s&apos;exécute tel qu&apos;il est écrit.</translation>
    </message>
    <message numerus="yes">
        <source>lines %1 and %n more</source>
        <translation>
            <numerusform>lignes %1 et %n autre</numerusform>
            <numerusform>lignes %1 et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>lines %1 and %2</source>
        <translation>lignes %1 et %2</translation>
    </message>
    <message>
        <source>These are not commands of the game in multiplayer: it sends each such line to the server, which shows it as chat or ignores it, unless a mod there knows it: %1. Leave them out; single-player and development commands do nothing here.</source>
        <translation>Ce ne sont pas des commandes du jeu en multijoueur&#xa0;: le jeu envoie chacune de ces lignes au serveur, qui l&apos;affiche dans le chat ou l&apos;ignore, sauf si un mod du serveur la connaît&#xa0;: %1. Retirez-les&#xa0;; les commandes solo et de développement ne font rien ici.</translation>
    </message>
    <message>
        <source>%1 is cheat-protected: on a server without sv_cheats 1, as every public server is, the game refuses to change it, so this does nothing there.</source>
        <translation>%1 est protégée contre la triche&#xa0;: sur un serveur sans sv_cheats 1, comme tout serveur public, le jeu refuse de la changer, donc ceci n&apos;y fait rien.</translation>
    </message>
    <message>
        <source>The server reads no &quot;%1&quot;: setting it changes nothing.</source>
        <translation>Le serveur ne lit aucun &quot;%1&quot;&#xa0;: le définir ne change rien.</translation>
    </message>
    <message>
        <source>The server reads %1 only as it starts, before it runs this config: setting it here changes nothing. Give it on the server&apos;s command line instead, as +set %1 and its value.</source>
        <translation>Le serveur ne lit %1 qu&apos;au démarrage, avant d&apos;exécuter cette config&#xa0;: le définir ici ne change rien. Donnez-le plutôt sur la ligne de commande du serveur, sous la forme +set %1 suivi de sa valeur.</translation>
    </message>
    <message>
        <source>exec runs scripts that this check cannot see into: %1. Check those too.</source>
        <translation>exec exécute des scripts que cette vérification ne peut pas examiner&#xa0;: %1. Vérifiez-les aussi.</translation>
    </message>
    <message>
        <source>This vstr runs again and again without a wait, some %2 times within one frame, until the line breaks each round leaves behind fill the game&apos;s command buffer of %1 bytes: the game hangs for a moment while it does, then the vstr fails and the rest of the script runs. Put a wait in the loop.</source>
        <translation>Ce vstr se relance encore et encore sans wait, quelque %2 fois dans une même frame, jusqu&apos;à ce que les retours à la ligne laissés à chaque tour remplissent le tampon de commandes du jeu (%1 octets)&#xa0;: le jeu se fige un moment pendant ce temps, puis le vstr échoue et le reste du script s&apos;exécute. Mettez un wait dans la boucle.</translation>
    </message>
    <message>
        <source> The game&apos;s comments start with //, not with #.</source>
        <translation> Dans le jeu, les commentaires commencent par //, pas par #.</translation>
    </message>
    <message numerus="yes">
        <source>any of %n keys</source>
        <translation>
            <numerusform>%n touche</numerusform>
            <numerusform>l&apos;une des %n touches</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>a loop (%1) that repeats every %2, %3 times in all, until the line breaks each round leaves behind fill the game&apos;s command buffer and the loop stops, after %4. Until then the game does not answer keys or the console. Let the last step set the resting name without another vstr, or step through the frames with a bound key.</source>
        <translation>une boucle (%1) qui se répète toutes les %2, %3 fois en tout, jusqu&apos;à ce que les retours à la ligne laissés à chaque tour remplissent le tampon de commandes du jeu et que la boucle s&apos;arrête, au bout de %4. Jusque-là, le jeu ne répond plus aux touches ni à la console. Faites définir le nom final par la dernière étape, sans nouveau vstr, ou faites défiler les images avec une touche assignée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a command of the game: the server only prints &quot;Unknown command&quot; in its console, unless a mod there knows it.</source>
        <translation>&quot;%1&quot; n&apos;est pas une commande du jeu&#xa0;: le serveur se contente d&apos;afficher &quot;Unknown command&quot; dans sa console, sauf si un mod du serveur la connaît.</translation>
    </message>
    <message>
        <source>These are not commands of the game: the server only prints &quot;Unknown command&quot; in its console for each, unless a mod there knows it: %1. Leave them out; single-player and development commands do nothing here.</source>
        <translation>Ce ne sont pas des commandes du jeu&#xa0;: pour chacune, le serveur se contente d&apos;afficher &quot;Unknown command&quot; dans sa console, sauf si un mod du serveur la connaît&#xa0;: %1. Retirez-les&#xa0;; les commandes solo et de développement ne font rien ici.</translation>
    </message>
    <message>
        <source>%1 are cheat-protected: on a server without sv_cheats 1, as every public server is, the game refuses to change them, so this does nothing there.</source>
        <translation>%1 sont protégées contre la triche&#xa0;: sur un serveur sans sv_cheats 1, comme tout serveur public, le jeu refuse de les changer, donc ceci n&apos;y fait rien.</translation>
    </message>
    <message>
        <source>The server reads %1 only as it starts, before it runs this config: setting them here changes nothing. Give them on the server&apos;s command line instead, each as +set, its name and its value.</source>
        <translation>Le serveur ne lit %1 qu&apos;au démarrage, avant d&apos;exécuter cette config&#xa0;: les définir ici ne change rien. Donnez-les plutôt sur la ligne de commande du serveur, chacun sous la forme +set suivi de son nom et de sa valeur.</translation>
    </message>
    <message>
        <source>This toggles &quot;%1&quot;, which is no setting of the game: nothing happens. Did you mean &quot;%2&quot;?</source>
        <translation>Ceci bascule &quot;%1&quot;, qui n&apos;est pas un réglage du jeu&#xa0;: il ne se passe rien. Vouliez-vous dire &quot;%2&quot;&#xa0;?</translation>
    </message>
    <message>
        <source>%1 set nothing: the game&apos;s set takes a name and then a value, and COD&apos;s seta exactly one value. Give each its value, in quotes if it has spaces.</source>
        <translation>%1 ne définissent rien&#xa0;: le set du jeu attend un nom puis une valeur, et le seta de COD exactement une valeur. Donnez à chacun sa valeur, entre guillemets si elle contient des espaces.</translation>
    </message>
    <message>
        <source>... and so on, %1 rounds in all: at %2 the game&apos;s command buffer is full and the loop stops.</source>
        <translation>... et ainsi de suite, %1 tours en tout&#xa0;: à %2, le tampon de commandes du jeu est plein et la boucle s&apos;arrête.</translation>
    </message>
    <message>
        <source>It was saved as UTF-8, but this edition of the game reads %1: it shows each character such as é as two (Ã©). Open it in Tintmark, which reads it as UTF-8, and save it again.</source>
        <translation>Ce script a été enregistré en UTF-8, mais cette édition du jeu lit le %1&#xa0;: elle affiche chaque caractère comme é en deux (Ã©). Ouvrez-le dans Tintmark, qui le lit en UTF-8, et enregistrez-le à nouveau.</translation>
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
        <translation>&amp;Ouvrir un script...</translation>
    </message>
    <message>
        <source>&amp;Play and Check...</source>
        <translation>&amp;Lire et vérifier...</translation>
    </message>
    <message>
        <source>&amp;Insert Animation...</source>
        <translation>&amp;Insérer une animation...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Scri&amp;pt</source>
        <translation>S&amp;cript</translation>
    </message>
    <message>
        <source>New script, not saved yet</source>
        <translation>Nouveau script, pas encore enregistré</translation>
    </message>
    <message>
        <source>New script</source>
        <translation>Nouveau script</translation>
    </message>
    <message>
        <source>%1 - unsaved changes</source>
        <translation>%1 - modifications non enregistrées</translation>
    </message>
</context>
<context>
    <name>frmNameScript</name>
    <message>
        <source>Red, ^1</source>
        <translation>Rouge, ^1</translation>
    </message>
    <message>
        <source>Green, ^2</source>
        <translation>Vert, ^2</translation>
    </message>
    <message>
        <source>Yellow, ^3</source>
        <translation>Jaune, ^3</translation>
    </message>
    <message>
        <source>Blue, ^4</source>
        <translation>Bleu, ^4</translation>
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
        <translation>Blanc, ^7</translation>
    </message>
    <message>
        <source>Purple, ^8</source>
        <translation>Violet, ^8</translation>
    </message>
    <message>
        <source>Gray, ^9</source>
        <translation>Gris, ^9</translation>
    </message>
    <message>
        <source>Black, ^0</source>
        <translation>Noir, ^0</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>The player name that the script sets in the game, with its color codes; the file&apos;s name is asked for at Save.</source>
        <translation>Le nom de joueur que le script définit dans le jeu, avec ses codes couleur&#xa0;; le nom du fichier est demandé à l&apos;enregistrement (Save).</translation>
    </message>
    <message>
        <source>Tintmark does not save this name. %1.</source>
        <translation>Tintmark n&apos;enregistre pas ce nom. %1.</translation>
    </message>
    <message>
        <source>Name &gt; Remove What the Game Drops makes it %1, as the game shows it.</source>
        <translation>Avec Nom &gt; Enlever ce que le jeu retire, il devient %1, tel que le jeu l&apos;affiche.</translation>
    </message>
    <message>
        <source>The pasted command sets the name %1: the box holds the name alone.</source>
        <translation>La commande collée définit le nom %1&#xa0;: le champ ne contient que le nom.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save the Name Script...</source>
        <translation>&amp;Enregistrer le script de nom...</translation>
    </message>
    <message>
        <source>Add to the Script &amp;Editor</source>
        <translation>&amp;Ajouter à l&apos;éditeur de scripts</translation>
    </message>
    <message>
        <source>&amp;Open Script in the Editor...</source>
        <translation>&amp;Ouvrir un script dans l&apos;éditeur...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command</source>
        <translation>Copier la &amp;commande console</translation>
    </message>
    <message>
        <source>&amp;Remove What the Game Drops</source>
        <translation>&amp;Enlever ce que le jeu retire</translation>
    </message>
    <message>
        <source>&amp;Keep the Preview on Screen</source>
        <translation>&amp;Garder l&apos;aperçu à l&apos;écran</translation>
    </message>
    <message>
        <source>Color the &amp;Whole Name</source>
        <translation>Colorer &amp;tout le nom</translation>
    </message>
    <message>
        <source>&amp;Names from the Games</source>
        <translation>&amp;Noms utilisés dans vos jeux</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <translation>No&amp;m</translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command (type a name first)</source>
        <translation>Copier la &amp;commande console (tapez d&apos;abord un nom)</translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command (the game would not set this name)</source>
        <translation>Copier la &amp;commande console (le jeu ne prendrait pas ce nom)</translation>
    </message>
    <message>
        <source>&amp;Remove What the Game Drops (no quote, ; or \ to remove)</source>
        <translation>&amp;Enlever ce que le jeu retire (aucun guillemet, ; ou \ à enlever)</translation>
    </message>
    <message>
        <source>&amp;Names from the Games (no game config found)</source>
        <translation>&amp;Noms utilisés dans vos jeux (aucune config de jeu trouvée)</translation>
    </message>
    <message>
        <source>&amp;Rainbow</source>
        <translation>&amp;Arc-en-ciel</translation>
    </message>
    <message>
        <source>&amp;Gradient</source>
        <translation>&amp;Dégradé</translation>
    </message>
    <message>
        <source>&amp;Gradient (click two swatches first)</source>
        <translation>&amp;Dégradé (cliquez d&apos;abord sur deux cases de couleur)</translation>
    </message>
    <message>
        <source>In the colors of the codes the name holds, in their order: click the swatches first. A rainbow of six colors without them.</source>
        <translation>Dans les couleurs des codes que contient le nom, dans leur ordre&#xa0;: cliquez d&apos;abord sur les cases de couleur. Sans elles, un arc-en-ciel de six couleurs.</translation>
    </message>
    <message>
        <source>Type the name first</source>
        <translation>Tapez d&apos;abord le nom</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No edition of the game can show %1: names hold the letters of one 8-bit code page, which has no emoji or Asian characters.</source>
        <translation>Aucune édition du jeu ne peut afficher %1&#xa0;: les noms s&apos;écrivent avec les lettres d&apos;une seule page de code 8 bits, sans emoji ni caractères asiatiques.</translation>
    </message>
    <message>
        <source>Leave Out What the Edition Cannot Show</source>
        <translation>Retirer ce que l&apos;édition ne peut pas afficher</translation>
    </message>
    <message>
        <source>Spell It “%1”</source>
        <translation>Écrire &quot;%1&quot;</translation>
    </message>
    <message>
        <source>This edition of the game cannot show %1: click to write the name in letters it can.</source>
        <translation>Cette édition du jeu ne peut pas afficher %1&#xa0;: cliquez pour écrire le nom avec des lettres qu&apos;elle peut afficher.</translation>
    </message>
    <message>
        <source>The box holds %1 characters: the paste was cut after “%2”, and “%3” was left out.</source>
        <translation>Le champ contient %1 caractères : le collage a été coupé après « %2 », et « %3 » a été laissé de côté.</translation>
    </message>
    <message>
        <source>&amp;Names from the Games (no game found)</source>
        <translation>&amp;Noms utilisés dans vos jeux (aucun jeu trouvé)</translation>
    </message>
    <message>
        <source>&amp;Names from the Games (no name in their configs)</source>
        <translation>&amp;Noms utilisés dans vos jeux (aucun nom dans leurs configs)</translation>
    </message>
</context>
</TS>
