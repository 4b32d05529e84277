# A transcript of hashwell-cli, read by tests/cli/transcript_test.cpp. "$ " starts a command,
# run by bash (with pipefail) in a scratch folder that all commands of the file share, where
# `cli` runs hashwell-cli. The lines under it are what it must write to standard output, the
# "2> " lines what it must write to standard error, "? N" its exit code (0 when not given).
# "= COMMAND" instead expects what COMMAND writes and its exit code (unless "? N" says
# otherwise), with coreutils' tool name in its messages made hashwell-cli's.

# Names that need care: spaces, a backslash, line breaks, bytes that are not UTF-8, a leading
# space and a leading star (which a gnu line could take for its binary mark), what a bsd line
# puts around a name; one file large enough for two workers.
$ mkdir odd && cd odd && printf abc > plain.txt && printf x > 'with space' && printf y > 'back\slash' && printf z > $'line\nfeed' && printf q > $'carriage\rreturn' && head -c 5M /dev/zero | tr '\0' b > $'bytes \xff\xfe' && : > ' lead' && printf s > '*star' && printf p > 'x (1) = y'

# gnu and bsd lines are coreutils' own, byte for byte, and coreutils reads them back.
$ cd odd && cli -- * | tee ../sha256.gnu
= cd odd && sha256sum -- *
$ cd odd && cli -a md5 -- * | tee ../md5.gnu
= cd odd && md5sum -- *
$ cd odd && cli -a sha512 -- * | tee ../sha512.gnu
= cd odd && sha512sum -- *
$ cd odd && cli --format bsd -- * | tee ../sha256.bsd
= cd odd && sha256sum --tag -- *
$ cd odd && cli -a sha1 --format bsd -- * | tee ../sha1.bsd
= cd odd && sha1sum --tag -- *
$ cd odd && sha256sum -c --strict --quiet ../sha256.gnu ../sha256.bsd && md5sum -c --strict --quiet ../md5.gnu && sha512sum -c --strict --quiet ../sha512.gnu && sha1sum -c --strict --quiet ../sha1.bsd

# Several algorithms: one line per file and algorithm, in the order named.
$ printf abc > a && : > b && cli -a sha1,md5,sha1 --upper a b
SHA1 (a) = A9993E364706816ABA3E25717850C26C9CD0D89D
MD5 (a) = 900150983CD24FB0D6963F7D28E17F72
SHA1 (b) = DA39A3EE5E6B4B0D3255BFEF95601890AFD80709
MD5 (b) = D41D8CD98F00B204E9800998ECF8427E
$ cli -a all a
CRC32 (a) = 352441c2
MD5 (a) = 900150983cd24fb0d6963f7d28e17f72
SHA1 (a) = a9993e364706816aba3e25717850c26c9cd0d89d
SHA224 (a) = 23097d223405d8228642a477bda255b32aadbce4bda0b3f7e36c9da7
SHA256 (a) = ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad
SHA384 (a) = cb00753f45a35e8bb5a03d699ac65007272c32ab0eded1631a8b605a43ff5bed8086072ba1e7cc2358baeca134c825a7
SHA512 (a) = ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f
SHA3-224 (a) = e642824c3f8cf24ad09234ee7d3c766fc9a3a5168d0c94ad73b46fdf
SHA3-256 (a) = 3a985da74fe225b2045c172d6bd390bd855f086e3e9d525b46bfe24511431532
SHA3-384 (a) = ec01498288516fc926459f58e2c6ad8df9b473cb0fc08c2596da7cf0e49be4b298d88cea927ac7f539f1edf228376d25
SHA3-512 (a) = b751850b1a57168a5693cd924b6b096e08f621827444f70d884f5d0240d2712e10e116e9192af3c91a7ec57647e3934057340b4cf408d5a56592f8274eec53f0
$ cli -a every a | tail -n 3
BLAKE3 (a) = 6437b3ac38465133ffb63b75273a8db548c558465d79db03fd359c6cd5bd9d85
XXH3 (a) = 78af5f94892f3950
XXH128 (a) = 06b05ab6733a618578af5f94892f3950

# The argument order, whatever the jobs: large files early, so that later small ones finish
# first on other workers.
$ mkdir jobs && cd jobs && for i in {0..39}; do head -c $((i % 7 ? i * 100 : 6 << 20)) /dev/zero | tr '\0' $((i % 10)) > f$i; done
$ cd jobs && cli -j 4 -a md5,sha256 --untagged f{0..39} > ../parallel && cli -j 1 -a md5,sha256 --untagged f{0..39} | diff - ../parallel && sed 's/.*  //' ../parallel | diff - <(for i in {0..39}; do echo f$i; echo f$i; done)

# The walk: sorted, into linked folders only with -L, a link back up walked once and reported.
$ mkdir -p d/b d/c other && printf 1 > d/c/1 && printf a > d/a && printf 2 > d/b/2 && printf B > d/B && printf x > other/x && ln -s ../other d/link && ln -s a d/file-link
$ cli -r d | cut -c67-
d/B
d/a
d/b/2
d/c/1
d/file-link
$ cli -r d | diff - <(cli -r d)
$ cli -r -L d/ | cut -c67-
d/B
d/a
d/b/2
d/c/1
d/file-link
d/link/x
$ ln -s .. d/c/up && cli -r -L d | wc -l
6
2> hashwell-cli: d/c/up: File system loop detected
? 1

# Pipes and devices are read when named, as coreutils reads them, and passed over in a walk,
# lest it wait for a writer.
$ mkdir folder && mkfifo fifo && echo 'd16fb36f0911f878998c136191af705e  fifo' > fifo.md5
$ (printf xyz > fifo &); cli -a md5 <(printf abc) /dev/null fifo /dev/stdin folder missing < a
= (printf xyz > fifo &); md5sum <(printf abc) /dev/null fifo /dev/stdin folder missing < a
$ (printf xyz > fifo &); cli -c fifo.md5
fifo: OK
$ mv fifo folder && cli -r folder
2> hashwell-cli: folder/fifo: Not a regular file
? 1

# Standard input, when there is no file and for a dash.
$ head -c 3145733 /dev/zero | tr '\0' i | cli
= head -c 3145733 /dev/zero | tr '\0' i | sha256sum
$ printf abc | cli -a md5 a - a
= printf abc | md5sum a - a

# SFV: written in upper case, refusing names it could not read back, read back from the
# folder of the file.
$ printf 1 > 'trail ' && printf 2 > ';semi' && printf 3 > '#hash' && cli -a crc32 --format sfv 'trail ' ';semi' '#hash' a odd/$'line\nfeed'
a 352441C2
2> hashwell-cli: 'trail ': An SFV line cannot hold this name: it has a line break, begins with ';' or '#', or ends in a blank
2> hashwell-cli: ';semi': An SFV line cannot hold this name: it has a line break, begins with ';' or '#', or ends in a blank
2> hashwell-cli: '#hash': An SFV line cannot hold this name: it has a line break, begins with ';' or '#', or ends in a blank
2> hashwell-cli: 'odd/line'$'\n''feed': An SFV line cannot hold this name: it has a line break, begins with ';' or '#', or ends in a blank
? 1
$ mkdir set && cd set && printf abc > one.bin && head -c 5000 /dev/zero | tr '\0' x > 'two words.bin' && printf '; made by hand\r\n' > set.sfv && cli -a crc32 --format sfv one.bin 'two words.bin' | tee -a set.sfv
one.bin 352441C2
two words.bin 00DBF026
$ cli -c set/set.sfv
one.bin: OK
two words.bin: OK
$ printf abd > set/one.bin && cli -c set/set.sfv
one.bin: FAILED
two words.bin: OK
2> hashwell-cli: WARNING: 1 computed checksum did NOT match
? 1
