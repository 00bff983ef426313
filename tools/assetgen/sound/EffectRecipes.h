#pragma once

#include "sound/SoundClip.h"
#include "sound/Track.h"

// One function per effect, named after its label; each gives the dry sound at `rate`. Levels,
// fades and the file format are the library's business (SoundLibrary.cpp).
namespace EffectRecipes {

// The frog (FrogRecipes.cpp).
Track FrogMove(int rate);        // the hop: a short rising "bloop"
Track FrogJump(int rate);        // the rocket jump: a rising whoosh with a zipping tone
Track FrogBlockedMove(int rate); // two dull low buzzes: "can't go there"
Track FrogKnockedOver(int rate); // a thump and a wobbling cartoon fall
Track FrogDrown(int rate);       // a splash, a gurgle and bubbles
Track FrogEat(int rate);         // the tongue's flick and a gulp
Track FrogPickStar(int rate);    // a rising sparkle of bells
Track FrogPierced(int rate);     // a sharp sting and a yelp
Track FrogIdle(int rate);        // "rib-bit", then silence until it croaks again

// Road traffic (TrafficRecipes.cpp).
Track RagtopOpenCrash(int rate);
Track RagtopClosedCrash(int rate);
Track SmallCarCrash(int rate);
Track TruckCrash(int rate);
Track TruckBreak(int rate);          // the brakes squeal before a truck kills the frog
Track FrogKillGarbage(int rate);     // the compactor whines and crunches
Track FrogKillChezFred(int rate);    // the cook's cleaver, the pan's sizzle, the service bell
Track FrogKillCementMixer(int rate); // the drum churns and the cement swallows
Track FrogKillAquarium(int rate);    // the tank bursts: glass and a gush of water
Track FrogKillElectric(int rate);    // a zap and a crackling buzz

// The river (RiverRecipes.cpp).
Track Dive(int rate);                 // a hippo or a lily goes under
Track HippoAngry(int rate);           // a deep grumble and a snort
Track FrogKillBoxDrown(int rate);     // the box creaks and sinks with the frog
Track FrogKillBoxHammer(int rate);    // a swing and a bonk
Track FrogKillBoxBomb(int rate);      // a fuse and an explosion
Track FrogKillBoxRedButton(int rate); // a click, an alarm and a spring
Track FrogKillPiranha(int rate);      // two snapping bites

// Game flow (JingleRecipes.cpp).
Track LevelFinished(int rate);
Track LevelFinishedFullLevel(int rate);
Track BonusLife(int rate);
Track LoseLife(int rate);
Track GameOver(int rate);
Track CountDown(int rate);
Track MenuButtonClick(int rate);
// The high-score fanfare loops while the name is entered, so it is made as a seamless loop.
SoundClip Highscore(int rate);

} // namespace EffectRecipes
