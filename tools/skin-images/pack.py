#!/usr/bin/env python3
"""Packs the installer's skin archive.

    pack.py ARCHIVE SKINDIR IMAGEDIR

SKINDIR holds the skin files and the Lang folder, IMAGEDIR the drawn images. Members get a
fixed date, fixed attributes and a fixed order, so the archive is the same byte for byte on
every build. Text members are deflated; images, already compressed, are stored. The language
folders get their own folder entries, as archive tools write them.
"""
import os
import sys
import zipfile

FIXED_DATE = (2024, 1, 1, 0, 0, 0)
SKIN_FILES = ["MainFrame.xml", "MsgWnd.xml", "msg.xml"]
LANGUAGES = ["ChineseSimplified", "English"]
PACKAGES = ["MainFrame.lng", "MsgWnd.lng", "StringTable.lng"]
IMAGES = ["page_home.png", "page_home_chs.png", "page_install.png", "page_finished.png", "btn_setup.png",
          "btn_alter.png", "btn_close.png", "btn_dlgclose.png", "btn_dlgyes.png", "btn_dlgno.png",
          "common_choose.png", "pro_bk.png", "pro_loading.png", "png_question.png", "png_message.png", "logo.ico"]


def entry(name, method, is_folder=False):
    info = zipfile.ZipInfo(name, FIXED_DATE)
    info.compress_type = method
    info.create_system = 0  # MS-DOS attributes, whatever system packs it
    info.external_attr = 0x10 if is_folder else 0x20
    return info


def main(argv):
    if len(argv) != 4:
        sys.stderr.write(__doc__)
        return 2
    archive, skindir, imagedir = argv[1:]
    members = [(name, os.path.join(skindir, name), zipfile.ZIP_DEFLATED) for name in SKIN_FILES]
    folders = ["Lang/"] + ["Lang/%s/" % lang for lang in LANGUAGES]
    for lang in LANGUAGES:
        members += [("Lang/%s/%s" % (lang, p), os.path.join(skindir, "Lang", lang, p), zipfile.ZIP_DEFLATED)
                    for p in PACKAGES]
    members += [(name, os.path.join(imagedir, name), zipfile.ZIP_STORED) for name in IMAGES]
    temp = archive + ".part"
    with zipfile.ZipFile(temp, "w") as z:
        for folder in folders:
            z.writestr(entry(folder, zipfile.ZIP_STORED, True), b"")
        for name, path, method in members:
            with open(path, "rb") as f:
                z.writestr(entry(name, method), f.read(), compress_type=method, compresslevel=9)
    os.replace(temp, archive)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
