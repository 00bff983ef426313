"""Pictures of the lane objects for the harness scripts: simple top-down shapes on magenta,
every frame of an animation one under another, as the sprite catalogue reads them."""
import math
import os
import struct

MAGENTA = (255, 0, 255)


def replace_picture(name):
    """Removes the game's own files of NAME, so that the fixture's picture stands alone."""
    for other in (name + ".jpg", name + "Alpha.bmp", name + "Alpha.jpg"):
        if os.path.exists("data/" + other):
            os.remove("data/" + other)


def write_bmp(name, width, height, pixel_at):
    """data/NAME.bmp, 24 bits; pixel_at(x, y) gives (r, g, b) with y downward."""
    replace_picture(name)
    rows = []
    for y in reversed(range(height)):
        rows.append(b"".join(bytes(reversed(pixel_at(x, y))) for x in range(width)))
    pad = b"\0" * (-width * 3 % 4)
    pixels = b"".join(r + pad for r in rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open("data/%s.bmp" % name, "wb") as f:
        f.write(header + info + pixels)


def write_grey_bmp(name, width, height, level_at):
    """data/NAME.bmp, 8 bits with a grey palette; level_at(x, y) gives 0 ... 255."""
    replace_picture(name)
    pad = b"\0" * (-width % 4)
    pixels = b"".join(bytes(level_at(x, y) for x in range(width)) + pad
                      for y in reversed(range(height)))
    palette = b"".join(bytes((g, g, g, 0)) for g in range(256))
    offset = 54 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels), 2835, 2835, 256, 0)
    with open("data/%s.bmp" % name, "wb") as f:
        f.write(header + info + palette + pixels)


def rrect(x0, y0, x1, y1, r):
    def inside(x, y):
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return x0 <= x <= x1 and y0 <= y <= y1 and (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def star(cx, cy, outer, inner, turn=0.0):
    points = []
    for i in range(10):
        a = turn + math.pi / 2 + i * math.pi / 5
        r = outer if i % 2 == 0 else inner
        points.append((cx + r * math.cos(a), cy - r * math.sin(a)))

    def inside(x, y):
        hit = False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                hit = not hit
        return hit
    return inside


def shade(rgb, f):
    return tuple(max(0, min(255, int(c * f))) for c in rgb)


def picture(width, height, layers, background=MAGENTA):
    """layers: (shape, colour) pairs, the last on top."""
    def pixel(x, y):
        for shape, colour in reversed(layers):
            if shape(x + 0.5, y + 0.5):
                return colour
        return background
    return pixel


def car(w, body, open_top):
    wheels = [(rrect(x, y, x + 18, y + 8, 3), (25, 25, 25))
              for x in (14, w - 34) for y in (6, 46)]
    layers = wheels + [
        (rrect(4, 11, w - 4, 49, 12), body),
        (rrect(w - 16, 15, w - 6, 45, 5), shade(body, 1.25)),         # bonnet
        (rrect(w - 42, 15, w - 30, 45, 4), (90, 140, 190)),            # windscreen
    ]
    if open_top:
        layers += [(rrect(22, 17, w - 46, 43, 6), (110, 70, 40)),      # seats
                   (rrect(30, 20, 44, 29, 3), (150, 100, 60)),
                   (rrect(30, 31, 44, 40, 3), (150, 100, 60))]
    else:
        layers += [(rrect(18, 15, w - 44, 45, 8), shade(body, 0.8)),  # roof
                   (rrect(12, 18, 20, 42, 3), (90, 140, 190))]         # rear window
    return layers


def truck(cargo, mark):
    w = 200
    layers = [(rrect(x, y, x + 20, y + 7, 3), (25, 25, 25)) for x in (20, 60, 150) for y in (5, 48)]
    layers += [
        (rrect(4, 10, 146, 50, 5), cargo),
        (rrect(8, 14, 142, 46, 3), shade(cargo, 1.15)),
        (rrect(150, 12, w - 4, 48, 10), (200, 200, 210)),               # cab
        (rrect(w - 22, 15, w - 12, 45, 4), (90, 140, 190)),             # windscreen
    ] + mark
    return layers


def truck_marks():
    grey = (150, 150, 150)
    return {
        "truckgarbagedrive": truck((60, 130, 60), [(rrect(20 + 24 * i, 18, 36 + 24 * i, 42, 2),
                                                    (40, 95, 40)) for i in range(5)]),
        "truckchezfreddrive": truck((150, 60, 150), [(ellipse(75, 30, 20, 14), (240, 200, 80)),
                                                     (ellipse(68, 27, 4, 3), (200, 40, 40)),
                                                     (ellipse(82, 33, 4, 3), (200, 40, 40))]),
        "truckelectricdrive": truck((50, 170, 200), [(lambda x, y: abs((x - 75) + (y - 30) * 0.8) < 6
                                                      and 14 < y < 46, (250, 230, 60))]),
        "truckaquariumdrive": truck((60, 120, 210), [(ellipse(40 + 30 * i, 22 + 10 * (i % 2), 7, 4),
                                                      (250, 150, 40)) for i in range(4)]),
        "truckcementmixerdrive": truck((120, 120, 120), [(ellipse(75, 30, 62, 17), grey),
                                                         (lambda x, y: ellipse(75, 30, 62, 17)(x, y)
                                                          and int(x) % 16 < 5, (100, 100, 100))]),
    }


def river_looks():
    bark = (110, 70, 35)
    return {
        "trunkswimming": (220, [(rrect(3, 12, 217, 48, 17), bark),
                                (lambda x, y: rrect(3, 12, 217, 48, 17)(x, y) and int(y) % 9 == 0,
                                 shade(bark, 0.7)),
                                (ellipse(204, 30, 11, 17), (200, 160, 100)),
                                (ellipse(204, 30, 6, 10), (170, 125, 70))]),
        "barrelswimming": (60, [(ellipse(30, 30, 26, 26), (150, 95, 45)),
                                (lambda x, y: 20 < math.hypot(x - 30, y - 30) < 23, (70, 70, 70)),
                                (lambda x, y: 10 < math.hypot(x - 30, y - 30) < 12, (70, 70, 70)),
                                (ellipse(30, 30, 5, 5), (60, 40, 20))]),
        "hipposwimming": (150, [(ellipse(62, 30, 58, 24), (120, 110, 150)),
                                (ellipse(125, 30, 22, 17), (135, 125, 165)),
                                (ellipse(112, 14, 5, 4), (100, 90, 130)),
                                (ellipse(112, 46, 5, 4), (100, 90, 130)),
                                (ellipse(126, 21, 3, 3), (20, 20, 20)),
                                (ellipse(126, 39, 3, 3), (20, 20, 20)),
                                (ellipse(143, 24, 2, 2), (60, 50, 80)),
                                (ellipse(143, 36, 2, 2), (60, 50, 80))]),
        "waterlilyswimming": (70, [(lambda x, y: ellipse(35, 30, 32, 27)(x, y)
                                    and not (x > 35 and abs(y - 30) < (x - 35) * 0.35), (50, 160, 70)),
                                   (lambda x, y: ellipse(35, 30, 32, 27)(x, y) and
                                    (abs(y - 30) < 1.5 or abs((x - 35) + (y - 30)) < 1.5
                                     or abs((x - 35) - (y - 30)) < 1.5) and x < 35, (90, 200, 110))]),
        "boxswimming": (60, [(rrect(5, 5, 55, 55, 3), (190, 150, 90)),
                             (lambda x, y: int(y) % 12 == 5, (140, 100, 55)),
                             (lambda x, y: abs(x - y) < 2 or abs(x + y - 60) < 2, (150, 110, 60)),
                             (rrect(5, 5, 55, 7, 1), (120, 85, 45)),
                             (rrect(5, 53, 55, 55, 1), (120, 85, 45))]),
    }


def write_lane_pictures():
    """Writes every lane picture and returns the configuration lines of their animations."""
    config = []

    def animation(name, frames, width, height, layers_of_frame):
        config.append("%sInterval 1" % name)
        def pixel(x, y):
            return picture(width, height, layers_of_frame(y // height))(x, y % height)
        write_bmp(name, width, height * frames, pixel)

    cars = [("ragtopopendrive", 6, 110, car(110, (200, 50, 50), True)),
            ("ragtopcloseddrive", 3, 110, car(110, (230, 140, 40), False)),
            ("smallcardrive", 3, 100, car(100, (230, 205, 50), False))]
    for name, frames, w, layers in cars:
        animation(name, frames, w, 60, lambda f, layers=layers: layers)
    kill_frames = {"garbage": 6, "chezfred": 9, "aquarium": 45, "cementmixer": 14, "electric": 31}
    for name, layers in truck_marks().items():
        animation(name, 3 if "aquarium" not in name else 5, 200, 60, lambda f, layers=layers: layers)
        # The kill: the cargo flashes red as the truck does its work.
        kind = name[len("truck"):-len("drive")]
        animation("truck%skill" % kind, kill_frames[kind], 200, 60,
                  lambda f, layers=layers: layers + [(rrect(30, 20, 120, 40, 4), (230, 40, 40))])
    frames = {"trunkswimming": 9, "barrelswimming": 8, "hipposwimming": 8,
              "waterlilyswimming": 1, "boxswimming": 7}
    for name, (w, layers) in river_looks().items():
        animation(name, frames[name], w, 60, lambda f, layers=layers: layers)
    # The star turns a little from frame to frame.
    animation("startruck", 30, 32, 32,
              lambda f: [(star(16, 16, 14, 6, f * math.pi / 75), (250, 215, 40)),
                         (star(16, 16, 8, 3.5, f * math.pi / 75), (255, 245, 150))])
    # Shadows darken under every non-black pixel.
    for name, w in (("shadowragtop", 110), ("shadowsmallcar", 100), ("shadowtruck", 200)):
        body = rrect(4, 10, w - 4, 50, 12)
        write_grey_bmp(name, w, 60, lambda x, y, body=body: 255 if body(x + 0.5, y + 0.5) else 0)
    write_bmp("waterlilygoal", 80, 80, picture(80, 80, [
        (ellipse(40, 40, 36, 33), (40, 150, 60)),
        (ellipse(40, 40, 30, 27), (60, 180, 80)),
        (star(40, 40, 14, 7), (240, 130, 190)),
        (ellipse(40, 40, 5, 5), (250, 220, 80))]))
    return config + write_frog_pictures()


# The frog's animations with their frame counts as the game's catalogue lists them.
FROG_ANIMATIONS = {
    "frogidle": 10, "frogmoveup": 24, "frogmoveuptruckup": 22, "frogmoveuptruckdown": 22,
    "frogmovedown": 25, "frogmovedowntruckdown": 22, "frogmoveleft": 18, "frogmoveright": 19,
    "frogrocketjump": 27, "frogrocketjumpboarding": 27, "frogcatchinsect": 25,
    "frogpierced": 29, "frogfinish": 22, "frogknockedover": 3, "frogdrown": 23,
    "frogkilltruckleft": 22, "frogkilltruckright": 22, "frogkillboxdrown": 20,
    "frogkillboxhammer": 20, "frogkillboxredbutton": 24, "frogkillboxbomb": 14,
    "frogkillpiranha": 16, "frogshowdownwait": 1, "frogleg": 13, "hammerdown": 16,
    "explosion": 14,
}
# A colour per kind of animation, so that a screenshot tells the frog's state.
FROG_TINTS = {"idle": (70, 190, 60), "move": (120, 220, 60), "rocket": (250, 200, 40),
              "kill": (200, 60, 60), "knocked": (150, 40, 40), "drown": (60, 90, 200)}


def frog_tint(name):
    for key, tint in FROG_TINTS.items():
        if key in name:
            return tint
    return (70, 190, 60)


def write_frog_pictures(seconds=0.5):
    """A 40 x 40 frog seen from above for every frame of every frog animation, tinted by kind;
    returns the configuration lines: each animation lasts `seconds`, the frog is 40 units."""
    config = ["frogObjectWidth 40", "frogObjectHeight 40"]
    for name, frames in FROG_ANIMATIONS.items():
        config.append("%sInterval %s" % (name, seconds))
        body = frog_tint(name)
        layers = [(ellipse(9, 9, 6, 5), shade(body, 0.7)), (ellipse(31, 9, 6, 5), shade(body, 0.7)),
                  (ellipse(9, 32, 7, 6), shade(body, 0.7)), (ellipse(31, 32, 7, 6), shade(body, 0.7)),
                  (ellipse(20, 21, 13, 15), body),
                  (ellipse(14, 10, 4, 4), (250, 250, 250)), (ellipse(26, 10, 4, 4), (250, 250, 250)),
                  (ellipse(14, 10, 2, 2), (20, 20, 20)), (ellipse(26, 10, 2, 2), (20, 20, 20))]
        write_bmp(name, 40, 40 * frames, lambda x, y, layers=layers: picture(40, 40, layers)(x, y % 40))
    return config


def write_background(width, height, kinds):
    """data/backgroundworld00.bmp: kinds[row] is 'road', 'river' or 'grass' for each 75-unit
    row from the bottom."""
    def pixel(x, y):
        wy = height - 1 - y
        row, within = divmod(wy, 75)
        kind = kinds[row] if row < len(kinds) else "grass"
        above = kinds[row + 1] if row + 1 < len(kinds) else "grass"
        if kind == "road":
            if within == 74 and above == "road" and (x // 30) % 2 == 0:
                return (225, 225, 225)
            return (85, 85, 92) if (x * 7 + wy * 13) % 23 else (95, 95, 100)
        if kind == "river":
            wave = math.sin(x / 18.0 + row * 1.7) * 3
            return (70, 130, 210) if abs(within - 37 - wave) < 2 else (45, 100, 190)
        return (70, 150, 70) if (x * 3 + wy * 5) % 11 else (85, 165, 80)
    write_bmp("backgroundworld00", width, height, pixel)
