#!/bin/sh
# The window's program on a terminal without a display: --help and --version answer and end,
# a wrong option is a usage error (exit 2), and a full output is a failure.
#   terminal_options_test.sh PROGRAM
set -u
program=$1
failed=0
check() {  # what, expected exit code, actual exit code
    if [ "$2" != "$3" ]; then
        echo "FAILED: $1: exit code $3, expected $2"
        failed=1
    fi
}
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
out=$("$program" --help); check "--help" 0 $?
case $out in "Usage: hashwell "*) ;; *) echo "FAILED: --help printed: $out"; failed=1 ;; esac
out=$("$program" --version); check "--version" 0 $?
case $out in "hashwell "[0-9]*) ;; *) echo "FAILED: --version printed: $out"; failed=1 ;; esac
err=$("$program" --no-such-option 2>&1 >/dev/null); check "a wrong option" 2 $?
case $err in *"unrecognized option '--no-such-option'"*) ;; *) echo "FAILED: said: $err"; failed=1 ;; esac
"$program" --help > /dev/full 2>/dev/null; check "--help to a full disk" 1 $?
[ $failed -eq 0 ] && echo "passed"
exit $failed
