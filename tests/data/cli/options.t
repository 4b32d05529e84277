# A transcript of hashwell-cli, read by tests/cli/transcript_test.cpp. "$ " starts a command,
# run by bash (with pipefail) in a scratch folder that all commands of the file share, where
# `cli` runs hashwell-cli. The lines under it are what it must write to standard output, the
# "2> " lines what it must write to standard error, "? N" its exit code (0 when not given).
# "= COMMAND" instead expects what COMMAND writes and its exit code (unless "? N" says
# otherwise), with coreutils' tool name in its messages made hashwell-cli's.

# coreutils' mode options: -t is its text mode, not a text to hash; -b marks names with a star;
# -z ends lines with NUL and leaves names unescaped.
$ printf abc > f && printf x > $'new\nline'
$ cli --text f $'new\nline'
= sha256sum --text f $'new\nline'
$ cli -t f $'new\nline'
= sha256sum -t f $'new\nline'
$ cli -b f $'new\nline'
= sha256sum -b f $'new\nline'
$ cli --tag f $'new\nline'
= sha256sum --tag f $'new\nline'
$ cli -z f $'new\nline'
= sha256sum -z f $'new\nline'
$ cli -z --tag f $'new\nline'
= sha256sum -z --tag f $'new\nline'
$ cli -t --tag f $'new\nline'
= sha256sum -t --tag f $'new\nline'
$ cli -b -z f $'new\nline'
= sha256sum -b -z f $'new\nline'

# ... and are refused where coreutils refuses them, with its messages (and a usage error's
# exit code 2, where coreutils ends with 1).
$ cli -c -b f
= sha256sum -c -b f
? 2
$ cli -c -t f
= sha256sum -c -t f
? 2
$ cli -c -z f
= sha256sum -c -z f
? 2
$ cli -c --tag f
= sha256sum -c --tag f
? 2
$ cli --tag -t f
= sha256sum --tag -t f
? 2
$ cli -c --tag -t f
= sha256sum -c --tag -t f
? 2

# --help and --version say when their output could not be written.
$ cli --help > /dev/full
2> hashwell-cli: write error: No space left on device
? 1
$ cli --version > /dev/full
2> hashwell-cli: write error: No space left on device
? 1
