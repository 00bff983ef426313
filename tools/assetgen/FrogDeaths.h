#pragma once

#include "FrogAnimations.h"

// The frog's deaths, and the hammer and the explosion of the boxes that kill it: each reads at
// a glance and ends where the game removes the frog.
namespace FrogDeaths {

void Pierced(cairo_t* cr, const FrogAnimations::Animation& animation,
             const FrogAnimations::Frame& frame);
void KnockedOver(cairo_t* cr, const FrogAnimations::Animation& animation,
                 const FrogAnimations::Frame& frame);
void Drown(cairo_t* cr, const FrogAnimations::Animation& animation,
           const FrogAnimations::Frame& frame);
// Flung the way the truck drives: the animation's move.
void KillTruck(cairo_t* cr, const FrogAnimations::Animation& animation,
               const FrogAnimations::Frame& frame);
void BoxDrown(cairo_t* cr, const FrogAnimations::Animation& animation,
              const FrogAnimations::Frame& frame);
void BoxHammer(cairo_t* cr, const FrogAnimations::Animation& animation,
               const FrogAnimations::Frame& frame);
void RedButton(cairo_t* cr, const FrogAnimations::Animation& animation,
               const FrogAnimations::Frame& frame);
void Bomb(cairo_t* cr, const FrogAnimations::Animation& animation,
          const FrogAnimations::Frame& frame);
void Piranha(cairo_t* cr, const FrogAnimations::Animation& animation,
             const FrogAnimations::Frame& frame);
void HammerDown(cairo_t* cr, const FrogAnimations::Animation& animation,
                const FrogAnimations::Frame& frame);
void Explosion(cairo_t* cr, const FrogAnimations::Animation& animation,
               const FrogAnimations::Frame& frame);

} // namespace FrogDeaths
