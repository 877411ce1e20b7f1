// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CONSOLERULES_H
#define CONSOLERULES_H

#include "gameversion.h"

#include <QChar>
#include <QStringView>
#include <QtGlobal>

#include <algorithm>
#include <initializer_list>

// How the games' console runs a script, as far as names and timing go: every rule the model
// follows, in one place, so that each is easy to check against the game and to change.
namespace ConsoleRules {

// Cmd_TokenizeString compares signed chars with ' ': every byte up to the space, and every byte
// from 0x80 up (negative as a signed char), separates words outside quotes. Windows-1252 gives
// each of those bytes a character of U+0080 or above, and only them.
constexpr bool isTokenSpace(char16_t c) { return c <= u' ' || c >= 0x80; }
// vstr inserts its value through va("%s\n"), whose buffer keeps 1,023 bytes of a longer one.
constexpr qsizetype vstrValueBytes = 1'023;
// A player name: the game keeps this many bytes, a color code counting two.
constexpr qsizetype nameBytes = 31;
// The ten codes of the palette and the swatches are a caret and one of these digits.
constexpr bool isCodeDigit(QChar c) { return c >= u'0' && c <= u'9'; }
// What the game calls a player whose name is empty or only color codes.
inline constexpr QStringView unnamedPlayer = u"UnnamedPlayer";

// The console runs about two executor ticks per rendered frame; "wait N" pauses N ticks.
constexpr int ticksPerFrame = 2;
// The frame rate is capped by com_maxfps (85 by default) in whole milliseconds: Com_Frame waits
// until minMsec = 1000 / com_maxfps has passed, an integer division (COD 2's Com_Frame in
// voron00/CoD2rev_Server, src/qcommon/common.cpp; Quake III's Com_Frame alike). At 85 a frame
// lasts 11 ms, about 90.9 frames a second. 0 caps nothing: a frame of at least 1 ms.
constexpr int defaultMaxFps = 85;
constexpr int frameMilliseconds(int maxFps) { return maxFps > 0 ? std::max(1, 1000 / maxFps) : 1; }

// Where the versions' consoles differ. COD 1.1 (its open rebuild, PrawyCoD1/opencod1) has a
// command buffer of 16,384 bytes and commands of 1,023; patch 1.3 raised the buffer to 65,536. In
// COD a variable's own command takes one word ("name X Y" sets X), seta, sets and setu do nothing
// unless given exactly a name and a value, and the name the game shows loses ^8 as it loses ^0.
// United Offensive (opencoduo/coduomp) keeps COD 1.3's buffer and words and COD 1.1's tokenizer
// (Cmd_TokenizeString2: no escape, at most CMD_ARGUMENT_CAPACITY 512 words), but takes commands
// of 4,095 bytes as COD 2 does (CBUF_COMMAND_CAPACITY 4096, Cbuf_Execute), and its ColorIndex
// gives only '0' the black entry: its name cleaning keeps ^8 (ClientCleanName,
// src/server/game/client_transform.c).

struct GameRules {
    // The command buffer (COD 2's Cbuf: MAX_CMD_BUFFER 0x10000): exec of a script of this size or
    // more inserts nothing, as the script and its line break do not fit (Cbuf_InsertText refuses
    // text of len + 1 > maxsize).
    qsizetype bufferBytes;
    // One command: Cbuf_Execute copies at most MAX_CMD_LINE - 1 bytes of it (COD 2: 0x1000 - 1),
    // then drops one more byte from the buffer; the rest of a longer command runs as the next.
    qsizetype commandBytes;
    bool variableTakesOneWord;
    bool setNeedsExactWords;
    // The name cleaning drops a color code whose palette entry is black: COD 2's ColorIndex
    // gives only '0' that entry, COD's (Quake III's, ((c) - '0') & 7) every character whose
    // byte is a multiple of eight: '0', '8', 'h', 'x', a space...
    bool colorIndexOfThreeBits;
    // toggle as COD's Quake III code has it (see Console::execute), not as COD 2's.
    bool togglesAsCod;
    // In quotes, \" stands for a quote in COD 2's Cmd_TokenizeString; COD 1.1's, Quake III 1.32's
    // Cmd_TokenizeString2, knows no escape: the quote ends the word.
    bool quoteEscapes;
    // MAX_STRING_TOKENS: COD 2 runs nothing of a command of 512 words or more; COD 1.1 keeps its
    // first 256 and drops the rest, as Quake III 1.32's tokenizer stops at its limit.
    qsizetype mostWords;
    bool wordsPastMostDropped;
    // The reliable commands a client keeps until the server acknowledges them; one more and it
    // disconnects itself. CL_AddReliableCommand refuses a command when more than 128 wait in
    // COD 2 ("too many commands", yctn/cod2-mp-macho PC/client_mp/cl_main_mp.c), more than
    // MAX_RELIABLE_COMMANDS 64 in COD (Quake III's code/client/cl_main.c): it keeps 129 and 65,
    // and the 130th and the 66th disconnect it.
    int reliableCommands;
};

constexpr GameRules rulesOf(GameVersion game)
{
    switch (game) {
    case GameVersion::Cod11:
        return { 16'384, 1'023, true, true, true, true, false, 256, true, 65 };
    case GameVersion::Cod13:
        return { 65'536, 1'023, true, true, true, true, true, 512, false, 65 };
    case GameVersion::CodUo:
        return { 65'536, 4'095, true, true, false, true, false, 512, true, 65 };
    case GameVersion::Cod2:
        break;
    }
    return { 65'536, 4'095, false, false, false, false, true, 512, false, 129 };
}

// The most any of the games reads of a script: of a longer one, it runs nothing.
constexpr qsizetype largestBufferBytes = [] {
    qsizetype largest = 0;
    for (const GameVersion game : gameVersions)
        largest = std::max(largest, rulesOf(game).bufferBytes);
    return largest;
}();

// What the server makes of the name. The client sends its userinfo, the name in it, as one
// reliable command at most once a client frame and only when it changed (Quake III's
// CL_CheckUserinfo in code/client/cl_main.c, which COD's and COD 2's clients keep): of the names
// set within one frame, only the last is sent. The server runs a frame every 1000 / sv_fps ms,
// an integer division (SV_Frame in voron00/CoD2rev_Server src/server/sv_main_mp.cpp), and the
// snapshots it sends the others carry each player's name as that frame left it: a name replaced
// before the next server frame is never seen.
// sv_fps: 20, from 10 to 1000 (SV_Init, src/server/sv_init_mp.cpp).
constexpr int defaultSnapshotsPerSecond = 20;
constexpr int fewestSnapshotsPerSecond = 10;
constexpr int mostSnapshotsPerSecond = 1000;
// Each client that watches gets snapshots no faster than its own snaps asks, from 1 to 30 (20
// by default): 1000 / snaps ms apart (SV_UserinfoChanged in src/server/sv_client_mp.cpp), sent
// at the first server frame that comes that long after the last (SV_SendMessageToClient in
// Quake III's code/server/sv_snapshot.c, which COD 2's keeps). A faster sv_fps promises no more.
// CoD2x's competitive settings make every client ask for 40 (luka-kusulja/CoD2x
// src/mss32/competitive.cpp), of which the server takes 30.
constexpr int defaultSnaps = 20;
constexpr int mostSnaps = 30;
constexpr int competitiveSnaps = 40;
constexpr int snapshotMilliseconds(int snapshotsPerSecond, int snaps = defaultSnaps)
{
    const int frame = 1000 / snapshotsPerSecond;
    const int asked = 1000 / std::clamp(snaps, 1, mostSnaps);
    return (asked + frame - 1) / frame * frame;
}
// After each client command, chat, votes and the userinfo that carries a name change alike,
// the server ignores that client's text commands (chat, team chat, votes) for this long: the
// window starts again at every one of them, and the userinfo itself always goes through
// (SV_ClientCommand in src/server/sv_client_mp.cpp, sv_floodProtect on by default).
constexpr int floodProtectMilliseconds = 800;
// The wait between two names that keeps chat working: whole frames that last the flood
// protection's time or more.
constexpr int chatSafeDelayTicks(int maxFps)
{
    const int frame = frameMilliseconds(maxFps);
    return (floodProtectMilliseconds + frame - 1) / frame * ticksPerFrame;
}
// A key pressed while a script runs reaches the console behind all that the script still has to
// run: CL_KeyEvent appends its command with Cbuf_AddText (yctn/cod2-mp-macho
// PC/client_mp/cl_keys_mp.c). While a script paced by wait runs, the player cannot move, fire or
// chat; a key that steps through the names holds nothing back.

// The server the player plays on. CoD2x's competitive settings (g_competitive 1, which
// competitive mods set) turn wait into nothing while connected (competitive_cmd_wait) and set a
// com_maxfps outside 125-250 to 250 as the player joins (competitive_frame; luka-kusulja/CoD2x
// src/mss32/competitive.cpp); a later value outside that range is refused and the last one kept,
// as Dvar_SetVariant turns away a value outside a dvar's domain (CoD2rev_Server
// src/universal/dvar.cpp).
enum class ServerKind { Stock, Competitive };
constexpr int snapsOn(ServerKind server)
{
    return server == ServerKind::Competitive ? competitiveSnaps : defaultSnaps;
}
struct GameServer {
    ServerKind kind = ServerKind::Stock;
    int snapshotsPerSecond = defaultSnapshotsPerSecond; // its sv_fps
};
constexpr bool waitPauses(ServerKind server) { return server == ServerKind::Stock; }
constexpr int competitiveMaxFps = 250;
constexpr bool takesMaxFps(ServerKind server, int maxFps)
{
    return server == ServerKind::Stock || (maxFps >= 125 && maxFps <= competitiveMaxFps);
}
constexpr int maxFpsOn(ServerKind server, int maxFps)
{
    return takesMaxFps(server, maxFps) ? maxFps : competitiveMaxFps;
}

// Variables no public server lets a player change: without sv_cheats 1 the client refuses to set
// them ("is cheat protected", Cvar_Set2 in Quake III's code/qcommon/cvar.c, which COD keeps), and
// joining a server puts them back to their defaults (Cvar_SetCheatState). COD's: the CVAR_CHEAT
// entries of its cgame's table that scripts bind (cvarTable in PrawyCoD1/opencod1
// src/cgame_mp/cg_main_mp.c) and Quake III's timescale and r_fullbright (Com_Init, R_Register).
// COD 2's timescale is a cheat dvar too (Com_InitDvars in CoD2rev_Server src/qcommon/common.cpp);
// its field of view became a menu setting, and its cgame keeps the third person a cheat.
inline constexpr std::initializer_list<QStringView> codCheatVariables
    = { u"cg_thirdperson", u"cg_thirdpersonangle", u"cg_thirdpersonrange", u"cg_fov", u"cg_drawgun",
          u"cg_draw2d", u"cg_shadows", u"cg_gunx", u"cg_guny", u"cg_gunz", u"cg_footsteps",
          u"cg_skybox", u"cg_tracerchance", u"cg_tracerwidth", u"cg_tracerspeed",
          u"cg_tracerlength", u"timescale", u"r_fullbright" };
inline constexpr std::initializer_list<QStringView> cod2CheatVariables = { u"cg_thirdperson",
    u"cg_thirdpersonangle", u"cg_thirdpersonrange", u"timescale", u"r_fullbright" };
constexpr std::initializer_list<QStringView> cheatVariablesOf(GameVersion game)
{
    return familyOf(game) == GameFamily::Cod ? codCheatVariables : cod2CheatVariables;
}

// The command a name script sets the name with.
inline constexpr QStringView setNameCommand = u"set name";
// Commands that set a variable to the rest of the line.
inline constexpr std::initializer_list<QStringView> setCommands
    = { u"set", u"seta", u"sets", u"setu" };
// Variables the game knows without a script setting them: "name ^1Bob" sets the name, and
// "com_maxfps 125" the frame rate.
inline constexpr std::initializer_list<QStringView> knownVariables = { u"name", u"com_maxfps" };
// The most com_maxfps takes.
constexpr int largestMaxFps = 1000;
// The commands the model follows or records by name; anything else is an unknown command.
inline constexpr std::initializer_list<QStringView> commands
    = { u"set", u"seta", u"sets", u"setu", u"wait", u"vstr", u"toggle", u"bind", u"exec", u"echo" };

// The first line of the config the game writes (Com_WriteConfigToFile in CoD2rev_Server
// src/qcommon/common.cpp; COD's alike).
inline constexpr QStringView writtenByTheGame = u"// generated by Call of Duty, do not modify";
// What only a server's config sets or runs: its remote password (COD's is rconPassword, as in
// Quake III: SV_Init in PrawyCoD1/opencod1 src/server_mp/sv_init_mp.c) and its map rotation.
inline constexpr std::initializer_list<QStringView> serverSettings = { u"rcon_password",
    u"rconpassword", u"sv_maprotation", u"sv_maprotationcurrent", u"map_rotate" };
// What a server reads only as it starts, before its config runs: the address and port it opens
// (NET_Init; net_restart alone opens them again), whether it is a dedicated server, and the mod
// folder (fs_game, which FS_Startup registers write-protected: Quake III's code/qcommon/files.c).
// Set in the config, they change nothing; they belong on the server's command line.
inline constexpr std::initializer_list<QStringView> startupSettings
    = { u"net_ip", u"net_port", u"dedicated", u"fs_game", u"fs_basepath", u"fs_homepath" };
// Commands a server's config runs that would end a player's session from a name script.
inline constexpr std::initializer_list<QStringView> serverCommands
    = { u"map", u"devmap", u"killserver", u"map_rotate" };

// Commands that end or wreck the player's session when a script runs them: leaving the game
// (quit, disconnect, connect, reconnect, map, devmap, killserver), or losing every key and setting
// (unbindall, cvar_restart).
inline constexpr std::initializer_list<QStringView> sessionCommands = { u"quit", u"disconnect",
    u"reconnect", u"connect", u"map", u"devmap", u"killserver", u"unbindall", u"cvar_restart" };

// Characters the game removes from a name (the userinfo string keeps none of them).
inline constexpr std::initializer_list<char16_t> removedFromNames = { u';', u'"', u'\\' };
// The name the game shows also loses the black codes (see GameRules), every space after the third
// in a row and a caret that ends it; its cut to nameBytes never splits a color code.
constexpr qsizetype spacesInARow = 3;
// Whether the name cleaning drops the code of a caret and c: its palette entry is black.
constexpr bool dropsColorCode(const GameRules &rules, QChar c)
{
    const char16_t code = c.unicode();
    if (!rules.colorIndexOfThreeBits)
        return code == u'0';
    // The three Windows-1252 characters of bytes 0x80, 0x88 and 0x98 stand above Latin-1.
    if (code == 0x20ac || code == 0x02c6 || code == 0x02dc)
        return true;
    return code < 0x100 && code % 8 == 0;
}
// A color code: a caret followed by anything but a caret (Q_IsColorString of the games' engine and
// of Quake III's code/game/q_shared.h), the one definition the names, their colors, the preview
// and the generator all follow.
constexpr bool startsColorCode(QStringView text, qsizetype i)
{
    return text[i] == u'^' && i + 1 < text.size() && text[i + 1] != u'^';
}
constexpr bool isRemovedFromNames(char16_t c)
{
    for (char16_t removed : removedFromNames) {
        if (c == removed)
            return true;
    }
    return false;
}

// The model's own bounds: it stops after this many commands or ticks.
constexpr int maximumCommands = 200'000;
constexpr qint64 maximumTicks = 10'000'000;

// True when word is the lower-case word given, in any case: the console ignores case in
// command and variable names.
constexpr bool isWord(QStringView word, QStringView lowerCase)
{
    if (word.size() != lowerCase.size())
        return false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        char16_t c = word[i].unicode();
        if (c >= u'A' && c <= u'Z')
            c += u'a' - u'A';
        if (c != lowerCase[i].unicode())
            return false;
    }
    return true;
}

constexpr bool isOneOf(QStringView word, std::initializer_list<QStringView> list)
{
    for (QStringView entry : list) {
        if (isWord(word, entry))
            return true;
    }
    return false;
}

// A command starting with pb_ goes to PunkBuster, which ran on most public servers, before the
// variables are looked at: pb_sv_ ones to its server, the rest to its client (Cmd_ExecuteString
// in opencoduo/coduomp src/qcommon/q_command.c; the Mac build's rebuild has no PunkBuster).
constexpr bool isPunkBusterCommand(QStringView verb)
{
    return verb.size() > 3 && isWord(verb.first(3), u"pb_");
}

} // namespace ConsoleRules

#endif // CONSOLERULES_H
