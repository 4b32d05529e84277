# A transcript of hashwell-cli, read by tests/cli/transcript_test.cpp. "$ " starts a command,
# run by bash (with pipefail) in a scratch folder that all commands of the file share, where
# `cli` runs hashwell-cli. The lines under it are what it must write to standard output, the
# "2> " lines what it must write to standard error, "? N" its exit code (0 when not given).
# "= COMMAND" instead expects what COMMAND writes and its exit code (unless "? N" says
# otherwise), with coreutils' tool name in its messages made hashwell-cli's.

# The codes of --message TEXT in each --encoding (computed with Python's hashlib and zlib);
# the texts are typed in UTF-8, as on a command line.
$ cli -a crc32 --encoding utf8 -m 'abc'
352441c2  "abc"
$ cli -a md5 --encoding utf8 -m 'abc'
900150983cd24fb0d6963f7d28e17f72  "abc"
$ cli -a sha1 --encoding utf8 -m 'abc'
a9993e364706816aba3e25717850c26c9cd0d89d  "abc"
$ cli -a sha224 --encoding utf8 -m 'abc'
23097d223405d8228642a477bda255b32aadbce4bda0b3f7e36c9da7  "abc"
$ cli -a sha256 --encoding utf8 -m 'abc'
ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad  "abc"
$ cli -a sha384 --encoding utf8 -m 'abc'
cb00753f45a35e8bb5a03d699ac65007272c32ab0eded1631a8b605a43ff5bed8086072ba1e7cc2358baeca134c825a7  "abc"
$ cli -a sha512 --encoding utf8 -m 'abc'
ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f  "abc"
$ cli -a sha3-224 --encoding utf8 -m 'abc'
e642824c3f8cf24ad09234ee7d3c766fc9a3a5168d0c94ad73b46fdf  "abc"
$ cli -a sha3-256 --encoding utf8 -m 'abc'
3a985da74fe225b2045c172d6bd390bd855f086e3e9d525b46bfe24511431532  "abc"
$ cli -a sha3-384 --encoding utf8 -m 'abc'
ec01498288516fc926459f58e2c6ad8df9b473cb0fc08c2596da7cf0e49be4b298d88cea927ac7f539f1edf228376d25  "abc"
$ cli -a sha3-512 --encoding utf8 -m 'abc'
b751850b1a57168a5693cd924b6b096e08f621827444f70d884f5d0240d2712e10e116e9192af3c91a7ec57647e3934057340b4cf408d5a56592f8274eec53f0  "abc"
$ cli -a crc32 --encoding ansi -m 'abc'
352441c2  "abc"
$ cli -a md5 --encoding ansi -m 'abc'
900150983cd24fb0d6963f7d28e17f72  "abc"
$ cli -a sha256 --encoding ansi -m 'abc'
ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad  "abc"
$ cli -a sha3-256 --encoding ansi -m 'abc'
3a985da74fe225b2045c172d6bd390bd855f086e3e9d525b46bfe24511431532  "abc"
$ cli -a crc32 --encoding utf16le -m 'abc'
ad957ab0  "abc"
$ cli -a md5 --encoding utf16le -m 'abc'
ce1473cf80c6b3fda8e3dfc006adc315  "abc"
$ cli -a sha256 --encoding utf16le -m 'abc'
13e228567e8249fce53337f25d7970de3bd68ab2653424c7b8f9fd05e33caedf  "abc"
$ cli -a sha3-256 --encoding utf16le -m 'abc'
a7fc119e08d5dbcdbd7f69d7bba10866c62ba2a3e31577a7d7c582f4ec20b78b  "abc"
$ cli -a crc32 --encoding utf8 -m ''
00000000  ""
$ cli -a md5 --encoding utf8 -m ''
d41d8cd98f00b204e9800998ecf8427e  ""
$ cli -a sha1 --encoding utf8 -m ''
da39a3ee5e6b4b0d3255bfef95601890afd80709  ""
$ cli -a sha224 --encoding utf8 -m ''
d14a028c2a3a2bc9476102bb288234c415a2b01f828ea62ac5b3e42f  ""
$ cli -a sha256 --encoding utf8 -m ''
e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855  ""
$ cli -a sha384 --encoding utf8 -m ''
38b060a751ac96384cd9327eb1b1e36a21fdb71114be07434c0cc7bf63f6e1da274edebfe76f65fbd51ad2f14898b95b  ""
$ cli -a sha512 --encoding utf8 -m ''
cf83e1357eefb8bdf1542850d66d8007d620e4050b5715dc83f4a921d36ce9ce47d0d13c5d85f2b0ff8318d2877eec2f63b931bd47417a81a538327af927da3e  ""
$ cli -a sha3-224 --encoding utf8 -m ''
6b4e03423667dbb73b6e15454f0eb1abd4597f9a1b078e3f5b5a6bc7  ""
$ cli -a sha3-256 --encoding utf8 -m ''
a7ffc6f8bf1ed76651c14756a061d662f580ff4de43b49fa82d80a4b80f8434a  ""
$ cli -a sha3-384 --encoding utf8 -m ''
0c63a75b845e4f7d01107d852e4c2485c51a50aaaa94fc61995e71bbee983a2ac3713831264adb47fb6bd1e058d5f004  ""
$ cli -a sha3-512 --encoding utf8 -m ''
a69f73cca23a9ac5c8b567dc185a756e97c982164fe25859e0d1dcc1475c80a615b2123af1f5f94c11e3e9402c3ac558f500199d95b6d3e301758586281dcd26  ""
$ cli -a crc32 --encoding ansi -m ''
00000000  ""
$ cli -a md5 --encoding ansi -m ''
d41d8cd98f00b204e9800998ecf8427e  ""
$ cli -a sha256 --encoding ansi -m ''
e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855  ""
$ cli -a sha3-256 --encoding ansi -m ''
a7ffc6f8bf1ed76651c14756a061d662f580ff4de43b49fa82d80a4b80f8434a  ""
$ cli -a crc32 --encoding utf16le -m ''
00000000  ""
$ cli -a md5 --encoding utf16le -m ''
d41d8cd98f00b204e9800998ecf8427e  ""
$ cli -a sha256 --encoding utf16le -m ''
e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855  ""
$ cli -a sha3-256 --encoding utf16le -m ''
a7ffc6f8bf1ed76651c14756a061d662f580ff4de43b49fa82d80a4b80f8434a  ""
$ cli -a crc32 --encoding utf8 -m 'héllo wörld'
151d5fb9  "héllo wörld"
$ cli -a md5 --encoding utf8 -m 'héllo wörld'
ed0c22cc110ede12327851863c078138  "héllo wörld"
$ cli -a sha1 --encoding utf8 -m 'héllo wörld'
24e9f5c07847ff8a2a9fa77456655792f5bc7f9f  "héllo wörld"
$ cli -a sha224 --encoding utf8 -m 'héllo wörld'
9b52a881dfe9a9f75a4752d1ea0902c3318219ff19f9a0cadfa7413d  "héllo wörld"
$ cli -a sha256 --encoding utf8 -m 'héllo wörld'
a1003f7d04a4115711d0b48a2eaf1359ce565d2d2a6fd65098dfcffadeeef59f  "héllo wörld"
$ cli -a sha384 --encoding utf8 -m 'héllo wörld'
0ae7fb364d4a1c32722e35dd2abe2eba049d63883e63b30cf1c510a6923c49676f41d1b6765c7c63a15f8c369289a313  "héllo wörld"
$ cli -a sha512 --encoding utf8 -m 'héllo wörld'
aacc881944f9ae7084649c91609b436444d66f289fca3bc4214e465e99f256efa8a8dc447e41660087c1081e4718419a94eee3d6b536b46bb764cdd7f747fe38  "héllo wörld"
$ cli -a sha3-224 --encoding utf8 -m 'héllo wörld'
0fd731bc37cbacabbccda36d585ef6a008f60329e4bbb0eef1c4a953  "héllo wörld"
$ cli -a sha3-256 --encoding utf8 -m 'héllo wörld'
658e21ba6487e9c4fbb534fc5f2f0fa3217ca7b79d8168cf193536a9769c6d3f  "héllo wörld"
$ cli -a sha3-384 --encoding utf8 -m 'héllo wörld'
5f33c69fd96b9ff798a0f46f0080934249bf961522ec07f8a245064e602842b975662d5532c7fd37ac93281b29b31f4c  "héllo wörld"
$ cli -a sha3-512 --encoding utf8 -m 'héllo wörld'
ce781b14f049793fa0366adcf7ddc2c46c1849c8aff3c7c82b5078c77c5ba657cc2b6a183665d71d6d102564e32bd66aff11a663debd6bce14e8601f4ede6255  "héllo wörld"
$ cli -a crc32 --encoding ansi -m 'héllo wörld'
313b5624  "héllo wörld"
$ cli -a md5 --encoding ansi -m 'héllo wörld'
6e5c760a17cf8e5fcbb19c8d404bbc15  "héllo wörld"
$ cli -a sha256 --encoding ansi -m 'héllo wörld'
12d616370ce8314b1af15dec5dd3657c827b146290171fe61689372b1ca21397  "héllo wörld"
$ cli -a sha3-256 --encoding ansi -m 'héllo wörld'
eb6ec314e8f6774ea850e7a8d80d0c8d3c5e5dc01c18b1ad1ec2f31deb73b8ad  "héllo wörld"
$ cli -a crc32 --encoding utf16le -m 'héllo wörld'
53c1bded  "héllo wörld"
$ cli -a md5 --encoding utf16le -m 'héllo wörld'
135771659ff1e1a7b1df7d1efcf2cf91  "héllo wörld"
$ cli -a sha256 --encoding utf16le -m 'héllo wörld'
5e20a61d2967a341d5f74af7f0a2d99200a7ac15eb9ab58d4b8e2ecf162a372b  "héllo wörld"
$ cli -a sha3-256 --encoding utf16le -m 'héllo wörld'
18007b1e9e07d5f0e21596221a81684256a84638ed4c5e69d3030967aa654e70  "héllo wörld"
$ cli -a crc32 --encoding utf8 -m '€ 5'
c0335997  "€ 5"
$ cli -a md5 --encoding utf8 -m '€ 5'
f41f3fc36ab405741764904996ab473d  "€ 5"
$ cli -a sha1 --encoding utf8 -m '€ 5'
1b8a15ee8722e1fd12700cb525e1402997626005  "€ 5"
$ cli -a sha224 --encoding utf8 -m '€ 5'
17c3a308618cbcd1ce02f40e87a60822c788546f150a216a3ed49e09  "€ 5"
$ cli -a sha256 --encoding utf8 -m '€ 5'
c20974822f426bae510f2d67af893d75cef8a668d5ec5f3132a23a3f80db5c34  "€ 5"
$ cli -a sha384 --encoding utf8 -m '€ 5'
e1613be46213317db53df779916ebf27b94f54e2c03ff5982dda94a778fc6c597668679a83661e4f9ae5809a07a5dfd7  "€ 5"
$ cli -a sha512 --encoding utf8 -m '€ 5'
9245094862ab9bb93a03a6111b058c8b49482a03473ce90e7ee71b84d4fae8bb2448b3ee31e2cceaf80ed0373ba01c1324a1a6798b7d8281ee467253ec609715  "€ 5"
$ cli -a sha3-224 --encoding utf8 -m '€ 5'
8d14181ba32a9e5723bfa11ac802428afac08c1d6305f97bdd1230f3  "€ 5"
$ cli -a sha3-256 --encoding utf8 -m '€ 5'
a78d3053be5fbfef646dc6c5939f649b3badad5308be7a7833dca41f7ff6efe3  "€ 5"
$ cli -a sha3-384 --encoding utf8 -m '€ 5'
d05653053eb41eb7037dd45868f1dd17d45739c21ecb82c683baf5a5762d9bdd33a8006f925bc80c0712c3ee5cb31573  "€ 5"
$ cli -a sha3-512 --encoding utf8 -m '€ 5'
32b64e941242180d0e65b0c5fef2fbf5ea151e5d61329a9471ad5b023ad5dc1a3451db2a6d2521c23390fcfe26eef5694ad693d0b86db1b301eb04989ab9a752  "€ 5"
$ cli -a crc32 --encoding ansi -m '€ 5'
dd432213  "€ 5"
$ cli -a md5 --encoding ansi -m '€ 5'
f945b719f5b0334de91a40a1395a4874  "€ 5"
$ cli -a sha256 --encoding ansi -m '€ 5'
767bd3bdabeb198016f0f5ba692fb50219298a32bb36ac589d2fcfa504399960  "€ 5"
$ cli -a sha3-256 --encoding ansi -m '€ 5'
58c43ba3c28a2f2ccb4d387d28a90299869a956325a9566ea0fc828d6b48fac1  "€ 5"
$ cli -a crc32 --encoding utf16le -m '€ 5'
1cde32ba  "€ 5"
$ cli -a md5 --encoding utf16le -m '€ 5'
f5f51d298d5113bcb28f3c62182d7e67  "€ 5"
$ cli -a sha256 --encoding utf16le -m '€ 5'
55cfef1ce09ffe17f5132f7ae1a2feebb7703a3b9701c0649571d2e8220368af  "€ 5"
$ cli -a sha3-256 --encoding utf16le -m '€ 5'
7bd18a9e6418dffb849043683100438d3155a868d1f203080b8903b09301de37  "€ 5"

# Bytes that are not UTF-8 are hashed as given, and refused where they must be converted;
# so is a character that Windows-1252 lacks.
$ cli -a md5 -m $'\xff' | cat -v
00594fd4f42ba43fc1ca0427a0576295  "M-^?"
$ cli -m $'\xff' --encoding ansi
2> hashwell-cli: the text is not valid UTF-8, so it has no form in that encoding
? 1
$ cli -m $'\xc4\x80' --encoding ansi
2> hashwell-cli: the text holds characters that the ANSI code page cannot hold
? 1
$ cli -m $'\xff' --encoding utf16le
2> hashwell-cli: the text is not valid UTF-8, so it has no form in that encoding
? 1
$ cli -a md5 -m $'\xc4\x80' --encoding utf16le
441077cc9e57554dd476bdfb8b8b8102  "Ā"
