#!/usr/bin/python3
"""Reads a drawing file written by our tests with ezdxf: it must load, pass ezdxf's audit without
errors and, when the shared validator is present, pass it too.

Usage: ezdxf_check.py FILE.dxf [--dump]   (--dump prints model space entity types and handles)
Exit 0 when the file is clean.
"""
import os
import subprocess
import sys

import ezdxf

from validator import find_validator

VALIDATOR = find_validator()


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    path = argv[1]
    try:
        doc = ezdxf.readfile(path)
    except Exception as error:  # the file does not even load
        print(f"ezdxf cannot load {path}: {error}")
        return 1
    auditor = doc.audit()
    for error in auditor.errors:
        print(f"audit error: {error.message}")
    status = 1 if auditor.has_errors else 0
    if VALIDATOR:
        result = subprocess.run([VALIDATOR, "--quiet", path], capture_output=True, text=True)
        if result.returncode != 0:
            print(result.stdout.strip())
            status = 1
    if "--dump" in argv:
        for entity in doc.modelspace():
            print(entity.dxftype(), entity.dxf.handle)
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv))
