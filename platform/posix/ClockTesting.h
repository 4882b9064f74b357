// Test access to the pace of the program's clock: for tests, and for the testing option of
// quoran-wizard-script. The wizard itself never calls it.
#pragma once

// Makes the program's clock (platform/Clock.h) run `rate` times as fast as real time, so that
// tests do not wait out the wizard's pauses and time-outs: Sleep sleeps 1/rate of the time asked,
// _ftime and ProgramClock advance `rate` milliseconds per real one, and COM port time-outs
// (COMMTIMEOUTS, the stall limit of FlushFileBuffers) last 1/rate of their time. 1 (the state at
// start-up) is real time; 0 counts as 1. The clock goes on from where it stands, so a timer armed
// before the change neither jumps nor goes back. Safe to call from any thread; a Sleep or a wait
// already begun keeps the pace it began with.
void SetClockRateForTesting(unsigned rate);
