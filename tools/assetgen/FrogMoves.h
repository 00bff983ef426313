#pragma once

#include "FrogAnimations.h"

// The frog's frames when alive: standing, hopping, catching insects, cheering in the goal.
namespace FrogMoves {

void Idle(cairo_t* cr, const FrogAnimations::Animation& animation,
          const FrogAnimations::Frame& frame);
// A hop across the animation's move; the first frame is the standing frog and the last the
// standing frog at the other end, so that the states join without a jump.
void Hop(cairo_t* cr, const FrogAnimations::Animation& animation,
         const FrogAnimations::Frame& frame);
void RocketJump(cairo_t* cr, const FrogAnimations::Animation& animation,
                const FrogAnimations::Frame& frame);
void CatchInsect(cairo_t* cr, const FrogAnimations::Animation& animation,
                 const FrogAnimations::Frame& frame);
void Finish(cairo_t* cr, const FrogAnimations::Animation& animation,
            const FrogAnimations::Frame& frame);
void ShowdownWait(cairo_t* cr, const FrogAnimations::Animation& animation,
                  const FrogAnimations::Frame& frame);

} // namespace FrogMoves
