"""A small anti-aliased rasteriser for the installer's skin images (standard library only).

Shapes are signed distance functions evaluated at pixel centres; coverage comes from the
distance, so every edge is anti-aliased. Colours are straight RGBA floats in 0..1, composited
with "over". PNG and ICO files are written with zlib and struct, without timestamps or other
varying chunks, so the same drawing always gives the same bytes.
"""
import math
import struct
import zlib


def hexcolor(text, alpha=1.0):
    text = text.lstrip("#")
    return (int(text[0:2], 16) / 255.0, int(text[2:4], 16) / 255.0, int(text[4:6], 16) / 255.0, alpha)


def mix(c0, c1, t):
    t = 0.0 if t < 0.0 else 1.0 if t > 1.0 else t
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


# ---- signed distances (negative inside) ------------------------------------------------------

def rounded_rect(x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hw, hh = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def sdf(x, y):
        qx, qy = abs(x - cx) - hw, abs(y - cy) - hh
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r
    return sdf


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ring(cx, cy, r, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - width / 2.0


def _segment_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
    return math.hypot(x - (ax + t * dx), y - (ay + t * dy))


def stroke(points, width):
    """A polyline of round-capped segments."""
    segments = list(zip(points, points[1:]))

    def sdf(x, y):
        return min(_segment_distance(x, y, a[0], a[1], b[0], b[1]) for a, b in segments) - width / 2.0
    return sdf


def arc_points(cx, cy, r, start_deg, end_deg, steps=24):
    return [(cx + r * math.cos(math.radians(start_deg + (end_deg - start_deg) * i / steps)),
             cy + r * math.sin(math.radians(start_deg + (end_deg - start_deg) * i / steps)))
            for i in range(steps + 1)]


def convex_polygon(points):
    """Points in clockwise order on screen (y down); the distance is exact inside, close outside."""
    edges = []
    n = len(points)
    for i in range(n):
        (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
        length = math.hypot(bx - ax, by - ay)
        edges.append((ax, ay, (by - ay) / length, -(bx - ax) / length))

    def sdf(x, y):
        return max((x - ax) * nx + (y - ay) * ny for ax, ay, nx, ny in edges)
    return sdf


def subtract(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def rotated(sdf, cx, cy, degrees):
    c, s = math.cos(math.radians(-degrees)), math.sin(math.radians(-degrees))
    return lambda x, y: sdf(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c)


# ---- colour sources --------------------------------------------------------------------------

def vertical(y0, y1, c0, c1):
    return lambda x, y: mix(c0, c1, (y - y0) / float(y1 - y0))


def horizontal(x0, x1, c0, c1):
    return lambda x, y: mix(c0, c1, (x - x0) / float(x1 - x0))


def radial(cx, cy, r, c0, c1):
    return lambda x, y: mix(c0, c1, math.hypot(x - cx, y - cy) / r)


class Canvas:
    def __init__(self, width, height, color=(0.0, 0.0, 0.0, 0.0)):
        self.width, self.height = width, height
        self.px = [list(color) for _ in range(width * height)]

    def fill_rows(self, color_of_row):
        """Fast opaque fill where the colour depends on the row only."""
        for y in range(self.height):
            c = list(color_of_row(y + 0.5))
            for x in range(self.width):
                self.px[y * self.width + x] = list(c)

    def draw(self, sdf, color, bbox=None, feather=1.0, opacity=1.0):
        """Composites a shape; feather widens the edge (pixels) for soft shapes."""
        x0, y0, x1, y1 = bbox if bbox else (0, 0, self.width, self.height)
        x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        x1, y1 = min(self.width, int(math.ceil(x1))), min(self.height, int(math.ceil(y1)))
        flat = not callable(color)
        for y in range(y0, y1):
            py = y + 0.5
            row = y * self.width
            for x in range(x0, x1):
                px = x + 0.5
                d = sdf(px, py)
                if d >= feather / 2.0:
                    continue
                cover = 1.0 if d <= -feather / 2.0 else 0.5 - d / feather
                src = color if flat else color(px, py)
                a = src[3] * cover * opacity
                if a <= 0.0:
                    continue
                dst = self.px[row + x]
                out_a = a + dst[3] * (1.0 - a)
                k = dst[3] * (1.0 - a)
                for i in range(3):
                    dst[i] = (src[i] * a + dst[i] * k) / out_a
                dst[3] = out_a

    def blit(self, other, ox, oy):
        for y in range(other.height):
            for x in range(other.width):
                tx, ty = ox + x, oy + y
                if 0 <= tx < self.width and 0 <= ty < self.height:
                    src = other.px[y * other.width + x]
                    dst = self.px[ty * self.width + tx]
                    a = src[3]
                    out_a = a + dst[3] * (1.0 - a)
                    if out_a > 0:
                        k = dst[3] * (1.0 - a)
                        for i in range(3):
                            dst[i] = (src[i] * a + dst[i] * k) / out_a
                    dst[3] = out_a

    def scaled(self, width, height):
        """Box-filtered reduction (premultiplied), for icon sizes drawn large."""
        out = Canvas(width, height)
        sx, sy = self.width / float(width), self.height / float(height)
        for y in range(height):
            for x in range(width):
                acc = [0.0, 0.0, 0.0, 0.0]
                n = 0
                for yy in range(int(y * sy), int((y + 1) * sy)):
                    for xx in range(int(x * sx), int((x + 1) * sx)):
                        p = self.px[yy * self.width + xx]
                        for i in range(3):
                            acc[i] += p[i] * p[3]
                        acc[3] += p[3]
                        n += 1
                a = acc[3] / n
                out.px[y * width + x] = [acc[i] / acc[3] if acc[3] > 0 else 0.0 for i in range(3)] + [a]
        return out

    def rgba_rows(self):
        rows = []
        for y in range(self.height):
            row = bytearray()
            for p in self.px[y * self.width:(y + 1) * self.width]:
                row += bytes(max(0, min(255, int(round(v * 255)))) for v in p)
            rows.append(bytes(row))
        return rows


def png_bytes(canvas):
    raw = b"".join(b"\x00" + row for row in canvas.rgba_rows())

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def _dib_icon_image(canvas):
    """A 32-bit BMP icon image: header with doubled height, bottom-up BGRA rows, AND mask."""
    w, h = canvas.width, canvas.height
    mask_stride = ((w + 31) // 32) * 4
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, w * h * 4 + mask_stride * h, 0, 0, 0, 0)
    rows = canvas.rgba_rows()
    pixels = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x in range(w):
            r, g, b, a = row[4 * x:4 * x + 4]
            pixels += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(pixels) + bytes(mask)


def ico_bytes(canvases):
    """Icon file; sizes of 256 are stored as PNG, smaller ones as 32-bit DIBs."""
    images = [png_bytes(c) if c.width >= 256 else _dib_icon_image(c) for c in canvases]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, data in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.width % 256, c.height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)
