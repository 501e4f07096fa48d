#pragma once

// Reads config.txt beside the executable into the application's eraNames and
// specialDays, reporting problems in message boxes.
void loadCalendarConfig();
