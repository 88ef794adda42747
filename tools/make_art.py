#!/usr/bin/env python3
"""Draws Quorvik's small pictures: the program icon (written to app/res/), the
setup dialog's property icons (persist/res/PROP_*.bmp) and the options
dialog's Add and Remove glyphs (printed as the Glyph.Data blocks that
app/Options.dfm holds). Run from the repository root."""
import struct

MAGENTA = (255, 0, 255)


def bmp24(width, height, pixel):
    """A bottom-up 24-bit BMP; pixel(x, y) gives (r, g, b) with y=0 at the top."""
    row = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        line = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        data += line + bytes(row - len(line))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + bytes(data)


def glyph(shape, colour):
    """Two 16x16 images side by side: enabled, then disabled in grey."""
    def pixel(x, y):
        image, x = divmod(x, 16)
        if not shape(x, y):
            return MAGENTA
        return colour if image == 0 else (128, 128, 128)
    return bmp24(32, 16, pixel)


def plus(x, y):
    return (7 <= x <= 8 and 3 <= y <= 12) or (3 <= x <= 12 and 7 <= y <= 8)


def minus(x, y):
    return 3 <= x <= 12 and 7 <= y <= 8


def icon_image(size):
    """32-bit icon image: a navy tile with a white lens, the catalogue's mark."""
    pixels = []
    for y in range(size - 1, -1, -1):
        for x in range(size):
            u, v = x / size, y / size
            inside = 0.06 <= u <= 0.94 and 0.06 <= v <= 0.94
            cx, cy, r = 0.42, 0.42, 0.22
            d = ((u - cx) ** 2 + (v - cy) ** 2) ** 0.5
            lens = abs(d - r) < 0.07
            handle = 0.58 <= u <= 0.86 and abs((v - u)) < 0.07 and v >= 0.58
            if not inside:
                pixels.append((0, 0, 0, 0))
            elif lens or handle:
                pixels.append((255, 255, 255, 255))
            else:
                shade = int(128 - 60 * v)
                pixels.append((shade, 0, 0, 255))  # BGRA: navy
    xor = b''.join(bytes(p) for p in pixels)
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)
    info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + xor + mask


def ico(sizes):
    images = [icon_image(s) for s in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        out += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    return out + b''.join(images)


# 5 x 7 letters for the property icons.
LETTERS = {
    'i': ['..#..', '.....', '.##..', '..#..', '..#..', '..#..', '.###.'],
    'c': ['.....', '.....', '.###.', '#....', '#....', '#....', '.###.'],
    'e': ['.....', '.....', '.###.', '#...#', '#####', '#....', '.###.'],
    'f': ['..##.', '.#...', '###..', '.#...', '.#...', '.#...', '.#...'],
    's': ['.....', '.....', '.####', '#....', '.###.', '....#', '####.'],
    'S': ['.###.', '#...#', '#....', '.###.', '....#', '#...#', '.###.'],
    'C': ['.###.', '#...#', '#....', '#....', '#....', '#...#', '.###.'],
    'L': ['#....', '#....', '#....', '#....', '#....', '#....', '#####'],
    'G': ['.###.', '#...#', '#....', '#.###', '#...#', '#...#', '.###.'],
    'P': ['####.', '#...#', '#...#', '####.', '#....', '#....', '#....'],
    'F': ['#####', '#....', '#....', '####.', '#....', '#....', '#....'],
}
OLIVE, PURPLE, GREY = (128, 128, 0), (128, 0, 128), (128, 128, 128)
# Icon code: letter, letter colour, inner frame colour.
PROPERTY_ICONS = {
    1: ('i', (0, 0, 0), OLIVE), 2: ('c', (0, 0, 0), OLIVE), 3: ('e', (0, 0, 0), OLIVE),
    4: ('f', (0, 0, 0), OLIVE), 5: ('S', (0, 0, 0), PURPLE), 6: ('s', (255, 0, 0), OLIVE),
    7: ('C', (0, 0, 0), OLIVE), 10: ('S', (0, 0, 0), PURPLE), 101: ('L', (0, 0, 0), OLIVE),
    102: ('G', (0, 0, 0), OLIVE), 103: ('P', (0, 0, 0), OLIVE), 104: ('F', (0, 0, 0), OLIVE),
}


def property_icon(letter, ink, frame):
    """16 x 16: a white square in a grey and an inner coloured frame holding
    one letter; the outermost ring is magenta, the colour left out when drawn."""
    rows = LETTERS[letter]

    def pixel(x, y):
        ring = min(x, y, 15 - x, 15 - y)
        if ring == 0:
            return MAGENTA
        if ring == 1:
            return GREY
        if ring == 2:
            return frame
        lx, ly = x - 5, y - 4
        if 0 <= lx < 5 and 0 <= ly < 7 and rows[ly][lx] == '#':
            return ink
        return (255, 255, 255)
    return bmp24(16, 16, pixel)


def dfm_hex(data):
    """The Data property of a bitmap in a form file: size, then the BMP."""
    blob = struct.pack('<I', len(data)) + data
    text = blob.hex().upper()
    return '\n'.join(text[i:i + 64] for i in range(0, len(text), 64))


if __name__ == '__main__':
    with open('app/res/Quorvik.ico', 'wb') as f:
        f.write(ico([32, 16]))
    for code, (letter, ink, frame) in PROPERTY_ICONS.items():
        with open(f'persist/res/PROP_{code}.bmp', 'wb') as f:
            f.write(property_icon(letter, ink, frame))
    for name, shape, colour in (('btnAdd', plus, (0, 128, 0)), ('btnRemove', minus, (192, 0, 0))):
        print(f'{name}:\n{dfm_hex(glyph(shape, colour))}\n')
