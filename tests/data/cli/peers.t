# A transcript of hashwell-cli, read by tests/cli/transcript_test.cpp (see hash.t for its form):
# the algorithms coreutils lacks, written as their reference tools write them, and read back by
# those tools and by hashwell-cli (Debian packages xxhash and b3sum).

# XXH3 and XXH128 lines as xxhsum -H3 (tagged) and -H2 write them, a name's backslash as it is
# (xxhsum clears a progress line on standard error even when it is not a terminal).
$ mkdir x && cd x && printf abc > plain && printf y > 'back\slash' && printf z > 'with space'
$ cd x && cli -a xxh3 -- *
= cd x && xxhsum -H3 -- * 2> /dev/null
$ cd x && cli -a xxh128 -- *
= cd x && xxhsum -H2 -- * 2> /dev/null
$ cd x && cli -a xxh3 -- * > ../ours.xxh3 && cli -a xxh128 -- * > ../ours.xxh128 && xxhsum -H3 -- * > ../theirs3 2> /dev/null && xxhsum -H2 -- * > ../theirs.xxh128 2> /dev/null
$ cd x && xxhsum -c ../ours.xxh3 ../ours.xxh128 && cli -c --strict ../theirs3 ../theirs.xxh128
= cd x && xxhsum -c ../theirs3 ../theirs.xxh128 && xxhsum -c ../theirs3 ../theirs.xxh128

# An untagged line of 32 digits is MD5 unless -a or the file's name says XXH128; 16 digits are
# XXH3's. A name with a line break is escaped as coreutils escapes it, and read back.
$ cd x && cp ../ours.xxh128 ../sums && cli -c -a xxh128 ../sums && cli -c ../sums
back\slash: OK
plain: OK
with space: OK
back\slash: FAILED
plain: FAILED
with space: FAILED
2> hashwell-cli: WARNING: 3 computed checksums did NOT match
? 1
$ printf q > $'line\nfeed' && cli -a xxh3 $'line\nfeed' | tee feed.sums && cli -c feed.sums
\XXH3 (line\nfeed) = f2386670cff0b396
\line\nfeed: OK

# BLAKE3 lines as b3sum writes them, byte for byte: a backslash and a line feed escaped, a
# carriage return as it is. b3sum --check reads them, and hashwell-cli reads b3sum's by the
# checksum file's name.
$ mkdir b && cd b && printf abc > plain && printf y > 'back\slash' && printf z > 'with space' && printf q > $'line\nfeed' && printf r > $'cr\rname'
$ cd b && cli -a blake3 -- *
= cd b && b3sum -- *
$ cd b && cli -a blake3 -- * > ../ours.b3 && b3sum -- * > ../B3SUMS && cp ../B3SUMS ../theirs.blake3 && cp ../B3SUMS ../plain.sums
$ cd b && b3sum --check ../ours.b3 | grep -c ': OK$' && cli -c --strict ../B3SUMS ../theirs.blake3 | grep -c ': OK$'
5
10

# An untagged BLAKE3 file under a name that tells nothing is read as SHA-256, and fails. A name
# that is not UTF-8 keeps its bytes (b3sum 1.2.0 writes U+FFFD there).
$ cd b && cli -c ../plain.sums | grep -c FAILED
5
2> hashwell-cli: WARNING: 5 computed checksums did NOT match
? 1
$ printf n > $'bad\xffname' && cli -a blake3 $'bad\xffname' | od -An -c | sed -n 5p | tr -s ' '
 b a d 377 n a m e \n
