#!/usr/bin/python3
"""The references for the format benchmark: xlrd for .xls, openpyxl (read-only
mode) for .xlsx and the csv module for .csv, each applying the import's rules.

  formats_reference.py make XLS XLSX CSV     writes 96,500 punches as three .xls files,
                                             as three .xlsx files (and the worksheet XML
                                             of each beside them) and as one UTF-8 .csv
  formats_reference.py FORMAT FOLDER POSITION       reads the folder's files of that
                                                    format (xls, xlsx or csv), five times
  formats_reference.py once FORMAT FOLDER POSITION  reads them once and prints the records,
                                                    one a line, as `tarnby-cli import` does

A read of five prints the median seconds, the number of records and the SHA-1
of the records joined by LF, as xlrd_reference.py does, then the median
seconds of processor time (which a machine shared with other work disturbs
less) and the best of the five.
"""
import csv
import datetime
import hashlib
import io
import os
import random
import re
import statistics
import sys
import time
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xlrd_reference import LIMIT, number_text, read_folder, serial_text, text_time  # noqa: E402

TOTAL = 96500
EPOCH = datetime.datetime(1899, 12, 30)


def punches():
    """(number, moment) in clock order: employee by employee, day by day."""
    rng = random.Random(96500)
    out = []
    month = 1
    while len(out) < TOTAL:
        for number in range(1, 321):
            day = datetime.date(2026, month, 1)
            while day.month == month:
                if day.weekday() < 5:
                    for hour, spread in ((8, 30), (12, 8), (13, 50), (17, 40)):
                        if rng.random() < 0.03:
                            continue
                        out.append((number, datetime.datetime(day.year, day.month, day.day, hour)
                                    + datetime.timedelta(minutes=rng.randint(0, spread), seconds=rng.randint(0, 59))))
                day += datetime.timedelta(days=1)
        month += 1
    return out[:TOTAL]


def make(xls_folder, xlsx_folder, csv_folder):
    import xlsxwriter
    import xlwt

    os.makedirs(xls_folder, exist_ok=True)
    os.makedirs(xlsx_folder, exist_ok=True)
    os.makedirs(csv_folder, exist_ok=True)
    rows = punches()
    per_file = (len(rows) + 2) // 3
    for i in range(3):
        part = rows[i * per_file:(i + 1) * per_file]
        book = xlwt.Workbook(encoding="utf-8")
        sheet = book.add_sheet("考勤记录")
        stamp = xlwt.easyxf(num_format_str="yyyy-mm-dd hh:mm:ss")
        sheet.write(0, 0, "工号")
        sheet.write(0, 1, "打卡时间")
        sheet.write(0, 2, "设备")
        for r, (number, moment) in enumerate(part, start=1):
            sheet.write(r, 0, number if number % 2 else "%04d" % number)
            delta = moment - EPOCH
            sheet.write(r, 1, delta.days + delta.seconds / 86400.0, stamp)
            sheet.write(r, 2, "门禁%d" % (number % 4))
        book.save(os.path.join(xls_folder, "export-%d.xls" % (i + 1)))
    for i in range(3):
        part = rows[i * per_file:(i + 1) * per_file]
        path = os.path.join(xlsx_folder, "export-%d.xlsx" % (i + 1))
        book = xlsxwriter.Workbook(path)
        sheet = book.add_worksheet("考勤记录")
        stamp = book.add_format({"num_format": "yyyy-mm-dd hh:mm:ss"})
        sheet.write_string(0, 0, "工号")
        sheet.write_string(0, 1, "打卡时间")
        sheet.write_string(0, 2, "设备")
        for r, (number, moment) in enumerate(part, start=1):
            if number % 2:
                sheet.write_number(r, 0, number)
            else:
                sheet.write_string(r, 0, "%04d" % number)
            sheet.write_datetime(r, 1, moment, stamp)
            sheet.write_string(r, 2, "门禁%d" % (number % 4))
        book.close()
        with zipfile.ZipFile(path) as z:
            with open(os.path.join(xlsx_folder, "sheet-%d.xml" % (i + 1)), "wb") as out:
                out.write(z.read("xl/worksheets/sheet1.xml"))
            with open(os.path.join(xlsx_folder, "strings-%d.xml" % (i + 1)), "wb") as out:
                out.write(z.read("xl/sharedStrings.xml"))
    with open(os.path.join(csv_folder, "export.csv"), "w", encoding="utf-8", newline="") as f:
        w = csv.writer(f, lineterminator="\r\n")
        w.writerow(["工号", "打卡时间", "设备"])
        for k, (number, moment) in enumerate(rows):
            if k % 10 == 0:
                delta = moment - EPOCH
                when = "%.8f" % (delta.days + delta.seconds / 86400.0)
            else:
                when = moment.strftime("%Y-%m-%d %H:%M:%S")
            w.writerow(["%04d" % number if number % 2 == 0 else str(number), when, "门禁, %d" % (number % 4)])


def position_of(position):
    return (ord(position[0].upper()) - 65, int(position[1]) - 1, ord(position[2].upper()) - 65, int(position[3]) - 1)


def record(number, stamp, path):
    pieces = stamp.replace("，", ",").replace(",", " ").split(" ")
    if len(pieces) < 2:
        raise SystemExit("read error: " + path)
    return number + "##" + pieces[0] + "##" + pieces[1]


def names(folder, suffixes):
    return sorted((n for n in os.listdir(folder)
                   if n.lower().endswith(suffixes) and not n.startswith(".")
                   and os.path.isfile(os.path.join(folder, n))),
                  key=lambda n: (n.lower(), n))


def read_xlsx(folder, position):
    import openpyxl

    ncol, nrow, tcol, trow = position_of(position)
    records = []
    for name in names(folder, (".xlsx", ".xlsm")):
        path = os.path.join(folder, name)
        book = openpyxl.load_workbook(path, read_only=True)
        sheet = book.worksheets[0]
        numbers, times = {}, {}
        for r, row in enumerate(sheet.iter_rows(values_only=True)):
            if r >= nrow and ncol < len(row):
                numbers[r - nrow] = row[ncol]
            if r >= trow and tcol < len(row):
                times[r - trow] = row[tcol]
        book.close()
        k = 0
        while True:
            value = numbers.get(k)
            if value is None or value == "":
                break
            if isinstance(value, bool):
                number = "TRUE" if value else "FALSE"
            elif isinstance(value, (int, float)):
                number = number_text(value)
            else:
                number = str(value)
            value = times.get(k)
            if isinstance(value, datetime.datetime):
                value += datetime.timedelta(microseconds=500000)
                stamp = value.strftime("%Y-%m-%d %H:%M:%S")
            elif isinstance(value, (int, float)) and not isinstance(value, bool):
                stamp = serial_text(value)
            else:
                text = "" if value is None else str(value)
                stamp = text_time(text) or text
            if len(records) >= LIMIT:
                return records
            records.append(record(number, stamp, path))
            k += 1
    return records


DECIMAL = re.compile(r"[0-9]+(\.[0-9]+)?")


def decode(data):
    if data.startswith(b"\xef\xbb\xbf"):
        return data[3:].decode("utf-8")
    if data.startswith(b"\xff\xfe") or data.startswith(b"\xfe\xff"):
        return data.decode("utf-16")
    try:
        return data.decode("utf-8")
    except UnicodeDecodeError:
        return data.decode("gbk")


def read_csv(folder, position):
    ncol, nrow, tcol, trow = position_of(position)
    records = []
    for name in names(folder, (".csv", ".dat")):
        path = os.path.join(folder, name)
        with open(path, "rb") as f:
            text = decode(f.read())
        first = text.split("\n", 1)[0].split("\r", 1)[0]
        if name.lower().endswith(".csv"):
            delimiter = "\t" if "\t" in first and "," not in first else ","
        else:
            delimiter = "\t" if "\t" in first else ","
        lines = list(csv.reader(io.StringIO(text, newline=""), delimiter=delimiter))
        k = 0
        while True:
            line = lines[nrow + k] if nrow + k < len(lines) else []
            number = line[ncol].strip() if ncol < len(line) else ""
            if number == "":
                break
            line = lines[trow + k] if trow + k < len(lines) else []
            when = line[tcol].strip() if tcol < len(line) else ""
            if DECIMAL.fullmatch(when):
                stamp = serial_text(float(when))
            else:
                stamp = text_time(when) or when
            if len(records) >= LIMIT:
                return records
            records.append(record(number, stamp, path))
            k += 1
    return records


READERS = {"xls": read_folder, "xlsx": read_xlsx, "csv": read_csv}


def main():
    if len(sys.argv) == 5 and sys.argv[1] == "make":
        make(sys.argv[2], sys.argv[3], sys.argv[4])
        return 0
    if len(sys.argv) == 5 and sys.argv[1] == "once" and sys.argv[2] in READERS:
        records = READERS[sys.argv[2]](sys.argv[3], sys.argv[4])
        sys.stdout.write("".join(r + "\n" for r in records))
        return 0
    if len(sys.argv) == 4 and sys.argv[1] in READERS:
        reader = READERS[sys.argv[1]]
        times, cpu = [], []
        reader(sys.argv[2], sys.argv[3])  # one untimed run first, as the benchmark does
        for _ in range(5):
            start, start_cpu = time.perf_counter(), time.process_time()
            records = reader(sys.argv[2], sys.argv[3])
            times.append(time.perf_counter() - start)
            cpu.append(time.process_time() - start_cpu)
        print("%.6f" % statistics.median(times))
        print(len(records))
        print(hashlib.sha1("\n".join(records).encode("utf-8")).hexdigest())
        print("%.6f" % statistics.median(cpu))
        print("%.6f" % min(times))
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
