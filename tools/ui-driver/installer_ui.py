#!/usr/bin/env python3
"""Drives the installer's windows on an X display the way a person would, with xdotool, and
takes screenshots with ImageMagick's import. Used by the README's run command (on a virtual
display) and by the end-to-end tests.

Positions are the skins' logical pixels; the main window is shown at 115 %, the exit dialog at
100 %. Only the standard library, xdotool and import are needed.
"""
import os
import re
import subprocess
import time
import zlib
import struct

MAIN_SCALE = 1.15

# Centres of the controls a person clicks, in the skins' logical pixels.
MAIN_POINTS = {
    "btn_Close": (573, 27),
    "btn_Install": (300, 244),
    "opt_User": (27, 291),
    "btn_Alter": (545, 354),
    "btn_Reinstall": (300, 232),
    "btn_Run": (300, 354),
}
DIALOG_POINTS = {
    "btn_confirm": (175, 165),
    "btn_cancel": (305, 165),
    "btn_Close": (383, 18),
}


def xdo(*args, check=True):
    r = subprocess.run(["xdotool", *args], capture_output=True, text=True)
    if check and r.returncode != 0:
        raise RuntimeError("xdotool %s: %s" % (" ".join(args), r.stderr.strip()))
    return r.stdout.strip()


def geometry(window):
    out = xdo("getwindowgeometry", "--shell", str(window))
    values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def visible_windows(name=None):
    args = ["search", "--onlyvisible"]
    args += ["--name", name] if name is not None else ["--name", ""]
    out = xdo(*args, check=False)
    return [int(w) for w in out.split()] if out else []


def wait_window(predicate, timeout=60.0, name=None):
    """The first visible window for which predicate(window, geometry) holds."""
    end = time.time() + timeout
    while time.time() < end:
        for w in visible_windows(name):
            try:
                g = geometry(w)
            except (RuntimeError, KeyError, ValueError):
                continue
            if predicate(w, g):
                return w
        time.sleep(0.3)
    raise TimeoutError("no such window within %.0f s" % timeout)


def main_window(timeout=90.0):
    # The main window: 690x460 (600x400 at 115 %), title empty.
    return wait_window(lambda w, g: (g[2], g[3]) == (690, 460), timeout)


def dialog_window(timeout=30.0):
    return wait_window(lambda w, g: (g[2], g[3]) == (400, 195), timeout, name="^msgwnd$")


def click(window, point, scale=1.0):
    x, y, _, _ = geometry(window)
    sx = x + int(round(point[0] * scale))
    sy = y + int(round(point[1] * scale))
    xdo("mousemove", "--sync", str(sx), str(sy))
    time.sleep(0.15)  # let the window see the move (hover) before the press
    xdo("click", "1")


def click_main(window, name):
    click(window, MAIN_POINTS[name], MAIN_SCALE)


def click_dialog(window, name):
    click(window, DIALOG_POINTS[name], 1.0)


def key(window, keys):
    xdo("windowactivate", "--sync", str(window), check=False)
    xdo("key", "--window", str(window), keys)


def screenshot(window, path):
    """The window's area of the screen as a PNG at path."""
    x, y, w, h = geometry(window)
    subprocess.run(["import", "-silent", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y),
                    "+repage", "-define", "png:exclude-chunks=date,time", path], check=True)
    return path


def read_png_rgb(path):
    """(width, height, rows of (r, g, b)) of an 8-bit RGB/RGBA PNG, standard library only."""
    data = open(path, "rb").read()
    pos = 8
    chunks = []
    width = height = 0
    color = depth = 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, color = struct.unpack(">IIBB", body[:10])
        elif kind == b"IDAT":
            chunks.append(body)
        pos += 12 + length
    if depth != 8 or color not in (2, 6):
        raise ValueError("unsupported PNG (depth %d, colour type %d)" % (depth, color))
    bpp = 3 if color == 2 else 4
    raw = zlib.decompress(b"".join(chunks))
    stride = width * bpp
    rows, prev = [], bytearray(stride)
    i = 0
    for _ in range(height):
        f = raw[i]
        line = bytearray(raw[i + 1:i + 1 + stride])
        i += 1 + stride
        for k in range(stride):
            a = line[k - bpp] if k >= bpp else 0
            b = prev[k]
            c = prev[k - bpp] if k >= bpp else 0
            if f == 1:
                line[k] = (line[k] + a) & 255
            elif f == 2:
                line[k] = (line[k] + b) & 255
            elif f == 3:
                line[k] = (line[k] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[k] = (line[k] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(line[j:j + 3]) for j in range(0, stride, bpp)])
        prev = line
    return width, height, rows


def pixel(path, x, y):
    _, _, rows = read_png_rgb(path)
    return rows[y][x]
