#!/usr/bin/env python3
"""Draws the pictures of the Visual Text Comprehension papers.

    python3 course/pictures/make_pictures.py [name ...]

Each picture is written as <name>.svg beside this script and turned into
<name>.png with rsvg-convert (Debian package librsvg2-bin). Without names,
every picture is drawn. Only the standard library is used; the text is set
in DejaVu Sans and DejaVu Serif (Debian package fonts-dejavu-core).
"""

import math
import subprocess
import sys
from pathlib import Path
from xml.sax.saxutils import escape

HERE = Path(__file__).resolve().parent

# The program's palette, and a few extra colours for maps and menus.
CREAM = "#F4F5EB"
NAVY = "#000080"
SKY = "#B2D9F6"
LAVENDER = "#C0C0FF"
PINK = "#FFC0FF"
WHITE = "#FFFFFF"
PALE_SKY = "#E3F1FC"
PALE_LAVENDER = "#E6E6FF"
PALE_PINK = "#FFE6FF"
GRASS = "#D5E8C4"
PARK_GREEN = "#8DBF7A"
DARK_GREEN = "#2F6B3A"
WATER = "#A9D3F0"
PATH_SAND = "#E9DDB8"
WARM = "#F7E2C4"
TERRACOTTA = "#A4451F"
BROWN = "#6B4226"
RED = "#C8322B"
DARK_RED = "#A3241E"  # a deeper red for small labels on pale panels
GOLD = "#F2C14E"
GREY = "#5A5A6E"
ROAD = "#D9D9E0"

SANS = "DejaVu Sans"
SERIF = "DejaVu Serif"


class Drawing:
    """A small SVG builder: shapes and text in pixel coordinates."""

    def __init__(self, width, height, background=CREAM):
        self.width = width
        self.height = height
        self.parts = [f'<rect width="{width}" height="{height}" fill="{background}"/>']

    def rect(self, x, y, w, h, fill, rx=14, stroke=None, stroke_width=2, dash=None):
        extra = ""
        if stroke:
            extra += f' stroke="{stroke}" stroke-width="{stroke_width}"'
        if dash:
            extra += f' stroke-dasharray="{dash}"'
        self.parts.append(
            f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{rx}" fill="{fill}"{extra}/>')

    def circle(self, cx, cy, r, fill, stroke=None, stroke_width=2):
        extra = f' stroke="{stroke}" stroke-width="{stroke_width}"' if stroke else ""
        self.parts.append(f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{fill}"{extra}/>')

    def ellipse(self, cx, cy, rx, ry, fill, stroke=None, stroke_width=2):
        extra = f' stroke="{stroke}" stroke-width="{stroke_width}"' if stroke else ""
        self.parts.append(
            f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="{fill}"{extra}/>')

    def line(self, x1, y1, x2, y2, stroke=NAVY, width=2, dash=None):
        extra = f' stroke-dasharray="{dash}"' if dash else ""
        self.parts.append(
            f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="{stroke}" '
            f'stroke-width="{width}" stroke-linecap="round"{extra}/>')

    def path(self, d, fill="none", stroke=None, width=2, dash=None):
        extra = ""
        if stroke:
            extra += (f' stroke="{stroke}" stroke-width="{width}" '
                      f'stroke-linecap="round" stroke-linejoin="round"')
        if dash:
            extra += f' stroke-dasharray="{dash}"'
        self.parts.append(f'<path d="{d}" fill="{fill}"{extra}/>')

    def text(self, x, y, content, size=16, bold=False, italic=False, fill=NAVY,
             anchor="start", family=SANS):
        self.rich(x, y, [(content, bold)], size, italic, fill, anchor, family)

    def rich(self, x, y, runs, size=16, italic=False, fill=NAVY, anchor="start", family=SANS):
        """One line of text made of (words, bold) runs."""
        spans = "".join(
            f'<tspan font-weight="{"bold" if bold else "normal"}">{escape(words)}</tspan>'
            for words, bold in runs)
        style = ' font-style="italic"' if italic else ""
        self.parts.append(
            f'<text x="{x}" y="{y}" font-family="{family}" font-size="{size}" '
            f'fill="{fill}" text-anchor="{anchor}"{style} xml:space="preserve">{spans}</text>')

    def lines(self, x, y, rows, size=16, leading=None, **style):
        """Several lines of one style, starting with the baseline y."""
        leading = leading or round(size * 1.4)
        for index, row in enumerate(rows):
            self.text(x, y + index * leading, row, size=size, **style)

    def turned_text(self, x, y, content, angle, size=16, bold=False, fill=NAVY,
                    anchor="middle", family=SANS):
        """One line of text turned about its own starting point."""
        weight = "bold" if bold else "normal"
        self.parts.append(
            f'<text x="{x}" y="{y}" font-family="{family}" font-size="{size}" '
            f'font-weight="{weight}" fill="{fill}" text-anchor="{anchor}" '
            f'transform="rotate({angle} {x} {y})">{escape(content)}</text>')

    def svg(self):
        body = "\n  ".join(self.parts)
        return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{self.width}" '
                f'height="{self.height}" viewBox="0 0 {self.width} {self.height}">\n'
                f'  {body}\n</svg>\n')


def frame(d, colour=NAVY):
    """The rounded outline every picture has."""
    d.rect(6, 6, d.width - 12, d.height - 12, "none", rx=22, stroke=colour, stroke_width=3)


def price_row(d, x1, x2, y, item, price, size=16, fill=NAVY, note=None):
    """An item on the left and its price set flush right."""
    d.text(x1, y, item, size=size, bold=True, fill=fill)
    if note:
        d.text(x1, y + round(size * 1.2), note, size=size - 2, italic=True, fill=fill)
    d.text(x2, y, price, size=size, fill=fill, anchor="end")


def symbol(d, cx, cy, letter, fill, text_fill=NAVY, r=13, size=14):
    """A map symbol: a letter in a circle."""
    d.circle(cx, cy, r, fill, stroke=NAVY, stroke_width=1.5)
    d.text(cx, cy + size * 0.36, letter, size=size, bold=True, fill=text_fill, anchor="middle")


def lane(d, top, bottom=488):
    """A road along the bottom edge of a map, rounded like the map's corners."""
    d.path(f"M 24 {top} L 576 {top} L 576 {bottom - 18} Q 576 {bottom} 558 {bottom} "
           f"L 42 {bottom} Q 24 {bottom} 24 {bottom - 18} Z", fill=ROAD)


def tree(d, cx, cy, r=11):
    d.circle(cx, cy, r, PARK_GREEN, stroke=DARK_GREEN, stroke_width=1.5)


# Paper 136 -----------------------------------------------------------------


def summer_fair_poster():
    d = Drawing(600, 780)
    frame(d)
    d.rect(24, 24, 552, 170, PINK, rx=26)
    d.text(300, 66, "Oakfield Primary School", size=22, bold=True, anchor="middle")
    d.text(300, 122, "SUMMER FAIR", size=50, bold=True, anchor="middle", family=SERIF)
    d.text(300, 168, "Saturday 21 June, 11 am to 3 pm", size=22, bold=True, anchor="middle")
    d.text(300, 228, "On the school field (in the school hall if it rains)", size=17,
           anchor="middle")
    d.rich(300, 258, [("Entry: ", True), ("adults £1, children free", False)], size=17,
           anchor="middle")

    d.rect(24, 278, 552, 238, PALE_SKY, rx=18, stroke=SKY, stroke_width=2)
    d.text(44, 310, "Stalls and games", size=21, bold=True)
    rows = [("Tombola", "50p a ticket"), ("Lucky dip", "25p a go"),
            ("Welly throwing", "3 throws for £1"), ("Bouncy castle", "£1 for 5 minutes"),
            ("Face painting", "£1.50"), ("Cake stall", "cakes from 40p"),
            ("Book and toy sale", "20p an item")]
    for index, (item, price) in enumerate(rows):
        price_row(d, 44, 556, 342 + index * 25, item, price)

    d.rect(24, 530, 552, 146, PALE_LAVENDER, rx=18, stroke=LAVENDER, stroke_width=2)
    d.text(44, 562, "What's on", size=21, bold=True)
    events = [("12 noon", "Dog show (£2 a dog, enter at the gate)"),
              ("1:30 pm", "Year 6 choir"),
              ("2:00 pm", "Teachers' tug of war"),
              ("2:45 pm", "Raffle draw")]
    for index, (time, what) in enumerate(events):
        d.text(44, 594 + index * 25, time, size=16, bold=True)
        d.text(134, 594 + index * 25, what, size=16)

    d.rect(24, 690, 552, 66, CREAM, rx=18, stroke=NAVY, stroke_width=2, dash="6 5")
    d.rich(300, 716, [("Raffle tickets: ", True), ("£1 each or 6 for £5, from the school office",
                                                     False)], size=15, anchor="middle")
    d.text(300, 740, "Cash only, please. Every penny goes towards new playground equipment!",
           size=14, italic=True, anchor="middle")
    return d


def bus_timetable():
    d = Drawing(600, 690)
    frame(d)
    d.rect(24, 24, 552, 112, NAVY, rx=20)
    d.rect(44, 44, 92, 72, SKY, rx=16)
    d.text(90, 72, "Route", size=16, bold=True, anchor="middle")
    d.text(90, 104, "14", size=32, bold=True, anchor="middle")
    d.text(156, 70, "Kingsmead Bus Station", size=22, bold=True, fill=WHITE)
    d.text(156, 98, "to Harbour Road", size=22, bold=True, fill=WHITE)
    d.text(156, 122, "Morning buses, Monday to Saturday", size=16, fill=WHITE)

    stops = ["Kingsmead Bus Station", "Market Square", "Elm Park School",
             "Riverside Hospital", "Leisure Centre", "Harbour Road"]
    journeys = [
        ["07:15", "07:20", "07:27", "07:33", "07:38", "07:47"],
        ["07:45", "07:50", "07:57", "08:03", "08:08", "08:17"],
        ["08:15", "08:22", "08:31", "08:38", "08:44", "08:55"],
        ["09:15", "09:20", "09:27", "09:33", "09:38", "09:47"],
        ["10:15", "10:20", "10:27", "10:33", "10:38", "10:47"],
    ]
    top, row_h, col_x, col_w = 156, 38, 266, 61
    d.rect(24, top, 552, row_h, LAVENDER, rx=10)
    d.text(40, top + 25, "Stop", size=16, bold=True)
    for c in range(len(journeys)):
        label = "S" if c == 1 else ""
        d.text(col_x + col_w * c + col_w / 2, top + 25, label, size=16, bold=True,
               anchor="middle")
    for r, stop in enumerate(stops):
        y = top + row_h * (r + 1)
        if r % 2 == 0:
            d.rect(24, y, 552, row_h, PALE_SKY, rx=8)
        d.text(40, y + 25, stop, size=16, bold=True)
        for c, journey in enumerate(journeys):
            d.text(col_x + col_w * c + col_w / 2, y + 25, journey[r], size=16,
                   anchor="middle")
    bottom = top + row_h * (len(stops) + 1)
    d.rich(40, bottom + 28, [("S", True), (" = runs on school days only", False)], size=15)
    d.text(40, bottom + 50, "There are no buses on Sundays.", size=15)

    box = bottom + 70
    d.rect(24, box, 552, 168, PALE_PINK, rx=18, stroke=PINK, stroke_width=2)
    d.text(44, box + 32, "Fares", size=20, bold=True)
    d.text(330, box + 32, "Single", size=16, bold=True, anchor="middle")
    d.text(470, box + 32, "Day ticket", size=16, bold=True, anchor="middle")
    fares = [("Adult", "£2.20", "£4.20"), ("Child (aged 5 to 15)", "£1.10", "£2.10")]
    for index, (who, single, day) in enumerate(fares):
        y = box + 64 + index * 28
        d.text(44, y, who, size=16)
        d.text(330, y, single, size=16, anchor="middle")
        d.text(470, y, day, size=16, anchor="middle")
    d.text(44, box + 128, "Children under 5 travel free.", size=15)
    d.text(44, box + 150, "A day ticket is for as many route 14 trips as you like that day.",
           size=15, italic=True)
    return d


def cafe_menu():
    d = Drawing(600, 790)
    frame(d, TERRACOTTA)
    d.text(300, 64, "The Juniper Tree Cafe", size=34, bold=True, fill=TERRACOTTA,
           anchor="middle", family=SERIF)
    d.text(300, 96, "Open Tuesday to Sunday, 8:30 am to 4 pm", size=17, anchor="middle")
    d.text(300, 120, "Closed on Mondays", size=16, italic=True, anchor="middle")

    d.rect(24, 138, 552, 170, WARM, rx=18)
    d.rich(44, 170, [("Breakfast", True), ("   served until 11:30 am", False)], size=20,
           fill=TERRACOTTA)
    breakfast = [("Toast and jam (V)", "£1.80"), ("Porridge with honey (V)", "£2.50"),
                 ("Pancakes with berries (V)", "£3.90"), ("Bacon roll", "£3.20")]
    for index, (item, price) in enumerate(breakfast):
        price_row(d, 44, 556, 204 + index * 28, item, price)

    d.rect(24, 322, 552, 196, WARM, rx=18)
    d.rich(44, 354, [("Lunch", True), ("   served from 12 noon", False)], size=20,
           fill=TERRACOTTA)
    lunch = [("Tomato soup with bread (V)", "£3.80"),
             ("Cheese and pickle sandwich (V)", "£4.20"),
             ("Chicken and salad wrap", "£4.60"), ("Jacket potato with beans (V)", "£4.50")]
    for index, (item, price) in enumerate(lunch):
        price_row(d, 44, 556, 388 + index * 28, item, price)
    d.text(64, 496, "add grated cheese to your jacket potato", size=15, italic=True)
    d.text(556, 496, "+60p", size=15, italic=True, anchor="end")

    d.rect(24, 532, 270, 196, PALE_PINK, rx=18)
    d.text(44, 564, "Drinks", size=20, bold=True, fill=TERRACOTTA)
    drinks = [("Tea", "£1.60"), ("Hot chocolate", "£2.20"), ("Orange juice", "£1.90"),
              ("Glass of milk", "£1.00")]
    for index, (item, price) in enumerate(drinks):
        price_row(d, 44, 276, 598 + index * 28, item, price)
    d.text(54, 710, "cream on hot chocolate", size=14, italic=True)
    d.text(276, 710, "+40p", size=14, italic=True, anchor="end")

    d.rect(306, 532, 270, 196, PALE_SKY, rx=18)
    d.text(326, 564, "Children's box", size=20, bold=True, fill=TERRACOTTA)
    d.text(326, 590, "for under-12s", size=15, italic=True)
    d.lines(326, 620, ["a small sandwich,", "a fruit pot and a drink", "of milk or juice"],
            size=16, leading=24)
    d.text(556, 706, "£4.95", size=22, bold=True, anchor="end")

    d.rich(300, 760, [("(V)", True), (" = vegetarian: no meat or fish", False)], size=16,
           anchor="middle")
    return d


def picnic_table(d, cx, cy):
    """A small picnic-table symbol: a top and two legs in a rounded square."""
    d.rect(cx - 13, cy - 13, 26, 26, WHITE, rx=6, stroke=NAVY, stroke_width=1.5)
    d.line(cx - 8, cy - 3, cx + 8, cy - 3, BROWN, 3)
    d.line(cx - 5, cy - 3, cx - 7, cy + 7, BROWN, 2)
    d.line(cx + 5, cy - 3, cx + 7, cy + 7, BROWN, 2)


def nature_reserve_map():
    d = Drawing(600, 800)
    frame(d, DARK_GREEN)
    d.text(300, 52, "Fenwick Marsh Nature Reserve", size=28, bold=True, fill=DARK_GREEN,
           anchor="middle", family=SERIF)
    d.text(300, 80, "Visitor map", size=17, italic=True, anchor="middle")

    # The map: woods round the edge, the lake in the middle, the lane below.
    d.rect(24, 96, 552, 392, GRASS, rx=18)
    for x in range(52, 560, 34):
        tree(d, x, 118)
    for y in range(152, 400, 34):
        tree(d, 46, y)
        tree(d, 554, y)
    lane(d, 446)
    d.text(430, 473, "Fenwick Lane", size=15, italic=True, fill=GREY, anchor="middle")

    d.path("M 300 433 L 300 380", stroke=RED, width=4)
    d.ellipse(310, 270, 175, 110, "none", stroke=RED, stroke_width=4)
    d.ellipse(310, 270, 158, 94, WATER)
    d.text(310, 325, "Fenwick Mere", size=18, bold=True, italic=True, fill=NAVY,
           anchor="middle")
    d.path("M 338 433 L 532 433 L 532 142 L 66 142 L 66 418 L 130 418",
           stroke="#1F5FBF", width=4, dash="10 7")

    d.ellipse(125, 345, 28, 18, WATER)
    d.text(128, 381, "Dipping pond", size=14, anchor="middle")
    d.rect(130, 396, 78, 44, "#CFCFDA", rx=8)
    symbol(d, 169, 418, "P", SKY)
    d.rect(222, 392, 116, 48, PINK, rx=10, stroke=NAVY, stroke_width=1.5)
    symbol(d, 246, 416, "i", WHITE)
    d.text(292, 421, "WC", size=15, bold=True, anchor="middle")

    hides = [(135, 270, "Heron Hide", 156, 275, "start"),
             (310, 160, "Kingfisher Hide", 310, 196, "middle"),
             (485, 270, "Reed Hide", 464, 275, "end")]
    for cx, cy, name, lx, ly, anchor in hides:
        symbol(d, cx, cy, "H", GOLD)
        d.text(lx, ly, name, size=14, bold=True, anchor=anchor)
    picnic_table(d, 472, 370)
    picnic_table(d, 504, 370)
    d.text(488, 404, "Picnic area", size=14, anchor="middle")
    d.text(62, 470, "Entrance", size=15, bold=True)
    d.path("M 150 470 L 164 470 M 158 464 L 164 470 L 158 476", stroke=NAVY, width=2)

    # The key and the notes.
    d.rect(24, 500, 552, 276, WHITE, rx=18, stroke=DARK_GREEN, stroke_width=2)
    d.text(44, 530, "Key", size=19, bold=True, fill=DARK_GREEN)
    symbol(d, 58, 556, "P", SKY)
    d.text(80, 561, "Car park", size=15)
    symbol(d, 58, 588, "i", WHITE)
    d.text(80, 593, "Visitor centre", size=15)
    symbol(d, 58, 620, "H", GOLD)
    d.text(80, 625, "Bird hide", size=15)
    picnic_table(d, 58, 652)
    d.text(80, 657, "Picnic table", size=15)
    d.text(58, 689, "WC", size=15, bold=True, anchor="middle")
    d.text(80, 689, "Toilets", size=15)

    d.line(236, 556, 276, 556, RED, 4)
    d.text(288, 552, "Lakeside Walk: 2 km", size=15, bold=True)
    d.text(288, 572, "flat, firm path for wheelchairs", size=15)
    d.text(288, 591, "and pushchairs", size=15)
    d.line(236, 620, 276, 620, "#1F5FBF", 4, dash="10 7")
    d.text(288, 616, "Woodland Loop: 3.5 km", size=15, bold=True)
    d.text(288, 636, "can be muddy: wear boots", size=15)

    d.line(44, 708, 556, 708, DARK_GREEN, 1)
    d.lines(44, 732, ["Open every day from 8 am until dusk.",
                      "Nets for the dipping pond: £1.50 each from the visitor centre.",
                      "Please keep quiet inside the bird hides."], size=15, leading=20)
    return d


def library_notice():
    d = Drawing(600, 770)
    frame(d)
    d.rect(24, 24, 552, 100, SKY, rx=20)
    d.text(300, 68, "Brookside Library", size=34, bold=True, anchor="middle", family=SERIF)
    d.text(300, 104, "Opening hours", size=21, bold=True, anchor="middle")

    hours = [("Monday", "9:30 am to 5 pm"), ("Tuesday", "9:30 am to 7 pm"),
             ("Wednesday", "9:30 am to 5 pm"), ("Thursday", "12 noon to 6 pm"),
             ("Friday", "9:30 am to 5 pm"), ("Saturday", "10 am to 4 pm"),
             ("Sunday", "Closed")]
    for index, (day, time) in enumerate(hours):
        y = 140 + index * 32
        if index % 2 == 0:
            d.rect(84, y, 432, 32, PALE_SKY, rx=8)
        d.text(110, y + 22, day, size=17, bold=True)
        d.text(300, y + 22, time, size=17)

    d.rect(24, 378, 552, 92, PINK, rx=18)
    d.text(44, 408, "Spring holiday", size=19, bold=True)
    d.text(44, 434, "The library will be closed on Friday 18 April", size=16)
    d.text(44, 456, "and Monday 21 April.", size=16)

    d.rect(24, 484, 552, 140, PALE_LAVENDER, rx=18, stroke=LAVENDER, stroke_width=2)
    d.text(44, 514, "For children", size=19, bold=True)
    d.rich(44, 542, [("Story time", True), (" for under-5s and their grown-ups:", False)],
           size=16)
    d.text(64, 564, "Tuesdays at 10:30 am", size=16)
    d.rich(44, 594, [("Homework club", True), (" for ages 8 to 12:", False)], size=16)
    d.text(64, 616, "Wednesdays, 4 pm to 5:30 pm", size=16)

    d.rect(24, 638, 552, 108, WHITE, rx=18, stroke=NAVY, stroke_width=2)
    d.text(44, 666, "Borrow up to 12 books for 3 weeks.", size=16, bold=True)
    d.text(44, 690, "Late books: free for children, 20p a day for each adult book.", size=15)
    d.text(44, 722, "When the library is closed, use the return box by the main door.",
           size=15, italic=True)
    return d


# Paper 137 -----------------------------------------------------------------


def swimming_lessons_advert():
    d = Drawing(600, 790)
    frame(d)
    d.rect(24, 24, 552, 150, SKY, rx=26)
    d.path("M 24 150 Q 93 128 162 150 T 300 150 T 438 150 T 576 150 L 576 148 "
           "Q 576 174 550 174 L 50 174 Q 24 174 24 148 Z", fill=PALE_SKY)
    d.text(300, 76, "Learn to swim", size=44, bold=True, anchor="middle", family=SERIF)
    d.text(300, 118, "this summer!", size=30, bold=True, italic=True, anchor="middle",
           family=SERIF)
    d.text(300, 210, "Saturday lessons at Ashgrove Pool, Mill Street", size=18, bold=True,
           anchor="middle")
    d.text(300, 236, "6 weekly lessons, from Saturday 12 July to Saturday 16 August",
           size=15, anchor="middle")

    groups = [
        ("Starfish", PINK, ["Ages 4 to 6", "Just starting out"], "9:00 am", "30 minutes", "£36"),
        ("Dolphins", LAVENDER, ["Ages 7 to 9", "Can swim 10 metres"], "9:45 am", "45 minutes",
         "£45"),
        ("Seals", SKY, ["Ages 10 to 12", "Can swim 25 metres"], "10:45 am", "45 minutes",
         "£45"),
    ]
    for index, (name, colour, who, start, length, price) in enumerate(groups):
        x = 24 + index * 188
        d.rect(x, 258, 176, 236, colour, rx=20)
        d.text(x + 88, 292, name, size=22, bold=True, anchor="middle")
        d.lines(x + 88, 322, who, size=15, leading=21, anchor="middle")
        d.line(x + 24, 354, x + 152, 354, NAVY, 1)
        d.text(x + 88, 380, "Lessons start", size=14, italic=True, anchor="middle")
        d.text(x + 88, 402, start, size=17, bold=True, anchor="middle")
        d.text(x + 88, 426, length, size=15, anchor="middle")
        d.text(x + 88, 466, price, size=24, bold=True, anchor="middle")
        d.text(x + 88, 484, "for 6 lessons", size=14, anchor="middle")

    d.rect(24, 508, 552, 84, WHITE, rx=18, stroke=NAVY, stroke_width=2, dash="7 5")
    d.text(300, 540, "Brothers and sisters", size=19, bold=True, anchor="middle")
    d.text(300, 570, "Book two children and the second child pays half price!", size=16,
           anchor="middle")

    d.rect(24, 606, 552, 84, PINK, rx=18)
    d.rich(300, 640, [("FREE trial lesson: ", True), ("Saturday 5 July", False)], size=19,
           anchor="middle")
    d.text(300, 670, "Ask at reception to book a place.", size=16, anchor="middle")

    d.text(300, 720, "Small groups of no more than 8 swimmers.", size=15, anchor="middle")
    d.text(300, 742, "All our teachers are trained lifeguards.", size=15, anchor="middle")
    d.text(300, 768, "Book at reception or call 01632 960114", size=16, bold=True,
           anchor="middle")
    return d


def museum_leaflet():
    d = Drawing(600, 760, background=WHITE)
    d.rect(6, 6, 290, 748, CREAM, rx=18, stroke=NAVY, stroke_width=2)
    d.rect(304, 6, 290, 748, CREAM, rx=18, stroke=NAVY, stroke_width=2)

    d.rect(20, 20, 262, 118, LAVENDER, rx=16)
    d.text(151, 60, "Saltmarsh Town", size=26, bold=True, anchor="middle", family=SERIF)
    d.text(151, 92, "Museum", size=26, bold=True, anchor="middle", family=SERIF)
    d.text(151, 122, "A family guide", size=16, italic=True, anchor="middle")

    d.text(30, 176, "Opening times", size=19, bold=True)
    d.lines(30, 204, ["Summer (April to October)"], size=15, bold=True)
    d.text(30, 224, "10 am to 5 pm", size=15)
    d.text(30, 254, "Winter (November to March)", size=15, bold=True)
    d.text(30, 274, "10 am to 4 pm", size=15)
    d.text(30, 304, "Closed on Mondays.", size=15)
    d.text(30, 326, "Last entry 45 minutes", size=15)
    d.text(30, 346, "before closing.", size=15)

    d.rect(20, 372, 262, 206, PALE_SKY, rx=16)
    d.text(30, 404, "Tickets", size=19, bold=True)
    tickets = [("Adult", "£8.00"), ("Child (5 to 16)", "£4.00"), ("Under 5", "free")]
    for index, (who, price) in enumerate(tickets):
        price_row(d, 30, 270, 434 + index * 26, who, price, size=15)
    d.text(30, 518, "Family", size=15, bold=True)
    d.text(270, 518, "£20.00", size=15, anchor="end")
    d.text(30, 540, "(2 adults and 2 children)", size=15, italic=True)
    d.text(30, 564, "Tickets last all day.", size=14)

    d.text(30, 618, "Good to know", size=19, bold=True)
    d.lines(30, 646, ["A lift goes to every floor.", "Pushchairs are welcome.",
                      "Picnics can be eaten in", "the garden."], size=15, leading=22)

    d.text(449, 44, "What's on each floor", size=19, bold=True, anchor="middle")
    floors = [("Second floor", PALE_PINK, ["Fossil Hall", "Rocks and Minerals"]),
              ("First floor", PALE_LAVENDER, ["Toys through Time", "Victorian Schoolroom"]),
              ("Ground floor", PALE_SKY, ["Ships and Sailors", "Shop", "Cafe"])]
    y = 62
    for name, colour, rooms in floors:
        height = 44 + 24 * len(rooms)
        d.rect(318, y, 262, height, colour, rx=14)
        d.text(334, y + 28, name, size=16, bold=True)
        d.lines(350, y + 54, rooms, size=15, leading=24)
        y += height + 12

    d.rect(318, 400, 262, 198, PINK, rx=16)
    d.text(449, 432, "Family fun", size=19, bold=True, anchor="middle")
    d.lines(334, 464, ["Dress up as a Victorian", "pupil and try a lesson with",
                       "chalk and a slate!"], size=15, leading=22)
    d.text(334, 538, "Every Saturday", size=15, bold=True)
    d.text(334, 560, "at 11 am and 2 pm", size=15, bold=True)
    d.text(334, 582, "Free with your ticket", size=15, italic=True)

    d.rect(318, 612, 262, 124, PALE_LAVENDER, rx=16, stroke=LAVENDER, stroke_width=2)
    d.text(449, 642, "Fossil trail", size=19, bold=True, anchor="middle")
    d.lines(334, 672, ["Pick up a free trail sheet", "at the shop and find all",
                       "ten fossils."], size=15, leading=22)
    return d


def lost_cat_notice():
    d = Drawing(600, 800, background=WHITE)
    d.rect(6, 6, 588, 788, CREAM, rx=22, stroke=NAVY, stroke_width=3)
    d.rect(24, 24, 552, 96, NAVY, rx=20)
    d.text(300, 90, "LOST CAT", size=52, bold=True, fill=WHITE, anchor="middle")
    d.text(300, 166, "Have you seen Maple?", size=30, bold=True, anchor="middle",
           family=SERIF)
    d.text(300, 200, "Missing since Sunday 14 September", size=19, bold=True, fill=RED,
           anchor="middle")

    d.rect(24, 222, 552, 144, PALE_PINK, rx=18)
    d.lines(44, 262, ["Maple is a small ginger and white cat, 3 years old.",
                      "She has a white patch on her nose and a white tip on",
                      "her tail. She wears a green collar with a little bell."],
            size=17, leading=32)

    d.rect(24, 384, 552, 98, PALE_SKY, rx=18)
    d.rich(44, 414, [("Last seen: ", True), ("in the back garden of 22 Rowan Close,", False)],
           size=16)
    d.text(44, 438, "near the gates of Larch Park, at about 7 pm.", size=16)
    d.text(44, 466, "Please check your sheds and garages.", size=16, bold=True)

    d.lines(44, 512, ["Maple is shy with people she does not know, so please",
                      "don't try to pick her up. Just call us and tell us",
                      "where she is."], size=16, leading=24)
    d.text(300, 618, "Call Olena or Dan: 07700 900318", size=22, bold=True,
           anchor="middle")

    # Tear-off strips cut into the bottom of the same sheet: a dashed line to
    # tear along, and cuts between the strips down to the edge.
    d.line(6, 652, 594, 652, NAVY, 1.5, dash="6 4")
    width = 588 / 9
    for index in range(9):
        x = round(6 + index * width, 1)
        middle = round(x + width / 2, 1)
        if index:
            d.line(x, 652, x, 794, NAVY, 1.5)
        d.turned_text(middle - 6, 724, "Maple", -90, size=14, bold=True)
        d.turned_text(middle + 13, 724, "07700 900318", -90, size=14)
    return d


def train_timetable():
    d = Drawing(600, 660)
    frame(d)
    d.rect(24, 24, 552, 96, LAVENDER, rx=20)
    d.text(300, 62, "Saturday trains", size=28, bold=True, anchor="middle", family=SERIF)
    d.text(300, 96, "Carrow Bridge to Seacliffe", size=20, bold=True, anchor="middle")

    stations = ["Carrow Bridge", "Wendlow", "Fernhill", "Stoke Marden", "Seacliffe"]
    trains = [
        ("", ["09:05", "09:19", "09:31", "09:48", "10:07"]),
        ("F", ["09:20", "\u2013", "09:42", "\u2013", "10:04"]),
        ("", ["10:05", "10:19", "10:31", "10:48", "11:07"]),
        ("F", ["10:20", "\u2013", "10:42", "\u2013", "11:04"]),
        ("", ["11:05", "11:19", "11:31", "11:48", "12:07"]),
    ]
    top, row_h, col_x, col_w = 140, 40, 206, 74
    d.rect(24, top, 552, row_h, SKY, rx=10)
    d.text(40, top + 26, "Station", size=16, bold=True)
    for c, (mark, _) in enumerate(trains):
        if mark:
            d.rect(col_x + col_w * c + col_w / 2 - 14, top + 8, 28, 24, NAVY, rx=6)
            d.text(col_x + col_w * c + col_w / 2, top + 26, mark, size=16, bold=True,
                   fill=WHITE, anchor="middle")
    for r, station in enumerate(stations):
        y = top + row_h * (r + 1)
        if r % 2 == 1:
            d.rect(24, y, 552, row_h, PALE_LAVENDER, rx=8)
        d.text(40, y + 26, station, size=16, bold=True)
        for c, (_, times) in enumerate(trains):
            d.text(col_x + col_w * c + col_w / 2, y + 26, times[r], size=17,
                   bold=(r == 0), anchor="middle")
    bottom = top + row_h * (len(stations) + 1)
    d.rich(40, bottom + 30, [("F", True), (" = fast train", False)], size=15)

    d.rect(24, bottom + 50, 552, 112, PALE_SKY, rx=18)
    d.text(44, bottom + 80, "Day return, Carrow Bridge to Seacliffe", size=17, bold=True)
    d.text(44, bottom + 108, "Adult", size=16)
    d.text(250, bottom + 108, "£12.40", size=16, anchor="end")
    d.text(300, bottom + 108, "Child (5 to 15)", size=16)
    d.text(556, bottom + 108, "£5.80", size=16, anchor="end")
    d.text(44, bottom + 140, "Buy your ticket before you get on the train.", size=15,
           italic=True)

    d.rect(24, bottom + 176, 552, 76, PALE_PINK, rx=18)
    d.text(44, bottom + 206, "Step-free access (no stairs) at every station", size=16,
           bold=True)
    d.text(44, bottom + 232, "except Wendlow, where the platform is over a footbridge.",
           size=15)
    return d


def flag(d, x, y, colours, chequered=False):
    """A flag on a short pole; colours are the top and bottom halves."""
    d.line(x, y - 4, x, y + 56, GREY, 3)
    if chequered:
        for row in range(3):
            for col in range(4):
                fill = "#222222" if (row + col) % 2 == 0 else WHITE
                d.rect(x + 2 + col * 11, y + row * 10, 11, 10, fill, rx=0)
        d.rect(x + 2, y, 44, 30, "none", rx=0, stroke="#222222", stroke_width=1)
        return
    top, bottom = colours
    d.rect(x + 2, y, 44, 15, top, rx=0)
    d.rect(x + 2, y + 15, 44, 15, bottom, rx=0)


def beach_safety_sign():
    d = Drawing(600, 800)
    frame(d)
    d.rect(24, 24, 552, 104, NAVY, rx=20)
    d.text(300, 68, "Gullhaven Beach", size=32, bold=True, fill=WHITE, anchor="middle",
           family=SERIF)
    d.text(300, 104, "Welcome! Please read this before you swim.", size=17, fill=WHITE,
           anchor="middle")

    d.text(44, 164, "Know your flags", size=21, bold=True)
    rows = [
        ((RED, GOLD), False, "Red and yellow flags",
         ["Lifeguards are watching. Swim and", "bodyboard only between these two flags."]),
        ((RED, RED), False, "Red flag", ["Danger! Nobody should go in the water."]),
        (None, True, "Black and white flags",
         ["This area is for surfboards and kayaks.", "Do not swim here."]),
    ]
    y = 186
    for colours, chequered, name, words in rows:
        d.rect(24, y, 552, 76, PALE_SKY, rx=14)
        flag(d, 52, y + 12, colours, chequered)
        d.text(124, y + 26, name, size=16, bold=True)
        d.lines(124, y + 48, words, size=15, leading=20)
        y += 86
    d.rect(24, y, 552, 76, PALE_SKY, rx=14)
    d.line(52, y + 8, 52, y + 68, GREY, 3)
    d.path(f"M 54 {y + 14} L 100 {y + 22} L 100 {y + 32} L 54 {y + 40} Z", fill="#F08A24",
           stroke="#B85E0E", width=1.5)
    d.text(124, y + 26, "Orange windsock", size=16, bold=True)
    d.lines(124, y + 48, ["The wind is blowing out to sea.", "Do not use inflatables today."],
            size=15, leading=20)

    d.rect(24, 548, 268, 150, PINK, rx=18)
    d.text(44, 578, "Lifeguards", size=19, bold=True)
    d.lines(44, 606, ["On duty every day,", "10 am to 6 pm,", "May to September"], size=15,
            leading=21)
    d.text(44, 682, "First aid at the blue hut", size=14, italic=True)

    d.rect(308, 548, 268, 150, WHITE, rx=18, stroke=NAVY, stroke_width=2)
    d.text(328, 578, "Today's tides", size=19, bold=True)
    d.text(328, 608, "High tide", size=16)
    d.text(556, 608, "10:40 am", size=16, bold=True, anchor="end")
    d.text(328, 634, "Low tide", size=16)
    d.text(556, 634, "4:55 pm", size=16, bold=True, anchor="end")
    d.text(328, 666, "Check the board each day:", size=14, italic=True)
    d.text(328, 684, "the times change.", size=14, italic=True)

    d.rect(24, 712, 552, 66, LAVENDER, rx=18)
    d.text(300, 740, "Rock pools: explore them only from 2 hours before", size=16,
           bold=True, anchor="middle")
    d.text(300, 762, "low tide until 2 hours after low tide.", size=16, bold=True,
           anchor="middle")
    return d


# Paper 138 -----------------------------------------------------------------


def clock_face(d, cx, cy, r):
    """A round clock face with twelve marks, as decoration."""
    d.circle(cx, cy, r, CREAM, stroke=PINK, stroke_width=4)
    for hour in range(12):
        turn = math.radians(hour * 30)
        dx, dy = math.sin(turn), -math.cos(turn)
        d.line(round(cx + dx * (r - 6), 1), round(cy + dy * (r - 6), 1),
               round(cx + dx * (r - 14), 1), round(cy + dy * (r - 14), 1), NAVY, 3)
    d.line(cx, cy, cx, cy - r + 20, NAVY, 4)
    d.line(cx, cy, cx + r * 0.45, cy + r * 0.2, NAVY, 4)
    d.circle(cx, cy, 4, NAVY)


def theatre_poster():
    d = Drawing(600, 800, background=NAVY)
    d.rect(6, 6, 588, 788, "none", rx=22, stroke=LAVENDER, stroke_width=3)
    d.text(300, 52, "The Lantern Theatre presents", size=19, fill=SKY, anchor="middle",
           italic=True)
    clock_face(d, 300, 118, 46)
    d.text(300, 214, "The Clockwork Garden", size=42, bold=True, fill=PINK, anchor="middle",
           family=SERIF)
    d.lines(300, 252, ["When the old clock in the garden stops, Tilly has",
                       "just one night to make it tick again."], size=16, italic=True,
            fill=WHITE, anchor="middle", leading=22)
    d.text(300, 312, "A magical family play with songs", size=18, bold=True, fill=SKY,
           anchor="middle")
    d.text(300, 338, "For ages 6 and over", size=16, fill=WHITE, anchor="middle")
    d.text(300, 362, "Running time: 1 hour 40 minutes, including a 20-minute interval",
           size=15, fill=WHITE, anchor="middle")

    d.rect(24, 384, 268, 206, CREAM, rx=18)
    d.text(158, 414, "3 to 21 December", size=19, bold=True, anchor="middle")
    shows = [("Tuesday to Friday", "7 pm"), ("Saturday", "2:30 pm and 7 pm"),
             ("Sunday", "2:30 pm")]
    for index, (days, times) in enumerate(shows):
        d.text(42, 446 + index * 44, days, size=15, bold=True)
        d.text(42, 466 + index * 44, times, size=15)
    d.text(42, 576, "No shows on Mondays", size=15, italic=True)

    d.rect(308, 384, 268, 206, PINK, rx=18)
    d.text(442, 414, "Tickets", size=19, bold=True, anchor="middle")
    tickets = [("Adult", "£16"), ("Child (under 16)", "£10")]
    for index, (who, price) in enumerate(tickets):
        price_row(d, 326, 558, 448 + index * 28, who, price, size=15)
    d.text(326, 512, "Family", size=15, bold=True)
    d.text(558, 512, "£45", size=15, anchor="end")
    d.text(326, 534, "(2 adults and 2 children)", size=15, italic=True)
    d.text(326, 572, "Book early!", size=15, bold=True)

    d.rect(24, 604, 552, 124, PALE_LAVENDER, rx=18)
    d.text(44, 634, "Relaxed show: Sunday 14 December, 2:30 pm", size=17, bold=True)
    d.lines(44, 662, ["The lights stay on low and the sound is turned down.",
                      "You can move about, and it is fine to make a noise",
                      "if you need to."], size=15, leading=21)
    d.text(300, 762, "Box office: 01632 960557 (Monday to Saturday, 10 am to 6 pm)",
           size=15, bold=True, fill=WHITE, anchor="middle")
    return d


def wheelie_bin(d, x, y, body, lid, w=54, h=62):
    """A plain wheelie bin: a lid, a body and two wheels."""
    d.rect(x - 3, y, w + 6, 10, lid, rx=4)
    d.path(f"M {x} {y + 10} L {x + w} {y + 10} L {x + w - 5} {y + h} L {x + 5} {y + h} Z",
           fill=body)
    d.circle(x + 12, y + h + 2, 6, "#333344")
    d.circle(x + w - 12, y + h + 2, 6, "#333344")


def recycling_leaflet():
    d = Drawing(600, 800)
    frame(d, DARK_GREEN)
    d.rect(24, 24, 552, 92, GRASS, rx=20)
    d.text(300, 66, "Which bin?", size=34, bold=True, fill=DARK_GREEN, anchor="middle",
           family=SERIF)
    d.text(300, 98, "Your guide to recycling and rubbish collections", size=17,
           anchor="middle")

    bins = [
        ("Blue bin", "#3E74C9", "#2A559B", PALE_SKY, "Recycling",
         [["paper and card"], ["food tins and", "drinks cans"], ["plastic bottles,", "pots and tubs"],
          ["glass jars"]]),
        ("Food caddy", "#8A5A3B", "#6B4226", WARM, "Food waste",
         [["fruit and veg", "peelings"], ["leftovers"], ["tea bags"], ["egg shells"]]),
        ("Grey bin", "#8C8C99", "#5E5E6B", "#ECECF2", "Everything else",
         [["crisp packets"], ["plastic bags and", "wrappers"], ["broken toys"], ["nappies"]]),
    ]
    for index, (name, body, lid, colour, kind, things) in enumerate(bins):
        x = 24 + index * 188
        d.rect(x, 130, 176, 300, colour, rx=18)
        if name == "Food caddy":
            d.rect(x + 66, 150, 44, 8, lid, rx=3)
            d.rect(x + 62, 158, 52, 46, body, rx=8)
        else:
            wheelie_bin(d, x + 61, 142, body, lid)
        d.text(x + 88, 238, name, size=19, bold=True, anchor="middle")
        d.text(x + 88, 260, kind, size=15, italic=True, anchor="middle")
        y = 290
        for thing in things:
            d.circle(x + 20, y - 5, 3, NAVY)
            d.lines(x + 30, y, thing, size=15, leading=20)
            y += 20 * len(thing) + 6

    d.rect(24, 444, 552, 52, PALE_PINK, rx=16)
    d.text(300, 476, "Please rinse tins, bottles, pots and jars before they go in.",
           size=16, bold=True, anchor="middle")

    d.text(44, 530, "Collections in March", size=20, bold=True, fill=DARK_GREEN)
    days = [("Tuesday 4 March", "Blue bin and food caddy"),
            ("Tuesday 11 March", "Grey bin and food caddy"),
            ("Tuesday 18 March", "Blue bin and food caddy"),
            ("Tuesday 25 March", "Grey bin and food caddy")]
    for index, (day, what) in enumerate(days):
        y = 546 + index * 34
        if index % 2 == 0:
            d.rect(24, y, 552, 34, "#EDF5E6", rx=8)
        d.text(44, y + 23, day, size=16, bold=True)
        d.text(250, y + 23, what, size=16)
    d.text(44, 708, "Put your bins out by 7 am on the day of collection.", size=15)
    d.rect(24, 724, 552, 56, WHITE, rx=16, stroke=DARK_GREEN, stroke_width=2)
    d.text(300, 748, "Not in any bin: batteries and old electrical things.", size=15,
           bold=True, anchor="middle")
    d.text(300, 768, "Take them to the recycling centre on Quarry Lane.", size=15,
           anchor="middle")
    return d


def park_map():
    d = Drawing(600, 800)
    frame(d, DARK_GREEN)
    d.text(300, 52, "Hawthorn Park", size=30, bold=True, fill=DARK_GREEN, anchor="middle",
           family=SERIF)
    d.text(300, 80, "Map of the park", size=17, italic=True, anchor="middle")

    # Roads on three sides, the park inside them.
    d.rect(24, 96, 552, 384, ROAD, rx=18)
    d.rect(24, 124, 512, 326, GRASS, rx=0)
    d.text(160, 116, "Mill Road", size=14, italic=True, fill=GREY, anchor="middle")
    d.text(440, 472, "Church Lane", size=14, italic=True, fill=GREY, anchor="middle")
    d.turned_text(562, 200, "Station Road", 90, size=14, fill=GREY)

    d.path("M 290 124 L 290 450 M 290 290 L 536 290", stroke=PATH_SAND, width=12)
    for gx, gy in [(290, 124), (290, 450), (536, 290)]:
        d.rect(gx - 14, gy - 6, 28, 12, PINK, rx=4, stroke=NAVY, stroke_width=1.5)
    d.text(300, 146, "North Gate", size=14, bold=True)
    d.text(300, 436, "South Gate", size=14, bold=True)
    d.text(526, 278, "East Gate", size=14, bold=True, anchor="end")

    d.rect(40, 140, 230, 136, "#A9CF8F", rx=6, stroke=WHITE, stroke_width=2)
    d.line(155, 140, 155, 276, WHITE, 2)
    d.circle(155, 208, 18, "none", stroke=WHITE, stroke_width=2)
    d.ellipse(390, 205, 62, 42, WATER)
    d.rect(462, 140, 64, 100, "#C9B9E8", rx=4, stroke=WHITE, stroke_width=2)
    d.line(462, 190, 526, 190, WHITE, 2)
    d.circle(290, 290, 22, PINK, stroke=NAVY, stroke_width=1.5)
    d.rect(40, 310, 100, 84, PALE_PINK, rx=12)
    d.circle(196, 336, 26, WATER, stroke=NAVY, stroke_width=1)
    d.rect(150, 386, 84, 46, WARM, rx=8, stroke=NAVY, stroke_width=1)
    d.rect(240, 394, 30, 32, WHITE, rx=6, stroke=NAVY, stroke_width=1)
    d.rect(316, 318, 118, 108, PALE_LAVENDER, rx=12)
    d.rect(456, 318, 72, 66, "#DADAE6", rx=12)
    for x in range(62, 530, 56):
        if 250 < x < 420:
            continue
        tree(d, x, 446 - 6, 7)

    spots = [(1, 192, 409), (2, 255, 410), (3, 90, 352), (4, 196, 336), (5, 375, 372),
             (6, 492, 351), (7, 494, 165), (8, 100, 208), (9, 290, 290), (10, 390, 205)]
    for number, x, y in spots:
        symbol(d, x, y, str(number), WHITE)

    d.rect(24, 492, 552, 288, WHITE, rx=18, stroke=DARK_GREEN, stroke_width=2)
    d.text(44, 520, "Key", size=19, bold=True, fill=DARK_GREEN)
    key = [
        ("Cafe", "open 9 am to 5 pm"), ("Toilets", ""),
        ("Toddler play area", "ages 2 to 7"), ("Splash pad", "11 am to 5 pm in summer"),
        ("Adventure playground", "ages 8 to 14"), ("Skate park", ""),
        ("Tennis courts", "£6 an hour, pay at the cafe"),
        ("Football pitches", "closed after heavy rain"),
        ("Bandstand", "band music, Sundays 3 pm"), ("Duck pond", ""),
    ]
    for index, (name, note) in enumerate(key):
        column, row = divmod(index, 5)
        x = 44 + column * 272
        y = 548 + row * 42
        symbol(d, x + 12, y - 5, str(index + 1), WHITE)
        d.text(x + 32, y, name, size=15, bold=True)
        if note:
            d.text(x + 32, y + 18, note, size=14)
    d.line(44, 748, 556, 748, DARK_GREEN, 1)
    d.text(300, 770, "Gates open 7:30 am to dusk. No dogs in areas 3, 4 and 5.", size=15,
           bold=True, anchor="middle")
    return d


def school_lunch_menu():
    d = Drawing(600, 800)
    frame(d)
    d.rect(24, 24, 552, 92, LAVENDER, rx=20)
    d.text(300, 62, "Brackenfield Primary School", size=26, bold=True, anchor="middle",
           family=SERIF)
    d.text(300, 96, "Lunch menu for the week", size=18, bold=True, anchor="middle")

    days = [
        ("Monday", "Beef lasagne with garlic bread", "Cheese and tomato pasta bake",
         "Apple crumble with custard"),
        ("Tuesday", "Roast chicken, potatoes and peas", "Vegetable pie, potatoes and peas",
         "Strawberry jelly"),
        ("Wednesday", "Fish fingers, chips and beans", "Bean burger, chips and beans",
         "Chocolate sponge"),
        ("Thursday", "Chicken curry with rice", "Chickpea curry with rice", "Mango yoghurt"),
        ("Friday", "Sausages, mash and gravy", "Veggie sausages, mash and gravy",
         "Banana bread"),
    ]
    colours = [PALE_SKY, PALE_PINK]
    for index, (day, main, veggie, pudding) in enumerate(days):
        y = 130 + index * 96
        d.rect(24, y, 552, 86, colours[index % 2], rx=16)
        d.rect(36, y + 12, 118, 62, WHITE, rx=12)
        d.text(95, y + 49, day, size=16, bold=True, anchor="middle")
        rows = [("Main: ", main), ("Vegetarian: ", veggie), ("Pudding: ", pudding)]
        for row, (label, dish) in enumerate(rows):
            d.rich(170, y + 26 + row * 22, [(label, True), (dish, False)], size=15)

    d.rect(24, 614, 552, 166, CREAM, rx=18, stroke=NAVY, stroke_width=2)
    d.rich(44, 644, [("Every day: ", True), ("salad bar, fresh bread, fruit and water", False)],
           size=16)
    d.rich(44, 676, [("Price: ", True), ("£2.60 a day", False)], size=16)
    d.text(44, 700, "Free for pupils in Reception, Year 1 and Year 2.", size=16)
    d.text(44, 724, "Please pay at the school office by Monday morning.", size=15)
    d.text(44, 758, "Allergies? Please tell the kitchen team before the first day.",
           size=15, bold=True, fill=TERRACOTTA)
    return d


def holiday_club_advert():
    d = Drawing(600, 800)
    frame(d)
    d.rect(24, 24, 552, 140, PINK, rx=26)
    d.text(300, 90, "Summer Holiday Club", size=38, bold=True, anchor="middle", family=SERIF)
    d.text(300, 128, "for children aged 5 to 11 at Kestrel Park School", size=18,
           anchor="middle")
    d.text(300, 200, "28 July to 15 August", size=22, bold=True, anchor="middle")
    d.text(300, 228, "Monday to Friday, 8:30 am to 3:30 pm", size=18, anchor="middle")

    d.rect(24, 248, 552, 246, PALE_SKY, rx=18)
    d.text(44, 280, "Every week", size=20, bold=True)
    week = [("Monday", "Sports day"), ("Tuesday", "Art and crafts"),
            ("Wednesday", "Science lab"), ("Thursday", "Drama and dance"),
            ("Friday", "Trip to Ashcombe Woods")]
    for index, (day, what) in enumerate(week):
        y = 312 + index * 28
        d.text(44, y, day, size=16, bold=True)
        d.text(170, y, what, size=16)
    d.text(170, 446, "The coach leaves at 9 am and is back by 3 pm.", size=15, italic=True)
    d.text(170, 468, "Please wear wellies on Fridays!", size=15, italic=True)

    d.rect(24, 508, 270, 190, LAVENDER, rx=18)
    d.text(44, 538, "Prices", size=20, bold=True)
    price_row(d, 44, 276, 570, "One day", "£28", size=16)
    price_row(d, 44, 276, 598, "One week", "£120", size=16)
    d.lines(44, 630, ["Book a week before 30 June", "and pay only £100!"], size=15, bold=True,
            leading=20)
    d.text(44, 678, "Early start from 8 am: £3 a day", size=14)

    d.rect(306, 508, 270, 190, WHITE, rx=18, stroke=NAVY, stroke_width=2)
    d.text(326, 538, "Please bring", size=20, bold=True)
    for index, thing in enumerate(["a packed lunch", "a water bottle", "a sun hat"]):
        d.circle(334, 564 + index * 28, 3, NAVY)
        d.text(346, 569 + index * 28, thing, size=16)
    d.lines(326, 660, ["All our staff are trained", "in first aid."], size=15, italic=True,
            leading=20)

    d.text(300, 736, "Book at the school office or call 01632 960283.", size=17, bold=True,
           anchor="middle")
    d.text(300, 764, "Places are limited, so book soon!", size=16, italic=True, anchor="middle")
    return d


# Paper 139 -----------------------------------------------------------------


def ferry_timetable():
    d = Drawing(600, 800)
    frame(d)
    d.rect(24, 24, 552, 110, SKY, rx=20)
    d.path("M 24 112 Q 70 100 116 112 T 208 112 T 300 112 T 392 112 T 484 112 T 576 112 "
           "L 576 114 Q 576 134 556 134 L 44 134 Q 24 134 24 114 Z", fill=PALE_SKY)
    d.text(300, 64, "Holm Island Ferry", size=32, bold=True, anchor="middle", family=SERIF)
    d.text(300, 96, "Port Avery and Holm Island: the crossing takes 35 minutes", size=16,
           anchor="middle")

    seasons = [
        ("Summer", "1 April to 30 September", PALE_PINK,
         [("08:00", "08:45"), ("10:30", "11:15"), ("13:00", "13:45"), ("15:30", "16:15"),
          ("18:00", "18:45")]),
        ("Winter", "1 October to 31 March", PALE_LAVENDER,
         [("09:00", "09:45"), ("12:00", "12:45"), ("15:00", "15:45")]),
    ]
    for index, (name, dates, colour, sailings) in enumerate(seasons):
        x = 24 + index * 288
        d.rect(x, 150, 264, 290, colour, rx=18)
        d.text(x + 132, 180, name, size=21, bold=True, anchor="middle")
        d.text(x + 132, 202, dates, size=15, italic=True, anchor="middle")
        d.text(x + 70, 234, "Leaves", size=14, anchor="middle")
        d.text(x + 70, 252, "Port Avery", size=15, bold=True, anchor="middle")
        d.text(x + 194, 234, "Leaves", size=14, anchor="middle")
        d.text(x + 194, 252, "Holm Island", size=15, bold=True, anchor="middle")
        d.line(x + 18, 264, x + 246, 264, NAVY, 1)
        for row, (out, back) in enumerate(sailings):
            y = 292 + row * 30
            d.text(x + 70, y, out, size=17, anchor="middle")
            d.text(x + 194, y, back, size=17, anchor="middle")

    d.rect(24, 456, 552, 166, PALE_SKY, rx=18)
    d.text(44, 486, "Return fares", size=20, bold=True)
    fares = [("Adult", "£9.00"), ("Child (5 to 15)", "£4.50"), ("Under 5", "free")]
    for row, (who, price) in enumerate(fares):
        price_row(d, 44, 276, 518 + row * 28, who, price)
    extras = [("Bicycle", "£2.00"), ("Dog (on a lead)", "free")]
    for row, (what, price) in enumerate(extras):
        price_row(d, 320, 556, 518 + row * 28, what, price)
    d.text(44, 606, "Please arrive 15 minutes before your ferry leaves.", size=15,
           italic=True)

    d.rect(24, 636, 552, 92, CREAM, rx=18, stroke=NAVY, stroke_width=2)
    d.text(44, 666, "On Holm Island", size=19, bold=True)
    d.lines(44, 692, ["Nature trails, a lighthouse and a tea room",
                      "(the tea room is open from April to September only)."],
            size=15, leading=20)
    d.lines(300, 756, ["In stormy weather, sailings may be cancelled.",
                       "Check the board at the harbour before you travel."], size=15,
            bold=True, anchor="middle", leading=20)
    return d


def city_farm_sign():
    d = Drawing(600, 730)
    frame(d, DARK_GREEN)
    d.rect(24, 24, 552, 118, DARK_GREEN, rx=22)
    d.text(300, 68, "Millbrook City Farm", size=34, bold=True, fill=WHITE, anchor="middle",
           family=SERIF)
    d.text(300, 100, "Welcome! Entry is free.", size=19, bold=True, fill=WHITE,
           anchor="middle")
    d.text(300, 126, "Your donations help us feed the animals.", size=16, fill=WHITE,
           anchor="middle")
    d.text(300, 174, "Open Tuesday to Sunday, 10 am to 4 pm (closed on Mondays)", size=15,
           bold=True, anchor="middle")

    d.rect(24, 192, 552, 230, GRASS, rx=18)
    d.text(44, 224, "Today at the farm", size=20, bold=True, fill=DARK_GREEN)
    events = [("11:00 am", "Goat feeding", "Help the farmer feed the goats."),
              ("12:30 pm", "Meet the guinea pigs", "Stroke them gently in the small barn."),
              ("2:00 pm", "Egg collecting", "Find the eggs in the hen house."),
              ("3:00 pm", "Pony grooming", "Ages 8 and over. £3, book at the shop.")]
    for row, (time, name, note) in enumerate(events):
        y = 256 + row * 42
        d.text(44, y, time, size=16, bold=True)
        d.text(148, y, name, size=16, bold=True)
        d.text(148, y + 19, note, size=15)

    d.rect(24, 436, 552, 266, CREAM, rx=18, stroke=DARK_GREEN, stroke_width=2)
    d.text(44, 468, "Farm rules", size=20, bold=True, fill=DARK_GREEN)
    rules = [["Wash your hands after touching the animals.", "The sinks are by the barn door."],
             ["Only feed the goats and sheep, and only with", "food from the shop (£1 a bag)."],
             ["Keep all gates closed behind you."],
             ["No dogs on the farm, please."],
             ["Do not climb on the fences."]]
    y = 500
    for rule in rules:
        d.circle(52, y - 5, 4, DARK_GREEN)
        d.lines(66, y, rule, size=16, leading=22)
        y += 22 * len(rule) + 12
    return d


def road_closure_notice():
    d = Drawing(600, 780, background=WHITE)
    d.rect(6, 6, 588, 768, CREAM, rx=22, stroke=NAVY, stroke_width=3)
    d.rect(24, 24, 552, 62, NAVY, rx=16)
    d.text(300, 66, "PUBLIC NOTICE", size=30, bold=True, fill=WHITE, anchor="middle")
    d.text(300, 120, "Road closures for the Seaside Carnival", size=22, bold=True,
           anchor="middle")
    d.text(300, 148, "Sunday 6 July", size=20, bold=True, fill=RED, anchor="middle")

    # A small plan of the streets.
    d.rect(24, 166, 552, 190, "#E9EEF5", rx=16)
    d.rect(44, 184, 512, 26, "#CFD4DE", rx=6)
    d.text(300, 203, "Sea front", size=14, italic=True, fill=GREY, anchor="middle")
    d.line(70, 250, 530, 250, RED, 14)
    d.text(300, 240, "Harbour Street (closed)", size=14, bold=True, fill=DARK_RED,
           anchor="middle")
    d.line(110, 256, 110, 310, RED, 14)
    d.text(124, 300, "Quay Lane (closed)", size=14, bold=True, fill=DARK_RED)
    d.line(70, 316, 530, 316, GOLD, 14)
    d.text(390, 306, "Castle Road (diversion)", size=14, bold=True, anchor="middle")
    d.rect(450, 328, 96, 22, WHITE, rx=5, stroke=NAVY, stroke_width=1)
    d.text(498, 344, "Library", size=14, bold=True, anchor="middle")

    sections = [
        ("Harbour Street", ["Closed to all traffic from 11 am to 6 pm. The parade",
                            "starts at 1 pm and takes about an hour and a half."]),
        ("Quay Lane", ["Closed from 6 am to 8 pm. The carnival floats line up",
                       "here from 7 am. Vehicles left on Quay Lane after 6 am",
                       "will be moved."]),
        ("Diversion", ["Follow the yellow signs along Castle Road."]),
        ("Buses 12 and 15", ["These will use Castle Road. No buses will stop on",
                             "Harbour Street: use the stop outside the library."]),
    ]
    y = 386
    for title, words in sections:
        d.text(44, y, title, size=17, bold=True)
        d.lines(44, y + 22, words, size=15, leading=20)
        y += 22 + 20 * len(words) + 16
    d.line(44, y - 6, 556, y - 6, NAVY, 1)
    d.text(300, y + 20, "Thank you for your patience, and enjoy the carnival!", size=16,
           italic=True, anchor="middle")
    d.text(300, y + 46, "Coastmouth Town Council", size=16, bold=True, anchor="middle")
    return d


def stargazing_poster():
    d = Drawing(600, 800, background="#0B1450")
    d.rect(6, 6, 588, 788, "none", rx=22, stroke=SKY, stroke_width=3)
    stars = [(52, 40, 2.5), (120, 78, 1.5), (190, 34, 2), (420, 44, 2.5), (500, 86, 1.5),
             (470, 30, 2), (76, 150, 1.5), (540, 150, 2), (300, 30, 1.5), (250, 70, 1.5),
             (360, 80, 2)]
    for x, y, r in stars:
        d.circle(x, y, r, WHITE)
    d.circle(540, 70, 22, "#FFF4C8")
    d.circle(550, 62, 20, "#0B1450")
    d.text(300, 116, "Hollin Hill Observatory", size=22, bold=True, fill=SKY, anchor="middle")
    d.text(300, 176, "Stargazing Night", size=48, bold=True, fill=WHITE, anchor="middle",
           family=SERIF)
    d.text(300, 218, "Saturday 8 November, 6 pm to 9 pm", size=21, bold=True, fill=PINK,
           anchor="middle")

    d.rect(24, 244, 552, 98, "#1C2A78", rx=18)
    d.text(44, 276, "Telescopes on the viewing field", size=18, bold=True, fill=WHITE)
    d.lines(44, 304, ["Look through our big telescopes at the Moon,",
                      "the rings of Saturn and the Seven Sisters stars."], size=16,
            fill=WHITE, leading=22)

    d.rect(24, 356, 552, 122, "#1C2A78", rx=18)
    d.text(44, 388, "Planetarium shows", size=18, bold=True, fill=WHITE)
    d.text(44, 416, "6:30 pm, 7:30 pm and 8:30 pm (each lasts 25 minutes)", size=16,
           fill=WHITE)
    d.text(44, 442, "Free show tickets from the front desk: only 30 seats", size=16,
           fill=WHITE)
    d.text(44, 464, "in each show.", size=16, fill=WHITE)

    d.rect(24, 492, 268, 156, PINK, rx=18)
    d.text(44, 524, "Entry", size=19, bold=True)
    for row, (who, price) in enumerate([("Adult", "£6"), ("Child (5 to 15)", "£3"),
                                        ("Under 5", "free")]):
        price_row(d, 44, 274, 556 + row * 28, who, price, size=16)

    d.rect(308, 492, 268, 156, SKY, rx=18)
    d.text(328, 524, "Star wheels", size=19, bold=True)
    d.lines(328, 552, ["Make your own star wheel", "at the craft table", "(ages 5 and over)."],
            size=15, leading=21)

    d.rect(24, 662, 552, 76, LAVENDER, rx=18)
    d.text(300, 692, "Cloudy sky? Indoor talks will take the place of the", size=16,
           bold=True, anchor="middle")
    d.text(300, 716, "telescopes. Planetarium shows go ahead in any weather.", size=16,
           bold=True, anchor="middle")
    d.text(300, 774, "Wrap up warm!", size=22, bold=True, italic=True, fill=PINK,
           anchor="middle")
    return d


def campsite_map():
    d = Drawing(600, 800)
    frame(d, DARK_GREEN)
    d.text(300, 52, "Tarnside Campsite", size=30, bold=True, fill=DARK_GREEN, anchor="middle",
           family=SERIF)
    d.text(300, 80, "Site map", size=17, italic=True, anchor="middle")

    d.rect(24, 96, 552, 392, GRASS, rx=18)
    d.path("M 24 130 Q 150 104 300 126 T 576 118 L 576 142 Q 440 150 300 150 "
           "T 24 154 Z", fill=WATER)
    d.text(420, 140, "Tarn Beck (stream)", size=14, italic=True, anchor="middle")
    lane(d, 452)
    d.text(420, 476, "Fell Road", size=14, italic=True, fill=GREY, anchor="middle")

    d.path("M 110 452 L 110 300 L 520 300", stroke=PATH_SAND, width=12)
    d.rect(40, 172, 230, 110, "#C3E0AE", rx=12, stroke=DARK_GREEN, stroke_width=1.5)
    d.text(155, 230, "Field A", size=18, bold=True, anchor="middle")
    d.text(155, 252, "tents", size=15, anchor="middle")
    d.rect(300, 318, 230, 110, "#C3E0AE", rx=12, stroke=DARK_GREEN, stroke_width=1.5)
    d.text(415, 364, "Field B", size=18, bold=True, anchor="middle")
    d.text(415, 386, "caravans and campervans", size=15, anchor="middle")
    d.text(415, 406, "(electric hook-ups)", size=15, anchor="middle")
    d.rect(380, 168, 180, 112, PALE_LAVENDER, rx=12, stroke=NAVY, stroke_width=1.5)
    d.text(470, 220, "Quiet Field", size=18, bold=True, anchor="middle")
    d.text(470, 242, "tents, no groups", size=15, anchor="middle")

    d.rect(136, 330, 82, 62, PALE_PINK, rx=10)
    symbol(d, 177, 361, "R", WHITE)
    d.rect(132, 404, 88, 40, "#CFCFDA", rx=8)
    symbol(d, 176, 424, "P", SKY)
    d.rect(36, 318, 60, 110, PALE_SKY, rx=8)
    d.text(66, 368, "Play", size=14, bold=True, anchor="middle")
    d.text(66, 386, "area", size=14, bold=True, anchor="middle")
    symbol(d, 330, 232, "S", WHITE)
    symbol(d, 330, 270, "W", WHITE)
    d.circle(300, 178, 14, "#F6B26B", stroke=TERRACOTTA, stroke_width=1.5)
    d.text(300, 183, "F", size=14, bold=True, anchor="middle")
    d.text(110, 476, "Entrance", size=15, bold=True, anchor="middle")
    d.rect(250, 306, 40, 22, WHITE, rx=11, stroke=RED, stroke_width=2)
    d.text(270, 322, "5", size=14, bold=True, anchor="middle")

    d.rect(24, 500, 552, 276, WHITE, rx=18, stroke=DARK_GREEN, stroke_width=2)
    d.text(44, 528, "Key", size=19, bold=True, fill=DARK_GREEN)
    symbol(d, 58, 552, "R", WHITE)
    d.text(80, 557, "Reception and shop", size=15)
    symbol(d, 58, 582, "P", SKY)
    d.text(80, 587, "Car park", size=15)
    symbol(d, 58, 612, "S", WHITE)
    d.text(80, 617, "Showers and toilets", size=15)
    symbol(d, 58, 642, "W", WHITE)
    d.text(80, 647, "Washing-up sinks", size=15)
    d.circle(58, 672, 13, "#F6B26B", stroke=TERRACOTTA, stroke_width=1.5)
    d.text(58, 677, "F", size=14, bold=True, anchor="middle")
    d.text(80, 677, "Campfire circle", size=15)
    d.rect(38, 692, 40, 22, WHITE, rx=11, stroke=RED, stroke_width=2)
    d.text(58, 708, "5", size=14, bold=True, anchor="middle")
    d.text(88, 708, "Speed limit: 5 mph", size=15)

    d.text(300, 528, "Prices a night", size=17, bold=True)
    price_row(d, 300, 556, 554, "Tent pitch", "£18", size=15)
    d.text(300, 572, "(for 2 people)", size=14, italic=True)
    price_row(d, 300, 556, 596, "Each extra person", "£5", size=15)
    price_row(d, 300, 556, 620, "Dog", "£2", size=15)
    d.lines(300, 652, ["Arrive from 2 pm.", "Leave by 11 am.", "Quiet time: 10:30 pm to 7 am."],
            size=14, leading=19)
    d.line(44, 726, 556, 726, DARK_GREEN, 1)
    d.text(300, 754, "Campfires only in the campfire circle, please.", size=15, bold=True,
           anchor="middle")
    return d


# Paper 140 -----------------------------------------------------------------


def bicycle(d, x, y):
    """A simple bicycle: two wheels joined by a frame, seat and handlebars."""
    d.circle(x, y, 16, "none", stroke=NAVY, stroke_width=3)
    d.circle(x + 52, y, 16, "none", stroke=NAVY, stroke_width=3)
    d.path(f"M {x} {y} L {x + 18} {y - 24} L {x + 44} {y - 24} L {x + 52} {y} "
           f"M {x + 18} {y - 24} L {x + 26} {y} L {x + 44} {y - 24} M {x} {y} L {x + 26} {y} "
           f"M {x + 12} {y - 32} L {x + 24} {y - 32} M {x + 18} {y - 24} L {x + 18} {y - 32} "
           f"M {x + 44} {y - 24} L {x + 42} {y - 34} L {x + 50} {y - 36}",
           stroke=NAVY, width=3)


def cycling_course_leaflet():
    d = Drawing(600, 760)
    frame(d)
    d.rect(24, 24, 552, 104, SKY, rx=20)
    bicycle(d, 56, 96)
    d.text(330, 70, "Ride Ready", size=36, bold=True, anchor="middle", family=SERIF)
    d.text(330, 104, "A free cycling course for Years 5 and 6", size=17, bold=True,
           anchor="middle")

    levels = [
        ("Level 1", PALE_PINK, "In the school playground",
         ["Starting, stopping and steering", "Braking safely and giving signals"], None,
         "Monday 2 and Tuesday 3 June, 9 am to 11 am"),
        ("Level 2", PALE_LAVENDER, "On quiet roads near the school",
         ["Turning at junctions", "Riding past parked cars"],
         "Only for riders who have passed Level 1.",
         "Monday 9 to Thursday 12 June, 1 pm to 3 pm"),
    ]
    y = 144
    for name, colour, where, skills, rule, when in levels:
        height = 92 + 22 * len(skills) + (24 if rule else 0)
        d.rect(24, y, 552, height, colour, rx=18)
        d.rich(44, y + 30, [(name + ": ", True), (where, False)], size=18)
        for row, skill in enumerate(skills):
            d.circle(52, y + 52 + row * 22, 3, NAVY)
            d.text(64, y + 57 + row * 22, skill, size=15)
        if rule:
            d.text(44, y + 57 + len(skills) * 22 + 4, rule, size=15, italic=True)
        d.text(44, y + height - 16, when, size=15, bold=True)
        y += height + 12

    d.rect(24, y, 552, 132, WHITE, rx=18, stroke=NAVY, stroke_width=2)
    d.text(44, y + 30, "Please bring", size=18, bold=True)
    d.lines(44, y + 56, ["a bike in good working order and a helmet,",
                         "and clothes for the weather."], size=15, leading=20)
    d.lines(44, y + 104, ["No bike? We can lend you one. Ask Mrs Adeyemi by Friday 23 May."],
            size=15, italic=True)
    y += 166

    d.line(24, y, 576, y, NAVY, 2, dash="8 6")
    d.text(300, y - 10, "cut here", size=14, italic=True, fill=GREY, anchor="middle")
    d.text(44, y + 32, "Reply slip: return to the school office by Friday 23 May", size=16,
           bold=True)
    d.text(44, y + 64, "Name: ......................................   Class: ..........", size=15)
    d.text(44, y + 94, "Level 1 [  ]    Level 2 [  ]    I need to borrow a bike [  ]", size=15)
    return d


def smoothie_menu():
    d = Drawing(600, 780)
    frame(d, TERRACOTTA)
    d.rect(24, 24, 552, 100, "#FFD9B3", rx=22)
    d.text(300, 70, "The Juice Hut", size=38, bold=True, fill=TERRACOTTA, anchor="middle",
           family=SERIF)
    d.text(300, 104, "Fresh smoothies and snacks on Market Street", size=17, anchor="middle")

    d.rect(24, 138, 552, 352, WARM, rx=18)
    d.text(44, 172, "Smoothies", size=21, bold=True, fill=TERRACOTTA)
    d.text(420, 160, "Small", size=15, bold=True, anchor="middle")
    d.text(420, 178, "300 ml", size=14, anchor="middle")
    d.text(512, 160, "Large", size=15, bold=True, anchor="middle")
    d.text(512, 178, "500 ml", size=14, anchor="middle")
    smoothies = [("Berry Blast (D)", "strawberries, raspberries, yoghurt", "£2.80", "£3.80"),
                 ("Tropical Sunrise", "mango, pineapple, orange juice", "£3.00", "£4.00"),
                 ("Green Giant", "spinach, apple, kiwi", "£3.20", "£4.20"),
                 ("Banana Oat (D)", "banana, oats, milk, honey", "£2.90", "£3.90")]
    for row, (name, fruit, small, large) in enumerate(smoothies):
        y = 218 + row * 62
        d.text(44, y, name, size=17, bold=True)
        d.text(44, y + 22, fruit, size=15, italic=True)
        d.text(420, y, small, size=17, anchor="middle")
        d.text(512, y, large, size=17, anchor="middle")
    d.text(44, 472, "Add an extra scoop of fruit: 50p", size=15)

    d.rect(24, 504, 268, 140, PALE_PINK, rx=18)
    d.text(44, 536, "Snacks", size=20, bold=True, fill=TERRACOTTA)
    price_row(d, 44, 274, 568, "Flapjack", "£1.60")
    price_row(d, 44, 274, 596, "Fruit pot", "£1.80")
    price_row(d, 44, 274, 624, "Rice cakes", "£1.20")

    d.rect(308, 504, 268, 140, PALE_SKY, rx=18)
    d.text(328, 536, "Opening times", size=20, bold=True, fill=TERRACOTTA)
    d.text(328, 566, "Monday to Friday", size=15, bold=True)
    d.text(328, 586, "3 pm to 7 pm", size=15)
    d.text(328, 614, "Saturday and Sunday", size=15, bold=True)
    d.text(328, 634, "9 am to 5 pm", size=15)

    d.rect(24, 658, 552, 96, CREAM, rx=18, stroke=TERRACOTTA, stroke_width=2)
    d.text(300, 690, "Bring your own cup and get 20p off your smoothie!", size=16, bold=True,
           anchor="middle")
    d.rich(300, 722, [("(D)", True), (" = made with milk or yoghurt", False)], size=15,
           anchor="middle")
    d.text(300, 744, "All our smoothies are made fresh when you order.", size=14, italic=True,
           anchor="middle")
    return d


def activity_timetable():
    d = Drawing(600, 720)
    frame(d)
    d.rect(24, 24, 552, 96, LAVENDER, rx=20)
    d.text(300, 62, "Ashton Sports Centre", size=30, bold=True, anchor="middle", family=SERIF)
    d.text(300, 98, "Junior activities: autumn term", size=19, bold=True, anchor="middle")

    columns = [("Activity", 38, "start"), ("Day", 206, "start"), ("Time", 308, "start"),
               ("Ages", 444, "start"), ("Price", 562, "end")]
    top, row_h = 136, 52
    d.rect(24, top, 552, 40, SKY, rx=10)
    for title, x, anchor in columns:
        d.text(x, top + 26, title, size=16, bold=True, anchor=anchor)
    dash = "\u2013"
    rows = [
        ("Mini gymnastics", "Monday", f"4:00{dash}4:45 pm", f"4{dash}6", "£4.50"),
        ("Junior badminton", "Tuesday", f"5:00{dash}6:00 pm", f"8{dash}12", "£5.00"),
        ("Climbing wall", "Wednesday", f"4:30{dash}6:00 pm", f"8{dash}14", "£7.50"),
        ("Street dance", "Thursday", f"4:15{dash}5:15 pm", f"7{dash}11", "£4.50"),
        ("Swim squad *", "Friday", f"6:00{dash}7:00 pm", f"9{dash}14", "£6.00"),
        ("Family swim **", "Saturday", f"10:00{dash}11:00 am", "all ages", "£2.50"),
    ]
    for r, cells in enumerate(rows):
        y = top + 40 + r * row_h
        if r % 2 == 1:
            d.rect(24, y, 552, row_h, PALE_LAVENDER, rx=8)
        for (title, x, anchor), cell in zip(columns, cells):
            d.text(x, y + 32, cell, size=15, bold=(title == "Activity"), anchor=anchor)
    y = top + 40 + len(rows) * row_h + 30
    d.text(40, y, "* Swimmers must be able to swim 50 metres.", size=15)
    d.lines(40, y + 24, ["** Children under 8 must come with an adult in the water.",
                         "Adults pay £4.00."], size=15, leading=22)

    d.rect(24, y + 84, 552, 84, PALE_PINK, rx=18)
    d.text(300, y + 116, "Save with a 10-session card:", size=17, bold=True, anchor="middle")
    d.text(300, y + 144, "pay for 8 sessions and get 10!", size=17, anchor="middle")
    return d


def ride_height_sign():
    d = Drawing(600, 790)
    frame(d)
    d.rect(24, 24, 552, 100, PINK, rx=22)
    d.text(300, 66, "How tall are you?", size=34, bold=True, anchor="middle", family=SERIF)
    d.text(300, 102, "Ride height guide: Meadowbank Summer Fair", size=18, bold=True,
           anchor="middle")

    # A measuring scale: 1 metre is 300 pixels, from 0.8 m at the bottom to 1.6 m at the top.
    def level(metres):
        return 150 + (1.6 - metres) * 300

    d.rect(30, level(1.6) - 6, 86, 252, SKY, rx=10)
    for tenth in range(8, 17):
        metres = tenth / 10
        y = level(metres)
        d.line(84, y, 110, y, NAVY, 3)
        d.text(78, y + 6, f"{metres:.1f} m", size=15, bold=True, anchor="end")
    for half in range(17, 32, 2):
        y = level(half / 20)
        d.line(96, y, 110, y, NAVY, 1.5)
    d.text(74, level(0.8) + 30, "Stand", size=14, italic=True, anchor="middle")
    d.text(74, level(0.8) + 48, "here and", size=14, italic=True, anchor="middle")
    d.text(74, level(0.8) + 66, "check!", size=14, italic=True, anchor="middle")

    rides = [
        ("Mini Train", "for small children only: no taller than 1.3 m", "2 tokens", PALE_SKY),
        ("Teacups", "at least 0.9 m; under 1.1 m must ride with an adult", "2 tokens",
         PALE_PINK),
        ("Helter Skelter", "at least 1.0 m", "2 tokens", PALE_LAVENDER),
        ("Pirate Ship", "at least 1.2 m", "2 tokens", PALE_SKY),
        ("Big Dipper", "at least 1.4 m", "3 tokens", PALE_PINK),
        ("Dodgems", "drivers at least 1.5 m; passengers at least 1.0 m", "2 tokens",
         PALE_LAVENDER),
    ]
    for row, (name, rule, cost, colour) in enumerate(rides):
        y = 144 + row * 70
        d.rect(136, y, 440, 60, colour, rx=14)
        d.text(154, y + 25, name, size=17, bold=True)
        d.text(558, y + 25, cost, size=15, bold=True, anchor="end")
        d.text(154, y + 48, rule, size=14)

    d.rect(24, 574, 552, 96, WHITE, rx=18, stroke=NAVY, stroke_width=2)
    d.text(300, 604, "Tokens: £1.50 each or 10 for £13", size=19, bold=True, anchor="middle")
    d.text(300, 632, "Buy tokens at the blue ticket booth by the main gate.", size=15,
           anchor="middle")
    d.text(300, 654, "Tokens cannot be swapped back for money.", size=15, italic=True,
           anchor="middle")

    d.rect(24, 684, 552, 82, LAVENDER, rx=18)
    d.text(300, 716, "Our ride staff will measure anyone who looks close", size=16,
           bold=True, anchor="middle")
    d.text(300, 740, "to the line. Thank you for keeping everyone safe!", size=16,
           bold=True, anchor="middle")
    return d


def music_lessons_advert():
    d = Drawing(600, 780)
    frame(d)
    d.rect(24, 24, 552, 128, LAVENDER, rx=24)
    for index in range(5):
        d.line(60, 52 + index * 10, 540, 52 + index * 10, "#9A9AE6", 1.5)
    d.text(300, 86, "Learn to play!", size=42, bold=True, anchor="middle", family=SERIF)
    d.text(300, 130, "Larkspur Music Studio, 14 Orchard Lane", size=18, bold=True,
           anchor="middle")
    d.text(300, 186, "Piano, guitar, violin, drums and ukulele", size=19, bold=True,
           anchor="middle")
    d.text(300, 212, "Friendly teachers for beginners and improvers aged 6 to 16", size=16,
           anchor="middle")

    d.rect(24, 232, 552, 186, PALE_PINK, rx=18)
    d.text(44, 264, "Lesson prices", size=20, bold=True)
    price_row(d, 44, 556, 298, "30-minute lesson (one pupil)", "£16")
    price_row(d, 44, 556, 328, "45-minute lesson (one pupil)", "£22")
    price_row(d, 44, 556, 358, "Ukulele group (up to 6 pupils, 45 minutes)", "£8 each")
    d.text(44, 398, "Your very first lesson is half price!", size=17, bold=True, fill=RED)

    d.rect(24, 432, 270, 178, PALE_SKY, rx=18)
    d.text(44, 464, "Lesson times", size=19, bold=True)
    d.text(44, 494, "Monday to Friday", size=15, bold=True)
    d.text(44, 514, "3:30 pm to 8 pm", size=15)
    d.text(44, 544, "Saturday", size=15, bold=True)
    d.text(44, 564, "9 am to 1 pm", size=15)
    d.text(44, 594, "No lessons on Sundays", size=15, italic=True)

    d.rect(306, 432, 270, 178, WHITE, rx=18, stroke=NAVY, stroke_width=2)
    d.text(326, 464, "No instrument?", size=19, bold=True)
    d.lines(326, 494, ["You can hire a violin or a", "ukulele from us for £5 a",
                       "month while you learn."], size=15, leading=21)
    d.lines(326, 568, ["Pianos and drum kits are", "in every teaching room."], size=15,
            leading=21)

    d.rect(24, 624, 552, 70, PALE_LAVENDER, rx=18)
    d.text(300, 654, "Every pupil can play in our summer concert", size=17, bold=True,
           anchor="middle")
    d.text(300, 678, "in the town hall each July.", size=16, anchor="middle")
    d.text(300, 730, "Call 01632 960771 to book your first lesson.", size=18, bold=True,
           anchor="middle")
    d.text(300, 756, "Gift vouchers available.", size=15, italic=True, anchor="middle")
    return d


PICTURES = {
    "summer-fair-poster": summer_fair_poster,
    "bus-timetable": bus_timetable,
    "cafe-menu": cafe_menu,
    "nature-reserve-map": nature_reserve_map,
    "library-notice": library_notice,
    "swimming-lessons-advert": swimming_lessons_advert,
    "museum-leaflet": museum_leaflet,
    "lost-cat-notice": lost_cat_notice,
    "train-timetable": train_timetable,
    "beach-safety-sign": beach_safety_sign,
    "theatre-poster": theatre_poster,
    "recycling-leaflet": recycling_leaflet,
    "park-map": park_map,
    "school-lunch-menu": school_lunch_menu,
    "holiday-club-advert": holiday_club_advert,
    "ferry-timetable": ferry_timetable,
    "city-farm-sign": city_farm_sign,
    "road-closure-notice": road_closure_notice,
    "stargazing-poster": stargazing_poster,
    "campsite-map": campsite_map,
    "cycling-course-leaflet": cycling_course_leaflet,
    "smoothie-menu": smoothie_menu,
    "activity-timetable": activity_timetable,
    "ride-height-sign": ride_height_sign,
    "music-lessons-advert": music_lessons_advert,
}


def main(names):
    unknown = [name for name in names if name not in PICTURES]
    if unknown:
        raise SystemExit(f"unknown picture: {', '.join(unknown)}")
    for name in names or PICTURES:
        svg_path = HERE / f"{name}.svg"
        png_path = HERE / f"{name}.png"
        svg_path.write_text(PICTURES[name]().svg(), encoding="utf-8")
        subprocess.run(["rsvg-convert", "--format=png", "--output", str(png_path), str(svg_path)],
                       check=True)
        print(png_path.name)


if __name__ == "__main__":
    main(sys.argv[1:])
