// The stats screen: the lifetime statistics and best times.
#pragma once

#include "persistence/SaveData.hpp"

#include <string>

void statsScreen();

// The block of text the screen shows for the record.
std::string statsText(const SaveData& save);
