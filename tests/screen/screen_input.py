"""Real X input for the screen checks, sent with xdotool.

Each step resolves its target against the windows the demo listed with its
last picture (a dict: control identifier or "frame" -> screen rectangle).
"""
import subprocess


def xdotool(*args):
    subprocess.run(['xdotool', *map(str, args)], check=True)


def _place(offset, low, high):
    if offset is None:
        return (low + high) // 2
    return low + offset if offset >= 0 else high + offset


def _point(windows, target, x, y):
    if target not in windows:
        raise LookupError(f'no window {target} on the screen')
    left, top, right, bottom = windows[target]
    return _place(x, left, right), _place(y, top, bottom)


class Click:
    def __init__(self, target, x=None, y=None, button=1):
        self.target, self.x, self.y, self.button = target, x, y, button

    def run(self, windows):
        xdotool('mousemove', *_point(windows, self.target, self.x, self.y))
        xdotool('click', self.button)


class Press:
    """Presses a button over the target and holds it (Release lets it go)."""

    def __init__(self, target, x=None, y=None, button=1):
        self.target, self.x, self.y, self.button = target, x, y, button

    def run(self, windows):
        xdotool('mousemove', *_point(windows, self.target, self.x, self.y))
        xdotool('mousedown', self.button)


class Release:
    def __init__(self, button=1):
        self.button = button

    def run(self, windows):
        xdotool('mouseup', self.button)


class Drag:
    """Presses over the target at x, moves in steps to to_x (same row), releases."""

    def __init__(self, target, x, to_x, y=None, button=1):
        self.target, self.x, self.to_x, self.y, self.button = target, x, to_x, y, button

    def run(self, windows):
        start_x, row = _point(windows, self.target, self.x, self.y)
        end_x = _point(windows, self.target, self.to_x, self.y)[0]
        xdotool('mousemove', start_x, row)
        xdotool('mousedown', self.button)
        for n in range(1, 5):
            xdotool('mousemove', start_x + (end_x - start_x) * n // 4, row)
        xdotool('mouseup', self.button)


class Move:
    """Moves the pointer by dx, dy pixels from where it is."""

    def __init__(self, dx, dy):
        self.dx, self.dy = dx, dy

    def run(self, windows):
        xdotool('mousemove_relative', '--', self.dx, self.dy)


class Key:
    def __init__(self, *keys):
        self.keys = keys

    def run(self, windows):
        xdotool('key', '--delay', 30, *self.keys)


class Type:
    def __init__(self, text):
        self.text = text

    def run(self, windows):
        xdotool('type', '--delay', 30, '--', self.text)


class Wheel:
    """Turns the wheel by notches: positive away from the user (button 4)."""

    def __init__(self, notches):
        self.notches = notches

    def run(self, windows):
        xdotool('click', '--repeat', abs(self.notches), '--delay', 30, 4 if self.notches > 0 else 5)
