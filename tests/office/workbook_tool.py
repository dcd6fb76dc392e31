#!/usr/bin/env python3
"""Independent reading and writing of workbooks for the workbook tests.

read FILE OUT: opens FILE with openpyxl normally and read-only and writes to OUT the sheet
name, whether the first row is bold, the number of shared strings and every row as typed
cells ("s:text", "n:42", "-" for none), once per mode.
make-openpyxl FILE, make-shared FILE, make-rich FILE: writes the test's workbooks, the first
with openpyxl, the others by hand with zipfile.
"""
import sys
import zipfile


def typed(value):
    if value is None:
        return "-"
    if isinstance(value, bool):
        return "b:%s" % value
    if isinstance(value, int):
        return "n:%d" % value
    return "s:%s" % value


def row_text(values):
    values = list(values)
    while values and values[-1] is None:
        values.pop()
    return "|".join(typed(v) for v in values)


def read(path, out):
    import openpyxl
    lines = []
    book = openpyxl.load_workbook(path)
    sheet = book.active
    lines.append("sheet:" + sheet.title)
    first = [c for c in sheet[1] if c.value is not None]
    lines.append("bold:%s" % all(c.font.b for c in first))
    with zipfile.ZipFile(path) as archive:
        shared = archive.read("xl/sharedStrings.xml").decode("utf-8")
    lines.append("shared:%d" % shared.count("<si>"))
    for row in sheet.iter_rows(values_only=True):
        lines.append(row_text(row))
    lines.append("read-only")
    fast = openpyxl.load_workbook(path, read_only=True)
    for row in fast.active.iter_rows(values_only=True):
        lines.append(row_text(row))
    fast.close()
    with open(out, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def make_openpyxl(path):
    import openpyxl
    from openpyxl.styles import Font
    book = openpyxl.Workbook()
    sheet = book.active
    sheet["A1"] = "Term"
    sheet["C1"] = "x;y \"q\""
    sheet["A2"] = "007"
    sheet["B2"] = 42
    sheet["AA2"] = "far"
    sheet["B3"].font = Font(bold=True)  # a row of one empty styled cell
    sheet["A4"] = "\u00e4\u20ac\u2014\u2011"
    book.save(path)


CONTENT_TYPES = """<?xml version="1.0" encoding="UTF-8"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">
<Default Extension="xml" ContentType="application/xml"/></Types>"""


def make_by_hand(path, shared, sheet):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        archive.writestr("[Content_Types].xml", CONTENT_TYPES)
        archive.writestr("xl/sharedStrings.xml", shared)
        archive.writestr("xl/worksheets/sheet1.xml", sheet)


MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"


def make_shared(path):
    shared = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
              '<sst xmlns="%s" count="3" uniqueCount="3">'
              '<si><t>plain &amp; &#228; &lt;b&gt;</t></si><si><t/></si>'
              '<si><t xml:space="preserve"> spaced </t></si></sst>' % MAIN)
    sheet = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
             '<worksheet xmlns="%s"><sheetData>'
             '<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>2</v></c>'
             '<c r="D1"><v>12.5</v></c><c t="s"><v>0</v></c></row>'
             '<row r="2"/>'
             '<row r="3"><c r="B3" t="s"><v>1</v></c><c r="C3" s="1"/></row>'
             '<row r="4"><c r="N4" t="s"><v>0</v></c><c r="O4" t="s"><v>0</v></c></row>'
             '</sheetData></worksheet>' % MAIN)
    make_by_hand(path, shared, sheet)


def make_rich(path):
    # Parts without an XML declaration, with a namespace prefix, and a rich-text item with
    # a phonetic run.
    shared = ('<x:sst xmlns:x="%s"><x:si><x:r><x:rPr><x:b/></x:rPr><x:t>rich </x:t></x:r>'
              '<x:r><x:t xml:space="preserve">text\u00e9</x:t></x:r>'
              '<x:rPh sb="0" eb="1"><x:t>PHONETIC</x:t></x:rPh></x:si></x:sst>' % MAIN)
    sheet = ('<x:worksheet xmlns:x="%s"><x:sheetData><x:row r="1">'
             '<x:c r="A1" t="s"><x:v>0</x:v></x:c>'
             '<x:c r="B1" t="inlineStr"><x:is><x:t>in;line</x:t></x:is></x:c>'
             '</x:row></x:sheetData></x:worksheet>' % MAIN)
    make_by_hand(path, shared.encode("utf-8"), sheet.encode("utf-8"))


if __name__ == "__main__":
    command = sys.argv[1]
    if command == "read":
        read(sys.argv[2], sys.argv[3])
    elif command == "make-openpyxl":
        make_openpyxl(sys.argv[2])
    elif command == "make-shared":
        make_shared(sys.argv[2])
    elif command == "make-rich":
        make_rich(sys.argv[2])
    else:
        sys.exit("unknown command " + command)
