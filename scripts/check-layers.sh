#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the layers of a build (./build unless --build DIR is given) on what
# the compiler and CMake resolved: no file reaches a header of a higher layer
# (in whatever form its include is written, through whatever header), nor a Qt
# module its layer may not use; no library or test suite links a library of a
# higher layer. The layers, from the ground up, and what each may include:
#
#   reslib/             reslib                               QtCore, QtGui
#   formats/            reslib, formats                      QtCore, QtGui
#   controls/digit/     reslib, formats, controls/digit      + QtWidgets
#   controls/stopname/  reslib, formats, controls/stopname   + QtWidgets
#   sound/              reslib, formats, sound               QtCore, QtGui
#   settings/           reslib, formats, settings            QtCore, QtGui
#   operation/          reslib, formats, sound, settings,    QtCore, QtGui
#                       operation
#   editing/            reslib, formats, editing             QtCore, QtGui
#   dialogs/            reslib, formats, the controls,       + QtWidgets
#                       sound, dialogs
#   windows/            all of the above, windows
#   tools/              all of the above, tools
#   app/                everything
#
# A suite in tests/LAYER/ keeps to LAYER's rules (with QtTest, the helpers at
# the top of tests/ and the suites' folders of the layers below).
#
# Two more rules keep the windows thin:
#   - a window is handed only the parts it uses: no window names Simulator
#     (Simulator wires the parts; the start-up and settings-file modules
#     mdlIniIoEx and mdlzed_000 work on all of them);
#   - the options window's controls are its own: only tests and benchmarks
#     call controlsForTesting().
#
# Prints each dependency that breaks a rule and exits with 1 when there is
# any. The work is done by check-layers.py (see its --help).
set -eu
exec python3 "$(dirname "$0")/check-layers.py" "$@"
