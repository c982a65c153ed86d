#!/usr/bin/env python3
"""Writes the skin archive the markup tests and the markup benchmark read.

One archive holds every test skin: the main test skin (fonts, styles, defaults, window settings,
includes), the included row, skins that include themselves, a skin of exactly the size limit and
one byte more, a member that is no XML, encodings the parser must detect, and the benchmark skin
of about the installer's size.
"""
import os
import sys
import zipfile

LIMIT = 4 * 1024 * 1024

MAIN = """<?xml version="1.0" encoding="UTF-8"?>
<Window size="600,400" caption="0,0,0,40" sizebox="4,4,6,6" roundcorner="3,3" mininfo="300,200"
        maxinfo="900,700" showshadow="true" shadowsize="5" shadowcorner="5,5,5,5" shadowcolor="0xDCDCDC"
        shadowdarkness="150" defaultfontcolor="#FF102030" linkfontcolor="0xFF405060" gdiplustext="true"
        textrenderinghint="4" Layered="true" noactivate="true" alpha="200">
  <!-- fonts: id 0 is the default font -->
  <Font id="0" name="Arial" size="14" default="true"/>
  <Font id="1" name="Arial" size="23" bold="true"/>
  <Font id="3" name="Arial" size="16" underline="true"/>
  <Font name="Courier New" size="40" default="true"/>
  <Font id="-2" name="Courier New" size="41"/>
  <Style name="opt_style" value="bkimage=&quot;normal.png&quot; width=&quot;30&quot; text=&quot;styled&quot;"/>
  <Style name="shared_style" value="height=&quot;11&quot;" shared="true"/>
  <Style value="width=&quot;99&quot;"/>
  <Default name="Control" value="userdata=&quot;from default&quot; height=&quot;17&quot;"/>
  <Default name="control" value="userdata=&quot;lower-case key&quot;"/>
  <Container name="root" bkcolor="#FF112233">
    <Control name="styled" text="own" style="opt_style" tooltip="tip &quot;quoted&quot;"/>
    <Control name="byvalue" tooltip="opt_style"/>
    <Script>ignored</Script>
    <Font id="9" name="Arial" size="9"/>
    <Container name="rows">
      <Include source="sub\\ROW.XML" count="3"/>
      <Include source="sub/Row.xml" count="0"/>
    </Container>
    <control name="lower" width="5"/>
    <Control name="last" bkcolor="0xFF445566"/>
  </Container>
</Window>
"""

ROW = """<?xml version="1.0" encoding="UTF-8"?>
<Window size="100,100" caption="0,0,0,99">
  <Style name="row_style" value="width=&quot;12&quot;"/>
  <Control name="row" style="row_style" text="row text"/>
</Window>
"""

SELF = """<Window><Container name="outer"><Include source="Self.xml"/></Container></Window>"""
BOMB = """<Window><Container name="bomb"><Include source="Bomb.xml" count="3"/></Container></Window>"""


def padded(size):
    head = b"<Window><Control name=\"big\"/><!--"
    tail = b"--></Window>"
    return head + b"x" * (size - len(head) - len(tail)) + tail


def bench_skin():
    # About the installer's main window: four pages of rows, ~120 elements.
    rows = []
    for page in range(4):
        rows.append('<Container name="page_%d" bkcolor="#FFF0F0F0" padding="10,10,10,10">' % page)
        for r in range(9):
            rows.append('  <Container name="row_%d_%d" height="40" childpadding="4">' % (page, r))
            rows.append('    <Control name="lb_%d_%d" text="Label %d" width="120" textcolor="#FF333333"/>'
                        % (page, r, r))
            rows.append('    <Control name="btn_%d_%d" style="btn_style" tooltip="Button %d"/>' % (page, r, r))
            rows.append('  </Container>')
        rows.append('</Container>')
    return ("""<?xml version="1.0" encoding="UTF-8"?>
<Window size="600,400" caption="0,0,0,400" showshadow="true" shadowsize="5" shadowcorner="5,5,5,5"
        shadowcolor="0xDCDCDC" shadowdarkness="150">
  <Font id="0" name="Arial" size="14" default="true"/>
  <Font id="1" name="Arial" size="23"/>
  <Font id="2" name="Arial" size="26"/>
  <Font id="3" name="Arial" size="16" underline="true"/>
  <Style name="btn_style" value="width=&quot;80&quot; height=&quot;30&quot; bkcolor=&quot;#FF3070C0&quot;"/>
  <Container name="outer">
""" + "\n".join(rows) + """
  </Container>
</Window>
""").encode("utf-8")


def main(out):
    os.makedirs(out, exist_ok=True)
    path = os.path.join(out, "markup.zip")
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("MainFrame.xml", MAIN.encode("utf-8"))
        z.writestr("sub/Row.xml", ROW.encode("utf-8"))
        z.writestr("Self.xml", SELF)
        z.writestr("Bomb.xml", BOMB)
        z.writestr("Exact.xml", padded(LIMIT))
        z.writestr("TooBig.xml", padded(LIMIT + 1))
        z.writestr("Empty.xml", b"")
        z.writestr("Broken.xml", b"<Window><Control name=\"a\"></Window>")
        z.writestr("NoElement.xml", b"<?xml version=\"1.0\"?><!-- only a comment -->")
        # Not XML at all: the start of a PNG file.
        z.writestr("Picture.xml", b"\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x01\0\0\0\x01\x08\x06\0\0\0")
        z.writestr("Latin1.xml", b"<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>"
                                 b"<Window><Control name=\"caf\xe9\"/></Window>")
        z.writestr("Utf16.xml", "\ufeff<Window><Control name=\"\u5b89\u88c5\"/></Window>".encode("utf-16-le"))
        z.writestr("Utf16NoBom.xml", "<Window><Control name=\"be\"/></Window>".encode("utf-16-be"))
        z.writestr("MissingInclude.xml", b"<Window><Container name=\"c\"><Include source=\"Nowhere.xml\"/>"
                                         b"<Include/><Control name=\"after\"/></Container></Window>")
        z.writestr("Deep.xml", b"<Window>" + b"<Container>" * 3000 + b"</Container>" * 3000 + b"</Window>")
        z.writestr("Bench.xml", bench_skin())
    # An archive file whose deflated member has its data damaged.
    damaged = os.path.join(out, "damaged.zip")
    body = ("<Window>" + "<Control name=\"x\"/>" * 400 + "</Window>").encode("utf-8")
    with zipfile.ZipFile(damaged, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("Damaged.xml", body)
    data = bytearray(open(damaged, "rb").read())
    start = 30 + len("Damaged.xml")
    for i in range(start + 2, start + 40):
        data[i] ^= 0x5A
    with open(damaged, "wb") as f:
        f.write(bytes(data))
    with open(os.path.join(out, "stamp"), "w") as f:
        f.write("ok\n")


if __name__ == "__main__":
    main(sys.argv[1])
