// The room table: bed counts drawn from the location, prices computed from
// location and quality.
#pragma once

#include "core/InnSheet.h"
#include "core/RandomSource.h"

namespace brewick {

// The fixed heading row and column; written once, at start-up.
void writeRoomHeadings(RoomTable& rooms);

// Draws the three bed counts (three draws), then runs priceRooms.
void drawRooms(InnSheet& sheet, RandomSource& random);

// Writes the three prices from the current location and quality; no draws.
void priceRooms(InnSheet& sheet);

}  // namespace brewick
