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
