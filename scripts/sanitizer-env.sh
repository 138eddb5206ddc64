# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the sanitizer scripts: how the sanitizers report. Every error
# stops the program with a failing status and a symbolized stack; leaks are
# reported, except those of the platform's own libraries named in
# scripts/lsan-suppressions.txt.
root=$(pwd)
ASAN_OPTIONS="abort_on_error=0:halt_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:symbolize=1"
UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:symbolize=1"
LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"
export ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS
if command -v llvm-symbolizer-14 >/dev/null 2>&1; then
  ASAN_SYMBOLIZER_PATH=$(command -v llvm-symbolizer-14)
  export ASAN_SYMBOLIZER_PATH
fi
