"""Where the shared DXF validator is: $DXF_VALIDATE, else the shared folder beside the checkout
(as CI lays it out), else the workplace's. None when there is none: the ezdxf audit still runs."""
import os

_HERE = os.path.dirname(os.path.abspath(__file__))


def find_validator():
    candidates = [
        os.environ.get("DXF_VALIDATE", ""),
        os.path.join(_HERE, "..", "..", "..", "shared", "tools", "dxf-validate"),
        "/work/shared/tools/dxf-validate",
    ]
    for path in candidates:
        if path and os.path.exists(path):
            return os.path.normpath(path)
    return None
