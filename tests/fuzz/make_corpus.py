#!/usr/bin/env python3
"""Makes the fuzz targets' seed corpora from our own files: the forge's output
in build/game (levels cut down to a few lines of each list, the message table,
small pictures and sounds), the recorded runs in tests/scripts, and a few
variants made here (other PNG colour types, other WAV sample formats, settings
files and save slots as the game writes them). Seeds keep their names, so a
second run replaces them and leaves the regression inputs (regress-*) alone.

    tests/fuzz/make_corpus.py [program folder, default build/game]
"""
import os
import struct
import sys
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
GAME = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "game")
CORPUS = os.path.join(ROOT, "tests", "fuzz", "corpus")


def put(target, name, data):
    folder = os.path.join(CORPUS, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "seed-" + name), "wb") as f:
        f.write(data)


def read(rel):
    with open(os.path.join(GAME, rel), "rb") as f:
        return f.read()


# Levels: the 27 header lines, then a few lines of each list and every kind of
# active line once.
def cut_level(data, per_list=12):
    lines = data.split(b"\n")
    out = lines[:27]
    rest = lines[27:]
    seen_kinds = set()
    section = 0
    count = 0
    for line in rest:
        bare = line.rstrip(b"\r")
        if bare in (b"IMAGE_TILE_LIST", b"COLLISION_LIST", b"ACTIVE_LIST", b"FIN! :D"):
            out.append(line)
            section += 1
            count = 0
            if bare == b"FIN! :D":
                break
            continue
        if section == 3:
            kind = bare.split(b",")[2] if bare.count(b",") >= 2 else b""
            if kind in seen_kinds and count >= per_list:
                continue
            seen_kinds.add(kind)
        elif count >= per_list:
            continue
        out.append(line)
        count += 1
    return b"\n".join(out) + b"\n"


for name in sorted(os.listdir(os.path.join(GAME, "Levels"))):
    if name.endswith(".doy"):
        put("level", name, cut_level(read(os.path.join("Levels", name))))

# One line of every object kind, with the fields its row names.
kinds = [
    "0,0,0,1.5,2,,,,,,", "64,0,1,1,1,40,,,,3,6", "96,0,2,1,,,,1,2,,", "128,0,4,,,,,,,4,2",
    "160,0,5,320,0,60,,,,2,1", "192,0,6,,,,,,,,", "224,0,46,1,,,,,,,", "256,0,47,0,0,,,,,2,1",
    "288,0,140,0,1,2000,,5,,,", "320,0,141,,,,,5,,2,2", "352,0,21,x,255 128 064,1,30,,,3,3",
    "384,0,22,500,,,,,,2,2", "416,0,24,,1,2,3,5,,2,2", "448,0,25,1,100,,,,,4,4",
    "480,0,26,0.5,,,,,,3,3", "512,0,41,1,,,,7,3,,", "544,0,42,1,,,,8,,,", "576,0,43,0,,,,,,,",
    "608,0,44,0,,,,,,,", "640,448,120,,,,,,,,", "672,0,121,0,,,,,,2,3", "704,0,122,,,,,,,2,2",
    "736,0,123,0,,,,,,1,4", "768,0,123,1,,,,,,1,4", "800,0,142,3,10,-40,,0,0,4,4",
    "832,0,143,,,,,,,2,2",
]
header = b"All kinds\nOne of each\n0\n0\nForest/\nLayers\n" + b"0\n" * 20 + b"Tiles\n"
body = (b"0,0,1,0\n32,0,2,3\nIMAGE_TILE_LIST\n0,0,1,sign_wood.png,Global/\nCOLLISION_LIST\n"
        + b"".join(b"%d,480,0\n" % x for x in range(0, 900, 32)) + b"ACTIVE_LIST\n"
        + "\n".join(kinds).encode() + b"\nFIN! :D\n")
put("level", "all_kinds.doy", header + body)

# Settings: the new-file values, a played file, and one cut short.
def ints(*v):
    return struct.pack("<%di" % len(v), *v)

put("settings", "new.dat", ints(0, 0, 150, 1000, 38, 40, 37, 39, 65, 83, 0, 0, 0, 0, 0))
put("settings", "played.dat", ints(1, 4, 270, 899, 87, 83, 65, 68, 32, 74, 1, 1, 0, 7, 0))
put("settings", "short.dat", ints(2, 1, 150, 1000, 38, 40, 37))

# Save slots as the game writes them: a new one, one with progress, one cut off.
def slot(n, lives, records, score):
    text = b"File %d\r\n%d\r\n" % (n, lives) + b"\r\n" * 8
    nums = b"".join(ints(*r) for r in records)
    return text + nums + ints(19132006, score)

new = [[r, 1 if r == 1 else 0, 0, 0, 0, 0, 1410065407, 1410065407, 1410065407, 0] for r in range(51)]
played = [list(r) for r in new]
for r in range(1, 6):
    played[r][1:6] = [1, 1, 1, 0, 1]
    played[r][6:9] = [41000 + r, 52000, 1410065407]
put("save_slot", "new.dat", b"\x00" + slot(1, 10, new, 0))
put("save_slot", "played.dat", b"\x01" + slot(2, 7, played, 123450))
put("save_slot", "few_records.dat", b"\x00" + slot(3, 3, played[:6], 99))

put("messages", "messages.txt", read("Data/messages.txt"))
put("messages", "few.txt", b"0\t1\tHello!#Bounce on.\r\n12\t3\tA line\n\n1999\t0\t\n")

for name in sorted(os.listdir(os.path.join(ROOT, "tests", "scripts"))):
    with open(os.path.join(ROOT, "tests", "scripts", name), "rb") as f:
        put("script", name, f.read())
put("script", "every_verb.txt", b"# all of it\n0 down LEFT\n3 up left\n5 tap SPACE\n7 type Hello, world!\n"
    b"9 focus lost\n10 focus gained\n12 tap F12\n13 tap 65\n14 down ESC\n15 up RETURN # done\n")

# Pictures: small ones of the forge's, and the other colour types by hand.
for rel in ["Images/Quon/pogo_retro.png", "Images/Menu/slider_mark.png", "Imagesets/Global/sign_wood.png"]:
    put("png", os.path.basename(rel), read(rel))

def png(w, h, colour, depth, rows, interlace=0, extra=b""):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff)
    ihdr = struct.pack(">IIBBBBB", w, h, depth, colour, 0, 0, interlace)
    raw = b"".join(b"\x00" + r for r in rows)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + extra + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")

def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff)

put("png", "gray8.png", png(4, 3, 0, 8, [bytes([0, 80, 160, 240])] * 3))
put("png", "gray2.png", png(8, 2, 0, 2, [b"\x1b\xe4"] * 2))
put("png", "palette_trns.png", png(4, 2, 3, 8, [b"\x00\x01\x02\x01"] * 2,
                                     extra=chunk(b"PLTE", b"\xff\x00\x00\x00\xff\x00\x00\x00\xff") + chunk(b"tRNS", b"\x80")))
put("png", "rgb16.png", png(2, 2, 2, 16, [b"\x12\x34" * 6] * 2))
put("png", "gray_alpha.png", png(3, 2, 4, 8, [b"\x10\xff\x80\x80\xf0\x00"] * 2))
def adam7_rows(w, h, pixel):
    """The rows of an interlaced picture's seven passes, pixel(x, y) bytes each."""
    rows = []
    for x0, y0, dx, dy in [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]:
        for y in range(y0, h, dy):
            row = b"".join(pixel(x, y) for x in range(x0, w, dx))
            if row:
                rows.append(row)
    return rows

put("png", "rgba_interlaced.png", png(9, 9, 6, 8, adam7_rows(9, 9, lambda x, y: bytes([x * 20, y * 20, 90, 200])), interlace=1))

# Sounds: the forge's smallest, and the other WAV sample formats by hand.
put("wav", "menu_click_short.wav", read("Sound/menu_click_short.wav"))

def wav(fmt, channels, rate, bits, frames, extra_chunk=b""):
    data = bytes((i * 37) & 0xff for i in range(frames * channels * bits // 8))
    fmt_body = struct.pack("<HHIIHH", fmt, channels, rate, rate * channels * bits // 8, channels * bits // 8, bits)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt_body)) + fmt_body + extra_chunk + b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body

put("wav", "u8_mono_11k.wav", wav(1, 1, 11025, 8, 64))
put("wav", "s24_stereo_48k.wav", wav(1, 2, 48000, 24, 32, extra_chunk=b"LIST\x04\x00\x00\x00abcd"))
put("wav", "f32_stereo.wav", wav(3, 2, 44100, 32, 16))
put("wav", "s32_mono_22k.wav", wav(1, 1, 22050, 32, 16))

ogg = read("Sound/tvloop.ogg")
put("ogg", "tvloop.ogg", ogg)
put("ogg", "tvloop_head.ogg", ogg[:4096])
