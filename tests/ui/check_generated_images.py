#!/usr/bin/env python3
"""Checks what generate_images.py writes, so that editing a picture cannot break the files.

    python3 check_generated_images.py <path of generate_images.py>

The strips are loaded with ImageList_AddMasked and mask colour 0: a transparent pixel must
be RGB 0 with alpha 0, and a visible pixel must stay non-black also after the grey
conversion of the disabled image list.
"""

import os
import struct
import subprocess
import sys
import tempfile
import unittest

GENERATOR = None


def grey(r, g, b):
    return (30 * r + 59 * g + 11 * b) // 100


def read_bmp(data):
    """(width, height, top-down rows of (b, g, r, a)) of a 32-bit BI_RGB bitmap file."""
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    header = struct.unpack_from("<IiiHHIIiiII", data, 14)
    hsize, width, height, planes, bits, compression, image_size = header[:7]
    assert magic == b"BM" and size == len(data)
    assert (hsize, planes, bits, compression) == (40, 1, 32, 0), header
    assert height > 0, "rows must be bottom-up"
    assert image_size == width * height * 4 and offset + image_size == len(data)
    rows = []
    for y in range(height):
        start = offset + (height - 1 - y) * width * 4
        rows.append([tuple(data[start + x * 4:start + x * 4 + 4]) for x in range(width)])
    return width, height, rows


def read_ico(data):
    """{size: (top-down rows of (b, g, r, a), top-down rows of AND-mask bits)}."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind) == (0, 1)
    images = {}
    for i in range(count):
        w, h, colours, _, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        size = w or 256
        assert (w, h, colours, planes, bits) == (size % 256, size % 256, 0, 1, 32)
        hsize, dw, dh, _, dbits, compression = struct.unpack_from("<IiiHHI", data, offset)
        assert (hsize, dw, dh, dbits, compression) == (40, size, 2 * size, 32, 0)
        colour_start = offset + 40
        mask_stride = (size + 31) // 32 * 4
        assert length == 40 + size * size * 4 + size * mask_stride
        colour, mask = [], []
        for y in range(size):
            row = colour_start + (size - 1 - y) * size * 4
            colour.append([tuple(data[row + x * 4:row + x * 4 + 4]) for x in range(size)])
            m = colour_start + size * size * 4 + (size - 1 - y) * mask_stride
            mask.append([(data[m + x // 8] >> (7 - x % 8)) & 1 for x in range(size)])
        images[size] = (colour, mask)
    return images


class GeneratedImages(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.outputs = []
        for run in ("a", "b"):
            out = os.path.join(cls.tmp.name, run)
            subprocess.run([sys.executable, GENERATOR, "--out", out], check=True)
            cls.outputs.append(out)

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def data(self, name):
        with open(os.path.join(self.outputs[0], name), "rb") as f:
            return f.read()

    def test_writes_exactly_its_files_and_the_same_bytes_every_run(self):
        names = sorted(os.listdir(self.outputs[0]))
        tasks = ["skok_%s.ico" % t for t in ("nastaveni", "snizit_hlasitost", "spustit_prijem",
                                             "spustit_zaznam", "zastavit", "ztlumit",
                                             "zvysit_hlasitost")]
        self.assertEqual(["male_ikony.bmp"] + tasks + ["velke_ikony.bmp", "zvukolet.ico"], names)
        for name in names:
            with open(os.path.join(self.outputs[1], name), "rb") as f:
                self.assertEqual(self.data(name), f.read(), name)

    def check_strip(self, name, count, size):
        width, height, rows = read_bmp(self.data(name))
        self.assertEqual((count * size, size), (width, height))
        for index in range(count):
            visible = 0
            for y in range(size):
                for x in range(index * size, (index + 1) * size):
                    b, g, r, a = rows[y][x]
                    where = "%s image %d pixel %d,%d" % (name, index, x - index * size, y)
                    if a == 0:
                        self.assertEqual((0, 0, 0), (r, g, b), where)
                    else:
                        self.assertGreater(grey(r, g, b), 0, where)
                        visible += 1
            # No empty or nearly empty slot, and transparent margins around every picture.
            self.assertGreater(visible, size * size // 5, "%s image %d" % (name, index))
            self.assertEqual(0, rows[0][index * size][3], "%s image %d corner" % (name, index))

    def test_small_strip_is_34_images_of_16_with_the_mask_colour_only_where_transparent(self):
        self.check_strip("male_ikony.bmp", 34, 16)

    def test_large_strip_is_10_images_of_32_with_the_mask_colour_only_where_transparent(self):
        self.check_strip("velke_ikony.bmp", 10, 32)

    def check_icon(self, name, sizes, share):
        images = read_ico(self.data(name))
        self.assertEqual(sizes, sorted(images), name)
        for size, (colour, mask) in images.items():
            visible = 0
            for y in range(size):
                for x in range(size):
                    alpha = colour[y][x][3]
                    self.assertEqual(1 if alpha == 0 else 0, mask[y][x], "%d px at %d,%d" % (size, x, y))
                    visible += alpha > 0
            self.assertGreater(visible, size * size // share, "%s %d" % (name, size))

    def test_icons_have_their_sizes_with_a_mask_that_matches_the_alpha(self):
        self.check_icon("zvukolet.ico", [16, 32, 48], 3)
        for name in os.listdir(self.outputs[0]):
            if name.startswith("skok_"):
                self.check_icon(name, [16, 32], 5)


if __name__ == "__main__":
    GENERATOR = sys.argv.pop(1)
    unittest.main()
