"""The people of the floor: three guest looks and the Detective, drawn from a
posable figure in three views (profile facing left, front, back).

A frame is a Pose: joint angles in degrees plus a few extras (lean, hop,
items in hand). Legs are grounded automatically: the hip sits so that the
lowest foot touches the ground line, so a walk cycle bobs by itself.
"""
import math
from dataclasses import dataclass, replace

import cairo

from art_common import (OUTLINE, Animation, context, ellipse, fill_outline, hex_colour, paint_colour, polygon, shade,
                        smooth_polygon, star_path, stroke_line)

CELL = 96          # frames are CELL x CELL; a standing figure is about 74 px tall with its hat
GROUND = 91        # y of the soles in the cell
CENTRE = 48
THIGH, SHIN = 14.5, 14.0
UPPER_ARM, FOREARM = 10.5, 10.0
SHOULDER_Y = -21.0  # above the hip, in the torso's frame
HEAD_Y, HEAD_R = -31.5, 9.0


@dataclass
class Look:
    skin: tuple
    hair: tuple
    hair_style: str          # "slick", "short", "long"
    top: tuple               # jacket, coat or dress
    legs: tuple              # trousers, or skin under a dress
    shoes: tuple
    shirt: tuple = None      # shirt front seen in the collar
    tie: tuple = None
    tie_kind: str = None     # "bow" or "tie"
    hat: str = None          # "cap" or "fedora"
    hat_colour: tuple = None
    hat_band: tuple = None
    kind: str = "suit"       # "tux", "suit", "dress", "coat"
    badge: bool = False
    moustache: bool = False
    rim: bool = False        # a light rim around the whole figure
    scale: float = 1.0


LOOKS = {
    # A man in a black tuxedo: white shirt front, bow tie, tails, slicked black hair.
    "NPCMale1": Look(skin=hex_colour("f0c8a6"), hair=hex_colour("1c1a1e"), hair_style="slick",
                     top=hex_colour("222026"), legs=hex_colour("1d1c22"), shoes=hex_colour("0e0d10"),
                     shirt=hex_colour("f6f4f0"), tie=hex_colour("0e0d10"), tie_kind="bow", kind="tux"),
    # A man in a teal suit with a gold tie, a grey flat cap and a moustache.
    "NPCMale2": Look(skin=hex_colour("b9835c"), hair=hex_colour("3a2616"), hair_style="short",
                     top=hex_colour("1f8c8c"), legs=hex_colour("187070"), shoes=hex_colour("2a2a2e"),
                     shirt=hex_colour("f3ead2"), tie=hex_colour("f2c230"), tie_kind="tie", hat="cap",
                     hat_colour=hex_colour("8a8c94"), hat_band=hex_colour("5a5c64"), kind="suit", moustache=True),
    # A woman in a red dress with long golden hair.
    "NPCFemale1": Look(skin=hex_colour("f2c9a8"), hair=hex_colour("e6b846"), hair_style="long",
                       top=hex_colour("d4202c"), legs=hex_colour("f2c9a8"), shoes=hex_colour("a0101c"),
                       kind="dress"),
    # The Detective: tan trench coat to the knees, brown fedora, gold badge,
    # and a light rim that sets the figure off from the crowd.
    "Detective": Look(skin=hex_colour("e5b48f"), hair=hex_colour("4a3020"), hair_style="short",
                      top=hex_colour("d6b47c"), legs=hex_colour("2e2a28"), shoes=hex_colour("3a2414"),
                      shirt=hex_colour("e9e4d8"), tie=hex_colour("7a2a20"), tie_kind="tie", hat="fedora",
                      hat_colour=hex_colour("6b4426"), hat_band=hex_colour("1a100a"), kind="coat", badge=True,
                      rim=True, scale=1.02),
}

GOLD = hex_colour("f2c230")
STEEL = hex_colour("c8ccd4")


@dataclass
class Pose:
    lean: float = 0.0                 # forward lean of the upper body, degrees
    hop: float = 0.0                  # extra lift off the ground
    sway: float = 0.0                 # sideways shift (front and back views)
    head_tilt: float = 0.0
    # Profile: (thigh, shin) and (upper arm, forearm) angles from straight
    # down, positive forwards (to the left).
    near_leg: tuple = (0.0, 0.0)
    far_leg: tuple = (0.0, 0.0)
    near_arm: tuple = (4.0, 10.0)
    far_arm: tuple = (-4.0, 6.0)
    # Front and back: per side (screen left, screen right) the foot lift in px
    # and arms as (outward angle, forearm angle, length factor).
    lift: tuple = (0.0, 0.0)
    arms: tuple = ((8.0, 6.0, 1.0), (8.0, 6.0, 1.0))
    mouth: str = "smile"              # "smile", "open", "o", "flat"
    eyes: str = "open"                # "open", "closed", "x"
    item: str = None                  # "plate", "fork_up", "cuffs", "cuffs_closed"
    impact: bool = False
    glint: bool = False               # the badge catches the light
    dust: bool = False                # a running foot kicks up dust
    fall: float = 0.0                 # degrees of falling backwards (profile only)


# ---- Small helpers ---------------------------------------------------------------------

def down_vector(angle_deg, length, forward_sign=-1.0):
    a = math.radians(angle_deg)
    return forward_sign * math.sin(a) * length, math.cos(a) * length


def leg_points(hip, thigh_shin, forward_sign=-1.0):
    dx, dy = down_vector(thigh_shin[0], THIGH, forward_sign)
    knee = (hip[0] + dx, hip[1] + dy)
    dx, dy = down_vector(thigh_shin[1], SHIN, forward_sign)
    return knee, (knee[0] + dx, knee[1] + dy)


def arm_points(shoulder, arm, forward_sign=-1.0, scale=1.0):
    dx, dy = down_vector(arm[0], UPPER_ARM * scale, forward_sign)
    elbow = (shoulder[0] + dx, shoulder[1] + dy)
    dx, dy = down_vector(arm[1], FOREARM * scale, forward_sign)
    return elbow, (elbow[0] + dx, elbow[1] + dy)


def sleeve_colour(look):
    return look.skin if look.kind == "dress" else look.top


def far(colour):
    return shade(colour, 0.78)


# ---- Profile (facing left) ----------------------------------------------------------------

def dust_puffs(ctx, places):
    """Little clouds of dust on the floor behind a running foot."""
    for x, y, r in places:
        ctx.arc(x, y, r, 0, 2 * math.pi)
        paint_colour(ctx, hex_colour("e8dcc4"), 0.75)
        ctx.fill_preserve()
        ctx.set_line_width(0.8)
        paint_colour(ctx, hex_colour("a89878"), 0.8)
        ctx.stroke()


def ground_shadow(ctx, fall=0.0):
    """A soft shadow on the floor under the feet (under the body once it lies down)."""
    t = math.sin(math.radians(fall))
    ellipse(ctx, CENTRE - 8 * t, GROUND + 1, 13 + 24 * t, 3.2 + 1.5 * t)
    paint_colour(ctx, (0, 0, 0), 0.22)
    ctx.fill()


def draw_profile(ctx, look, pose, shadow=True):
    legs_h = max(leg_points((0, 0), pose.near_leg)[1][1], leg_points((0, 0), pose.far_leg)[1][1])
    if shadow:
        ground_shadow(ctx, pose.fall)
    ctx.save()
    ctx.translate(CENTRE, GROUND)
    ctx.scale(look.scale, look.scale)
    if pose.fall:
        # Falls backwards (away from the facing) around the feet, then slides
        # left so the body lies inside the frame.
        t = math.sin(math.radians(pose.fall))
        ctx.translate(-42 * t, -9 * t)
        ctx.rotate(math.radians(pose.fall))
    hip = (1.0, -3.0 - legs_h - pose.hop)

    # Long hair falls behind everything.
    if look.hair_style == "long":
        with_torso(ctx, hip, pose, lambda: long_hair_profile(ctx, look))
    with_torso(ctx, hip, pose, lambda: profile_arm(ctx, look, pose.far_arm, far_side=True, pose=pose))
    profile_leg(ctx, look, hip, pose.far_leg, far_side=True)
    profile_leg(ctx, look, hip, pose.near_leg, far_side=False)
    with_torso(ctx, hip, pose, lambda: profile_body(ctx, look, pose))
    with_torso(ctx, hip, pose, lambda: profile_arm(ctx, look, pose.near_arm, far_side=False, pose=pose))
    if pose.impact:
        with_torso(ctx, hip, pose, lambda: impact_star(ctx, -13, HEAD_Y - 3))
    ctx.restore()
    if look.hat and hat_knocked_off(pose):
        # Lying down, the hat has rolled off behind the head.
        ctx.save()
        ctx.translate(78, GROUND - 31)
        ctx.scale(look.scale, look.scale)
        ctx.rotate(math.radians(-25))
        profile_hat(ctx, look)
        ctx.restore()


def with_torso(ctx, hip, pose, draw):
    ctx.save()
    ctx.translate(*hip)
    ctx.rotate(-math.radians(pose.lean))
    draw()
    ctx.restore()


def profile_leg(ctx, look, hip, angles, far_side):
    knee, foot = leg_points(hip, angles)
    colour = far(look.legs) if far_side else look.legs
    width = 4.2 if look.kind == "dress" else 6.2
    stroke_line(ctx, [hip, knee, foot], width, colour, outline=2.0)
    shoe = far(look.shoes) if far_side else look.shoes
    if look.kind == "dress":
        ellipse(ctx, foot[0] - 1.8, foot[1] + 1.2, 3.6, 2.0, math.radians(-8))
    else:
        ellipse(ctx, foot[0] - 2.6, foot[1] + 1.4, 4.8, 2.5)
    fill_outline(ctx, shoe, 1.0)


def profile_arm(ctx, look, arm, far_side, pose):
    shoulder = (0.5, SHOULDER_Y + 1.5)
    elbow, hand = arm_points(shoulder, arm)
    sleeve = sleeve_colour(look)
    colour = far(sleeve) if far_side else sleeve
    width = 3.6 if look.kind == "dress" else 5.0
    if look.kind == "dress":
        stroke_line(ctx, [shoulder, elbow, hand], width, far(look.skin) if far_side else look.skin, outline=2.0)
    else:
        stroke_line(ctx, [shoulder, elbow, hand], width, colour, outline=2.0)
        if look.shirt:
            # A shirt cuff just above the hand.
            cuff = (hand[0] + (elbow[0] - hand[0]) * 0.22, hand[1] + (elbow[1] - hand[1]) * 0.22)
            ctx.arc(cuff[0], cuff[1], 2.0, 0, 2 * math.pi)
            paint_colour(ctx, far(look.shirt) if far_side else look.shirt)
            ctx.fill()
    ctx.arc(hand[0], hand[1], 2.5, 0, 2 * math.pi)
    fill_outline(ctx, far(look.skin) if far_side else look.skin, 1.0)
    if not far_side:
        hand_item(ctx, pose.item, hand, profile=True)


def profile_body(ctx, look, pose):
    top = look.top
    sy = SHOULDER_Y
    if look.kind == "coat":
        # Trench coat: collar up, belt, skirt of the coat over the thighs.
        smooth_polygon(ctx, [(-6.5, sy + 1), (5.5, sy), (7.5, -4), (12.5, 19), (-12, 19), (-8, -4)], 0.1)
        fill_outline(ctx, top, 1.3)
        stroke_line(ctx, [(-8.2, -5), (7.8, -5)], 2.4, shade(top, 0.6))
        ctx.rectangle(-8.6, -6.3, 3.2, 2.6)
        fill_outline(ctx, GOLD, 0.6)
        stroke_line(ctx, [(-1, -3), (-1.5, 18)], 0.8, shade(top, 0.75))
        polygon(ctx, [(-6.5, sy + 1), (-3, sy - 3.5), (0.5, sy + 5), (-5, sy + 8)])
        fill_outline(ctx, shade(top, 0.9), 0.9)
        if look.badge:
            badge(ctx, -4.6, sy + 10, 2.8, pose.glint)
    elif look.kind == "dress":
        dress(ctx, top, [(-5.5, sy + 1.5), (4.5, sy + 1.5), (4.5, -4), (-4.5, -4)],
              [(-5.2, -6), (4.8, -6), (10, 13), (-11.5, 13)], [(x * 0.5, x * 1.3) for x in (-6, -1, 4)])
    else:
        tails = look.kind == "tux"
        points = [(-6, sy + 0.5), (5.5, sy), (6.5, -3), (5.5, 3), (-6.5, 3), (-7, -4)]
        if tails:
            points = [(-6, sy + 0.5), (5.5, sy), (6.5, -3), (8.5, 11), (4.5, 12), (3.5, 3), (-6.5, 3), (-7, -4)]
        smooth_polygon(ctx, points, 0.22)
        fill_outline(ctx, top, 1.2)
        # Shirt front and tie along the chest.
        polygon(ctx, [(-6.2, sy + 1.5), (-3.2, sy + 1.5), (-4.6, -5), (-6.8, -5)])
        fill_outline(ctx, look.shirt, 0.7)
        if look.tie_kind == "tie":
            polygon(ctx, [(-5.6, sy + 2), (-4.4, sy + 2), (-4.7, sy + 12), (-6.2, sy + 11)])
            fill_outline(ctx, look.tie, 0.6)
        stroke_line(ctx, [(-4.5, sy + 2), (-1.5, -4)], 0.9, shade(top, 0.65))
        ctx.rectangle(-7.2, -2.2, 14, 2.4)
        paint_colour(ctx, shade(top, 0.8))
        ctx.fill()
    # Neck.
    ctx.rectangle(-2.2, sy - 4.5, 4.2, 5)
    paint_colour(ctx, look.skin)
    ctx.fill()
    if look.tie_kind == "bow":
        polygon(ctx, [(-7.5, sy - 1.2), (-4.8, sy + 0.2), (-7.5, sy + 1.8)])
        fill_outline(ctx, look.tie, 0.5)
    profile_head(ctx, look, pose)


def profile_head(ctx, look, pose):
    ctx.save()
    ctx.translate(-1.0, HEAD_Y)
    ctx.rotate(-math.radians(pose.head_tilt))
    r = HEAD_R
    ctx.arc(0, 0, r, 0, 2 * math.pi)
    fill_outline(ctx, look.skin, 1.2)
    # Nose and ear.
    ellipse(ctx, -r + 0.2, 0.6, 2.2, 1.8)
    fill_outline(ctx, look.skin, 0.8)
    profile_hair(ctx, look)
    if look.hair_style != "long":
        ellipse(ctx, 2.8, 0.8, 1.5, 2.2)
        fill_outline(ctx, look.skin, 0.7)
    face_profile(ctx, look, pose)
    if look.hat and not hat_knocked_off(pose):
        profile_hat(ctx, look)
    ctx.restore()


def hat_knocked_off(pose):
    return pose.fall >= 80


def hair_on_head(ctx, look, r, outline, shine):
    """Fills the hair path drawn by outline(), clipped to the head of radius
    r, adds a shine line on slicked hair, then redraws the head's edge."""
    ctx.save()
    ctx.arc(0, 0, r + 0.5, 0, 2 * math.pi)
    ctx.clip()
    outline()
    paint_colour(ctx, look.hair)
    ctx.fill()
    if look.hair_style == "slick":
        stroke_line(ctx, shine, 0.8, shade(look.hair, 2.4), alpha=0.8)
    ctx.restore()
    ctx.arc(0, 0, r, 0, 2 * math.pi)
    ctx.set_line_width(1.2)
    paint_colour(ctx, OUTLINE)
    ctx.stroke()


def profile_hair(ctx, look):
    hair_on_head(ctx, look, HEAD_R, lambda: profile_hair_path(ctx, look), [(-5, -6.5), (2, -7.5), (7, -4)])
    if look.hair_style == "long":
        ellipse(ctx, -2, -HEAD_R + 0.5, 5, 2.6, math.radians(-10))
        fill_outline(ctx, look.hair, 0.8)


def profile_hair_path(ctx, look):
    r = HEAD_R
    if look.hair_style == "slick":
        polygon(ctx, [(-r - 2, -r - 2), (r + 2, -r - 2), (r + 2, 3.5), (3.5, 2.5), (1.5, -3.5), (-6.5, -4.5)])
    elif look.hair_style == "long":
        polygon(ctx, [(-r - 2, -r - 2), (r + 2, -r - 2), (r + 2, r + 2), (2.5, r), (3, -1.5), (-7, -3.5)])
    else:
        polygon(ctx, [(-r - 2, -r - 2), (r + 2, -r - 2), (r + 2, 4.5), (4, 3.5), (2.5, -2.5), (-5.5, -5.5)])


def long_hair_profile(ctx, look):
    ctx.save()
    ctx.translate(-1.0, HEAD_Y)
    smooth_polygon(ctx, [(-4, -7), (8, -9), (11, 4), (10, 17), (4, 19), (1, 6)], 0.35)
    fill_outline(ctx, look.hair, 1.1)
    ctx.restore()


def face_profile(ctx, look, pose):
    eye = (-5.0, -1.2)
    if pose.eyes == "x":
        for d in (1, -1):
            stroke_line(ctx, [(eye[0] - 1.5, eye[1] - 1.5 * d), (eye[0] + 1.5, eye[1] + 1.5 * d)], 0.9, OUTLINE)
    elif pose.eyes == "closed":
        stroke_line(ctx, [(eye[0] - 1.4, eye[1]), (eye[0] + 1.2, eye[1] + 0.3)], 0.9, OUTLINE)
    else:
        ctx.arc(eye[0], eye[1], 1.25, 0, 2 * math.pi)
        paint_colour(ctx, OUTLINE)
        ctx.fill()
        if look.kind == "dress":
            stroke_line(ctx, [(eye[0] - 0.5, eye[1] - 1.5), (eye[0] - 2.2, eye[1] - 2.5)], 0.7, OUTLINE)
    if look.moustache:
        ellipse(ctx, -7.0, 3.6, 2.8, 1.3, math.radians(-12))
        fill_outline(ctx, look.hair, 0.5)
    mouth_colour = hex_colour("b0202a") if look.kind == "dress" else shade(look.skin, 0.45)
    if pose.mouth in ("open", "o"):
        ellipse(ctx, -6.3, 5.0, 1.4, 1.6 if pose.mouth == "o" else 1.2)
        fill_outline(ctx, hex_colour("5a1a1a"), 0.5)
    else:
        stroke_line(ctx, [(-7.2, 4.8), (-5.2, 5.3 if pose.mouth == "smile" else 4.9)], 1.0, mouth_colour)


def profile_hat(ctx, look):
    r = HEAD_R
    if look.hat == "cap":
        # Flat cap: a low crown pulled forward and a short peak.
        ctx.move_to(r + 0.8, -1.5)
        ctx.curve_to(r + 1.5, -9, 2, -12.5, -4, -11)
        ctx.curve_to(-8.5, -10, -r - 1.5, -7, -r - 1, -4)
        ctx.line_to(-r - 5.5, -2.6)
        ctx.curve_to(-r - 4, -1.2, -r, -1.6, -r + 1, -2.4)
        ctx.close_path()
        fill_outline(ctx, look.hat_colour, 1.1)
        stroke_line(ctx, [(-r + 1, -3.2), (r + 0.5, -2.2)], 1.0, look.hat_band)
        stroke_line(ctx, [(-5, -10.5), (-1.5, -4)], 0.7, look.hat_band)
    else:
        # Fedora: wide brim tipped down at the front, pinched crown.
        polygon(ctx, [(-r - 5.5, -3.5), (r + 3.5, -6.5), (r + 4, -5), (-r - 5, -2)])
        fill_outline(ctx, look.hat_colour, 1.1)
        smooth_polygon(ctx, [(-6.5, -4.5), (-5.5, -12.5), (0, -14.5), (6.5, -12.5), (7.5, -6)], 0.3)
        fill_outline(ctx, look.hat_colour, 1.1)
        polygon(ctx, [(-6.6, -5), (7.4, -6.2), (7.2, -8.3), (-6.2, -7.3)])
        fill_outline(ctx, look.hat_band, 0.5)


# ---- Front and back -------------------------------------------------------------------------

def draw_front(ctx, look, pose, back=False, shadow=True):
    legs_h = THIGH + SHIN - max(min(pose.lift), 0.0)
    if shadow:
        ground_shadow(ctx)
    ctx.save()
    ctx.translate(CENTRE + pose.sway, GROUND)
    ctx.scale(look.scale, look.scale)
    hip = (0.0, -3.0 - legs_h - pose.hop)
    if look.hair_style == "long" and not back:
        with_front_torso(ctx, hip, pose, lambda: long_hair_front(ctx, look, back=False))
    for side in (-1, 1):
        front_leg(ctx, look, hip, side, pose.lift[0 if side < 0 else 1])
    with_front_torso(ctx, hip, pose, lambda: front_body(ctx, look, pose, back))
    ctx.restore()


def with_front_torso(ctx, hip, pose, draw):
    ctx.save()
    ctx.translate(*hip)
    ctx.rotate(math.radians(pose.lean) * 0.3)
    draw()
    ctx.restore()


def front_leg(ctx, look, hip, side, lift):
    """A leg seen from the front or back; lift raises the foot (a bent knee
    pushed outwards), a negative lift brings it a little closer to the viewer."""
    top = (hip[0] + side * 4.3, hip[1] + 1)
    length = THIGH + SHIN - lift
    bend = max(lift, 0.0) * 0.35
    knee = (top[0] + side * (0.6 + bend), top[1] + THIGH - lift * 0.5)
    foot = (top[0] + side * 0.9, top[1] + length - 1)
    width = 4.4 if look.kind == "dress" else 6.4
    stroke_line(ctx, [top, knee, foot], width, look.legs, outline=2.0)
    ellipse(ctx, foot[0] + side * 0.6, foot[1] + 1.6, 3.6 if look.kind != "dress" else 2.8, 2.4)
    fill_outline(ctx, look.shoes, 1.0)


def front_arm(ctx, look, side, arm, pose, back):
    out, fore, scale = arm
    shoulder = (side * 9.6, SHOULDER_Y + 2.2)
    elbow, hand = arm_points(shoulder, (out, fore), forward_sign=side, scale=scale)
    colour = look.skin if look.kind == "dress" else look.top
    width = 3.8 if look.kind == "dress" else 5.2
    stroke_line(ctx, [shoulder, elbow, hand], width, colour, outline=2.0)
    if look.shirt and look.kind != "dress":
        cuff = (hand[0] + (elbow[0] - hand[0]) * 0.22, hand[1] + (elbow[1] - hand[1]) * 0.22)
        ctx.arc(cuff[0], cuff[1], 2.0, 0, 2 * math.pi)
        paint_colour(ctx, look.shirt)
        ctx.fill()
    ctx.arc(hand[0], hand[1], 2.5, 0, 2 * math.pi)
    fill_outline(ctx, look.skin, 1.0)
    if side > 0 and not back:
        hand_item(ctx, pose.item, hand, profile=False)
    return hand


def front_body(ctx, look, pose, back):
    sy = SHOULDER_Y
    top = look.top
    # Arms behind the body when seen from the back are drawn after it.
    if look.kind == "coat":
        smooth_polygon(ctx, [(-10.5, sy + 0.5), (10.5, sy + 0.5), (9, -4), (14.5, 19), (-14.5, 19), (-9, -4)], 0.1)
        fill_outline(ctx, top, 1.3)
        # The coat parts below the belt and shows the trousers.
        polygon(ctx, [(0, 5), (4.5, 19.6), (-4.5, 19.6)])
        paint_colour(ctx, look.legs)
        ctx.fill()
        stroke_line(ctx, [(-4.5, 19), (0, 5), (4.5, 19)], 1.1, OUTLINE)
        if back:
            stroke_line(ctx, [(0, -4), (0, 5)], 0.9, shade(top, 0.7))
            stroke_line(ctx, [(-9.3, -5), (9.3, -5)], 2.6, shade(top, 0.62))
        else:
            # Open coat: shirt, tie, lapels, belt and the badge.
            polygon(ctx, [(-4, sy + 0.5), (4, sy + 0.5), (1.5, -5), (-1.5, -5)])
            fill_outline(ctx, look.shirt, 0.8)
            polygon(ctx, [(-1, sy + 2), (1, sy + 2), (0.8, -7), (0, -5.8), (-0.8, -7)])
            fill_outline(ctx, look.tie, 0.5)
            for side in (-1, 1):
                polygon(ctx, [(side * 4.2, sy), (side * 9.5, sy + 1), (side * 5, sy + 9), (side * 1.6, -5)])
                fill_outline(ctx, shade(top, 0.9), 0.9)
            stroke_line(ctx, [(-9.3, -5), (9.3, -5)], 2.6, shade(top, 0.62))
            ctx.rectangle(-1.8, -6.4, 3.6, 2.8)
            fill_outline(ctx, GOLD, 0.6)
            stroke_line(ctx, [(0, -3.5), (0, 5)], 0.9, shade(top, 0.7))
            if look.badge:
                badge(ctx, -6.2, sy + 8.5, 3.3, pose.glint)
    elif look.kind == "dress":
        dress(ctx, top, [(-7, sy + 1), (7, sy + 1), (5.5, -4), (-5.5, -4)],
              [(-6.2, -6), (6.2, -6), (14, 13), (-14, 13)], [(x * 0.45, x * 1.1) for x in (-8, -3, 3, 8)])
        if not back:
            # Neckline.
            ctx.new_sub_path()
            ctx.arc(0, sy + 0.8, 4.2, 0, math.pi)
            ctx.close_path()
            paint_colour(ctx, look.skin)
            ctx.fill()
    else:
        tux = look.kind == "tux"
        smooth_polygon(ctx, [(-10, sy + 0.5), (10, sy + 0.5), (8.5, -3), (8.5, 3), (-8.5, 3), (-8.5, -3)], 0.22)
        fill_outline(ctx, top, 1.2)
        if back:
            stroke_line(ctx, [(0, -6), (0, 3)], 0.9, shade(top, 0.6))
            if tux:
                for side in (-1, 1):
                    polygon(ctx, [(side * 0.6, 1), (side * 6.5, 1), (side * 5.5, 12), (side * 1.5, 12)])
                    fill_outline(ctx, top, 1.0)
        else:
            polygon(ctx, [(-4.5, sy + 0.5), (4.5, sy + 0.5), (0, -4)])
            fill_outline(ctx, look.shirt, 0.8)
            if look.tie_kind == "tie":
                polygon(ctx, [(-1, sy + 2.3), (1, sy + 2.3), (0.8, -8), (0, -7), (-0.8, -8)])
                fill_outline(ctx, look.tie, 0.5)
            for side in (-1, 1):
                polygon(ctx, [(side * 4.6, sy + 0.5), (side * 8.5, sy + 1.5), (side * 1.2, -4)])
                fill_outline(ctx, shade(top, 0.82), 0.7)
            for y in (-5.5, -1.5):
                ctx.arc(0, y, 0.8, 0, 2 * math.pi)
                paint_colour(ctx, shade(top, 0.5))
                ctx.fill()
        ctx.rectangle(-8.6, -0.8, 17.2, 2.2)
        paint_colour(ctx, shade(top, 0.8))
        ctx.fill()
    ctx.rectangle(-2.3, sy - 4.5, 4.6, 5)
    paint_colour(ctx, look.skin)
    ctx.fill()
    if look.tie_kind == "bow" and not back:
        polygon(ctx, [(-4.2, sy - 1.8), (0, sy), (-4.2, sy + 1.8)])
        fill_outline(ctx, look.tie, 0.5)
        polygon(ctx, [(4.2, sy - 1.8), (0, sy), (4.2, sy + 1.8)])
        fill_outline(ctx, look.tie, 0.5)
    for index, side in enumerate((-1, 1)):
        front_arm(ctx, look, side, pose.arms[index], pose, back)
    front_head(ctx, look, pose, back)
    if look.hair_style == "long" and back:
        long_hair_front(ctx, look, back=True)
    if pose.impact:
        impact_star(ctx, 10, HEAD_Y - 4)


def front_head(ctx, look, pose, back):
    ctx.save()
    ctx.translate(0, HEAD_Y)
    ctx.rotate(math.radians(pose.head_tilt) * 0.5)
    r = HEAD_R + 0.4
    for side in (-1, 1):
        ellipse(ctx, side * r, 0.8, 1.8, 2.6)
        fill_outline(ctx, shade(look.skin, 0.92), 0.8)
    ctx.arc(0, 0, r, 0, 2 * math.pi)
    fill_outline(ctx, look.skin, 1.2)
    hair_on_head(ctx, look, r, lambda: front_hair_path(ctx, look, r, back), [(-5, -7), (0, -7.8), (5, -7)])
    if not back:
        face_front(ctx, look, pose)
    if look.hat:
        front_hat(ctx, look, back)
    ctx.restore()


def front_hair_path(ctx, look, r, back):
    if back:
        ctx.rectangle(-r - 2, -r - 2, 2 * r + 4, r * 2 + (0.5 if look.hair_style == "long" else -2.5))
    elif look.hair_style == "slick":
        ctx.move_to(-r - 2, 0)
        ctx.curve_to(-r, -5, -3, -6, 2, -5.5)
        ctx.curve_to(5, -5.2, r, -4, r + 2, 0)
        ctx.line_to(r + 2, -r - 2)
        ctx.line_to(-r - 2, -r - 2)
        ctx.close_path()
    elif look.hair_style == "long":
        ctx.move_to(-r - 2, 4)
        ctx.curve_to(-r, -4, -4, -6, 0, -5)
        ctx.curve_to(4, -6, r, -4, r + 2, 4)
        ctx.line_to(r + 2, -r - 2)
        ctx.line_to(-r - 2, -r - 2)
        ctx.close_path()
    else:
        ctx.move_to(-r - 2, -1)
        ctx.curve_to(-r, -6.5, r, -6.5, r + 2, -1)
        ctx.line_to(r + 2, -r - 2)
        ctx.line_to(-r - 2, -r - 2)
        ctx.close_path()


def face_front(ctx, look, pose):
    for side in (-1, 1):
        ex, ey = side * 3.4, -0.6
        if pose.eyes == "x":
            for d in (1, -1):
                stroke_line(ctx, [(ex - 1.3, ey - 1.3 * d), (ex + 1.3, ey + 1.3 * d)], 0.9, OUTLINE)
        elif pose.eyes == "closed":
            stroke_line(ctx, [(ex - 1.3, ey), (ex + 1.3, ey)], 0.9, OUTLINE)
        else:
            ctx.arc(ex, ey, 1.25, 0, 2 * math.pi)
            paint_colour(ctx, OUTLINE)
            ctx.fill()
            if look.kind == "dress":
                stroke_line(ctx, [(ex + side * 0.8, ey - 1.2), (ex + side * 2.2, ey - 2.0)], 0.7, OUTLINE)
    if look.moustache:
        for side in (-1, 1):
            ellipse(ctx, side * 2.0, 3.2, 2.3, 1.1, math.radians(side * 12))
            fill_outline(ctx, look.hair, 0.5)
    mouth_colour = hex_colour("b0202a") if look.kind == "dress" else shade(look.skin, 0.45)
    if pose.mouth in ("open", "o"):
        ellipse(ctx, 0, 5.0, 1.8 if pose.mouth == "open" else 1.3, 1.3 if pose.mouth == "open" else 1.7)
        fill_outline(ctx, hex_colour("5a1a1a"), 0.5)
    elif pose.mouth == "smile":
        ctx.arc(0, 3.2, 2.6, math.radians(25), math.radians(155))
        ctx.set_line_width(1.0)
        paint_colour(ctx, mouth_colour)
        ctx.stroke()
    else:
        stroke_line(ctx, [(-1.8, 5.0), (1.8, 5.0)], 1.0, mouth_colour)
    if look.kind == "dress":
        for side in (-1, 1):
            ellipse(ctx, side * 5.2, 2.4, 1.6, 1.0)
            paint_colour(ctx, hex_colour("f08a8a"), 0.7)
            ctx.fill()


def front_hat(ctx, look, back):
    r = HEAD_R
    if look.hat == "cap":
        ctx.move_to(-r - 1.5, -3)
        ctx.curve_to(-r - 2.5, -10, -5, -13, 0, -13)
        ctx.curve_to(5, -13, r + 2.5, -10, r + 1.5, -3)
        ctx.close_path()
        fill_outline(ctx, look.hat_colour, 1.1)
        if not back:
            ctx.move_to(-7, -3.5)
            ctx.curve_to(-4, -0.5, 4, -0.5, 7, -3.5)
            ctx.close_path()
            fill_outline(ctx, shade(look.hat_colour, 0.8), 0.9)
        stroke_line(ctx, [(0, -12.5), (0, -6)], 0.7, look.hat_band)
    else:
        ellipse(ctx, 0, -5.5, r + 6, 2.6)
        fill_outline(ctx, look.hat_colour, 1.1)
        smooth_polygon(ctx, [(-7.5, -5.5), (-6.5, -13), (0, -14.8), (6.5, -13), (7.5, -5.5)], 0.3)
        fill_outline(ctx, look.hat_colour, 1.1)
        stroke_line(ctx, [(0, -14.2), (0, -11)], 1.0, shade(look.hat_colour, 0.6))
        polygon(ctx, [(-7.5, -5.8), (7.5, -5.8), (7.2, -8.2), (-7.2, -8.2)])
        fill_outline(ctx, look.hat_band, 0.5)



def long_hair_front(ctx, look, back):
    ctx.save()
    ctx.translate(0, HEAD_Y)
    if back:
        smooth_polygon(ctx, [(-9.5, -3), (9.5, -3), (10, 14), (0, 17.5), (-10, 14)], 0.35)
    else:
        smooth_polygon(ctx, [(-10.5, -4), (10.5, -4), (11.5, 15), (6, 16), (-6, 16), (-11.5, 15)], 0.35)
    fill_outline(ctx, look.hair, 1.1)
    if back:
        for x in (-4, 0, 4):
            stroke_line(ctx, [(x, 0), (x * 1.2, 14)], 0.7, shade(look.hair, 0.75))
    ctx.restore()


# ---- Things in hand and effects on the figure ----------------------------------------------

def hand_item(ctx, item, hand, profile):
    x, y = hand
    if item == "plate":
        ellipse(ctx, x - (3 if profile else 0), y - 1.5, 7.5, 2.2)
        fill_outline(ctx, hex_colour("f8f6f2"), 0.9)
        ellipse(ctx, x - (3 if profile else 0), y - 2.8, 3.5, 1.6)
        fill_outline(ctx, hex_colour("c8642a"), 0.6)
    elif item == "fork_up":
        stroke_line(ctx, [(x, y), (x - 2.5, y - 6)], 1.1, STEEL)
        ellipse(ctx, x - 2.8, y - 6.8, 1.8, 1.4)
        fill_outline(ctx, hex_colour("c8642a"), 0.5)
    elif item in ("cuffs", "cuffs_closed"):
        gap = 3.0 if item == "cuffs" else 1.6
        for dx in (-gap, gap):
            ctx.arc(x - 4 + dx, y, 2.6, 0, 2 * math.pi)
            ctx.set_line_width(2.6)
            paint_colour(ctx, OUTLINE)
            ctx.stroke_preserve()
            ctx.set_line_width(1.3)
            paint_colour(ctx, STEEL)
            ctx.stroke()
        if item == "cuffs_closed":
            star_path(ctx, x - 4, y - 6, 3.2, 1.2, 4)
            paint_colour(ctx, hex_colour("fff6b0"))
            ctx.fill()


def dress(ctx, colour, bodice, skirt, pleats):
    """Bodice, then a skirt flaring to the knees with a sash at the waist;
    pleats are (x at the waist, x at the hem) pairs."""
    smooth_polygon(ctx, bodice, 0.3)
    fill_outline(ctx, colour, 1.2)
    smooth_polygon(ctx, skirt, 0.08)
    fill_outline(ctx, colour, 1.2)
    stroke_line(ctx, [(skirt[0][0] - 0.3, -5.5), (skirt[1][0] + 0.2, -5.5)], 1.6, shade(colour, 0.7))
    for top, bottom in pleats:
        stroke_line(ctx, [(top, -3), (bottom, 12)], 0.7, shade(colour, 0.8))


def badge(ctx, x, y, size, glinting):
    star_path(ctx, x, y, size, size * 0.46)
    fill_outline(ctx, GOLD, 0.65)
    if glinting:
        glint(ctx, x - 2.4, y - 3)


def glint(ctx, x, y):
    star_path(ctx, x, y, 3.6, 0.7, 4)
    paint_colour(ctx, (1, 1, 0.92))
    ctx.fill()


def impact_star(ctx, x, y):
    star_path(ctx, x, y, 7.5, 3.2, 7, 0.2)
    fill_outline(ctx, hex_colour("ffe14a"), 1.0, edge=hex_colour("d04010"))
    star_path(ctx, x, y, 3.5, 1.6, 7, 0.2)
    paint_colour(ctx, (1, 1, 1))
    ctx.fill()


# ---- The poses of each animation -------------------------------------------------------------

def walk_profile(step, run=False):
    """Four frames: contact, passing, contact with the other leg, passing."""
    if run:
        contact = dict(near_leg=(48, 10), far_leg=(-38, -82), near_arm=(-42, 45), far_arm=(48, 115), lean=14)
        passing = dict(near_leg=(8, -58), far_leg=(55, 10), near_arm=(10, 95), far_arm=(-25, 60), lean=13,
                       hop=2.5)
    else:
        contact = dict(near_leg=(30, 8), far_leg=(-27, -38), near_arm=(-24, -10), far_arm=(26, 42), lean=4)
        passing = dict(near_leg=(2, -6), far_leg=(22, -40), near_arm=(2, 8), far_arm=(0, 8), lean=4)
    pose = dict(contact if step % 2 == 0 else passing)
    if step >= 2:
        pose["near_leg"], pose["far_leg"] = pose["far_leg"], pose["near_leg"]
        pose["near_arm"], pose["far_arm"] = pose["far_arm"], pose["near_arm"]
    return Pose(mouth="open" if run else "smile", dust=run and step % 2 == 0, **pose)


def walk_front(step, run=False):
    """Seen from the front or back: the stepping foot lifts with its knee out
    while the other comes forward, and the arms swing against the legs."""
    lift, near = (9.0, -2.5) if run else (5.5, -2.0)
    arm_fwd = (18, 115, 0.78) if run else (4, 38, 0.8)
    arm_back = (30, 55, 1.0) if run else (15, 6, 1.0)
    passing = (26, 95, 0.9) if run else (9, 12, 1.0)
    sides = [(lift, near), (0.5, 0.5), (near, lift), (0.5, 0.5)][step]
    arms = [(arm_fwd, arm_back), (passing, passing), (arm_back, arm_fwd), (passing, passing)][step]
    return Pose(lift=sides, arms=arms, sway=[-1.2, 0, 1.2, 0][step], hop=(3.0 if run else 1.0) * (step % 2),
                dust=run and step % 2 == 0,
                lean=12 if run else 0, mouth="open" if run else "smile")


def idle_profile(step):
    breathe = [0, 0.4, 0.8, 0.4][step]
    return Pose(hop=-breathe * 0.5, near_arm=(4 + breathe, 10), far_arm=(-4, 6), eyes="closed" if step == 3 else "open")


def idle_front(step):
    breathe = [0, 0.4, 0.8, 0.4][step]
    return Pose(hop=-breathe * 0.5, arms=((8 + breathe, 6, 1.0), (8 + breathe, 6, 1.0)),
                eyes="closed" if step == 3 else "open")


def eat_profile(step):
    up = step % 2 == 1
    return Pose(far_arm=(35, 85), near_arm=(60, 150) if up else (30, 75), item="fork_up" if up else "plate",
                mouth="open" if up else "flat", head_tilt=-4 if up else 0)


def eat_front(step):
    up = step % 2 == 1
    return Pose(arms=((10, 70, 0.9), (25, 150, 0.9) if up else (15, 60, 0.9)), item="fork_up" if up else "plate",
                mouth="open" if up else "flat")


def dance_profile(step):
    frames = [dict(near_arm=(150, 160), far_arm=(-20, 20), near_leg=(20, 0), far_leg=(-6, -6), lean=-6),
              dict(near_arm=(90, 140), far_arm=(60, 120), near_leg=(4, 0), far_leg=(4, -30), hop=2),
              dict(near_arm=(-20, 20), far_arm=(150, 165), near_leg=(-6, -6), far_leg=(20, 0), lean=6),
              dict(near_arm=(60, 120), far_arm=(90, 140), near_leg=(4, -30), far_leg=(4, 0), hop=2)]
    return Pose(mouth="open", **frames[step])


def dance_front(step):
    frames = [dict(arms=((150, 170, 1.0), (20, 40, 1.0)), lift=(0, 4), sway=-3),
              dict(arms=((100, 140, 1.0), (100, 140, 1.0)), lift=(2, 2), hop=2),
              dict(arms=((20, 40, 1.0), (150, 170, 1.0)), lift=(4, 0), sway=3),
              dict(arms=((60, 120, 1.0), (60, 120, 1.0)), lift=(2, 2), hop=2)]
    return Pose(mouth="open", **frames[step])


def punched_profile(step):
    """Reeling from a blow: head snaps back, arms fly up, then recovery."""
    lean = [-16, -22, -12, -4][step]
    return Pose(lean=lean, head_tilt=lean, near_arm=(-30, 40) if step < 2 else (0, 20),
                far_arm=(-50, 10) if step < 2 else (-10, 10), near_leg=(14, 10), far_leg=(-8, -4),
                mouth="o", eyes="closed" if step < 2 else "open", impact=step == 0)


def punched_front(step):
    return Pose(hop=[1, 2, 1, 0][step], arms=((60, 120, 1.0), (60, 120, 1.0)) if step < 2 else ((20, 30, 1.0),) * 2,
                head_tilt=[-14, 14, -6, 0][step], mouth="o", eyes="closed" if step < 2 else "open",
                impact=step == 0, sway=[-2, 2, -1, 0][step])


def arrest_profile(step):
    arms = [((40, 60), (20, 40)), ((75, 85), (55, 75)), ((82, 90), (70, 85)), ((82, 90), (70, 85))][step]
    return Pose(near_arm=arms[0], far_arm=arms[1], lean=[2, 6, 8, 8][step], near_leg=(14, 4), far_leg=(-10, -10),
                item="cuffs_closed" if step >= 2 else "cuffs", mouth="flat")


def arrest_front(step):
    arms = [((20, 60, 0.9), (20, 60, 0.9)), ((25, 95, 0.75), (25, 95, 0.75)),
            ((28, 110, 0.7), (28, 110, 0.7)), ((28, 110, 0.7), (28, 110, 0.7))][step]
    return Pose(arms=arms, item="cuffs_closed" if step >= 2 else "cuffs", mouth="flat")


def death_profile(step):
    fall = [0, 8, 45, 80, 90][step]
    knees = [(0, 0), (22, -10), (14, -4), (4, 0), (0, 0)][step]
    return Pose(fall=fall, near_leg=knees, far_leg=(knees[0] * 0.6, knees[1]),
                near_arm=(40, 120) if step < 2 else (-30, -10),
                far_arm=(30, 110) if step < 2 else (-60, -40), head_tilt=[10, 14, -6, -10, -10][step],
                mouth="o" if step < 3 else "open", eyes="x" if step >= 3 else "closed")


# ---- Sheets ---------------------------------------------------------------------------------

def frames_of(look, view, poses):
    def figure(ctx, pose):
        if view == "Left":
            draw_profile(ctx, look, pose, shadow=False)
        else:
            draw_front(ctx, look, pose, back=view == "Up", shadow=False)

    def drawer(index, pose):
        def draw(ctx):
            ground_shadow(ctx, pose.fall)
            if pose.dust:
                behind = [(70, GROUND - 2, 3.2), (77, GROUND - 5, 2.4), (82, GROUND - 1, 1.8)]
                sides = [(30, GROUND - 1, 2.8), (66, GROUND - 1, 2.8), (25, GROUND - 4, 1.8), (71, GROUND - 4, 1.8)]
                dust_puffs(ctx, behind if view == "Left" else sides)
            if not look.rim:
                figure(ctx, pose)
                return
            # Draw the figure apart, then lay a light ring around its shape first.
            alone = cairo.ImageSurface(cairo.FORMAT_ARGB32, CELL, CELL)
            figure(context(alone), replace(pose, glint=index % 2 == 0))
            paint_colour(ctx, hex_colour("fff4d0"), 0.85)
            for step in range(12):
                angle = step * math.pi / 6
                ctx.mask_surface(alone, 1.7 * math.cos(angle), 1.7 * math.sin(angle))
            ctx.set_source_surface(alone, 0, 0)
            ctx.paint()
        return draw
    return [drawer(index, pose) for index, pose in enumerate(poses)]


MOVES = {
    "Idle": (idle_profile, idle_front),
    "Walk": (lambda s: walk_profile(s), lambda s: walk_front(s)),
    "Run": (lambda s: walk_profile(s, run=True), lambda s: walk_front(s, run=True)),
    "Eat": (eat_profile, eat_front),
    "Dance": (dance_profile, dance_front),
    "Punch": (punched_profile, punched_front),
    "Arrest": (arrest_profile, arrest_front),
}

GUEST_MOVES = ["Idle", "Walk", "Run", "Eat", "Dance", "Punch"]
DETECTIVE_MOVES = ["Idle", "Walk", "Run", "Arrest"]


def character_animations(name):
    look = LOOKS[name]
    moves = DETECTIVE_MOVES if name == "Detective" else GUEST_MOVES
    animations = []
    for move in moves:
        profile, front = MOVES[move]
        for view in ("Left", "Up", "Down"):
            make = profile if view == "Left" else front
            animations.append(Animation(move + view, CELL, CELL, frames_of(look, view, [make(s) for s in range(4)])))
    animations.append(Animation("Death", CELL, CELL, frames_of(look, "Left", [death_profile(s) for s in range(5)])))
    return animations


