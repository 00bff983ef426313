#include "FrogMoves.h"

#include "Figures.h"
#include "FrogPainter.h"
#include "Paint.h"

#include <algorithm>
#include <cmath>

namespace FrogMoves {
namespace {

using FrogAnimations::Animation;
using FrogAnimations::Frame;
using FrogPainter::Pose;
using FrogPainter::Smooth;
using FrogPainter::Span;

struct HopStyle {
    // Shares of the run: the crouch ends, the landing begins.
    double crouch;
    double land;
    double lift;
    double grow;
    double crouchDepth;
};

constexpr HopStyle kHop{0.12, 0.78, 9, 0.1, 0.22};
constexpr HopStyle kShortHop{0.12, 0.78, 6, 0.05, 0.18};
constexpr HopStyle kRocket{0.22, 0.8, 28, 0.38, 0.42};
constexpr double kTongueReach = 62;

// How far along the path the frog is: still in the crouch, eased through the flight.
double Travelled(double flight) {
    return (1 - std::cos(M_PI * flight)) / 2;
}

Pose HopPose(const Animation& animation, double t, const HopStyle& style) {
    const double flight = Span(t, style.crouch, style.land);
    const double arc = std::sin(M_PI * flight);
    const double landing = Span(t, style.land, 1);
    const double along = Travelled(flight);
    Pose pose = FrogAnimations::Standing(animation);
    pose.x += animation.moveX * along;
    pose.y += animation.moveY * along;
    // It turns to face the way it goes and back to its standing look while it lands.
    const double facing = std::atan2(animation.moveX, -animation.moveY);
    const double turnIn = Smooth(Span(t, 0, style.crouch));
    const double turnBack = Smooth(Span(t, style.land + (1 - style.land) * 0.3, 1));
    pose.heading = facing * turnIn * (1 - turnBack);
    pose.lift = arc * style.lift;
    pose.scale = 1 + arc * style.grow;
    pose.leap = std::min(Span(flight, 0, 0.15), 1 - Smooth(Span(flight, 0.5, 1)));
    pose.reach = Smooth(Span(flight, 0.35, 0.8)) * (1 - Smooth(landing));
    if (t < style.crouch) {
        pose.squash = style.crouchDepth * Smooth(Span(t, 0, style.crouch));
        pose.lids = 0.4 * pose.squash / style.crouchDepth;
    } else if (flight < 1) {
        pose.squash = -0.12 * arc;
    } else {
        pose.squash = 0.3 * std::sin(M_PI * std::min(1.0, landing * 1.5)) * (1 - landing);
    }
    return pose;
}

void Puff(cairo_t* cr, double x, double y, double r, double alpha) {
    Paint::Ellipse(cr, x, y, r, r * 0.8);
    Paint::Colour(cr, 0xF2E8D0, alpha);
    cairo_fill_preserve(cr);
    Paint::Colour(cr, 0x9A8C70, alpha * 0.6);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// Dust kicked up where it pushed off, streaks and fading copies behind it in the air.
void Trail(cairo_t* cr, const Animation& animation, double t, const HopStyle& style) {
    const double dust = Span(t, style.crouch, style.crouch + 0.45);
    if (dust > 0 && dust < 1)
        for (int i = 0; i < 7; ++i) {
            const double angle = i * 2 * M_PI / 7 + 0.3;
            const double spread = 10 + 22 * dust;
            Puff(cr, animation.restX + std::cos(angle) * spread,
                 animation.restY + 6 + std::sin(angle) * spread * 0.6, 5.5 * (1 - dust) + 1.5,
                 0.8 * (1 - dust));
        }
    const double flight = Span(t, style.crouch, style.land);
    if (flight <= 0 || flight >= 1)
        return;
    const double along = Travelled(flight);
    for (int copy = 3; copy >= 1; --copy) {
        const double behind = Travelled(std::max(0.0, flight - 0.07 * copy));
        if (behind >= along)
            continue;
        Pose ghost = HopPose(animation, t, style);
        ghost.x = animation.restX + animation.moveX * behind;
        ghost.y = animation.restY + animation.moveY * behind;
        ghost.shadow = 0;
        ghost.opacity = 0.4 / copy;
        FrogPainter::Draw(cr, ghost);
    }
    const double x = animation.restX + animation.moveX * along;
    const double y = animation.restY + animation.moveY * along;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 2.5);
    Paint::Colour(cr, 0xFFFFF0, 0.75 * std::sin(M_PI * flight));
    for (int side : {-1, 0, 1}) {
        cairo_move_to(cr, x + side * 13, y + 26 - std::abs(side) * 6);
        cairo_line_to(cr, x + side * 13,
                      y + 26 - std::abs(side) * 6 + 26 * std::sin(M_PI * flight));
    }
    cairo_stroke(cr);
}

void Sparkle(cairo_t* cr, double x, double y, double size) {
    if (size > 0.5)
        Figures::Star(cr, x, y, size);
}

} // namespace

void Idle(cairo_t* cr, const Animation& animation, const Frame& frame) {
    Pose pose = FrogAnimations::Standing(animation);
    pose.breath = 0.5 - 0.5 * std::cos(2 * M_PI * frame.index / frame.count);
    // One blink a breath, late in the cycle.
    if (frame.index == frame.count * 7 / 10)
        pose.lids = 1;
    FrogPainter::Draw(cr, pose);
}

void Hop(cairo_t* cr, const Animation& animation, const Frame& frame) {
    const bool sideways = animation.moveY == 0;
    FrogPainter::Draw(cr, HopPose(animation, frame.t, sideways ? kShortHop : kHop));
}

void RocketJump(cairo_t* cr, const Animation& animation, const Frame& frame) {
    Trail(cr, animation, frame.t, kRocket);
    FrogPainter::Draw(cr, HopPose(animation, frame.t, kRocket));
}

void CatchInsect(cairo_t* cr, const Animation& animation, const Frame& frame) {
    const double t = frame.t;
    const double out = Span(t, 0.12, 0.42);
    const double back = Smooth(Span(t, 0.5, 0.78));
    const double gulp = Span(t, 0.78, 1);
    Pose pose = FrogAnimations::Standing(animation);
    pose.tongue = kTongueReach * (1 - (1 - out) * (1 - out)) * (1 - back);
    if (t > 0 && gulp < 0.3)
        pose.mouth = FrogPainter::Mouth::Open;
    pose.squash = 0.12 * std::sin(M_PI * Span(t, 0, 0.2));
    pose.breath = std::sin(M_PI * gulp);
    if (gulp > 0.15 && gulp < 0.9)
        pose.eyes = FrogPainter::Eyes::Happy;
    FrogPainter::Draw(cr, pose);
    // The insect rides the tongue's tip back in.
    if (t >= 0.42 && back < 0.95) {
        const double tip = animation.restY - 0.36 * FrogPainter::kSize - pose.tongue;
        Figures::Bug(cr, animation.restX, tip - 3, 15);
    }
}

void Finish(cairo_t* cr, const Animation& animation, const Frame& frame) {
    const double t = frame.t;
    const double hop = std::sin(M_PI * Span(t, 0.06, 0.34)) + std::sin(M_PI * Span(t, 0.42, 0.7));
    Pose pose = FrogAnimations::Standing(animation);
    pose.scale = 1 + 0.14 * hop;
    pose.lift = 9 * hop;
    pose.leap = 0.8 * hop;
    pose.squash = 0.15 * std::sin(M_PI * Span(t, 0.34, 0.42)) - 0.1 * hop;
    if (t > 0.04) {
        pose.eyes = FrogPainter::Eyes::Happy;
        pose.mouth = FrogPainter::Mouth::Grin;
    }
    const double waving = std::sin(M_PI * Span(t, 0.25, 1));
    pose.wave = waving > 0.05 ? std::sin(2 * M_PI * 3 * t) : 0;
    FrogPainter::Draw(cr, pose);
    const double spots[][3] = {
        {-30, -28, 0.15}, {32, -22, 0.3}, {-34, 18, 0.45}, {30, 26, 0.55}, {0, -40, 0.65}};
    for (const auto& spot : spots)
        Sparkle(cr, animation.restX + spot[0], animation.restY + spot[1],
                13 * std::sin(M_PI * Span(t, spot[2], spot[2] + 0.35)));
}

void ShowdownWait(cairo_t* cr, const Animation& animation, const Frame&) {
    Pose pose = FrogAnimations::Standing(animation);
    pose.scale = 1.06;
    pose.breath = 1;
    pose.lids = 0.45;
    pose.mouth = FrogPainter::Mouth::Grin;
    FrogPainter::Draw(cr, pose);
}

} // namespace FrogMoves
