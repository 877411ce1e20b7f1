// SPDX-FileCopyrightText: 2026 Tintmark developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamewords.h"

#include "consolerules.h"

#include <QVarLengthArray>
#include <QtAlgorithms>

#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {
// COD 2's commands.
// Cmd_Init in voron00/CoD2rev_Server src/qcommon/cmd.cpp; Com_Init in src/qcommon/common.cpp;
// Dvar_AddCommands in src/universal/dvar_cmds.cpp; SV_AddOperatorCommands in
// src/server/sv_ccmds_mp.cpp.
constexpr QStringView cod2Commands
    = uR"(banClient banUser clientkick cmdlist crash devmap dumpuser dvar_bool dvar_float dvar_int
dvar_restart dvardump dvarlist error exec fast_restart freeze gameCompleteStatus heartbeat kick
killserver map map_restart map_rotate onlykick quit reset say scriptUsage serverinfo set seta
setfromdvar sets setu status stringUsage systeminfo tempBanClient tempBanUser toggle togglep
unbanUser vstr wait writeconfig writedefaults)";

// The COD 2 client's (yctn/cod2-mp-macho): CL_InitOnceForAllClients in PC/client_mp/cl_main_mp.c,
// s_inputCommands in PC/client_mp/cl_input.c, the key commands of PC/client_mp/cl_keys_mp.c and
// CG_InitConsoleCommands in PC/cgame_mp/cg_consolecmds_mp.c, whose own table the decompilation
// leaves out: its names are those of COD's table below. The console's, the menus' and the
// screenshot commands are those the stock config_mp.cfg binds (luka-kusulja/CoD2x
// bin/windows/main/players/default/config_mp.cfg); echo, clear and condump as in Quake III's
// Con_Init.
constexpr QStringView cod2ClientCommands
    = uR"(+activate +attack +back +binoculars +breath_binoculars +forward +frag +gostand +holdbreath
+leanleft +leanright +left +lookdown +lookup +melee +melee_breath +mlook +movedown +moveleft
+moveright +moveup +prone +reload +right +smoke +speed +stance +strafe +talk +usereload
-activate -attack -back -binoculars -breath_binoculars -forward -frag -gostand -holdbreath
-leanleft -leanright -left -lookdown -lookup -melee -melee_breath -mlook -movedown -moveleft
-moveright -moveup -prone -reload -right -smoke -speed -stance -strafe -talk -usereload bind
bindlist callvote centerview chatmodepublic chatmodeteam cinematic clear clientinfo closemenu
cmd condump configstrings connect cubemapShot demigod demo disconnect echo follow follownext
followprev fs_openedList fs_referencedList give globalservers gocrouch god goprone jumptonode
kill leaveads levelshot localizeSoundAliasFiles localservers logo lowerstance muteplayer noclip
notarget openmenu openScriptMenu ping printentities raisestance rcon reconnect record say
say_team screenshot screenshotJPEG serverstatus setenv setRecommended setviewpos showip
snd_restart startSingleplayer stats stoprecord take team tell timedemo toggleads toggleconsole
togglecrouch toggleMenu toggleprone ufo unbind unbindall unmuteplayer updatehunkusage
updatescreen vid_restart vote)";

// The cgame's commands of COD 1.1 (PrawyCoD1/opencod1 src/cgame_mp/cg_consolecmds_mp.c): its
// table and the server's commands CG_InitConsoleCommands adds for the console to forward. COD 2
// keeps them: its functions are the same.
constexpr QStringView codCgameCommands
    = uR"(+scores -scores callvote cg_shellshock cg_shellshock_load cg_shellshock_save fade follow
follownext followprev fxRestart fxSetTestPosition fxTest give god jumptonode kill levelshot
loadhud mp_QuickMessage mr noclip notarget say say_team setviewpos sizedown sizeup stats take
tcmd team tell tell_target ufo viewpos VoiceChat VoiceTeamChat vote weapalt weapnext weapon
weaponslot weapprev)";

// COD 1.1's input commands beyond Quake III's (CL_InitInput in opencod1
// src/client_mp/cl_input_mp.c).
constexpr QStringView codInputCommands
    = uR"(+dropweapon -dropweapon +gostand -gostand gocrouch goprone lowerstance raisestance
togglecrouch toggleprone)";

// The master servers a server reports to, sv_master1 to sv_master5 (MAX_MASTER_SERVERS in
// Quake III's SV_Init, code/server/sv_init.c, which COD and COD 2 keep).
constexpr QStringView masterServerVariables
    = uR"(sv_master1 sv_master2 sv_master3 sv_master4 sv_master5)";

// What United Offensive adds to COD 1.3's words (opencoduo/coduomp): the sprint input
// (CL_InitKeyCommands in src/client/engine/input/key_input.c), showchecksum, the cgame's
// commands (its cg_consoleCommands, checked against uo_cgame_mp_x86.dll: the quick map, the
// purchase menu, the voice chats...), the server's vehicles, PunkBuster and download settings
// (SV_Init in src/server/engine/server_lifecycle.c) and the engine's version variables
// (Com_Init).
constexpr QStringView unitedOffensiveCommands
    = u"+sprint -sprint showchecksum mp_QuickMessage mp_quickmap mp_Purchase VoiceChat "
      u"VoiceTeamChat tell_target loadhud fade tcmd weapalt cg_shellshock cg_shellshock_load "
      u"cg_shellshock_save fxSetTestPosition fxTest fxRestart mr";
constexpr QStringView unitedOffensiveVariables
    = u"scr_allow_jeeps scr_allow_tanks sv_punkbuster sv_wwwDownload sv_wwwBaseURL "
      u"sv_wwwDlDisconnected sv_console_lockout shortversion com_recommendedSet";

// The file system's variables, which COD and COD 2 keep from Quake III (FS_Startup in
// id-Software/Quake-III-Arena code/qcommon/files.c; COD 2's in CoD2rev_Server
// src/qcommon/files.cpp): fs_game is in most servers' command lines and configs.
constexpr QStringView fileSystemVariables
    = uR"(fs_basegame fs_basepath fs_cdpath fs_copyfiles fs_debug fs_game fs_homepath fs_restrict)";

// COD's commands, those of the Quake III Arena code it derives from (id-Software/Quake-III-Arena:
// Cmd_Init in code/qcommon/cmd.c, Com_Init in code/qcommon/common.c, Cvar_Init in
// code/qcommon/cvar.c, CL_Init in code/client/cl_main.c, CL_InitInput in code/client/cl_input.c,
// CL_InitKeyCommands in code/client/cl_keys.c, Con_Init in code/client/cl_console.c,
// SV_AddOperatorCommands in code/server/sv_ccmds.c), COD's cvar commands (Cvar_AddCommands in
// opencod1 src/qcommon/cvar_cmds.c), and what the config_mp.cfg COD 1.1 wrote binds (the COD
// list of gasperv/cod1).
constexpr QStringView quake3Commands
    = uR"(+activate +attack +back +binoculars +button0 +button1 +button2 +forward +gostand +holdbreath
+leanleft +leanright +left +lookdown +lookup +melee +mlook +movedown +moveleft +moveright
+moveup +prone +reload +right +speed +strafe -activate -attack -back -binoculars -button0
-button1 -button2 -forward -gostand -holdbreath -leanleft -leanright -left -lookdown -lookup
-melee -mlook -movedown -moveleft -moveright -moveup -prone -reload -right -speed -strafe
banClient banUser bind bindlist callvote centerview cinematic clear clientinfo clientkick cmd
cmdlist condump configstrings connect crash cvar_restart cvardump cvarlist demo devmap
disconnect dumpuser echo error exec follow follownext followprev freeze fs_openedList
fs_referencedList give globalservers gocrouch god goprone heartbeat kick kill killserver
levelshot localservers lowerstance map map_restart map_rotate meminfo messagemode messagemode2
messagemode3 messagemode4 noclip notarget ping quit raisestance rcon reconnect record reset say
say_team score screenshot screenshotJPEG serverinfo serverstatus set seta setenv setfromcvar
sets setu setviewpos showip snd_restart status stoprecord systeminfo team tell toggle
toggleconsole togglecrouch togglemenu toggleprone unbind unbindall vid_restart vote vstr wait
where writeconfig)";

// COD 2's variables. The saved ones: the seta lines of its stock config_mp.cfg (luka-kusulja/CoD2x
// bin/windows/main/players/default/config_mp.cfg). The engine's: Com_InitDvars in
// voron00/CoD2rev_Server src/qcommon/common.cpp, SV_Init in src/server/sv_init_mp.cpp and
// G_RegisterDvars in src/game/g_main_mp.cpp. The client's (yctn/cod2-mp-macho):
// CL_InitOnceForAllClients in PC/client_mp/cl_main_mp.c and the variables PC/client_mp/cl_input.c,
// PC/cgame_mp/cg_main_mp.c and PC/gfx_d3d/r_dvars.c read.
constexpr QStringView cod2Variables
    = uR"(activeAction ai_corpseCount cg_blood cg_brass cg_centerPrintY cg_centertime cg_chatHeight
cg_chatTime cg_connectionIconSize cg_constantSizeHeadIcons cg_crosshairAlpha
cg_crosshairAlphaMin cg_crosshairDynamic cg_crosshairEnemyColor cg_cursorHints cg_debugEvents
cg_debugPosition cg_descriptiveText cg_developer cg_draw2D cg_drawBreathHint cg_drawCrosshair
cg_drawCrosshairNames cg_drawCrosshairNamesPosX cg_drawCrosshairNamesPosY cg_drawFPS
cg_drawGameMessages cg_drawGun cg_drawHealth cg_drawLagometer cg_drawMantleHint cg_drawMaterial
cg_drawScriptUsage cg_drawSnapshot cg_drawSoundOverlay cg_drawTurretCrosshair cg_dumpAnims
cg_errorDecay cg_footsteps cg_fov cg_fovMin cg_fovScale cg_gameBoldMessageWidth
cg_gameMessageWidth cg_gun_move_f cg_gun_move_minspeed cg_gun_move_r cg_gun_move_rate
cg_gun_move_u cg_gun_ofs_f cg_gun_ofs_r cg_gun_ofs_u cg_gun_x cg_gun_y cg_gun_z
cg_headiconminscreenradius cg_headIconMinScreenRadius cg_hintFadeTime cg_hudChatPosition
cg_hudCompassMaxRange cg_hudCompassMinRadius cg_hudCompassMinRange cg_hudCompassSize
cg_hudCompassSoundPingFadeTime cg_hudCompassSpringyPointers cg_hudDamageIconHeight
cg_hudDamageIconInScope cg_hudDamageIconOffset cg_hudDamageIconTime cg_hudDamageIconWidth
cg_hudGrenadeIconHeight cg_hudGrenadeIconInScope cg_hudGrenadeIconMaxHeight
cg_hudGrenadeIconMaxRange cg_hudGrenadeIconOffset cg_hudGrenadeIconWidth
cg_hudGrenadePointerHeight cg_hudGrenadePointerPivot cg_hudGrenadePointerPulseFreq
cg_hudGrenadePointerPulseMax cg_hudGrenadePointerPulseMin cg_hudGrenadePointerWidth
cg_hudObjectiveMaxRange cg_hudObjectiveMinAlpha cg_hudObjectiveMinHeight cg_hudProneY
cg_hudSayPosition cg_hudStanceFlash cg_hudStanceHintPrints cg_marks cg_marksLimit cg_minicon
cg_nopredict cg_noTaunt cg_paused cg_predictItems cg_scoreboardBannerHeight
cg_scoreboardItemHeight cg_scoreboardScrollStep cg_scriptIconSize cg_shock_mouse
cg_shock_mouse_fadeTime cg_shock_mouse_maxpitchspeed cg_shock_mouse_maxyawspeed
cg_shock_mouse_sensitivityscale cg_shock_screenBlendFadeTime cg_shock_screenBlendTime
cg_shock_sound cg_shock_soundDryLevel cg_shock_soundFadeInTime cg_shock_soundFadeOutTime
cg_shock_soundLoopEndDelay cg_shock_soundLoopFadeTime cg_shock_soundModEndDelay
cg_shock_soundRoomType cg_shock_soundWetLevel cg_shock_viewKickPeriod cg_shock_viewKickRadius
cg_shock_volume_announcer cg_shock_volume_auto cg_shock_volume_auto2d cg_shock_volume_body
cg_shock_volume_item cg_shock_volume_local cg_shock_volume_menu cg_shock_volume_music
cg_shock_volume_shellshock cg_shock_volume_voice cg_shock_volume_weapon cg_showmiss
cg_subtitleCharHeight cg_subtitleMinTime cg_subtitlePosX cg_subtitlePosY cg_subtitles
cg_subtitleWidthStandard cg_subtitleWidthWidescreen cg_synchronousClients cg_teamChatsOnly
cg_thirdPerson cg_thirdPersonAngle cg_thirdPersonRange cg_tracerChance cg_tracerLength
cg_tracerScale cg_tracerScaleDistRange cg_tracerScaleMinDist cg_tracerSpeed cg_tracerWidth
cg_viewsize cg_voiceIconSize cg_voiceSpriteTime cg_weaponCycleDelay cg_weaponleftbone
cg_weaponrightbone cg_youInKillCamSize cl_allowDownload cl_analog_attack_threshold
cl_anglespeedkey cl_avidemo cl_bypassMouseInput cl_connectTimeout cl_forceavidemo cl_freelook
cl_freezeDemo cl_ingame cl_maxpackets cl_maxPing cl_motdString cl_mouseAccel cl_noprint
cl_packetdup cl_paused cl_pitchspeed cl_punkbuster cl_serverStatusResendTime cl_showmouserate
cl_shownet cl_shownuments cl_showSend cl_showServerCommands cl_showTimeDelta cl_stanceHoldTime
cl_talking cl_timeout cl_voice cl_wwwDownload cl_yawspeed com_animCheck com_errorMessage
com_errorTitle com_expectedHunkUsage com_hunkMegs com_introPlayed com_maxfps com_recommendedSet
con_inputBoxColor con_inputHintBoxColor con_minicon con_miniconlines con_minicontime
con_outputBarColor con_outputSliderColor con_outputWindowColor con_restricted dedicated
developer developer_script fixedtime fx_count fx_cull fx_debug fx_debugBolt fx_draw fx_enable
fx_freeze fx_profile fx_sort fx_visMinTraceDist g_allowvote g_allowVote g_antilag g_banIPs
g_clonePlayerMaxVelocity g_deadChat g_debugBullets g_debugDamage g_debugLocDamage
g_dropForwardSpeed g_dropUpSpeedBase g_dropUpSpeedRand g_dumpAnims g_friendlyfireDist
g_friendlyNameDist g_gametype g_gravity g_inactivity g_knockback g_listEntity g_log g_logSync
g_mantleBlockTimeBuffer g_maxDroppedWeapons g_motd g_no_script_spam g_oldVoting g_password
g_playerCollisionEjectSpeed g_ScoresBanner_Allies g_ScoresBanner_Axis g_ScoresBanner_None
g_ScoresBanner_Spectators g_smoothClients g_speed g_synchronousClients g_TeamColor_Allies
g_TeamColor_Axis g_TeamName_Allies g_TeamName_Axis g_useGear g_useholdspawndelay g_useholdtime
g_voiceChatTalkingDuration g_voteAbstainWeight g_weaponAmmoPools gamedate gamename
hud_deathQuoteFadeTime hud_enable hud_fade_ammodisplay hud_fade_compass hud_fade_healthbar
hud_fade_offhand hud_fade_stance hud_fadeout_speed hud_flash_period_offhand
hud_flash_time_offhand hud_health_pulserate_critical hud_health_pulserate_injured
hud_health_startpulse_critical hud_health_startpulse_injured in_mouse input_viewSensitivity
loc_forceEnglish loc_language logfile m_filter m_forward m_pitch m_side m_yaw mapname
mss_3d_provider mss_khz name net_noipx net_noudp net_socksEnabled net_socksPassword
net_socksPort net_socksServer net_socksUsername nextdemo nextmap password player_meleeHeight
player_meleeRange player_meleeWidth protocol r_aaAlpha r_aaSamples r_anisotropy r_aspectRatio
r_autopriority r_blur r_clearColor r_clearColor2 r_colorMap r_cosinePowerMapShift
r_debugEntCounts r_debugShader r_depthPrepassModels r_displayRefresh r_distortion r_dlightLimit
r_drawBModels r_drawDecals r_drawEntities r_drawPrimCap r_drawPrimFloor r_drawSModels r_drawSun
r_drawWater r_drawWorld r_drawXModels r_fog r_forceLod r_fullbright r_fullscreen r_gamma r_glow
r_glowBloomCutoff r_glowBloomDesaturation r_glowBloomIntensity0 r_glowBloomIntensity1
r_glowRadius0 r_glowRadius1 r_glowSkyBleedIntensity0 r_glowSkyBleedIntensity1 r_gpuSync
r_highLodDist r_ignore r_ignorehwgamma r_ignoreHwGamma r_inGameVideo r_lightMap
r_lightTweakAmbient r_lightTweakAmbientColor r_lightTweakDiffuseFraction r_lightTweakSunColor
r_lightTweakSunDiffuseColor r_lightTweakSunDirection r_lightTweakSunLight r_lockPvs r_lodBias
r_lodScale r_logFile r_lowestLodDist r_lowLodDist r_mediumLodDist r_mode r_monitor r_multiGpu
r_norefresh r_normalMap r_objectiveColorDx7Max r_objectiveColorDx7Min r_optimize
r_optimizeLightmaps r_optimizeXModels r_outdoorAwayBias r_outdoorDownBias r_outdoorFeather
r_overbrightBits r_picmip r_picmip_bump r_picmip_manual r_picmip_spec r_polygonOffsetBias
r_polygonOffsetScale r_portalBevels r_portalBevelsOnly r_portalFineCull r_portalMinClipArea
r_portalWalkLimit r_pvsStats r_railCoreWidth r_rendererInUse r_rendererPreference
r_showFbColorDebug r_showFloatZDebug r_showGroundLit r_showLightGrid r_showMissingLightGrid
r_showPortals r_showSModelNames r_showSurfCounts r_showTriCounts r_showTris r_showVertCounts
r_singleCell r_skinCache r_skipBackEnd r_skipPvs r_smc_enable r_specularColorScale r_specularMap
r_sse_skinning r_sun_from_dvars r_swapInterval r_testFill r_testFillEnable r_testTransform
r_textureMode r_vc_makelog r_vc_showlog r_xdebug r_zfar r_zFeather r_znear r_znear_depthhack
rate rcon_password sc_blur sc_count sc_debugCasterCount sc_debugReceiverCount sc_enable
sc_fadeRange sc_length sc_offscreenCasterLodBias sc_offscreenCasterLodScale sc_shadowInRate
sc_shadowOutRate sc_showDebug sc_showOverlay sc_wantCount sc_wantCountMargin sensitivity server1
server10 server11 server12 server13 server14 server15 server16 server2 server3 server4 server5
server6 server7 server8 server9 shortversion snaps snd_bits snd_errorOnMissing snd_khz
snd_slaveFadeTime snd_stereo snd_touchStreamFilesOnLoad snd_volume sv_allowAnonymous
sv_allowDownload sv_allowedClan1 sv_allowedClan2 sv_cheats sv_debugRate sv_debugReliableCmds
sv_disableClientConsole sv_floodProtect sv_fps sv_hostname sv_iwdNames sv_iwds sv_keywords
sv_kickBanTime sv_mapname sv_mapRotation sv_mapRotationCurrent sv_maxclients sv_maxPing
sv_maxRate sv_minPing sv_packet_info sv_padPackets sv_paused sv_privateClients
sv_privatePassword sv_punkbuster sv_pure sv_reconnectlimit sv_referencedIwdNames
sv_referencedIwds sv_running sv_serverid sv_showAverageBPS sv_showCommands sv_timeout sv_voice
sv_voiceQuality sv_wwwBaseURL sv_wwwDlDisconnected sv_wwwDownload sv_zombietime sys_configSum
sys_cpuGHz sys_gpu sys_SSE sys_sysMB timescale ui_bigFont ui_browserFriendlyfire
ui_browserKillcam ui_browserMod ui_browserShowDedicated ui_browserShowEmpty ui_browserShowFull
ui_browserShowNoPassword ui_browserShowPassword ui_browserShowPunkBuster ui_browserShowPure
ui_currentMap ui_currentNetMap ui_dedicated ui_extraBigFont ui_gametype ui_joinGametype
ui_netGametype ui_netGametypeName ui_netSource ui_serverStatusTimeOut ui_smallFont version
vid_xpos vid_ypos viewlog voice_deadChat voice_global voice_localEcho winvoice_mic_mute
winvoice_mic_reclevel winvoice_mic_scaler winvoice_save_voice)";

// COD's variables of the Quake III code it derives from that players' scripts set bare: the
// renderer's (R_Register in id-Software/Quake-III-Arena code/renderer/tr_init.c) and the game's
// movement (gameCvarTable in code/game/g_main.c).
constexpr QStringView quake3Variables
    = uR"(pmove_fixed pmove_msec r_clear r_debugSurface r_drawentities r_drawworld
r_lockpvs r_measureOverdraw r_nocull r_norefresh r_novis r_showImages r_shownormals r_showtris
r_speeds r_znear)";

// COD's variables: the seta lines of a config_mp.cfg that COD 1.1 wrote (gasperv/cod1), without the
// player's own, and those of the Quake III code it derives from that its console sets or reads
// (Com_Init, CL_Init, SV_Init).
constexpr QStringView codVariables
    = uR"(capturelimit cg_altGrenades cg_altlightning cg_altplasma cg_ammoCheck cg_autoAction cg_autodemo
cg_autoscreenshot cg_autoswitch cg_blood cg_bobpitch cg_bobroll cg_bobup cg_brass cg_brassTime
cg_cameraOrbitDelay cg_chatbeep cg_chatHeight cg_chatTime cg_clientLog cg_crosshairAlpha
cg_crosshairAlphaMin cg_crosshairDynamic cg_crosshairHealth cg_crosshairNoGun cg_crosshairPulse
cg_crosshairSize cg_crosshairX cg_crosshairY cg_currentSelectedPlayer
cg_currentSelectedPlayerName cg_cursorHints cg_damageDraw cg_damageKick cg_deadBodyFilter
cg_deadbodyque cg_deferPlayers cg_descriptiveText cg_draw2D cg_draw3dicons cg_DrawAmmoWarning
cg_drawAttacker cg_drawCompass cg_drawCrosshair cg_drawCrosshairNames cg_drawCrosshairPickups
cg_drawDecals cg_drawFPS cg_drawFPSLabels cg_drawFPSOnly cg_drawFriend cg_drawGun cg_drawicons
cg_drawNotifyText cg_drawRewards cg_drawSnapshot cg_drawStatus cg_drawTeamOverlay cg_drawTimer
cg_enemyNameFadeIn cg_enemyNameFadeOut cg_fallKick cg_forceModel cg_fov cg_gameBoldMessageWidth
cg_gameMessageWidth cg_gibs cg_hintFadeTime cg_hudAlpha cg_hudCompassMaxRange
cg_hudCompassMinRadius cg_hudCompassMinRange cg_hudCompassSize cg_hudCompassSpringyPointers
cg_hudDamageIconHeight cg_hudDamageIconInScope cg_hudDamageIconOffset cg_hudDamageIconTime
cg_hudDamageIconWidth cg_hudObjectiveMaxHeight cg_hudObjectiveMaxRange cg_hudObjectiveMinAlpha
cg_hudObjectiveMinHeight cg_hudStanceHintPrints cg_lagometer cg_marks cg_muzzleFlash cg_noTaunt
cg_noVoiceChats cg_noVoiceText cg_predictItems cg_railTrailTime cg_runpitch cg_runroll
cg_scoreboardScrollStep cg_shadows cg_simpleitems cg_smoothClients cg_stereoSeparation
cg_subtitleMinTime cg_subtitles cg_subtitleWidth cg_teamChatHeight cg_teamChatsOnly
cg_teamChatTime cg_useScreenShotJPEG cg_viewsize cg_voiceSpriteTime cg_weaponCycleDelay
cg_zoomfov cheats cl_allowDownload cl_anglespeedkey cl_anonymous cl_avidemo cl_console_fraction
cl_forceavidemo cl_freelook cl_goStandJumpTime cl_language cl_maxpackets cl_maxPing
cl_mouseAccel cl_packetdup cl_paused cl_pitchspeed cl_punkbuster cl_run cl_running cl_shownet
cl_timeNudge cl_timeout cl_wwwDownload cl_xmodelcheck cl_yawspeed cm_playerCurveClip color
color1 color2 com_blindlyLoadDLLs com_blood com_hunkmegs com_introplayed com_maxfps
com_recommendedSet com_soundMegs com_zoneMegs con_debug con_minicon con_miniconlines
con_minicontime dedicated developer dmflags fixedtime flood_msgs fraglimit g_allowvote
g_allowVote g_allowVoteClientKick g_allowVoteDrawFriend g_allowVoteFriendlyFire
g_allowVoteGameType g_allowVoteKick g_allowVoteKillCam g_allowVoteMap g_allowVoteMapRestart
g_allowVoteMapRotate g_allowVoteTempBanClient g_allowVoteTempBanUser g_allowVoteTypeMap g_banIPs
g_blueTeam g_complaintlimit g_deadChat g_filterBan g_friendlyFire g_gametype g_gravity
g_inactivity g_knockback g_log g_logSync g_maxGameClients g_motd g_password g_redTeam g_spAwards
g_speed g_spScores1 g_spScores2 g_spScores3 g_spScores4 g_spScores5 g_spSkill g_spVideos
g_teamAutoJoin g_teamForceBalance g_useGear g_voiceChatsAllowed g_warmup handicap headmodel
in_joyBallScale in_joystick in_logitechbug in_midi in_midichannel in_mididevice in_midiport
in_mouse joy_threshold logfile m_filter m_forward m_pitch m_side m_yaw mapname model
mss_3d_provider mss_bits mss_errorOnMissing mss_khz mss_q3fs mss_stereo mss_volume name
net_noipx net_noudp net_socksEnabled net_socksPassword net_socksPort net_socksServer
net_socksUsername nextmap password pmove_fixed protocol r_allowExtensions r_ati_fsaa_samples
r_ati_pntriangles r_ati_truform_normalmode r_ati_truform_pointmode r_ati_truform_tess
r_colorbits r_customaspect r_customheight r_customwidth r_depthbits r_detailtextures
r_diffuseSunQuality r_diffuseSunSteps r_displayRefresh r_dlightBacks r_dlightQuality r_drawSun
r_dynamiclight r_entLightCutoff r_ext_compiled_vertex_array r_ext_compress_textures
r_ext_compressed_textures r_ext_gamma_control r_ext_multitexture r_ext_texture_env_add
r_ext_texture_filter_anisotropic r_facePlaneCull r_fastsky r_finish r_flares r_flareSize
r_fullbright r_fullscreen r_gamma r_glDriver r_ignoreFastPath r_ignoreGLErrors r_ignorehwgamma
r_inGameVideo r_intensity r_lastValidRenderer r_lightmap r_lodbias r_lodCurveError r_lodscale
r_mapOverBrightBits r_maxEntLights r_mem_agp r_mem_backend r_mem_manual r_mem_video
r_minEntLightIntensity r_mode r_noportals r_nv_fog_dist r_nv_fogdist_mode r_overBrightBits
r_picmip r_picmip2 r_portalbevels r_preloadTextures r_primitives r_railCoreWidth
r_railSegmentLength r_railWidth r_roundImagesDown r_showsky r_simpleMipMaps r_smp r_stencilbits
r_stereo r_subdivisions r_swapInterval r_texturebits r_textureMode r_vertexLight rate
rcon_password s_khz s_loadas8bit s_mixahead s_mixPreStep s_musicvolume s_separation s_volume
scr_conspeed scr_drawfriend scr_friendlyfire scr_killcam sensitivity sensitivityRatioAds server1
server10 server11 server12 server13 server14 server15 server16 server2 server3 server4 server5
server6 server7 server8 server9 snaps sv_allowDownload sv_cheats sv_floodProtect sv_fps
sv_hostname sv_keywords sv_mapRotation sv_mapRotationCurrent sv_master1 sv_master2 sv_master3
sv_master4 sv_master5 sv_maxclients sv_maxPing sv_maxRate sv_minPing sv_paused sv_privateClients
sv_privatePassword sv_punkbuster sv_pure sv_reconnectlimit sv_running sv_timeout sv_wwwBaseURL
sv_wwwDlDisconnected sv_wwwDownload sv_zombietime sys_configSum sys_cpuMHz sys_sysMB sys_vidMB
timedemo timescale ui_bigFont ui_browserFriendlyfire ui_browserGameType ui_browserKillcam
ui_browserMaster ui_browserMod ui_browserShowDedicated ui_browserShowEmpty ui_browserShowFull
ui_browserShowNoPassword ui_browserShowPassword ui_browserShowPunkBuster ui_browserShowPure
ui_browserSortKey ui_browserTimeoutsAllowed ui_currentMap ui_currentNetMap ui_dedicated
ui_extraBigFont ui_gametype ui_joinGametype ui_mapIndex ui_netGametype ui_netGametypeName
ui_netSource ui_serverStatusTimeOut ui_smallFont version vid_xpos vid_ypos viewlog)";

// COD 1.1's cgame variables: the table CG_RegisterCvars walks (cvarTable in opencod1
// src/cgame_mp/cg_main_mp.c).
constexpr QStringView codCgameVariables
    = uR"(bg_debugWeaponAnim bg_debugWeaponState bg_duck2prone_time bg_fallDamageMaxHeight
bg_fallDamageMinHeight bg_foliagesnd_fastinterval bg_foliagesnd_maxspeed bg_foliagesnd_minspeed
bg_foliagesnd_resetinterval bg_foliagesnd_slowinterval bg_ladder_yawcap bg_prone2duck_time
bg_prone_softyawedge bg_prone_yawcap bg_swingSpeed bg_viewheight_crouched bg_viewheight_prone
bg_viewheight_standing cg_animState cg_blood cg_bobAmplitudeDucked cg_bobAmplitudeProne
cg_bobAmplitudeStanding cg_bobMax cg_brass cg_centertime cg_chatHeight cg_chatTime
cg_crosshairAlpha cg_crosshairAlphaMin cg_crosshairDynamic cg_crosshairNoGun
cg_currentSelectedPlayer cg_currentSelectedPlayerName cg_cursorHints cg_deadbodyque
cg_debuganim cg_debugevents cg_debugposition cg_debugProneCheck cg_debugProneCheckDepthCheck
cg_descriptiveText cg_draw2D cg_drawCrosshair cg_drawCrosshairNames cg_drawCrosshairPickups
cg_drawFPS cg_drawGun cg_drawRewards cg_drawScriptUsage cg_drawShader cg_drawSnapshot
cg_drawSoundOverlay cg_drawStatus cg_drawTeamOverlay cg_dumpAnims cg_errordecay cg_footsteps
cg_fov cg_gameBoldMessageWidth cg_gameMessageWidth cg_gun_move_f cg_gun_move_minspeed
cg_gun_move_r cg_gun_move_rate cg_gun_move_u cg_gun_ofs_f cg_gun_ofs_r cg_gun_ofs_u cg_gunX
cg_gunY cg_gunZ cg_hintFadeTime cg_hudAlpha cg_hudCompassMaxRange cg_hudCompassMinRadius
cg_hudCompassMinRange cg_hudCompassSize cg_hudCompassSpringyPointers cg_hudDamageIconHeight
cg_hudDamageIconInScope cg_hudDamageIconOffset cg_hudDamageIconTime cg_hudDamageIconWidth
cg_hudFiles cg_hudObjectiveMaxHeight cg_hudObjectiveMaxRange cg_hudObjectiveMinAlpha
cg_hudObjectiveMinHeight cg_hudStanceFlash_b cg_hudStanceFlash_g cg_hudStanceFlash_r
cg_hudStanceHintPrints cg_ignore cg_lagometer cg_letterbox cg_marks cg_noplayeranims
cg_nopredict cg_norender cg_noTaunt cg_noVoiceChats cg_noVoiceText cg_objectiveText
cg_predictItems cg_railTrailTime cg_scoreboardScrollStep cg_shadows cg_shock_mouse
cg_shock_mouse_fadeTime cg_shock_mouse_maxpitchspeed cg_shock_mouse_maxyawspeed
cg_shock_mouse_sensitivityscale cg_shock_screenBlendFadeTime cg_shock_screenBlendTime
cg_shock_sound cg_shock_soundFadeInTime cg_shock_soundFadeOutTime cg_shock_soundLoopEndDelay
cg_shock_soundLoopFadeTime cg_shock_soundModEndDelay cg_shock_soundRoomType
cg_shock_soundWetLevel cg_shock_viewKickPeriod cg_shock_viewKickRadius cg_shock_volume_announcer
cg_shock_volume_auto cg_shock_volume_body cg_shock_volume_item cg_shock_volume_local
cg_shock_volume_menu cg_shock_volume_music cg_shock_volume_shellshock cg_shock_volume_voice
cg_shock_volume_weapon cg_showmiss cg_skybox cg_stats cg_stereoSeparation cg_subtitleMinTime
cg_subtitles cg_subtitleWidth cg_teamChatsOnly cg_thirdPerson cg_thirdPersonAngle
cg_thirdPersonRange cg_tracerchance cg_tracerlength cg_tracerSpeed cg_tracerwidth cg_viewsize
cg_voiceSpriteTime cg_weaponCycleDelay cg_weaponSelect cl_languagewarnings
cl_languagewarningsaserrors cl_paused cl_serverloadgametype cl_serverloadmap
cl_serverloadwaiting cl_stance cl_stanceTemp cl_waitForFire con_minicon developer g_gametype
g_synchronousClients pmove_fixed pmove_msec r_optimize r_optimizeXModels timescale version)";

// The edits (a letter added, dropped, changed, or two neighbours swapped) between two lower-case
// words, or more than most once it is sure to be more: three rows of the table at a time.
qsizetype editsBetween(QStringView a, QStringView b, qsizetype most)
{
    QVarLengthArray<qsizetype, 64> beforeLast(b.size() + 1), last(b.size() + 1), row(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        last[j] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        row[0] = i;
        qsizetype fewestInRow = row[0];
        for (qsizetype j = 1; j <= b.size(); ++j) {
            row[j]
                = std::min({ last[j] + 1, row[j - 1] + 1, last[j - 1] + (a[i - 1] != b[j - 1]) });
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                row[j] = std::min(row[j], beforeLast[j - 2] + 1);
            fewestInRow = std::min(fewestInRow, row[j]);
        }
        if (fewestInRow > most)
            return most + 1;
        std::swap(beforeLast, last);
        std::swap(last, row);
    }
    return last[b.size()];
}

// The characters a word holds, a bit for each (folded onto 64): an edit adds one character to
// a word at most, so words with more unshared characters than edits are too far apart.
quint64 charactersOf(QStringView word)
{
    quint64 characters = 0;
    for (const QChar c : word)
        characters |= quint64(1) << (c.unicode() % 64);
    return characters;
}

// Of words and their lower-case forms, the one nearest word.
std::optional<QString> nearestIn(QStringView word,
    std::initializer_list<std::pair<const QStringList *, const QStringList *>> lists)
{
    const QString lower = word.toString().toLower();
    const quint64 characters = charactersOf(lower);
    qsizetype fewest = word.size() <= 8 ? 1 : 2;
    std::optional<QString> nearest;
    for (const auto &[words, lowerWords] : lists) {
        for (qsizetype i = 0; i < lowerWords->size(); ++i) {
            const QString &known = lowerWords->at(i);
            // Each edit changes the length by one at most: most words are too far for any.
            if (std::abs(lower.size() - known.size()) > fewest)
                continue;
            const quint64 knownCharacters = charactersOf(known);
            if (qPopulationCount(characters & ~knownCharacters) > fewest
                || qPopulationCount(knownCharacters & ~characters) > fewest)
                continue;
            if (const qsizetype edits = editsBetween(lower, known, fewest);
                edits < fewest || (edits == fewest && !nearest)) {
                fewest = edits;
                nearest = words->at(i);
            }
        }
    }
    return nearest;
}

void addWords(
    QStringView list, QStringList &words, QStringList &lowerWords, QSet<QString> &lowerCase)
{
    qsizetype start = 0;
    while (start < list.size()) {
        qsizetype end = start;
        while (end < list.size() && list[end] > u' ')
            ++end;
        if (const QString word = list.sliced(start, end - start).toString();
            !word.isEmpty() && !lowerCase.contains(word.toLower())) {
            words << word;
            lowerWords << word.toLower();
            lowerCase.insert(word.toLower());
        }
        start = end + 1;
    }
}
} // namespace

GameWords::GameWords(std::initializer_list<QStringView> commandLists,
    std::initializer_list<QStringView> variableLists)
{
    for (const QStringView list : commandLists)
        addWords(list, m_commands, m_lowerCommandList, m_lowerCommands);
    for (const QStringView list : variableLists)
        addWords(list, m_variables, m_lowerVariableList, m_lowerVariables);
}

const GameWords &GameWords::of(GameFamily family)
{
    static const GameWords cod2 { { cod2Commands, cod2ClientCommands, codCgameCommands },
        { cod2Variables, fileSystemVariables, masterServerVariables } };
    static const GameWords cod { { quake3Commands, codCgameCommands, codInputCommands },
        { codVariables, quake3Variables, fileSystemVariables, masterServerVariables,
            codCgameVariables } };
    static const GameWords unitedOffensive { { quake3Commands, codCgameCommands, codInputCommands,
                                                 unitedOffensiveCommands },
        { codVariables, quake3Variables, fileSystemVariables, masterServerVariables,
            codCgameVariables, unitedOffensiveVariables } };
    switch (family) {
    case GameFamily::Cod2:
        return cod2;
    case GameFamily::CodUo:
        return unitedOffensive;
    case GameFamily::Cod:
        break;
    }
    return cod;
}

bool GameWords::isCommand(QStringView word) const
{
    return m_lowerCommands.contains(word.toString().toLower());
}

bool GameWords::isVariable(QStringView word) const
{
    return m_lowerVariables.contains(word.toString().toLower());
}

std::optional<QString> GameWords::nearestWord(QStringView word) const
{
    if (isCommand(word) || isVariable(word))
        return std::nullopt;
    return nearestIn(
        word, { { &m_commands, &m_lowerCommandList }, { &m_variables, &m_lowerVariableList } });
}

std::optional<QString> GameWords::nearestVariable(QStringView word) const
{
    if (isVariable(word))
        return std::nullopt;
    return nearestIn(word, { { &m_variables, &m_lowerVariableList } });
}
