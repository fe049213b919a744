#!/usr/bin/env python3
"""The answer codes read back from the printed pages with zbarimg: for 100
sheets of every family of the registry (its example from the manual page),
the codes at the foot of each sheet hold exactly that sheet's answers, and
so do the codes on the key of a smaller set.

    answer_codes.py ZARVIK_CLI
Exit 0: passed; 1: failed; 77: zbarimg or pdftoppm is not installed.
"""
import json
import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

SEED = "1733788800"
SHEETS = 100


def examples(cli):
    manual = subprocess.run([cli, "--manual-page"], capture_output=True, text=True,
                            check=True).stdout
    lines = manual.split(".SH ÖRNEKLER")[1].split(".fi")[0].splitlines()
    found = []
    for line in lines:
        line = line.replace("\\-", "-").replace("\\e", "\\")
        words = [w.strip('"') for w in re.findall(r'"[^"]*"|\S+', line)]
        if len(words) > 3 and words[0] == "zarvik-cli" and words[-2] == "-o" \
                and words[-1] == words[1] + ".pdf":
            found.append(words[1:-2])
    return found


def expected_codes(cli, args, sheets):
    """Each sheet's answers as its codes hold them: "1) 297 2) 48 …"."""
    out = subprocess.run([cli, *args, "--time", SEED, "--sheets", str(sheets), "--json"],
                         capture_output=True, text=True, check=True).stdout
    return [" ".join(f"{e['number']}) {' '.join(e['answer'].split())}"
                     for e in sheet["exercises"]) for sheet in json.loads(out)]


def decoded_pages(pdf, folder, crop_bottom_mm=None):
    """The codes zbarimg reads on each page of the PDF, in page order."""
    # 200 dpi: a module of the smallest code is three pixels, which zbarimg
    # reads, in half the time of 300 dpi.
    dpi = 200
    args = ["pdftoppm", "-r", str(dpi), "-gray", "-png"]
    if crop_bottom_mm:
        # The codes' strip only: quicker to render and to search.
        height = round(crop_bottom_mm / 25.4 * dpi)
        args += ["-y", str(round(297 / 25.4 * dpi) - height), "-H", str(height),
                 "-W", str(round(210 / 25.4 * dpi))]
    subprocess.run(args + [str(pdf), str(folder / "page")], check=True)
    images = sorted(folder.glob("page-*.png"), key=lambda p: int(p.stem.split("-")[-1]))
    # One image a run, in text: zbarimg's XML mangles the bytes of UTF-8
    # letters in the codes it reports as binary.
    pages = []
    for image in images:
        # QR codes only: a bar code "seen" in a row of digits is not an answer.
        result = subprocess.run(["zbarimg", "-q", "--raw", "-Sdisable", "-Sqrcode.enable",
                                 str(image)], capture_output=True)
        pages.append([line for line in result.stdout.decode("utf-8").split("\n") if line])
    for image in images:
        image.unlink()
    return pages


def codes_in_bands(pdf, folder, last_pages):
    """The codes on the last pages, read band by band: zbarimg can pass over
    one of twenty codes on a whole page that it reads alone, as a phone's
    camera does. Bands of 60 mm, 30 mm apart, so every code is whole in one."""
    info = subprocess.run(["pdfinfo", str(pdf)], capture_output=True, text=True).stdout
    count = int(re.search(r"Pages:\s+(\d+)", info).group(1))
    dpi = 200
    found = set()
    for top in range(0, 270, 30):
        subprocess.run(["pdftoppm", "-r", str(dpi), "-gray", "-png", "-f",
                        str(max(1, count - last_pages + 1)), "-l", str(count),
                        "-y", str(round(top / 25.4 * dpi)), "-H", str(round(60 / 25.4 * dpi)),
                        "-W", str(round(210 / 25.4 * dpi)), str(pdf), str(folder / "band")],
                       check=True)
        for image in folder.glob("band-*.png"):
            result = subprocess.run(["zbarimg", "-q", "--raw", "-Sdisable", "-Sqrcode.enable",
                                     str(image)], capture_output=True)
            found.update(line for line in result.stdout.decode("utf-8").split("\n") if line)
            image.unlink()
    return found


def joined(codes):
    """The codes of one sheet in the order of their answers."""
    def first(code):
        number = code.split(")")[0]
        return int(number) if number.isdigit() else 0  # garbled: compared as it is
    return " ".join(sorted(codes, key=first))


def main():
    cli = sys.argv[1]
    if not shutil.which("zbarimg") or not shutil.which("pdftoppm"):
        print("SKIP: zbarimg (zbar-tools) or pdftoppm is not installed")
        return 77
    failures = 0
    checked = 0
    with tempfile.TemporaryDirectory() as work:
        work = Path(work)
        for args in examples(cli):
            label = " ".join(args)
            expected = expected_codes(cli, args, SHEETS)
            pdf = work / "sheets.pdf"
            subprocess.run([cli, *args, "--time", SEED, "--sheets", str(SHEETS), "--answer-key",
                            "--answer-qr", "sayfa", "-o", str(pdf)], check=True)
            pages = [p for p in decoded_pages(pdf, work, crop_bottom_mm=60) if p]
            if len(pages) != SHEETS:
                print(f"FAIL: {label}: codes read on {len(pages)} pages, not {SHEETS}")
                failures += 1
            for k, (codes, answers) in enumerate(zip(pages, expected), 1):
                checked += 1
                if joined(codes) != answers:
                    print(f"FAIL: {label}: sheet {k} reads\n  {joined(codes)}\nnot\n  {answers}")
                    failures += 1
            # The key's codes, a group for each sheet, in the sheets' order.
            expected = expected_codes(cli, args, 3)
            subprocess.run([cli, *args, "--time", SEED, "--sheets", "3", "--answer-key",
                            "--answer-qr", "anahtar", "-o", str(pdf)], check=True)
            on_key = [c for page in decoded_pages(pdf, work) for c in page]
            if sorted(items(" ".join(on_key))) != sorted(items(" ".join(expected))):
                print(f"FAIL: {label}: the key's codes are not the sheets' answers")
                failures += 1
        # A picture kind draws its key: its key pages wait in a temporary file
        # (those with pictures in memory) until every sheet is out, and the
        # codes come after them. A class list of 40 pupils.
        args = ["activity", "--kind", "Kesir Modelleri"]
        names = work / "sinif.txt"
        names.write_text("".join(f"Öğrenci {k}\n" for k in range(1, 41)), encoding="utf-8")
        expected = expected_codes(cli, args, 40)
        subprocess.run([cli, *args, "--time", SEED, "--names", str(names), "--answer-key",
                        "--answer-qr", "anahtar", "-o", str(pdf)], check=True)
        if set(codes_in_bands(pdf, work, last_pages=3)) != set(expected):
            print("FAIL: a class list's key of drawn pages lost or garbled its codes")
            failures += 1
    print(f"{checked} sheets' codes read")
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


def items(text):
    """ "1) 297 2) 48" → ["1) 297", "2) 48"]."""
    return re.split(r" (?=\d+\) )", text) if text else []


if __name__ == "__main__":
    sys.exit(main())
