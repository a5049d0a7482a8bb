#!/usr/bin/env python3
"""Writes the seed corpus and the dictionary of the stream parsers' fuzzer into a folder.

Each seed starts with the byte that chooses the parser (0 head, 1 metadata, 2 title,
3 addresses, 4 playlists, 5 frames) and the byte that chooses the size of the pieces.
"""
import pathlib
import sys


def ramce(hlavicka, delka, pocet):
    return (hlavicka + bytes(delka - len(hlavicka))) * pocet


def metadata(metaint, titul):
    blok = titul + bytes(-len(titul) % 16)
    return bytes([0, metaint - 1]) + bytes(metaint) + bytes([len(blok) // 16]) + blok + bytes(3)


SEMENA = {
    "hlava_icy": b"\x00\x07ICY 200 OK\r\nicy-name: Radio\r\ncontent-type: audio/mpeg\r\n"
    b"icy-br: 128\r\nicy-metaint: 16000\r\n\r\n\xff\xfb",
    "hlava_presun": b"\x00\x03HTTP/1.1 302 Found\nLocation: /jinam\nContent-Length: 0\n\n",
    "metadata": b"\x01\x05" + metadata(8, b"StreamTitle='A - B';StreamUrl='';"),
    "titul_1250": b"\x02\x00StreamTitle='\x8elu\x9dou\xe8k\xfd k\xf9\xf2';",
    "titul_utf8": b"\x02\x00StreamTitle='\xc5\xbdlu\xc5\xa5ou\xc4\x8dk\xc3\xbd';",
    "adresy": b"\x03\x00http://r.cz:8000/a/../b?x\n../c\n//d.cz/\nhttps://[::1]/\nftp://x/",
    "pls": b"\x04\x00\x01[playlist]\r\nFile2=http://b.cz/\r\nFile1=http://a.cz/\r\n",
    "m3u": b"\x04\x00\x02#EXTM3U\n#EXTINF:-1,R\nhttp://a.cz/live\nrel.mp3\n",
    "asx": b"\x04\x00\x03<asx><entry><ref href='http://a.cz/?a&amp;b'/></entry></asx>",
    "mp3": b"\x05\x00xy" + ramce(b"\xff\xfb\x90\x64", 417, 3),
    "adts": b"\x05\x00" + ramce(b"\xff\xf1\x50\x80\x02\x9f\xfc", 20, 3),
}

SLOVA = [
    "HTTP/1.0 ", "HTTP/1.1 ", "ICY ", " 200 OK", "\r\n", "\r\n\r\n", "icy-metaint: ",
    "icy-br: ", "icy-name: ", "Content-Type: ", "Location: ", "Content-Length: ",
    "StreamTitle='", "';", "http://", "https://", "[", "]:", "../", "./", "?", "#",
    "[playlist]", "File1=", "#EXTM3U", "<asx", "<entry>", "<ref href=\"", "\"/>", "&amp;",
    "&#x", "</entry>",
]


def main():
    slozka = pathlib.Path(sys.argv[1])
    korpus = slozka / "corpus"
    korpus.mkdir(parents=True, exist_ok=True)
    for nazev, bajty in SEMENA.items():
        (korpus / nazev).write_bytes(bajty)
    with open(slozka / "stream.dict", "w", encoding="ascii") as slovnik:
        for slovo in SLOVA:
            slovnik.write('"' + "".join(f"\\x{b:02X}" for b in slovo.encode("ascii")) + '"\n')
        for bajty in (b"\xff\xfb\x90\x64", b"\xff\xf1\x50\x80"):
            slovnik.write('"' + "".join(f"\\x{b:02X}" for b in bajty) + '"\n')


if __name__ == "__main__":
    main()
