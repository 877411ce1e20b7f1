<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AnimationDialog</name>
    <message>
        <source>Insert Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color cycle: the whole name through the colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chase: one letter in the first color, moving along</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typewriter: the letters appear one by one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rainbow shift: the letters&apos; colors move along</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blink: the name in the first color and at rest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ticks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>com_maxfps </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hat-safe pace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each frame lasts 0.8 s or more: the server&apos;s flood protection then lets your chat through.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play once, then rest on the name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One step for each press of a key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your keys, moving and firing included, wait behind the script while it plays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holds none of your keys back; chat goes through when the presses are more than 0.8 s apart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begins the names of the variables the script sets, so that two animations in one script keep apart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No endless timed loop: a vstr loop with waits holds back every key you press, the key to stop it included, for as long as it runs. To keep a name moving while you play, step it with a key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variables begin with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codes only where the color changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color at most </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use a &amp;shorter form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Effect:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colors:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delay:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Plays:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shorter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>= %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every frame looks the same: the name already shows these colors. Pick another color or effect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names (%2 frames and the name at rest), %3 lines, %4 bytes; the longest name takes %5 of %6 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One frame a press: it holds none of your keys back and works on every server; chat goes through when you press it more than 0.8 s apart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your game&apos;s config binds %1 to &quot;%2&quot;: this script binds it anew, and %1 no longer does that.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others on the server miss frames: they see only names that last a snapshot (%1 ms at sv_fps %2) or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others on the server see every frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your chat is dropped while it plays: frames under 0.8 s set off the server&apos;s flood protection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chat keeps working.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your keys wait behind it while it plays, for %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnimationGenerator</name>
    <message>
        <source>The game would not show frame %1 as made: it would set the name to &quot;%2&quot; instead of &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name has no letters to animate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names with &quot;, ; or \ cannot be animated: the games refuse them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose at least one color.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name the key as the game names it, such as F5 or k.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The prefix of the variables takes letters, digits and _ only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The longest frame takes %1 bytes; the game keeps %2 and cuts off the rest.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CfgFileDialog</name>
    <message>
        <source>%1 main</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tintmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The script has changes that are not saved. Open another script in its place and lose them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to the script?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover the unsaved script from %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is far larger than a script: the game reads at most 65,536 bytes of one. Open it all the same?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was saved as UTF-8, but the games read Windows-1252: they show each character such as é as two (Ã©). Open it as UTF-8, to save it again as the games read it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CfgReader</name>
    <message>
        <source>It is a folder, not a script.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a file but a pipe, a device or a socket; scripts are files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is %1 MiB, far larger than any script (the games read at most 64 KiB of one).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading stopped partway: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a script: it holds the byte 0x%1 at offset %2, which text does not hold.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CfgWriter</name>
    <message>
        <source>The text holds the character %1, which a script cannot hold: the games read scripts in Windows-1252. Nothing was saved; replace that character and save again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The script could not be written completely.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckReport</name>
    <message>
        <source>Names in %1 at com_maxfps %2, frames of %3 ms, %4 frames a second:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1 the script&apos;s own com_maxfps %2 holds: frames of %3 ms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The script sets no name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and so on for ever.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys it binds, and the names their presses show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n other keys show no name, and the warnings say nothing of them.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Names as others on the server see them, at sv_fps %1 (a snapshot every %2 ms):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorCodes</name>
    <message>
        <source>American</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the allied team&apos;s color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the axis team&apos;s grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game shows ^6 magenta; its swatch is dark red.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In COD 2, ^8 shows in the allied team&apos;s color (green for the Americans, blue for the British, red for the Russians); COD removes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>^9 shows in the axis team&apos;s grey.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game removes ^0 from names.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was saved as UTF-8, but the games read Windows-1252: they show each character such as é as two (Ã©). Open it in Tintmark, which reads it as UTF-8, and save it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tintmark makes colored player names for COD and COD 2. Without options it opens its window, and a script given as FILE in the script editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows these options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the program&apos;s name and version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks the scripts without opening a window: the names each sets with their times, then its warnings with line numbers. Exit status 0 when no script has a warning, 1 when one has, 2 when a file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --check: the game whose console runs the scripts: cod2 (the default), cod1.3 or cod1.1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --check: the server the player is on: stock (the default), or competitive for a CoD2x server with competitive settings, where wait does nothing and com_maxfps is 125 to 250.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SERVER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --check: the server&apos;s sv_fps, the snapshots a second that show others the names: 20 (the default), from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --check: the player&apos;s com_maxfps, from 0 to %1; without it, the one the game&apos;s config in the script&apos;s folder sets, else the installed games&apos; configs, else %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The script to open, or with --check the scripts to check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: tintmark [FILE | --check [--game GAME] [--server SERVER] [--sv-fps N] [--maxfps N] FILE... | --version | --help]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--check needs at least one script.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--game takes cod2, cod1.3 or cod1.1, not %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--server takes stock or competitive, not %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sv-fps takes a number from %1 to %2, not %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--maxfps takes a number from 0 to %1, not %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameNames</name>
    <message>
        <source>COD 1.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COD 1.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COD 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COD</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using the Script in the &amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using the Script in the Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the &amp;Color Codes Do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the Color Codes Do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Tintmark...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About &amp;Qt...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;li&gt;%1: &lt;code&gt;%2&lt;/code&gt;&lt;/li&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tintmark found no game on this computer. The main folder is the folder &lt;code&gt;main&lt;/code&gt; in the folder the game is installed in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tintmark found:&lt;ul&gt;%1&lt;/ul&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;Save the script into the game&apos;s &lt;b&gt;main&lt;/b&gt; folder. %1&lt;/li&gt;&lt;li&gt;Start the game, open the console with &lt;b&gt;~&lt;/b&gt; and type &lt;code&gt;%2&lt;/code&gt;%3.&lt;/li&gt;&lt;li&gt;A script that binds keys, such as an animated name that plays on a key, starts when you press that key.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;The notice after a save shows the command for that script, ready to copy.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, with the name you saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;A caret and a digit color the letters after them in the game:&lt;/p&gt;&lt;table cellspacing=&quot;4&quot;&gt;%1&lt;/table&gt;&lt;p&gt;A caret and any other character is a code too: COD 2 shows the letters after it white. A caret before another caret shows as it is.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tintmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tintmark %1&lt;/h3&gt;&lt;p&gt;Colored player names and name scripts for COD and COD 2.&lt;/p&gt;&lt;p&gt;Tintmark is free software under the GNU General Public License, version 3 or later. It comes with no warranty.&lt;/p&gt;&lt;p&gt;Built with Qt %2, used under the GNU Lesser General Public License, version 3.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tintmark speaks %1 from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The System&apos;s Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NamePreview</name>
    <message>
        <source>COD 2 cuts off the end:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The games refuse %1 in a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PinnedPreview</name>
    <message>
        <source>Tintmark Preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecentScripts</name>
    <message>
        <source>No scripts opened or saved yet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveInstructions</name>
    <message>
        <source>Saved %1 in the main folder of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows keeps it for the game in %1, since the game&apos;s own folder is protected; the game finds it there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the game, open the console (~) and type: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put it in the game&apos;s main folder first, then in the game open the console (~) and type: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put it in the main folder of %1 first (%2), then in the game open the console (~) and type: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then press %1 to play it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The checker warns: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The checker finds %n warnings: Play and Check (F5) in the editor lists them.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaveNotice</name>
    <message>
        <source>Copy %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScriptChecker</name>
    <message>
        <source>and so on</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScriptOpener</name>
    <message>
        <source>Cannot open %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScriptPlayerWindow</name>
    <message>
        <source>Tintmark Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name as the server&apos;s last snapshot showed it to the others on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s com_maxfps: it caps the frames in whole milliseconds, and the console runs two ticks a frame, so waits last longer at lower rates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ms frames, %2 a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the server makes com_maxfps %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stock server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CoD2x competitive server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A CoD2x server with competitive settings makes wait do nothing and keeps com_maxfps from 125 to 250.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s sv_fps: the snapshots a second that show the others your name, 20 on most servers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>^8 shows in the color of the allied team, which depends on its nation; ^9 in the color of the axis team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>com_&amp;maxfps:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;llies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ser&amp;ver:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s&amp;v_fps:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others see:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys the script binds:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others see it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the second command on its &amp;own line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names as the game shows them:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No change after this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A note: worth knowing, no fault.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>never: replaced within its frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>never: it lasts less than a snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and so on for ever</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Presses show: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The script has run: press a key it binds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The animation has ended.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScriptSaver</name>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetNameLine</name>
    <message>
        <source>The game would not set the name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game would set the name to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and then run: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, not to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TickTime</name>
    <message>
        <source>%1 s (%2 ticks)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WarningText</name>
    <message>
        <source>closes the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>removes every key binding, moving and firing included</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>puts every setting back to its default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shuts the server down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leaves the server the player is on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When %1 is pressed: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an endless loop (%1): it repeats every %2, for ever. The game would stop answering keys and the console until it is restarted. Let the last step set the resting name without another vstr, or step through the frames with a bound key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The script runs %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressing %1 starts %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A wait with a negative number stops the rest of the script for good (some versions of the game wait one tick instead). Use a positive number of ticks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two commands run together on one line: the game sets the whole &quot;%1&quot; as one value. Put &quot;%2&quot; on a line of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; takes %2 bytes; the game keeps %3 and cuts off &quot;%4&quot;. Use fewer letters or color codes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game removes %1 from names: this one shows as &quot;%2&quot;. Leave them out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The script takes %1 bytes or more, more than the game&apos;s command buffer holds: exec runs none of it. Move part of it into a second script and exec that from this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A command here is longer than %1 bytes: the game cuts it there, loses the next byte and runs the rest as a command of its own. Split it into shorter commands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a leading %2 works only when typed in the console; in a script the game knows no such command. Write &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 when the script runs it. Leave it out of a name script.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a command of the game: it sends the line to the server, which shows it as chat or ignores it, unless a mod there knows it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Did you mean &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This sets &quot;%1&quot;, which nothing reads. Did you mean &quot;%2&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A character such as é or € outside quotes splits the words here: the game drops it and keeps the words around it apart. Put the value in quotes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A // comment ends at the &apos;;&apos; after it: the game runs &quot;%1&quot; as a command. Take out the &apos;;&apos; or start the rest with // too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A /* comment ends with its line: the game runs &quot;%1&quot; as a command. Start each line of the comment with // instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; sets nothing: the game&apos;s set takes a name and then a value, and COD&apos;s seta exactly one value. Give it its value, in quotes if it has spaces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;: wait reads its number only when nothing follows it, so it waits one tick and the rest runs nothing. Put a &apos;;&apos; or a line break after the number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exec %1 runs another script, which this check cannot see into. Check that one too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This vstr runs again and again without a wait until it fills the game&apos;s command buffer of %1 bytes: the game hangs for a moment while it does, then the vstr fails and what is left in the buffer runs. Put a wait in the loop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The variable set here holds more than %1 bytes: vstr runs only its first %1. Split it into two variables.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The check stopped here after %1 commands and %2 without reaching the end: it cannot tell what the rest does in the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vstr %1 runs nothing until %2 is pressed, which sets %1. Press %2 first, or set %1 in the script itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vstr %1 runs a variable that is not set at that moment, so nothing happens. Set %1 before this line, or check its spelling.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On a competitive server wait does nothing: what the script paces with it runs at once, so an animation shows only its last name there. Step through the names with a bound key instead, which works on every server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On a competitive server wait does nothing: this loop then runs again and again within one frame until it fills the game&apos;s command buffer, and the game freezes meanwhile. Step through the names with a bound key instead, which works on every server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While the script runs, for %1, your keys wait behind it: you cannot move, fire or chat until it ends. Step through the names with a bound key instead, which holds nothing back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others on the server see %1 of these %2 names: names that last less than one snapshot (%3 ms at sv_fps %4) are skipped (%5). Let each name last longer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for as long as it runs, for ever</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The names change as often as every %1, more often than every 0.8 s: the server&apos;s flood protection then ignores your chat, team chat and votes %2. Let each name last 0.8 s or more to keep chat working.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The script sends about %1 names a second. Each waits for the server to acknowledge it, and the client keeps %2 at most: a lag spike of %3 s fills them, and the game disconnects you. Let each name last longer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In round-based modes (Search and Destroy and the like) the server takes a new name only at the next round: others see no animation there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game saves the name you have when you leave in config_mp.cfg: whichever of these names shows then is your name at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game saves the name you have when you leave in config_mp.cfg: after this script, &quot;%1&quot;, your name at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lines %1 to %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read as a server&apos;s config: it sets %1. Warnings meant for name scripts, such as about map and killserver, are left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No warnings: the script runs as written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>lines %1 and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lines %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmEditor</name>
    <message>
        <source>Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Script...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play and Check...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert Animation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scri&amp;pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New script, not saved yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - unsaved changes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmNameScript</name>
    <message>
        <source>Red, ^1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green, ^2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow, ^3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue, ^4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyan, ^5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magenta, ^6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White, ^7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple, ^8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray, ^9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black, ^0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The player name that the script sets in the game, with its color codes; the file&apos;s name is asked for at Save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tintmark does not save this name. %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name &gt; Remove What the Game Drops makes it %1, as the game shows it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pasted command sets the name %1: the box holds the name alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save the Name Script...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to the Script &amp;Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Script in the Editor...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove What the Game Drops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep the Preview on Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color the &amp;Whole Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Names from the Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command (type a name first)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command (the game would not set this name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove What the Game Drops (no quote, ; or \ to remove)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Names from the Games (no game config found)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rainbow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gradient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gradient (click two swatches first)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the colors of the codes the name holds, in their order: click the swatches first. A rainbow of six colors without them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the name first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
