// The new world (game state 211): the hero wakes in the rain inside the TV
// beside his pogo stick, which turns out to talk. Their dialogue is 28
// message points (messages 0-27) chained by links; the hero hops over to the
// stick and then on towards the practice course. Leads to the tutorial
// (425) and marks the intro as seen, also when Escape cuts it short.
#pragma once

void RunNewWorld();
