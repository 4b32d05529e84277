# A transcript of hashwell-cli, read by tests/cli/transcript_test.cpp. "$ " starts a command,
# run by bash (with pipefail) in a scratch folder that all commands of the file share, where
# `cli` runs hashwell-cli. The lines under it are what it must write to standard output, the
# "2> " lines what it must write to standard error, "? N" its exit code (0 when not given).
# "= COMMAND" instead expects what COMMAND writes and its exit code (unless "? N" says
# otherwise), with coreutils' tool name in its messages made hashwell-cli's.

# coreutils' checksum files of every form, for names that need care (see hash.t).
$ mkdir odd && cd odd && printf abc > plain.txt && printf x > 'with space' && printf y > 'back\slash' && printf z > $'line\nfeed' && printf q > $'carriage\rreturn' && head -c 5M /dev/zero | tr '\0' b > $'bytes \xff\xfe' && : > ' lead' && printf s > '*star' && printf p > 'x (1) = y'
$ cd odd && sha256sum -- * > ../odd.gnu && sha256sum --tag -- * > ../odd.tag && sha256sum --binary -- * > ../odd.binary
$ cd odd && cli -c ../odd.gnu
= cd odd && sha256sum -c ../odd.gnu
$ cd odd && cli -c ../odd.tag
= cd odd && sha256sum -c ../odd.tag
$ cd odd && cli -c ../odd.binary
= cd odd && sha256sum -c ../odd.binary

# Results, warnings and exit codes are coreutils' own for every kind of line and option.
$ printf abc > good && printf abc > changed && printf x > 'also good' && sha256sum good changed 'also good' > sums && sha256sum good changed > two && printf abd > changed
$ echo 'ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad  missing' > missing.line && { echo 'not a checksum line'; head -c 102400 /dev/zero | tr '\0' f; echo; } > malformed
$ cat sums missing.line malformed > sums+missing+malformed && cat sums+missing+malformed - <<< $'# a comment\n' > commented && cat sums malformed > sums+malformed && cat sums missing.line > sums+missing && : > empty
$ cli -c sums
= sha256sum -c sums
$ cli -c commented
= sha256sum -c commented
$ cli -c --quiet sums+missing+malformed
= sha256sum -c --quiet sums+missing+malformed
$ cli -c --status sums+missing+malformed
= sha256sum -c --status sums+missing+malformed
$ cli -c --strict sums+missing+malformed
= sha256sum -c --strict sums+missing+malformed
$ cli -c --strict sums+malformed
= sha256sum -c --strict sums+malformed
$ cli -c --ignore-missing sums+missing
= sha256sum -c --ignore-missing sums+missing
$ cli -c --ignore-missing missing.line
= sha256sum -c --ignore-missing missing.line
$ cli -c malformed
= sha256sum -c malformed
$ cli -c empty
= sha256sum -c empty
$ cli -c < sums
= sha256sum -c < sums
$ cli -c no-such-file
2> hashwell-cli: no-such-file: No such file or directory
? 1

# The last of --quiet, --status and --warn wins, as in coreutils.
$ cat two missing.line > orders && echo junk >> orders
$ cli -c -a sha256 --status --warn orders
= sha256sum -c --status --warn orders
$ cli -c -a sha256 --warn --status orders
= sha256sum -c --warn --status orders
$ cli -c -a sha256 --quiet --warn orders
= sha256sum -c --quiet --warn orders
$ cli -c -a sha256 --warn --quiet orders
= sha256sum -c --warn --quiet orders
$ cli -c -a sha256 --status --quiet orders
= sha256sum -c --status --quiet orders
$ cli -c -a sha256 --quiet --status orders
= sha256sum -c --quiet --status orders

# Warnings come in the file's order, past the first batch of lines, and without -a name the
# algorithm of the last good line before them.
$ printf abc > f && line=$(sha256sum f) && { echo junk; for i in {0..1499}; do if ((i % 700 == 5)); then echo junk; else echo "$line"; fi; done; } > long
$ cli -c -a sha256 --warn long 2>&1
= sha256sum -c --warn long 2>&1
$ { echo junk; md5sum f; echo junk; } > junky && cli -c --warn junky
f: OK
2> hashwell-cli: junky: 1: improperly formatted checksum line
2> hashwell-cli: junky: 3: improperly formatted MD5 checksum line
2> hashwell-cli: WARNING: 2 lines are improperly formatted

# Many listed files, more than one batch, are verified in their order.
$ mkdir many && cd many && s=$(printf 'v%.0s' {1..4900}) && for i in {0..1499}; do printf %s "${s:0:i % 50 * 100}" > n$i; done && md5sum n* > ../many.md5
$ cd many && cli -c -j 3 ../many.md5
= cd many && md5sum -c ../many.md5

# Each line is checked with the algorithm its length or tag tells; a SHA3-256 code in the gnu
# form is taken for SHA-256's unless -a says otherwise, and -a keeps out the lines of others.
$ printf '%s\n' '352441c2  f' '900150983cd24fb0d6963f7d28e17f72  f' 'a9993e364706816aba3e25717850c26c9cd0d89d *f' 'SHA3-256 (f) = 3a985da74fe225b2045c172d6bd390bd855f086e3e9d525b46bfe24511431532' 'f 352441C2' > mixed && cli -c mixed
f: OK
f: OK
f: OK
f: OK
f: OK
$ echo '3a985da74fe225b2045c172d6bd390bd855f086e3e9d525b46bfe24511431532  f' > sha3 && cli -c sha3
f: FAILED
2> hashwell-cli: WARNING: 1 computed checksum did NOT match
? 1
$ cli -c -a sha3-256 sha3
f: OK
$ cli -c -a md5 --strict mixed
f: OK
2> hashwell-cli: WARNING: 4 lines are improperly formatted
? 1

# Its own output is read back whatever the algorithms; one algorithm's lines are untagged, as
# its peer's: a SHA-3 file is read back by its name, or by -a, else taken for SHA-2's.
$ : > g && cli -a all f g > all.txt && cli -c --strict all.txt | uniq -c
     11 f: OK
     11 g: OK
$ cli -a every f g > every.txt && cli -c --strict every.txt | uniq -c
     14 f: OK
     14 g: OK
$ cli -a sha3-256 f | tee SHA3-256SUMS f.sha3-256 f.SHA3 sha3sums > plain.sums
$ cli -c SHA3-256SUMS && cli -c f.sha3-256 && cli -c f.SHA3 && cli -c sha3sums
f: OK
f: OK
f: OK
f: OK
$ cli -c plain.sums
f: FAILED
2> hashwell-cli: WARNING: 1 computed checksum did NOT match
? 1
$ cli --untagged -a md5,sha1 f
= md5sum f && sha1sum f

# The form of a file is decided by its first line: md5sum's lines with the two spaces made
# one ("md5 -r"), where a leading space or star belongs to the name, as coreutils'
# tests/misc/md5sum-bsd.sh has them.
$ mkdir form && cd form && printf 1 > a && printf 2 > ' b' && printf 3 > '*c' && printf 4 > dd && printf 5 > ' ' && md5sum a ' b' '*c' dd ' ' | sed 's/^\(.\{32\}\) /\1/' > ../reversed && md5sum dd > ../dd.md5 && cat ../dd.md5 ../reversed > ../gnu-first && cat ../reversed ../dd.md5 > ../reversed-first
$ cd form && cli --strict -c ../reversed
= cd form && md5sum --strict -c ../reversed
$ cd form && cli --strict -c ../gnu-first
= cd form && md5sum --strict -c ../gnu-first
$ cd form && cli --strict -c ../reversed-first
= cd form && md5sum --strict -c ../reversed-first

# rhash's bsd lines, whose tags are padded (Debian package rhash).
$ rhash --bsd --crc32 --md5 --sha1 --sha3-256 f > rhash.sums && grep -c 'MD5   (f)' rhash.sums && cli -c --strict rhash.sums
1
f: OK
f: OK
f: OK
f: OK
