#pragma once
// The processor's rated clock from its brand string, and its current clock
// measured against the time-stamp counter.

namespace meters {

// Once, at start: the brand string's clock, or the current clock where it names none.
double ratedClockGHz();
// One million dependent one-cycle steps, timed three times; the fastest run wins.
double currentClockGHz();

// The clock named by this processor's brand string in MHz, 0 when none.
double parseBrandClock();
// The time-stamp counter's rate in GHz, measured over 100 ms against the
// performance counter.
double calibrateTsc();
// The time-stamp counter in seconds; the first call calibrates it.
double nowSeconds();
// One million cycles of the core's current clock.
void spinMillion();

}  // namespace meters
