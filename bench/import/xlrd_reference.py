#!/usr/bin/python3
"""The reference for the import benchmark, on Debian's python3-xlrd.

  xlrd_reference.py make FOLDER            writes a realistic 96,000-punch export
  xlrd_reference.py read FOLDER POSITION   reads it by the import's rules, five times

`read` prints three lines: the median seconds of the five runs, the number of
records and the SHA-1 of the records joined by LF, so that the benchmark can
check that both readers built the same table.
"""
import datetime
import hashlib
import os
import random
import re
import statistics
import sys
import time

LIMIT = 96000


def make(folder):
    import xlwt

    os.makedirs(folder, exist_ok=True)
    rng = random.Random(96000)
    stamp = xlwt.easyxf(num_format_str="yyyy-mm-dd hh:mm:ss")
    employees = list(range(1, 321))
    epoch = datetime.datetime(1899, 12, 30)
    # Four months, one workbook each of 24,000 punches; 320 employees, four punches a working day
    # (some missed), numbers as numbers for half of them and as "0007" texts
    # for the rest, the clock exporting employee by employee.
    for month in range(1, 5):
        book = xlwt.Workbook(encoding="utf-8")
        sheet = book.add_sheet("考勤记录")
        sheet.write(0, 0, "工号")
        sheet.write(0, 1, "打卡时间")
        row = 1
        for number in employees:
            day = datetime.date(2026, month, 1)
            while day.month == month and row <= 24000:
                if day.weekday() < 5:
                    for hour, spread in ((8, 30), (12, 8), (13, 50), (17, 40)):
                        if rng.random() < 0.03:
                            continue
                        moment = datetime.datetime(day.year, day.month, day.day, hour) + datetime.timedelta(
                            minutes=rng.randint(0, spread), seconds=rng.randint(0, 59))
                        if number % 2:
                            sheet.write(row, 0, number)
                        else:
                            sheet.write(row, 0, "%04d" % number)
                        delta = moment - epoch
                        sheet.write(row, 1, delta.days + delta.seconds / 86400.0, stamp)
                        row += 1
                        if row > 24000:
                            break
                day += datetime.timedelta(days=1)
        book.save(os.path.join(folder, "export-2026-%02d.xls" % month))


DATE_TIME = re.compile(r"^(\d{4})([-/.])(\d{1,2})\2(\d{1,2})(?:(?: +|T)(\d{1,2}):(\d{2})(?::(\d{2}))?)?$")


def number_text(value):
    if value == 0:
        return "0"
    text = "%.14e" % value
    mantissa, exponent = text.split("e")
    negative = mantissa.startswith("-")
    digits = mantissa.lstrip("-").replace(".", "").rstrip("0") or "0"
    e = int(exponent)
    if e >= 0:
        if len(digits) <= e + 1:
            body = digits + "0" * (e + 1 - len(digits))
        else:
            body = digits[: e + 1] + "." + digits[e + 1:]
    else:
        body = "0." + "0" * (-e - 1) + digits
    return ("-" if negative else "") + body


def serial_text(value):
    days = int(value // 1)
    seconds = int(round((value - days) * 86400))
    if seconds >= 86400:
        days += 1
        seconds -= 86400
    base = datetime.datetime(1899, 12, 31) if 1 <= days < 61 else datetime.datetime(1899, 12, 30)
    return (base + datetime.timedelta(days=days, seconds=seconds)).strftime("%Y-%m-%d %H:%M:%S")


def text_time(text):
    m = DATE_TIME.match(text.strip(" "))
    if not m:
        return None
    y, _, mo, d, h, mi, s = m.groups()
    try:
        moment = datetime.datetime(int(y), int(mo), int(d), int(h or 0), int(mi or 0), int(s or 0))
    except ValueError:
        return None
    return moment.strftime("%Y-%m-%d %H:%M:%S")


def read_folder(folder, position):
    import xlrd

    names = sorted((n for n in os.listdir(folder)
                    if n.lower().endswith(".xls") and not n.startswith(".")
                    and os.path.isfile(os.path.join(folder, n))),
                   key=lambda n: (n.lower(), n))
    ncol, nrow = ord(position[0].upper()) - 65, int(position[1]) - 1
    tcol, trow = ord(position[2].upper()) - 65, int(position[3]) - 1
    records = []
    for name in names:
        sheet = xlrd.open_workbook(os.path.join(folder, name)).sheet_by_index(0)

        def cell(r, c):
            if r >= sheet.nrows or c >= sheet.ncols:
                return (xlrd.XL_CELL_EMPTY, "")
            return (sheet.cell_type(r, c), sheet.cell_value(r, c))

        k = 0
        while True:
            kind, value = cell(nrow + k, ncol)
            if kind in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK) or value == "":
                break
            number = number_text(value) if kind in (xlrd.XL_CELL_NUMBER, xlrd.XL_CELL_DATE) else str(value)
            kind, value = cell(trow + k, tcol)
            if kind in (xlrd.XL_CELL_NUMBER, xlrd.XL_CELL_DATE):
                stamp = serial_text(value)
            else:
                stamp = text_time(str(value)) or str(value)
            pieces = stamp.replace("，", ",").replace(",", " ").split(" ")
            if len(pieces) < 2:
                raise SystemExit("read error: " + os.path.join(folder, name))
            if len(records) >= LIMIT:
                return records
            records.append(number + "##" + pieces[0] + "##" + pieces[1])
            k += 1
    return records


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "make":
        make(sys.argv[2])
        return 0
    if len(sys.argv) == 4 and sys.argv[1] == "read":
        times = []
        for _ in range(5):
            start = time.perf_counter()
            records = read_folder(sys.argv[2], sys.argv[3])
            times.append(time.perf_counter() - start)
        print("%.6f" % statistics.median(times))
        print(len(records))
        print(hashlib.sha1("\n".join(records).encode("utf-8")).hexdigest())
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
