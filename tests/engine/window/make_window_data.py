#!/usr/bin/env python3
"""Writes the skin archive the window tests and the first-paint benchmark read.

window.zip holds the test window's skin, its language packages in two language folders (one
with an empty text and a duplicate id), a package with broken lines, and the benchmark skin of
about the installer's size (about 120 elements). empty.bin is a zero-byte resource.
"""
import os
import sys
import zipfile

WIN = """<?xml version="1.0" encoding="UTF-8"?>
<Window size="300,200">
  <VerticalLayout name="root" bkcolor="#FF202020">
    <HorizontalLayout name="titlebar" height="40">
      <Label name="lb_title" width="100" text="markup title" resourceid="1" tooltip="markup tip"/>
      <Button name="btn_close" width="40" text="x" resourceid="3"/>
      <Label name="lb_empty" text="own text" resourceid="12"/>
    </HorizontalLayout>
    <HorizontalLayout name="body" height="120">
      <Label name="lb_body" width="150" text="body" resourceid="2"/>
      <Option name="opt_check" width="50" text="opt"/>
    </HorizontalLayout>
    <HorizontalLayout name="buttons">
      <Button name="windowmaxbtn" width="30"/>
      <Button name="windowrestorebtn" width="30"/>
      <Button name="maxbtn" width="30"/>
      <Button name="restorebtn" width="30"/>
      <Button name="windowclosebtn" width="30"/>
      <Button name="windowminbtn" width="30"/>
    </HorizontalLayout>
  </VerticalLayout>
</Window>
"""

ENGLISH = """<?xml version="1.0" encoding="UTF-8"?>
<Language>
  <Text id="1" text="English title" tooltip="English tip"/>
  <Text id="2" text="English body"/>
  <Text id="2" text="second body"/>
  <Text id="12" text=""/>
</Language>
"""

CHINESE = """<?xml version="1.0" encoding="UTF-8"?>
<Language>
  <Text id="1" text="\u4e2d\u6587\u6807\u9898"/>
  <Text id="2" text="\u4e2d\u6587"/>
</Language>
"""

BROKEN = """<?xml version="1.0" encoding="UTF-8"?>
<Language>
  <Text id="1" text="broken title"/>
  <Text id="x2" text="not a number"/>
  <Text text="no id"/>
  <Text id="2" text="unterminated
"""


def bench_skin():
    rows = []
    for page in range(4):
        items = []
        for i in range(14):
            items.append('<HorizontalLayout height="24"><Label name="lb_%d_%d" width="200" text="Label %d" '
                         'resourceid="%d" font="0" textcolor="#FF333333"/><Button name="btn_%d_%d" width="80" '
                         'text="Go" bkcolor="#FF3366CC" hotbkcolor="#FF4477DD"/></HorizontalLayout>'
                         % (page, i, i, i + 1, page, i))
        rows.append('<VerticalLayout name="page_%d" visible="%s" bkcolor="#FFF4F4F4">%s</VerticalLayout>'
                    % (page, "true" if page == 0 else "false", "".join(items)))
    return ('<?xml version="1.0" encoding="UTF-8"?>\n<Window size="600,400" caption="0,0,0,400">'
            '<Font id="0" name="Arial" size="14" default="true"/>'
            '<VerticalLayout name="root" bkcolor="#FFFFFFFF">%s</VerticalLayout></Window>' % "".join(rows))


def main(out):
    os.makedirs(out, exist_ok=True)
    with zipfile.ZipFile(os.path.join(out, "window.zip"), "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("Win.xml", WIN)
        z.writestr("Lang/English/Win.lng", ENGLISH)
        z.writestr("Lang/Chinese/Win.lng", CHINESE)
        z.writestr("Lang/Broken/Win.lng", BROKEN)
        z.writestr("Bench.xml", bench_skin())
    open(os.path.join(out, "empty.bin"), "wb").close()
    open(os.path.join(out, "stamp"), "w").close()


if __name__ == "__main__":
    main(sys.argv[1])
