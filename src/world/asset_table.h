// The one list of every catalogued picture, sound effect and tune.
//
// Both the forge (which draws and synthesizes the files) and the game's asset
// catalogue (which loads them) expand these tables, so the two can never
// disagree about a path, a cell size, a frame count or a handle.
//
// Image rows: X(Name, "path", cellW, cellH, frames, handleX, handleY)
//   frames > 0   an animation strip cut into cellW x cellH cells;
//   frames == 0  a plain one-frame picture; cellW x cellH is the size the
//                forge draws it at (the game reads the size from the file).
//   handle       HANDLE_CENTRE for both coordinates means the frame's centre.
// The groups are listed in the order the start-up loads them.
#pragma once

#define HANDLE_CENTRE (-1)

#define BOINGLE_IMAGES_HERO(X)                                              \
  X(ImgPogoSprite, "Images\\Quon\\pogo_sprite.png", 30, 46, 2, 15, 45)      \
  X(ImgQuonBounce, "Images\\Quon\\quon_bounce.png", 39, 50, 12, 19, 50)     \
  X(ImgQuonWall, "Images\\Quon\\quon_wall.png", 39, 50, 10, 19, 50)         \
  X(ImgQuonDash, "Images\\Quon\\quon_dash.png", 39, 50, 16, 19, 50)         \
  X(ImgQuonBlink, "Images\\Quon\\quon_blink.png", 39, 50, 16, 19, 50)       \
  X(ImgQuonDead, "Images\\Quon\\quon_dead.png", 40, 40, 0, HANDLE_CENTRE, HANDLE_CENTRE) \
  X(ImgStickDead, "Images\\Quon\\stick_dead.png", 16, 48, 0, HANDLE_CENTRE, HANDLE_CENTRE)

#define BOINGLE_IMAGES_POINTER(X) \
  X(ImgCursorMouse, "Images/cursor_mouse.png", 16, 16, 0, 0, 0)

#define BOINGLE_IMAGES_HUD(X)                                       \
  X(ImgHeartFull, "Images\\Misc\\Heart_full.png", 16, 16, 0, 0, 0)   \
  X(ImgHeartEmpty, "Images\\Misc\\Heart_empty.png", 16, 16, 0, 0, 0) \
  X(ImgMiscCoin, "Images\\Misc\\coin.png", 14, 14, 0, 0, 0)          \
  X(ImgPogoIcon, "Images\\Misc\\pogo_icon.png", 16, 24, 0, 0, 0)     \
  X(ImgIconWatch, "Images\\Misc\\icon_watch.png", 14, 14, 0, 0, 0)   \
  X(ImgMiscStatue, "Images\\Misc\\statue.png", 24, 28, 0, 0, 0)

#define BOINGLE_IMAGES_PARTICLES(X)                                                                      \
  X(ImgParticleOrb, "Images\\Particle\\particle_orb.png", 16, 16, 0, HANDLE_CENTRE, HANDLE_CENTRE)       \
  X(ImgParticleStar, "Images\\Particle\\particle_star.png", 16, 16, 0, HANDLE_CENTRE, HANDLE_CENTRE)     \
  X(ImgParticleCloud, "Images\\Particle\\particle_cloud.png", 24, 24, 0, HANDLE_CENTRE, HANDLE_CENTRE)   \
  X(ImgParticleBubble, "Images\\Particle\\particle_bubble.png", 12, 12, 0, HANDLE_CENTRE, HANDLE_CENTRE) \
  X(ImgParticleHeart, "Images\\Particle\\particle_heart.png", 16, 16, 0, HANDLE_CENTRE, HANDLE_CENTRE)

// Spring, fan, teleport, moving block, water, water top, button, block bit.
#define BOINGLE_IMAGES_ACTIVE(X)                                             \
  X(ImgSpring, "Images\\Active\\spring.png", 32, 32, 32, 0, 0)               \
  X(ImgFan, "Images\\Active\\fan.png", 32, 32, 16, 0, 0)                     \
  X(ImgTeleport, "Images\\Active\\teleport.png", 32, 32, 0, 0, 0)            \
  X(ImgMovingBlock, "Images\\Active\\Moving_Block.png", 32, 32, 9, 0, 0)     \
  X(ImgWater, "Images\\Active\\water.png", 32, 32, 32, 0, 0)                 \
  X(ImgWaterTop, "Images\\Active\\water_top.png", 32, 32, 32, 0, 0)          \
  X(ImgButton, "Images\\Active\\button.png", 32, 32, 2, 0, 0)                \
  X(ImgBlockBit, "Images\\Active\\block_bit.png", 16, 16, 16, 0, 0)

#define BOINGLE_IMAGES_MESSAGE(X)                              \
  X(ImgIcons, "Images\\Misc\\icons.png", 32, 32, 8, 0, 0)       \
  X(ImgMsgSpace, "Images\\Misc\\msg_space.png", 64, 16, 0, 0, 0)

#define BOINGLE_IMAGES_TV(X) \
  X(ImgTVInterference, "Images\\Misc\\TV_Interference.png", 400, 300, 3, 0, 0)

#define BOINGLE_IMAGES_SPIKES(X) X(ImgSpikes, "Images\\Active\\spikes.png", 32, 32, 4, 0, 0)

#define BOINGLE_IMAGES_ITEMS(X)                                   \
  X(ImgItem, "Images\\Item\\Item.png", 64, 64, 1, 0, 0)            \
  X(ImgItemCoin, "Images\\Item\\coin.png", 23, 24, 10, 0, 0)       \
  X(ImgMediSmall, "Images\\Item\\medi_small.png", 19, 18, 2, 0, 0) \
  X(ImgMediBig, "Images\\Item\\medi_big.png", 27, 26, 2, 0, 0)     \
  X(ImgItemStatue, "Images\\Item\\statue.png", 28, 32, 0, 0, 0)

#define BOINGLE_IMAGES_BLOCKS(X)                            \
  X(ImgBlock, "Images\\Active\\block.png", 32, 32, 16, 0, 0) \
  X(ImgFallingBlock, "Images\\Active\\falling_block.png", 96, 32, 0, 0, 0)

#define BOINGLE_IMAGES_ENEMIES(X)                                                                  \
  X(ImgEnemy, "Images\\Enemy\\enemy.png", 64, 64, 1, 32, 32)                                       \
  X(ImgBeeHive, "Images\\Enemy\\Bee\\bee_hive.png", 48, 56, 0, HANDLE_CENTRE, HANDLE_CENTRE)       \
  X(ImgBeeFlying, "Images\\Enemy\\Bee\\bee_flying.png", 39, 39, 8, 19, 19)                         \
  X(ImgBeeDying, "Images\\Enemy\\Bee\\bee_dying.png", 30, 34, 8, HANDLE_CENTRE, HANDLE_CENTRE)     \
  X(ImgScruff, "Images\\Enemy\\scruff.png", 32, 32, 4, 0, 0)                                       \
  X(ImgMushroom, "Images\\Enemy\\Mushroom.png", 32, 32, 4, 0, 0)                                   \
  X(ImgInvader, "Images\\Enemy\\Invader.png", 22, 14, 2, 0, 0)                                     \
  X(ImgBearWalking, "Images\\Enemy\\Bear\\bear_walking.png", 47, 85, 16, 23, 80)                   \
  X(ImgBearRunning, "Images\\Enemy\\Bear\\bear_running.png", 64, 88, 16, 23, 83)                   \
  X(ImgBearDying, "Images\\Enemy\\Bear\\bear_dying.png", 58, 86, 4, 23, 81)                        \
  X(ImgMoleWalking, "Images\\Enemy\\Mole\\mole_walking.png", 40, 53, 16, 20, 53)                   \
  X(ImgMoleJumpingUp, "Images\\Enemy\\Mole\\mole_jumping_up.png", 40, 67, 12, 20, 53)              \
  X(ImgMoleJumpingDown, "Images\\Enemy\\Mole\\mole_jumping_down.png", 40, 67, 12, 20, 53)          \
  X(ImgMoleHillForm, "Images\\Enemy\\Mole\\mole_hill_form.png", 50, 19, 10, 25, 13)                \
  X(ImgMoleHillSubside, "Images\\Enemy\\Mole\\mole_hill_subside.png", 50, 19, 5, 25, 13)           \
  X(ImgBallSpin, "Images\\Enemy\\Ball\\Ball_spin.png", 45, 44, 10, 23, 22)                         \
  X(ImgBatHang, "Images\\Enemy\\Bat\\bat_hang.png", 28, 45, 10, 14, 0)                             \
  X(ImgBatFly, "Images\\Enemy\\Bat\\bat_fly.png", 65, 54, 16, 33, 49)                              \
  X(ImgBiddieWalk, "Images\\Enemy\\Biddie\\Biddie_walk.png", 60, 83, 64, 30, 79)                   \
  X(ImgBlowfishSwim, "Images\\Enemy\\Blowfish\\Blowfish_swim.png", 50, 23, 16, 25, 12)             \
  X(ImgBlowfishBlow, "Images\\Enemy\\Blowfish\\Blowfish_blow.png", 200, 167, 28, 98, 86)           \
  X(ImgBucketThrow, "Images\\Enemy\\Bucket\\Bucket_throw.png", 60, 57, 28, 29, 53)                 \
  X(ImgBucketSpade, "Images\\Enemy\\Bucket\\bucket_Spade.png", 50, 50, 8, 25, 25)                  \
  X(ImgCactusWalk, "Images\\Enemy\\Cactus\\Cactus_walk.png", 71, 62, 16, 35, 56)                   \
  X(ImgCrabWalk, "Images\\Enemy\\Crab\\Crab_walk.png", 64, 44, 32, 32, 37)                         \
  X(ImgFanWalk, "Images\\Enemy\\Fan\\Fan_walk.png", 40, 82, 32, 20, 78)                            \
  X(ImgFanPress, "Images\\Enemy\\Fan\\Fan_press.png", 40, 82, 28, 20, 78)                          \
  X(ImgFanSpin, "Images\\Enemy\\Fan\\Fan_spin.png", 40, 82, 4, 20, 78)                             \
  X(ImgFlameguyFloat, "Images\\Enemy\\Flameguy\\flameguy_float.png", 60, 79, 20, 30, 75)           \
  X(ImgFlameguyIckle1, "Images\\Enemy\\Flameguy\\Flameguy_Ickle_1.png", 26, 29, 4, 13, 27)         \
  X(ImgFlameguyIckle2, "Images\\Enemy\\Flameguy\\Flameguy_Ickle_2.png", 16, 27, 4, 8, 25)          \
  X(ImgFlameguyIckle3, "Images\\Enemy\\Flameguy\\Flameguy_Ickle_3.png", 17, 22, 4, 8, 20)          \
  X(ImgGhostFly, "Images\\Enemy\\Ghost\\Ghost_fly.png", 60, 50, 2, 30, 25)                         \
  X(ImgGhostFade, "Images\\Enemy\\Ghost\\Ghost_fade.png", 50, 50, 10, 25, 25)                      \
  X(ImgGoatRun, "Images\\Enemy\\Goat\\Goat_run.png", 60, 74, 32, 30, 74)                           \
  X(ImgGoatSkid, "Images\\Enemy\\Goat\\Goat_skid.png", 60, 74, 12, 30, 74)                         \
  X(ImgKnightTrot, "Images\\Enemy\\Knight\\Knight_trot.png", 120, 77, 32, 60, 64)                  \
  X(ImgKnightGetup, "Images\\Enemy\\Knight\\Knight_getup.png", 120, 77, 32, 60, 64)                \
  X(ImgLavaguyWaddle, "Images\\Enemy\\Lavaguy\\Lavaguy_Waddle.png", 90, 66, 32, 30, 60)            \
  X(ImgMummyWalk, "Images\\Enemy\\Mummy\\Mummy_walk.png", 90, 86, 32, 45, 67)                      \
  X(ImgRockRoll, "Images\\Enemy\\Rock\\Rock_Roll.png", 250, 250, 8, 125, 125)                      \
  X(ImgRockGuyWalk, "Images\\Enemy\\RockGuy\\RockGuy_walk.png", 120, 90, 32, 60, 86)               \
  X(ImgRockGuyJump, "Images\\Enemy\\RockGuy\\RockGuy_jump.png", 120, 90, 42, 60, 86)               \
  X(ImgSheetWalk, "Images\\Enemy\\Sheet\\Sheet_walk.png", 50, 57, 32, 25, 50)                      \
  X(ImgStarfishWalk, "Images\\Enemy\\Starfish\\Starfish_walk.png", 90, 81, 32, 40, 75)             \
  X(ImgStarfishKick, "Images\\Enemy\\Starfish\\Starfish_kick.png", 90, 81, 12, 40, 75)             \
  X(ImgStarfishSpin, "Images\\Enemy\\Starfish\\Starfish_spin.png", 90, 89, 8, 40, 79)              \
  X(ImgWizardShot, "Images\\Enemy\\Wizard\\wizard_shot.png", 32, 32, 1, 16, 16)                    \
  X(ImgWizardWalk, "Images\\Enemy\\Wizard\\Wizard_walk.png", 100, 96, 16, 50, 84)                  \
  X(ImgWizardShoot, "Images\\Enemy\\Wizard\\Wizard_shoot.png", 100, 96, 48, 50, 84)                \
  X(ImgWompthLook, "Images\\Enemy\\Wompth\\wompth_look.png", 64, 62, 9, 32, 62)                    \
  X(ImgWompthFall, "Images\\Enemy\\Wompth\\wompth_fall.png", 64, 62, 6, 32, 62)                    \
  X(ImgZombieWalk, "Images\\Enemy\\Zombie\\Zombie_walk.png", 70, 66, 32, 35, 60)                   \
  X(ImgComet, "Images\\Enemy\\Comet\\comet.png", 117, 117, 1, 58, 58)

#define BOINGLE_IMAGES_WORLDMAP(X)                                                                \
  X(ImgMapStar, "Images\\worldmap\\map_star.png", 24, 24, 0, HANDLE_CENTRE, HANDLE_CENTRE)        \
  X(ImgMarker, "Images\\worldmap\\marker.png", 32, 32, 0, HANDLE_CENTRE, HANDLE_CENTRE)           \
  X(ImgMapGui, "Images\\worldmap\\map_gui.png", 800, 100, 0, 0, 0)

#define BOINGLE_IMAGES_MENU(X)                                                                  \
  X(ImgSliderMark, "Images\\Menu\\slider_mark.png", 16, 24, 0, HANDLE_CENTRE, HANDLE_CENTRE)    \
  X(ImgSliderBar, "Images\\Menu\\slider_bar.png", 308, 16, 0, 4, 8)                             \
  X(ImgMenuBarrier, "Images\\Menu\\menu_barrier.png", 32, 32, 0, 0, 0)

// Pictures outside the start-up catalogue, loaded by the Parts that use them:
// the retro sprite (selected with the retro area) and the menu buttons.
#define BOINGLE_IMAGES_EXTRA(X)                                      \
  X(ImgPogoRetro, "Images\\Quon\\pogo_retro.png", 30, 46, 0, 15, 45) \
  X(ImgButMinus, "Images\\Menu\\but_minus.png", 32, 32, 1, 0, 0)     \
  X(ImgButPlus, "Images\\Menu\\but_plus.png", 32, 32, 1, 0, 0)       \
  X(ImgButTog, "Images\\Menu\\but_tog.png", 32, 32, 2, 0, 0)         \
  X(ImgButDelete, "Images\\Menu\\but_delete.png", 32, 32, 1, 0, 0)

#define BOINGLE_ALL_IMAGES(X)    \
  BOINGLE_IMAGES_HERO(X)         \
  BOINGLE_IMAGES_POINTER(X)      \
  BOINGLE_IMAGES_HUD(X)          \
  BOINGLE_IMAGES_PARTICLES(X)    \
  BOINGLE_IMAGES_ACTIVE(X)       \
  BOINGLE_IMAGES_MESSAGE(X)      \
  BOINGLE_IMAGES_TV(X)           \
  BOINGLE_IMAGES_SPIKES(X)       \
  BOINGLE_IMAGES_ITEMS(X)        \
  BOINGLE_IMAGES_BLOCKS(X)       \
  BOINGLE_IMAGES_ENEMIES(X)      \
  BOINGLE_IMAGES_WORLDMAP(X)     \
  BOINGLE_IMAGES_MENU(X)         \
  BOINGLE_IMAGES_EXTRA(X)

// The sound-effect table: X(index, "path"). Index 70 stays empty.
// The sound-effect table: X(index, Name, "path"). Index 70 stays empty. The
// names are the game's (Sfx::CoinCollect) and follow the file names.
#define BOINGLE_SOUND_EFFECTS(X)                 \
  X(0, BeeCollide, "Sound\\bee_collide.wav")                 \
  X(1, BeeHit, "Sound\\bee_hit.wav")                     \
  X(2, CoinCollect, "Sound\\coin_collect.wav")                \
  X(3, CoinCount, "Sound\\coin_count.wav")                  \
  X(4, QuonBounceNormal, "Sound\\quon_bounce_normal.wav")          \
  X(5, QuonBounceLow, "Sound\\quon_bounce_low.wav")             \
  X(6, QuonBounceHigh, "Sound\\quon_bounce_high.wav")            \
  X(7, QuonDash, "Sound\\quon_dash.wav")                   \
  X(8, MenuClickShort, "Sound\\menu_click_short.wav")            \
  X(9, MenuClickLong, "Sound\\menu_click_long.wav")             \
  X(10, SpringCollide1, "Sound\\spring_collide_1.wav")           \
  X(11, SpringCollide2, "Sound\\spring_collide_2.wav")           \
  X(12, StatueCollect, "Sound\\statue_collect.wav")             \
  X(13, RockImpact1, "Sound\\rock_impact_1.wav")              \
  X(14, RockImpact2, "Sound\\rock_impact_2.wav")              \
  X(15, BallBounce, "Sound\\ball_bounce.wav")                \
  X(16, StarfishKick, "Sound\\starfish_kick.wav")              \
  X(17, StarfishCollide, "Sound\\starfish_collide.wav")           \
  X(18, StarfishLand, "Sound\\starfish_land.wav")              \
  X(19, GoatGallop, "Sound\\goat_gallop.wav")                \
  X(20, GoatBaa, "Sound\\goat_baa.wav")                   \
  X(21, GoatSkid, "Sound\\goat_Skid.wav")                  \
  X(22, BatSqueak1, "Sound\\bat_squeak_1.wav")               \
  X(23, BatSqueak2, "Sound\\bat_squeak_2.wav")               \
  X(24, BatFlap, "Sound\\bat_flap.wav")                   \
  X(25, FishTick, "Sound\\fish_tick.wav")                  \
  X(26, FishBlow, "Sound\\fish_Blow.wav")                  \
  X(27, MoleReturn, "Sound\\mole_return.wav")                \
  X(28, BucketBounce, "Sound\\bucket_bounce.wav")              \
  X(29, PlatformPop, "Sound\\platform_pop.wav")               \
  X(30, BeeBuzz, "Sound\\bee_buzz.wav")                   \
  X(31, MoleDig, "Sound\\mole_dig.wav")                   \
  X(32, BucketThrow, "Sound\\bucket_throw.wav")               \
  X(33, GhostGiggle, "Sound\\ghost_giggle.wav")               \
  X(34, WizardReappear, "Sound\\wizard_reappear.wav")            \
  X(35, WizardDisappear, "Sound\\wizard_disappear.wav")           \
  X(36, WizardCharge, "Sound\\wizard_charge.wav")              \
  X(37, WizardExplosion, "Sound\\wizard_explosion.wav")           \
  X(38, CloudThunder, "Sound\\cloud_thunder.wav")              \
  X(39, CloudLightning, "Sound\\cloud_lightning.wav")            \
  X(40, BulbIdea, "Sound\\bulb_idea.wav")                  \
  X(41, BulbBreak, "Sound\\bulb_break.wav")                 \
  X(42, ToasterLaunch, "Sound\\toaster_launch.wav")             \
  X(43, ToasterSqueak, "Sound\\toaster_squeak.wav")             \
  X(44, KnightHorse, "Sound\\knight_horse.wav")               \
  X(45, KnightTrot, "Sound\\knight_trot.wav")                \
  X(46, FanBlow, "Sound\\fan_blow.wav")                   \
  X(47, FanClick, "Sound\\fan_click.wav")                  \
  X(48, TornadoSpin, "Sound\\tornado_spin.wav")               \
  X(49, LavaguyGrowl, "Sound\\lavaguy_growl.wav")              \
  X(50, RockguyJump, "Sound\\rockguy_jump.wav")               \
  X(51, RockguyLand, "Sound\\rockguy_land.wav")               \
  X(52, LavaguyStep1, "Sound\\lavaguy_step_1.wav")             \
  X(53, LavaguyStep2, "Sound\\lavaguy_step_2.wav")             \
  X(54, IcecreamSplat, "Sound\\icecream_splat.wav")             \
  X(55, MummyGroan, "Sound\\mummy_groan.wav")                \
  X(56, ZombieBreak, "Sound\\zombie_break.wav")               \
  X(57, ZombieDeath, "Sound\\zombie_death.wav")               \
  X(58, BeetleFlutter, "Sound\\beetle_flutter.wav")             \
  X(59, BearGrowl1, "Sound\\bear_growl_1.wav")               \
  X(60, BearGrowl2, "Sound\\bear_growl_2.wav")               \
  X(61, PlaneDash, "Sound\\plane_dash.wav")                 \
  X(62, SunSizzle, "Sound\\sun_sizzle.wav")                 \
  X(63, AmbientRumble, "Sound\\ambient_rumble.wav")             \
  X(64, TvNoise, "Sound\\tv_noise.wav")                   \
  X(65, TvTap, "Sound\\tv_tap.wav")                     \
  X(66, WorldmapMove, "Sound\\worldmap_move.wav")              \
  X(67, WorldmapNo, "Sound\\worldmap_no.wav")                \
  X(68, MsgOpen, "Sound\\msg_open.wav")                   \
  X(69, CometImpact, "Sound\\comet_impact.wav")

// Music ids and their modules: X(id, Name, "path"). Ids 12 and 15 have no
// file. Ids 0 to 13 are the areas' tunes (a level plays its area's).
#define BOINGLE_MUSIC(X)                  \
  X(0, Forest, "Music\\KV_Forest.xm")             \
  X(1, Air, "Music\\KV_Air.xm")                \
  X(2, Ghost, "Music\\KV_Ghost.xm")              \
  X(3, Beach, "Music\\KV_Beach.xm")              \
  X(4, Sea, "Music\\KV_Sea.xm")                \
  X(5, Mountain, "Music\\KV_Mountain.xm")           \
  X(6, Retro, "Music\\KV_Retro.xm")              \
  X(7, Volcano, "Music\\KV_Volcano.xm")            \
  X(8, Castle, "Music\\KV_Castle.xm")             \
  X(9, Desert, "Music\\KV_Desert.xm")             \
  X(10, Temple, "Music\\KV_Temple.xm")            \
  X(11, City, "Music\\KV_City.xm")              \
  X(13, Wierd, "Music\\KV_Wierd.xm")             \
  X(14, Worldmap, "Music\\KV_Worldmap.xm")          \
  X(16, Tutorial, "Music\\KV_Tutorial.xm")          \
  X(100, WorldmapAgain, "Music\\KV_Worldmap.xm")         \
  X(101, Splash, "Music\\KV_Splash.xm")           \
  X(102, TutorialAgain, "Music\\KV_Tutorial.xm")         \
  X(103, Death, "Music\\KV_Death.xm")            \
  X(104, LevelComplete, "Music\\KV_Bonus_1.xm")          \
  X(105, GameOver, "Music\\KV_Game_over.xm")        \
  X(106, Continue, "Music\\KV_Continue.xm")         \
  X(107, Credits, "Music\\KV_Zelda_SPOOF.xm")

// The font file, and the message / credits / greetings texts the forge writes.
#define BOINGLE_FONT_PATH "Fonts/fat_free_solid.ttf"
#define BOINGLE_MESSAGES_PATH "Data/messages.txt"
#define BOINGLE_CREDITS_PATH "Data/credits.txt"
#define BOINGLE_GREETINGS_PATH "Data/greetings.txt"
