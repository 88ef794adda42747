#!/usr/bin/env python3
"""Draws Quorvik's small pictures: the program icon (written to app/res/), the
caption buttons' glyphs and the help-select cursor (written to ui/caption/res/),
the setup dialog's property icons (persist/res/PROP_*.bmp) and the options
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


def bmp_header(width, height, bits, palette, data):
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, len(data), 2835, 2835,
                       len(palette), len(palette))
    pal = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(pal)
    return struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset) + info + pal + data


def bmp1(rows):
    """A bottom-up monochrome BMP from text rows: '#' black, anything else white."""
    width, height = len(rows[0]), len(rows)
    stride = ((width + 31) // 32) * 4
    data = bytearray()
    for line in reversed(rows):
        bits = bytearray(stride)
        for x, ch in enumerate(line):
            if ch != '#':
                bits[x // 8] |= 0x80 >> (x % 8)
        data += bits
    return bmp_header(width, height, 1, [(0, 0, 0), (255, 255, 255)], bytes(data))


# The 16 colours of the standard VGA palette.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
       (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def bmp4(rows, colours):
    """A bottom-up 16-colour BMP from text rows; colours maps a character to a VGA index."""
    width, height = len(rows[0]), len(rows)
    stride = ((width * 4 + 31) // 32) * 4
    data = bytearray()
    for line in reversed(rows):
        bits = bytearray(stride)
        for x, ch in enumerate(line):
            bits[x // 2] |= colours[ch] << (4 if x % 2 == 0 else 0)
        data += bits
    return bmp_header(width, height, 4, VGA, bytes(data))


# Caption-button glyphs, 10 x 10, black on white. The pin lies on its side
# with its point to the right; latched, it is pressed in: a wider head and
# less of the needle showing.
ON_TOP_UP = [
    '..........',
    '..........',
    '.#........',
    '.#.####...',
    '.##...####',
    '.##...#...',
    '.#.####...',
    '.#........',
    '..........',
    '..........',
]
ON_TOP_DOWN = [
    '..........',
    '...#......',
    '...#......',
    '...#####..',
    '...##.####',
    '...##.##..',
    '...#####..',
    '...#......',
    '...#......',
    '..........',
]
ROLL_UP = [
    '..........',
    '..........',
    '....##....',
    '...####...',
    '..######..',
    '.########.',
    '###....###',
    '##......##',
    '..........',
    '..........',
]
ROLL_DOWN = list(reversed(ROLL_UP))
# A waving flag of four colours on dark yellow, the transparent colour.
START = [
    'yyyyyyyyyy',
    'ykrrrggyyy',
    'ykrrrgggyy',
    'ykrrrgggyy',
    'ykbbbwwwyy',
    'ykbbbwwwyy',
    'ykbbbwwyyy',
    'ykyyyyyyyy',
    'ykyyyyyyyy',
    'yyyyyyyyyy',
]
START_COLOURS = {'y': 3, 'k': 0, 'r': 9, 'g': 10, 'b': 12, 'w': 11}


def help_select_cursor():
    """32 x 32 monochrome cursor: the arrow with a question mark, hot spot at the tip."""
    arrow = [
        'X', 'XX', 'X.X', 'X..X', 'X...X', 'X....X', 'X.....X', 'X......X', 'X.......X', 'X........X',
        'X.....XXXXX', 'X..X..X', 'X.X X..X', 'XX  X..X', 'X    X..X', '     X..X', '      X..X', '      X..X',
        '       XX',
    ]
    mark = [
        ' XXXXX ', 'XX...XX', 'X..X..X', 'XXXX..X', '   X..X', '  X..X ', '  X.X  ', '  XXX  ', '  X.X  ',
        '  XXX  ',
    ]
    grid = [[' '] * 32 for _ in range(32)]
    for y, line in enumerate(arrow):
        for x, ch in enumerate(line):
            grid[y][x] = ch
    for y, line in enumerate(mark):
        for x, ch in enumerate(line):
            if ch != ' ':
                grid[y + 3][x + 12] = ch
    xor, andmask = bytearray(), bytearray()
    for row in reversed(grid):
        xbits, abits = bytearray(4), bytearray(4)
        for x, ch in enumerate(row):
            if ch == ' ':
                abits[x // 8] |= 0x80 >> (x % 8)
            elif ch == '.':
                xbits[x // 8] |= 0x80 >> (x % 8)
        xor += xbits
        andmask += abits
    info = struct.pack('<IiiHHIIiiII', 40, 32, 64, 1, 1, 0, len(xor) + len(andmask), 0, 0, 2, 2)
    image = info + bytes((0, 0, 0, 0, 255, 255, 255, 0)) + bytes(xor) + bytes(andmask)
    head = struct.pack('<HHH', 0, 2, 1) + struct.pack('<BBBBHHII', 32, 32, 0, 0, 0, 0, len(image), 22)
    return head + image


def caption_art():
    files = {
        'OnTopButtonU.bmp': bmp1(ON_TOP_UP),
        'OnTopButtonD.bmp': bmp1(ON_TOP_DOWN),
        'RollUpButton.bmp': bmp1(ROLL_UP),
        'RollDownButton.bmp': bmp1(ROLL_DOWN),
        'StartButton.bmp': bmp4(START, START_COLOURS),
        'HelpSelect31.cur': help_select_cursor(),
    }
    for name, data in files.items():
        with open('ui/caption/res/' + name, 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    with open('app/res/Quorvik.ico', 'wb') as f:
        f.write(ico([32, 16]))
    caption_art()
    for code, (letter, ink, frame) in PROPERTY_ICONS.items():
        with open(f'persist/res/PROP_{code}.bmp', 'wb') as f:
            f.write(property_icon(letter, ink, frame))
    for name, shape, colour in (('btnAdd', plus, (0, 128, 0)), ('btnRemove', minus, (192, 0, 0))):
        print(f'{name}:\n{dfm_hex(glyph(shape, colour))}\n')
