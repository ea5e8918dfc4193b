#!/usr/bin/python3
"""The reference for bench_report: python3-xlsxwriter writing the report's
cells, formats, frozen panes, widths and chart from ready results.

    xlsxwriter_reference.py READY.json OUT.xlsx RUNS
Prints the median seconds of RUNS writes (loading the JSON is not timed)."""
import datetime
import json
import statistics
import sys
import time

import xlsxwriter

# The same mode as the report writer: rows go to disk as they are written.
CONSTANT_MEMORY = True


def width(text):
    return sum(2 if ord(c) >= 0x1100 else 1 for c in text)


def print_setup(sheet, header_rows):
    sheet.set_landscape()
    sheet.set_paper(9)
    sheet.fit_to_pages(1, 0)
    sheet.repeat_rows(0, header_rows - 1)


def write(ready, path):
    book = xlsxwriter.Workbook(path, {"constant_memory": CONSTANT_MEMORY})
    summary = book.add_worksheet("汇总")
    details = book.add_worksheet("明细")
    registrations = book.add_worksheet("登记")
    notes = book.add_worksheet("说明")
    header = book.add_format({"bold": True, "bg_color": "#DDE6F0", "border": 1, "align": "center",
                              "valign": "vcenter"})
    title = book.add_format({"bold": True, "font_size": 14})
    days = book.add_format({"num_format": 'General"天"'})
    date = book.add_format({"num_format": 'mm"月"dd"日"'})
    label = book.add_format({"bold": True})
    colored = {}

    def color(rgb):
        if rgb not in colored:
            colored[rgb] = book.add_format({"font_color": "#%06X" % rgb})
        return colored[rgb]

    heads = ready["summaryHeaders"]
    summary.write_string(0, 0, ready["title"], title)
    summary.set_row(0, 24)
    widths = [width(h) for h in heads]
    for c, h in enumerate(heads):
        summary.write_string(1, c, h, header)
    row = 2
    for line in ready["summary"]:
        summary.write_string(row, 0, line[0])
        widths[0] = max(widths[0], width(line[0]))
        for s in range(12):
            summary.write_number(row, s + 1, line[s + 1], days if s in (6, 7, 8, 11) else None)
        summary.write_string(row, 13, line[13])
        summary.write_number(row, 14, line[14])
        row += 1
    for c, w in enumerate(widths):
        summary.set_column(c, c, min(w + 2, 60))
    summary.freeze_panes(2, 1)
    print_setup(summary, 2)
    last = max(row - 1, 2)
    summary.autofilter(1, 0, last, len(heads) - 1)
    summary.print_area(0, 0, last, len(heads) - 1)
    chart = book.add_chart({"type": "bar", "subtype": "stacked"})
    chart.set_title({"name": "迟到、漏打与旷工"})
    for col, rgb in ((1, 0xF4B183), (2, 0xE46C0A), (3, 0xFF9999), (4, 0xFF0000), (5, 0xA00000),
                     (6, 0x4472C4), (9, 0x7F7F7F)):
        chart.add_series({"categories": ["汇总", 2, 0, last, 0], "values": ["汇总", 2, col, last, col],
                          "name": ["汇总", 1, col], "fill": {"color": "#%06X" % rgb}})
    chart.set_y_axis({"reverse": True})
    chart.set_legend({"position": "top"})
    summary.insert_chart(1, len(heads) + 1, chart,
                         {"x_scale": 1.6, "y_scale": max(1.0, (110 + 18 * len(ready["summary"])) / 288.0),
                          "x_offset": 10})

    heads = ready["detailHeaders"]
    widths = [width(h) for h in heads]
    for c, h in enumerate(heads):
        details.write_string(0, c, h, header)
    row = 1
    for cells, colors in ready["details"]:
        details.write_string(row, 0, cells[0])
        widths[0] = max(widths[0], width(cells[0]))
        details.write_datetime(row, 1, datetime.datetime.strptime(cells[1], "%Y-%m-%d"), date)
        for c in range(2, 8):
            text = cells[c]
            if text:
                rgb = colors[c - 1]
                details.write_string(row, c, text, color(rgb) if rgb is not None else None)
                if c == 7:
                    widths[7] = max(widths[7], width(text))
        row += 1
    for c, w in enumerate(widths):
        details.set_column(c, c, min(w + 2, 60))
    details.freeze_panes(1, 1)
    print_setup(details, 1)
    details.autofilter(0, 0, max(row - 1, 1), len(heads) - 1)

    heads = ready["registrationHeaders"]
    widths = [width(h) for h in heads]
    for c, h in enumerate(heads):
        registrations.write_string(0, c, h, header)
    for r, cells in enumerate(ready["registrations"], start=1):
        for c, text in enumerate(cells):
            registrations.write_string(r, c, text)
            widths[c] = max(widths[c], width(text))
    for c, w in enumerate(widths):
        registrations.set_column(c, c, min(w + 2, 60))
    registrations.freeze_panes(1, 1)
    print_setup(registrations, 1)

    widths = [0, 0]
    for r, (name, value) in enumerate(ready["notes"]):
        notes.write_string(r, 0, name, label)
        notes.write_string(r, 1, value)
        widths = [max(widths[0], width(name)), max(widths[1], width(value))]
    for c, w in enumerate(widths):
        notes.set_column(c, c, min(w + 2, 60))
    book.close()


def main():
    with open(sys.argv[1], encoding="utf-8") as f:
        ready = json.load(f)
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    seconds = []
    for _ in range(runs):
        start = time.perf_counter()
        write(ready, sys.argv[2])
        seconds.append(time.perf_counter() - start)
    print(statistics.median(seconds))


if __name__ == "__main__":
    main()
