#!/usr/bin/env python3
"""A source client for the tests: feeds an MP3 file round and round, at its bit rate, to a
mount of a radio server (HTTP PUT with Basic authentication, as a broadcaster's encoder does).

  zdroj_icecast.py PORT MOUNT PASSWORD FILE [KBPS]

Prints "pripojeno" once the server has taken the stream, then sends until it is ended or the
server hangs up. The name and the bit rate go in the ice-* headers, from which the server
makes its listeners' icy-name and icy-br.
"""

import base64
import socket
import sys
import time

NAZEV = "Zkušební stanice"


def main():
    port, mount, heslo, soubor = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]
    kbps = int(sys.argv[5]) if len(sys.argv) > 5 else 128
    data = open(soubor, "rb").read()
    rychlost = kbps * 1000 // 8

    spojeni = socket.create_connection(("127.0.0.1", port), timeout=10)
    prihlaseni = base64.b64encode(("source:" + heslo).encode()).decode()
    hlava = (
        "PUT %s HTTP/1.1\r\n"
        "Host: 127.0.0.1:%d\r\n"
        "Authorization: Basic %s\r\n"
        "Content-Type: audio/mpeg\r\n"
        "Ice-Name: %s\r\n"
        "Ice-Bitrate: %d\r\n"
        "Ice-Public: 0\r\n"
        "\r\n" % (mount, port, prihlaseni, NAZEV, kbps)
    )
    spojeni.sendall(hlava.encode("utf-8"))
    odpoved = b""
    while b"\r\n\r\n" not in odpoved:
        kus = spojeni.recv(4096)
        if not kus:
            break
        odpoved += kus
    stav = odpoved.split(b"\r\n", 1)[0]
    if b" 200 " not in stav + b" ":
        print("the server refused the stream: %r" % odpoved[:200], file=sys.stderr, flush=True)
        return 1
    print("pripojeno", flush=True)

    # Tenths of a second, each sent at its time, so that the server's listeners get the sound
    # at the rate it plays and the server's burst holds only the last few seconds.
    dilek = rychlost // 10
    odeslano = 0
    zacatek = time.monotonic()
    try:
        while True:
            od = odeslano % len(data)
            kus = data[od : od + dilek]
            if len(kus) < dilek:
                kus += data[: dilek - len(kus)]
            spojeni.sendall(kus)
            odeslano += len(kus)
            pocka = zacatek + odeslano / rychlost - time.monotonic()
            if pocka > 0:
                time.sleep(pocka)
    except (BrokenPipeError, ConnectionResetError):
        return 0


if __name__ == "__main__":
    sys.exit(main())
