#!/usr/bin/env python3
"""Writes the archives and images the skin-resource tests read.

Archives come from Python's zipfile and, for traditional encryption, the zip tool; images from
ImageMagick reading raw RGBA bytes, so every pixel the tests expect is known exactly. Hostile
archives are derived from valid ones by patching header fields. The "tool_*" archives are
written by other archivers (Info-ZIP, 7-Zip, bsdtar, Python), each with its own header habits
(data descriptors, extra fields, comments), so the reader is checked against what really
exists rather than against one writer.
"""
import os
import struct
import subprocess
import sys
import zipfile
import zlib

PARTLY_TRANSPARENT = [(255, 0, 0, 128), (0, 255, 0, 255), (0, 0, 255, 0), (10, 20, 30, 255)]
OPAQUE = [(200, 100, 50, 255), (1, 2, 3, 255), (0, 0, 0, 255), (255, 255, 255, 255)]


def png(path, width, height, pixels):
    raw = path + ".rgba"
    with open(raw, "wb") as f:
        for p in pixels:
            f.write(bytes(p))
    subprocess.run(["convert", "-size", "%dx%d" % (width, height), "-depth", "8",
                    "rgba:" + raw, "PNG32:" + path], check=True)
    os.remove(raw)


def gif(path):
    # Three 3x2 frames (red, lime, blue) with delays of 10, 20 and 30 hundredths of a second.
    subprocess.run(["convert", "-delay", "10", "-size", "3x2", "xc:red", "-delay", "20", "xc:lime",
                    "-delay", "30", "xc:blue", "-loop", "0", path], check=True)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def page_background(path):
    # A 600x400 page background for the benchmark: a gradient with a translucent frame.
    subprocess.run(["convert", "-size", "600x400", "gradient:#3070c0-#f0f4ff", "-fill", "none",
                    "-stroke", "rgba(0,0,0,0.4)", "-strokewidth", "10", "-draw",
                    "rectangle 0,0 599,399", "PNG32:" + path], check=True)


def skin_zip(path, out):
    with zipfile.ZipFile(path, "w") as z:
        z.write(os.path.join(out, "page_bk.png"), "page_bk.png", zipfile.ZIP_DEFLATED)
        z.write(os.path.join(out, "page_home.png"), "page_home.png", zipfile.ZIP_DEFLATED)
        z.write(os.path.join(out, "opaque.png"), "img/Opaque.png", zipfile.ZIP_STORED)
        z.writestr(zipfile.ZipInfo("stored.txt"), b"stored member", zipfile.ZIP_STORED)
        z.writestr("deflated.txt", b"deflated member " * 64, zipfile.ZIP_DEFLATED)
        z.writestr("Lang/English", b"<Res/>", zipfile.ZIP_DEFLATED)
        z.writestr("\u4e2d\u6587/\u56fe\u7247.txt", b"utf-8 name", zipfile.ZIP_DEFLATED)
        z.writestr("\u00c4rger.txt", b"non-ascii upper", zipfile.ZIP_STORED)
        z.writestr("n" * 251 + ".txt", b"255 bytes", zipfile.ZIP_STORED)
        z.writestr("m" * 252 + ".txt", b"256 bytes", zipfile.ZIP_STORED)
        z.writestr("Case.txt", b"first", zipfile.ZIP_STORED)
        z.writestr("CASE.TXT", b"second", zipfile.ZIP_STORED)
        z.writestr("empty.txt", b"", zipfile.ZIP_STORED)
        z.writestr("res.xml", '<Root><Res><Image id="logo" path="page_home.png"/>'
                   '<image id="logo" path="opaque.png"/><Xml id="main" path="MainFrame.xml"/>'
                   '<Image id="noPath"/></Res></Root>', zipfile.ZIP_DEFLATED)
    return read(path)


def second_zip(path):
    with zipfile.ZipFile(path, "w") as z:
        z.writestr("stored.txt", b"second archive", zipfile.ZIP_STORED)
        z.writestr("only_second.txt", b"x", zipfile.ZIP_STORED)


def encrypted_zip(path, out):
    work = os.path.join(out, "enc_src")
    os.makedirs(work, exist_ok=True)
    write(os.path.join(work, "secret.txt"), b"the secret text " * 32)
    write(os.path.join(work, "plain.txt"), b"short")
    if os.path.exists(path):
        os.remove(path)
    # Deflated and stored encrypted members, traditional PKWARE encryption.
    subprocess.run(["zip", "-q", "-P", "s3cret", path, "secret.txt"], cwd=work, check=True)
    subprocess.run(["zip", "-q", "-0", "-P", "s3cret", path, "plain.txt"], cwd=work, check=True)


def big_zip(path):
    # 5 MiB of zeros: a few kilobytes compressed, above the 4 MiB skin-file limit unpacked.
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("big.xml", b"\0" * (5 * 1024 * 1024))
        z.writestr("small.xml", b"<Window/>")


def central_entries(data):
    """Yields (offset of central header, offset of local header) for each member."""
    eocd = data.rfind(b"PK\x05\x06")
    count, size, start = struct.unpack_from("<HII", data, eocd + 10)
    pos = start
    for _ in range(count):
        name_len, extra_len, comment_len = struct.unpack_from("<HHH", data, pos + 28)
        local = struct.unpack_from("<I", data, pos + 42)[0]
        yield pos, local
        pos += 46 + name_len + extra_len + comment_len


def hostile(out, valid):
    eocd = valid.rfind(b"PK\x05\x06")
    # Truncated in the middle of the members, and cut inside the end record.
    write(os.path.join(out, "truncated_half.zip"), valid[: len(valid) // 2])
    write(os.path.join(out, "truncated_eocd.zip"), valid[: eocd + 10])
    # Central directory offset beyond the end.
    d = bytearray(valid)
    struct.pack_into("<I", d, eocd + 16, len(valid) + 1000)
    write(os.path.join(out, "bad_cd_offset.zip"), bytes(d))
    # A central directory declared one byte shorter than it is: minizip starts reading it one
    # byte late and finds no header there.
    d = bytearray(valid)
    size = struct.unpack_from("<I", valid, eocd + 12)[0]
    struct.pack_into("<I", d, eocd + 12, size - 1)
    write(os.path.join(out, "cd_size_short.zip"), bytes(d))
    # Every local header offset pointing beyond the end.
    d = bytearray(valid)
    for cpos, _ in central_entries(valid):
        struct.pack_into("<I", d, cpos + 42, 0x7FFFFFF0)
    write(os.path.join(out, "bad_local_offset.zip"), bytes(d))
    # Uncompressed sizes that lie (smaller and larger than the truth), compressed sizes too.
    for name, delta in (("size_smaller.zip", -5), ("size_larger.zip", 1000)):
        d = bytearray(valid)
        for cpos, lpos in central_entries(valid):
            unc = struct.unpack_from("<I", valid, cpos + 24)[0]
            struct.pack_into("<I", d, cpos + 24, max(0, unc + delta))
            struct.pack_into("<I", d, lpos + 22, max(0, unc + delta))
        write(os.path.join(out, name), bytes(d))
    d = bytearray(valid)
    for cpos, lpos in central_entries(valid):
        struct.pack_into("<I", d, cpos + 20, 0xFFFFFF00)
        struct.pack_into("<I", d, lpos + 18, 0xFFFFFF00)
    write(os.path.join(out, "csize_huge.zip"), bytes(d))
    # Member data corrupted (flipped bytes in the middle of every member's data).
    d = bytearray(valid)
    for cpos, lpos in central_entries(valid):
        name_len, extra_len = struct.unpack_from("<HH", valid, lpos + 26)
        csize = struct.unpack_from("<I", valid, cpos + 20)[0]
        start = lpos + 30 + name_len + extra_len
        for i in range(start + csize // 3, start + csize // 3 + min(4, csize)):
            d[i] ^= 0x5A
    write(os.path.join(out, "data_corrupt.zip"), bytes(d))
    # A bomb: a small declared size in front of 64 MiB of deflated zeros.
    comp = zlib.compressobj(9, zlib.DEFLATED, -15)
    payload = comp.compress(b"\0" * (64 * 1024 * 1024)) + comp.flush()
    # Local header, data, central header, end record, with a declared size of 1000.
    name = b"bomb.bin"
    crc = 0
    local = struct.pack("<IHHHHHIIIHH", 0x04034B50, 20, 0, 8, 0, 0, crc, len(payload), 1000,
                        len(name), 0) + name
    central = struct.pack("<IHHHHHHIIIHHHHHII", 0x02014B50, 20, 20, 0, 8, 0, 0, crc, len(payload),
                          1000, len(name), 0, 0, 0, 0, 0, 0) + name
    body = local + payload
    end = struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, 1, 1, len(central), len(body), 0)
    write(os.path.join(out, "bomb.zip"), body + central + end)


TOOL_PASSWORD = "s3cret"


def stored_payload():
    # 100 bytes that no two positions share in a row, so a shifted or short read shows.
    return bytes((i * 37 + 11) & 0xFF for i in range(100))


def tool_archives(out):
    work = os.path.join(out, "tool_src")
    os.makedirs(work, exist_ok=True)
    write(os.path.join(work, "stored.bin"), stored_payload())
    write(os.path.join(work, "packed.txt"), b"packed and encrypted " * 40)
    files = ["stored.bin", "packed.txt"]

    def fresh(name):
        path = os.path.join(out, name)
        if os.path.exists(path):
            os.remove(path)
        return path

    def run(args):
        subprocess.run(args, cwd=work, check=True, stdout=subprocess.DEVNULL)

    pw = TOOL_PASSWORD
    # Traditionally encrypted, one archive per compression method.
    run(["zip", "-q", "-0", "-P", pw, fresh("tool_infozip_enc_stored.zip"), "stored.bin"])
    run(["zip", "-q", "-P", pw, fresh("tool_infozip_enc_deflated.zip"), "packed.txt"])
    run(["7z", "a", "-tzip", "-mm=Copy", "-mem=ZipCrypto", "-p" + pw,
         fresh("tool_7z_enc_stored.zip"), "stored.bin"])
    run(["7z", "a", "-tzip", "-mm=Deflate", "-mem=ZipCrypto", "-p" + pw,
         fresh("tool_7z_enc_deflated.zip"), "packed.txt"])
    for method, member in (("store", "stored.bin"), ("deflate", "packed.txt")):
        name = "tool_bsdtar_enc_%s.zip" % ("stored" if method == "store" else "deflated")
        run(["bsdtar", "--format", "zip", "--options",
             "zip:compression=%s,zip:encryption=zipcrypt" % method, "--passphrase", pw,
             "-cf", fresh(name), member])
    # Plain archives of both members, for the end-record cuts.
    run(["zip", "-q", fresh("tool_infozip.zip")] + files)
    subprocess.run(["zip", "-q", "-z", fresh("tool_infozip_comment.zip")] + files, cwd=work,
                   check=True, input=b"an archive comment\n")
    run(["7z", "a", "-tzip", fresh("tool_7z.zip")] + files)
    run(["bsdtar", "--format", "zip", "-cf", fresh("tool_bsdtar.zip")] + files)
    with zipfile.ZipFile(fresh("tool_python.zip"), "w", zipfile.ZIP_DEFLATED) as z:
        for f in files:
            z.write(os.path.join(work, f), f)


def png_chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def blank_png(path, width, height):
    # A valid, fully decodable black PNG of any size (a few kilobytes even when wide).
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    rows = (b"\0" + b"\0" * (width * 4)) * height
    write(path, b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) +
          png_chunk(b"IDAT", zlib.compress(rows, 9)) + png_chunk(b"IEND", b""))


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    png(os.path.join(out, "page_home.png"), 2, 2, PARTLY_TRANSPARENT)
    png(os.path.join(out, "opaque.png"), 2, 2, OPAQUE)
    gif(os.path.join(out, "frames.gif"))
    page_background(os.path.join(out, "page_bk.png"))
    valid = skin_zip(os.path.join(out, "skin.zip"), out)
    second_zip(os.path.join(out, "second.zip"))
    encrypted_zip(os.path.join(out, "encrypted.zip"), out)
    big_zip(os.path.join(out, "big.zip"))
    hostile(out, valid)
    tool_archives(out)
    # One pixel wider than the loader accepts, yet a perfectly good picture.
    blank_png(os.path.join(out, "too_wide.png"), 8193, 64)
    write(os.path.join(out, "plain_file.txt"), b"plain file")
    open(os.path.join(out, "stamp"), "w").close()


if __name__ == "__main__":
    main()
