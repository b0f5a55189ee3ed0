#!/usr/bin/env python3
"""Reads a workbook with openpyxl, a reader independent of the program, and prints what a test
compares as JSON: the sheets, the frozen cell, the filter, the column widths, whether the header
is bold, and every cell with its type, value and number format."""
import json
import sys

from openpyxl import load_workbook


def main(path):
    book = load_workbook(path)
    sheet = book.worksheets[0]
    rows = []
    for row in sheet.iter_rows():
        cells = []
        for cell in row:
            value = cell.value
            if value is not None and cell.data_type == "d":
                value = value.strftime("%d/%m/%Y")
            cells.append({"type": cell.data_type if value is not None else "",
                          "value": value,
                          "format": cell.number_format})
        rows.append(cells)
    widths = {}
    for letter, dimension in sheet.column_dimensions.items():
        widths[letter] = dimension.width
    print(json.dumps({
        "sheets": book.sheetnames,
        "freeze": sheet.freeze_panes,
        "filter": sheet.auto_filter.ref,
        "widths": widths,
        "headerBold": all(c.font.b for c in sheet[1]),
        "rows": rows,
    }, ensure_ascii=False))


if __name__ == "__main__":
    main(sys.argv[1])
