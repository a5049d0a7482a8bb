"""The portable zip: exactly the program of this build and the Czech read-me, and the version
in the zip's name is the one in the executable's version block.

    check_portable_zip.py ZIP ZVUKOLET.EXE RESOURCE.H
"""

import re
import struct
import sys
import unittest
import zipfile
from pathlib import Path

ZIP, PROGRAM, RESOURCE_H = (Path(a) for a in sys.argv[1:4])
del sys.argv[1:4]

# The fixed part of a version block starts with this signature (VS_FIXEDFILEINFO).
FIXED_INFO_SIGNATURE = struct.pack("<I", 0xFEEF04BD)


def version_in_source():
    match = re.search(r'^#define ZV_VERZE_TEXT "([0-9.]+)"$', RESOURCE_H.read_text(), re.M)
    return match.group(1)


def resource_section(pe):
    """The bytes of the .rsrc section of a PE file."""
    pe_offset = struct.unpack_from("<I", pe, 0x3C)[0]
    if pe[pe_offset : pe_offset + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    sections, optional_size = struct.unpack_from("<H12xH", pe, pe_offset + 6)
    table = pe_offset + 24 + optional_size
    for i in range(sections):
        name, size, offset = struct.unpack_from("<8s8xII", pe, table + 40 * i)
        if name.rstrip(b"\0") == b".rsrc":
            return pe[offset : offset + size]
    raise ValueError("no resource section")


def fixed_versions(pe):
    """File and product version from the version block, as dotted texts."""
    rsrc = resource_section(pe)
    at = rsrc.find(FIXED_INFO_SIGNATURE)
    if at < 0:
        raise ValueError("no version block")
    file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<4I", rsrc, at + 8)

    def dotted(ms, ls):
        return f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"

    return dotted(file_ms, file_ls), dotted(product_ms, product_ls)


class PortableZip(unittest.TestCase):
    def setUp(self):
        self.zip = zipfile.ZipFile(ZIP)
        self.addCleanup(self.zip.close)

    def test_holds_only_the_program_and_the_read_me(self):
        self.assertEqual(sorted(self.zip.namelist()), ["Zvukolet.exe", "ctimne.txt"])
        self.assertIsNone(self.zip.testzip())

    def test_program_is_this_build_with_the_version_of_the_name(self):
        program = self.zip.read("Zvukolet.exe")
        self.assertEqual(program, PROGRAM.read_bytes())
        verze = version_in_source()
        self.assertEqual(ZIP.name, f"Zvukolet-{verze}-portable.zip")
        self.assertEqual(fixed_versions(program), (verze, verze))

    def test_read_me_is_czech_that_notepad_recognises(self):
        raw = self.zip.read("ctimne.txt")
        self.assertTrue(raw.startswith(b"\xef\xbb\xbf"), "no byte order mark")
        text = raw[3:].decode("utf-8")
        self.assertNotIn("\n", text.replace("\r\n", ""), "lines must end with CR LF")
        # What the program is, and where it keeps its data when run from a removable drive.
        self.assertIn("přehrávač internetového rádia", text)
        self.assertIn("vyměnitelného disku", text)
        self.assertIn("vedle sebe", text)


if __name__ == "__main__":
    unittest.main()
