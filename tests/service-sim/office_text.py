#!/usr/bin/env python3
"""Writes the text of an Office package (OOXML or OpenDocument) to OUT, one text node a line.

Usage: office_text.py DOCUMENT OUT. Fails when the archive is broken or a part is not
well-formed XML. Spreadsheets are also opened with openpyxl when it is installed (xlsx).
"""
import sys
import xml.etree.ElementTree as ElementTree
import zipfile

TEXT_PARTS = ("content.xml", "word/document.xml", "xl/sharedStrings.xml")


def holds_text(name):
    return name in TEXT_PARTS or (name.startswith("ppt/slides/slide") and name.endswith(".xml"))


def main(document, out):
    lines = []
    with zipfile.ZipFile(document) as archive:
        if archive.testzip() is not None:
            sys.exit("a member's CRC is wrong")
        for name in archive.namelist():
            if name.endswith(".xml"):
                root = ElementTree.fromstring(archive.read(name))
                if holds_text(name):
                    lines += [text for text in root.itertext() if text.strip()]
    if document.endswith(".xlsx"):
        try:
            import openpyxl
        except ImportError:
            pass
        else:
            sheet = openpyxl.load_workbook(document).active
            lines += ["cell " + str(cell.value) for row in sheet.iter_rows() for cell in row]
    with open(out, "w", encoding="utf-8") as text:
        text.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
