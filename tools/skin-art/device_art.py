#!/usr/bin/env python3
"""Draws the device pictures of the skin and writes the device layouts whose
key and light buttons lie over them, so both come from one table of places.

    tools/skin-art/device_art.py [SKIN_FOLDER]   (default: resources/skin)

Pictures: image/pictures/{keyboard,mouse,pad,headset}.svg.
Layouts:  XML/DeviceXml/{keyboarddevice,mousedevice,mousepaddevice,hs6533device}.xml.
Coordinates are skin pixels (96 dpi); the pictures are SVG so the host draws
them sharp at any scale.
"""
import os
import sys

BODY = "#2A2F3A"
KEYCAP = "#343A46"
KEYCAP_EDGE = "#404756"
LEGEND = "#C8CCD2"
GROOVE = "#1C2028"
SURFACE = "#1A1D24"
RAISED = "#232833"
BORDER = "#2E3440"
TEXT = "#E8EAED"
SECONDARY = "#9AA0A6"
ACCENT = "#19C3E6"

# The column the picture stands in: the left 60 % of the page.
PICTURE_WIDTH = 464
PICTURE_HEIGHT = 372


def svg(width, height, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n'
            '<defs>\n'
            '  <linearGradient id="body" x1="0" y1="0" x2="0" y2="1">\n'
            f'    <stop offset="0" stop-color="#353B48"/><stop offset="0.18" stop-color="{BODY}"/>'
            f'<stop offset="1" stop-color="#242833"/>\n'
            '  </linearGradient>\n'
            '  <linearGradient id="cap" x1="0" y1="0" x2="0" y2="1">\n'
            f'    <stop offset="0" stop-color="#3C4350"/><stop offset="1" stop-color="{KEYCAP}"/>\n'
            '  </linearGradient>\n'
            '</defs>\n' + body + '</svg>\n')


def rect(x, y, w, h, r, fill, stroke=None, extra=""):
    s = f' stroke="{stroke}" stroke-width="1"' if stroke else ""
    return f'<rect x="{x:g}" y="{y:g}" width="{w:g}" height="{h:g}" rx="{r:g}" fill="{fill}"{s}{extra}/>\n'


def text(x, y, size, label, colour=LEGEND, anchor="middle"):
    label = label.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
    return (f'<text x="{x:g}" y="{y:g}" font-family="Noto Sans, sans-serif" font-size="{size:g}" '
            f'fill="{colour}" text-anchor="{anchor}">{label}</text>\n')


def button(name, x, y, w, h, kind):
    """A DeviceKeyButton floating over the picture (positions relative to the
    SelectPanel, which has the picture's size)."""
    x, y, w, h = round(x), round(y), round(w), round(h)
    tip = ' tooltip=""' if kind == "light" else ""
    return (f'        <DeviceKeyButton name="{name}" float="true" pos="{x},{y},{x + w},{y + h}" '
            f'hotimage="file=&apos;image/controls/key_hot.svg&apos; corner=&apos;4,4,4,4&apos;" '
            f'selectedimage="file=&apos;image/controls/key_selected.svg&apos; corner=&apos;4,4,4,4&apos;" '
            f'lightimage="file=&apos;image/controls/{kind}_light.svg&apos; corner=&apos;4,4,4,4&apos;" '
            f'keysetimage="image/controls/key_changed.svg" cursor="hand"{tip}/>\n')


# ---------------------------------------------------------------- keyboard
# Key number (the keyboard's "key_" + N) and where it stands on a tenkeyless
# board: row, column in key units, width in units, legend.
KEY_UNIT = 24
KEYBOARD_ROWS = [
    # row 0: Esc, F1-F12, Print Screen, Scroll Lock, Pause
    [(0, 0, 1, "Esc")] + [(1 + i, [2, 3, 4, 5, 6.5, 7.5, 8.5, 9.5, 11, 12, 13, 14][i], 1, f"F{i + 1}") for i in range(12)]
    + [(13, 15.25, 1, "PrtSc"), (14, 16.25, 1, "ScrLk"), (15, 17.25, 1, "Pause")],
    # row 1
    [(21, 0, 1, "`")] + [(22 + i, 1 + i, 1, "1234567890"[i]) for i in range(10)]
    + [(32, 11, 1, "-"), (33, 12, 1, "="), (34, 13, 2, "Backspace"), (35, 15.25, 1, "Ins"), (36, 16.25, 1, "Home"),
       (37, 17.25, 1, "PgUp")],
    # row 2
    [(42, 0, 1.5, "Tab")] + [(43 + i, 1.5 + i, 1, "QWERTYUIOP"[i]) for i in range(10)]
    + [(53, 11.5, 1, "["), (54, 12.5, 1, "]"), (55, 13.5, 1.5, "\\"), (56, 15.25, 1, "Del"), (57, 16.25, 1, "End"),
       (58, 17.25, 1, "PgDn")],
    # row 3
    [(63, 0, 1.75, "Caps")] + [(64 + i, 1.75 + i, 1, "ASDFGHJKL"[i]) for i in range(9)]
    + [(73, 10.75, 1, ";"), (74, 11.75, 1, "'"), (75, 12.75, 2.25, "Enter")],
    # row 4
    [(84, 0, 2.25, "Shift")] + [(85 + i, 2.25 + i, 1, "ZXCVBNM"[i]) for i in range(7)]
    + [(92, 9.25, 1, ","), (93, 10.25, 1, "."), (94, 11.25, 1, "/"), (95, 12.25, 2.75, "Shift"),
       (96, 16.25, 1, "\u2191")],
    # row 5
    [(105, 0, 1.25, "Ctrl"), (106, 1.25, 1.25, "Super"), (107, 2.5, 1.25, "Alt"), (108, 3.75, 6.25, ""),
     (109, 10, 1.25, "Alt"), (110, 11.25, 1.25, "Fn"), (111, 12.5, 1.25, "Menu"), (112, 13.75, 1.25, "Ctrl"),
     (113, 15.25, 1, "\u2190"), (114, 16.25, 1, "\u2193"), (115, 17.25, 1, "\u2192")],
]


def keyboard():
    margin = 12
    width = round(2 * margin + 18.25 * KEY_UNIT)
    height = round(2 * margin + 6.5 * KEY_UNIT)
    x0 = (PICTURE_WIDTH - width) / 2
    y0 = (PICTURE_HEIGHT - height) / 2
    body = rect(x0, y0, width, height, 10, "url(#body)", "#3A4150")
    body += rect(x0 + 6, y0 + 6, width - 12, height - 12, 6, GROOVE)
    buttons = ""
    for row_index, row in enumerate(KEYBOARD_ROWS):
        top = y0 + margin + (row_index + (0.5 if row_index else 0)) * KEY_UNIT
        for number, column, units, legend in row:
            left = x0 + margin + column * KEY_UNIT
            w, h = units * KEY_UNIT - 3, KEY_UNIT - 3
            body += rect(left + 1.5, top + 1.5, w, h, 3, "url(#cap)", KEYCAP_EDGE)
            size = 6.5 if len(legend) > 3 else 8.5
            if legend:
                body += text(left + 1.5 + w / 2, top + 1.5 + h / 2 + size * 0.36, size, legend)
            buttons += button(f"key_{number}", left + 1.5, top + 1.5, w, h, "key")
    return svg(PICTURE_WIDTH, PICTURE_HEIGHT, body), buttons


# ---------------------------------------------------------------- mouse
SIDE_KEY = "#30364A"


def mouse():
    cx, top, bottom, half = PICTURE_WIDTH / 2, 28, 344, 84
    left, right = cx - half, cx + half
    body = (f'<rect x="{left:g}" y="{top}" width="{2 * half}" height="{bottom - top}" rx="{half}" ry="118" '
            f'fill="url(#body)" stroke="#3A4150" stroke-width="1.5"/>\n')
    # The two main buttons, split from the palm and from each other.
    body += (f'<path d="M {left + 2} {top + 138} Q {cx} {top + 158} {right - 2} {top + 138}" fill="none" '
             f'stroke="{GROOVE}" stroke-width="2"/>\n'
             f'<line x1="{cx}" y1="{top + 2}" x2="{cx}" y2="{top + 149}" stroke="{GROOVE}" stroke-width="2"/>\n')
    body += rect(cx - 9, top + 34, 18, 44, 8, "#151820", "#3A4150")
    body += "".join(f'<line x1="{cx - 6}" y1="{top + 41 + i * 6}" x2="{cx + 6}" y2="{top + 41 + i * 6}" '
                    f'stroke="#2E3440" stroke-width="1.5"/>\n' for i in range(6))
    body += (f'<path d="M {cx - 14} {top + 226} L {cx} {top + 248} L {cx + 14} {top + 226}" fill="none" '
             f'stroke="{SECONDARY}" stroke-width="2.5" stroke-linejoin="round"/>\n')
    places = [
        (0, left + 14, top + 22, half - 25, 106),  # left button, up to the wheel
        (1, cx + 11, top + 22, half - 25, 106),    # right button
        (2, cx - 9, top + 34, 18, 44),             # wheel click
        (3, left - 5, top + 150, 12, 38),          # forward, on the left flank
        (4, left - 5, top + 192, 12, 38),          # back
        (5, cx - 6, top + 88, 12, 18),             # DPI up
        (6, cx - 6, top + 110, 12, 18),            # DPI down
        (7, cx - 6, top + 268, 12, 16),            # DPI cycle, on the back
        (8, right - 7, top + 160, 12, 38),         # game key, on the right flank
        (9, left - 3, top + 106, 10, 34),          # sniper, ahead of the side buttons
        (10, left + 2, top + 62, 12, 30),          # rapid fire, beside the left button
    ]
    buttons = ""
    for number, x, y, w, h in places:
        if number not in (0, 1, 2):
            body += rect(x, y, w, h, 4, SIDE_KEY, "#434B5C")
        buttons += button(f"key_{number}", x, y, w, h, "key")
    # Light zones: a strip of six down each flank, the wheel, a band across
    # the palm and the tail. The logo has a button of its own, painted with
    # the colour of one of the lights.
    lights = [(left + 10, top + 148 + i * 22, 5, 16) for i in range(6)]
    lights += [(right - 15, top + 148 + i * 22, 5, 16) for i in range(6)]
    lights += [(cx - 4, top + 82, 8, 4), (cx - 40, top + 196, 80, 4), (cx - 26, bottom - 12, 52, 5)]
    for index, (x, y, w, h) in enumerate(lights):
        body += rect(x, y, w, h, 2, GROOVE)
        buttons += button(f"light_{index}", x, y, w, h, "light")
    buttons += button("logo", cx - 18, top + 218, 36, 34, "light")
    return svg(PICTURE_WIDTH, PICTURE_HEIGHT, body), buttons


# ---------------------------------------------------------------- mouse pad
def pad():
    x0, y0, w, h = 24, 70, PICTURE_WIDTH - 48, 232
    body = rect(x0, y0, w, h, 14, "url(#body)", "#3A4150")
    body += rect(x0 + 14, y0 + 14, w - 28, h - 28, 8, "#20242D")
    body += (f'<path d="M {x0 + 36} {y0 + h - 58} l 12 20 l 12 -20" fill="none" stroke="{BORDER}" '
             f'stroke-width="2.5" stroke-linecap="round" stroke-linejoin="round"/>\n')
    # The hub in the top-right corner.
    body += rect(x0 + w - 84, y0 - 16, 64, 14, 5, "#30364A", "#3A4150")
    buttons = ""
    lights = []
    # Seven along the top edge, four down each side.
    for i in range(7):
        lights.append((x0 + 34 + i * (w - 80) / 6 - 14, y0 + 4, 28, 5))
    for i in range(4):
        lights.append((x0 + w - 9, y0 + 30 + i * (h - 72) / 3, 5, 24))
    for i in range(4):
        lights.append((x0 + 4, y0 + 30 + i * (h - 72) / 3, 5, 24))
    for index, (x, y, lw, lh) in enumerate(lights):
        body += rect(x, y, lw, lh, 2, GROOVE)
        buttons += button(f"light_{index}", x, y, lw, lh, "light")
    return svg(PICTURE_WIDTH, PICTURE_HEIGHT, body), buttons


# ---------------------------------------------------------------- headset
def headset():
    import math
    cx, cy = PICTURE_WIDTH / 2, 210
    body = (f'<path d="M {cx - 128} {cy} C {cx - 128} {cy - 170}, {cx + 128} {cy - 170}, {cx + 128} {cy}" '
            f'fill="none" stroke="#30364A" stroke-width="20" stroke-linecap="round"/>\n'
            f'<path d="M {cx - 128} {cy} C {cx - 128} {cy - 170}, {cx + 128} {cy - 170}, {cx + 128} {cy}" '
            f'fill="none" stroke="#3A4150" stroke-width="1.5" transform="translate(0,-9)"/>\n')
    buttons = ""
    lights = []
    for side, ex in ((-1, cx - 128), (1, cx + 128)):
        body += f'<circle cx="{ex}" cy="{cy + 20}" r="66" fill="url(#body)" stroke="#3A4150" stroke-width="1.5"/>\n'
        body += f'<circle cx="{ex}" cy="{cy + 20}" r="48" fill="none" stroke="{GROOVE}" stroke-width="10"/>\n'
        body += f'<circle cx="{ex}" cy="{cy + 20}" r="34" fill="#20242D"/>\n'
        for i in range(6):
            angle = math.radians(-90 + i * 60)
            x = ex + 48 * math.cos(angle) - 5
            y = cy + 20 + 48 * math.sin(angle) - 5
            lights.append((x, y, 10, 10))
    # The microphone boom from the left cup, with its tip light.
    body += (f'<path d="M {cx - 170} {cy + 60} Q {cx - 150} {cy + 140} {cx - 60} {cy + 132}" fill="none" '
             f'stroke="#30364A" stroke-width="8" stroke-linecap="round"/>\n')
    lights.append((cx - 66, cy + 126, 12, 12))
    for index, (x, y, w, h) in enumerate(lights):
        body += rect(x, y, w, h, w / 2, "#151820", "#3A4150")
        buttons += button(f"light_{index}", x, y, w, h, "light")
    return svg(PICTURE_WIDTH, PICTURE_HEIGHT, body), buttons


# ---------------------------------------------------------------- layouts
TAB = ('          <Option name="{name}" group="device_function_tabs" textid="{name}_text" font="8" {visible}'
       'textcolor="#FF9AA0A6" hottextcolor="#FFE8EAED" selectedtextcolor="#FFE8EAED" '
       'selectedimage="image/controls/tab_selected.svg" endellipsis="true" cursor="hand"{selected}/>\n')

# Function tabs of each page: (name, visible at start); they share the
# strip. The profile panel shows and hides them by model.
TABS = {
    "keyboard": [("deng_Op_tab", True), ("key_Op_tab", True), ("macro_Op_tab", True), ("system_Op_tab", True),
                 ("cursor_Op_tab", False)],
    "mouse": [("deng_Op_tab", True), ("key_Op_tab", True), ("macro_Op_tab", True), ("cursor_Op_tab", True),
              ("system_Op_tab", True)],
    "pad": [("deng_Op_tab", True)],
    "headset": [("deng_Op_tab", True), ("6533_voice_Op_tab", True), ("magic_Op_tab", True),
                ("Virtual7.1_Op_tab", True)],
}

# Pages of "device_function_switch" and of "device_key_function_switch"
# (page 0 of the first): the containers the panels are built into.
SWITCH_PAGES = {
    "keyboard": (["LightControlItem", "KeySetControlItem", "keyboard_system_panel"],
                 ["MacroControlItem", "keyboard_cursor_panel", "keyboard_function_panel"]),
    "mouse": (["LightControlItem", "mouse_key_panel", "mouse_function_panel"],
              ["MacroControlItem", "DPIControlItem", "mouse_system_panel"]),
    "pad": (["LightControlItem"], []),
    "headset": (["LightControlItem", "Voice6533ControlItem", "MagicControlItem"], ["VirtualSetControlItem"]),
}


# Panels with fixed children: the mouse's key page lists what every button
# does until a button is chosen, then shows the key panel (and the recoil
# panel for gun keys) in its place.
PANEL_CHILDREN = {
    "mouse_key_panel": ['<List name="device_setkeyinfo_list" vscrollbar="true"/>',
                        '<VerticalLayout name="KeySetControlItem" visible="false"/>',
                        '<VerticalLayout name="ShootControlItem" visible="false"/>'],
}


# Panels that bring their own layouts: the program's own classes, and
# panels built from a layout file of their own.
PANEL_CLASSES = {"LightControlItem": "LightControl"}
PANEL_LAYOUTS = {"DPIControlItem": "XML/CustomControlXML/DPIControlItem.xml",
                 "VirtualSetControlItem": "XML/CustomControlXML/VirtualSet.xml"}


def panel(name, indent):
    children = PANEL_CHILDREN.get(name)
    if name in PANEL_CLASSES:
        return f'{indent}<{PANEL_CLASSES[name]} name="{name}" inset="16,16,16,16"/>\n'
    if name in PANEL_LAYOUTS:
        return f'{indent}<SkinPanel name="{name}" layout="{PANEL_LAYOUTS[name]}" inset="16,16,16,16"/>\n'
    if not children:
        return f'{indent}<VerticalLayout name="{name}" inset="16,16,16,16" childpadding="8"/>\n'
    inner = "".join(f"{indent}  {child}\n" for child in children)
    return f'{indent}<VerticalLayout name="{name}" inset="16,16,16,16" childpadding="8">\n{inner}{indent}</VerticalLayout>\n'


# What a click on the picture does: keys on the keyboard and the mouse,
# lights on the others.
HINTS = {"keyboard": "device_picture_hint_text", "mouse": "device_picture_hint_text",
         "pad": "device_picture_light_hint_text", "headset": "device_picture_light_hint_text"}


def layout(kind, buttons, picture, page_name, wrap_picture=None):
    key_pages, other_pages = SWITCH_PAGES[kind]
    tabs = ""
    for index, (name, visible) in enumerate(TABS[kind]):
        tabs += TAB.format(name=name, visible='' if visible else 'visible="false" ',
                           selected=' selected="true"' if index == 0 else "")
    key_switch = ''.join(panel(name, "            ") for name in key_pages)
    others = ''.join(panel(name, "          ") for name in other_pages)
    select_panel = (f'      <SelectPanel name="SelectPanel" width="{PICTURE_WIDTH}" height="{PICTURE_HEIGHT}" '
                    f'bkimage="{picture}">\n{buttons}      </SelectPanel>\n')
    if wrap_picture:
        select_panel = (f'      <VerticalLayout name="{wrap_picture}" height="{PICTURE_HEIGHT}">\n'
                        + select_panel.replace("\n      ", "\n        ").replace("      <Select", "        <Select", 1)
                        + '      </VerticalLayout>\n')
    return f'''<!-- The {kind} page: its picture with the buttons of its keys and lights on the
     left, the function panel on the right. Written by tools/skin-art/device_art.py. -->
<HorizontalLayout name="{page_name}" inset="16,12,16,16" childpadding="16">
  <VerticalLayout width="{PICTURE_WIDTH}" childpadding="8">
    <Label name="device_picture_hint" textid="{HINTS[kind]}" font="9" textcolor="#FF9AA0A6" height="16"/>
{select_panel}    <DeviceProfile name="DeviceProfileItem" height="40" bkcolor="#FF1A1D24" borderround="4,4" inset="12,6,12,6"/>
  </VerticalLayout>
  <VerticalLayout name="device_function_panel" bkcolor="#FF1A1D24" borderround="4,4" bordersize="1" bordercolor="#FF2E3440">
    <HorizontalLayout name="device_function_tabs" height="36" inset="4,0,4,0">
{tabs}    </HorizontalLayout>
    <Control height="1" bkcolor="#FF2E3440"/>
    <TabLayout name="device_function_switch">
      <TabLayout name="device_key_function_switch">
{key_switch}      </TabLayout>
{others}    </TabLayout>
  </VerticalLayout>
</HorizontalLayout>
'''


def main():
    skin = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "../../resources/skin")
    pictures = os.path.join(skin, "image", "pictures")
    layouts = os.path.join(skin, "XML", "DeviceXml")
    os.makedirs(pictures, exist_ok=True)
    os.makedirs(layouts, exist_ok=True)
    for kind, draw, xml, page, wrap in (("keyboard", keyboard, "keyboarddevice.xml", "keyboard_device_page", None),
                                        ("mouse", mouse, "mousedevice.xml", "mouse_device_page",
                                         "mouse_device_seting_layout"),
                                        ("pad", pad, "mousepaddevice.xml", "mousepad_device_page", None),
                                        ("headset", headset, "hs6533device.xml", "headset_device_page", None)):
        picture_svg, buttons = draw()
        with open(os.path.join(pictures, kind + ".svg"), "w") as out:
            out.write(picture_svg)
        with open(os.path.join(layouts, xml), "w") as out:
            out.write(layout(kind, buttons, f"image/pictures/{kind}.svg", page, wrap))


if __name__ == "__main__":
    main()
