// A key held down repeats into whatever window has the focus: marked as a repeat or, as the X window
// system mostly delivers it, as a release and a press at the same moment with no mark at all. A key
// belongs to the window it went down in, and only while no modal box has come up since: until it
// truly comes up, its repeats and its release reach neither a box it did not go down in nor the
// drawing window it left for a box. The Return that put a refusal up, or that closed a box or a
// dialog, held a moment too long, would otherwise answer the next box unseen, press OK again behind
// it, or reach the drawing window, over and over while the key is down. In the window the key went
// down in, its unmarked pairs are repeats as the marked ones are: a held Space presses a button once.
#pragma once

namespace pl {

// Keeps every key with the window it went down in from now on; calling it again changes nothing.
// The boxes and the drawing windows of the layer call it as they come.
void KeepHeldKeysWithTheirWindow();

} // namespace pl
