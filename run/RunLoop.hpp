// The frame loop of one run; returns when a frame ends with runActive cleared.
#pragma once

void runLoop();
