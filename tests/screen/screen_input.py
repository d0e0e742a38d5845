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


class Click:
    def __init__(self, target, x=None, y=None, button=1):
        self.target, self.x, self.y, self.button = target, x, y, button

    def run(self, windows):
        if self.target not in windows:
            raise LookupError(f'no window {self.target} on the screen')
        left, top, right, bottom = windows[self.target]
        xdotool('mousemove', _place(self.x, left, right), _place(self.y, top, bottom))
        xdotool('click', self.button)


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
