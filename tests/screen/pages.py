"""The demo's pages as checked on the screen: one entry per page.

A scene is a name, the X input that leads to it from the scene before, and
what must hold besides "every window shows on the screen what it painted":
  popups   visible pop-up windows besides the frame (menus count)
  changes  whether the painted picture must differ from the scene before
Targets are control identifiers of the page (or "frame"); x and y place the
pointer inside the target's window, negative from its right or bottom edge,
None for its middle.
"""
from screen_input import Click, Drag, Key, Move, Press, Release, Type, Wheel

# Rows of the numeric page (demo/NumericPanel.cpp): control 1000 + row.
EDIT_5_DECIMALS = 1000
EDIT_LARGE_VALUE = 1001
SLIDER_CLAMPED = 1006
SLIDER_DISABLED = 1010
SLIDER_BUTTON_X = -8  # inside the button at the right end of a slider edit

# The colour page (demo/ColorPanel.cpp): the embedded picker's controls keep
# their template identifiers (resources/GvMFCUtilitiesRes.h).
COLOR_SWATCH = 2004
COLOR_RED_SLIDER = 2015
COLOR_VALUE_SLIDER = 2019
COLOR_WHEEL = 2020
COLOR_GREEN_EDIT = 2028
COLOR_OPEN_EDITOR = 1100

PAGES = [
    ('numeric', [
        ('page', [], {}),
        ('edit-typed', [Click(EDIT_5_DECIMALS), Key('ctrl+a'), Type('-2.5e3'), Key('Tab')], {}),
        ('edit-dragged', [Drag(EDIT_LARGE_VALUE, x=4, to_x=50)], {}),
        ('button-held', [Press(SLIDER_CLAMPED, x=SLIDER_BUTTON_X)], {}),
        ('popup-open', [Release()], {'popups': 1}),
        ('popup-swept', [Move(30, 0)], {'popups': 1}),
        ('popup-swept-back', [Move(-55, 0)], {'popups': 1}),
        ('popup-wheel', [Wheel(3)], {'popups': 1}),
        ('popup-keys', [Key('Left', 'Left')], {'popups': 1}),
        ('popup-closed', [Key('Escape')], {}),
        ('popup-reopened', [Click(SLIDER_CLAMPED, x=SLIDER_BUTTON_X)], {'popups': 1}),
        ('popup-closed-by-click', [Click(SLIDER_CLAMPED, x=SLIDER_BUTTON_X)], {}),
        ('disabled-clicked', [Click(SLIDER_DISABLED, x=SLIDER_BUTTON_X)], {'changes': False}),
    ]),
    ('color', [
        ('page', [], {}),
        ('wheel-dragged', [Drag(COLOR_WHEEL, x=30, to_x=-30)], {}),
        ('slider-dragged', [Drag(COLOR_RED_SLIDER, x=-4, to_x=20)], {}),
        ('value-dragged', [Press(COLOR_VALUE_SLIDER, y=10), Move(0, 40), Release()], {}),
        ('edit-typed', [Click(COLOR_GREEN_EDIT), Key('ctrl+a'), Type('64'), Key('Tab')], {}),
        # Clicked at two places, or the second click would be a double click;
        # the pointer leaves so that the swatch's tool tip does not open.
        ('small-view', [Click(COLOR_SWATCH, x=4, y=4), Move(300, 0)], {}),
        ('large-view', [Click(COLOR_SWATCH), Move(300, 0)], {}),
        ('editor-open', [Click(COLOR_OPEN_EDITOR)], {'popups': 1}),
        ('editor-cancelled', [Key('Escape')], {}),
    ]),
    ('texture', [
        ('page', [], {}),
    ]),
]
