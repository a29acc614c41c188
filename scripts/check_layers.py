#!/usr/bin/env python3
"""The layer check: names every #include that crosses a layer upwards.

Each folder of the game is one layer and may include only itself and the layers listed for it.
The build links each layer's library only to the libraries below it; this check says which
line broke the rule before the linker finds a missing symbol. Usage: check_layers.py [ROOT]
"""
import pathlib
import re
import sys

# Lowest first. A layer may include the layers named here, and nothing above them.
ALLOWED = {
    "framework": set(),
    "classlib": set(),
    "engine": set(),  # the model: reaches the world only through GameHooks
    "resources": {"framework"},
    "dialogs": {"engine", "resources", "classlib", "framework"},
    "sources": {"dialogs", "engine", "resources", "classlib", "framework"},
    "display": {"sources", "dialogs", "engine", "resources", "classlib", "framework"},
    "wordlist": {"display", "sources", "dialogs", "engine", "resources", "classlib", "framework"},
    "solver": {"wordlist", "sources", "engine", "classlib", "framework"},
    "stats": {"classlib"},
    "app": {"wordlist", "display", "sources", "dialogs", "engine", "resources", "classlib",
            "framework", "solver", "stats"},
    # The Qt front end implements the framework and knows no game rule; only main() sees the app.
    "qt": {"framework", "resources"},
    "qt/main.cpp": {"app", "display", "framework", "resources", "qt"},
    # Programs: the tool finds its data through the game's program paths.
    "tools": {"app", "solver", "stats", "wordlist", "sources", "engine", "classlib", "framework"},
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([A-Za-z0-9_]+)/')


def layer_of(relative):
    if relative.as_posix() in ALLOWED:
        return relative.as_posix()
    return relative.parts[0] if len(relative.parts) > 1 else None


def check(root):
    faults = []
    for path in sorted(root.rglob("*")):
        if path.suffix not in (".cpp", ".h") or not path.is_file():
            continue
        relative = path.relative_to(root)
        layer = layer_of(relative)
        if layer not in ALLOWED:
            continue
        own = relative.parts[0]
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            target = match.group(1)
            if target != own and target in ALLOWED and target not in ALLOWED[layer]:
                faults.append(f"{relative}:{number}: layer {own} includes {target}: "
                              f"{line.strip()}")
    return faults


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    faults = check(root)
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} include(s) cross a layer upwards")
        return 1
    print("layers: every include points downwards")
    return 0


if __name__ == "__main__":
    sys.exit(main())
