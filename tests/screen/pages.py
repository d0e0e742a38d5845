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

# The shader workbench (demo/ShaderPanel.h); the find dialog's own buttons.
SHADER_FILE = 1100
SHADER_EDITOR = 1102
FIND_NEXT = 1
FIND_CANCEL = 2
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
    ('shader', [
        ('page', [], {}),
        ('typed', [Click(SHADER_EDITOR, x=60, y=8), Type('float ')], {}),
        ('undone', [Key('ctrl+z')], {}),
        ('find-open', [Key('ctrl+f'), Type('float')], {'popups': 1}),
        ('find-next', [Click(FIND_NEXT)], {'popups': 1}),
        ('find-closed', [Click(FIND_CANCEL)], {}),
        ('menu-open', [Click(SHADER_EDITOR, x=120, y=60, button=3)], {'popups': 1}),
        ('menu-closed', [Key('Escape')], {}),
        ('asm-chosen', [Click(SHADER_FILE), Key('Home', 'Down', 'Down', 'Return')], {}),
        ('asm-over', [Click(SHADER_EDITOR, x=20, y=-30), Key('ctrl+End', 'Return')] +
         [Type('mad r0, r0, c1, r0'), Key('Return')] * 4, {}),
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
    # The code editor (demo/EditorPanel.cpp): control 1.
    ('editor', [
        ('page', [], {}),
        ('typed', [Click(1, x=60, y=12), Type('float x;')], {}),
        ('selected', [Key('shift+Home')], {}),
    ]),
]
