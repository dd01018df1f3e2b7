#!/usr/bin/python3
"""Renders an HTML report with headless Chromium and checks that its styles took effect.

Usage: render_report.py PAGE.html SCREENSHOT.png
Exit 0 when the screenshot shows the grey heading cells (rgb 239,239,239) and the black cell
borders of the standard report table; 1 when it does not; 77 when no Chromium is installed.
"""
import os
import shutil
import subprocess
import sys
import tempfile


def main():
    page, screenshot = sys.argv[1], sys.argv[2]
    browser = shutil.which("chromium") or shutil.which("chromium-browser")
    if browser is None:
        print("chromium absent")
        return 77
    profile = tempfile.mkdtemp(prefix="render-report-")
    try:
        subprocess.run(
            [browser, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
             "--no-first-run", "--disable-background-networking", "--disable-component-update",
             "--disable-sync", "--hide-scrollbars", "--user-data-dir=" + profile,
             "--window-size=800,600", "--screenshot=" + screenshot,
             "file://" + os.path.abspath(page)],
            check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
    finally:
        shutil.rmtree(profile, ignore_errors=True)
    import matplotlib.image
    pixels = (matplotlib.image.imread(screenshot)[:, :, :3] * 255).round().astype(int)
    colours = {tuple(p) for row in pixels for p in row}
    grey = (239, 239, 239) in colours
    black = (0, 0, 0) in colours
    print("gris des en-tetes: %s, bordures noires: %s, couleurs: %d" % (grey, black, len(colours)))
    return 0 if grey and black else 1


if __name__ == "__main__":
    sys.exit(main())
