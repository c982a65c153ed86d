#!/usr/bin/env python3
"""Writes the PNG images the control tests and the controls benchmark draw.

Each picture is a set of solid areas whose colours the tests repeat (ControlTestSupport.h), so
expected pixels are exact. The PNG writer is the render tests' one.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "render"))
from make_render_images import write_png  # noqa: E402

# Inner and border colour of each of the four button states (normal, hot, pushed, disabled).
INNER = [(200, 0, 0), (0, 200, 0), (0, 0, 200), (100, 100, 100)]
BORDER = [(50, 0, 0), (0, 50, 0), (0, 0, 50), (30, 30, 30)]
THIRDS = [(255, 0, 0), (0, 255, 0), (0, 0, 255)]


def button_rows(x, y):
    # 20x40: four 10-pixel rows, each a 2-pixel border around an inner colour.
    k, yy = divmod(y, 10)
    edge = x < 2 or x >= 18 or yy < 2 or yy >= 8
    return (BORDER if edge else INNER)[k] + (255,)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    write_png(os.path.join(out, "btn_states.png"), 20, 40, button_rows)
    # 40x10: four 10-pixel columns in the inner colours (a horizontal state strip).
    write_png(os.path.join(out, "btn_strip.png"), 40, 10, lambda x, y: INNER[x // 10] + (255,))
    # 300x4: red, green and blue thirds (a bar's fill) and a grey background.
    write_png(os.path.join(out, "pro_loading.png"), 300, 4, lambda x, y: THIRDS[x // 100] + (255,))
    write_png(os.path.join(out, "pro_bk.png"), 300, 4, lambda x, y: (128, 128, 128, 255))
    # 600x400: a page background (a light gradient, so a stretch has work to do).
    write_png(os.path.join(out, "page_home.png"), 600, 400, lambda x, y: (240, 240 - y // 8, 250 - x // 12, 255))
    # 14x28: unticked (red) and ticked (blue) check marks.
    write_png(os.path.join(out, "common_choose.png"), 14, 28,
              lambda x, y: (255, 0, 0, 255) if y < 14 else (0, 0, 255, 255))


if __name__ == "__main__":
    main()
