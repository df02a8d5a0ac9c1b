#!/usr/bin/env python3
"""Writes the small seed corpora of the ini, engines, template, colour-stream and copy-data fuzzers.

Run from anywhere: python3 fuzz/make-seeds.py. The history corpus is kept by hand."""
import pathlib
import struct

corpus = pathlib.Path(__file__).resolve().parent / "corpus"


def write(folder, name, data):
    path = corpus / folder
    path.mkdir(parents=True, exist_ok=True)
    (path / name).write_bytes(data)


# vask.cfg as the bar writes it, and the odd files an editor or an older version leaves.
CFG = ("[Velikost]\r\nLevo=780\r\nGor=824\r\n"
       "[Options]\r\nBackcolor=15792383\r\nCompact=0\r\nstbar=1\r\nEnahist=1\r\n"
       "[Pin]\r\nBrowser=2\r\nInterface=0\r\nCountry=41\r\nLanguage=0\r\nType=3\r\nTime=0\r\n"
       "[VelikostH]\r\nSirina=1130\r\nVisina=874\r\nLevo=10\r\nGor=10\r\nStatus=2\r\n")
write("ini", "vask.cfg", CFG.encode())
write("ini", "bom_lf.cfg", b"\xef\xbb\xbf; comment\n[Options]\nCompact = 1 \n\n[options]\nstbar=0\n")
write("ini", "preset.vsk", "[Pin]\rExact=čisti \"dobiček\"\rEurl=letno poročilo\rDomain=example.si\r".encode())
write("ini", "ansi.cfg", b"preamble=1\r\n[Pin]\r\nEurl=\xe8\xe9\xbf\r\n[broken\r\n=novalue\r\nkey=a=b\r\n")


# [Engines]: valid lines, a duplicate, invalid lines, comments, and other sections around it.
write("engines", "engines.cfg",
      ("[Options]\r\nCompact=1\r\n\r\n[Engines]\r\n; own engines\r\n"
       "ddg=DuckDuckGo|https://duckduckgo.com/?q={q}\r\n"
       " gh = GitHub | HTTPS://github.com/search?q={q}&type=code \r\n"
       "DDG=Again|https://other.example/{q}\r\n"
       "g=Mine|https://x/{q}\r\nbad=Bad|ftp://x/{q}\r\nnobar=text\r\nsp=Sp|https://x/{q} y\r\n"
       "\r\n[Pin]\r\nBrowser=2\r\n").encode())
write("engines", "only.cfg", "[engines]\nwiki-sl=Wikipedija|https://sl.wikipedia.org/w/index.php?search={q}&{q}\n".encode())

# Template, a line break, the search text.
write("template", "ddg", "https://duckduckgo.com/?q={q}\na b".encode())
write("template", "twice", "HTTP://x.example/{q}/{q}?ü=1\n東京 \"quoted\"".encode())
write("template", "hostile", b"https://x/\"{q}\" --\n\x00\xff%")

# color.cld: the form library's component stream ("TPF0").
def short(text):
    data = text.encode()
    return bytes([len(data)]) + data


def color_stream(color_value, customs):
    out = b"TPF0" + short("TColorDialog") + short("ColorDialog") + color_value
    out += short("CustomColors.Strings") + b"\x01"
    for line in customs:
        out += b"\x06" + short(line)
    return out + b"\x00\x00\x00"


letters = "ABCDEFGHIJKLMNOP"
write("color", "white.cld",
      color_stream(short("Color") + b"\x07" + short("clWhite"), [f"Color{c}=FFFFFFFF" for c in letters]))
write("color", "int32.cld",
      color_stream(short("Color") + b"\x04" + struct.pack("<i", 0xF0CAA6),
                   [f"Color{c}={0x100000 * i:06X}" for i, c in enumerate(letters)]))
write("color", "system.cld",
      color_stream(short("Ctl3D") + b"\x08" + short("Color") + b"\x07" + short("clBtnFace"),
                   ["ColorA=F0CAA6", "colorb=ffffff"]))
write("color", "nested.cld",
      b"TPF0" + short("TColorDialog") + short("ColorDialog") + short("Items") + b"\x0e" +
      b"\x02\x05\x01" + short("X") + b"\x03\x34\x12\x00" + b"\x00" +
      short("Hint") + b"\x12" + struct.pack("<I", 2) + "hi".encode("utf-16-le") + b"\x00\x00")

# WM_COPYDATA payloads: the two commands, with and without their zero byte, and a long text.
write("copy_data", "opaque", b"201\x00")
write("copy_data", "close", b"202")
write("copy_data", "long", b"x" * 120)
write("copy_data", "zero_inside", b"20\x001")

# Engine suggestions replies: the usual shape, extra arrays, the odd shapes a server may send.
write("suggest_reply", "google.json", '["re",["red","reddit","red car","récit"]]'.encode())
write("suggest_reply", "wikipedia.json",
      b'["re",["Re","Red"],["",""],["https://en.wikipedia.org/wiki/Re","https://en.wikipedia.org/wiki/Red"]]')
write("suggest_reply", "escapes.json", b'["q",["a\\u0000b","\\ud83d\\ude00","tab\\there",""]]')
write("suggest_reply", "objects.json", b'{"q":["x"]}')
write("suggest_reply", "nested.json", b'["q",[["x"],1,null,true]]')
