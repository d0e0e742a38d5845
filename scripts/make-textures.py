#!/usr/bin/env python3
"""Writes the sample textures of data/textures/ (standard library only).

Every pixel follows a formula given here, so that tests can compute what
they expect:
  mips_bgra.dds      2-D B8G8R8A8, 32 x 16, full chain (6 levels):
                     level l, (x, y) -> R = 8x mod 256, G = 16y mod 256, B = 40 l, A = 255
  volume_rgba.dds    volume R8G8B8A8, 8 x 8 x 4, full chain (4 levels):
                     level l, slice s, (x, y) -> R = 60 s + 20, G = 50 l, B = 16x + y, A = 255
  cube_bgrx.dds      cube map B8G8R8X8, edge 8, full chain (4 levels):
                     face f, level l, (x, y) -> R = 40 f + 10, G = 60 l, B = 8 (x + y)
  luminance.dds      L8, 16 x 8: L = 16x + y
  rgb565.dds         B5G6R5, 8 x 4: red 4x, green 8y, blue 31 - x (5/6/5-bit values)
  alpha_dx10.dds     DX10 header, R8G8B8A8_UNORM, 8 x 8: R = 255, G = 32x, B = 32y, A = 32 (x + y) mod 256
  alpha.png          RGBA, 16 x 16: R = 16x, G = 16y, B = 128, A = 8 (x + y)
  gradient.png       RGB, 24 x 12: R = 10x, G = 20y, B = 255 - 10x
  gray.png           grey, 8 x 8: 32x + y
  colors.bmp         24-bit, 5 x 3 (rows padded): R = 50x, G = 100y, B = 200
  alpha.tga          32-bit, uncompressed, bottom-up rows, 6 x 4: R = 40x, G = 60y, B = 90, A = 255 - 40x
  blocks.jpg         baseline JPEG, 16 x 16: four solid 8 x 8 blocks, top left red (255, 0, 0),
                     top right green (0, 255, 0), bottom left blue (0, 0, 255), bottom right (128, 128, 128)
"""
import math
import os
import struct
import sys
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'data', 'textures')


def write(name, data):
    with open(os.path.join(OUT, name), 'wb') as f:
        f.write(data)


# ---- PNG

def png(width, height, colour_type, channels, pixel):
    raw = bytearray()
    for y in range(height):
        raw.append(0)  # filter: none
        for x in range(width):
            raw.extend(pixel(x, y)[:channels])

    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body) & 0xFFFFFFFF)

    header = struct.pack('>IIBBBBB', width, height, 8, colour_type, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(bytes(raw), 9))
            + chunk(b'IEND', b''))


# ---- BMP and TGA

def bmp24(width, height, pixel):
    stride = (width * 3 + 3) & ~3
    rows = bytearray()
    for y in reversed(range(height)):  # bottom-up
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row.extend((b, g, r))
        row.extend(b'\0' * (stride - len(row)))
        rows.extend(row)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    return header + info + bytes(rows)


def tga32(width, height, pixel):
    header = struct.pack('<BBBHHBHHHHBB', 0, 0, 2, 0, 0, 0, 0, 0, width, height, 32, 8)
    body = bytearray()
    for y in reversed(range(height)):  # origin bottom left
        for x in range(width):
            r, g, b, a = pixel(x, y)
            body.extend((b, g, r, a))
    return header + bytes(body)


# ---- DDS

DDSD_CAPS, DDSD_HEIGHT, DDSD_WIDTH, DDSD_PITCH = 0x1, 0x2, 0x4, 0x8
DDSD_PIXELFORMAT, DDSD_MIPMAPCOUNT, DDSD_DEPTH = 0x1000, 0x20000, 0x800000
DDPF_ALPHAPIXELS, DDPF_FOURCC, DDPF_RGB, DDPF_LUMINANCE = 0x1, 0x4, 0x40, 0x20000
DDSCAPS_COMPLEX, DDSCAPS_TEXTURE, DDSCAPS_MIPMAP = 0x8, 0x1000, 0x400000
DDSCAPS2_CUBEMAP_ALLFACES, DDSCAPS2_VOLUME = 0x200 | 0xFC00, 0x200000


def dds(width, height, depth, mips, bits, pf_flags, masks, levels, cube=False, volume=False, fourcc=0, dx10=None):
    """levels: the pixel bytes of every face's levels, faces one after another."""
    flags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH | DDSD_PIXELFORMAT | DDSD_PITCH
    caps, caps2 = DDSCAPS_TEXTURE, 0
    if mips > 1:
        flags |= DDSD_MIPMAPCOUNT
        caps |= DDSCAPS_COMPLEX | DDSCAPS_MIPMAP
    if volume:
        flags |= DDSD_DEPTH
        caps |= DDSCAPS_COMPLEX
        caps2 |= DDSCAPS2_VOLUME
    if cube:
        caps |= DDSCAPS_COMPLEX
        caps2 |= DDSCAPS2_CUBEMAP_ALLFACES
    pitch = (width * bits + 7) // 8
    pixel_format = struct.pack('<8I', 32, pf_flags, fourcc, bits, *masks)
    header = struct.pack('<7I', 124, flags, height, width, pitch, depth if volume else 0, mips)
    header += b'\0' * 44 + pixel_format + struct.pack('<5I', caps, caps2, 0, 0, 0)
    extra = struct.pack('<5I', *dx10) if dx10 else b''
    return b'DDS ' + header + extra + b''.join(levels)


def level_size(size, level):
    return max(1, size >> level)


def mips_bgra():
    w, h, mips = 32, 16, 6
    levels = []
    for l in range(mips):
        data = bytearray()
        for y in range(level_size(h, l)):
            for x in range(level_size(w, l)):
                data.extend((40 * l, (16 * y) % 256, (8 * x) % 256, 255))  # B, G, R, A
        levels.append(bytes(data))
    return dds(w, h, 1, mips, 32, DDPF_RGB | DDPF_ALPHAPIXELS,
               (0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000), levels)


def volume_rgba():
    w, h, d, mips = 8, 8, 4, 4
    levels = []
    for l in range(mips):
        data = bytearray()
        for s in range(level_size(d, l)):
            for y in range(level_size(h, l)):
                for x in range(level_size(w, l)):
                    data.extend((60 * s + 20, 50 * l, 16 * x + y, 255))
        levels.append(bytes(data))
    return dds(w, h, d, mips, 32, DDPF_RGB | DDPF_ALPHAPIXELS,
               (0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000), levels, volume=True)


def cube_bgrx():
    edge, mips = 8, 4
    levels = []
    for f in range(6):
        for l in range(mips):
            data = bytearray()
            n = level_size(edge, l)
            for y in range(n):
                for x in range(n):
                    data.extend((8 * (x + y), 60 * l, 40 * f + 10, 0))  # B, G, R, X
            levels.append(bytes(data))
    return dds(edge, edge, 1, mips, 32, DDPF_RGB, (0x00FF0000, 0x0000FF00, 0x000000FF, 0), levels, cube=True)


def luminance():
    data = bytes(16 * x + y for y in range(8) for x in range(16))
    return dds(16, 8, 1, 1, 8, DDPF_LUMINANCE, (0xFF, 0, 0, 0), [data])


def rgb565():
    data = bytearray()
    for y in range(4):
        for x in range(8):
            data.extend(struct.pack('<H', (4 * x) << 11 | (8 * y) << 5 | (31 - x)))
    return dds(8, 4, 1, 1, 16, DDPF_RGB, (0xF800, 0x07E0, 0x001F, 0), [bytes(data)])


def alpha_dx10():
    data = bytes(v for y in range(8) for x in range(8) for v in (255, 32 * x, 32 * y, (32 * (x + y)) % 256))
    return dds(8, 8, 1, 1, 32, DDPF_FOURCC, (0, 0, 0, 0), [data], fourcc=0x30315844, dx10=(28, 3, 0, 1, 0))


# ---- Baseline JPEG: one quantisation table (all 4s) and the standard
# luminance Huffman tables for every component, 4:4:4.

ZIGZAG = [0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5, 12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6, 7, 14,
          21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53,
          60, 61, 54, 47, 55, 62, 63]
DC_BITS = [0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0]
DC_VALUES = list(range(12))
AC_BITS = [0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D]
AC_VALUES = [
    0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51, 0x61, 0x07, 0x22, 0x71, 0x14,
    0x32, 0x81, 0x91, 0xA1, 0x08, 0x23, 0x42, 0xB1, 0xC1, 0x15, 0x52, 0xD1, 0xF0, 0x24, 0x33, 0x62, 0x72, 0x82, 0x09,
    0x0A, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A,
    0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x63, 0x64, 0x65,
    0x66, 0x67, 0x68, 0x69, 0x6A, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88,
    0x89, 0x8A, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9A, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9,
    0xAA, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA,
    0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9, 0xEA,
    0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA]
QUANT = 4
assert sum(AC_BITS) == len(AC_VALUES) == 162
assert sorted(AC_VALUES) == sorted([0x00, 0xF0] + [run << 4 | size for run in range(16) for size in range(1, 11)])


def huffman_codes(bits, values):
    codes, code, k = {}, 0, 0
    for length in range(1, 17):
        for _ in range(bits[length - 1]):
            codes[values[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


class BitWriter:
    def __init__(self):
        self.out, self.acc, self.count = bytearray(), 0, 0

    def put(self, value, length):
        for i in reversed(range(length)):
            self.acc = self.acc << 1 | (value >> i) & 1
            self.count += 1
            if self.count == 8:
                self.out.append(self.acc)
                if self.acc == 0xFF:
                    self.out.append(0)
                self.acc, self.count = 0, 0

    def flush(self):
        while self.count:
            self.put(1, 1)
        return bytes(self.out)


def category(value):
    return 0 if value == 0 else abs(value).bit_length()


def magnitude_bits(value, size):
    return value if value >= 0 else value + (1 << size) - 1


def jpeg(width, height, pixel):
    dc_codes, ac_codes = huffman_codes(DC_BITS, DC_VALUES), huffman_codes(AC_BITS, AC_VALUES)
    writer = BitWriter()
    previous_dc = [0, 0, 0]
    cos_table = [[math.cos((2 * x + 1) * u * math.pi / 16) for x in range(8)] for u in range(8)]
    for by in range(0, height, 8):
        for bx in range(0, width, 8):
            planes = [[0.0] * 64 for _ in range(3)]
            for y in range(8):
                for x in range(8):
                    r, g, b = pixel(min(bx + x, width - 1), min(by + y, height - 1))
                    planes[0][y * 8 + x] = 0.299 * r + 0.587 * g + 0.114 * b - 128
                    planes[1][y * 8 + x] = -0.168736 * r - 0.331264 * g + 0.5 * b
                    planes[2][y * 8 + x] = 0.5 * r - 0.418688 * g - 0.081312 * b
            for c in range(3):
                coefficients = [0] * 64
                for v in range(8):
                    for u in range(8):
                        total = sum(planes[c][y * 8 + x] * cos_table[u][x] * cos_table[v][y]
                                    for y in range(8) for x in range(8))
                        scale = (math.sqrt(0.5) if u == 0 else 1.0) * (math.sqrt(0.5) if v == 0 else 1.0)
                        coefficients[v * 8 + u] = int(round(total * scale / 4 / QUANT))
                zz = [coefficients[i] for i in ZIGZAG]
                diff = zz[0] - previous_dc[c]
                previous_dc[c] = zz[0]
                size = category(diff)
                writer.put(*dc_codes[size])
                writer.put(magnitude_bits(diff, size), size)
                run = 0
                last = max([i for i in range(1, 64) if zz[i] != 0], default=0)
                for i in range(1, last + 1):
                    if zz[i] == 0:
                        run += 1
                        continue
                    while run > 15:
                        writer.put(*ac_codes[0xF0])
                        run -= 16
                    size = category(zz[i])
                    writer.put(*ac_codes[run << 4 | size])
                    writer.put(magnitude_bits(zz[i], size), size)
                    run = 0
                if last < 63:
                    writer.put(*ac_codes[0x00])
    scan = writer.flush()

    def segment(marker, body):
        return struct.pack('>BBH', 0xFF, marker, len(body) + 2) + body

    quant = bytes([0]) + bytes([QUANT] * 64)
    frame = struct.pack('>BHHB', 8, height, width, 3) + b''.join(struct.pack('>BBB', i, 0x11, 0) for i in (1, 2, 3))
    tables = (bytes([0x00]) + bytes(DC_BITS) + bytes(DC_VALUES) + bytes([0x10]) + bytes(AC_BITS) + bytes(AC_VALUES))
    start = bytes([3]) + b''.join(struct.pack('>BB', i, 0x00) for i in (1, 2, 3)) + bytes([0, 63, 0])
    return (b'\xff\xd8' + segment(0xE0, b'JFIF\0\x01\x01\0\0\x01\0\x01\0\0') + segment(0xDB, quant)
            + segment(0xC0, frame) + segment(0xC4, tables) + segment(0xDA, start) + scan + b'\xff\xd9')


def blocks(x, y):
    return [[(255, 0, 0), (0, 255, 0)], [(0, 0, 255), (128, 128, 128)]][y // 8][x // 8]


def main():
    os.makedirs(OUT, exist_ok=True)
    write('mips_bgra.dds', mips_bgra())
    write('volume_rgba.dds', volume_rgba())
    write('cube_bgrx.dds', cube_bgrx())
    write('luminance.dds', luminance())
    write('rgb565.dds', rgb565())
    write('alpha_dx10.dds', alpha_dx10())
    write('alpha.png', png(16, 16, 6, 4, lambda x, y: (16 * x, 16 * y, 128, 8 * (x + y))))
    write('gradient.png', png(24, 12, 2, 3, lambda x, y: (10 * x, 20 * y, 255 - 10 * x)))
    write('gray.png', png(8, 8, 0, 1, lambda x, y: (32 * x + y,)))
    write('colors.bmp', bmp24(5, 3, lambda x, y: (50 * x, 100 * y, 200)))
    write('alpha.tga', tga32(6, 4, lambda x, y: (40 * x, 60 * y, 90, 255 - 40 * x)))
    write('blocks.jpg', jpeg(16, 16, blocks))
    return 0


if __name__ == '__main__':
    sys.exit(main())
