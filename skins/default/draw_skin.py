#!/usr/bin/env python3
"""Draws a skin's pictures and writes its INI text.

Both skins of the program come from here, so that their pieces always sit
where their INI text says:

    draw_skin.py modern  skins/default          # the default skin
    draw_skin.py ember   examples/skins/dbskin  # the example skin

Only the standard library is used; the pictures are 24-bit BMP files. Every
piece that the engine repeats to fill a larger control is uniform along the
direction it is repeated in, so no seams show at any size.
"""

import math
import os
import struct
import sys


# ---------------------------------------------------------------- themes --

THEMES = {
    "modern": {
        "name": "Modern",
        "comments": "A calm light skin with a blue caption bar.",
        "window": (243, 245, 248),
        "panel": (247, 248, 250),
        "panel_border": (218, 223, 230),
        "caption_top": (52, 116, 226),
        "caption_bottom": (36, 92, 196),
        "caption_text": (255, 255, 255),
        # An inactive frame is the active one brightened, so its caption
        # text is dark enough to read on the paler bar.
        "caption_text_inactive": (26, 60, 130),
        "inactive_effect": "iebrightness",
        "caption_hover": (255, 255, 255, 40),
        "caption_down": (0, 0, 0, 40),
        "close_hover": (225, 50, 50),
        "frame_border": (36, 92, 196),
        "accent": (47, 111, 222),
        "accent_light": (232, 240, 254),
        "text": (31, 41, 51),
        "text_muted": (112, 121, 133),
        "text_disabled": (164, 171, 181),
        "button_top": (255, 255, 255),
        "button_bottom": (238, 241, 245),
        "button_border": (197, 204, 214),
        "button_hover_top": (246, 250, 255),
        "button_hover_bottom": (229, 238, 253),
        "button_down_top": (214, 228, 251),
        "button_down_bottom": (222, 233, 252),
        "button_disabled": (241, 243, 246),
        "button_disabled_border": (221, 225, 230),
        "field": (255, 255, 255),
        "field_border": (197, 204, 214),
        "field_disabled": (243, 244, 246),
        "track": (232, 236, 241),
        "thumb": (190, 198, 209),
        "thumb_hover": (166, 176, 190),
        "glyph": (90, 100, 114),
        "header_top": (248, 249, 251),
        "header_bottom": (236, 239, 243),
        "group_caption": (228, 236, 249),
        "tab": (228, 232, 238),
        "tab_hover": (238, 242, 248),
        "menu": (255, 255, 255),
        "menu_border": (196, 203, 213),
        "menu_highlight": (226, 236, 253),
        "hint": (43, 49, 58),
        "hint_text": (245, 247, 250),
        "bevel_light": (255, 255, 255),
        "bevel_dark": (208, 214, 222),
    },
    "ember": {
        "name": "Ember",
        "comments": "A dark skin with warm amber accents.",
        "window": (30, 33, 39),
        "panel": (37, 41, 48),
        "panel_border": (58, 63, 72),
        "caption_top": (24, 26, 31),
        "caption_bottom": (18, 20, 24),
        "caption_text": (245, 176, 65),
        # A dark frame dims when inactive; brightened, its bar would turn the
        # grey of the inactive caption text.
        "caption_text_inactive": (140, 132, 120),
        "inactive_effect": "iedarkness",
        "caption_hover": (255, 255, 255, 30),
        "caption_down": (255, 255, 255, 14),
        "close_hover": (200, 64, 44),
        "frame_border": (18, 20, 24),
        "accent": (240, 160, 48),
        "accent_light": (74, 60, 38),
        "text": (230, 232, 235),
        "text_muted": (160, 165, 172),
        "text_disabled": (105, 110, 118),
        "button_top": (62, 67, 77),
        "button_bottom": (50, 54, 63),
        "button_border": (78, 84, 96),
        "button_hover_top": (74, 70, 62),
        "button_hover_bottom": (62, 58, 52),
        "button_down_top": (110, 82, 40),
        "button_down_bottom": (96, 72, 36),
        "button_disabled": (44, 47, 54),
        "button_disabled_border": (56, 60, 68),
        "field": (24, 27, 32),
        "field_border": (70, 76, 87),
        "field_disabled": (36, 39, 45),
        "track": (30, 33, 39),
        "thumb": (78, 84, 96),
        "thumb_hover": (98, 104, 116),
        "glyph": (190, 195, 202),
        "header_top": (48, 52, 60),
        "header_bottom": (42, 46, 53),
        "group_caption": (50, 46, 40),
        "tab": (44, 48, 56),
        "tab_hover": (54, 58, 67),
        "menu": (40, 44, 51),
        "menu_border": (70, 76, 87),
        "menu_highlight": (88, 68, 38),
        "hint": (245, 176, 65),
        "hint_text": (24, 26, 31),
        "bevel_light": (62, 67, 77),
        "bevel_dark": (20, 22, 26),
    },
}


# --------------------------------------------------------------- drawing --

def mix(a, b, t):
    """Colour a blended towards colour b by t (0..1)."""
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def over(base, rgba):
    """An RGBA colour laid over an RGB one."""
    return mix(base, rgba[:3], rgba[3] / 255)


class Canvas:
    def __init__(self, width, height, colour=(255, 0, 255)):
        self.width = width
        self.height = height
        self.pixels = [[colour] * width for _ in range(height)]

    def get(self, x, y):
        return self.pixels[y][x]

    def put(self, x, y, colour, coverage=1.0):
        if 0 <= x < self.width and 0 <= y < self.height and coverage > 0:
            self.pixels[y][x] = mix(self.pixels[y][x], colour, min(1.0, coverage))

    def fill(self, x, y, w, h, colour):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.put(xx, yy, colour)

    def gradient(self, x, y, w, h, top, bottom, flat=None):
        """Vertical gradient. With `flat` (first, end) the rows in between hold
        the middle colour, and the gradient runs only above and below them:
        a piece whose edges are repeated downwards then shows no bands."""
        if flat is None:
            for yy in range(h):
                self.fill(x, y + yy, w, 1, mix(top, bottom, yy / max(1, h - 1)))
            return
        first, end = flat
        middle = mix(top, bottom, 0.5)
        for yy in range(h):
            if yy < first:
                colour = mix(top, middle, yy / max(1, first))
            elif yy < end:
                colour = middle
            else:
                colour = mix(middle, bottom, (yy - end + 1) / max(1, h - end))
            self.fill(x, y + yy, w, 1, colour)

    def rounded(self, x, y, w, h, r, colour, corners="tl tr bl br"):
        """A filled rectangle with anti-aliased rounded corners."""
        for yy in range(h):
            for xx in range(w):
                cx = cy = None
                if xx < r and yy < r and "tl" in corners:
                    cx, cy = r, r
                elif xx >= w - r and yy < r and "tr" in corners:
                    cx, cy = w - r, r
                elif xx < r and yy >= h - r and "bl" in corners:
                    cx, cy = r, h - r
                elif xx >= w - r and yy >= h - r and "br" in corners:
                    cx, cy = w - r, h - r
                if cx is None:
                    self.put(x + xx, y + yy, colour)
                    continue
                d = math.hypot(xx + 0.5 - cx, yy + 0.5 - cy)
                self.put(x + xx, y + yy, colour, r - d + 0.5)

    def box(self, x, y, w, h, r, border, fill_top, fill_bottom=None, corners="tl tr bl br", flat=None):
        """A rounded box with a one-pixel border and a vertical gradient;
        `flat` as for gradient, in the box's own rows."""
        fill_bottom = fill_bottom or fill_top
        self.rounded(x, y, w, h, r, border, corners)
        inner = Canvas(w - 2, h - 2)
        inner.gradient(0, 0, w - 2, h - 2, fill_top, fill_bottom,
                       flat and (flat[0] - 1, flat[1] - 1))
        mask = Canvas(w - 2, h - 2, (0, 0, 0))
        mask.rounded(0, 0, w - 2, h - 2, max(0, r - 1), (255, 255, 255), corners)
        for yy in range(h - 2):
            for xx in range(w - 2):
                self.put(x + 1 + xx, y + 1 + yy, inner.get(xx, yy), mask.get(xx, yy)[0] / 255)

    def frame(self, x, y, w, h, colour):
        self.fill(x, y, w, 1, colour)
        self.fill(x, y + h - 1, w, 1, colour)
        self.fill(x, y, 1, h, colour)
        self.fill(x + w - 1, y, 1, h, colour)

    def line(self, x0, y0, x1, y1, width, colour):
        """An anti-aliased line of the given width, in pixel-centre units."""
        half = width / 2
        for yy in range(int(min(y0, y1) - width - 1), int(max(y0, y1) + width + 2)):
            for xx in range(int(min(x0, x1) - width - 1), int(max(x0, x1) + width + 2)):
                px, py = xx + 0.5, yy + 0.5
                dx, dy = x1 - x0, y1 - y0
                length = dx * dx + dy * dy
                t = 0 if length == 0 else max(0, min(1, ((px - x0) * dx + (py - y0) * dy) / length))
                d = math.hypot(px - (x0 + t * dx), py - (y0 + t * dy))
                self.put(xx, yy, colour, half - d + 0.5)

    def save(self, path):
        stride = (self.width * 3 + 3) & ~3
        size = 54 + stride * self.height
        out = bytearray(b"BM" + struct.pack("<IHHI", size, 0, 0, 54))
        out += struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0,
                           stride * self.height, 2835, 2835, 0, 0)
        for row in reversed(self.pixels):
            line = bytearray()
            for r, g, b in row:
                line += bytes((b, g, r))
            out += line + b"\0" * (stride - len(line))
        with open(path, "wb") as f:
            f.write(out)


# ------------------------------------------------------------ INI values --

def colour(rgb):
    """A colour as the skin's INI text writes it: 0x00BBGGRR in decimal."""
    r, g, b = rgb
    return str(r | g << 8 | b << 16)


def rect(x, y, w, h):
    return f"{x},{y},{x + w},{y + h}"


def point(x, y):
    return f"{x},{y}"


class Ini:
    def __init__(self):
        self.sections = []

    def section(self, name, **keys):
        self.sections.append((name, keys))

    def text(self):
        lines = []
        for name, keys in self.sections:
            lines.append(f"[{name}]")
            lines += [f"{k}={v}" for k, v in keys.items()]
            lines.append("")
        return "\r\n".join(lines)


def nine_piece(w, h, left, top, right, bottom):
    """Corner points and client rectangle of a piece w x h whose borders are
    left, top, right and bottom pixels wide."""
    return {
        "lefttoppoint": point(left, top),
        "righttoppoint": point(w - right, top),
        "leftbottompoint": point(left, h - bottom),
        "rightbottompoint": point(w - right, h - bottom),
        "clientrect": rect(left, top, w - left - right, h - top - bottom),
    }


def font(name="Arial", height=14, style="", rgb=(0, 0, 0), prefix=""):
    return {f"{prefix}fontname": name, f"{prefix}fontheight": height,
            f"{prefix}fontstyle": style, f"{prefix}fontcolor": colour(rgb)}


# ------------------------------------------------------------ the frame --

FRAME_W, FRAME_H = 200, 120
CAPTION_H = 32
BORDER = 4
CAPTION_BUTTON_W, CAPTION_BUTTON_H = 30, 24
CAPTION_BUTTON_Y = 4
CORNER_RADIUS = 7


def caption_colour(t, y):
    return mix(t["caption_top"], t["caption_bottom"], y / (CAPTION_H - 1))


def draw_frame(t):
    frame = Canvas(FRAME_W, FRAME_H)
    for y in range(CAPTION_H):
        frame.fill(0, y, FRAME_W, 1, caption_colour(t, y))
    frame.fill(0, CAPTION_H, FRAME_W, FRAME_H - CAPTION_H, t["frame_border"])
    frame.fill(BORDER, CAPTION_H, FRAME_W - 2 * BORDER, FRAME_H - CAPTION_H - BORDER, t["window"])
    # A faint light line under the caption separates it from the window.
    frame.fill(BORDER, CAPTION_H, FRAME_W - 2 * BORDER, 1, mix(t["window"], t["frame_border"], 0.35))
    # The system menu glyph: a small rounded tile in the caption's text colour.
    frame.rounded(10, 9, 14, 14, 3, t["caption_text"])
    frame.rounded(13, 12, 8, 8, 2, caption_colour(t, 15))
    frame.fill(15, 14, 4, 4, t["caption_text"])

    mask = Canvas(FRAME_W, FRAME_H, (0, 0, 0))
    for y in range(CORNER_RADIUS):
        for x in range(CORNER_RADIUS):
            d = math.hypot(x + 0.5 - CORNER_RADIUS, y + 0.5 - CORNER_RADIUS)
            if d > CORNER_RADIUS:
                for xx in (x, FRAME_W - 1 - x):
                    mask.put(xx, y, (255, 255, 255))
    return frame, mask


def draw_popup(t):
    """The popup menu's window: a border around the menu colour."""
    popup = Canvas(48, 48, t["menu_border"])
    popup.fill(1, 1, 46, 46, t["menu"])
    return popup


def draw_hint(t):
    """The hint window, rounded, in its own colour; and its mask, which cuts
    the window's corners away where the picture shows the window colour."""
    hint = Canvas(32, 24, t["window"])
    hint.rounded(0, 0, 32, 24, 5, t["hint"])
    mask = Canvas(32, 24, (255, 255, 255))
    coverage = Canvas(32, 24, (0, 0, 0))
    coverage.rounded(0, 0, 32, 24, 5, (255, 255, 255))
    for y in range(24):
        for x in range(32):
            if coverage.get(x, y)[0] >= 128:
                mask.put(x, y, (0, 0, 0))
    return hint, mask


# ------------------------------------------------------- the controls --

ATLAS_W, ATLAS_H = 256, 288
BUTTON_EDGE = 6  # the corner pieces of buttons, in pixels
HEADER_EDGE = 4  # the same for column headers


class Atlas:
    """The active picture that holds every control piece."""

    def __init__(self, t):
        self.t = t
        self.canvas = Canvas(ATLAS_W, ATLAS_H, t["window"])

    def button_states(self, x, y, w, h, on):
        t = self.t
        c = self.canvas
        c.fill(x, y, w * 4, h, on)
        flat = (BUTTON_EDGE, h - BUTTON_EDGE)
        c.box(x, y, w, h, 4, t["button_border"], t["button_top"], t["button_bottom"], flat=flat)
        c.box(x + w, y, w, h, 4, t["accent"], t["button_hover_top"], t["button_hover_bottom"], flat=flat)
        c.box(x + 2 * w, y, w, h, 4, t["accent"], t["button_down_top"], t["button_down_bottom"], flat=flat)
        c.box(x + 3 * w, y, w, h, 4, t["button_disabled_border"], t["button_disabled"])
        return [(x + i * w, y, w, h) for i in range(4)]

    def field(self, x, y, w, h, border, fill, on):
        self.canvas.fill(x, y, w, h, on)
        self.canvas.box(x, y, w, h, 3, border, fill)
        return (x, y, w, h)

    def arrow(self, cx, cy, direction, rgb, size=3.0):
        """A chevron pointing up, down, left or right around (cx, cy)."""
        s = size
        points = {
            "down": ((cx - s, cy - s / 2), (cx, cy + s / 2), (cx + s, cy - s / 2)),
            "up": ((cx - s, cy + s / 2), (cx, cy - s / 2), (cx + s, cy + s / 2)),
            "left": ((cx + s / 2, cy - s), (cx - s / 2, cy), (cx + s / 2, cy + s)),
            "right": ((cx - s / 2, cy - s), (cx + s / 2, cy), (cx - s / 2, cy + s)),
        }[direction]
        self.canvas.line(*points[0], *points[1], 1.6, rgb)
        self.canvas.line(*points[1], *points[2], 1.6, rgb)

    def drop_button(self, x, y, w, h, fill, rgb):
        """The drop-down part at the right of an edit field or list."""
        c = self.canvas
        c.fill(x, y, w, h, self.t["field"])
        c.fill(x, y + 1, w - 1, h - 2, fill)
        c.fill(x, y + 4, 1, h - 8, self.t["field_border"])
        self.arrow(x + w / 2, y + h / 2, "down", rgb)
        return (x, y, w, h)

    def check(self, x, y, checked, border, fill, mark):
        c = self.canvas
        c.fill(x, y, 16, 16, self.t["window"])
        c.box(x + 1, y + 1, 14, 14, 3, border, fill)
        if checked:
            c.line(x + 4.5, y + 8.2, x + 7, y + 10.8, 1.8, mark)
            c.line(x + 7, y + 10.8, x + 11.8, y + 5.2, 1.8, mark)
        return (x, y, 16, 16)

    def scroll_button(self, x, y, direction, fill, rgb):
        c = self.canvas
        c.fill(x, y, 16, 16, self.t["track"])
        if fill is not None:
            c.rounded(x + 1, y + 1, 14, 14, 3, fill)
        self.arrow(x + 8, y + 8, direction, rgb, 2.6)
        return (x, y, 16, 16)

    def thumb(self, x, y, w, h, fill, vertical):
        c = self.canvas
        c.fill(x, y, w, h, self.t["track"])
        if vertical:
            c.rounded(x + 4, y + 1, w - 8, h - 2, 4, fill)
        else:
            c.rounded(x + 1, y + 4, w - 2, h - 8, 4, fill)
        return (x, y, w, h)


def draw_atlas(t):
    a = Atlas(t)
    c = a.canvas
    e = {}  # every piece's rectangle, by name

    # Buttons on panels: four states, 48 x 22.
    e["button"] = a.button_states(0, 0, 48, 22, t["panel"])
    # Column headers of the lists: normal, hot, pressed; 32 x 22.
    for i, (top, bottom) in enumerate([(t["header_top"], t["header_bottom"]),
                                       (t["button_hover_top"], t["button_hover_bottom"]),
                                       (t["button_down_top"], t["button_down_bottom"])]):
        x = 192 + (i % 2) * 32
        y = (i // 2) * 22
        c.gradient(x, y, 32, 22, top, bottom, flat=(HEADER_EDGE, 22 - HEADER_EDGE))
        c.fill(x, y + 21, 32, 1, t["panel_border"])
        c.fill(x + 31, y + 4, 1, 14, t["panel_border"])
        e.setdefault("header", []).append((x, y, 32, 22))

    # Edit fields: normal, focused, disabled; 40 x 22; and the drop-down
    # button of combo and date fields in four states, 18 x 22.
    e["edit"] = [a.field(0, 24, 40, 22, t["field_border"], t["field"], t["panel"]),
                 a.field(40, 24, 40, 22, t["accent"], t["field"], t["panel"]),
                 a.field(80, 24, 40, 22, t["button_disabled_border"], t["field_disabled"], t["panel"])]
    e["drop"] = [a.drop_button(120, 24, 18, 22, t["field"], t["glyph"]),
                 a.drop_button(138, 24, 18, 22, t["accent_light"], t["accent"]),
                 a.drop_button(156, 24, 18, 22, t["button_down_top"], t["accent"]),
                 a.drop_button(174, 24, 18, 22, t["field_disabled"], t["text_disabled"])]

    # Check boxes, 16 x 16: unchecked and checked, normal, hot, disabled.
    e["check"] = [a.check(0, 48, False, t["field_border"], t["field"], t["field"]),
                  a.check(16, 48, True, t["accent"], t["accent"], t["field"]),
                  a.check(32, 48, False, t["accent"], t["accent_light"], t["field"]),
                  a.check(48, 48, True, t["accent"], mix(t["accent"], t["field"], 0.2), t["field"]),
                  a.check(64, 48, False, t["button_disabled_border"], t["field_disabled"], t["field"]),
                  a.check(80, 48, True, t["button_disabled_border"], t["button_disabled_border"],
                          t["field_disabled"])]
    c.fill(96, 48, 32, 16, t["panel"])
    e["checkbg"] = (96, 48, 32, 16)

    # Scroll bars, 16 wide: track, arrow buttons (normal, hot, pressed) and
    # the thumb (normal, hot, pressed).
    c.fill(0, 64, 16, 48, t["track"])
    e["vtrack"] = (0, 64, 16, 48)
    hot = mix(t["track"], t["thumb"], 0.5)
    e["up"] = [a.scroll_button(16 + 16 * i, 64, "up", f, g)
               for i, (f, g) in enumerate([(None, t["glyph"]), (hot, t["text"]), (t["thumb"], t["text"])])]
    e["down"] = [a.scroll_button(16 + 16 * i, 80, "down", f, g)
                 for i, (f, g) in enumerate([(None, t["glyph"]), (hot, t["text"]), (t["thumb"], t["text"])])]
    e["vthumb"] = [a.thumb(64 + 16 * i, 64, 16, 32, f, True)
                   for i, f in enumerate([t["thumb"], t["thumb_hover"], t["accent"]])]
    c.fill(112, 64, 48, 16, t["track"])
    e["htrack"] = (112, 64, 48, 16)
    e["left"] = [a.scroll_button(112 + 16 * i, 80, "left", f, g)
                 for i, (f, g) in enumerate([(None, t["glyph"]), (hot, t["text"]), (t["thumb"], t["text"])])]
    e["right"] = [a.scroll_button(160 + 16 * i, 80, "right", f, g)
                  for i, (f, g) in enumerate([(None, t["glyph"]), (hot, t["text"]), (t["thumb"], t["text"])])]
    e["hthumb"] = [a.thumb(160 + 32 * i, 64, 32, 16, f, False)
                   for i, f in enumerate([t["thumb"], t["thumb_hover"]])]
    e["hthumb"].append(a.thumb(208, 80, 32, 16, t["accent"], False))

    # Panels and frames, 32 x 32 with a one-pixel border.
    c.fill(0, 112, 32, 32, t["panel_border"])
    c.fill(1, 113, 30, 30, t["panel"])
    e["panel"] = (0, 112, 32, 32)
    # The group box: a border and a caption band 22 high.
    c.fill(32, 112, 48, 48, t["panel_border"])
    c.fill(33, 113, 46, 46, t["panel"])
    c.fill(33, 113, 46, 21, t["group_caption"])
    c.fill(33, 134, 46, 1, t["panel_border"])
    e["groupbox"] = (32, 112, 48, 48)
    # Lists, trees and memos: a field-coloured area in a border.
    c.fill(80, 112, 32, 32, t["field_border"])
    c.fill(81, 113, 30, 30, t["field"])
    e["view"] = (80, 112, 32, 32)
    # The progress gauge: a rounded track and its fill.
    e["gauge"] = a.field(112, 112, 40, 20, t["field_border"], t["track"], t["panel"])
    c.fill(152, 112, 24, 20, t["track"])
    c.gradient(152, 114, 24, 16, mix(t["accent"], (255, 255, 255), 0.15), t["accent"])
    e["progress"] = (152, 114, 24, 16)
    # The vertical splitter between the tree and the pages.
    c.fill(176, 112, 10, 32, t["window"])
    c.fill(180, 112, 2, 32, mix(t["window"], t["panel_border"], 0.6))
    e["vsplitter"] = (176, 112, 10, 32)
    # Plain window background for labels.
    c.fill(186, 112, 16, 16, t["window"])
    e["label"] = (186, 112, 16, 16)

    # Page tabs, which sit below their pages: normal, active, focused, hot;
    # 48 x 24, rounded at the bottom.
    for i, (fill, border) in enumerate([(t["tab"], t["panel_border"]),
                                        (t["panel"], t["panel_border"]),
                                        (t["panel"], t["accent"]),
                                        (t["tab_hover"], t["panel_border"])]):
        x = 48 * i
        tab = Canvas(48, 26, t["window"])
        tab.box(0, 0, 48, 26, 5, border, fill, corners="bl br")
        if i in (1, 2):
            tab.fill(6, 21, 36, 2, t["accent"])
        # The tab's top border row is left off: the tab joins its page there.
        for yy in range(24):
            for xx in range(48):
                c.put(x + xx, 164 + yy, tab.get(xx, yy + 2))
        e.setdefault("tab", []).append((x, 164, 48, 24))
    # The page area the tabs belong to.
    c.fill(192, 144, 48, 40, t["panel_border"])
    c.fill(193, 145, 46, 38, t["panel"])
    e["page"] = (192, 144, 48, 40)

    # Popup menu items: normal, highlighted, and the divider.
    c.fill(48, 190, 48, 22, t["menu"])
    e["menuitem"] = (48, 190, 48, 22)
    c.fill(96, 190, 48, 22, t["menu"])
    c.rounded(98, 191, 44, 20, 4, t["menu_highlight"])
    e["menuitem_active"] = (96, 190, 48, 22)
    c.fill(48, 212, 48, 7, t["menu"])
    c.fill(52, 215, 40, 1, t["panel_border"])
    e["divider"] = (48, 212, 48, 7)
    # The bevel's frame around the project summary.
    c.fill(176, 190, 32, 32, t["bevel_dark"])
    c.fill(177, 191, 30, 30, t["panel"])
    e["bevel"] = (176, 190, 32, 32)

    # Caption buttons, drawn over the caption's own colours so that they sit
    # on it without a seam: close, maximise, restore, minimise, three states.
    glyphs = ["close", "maximize", "restore", "minimize"]
    for row, glyph in enumerate(glyphs):
        y = 240 + (row // 2) * CAPTION_BUTTON_H
        for state in range(3):
            x = (row % 2) * 3 * CAPTION_BUTTON_W + state * CAPTION_BUTTON_W
            if row % 2 and x + CAPTION_BUTTON_W > ATLAS_W:
                raise SystemExit("atlas too narrow")
            for yy in range(CAPTION_BUTTON_H):
                base = caption_colour(t, CAPTION_BUTTON_Y + yy)
                if state == 1:
                    base = t["close_hover"] if glyph == "close" else over(base, t["caption_hover"])
                elif state == 2:
                    base = mix(t["close_hover"], (0, 0, 0), 0.2) if glyph == "close" \
                        else over(base, t["caption_down"])
                c.fill(x, y + yy, CAPTION_BUTTON_W, 1, base)
            ink = t["caption_text"] if not (glyph == "close" and state) else (255, 255, 255)
            cx, cy = x + CAPTION_BUTTON_W / 2, y + CAPTION_BUTTON_H / 2
            if glyph == "close":
                c.line(cx - 4.5, cy - 4.5, cx + 4.5, cy + 4.5, 1.4, ink)
                c.line(cx - 4.5, cy + 4.5, cx + 4.5, cy - 4.5, 1.4, ink)
            elif glyph == "maximize":
                c.frame(int(cx - 5), int(cy - 5), 10, 10, ink)
                c.fill(int(cx - 5), int(cy - 4), 10, 1, ink)
            elif glyph == "restore":
                c.frame(int(cx - 5), int(cy - 2), 8, 8, ink)
                c.fill(int(cx - 2), int(cy - 5), 8, 1, ink)
                c.fill(int(cx + 5), int(cy - 5), 1, 8, ink)
            else:
                c.fill(int(cx - 5), int(cy + 3), 10, 1, ink)
            e.setdefault(glyph, []).append((x, y, CAPTION_BUTTON_W, CAPTION_BUTTON_H))
    return c, e


# --------------------------------------------------------- the INI text --

def write_ini(t, e, path):
    ini = Ini()
    frame_buttons_left = FRAME_W - BORDER - 3 * CAPTION_BUTTON_W
    ini.section("VERSION", skinname=t["name"], skinauthor="Project Tarvik",
                authoremail="", authorurl="", skincomments=t["comments"], ver="3")
    ini.section("PICTURES", picture="frame.bmp", inactivepicture="", mask="framemask.bmp",
                activepicturescount=4, activepictures0="controls.bmp",
                activepictures1="popup.bmp", activepictures2="hint.bmp",
                activepictures3="hintmask.bmp")
    ini.section("FORMINFO",
                lefttoppoint=point(48, 40), righttoppoint=point(FRAME_W - 48, 40),
                leftbottompoint=point(48, FRAME_H - 40), rightbottompoint=point(FRAME_W - 48, FRAME_H - 40),
                clientrect=rect(BORDER, CAPTION_H, FRAME_W - 2 * BORDER, FRAME_H - CAPTION_H - BORDER),
                bgpictureindex=-1, mdibgpictureindex=-1,
                leftstretch=0, rightstretch=0, topstretch=0, bottomstretch=0,
                maskrectarea=rect(0, CORNER_RADIUS, FRAME_W, FRAME_H - CORNER_RADIUS),
                buttonsrect=rect(frame_buttons_left, CAPTION_BUTTON_Y, 3 * CAPTION_BUTTON_W, CAPTION_BUTTON_H),
                captionrect=rect(32, 0, frame_buttons_left - 40, CAPTION_H),
                buttonsoffset=0, buttonsinleft=0, mainmenupopupup=0, borderwidth=BORDER,
                autorenderinginactiveimage=1, inactiveeffect=t["inactive_effect"])
    ini.section("POPUPWINDOW", windowpictureindex=1, maskpictureindex=-1,
                **{k: v for k, v in nine_piece(48, 48, 4, 4, 4, 4).items() if k != "clientrect"},
                itemsrect=rect(4, 4, 40, 40),
                scrollmarkercolor=colour(t["glyph"]), scrollmarkeractivecolor=colour(t["accent"]),
                leftstretch=0, rightstretch=0, topstretch=0, bottomstretch=0)
    ini.section("HINTWINDOW", windowpictureindex=2, maskpictureindex=3,
                **nine_piece(32, 24, 8, 5, 8, 5),
                **font("Arial", 13, "", t["hint_text"]),
                leftstretch=0, rightstretch=0, topstretch=1, bottomstretch=1)

    objects = []
    controls = []

    def obj(name, kind, **keys):
        objects.append(f"{name}:{kind}")
        ini.section(name, **keys)

    def ctl(name, kind, **keys):
        controls.append(f"{name}:{kind}")
        ini.section(name, **keys)

    def r(piece):
        return rect(*piece)

    def caption_button(name, glyph, index, command, restore=None):
        x = frame_buttons_left + index * CAPTION_BUTTON_W
        keys = dict(activepictureindex=0,
                    skinrect=rect(x, CAPTION_BUTTON_Y, CAPTION_BUTTON_W, CAPTION_BUTTON_H),
                    skinrectinapicture=r(e[glyph][0]), activeskinrect=r(e[glyph][1]),
                    inactiveskinrect=r(e[glyph][0]), downrect=r(e[glyph][2]),
                    disableskinrsect=r(e[glyph][0]), command=command, morphing=0)
        if restore:
            keys.update(restorerect=r(e[restore][0]), restoreactiverect=r(e[restore][1]),
                        restoredownrect=r(e[restore][2]), restoreinactiverect=r(e[restore][0]))
        obj(name, "stdbutton", **keys)

    obj("caption", "caption", skinrect=rect(32, 0, frame_buttons_left - 40, CAPTION_H),
        textrect=rect(0, 0, frame_buttons_left - 40, CAPTION_H),
        **font("Arial", 15, "fsbold", t["caption_text_inactive"]),
        activefontcolor=colour(t["caption_text"]), alignment="taleftjustify", shadow=0)
    caption_button("minimizebutton", "minimize", 0, "cmminimize")
    caption_button("maximizebutton", "maximize", 1, "cmmaximize", restore="restore")
    caption_button("closebutton", "close", 2, "cmclose")
    obj("sysmenubutton", "stdbutton", skinrect=rect(8, 7, 18, 18), command="cmsysmenu")
    obj("menuitem", "menuitem", activepictureindex=0, skinrect=r(e["menuitem"]),
        activeskinrect=r(e["menuitem_active"]), itemleftoffset=6, itemrightoffset=6,
        dividerrect=r(e["divider"]), dividerleftoffset=4, dividerrightoffset=4,
        textrect=rect(26, 0, 16, 22), **font("Arial", 14, "", t["text"]),
        activefontcolor=colour(t["accent"] if t["name"] == "Modern" else t["text"]),
        unenabledfontcolor=colour(t["text_disabled"]))

    def custom(piece, left, top, right, bottom):
        x, y, w, h = piece
        return dict(pictureindex=0, skinrect=r(piece), **nine_piece(w, h, left, top, right, bottom))

    ctl("panel", "panel", **custom(e["panel"], 4, 4, 4, 4), bgpictureindex=-1,
        captionrect=rect(0, 0, 0, 0), alignment="tacenter", **font("Arial", 14, "", t["text"]))
    ctl("groupbox", "panel", **custom(e["groupbox"], 6, 24, 6, 6), bgpictureindex=-1,
        captionrect=rect(1, 1, 46, 21), alignment="tacenter",
        **font("Arial", 14, "fsbold", t["accent"] if t["name"] == "Modern" else t["caption_text"]))
    # The month calendar: a box like the group box, the month's name in its
    # caption bar.
    ctl("monthcalendar", "panel", **custom(e["groupbox"], 6, 24, 6, 6), bgpictureindex=-1,
        captionrect=rect(1, 1, 46, 21), alignment="tacenter", **font("Arial", 14, "fsbold", t["text"]))
    ctl("bevel", "bevel", pictureindex=0, skinrect=r(e["bevel"]),
        lightcolor=colour(t["bevel_light"]), darkcolor=colour(t["bevel_dark"]))
    ctl("button", "button", **custom(e["button"][0], *[BUTTON_EDGE] * 4),
        **font("Arial", 14, "", t["text"]), activefontcolor=colour(t["accent"] if t["name"] == "Modern"
                                                                   else t["text"]),
        downfontcolor=colour(t["text"]), disabledfontcolor=colour(t["text_disabled"]),
        activeskinrect=r(e["button"][1]), downskinrect=r(e["button"][2]),
        disabledskinrect=r(e["button"][3]), morphing=0, morphkind="mkdefault")
    ctl("resizebutton", "button", **custom(e["header"][0], *[HEADER_EDGE] * 4),
        **font("Arial", 14, "fsbold", t["text_muted"]), activefontcolor=colour(t["text"]),
        downfontcolor=colour(t["text"]), disabledfontcolor=colour(t["text_disabled"]),
        activeskinrect=r(e["header"][1]), downskinrect=r(e["header"][2]),
        disabledskinrect=r(e["header"][0]))
    field_keys = dict(**custom(e["edit"][0], 4, 4, 4, 4), activeskinrect=r(e["edit"][1]),
                      **font("Arial", 14, "", t["text"]), activefontcolor=colour(t["text"]),
                      disabledfontcolor=colour(t["text_disabled"]))
    drop_keys = dict(buttonrect=r(e["drop"][0]), activebuttonrect=r(e["drop"][1]),
                     downbuttonrect=r(e["drop"][2]), unenabledbuttonrect=r(e["drop"][3]))
    ctl("edit", "edit", **field_keys)
    ctl("buttonedit", "edit", **field_keys, **drop_keys)
    ctl("memo", "memo", **field_keys, bgcolor=colour(t["field"]), activebgcolor=colour(t["field"]))
    ctl("combobox", "combobox", **custom(e["edit"][0], 4, 4, 4, 4),
        itemrect=rect(0, 0, 0, 0), focusitemrect=rect(0, 0, 0, 0), itemleftoffset=0, itemrightoffset=0,
        itemtextrect=rect(4, 0, 32, 22), **font("Arial", 14, "", t["text"]),
        focusfontcolor=colour(t["accent"]), listboxname="listbox", **drop_keys)
    ctl("listbox", "listbox", **custom(e["view"], 2, 2, 2, 2),
        itemrect=r(e["menuitem"]), activeitemrect=r(e["menuitem_active"]),
        focusitemrect=r(e["menuitem_active"]), itemleftoffset=4, itemrightoffset=4,
        itemtextrect=rect(6, 0, 36, 22), **font("Arial", 14, "", t["text"]),
        activefontcolor=colour(t["text"]), focusfontcolor=colour(t["text"]))
    ctl("checkbox", "checkradio", pictureindex=0, skinrect=r(e["checkbg"]),
        **nine_piece(32, 16, 20, 0, 4, 0) | {"leftbottompoint": point(0, 0), "rightbottompoint": point(0, 0)},
        **font("Arial", 14, "", t["text"]), activefontcolor=colour(t["text"]),
        unenabledfontcolor=colour(t["text_disabled"]), framefontcolor=colour(t["text"]),
        activeskinrect=r(e["checkbg"]), checkimagearea=rect(0, 0, 16, 16), textarea=rect(20, 0, 28, 16),
        checkimagerect=r(e["check"][1]), uncheckimagerect=r(e["check"][0]),
        activecheckimagerect=r(e["check"][3]), activeuncheckimagerect=r(e["check"][2]),
        unenabledcheckimagerect=r(e["check"][5]), unenableduncheckimagerect=r(e["check"][4]))
    ctl("stdlabel", "stdlabel", pictureindex=-1, **font("Arial", 14, "", t["text"]),
        activefontcolor=colour(t["accent"]))
    ctl("label", "label", **custom(e["label"], 0, 0, 0, 0), **font("Arial", 14, "", t["text"]))
    ctl("statusgauge", "gauge", **custom(e["gauge"], 4, 4, 4, 4),
        progressarea=rect(2, 2, 36, 16), progressrect=r(e["progress"]), beginoffset=3, endoffset=3,
        vertical=0, **font("Arial", 13, "fsbold", t["text"]), progresstransparent=0)
    ctl("vsplitter", "splitter", pictureindex=0, skinrect=r(e["vsplitter"]),
        lefttoppoint=point(0, 4), righttoppoint=point(0, 0), leftbottompoint=point(0, 28),
        rightbottompoint=point(0, 0), clientrect=rect(0, 4, 10, 24))
    ctl("tab", "tab", pictureindex=0, skinrect=r(e["page"]),
        **nine_piece(48, 40, 4, 4, 4, 4),
        tabrect=r(e["tab"][0]), activetabrect=r(e["tab"][1]), focustabrect=r(e["tab"][2]),
        mouseintabrect=r(e["tab"][3]), bgpictureindex=-1, tableftoffset=8, tabrightoffset=8,
        tabsbgrect=r(e["label"]), **font("Arial", 14, "", t["text_muted"]),
        activefontcolor=colour(t["text"]), focusfontcolor=colour(t["accent"]),
        mouseinfontcolor=colour(t["text"]), updown="")
    for name in ("treeview", "listview"):
        ctl(name, name, pictureindex=0, skinrect=r(e["view"]),
            **font("Arial", 14, "", t["text"]), bgcolor=colour(t["field"]))

    def scrollbar(name, track, up, down, thumb, vertical):
        x, y, w, h = track
        if vertical:
            points = dict(lefttoppoint=point(0, 16), righttoppoint=point(0, 0),
                          leftbottompoint=point(0, h - 16), rightbottompoint=point(0, 0),
                          clientrect=rect(0, 16, 16, h - 32), trackarea=rect(0, 16, 16, h - 32))
        else:
            points = dict(lefttoppoint=point(16, 0), righttoppoint=point(w - 16, 0),
                          leftbottompoint=point(0, 0), rightbottompoint=point(0, 0),
                          clientrect=rect(16, 0, w - 32, 16), trackarea=rect(16, 0, w - 32, 16))
        ctl(name, "scrollbar", pictureindex=0, skinrect=r(track), **points,
            upbuttonrect=r(up[0]), activeupbuttonrect=r(up[1]), downupbuttonrect=r(up[2]),
            downbuttonrect=r(down[0]), activedownbuttonrect=r(down[1]), downdownbuttonrect=r(down[2]),
            thumbrect=r(thumb[0]), activethumbrect=r(thumb[1]), downthumbrect=r(thumb[2]),
            thumboffset1=6, thumboffset2=6, thumbtransparent=0)

    scrollbar("vscrollbar", e["vtrack"], e["up"], e["down"], e["vthumb"], True)
    scrollbar("hscrollbar", e["htrack"], e["left"], e["right"], e["hthumb"], False)
    scrollbar("bothhscrollbar", e["htrack"], e["left"], e["right"], e["hthumb"], False)

    # The entry lists go before the entries' own sections, so that a reader
    # of the file meets the table of contents first.
    lists = [("SKINOBJECTS", {"count": len(objects), **{str(i): v for i, v in enumerate(objects)}}),
             ("SKINCONTROLS", {"count": len(controls), **{str(i): v for i, v in enumerate(controls)}})]
    ini.sections[5:5] = lists
    with open(path, "w", newline="") as f:
        f.write(ini.text())


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in THEMES:
        raise SystemExit(f"usage: {sys.argv[0]} {'|'.join(THEMES)} FOLDER")
    theme = THEMES[sys.argv[1]]
    folder = sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    frame, mask = draw_frame(theme)
    frame.save(os.path.join(folder, "frame.bmp"))
    mask.save(os.path.join(folder, "framemask.bmp"))
    atlas, pieces = draw_atlas(theme)
    atlas.save(os.path.join(folder, "controls.bmp"))
    draw_popup(theme).save(os.path.join(folder, "popup.bmp"))
    hint, hint_mask = draw_hint(theme)
    hint.save(os.path.join(folder, "hint.bmp"))
    hint_mask.save(os.path.join(folder, "hintmask.bmp"))
    write_ini(theme, pieces, os.path.join(folder, "skin.ini"))


if __name__ == "__main__":
    main()
