#pragma once
// The game's 71 tuning values as the program starts with them.

#include "SettingsList.h"

SettingsList defaultSettings();
