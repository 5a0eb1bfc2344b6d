// The clock as the screens and the scenes run it: the clock rules on the play world, with the
// rooster played when the hour passes five.
#pragma once

class CVemuComp;

void PassMinutes(CVemuComp& game, int minutes);
void PassHours(CVemuComp& game, int hours);
