#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the layers on what the compiler and CMake resolved, not on how an
include is spelt.

  check-layers.py [--build DIR]
      every object of the build: the headers its compiler reached (the
      dependency log Ninja keeps of the compiler's own output) and the Qt
      modules among them; every library's and test's link line (CMake's file
      API); and the two rules that keep the windows thin.
  check-layers.py [--build DIR] --plant FILE --as FOLDER/NAME.cpp
      FILE compiled as if it lay in FOLDER, with the flags of a file of that
      folder from the compile database; its headers are checked as above.
  check-layers.py [--build DIR] --link TARGET=ITEM
      (may repeat) the build's link lines with ITEM added to TARGET's.

Prints each dependency that breaks a rule and exits with 1 when there is any.
"""

import argparse
import json
import os
import re
import shlex
import subprocess
import sys
import tempfile

ROOT = os.path.realpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

# The layers from the ground up: the folders each may include (its own and
# lower) and the Qt modules it may use. The two controls are libraries of
# their own and know nothing of each other.
BELOW_WINDOWS = ["reslib", "formats", "controls/digit", "controls/stopname", "sound", "settings", "operation", "editing", "dialogs"]
LAYERS = {
    "reslib": (["reslib"], {"Core", "Gui"}),
    "formats": (["reslib", "formats"], {"Core", "Gui"}),
    "controls/digit": (["reslib", "formats", "controls/digit"], {"Core", "Gui", "Widgets"}),
    "controls/stopname": (["reslib", "formats", "controls/stopname"], {"Core", "Gui", "Widgets"}),
    "sound": (["reslib", "formats", "sound"], {"Core", "Gui"}),
    "settings": (["reslib", "formats", "settings"], {"Core", "Gui"}),
    "operation": (["reslib", "formats", "sound", "settings", "operation"], {"Core", "Gui"}),
    "editing": (["reslib", "formats", "editing"], {"Core", "Gui"}),
    "dialogs": (["reslib", "formats", "controls/digit", "controls/stopname", "sound", "dialogs"], {"Core", "Gui", "Widgets"}),
    "windows": (BELOW_WINDOWS + ["windows"], {"Core", "Gui", "Widgets"}),
    "tools": (BELOW_WINDOWS + ["windows", "tools"], {"Core", "Gui", "Widgets"}),
    "app": (BELOW_WINDOWS + ["windows", "tools", "app"], {"Core", "Gui", "Widgets"}),
}
# The library each folder builds.
LIBRARIES = {
    "reslib": "kerubara_reslib",
    "formats": "kerubara_formats",
    "controls/digit": "kerubara_digit",
    "controls/stopname": "kerubara_stopname",
    "sound": "kerubara_sound",
    "settings": "kerubara_settings",
    "operation": "kerubara_operation",
    "editing": "kerubara_editing",
    "dialogs": "kerubara_dialogs",
    "windows": "kerubara_windows",
    "tools": "kerubara_datatool",
}
# Folders outside the layers: tests of the package and of this script, the
# benchmarks, the fuzz targets and the sample route's maker use what they
# measure or make.
UNCHECKED = ("bench", "fuzz", "examples", "packaging")


def allowed(folder):
    """(folders, Qt modules) a file of `folder` may use; None when unchecked."""
    if folder in LAYERS:
        return LAYERS[folder]
    if folder.startswith("tests/"):
        layer = folder[len("tests/"):]
        if layer in ("package", "app"):
            layer = "app"
        elif layer == "scripts":
            return (["tests"], {"Core", "Test"})
        if layer not in LAYERS:
            return None
        folders, modules = LAYERS[layer]
        # A suite uses the helpers at the top of tests/ and those of the
        # suites of the layers it may include.
        return (folders + ["tests"] + ["tests/" + f for f in folders], modules | {"Test"})
    return None


def folder_of(path, build):
    """The folder a project file belongs to ("controls/digit", "tests/sound",
    "tests" for the tests' own helpers), a generated file to the folder it
    was generated for; None for a file outside the project."""
    path = os.path.realpath(path)
    for base in (build, ROOT):
        if path.startswith(base + os.sep):
            rel = os.path.relpath(path, base)
            break
    else:
        return None
    parts = rel.split(os.sep)
    if parts[0] in ("controls", "tests") and len(parts) > 2:
        return parts[0] + "/" + parts[1]
    if parts[0] == "tests":
        return "tests"
    return parts[0] if len(parts) > 1 else ""


QT_MODULE = re.compile(r"/qt6/Qt([A-Za-z]+)/")


def qt_module(path):
    match = QT_MODULE.search(path)
    return match.group(1) if match else None


def violations(folder, source, headers, build):
    """What of `headers`, the files the compiler read for `source` of
    `folder`, breaks the rules: a line for each folder or Qt module it may
    not reach, naming the first header of it that was read (the compiler
    lists them in the order it met them)."""
    rules = allowed(folder)
    if rules is None:
        return []
    folders, modules = rules
    reached = {}  # folder or Qt module -> the headers of it
    for header in headers:
        module = qt_module(header)
        if module is not None:
            if module not in modules:
                reached.setdefault("Qt" + module, []).append(header)
            continue
        target = folder_of(header, build)
        if target is None or target == folder or target in folders or target.startswith(UNCHECKED):
            continue
        reached.setdefault(target, []).append(header)
    found = []
    for what, reaching in reached.items():
        more = " and %d more" % (len(reaching) - 1) if len(reaching) > 1 else ""
        if what.startswith("Qt") and what not in LAYERS:
            found.append("%s: reaches %s (%s%s; a file of %s/ may use only Qt%s)"
                         % (source, what, shown(reaching[0], build), more, folder, ", Qt".join(sorted(modules))))
        else:
            found.append("%s: reaches %s%s (a file of %s/ may include only: %s)"
                         % (source, shown(reaching[0], build), more, folder, " ".join(folders)))
    return found


def shown(path, build):
    path = os.path.realpath(path)
    for base in (build, ROOT):
        if path.startswith(base + os.sep):
            return os.path.relpath(path, ROOT)
    return path


def ninja_deps(build):
    """(object, [headers]) for every object Ninja has built."""
    text = subprocess.run(["ninja", "-C", build, "-t", "deps"], check=True, capture_output=True, text=True).stdout
    result = []
    current = None
    for line in text.splitlines():
        if not line.strip():
            current = None
        elif not line.startswith(" "):
            current = (line.split(":", 1)[0], [])
            result.append(current)
        elif current is not None:
            current[1].append(os.path.join(build, line.strip()) if not line.strip().startswith("/") else line.strip())
    return result


def object_folder(obj):
    """The folder an object was compiled for: what comes before CMakeFiles."""
    head, sep, _ = obj.partition("/CMakeFiles/")
    return head if sep else None


def object_source(obj):
    """The source an object was compiled from, as shown in messages."""
    head, _, rest = obj.partition("/CMakeFiles/")
    name = rest.split("/", 1)[1] if "/" in rest else rest
    return os.path.join(head, name[:-2] if name.endswith(".o") else name)


def check_objects(build):
    found = []
    for obj, headers in ninja_deps(build):
        folder = object_folder(obj)
        if folder is None:
            continue
        found += violations(folder, object_source(obj), headers, build)
    return found


def compile_command(build, folder):
    """The compile database's command of a file of `folder`, as a list."""
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
        database = json.load(f)
    for entry in database:
        if os.path.dirname(os.path.relpath(entry["file"], ROOT)) == folder:
            return entry
    sys.exit("check-layers: the compile database has no file of %s" % folder)


def planted_headers(build, planted, as_path):
    """The headers the compiler reads for `planted` compiled as `as_path`."""
    folder = os.path.dirname(as_path)
    entry = compile_command(build, folder)
    words = shlex.split(entry["command"])
    if os.path.basename(words[0]) == "ccache":
        words = words[1:]
    kept = [words[0]]
    skip = False
    for word in words[1:]:
        if skip:
            skip = False
        elif word in ("-o", "-MF", "-MT", "-MQ"):
            skip = True
        elif word in ("-c", "-MD", "-MMD") or word == entry["file"] or word.endswith(os.path.basename(entry["file"])):
            continue
        else:
            kept.append(word)
    # A quoted include is looked for first beside the file that includes it.
    kept += ["-iquote", os.path.join(ROOT, folder), "-M", "-MG", planted]
    result = subprocess.run(kept, cwd=entry["directory"], capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit("check-layers: %s does not compile as %s:\n%s" % (planted, as_path, result.stderr))
    text = result.stdout.replace("\\\n", " ")
    headers = text.split(":", 1)[1].split()
    # A header the layer's include paths do not hold is the compiler's to
    # refuse; what it found is the check's.
    found = (h if h.startswith("/") else os.path.join(entry["directory"], h) for h in headers[1:])
    return [h for h in found if os.path.isfile(h)]


def codemodel(build):
    """{target: (folder, [linked items])} from CMake's file API: what each
    library links (other libraries of the project) and each program's whole
    link line (Qt's modules among it)."""
    reply = os.path.join(build, ".cmake", "api", "v1", "reply")
    if not os.path.isdir(reply):
        # The query is written by the build; a build configured before it
        # asked gets its reply by configuring once more.
        os.makedirs(os.path.join(build, ".cmake", "api", "v1", "query"), exist_ok=True)
        open(os.path.join(build, ".cmake", "api", "v1", "query", "codemodel-v2"), "w").close()
        subprocess.run(["cmake", build], check=True, capture_output=True)
    index = sorted(f for f in os.listdir(reply) if f.startswith("index-"))[-1]
    with open(os.path.join(reply, index), encoding="utf-8") as f:
        model_file = json.load(f)["reply"]["codemodel-v2"]["jsonFile"]
    with open(os.path.join(reply, model_file), encoding="utf-8") as f:
        model = json.load(f)
    targets = {}
    names = {}
    for ref in model["configurations"][0]["targets"]:
        with open(os.path.join(reply, ref["jsonFile"]), encoding="utf-8") as f:
            target = json.load(f)
        names[target["id"]] = target["name"]
        targets[target["name"]] = target
    result = {}
    for name, target in targets.items():
        folder = target["paths"]["source"]
        items = [names.get(d["id"], d["id"]) for d in target.get("dependencies", [])]
        for fragment in target.get("link", {}).get("commandFragments", []):
            if fragment.get("role") == "libraries":
                items += fragment["fragment"].split()
        result[name] = (folder, items)
    return result


LIBRARY_FOLDER = {library: folder for folder, library in LIBRARIES.items()}
QT_LIBRARY = re.compile(r"libQt6([A-Za-z]+)\.so|^Qt6::([A-Za-z]+)$")


def link_violations(targets):
    found = []
    for name, (folder, items) in sorted(targets.items()):
        rules = allowed(folder)
        if rules is None:
            continue
        folders, modules = rules
        for item in items:
            match = QT_LIBRARY.search(os.path.basename(item)) or QT_LIBRARY.search(item)
            if match:
                module = match.group(1) or match.group(2)
                if module not in modules:
                    found.append("%s (%s) links Qt%s (a target of %s/ may use only Qt%s)"
                                 % (name, folder, module, folder, ", Qt".join(sorted(modules))))
                continue
            library = os.path.basename(item)
            library = re.sub(r"^lib(.*)\.a$", r"\1", library)
            other = LIBRARY_FOLDER.get(library)
            if other is not None and other != folder and other not in folders:
                found.append("%s (%s) links %s of %s (a target of %s/ may link only: %s)"
                             % (name, folder, library, other, folder, " ".join(folders)))
    return found


def thin_windows():
    """No window is handed the Simulator; only tests and benchmarks reach the
    windows' controls (the options window's, the panel's)."""
    found = []
    for name in sorted(os.listdir(os.path.join(ROOT, "windows"))):
        if not name.endswith((".cpp", ".h")) or re.match(r"(Simulator|mdlIniIoEx|mdlzed_000)\.", name):
            continue
        with open(os.path.join(ROOT, "windows", name), encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                if re.search(r"\bSimulator\b", line):
                    found.append("windows/%s:%d: %s (a window is handed the parts it uses, not the Simulator)"
                                 % (name, number, line.strip()))
    for folder in list(LAYERS) + ["app"]:
        base = os.path.join(ROOT, folder)
        for name in sorted(os.listdir(base)) if os.path.isdir(base) else []:
            if not name.endswith((".cpp", ".h")):
                continue
            with open(os.path.join(base, name), encoding="utf-8") as f:
                for number, line in enumerate(f, 1):
                    if "ForTesting()" in line and not (folder == "windows" and name in ("frmOption.h", "Form1.h")
                                                       and re.search(r"controlsForTesting\(\)( const)? \{", line)):
                        found.append("%s/%s:%d: %s (only tests and benchmarks reach a window's controls)"
                                     % (folder, name, number, line.strip()))
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--plant")
    parser.add_argument("--as", dest="as_path")
    parser.add_argument("--link", action="append", default=[])
    options = parser.parse_args()
    build = os.path.realpath(options.build)
    if not os.path.isfile(os.path.join(build, "build.ninja")):
        sys.exit("check-layers: %s is not a build folder: run ./scripts/build.sh first" % build)

    if options.plant:
        if not options.as_path:
            sys.exit("check-layers: --plant needs --as FOLDER/NAME.cpp")
        folder = os.path.dirname(options.as_path)
        found = violations(folder, options.as_path, planted_headers(build, options.plant, options.as_path), build)
    elif options.link:
        targets = codemodel(build)
        for link in options.link:
            target, _, item = link.partition("=")
            targets[target][1].append(item)
        found = link_violations(targets)
    else:
        found = check_objects(build) + link_violations(codemodel(build)) + thin_windows()
    for line in found:
        print(line)
    if found:
        return 1
    print("Layers: every file reaches only the headers and Qt modules of its layer and those below, every "
          "target links only those; the windows are handed only what they use.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
