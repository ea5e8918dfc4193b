#!/usr/bin/python3
"""The reference for bench_report: python3-xlsxwriter writing the report's
cells, formats, frozen panes, widths, chart and attendance grid from ready
results.

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
    grid = book.add_worksheet("考勤表")
    header = book.add_format({"bold": True, "bg_color": "#DDE6F0", "border": 1, "align": "center",
                              "valign": "vcenter"})
    title = book.add_format({"bold": True, "font_size": 14})
    days = book.add_format({"num_format": 'General"天"'})
    date = book.add_format({"num_format": 'mm"月"dd"日"'})
    label = book.add_format({"bold": True})
    hours = book.add_format({"num_format": "0.0"})
    grid_formats = {}

    def grid_format(off_day, fault):
        if (off_day, fault) not in grid_formats:
            style = {"align": "center", "valign": "vcenter", "border": 1, "border_color": "#A0A0A0"}
            if off_day:
                style["bg_color"] = "#D9D9D9"
            if fault:
                style["font_color"] = "#C00000"
            grid_formats[(off_day, fault)] = book.add_format(style)
        return grid_formats[(off_day, fault)]
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
        if line[15]:
            summary.write_string(row, 15, line[15])
            widths[15] = max(widths[15], width(line[15]))
        for c in range(6):
            summary.write_number(row, 16 + c, line[16 + c], hours if c >= 3 else None)
        row += 1
    for c, w in enumerate(widths):
        summary.set_column(c, c, min(w + 2, 60))
    summary.freeze_panes(2, 1)
    print_setup(summary, 2)
    last = max(row - 1, 2)
    summary.autofilter(1, 0, last, len(heads) - 1)
    summary.print_area(0, 0, last, len(heads) - 1)
    summary.set_footer("&L" + ready["signers"] + "&R第 &P 页，共 &N 页", {"margin": 0.2})
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
    grid.write_string(0, 0, ready["gridTitle"], title)
    grid.set_row(0, 24)
    head = book.add_format({"bold": True, "align": "center", "valign": "vcenter", "border": 1, "bg_color": "#DDE6F0"})
    off_head = book.add_format({"bold": True, "align": "center", "valign": "vcenter", "border": 1,
                                "bg_color": "#D9D9D9"})
    symbols = ["√", "迟", "退", "漏", "病", "事", "旷", "休", "加", "值"]
    first_count = 1 + len(ready["days"])
    grid.write_string(1, 0, "员工", head)
    grid.write_blank(2, 0, None, head)
    for d, (number, weekday, off_day) in enumerate(ready["days"]):
        grid.write_string(1, 1 + d, number, off_head if off_day else head)
        grid.write_string(2, 1 + d, weekday, off_head if off_day else head)
    for s, symbol in enumerate(symbols):
        grid.write_string(1, first_count + s, symbol, head)
        grid.write_blank(2, first_count + s, None, head)
    name_width = width("员工")
    breaks = []
    row = 3
    for n, (employee, cells, faults, counts) in enumerate(ready["grid"]):
        if n and n % 40 == 0:
            breaks.append(row)
        grid.set_row(row, 14)
        grid.write_string(row, 0, employee, grid_format(False, False))
        name_width = max(name_width, width(employee))
        for d, text in enumerate(cells):
            grid.write_string(row, 1 + d, text, grid_format(ready["days"][d][2], faults[d]))
        for s, count in enumerate(counts):
            grid.write_number(row, first_count + s, count, grid_format(False, False))
        row += 1
    grid.write_string(row + 1, 0, ready["legend"])
    grid.write_string(row + 2, 0, ready["signers"])
    grid.set_column(0, 0, min(name_width + 2, 60))
    grid.set_column(1, first_count - 1, 4.5)
    grid.set_column(first_count, first_count + len(symbols) - 1, 3.5)
    grid.freeze_panes(3, 1)
    grid.set_landscape()
    grid.set_paper(9)
    grid.set_margins(0.3, 0.3, 0.45, 0.55)
    grid.fit_to_pages(1, 0)
    grid.repeat_rows(0, 2)
    grid.set_h_pagebreaks(breaks)
    grid.set_footer("&L" + ready["signers"] + "&R第 &P 页，共 &N 页", {"margin": 0.2})
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
