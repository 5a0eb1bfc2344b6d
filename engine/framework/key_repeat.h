// The cadence at which a held button acts in the lists and the number entry, and the pulse that
// makes their marks breathe.
#pragma once

namespace key_repeat {

// A button held for `held` frames acts on its first frame, then every 8 frames from 16 on, and
// (lists only) every 4 frames once it has been held for more than 64 frames.
bool ListActs(int held);
// The number entry stops at the middle stage: first frame, then every 8 frames from 16 on.
bool EntryActs(int held);

}  // namespace key_repeat

// The frame counter folded into 0..15..0 over 30 frames, for marks that grow and fade in turn.
int PulsePhase(int frame_count);
