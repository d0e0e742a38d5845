#!/usr/bin/env python3
"""Screen-level checks of the demo host.

Runs GvDemoHost.exe interactively under Wine on an Xvfb display of its own,
drives it with real X input (pages.py lists the scenes) and, in every scene,
compares what the X server shows with what the demo painted (its
--dump-on-request pictures). A window whose pixels on the screen differ from
its painted ones fails the check; both pictures and a picture of the
differences stay in the output folder.

The screen is read with one GetImage request on the root window, which
returns the screen's own pixels. xwd -root does not: Wine's windows have a
colormap of their own, so xwd rebuilds the screen window by window, and reads
a pop-up that lies wholly inside another window of the same visual and
colormap (menus, the pop-up slider) from the window below it, where the
server answers the covered part with black.
"""
import argparse
import ctypes
import os
import struct
import subprocess
import sys
import time
import zlib

from pages import PAGES
from screen_input import Key, xdotool

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
WAIT_STEP = 0.05
SCENE_LIMIT = 30.0


class XImage(ctypes.Structure):
    _fields_ = [('width', ctypes.c_int), ('height', ctypes.c_int), ('xoffset', ctypes.c_int),
                ('format', ctypes.c_int), ('data', ctypes.c_void_p), ('byte_order', ctypes.c_int),
                ('bitmap_unit', ctypes.c_int), ('bitmap_bit_order', ctypes.c_int), ('bitmap_pad', ctypes.c_int),
                ('depth', ctypes.c_int), ('bytes_per_line', ctypes.c_int), ('bits_per_pixel', ctypes.c_int),
                ('red_mask', ctypes.c_ulong), ('green_mask', ctypes.c_ulong), ('blue_mask', ctypes.c_ulong)]


class XScreen:
    """The pixels of the X server's screen, read through libX11."""

    def __init__(self, display):
        x = self.x = ctypes.CDLL('libX11.so.6')
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        for name in ('XDisplayWidth', 'XDisplayHeight'):
            getattr(x, name).argtypes = [ctypes.c_void_p, ctypes.c_int]
        x.XGetImage.restype = ctypes.POINTER(XImage)
        x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x.XFree.argtypes = [ctypes.c_void_p]
        self.display = x.XOpenDisplay(display.encode())
        if not self.display:
            raise RuntimeError(f'cannot open X display {display}')
        self.root = x.XDefaultRootWindow(self.display)
        self.size = (x.XDisplayWidth(self.display, 0), x.XDisplayHeight(self.display, 0))

    def grab(self, left, top, width, height):
        """RGB bytes of the rectangle; parts off the screen stay black."""
        rgb = bytearray(width * height * 3)
        x0, y0 = max(left, 0), max(top, 0)
        x1, y1 = min(left + width, self.size[0]), min(top + height, self.size[1])
        if x1 <= x0 or y1 <= y0:
            return rgb
        image = self.x.XGetImage(self.display, self.root, x0, y0, x1 - x0, y1 - y0, 0xFFFFFFFF, 2)  # ZPixmap
        info = image.contents
        if info.bits_per_pixel != 32 or (info.red_mask, info.green_mask, info.blue_mask) != (0xFF0000, 0xFF00, 0xFF):
            raise RuntimeError(f'unexpected screen format: {info.bits_per_pixel} bits per pixel')
        data = ctypes.string_at(info.data, info.bytes_per_line * info.height)
        order = (2, 1, 0) if info.byte_order == 0 else (1, 2, 3)  # LSBFirst: B G R X
        for row in range(y1 - y0):
            line = data[row * info.bytes_per_line:row * info.bytes_per_line + (x1 - x0) * 4]
            start = ((y0 - top + row) * width + (x0 - left)) * 3
            for channel, source in enumerate(order):
                rgb[start + channel:start + (x1 - x0) * 3:3] = line[source::4]
        self.x.XFree(info.data)
        self.x.XFree(image)
        return rgb


def read_png(path):
    """Width, height and RGB bytes of an 8-bit RGB PNG without filters (the demo's)."""
    with open(path, 'rb') as f:
        data = f.read()
    if data[:8] != b'\x89PNG\r\n\x1a\n':
        raise ValueError(f'{path}: not a PNG file')
    pos, idat, width, height = 8, b'', 0, 0
    while pos < len(data):
        length, kind = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b'IHDR':
            width, height, depth, colour = struct.unpack('>IIBB', body[:10])
            if (depth, colour) != (8, 2):
                raise ValueError(f'{path}: not 8-bit RGB')
        elif kind == b'IDAT':
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * 3 + 1
    if any(raw[row * stride] for row in range(height)):
        raise ValueError(f'{path}: filtered rows')
    return width, height, b''.join(raw[row * stride + 1:(row + 1) * stride] for row in range(height))


def write_png(path, width, height, rgb):
    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))

    rows = b''.join(b'\0' + bytes(rgb[row * width * 3:(row + 1) * width * 3]) for row in range(height))
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)) +
                chunk(b'IDAT', zlib.compress(rows, 6)) + chunk(b'IEND', b''))


class Picture:
    """A picture the demo painted, with its place and its windows (bottom-most first)."""

    def __init__(self, base):
        self.width, self.height, self.rgb = read_png(base + '.png')
        self.panels, self.windows, self.shown = [], [], None
        with open(base + '.txt') as f:
            for line in f:
                words = line.split()
                if words[0] == 'origin':
                    self.left, self.top = int(words[1]), int(words[2])
                elif words[0] == 'panel':
                    self.panels.append(words[1])
                    if len(words) > 2:
                        self.shown = words[1]
                elif words[0] in ('top-level', 'child'):
                    self.windows.append({'rect': tuple(map(int, words[1:5])), 'id': int(words[5]),
                                         'class': ' '.join(words[6:]), 'top_level': words[0] == 'top-level'})
        tops = [w for w in self.windows if w['top_level']]
        for n, w in enumerate(tops):
            w['label'] = 'frame' if n == 0 else f'pop-up {n} ({w["class"]})'
        for w in self.windows:
            w.setdefault('label', f'{w["class"]} {w["id"]}')

    def targets(self):
        found = {w['id']: w['rect'] for w in self.windows if not w['top_level']}
        found['frame'] = next(w['rect'] for w in self.windows if w['top_level'])
        return found

    def popups(self):
        return sum(w['top_level'] for w in self.windows) - 1

    def differences(self, screen):
        """Count of differing pixels per window that shows them, and the screen marked with them."""
        counts, marked = {}, bytearray(screen)
        row_bytes = self.width * 3
        for y in range(self.height):
            a, b = self.rgb[y * row_bytes:(y + 1) * row_bytes], screen[y * row_bytes:(y + 1) * row_bytes]
            if a == b:
                continue
            for x in range(self.width):
                if a[x * 3:x * 3 + 3] == b[x * 3:x * 3 + 3]:
                    continue
                sx, sy = self.left + x, self.top + y
                owner = None
                for w in self.windows:
                    left, top, right, bottom = w['rect']
                    if left <= sx < right and top <= sy < bottom:
                        owner = w
                if owner:
                    counts[owner['label']] = counts.get(owner['label'], 0) + 1
                    marked[y * row_bytes + x * 3:y * row_bytes + x * 3 + 3] = b'\xff\x00\xff'
        return counts, marked


class Demo:
    """GvDemoHost.exe on the display, answering dump requests in a folder."""

    def __init__(self, exe, folder):
        self.folder = folder
        os.makedirs(folder, exist_ok=True)
        for name in os.listdir(folder):
            os.remove(os.path.join(folder, name))
        self.log = open(os.path.join(folder, 'demo.log'), 'w')
        windows_folder = 'Z:' + folder.replace('/', '\\')
        self.process = subprocess.Popen([os.path.join(ROOT, 'scripts', 'wine-run'), exe, '--dump-on-request',
                                         windows_folder], stdout=self.log, stderr=subprocess.STDOUT)

    def dump(self, name, timeout):
        """Asks for a picture of what the windows painted now; None when none came."""
        request = os.path.join(self.folder, 'request')
        with open(request + '.new', 'w') as f:
            f.write(name + '\n')
        os.replace(request + '.new', request)
        deadline = time.monotonic() + timeout
        while os.path.exists(request):
            if time.monotonic() > deadline or self.process.poll() is not None:
                os.remove(request)
                return None
            time.sleep(WAIT_STEP)
        base = os.path.join(self.folder, name)
        return Picture(base) if os.path.exists(base + '.txt') else None


class Checks:
    def __init__(self, demo, screen, out):
        self.demo, self.screen, self.out = demo, screen, out
        self.failures, self.previous = [], None

    def fail(self, scene, message):
        self.failures.append(f'{scene}: {message}')
        print(f'FAIL {scene}: {message}', flush=True)

    def scene(self, name, steps, popups=0, changes=True):
        """Runs the steps, then waits for the painted scene and compares it with the screen."""
        try:
            for step in steps:
                step.run(self.previous.targets())
        except (LookupError, subprocess.CalledProcessError) as error:
            return self.fail(name, f'input not sent: {error}')
        # The wait ends as soon as the scene is reached; the limit only decides
        # when a scene that never comes fails, so it allows for a loaded machine.
        deadline, attempt = time.monotonic() + SCENE_LIMIT, 0
        while True:
            attempt += 1
            picture = self.demo.dump(f'{name}-{attempt}', SCENE_LIMIT)
            if picture is None:
                return self.fail(name, 'the demo gave no picture (see demo.log)')
            # Wine flushes what a window painted to the X server right after.
            time.sleep(0.1)
            screen = self.screen.grab(picture.left, picture.top, picture.width, picture.height)
            counts, marked = picture.differences(screen)
            reached = picture.popups() == popups and (not changes or self.previous is None or
                                                      picture.rgb != self.previous.rgb)
            if (reached and not counts) or time.monotonic() > deadline:
                break
            time.sleep(0.2)
        os.replace(os.path.join(self.demo.folder, f'{name}-{attempt}.png'),
                   os.path.join(self.out, f'{name}-painted.png'))
        write_png(os.path.join(self.out, f'{name}-screen.png'), picture.width, picture.height, screen)
        diff_path = os.path.join(self.out, f'{name}-diff.png')
        if counts:
            write_png(diff_path, picture.width, picture.height, marked)
            shown = ', '.join(f'{label}: {n} px' for label, n in sorted(counts.items()))
            self.fail(name, f'the screen differs from what was painted ({shown}); see {diff_path}')
        elif os.path.exists(diff_path):
            os.remove(diff_path)
        if picture.popups() != popups:
            self.fail(name, f'{picture.popups()} pop-up windows open, expected {popups}')
        elif changes and self.previous is not None and picture.rgb == self.previous.rgb:
            self.fail(name, 'the input changed nothing that was painted')
        elif not counts:
            print(f'ok   {name} ({len(picture.windows)} windows)', flush=True)
        self.previous = picture


def run_checks(exe, out):
    demo = Demo(exe, os.path.join(out, 'dumps'))
    checks = Checks(demo, XScreen(os.environ['DISPLAY']), out)
    try:
        # Wine's first start in a new prefix takes a while.
        first = demo.dump('start', 120.0)
        if first is None:
            print('FAIL the demo did not start (see dumps/demo.log)')
            return 1
        checks.previous = first
        xdotool('mousemove', first.left + first.width + 40, first.top + first.height + 40)
        for page, scenes in PAGES:
            if page not in first.panels:
                checks.fail(page, f'no such page; the demo has {" ".join(first.panels)}')
                continue
            # The page is chosen as a person would: the "Panels" menu, then its item.
            checks.scene(f'{page}-menu', [Key('alt+p')], popups=1)
            choose = [Key(*(['Down'] * first.panels.index(page)), 'Return')]
            for n, (name, steps, expect) in enumerate(scenes):
                checks.scene(f'{page}-{name}', (choose if n == 0 else []) + steps, **expect)
            if checks.previous.shown != page:
                checks.fail(page, f'the menu showed page {checks.previous.shown}')
    finally:
        demo.process.terminate()
    print(f'{len(checks.failures)} failed; pictures in {out}')
    return 1 if checks.failures else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('exe', help='GvDemoHost.exe')
    parser.add_argument('out', help='folder for the pictures')
    args = parser.parse_args()
    out = os.path.abspath(args.out)
    os.makedirs(out, exist_ok=True)
    # A display and a Wine prefix of its own: nothing else draws or moves the pointer there.
    os.environ.update(GV_XVFB_STATE=os.path.join(out, 'xvfb'), WINEPREFIX=os.path.join(out, 'wineprefix'))
    os.environ.pop('DISPLAY', None)
    started = subprocess.run([os.path.join(ROOT, 'scripts', 'xvfb-start')], capture_output=True, text=True)
    if started.returncode != 0:
        print('FAIL no Xvfb display')
        return 1
    os.environ['DISPLAY'] = started.stdout.strip()
    try:
        return run_checks(os.path.abspath(args.exe), out)
    finally:
        subprocess.run([os.path.join(ROOT, 'scripts', 'xvfb-stop')])


if __name__ == '__main__':
    sys.exit(main())
