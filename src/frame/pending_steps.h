// Steps of the level frame and the start-up that belong to subsystems still
// being built. Each has a do-nothing stand-in (pending_steps.cpp) that the real
// definition replaces at link time; as a subsystem lands, its header takes the
// declaration's place here.
#pragma once

#include <string>
#include <vector>

// Music and sound effects.
#include "frame/music.h"
#include "frame/music_library.h"
#include "frame/sound_effects.h"
#include "frame/message_table.h"

// The level world.
#include "world/area.h"
#include "world/camera.h"
#include "world/level_loader.h"
#include "world/level_reset.h"
#include "world/save_game.h"
#include "world/tile_map.h"

// Level objects.
#include "entities/active_objects.h"
#include "entities/items.h"
void EnemyPass();

// Screens owned by the front end and the world map.
void BuildWorldMapNodes();
void BuildMenuButtons();
