#!/usr/bin/env python3
"""A small radio server for the stream connection tests, on 127.0.0.1.

It prints the port it listens on as the first line of its output and serves until it is
ended. Given a certificate and its key (--tls CERT KEY), it serves the same over TLS on a
second port, printed as the second line. What it does is chosen by the path and the query:

  /icy, /http     a stream answered "ICY 200 OK" or "HTTP/1.0 200 OK", with icy-name, icy-br
                  and icy-metaint. Query: metaint (8192; 0 for no titles), titul, kodovani
                  (utf-8 or cp1250), rychlost (bytes a second, 16000), delka (bytes of sound,
                  then the end; endless without it), soubor (a file sent round and round;
                  without it the n-th byte of sound is n % 251, so order can be checked),
                  typ (the content type, audio/mpeg), br (icy-br, 128; 0 for none), zmena
                  (seconds: the title gets a number that grows by one each time they have
                  passed, as a radio's next song)
  /zaseknout?po=N N bytes of a stream, then silence on an open connection
  /prerusit?po=N  N bytes of a stream, then the connection closed
  /mlcet          no answer at all, the connection held open
  /presmeruj?kam= 302 to the address given (/icy when none)
  /seznam.pls     a playlist naming /icy on this server
  /stranka        an HTML page
  /ozvena         the request head as received, as a text body
"""

import socket
import socketserver
import ssl
import sys
import threading
import time
from urllib.parse import parse_qs, urlsplit

VZOREK = bytes(i % 251 for i in range(251 * 64))


def cislo(dotaz, nazev, vychozi):
    return int(dotaz.get(nazev, [str(vychozi)])[0])


def blok_metadat(titul, kodovani):
    text = ("StreamTitle='%s';" % titul).encode(kodovani)
    delka = (len(text) + 15) // 16
    return bytes([delka]) + text.ljust(delka * 16, b"\0")


class Zvuk:
    """The sound bytes from a given offset: a file round and round, or the pattern."""

    def __init__(self, soubor):
        self.data = open(soubor, "rb").read() if soubor else VZOREK
        self.pozice = 0

    def dalsi(self, n):
        kus = bytearray()
        while len(kus) < n:
            zacatek = self.pozice % len(self.data)
            vzit = min(n - len(kus), len(self.data) - zacatek)
            kus += self.data[zacatek : zacatek + vzit]
            self.pozice += vzit
        return bytes(kus)


class Obsluha(socketserver.StreamRequestHandler):
    def handle(self):
        pozadavek = b""
        while not pozadavek.endswith(b"\r\n\r\n"):
            radek = self.rfile.readline(8192)
            if not radek:
                return
            pozadavek += radek
            if radek in (b"\r\n", b"\n"):
                break
        cil = pozadavek.split(b" ")[1].decode("latin-1") if b" " in pozadavek else "/"
        adresa = urlsplit(cil)
        dotaz = parse_qs(adresa.query)
        cesta = adresa.path
        try:
            if cesta in ("/icy", "/http"):
                self.stream(cesta == "/icy", dotaz)
            elif cesta == "/zaseknout":
                self.stream(True, dotaz, cislo(dotaz, "po", 1000))
                self.mlcet()
            elif cesta == "/prerusit":
                self.stream(True, dotaz, cislo(dotaz, "po", 1000))
            elif cesta == "/mlcet":
                self.mlcet()
            elif cesta == "/presmeruj":
                kam = dotaz.get("kam", ["/icy"])[0]
                self.odpoved("302 Found", b"", "Location: %s\r\n" % kam)
            elif cesta == "/seznam.pls":
                port = self.server.server_address[1]
                telo = "[playlist]\nNumberOfEntries=1\nFile1=http://127.0.0.1:%d/icy\n" % port
                self.odpoved("200 OK", telo.encode(), "Content-Type: audio/x-scpls\r\n")
            elif cesta == "/stranka":
                telo = b"<!DOCTYPE html><html><body><p>Tady nic nehraje.</p></body></html>\n"
                self.odpoved("200 OK", telo, "Content-Type: text/html\r\n")
            elif cesta == "/ozvena":
                self.odpoved("200 OK", pozadavek, "Content-Type: text/plain\r\n")
            else:
                self.odpoved("404 Not Found", b"nic\n", "Content-Type: text/plain\r\n")
        except (BrokenPipeError, ConnectionResetError):
            pass  # the client has gone, as clients do

    def mlcet(self):
        while self.rfile.read(1):
            pass  # silent until the client goes

    def odpoved(self, stav, telo, hlavicky):
        hlava = "HTTP/1.0 %s\r\n%sContent-Length: %d\r\n\r\n" % (stav, hlavicky, len(telo))
        self.wfile.write(hlava.encode("latin-1") + telo)

    def stream(self, icy, dotaz, po=None):
        metaint = cislo(dotaz, "metaint", 8192)
        rychlost = cislo(dotaz, "rychlost", 16000)
        delka = cislo(dotaz, "delka", 0) or po
        kodovani = dotaz.get("kodovani", ["utf-8"])[0]
        titul = dotaz.get("titul", ["Zkušební skladba – Žluťoučký kůň"])[0]
        zvuk = Zvuk(dotaz.get("soubor", [None])[0])
        typ = dotaz.get("typ", ["audio/mpeg"])[0]
        br = cislo(dotaz, "br", 128)
        zmena = cislo(dotaz, "zmena", 0)
        hlava = ("ICY 200 OK\r\n" if icy else "HTTP/1.0 200 OK\r\n") + (
            "Content-Type: %s\r\nicy-name: Zkušební stanice\r\n" % typ
        )
        if br:
            hlava += "icy-br: %d\r\n" % br
        if metaint:
            hlava += "icy-metaint: %d\r\n" % metaint
        self.wfile.write((hlava + "\r\n").encode("utf-8"))

        # Sent in slices of a tenth of a second, each at its time, so the rate stays steady.
        dilek = max(1, rychlost // 10)
        odeslano = 0
        do_titulu = metaint
        zacatek = time.monotonic()

        def titul_ted():
            if not zmena:
                return titul
            return "%s %d" % (titul, int((time.monotonic() - zacatek) // zmena) + 1)

        while delka is None or odeslano < delka:
            n = dilek if delka is None else min(dilek, delka - odeslano)
            kus = bytearray()
            while n:
                vzit = min(n, do_titulu) if metaint else n
                kus += zvuk.dalsi(vzit)
                n -= vzit
                odeslano += vzit
                if metaint:
                    do_titulu -= vzit
                    if do_titulu == 0:
                        kus += blok_metadat(titul_ted(), kodovani)
                        do_titulu = metaint
            self.wfile.write(bytes(kus))
            self.wfile.flush()
            pocka = zacatek + odeslano / rychlost - time.monotonic()
            if pocka > 0:
                time.sleep(pocka)


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True


class ServerTls(Server):
    """The handshake happens in the connection's own thread, so a client that never starts one
    holds up nobody else."""

    def __init__(self, adresa, obsluha, kontext):
        super().__init__(adresa, obsluha)
        self.kontext = kontext

    def finish_request(self, request, client_address):
        request.settimeout(10)
        try:
            request = self.kontext.wrap_socket(request, server_side=True)
        except (ssl.SSLError, OSError):
            return  # a client that gave up or did not trust us
        request.settimeout(None)
        super().finish_request(request, client_address)


def spustit(server):
    server.socket.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
    print(server.server_address[1], flush=True)


def main():
    argumenty = sys.argv[1:]
    tls = None
    if argumenty[:1] == ["--tls"]:
        tls, argumenty = argumenty[1:3], argumenty[3:]
    server = Server(("127.0.0.1", int(argumenty[0]) if argumenty else 0), Obsluha)
    spustit(server)
    if tls:
        kontext = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        kontext.load_cert_chain(tls[0], tls[1])
        bezpecny = ServerTls(("127.0.0.1", 0), Obsluha, kontext)
        spustit(bezpecny)
        threading.Thread(target=bezpecny.serve_forever, daemon=True).start()
    server.serve_forever()


if __name__ == "__main__":
    main()
