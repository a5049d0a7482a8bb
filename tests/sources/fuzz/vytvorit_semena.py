#!/usr/bin/env python3
"""Writes the seed corpus and the dictionary of the list-file fuzzer into a folder.

The seeds are small list files in UTF-16 little endian: a written list, fields in another
order, incomplete records, a byte-order mark, a UTF-8 file, an odd last byte.
"""
import pathlib
import sys


def zaznam(nazev, url, hlasitost, menu):
    return (f"<zdroj>\r\n <nazev>{nazev}</nazev>\r\n <url>{url}</url>\r\n"
            f" <hlasitost>{hlasitost}</hlasitost>\r\n <menu>{menu}</menu>\r\n</zdroj>\r\n")


SEMENA = {
    "prazdny": "",
    "jeden": zaznam("Rádio 1", "D:\\Hudba\\a.wma", "-1", "1"),
    "dva": zaznam("A & <b>", " http://x/?a=1&b=2 ", "2147483647", "0")
    + zaznam("A & <b>", " http://x/?a=1&b=2 ", "-2147483648", "1"),
    "poradi": "<zdroj><menu>1</menu><url>u</url><poznamka>x</poznamka>"
    "<hlasitost>75abc</hlasitost><nazev>n</nazev></zdroj>",
    "neuplne": zaznam("A", "a", "40", "1") + "<zdroj><menu>0</menu></zdroj>"
    + "<zdroj><nazev>B</nazev><hlasitost>1</hlasitost></zdroj><zdroj></zdroj>",
    "bez_konce": zaznam("A", "a", "1", "1") + "<zdroj><nazev>B</nazev>",
    "znacka_v_hodnote": zaznam("a</nazev>b<url>", "</zdroj><zdroj>", "3", "1"),
    "nahradni": zaznam("\U0001F4FB", "x", "0", "1"),
}


def main():
    slozka = pathlib.Path(sys.argv[1])
    korpus = slozka / "corpus"
    korpus.mkdir(parents=True, exist_ok=True)
    for nazev, text in SEMENA.items():
        (korpus / nazev).write_bytes(text.encode("utf-16-le"))
    (korpus / "bom").write_bytes(b"\xff\xfe" + SEMENA["jeden"].encode("utf-16-le"))
    (korpus / "utf8").write_bytes(SEMENA["jeden"].encode("utf-8"))
    (korpus / "lichy").write_bytes(SEMENA["jeden"].encode("utf-16-le") + b"<")
    (korpus / "osamely_nahradni").write_bytes(
        zaznam("a", "b", "1", "1").encode("utf-16-le").replace(b"a\x00", b"\x00\xd8", 1))

    znacky = [f"<{n}>" for n in ("zdroj", "nazev", "url", "hlasitost", "menu")]
    znacky += [f"</{n}>" for n in ("zdroj", "nazev", "url", "hlasitost", "menu")]
    with open(slozka / "kodek_zdroju.dict", "w", encoding="ascii") as slovnik:
        for znacka in znacky + ["\r\n", "-1", "1"]:
            bajty = znacka.encode("utf-16-le")
            slovnik.write('"' + "".join(f"\\x{b:02X}" for b in bajty) + '"\n')


if __name__ == "__main__":
    main()
