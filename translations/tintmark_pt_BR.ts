<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AnimationDialog</name>
    <message>
        <source>Insert Animation</source>
        <translation>Inserir animação</translation>
    </message>
    <message>
        <source>Color cycle: the whole name through the colors</source>
        <translation>Ciclo de cores: o nome inteiro passa pelas cores</translation>
    </message>
    <message>
        <source>Chase: one letter in the first color, moving along</source>
        <translation>Corrida: uma letra na primeira cor, andando pelo nome</translation>
    </message>
    <message>
        <source>Typewriter: the letters appear one by one</source>
        <translation>Máquina de escrever: as letras aparecem uma a uma</translation>
    </message>
    <message>
        <source>Rainbow shift: the letters&apos; colors move along</source>
        <translation>Arco-íris em movimento: as cores das letras vão andando</translation>
    </message>
    <message>
        <source>Blink: the name in the first color and at rest</source>
        <translation>Piscar: o nome na primeira cor e o nome final</translation>
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
        <translation>Não bloquear o c&amp;hat</translation>
    </message>
    <message>
        <source>Each frame lasts 0.8 s or more: the server&apos;s flood protection then lets your chat through.</source>
        <translation>Cada quadro dura 0.8 s ou mais: assim a proteção contra flood do servidor deixa seu chat passar.</translation>
    </message>
    <message>
        <source>at</source>
        <translation>com</translation>
    </message>
    <message>
        <source>Play once, then rest on the name</source>
        <translation>Reproduzir uma vez e parar no nome final</translation>
    </message>
    <message>
        <source>One step for each press of a key</source>
        <translation>Um passo a cada toque numa tecla</translation>
    </message>
    <message>
        <source>Your keys, moving and firing included, wait behind the script while it plays.</source>
        <translation>Suas teclas, inclusive as de andar e atirar, ficam esperando enquanto o script roda.</translation>
    </message>
    <message>
        <source>Holds none of your keys back; chat goes through when the presses are more than 0.8 s apart.</source>
        <translation>Não segura nenhuma das suas teclas; o chat passa quando os toques têm mais de 0.8 s de intervalo.</translation>
    </message>
    <message>
        <source>Begins the names of the variables the script sets, so that two animations in one script keep apart.</source>
        <translation>Prefixo dos nomes das variáveis que o script define, para que duas animações no mesmo script não se misturem.</translation>
    </message>
    <message>
        <source>No endless timed loop: a vstr loop with waits holds back every key you press, the key to stop it included, for as long as it runs. To keep a name moving while you play, step it with a key.</source>
        <translation>Sem loop infinito temporizado: um loop de vstr com waits segura todas as teclas que você aperta, inclusive a que serviria para pará-lo, enquanto ele roda. Para manter o nome mudando enquanto você joga, avance-o com uma tecla.</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Tecla:</translation>
    </message>
    <message>
        <source>Variables begin with:</source>
        <translation>Variáveis começam com:</translation>
    </message>
    <message>
        <source>Codes only where the color changes</source>
        <translation>Códigos só onde a cor muda</translation>
    </message>
    <message>
        <source>Color at most </source>
        <translation>Colorir no máximo </translation>
    </message>
    <message>
        <source> letters</source>
        <translation> letras</translation>
    </message>
    <message>
        <source>Use a &amp;shorter form</source>
        <translation>&amp;Usar uma forma mais curta</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Inserir</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Effect:</source>
        <translation>&amp;Efeito:</translation>
    </message>
    <message>
        <source>Colors:</source>
        <translation>Cores:</translation>
    </message>
    <message>
        <source>&amp;Delay:</source>
        <translation>Inter&amp;valo:</translation>
    </message>
    <message>
        <source>&amp;Plays:</source>
        <translation>&amp;Reprodução:</translation>
    </message>
    <message>
        <source>Shorter:</source>
        <translation>Mais curto:</translation>
    </message>
    <message>
        <source>= %1</source>
        <translation>= %1</translation>
    </message>
    <message>
        <source>Every frame looks the same: the name already shows these colors. Pick another color or effect.</source>
        <translation>Todos os quadros ficam iguais: o nome já mostra essas cores. Escolha outra cor ou outro efeito.</translation>
    </message>
    <message>
        <source>%1 names (%2 frames and the name at rest), %3 lines, %4 bytes; the longest name takes %5 of %6 bytes.</source>
        <translation>%1 nomes (%2 quadros e o nome final), %3 linhas, %4 bytes; o nome mais longo ocupa %5 de %6 bytes.</translation>
    </message>
    <message>
        <source>One frame a press: it holds none of your keys back and works on every server; chat goes through when you press it more than 0.8 s apart.</source>
        <translation>Um quadro por toque: não segura nenhuma das suas teclas e funciona em qualquer servidor; o chat passa se você apertar a tecla com mais de 0.8 s de intervalo.</translation>
    </message>
    <message>
        <source>Your game&apos;s config binds %1 to &quot;%2&quot;: this script binds it anew, and %1 no longer does that.</source>
        <translation>A config do seu jogo associa %1 a &quot;%2&quot;: este script associa a tecla de novo, e %1 deixa de fazer isso.</translation>
    </message>
    <message>
        <source>Others on the server miss frames: they see only names that last a snapshot (%1 ms at sv_fps %2) or more.</source>
        <translation>Os outros jogadores perdem quadros: só veem os nomes que duram um snapshot (%1 ms com sv_fps %2) ou mais.</translation>
    </message>
    <message>
        <source>Others on the server see every frame.</source>
        <translation>Os outros jogadores veem todos os quadros.</translation>
    </message>
    <message>
        <source>Your chat is dropped while it plays: frames under 0.8 s set off the server&apos;s flood protection.</source>
        <translation>Seu chat é descartado enquanto a animação roda: quadros de menos de 0.8 s disparam a proteção contra flood do servidor.</translation>
    </message>
    <message>
        <source>Chat keeps working.</source>
        <translation>O chat continua funcionando.</translation>
    </message>
    <message>
        <source>Your keys wait behind it while it plays, for %1.</source>
        <translation>Suas teclas ficam esperando enquanto a animação roda, por %1.</translation>
    </message>
</context>
<context>
    <name>AnimationGenerator</name>
    <message>
        <source>The game would not show frame %1 as made: it would set the name to &quot;%2&quot; instead of &quot;%3&quot;.</source>
        <translation>O jogo não mostraria o quadro %1 como ele foi feito: definiria o nome como &quot;%2&quot; em vez de &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The name has no letters to animate.</source>
        <translation>O nome não tem letras para animar.</translation>
    </message>
    <message>
        <source>Names with &quot;, ; or \ cannot be animated: the games refuse them.</source>
        <translation>Nomes com &quot;, ; ou \ não podem ser animados: os jogos os recusam.</translation>
    </message>
    <message>
        <source>Choose at least one color.</source>
        <translation>Escolha pelo menos uma cor.</translation>
    </message>
    <message>
        <source>Name the key as the game names it, such as F5 or k.</source>
        <translation>Escreva o nome da tecla como o jogo a chama, por exemplo F5 ou k.</translation>
    </message>
    <message>
        <source>The prefix of the variables takes letters, digits and _ only.</source>
        <translation>O prefixo das variáveis aceita só letras, dígitos e _.</translation>
    </message>
    <message>
        <source>The longest frame takes %1 bytes; the game keeps %2 and cuts off the rest.</source>
        <translation>O quadro mais longo ocupa %1 bytes; o jogo mantém %2 e corta o resto.</translation>
    </message>
</context>
<context>
    <name>CfgFileDialog</name>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Arquivo %1</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Tintmark</source>
        <translation>Tintmark</translation>
    </message>
    <message>
        <source>The script has changes that are not saved. Open another script in its place and lose them?</source>
        <translation>O script tem alterações não salvas. Abrir outro script no lugar dele e perder essas alterações?</translation>
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
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>Recover the unsaved script from %1?</source>
        <translation>Recuperar o script não salvo de %1?</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recuperar</translation>
    </message>
    <message>
        <source>%1 is far larger than a script: the game reads at most 65,536 bytes of one. Open it all the same?</source>
        <translation>%1 é muito maior que um script: o jogo lê no máximo 65.536 bytes de um script. Abrir mesmo assim?</translation>
    </message>
    <message>
        <source>%1 was saved as UTF-8, but this edition of the game reads %2: it shows each character such as é as two (Ã©). Open it as UTF-8, to save it again as the game reads it?</source>
        <translation>%1 foi salvo em UTF-8, mas esta edição do jogo lê scripts em %2: ela mostra cada caractere como é como dois (Ã©). Abrir como UTF-8, para salvar de novo do jeito que o jogo lê?</translation>
    </message>
    <message>
        <source>The edition has no letter for some of its characters; Tintmark spells them in letters it has: %1.</source>
        <translation>A edição não tem letra para alguns caracteres do arquivo; o Tintmark os escreve com letras que ela tem: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a game, its folder</comment>
        <translation>%2 do %1</translation>
    </message>
    <message>
        <source>Save changes to the new script?</source>
        <translation>Salvar as alterações no script novo?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvar as alterações em %1?</translation>
    </message>
    <message>
        <source>This folder cannot be written. Save the script in another one, such as your documents?</source>
        <translation>Não é possível gravar nesta pasta. Salvar o script em outra, como seus documentos?</translation>
    </message>
    <message>
        <source>Save &amp;Elsewhere...</source>
        <translation>Salvar em &amp;outro lugar...</translation>
    </message>
</context>
<context>
    <name>CfgReader</name>
    <message>
        <source>It is a folder, not a script.</source>
        <translation>É uma pasta, não um script.</translation>
    </message>
    <message>
        <source>It is not a file but a pipe, a device or a socket; scripts are files.</source>
        <translation>Não é um arquivo, e sim um pipe, um dispositivo ou um socket; scripts são arquivos.</translation>
    </message>
    <message>
        <source>The file is %1 MiB, far larger than any script (the games read at most 64 KiB of one).</source>
        <translation>O arquivo tem %1 MiB, muito mais que qualquer script (os jogos leem no máximo 64 KiB de um script).</translation>
    </message>
    <message>
        <source>Reading stopped partway: %1</source>
        <translation>A leitura parou no meio: %1</translation>
    </message>
    <message>
        <source>This is not a script: it holds the byte 0x%1 at offset %2, which text does not hold.</source>
        <translation>Isto não é um script: contém o byte 0x%1 na posição %2, que não aparece em texto.</translation>
    </message>
</context>
<context>
    <name>CfgWriter</name>
    <message>
        <source>No file name was given.</source>
        <translation>Nenhum nome de arquivo foi informado.</translation>
    </message>
    <message>
        <source>The script could not be written completely.</source>
        <translation>Não foi possível gravar o script por completo.</translation>
    </message>
    <message>
        <source>The text holds the character %1, which a script cannot hold: this edition of the game reads scripts in %2. Nothing was saved; replace that character and save again.</source>
        <translation>O texto contém o caractere %1, que um script não pode conter: esta edição do jogo lê scripts em %2. Nada foi salvo; substitua esse caractere e salve de novo.</translation>
    </message>
</context>
<context>
    <name>CheckReport</name>
    <message>
        <source>Names in %1 at com_maxfps %2, frames of %3 ms, %4 frames a second:</source>
        <translation>Nomes no %1 com com_maxfps %2, frames de %3 ms, %4 frames por segundo:</translation>
    </message>
    <message>
        <source>From %1 the script&apos;s own com_maxfps %2 holds: frames of %3 ms.</source>
        <translation>A partir de %1, vale o com_maxfps %2 do próprio script: frames de %3 ms.</translation>
    </message>
    <message>
        <source>The script sets no name.</source>
        <translation>O script não define nenhum nome.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, linha %2: %3</translation>
    </message>
    <message>
        <source>Keys it binds, and the names their presses show:</source>
        <translation>Teclas associadas pelo script e os nomes que elas mostram ao serem apertadas:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>nenhum nome</translation>
    </message>
    <message numerus="yes">
        <source>%n other keys show no name, and the warnings say nothing of them.</source>
        <translation>
            <numerusform>%n outra tecla não mostra nenhum nome, e os avisos não falam dela.</numerusform>
            <numerusform>%n outras teclas não mostram nenhum nome, e os avisos não falam delas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Names as others on the server see them, at sv_fps %1 (a snapshot every %2 ms):</source>
        <translation>Nomes como os outros jogadores os veem, com sv_fps %1 (um snapshot a cada %2 ms):</translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation>Avisos:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Observações:</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>Central European</source>
        <translation>centro-europeias</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>cirílicas</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>europeias ocidentais</translation>
    </message>
</context>
<context>
    <name>ColorCodes</name>
    <message>
        <source>American</source>
        <translation>Americanos</translation>
    </message>
    <message>
        <source>British</source>
        <translation>Britânicos</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russos</translation>
    </message>
    <message>
        <source>black</source>
        <translation>preto</translation>
    </message>
    <message>
        <source>red</source>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>ciano</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>white</source>
        <translation>branco</translation>
    </message>
    <message>
        <source>the allied team&apos;s color</source>
        <translation>a cor do time dos Aliados</translation>
    </message>
    <message>
        <source>the axis team&apos;s grey</source>
        <translation>o cinza do time do Eixo</translation>
    </message>
    <message>
        <source>The game shows ^6 magenta; its swatch is dark red.</source>
        <translation>O jogo mostra o ^6 em magenta; a amostra dele é vermelho-escura.</translation>
    </message>
    <message>
        <source>In COD 2, ^8 shows in the allied team&apos;s color (green for the Americans, blue for the British, red for the Russians); COD removes it.</source>
        <translation>No COD 2, o ^8 aparece na cor do time dos Aliados (verde para os americanos, azul para os britânicos, vermelho para os russos); o COD o remove.</translation>
    </message>
    <message>
        <source>^9 shows in the axis team&apos;s grey.</source>
        <translation>O ^9 aparece no cinza do time do Eixo.</translation>
    </message>
    <message>
        <source>The game removes ^0 from names.</source>
        <translation>O jogo remove o ^0 dos nomes.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>Tintmark makes colored player names for COD and COD 2. Without options it opens its window, and a script given as FILE in the script editor.</source>
        <translation>O Tintmark cria nomes de jogador coloridos para COD e COD 2. Sem opções, ele abre sua janela e, se um script for dado como ARQUIVO, abre esse script no editor de scripts.</translation>
    </message>
    <message>
        <source>Shows these options.</source>
        <translation>Mostra estas opções.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s name and version.</source>
        <translation>Mostra o nome e a versão do programa.</translation>
    </message>
    <message>
        <source>Checks the scripts without opening a window: the names each sets with their times, then its warnings with line numbers. Exit status 0 when no script has a warning, 1 when one has, 2 when a file cannot be read.</source>
        <translation>Verifica os scripts sem abrir nenhuma janela: os nomes que cada um define, com seus tempos, e depois seus avisos, com os números das linhas. Código de saída 0 quando nenhum script tem aviso, 1 quando algum tem, 2 quando um arquivo não pode ser lido.</translation>
    </message>
    <message>
        <source>GAME</source>
        <translation>JOGO</translation>
    </message>
    <message>
        <source>With --check: the server the player is on: stock (the default), or competitive for a CoD2x server with competitive settings, where wait does nothing and com_maxfps is 125 to 250.</source>
        <translation>Com --check: o servidor em que o jogador está: stock (o padrão) ou competitive, para um servidor CoD2x com configurações competitivas, onde o wait não faz nada e o com_maxfps fica entre 125 e 250.</translation>
    </message>
    <message>
        <source>SERVER</source>
        <translation>SERVIDOR</translation>
    </message>
    <message>
        <source>With --check: the server&apos;s sv_fps, the snapshots a second that show others the names: 20 (the default), from %1 to %2.</source>
        <translation>Com --check: o sv_fps do servidor, os snapshots por segundo que mostram os nomes aos outros: 20 (o padrão), de %1 a %2.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>With --check: the player&apos;s com_maxfps, from 0 to %1; without it, the one the game&apos;s config in the script&apos;s folder sets, else the installed games&apos; configs, else %2.</source>
        <translation>Com --check: o com_maxfps do jogador, de 0 a %1; sem esta opção, vale o que a config do jogo na pasta do script define, senão o das configs dos jogos instalados, senão %2.</translation>
    </message>
    <message>
        <source>The script to open, or with --check the scripts to check.</source>
        <translation>O script a abrir ou, com --check, os scripts a verificar.</translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation>[ARQUIVO...]</translation>
    </message>
    <message>
        <source>--check needs at least one script.</source>
        <translation>--check precisa de pelo menos um script.</translation>
    </message>
    <message>
        <source>--server takes stock or competitive, not %1.</source>
        <translation>--server aceita stock ou competitive, não %1.</translation>
    </message>
    <message>
        <source>--sv-fps takes a number from %1 to %2, not %3.</source>
        <translation>--sv-fps aceita um número de %1 a %2, não %3.</translation>
    </message>
    <message>
        <source>--maxfps takes a number from 0 to %1, not %2.</source>
        <translation>--maxfps aceita um número de 0 a %1, não %2.</translation>
    </message>
    <message>
        <source>With --check: the language of the game&apos;s edition, which decides the letters it reads scripts in: %1; without it, the edition of the game whose folder holds the script, else the one chosen in the windows.</source>
        <translation>Com --check: o idioma da edição do jogo, que define as letras com que ela lê os scripts: %1; sem esta opção, vale a edição do jogo em cuja pasta está o script, senão a escolhida nas janelas.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>IDIOMA</translation>
    </message>
    <message>
        <source>Usage: tintmark [FILE | --check [--game GAME] [--server SERVER] [--sv-fps N] [--maxfps N] [--language NAME] FILE... | --version | --help]</source>
        <translation>Uso: tintmark [ARQUIVO | --check [--game JOGO] [--server SERVIDOR] [--sv-fps N] [--maxfps N] [--language IDIOMA] ARQUIVO... | --version | --help]</translation>
    </message>
    <message>
        <source>--language takes %1, not %2.</source>
        <translation>--language aceita %1, não %2.</translation>
    </message>
    <message>
        <source>With --check: the game whose console runs the scripts: cod2 (the default), cod1.3, cod1.1 or uo (United Offensive).</source>
        <translation>Com --check: o jogo cujo console roda os scripts: cod2 (o padrão), cod1.3, cod1.1 ou uo (United Offensive).</translation>
    </message>
    <message>
        <source>--game takes cod2, cod1.3, cod1.1 or uo, not %1.</source>
        <translation>--game aceita cod2, cod1.3, cod1.1 ou uo, não %1.</translation>
    </message>
</context>
<context>
    <name>EditionMenu</name>
    <message>
        <source>Game &amp;Edition</source>
        <translation>Edição do &amp;jogo</translation>
    </message>
    <message>
        <source>As the Game Installed</source>
        <translation>Como o jogo instalado</translation>
    </message>
    <message>
        <source>The edition of the game Tintmark finds on this computer.</source>
        <translation>A edição do jogo que o Tintmark encontra neste computador.</translation>
    </message>
    <message>
        <source>%1 (%2 letters)</source>
        <translation>%1 (letras %2)</translation>
    </message>
    <message>
        <source>As the Game Installed (%1)</source>
        <translation>Como o jogo instalado (%1)</translation>
    </message>
    <message>
        <source>As the Game Installed (none found: English)</source>
        <translation>Como o jogo instalado (nenhum encontrado: inglês)</translation>
    </message>
</context>
<context>
    <name>GameLanguage</name>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>British English</source>
        <translation>Inglês britânico</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonês</translation>
    </message>
</context>
<context>
    <name>GameLetters</name>
    <message>
        <source>in COD 2&apos;s own letters</source>
        <translation>com as letras do próprio COD 2</translation>
    </message>
    <message>
        <source>the game&apos;s font was not found</source>
        <translation>a fonte do jogo não foi encontrada</translation>
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
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Using the Script in the &amp;Game</source>
        <translation>Usar o script no &amp;jogo</translation>
    </message>
    <message>
        <source>Using the Script in the Game</source>
        <translation>Usar o script no jogo</translation>
    </message>
    <message>
        <source>What the &amp;Color Codes Do</source>
        <translation>O que fazem os &amp;códigos de cor</translation>
    </message>
    <message>
        <source>What the Color Codes Do</source>
        <translation>O que fazem os códigos de cor</translation>
    </message>
    <message>
        <source>&amp;About Tintmark...</source>
        <translation>&amp;Sobre o Tintmark...</translation>
    </message>
    <message>
        <source>About &amp;Qt...</source>
        <translation>Sobre o &amp;Qt...</translation>
    </message>
    <message>
        <source>&lt;li&gt;%1: &lt;code&gt;%2&lt;/code&gt;&lt;/li&gt;</source>
        <translation>&lt;li&gt;%1: &lt;code&gt;%2&lt;/code&gt;&lt;/li&gt;</translation>
    </message>
    <message>
        <source>Tintmark found no game on this computer. The main folder is the folder &lt;code&gt;main&lt;/code&gt; in the folder the game is installed in.</source>
        <translation>O Tintmark não encontrou nenhum jogo neste computador. A pasta main é a pasta &lt;code&gt;main&lt;/code&gt; dentro da pasta onde o jogo está instalado.</translation>
    </message>
    <message>
        <source>Tintmark found:&lt;ul&gt;%1&lt;/ul&gt;</source>
        <translation>O Tintmark encontrou:&lt;ul&gt;%1&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;Save the script into the game&apos;s &lt;b&gt;main&lt;/b&gt; folder. %1&lt;/li&gt;&lt;li&gt;Start the game, open the console with &lt;b&gt;~&lt;/b&gt; and type &lt;code&gt;%2&lt;/code&gt;%3.&lt;/li&gt;&lt;li&gt;A script that binds keys, such as an animated name that plays on a key, starts when you press that key.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;The notice after a save shows the command for that script, ready to copy.&lt;/p&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;Salve o script na pasta &lt;b&gt;main&lt;/b&gt; do jogo. %1&lt;/li&gt;&lt;li&gt;Abra o jogo, abra o console com &lt;b&gt;~&lt;/b&gt; e digite &lt;code&gt;%2&lt;/code&gt;%3.&lt;/li&gt;&lt;li&gt;Um script que associa teclas, como um nome animado que roda ao apertar uma tecla, começa quando você aperta essa tecla.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;A mensagem que aparece depois de salvar mostra o comando desse script, pronto para copiar.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>, with the name you saved</source>
        <translation>, com o nome que você usou ao salvar</translation>
    </message>
    <message>
        <source>&lt;p&gt;A caret and a digit color the letters after them in the game:&lt;/p&gt;&lt;table cellspacing=&quot;4&quot;&gt;%1&lt;/table&gt;&lt;p&gt;A caret and any other character is a code too: COD 2 shows the letters after it white. A caret before another caret shows as it is.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Um circunflexo (^) seguido de um dígito colore as letras que vêm depois no jogo:&lt;/p&gt;&lt;table cellspacing=&quot;4&quot;&gt;%1&lt;/table&gt;&lt;p&gt;Um circunflexo seguido de qualquer outro caractere também é um código: o COD 2 mostra as letras depois dele em branco. Um circunflexo antes de outro circunflexo aparece como está.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Tintmark</source>
        <translation>Sobre o Tintmark</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tintmark %1&lt;/h3&gt;&lt;p&gt;Colored player names and name scripts for COD and COD 2.&lt;/p&gt;&lt;p&gt;Tintmark is free software under the GNU General Public License, version 3 or later. It comes with no warranty.&lt;/p&gt;&lt;p&gt;Built with Qt %2, used under the GNU Lesser General Public License, version 3.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tintmark %1&lt;/h3&gt;&lt;p&gt;Nomes de jogador coloridos e scripts de nome para COD e COD 2.&lt;/p&gt;&lt;p&gt;O Tintmark é software livre, sob a GNU General Public License, versão 3 ou posterior. Ele vem sem nenhuma garantia.&lt;/p&gt;&lt;p&gt;Feito com Qt %2, usado sob a GNU Lesser General Public License, versão 3.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The preview draws the name in COD 2&apos;s own letters, read from the game&apos;s files, when Tintmark finds COD 2 on this computer, and says so below the name. Without the game, or when its font cannot be read, it draws the name in the desktop&apos;s letters, which are only near the game&apos;s.&lt;/p&gt;</source>
        <translation>&lt;p&gt;A prévia desenha o nome com as letras do próprio COD 2, lidas dos arquivos do jogo, quando o Tintmark encontra o COD 2 neste computador, e diz isso abaixo do nome. Sem o jogo, ou quando a fonte dele não pode ser lida, desenha o nome com as letras da área de trabalho, que só se parecem com as do jogo.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>I&amp;dioma</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Tintmark speaks %1 from its next start.</source>
        <translation>Idioma escolhido: %1. O Tintmark passa a usá-lo na próxima vez que for aberto.</translation>
    </message>
    <message>
        <source>The System&apos;s Language</source>
        <translation>Idioma do sistema</translation>
    </message>
</context>
<context>
    <name>NamePreview</name>
    <message>
        <source>COD 2 cuts off the end:</source>
        <translation>O COD 2 corta o final:</translation>
    </message>
    <message>
        <source>The games refuse %1 in a name.</source>
        <translation>Os jogos recusam %1 em nomes.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>the Latin letter “%1”</source>
        <translation>a letra latina “%1”</translation>
    </message>
    <message>
        <source>the Cyrillic letter “%1”</source>
        <translation>a letra cirílica “%1”</translation>
    </message>
    <message>
        <source>the Greek letter “%1”</source>
        <translation>a letra grega “%1”</translation>
    </message>
    <message>
        <source>the character “%1”</source>
        <translation>o caractere “%1”</translation>
    </message>
    <message>
        <source>the character U+%1</source>
        <translation>o caractere U+%1</translation>
    </message>
    <message>
        <source>Leave it out.</source>
        <translation>Deixe esse caractere de fora.</translation>
    </message>
    <message>
        <source>Spell it “%1” (Name menu, or the button at the end of the name box).</source>
        <translation>Escreva “%1” (menu Nome ou o botão no fim da caixa do nome).</translation>
    </message>
    <message>
        <source>This edition of the game cannot show %1: its names hold %2 letters (%3).</source>
        <translation>Esta edição do jogo não consegue mostrar %1: os nomes nela usam letras %2 (%3).</translation>
    </message>
    <message>
        <source>Players of editions with %1 letters see:</source>
        <translation>Jogadores de edições com letras %1 veem:</translation>
    </message>
</context>
<context>
    <name>PinnedPreview</name>
    <message>
        <source>Tintmark Preview</source>
        <translation>Prévia do Tintmark</translation>
    </message>
</context>
<context>
    <name>RecentScripts</name>
    <message>
        <source>No scripts opened or saved yet</source>
        <translation>Nenhum script aberto ou salvo ainda</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recente</translation>
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
        <translation>%1 salvo na pasta %2 do %3.</translation>
    </message>
    <message>
        <source>Windows keeps it for the game in %1, since the game&apos;s own folder is protected; the game finds it there.</source>
        <translation>O Windows guarda o arquivo para o jogo em %1, porque a pasta do próprio jogo é protegida; o jogo o encontra lá.</translation>
    </message>
    <message>
        <source>In the game, open the console (~) and type: %1</source>
        <translation>No jogo, abra o console (~) e digite: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 salvo.</translation>
    </message>
    <message>
        <source>Put it in the game&apos;s main folder first, then in the game open the console (~) and type: %1</source>
        <translation>Primeiro coloque-o na pasta main do jogo; depois, no jogo, abra o console (~) e digite: %1</translation>
    </message>
    <message>
        <source>Put it in the main folder of %1 first (%2), then in the game open the console (~) and type: %3</source>
        <translation>Primeiro coloque-o na pasta main do %1 (%2); depois, no jogo, abra o console (~) e digite: %3</translation>
    </message>
    <message>
        <source>Then press %1 to play it.</source>
        <translation>Depois aperte %1 para reproduzi-lo.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>The checker warns: %1</source>
        <translation>O verificador avisa: %1</translation>
    </message>
    <message numerus="yes">
        <source>The checker finds %n warnings: Play and Check (F5) in the editor lists them.</source>
        <translation>
            <numerusform>O verificador encontrou %n aviso: Reproduzir e verificar (F5), no editor, mostra qual é.</numerusform>
            <numerusform>O verificador encontrou %n avisos: Reproduzir e verificar (F5), no editor, mostra quais são.</numerusform>
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
        <translation>e assim por diante</translation>
    </message>
</context>
<context>
    <name>ScriptOpener</name>
    <message>
        <source>Cannot open %1:
%2</source>
        <translation>Não foi possível abrir %1:
%2</translation>
    </message>
    <message>
        <source>“%1” left out</source>
        <translation>sem “%1”</translation>
    </message>
    <message>
        <source>“%1” as “%2”</source>
        <translation>“%1” como “%2”</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>mais %n</numerusform>
            <numerusform>mais %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScriptPlayerWindow</name>
    <message>
        <source>Tintmark Player</source>
        <translation>Reprodutor do Tintmark</translation>
    </message>
    <message>
        <source>The name as the server&apos;s last snapshot showed it to the others on the server.</source>
        <translation>O nome do jeito que o último snapshot do servidor o mostrou aos outros jogadores.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproduzir</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>P&amp;ausar</translation>
    </message>
    <message>
        <source>&amp;Next change</source>
        <translation>&amp;Próxima mudança</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>Re&amp;iniciar</translation>
    </message>
    <message>
        <source>The game&apos;s com_maxfps: it caps the frames in whole milliseconds, and the console runs two ticks a frame, so waits last longer at lower rates.</source>
        <translation>O com_maxfps do jogo: ele limita os frames em milissegundos inteiros, e o console roda dois ticks por frame, então os waits duram mais com taxas menores.</translation>
    </message>
    <message>
        <source>%1 ms frames, %2 a second</source>
        <translation>frames de %1 ms, %2 por segundo</translation>
    </message>
    <message>
        <source>%1: the server makes com_maxfps %2</source>
        <translation>%1: o servidor impõe com_maxfps %2</translation>
    </message>
    <message>
        <source>Stock server</source>
        <translation>Servidor padrão</translation>
    </message>
    <message>
        <source>CoD2x competitive server</source>
        <translation>Servidor CoD2x competitivo</translation>
    </message>
    <message>
        <source>A CoD2x server with competitive settings makes wait do nothing and keeps com_maxfps from 125 to 250.</source>
        <translation>Num servidor CoD2x com configurações competitivas, o wait não faz nada e o com_maxfps fica entre 125 e 250.</translation>
    </message>
    <message>
        <source>The server&apos;s sv_fps: the snapshots a second that show the others your name, 20 on most servers.</source>
        <translation>O sv_fps do servidor: os snapshots por segundo que mostram seu nome aos outros; 20 na maioria dos servidores.</translation>
    </message>
    <message>
        <source>^8 shows in the color of the allied team, which depends on its nation; ^9 in the color of the axis team.</source>
        <translation>O ^8 aparece na cor do time dos Aliados, que depende da nação; o ^9, na cor do time do Eixo.</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Jogo:</translation>
    </message>
    <message>
        <source>com_&amp;maxfps:</source>
        <translation>com_&amp;maxfps:</translation>
    </message>
    <message>
        <source>A&amp;llies:</source>
        <translation>A&amp;liados:</translation>
    </message>
    <message>
        <source>Ser&amp;ver:</source>
        <translation>Servi&amp;dor:</translation>
    </message>
    <message>
        <source>s&amp;v_fps:</source>
        <translation>s&amp;v_fps:</translation>
    </message>
    <message>
        <source>Others see:</source>
        <translation>Os outros veem:</translation>
    </message>
    <message>
        <source>Keys the script binds:</source>
        <translation>Teclas associadas pelo script:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Others see it</source>
        <translation>Os outros veem</translation>
    </message>
    <message>
        <source>Put the second command on its &amp;own line</source>
        <translation>Pôr o segundo comando em &amp;outra linha</translation>
    </message>
    <message>
        <source>Names as the game shows them:</source>
        <translation>Nomes como o jogo os mostra:</translation>
    </message>
    <message>
        <source>Warnings:</source>
        <translation>Avisos:</translation>
    </message>
    <message>
        <source>No change after this one.</source>
        <translation>Nenhuma mudança depois desta.</translation>
    </message>
    <message>
        <source>A note: worth knowing, no fault.</source>
        <translation>Observação: bom saber, não é um erro.</translation>
    </message>
    <message>
        <source>never: replaced within its frame</source>
        <translation>nunca: substituído no mesmo frame</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>a partir de %1</translation>
    </message>
    <message>
        <source>never: it lasts less than a snapshot</source>
        <translation>nunca: dura menos que um snapshot</translation>
    </message>
    <message>
        <source>Press %1: %2</source>
        <translation>Aperte %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>mais %n</numerusform>
            <numerusform>mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Presses show: %1</source>
        <translation>Ao apertar, mostra: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>The script has run: press a key it binds.</source>
        <translation>O script terminou: aperte uma tecla associada por ele.</translation>
    </message>
    <message>
        <source>The animation has ended.</source>
        <translation>A animação terminou.</translation>
    </message>
    <message>
        <source>The loop has stopped: the game&apos;s command buffer is full.</source>
        <translation>O loop parou: o buffer de comandos do jogo está cheio.</translation>
    </message>
</context>
<context>
    <name>ScriptSaver</name>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation>Não foi possível salvar %1:
%2</translation>
    </message>
</context>
<context>
    <name>SetNameLine</name>
    <message>
        <source>The game would not set the name</source>
        <translation>O jogo não definiria o nome</translation>
    </message>
    <message>
        <source>The game would set the name to %1</source>
        <translation>O jogo definiria o nome como %1</translation>
    </message>
    <message>
        <source> and then run: %1</source>
        <translation> e depois executaria: %1</translation>
    </message>
    <message>
        <source>, not to %1</source>
        <translation>, e não como %1</translation>
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
        <translation>fecha o jogo</translation>
    </message>
    <message>
        <source>removes every key binding, moving and firing included</source>
        <translation>remove todos os binds de teclas (inclusive os de andar e atirar)</translation>
    </message>
    <message>
        <source>puts every setting back to its default</source>
        <translation>volta todas as configurações ao padrão</translation>
    </message>
    <message>
        <source>shuts the server down</source>
        <translation>encerra o servidor</translation>
    </message>
    <message>
        <source>leaves the server the player is on</source>
        <translation>faz você sair do servidor em que está</translation>
    </message>
    <message>
        <source>When %1 is pressed: </source>
        <translation>Ao apertar %1: </translation>
    </message>
    <message>
        <source>The script runs %1</source>
        <translation>O script roda %1</translation>
    </message>
    <message>
        <source>Pressing %1 starts %2</source>
        <translation>Apertar %1 inicia %2</translation>
    </message>
    <message>
        <source>A wait with a negative number stops the rest of the script for good (some versions of the game wait one tick instead). Use a positive number of ticks.</source>
        <translation>Um wait com número negativo interrompe de vez o resto do script (algumas versões do jogo esperam um tick em vez disso). Use um número positivo de ticks.</translation>
    </message>
    <message>
        <source>Two commands run together on one line: the game sets the whole &quot;%1&quot; as one value. Put &quot;%2&quot; on a line of its own.</source>
        <translation>Dois comandos ficaram juntos numa linha só: o jogo define todo o &quot;%1&quot; como um único valor. Ponha &quot;%2&quot; numa linha própria.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; takes %2 bytes; the game keeps %3 and cuts off &quot;%4&quot;. Use fewer letters or color codes.</source>
        <translation>O nome &quot;%1&quot; ocupa %2 bytes; o jogo mantém %3 e corta &quot;%4&quot;. Use menos letras ou códigos de cor.</translation>
    </message>
    <message>
        <source>The game removes %1 from names: this one shows as &quot;%2&quot;. Leave them out.</source>
        <translation>O jogo remove %1 dos nomes: este aparece como &quot;%2&quot;. Deixe-os de fora.</translation>
    </message>
    <message>
        <source>The script takes %1 bytes or more, more than the game&apos;s command buffer holds: exec runs none of it. Move part of it into a second script and exec that from this one.</source>
        <translation>O script ocupa %1 bytes ou mais, mais do que cabe no buffer de comandos do jogo: o exec não roda nada dele. Passe uma parte para um segundo script e chame esse com exec a partir deste.</translation>
    </message>
    <message>
        <source>A command here is longer than %1 bytes: the game cuts it there, loses the next byte and runs the rest as a command of its own. Split it into shorter commands.</source>
        <translation>Um comando aqui passa de %1 bytes: o jogo o corta nesse ponto, perde o byte seguinte e roda o resto como um comando separado. Divida-o em comandos menores.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a leading %2 works only when typed in the console; in a script the game knows no such command. Write &quot;%3&quot;.</source>
        <translation>&quot;%1&quot;: uma %2 no início só funciona quando digitada no console; num script o jogo não conhece esse comando. Escreva &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1 %2 when the script runs it. Leave it out of a name script.</source>
        <translation>%1 %2 quando o script o executa. Deixe-o fora de scripts de nome.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a command of the game: it sends the line to the server, which shows it as chat or ignores it, unless a mod there knows it.</source>
        <translation>&quot;%1&quot; não é um comando do jogo: a linha vai para o servidor, que a mostra como chat ou a ignora, a não ser que um mod de lá conheça o comando.</translation>
    </message>
    <message>
        <source> Did you mean &quot;%1&quot;?</source>
        <translation> Você quis dizer &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>This sets &quot;%1&quot;, which nothing reads. Did you mean &quot;%2&quot;?</source>
        <translation>Isto define &quot;%1&quot;, mas nada lê essa variável. Você quis dizer &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>A character such as é or € outside quotes splits the words here: the game drops it and keeps the words around it apart. Put the value in quotes.</source>
        <translation>Um caractere como é ou € fora de aspas separa as palavras aqui: o jogo o descarta e mantém separadas as palavras em volta dele. Ponha o valor entre aspas.</translation>
    </message>
    <message>
        <source>A // comment ends at the &apos;;&apos; after it: the game runs &quot;%1&quot; as a command. Take out the &apos;;&apos; or start the rest with // too.</source>
        <translation>Um comentário // termina no &apos;;&apos; que vem depois dele: o jogo roda &quot;%1&quot; como comando. Tire o &apos;;&apos; ou comece o resto também com //.</translation>
    </message>
    <message>
        <source>A /* comment ends with its line: the game runs &quot;%1&quot; as a command. Start each line of the comment with // instead.</source>
        <translation>Um comentário /* termina junto com a linha: o jogo roda &quot;%1&quot; como comando. Em vez disso, comece cada linha do comentário com //.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; sets nothing: the game&apos;s set takes a name and then a value, and COD&apos;s seta exactly one value. Give it its value, in quotes if it has spaces.</source>
        <translation>&quot;%1&quot; não define nada: o set do jogo recebe um nome e depois um valor, e o seta do COD, exatamente um valor. Dê o valor a ele, entre aspas se tiver espaços.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: wait reads its number only when nothing follows it, so it waits one tick and the rest runs nothing. Put a &apos;;&apos; or a line break after the number.</source>
        <translation>&quot;%1&quot;: o wait só lê o número quando nada vem depois dele; assim, ele espera um tick e o resto não roda nada. Ponha um &apos;;&apos; ou uma quebra de linha depois do número.</translation>
    </message>
    <message>
        <source>This vstr runs again and again without a wait until it fills the game&apos;s command buffer of %1 bytes: the game hangs for a moment while it does, then the vstr fails and what is left in the buffer runs. Put a wait in the loop.</source>
        <translation>Este vstr roda sem parar, sem nenhum wait, até encher o buffer de comandos do jogo, de %1 bytes: o jogo trava por um instante enquanto isso, depois o vstr falha e o que sobrou no buffer é executado. Ponha um wait no loop.</translation>
    </message>
    <message>
        <source>The variable set here holds more than %1 bytes: vstr runs only its first %1. Split it into two variables.</source>
        <translation>A variável definida aqui tem mais de %1 bytes: o vstr só roda os primeiros %1. Divida-a em duas variáveis.</translation>
    </message>
    <message>
        <source>The check stopped here after %1 commands and %2 without reaching the end: it cannot tell what the rest does in the game.</source>
        <translation>A verificação parou aqui depois de %1 comandos e %2 sem chegar ao fim: ela não tem como dizer o que o resto faz no jogo.</translation>
    </message>
    <message>
        <source>vstr %1 runs nothing until %2 is pressed, which sets %1. Press %2 first, or set %1 in the script itself.</source>
        <translation>vstr %1 não roda nada até você apertar %2, que define %1. Aperte %2 antes ou defina %1 no próprio script.</translation>
    </message>
    <message>
        <source>vstr %1 runs a variable that is not set at that moment, so nothing happens. Set %1 before this line, or check its spelling.</source>
        <translation>vstr %1 roda uma variável que não está definida nesse momento, então nada acontece. Defina %1 antes desta linha ou confira se o nome está certo.</translation>
    </message>
    <message>
        <source>On a competitive server wait does nothing: what the script paces with it runs at once, so an animation shows only its last name there. Step through the names with a bound key instead, which works on every server.</source>
        <translation>Num servidor competitivo o wait não faz nada: o que o script cadencia com ele roda tudo de uma vez, então, nesse servidor, uma animação só mostra o último nome. Em vez disso, avance pelos nomes com uma tecla associada, o que funciona em qualquer servidor.</translation>
    </message>
    <message>
        <source>On a competitive server wait does nothing: this loop then runs again and again within one frame until it fills the game&apos;s command buffer, and the game freezes meanwhile. Step through the names with a bound key instead, which works on every server.</source>
        <translation>Num servidor competitivo o wait não faz nada: este loop então roda sem parar dentro de um único frame até encher o buffer de comandos do jogo, e o jogo congela enquanto isso. Em vez disso, avance pelos nomes com uma tecla associada, o que funciona em qualquer servidor.</translation>
    </message>
    <message>
        <source>While the script runs, for %1, your keys wait behind it: you cannot move, fire or chat until it ends. Step through the names with a bound key instead, which holds nothing back.</source>
        <translation>Enquanto o script roda, por %1, suas teclas ficam esperando: você não consegue andar, atirar nem usar o chat até ele terminar. Em vez disso, avance pelos nomes com uma tecla associada, que não segura nada.</translation>
    </message>
    <message>
        <source>Others on the server see %1 of these %2 names: names that last less than one snapshot (%3 ms at sv_fps %4) are skipped (%5). Let each name last longer.</source>
        <translation>Os outros jogadores veem %1 destes %2 nomes: os nomes que duram menos de um snapshot (%3 ms com sv_fps %4) são pulados (%5). Faça cada nome durar mais.</translation>
    </message>
    <message>
        <source>for as long as it runs, for ever</source>
        <translation>enquanto o script rodar, ou seja, para sempre</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>por %1</translation>
    </message>
    <message>
        <source>The names change as often as every %1, more often than every 0.8 s: the server&apos;s flood protection then ignores your chat, team chat and votes %2. Let each name last 0.8 s or more to keep chat working.</source>
        <translation>Os nomes chegam a mudar a cada %1, mais de uma vez a cada 0.8 s: assim a proteção contra flood do servidor ignora seu chat, o chat do time e seus votos %2. Faça cada nome durar 0.8 s ou mais para manter o chat funcionando.</translation>
    </message>
    <message>
        <source>The script sends about %1 names a second. Each waits for the server to acknowledge it, and the client keeps %2 at most: a lag spike of %3 s fills them, and the game disconnects you. Let each name last longer.</source>
        <translation>O script envia cerca de %1 nomes por segundo. Cada um espera a confirmação do servidor, e o cliente guarda no máximo %2 pendentes: um pico de lag de %3 s basta para lotar essa fila, e o jogo desconecta você. Faça cada nome durar mais.</translation>
    </message>
    <message>
        <source>In round-based modes (Search and Destroy and the like) the server takes a new name only at the next round: others see no animation there.</source>
        <translation>Em modos por rodada (Search and Destroy e parecidos), o servidor só aceita um nome novo na rodada seguinte: nesses modos, os outros não veem animação nenhuma.</translation>
    </message>
    <message>
        <source>The game saves the name you have when you leave in config_mp.cfg: whichever of these names shows then is your name at the next start.</source>
        <translation>O jogo salva em config_mp.cfg o nome que você tiver ao sair: o nome que estiver aparecendo nessa hora, seja qual for, será o seu na próxima vez que você abrir o jogo.</translation>
    </message>
    <message>
        <source>The game saves the name you have when you leave in config_mp.cfg: after this script, &quot;%1&quot;, your name at the next start.</source>
        <translation>O jogo salva em config_mp.cfg o nome que você tiver ao sair: depois deste script, &quot;%1&quot; será seu nome na próxima vez que você abrir o jogo.</translation>
    </message>
    <message>
        <source>lines %1 to %2: %3</source>
        <translation>linhas %1 a %2: %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>Read as a server&apos;s config: it sets %1. Warnings meant for name scripts, such as about map and killserver, are left out.</source>
        <translation>Lido como config de servidor: ele define %1. Os avisos próprios de scripts de nome, como os sobre map e killserver, ficam de fora.</translation>
    </message>
    <message>
        <source>No warnings: the script runs as written.</source>
        <translation>Nenhum aviso: o script roda como foi escrito.</translation>
    </message>
    <message numerus="yes">
        <source>lines %1 and %n more</source>
        <translation>
            <numerusform>linhas %1 e mais %n</numerusform>
            <numerusform>linhas %1 e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>linha %1</translation>
    </message>
    <message>
        <source>lines %1 and %2</source>
        <translation>linhas %1 e %2</translation>
    </message>
    <message>
        <source>These are not commands of the game in multiplayer: it sends each such line to the server, which shows it as chat or ignores it, unless a mod there knows it: %1. Leave them out; single-player and development commands do nothing here.</source>
        <translation>Estes não são comandos do jogo no multijogador: cada uma dessas linhas vai para o servidor, que a mostra como chat ou a ignora, a não ser que um mod de lá a conheça: %1. Tire-os; comandos de um jogador e de desenvolvimento não fazem nada aqui.</translation>
    </message>
    <message>
        <source>%1 is cheat-protected: on a server without sv_cheats 1, as every public server is, the game refuses to change it, so this does nothing there.</source>
        <translation>%1 é protegida contra trapaça: num servidor sem sv_cheats 1, como todo servidor público, o jogo se recusa a mudá-la, então isto não faz nada lá.</translation>
    </message>
    <message>
        <source>The server reads no &quot;%1&quot;: setting it changes nothing.</source>
        <translation>O servidor não lê nenhuma &quot;%1&quot;: defini-la não muda nada.</translation>
    </message>
    <message>
        <source>The server reads %1 only as it starts, before it runs this config: setting it here changes nothing. Give it on the server&apos;s command line instead, as +set %1 and its value.</source>
        <translation>O servidor lê %1 só ao iniciar, antes de rodar esta config: defini-la aqui não muda nada. Passe-a na linha de comando do servidor, como +set %1 e o valor.</translation>
    </message>
    <message>
        <source>exec runs scripts that this check cannot see into: %1. Check those too.</source>
        <translation>exec roda scripts que esta verificação não consegue ver por dentro: %1. Verifique-os também.</translation>
    </message>
    <message>
        <source>This vstr runs again and again without a wait, some %2 times within one frame, until the line breaks each round leaves behind fill the game&apos;s command buffer of %1 bytes: the game hangs for a moment while it does, then the vstr fails and the rest of the script runs. Put a wait in the loop.</source>
        <translation>Este vstr roda sem parar, sem nenhum wait, umas %2 vezes dentro de um frame, até as quebras de linha que cada volta deixa encherem o buffer de comandos do jogo, de %1 bytes: o jogo trava por um instante enquanto isso, depois o vstr falha e o resto do script é executado. Ponha um wait no loop.</translation>
    </message>
    <message>
        <source> The game&apos;s comments start with //, not with #.</source>
        <translation> No jogo, os comentários começam com //, não com #.</translation>
    </message>
    <message numerus="yes">
        <source>any of %n keys</source>
        <translation>
            <numerusform>%n tecla</numerusform>
            <numerusform>qualquer uma das %n teclas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>a loop (%1) that repeats every %2, %3 times in all, until the line breaks each round leaves behind fill the game&apos;s command buffer and the loop stops, after %4. Until then the game does not answer keys or the console. Let the last step set the resting name without another vstr, or step through the frames with a bound key.</source>
        <translation>um loop (%1) que se repete a cada %2, %3 vezes no total, até que as quebras de linha que cada volta deixa encham o buffer de comandos do jogo e o loop pare, depois de %4. Até lá, o jogo não responde às teclas nem ao console. Faça o último passo definir o nome final sem outro vstr, ou avance pelos quadros com uma tecla associada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a command of the game: the server only prints &quot;Unknown command&quot; in its console, unless a mod there knows it.</source>
        <translation>&quot;%1&quot; não é um comando do jogo: o servidor só escreve &quot;Unknown command&quot; no próprio console, a não ser que um mod de lá conheça o comando.</translation>
    </message>
    <message>
        <source>These are not commands of the game: the server only prints &quot;Unknown command&quot; in its console for each, unless a mod there knows it: %1. Leave them out; single-player and development commands do nothing here.</source>
        <translation>Estes não são comandos do jogo: para cada um, o servidor só escreve &quot;Unknown command&quot; no próprio console, a não ser que um mod de lá o conheça: %1. Tire-os; comandos de um jogador e de desenvolvimento não fazem nada aqui.</translation>
    </message>
    <message>
        <source>%1 are cheat-protected: on a server without sv_cheats 1, as every public server is, the game refuses to change them, so this does nothing there.</source>
        <translation>%1 são protegidas contra trapaça: num servidor sem sv_cheats 1, como todo servidor público, o jogo se recusa a mudá-las, então isto não faz nada lá.</translation>
    </message>
    <message>
        <source>The server reads %1 only as it starts, before it runs this config: setting them here changes nothing. Give them on the server&apos;s command line instead, each as +set, its name and its value.</source>
        <translation>O servidor lê %1 só ao iniciar, antes de rodar esta config: defini-las aqui não muda nada. Passe-as na linha de comando do servidor, cada uma como +set, o nome e o valor.</translation>
    </message>
    <message>
        <source>This toggles &quot;%1&quot;, which is no setting of the game: nothing happens. Did you mean &quot;%2&quot;?</source>
        <translation>Isto alterna &quot;%1&quot;, que não é uma configuração do jogo: nada acontece. Você quis dizer &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>%1 set nothing: the game&apos;s set takes a name and then a value, and COD&apos;s seta exactly one value. Give each its value, in quotes if it has spaces.</source>
        <translation>%1 não definem nada: o set do jogo recebe um nome e depois um valor, e o seta do COD, exatamente um valor. Dê a cada um o seu valor, entre aspas se tiver espaços.</translation>
    </message>
    <message>
        <source>... and so on, %1 rounds in all: at %2 the game&apos;s command buffer is full and the loop stops.</source>
        <translation>... e assim por diante, %1 voltas no total: aos %2 o buffer de comandos do jogo fica cheio e o loop para.</translation>
    </message>
    <message>
        <source>It was saved as UTF-8, but this edition of the game reads %1: it shows each character such as é as two (Ã©). Open it in Tintmark, which reads it as UTF-8, and save it again.</source>
        <translation>Ele foi salvo em UTF-8, mas esta edição do jogo lê scripts em %1: ela mostra cada caractere como é como dois (Ã©). Abra-o no Tintmark, que o lê como UTF-8, e salve de novo.</translation>
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
        <translation>&amp;Reproduzir e verificar...</translation>
    </message>
    <message>
        <source>&amp;Insert Animation...</source>
        <translation>&amp;Inserir animação...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar c&amp;omo...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Scri&amp;pt</source>
        <translation>S&amp;cript</translation>
    </message>
    <message>
        <source>New script, not saved yet</source>
        <translation>Novo script, ainda não salvo</translation>
    </message>
    <message>
        <source>New script</source>
        <translation>Novo script</translation>
    </message>
    <message>
        <source>%1 - unsaved changes</source>
        <translation>%1 - alterações não salvas</translation>
    </message>
</context>
<context>
    <name>frmNameScript</name>
    <message>
        <source>Red, ^1</source>
        <translation>Vermelho, ^1</translation>
    </message>
    <message>
        <source>Green, ^2</source>
        <translation>Verde, ^2</translation>
    </message>
    <message>
        <source>Yellow, ^3</source>
        <translation>Amarelo, ^3</translation>
    </message>
    <message>
        <source>Blue, ^4</source>
        <translation>Azul, ^4</translation>
    </message>
    <message>
        <source>Cyan, ^5</source>
        <translation>Ciano, ^5</translation>
    </message>
    <message>
        <source>Magenta, ^6</source>
        <translation>Magenta, ^6</translation>
    </message>
    <message>
        <source>White, ^7</source>
        <translation>Branco, ^7</translation>
    </message>
    <message>
        <source>Purple, ^8</source>
        <translation>Roxo, ^8</translation>
    </message>
    <message>
        <source>Gray, ^9</source>
        <translation>Cinza, ^9</translation>
    </message>
    <message>
        <source>Black, ^0</source>
        <translation>Preto, ^0</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nome do jogador</translation>
    </message>
    <message>
        <source>The player name that the script sets in the game, with its color codes; the file&apos;s name is asked for at Save.</source>
        <translation>O nome de jogador que o script define no jogo, com os códigos de cor; o nome do arquivo é pedido ao clicar em Save.</translation>
    </message>
    <message>
        <source>Tintmark does not save this name. %1.</source>
        <translation>O Tintmark não salva este nome. %1.</translation>
    </message>
    <message>
        <source>Name &gt; Remove What the Game Drops makes it %1, as the game shows it.</source>
        <translation>Nome &gt; Remover o que o jogo descarta o deixa como %1, do jeito que o jogo o mostra.</translation>
    </message>
    <message>
        <source>The pasted command sets the name %1: the box holds the name alone.</source>
        <translation>O comando colado define o nome %1: a caixa guarda só o nome.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Save the Name Script...</source>
        <translation>&amp;Salvar o script de nome...</translation>
    </message>
    <message>
        <source>Add to the Script &amp;Editor</source>
        <translation>Adicionar ao &amp;editor de scripts</translation>
    </message>
    <message>
        <source>&amp;Open Script in the Editor...</source>
        <translation>&amp;Abrir script no editor...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command</source>
        <translation>&amp;Copiar o comando do console</translation>
    </message>
    <message>
        <source>&amp;Remove What the Game Drops</source>
        <translation>&amp;Remover o que o jogo descarta</translation>
    </message>
    <message>
        <source>&amp;Keep the Preview on Screen</source>
        <translation>&amp;Manter a prévia na tela</translation>
    </message>
    <message>
        <source>Color the &amp;Whole Name</source>
        <translation>Colorir o nome &amp;inteiro</translation>
    </message>
    <message>
        <source>&amp;Names from the Games</source>
        <translation>&amp;Nomes dos jogos</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <translation>N&amp;ome</translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command (type a name first)</source>
        <translation>&amp;Copiar o comando do console (digite um nome antes)</translation>
    </message>
    <message>
        <source>Copy the Console &amp;Command (the game would not set this name)</source>
        <translation>&amp;Copiar o comando do console (o jogo não definiria este nome)</translation>
    </message>
    <message>
        <source>&amp;Remove What the Game Drops (no quote, ; or \ to remove)</source>
        <translation>&amp;Remover o que o jogo descarta (não há aspas, ; ou \ para remover)</translation>
    </message>
    <message>
        <source>&amp;Names from the Games (no game config found)</source>
        <translation>&amp;Nomes dos jogos (nenhuma config de jogo encontrada)</translation>
    </message>
    <message>
        <source>&amp;Rainbow</source>
        <translation>&amp;Arco-íris</translation>
    </message>
    <message>
        <source>&amp;Gradient</source>
        <translation>&amp;Degradê</translation>
    </message>
    <message>
        <source>&amp;Gradient (click two swatches first)</source>
        <translation>&amp;Degradê (clique antes em duas amostras)</translation>
    </message>
    <message>
        <source>In the colors of the codes the name holds, in their order: click the swatches first. A rainbow of six colors without them.</source>
        <translation>Nas cores dos códigos que o nome contém, na ordem deles: clique antes nas amostras. Sem códigos, um arco-íris de seis cores.</translation>
    </message>
    <message>
        <source>Type the name first</source>
        <translation>Digite o nome antes</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No edition of the game can show %1: names hold the letters of one 8-bit code page, which has no emoji or Asian characters.</source>
        <translation>Nenhuma edição do jogo consegue mostrar %1: os nomes usam as letras de uma única página de código de 8 bits, que não tem emoji nem caracteres asiáticos.</translation>
    </message>
    <message>
        <source>Leave Out What the Edition Cannot Show</source>
        <translation>Deixar de fora o que a edição não mostra</translation>
    </message>
    <message>
        <source>Spell It “%1”</source>
        <translation>Escrever “%1”</translation>
    </message>
    <message>
        <source>This edition of the game cannot show %1: click to write the name in letters it can.</source>
        <translation>Esta edição do jogo não consegue mostrar %1: clique para escrever o nome com letras que ela mostra.</translation>
    </message>
    <message>
        <source>The box holds %1 characters: the paste was cut after “%2”, and “%3” was left out.</source>
        <translation>A caixa cabe %1 caracteres: o texto colado foi cortado depois de “%2”, e “%3” ficou de fora.</translation>
    </message>
    <message>
        <source>&amp;Names from the Games (no game found)</source>
        <translation>&amp;Nomes dos jogos (nenhum jogo encontrado)</translation>
    </message>
    <message>
        <source>&amp;Names from the Games (no name in their configs)</source>
        <translation>&amp;Nomes dos jogos (nenhum nome nas configs deles)</translation>
    </message>
</context>
</TS>
